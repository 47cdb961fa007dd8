#include <chrono>
#include <csignal>
#include <thread>

#include <gtest/gtest.h>

#include "options/volby.h"
#include "platform/casovac.h"
#include "platform/odchod.h"
#include "screens/briefing.h"
#include "screens/shop.h"
#include "support/allegro_env.h"
#include "support/screens_assets.h"

using namespace screens_test;

namespace {

class Leaving : public ::testing::Test {
protected:
    void SetUp() override
    {
        zrus_odchod();
        release_all_keys();
        mozme_kupit = true;
    }
    void TearDown() override
    {
        zrus_odchod();
        mouse_x = mouse_y = mouse_b = 0;
        mozme_kupit = true;
    }
    // Asks to leave from another thread, as the input thread would, once the
    // screen shows a pixel of the given colour (or after five seconds).
    std::thread ked_ukazuje(Odchod dovod, int x, int y, Farba f)
    {
        BITMAP *obrazovka = screen;
        return std::thread([=] {
            for (int i = 0; i < 500 && getpixel(obrazovka, x, y) != f.c16(); i++)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            ziadaj_odchod(dovod);
        });
    }
};

TEST_F(Leaving, FirstReasonStaysAndGivesTheExitCode)
{
    EXPECT_FALSE(odchod_ziadany());
    EXPECT_EQ(kod_odchodu(dovod_odchodu()), 0);
    ziadaj_odchod(ODCHOD_OKNO);
    ziadaj_odchod(ODCHOD_SIGTERM);
    EXPECT_TRUE(odchod_ziadany());
    EXPECT_EQ(dovod_odchodu(), ODCHOD_OKNO);
    EXPECT_EQ(kod_odchodu(ODCHOD_ESC), 0);
    EXPECT_EQ(kod_odchodu(ODCHOD_OKNO), 0);
    EXPECT_EQ(kod_odchodu(ODCHOD_SIGINT), 130);
    EXPECT_EQ(kod_odchodu(ODCHOD_SIGINT), KOD_SIGINT) << "as --help lists it";
    EXPECT_EQ(kod_odchodu(ODCHOD_SIGTERM), 143);
    EXPECT_EQ(kod_odchodu(ODCHOD_SIGTERM), KOD_SIGTERM);
    EXPECT_EQ(kod_odchodu(ODCHOD_SIGHUP), 129);
    EXPECT_EQ(kod_odchodu(ODCHOD_SIGHUP), KOD_SIGHUP);
}

TEST_F(Leaving, SignalsOnlyAskToLeave)
{
    zachyt_signaly();
    raise(SIGTERM);
    EXPECT_EQ(dovod_odchodu(), ODCHOD_SIGTERM) << "the process lives on, the request noted";
    zrus_odchod();
    raise(SIGINT);
    EXPECT_EQ(dovod_odchodu(), ODCHOD_SIGINT);
    zrus_odchod();
    raise(SIGHUP);
    EXPECT_EQ(dovod_odchodu(), ODCHOD_SIGHUP) << "a closed terminal ends the game as the others do";
    signal(SIGTERM, SIG_DFL);
    signal(SIGINT, SIG_DFL);
    signal(SIGHUP, SIG_DFL);
}

TEST_F(Leaving, EndsTheBriefingInsideItsLoop)
{
    AssetDir dir;
    static char sprava[] = "Vitaj na palube!!!";
    std::thread t = ked_ukazuje(ODCHOD_ESC, 79, 119, kPortrait);
    briefing(nullptr, makecol(255, 255, 255), sprava);
    t.join();
    EXPECT_TRUE(pixel_is(screen, 79, 119, kPortrait.r, kPortrait.g, kPortrait.b));
}

TEST_F(Leaving, EndsTheShopInsideItsLoop)
{
    AssetDir dir;
    int peniaze = 100, torpeda = 0, navnady = 0;
    mouse_x = 100;
    mouse_y = 700;
    std::thread t = ked_ukazuje(ODCHOD_OKNO, 352, 517, Farba{128, 128, 128});
    shop(&peniaze, 50, 10, 0, 0, &torpeda, &navnady);
    t.join();
    EXPECT_EQ(peniaze, 100);
    EXPECT_TRUE(pixel_is(screen, 352, 517, 128, 128, 128));
}

}  // namespace
