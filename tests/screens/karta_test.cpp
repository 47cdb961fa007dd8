#include <allegro.h>

#include <gtest/gtest.h>

#include "options/vazby.h"
#include "platform/ziadost_karty.h"
#include "screens/karta_kresba.h"
#include "screens/karta_stav.h"
#include "support/allegro_env.h"
#include "support/screens_assets.h"

using namespace screens_test;

namespace {

KartaStav nova_karta()
{
    KartaStav s;
    s.vazby = predvolene_vazby();
    s.pad = true;
    return s;
}

void stlac(KartaStav &s, std::initializer_list<int> klavesy)
{
    for (int k : klavesy)
        karta_klavesa(s, k);
}

}  // namespace

TEST(Karta, EnterThenAKeyRebindsAndNamesTheActionThatLostIt)
{
    KartaStav s = nova_karta();
    stlac(s, {KEY_DOWN, KEY_ENTER});
    EXPECT_TRUE(s.caka);
    stlac(s, {KEY_ENTER | OPAKOVANIE_KLAVESY});
    EXPECT_TRUE(s.caka) << "a held Enter repeating is no new key";
    stlac(s, {KEY_F});
    EXPECT_FALSE(s.caka);
    EXPECT_EQ(s.vazby.klavesy[AKCIA_GULOMET][0], KEY_F);
    EXPECT_EQ(s.vazby.klavesy[AKCIA_TORPEDO][0], 0);
    EXPECT_EQ(s.sprava, "gulomet: F, akcia torpedo stratila F");
    EXPECT_EQ(s.stratila, AKCIA_TORPEDO) << "marked on the card";

    stlac(s, {KEY_ENTER, KEY_ESC});
    EXPECT_FALSE(s.zatvorena) << "Esc while waiting only gives up";
    EXPECT_EQ(s.sprava, "zrusene");
    EXPECT_EQ(s.vazby.klavesy[AKCIA_GULOMET][0], KEY_F);

    stlac(s, {KEY_UP, KEY_DEL});
    EXPECT_EQ(s.vazby.klavesy[AKCIA_TORPEDO][0], KEY_F);
    EXPECT_EQ(s.sprava, "torpedo: povodne, akcia gulomet stratila svoju");

    stlac(s, {KEY_RIGHT, KEY_RIGHT, KEY_BACKSPACE});
    EXPECT_EQ(s.vazby.vstupy[AKCIA_TORPEDO][0], 0) << "the pad's first place emptied";
    stlac(s, {KEY_ENTER, KEY_G});
    EXPECT_TRUE(s.caka) << "a pad place waits for the pad";
    karta_vstup_padu(s, vstup_tlacidla(2));
    EXPECT_EQ(s.vazby.vstupy[AKCIA_TORPEDO][0], vstup_tlacidla(2));
    EXPECT_EQ(s.vazby.vstupy[AKCIA_GULOMET][0], 0);
    EXPECT_EQ(s.sprava, "torpedo: B3, akcia gulomet stratila B3");
}

TEST(Karta, ItsKeyOrEscClosesIt)
{
    KartaStav s = nova_karta();
    stlac(s, {KEY_F1 | OPAKOVANIE_KLAVESY});
    EXPECT_FALSE(s.zatvorena) << "the key that opened it, still held";
    stlac(s, {KEY_F1});
    EXPECT_TRUE(s.zatvorena);

    s = nova_karta();
    stlac(s, {KEY_ESC});
    EXPECT_TRUE(s.zatvorena);

    // Rebound to F2 through the card itself: F2 closes it, F1 is a key like any.
    s = nova_karta();
    for (int i = 0; i < AKCIA_KARTA; i++)
        stlac(s, {KEY_DOWN});
    stlac(s, {KEY_ENTER, KEY_F2, KEY_F1});
    EXPECT_FALSE(s.zatvorena);
    stlac(s, {KEY_F2});
    EXPECT_TRUE(s.zatvorena);

    s = nova_karta();
    s.pad = false;
    stlac(s, {KEY_LEFT, KEY_ENTER});
    EXPECT_FALSE(s.caka);
    EXPECT_EQ(s.sprava, "ziadny gamepad");
}

TEST(Karta, DrawnInAPanelOverTheScreen)
{
    AssetDir dir;
    std::filesystem::copy_file(kSansTtf, "data/fonts/trebuchet.ttf");
    BITMAP *b = create_bitmap(1024, 768);
    clear_to_color(b, makecol(0, 0, 255));
    KartaPisma p = nacitaj_pisma_karty(768);
    ASSERT_NE(p.riadky, nullptr);
    KartaStav s = nova_karta();
    nakresli_kartu(b, s, p, "");
    EXPECT_TRUE(pixel_is(b, 50, 384, 0, 0, 255)) << "left of the panel";
    EXPECT_TRUE(pixel_is(b, 102, 384, 128, 128, 128)) << "its border";
    int zelene = 0;
    for (int y = 0; y < 768; y++)
        for (int x = 0; x < 1024; x++)
            if (getr(getpixel(b, x, y)) < 100 && getg(getpixel(b, x, y)) > 120 && getb(getpixel(b, x, y)) < 100)
                zelene++;
    EXPECT_GT(zelene, 200) << "the keys in green";
    uvolni_pisma_karty(p);
    destroy_bitmap(b);
}
