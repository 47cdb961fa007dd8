#include "world/svet_pomoc.h"

TEST_F(SvetTest, BlastTakesSquareOfTheOverlapAndFloorsAtZero)
{
    Objekt *nepriatel = pridaj(TYP_NEPR1, 560, 300, 1500);
    Objekt *torpedo = pridaj(TYP_STRELA1, 500, 347.5, 1000);
    pridaj(TYP_VYBUCH1, 500, 300, 100, 100, 0);
    EXPECT_EQ(nepriatel->GetHealth(), 0);  // 1500 - 40 * 40 is negative
    EXPECT_EQ(torpedo->GetHealth(), 0);
}

TEST_F(SvetTest, BlastDamageIsTruncatedTowardZero)
{
    Objekt *torpedo = pridaj(TYP_STRELA1, 500, 347.5, 1000);
    pridaj(TYP_VYBUCH1, 500, 300, 50, 50, 0);
    EXPECT_EQ(torpedo->GetHealth(), 993);  // 1000 - 2.5 * 2.5 = 993.75
}

TEST_F(SvetTest, BlastEdgeAndKindsItReaches)
{
    // Made first, so its own blast finds nothing to hurt.
    Objekt *stary_vybuch = pridaj(TYP_VYBUCH1, 505, 300, 30, 30, 0);
    Objekt *na_okraji = pridaj(TYP_NEPR1, 530, 300, 1000);
    Objekt *tesne = pridaj(TYP_NEPR1, 500, 329.9, 1000);
    Objekt *navnada = pridaj(TYP_STRELA2, 490, 300, 1000);
    Objekt *nepr_torpedo = pridaj(TYP_STRELA3, 500, 290, 1000);
    Objekt *gulka = pridaj(TYP_STRELA4, 500, 310, 1000);
    Objekt *novy_vybuch = pridaj(TYP_VYBUCH1, 500, 300, 30, 30, 0);

    EXPECT_EQ(na_okraji->GetHealth(), 1000);  // exactly R away: untouched
    EXPECT_EQ(tesne->GetHealth(), 999);       // 0.1 inside: 0.01 off, truncated
    EXPECT_EQ(navnada->GetHealth(), 1000 - 400);
    EXPECT_EQ(nepr_torpedo->GetHealth(), 1000 - 400);
    EXPECT_EQ(gulka->GetHealth(), 1000 - 400);
    // Explosions never hurt explosions, the new one included.
    EXPECT_EQ(stary_vybuch->GetHealth(), 30);
    EXPECT_EQ(novy_vybuch->GetHealth(), 30);
}

TEST_F(SvetTest, PlayerIsHitOnceThroughTheNearestHullPoint)
{
    Ponorka &hrac = svet->Hrac;
    hrac.SetHealth(10000);
    hrac.SetPx(300);
    hrac.SetPy(400);
    hrac.SetVx(300);
    hrac.SetVy(400);
    // Hull centre (250, 400), fore point (275, 400), aft point (225, 400).
    pridaj(TYP_VYBUCH1, 200, 400, 40, 40, 0);
    EXPECT_EQ(hrac.GetHealth(), 10000 - 225);

    pridaj(TYP_VYBUCH1, 300, 400, 40, 40, 0);  // 25 from the fore point
    EXPECT_EQ(hrac.GetHealth(), 10000 - 225 - 225);

    pridaj(TYP_VYBUCH1, 250, 450, 50, 50, 0);  // exactly 50 from the hull centre, farther from the rest
    EXPECT_EQ(hrac.GetHealth(), 10000 - 450);

    pridaj(TYP_VYBUCH1, 250, 400, 200, 200, 0);
    EXPECT_EQ(hrac.GetHealth(), 0);
}

TEST_F(SvetTest, RemovingAnEnemyPaysAndLeavesItsExplosion)
{
    Objekt *potopeny = pridaj(TYP_NEPR1, 500, 300, 0, 100, 100);
    Objekt *sused = pridaj(TYP_NEPR1, 530, 300, 10000, 100, 100);
    svet->Hrac.SetMoney(250);
    uber(TYP_NEPR1, potopeny);

    EXPECT_EQ(svet->Hrac.GetMoney(), 350);
    Objekt *v = svet->GetKonVybuch1();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v, svet->GetZacVybuch1());
    EXPECT_EQ(v->GetPx(), 500);
    EXPECT_EQ(v->GetPy(), 300);
    EXPECT_EQ(v->GetHealth(), 100);
    EXPECT_EQ(v->GetMax_health(), 100);
    EXPECT_EQ(v->GetSpeed(), 0);
    EXPECT_EQ(v->GetUhol(), 0);
    EXPECT_EQ(v->GetVybuch(), 0);
    EXPECT_EQ(sused->GetHealth(), 10000 - 4900);
    EXPECT_EQ(svet->GetZacNepr1(), sused);
}

TEST_F(SvetTest, OtherRemovalsPayNothing)
{
    Objekt *navnada = pridaj(TYP_STRELA2, 500, 300, 1, 1500, 1);
    uber(TYP_STRELA2, navnada);
    Objekt *v = svet->GetKonVybuch1();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->GetHealth(), 1);
    EXPECT_EQ(v->GetMax_health(), 1);

    for (int kod : {TYP_STRELA1, TYP_STRELA3, TYP_STRELA4})
        uber(kod, pridaj(kod, 100, 300, 1, 1, 20));
    uber(TYP_VYBUCH1, svet->GetZacVybuch1());
    EXPECT_EQ(svet->Hrac.GetMoney(), 0);
    EXPECT_EQ(zoznam(*svet, TYP_VYBUCH1).size(), 3u);
}
