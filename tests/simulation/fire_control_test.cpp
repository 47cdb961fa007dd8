#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "objects/obrazky.h"
#include "objects/ponorka.h"
#include "simulation/fire_control.h"
#include "support/allegro_env.h"
#include "support/zoznam.h"
#include "world/spravca.h"

namespace {

// A world with the keyboard buffer holding one key, as after the first briefing.
class FireControl : public ::testing::Test {
protected:
    Spravca *svet = nullptr;

    void SetUp() override
    {
        release_all_keys();
        clear_keybuf();
        simulate_keypress((KEY_ENTER << 8) | '\r');
        testing::internal::CaptureStdout();
        svet = new Spravca();
    }
    void TearDown() override
    {
        delete svet;
        obrazky_vycisti();
        testing::internal::GetCapturedStdout();
        release_all_keys();
        clear_keybuf();
    }
    Ponorka &hrac() { return svet->GetHrac(); }

    // The boat's own part of a world step: charging, speed limit, move.
    void krok_hraca()
    {
        hrac().Ovladanie();
        hrac().Maxspeed();
        hrac().Pohni();
    }
    // Runs steps first..last (fire control, then the boat's step) and
    // records the steps in which a torpedo left, with the tube it came from.
    void drz_f(int first, int last, std::vector<int> &kroky, std::vector<int> &rury)
    {
        for (int s = first; s <= last; s++) {
            int pred = hrac().GetTorpedo();
            fire_control(*svet);
            if (hrac().GetTorpedo() != pred) {
                kroky.push_back(s);
                int rura = -1;
                for (int i = 0; i < 4; i++)
                    if (hrac().GetNabijanie(i) == 0)
                        rura = i;
                rury.push_back(rura);
            }
            krok_hraca();
        }
    }
};

}  // namespace

TEST_F(FireControl, NothingHappensWithoutABufferedKey)
{
    clear_keybuf();
    key[KEY_F] = key[KEY_C] = key[KEY_X] = key[KEY_R] = key[KEY_E] = 1;
    hrac().SetPrebijanie(100);
    fire_control(*svet);
    EXPECT_EQ(svet->GetZacStrela1(), nullptr);
    EXPECT_EQ(svet->GetZacStrela2(), nullptr);
    EXPECT_EQ(svet->GetZacStrela4(), nullptr);
    EXPECT_EQ(svet->GetZacVybuch1(), nullptr);
    EXPECT_EQ(hrac().GetTorpedo(), 50);
    EXPECT_EQ(hrac().GetNavnada(), 100);
    for (int i = 0; i < 8; i++)
        EXPECT_EQ(hrac().GetNabijanie(i), hrac().GetPrebi(i)) << i;
}

TEST_F(FireControl, NoTorpedoInTheFirstHundredSteps)
{
    key[KEY_F] = 1;
    std::vector<int> kroky, rury;
    drz_f(1, 101, kroky, rury);
    ASSERT_EQ(kroky, std::vector<int>({101}));
    EXPECT_EQ(rury[0], 0);
    EXPECT_EQ(hrac().GetTorpedo(), 49);
}

TEST_F(FireControl, HeldFireEmptiesTubesInTurnAndRefillsAfterTheirChargeTime)
{
    key[KEY_F] = 1;
    std::vector<int> kroky, rury;
    drz_f(1, 1250, kroky, rury);
    // s = 101, the first step with Prebijanie at Reload.
    EXPECT_EQ(kroky, std::vector<int>({101, 201, 301, 401, 1101, 1201}));
    EXPECT_EQ(rury, std::vector<int>({0, 1, 2, 3, 0, 1}));
    EXPECT_EQ(hrac().GetTorpedo(), 44);
    EXPECT_EQ(dlzka(svet->GetZacStrela1()), 6);
}

TEST_F(FireControl, TorpedoLeavesFromTheBowWithBoostedTopSpeed)
{
    hrac().SetPrebijanie(100);
    hrac().SetPx(300);
    hrac().SetPy(400);
    hrac().SetVx(330.5);
    hrac().SetVy(420.25);
    hrac().SetSpeed(0.3);
    hrac().SetUhol(120);
    key[KEY_F] = 1;
    fire_control(*svet);
    Objekt *t = svet->GetZacStrela1();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->GetPx(), 330.5);
    EXPECT_EQ(t->GetPy(), 420.25);
    EXPECT_EQ(t->GetSpeed(), 0.3);
    EXPECT_EQ(t->GetMax_speed(), 0.5 * 1.2);
    EXPECT_EQ(t->GetUhol(), 120);
    EXPECT_EQ(t->GetHealth(), 1000);
    EXPECT_EQ(t->GetMax_health(), 1000);
    EXPECT_EQ(t->GetOtacanie(), 0.4);
    EXPECT_EQ(t->GetVybuch(), 50);
    EXPECT_EQ(hrac().GetPrebijanie(), 0);
    EXPECT_EQ(hrac().GetNabijanie(0), 0);
    EXPECT_EQ(hrac().GetNabijanie(1), 1000);
}

TEST_F(FireControl, TorpedoNeedsAFullTubeAndStock)
{
    key[KEY_F] = 1;
    hrac().SetPrebijanie(500);
    for (int i = 0; i < 4; i++)
        hrac().SetNabijanie(i, 999);
    fire_control(*svet);
    EXPECT_EQ(svet->GetZacStrela1(), nullptr);
    EXPECT_EQ(hrac().GetTorpedo(), 50);
    EXPECT_EQ(hrac().GetPrebijanie(), 500);

    // A later tube that is full fires even though the earlier ones are not.
    hrac().SetNabijanie(2, 1000);
    fire_control(*svet);
    EXPECT_EQ(hrac().GetNabijanie(2), 0);
    EXPECT_EQ(hrac().GetTorpedo(), 49);
}

TEST_F(FireControl, WithoutTorpedoesNoTubeIsEmptiedAndReloadCountsOn)
{
    hrac().SetTorpedo(0);
    key[KEY_F] = 1;
    std::vector<int> kroky, rury;
    drz_f(1, 300, kroky, rury);
    EXPECT_TRUE(kroky.empty());
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(hrac().GetNabijanie(i), 1000) << i;
    EXPECT_EQ(hrac().GetPrebijanie(), 300);
    EXPECT_EQ(svet->GetZacStrela1(), nullptr);
}

TEST_F(FireControl, GunFiresEveryFortyStepsWithoutLimit)
{
    key[KEY_C] = 1;
    std::vector<int> vystrely;
    for (int s = 1; s <= 400; s++) {
        int pred = dlzka(svet->GetZacStrela4());
        fire_control(*svet);
        if (dlzka(svet->GetZacStrela4()) != pred)
            vystrely.push_back(s);
        krok_hraca();
    }
    EXPECT_EQ(vystrely, std::vector<int>({1, 41, 81, 121, 161, 201, 241, 281, 321, 361}));
    Objekt *g = svet->GetZacStrela4();
    EXPECT_EQ(g->GetHealth(), 300);
    EXPECT_EQ(g->GetMax_health(), 300);
    EXPECT_EQ(g->GetOtacanie(), 0);
    EXPECT_EQ(g->GetVybuch(), 20);
    EXPECT_EQ(g->GetMax_speed(), 0.5);
}

TEST_F(FireControl, DecoyLeavesFromTheSternAtTheBoatsSpeed)
{
    hrac().SetPx(300);
    hrac().SetPy(400);
    hrac().SetVx(340);
    hrac().SetVy(430);
    hrac().SetSpeed(0.25);
    hrac().SetUhol(100);
    key[KEY_X] = 1;
    fire_control(*svet);
    Objekt *d = svet->GetZacStrela2();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->GetPx(), 160);  // 2 * 300 - 340 - 100
    EXPECT_EQ(d->GetPy(), 370);  // 2 * 400 - 430
    EXPECT_EQ(d->GetSpeed(), 0.25);
    EXPECT_EQ(d->GetMax_speed(), 0.25);
    EXPECT_EQ(d->GetUhol(), 100);
    EXPECT_EQ(d->GetHealth(), 1500);
    EXPECT_EQ(d->GetMax_health(), 1500);
    EXPECT_EQ(d->GetVybuch(), 1);
    EXPECT_EQ(hrac().GetNavnada(), 99);
    EXPECT_EQ(hrac().GetNabijanie(4), 0);

    // Not ready again until its 150 steps have passed.
    for (int s = 1; s < 150; s++) {
        krok_hraca();
        fire_control(*svet);
    }
    EXPECT_EQ(dlzka(svet->GetZacStrela2()), 1);
    krok_hraca();
    fire_control(*svet);
    EXPECT_EQ(dlzka(svet->GetZacStrela2()), 2);
}

TEST_F(FireControl, WithoutDecoysTheLauncherKeepsItsCharge)
{
    hrac().SetNavnada(0);
    key[KEY_X] = 1;
    fire_control(*svet);
    EXPECT_EQ(svet->GetZacStrela2(), nullptr);
    EXPECT_EQ(hrac().GetNabijanie(4), 150);
    EXPECT_EQ(hrac().GetNavnada(), 0);
}

TEST_F(FireControl, TorpedoGunAndDecoyInOneStepInThatOrder)
{
    hrac().SetPrebijanie(100);
    key[KEY_F] = key[KEY_C] = key[KEY_X] = 1;
    std::string pred = testing::internal::GetCapturedStdout();
    testing::internal::CaptureStdout();
    fire_control(*svet);
    std::string vystup = testing::internal::GetCapturedStdout();
    testing::internal::CaptureStdout();
    EXPECT_EQ(vystup, "Objekt 50  PRVY\n uspesne pridany \n"
                      "Objekt 53  PRVY\n uspesne pridany \n"
                      "Objekt 51  PRVY\n uspesne pridany \n");
}

TEST_F(FireControl, BlastLineLiesOnTheHeadingAheadOfTheBow)
{
    hrac().SetVx(200);
    hrac().SetVy(300);
    hrac().SetUhol(60);
    key[KEY_R] = 1;
    fire_control(*svet);
    EXPECT_EQ(hrac().GetNabijanie(5), 0);
    double h = 60 * 3.14159265 / 180;
    int k = 2;
    for (Objekt *v = svet->GetZacVybuch1(); v != nullptr; v = v->GetDalsia(), k++) {
        EXPECT_EQ(v->GetPx(), 200 + sin(h) * (50.0 * k)) << k;
        EXPECT_EQ(v->GetPy(), 300 + cos(h) * (50.0 * k)) << k;
        EXPECT_EQ(v->GetHealth(), 75);
        EXPECT_EQ(v->GetMax_health(), 75);
        EXPECT_EQ(v->GetSpeed(), 0);
        EXPECT_EQ(v->GetUhol(), 0);
        EXPECT_EQ(v->GetVybuch(), 0);
    }
    EXPECT_EQ(k, 20);  // 18 explosions, 100 to 950 ahead
    EXPECT_NEAR(posledny(svet->GetZacVybuch1())->GetPx(), 200 + 950 * sqrt(3) / 2, 1e-5);
}

TEST_F(FireControl, LargeBlastInTheMiddleOfTheView)
{
    key[KEY_E] = 1;
    fire_control(*svet);
    Objekt *v = svet->GetZacVybuch1();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->GetDalsia(), nullptr);
    EXPECT_EQ(v->GetPx(), 512);
    EXPECT_EQ(v->GetPy(), 384);
    EXPECT_EQ(v->GetHealth(), 400);
    EXPECT_EQ(v->GetMax_health(), 400);
    EXPECT_EQ(hrac().GetNabijanie(6), 0);
}

TEST_F(FireControl, BlastsAreReadyAtOnceThenAfterTheirLongChargeTimes)
{
    key[KEY_R] = key[KEY_E] = 1;
    std::vector<int> rad, velky;
    for (int s = 1; s <= 40001; s++) {
        int r = hrac().GetNabijanie(5), e = hrac().GetNabijanie(6);
        fire_control(*svet);
        if (hrac().GetNabijanie(5) < r)
            rad.push_back(s);
        if (hrac().GetNabijanie(6) < e)
            velky.push_back(s);
        krok_hraca();
    }
    EXPECT_EQ(rad, std::vector<int>({1, 10001, 20001, 30001, 40001}));
    EXPECT_EQ(velky, std::vector<int>({1, 40001}));
    EXPECT_EQ(dlzka(svet->GetZacVybuch1()), 5 * 18 + 2);
}
