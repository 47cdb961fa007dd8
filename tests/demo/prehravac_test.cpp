// Seeking in a demo by playing it again headless: wherever a seek lands, the
// world is what plain playback had at that step, and standard output holds
// exactly what plain playback prints.
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "demo/demo.h"
#include "demo/demo_priebeh.h"
#include "demo/kontrolny_sucet.h"
#include "demo/prehravac.h"
#include "simulation/frame_loop.h"
#include "support/allegro_env.h"
#include "text/alfont.h"
#include "world/spravca.h"

namespace {

// The innermost hooks, called on the steps played live: they note the state
// of every step and ask for the seeks of a script.
struct Skript : Priebeh {
    Prehravac *prehravac = nullptr;
    std::vector<std::pair<int, int>> skoky;  // on reaching step first, seek to second
    size_t dalsi = 0;
    std::vector<std::pair<int, uint64_t>> stavy;  // each live step's checksum before it

    bool povel(Spravca &svet, Hra &hra, int, Povel &) override
    {
        stavy.push_back({hra.kroky, kontrolny_sucet(svet)});
        if (dalsi < skoky.size() && hra.kroky == skoky[dalsi].first)
            prehravac->skoc_na(skoky[dalsi++].second);
        return true;
    }
    bool briefing(Hra &, int, char *) override { return true; }
    bool obchod(Nakup &) override { return true; }
};

struct Beh {
    std::string vystup;
    int kroky = 0;
    uint64_t sucet = 0;
    PrehravanieDema::Vysledok vysledok = PrehravanieDema::PRERUSENE;
    std::vector<std::pair<int, uint64_t>> stavy;
};

class Prehravanie : public testing::Test {
protected:
    Hra hra{};
    BITMAP *stara_obrazovka = nullptr;
    Demo demo;

    void SetUp() override
    {
        stara_obrazovka = screen;
        screen = create_bitmap(1024, 768);
        alfont_init();
        hra.pozadie = create_bitmap(1024, 768);
        hra.stavovy_riadok = create_bitmap(1024, 76);
        hra.pismo = alfont_load_font("data/fonts/formal.ttf");
        ASSERT_NE(hra.pismo, nullptr);
        alfont_set_font_size(hra.pismo, 20);
        std::string cesta = std::string(PONORKA_SOURCE_DIR) + "/tests/demos/full.demo";
        std::ifstream f(cesta);
        ChybaDema chyba;
        ASSERT_TRUE(citaj_demo(f, cesta, demo, chyba)) << chyba.sprava;
    }

    void TearDown() override
    {
        destroy_bitmap(hra.pozadie);
        destroy_bitmap(hra.stavovy_riadok);
        alfont_destroy_font(hra.pismo);
        destroy_bitmap(screen);
        screen = stara_obrazovka;
        kedy_vykresli = 1;
        ked_vykresli = 1;
    }

    Beh hraj(const std::vector<std::pair<int, int>> &skoky)
    {
        kedy_vykresli = 1;
        ked_vykresli = 1;
        hra.kroky = 0;
        Beh b;
        Spravca svet;
        priprav_svet(svet);
        Skript skript;
        skript.skoky = skoky;
        PrehravanieDema prehravanie(demo, skript, false);
        Prehravac prehravac(demo, prehravanie, nullptr);
        skript.prehravac = &prehravac;
        Spravca *s = &svet;
        testing::internal::CaptureStdout();
        bool dohrane = prehravac.hraj(s, hra);
        b.vystup = testing::internal::GetCapturedStdout();
        b.vysledok = prehravanie.dohraj(*s, hra, dohrane);
        b.kroky = hra.kroky;
        b.sucet = kontrolny_sucet(*s);
        b.stavy = skript.stavy;
        EXPECT_EQ(skript.dalsi, skoky.size()) << "every seek of the script was reached";
        if (b.vysledok == PrehravanieDema::NESEDI)
            ADD_FAILURE() << prehravanie.sprava();
        return b;
    }
};

}  // namespace

TEST_F(Prehravanie, SeeksLandOnThePlainPlaybacksStateAndPrintNothingTwice)
{
    Beh obycajny = hraj({});
    ASSERT_EQ(obycajny.vysledok, PrehravanieDema::DOHRANE);
    ASSERT_EQ(obycajny.kroky, 4295);
    ASSERT_NE(obycajny.vystup.find("Torpedo kupene"), std::string::npos) << obycajny.vystup;
    std::vector<uint64_t> stav(obycajny.kroky, 0);
    for (auto &s : obycajny.stavy)
        stav[s.first] = s.second;

    // Mission 1 ends with step 1027. Back from mission 2 into 1, forward over
    // the first shop, back onto mission 2's first step (the shop bought
    // again), and forward to the last step.
    std::vector<std::pair<int, int>> skoky = {{3000, 500}, {800, 2500}, {2600, 1027}, {1100, 4294}};
    Beh so_skokmi = hraj(skoky);
    EXPECT_EQ(so_skokmi.vysledok, PrehravanieDema::DOHRANE);
    EXPECT_EQ(so_skokmi.kroky, obycajny.kroky);
    EXPECT_EQ(so_skokmi.sucet, obycajny.sucet);
    EXPECT_EQ(so_skokmi.vystup, obycajny.vystup);

    // A seek asked on step N is made before step N + 1; it lands where asked.
    int pristatia = 0;
    for (size_t i = 1; i < so_skokmi.stavy.size(); i++) {
        int krok = so_skokmi.stavy[i].first;
        EXPECT_EQ(so_skokmi.stavy[i].second, stav[krok]) << "step " << krok;
        if (krok != so_skokmi.stavy[i - 1].first + 1) {
            EXPECT_EQ(krok, skoky[pristatia].second);
            pristatia++;
        }
    }
    EXPECT_EQ(pristatia, 4);
}
