#include <allegro.h>

#include <gtest/gtest.h>

#include "options/vazby.h"

TEST(Vazby, EveryKeyAndPadInputNameReadsBack)
{
    for (int k = 1; k < KEY_MAX; k++) {
        ASSERT_NE(meno_klavesy(k), nullptr) << k;
        EXPECT_EQ(klavesa_z_mena(meno_klavesy(k)), k) << meno_klavesy(k);
    }
    EXPECT_EQ(klavesa_z_mena("space"), KEY_SPACE) << "any case";
    EXPECT_EQ(klavesa_z_mena("F13"), 0);
    for (int v = 1; v < VSTUP_OS + 2 * PAD_OSI; v++) {
        if (je_tlacidlo(v) || je_os(v)) {
            EXPECT_EQ(vstup_z_mena(meno_vstupu(v)), v) << meno_vstupu(v);
        }
    }
    EXPECT_EQ(meno_vstupu(vstup_tlacidla(0)), "B1");
    EXPECT_EQ(meno_vstupu(vstup_osi(1, false)), "AXIS2-");
    for (const char *zle : {"B0", "B33", "B01", "AXIS1", "AXIS0+", "AXIS17-", "AXIS1*", "X1"})
        EXPECT_EQ(vstup_z_mena(zle), -1) << zle;
}

TEST(Vazby, AKeyInUseMovesAndTheLoserIsNamed)
{
    Vazby v = predvolene_vazby();
    EXPECT_EQ(prirad(v, KLAVESNICA, AKCIA_TORPEDO, 0, KEY_C), AKCIA_GULOMET);
    EXPECT_EQ(v.klavesy[AKCIA_TORPEDO][0], KEY_C);
    EXPECT_EQ(v.klavesy[AKCIA_GULOMET][0], 0) << "the gun goes without a key";
    EXPECT_EQ(akcia_vstupu(v, KLAVESNICA, KEY_F), -1) << "F is free";

    // Into the second place; then the first moves within the action.
    EXPECT_EQ(prirad(v, KLAVESNICA, AKCIA_TORPEDO, 1, KEY_G), -1);
    EXPECT_EQ(prirad(v, KLAVESNICA, AKCIA_TORPEDO, 1, KEY_C), AKCIA_TORPEDO);
    EXPECT_EQ(v.klavesy[AKCIA_TORPEDO][0], KEY_C) << "the first place is filled first";
    EXPECT_EQ(v.klavesy[AKCIA_TORPEDO][1], 0);

    // The pad's inputs are apart from the keys.
    EXPECT_EQ(prirad(v, PAD, AKCIA_PAUZA, 1, vstup_tlacidla(0)), AKCIA_TORPEDO);
    EXPECT_EQ(v.vstupy[AKCIA_TORPEDO][0], 0);

    int stratili[2 * MIESTA];
    EXPECT_EQ(obnov(v, AKCIA_TORPEDO, stratili), 1);
    EXPECT_EQ(stratili[0], AKCIA_PAUZA) << "B1 came back from the pause";
    EXPECT_EQ(v.klavesy[AKCIA_TORPEDO][0], KEY_F);
    EXPECT_EQ(v.vstupy[AKCIA_TORPEDO][0], vstup_tlacidla(0));
    EXPECT_EQ(v.vstupy[AKCIA_PAUZA][0], vstup_tlacidla(7)) << "the pause keeps its own";
    EXPECT_EQ(v.vstupy[AKCIA_PAUZA][1], 0);
    EXPECT_EQ(v.klavesy[AKCIA_GULOMET][0], 0) << "C stays free until the gun is restored";
    obnov(v, AKCIA_GULOMET, stratili);
    EXPECT_EQ(v, predvolene_vazby());
}

// The playback's keys act only while a demo plays, when the simulation's are
// not read: those two share keys freely, and either clashes with the pause.
TEST(Vazby, PlaybackKeysShareKeysWithTheSimulationButNotWithThePause)
{
    Vazby v = predvolene_vazby();
    EXPECT_EQ(v.klavesy[AKCIA_DOZADU][0], KEY_LEFT);
    EXPECT_EQ(v.klavesy[AKCIA_VLAVO][0], KEY_LEFT);
    EXPECT_EQ(prirad(v, KLAVESNICA, AKCIA_KROK, 0, KEY_F), -1);
    EXPECT_EQ(v.klavesy[AKCIA_TORPEDO][0], KEY_F) << "the torpedo keeps F";
    EXPECT_EQ(prirad(v, KLAVESNICA, AKCIA_DOPREDU, 0, KEY_P), AKCIA_PAUZA);
    EXPECT_EQ(v.klavesy[AKCIA_PAUZA][0], 0);
    EXPECT_EQ(prirad(v, KLAVESNICA, AKCIA_TORPEDO, 0, KEY_HOME), -1);
    EXPECT_EQ(v.klavesy[AKCIA_NA_ZACIATOK][0], KEY_HOME);
    int stratili[2 * MIESTA];
    EXPECT_EQ(obnov(v, AKCIA_KROK, stratili), 0) << "SPACE back from nobody it clashes with";
    EXPECT_EQ(v.klavesy[AKCIA_OTOC][0], KEY_SPACE);
}
