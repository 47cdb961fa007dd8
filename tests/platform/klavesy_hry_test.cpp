#include <allegro.h>

#include <gtest/gtest.h>

#include "platform/klavesy_hry.h"
#include "platform/odchod.h"
#include "platform/udalosti.h"
#include "platform/ziadost_karty.h"
#include "platform/ziadost_pauzy.h"

namespace {

class GameKeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        sleduj_udalosti();
        zrus_odchod();
        zabudni_p();
        ziadost_karty();
    }
    void TearDown() override
    {
        otvor_kartu(false);
        nastav_klavesy_hry(HRA_PAUZA, KEY_P, 0);
        nastav_klavesy_hry(HRA_KARTA, KEY_F1, 0);
        keyboard_lowlevel_callback = nullptr;
        mouse_callback = nullptr;
        if (pauza_ziadana()) {
            stlacene_p();
            pauza_ziadana();
        }
        zrus_odchod();
    }
    static void stlac(int k)
    {
        keyboard_lowlevel_callback(k);
        keyboard_lowlevel_callback(k | 0x80);
    }
};

}  // namespace

TEST_F(GameKeys, TheCardsKeyAsksForItOncePerPress)
{
    EXPECT_FALSE(karta_caka());
    keyboard_lowlevel_callback(KEY_F1);
    keyboard_lowlevel_callback(KEY_F1);  // auto-repeat
    EXPECT_TRUE(karta_caka());
    EXPECT_TRUE(ziadost_karty());
    EXPECT_FALSE(ziadost_karty()) << "taken in";
    keyboard_lowlevel_callback(KEY_F1 | 0x80);
    EXPECT_FALSE(karta_caka());
}

TEST_F(GameKeys, AReboundPauseKeyPausesAndTheOldOneDoesNot)
{
    nastav_klavesy_hry(HRA_PAUZA, KEY_Q, KEY_PAUSE);
    stlac(KEY_P);
    EXPECT_FALSE(pauza_ziadana());
    stlac(KEY_Q);
    EXPECT_TRUE(pauza_ziadana());
    stlac(KEY_PAUSE);
    EXPECT_FALSE(pauza_ziadana());
}

TEST_F(GameKeys, TheOpenCardTakesEveryKeyEscToo)
{
    otvor_kartu(true);
    keyboard_lowlevel_callback(KEY_ESC);
    stlac(KEY_P);
    keyboard_lowlevel_callback(KEY_DOWN);
    keyboard_lowlevel_callback(KEY_DOWN);  // held: a repeat
    stlacena_klavesa_hry(HRA_PAUZA);       // the pad's start button
    EXPECT_FALSE(odchod_ziadany()) << "Esc closes the card, it does not leave";
    EXPECT_FALSE(pauza_ziadana());
    EXPECT_TRUE(klavesy_karty_cakaju());
    EXPECT_EQ(dalsia_klavesa_karty(), KEY_ESC);
    EXPECT_EQ(dalsia_klavesa_karty(), KEY_P);
    EXPECT_EQ(dalsia_klavesa_karty(), KEY_DOWN);
    EXPECT_EQ(dalsia_klavesa_karty(), KEY_DOWN | OPAKOVANIE_KLAVESY);
    EXPECT_EQ(dalsia_klavesa_karty(), 0);
    keyboard_lowlevel_callback(KEY_ESC | 0x80);
    keyboard_lowlevel_callback(KEY_DOWN | 0x80);

    otvor_kartu(false);
    keyboard_lowlevel_callback(KEY_G);
    EXPECT_FALSE(klavesy_karty_cakaju()) << "a closed card queues nothing";
    keyboard_lowlevel_callback(KEY_G | 0x80);
    keyboard_lowlevel_callback(KEY_ESC);
    EXPECT_TRUE(odchod_ziadany()) << "and Esc leaves again";
    keyboard_lowlevel_callback(KEY_ESC | 0x80);
}
