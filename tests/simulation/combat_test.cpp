#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "objects/obrazky.h"
#include "objects/ponorka.h"
#include "simulation/combat.h"
#include "support/allegro_env.h"
#include "support/zoznam.h"
#include "world/spravca.h"

namespace {

class Combat : public ::testing::Test {
protected:
    Spravca *svet = nullptr;

    void SetUp() override
    {
        testing::internal::CaptureStdout();
        svet = new Spravca();
        // A level boat facing right with its bow 50 ahead of the hull centre:
        // hull centre (250, 400), fore point (275, 400), aft point (225, 400).
        hrac().SetPx(300);
        hrac().SetPy(400);
        hrac().SetVx(300);
        hrac().SetVy(400);
        hrac().SetHealth(10000);
        hrac().SetMax_health(10000);
    }
    void TearDown() override
    {
        delete svet;
        obrazky_vycisti();
        testing::internal::GetCapturedStdout();
    }
    Ponorka &hrac() { return svet->GetHrac(); }

    // Enemy torpedo as the enemies fire it.
    void torpedo_nepriatela(double x, double y) { svet->Pridaj(TYP_STRELA3, x, y, 0.3, 0.3, 270, 1000, 1000, 0.5, 40); }
    void navnada(double x, double y) { svet->Pridaj(TYP_STRELA2, x, y, 0.2, 0.2, 90, 1500, 1500, 0, 1); }
    void nepriatel(double x, double y) { svet->Pridaj(TYP_NEPR1, x, y, 0.3, 0.3, 270, 1500, 1500, 0.2, 100); }
    void torpedo_hraca(double x, double y) { svet->Pridaj(TYP_STRELA1, x, y, 0.3, 0.6, 90, 1000, 1000, 0.4, 50); }
    // Output of one combat pass alone.
    std::string boj()
    {
        testing::internal::GetCapturedStdout();
        testing::internal::CaptureStdout();
        resolve_combat(*svet);
        std::string vystup = testing::internal::GetCapturedStdout();
        testing::internal::CaptureStdout();
        return vystup;
    }
};

}  // namespace

TEST(VzdialPokus, EuclideanAndSymmetric)
{
    EXPECT_EQ(vzdialPokus(0, 0, 3, 4), 5);
    EXPECT_EQ(vzdialPokus(3, 4, 0, 0), 5);
    EXPECT_EQ(vzdialPokus(-1.5, 2, -1.5, 2), 0);
    EXPECT_EQ(vzdialPokus(10, 0, 0, 10), sqrt(200.0));
}

TEST_F(Combat, EmptyWorldDoesNothing)
{
    EXPECT_EQ(boj(), "");
    EXPECT_EQ(svet->GetZacVybuch1(), nullptr);
}

TEST_F(Combat, HullHitNeedsTheCentreWithinFiftyAndOnePointWithinFifteen)
{
    torpedo_nepriatela(250, 410);  // 10 from the hull centre
    boj();
    EXPECT_EQ(svet->GetZacStrela3(), nullptr);
    Objekt *v = svet->GetZacVybuch1();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->GetMax_health(), 40);
    EXPECT_EQ(v->GetPx(), 250);
    EXPECT_EQ(v->GetPy(), 410);
    // The blast of radius 40 is 10 from the hull centre: 30 squared.
    EXPECT_EQ(hrac().GetHealth(), 10000 - 900);

    // 30 from the centre but 10 from the fore point, then from the aft point.
    torpedo_nepriatela(275, 410);
    boj();
    EXPECT_EQ(svet->GetZacStrela3(), nullptr);
    torpedo_nepriatela(225, 390);
    boj();
    EXPECT_EQ(svet->GetZacStrela3(), nullptr);
}

TEST_F(Combat, HullMissesAtTwentyFromAllThreePoints)
{
    // Bow point on the hull centre: all three points coincide.
    hrac().SetVx(250);
    torpedo_nepriatela(250, 420);
    boj();
    EXPECT_NE(svet->GetZacStrela3(), nullptr);
    EXPECT_EQ(svet->GetZacVybuch1(), nullptr);
    EXPECT_EQ(hrac().GetHealth(), 10000);
}

TEST_F(Combat, HullNeverHitBeyondFiftyFromTheCentre)
{
    // Fore point 60 ahead of the centre, aft 60 behind: the torpedo sits on them.
    hrac().SetVx(250 + 120);
    torpedo_nepriatela(310, 400);
    torpedo_nepriatela(190, 400);
    boj();
    EXPECT_EQ(dlzka(svet->GetZacStrela3()), 2);
    // Exactly 50 from the centre, 5 from the fore point: still out of reach.
    hrac().SetVx(250 + 90);
    torpedo_nepriatela(300, 400);
    boj();
    EXPECT_EQ(dlzka(svet->GetZacStrela3()), 3);
    // Exactly 15 from all three points is no hit either.
    hrac().SetVx(250);
    torpedo_nepriatela(250, 385);
    boj();
    EXPECT_EQ(dlzka(svet->GetZacStrela3()), 4);
}

TEST_F(Combat, PlayerAtZeroHealthIsStillHitAndStaysAtZero)
{
    hrac().SetHealth(0);
    nepriatel(900, 600);
    torpedo_nepriatela(250, 400);
    boj();
    EXPECT_EQ(svet->GetZacStrela3(), nullptr);
    EXPECT_EQ(hrac().GetHealth(), 0);
    EXPECT_NE(svet->GetZacNepr1(), nullptr);
}

TEST_F(Combat, DecoyCatchRemovesTorpedoThenDecoy)
{
    navnada(600, 200);
    navnada(500, 200);
    torpedo_nepriatela(505, 203);  // 5.83 from the second decoy
    std::string vystup = boj();
    EXPECT_EQ(svet->GetZacStrela3(), nullptr);
    ASSERT_EQ(dlzka(svet->GetZacStrela2()), 1);
    EXPECT_EQ(svet->GetZacStrela2()->GetPx(), 600);
    Objekt *v1 = svet->GetZacVybuch1();
    ASSERT_EQ(dlzka(v1), 2);
    EXPECT_EQ(v1->GetMax_health(), 40);
    EXPECT_EQ(v1->GetPx(), 505);
    Objekt *v2 = v1->GetDalsia();
    EXPECT_EQ(v2->GetMax_health(), 1);
    EXPECT_EQ(v2->GetPx(), 500);
    EXPECT_NE(vystup.find(" Uber 52\n"), std::string::npos);
    EXPECT_LT(vystup.find(" Uber 52\n"), vystup.find(" Uber 51\n"));
}

TEST_F(Combat, DecoyCatchIsStrictlyWithinEight)
{
    navnada(500, 200);
    torpedo_nepriatela(508, 200);
    boj();
    EXPECT_NE(svet->GetZacStrela3(), nullptr);
    EXPECT_NE(svet->GetZacStrela2(), nullptr);
}

TEST_F(Combat, ExpiredAndDeadProjectilesGoOnePerListPerStep)
{
    navnada(100, 700);
    navnada(200, 700);
    navnada(300, 700);
    svet->GetZacStrela2()->SetPrebijanie(2999);
    nty(svet->GetZacStrela2(), 1)->SetPrebijanie(3000);
    nty(svet->GetZacStrela2(), 2)->SetHealth(0);
    boj();
    ASSERT_EQ(dlzka(svet->GetZacStrela2()), 2);
    EXPECT_EQ(nty(svet->GetZacStrela2(), 1)->GetPx(), 300);
    boj();
    ASSERT_EQ(dlzka(svet->GetZacStrela2()), 1);
    EXPECT_EQ(svet->GetZacStrela2()->GetPx(), 100);

    torpedo_nepriatela(700, 150);
    svet->GetZacStrela3()->SetPrebijanie(2500);
    torpedo_hraca(800, 150);
    svet->GetZacStrela1()->SetPrebijanie(2000);
    boj();
    EXPECT_EQ(svet->GetZacStrela3(), nullptr);
    EXPECT_EQ(svet->GetZacStrela1(), nullptr);
}

TEST_F(Combat, SpentExplosionsGoWithoutANewOne)
{
    svet->Pridaj(TYP_VYBUCH1, 100, 700, 0, 0, 0, 10, 10, 0, 0);
    svet->Pridaj(TYP_VYBUCH1, 200, 700, 0, 0, 0, 10, 10, 0, 0);
    svet->Pridaj(TYP_VYBUCH1, 300, 700, 0, 0, 0, 10, 10, 0, 0);
    nty(svet->GetZacVybuch1(), 1)->SetHealth(0);
    nty(svet->GetZacVybuch1(), 2)->SetHealth(-3);
    EXPECT_EQ(boj(), "po1po211 Uber 200\n");
    ASSERT_EQ(dlzka(svet->GetZacVybuch1()), 2);
    EXPECT_EQ(nty(svet->GetZacVybuch1(), 1)->GetPx(), 300);
    boj();
    EXPECT_EQ(dlzka(svet->GetZacVybuch1()), 1);
}

TEST_F(Combat, EnemyFiresWhenReloadedAndAgainReloadStepsLater)
{
    nepriatel(800, 300);
    Objekt *e = svet->GetZacNepr1();
    e->SetUhol(240);
    e->SetPrebijanie(499);
    boj();
    EXPECT_EQ(svet->GetZacStrela3(), nullptr);
    e->SetPrebijanie(500);
    boj();
    Objekt *t = svet->GetZacStrela3();
    ASSERT_NE(t, nullptr);
    double h = 240 * 3.14159265 / 180;
    EXPECT_EQ(t->GetPx(), 800 + sin(h) * 25);
    EXPECT_EQ(t->GetPy(), 300 + cos(h) * 25);
    EXPECT_EQ(t->GetSpeed(), 0.3);
    EXPECT_EQ(t->GetMax_speed(), 0.3);
    EXPECT_EQ(t->GetUhol(), 240);
    EXPECT_EQ(t->GetHealth(), 1000);
    EXPECT_EQ(t->GetMax_health(), 1000);
    EXPECT_EQ(t->GetOtacanie(), 0.5);
    EXPECT_EQ(t->GetVybuch(), 40);
    EXPECT_EQ(e->GetPrebijanie(), 0);
}

TEST_F(Combat, EnemyAddedBeforeTheFirstStepFiresInStep501)
{
    nepriatel(3000, 300);  // far beyond the right edge
    Objekt *e = svet->GetZacNepr1();
    int prvy = 0;
    for (int s = 1; s <= 1001 && prvy == 0; s++) {
        boj();
        if (svet->GetZacStrela3() != nullptr)
            prvy = s;
        e->Pohni();
    }
    EXPECT_EQ(prvy, 501);
}

TEST_F(Combat, TwoSunkEnemiesAtTheHeadGoInTwoStepsAndHoldBackTheRest)
{
    nepriatel(300, 650);
    nepriatel(500, 650);
    nepriatel(700, 650);
    Objekt *treti = nty(svet->GetZacNepr1(), 2);
    svet->GetZacNepr1()->SetHealth(0);
    nty(svet->GetZacNepr1(), 1)->SetHealth(0);
    treti->SetPrebijanie(500);
    boj();
    EXPECT_EQ(dlzka(svet->GetZacNepr1()), 2);
    EXPECT_EQ(svet->GetZacStrela3(), nullptr);
    EXPECT_EQ(hrac().GetMoney(), 100);
    boj();
    EXPECT_EQ(svet->GetZacNepr1(), treti);
    EXPECT_EQ(svet->GetZacStrela3(), nullptr);
    EXPECT_EQ(hrac().GetMoney(), 200);
    boj();
    EXPECT_NE(svet->GetZacStrela3(), nullptr);
    EXPECT_EQ(treti->GetPrebijanie(), 0);
}

TEST_F(Combat, EnemiesBeforeASunkOneHaveFiredThoseAfterItHaveNot)
{
    nepriatel(300, 650);
    nepriatel(500, 650);
    nepriatel(700, 650);
    Objekt *prvy = svet->GetZacNepr1();
    Objekt *treti = nty(prvy, 2);
    prvy->SetPrebijanie(500);
    nty(prvy, 1)->SetHealth(0);
    treti->SetPrebijanie(500);
    boj();
    ASSERT_EQ(dlzka(svet->GetZacStrela3()), 1);
    // The torpedo starts 25 ahead of the first enemy, heading 270.
    EXPECT_NEAR(svet->GetZacStrela3()->GetPx(), 275, 1e-6);
    EXPECT_EQ(prvy->GetPrebijanie(), 0);
    EXPECT_EQ(treti->GetPrebijanie(), 500);
    EXPECT_EQ(dlzka(svet->GetZacNepr1()), 2);
}

TEST_F(Combat, SunkEnemyLeavesItsBlast)
{
    nepriatel(600, 650);
    svet->GetZacNepr1()->SetVybuch(200);
    svet->GetZacNepr1()->SetHealth(0);
    boj();
    EXPECT_EQ(svet->GetZacNepr1(), nullptr);
    ASSERT_NE(svet->GetZacVybuch1(), nullptr);
    EXPECT_EQ(svet->GetZacVybuch1()->GetMax_health(), 200);
    EXPECT_EQ(hrac().GetMoney(), 100);
}

TEST_F(Combat, PlayerTorpedoStrikesStrictlyWithinEighteen)
{
    nepriatel(600, 300);
    torpedo_hraca(618, 300);
    boj();
    EXPECT_NE(svet->GetZacStrela1(), nullptr);
    EXPECT_EQ(svet->GetZacNepr1()->GetHealth(), 1500);

    svet->GetZacStrela1()->SetPx(590);
    boj();
    EXPECT_EQ(svet->GetZacStrela1(), nullptr);
    Objekt *v = svet->GetZacVybuch1();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->GetMax_health(), 50);
    EXPECT_EQ(v->GetPx(), 590);
    // Only the blast hurts the enemy: 10 away, so 40 squared.
    EXPECT_EQ(svet->GetZacNepr1()->GetHealth(), 0);  // 1500 - 40 * 40, floored
}

TEST_F(Combat, DeadPlayerTorpedoLeavesABlastWhereItIs)
{
    torpedo_hraca(400, 650);
    svet->GetZacStrela1()->SetHealth(0);
    boj();
    EXPECT_EQ(svet->GetZacStrela1(), nullptr);
    ASSERT_NE(svet->GetZacVybuch1(), nullptr);
    EXPECT_EQ(svet->GetZacVybuch1()->GetPx(), 400);
    EXPECT_EQ(svet->GetZacVybuch1()->GetMax_health(), 50);
}

TEST_F(Combat, WalksRunInTheirOrder)
{
    // One removal in each list: decoy, enemy torpedo, explosion, enemy, player torpedo.
    navnada(100, 700);
    svet->GetZacStrela2()->SetHealth(0);
    torpedo_nepriatela(300, 700);
    svet->GetZacStrela3()->SetHealth(0);
    svet->Pridaj(TYP_VYBUCH1, 500, 700, 0, 0, 0, 1, 1, 0, 0);
    svet->GetZacVybuch1()->SetHealth(0);
    nepriatel(700, 700);
    svet->GetZacNepr1()->SetHealth(0);
    torpedo_hraca(900, 700);
    svet->GetZacStrela1()->SetHealth(0);
    std::string vystup = boj();
    size_t d = vystup.find("Uber 51"), q = vystup.find("Uber 52"), x = vystup.find("Uber 200"),
           e = vystup.find("Uber 1\n"), t = vystup.find("Uber 50");
    ASSERT_NE(t, std::string::npos);
    EXPECT_LT(d, q);
    EXPECT_LT(q, x);
    EXPECT_LT(x, e);
    EXPECT_LT(e, t);
}
