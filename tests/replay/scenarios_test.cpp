// Whole runs of ponorka-replay, checked against what the game's rules say
// must happen. Every expected value is worked out in the comments.

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "beh.h"

namespace {

const double PI = 3.14159265;

const std::string PRVY = "  PRVY\n uspesne pridany \n";
const std::string INY = "  INY\n uspesne pridany \n";

// Lists of a trace line, in the order of the trace.
enum { NEPRIATELIA, VYBUCHY, TORPEDA, NAVNADY, TORPEDA_NEPRIATELA, GULKY };
// Fields of a listed object.
enum { PX, PY, UHOL, SPEED, HEALTH, MAX_HEALTH, PREBIJANIE };

const Json &zoznam(const Json &riadok, int ktory)
{
    return riadok["lists"][ktory];
}

// Every line is the next step, and every third step draws.
void over_kroky(const Beh &b, int prvy)
{
    for (size_t i = 0; i < b.stopa.size(); i++) {
        int krok = b.stopa[i]["step"].cele();
        ASSERT_EQ(krok, prvy + (int)i);
        ASSERT_EQ(b.stopa[i]["draw"].pravda(), krok % 3 == 0) << krok;
    }
}

// The spawn of mission 1 and the blast line of the first step.
std::string vystup_radu_vybuchov()
{
    std::string s = "Objekt 1" + PRVY + "Objekt 200" + PRVY;
    for (int k = 3; k <= 19; k++)
        s += "Objekt 200" + INY;
    // The enemy's own explosion, then its removal as the only one of its list.
    return s + "Objekt 200" + INY + "00 Uber 1\n";
}

}  // namespace

TEST(ReplayScenario, BlastLineEndsMissionOneInTheFirstStep)
{
    Beh b = spusti("--missions 1", scenar("blast_line.txt"));
    ASSERT_EQ(b.stav, 0) << b.chyby;
    ASSERT_EQ(b.chyba_stopy, "");
    ASSERT_EQ(b.stopa.size(), 1u);
    const Json &s = b.stopa[0];
    EXPECT_EQ(s["mission"].cele(), 1);
    EXPECT_EQ(s["step"].cele(), 1);
    EXPECT_FALSE(s["draw"].pravda());
    EXPECT_EQ(s["player"]["Money"].cele(), 100);
    // The nearest blast is 125 from the fore point, beyond its radius of 75.
    EXPECT_EQ(s["player"]["Health"].cele(), 10000);
    // The slot was emptied, then charged once by the world step.
    EXPECT_EQ(s["player"]["Nabijanie"][5].cele(), 1);
    EXPECT_EQ(zoznam(s, NEPRIATELIA).size(), 0u);
    // 18 blasts, each one step older, and the enemy's radius-100 blast where it was.
    const Json &v = zoznam(s, VYBUCHY);
    ASSERT_EQ(v.size(), 19u);
    for (int k = 0; k < 18; k++) {
        EXPECT_EQ(v[k][HEALTH].cele(), 74);
        EXPECT_EQ(v[k][MAX_HEALTH].cele(), 75);
    }
    EXPECT_EQ(v[18][PX].cislo, 1024);
    EXPECT_EQ(v[18][PY].cislo, 384);
    EXPECT_EQ(v[18][HEALTH].cele(), 99);
    EXPECT_EQ(v[18][MAX_HEALTH].cele(), 100);
    EXPECT_EQ(b.vystup, vystup_radu_vybuchov());
}

TEST(ReplayScenario, HeldFireLaunchesTheFourTubesAHundredStepsApart)
{
    Beh b = spusti("--missions 1", scenar("hold_fire.txt"));
    ASSERT_EQ(b.stav, 0) << b.chyby;
    ASSERT_EQ(b.chyba_stopy, "");
    ASSERT_FALSE(b.stopa.empty());
    over_kroky(b, 1);

    // Prebijanie starts at 0 and must reach the Reload of 100: the first
    // torpedo leaves in step 101, the others as Prebijanie reaches 100 again.
    std::vector<int> odpaly;
    int torpeda = 50;
    for (const Json &s : b.stopa) {
        int t = s["player"]["Torpedo"].cele();
        if (t != torpeda)
            odpaly.push_back(s["step"].cele());
        torpeda = t;
    }
    EXPECT_EQ(odpaly, std::vector<int>({101, 201, 301, 401}));

    EXPECT_EQ(zoznam(b.stopa[99], TORPEDA).size(), 0u);
    const Json &s101 = b.stopa[100];
    ASSERT_EQ(zoznam(s101, TORPEDA).size(), 1u);
    const Json &t = zoznam(s101, TORPEDA)[0];
    EXPECT_EQ(t[UHOL].cislo, 90);
    EXPECT_EQ(t[HEALTH].cele(), 1000);
    EXPECT_EQ(t[PREBIJANIE].cele(), 1);
    // Launched at the boat's speed, and step 101 does not draw, so no acceleration yet.
    EXPECT_EQ(t[SPEED].cislo, s101["player"]["Speed"].cislo);
    EXPECT_EQ(s101["player"]["Prebijanie"].cele(), 1);
    EXPECT_EQ(s101["player"]["Nabijanie"][0].cele(), 1);

    // The mission ends with the enemy removed and paid for.
    const Json &posledny = b.stopa.back();
    EXPECT_EQ(zoznam(posledny, NEPRIATELIA).size(), 0u);
    EXPECT_EQ(posledny["player"]["Money"].cele(), 100);
    EXPECT_EQ(posledny["player"]["Torpedo"].cele(), 46);
}

TEST(ReplayScenario, IdleEnemyFiresFirstInStep501AndTheRunStopsAtTheLimit)
{
    Beh b = spusti("--missions 1 --max-steps 501", scenar("idle.txt"));
    EXPECT_EQ(b.stav, 2);
    EXPECT_NE(b.chyby.find("mission 1 did not end within 501 steps"), std::string::npos) << b.chyby;
    ASSERT_EQ(b.stopa.size(), 501u);
    over_kroky(b, 1);
    // Prebijanie 0 at spawning reaches the Reload of 500 after 500 moves.
    EXPECT_EQ(zoznam(b.stopa[499], TORPEDA_NEPRIATELA).size(), 0u);
    ASSERT_EQ(zoznam(b.stopa[500], TORPEDA_NEPRIATELA).size(), 1u);
    EXPECT_EQ(zoznam(b.stopa[500], NEPRIATELIA)[0][PREBIJANIE].cele(), 1);
    // Only the spawn and the torpedo reach standard output.
    EXPECT_EQ(b.vystup, "Objekt 1" + PRVY + "Objekt 52" + PRVY);
}

TEST(ReplayScenario, FirstStepShotsLeaveFromTheConstructorBowPoint)
{
    Beh b = spusti("--missions 1 --max-steps 1", scenar("gun_and_decoy.txt"));
    EXPECT_EQ(b.stav, 2);
    ASSERT_EQ(b.stopa.size(), 1u);
    const Json &s = b.stopa[0];

    // The boat starts at (150, 384), heading 90, turn rate 0.25, speed 0.005.
    double h = 90 * PI / 180;
    double vx = 150 + 50 * sin(h) - 50 - 0.25 / 90;
    double vy = 384 + 50 * cos(h);
    // One move at the boat's speed along heading 90 (no drawing in step 1).
    ASSERT_EQ(zoznam(s, GULKY).size(), 1u);
    const Json &g = zoznam(s, GULKY)[0];
    EXPECT_EQ(g[PX].cislo, vx + sin(h) * 0.005);
    EXPECT_EQ(g[PY].cislo, vy + cos(h) * 0.005);
    EXPECT_EQ(g[SPEED].cislo, 0.005);
    EXPECT_EQ(g[HEALTH].cele(), 300);
    // The decoy from the bow point mirrored through the hull centre.
    ASSERT_EQ(zoznam(s, NAVNADY).size(), 1u);
    const Json &d = zoznam(s, NAVNADY)[0];
    EXPECT_EQ(d[PX].cislo, 2 * 150.0 - vx - 100 + sin(h) * 0.005);
    EXPECT_EQ(d[PY].cislo, 2 * 384.0 - vy + cos(h) * 0.005);
    EXPECT_EQ(d[MAX_HEALTH].cele(), 1500);
    EXPECT_EQ(s["player"]["Navnada"].cele(), 99);
    EXPECT_EQ(s["player"]["Nabijanie"][4].cele(), 1);
    EXPECT_EQ(s["player"]["Nabijanie"][7].cele(), 1);
    EXPECT_EQ(b.vystup, "Objekt 1" + PRVY + "Objekt 53" + PRVY + "Objekt 51" + PRVY);
}

TEST(ReplayScenario, MissionTwoFollowsInTheSameWorldAfterTheShop)
{
    Beh b = spusti("--buy 1,10 --max-steps 20", scenar("blast_line.txt"));
    EXPECT_EQ(b.stav, 2);
    EXPECT_NE(b.chyby.find("mission 2 did not end within 20 steps"), std::string::npos) << b.chyby;
    ASSERT_EQ(b.chyba_stopy, "");
    ASSERT_EQ(b.stopa.size(), 21u);
    // The step counter and the drawing phase run on: mission 2 starts in step 2.
    over_kroky(b, 1);
    EXPECT_EQ(b.stopa[0]["mission"].cele(), 1);
    EXPECT_EQ(b.stopa[1]["mission"].cele(), 2);
    const Json &p = b.stopa[1]["player"];
    // 100 buys one torpedo (50 left) and then five of the ten decoys.
    EXPECT_EQ(p["Torpedo"].cele(), 51);
    EXPECT_EQ(p["Navnada"].cele(), 105);
    EXPECT_EQ(p["Money"].cele(), 0);
    EXPECT_EQ(zoznam(b.stopa[1], NEPRIATELIA).size(), 5u);
    // The blasts of mission 1 carry on counting down.
    ASSERT_EQ(zoznam(b.stopa[1], VYBUCHY).size(), 19u);
    EXPECT_EQ(zoznam(b.stopa[1], VYBUCHY)[0][HEALTH].cele(), 73);
    EXPECT_EQ(b.vystup, vystup_radu_vybuchov() + "Objekt 1" + PRVY + "Objekt 1" + INY + "Objekt 1" + INY + "Objekt 1" +
                            INY + "Objekt 1" + INY);
}

TEST(ReplayScenario, BuyingStopsWhereTheMoneyEnds)
{
    Beh b = spusti("--buy 3,4 --max-steps 1", scenar("blast_line.txt"));
    ASSERT_EQ(b.stopa.size(), 2u);
    // Two torpedoes use all of the 100; no decoy is left to pay for.
    EXPECT_EQ(b.stopa[1]["player"]["Torpedo"].cele(), 52);
    EXPECT_EQ(b.stopa[1]["player"]["Navnada"].cele(), 100);
    EXPECT_EQ(b.stopa[1]["player"]["Money"].cele(), 0);
}

TEST(ReplayScenario, MissionTwoAloneStartsInAFreshWorld)
{
    Beh b = spusti("--missions 2 --max-steps 3", scenar("idle.txt"));
    EXPECT_EQ(b.stav, 2);
    ASSERT_EQ(b.stopa.size(), 3u);
    over_kroky(b, 1);
    const Json &s = b.stopa[0];
    EXPECT_EQ(s["mission"].cele(), 2);
    EXPECT_EQ(s["player"]["Money"].cele(), 0);
    EXPECT_EQ(s["player"]["Torpedo"].cele(), 50);
    const Json &e = zoznam(s, NEPRIATELIA);
    ASSERT_EQ(e.size(), 5u);
    const int zdravie[] = {1000, 2000, 1500, 2000, 1000};
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(e[i][HEALTH].cele(), zdravie[i]) << i;
        EXPECT_EQ(e[i][PREBIJANIE].cele(), 1) << i;
    }
    EXPECT_EQ(b.vystup, "Objekt 1" + PRVY + "Objekt 1" + INY + "Objekt 1" + INY + "Objekt 1" + INY + "Objekt 1" + INY);
}

TEST(ReplayTool, BadScriptsAndOptionsAreRefusedOnStandardError)
{
    Beh b = spusti("--missions 1", docasny_skript("F\nC *2\n# fine\nF Q\n"));
    EXPECT_EQ(b.stav, 1);
    EXPECT_NE(b.chyby.find(":4: unknown key \"Q\""), std::string::npos) << b.chyby;
    EXPECT_EQ(b.vystup, "");
    EXPECT_TRUE(b.stopa.empty());

    b = spusti("--missions 3", scenar("idle.txt"));
    EXPECT_EQ(b.stav, 1);
    EXPECT_NE(b.chyby.find("--missions takes 1, 2 or 12"), std::string::npos) << b.chyby;
    b = spusti("--buy 3", scenar("idle.txt"));
    EXPECT_EQ(b.stav, 1);
    b = spusti("--max-steps 0", scenar("idle.txt"));
    EXPECT_EQ(b.stav, 1);
    // A file it can't open may have been a demo: the demo's code for that.
    b = spusti("", scenar("no_such_script.txt"));
    EXPECT_EQ(b.stav, 21);
    EXPECT_NE(b.chyby.find("no_such_script.txt"), std::string::npos) << b.chyby;
    EXPECT_EQ(b.vystup, "");
}
