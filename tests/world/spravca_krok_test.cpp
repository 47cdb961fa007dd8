#include "world/svet_pomoc.h"

namespace {

// A player standing still at (px, 384) that moves by speed along heading
// uhol in the next step; the heading 90 or 270 makes its Sx exactly +-speed.
void postav_hraca(Ponorka &hrac, double px, double uhol, double speed)
{
    hrac.SetPx(px);
    hrac.SetPy(384);
    hrac.SetUhol(uhol);
    hrac.SetSpeed(speed);
}

}  // namespace

TEST_F(SvetTest, NearestObjectStrictlyInsideTheRadiusOldestWinsTies)
{
    Objekt *torpedo = pridaj(TYP_STRELA1, 500, 300);
    pridaj(TYP_NEPR1, 800, 300);  // exactly 300 away
    double x = 1000, y = 1000, best = 300;
    svet->Najblizsi(torpedo, svet->GetZacNepr1(), x, y, best);
    EXPECT_EQ(x, 1000);
    EXPECT_EQ(y, 1000);
    EXPECT_EQ(best, 300);

    pridaj(TYP_NEPR1, 500, 599.9);
    svet->Najblizsi(torpedo, svet->GetZacNepr1(), x, y, best);
    EXPECT_EQ(x, 500);
    EXPECT_EQ(y, 599.9);
    EXPECT_NEAR(best, 299.9, 1e-9);

    pridaj(TYP_NEPR1, 600, 300);
    pridaj(TYP_NEPR1, 400, 300);
    x = y = 1000;
    best = 300;
    svet->Najblizsi(torpedo, svet->GetZacNepr1(), x, y, best);
    EXPECT_EQ(x, 600);
    EXPECT_EQ(best, 100);

    // An empty list finds nothing.
    svet->Najblizsi(torpedo, nullptr, x, y, best);
    EXPECT_EQ(x, 600);
}

TEST_F(SvetTest, SteeringDecision)
{
    // Heading 0 points down (+y).
    EXPECT_EQ(svet->Vyber_smer(0, 0, 0, 100, 0, 1), 0);    // straight ahead
    EXPECT_EQ(svet->Vyber_smer(0, 0, 0, -100, 0, 1), 1);   // straight behind: the turns tie
    EXPECT_EQ(svet->Vyber_smer(0, 0, 100, 100, 0, 1), 1);  // ahead on the right: +
    EXPECT_EQ(svet->Vyber_smer(0, 0, -100, 100, 0, 1), -1);
    EXPECT_EQ(svet->Vyber_smer(0, 0, -100, 100, 0, 0), 1);  // no turn rate: all equal
    // Headings are used as they are, even far outside one turn.
    EXPECT_EQ(svet->Vyber_smer(0, 0, 100, 100, 720, 1), 1);
    EXPECT_EQ(svet->Vyber_smer(0, 0, 100, 100, -360, 1), 1);
}

TEST_F(SvetTest, ScrollingMarginsOnTheRight)
{
    struct Pripad {
        double start, hrac_po, nepriatel_po;
    };
    // 751 scrolls without holding back; 751.5 does both; exactly 750 neither.
    for (Pripad p : {Pripad{750.5, 751, 499.5}, Pripad{751, 751, 499.5}, Pripad{749.5, 750, 500}}) {
        Objekt *n = pridaj(TYP_NEPR1, 500, 300);
        postav_hraca(svet->Hrac, p.start, 90, 0.5);
        krok();
        EXPECT_EQ(svet->Hrac.GetPx(), p.hrac_po) << p.start;
        EXPECT_EQ(n->GetPx(), p.nepriatel_po) << p.start;
        EXPECT_EQ(n->GetPy(), 300) << p.start;
        uber(TYP_NEPR1, n);
        uber(TYP_VYBUCH1, svet->GetZacVybuch1());
    }
}

TEST_F(SvetTest, ScrollingMarginsOnTheLeft)
{
    struct Pripad {
        double start, hrac_po, nepriatel_po;
    };
    for (Pripad p : {Pripad{99.5, 99, 500.5}, Pripad{99, 99, 500.5}, Pripad{100.5, 100, 500}}) {
        Objekt *n = pridaj(TYP_NEPR1, 500, 300);
        postav_hraca(svet->Hrac, p.start, 270, 0.5);
        krok();
        EXPECT_EQ(svet->Hrac.GetPx(), p.hrac_po) << p.start;
        EXPECT_EQ(n->GetPx(), p.nepriatel_po) << p.start;
        uber(TYP_NEPR1, n);
        uber(TYP_VYBUCH1, svet->GetZacVybuch1());
    }
}

TEST_F(SvetTest, EveryListedKindScrolls)
{
    std::vector<Objekt *> objekty;
    int i = 0;
    for (int kod : KODY)
        objekty.push_back(pridaj(kod, 200 + 100 * i++, 300, 50, 10, 1));
    postav_hraca(svet->Hrac, 760, 90, 0.5);
    krok();
    i = 0;
    for (Objekt *o : objekty)
        EXPECT_EQ(o->GetPx(), 200 + 100 * i++ - 0.5) << i;
}

TEST_F(SvetTest, EnemiesSteerForThePlayersPositionNotTheHull)
{
    postav_hraca(svet->Hrac, 150, 90, 0);
    // Heading up, straight at (Px, Py): no turn. The hull centre lies off to the left.
    Objekt *n = pridaj(TYP_NEPR1, 150, 584, 100, 100, 1, 0, 180, 1);
    krok();
    EXPECT_EQ(n->GetUhol(), 180);

    // Headings accumulate past a full turn.
    Objekt *m = pridaj(TYP_NEPR1, 100, 300, 100, 100, 1, 0, 359.5, 1);
    krok();
    EXPECT_EQ(m->GetUhol(), 360.5);
}

TEST_F(SvetTest, PlayerTorpedoMovesThenHomesOnTheNearestEnemyWithin300)
{
    postav_hraca(svet->Hrac, 150, 90, 0);
    Objekt *torpedo = pridaj(TYP_STRELA1, 900, 300, 100, 100, 1, 1, 0, 0.5);
    Objekt *za_okrajom = pridaj(TYP_NEPR1, 1000, 300);
    pridaj(TYP_NEPR1, 750, 300);
    krok();
    // Nearest is at x 1000, which means nothing found: straight on.
    EXPECT_EQ(torpedo->GetUhol(), 0);
    EXPECT_EQ(torpedo->GetPy(), 301);

    uber(TYP_NEPR1, za_okrajom);
    torpedo->SetHealth(100);
    krok();
    // Moved along the old heading first, then turned left towards the enemy.
    EXPECT_EQ(torpedo->GetSx(), 0);
    EXPECT_EQ(torpedo->GetUhol(), -0.5);

    // 300 away is out of sight, 299.9 is in.
    Objekt *t2 = pridaj(TYP_STRELA1, 300, 300, 100, 100, 1, 0, 90, 0.5);
    Objekt *n2 = pridaj(TYP_NEPR1, 300, 600);
    krok();
    EXPECT_EQ(t2->GetUhol(), 90);
    n2->SetPy(599.9);
    krok();
    EXPECT_EQ(t2->GetUhol(), 89.5);
}

TEST_F(SvetTest, EnemyTorpedoPrefersADecoyOnATieAndSteersBeforeMoving)
{
    postav_hraca(svet->Hrac, 150, 90, 0);
    // Player 100 above it, decoy 100 below: the decoy wins.
    Objekt *s = pridaj(TYP_STRELA3, 150, 484, 100, 100, 1, 0, 90, 0.1);
    Objekt *navnada = pridaj(TYP_STRELA2, 150, 584);
    krok();
    EXPECT_EQ(s->GetUhol(), 89.9);
    uber(TYP_STRELA3, s);
    uber(TYP_STRELA2, navnada);

    // No decoy near: the player at 250 is chased, at 300 is not.
    Objekt *blizko = pridaj(TYP_STRELA3, 150, 634, 100, 100, 1, 1, 90, 0.1);
    Objekt *daleko = pridaj(TYP_STRELA3, 150, 684, 100, 100, 1, 0, 90, 0.1);
    krok();
    EXPECT_EQ(blizko->GetUhol(), 90.1);
    EXPECT_LT(blizko->GetSy(), -0.001);  // moved along the new heading
    EXPECT_EQ(daleko->GetUhol(), 90);
}

TEST_F(SvetTest, BulletRemovedInsideSixAndTheRestWaitAStep)
{
    postav_hraca(svet->Hrac, 150, 90, 0);
    pridaj(TYP_NEPR1, 500, 300);
    Objekt *pred = pridaj(TYP_STRELA4, 800, 300, 100, 100, 1, 1, 90);
    Objekt *na_hranici = pridaj(TYP_STRELA4, 506, 300);
    pridaj(TYP_STRELA4, 505.9, 300, 100, 100, 3);
    Objekt *za = pridaj(TYP_STRELA4, 700, 300, 100, 100, 1, 1, 90);
    krok();

    EXPECT_EQ(zoznam(*svet, TYP_STRELA4), (std::vector<Objekt *>{pred, na_hranici, za}));
    EXPECT_EQ(pred->GetPx(), 801);
    EXPECT_EQ(na_hranici->GetPrebijanie(), 1);
    EXPECT_EQ(za->GetPx(), 700);
    EXPECT_EQ(za->GetPrebijanie(), 0);
    Objekt *v = svet->GetKonVybuch1();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->GetPx(), 505.9);
    EXPECT_EQ(v->GetPy(), 300);
    EXPECT_EQ(v->GetMax_health(), 3);
}

TEST_F(SvetTest, BulletsExpireByAgeOrHealth)
{
    postav_hraca(svet->Hrac, 150, 90, 0);
    Objekt *stara = pridaj(TYP_STRELA4, 300, 300);
    Objekt *mlada = pridaj(TYP_STRELA4, 400, 300);
    stara->SetPrebijanie(498);
    krok();
    EXPECT_EQ(zoznam(*svet, TYP_STRELA4).size(), 2u);
    krok();
    EXPECT_EQ(zoznam(*svet, TYP_STRELA4), std::vector<Objekt *>{mlada});

    mlada->SetHealth(0);
    krok();
    EXPECT_EQ(svet->GetZacStrela4(), nullptr);
}

TEST_F(SvetTest, ExplosionsCountDown)
{
    Objekt *v = pridaj(TYP_VYBUCH1, 500, 300, 20, 20, 0);
    krok();
    krok();
    EXPECT_EQ(v->GetHealth(), 18);
}

TEST_F(SvetTest, ListedObjectsDrawOnlyOnEveryThirdStepThePlayerAlways)
{
    postav_hraca(svet->Hrac, 300, 90, 0);
    pridaj(TYP_NEPR1, 600, 300);
    Objekt *gulka = pridaj(TYP_STRELA4, 800, 300);
    for (int k = 1; k <= 6; k++) {
        clear_to_color(svet->Svet, 0);
        krok();
        bool kreslenie = k % 3 == 0;
        EXPECT_EQ(pixel_is(svet->Svet, 600, 300, FARBA_NEPRIATEL), kreslenie) << k;
        EXPECT_EQ(pixel_is(svet->Svet, 800, 300, FARBA_GULOMET), kreslenie) << k;
        EXPECT_TRUE(pixel_is(svet->Svet, 250, 384, FARBA_HRAC_VPRAVO)) << k;
    }
    EXPECT_EQ(gulka->GetPrebijanie(), 6);

    // The drift follows every step, drawn or not.
    key[KEY_DOWN] = 1;
    krok();
    krok();
    release_all_keys();
    EXPECT_NEAR(svet->Hrac.GetPy(), 384.2, 1e-9);
}

TEST_F(SvetTest, OnlyEveryThirdStepTouchesTheScreen)
{
    BITMAP *obrazovka = create_bitmap(1024, 768);
    screen = obrazovka;
    clear_to_color(obrazovka, 0);
    postav_hraca(svet->Hrac, 300, 90, 0);
    const int more = makecol(10, 40, 200);

    for (int k = 1; k <= 6; k++) {
        clear_to_color(svet->Svet, more);
        krok();
        if (k % 3 == 0) {
            EXPECT_EQ(getpixel(obrazovka, 10, 10), more) << k;
            EXPECT_EQ(getpixel(obrazovka, 1023, 690), more) << k;
            EXPECT_TRUE(pixel_is(obrazovka, 250, 384, FARBA_HRAC_VPRAVO)) << k;
            // The bottom tenth belongs to the status bar.
            EXPECT_EQ(getpixel(obrazovka, 10, 691), 0) << k;
            EXPECT_EQ(ked_vykresli, 1);
            clear_to_color(obrazovka, 0);
        } else {
            EXPECT_TRUE(nakreslene(obrazovka, 0).prazdny()) << k;
            EXPECT_EQ(ked_vykresli, k % 3 + 1);
        }
    }
    screen = nullptr;
    destroy_bitmap(obrazovka);
}

TEST_F(SvetTest, ScreenCopyMatchesTheStretchAtEverySize)
{
    // A pattern that shows any shift or scaling of the copy.
    for (int y = 0; y < 768; y++)
        for (int x = 0; x < 1024; x++)
            putpixel(svet->Svet, x, y, makecol(x & 255, y & 255, (x ^ y) & 255));
    postav_hraca(svet->Hrac, 300, 90, 0);

    for (int w : {1024, 640, 1280}) {
        int h = w * 3 / 4;
        BITMAP *obrazovka = create_bitmap(w, h);
        BITMAP *ocakavane = create_bitmap(w, h);
        clear_to_color(obrazovka, 0);
        clear_to_color(ocakavane, 0);
        screen = obrazovka;
        ked_vykresli = 3;
        svet->Krok();
        screen = nullptr;
        // The world as Krok left it, stretched the general way.
        stretch_blit(svet->Svet, ocakavane, 0, 0, 1024, 691, 0, 0, w, (int)(h * 9 / 10.0));
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++)
                ASSERT_EQ(getpixel(obrazovka, x, y), getpixel(ocakavane, x, y)) << w << ": " << x << "," << y;
        destroy_bitmap(obrazovka);
        destroy_bitmap(ocakavane);
    }
}

TEST_F(SvetTest, ExplosionAtTheSurfaceSinksAtTheSurfaceFloorSpeed)
{
    postav_hraca(svet->Hrac, 300, 90, 0);
    // Born still at depth 90: the surface rule sets it going down at 0.15, and
    // it keeps that speed after it has left the band.
    Objekt *v = pridaj(TYP_VYBUCH1, 500, 90, 500, 500, 0);
    krok();
    EXPECT_EQ(v->GetPy(), 90);
    EXPECT_EQ(v->GetSpeed(), 0.15);
    EXPECT_EQ(v->GetUhol(), 0);
    for (int i = 0; i < 199; i++)
        krok();
    EXPECT_NEAR(v->GetPy(), 90 + 199 * 0.15, 1e-9);
    EXPECT_EQ(v->GetSpeed(), 0.15);
    EXPECT_EQ(v->GetPx(), 500);
    EXPECT_EQ(v->GetHealth(), 300);
}
