#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "objects/povel.h"
#include "platform/casovac.h"
#include "screens/obrazovky.h"
#include "simulation/frame_loop.h"
#include "simulation/kampan.h"
#include "simulation/missions.h"
#include "simulation/waves.h"
#include "support/allegro_env.h"
#include "support/screens_assets.h"
#include "world/spravca.h"

using namespace screens_test;

namespace {

// Sinks every listed enemy the way combat does, through the world manager.
void potop_vsetkych(Spravca &svet)
{
    while (svet.GetZacNepr1() != nullptr)
        svet.Uber(TYP_NEPR1, svet.GetZacNepr1());
}

// Waits (at most a few seconds) until the purchase gate has the given value;
// a shop pass is the only thing that changes it here.
bool pockaj_na_branu(bool hodnota)
{
    for (int i = 0; i < 5000; i++) {
        if (mozme_kupit == hodnota)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

// A player at the mouse: each click waits for the shop to take it and then
// for the release to be seen, so every click buys exactly once.
void hrac_v_obchode(std::initializer_list<std::pair<int, int>> kliky, bool *ok)
{
    *ok = true;
    for (auto [x, y] : kliky) {
        mouse_x = x;
        mouse_y = y;
        mouse_b = 1;
        *ok = *ok && pockaj_na_branu(false);
        mouse_b = 0;
        *ok = *ok && pockaj_na_branu(true);
    }
    mouse_x = 500;
    mouse_y = 540;
    mouse_b = 1;
}

// Writes down the flow's calls in order and wins each mission in its first
// step, sinking whatever the wave brought.
class Zapisovac : public Priebeh {
public:
    std::vector<std::string> volania;

    bool povel(Spravca &svet, Hra &, int misia, Povel &) override
    {
        int nepriatelia = 0;
        for (Objekt *e = svet.GetZacNepr1(); e != nullptr; e = e->GetDalsia())
            nepriatelia++;
        volania.push_back("misia " + std::to_string(misia) + ": " + std::to_string(nepriatelia));
        potop_vsetkych(svet);
        return true;
    }
    bool briefing(Hra &, int farba, char *text) override
    {
        std::string t(text);
        volania.push_back("briefing " + std::to_string(farba) + " " + t.substr(0, t.find('\n')));
        return true;
    }
    bool obchod(Nakup &) override
    {
        volania.push_back("obchod");
        return true;
    }
};

class MissionFlow : public ::testing::Test {
protected:
    void SetUp() override
    {
        mozme_kupit = true;
        stary_mod = alfont_text_mode(0);
        testing::internal::CaptureStdout();
    }
    void TearDown() override
    {
        testing::internal::GetCapturedStdout();
        alfont_text_mode(stary_mod);
        mouse_x = mouse_y = mouse_b = 0;
        mozme_kupit = true;
    }
    int stary_mod = 0;
};

TEST_F(MissionFlow, FourBriefingsTwoMissionsAndTwoShopsInTheirOrder)
{
    Spravca svet;
    Hra hra{};
    Zapisovac zapis;
    // Two steps in all, neither of them a drawing step.
    kedy_vykresli = 1;
    ked_vykresli = 1;
    EXPECT_TRUE(hraj_misie(svet, hra, zapis));
    kedy_vykresli = 1;
    ked_vykresli = 1;
    auto farba = [](int r, int g, int b) { return std::to_string(makecol(r, g, b)); };
    EXPECT_EQ(zapis.volania, (std::vector<std::string>{
                                 "briefing " + farba(176, 128, 128) + " Vitaj na palube!!!",
                                 "misia 1: 1",
                                 "briefing " + farba(76, 176, 76) + " VYNIKAJUCE!!!",
                                 "obchod",
                                 "briefing " + farba(76, 176, 76) + " Vitam ta na dalsej misii!!!",
                                 "misia 2: 5",
                                 "briefing " + farba(76, 128, 176) + " Neskutocne!!!",
                                 "obchod",
                             }));
}

// The prices each shop is opened with, too.
class ZapisovacCien : public Zapisovac {
public:
    bool obchod(Nakup &n) override
    {
        volania.push_back("obchod " + std::to_string(n.cena_torpeda) + " " + std::to_string(n.cena_navnady));
        return true;
    }
};

TEST_F(MissionFlow, ACampaignPlaysItsMissionsInOrderAtItsPricesAndEndsWithoutAShopWhereItHasNone)
{
    Kampan k;
    k.meno = "Skuska";
    k.misie.resize(2);
    k.misie[0].pred = {1, 2, 3, "Prva"};
    k.misie[0].nepriatelia = {{1024, 384, 0.3, 0.3, 270, 1500, 1500, 0.2, 100}, {900, 300, 1, 1, 90, 10, 10, 1, 5}};
    k.misie[0].po = {4, 5, 6, "Po prvej\n"};
    k.misie[0].obchod = true;
    k.misie[0].cena_torpeda = 7;
    k.misie[0].cena_navnady = 3;
    k.misie[1].pred = {7, 8, 9, ""};
    k.misie[1].nepriatelia = {{10, 20, 0, 0, 0, 1, 1, 0, 0}};
    k.misie[1].po = {10, 11, 12, "Koniec"};

    Spravca svet;
    Hra hra{};
    ZapisovacCien zapis;
    kedy_vykresli = 1;
    ked_vykresli = 1;
    EXPECT_TRUE(hraj_kampan(svet, hra, zapis, k));
    kedy_vykresli = 1;
    ked_vykresli = 1;
    auto farba = [](int r, int g, int b) { return std::to_string(makecol(r, g, b)); };
    EXPECT_EQ(zapis.volania, (std::vector<std::string>{
                                 "briefing " + farba(1, 2, 3) + " Prva",
                                 "misia 1: 2",
                                 "briefing " + farba(4, 5, 6) + " Po prvej",
                                 "obchod 7 3",
                                 "briefing " + farba(7, 8, 9) + " ",
                                 "misia 2: 1",
                                 "briefing " + farba(10, 11, 12) + " Koniec",
                             }));
    // The step counter ran on across both missions, one step each.
    EXPECT_EQ(hra.kroky, 2);
}

TEST_F(MissionFlow, ShopsSpendOnlyWhatTheSunkEnemiesPaid)
{
    AssetDir dir;
    Spravca svet;
    HraNaObrazovke obrazovky;
    Ponorka &hrac = svet.GetHrac();
    int torpeda = hrac.GetTorpedo(), navnady = hrac.GetNavnada();
    ASSERT_EQ(hrac.GetMoney(), 0);

    spawn_mission(svet, 1);
    potop_vsetkych(svet);
    EXPECT_EQ(hrac.GetMoney(), 100);

    // First shop: one torpedo and two decoys, 70 in all.
    bool ok = false;
    std::thread mys(hrac_v_obchode, std::initializer_list<std::pair<int, int>>{{300, 200}, {600, 200}, {600, 200}},
                    &ok);
    navsteva_obchodu(svet, obrazovky);
    mys.join();
    ASSERT_TRUE(ok);
    EXPECT_EQ(hrac.GetMoney(), 30);
    EXPECT_EQ(hrac.GetTorpedo(), torpeda + 1);
    EXPECT_EQ(hrac.GetNavnada(), navnady + 2);

    spawn_mission(svet, 2);
    potop_vsetkych(svet);
    EXPECT_EQ(hrac.GetMoney(), 600 - 70);

    // Second shop, left at once.
    mouse_x = 400;
    mouse_y = 530;
    mouse_b = 1;
    navsteva_obchodu(svet, obrazovky);
    EXPECT_EQ(hrac.GetMoney(), 530);
    EXPECT_EQ(hrac.GetTorpedo(), torpeda + 1);
    EXPECT_EQ(hrac.GetNavnada(), navnady + 2);
}

TEST_F(MissionFlow, FirstShopWithNoPurchasesLeavesExactlyOneHundred)
{
    AssetDir dir;
    Spravca svet;
    HraNaObrazovke obrazovky;
    Ponorka &hrac = svet.GetHrac();
    hrac.SetHealth(1234);
    spawn_mission(svet, 1);
    potop_vsetkych(svet);
    mouse_x = 352;
    mouse_y = 517;
    mouse_b = 1;
    navsteva_obchodu(svet, obrazovky);
    EXPECT_EQ(hrac.GetMoney(), 100);
    EXPECT_EQ(hrac.GetHealth(), 1234) << "the shop does not mend the boat";
}

}  // namespace
