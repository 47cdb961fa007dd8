#include <string>

#include <gtest/gtest.h>

#include "objects/obrazky.h"
#include "simulation/waves.h"
#include "support/allegro_env.h"
#include "world/spravca.h"

namespace {

// The image cache lives for the whole process; each test leaves it empty.
class Waves : public ::testing::Test {
protected:
    void TearDown() override { obrazky_vycisti(); }
};

struct Riadok {
    double px, py, speed, uhol;
    int health, vybuch;
};

void over(Objekt *e, const Riadok &r)
{
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->GetPx(), r.px);
    EXPECT_EQ(e->GetPy(), r.py);
    EXPECT_EQ(e->GetSpeed(), r.speed);
    EXPECT_EQ(e->GetMax_speed(), r.speed);
    EXPECT_EQ(e->GetUhol(), r.uhol);
    EXPECT_EQ(e->GetHealth(), r.health);
    EXPECT_EQ(e->GetMax_health(), r.health);
    EXPECT_EQ(e->GetOtacanie(), 0.2);
    EXPECT_EQ(e->GetVybuch(), r.vybuch);
    // Class defaults: every enemy fires first 500 steps after it arrives.
    EXPECT_EQ(e->GetReload(), 500);
    EXPECT_EQ(e->GetPrebijanie(), 0);
}

}  // namespace

TEST_F(Waves, MissionOneIsOneSlowBoatAtTheRightEdge)
{
    testing::internal::CaptureStdout();
    {
        Spravca svet;
        spawn_mission(svet, 1);
        over(svet.GetZacNepr1(), {1024, 384, 0.3, 270, 1500, 100});
        EXPECT_EQ(svet.GetZacNepr1(), svet.GetKonNepr1());
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Objekt 1  PRVY\n uspesne pridany \n");
}

TEST_F(Waves, MissionTwoIsFiveBoatsOneScreenBeyondInTableOrder)
{
    const Riadok tabulka[] = {
        {2048, 100, 1.0, 270, 1000, 50},  {2048, 200, 0.3, 270, 2000, 200}, {2048, 300, 0.5, 270, 1500, 100},
        {2048, 400, 0.3, 270, 2000, 200}, {2048, 500, 1.0, 270, 1000, 50},
    };
    testing::internal::CaptureStdout();
    {
        Spravca svet;
        spawn_mission(svet, 2);
        Objekt *e = svet.GetZacNepr1();
        for (const Riadok &r : tabulka) {
            over(e, r);
            e = e->GetDalsia();
        }
        EXPECT_EQ(e, nullptr);
    }
    std::string vystup = testing::internal::GetCapturedStdout();
    std::string iny = "Objekt 1  INY\n uspesne pridany \n";
    EXPECT_EQ(vystup, "Objekt 1  PRVY\n uspesne pridany \n" + iny + iny + iny + iny);
}

TEST_F(Waves, UnknownMissionAddsNothing)
{
    testing::internal::CaptureStdout();
    Spravca svet;
    spawn_mission(svet, 0);
    spawn_mission(svet, 3);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(svet.GetZacNepr1(), nullptr);
}
