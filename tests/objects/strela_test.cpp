#include <gtest/gtest.h>

#include "objects/strela.h"
#include "objects/testovacie_obrazky.h"
#include "support/allegro_env.h"

namespace {

class StrelaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        vloz_testovacie_obrazky();
        ciel = create_bitmap(200, 200);
        clear_to_color(ciel, 0);
    }
    void TearDown() override { destroy_bitmap(ciel); }
    BITMAP *ciel = nullptr;
};

}  // namespace

TEST_F(StrelaTest, ConstructorValuesOfTheFourKinds)
{
    Strela1 torpedo;
    EXPECT_EQ(torpedo.GetZrychlenie(), 0.01);
    EXPECT_EQ(torpedo.GetOtacanie(), 0.5);
    EXPECT_EQ(torpedo.GetReload(), 2000);
    EXPECT_EQ(torpedo.GetPrebijanie(), 0);
    ASSERT_NE(torpedo.GetObrazok(), nullptr);
    EXPECT_TRUE(pixel_is(torpedo.GetObrazok(), 0, 0, FARBA_TORPEDO));

    Strela2 navnada;
    EXPECT_EQ(navnada.GetZrychlenie(), 0);
    EXPECT_EQ(navnada.GetOtacanie(), 0);
    EXPECT_EQ(navnada.GetReload(), 3000);
    EXPECT_EQ(navnada.GetObrazok(), nullptr);

    Strela3 nepriatelske;
    EXPECT_EQ(nepriatelske.GetZrychlenie(), 0);
    EXPECT_EQ(nepriatelske.GetOtacanie(), 0.1);
    EXPECT_EQ(nepriatelske.GetReload(), 2500);
    ASSERT_NE(nepriatelske.GetObrazok(), nullptr);
    EXPECT_NE(nepriatelske.GetObrazok(), torpedo.GetObrazok());

    Strela4 gulka;
    EXPECT_EQ(gulka.GetZrychlenie(), 0.01);
    EXPECT_EQ(gulka.GetOtacanie(), 0);
    EXPECT_EQ(gulka.GetReload(), 500);
    ASSERT_NE(gulka.GetObrazok(), nullptr);
    EXPECT_TRUE(pixel_is(gulka.GetObrazok(), 0, 0, FARBA_GULOMET));
}

TEST_F(StrelaTest, TorpedoAcceleratesPerDrawingWhileTheNextStepFits)
{
    Strela1 s;
    s.SetBitmap(ciel);
    s.SetSpeed(0.5);
    s.SetMax_speed(0.6);
    for (int i = 0; i < 9; i++)
        s.Nakresli();
    EXPECT_NEAR(s.GetSpeed(), 0.59, 1e-12);
    EXPECT_GE(s.GetSpeed(), 0.59);
    double po_deviatich = s.GetSpeed();
    s.Nakresli();
    EXPECT_EQ(s.GetSpeed(), po_deviatich);

    Strela1 blizko;
    blizko.SetSpeed(0.595);
    blizko.SetMax_speed(0.6);
    blizko.Nakresli();
    EXPECT_EQ(blizko.GetSpeed(), 0.595);

    // The gun bullet accelerates the same way.
    Strela4 g;
    g.SetSpeed(1.0);
    g.SetMax_speed(2.0);
    g.Nakresli();
    EXPECT_EQ(g.GetSpeed(), 1.01);
}

TEST_F(StrelaTest, EnemyTorpedoKeepsItsLaunchSpeed)
{
    Strela3 s;
    s.SetBitmap(ciel);
    s.SetSpeed(0.3);
    s.SetMax_speed(0.6);
    for (int i = 0; i < 5; i++)
        s.Nakresli();
    EXPECT_EQ(s.GetSpeed(), 0.3);
}

TEST_F(StrelaTest, DrawnCentredOnTruncatedPosition)
{
    // 90.01 gives the right-facing image no turn at all, so the rectangle is exact.
    Strela1 torpedo;
    torpedo.SetBitmap(ciel);
    torpedo.SetPx(50.9);
    torpedo.SetPy(20.9);
    torpedo.SetUhol(90.01);
    torpedo.Nakresli();
    Obdlznik o = nakreslene(ciel, 0);
    EXPECT_EQ(o.x1, 40);
    EXPECT_EQ(o.y1, 15);
    EXPECT_EQ(o.x2, 59);
    EXPECT_EQ(o.y2, 24);

    // At heading 90 (angle 257) the rectangle is only slightly tilted.
    clear_to_color(ciel, 0);
    torpedo.SetUhol(90);
    torpedo.Nakresli();
    o = nakreslene(ciel, 0);
    EXPECT_EQ(o.x1, 40);
    EXPECT_EQ(o.x2, 59);
    EXPECT_EQ(o.y1 + o.y2, 15 + 24);

    clear_to_color(ciel, 0);
    Strela4 gulka;
    gulka.SetBitmap(ciel);
    gulka.SetPx(100.5);
    gulka.SetPy(100.5);
    gulka.SetUhol(90.01);
    gulka.Nakresli();
    o = nakreslene(ciel, 0);
    EXPECT_EQ(o.x1, 94);
    EXPECT_EQ(o.y1, 97);
    EXPECT_EQ(o.x2, 105);
    EXPECT_EQ(o.y2, 102);
    EXPECT_TRUE(pixel_is(ciel, 100, 100, FARBA_GULOMET));

    // Heading 0 points the image down: a quarter turn clockwise.
    clear_to_color(ciel, 0);
    Strela3 dole;
    dole.SetBitmap(ciel);
    dole.SetPx(100);
    dole.SetPy(100);
    dole.Nakresli();
    o = nakreslene(ciel, 0);
    EXPECT_EQ(o.x2 - o.x1 + 1, 10);
    EXPECT_EQ(o.y2 - o.y1 + 1, 20);
}

TEST_F(StrelaTest, TheNosePointsAlongTheHeadingAroundTheTruncatedPosition)
{
    vloz_s_pridou("gfx/torpedo.tga", 20, 10, FARBA_TORPEDO, true);
    vloz_s_pridou("gfx/gulomet.tga", 12, 6, FARBA_GULOMET, true);
    Strela1 torpedo;
    Strela3 nepriatelske;
    Strela4 gulka;
    for (Objekt *s : {(Objekt *)&torpedo, (Objekt *)&nepriatelske, (Objekt *)&gulka}) {
        s->SetBitmap(ciel);
        s->SetPx(100.7);
        s->SetPy(100.7);
        for (double uhol : {0.0, 45.0, 90.01, 135.0, 225.0, 300.0}) {
            clear_to_color(ciel, 0);
            s->SetUhol(uhol);
            s->Nakresli();
            // The small gun bullet's nose is two pixels long: its direction is coarse.
            EXPECT_LT(odklon_pridy(ciel, 0, uhol), 10) << s->GetReload() << " heading " << uhol;
            Tazisko t = tazisko(ciel, 0, true);
            EXPECT_NEAR(t.x, 100, 1) << s->GetReload() << " heading " << uhol;
            EXPECT_NEAR(t.y, 100, 1) << s->GetReload() << " heading " << uhol;
        }
    }
}

TEST_F(StrelaTest, DecoyFadesFromYellowToBlueAndSlowsDown)
{
    struct Pripad {
        int vek;
        int r, g, b;
    };
    for (Pripad p : {Pripad{1, 255, 255, 2}, Pripad{1500, 128, 128, 128}, Pripad{2999, 0, 0, 255}}) {
        Strela2 n;
        n.SetBitmap(ciel);
        n.SetPx(100.9);
        n.SetPy(50.9);
        n.SetMax_health(1500);
        n.SetMax_speed(0.5);
        n.SetPrebijanie(p.vek);
        clear_to_color(ciel, 0);
        n.Nakresli();
        EXPECT_EQ(getpixel(ciel, 100, 50), makecol(p.r, p.g, p.b)) << p.vek;
        Obdlznik o = nakreslene(ciel, 0);
        EXPECT_EQ(o.x1, 95) << p.vek;
        EXPECT_EQ(o.x2, 105) << p.vek;
        EXPECT_EQ(o.y1, 45) << p.vek;
        EXPECT_EQ(o.y2, 55) << p.vek;
    }

    Strela2 n;
    n.SetBitmap(ciel);
    n.SetMax_health(1500);
    n.SetMax_speed(0.5);
    n.SetSpeed(0.5);
    n.SetPrebijanie(1500);
    n.Nakresli();
    EXPECT_EQ(n.GetSpeed(), 0.125);
    n.SetPrebijanie(3000);
    n.Nakresli();
    EXPECT_EQ(n.GetSpeed(), 0);
    n.SetPrebijanie(1);
    n.Nakresli();
    EXPECT_DOUBLE_EQ(n.GetSpeed(), 2999 * 0.5 / 1500 / 4);
}

TEST_F(StrelaTest, DecoyWithoutFadingScaleDrawsNothing)
{
    Strela2 n;
    n.SetBitmap(ciel);
    n.SetPx(50);
    n.SetPy(50);
    n.SetMax_health(0);
    n.SetSpeed(0.2);
    n.SetPrebijanie(10);
    n.Nakresli();
    EXPECT_TRUE(nakreslene(ciel, 0).prazdny());
    EXPECT_EQ(n.GetSpeed(), 0.2);
}

TEST_F(StrelaTest, DecoyChannelsArePassedUnclamped)
{
    // At age 0 red and green come to 3000 * 128 / 1500 = 256 and blue to
    // 255 - 254 = 1; makecol gets them as they are and the 16-bit bitmap
    // keeps the low 16 bits of what it packs.
    Strela2 n;
    n.SetBitmap(ciel);
    n.SetPx(100);
    n.SetPy(100);
    n.SetMax_health(1500);
    n.SetMax_speed(0.5);
    n.SetPrebijanie(0);
    n.Nakresli();
    EXPECT_EQ(getpixel(ciel, 100, 100), makecol(256, 256, 1) & 0xFFFF);
    EXPECT_NE(getpixel(ciel, 100, 100), makecol(255, 255, 1));
    EXPECT_EQ(n.GetSpeed(), 0.25);
}
