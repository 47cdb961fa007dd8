// Demos through the replay tool: a script recorded and played back, a key
// changed in a demo, a demo without its end, a bad demo, and the demos of real
// games kept under tests/demos/.
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "beh.h"

namespace {

std::string golden(const std::string &meno)
{
    return std::string(PONORKA_SOURCE_DIR) + "/tests/replay/golden/" + meno;
}

// The trace the last run of this test wrote.
std::string stopa_behu()
{
    return obsah(subor_testu(".trace"));
}

std::vector<std::string> riadky(const std::string &text)
{
    std::vector<std::string> v;
    std::istringstream s(text);
    std::string r;
    while (std::getline(s, r))
        v.push_back(r);
    return v;
}

std::string spoj(const std::vector<std::string> &v)
{
    std::string s;
    for (const std::string &r : v)
        s += r + "\n";
    return s;
}

// The golden script recorded as a demo, and what the recording printed.
struct Nahravka {
    std::string demo;
    std::string vystup;
};

Nahravka nahraj_golden()
{
    // Named after the test: the tests run side by side.
    std::string cesta = subor_testu(".golden.demo");
    Beh b = spusti("--record '" + cesta + "' --missions 12 --buy 1,5 --max-steps 8000", golden("long.txt"));
    EXPECT_EQ(b.stav, 0) << b.chyby;
    return {obsah(cesta), b.vystup};
}

// The step number of "demo desync at step N", or -1.
int krok_nesuladu(const std::string &chyby)
{
    std::smatch m;
    if (!std::regex_search(chyby, m,
                           std::regex("demo desync at step ([0-9]+): expected [0-9a-f]{16}, got [0-9a-f]{16}")))
        return -1;
    return std::stoi(m[1]);
}

}  // namespace

TEST(ReplayDemo, ARecordedScriptPlaysBackWithTheScriptsTraceAndTheGamesLines)
{
    Nahravka n = nahraj_golden();
    ASSERT_EQ(n.demo.compare(0, 17, "#!ponorka-demo 1 "), 0) << n.demo.substr(0, 80);

    Beh b = spusti("", docasny_skript(n.demo));
    ASSERT_EQ(b.stav, 0) << b.chyby;
    EXPECT_EQ(b.chyby, "");
    EXPECT_EQ(stopa_behu(), obsah(golden("long.trace")));
    EXPECT_EQ(b.vystup, n.vystup);
    // The script's lines, the purchases of the first shop in their place, the
    // summary without its time lines.
    std::string golden_out = obsah(golden("long.out"));
    size_t pred_nakupom = golden_out.find("Objekt 1  PRVY", 100);
    ASSERT_NE(pred_nakupom, std::string::npos);
    std::string nakupy = "Torpedo kupene\nPocet torped 47\nPeniaze 50\n";
    for (int i = 1; i <= 5; i++)
        nakupy += "Navnada kupena\nPocet navnad " + std::to_string(94 + i) + "\nPeniaze " +
                  std::to_string(50 - 10 * i) + "\n";
    EXPECT_EQ(b.vystup, golden_out.substr(0, pred_nakupom) + nakupy + golden_out.substr(pred_nakupom) +
                            "P_VYPOCET = 4453 \nHealth = 0");
}

TEST(ReplayDemo, AKeyChangedMidMissionIsADesyncAtOrAfterItsStep)
{
    std::vector<std::string> r = riadky(nahraj_golden().demo);
    // Step 2451 of mission 2 sinks instead of going ahead: the run of 100 steps
    // that ends with the check at step 2500 is split around it.
    int zmeneny = -1;
    for (size_t i = 1; i < r.size(); i++) {
        if (r[i].compare(0, 13, "#!check 2500 ") == 0 && r[i - 1] == "F C X RIGHT *100") {
            r[i - 1] = "F C X RIGHT *50\nF C X RIGHT DOWN\nF C X RIGHT *49";
            zmeneny = 2451;
        }
    }
    ASSERT_EQ(zmeneny, 2451) << "the recorded demo no longer has the run this test changes";
    Beh b = spusti("", docasny_skript(spoj(r)));
    EXPECT_EQ(b.stav, 20) << b.chyby;
    int krok = krok_nesuladu(b.chyby);
    EXPECT_GE(krok, zmeneny) << b.chyby;
    EXPECT_LE(krok, 2500) << b.chyby;
    // The trace up to the step of the desync.
    ASSERT_FALSE(b.stopa.empty());
    EXPECT_EQ(b.stopa.back()["step"].cele(), krok);
    // Nothing after it: no summary.
    EXPECT_EQ(b.vystup.find("P_VYPOCET"), std::string::npos);
}

TEST(ReplayDemo, ADemoWithoutItsEndPlaysWhatIsThereAndSaysSo)
{
    std::vector<std::string> r = riadky(nahraj_golden().demo);
    // What a crash in the middle of mission 1 leaves: the lines up to step 1000.
    size_t i = 0;
    while (i < r.size() && r[i].compare(0, 13, "#!check 1000 ") != 0)
        i++;
    ASSERT_LT(i, r.size());
    r.resize(i + 1);
    Beh b = spusti("", docasny_skript(spoj(r)));
    EXPECT_EQ(b.stav, 29) << b.chyby;
    EXPECT_NE(b.chyby.find("ended early"), std::string::npos) << b.chyby;
    EXPECT_EQ(b.stopa.size(), 1000u);
    EXPECT_EQ(b.vystup.substr(b.vystup.size() - 32), "P_VYPOCET = 1000 \nHealth = 10000");
}

TEST(ReplayDemo, ABadDemoIsRefusedBeforeAnythingIsPlayed)
{
    Beh b = spusti("", docasny_skript("#!ponorka-demo 1 1.0.0\n#!mission 1\nF *3\nF ENTER\n"));
    EXPECT_EQ(b.stav, 26);
    EXPECT_NE(b.chyby.find(".script:4: unknown key \"ENTER\""), std::string::npos) << b.chyby;
    EXPECT_TRUE(b.stopa.empty());
    EXPECT_EQ(b.vystup, "");

    b = spusti("--buy 1,1", docasny_skript("#!ponorka-demo 1 1.0.0\n#!end 0 0000000000000000\n"));
    EXPECT_EQ(b.stav, 1);
    EXPECT_NE(b.chyby.find("take a script"), std::string::npos) << b.chyby;
}

// Games recorded from real play: any change to the simulation that alters play
// fails them, at the first check that differs.
TEST(ReplayDemo, RealGamesKeptWithTheTestsPlayAsTheyWerePlayed)
{
    for (const char *meno : {"full", "short"}) {
        std::string cesta = std::string(PONORKA_SOURCE_DIR) + "/tests/demos/" + meno;
        Beh b = spusti("", cesta + ".demo");
        EXPECT_EQ(b.stav, 0) << meno << ": " << b.chyby;
        EXPECT_EQ(b.chyby, "") << meno;
        EXPECT_EQ(b.vystup, obsah(cesta + ".out")) << meno;
    }
}
