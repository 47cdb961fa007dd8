// The screens in English with the build's catalogue: the commander's briefings
// in the column of the Slovak ones, and the shop's English pictures.
#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/casovac.h"
#include "platform/preklad.h"
#include "screens/briefing_pass.h"
#include "screens/obrazovky.h"
#include "screens/pauza.h"
#include "screens/shop.h"
#include "simulation/frame_loop.h"
#include "simulation/kampan_citac.h"
#include "simulation/missions.h"
#include "support/allegro_env.h"
#include "support/screens_assets.h"
#include "text/alfont.h"
#include "world/spravca.h"

using namespace screens_test;

namespace {

const std::string RUN = PONORKA_RUN_DIR;

// The four briefings as the flow hands them over, each mission won in its first step.
class Spravy : public Priebeh {
public:
    std::vector<std::string> texty;

    bool povel(Spravca &svet, Hra &, int, Povel &) override
    {
        while (svet.GetZacNepr1() != nullptr)
            svet.Uber(TYP_NEPR1, svet.GetZacNepr1());
        return true;
    }
    bool briefing(Hra &, int, char *text) override
    {
        texty.push_back(text);
        return true;
    }
    bool obchod(Nakup &) override { return true; }
};

std::vector<std::string> briefingy()
{
    Spravca svet;
    Hra hra{};
    Spravy spravy;
    kedy_vykresli = 1;
    ked_vykresli = 1;
    testing::internal::CaptureStdout();
    hraj_misie(svet, hra, spravy);
    testing::internal::GetCapturedStdout();
    kedy_vykresli = 1;
    ked_vykresli = 1;
    return spravy.texty;
}

std::vector<std::string> riadky(const std::string &text)
{
    std::vector<std::string> v;
    std::istringstream s(text);
    for (std::string r; std::getline(s, r);)
        v.push_back(r);
    return v;
}

// English from the build's catalogue, whatever the locale of the test run.
class VAnglictine : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *p : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            unsetenv(p);
        zacni_preklad((RUN + "/locale").c_str());
        ASSERT_TRUE(nastav_jazyk("en"));
    }
    void TearDown() override
    {
        nastav_jazyk("");
        setlocale(LC_ALL, "C");
    }
};

TEST_F(VAnglictine, EachBriefingIsTranslatedAndEveryLineFitsTheColumn)
{
    ASSERT_EQ(alfont_init(), 0);
    ALFONT_FONT *pismo = alfont_load_font((RUN + "/data/fonts/trebuchet.ttf").c_str());
    ASSERT_NE(pismo, nullptr);
    // The game's briefing font at the game's screen: a character whose pen
    // reaches zalom_x would start a new line in the middle of a word.
    BriefingRozmery r = briefing_rozmery(1024, 768);
    alfont_set_font_size(pismo, r.riadok);

    std::vector<std::string> texty = briefingy();
    ASSERT_EQ(texty.size(), 4u);
    // The shipped campaign's briefings translate the same way, by their text.
    std::ifstream subor(std::string(PONORKA_SOURCE_DIR) + "/data/campaigns/tri_noci.campaign");
    Kampan tri_noci;
    ChybaKampane chyba;
    ASSERT_TRUE(citaj_kampan(subor, "tri_noci.campaign", tri_noci, chyba)) << chyba.sprava;
    for (const MisiaKampane &m : tri_noci.misie)
        for (const SpravaKampane *s : {&m.pred, &m.po})
            texty.push_back(s->text);
    ASSERT_EQ(texty.size(), 10u);
    int najsirsi = 0;
    for (const std::string &sk : texty) {
        std::string en = preloz(sk.c_str());
        EXPECT_NE(en, sk);
        for (const std::string &riadok : riadky(en)) {
            for (char c : riadok)
                EXPECT_TRUE(c >= ' ' && c <= '~') << "the briefing types plain ASCII: " << riadok;
            int sirka = alfont_text_length(pismo, riadok.c_str());
            EXPECT_LE(r.text_x + sirka, r.zalom_x) << riadok;
            najsirsi = std::max(najsirsi, sirka);
        }
    }
    // The measure is the text's: a long line is hundreds of pixels wide.
    EXPECT_GT(najsirsi, 250);
    alfont_destroy_font(pismo);
}

TEST_F(VAnglictine, TheShopShowsTheEnglishPicturesAndSlovakTheGamesOwn)
{
    AssetDir dir;
    std::filesystem::create_directories("gfx/shop/en");
    const Farba anglicky{0, 128, 255};
    for (const char *stav : {"unselected", "selected", "unactive"})
        for (const char *polozka : {"torpedo", "navnada"})
            uloz_obrazok(std::string("gfx/shop/en/") + polozka + "_" + stav + ".tga", 400, 400, anglicky);
    int stary_mod = alfont_text_mode(0);
    auto obchod = [] {
        int peniaze = 100, torpeda = 0, navnady = 0;
        mouse_x = 500, mouse_y = 540, mouse_b = 1;  // on CONTINUE: one pass
        mozme_kupit = true;
        shop(&peniaze, 50, 10, 0, 0, &torpeda, &navnady);
        mouse_x = mouse_y = mouse_b = 0;
    };
    obchod();
    EXPECT_EQ(getpixel(screen, 300, 200), anglicky.c16());
    EXPECT_EQ(getpixel(screen, 600, 200), anglicky.c16());
    nastav_jazyk("sk");
    obchod();
    EXPECT_EQ(getpixel(screen, 300, 200), kTorpedoUnselected.c16());
    EXPECT_EQ(getpixel(screen, 600, 200), kNavnadaUnselected.c16());
    alfont_text_mode(stary_mod);
}

TEST_F(VAnglictine, ThePauseLabelIsTheEnglishOne)
{
    ASSERT_EQ(alfont_init(), 0);
    ALFONT_FONT *pismo = alfont_load_font((RUN + "/data/fonts/copperlate.ttf").c_str());
    ASSERT_NE(pismo, nullptr);
    alfont_set_font_size(pismo, 36);
    BITMAP *en = create_bitmap(1024, 768), *sk = create_bitmap(1024, 768);
    clear_bitmap(en);
    clear_bitmap(sk);
    nakresli_pauzu(en, pismo);
    nastav_jazyk("sk");
    nakresli_pauzu(sk, pismo);
    int rozdiel = 0;
    for (int y = 0; y < 768; y++)
        for (int x = 0; x < 1024; x++)
            rozdiel += getpixel(en, x, y) != getpixel(sk, x, y);
    EXPECT_GT(rozdiel, 100) << "PAUSE and PAUZA differ in their last letters";
    destroy_bitmap(en);
    destroy_bitmap(sk);
    alfont_destroy_font(pismo);
}

}  // namespace
