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

// Words a damaged demo is likely to hold in the wrong places.
const char *const WORDS[] = {"#!ponorka-demo",
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

std::string mutate(const std::string &demo, std::mt19937 &rng)
{
    std::vector<std::string> lines = lines_of(demo);
    std::uniform_int_distribution<int> byte(0, 255);
    switch (rng() % 7) {
    case 0: {  // bytes flipped
        std::string s = demo;
        for (int i = rng() % 8; i >= 0 && !s.empty(); i--)
            s[rng() % s.size()] = (char)byte(rng);
        return s;
    }
    case 1:  // cut anywhere
        return demo.substr(0, rng() % (demo.size() + 1));
    case 2:  // a line dropped or repeated
        if (!lines.empty()) {
            size_t i = rng() % lines.size();
            if (rng() % 2)
                lines.erase(lines.begin() + i);
            else
                lines.insert(lines.begin() + i, lines[i]);
        }
        return join(lines);
    case 3:  // two lines swapped
        if (lines.size() > 1)
            std::swap(lines[rng() % lines.size()], lines[rng() % lines.size()]);
        return join(lines);
    case 4: {  // a word put into a line
        if (lines.empty())
            return demo;
        std::string &l = lines[rng() % lines.size()];
        l.insert(rng() % (l.size() + 1), std::string(" ") + WORDS[rng() % (sizeof WORDS / sizeof WORDS[0])] + " ");
        return join(lines);
    }
    case 5: {  // one very long line
        if (lines.empty())
            return demo;
        lines[rng() % lines.size()] += std::string(4000 + rng() % 200, "F *#!"[rng() % 5]);
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

TEST(DemoFuzz, DamagedDemosAreReadOrRefusedByName)
{
    std::vector<std::string> demos;
    for (const char *name : {"full.demo", "short.demo"}) {
        demos.push_back(read_file(std::string(PONORKA_SOURCE_DIR) + "/tests/demos/" + name));
        ASSERT_FALSE(demos.back().empty()) << name;
    }
    std::mt19937 rng(20261208);
    for (int round = 0; round < 20000; round++) {
        std::string text = mutate(demos[round % demos.size()], rng);
        fuzz_demo_reader(reinterpret_cast<const unsigned char *>(text.data()), text.size());
    }
    for (const std::string &demo : demos)
        fuzz_demo_reader(reinterpret_cast<const unsigned char *>(demo.data()), demo.size());
}

}  // namespace
