// Campaigns: the shipped file of the built-in campaign, and every kind of bad
// file the reader must refuse by name.
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "options/kody.h"
#include "simulation/kampan.h"
#include "simulation/kampan_citac.h"

namespace {

struct Vysledok {
    bool ok;
    Kampan kampan;
    ChybaKampane chyba;
};

// In these tests a briefing line fits when it has at most 30 bytes.
Vysledok precitaj(const std::string &text)
{
    std::istringstream vstup(text);
    Vysledok v;
    v.ok = citaj_kampan(vstup, "c.campaign", v.kampan, v.chyba,
                        [](const std::string &riadok) { return riadok.size() <= 30; });
    return v;
}

const std::string MISIA = "mission\n"
                          "before 1 2 3\n"
                          "text Ahoj\n"
                          "enemy 1024 384 0.3 0.3 270 1500 1500 0.2 100\n"
                          "after 4 5 6\n"
                          "text Hotovo\n";
const std::string ZACIATOK = "#!ponorka-campaign 1\nname Skuska\n";

}  // namespace

TEST(Campaign, TheShippedFileReadsToExactlyTheCompiledInCampaign)
{
    std::ifstream subor(std::string(PONORKA_SOURCE_DIR) + "/data/campaigns/ponorka.campaign", std::ios::binary);
    ASSERT_TRUE(subor);
    Kampan k;
    ChybaKampane chyba;
    ASSERT_TRUE(citaj_kampan(subor, "ponorka.campaign", k, chyba)) << chyba.sprava;
    const Kampan &v = vstavana_kampan();
    EXPECT_TRUE(rovnake(k, v));
    EXPECT_TRUE(je_vstavana(k));
    // Field by field as well, so a difference says where it is.
    EXPECT_EQ(k.meno, v.meno);
    ASSERT_EQ(k.misie.size(), 2u);
    for (size_t i = 0; i < 2; i++) {
        const MisiaKampane &a = k.misie[i], &b = v.misie[i];
        EXPECT_EQ(a.pred.text, b.pred.text) << "mission " << i + 1;
        EXPECT_EQ(a.po.text, b.po.text) << "mission " << i + 1;
        EXPECT_EQ(a.nepriatelia.size(), b.nepriatelia.size()) << "mission " << i + 1;
        EXPECT_TRUE(a.obchod && a.cena_torpeda == CENA_TORPEDA && a.cena_navnady == CENA_NAVNADY);
    }
    // The blank kept at the end of a line of the second message.
    EXPECT_NE(k.misie[0].po.text.find("vlada ta \nzasobovat"), std::string::npos);
}

TEST(Campaign, AMinimalCampaignReadsWithItsTextsByteForByte)
{
    Vysledok v = precitaj(ZACIATOK + "# a comment\n\nmission\nbefore 10 20 30\ntext  two blanks, one kept \ntext\n"
                                     "# a comment in a briefing\ntext\tafter a tab\nenemy 1 2 0 1e0 -90 1 2 0x1p1 0\n"
                                     "after 0 0 0\nshop 1 10000\r\n");
    ASSERT_TRUE(v.ok) << v.chyba.sprava;
    ASSERT_EQ(v.kampan.misie.size(), 1u);
    const MisiaKampane &m = v.kampan.misie[0];
    EXPECT_EQ(m.pred.r, 10);
    EXPECT_EQ(m.pred.b, 30);
    EXPECT_EQ(m.pred.text, " two blanks, one kept \n\nafter a tab");
    EXPECT_EQ(m.po.text, "");
    ASSERT_EQ(m.nepriatelia.size(), 1u);
    EXPECT_EQ(m.nepriatelia[0].max_speed, 1.0);
    EXPECT_EQ(m.nepriatelia[0].uhol, -90.0);
    EXPECT_EQ(m.nepriatelia[0].otacanie, 2.0);
    EXPECT_TRUE(m.obchod);
    EXPECT_EQ(m.cena_navnady, 10000);
    EXPECT_FALSE(je_vstavana(v.kampan));
    // The text as a demo carries it: LF line ends.
    EXPECT_EQ(v.kampan.text.substr(v.kampan.text.size() - 13), "shop 1 10000\n");
}

// Every bad file once: its exit code, and the file and line in the message.
TEST(Campaign, BadFilesAreNamedWithTheirLineAndCode)
{
    struct Pripad {
        std::string text;
        int kod;
        std::string sprava;
    };
    std::string misie21;
    for (int i = 0; i < 21; i++)
        misie21 += MISIA;
    std::string nepriatelia65;
    for (int i = 0; i < 65; i++)
        nepriatelia65 += "enemy 1024 384 0.3 0.3 270 1500 1500 0.2 100\n";
    const Pripad pripady[] = {
        {"", KOD_KAMPAN_PRAZDNA, "c.campaign:1: the file is empty"},
        {"name Skuska\n", KOD_KAMPAN_NIE_KAMPAN, "c.campaign:1: not a campaign"},
        {"\xEF\xBB\xBF" + ZACIATOK, KOD_KAMPAN_NIE_KAMPAN, "c.campaign:1: the file starts with a byte-order mark"},
        {ZACIATOK + MISIA + std::string("text a\0b\n", 9), KOD_KAMPAN_NIE_KAMPAN,
         "c.campaign:9: a control character (0x00) in column 7"},
        {"#!ponorka-campaign 2\n", KOD_KAMPAN_FORMAT, "c.campaign:1: campaign format 2, but this game plays format 1"},
        {ZACIATOK + MISIA + "boss 1 2 3\n", KOD_KAMPAN_SLOVO, "c.campaign:9: unknown keyword \"boss\""},
        {ZACIATOK + MISIA + "\ntext Neskoro\n", KOD_KAMPAN_SLOVO, "c.campaign:10: \"text\" outside a briefing"},
        {ZACIATOK + MISIA + "name Druhe\n", KOD_KAMPAN_SLOVO, "c.campaign:9: \"name\" comes before the first mission"},
        {ZACIATOK + "enemy 1 2 3 4 5 6 7 8 9\n", KOD_KAMPAN_SLOVO, "c.campaign:3: \"enemy\" before the first"},
        {ZACIATOK + MISIA + "before 1 2 3\n", KOD_KAMPAN_SLOVO, "c.campaign:9: a second \"before\" in mission 1"},
        {ZACIATOK + MISIA + "enemy 1 2 3\n", KOD_KAMPAN_POCET, "c.campaign:9: enemy takes 9 numbers, not 3"},
        {ZACIATOK + MISIA + "shop 50\n", KOD_KAMPAN_POCET, "c.campaign:9: shop takes 2 numbers, not 1"},
        {ZACIATOK + MISIA + "mission 2\n", KOD_KAMPAN_POCET, "c.campaign:9: \"mission\" takes no numbers"},
        {ZACIATOK + MISIA + "enemy 1024 384 pomaly 0.3 270 1500 1500 0.2 100\n", KOD_KAMPAN_CISLO,
         "c.campaign:9: SPEED \"pomaly\" is not a number"},
        {ZACIATOK + MISIA + "enemy 1024 384 0.3 0.3 270 1500.5 1500 0.2 100\n", KOD_KAMPAN_CISLO,
         "c.campaign:9: HEALTH \"1500.5\" is not a whole number"},
        {ZACIATOK + MISIA + "enemy 1024 384 nan 0.3 270 1500 1500 0.2 100\n", KOD_KAMPAN_CISLO,
         "c.campaign:9: SPEED \"nan\" is not a number"},
        {ZACIATOK + MISIA + "enemy 1024 384 0.3 0.3 270 0 1500 0.2 100\n", KOD_KAMPAN_CISLO,
         "c.campaign:9: HEALTH 0 is out of its range 1 to 1000000"},
        {ZACIATOK + MISIA + "shop 50 99999999999999999999\n", KOD_KAMPAN_CISLO,
         "c.campaign:9: DECOY_PRICE 99999999999999999999 is out of its range 1 to 10000"},
        {ZACIATOK + "mission\nbefore 1 2 256\n", KOD_KAMPAN_CISLO, "c.campaign:4: B 256 is out of its range 0 to 255"},
        {ZACIATOK + "mission\nbefore 1 2 3\nafter 1 2 3\n" + MISIA, KOD_KAMPAN_NEUPLNA,
         "c.campaign:3: mission 1 has no enemy"},
        {ZACIATOK + "mission\nenemy 1024 384 0.3 0.3 270 1500 1500 0.2 100\nafter 1 2 3\n", KOD_KAMPAN_NEUPLNA,
         "c.campaign:3: mission 1 has no \"before\" briefing"},
        {ZACIATOK, KOD_KAMPAN_NEUPLNA, "c.campaign:2: the campaign has no mission"},
        {"#!ponorka-campaign 1\n" + MISIA, KOD_KAMPAN_NEUPLNA, "c.campaign:2: the campaign has no name"},
        {ZACIATOK + misie21, KOD_KAMPAN_VELA, "c.campaign:123: more than 20 missions"},
        {ZACIATOK + MISIA + nepriatelia65, KOD_KAMPAN_VELA, "c.campaign:72: more than 64 enemies in mission 1"},
        {ZACIATOK + std::string(2u << 20, '#'), KOD_KAMPAN_DLHY_RIADOK, "c.campaign:3: line longer than 4096 bytes"},
        {"#!ponorka-campaign 1\nname " + std::string(101, 'N') + "\n", KOD_KAMPAN_DLHY_RIADOK,
         "c.campaign:2: the name is longer than 100 bytes"},
        {ZACIATOK + MISIA + "text Tento riadok spravy je prilis dlhy\n", KOD_KAMPAN_SIROKY_RIADOK,
         "c.campaign:9: the line \"Tento riadok spravy je prilis dlhy\" is too wide for the briefing column"},
    };
    for (const Pripad &p : pripady) {
        Vysledok v = precitaj(p.text);
        EXPECT_FALSE(v.ok) << p.sprava;
        EXPECT_EQ(v.chyba.kod, p.kod) << v.chyba.sprava;
        EXPECT_EQ(v.chyba.sprava.compare(0, p.sprava.size(), p.sprava), 0) << v.chyba.sprava;
    }
    // A whole file over 1 MiB of short lines.
    std::string dlhy = ZACIATOK;
    while (dlhy.size() <= KAMPAN_NAJVIAC_BAJTOV)
        dlhy += "# comment line of no importance\n";
    Vysledok v = precitaj(dlhy);
    EXPECT_EQ(v.chyba.kod, KOD_KAMPAN_VELA) << v.chyba.sprava;
}
