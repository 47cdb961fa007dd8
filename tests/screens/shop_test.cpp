#include <string>

#include <gtest/gtest.h>

#include "platform/casovac.h"
#include "screens/shop.h"
#include "screens/shop_pass.h"
#include "support/allegro_env.h"
#include "support/screens_assets.h"
#include "text/alfont.h"

using namespace screens_test;

namespace {

TEST(ShopLayout, PositionsAt1024x768)
{
    ObchodRozmery r = obchod_rozmery(1024, 768);
    EXPECT_EQ(r.continue_size, 20);
    EXPECT_EQ(r.cena_size, 25);
    EXPECT_EQ(r.panel_x1, 159);
    EXPECT_EQ(r.panel_y1, 54);
    EXPECT_EQ(r.panel_x2, 864);
    EXPECT_EQ(r.panel_y2, 576);
    EXPECT_EQ(r.torpedo_x, 192);
    EXPECT_EQ(r.navnada_x, 512);
    EXPECT_EQ(r.polozka_y, 84);
    EXPECT_EQ(r.polozka_w, 319);
    EXPECT_EQ(r.polozka_h, 299);
    EXPECT_EQ(r.continue_x1, 352);
    EXPECT_EQ(r.continue_x2, 671);
    EXPECT_EQ(r.continue_y1, 517);
    EXPECT_EQ(r.continue_y2, 562);
    EXPECT_EQ(r.continue_text_y, 529);
    EXPECT_EQ(r.stred_x, 512);
    EXPECT_EQ(r.cena_y, 384);
    EXPECT_EQ(r.zasoba_y, 413);
}

void mys(int x, int y, int b)
{
    mouse_x = x;
    mouse_y = y;
    mouse_b = b;
}

bool farba_je(BITMAP *b, int x, int y, Farba f)
{
    return getpixel(b, x, y) == f.c16();
}

// Whether a pixel of exactly this grey lies inside the CONTINUE outline.
bool label_ma(BITMAP *b, int seda)
{
    for (int y = 518; y < 562; y++)
        for (int x = 353; x < 671; x++)
            if (pixel_is(b, x, y, seda, seda, seda))
                return true;
    return false;
}

class ShopPass : public ::testing::Test {
protected:
    AssetDir dir;
    ALFONT_FONT *continue_font = nullptr;
    ALFONT_FONT *cena_font = nullptr;
    BITMAP *buffer = nullptr;
    int stary_mod = 0;
    int peniaze = 0, torpeda = 0, navnady = 0;
    ObchodStav s{};

    void SetUp() override
    {
        stary_mod = alfont_text_mode(0);
        mozme_kupit = true;
        mys(0, 0, 0);
        continue_font = alfont_load_font("data/fonts/copperlate.ttf");
        cena_font = alfont_load_font("data/fonts/formal.ttf");
        ASSERT_NE(continue_font, nullptr);
        ASSERT_NE(cena_font, nullptr);
        alfont_set_font_size(continue_font, 20);
        alfont_set_font_size(cena_font, 25);
        buffer = create_bitmap(1024, 768);
        clear_to_color(buffer, makecol(0, 0, 0));
    }
    void TearDown() override
    {
        uvolni_obrazky();
        destroy_bitmap(buffer);
        alfont_destroy_font(cena_font);
        alfont_destroy_font(continue_font);
        alfont_text_mode(stary_mod);
        mys(0, 0, 0);
        mozme_kupit = true;
    }
    void otvor(int money, int cena_t = 50, int cena_n = 10, int t = 0, int n = 0)
    {
        peniaze = money;
        torpeda = t;
        navnady = n;
        uvolni_obrazky();  // a test may open the shop more than once
        s = obchod_stav(buffer, continue_font, cena_font, &peniaze, cena_t, cena_n, &torpeda, &navnady);
        const char *mena[] = {"unselected", "unactive", "selected"};
        for (int i = 0; i < OBRAZKY_POLOZKY; i++) {
            s.torpedo[i] = load_bitmap(("gfx/shop/torpedo_" + std::string(mena[i]) + ".tga").c_str(), nullptr);
            s.navnada[i] = load_bitmap(("gfx/shop/navnada_" + std::string(mena[i]) + ".tga").c_str(), nullptr);
            ASSERT_NE(s.torpedo[i], nullptr);
            ASSERT_NE(s.navnada[i], nullptr);
        }
    }
    void uvolni_obrazky()
    {
        for (int i = 0; i < OBRAZKY_POLOZKY; i++) {
            if (s.torpedo[i])
                destroy_bitmap(s.torpedo[i]);
            if (s.navnada[i])
                destroy_bitmap(s.navnada[i]);
            s.torpedo[i] = s.navnada[i] = nullptr;
        }
    }
    // One pass, its standard output swallowed.
    void pass()
    {
        testing::internal::CaptureStdout();
        shop_pass(s);
        testing::internal::GetCapturedStdout();
    }
    void klik(int x, int y)
    {
        mys(x, y, 1);
        pass();
        mys(x, y, 0);
        pass();
    }
};

TEST_F(ShopPass, FortyFiveBuysFourDecoysAndNoTorpedo)
{
    otvor(45);
    klik(300, 200);
    EXPECT_EQ(peniaze, 45);
    EXPECT_EQ(torpeda, 0);
    EXPECT_TRUE(farba_je(screen, 300, 200, kTorpedoUnactive)) << "greyed out even under the pointer";

    int pred[] = {45, 35, 25, 15};
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(peniaze, pred[i]);
        mys(600, 200, 0);
        pass();
        EXPECT_TRUE(farba_je(screen, 600, 200, kNavnadaSelected)) << "purchase " << i;
        klik(600, 200);
    }
    EXPECT_EQ(peniaze, 5);
    EXPECT_EQ(navnady, 4);
    klik(600, 200);
    EXPECT_EQ(peniaze, 5);
    EXPECT_EQ(navnady, 4);
    EXPECT_TRUE(farba_je(screen, 600, 200, kNavnadaUnactive));
}

TEST_F(ShopPass, HeldButtonBuysAgainOnlyOnTimerTickOrAfterRelease)
{
    otvor(200);
    mys(300, 200, 1);
    pass();
    EXPECT_EQ(peniaze, 150);
    EXPECT_FALSE(mozme_kupit.load());
    for (int i = 0; i < 5; i++)
        pass();
    EXPECT_EQ(torpeda, 1) << "the gate stays closed while the button is held";

    mys(600, 200, 1);  // dragged onto the decoy, button still down
    pass();
    EXPECT_EQ(navnady, 0);
    EXPECT_EQ(peniaze, 150);

    mys(300, 200, 1);
    shop_timer();
    pass();
    EXPECT_EQ(peniaze, 100);

    mys(300, 200, 0);
    pass();
    EXPECT_TRUE(mozme_kupit.load()) << "releasing the button opens the gate";
    mys(300, 200, 1);
    pass();
    EXPECT_EQ(peniaze, 50);
    shop_timer();
    pass();
    EXPECT_EQ(peniaze, 0);
    shop_timer();
    pass();
    EXPECT_EQ(peniaze, 0);
    EXPECT_EQ(torpeda, 4);
}

TEST_F(ShopPass, HitRectanglesIncludeBothEnds)
{
    struct Bod {
        int x, y;
        int torpedo, navnada;
    };
    const Bod body[] = {
        {511, 200, 1, 0}, {512, 200, 0, 1}, {832, 200, 0, 0}, {831, 200, 0, 1}, {192, 84, 1, 0},
        {191, 200, 0, 0}, {400, 383, 1, 0}, {400, 384, 0, 0}, {700, 83, 0, 0},  {700, 383, 0, 1},
    };
    for (const Bod &b : body) {
        otvor(1000);
        mozme_kupit = true;
        mys(b.x, b.y, 1);
        pass();
        EXPECT_EQ(torpeda, b.torpedo) << b.x << "," << b.y;
        EXPECT_EQ(navnady, b.navnada) << b.x << "," << b.y;
        EXPECT_EQ(peniaze, 1000 - 50 * b.torpedo - 10 * b.navnada);
    }
}

TEST_F(ShopPass, ContinueButtonIncludesItsOutline)
{
    struct Bod {
        int x, y;
        bool odchod;
    };
    const Bod body[] = {{352, 517, true},  {671, 562, true},  {672, 540, false},
                        {351, 540, false}, {500, 516, false}, {500, 563, false}};
    for (const Bod &b : body) {
        otvor(100);
        mys(b.x, b.y, 1);
        clear_to_color(screen, makecol(0, 0, 0));
        pass();
        EXPECT_EQ(s.hotovo, b.odchod) << b.x << "," << b.y;
        EXPECT_TRUE(pixel_is(screen, 352, 517, 128, 128, 128)) << "the leaving pass is still shown";
    }
    otvor(100);
    mys(500, 540, 0);
    pass();
    EXPECT_FALSE(s.hotovo) << "hovering is not pressing";
}

TEST_F(ShopPass, EachPurchasePrintsItsThreeLines)
{
    otvor(100, 50, 10, 2, 7);
    testing::internal::CaptureStdout();
    mys(300, 200, 1);
    shop_pass(s);
    mys(300, 200, 0);
    shop_pass(s);
    mys(700, 300, 1);
    shop_pass(s);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Torpedo kupene\nPocet torped 3\nPeniaze 50\nNavnada kupena\nPocet navnad 8\nPeniaze 40\n");
}

TEST_F(ShopPass, AffordabilityIsDecidedAtTheStartOfThePass)
{
    otvor(50);
    mys(300, 200, 1);
    pass();
    EXPECT_EQ(peniaze, 0);
    EXPECT_TRUE(farba_je(screen, 300, 200, kTorpedoSelected)) << "bought this pass, still drawn as affordable";
    pass();
    EXPECT_TRUE(farba_je(screen, 300, 200, kTorpedoUnactive));
    EXPECT_TRUE(farba_je(screen, 700, 200, kNavnadaUnactive));
}

TEST_F(ShopPass, ItemPicturesAre319By299WithThePointerChoosingSelected)
{
    otvor(100);
    mys(10, 10, 0);
    pass();
    EXPECT_TRUE(farba_je(screen, 192, 84, kTorpedoUnselected));
    EXPECT_TRUE(farba_je(screen, 510, 382, kTorpedoUnselected));
    EXPECT_TRUE(farba_je(screen, 512, 84, kNavnadaUnselected));
    EXPECT_TRUE(farba_je(screen, 830, 382, kNavnadaUnselected));
    EXPECT_TRUE(pixel_is(screen, 831, 200, 0, 0, 0));
    EXPECT_TRUE(pixel_is(screen, 300, 383, 0, 0, 0));
    EXPECT_TRUE(pixel_is(screen, 191, 200, 0, 0, 0));
    EXPECT_TRUE(pixel_is(screen, 300, 83, 0, 0, 0));

    mys(511, 383, 0);  // on the torpedo's hit rectangle, just off its picture
    pass();
    EXPECT_TRUE(farba_je(screen, 300, 200, kTorpedoSelected));
    EXPECT_TRUE(farba_je(screen, 600, 200, kNavnadaUnselected));
    mys(512, 84, 0);
    pass();
    EXPECT_TRUE(farba_je(screen, 300, 200, kTorpedoUnselected));
    EXPECT_TRUE(farba_je(screen, 600, 200, kNavnadaSelected));
}

TEST_F(ShopPass, ContinueLabelFollowsThePointerOnePassLate)
{
    otvor(100);
    mys(512, 540, 0);
    pass();
    EXPECT_TRUE(label_ma(screen, 128));
    EXPECT_FALSE(label_ma(screen, 182));
    pass();
    EXPECT_TRUE(label_ma(screen, 182));
    mys(10, 10, 0);
    pass();
    EXPECT_TRUE(label_ma(screen, 182));
    pass();
    EXPECT_FALSE(label_ma(screen, 182));
}

TEST_F(ShopPass, PricesStocksAndMoneyAreCentredOnTheirColumns)
{
    otvor(345, 50, 10, 3, 12);
    pass();
    // The same texts laid out by hand at the screen's fixed positions.
    BITMAP *ref = create_bitmap(1024, 768);
    clear_to_color(ref, makecol(0, 0, 0));
    rect(ref, 352, 517, 671, 562, makecol(128, 128, 128));
    alfont_textout_centre_aa(ref, continue_font, "CONTINUE", 512, 529, makecol(128, 128, 128));
    alfont_textprintf_centre_aa(ref, cena_font, 352, 384, makecol(56, 176, 56), "$ %d", 50);
    alfont_textprintf_centre_aa(ref, cena_font, 671, 384, makecol(56, 176, 56), "$ %d", 10);
    alfont_textprintf_centre_aa(ref, cena_font, 352, 413, makecol(176, 128, 56), "Current: %d", 3);
    alfont_textprintf_centre_aa(ref, cena_font, 671, 413, makecol(176, 128, 56), "Current: %d", 12);
    alfont_textprintf_centre_aa(ref, cena_font, 512, 413, makecol(56, 128, 176), "Money: $ %d", 345);
    bool rovnake = true;
    for (int y = 383; y <= 576 && rovnake; y++)
        for (int x = 159; x <= 864 && rovnake; x++)
            rovnake = getpixel(ref, x, y) == getpixel(screen, x, y);
    EXPECT_TRUE(rovnake);
    destroy_bitmap(ref);
}

class ShopScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        stary_mod = alfont_text_mode(0);
        mozme_kupit = true;
    }
    void TearDown() override
    {
        alfont_text_mode(stary_mod);
        mys(0, 0, 0);
        mozme_kupit = true;
    }
    int stary_mod = 0;
};

TEST_F(ShopScreen, LeavesOnContinueOverTheBackdropDrawnOnce)
{
    AssetDir dir;
    int peniaze = 100, torpeda = 2, navnady = 3;
    mys(500, 540, 1);
    shop(&peniaze, 50, 10, 0, 0, &torpeda, &navnady);
    EXPECT_EQ(peniaze, 100);
    EXPECT_EQ(torpeda, 2);
    EXPECT_EQ(navnady, 3);
    EXPECT_TRUE(farba_je(screen, 10, 10, kDock));
    EXPECT_TRUE(farba_je(screen, 158, 54, kDock));
    EXPECT_TRUE(farba_je(screen, 865, 577, kDock));
    EXPECT_TRUE(pixel_is(screen, 159, 54, 0, 0, 0));
    EXPECT_TRUE(pixel_is(screen, 864, 576, 0, 0, 0));
}

TEST_F(ShopScreen, LeavesNoImageBehind)
{
    AssetDir dir;
    int peniaze = 100, torpeda = 0, navnady = 0;
    mys(500, 540, 1);
    ZiveBitmapy bitmapy;
    shop(&peniaze, 50, 10, 0, 0, &torpeda, &navnady);
    EXPECT_EQ(bitmapy.pocet(), 0);
}

TEST_F(ShopScreen, ArgumentsFourAndFiveChangeNothing)
{
    AssetDir dir;
    BITMAP *prvy = create_bitmap(1024, 768);
    int p1 = 75, t1 = 1, n1 = 1;
    mys(671, 562, 1);
    shop(&p1, 50, 10, 0, 0, &t1, &n1);
    blit(screen, prvy, 0, 0, 0, 0, 1024, 768);
    clear_to_color(screen, makecol(0, 0, 0));
    int p2 = 75, t2 = 1, n2 = 1;
    shop(&p2, 50, 10, 123456, -99, &t2, &n2);
    EXPECT_EQ(p1, p2);
    EXPECT_EQ(t1, t2);
    EXPECT_EQ(n1, n2);
    bool rovnake = true;
    for (int y = 0; y < 768 && rovnake; y++)
        for (int x = 0; x < 1024 && rovnake; x++)
            rovnake = getpixel(prvy, x, y) == getpixel(screen, x, y);
    EXPECT_TRUE(rovnake);
    destroy_bitmap(prvy);
}

TEST_F(ShopScreen, PurchaseGateKeepsItsValueBetweenVisits)
{
    AssetDir dir;
    int peniaze = 100, torpeda = 0, navnady = 0;
    mozme_kupit = false;
    mys(352, 540, 1);
    shop(&peniaze, 50, 10, 0, 0, &torpeda, &navnady);
    EXPECT_FALSE(mozme_kupit.load()) << "leaving with the button down leaves the gate as it was";
}

TEST_F(ShopScreen, MissingAssetsLeaveAPlainPanel)
{
    AssetDir dir(false);
    int peniaze = 100, torpeda = 0, navnady = 0;
    mys(500, 540, 1);
    shop(&peniaze, 50, 10, 0, 0, &torpeda, &navnady);
    EXPECT_EQ(peniaze, 100);
    EXPECT_TRUE(pixel_is(screen, 352, 517, 128, 128, 128));
    EXPECT_TRUE(pixel_is(screen, 300, 200, 0, 0, 0));
}

}  // namespace
