#include <allegro.h>

#include <gtest/gtest.h>

#include "objects/povel.h"
#include "options/vazby.h"
#include "platform/gamepad.h"
#include "screens/povel_hraca.h"
#include "support/allegro_env.h"

namespace {

struct Klavesy {
    bool drzane[KEY_MAX] = {};
    Klavesy(std::initializer_list<int> k)
    {
        for (int i : k)
            drzane[i] = true;
    }
};

const StavPadu KLUD;

unsigned bit(KlavesaPovelu k)
{
    return 1u << k;
}

}  // namespace

TEST(PovelHraca, DefaultKeysGiveTheSimulationsOwnBits)
{
    Vazby v = predvolene_vazby();
    for (int i = 0; i < POVEL_KLAVES; i++) {
        Povel p = povel_z_vazieb(v, Klavesy{KLAVESY_POVELU[i].scancode}.drzane, KLUD, 32);
        EXPECT_EQ(p.klavesy, 1u << i) << KLAVESY_POVELU[i].meno;
    }
    EXPECT_EQ(povel_z_vazieb(v, Klavesy{KEY_P, KEY_F1, KEY_ENTER}.drzane, KLUD, 32).klavesy, 0u)
        << "the game's own keys set no bit";
}

TEST(PovelHraca, AReboundKeyLosesItsOldMeaning)
{
    Vazby v = predvolene_vazby();
    prirad(v, KLAVESNICA, AKCIA_TORPEDO, 0, KEY_G);
    prirad(v, KLAVESNICA, AKCIA_GULOMET, 1, KEY_F);
    EXPECT_EQ(povel_z_vazieb(v, Klavesy{KEY_G}.drzane, KLUD, 32).klavesy, bit(POVEL_F));
    EXPECT_EQ(povel_z_vazieb(v, Klavesy{KEY_F}.drzane, KLUD, 32).klavesy, bit(POVEL_C)) << "F is the gun's now";
    EXPECT_EQ(povel_z_vazieb(v, Klavesy{KEY_C, KEY_F}.drzane, KLUD, 32).klavesy, bit(POVEL_C));
}

TEST(PovelHraca, PadButtonsAndAxesPastTheDeadZone)
{
    Vazby v = predvolene_vazby();
    StavPadu pad;
    pad.tlacidla = 1u << 0 | 1u << 3;  // A and Y: torpedo, turn about
    EXPECT_EQ(povel_z_vazieb(v, Klavesy{}.drzane, pad, 32).klavesy, bit(POVEL_F) | bit(POVEL_SPACE));

    pad = StavPadu();
    pad.os[0] = 32;  // the left stick right, just at the dead zone
    EXPECT_EQ(povel_z_vazieb(v, Klavesy{}.drzane, pad, 32).klavesy, 0u);
    pad.os[0] = 33;
    EXPECT_EQ(povel_z_vazieb(v, Klavesy{}.drzane, pad, 32).klavesy, bit(POVEL_RIGHT));
    pad.os[0] = -128;
    pad.os[1] = -100;  // and up: rise
    EXPECT_EQ(povel_z_vazieb(v, Klavesy{}.drzane, pad, 32).klavesy, bit(POVEL_LEFT) | bit(POVEL_UP));
    EXPECT_EQ(povel_z_vazieb(v, Klavesy{}.drzane, pad, 110).klavesy, bit(POVEL_LEFT)) << "a wider dead zone";

    pad = StavPadu();
    pad.os[7] = 128;  // the d-pad down: sink, with the keyboard's torpedo
    EXPECT_EQ(povel_z_vazieb(v, Klavesy{KEY_F}.drzane, pad, 32).klavesy, bit(POVEL_DOWN) | bit(POVEL_F));

    pad = StavPadu();
    pad.tlacidla = 1u << 7;  // start pauses through its callback, not the command
    EXPECT_EQ(povel_z_vazieb(v, Klavesy{}.drzane, pad, 32).klavesy, 0u);
}

TEST(PovelHraca, TheSticksAxesInTurn)
{
    // Allegro's joy[] as its Linux driver fills it for a pad of 6 axes and 4 buttons.
    num_joysticks = 1;
    joy[0].num_buttons = 4;
    joy[0].num_sticks = 3;
    for (int s = 0; s < 3; s++) {
        joy[0].stick[s].num_axis = 2;
        for (int a = 0; a < 2; a++)
            joy[0].stick[s].axis[a].pos = 10 * (2 * s + a) + 1;
    }
    joy[0].button[2].b = 1;
    StavPadu s = stav_z_allegra();
    EXPECT_EQ(s.tlacidla, 1u << 2);
    for (int a = 0; a < 6; a++)
        EXPECT_EQ(s.os[a], 10 * a + 1) << a;
    EXPECT_EQ(s.os[6], 0);
    num_joysticks = 0;
    joy[0] = JOYSTICK_INFO();
}

TEST(PovelHraca, KeysHeldWhenTheCardClosesActOnlyAfterBeingLetGo)
{
    release_all_keys();
    key[KEY_F] = 1;
    EXPECT_EQ(povel_hraca().klavesy, bit(POVEL_F));
    zamkni_drzane();
    key[KEY_C] = 1;
    EXPECT_EQ(povel_hraca().klavesy, bit(POVEL_C)) << "F held across the card does not fire";
    key[KEY_F] = 0;
    EXPECT_EQ(povel_hraca().klavesy, bit(POVEL_C));
    key[KEY_F] = 1;
    EXPECT_EQ(povel_hraca().klavesy, bit(POVEL_F) | bit(POVEL_C)) << "pressed again, it does";
    release_all_keys();
}
