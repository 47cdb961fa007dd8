// A bounded, repeatable stream of damaged demos through the demo reader: the
// demos kept with the tests, with bytes flipped, lines duplicated, dropped or
// cut, records and counts swapped for others, and plain noise.
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "demo_fuzz.h"
#include "poskodenie.h"

namespace {

// Words a damaged demo is likely to hold in the wrong places.
const std::vector<std::string> WORDS = {"#!ponorka-demo",
                                        "#!mission",
                                        "#!check",
                                        "#!mission-end",
                                        "#!shop",
                                        "#!buy",
                                        "#!end",
                                        "torpedo",
                                        "decoy",
                                        "NOBUF",
                                        "RIGHT",
                                        "SPACE",
                                        "*0",
                                        "*1",
                                        "*1000000000000",
                                        "*999999999",
                                        "-1",
                                        "2",
                                        "ffffffffffffffff",
                                        "#",
                                        "\r",
                                        "\t"};

const poskodenie::Format FORMAT{WORDS, "F *#!", false};

TEST(DemoFuzz, DamagedDemosAreReadOrRefusedByName)
{
    std::vector<std::string> demos;
    for (const char *name : {"full.demo", "short.demo"}) {
        demos.push_back(poskodenie::read_file(std::string(PONORKA_SOURCE_DIR) + "/tests/demos/" + name));
        ASSERT_FALSE(demos.back().empty()) << name;
    }
    std::mt19937 rng(20261208);
    for (int round = 0; round < 20000; round++) {
        std::string text = poskodenie::mutate(demos[round % demos.size()], rng, FORMAT);
        fuzz_demo_reader(reinterpret_cast<const unsigned char *>(text.data()), text.size());
    }
    for (const std::string &demo : demos)
        fuzz_demo_reader(reinterpret_cast<const unsigned char *>(demo.data()), demo.size());
}

}  // namespace
