#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "platform/casovac.h"
#include "start/pokus.h"

namespace {

std::string summary(int kroky, int ido_ms, int health)
{
    testing::internal::CaptureStdout();
    print_summary(kroky, ido_ms, health);
    fflush(stdout);
    return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST(Summary, ExactFormatWithoutFinalNewline)
{
    EXPECT_EQ(summary(900, 2999, 10000), "P_VYPOCET = 900 \nCAS = 2999 \nCAS_NA_VYPOCET 3.332222 \n"
                                         " VYPOCET/SEK = 300.100033\nFPS = 150.000000 \nHealth = 10000");
}

TEST(Summary, FpsDividesWholeSecondsAndWholeFrames)
{
    // 1000 steps make 333 frames; 4500 ms are 4 whole seconds.
    std::string s = summary(1000, 4500, 0);
    EXPECT_NE(s.find("FPS = 83.250000 \n"), std::string::npos) << s;
}

TEST(Summary, UnderOneSecondDoesNotCrash)
{
    std::string s = summary(30, 999, 5);
    EXPECT_NE(s.find("FPS = inf \n"), std::string::npos) << s;
    EXPECT_NE(s.find("Health = 5"), std::string::npos);
}

TEST(Pacing, WaitDependsOnScreenWidth)
{
    EXPECT_EQ(pockaj_ticks(640), 20);
    EXPECT_EQ(pockaj_ticks(1024), 15);
    EXPECT_EQ(pockaj_ticks(1280), 12);
    EXPECT_EQ(pockaj_ticks(0), 0);
    EXPECT_EQ(pockaj_ticks(800), 0);
}

TEST(Pacing, DalsiaCountsBothCounters)
{
    int ido0 = ido, timer0 = timer;
    dalsia();
    dalsia();
    EXPECT_EQ(ido, ido0 + 2);
    EXPECT_EQ(timer, timer0 + 2);
}

TEST(Pacing, WaitSleepsUntilTheNthTickAfterItBegan)
{
    // The ticks come from this thread, one at a time, as the timer thread sends them.
    timer = 99;
    std::atomic<bool> hotovo{false};
    std::thread cakanie([&] {
        pockaj(5);
        hotovo = true;
    });
    while (timer != 0)
        std::this_thread::yield();
    for (int i = 1; i <= 4; i++) {
        dalsia();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        EXPECT_FALSE(hotovo) << "returned after tick " << i;
    }
    dalsia();
    for (int i = 0; i < 2000 && !hotovo; i++)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_TRUE(hotovo) << "still waiting after the fifth tick";
    if (!hotovo)
        for (int i = 0; i < 100; i++)
            dalsia();
    cakanie.join();
}
