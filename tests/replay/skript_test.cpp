#include <sstream>
#include <vector>

#include <allegro.h>
#include <gtest/gtest.h>

#include "skript.h"

namespace {

bool citaj(const std::string &text, Skript &s, std::string &chyba)
{
    std::istringstream vstup(text);
    return nacitaj_skript(vstup, "test.txt", s, chyba);
}

// The keys of the first n steps.
std::vector<std::vector<int>> kroky(const Skript &s, int n)
{
    Kurzor k(s);
    std::vector<std::vector<int>> v;
    for (int i = 0; i < n; i++)
        v.push_back(k.dalsi());
    return v;
}

using K = std::vector<int>;

}  // namespace

TEST(ReplayScript, EveryKeyNameOfTheGame)
{
    EXPECT_EQ(kod_klavesy("F"), KEY_F);
    EXPECT_EQ(kod_klavesy("C"), KEY_C);
    EXPECT_EQ(kod_klavesy("X"), KEY_X);
    EXPECT_EQ(kod_klavesy("R"), KEY_R);
    EXPECT_EQ(kod_klavesy("E"), KEY_E);
    EXPECT_EQ(kod_klavesy("RIGHT"), KEY_RIGHT);
    EXPECT_EQ(kod_klavesy("LEFT"), KEY_LEFT);
    EXPECT_EQ(kod_klavesy("S"), KEY_S);
    EXPECT_EQ(kod_klavesy("W"), KEY_W);
    EXPECT_EQ(kod_klavesy("UP"), KEY_UP);
    EXPECT_EQ(kod_klavesy("DOWN"), KEY_DOWN);
    EXPECT_EQ(kod_klavesy("SPACE"), KEY_SPACE);
    EXPECT_EQ(kod_klavesy("f"), -1);
    EXPECT_EQ(kod_klavesy("ENTER"), -1);
}

TEST(ReplayScript, LinesRepeatsCommentsAndTheEnd)
{
    Skript s;
    std::string chyba;
    ASSERT_TRUE(citaj("# comment\nF C\n\nRIGHT *3\n   \nX*2\r\n*2\nSPACE", s, chyba)) << chyba;
    std::vector<K> ocakavane = {
        {KEY_F, KEY_C}, {}, {KEY_RIGHT}, {KEY_RIGHT}, {KEY_RIGHT}, {}, {KEY_X}, {KEY_X}, {}, {}, {KEY_SPACE}, {}, {},
    };
    EXPECT_EQ(kroky(s, 13), ocakavane);
}

TEST(ReplayScript, EmptyScriptHoldsNothing)
{
    Skript s;
    std::string chyba;
    ASSERT_TRUE(citaj("", s, chyba));
    EXPECT_EQ(kroky(s, 3), std::vector<K>(3));
}

TEST(ReplayScript, BadLinesAreNamed)
{
    Skript s;
    std::string chyba;
    EXPECT_FALSE(citaj("F\nC\nF Q\n", s, chyba));
    EXPECT_EQ(chyba, "test.txt:3: unknown key \"Q\"");
    EXPECT_FALSE(citaj("F *x\n", s, chyba));
    EXPECT_EQ(chyba, "test.txt:1: bad repeat count \"*x\"");
    EXPECT_FALSE(citaj("\n\nF *0\n", s, chyba));
    EXPECT_EQ(chyba, "test.txt:3: repeat count must be at least 1");
    EXPECT_FALSE(citaj("F *-3\n", s, chyba));
    EXPECT_EQ(chyba, "test.txt:1: bad repeat count \"*-3\"");
    EXPECT_FALSE(citaj("F *\n", s, chyba));
    EXPECT_EQ(chyba, "test.txt:1: bad repeat count \"*\"");
    // A comment only at the start of a line.
    EXPECT_FALSE(citaj("F # fire\n", s, chyba));
    EXPECT_EQ(chyba, "test.txt:1: unknown key \"#\"");
}

TEST(ReplayScript, ScriptsHaveTheLimitsAndCodesOfDemos)
{
    Skript s;
    std::string chyba;
    int kod = 0;
    std::istringstream dlhy("F\n" + std::string(1 << 20, 'F') + "\n");
    EXPECT_FALSE(nacitaj_skript(dlhy, "test.txt", s, chyba, &kod));
    EXPECT_EQ(chyba, "test.txt:2: line longer than 4096 characters");
    EXPECT_EQ(kod, 28);
    std::istringstream bom("\xEF\xBB\xBF"
                           "F\n");
    EXPECT_FALSE(nacitaj_skript(bom, "test.txt", s, chyba, &kod));
    EXPECT_NE(chyba.find("test.txt:1: the file starts with a byte-order mark"), std::string::npos) << chyba;
    EXPECT_EQ(kod, 1);
}

TEST(ReplayScript, HugeRepeatCountsAreRefused)
{
    Skript s;
    std::string chyba;
    EXPECT_FALSE(citaj("F *99999999999999999999\n", s, chyba));
    EXPECT_FALSE(citaj("F *600000000\nC *600000000\n", s, chyba));
    EXPECT_EQ(chyba, "test.txt:2: script is longer than 1000000000 steps");
    EXPECT_TRUE(citaj("F *600000000\n", s, chyba));
}
