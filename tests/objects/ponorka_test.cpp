#include <cmath>

#include <gtest/gtest.h>

#include "objects/ponorka.h"
#include "objects/testovacie_obrazky.h"
#include "support/allegro_env.h"

namespace {

class PonorkaTest : public ::testing::Test {
protected:
    // Before any boat a derived fixture holds is made.
    PonorkaTest() { vloz_testovacie_obrazky(); }

    void SetUp() override
    {
        release_all_keys();
        clear_keybuf();
    }
    void TearDown() override
    {
        release_all_keys();
        clear_keybuf();
    }

    // Leaves a key in Allegro's buffer, as any press during the game does.
    static void stlacene_nieco() { simulate_keypress(KEY_A << 8 | 'a'); }

    // One world step's worth of control for the boat alone.
    static void kroky(Ponorka &p, int n)
    {
        for (int i = 0; i < n; i++) {
            p.Ovladanie();
            p.Maxspeed();
        }
    }

    static void otoc_dolava(Ponorka &p)
    {
        p.SetObrat(180);
        p.SetUhol(270);
    }
};

}  // namespace

TEST_F(PonorkaTest, ConstructorStartsLevelFacingRightWithEveryWeaponReady)
{
    Ponorka p;
    EXPECT_EQ(p.GetMax_speed(), 0.5);
    EXPECT_EQ(p.GetTorpedo(), 50);
    EXPECT_EQ(p.GetNavnada(), 100);
    EXPECT_EQ(p.GetZrychlenie(), 0.005);
    EXPECT_EQ(p.GetOtacanie(), 0.25);
    EXPECT_EQ(p.GetSpeed(), 0.005);
    EXPECT_EQ(p.GetPx(), 150);
    EXPECT_EQ(p.GetPy(), 384);
    EXPECT_EQ(p.GetUhol(), 90);
    EXPECT_EQ(p.GetReload(), 100);
    EXPECT_EQ(p.GetPrebijanie(), 0);
    EXPECT_EQ(p.GetMoney(), 0);
    EXPECT_EQ(p.GetHealth(), 1);
    EXPECT_EQ(p.GetMax_obrat(), OBRAT_ZIADNY);
    EXPECT_EQ(p.GetObrat(), 0);
    EXPECT_EQ(p.GetHoredole(), 0);
    ASSERT_NE(p.GetObrazok(), nullptr);
    EXPECT_TRUE(pixel_is(p.GetObrazok(), 0, 0, FARBA_HRAC_VPRAVO));

    const int prebi[PONORKA_SLOTY] = {1000, 1000, 1000, 1000, 150, 10000, 40000, 40};
    for (int slot = 0; slot < PONORKA_SLOTY; slot++) {
        EXPECT_EQ(p.GetPrebi(slot), prebi[slot]) << slot;
        EXPECT_EQ(p.GetNabijanie(slot), prebi[slot]) << slot;
    }

    // A weapon fired before the first step leaves from the starting bow.
    EXPECT_NEAR(p.GetVx(), 149.997, 0.0005);
    EXPECT_NEAR(p.GetVy(), 384, 1e-6);
}

TEST_F(PonorkaTest, ThrottleIsHeldBetweenHalfAheadAndQuarterAstern)
{
    Ponorka p;
    stlacene_nieco();
    key[KEY_RIGHT] = 1;
    kroky(p, 99);
    EXPECT_NEAR(p.GetSpeed(), 0.5, 1e-9);
    kroky(p, 50);
    EXPECT_EQ(p.GetSpeed(), 0.5);

    key[KEY_RIGHT] = 0;
    key[KEY_LEFT] = 1;
    kroky(p, 300);
    EXPECT_EQ(p.GetSpeed(), -0.25);

    // Maxspeed alone clamps both ways.
    p.SetSpeed(0.7);
    p.Maxspeed();
    EXPECT_EQ(p.GetSpeed(), 0.5);
    p.SetSpeed(-0.3);
    p.Maxspeed();
    EXPECT_EQ(p.GetSpeed(), -0.25);
    p.SetSpeed(-0.2);
    p.Maxspeed();
    EXPECT_EQ(p.GetSpeed(), -0.2);
}

TEST_F(PonorkaTest, ArrowsSwapWhenFacingLeft)
{
    Ponorka p;
    otoc_dolava(p);
    p.SetSpeed(0);
    stlacene_nieco();
    key[KEY_LEFT] = 1;
    kroky(p, 10);
    EXPECT_NEAR(p.GetSpeed(), 0.05, 1e-12);
    key[KEY_LEFT] = 0;
    key[KEY_RIGHT] = 1;
    kroky(p, 20);
    EXPECT_NEAR(p.GetSpeed(), -0.05, 1e-12);
}

TEST_F(PonorkaTest, PitchLimitsFacingRight)
{
    Ponorka p;
    stlacene_nieco();
    key[KEY_W] = 1;
    kroky(p, 200);
    EXPECT_EQ(p.GetUhol(), 140);
    kroky(p, 5);
    EXPECT_EQ(p.GetUhol(), 140);

    key[KEY_W] = 0;
    key[KEY_S] = 1;
    kroky(p, 600);
    EXPECT_EQ(p.GetUhol(), 40);
}

TEST_F(PonorkaTest, PitchLimitsFacingLeft)
{
    Ponorka p;
    otoc_dolava(p);
    stlacene_nieco();
    key[KEY_W] = 1;
    kroky(p, 400);
    EXPECT_EQ(p.GetUhol(), 230);

    key[KEY_W] = 0;
    key[KEY_S] = 1;
    kroky(p, 600);
    EXPECT_EQ(p.GetUhol(), 320);
}

TEST_F(PonorkaTest, PitchLimitsHoldJustPastEachBound)
{
    // Half a degree either side of each bound: inside stays, beyond is pulled back.
    struct Pripad {
        double uhol, potom;
    };
    Ponorka p;
    for (Pripad c : {Pripad{0.5, 40}, Pripad{39.5, 40}, Pripad{40.5, 40.5}, Pripad{139.5, 139.5}, Pripad{140.5, 140},
                     Pripad{179.5, 140}, Pripad{180.5, 230}, Pripad{229.5, 230}, Pripad{230.5, 230.5},
                     Pripad{319.5, 319.5}, Pripad{320.5, 320}, Pripad{359.5, 320}}) {
        p.SetUhol(c.uhol);
        p.Ovladanie();
        EXPECT_EQ(p.GetUhol(), c.potom) << c.uhol;
    }
}

TEST_F(PonorkaTest, HeadingWrapsIntoOneTurnAndExactBoundsStay)
{
    Ponorka p;
    p.SetUhol(361);
    p.Ovladanie();
    EXPECT_EQ(p.GetUhol(), 40);  // wrapped to 1, then held at the pitch limit

    p.SetUhol(-10);
    p.Ovladanie();
    EXPECT_EQ(p.GetUhol(), 320);

    for (double hranica : {0.0, 180.0, 360.0}) {
        p.SetUhol(hranica);
        p.Ovladanie();
        EXPECT_EQ(p.GetUhol(), hranica);
    }
}

TEST_F(PonorkaTest, SeaFloorPitchesUpAndHoldsACrawl)
{
    Ponorka p;
    p.SetPy(620);
    p.SetUhol(90);
    p.SetSpeed(0.5);
    stlacene_nieco();
    key[KEY_W] = 1;  // too deep for the controls
    p.Ovladanie();
    EXPECT_EQ(p.GetUhol(), 91.25);
    EXPECT_EQ(p.GetSpeed(), 0.48);

    p.SetSpeed(0.2);
    p.Ovladanie();
    EXPECT_EQ(p.GetSpeed(), 0.3);

    // Facing left the bow goes up by losing angle.
    p.SetUhol(270);
    p.Ovladanie();
    EXPECT_EQ(p.GetUhol(), 268.75);

    // Exactly 614 is not yet the floor.
    p.SetPy(614);
    p.SetSpeed(0.2);
    p.SetUhol(90);
    p.Ovladanie();
    EXPECT_EQ(p.GetSpeed(), 0.2);
    EXPECT_EQ(p.GetUhol(), 90);
}

TEST_F(PonorkaTest, ControlsDeadBelow604ButReleaseStillZeroesDrift)
{
    Ponorka p;
    p.SetPy(604);
    p.SetSpeed(0.1);
    stlacene_nieco();
    key[KEY_RIGHT] = 1;
    key[KEY_W] = 1;
    key[KEY_DOWN] = 1;
    p.SetHoredole(-0.1);
    p.Ovladanie();
    EXPECT_EQ(p.GetSpeed(), 0.1);
    EXPECT_EQ(p.GetUhol(), 90);
    EXPECT_EQ(p.GetHoredole(), -0.1);  // held outside the band: keeps its last value

    release_all_keys();
    p.Ovladanie();
    EXPECT_EQ(p.GetHoredole(), 0);

    // Just inside the band everything works.
    p.SetPy(603.9);
    key[KEY_RIGHT] = 1;
    key[KEY_DOWN] = 1;
    p.Ovladanie();
    EXPECT_DOUBLE_EQ(p.GetSpeed(), 0.105);
    EXPECT_EQ(p.GetHoredole(), 0.1);
}

TEST_F(PonorkaTest, AtTheLowerEdgeOfTheBandTheKeysNoLongerChangeTheDrift)
{
    // Reaching 604 while sinking: Up cannot stop it, only letting go does.
    Ponorka p;
    p.SetPy(604);
    p.SetHoredole(0.1);
    key[KEY_UP] = 1;
    p.Ovladanie();
    p.Nakresli();
    EXPECT_EQ(p.GetHoredole(), 0.1);
    EXPECT_EQ(p.GetPy(), 604 + 0.1);

    // Stopped at 604: Down cannot start sinking either.
    release_all_keys();
    p.SetPy(604);
    p.Ovladanie();
    EXPECT_EQ(p.GetHoredole(), 0);
    key[KEY_DOWN] = 1;
    p.Ovladanie();
    p.Nakresli();
    EXPECT_EQ(p.GetHoredole(), 0);
    EXPECT_EQ(p.GetPy(), 604);

    // Just inside the edge Up lifts the boat.
    release_all_keys();
    p.SetPy(603.9);
    key[KEY_UP] = 1;
    p.Ovladanie();
    p.Nakresli();
    EXPECT_EQ(p.GetHoredole(), -0.1);
    EXPECT_EQ(p.GetPy(), 603.9 - 0.1);
}

TEST_F(PonorkaTest, ThrottleAndPitchNeedBufferedInputButDriftDoesNot)
{
    Ponorka p;
    key[KEY_RIGHT] = 1;
    key[KEY_W] = 1;
    key[KEY_UP] = 1;
    p.Ovladanie();
    EXPECT_EQ(p.GetSpeed(), 0.005);
    EXPECT_EQ(p.GetUhol(), 90);
    EXPECT_EQ(p.GetHoredole(), -0.1);

    stlacene_nieco();
    p.Ovladanie();
    EXPECT_EQ(p.GetSpeed(), 0.01);
    EXPECT_EQ(p.GetUhol(), 90.25);
}

TEST_F(PonorkaTest, RisingSinkingAndTheSurfaceClamp)
{
    Ponorka p;
    key[KEY_UP] = 1;
    key[KEY_DOWN] = 1;
    p.Ovladanie();
    EXPECT_EQ(p.GetHoredole(), 0.1);  // both held: sinking wins

    release_all_keys();
    p.SetPy(99);
    p.Ovladanie();
    EXPECT_EQ(p.GetPy(), 101);

    // The drift is applied when drawing, after the player has moved.
    p.SetPy(300);
    key[KEY_UP] = 1;
    p.Ovladanie();
    p.Nakresli();
    EXPECT_EQ(p.GetPy(), 300 - 0.1);
}

TEST_F(PonorkaTest, AboutTurnSwapsImageAndMirrorsHeadingHalfWay)
{
    Ponorka p;
    p.SetUhol(100);
    key[KEY_SPACE] = 1;
    p.Ovladanie();
    key[KEY_SPACE] = 0;
    EXPECT_EQ(p.GetMax_obrat(), OBRAT_DOLAVA);
    EXPECT_EQ(p.GetObrat(), 1);

    int kroky_otocky = 1;
    while (p.GetObrat() < 90) {
        EXPECT_TRUE(pixel_is(p.GetObrazok(), 0, 0, FARBA_HRAC_VPRAVO));
        p.Ovladanie();
        kroky_otocky++;
    }
    EXPECT_EQ(kroky_otocky, 90);
    EXPECT_EQ(p.GetMax_obrat(), OBRAT_DOLAVA_DOKONCI);
    EXPECT_EQ(p.GetUhol(), 260);  // still ten degrees bow up, now facing left
    ASSERT_NE(p.GetObrazok(), nullptr);
    EXPECT_TRUE(pixel_is(p.GetObrazok(), 0, 0, FARBA_HRAC_VLAVO));

    while (p.GetMax_obrat() != OBRAT_ZIADNY) {
        p.Ovladanie();
        kroky_otocky++;
    }
    EXPECT_EQ(kroky_otocky, 180);
    EXPECT_EQ(p.GetObrat(), 180);
    EXPECT_EQ(p.GetUhol(), 260);

    // And back: a full turn to the right also takes 180 steps.
    key[KEY_SPACE] = 1;
    p.Ovladanie();
    EXPECT_EQ(p.GetMax_obrat(), OBRAT_DOPRAVA);
    EXPECT_EQ(p.GetObrat(), 179);
    int spat = 1;
    while (p.GetMax_obrat() != OBRAT_ZIADNY) {
        p.Ovladanie();
        spat++;
        if (p.GetObrat() == 90) {
            EXPECT_EQ(p.GetMax_obrat(), OBRAT_DOPRAVA_DOKONCI);
            EXPECT_EQ(p.GetUhol(), 100);
            EXPECT_TRUE(pixel_is(p.GetObrazok(), 0, 0, FARBA_HRAC_VPRAVO));
        }
    }
    EXPECT_EQ(spat, 180);
    EXPECT_EQ(p.GetObrat(), 0);
}

TEST_F(PonorkaTest, ControlsChangeSidesAtTheSwapNotAtTheEnd)
{
    Ponorka p;
    p.SetSpeed(0);
    p.SetObrat(89);
    p.SetMax_obrat(OBRAT_DOLAVA);
    stlacene_nieco();
    key[KEY_RIGHT] = 1;
    p.Ovladanie();  // still facing right when the throttle is read, then swaps
    EXPECT_EQ(p.GetSpeed(), 0.005);
    EXPECT_EQ(p.GetObrat(), 90);
    p.Ovladanie();  // Obrat 90 still counts as facing right
    EXPECT_EQ(p.GetSpeed(), 0.01);
    p.Ovladanie();  // 91: facing left, the right arrow now goes astern
    EXPECT_DOUBLE_EQ(p.GetSpeed(), 0.005);

    // Space held during a turn does nothing; held at its end it starts the next one.
    key[KEY_RIGHT] = 0;
    key[KEY_SPACE] = 1;
    while (p.GetObrat() < 180)
        p.Ovladanie();
    EXPECT_EQ(p.GetMax_obrat(), OBRAT_ZIADNY);
    p.Ovladanie();
    EXPECT_EQ(p.GetMax_obrat(), OBRAT_DOPRAVA);
    EXPECT_EQ(p.GetObrat(), 179);
}

TEST_F(PonorkaTest, SlotsChargeOnePerStepUpToTheirChargeTime)
{
    Ponorka p;
    p.SetNabijanie(7, 0);
    p.SetNabijanie(0, 0);
    kroky(p, 39);
    EXPECT_EQ(p.GetNabijanie(7), 39);
    kroky(p, 1);
    EXPECT_EQ(p.GetNabijanie(7), 40);
    EXPECT_EQ(p.GetNabijanie(7), p.GetPrebi(7));
    EXPECT_EQ(p.GetNabijanie(0), 40);
    kroky(p, 100);
    for (int slot = 0; slot < PONORKA_SLOTY; slot++) {
        if (slot != 0) {
            EXPECT_EQ(p.GetNabijanie(slot), p.GetPrebi(slot)) << slot;
        }
    }
    EXPECT_EQ(p.GetNabijanie(0), 140);
}

TEST_F(PonorkaTest, BowPointFacingRightAndLeft)
{
    Ponorka p;
    p.Ovladanie();
    EXPECT_NEAR(p.GetVx(), 150 - 0.25 / 90, 1e-6);
    EXPECT_NEAR(p.GetVy(), 384, 1e-6);

    otoc_dolava(p);
    p.Ovladanie();
    EXPECT_NEAR(p.GetVx(), 50 - 0.25 / 90, 1e-6);
    EXPECT_NEAR(p.GetVy(), 384, 1e-6);

    // Bow 50 degrees down facing right: ahead and below the hull centre.
    p.SetObrat(0);
    p.SetUhol(40);
    p.Ovladanie();
    EXPECT_NEAR(p.GetVx(), 100 + 50 * std::sin(40 * M_PI / 180) - 0.25 / 90, 1e-6);
    EXPECT_NEAR(p.GetVy(), 384 + 50 * std::cos(40 * M_PI / 180), 1e-6);
}

TEST_F(PonorkaTest, TheDrawnBowPointsAlongTheHeadingOnBothSides)
{
    vloz_s_pridou("gfx/submarine/sub_player_right.tga", 100, 25, FARBA_HRAC_VPRAVO, true);
    vloz_s_pridou("gfx/submarine/sub_player_left.tga", 100, 25, FARBA_HRAC_VLAVO, false);
    Ponorka p;
    BITMAP *ciel = create_bitmap(400, 300);
    p.SetBitmap(ciel);
    p.SetPx(250);
    p.SetPy(150);
    auto nakresli = [&](double uhol) {
        clear_to_color(ciel, 0);
        p.SetUhol(uhol);
        p.Nakresli();
        return odklon_pridy(ciel, 0, uhol);
    };
    for (double uhol : {40.0, 90.01, 140.0})
        EXPECT_LT(nakresli(uhol), 5) << "facing right, heading " << uhol;

    key[KEY_SPACE] = 1;
    p.Ovladanie();
    key[KEY_SPACE] = 0;
    while (p.GetMax_obrat() != OBRAT_ZIADNY)
        p.Ovladanie();
    ASSERT_EQ(p.GetObrat(), 180);
    for (double uhol : {230.0, 270.01, 320.0})
        EXPECT_LT(nakresli(uhol), 5) << "facing left, heading " << uhol;
    destroy_bitmap(ciel);
}

class PonorkaKreslenie : public PonorkaTest {
protected:
    void SetUp() override
    {
        PonorkaTest::SetUp();
        ciel = create_bitmap(400, 300);
        clear_to_color(ciel, 0);
        p.SetBitmap(ciel);
        p.SetPx(250);
        p.SetPy(150);
    }
    void TearDown() override
    {
        destroy_bitmap(ciel);
        PonorkaTest::TearDown();
    }
    BITMAP *ciel = nullptr;
    Ponorka p;
};

TEST_F(PonorkaKreslenie, SqueezedToHalfWidthAtObrat45)
{
    p.SetObrat(45);
    p.Nakresli();
    Obdlznik o = nakreslene(ciel, 0);
    EXPECT_EQ(o.x1, 250 - 75);
    EXPECT_EQ(o.x2, 250 - 75 + 49);
    EXPECT_EQ(o.y1, 137);  // 150 - 12.5 truncated
    EXPECT_EQ(o.y2, 137 + 24);
    EXPECT_TRUE(pixel_is(ciel, 200, 150, FARBA_HRAC_VPRAVO));
}

TEST_F(PonorkaKreslenie, WideningNewImageAtObrat135)
{
    p.SetObrat(89);
    p.SetMax_obrat(OBRAT_DOLAVA);
    p.Ovladanie();  // swap to the left image
    p.SetObrat(135);
    p.Nakresli();
    Obdlznik o = nakreslene(ciel, 0);
    EXPECT_EQ(o.x1, 250 - 75);
    EXPECT_EQ(o.x2 - o.x1 + 1, 50);
    EXPECT_TRUE(pixel_is(ciel, 200, 150, FARBA_HRAC_VLAVO));
}

TEST_F(PonorkaKreslenie, WidthFollowsTheTurnOffTheMiddle)
{
    // Obrat 30: 100 * 60 / 90 wide, left edge at 250 - 50 - 60 / 90 * 50, both truncated.
    p.SetObrat(30);
    p.Nakresli();
    Obdlznik o = nakreslene(ciel, 0);
    EXPECT_EQ(o.x1, 166);
    EXPECT_EQ(o.x2 - o.x1 + 1, 66);
    EXPECT_EQ(o.y2 - o.y1 + 1, 25);

    // Obrat 150 is as far past the middle: the same place and width.
    clear_to_color(ciel, 0);
    p.SetObrat(150);
    p.Nakresli();
    o = nakreslene(ciel, 0);
    EXPECT_EQ(o.x1, 166);
    EXPECT_EQ(o.x2 - o.x1 + 1, 66);
    EXPECT_EQ(o.y2 - o.y1 + 1, 25);
}

TEST_F(PonorkaKreslenie, NothingDrawnEdgeOn)
{
    p.SetObrat(90);
    p.Nakresli();
    EXPECT_TRUE(nakreslene(ciel, 0).prazdny());
}

TEST_F(PonorkaKreslenie, LevelBoatRotatedAtPxMinus100WithYAfterDrift)
{
    // 90.01 turns the image by a whole number of quarter turns (none), so the
    // drawn rectangle is exact.
    p.SetUhol(90.01);
    p.SetPy(150.45);
    p.SetHoredole(0.1);
    p.Nakresli();
    EXPECT_DOUBLE_EQ(p.GetPy(), 150.55);
    Obdlznik o = nakreslene(ciel, 0);
    EXPECT_EQ(o.x1, 150);
    EXPECT_EQ(o.x2, 249);
    EXPECT_EQ(o.y1, 138);  // 150.55 - 12.5 = 138.05; before the drift it would be 137
    EXPECT_EQ(o.y2, 162);
}

TEST_F(PonorkaKreslenie, FacingLeftUsesTheLeftFacingAngle)
{
    // Heading 270.01 gives a left-facing image exactly no turn.
    p.SetObrat(180);
    p.SetUhol(270.01);
    p.Nakresli();
    Obdlznik o = nakreslene(ciel, 0);
    EXPECT_EQ(o.x1, 150);
    EXPECT_EQ(o.x2, 249);
    EXPECT_EQ(o.y1, 137);
    EXPECT_EQ(o.y2, 161);

    // Bow 50 degrees down facing left: a visibly tilted image, taller than level.
    clear_to_color(ciel, 0);
    p.SetUhol(320);
    p.Nakresli();
    Obdlznik sikmo = nakreslene(ciel, 0);
    EXPECT_GT(sikmo.y2 - sikmo.y1, 60);
}
