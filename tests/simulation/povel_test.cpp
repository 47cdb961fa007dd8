#include <gtest/gtest.h>

#include "objects/obrazky.h"
#include "objects/povel.h"
#include "simulation/fire_control.h"
#include "support/allegro_env.h"
#include "world/spravca.h"

namespace {

// The live keyboard says one thing, the step command another: the step
// obeys the command, and without one in force the live state counts again.
class StepCommand : public ::testing::Test {
protected:
    Spravca *svet = nullptr;

    void SetUp() override
    {
        release_all_keys();
        clear_keybuf();
        testing::internal::CaptureStdout();
        svet = new Spravca();
        for (int i = 0; i < 4; i++)
            svet->GetHrac().SetNabijanie(i, svet->GetHrac().GetPrebi(i));
        svet->GetHrac().SetPrebijanie(svet->GetHrac().GetReload());
    }
    void TearDown() override
    {
        nastav_povel(nullptr);
        delete svet;
        obrazky_vycisti();
        testing::internal::GetCapturedStdout();
        release_all_keys();
        clear_keybuf();
    }
};

}  // namespace

TEST_F(StepCommand, FireControlReadsTheCommandInForce)
{
    key[KEY_F] = 1;
    simulate_keypress((KEY_ENTER << 8) | '\r');
    int torpeda = svet->GetHrac().GetTorpedo();

    Povel nic;
    nic.buffer = true;
    nastav_povel(&nic);
    fire_control(*svet);
    EXPECT_EQ(svet->GetHrac().GetTorpedo(), torpeda) << "F held live but not in the command";

    Povel f = nic;
    povel_drz(f, KEY_F);
    f.buffer = false;
    nastav_povel(&f);
    fire_control(*svet);
    EXPECT_EQ(svet->GetHrac().GetTorpedo(), torpeda) << "an empty buffer in the command holds fire";

    nastav_povel(nullptr);
    fire_control(*svet);
    EXPECT_EQ(svet->GetHrac().GetTorpedo(), torpeda - 1) << "no command: the live keyboard fires";
}

TEST_F(StepCommand, TheBoatSteersByTheCommand)
{
    Ponorka &hrac = svet->GetHrac();
    double speed = hrac.GetSpeed();
    Povel p;
    povel_drz(p, KEY_RIGHT);
    povel_drz(p, KEY_ENTER);  // not a key of the simulation: ignored
    p.buffer = true;
    EXPECT_EQ(p.klavesy, 1u << POVEL_RIGHT);
    nastav_povel(&p);
    hrac.Ovladanie();
    EXPECT_GT(hrac.GetSpeed(), speed);
}

TEST(StepCommandSnapshot, TakesEveryKeyAndTheBuffer)
{
    release_all_keys();
    clear_keybuf();
    EXPECT_EQ(povel_z_allegra(), Povel{});
    for (const MenoKlavesy &k : KLAVESY_POVELU)
        key[k.scancode] = 1;
    simulate_keypress((KEY_ENTER << 8) | '\r');
    Povel p = povel_z_allegra();
    EXPECT_EQ(p.klavesy, (1u << POVEL_KLAVES) - 1);
    EXPECT_TRUE(p.buffer);
    release_all_keys();
    clear_keybuf();
}
