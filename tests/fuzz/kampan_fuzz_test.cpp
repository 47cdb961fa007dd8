// A bounded, repeatable stream of damaged campaigns through the campaign reader:
// the campaigns that ship with the game, with bytes flipped, lines duplicated,
// dropped or cut, keywords and numbers put in the wrong places, and plain noise.
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "kampan_fuzz.h"
#include "poskodenie.h"

namespace {

// Words a damaged campaign is likely to hold in the wrong places.
const std::vector<std::string> WORDS = {"#!ponorka-campaign",
                                        "name",
                                        "mission",
                                        "before",
                                        "after",
                                        "text",
                                        "enemy",
                                        "shop",
                                        "0",
                                        "-1",
                                        "256",
                                        "1e308",
                                        "nan",
                                        "inf",
                                        "0x1p3",
                                        "1.5",
                                        "99999999999999999999",
                                        "#",
                                        "\r",
                                        "\t",
                                        "\xEF\xBB\xBF"};

const poskodenie::Format FORMAT{WORDS, "te x#", true};

TEST(CampaignFuzz, DamagedCampaignsAreReadOrRefusedByName)
{
    std::vector<std::string> campaigns;
    for (const char *name : {"ponorka.campaign", "tri_noci.campaign"}) {
        campaigns.push_back(poskodenie::read_file(std::string(PONORKA_SOURCE_DIR) + "/data/campaigns/" + name));
        ASSERT_FALSE(campaigns.back().empty()) << name;
    }
    std::mt19937 rng(20261209);
    for (int round = 0; round < 10000; round++) {
        std::string text = poskodenie::mutate(campaigns[round % campaigns.size()], rng, FORMAT);
        fuzz_kampan_reader(reinterpret_cast<const unsigned char *>(text.data()), text.size());
    }
    for (const std::string &campaign : campaigns)
        fuzz_kampan_reader(reinterpret_cast<const unsigned char *>(campaign.data()), campaign.size());
}

}  // namespace
