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

namespace {

std::string read_file(const std::string &path)
{
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

std::vector<std::string> lines_of(const std::string &text)
{
    std::vector<std::string> v;
    std::istringstream s(text);
    std::string line;
    while (std::getline(s, line))
        v.push_back(line);
    return v;
}

std::string join(const std::vector<std::string> &v)
{
    std::string s;
    for (const std::string &l : v)
        s += l + "\n";
    return s;
}

// Words a damaged campaign is likely to hold in the wrong places.
const char *const WORDS[] = {"#!ponorka-campaign",
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

std::string mutate(const std::string &campaign, std::mt19937 &rng)
{
    std::vector<std::string> lines = lines_of(campaign);
    std::uniform_int_distribution<int> byte(0, 255);
    switch (rng() % 7) {
    case 0: {  // bytes flipped
        std::string s = campaign;
        for (int i = rng() % 8; i >= 0 && !s.empty(); i--)
            s[rng() % s.size()] = (char)byte(rng);
        return s;
    }
    case 1:  // cut anywhere
        return campaign.substr(0, rng() % (campaign.size() + 1));
    case 2:  // a line dropped or repeated, many times for the limits
        if (!lines.empty()) {
            size_t i = rng() % lines.size();
            if (rng() % 2)
                lines.erase(lines.begin() + i);
            else
                lines.insert(lines.begin() + i, rng() % 4 ? 1 : 70, lines[i]);
        }
        return join(lines);
    case 3:  // two lines swapped
        if (lines.size() > 1)
            std::swap(lines[rng() % lines.size()], lines[rng() % lines.size()]);
        return join(lines);
    case 4: {  // a word put into a line
        if (lines.empty())
            return campaign;
        std::string &l = lines[rng() % lines.size()];
        l.insert(rng() % (l.size() + 1), std::string(" ") + WORDS[rng() % (sizeof WORDS / sizeof WORDS[0])] + " ");
        return join(lines);
    }
    case 5: {  // one very long line
        if (lines.empty())
            return campaign;
        lines[rng() % lines.size()] += std::string(4000 + rng() % 200, "te x#"[rng() % 5]);
        return join(lines);
    }
    default: {  // noise
        std::string s(rng() % 512, '\0');
        for (char &c : s)
            c = (char)byte(rng);
        return s;
    }
    }
}

TEST(CampaignFuzz, DamagedCampaignsAreReadOrRefusedByName)
{
    std::vector<std::string> campaigns;
    for (const char *name : {"ponorka.campaign", "tri_noci.campaign"}) {
        campaigns.push_back(read_file(std::string(PONORKA_SOURCE_DIR) + "/data/campaigns/" + name));
        ASSERT_FALSE(campaigns.back().empty()) << name;
    }
    std::mt19937 rng(20261209);
    for (int round = 0; round < 10000; round++) {
        std::string text = mutate(campaigns[round % campaigns.size()], rng);
        fuzz_kampan_reader(reinterpret_cast<const unsigned char *>(text.data()), text.size());
    }
    for (const std::string &campaign : campaigns)
        fuzz_kampan_reader(reinterpret_cast<const unsigned char *>(campaign.data()), campaign.size());
}

}  // namespace
