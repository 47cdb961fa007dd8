// The demo's pieces: the step-line codec, the state checksum, and the reader
// with every kind of bad file it must refuse by name.
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "demo/demo.h"
#include "demo/demo_priebeh.h"
#include "demo/demo_zapis.h"
#include "demo/kontrolny_sucet.h"
#include "demo/riadok_krokov.h"
#include "simulation/frame_loop.h"
#include "simulation/kampan_citac.h"
#include "support/allegro_env.h"
#include "world/spravca.h"

namespace {

std::string zapis(const Povel &p, long long pocet)
{
    char buf[128];
    size_t n = zapis_riadok_krokov(p, pocet, buf, sizeof buf);
    return std::string(buf, n);
}

ChybaRiadkuKrokov citaj(const std::string &text, RiadokKrokov &r, std::string &sprava)
{
    return citaj_riadok_krokov(text.data(), text.size(), r, &sprava);
}

struct Vysledok {
    bool ok;
    Demo demo;
    ChybaDema chyba;
};

Vysledok precitaj(const std::string &text)
{
    std::istringstream vstup(text);
    Vysledok v;
    v.ok = citaj_demo(vstup, "d.demo", v.demo, v.chyba);
    return v;
}

const std::string HLAVICKA = "#!ponorka-demo 1 1.0.0\n";
const std::string SUCET = "0123456789abcdef";

}  // namespace

TEST(DemoStepLine, EveryCommandReadsBackAsWritten)
{
    // Each key alone, all twelve together, with and without the keyboard buffer.
    for (unsigned klavesy = 0; klavesy <= (1u << POVEL_KLAVES); klavesy = klavesy ? klavesy << 1 : 1) {
        for (unsigned k : {klavesy, (1u << POVEL_KLAVES) - 1}) {
            for (bool buffer : {true, false}) {
                Povel p;
                p.klavesy = k & ((1u << POVEL_KLAVES) - 1);
                p.buffer = buffer;
                for (long long pocet : {1LL, 7LL, 1000000000LL}) {
                    std::string riadok = zapis(p, pocet);
                    RiadokKrokov r;
                    std::string sprava;
                    ASSERT_EQ(citaj(riadok, r, sprava), RIADOK_V_PORIADKU) << riadok << ": " << sprava;
                    EXPECT_EQ(r.povel, p) << riadok;
                    EXPECT_EQ(r.pocet, pocet) << riadok;
                }
            }
        }
    }
    Povel vsetko;
    vsetko.klavesy = (1u << POVEL_KLAVES) - 1;
    EXPECT_EQ(zapis(vsetko, 3), "F C X R E RIGHT LEFT S W UP DOWN SPACE NOBUF *3");
    EXPECT_EQ(zapis(Povel(), 1), "NOBUF");
    Povel nic;
    nic.buffer = true;
    EXPECT_EQ(zapis(nic, 1), "*1");
}

TEST(DemoStepLine, BadWordsAndCountsAreTold)
{
    RiadokKrokov r;
    std::string sprava;
    EXPECT_EQ(citaj("F ENTER", r, sprava), RIADOK_NEZNAMA_KLAVESA);
    EXPECT_EQ(sprava, "unknown key \"ENTER\"");
    EXPECT_EQ(citaj("F *1000000000000", r, sprava), RIADOK_ZLY_POCET);
    EXPECT_EQ(sprava, "bad repeat count \"*1000000000000\"");
    EXPECT_EQ(citaj("F *0", r, sprava), RIADOK_ZLY_POCET);
    EXPECT_EQ(sprava, "repeat count must be at least 1");
}

class DemoChecksum : public ::testing::Test {
protected:
    // A world with the boat moved and something in every list; the two
    // enemies the other way round when `obratene`.
    static void napln(Spravca &s, bool obratene = false)
    {
        s.GetHrac().SetPx(300.25);
        s.GetHrac().SetMoney(150);
        for (int i = 0; i < 2; i++) {
            if ((i == 0) != obratene)
                s.Pridaj(TYP_NEPR1, 900, 300, 0.3, 0.3, 270, 1500, 1500, 0.2, 100);
            else
                s.Pridaj(TYP_NEPR1, 950, 400, 1.0, 1.0, 270, 1000, 1000, 0.2, 50);
        }
        s.Pridaj(TYP_STRELA1, 400, 300, 1, 2, 90, 1000, 1000, 0.4, 50);
        s.Pridaj(TYP_STRELA2, 200, 300, 1, 1, 90, 300, 300, 0, 0);
        s.Pridaj(TYP_STRELA3, 800, 300, 1, 2, 270, 1000, 1000, 0.4, 50);
        s.Pridaj(TYP_STRELA4, 500, 300, 1, 3, 90, 300, 300, 0, 20);
    }
};

TEST_F(DemoChecksum, SameStateSameSumWhereverTheObjectsLie)
{
    Spravca a;
    napln(a);
    // A second world elsewhere in memory, with other drawing targets.
    Spravca *b = new Spravca;
    napln(*b);
    EXPECT_EQ(kontrolny_sucet(a), kontrolny_sucet(*b));
    a.GetZacNepr1()->SetBitmap(nullptr);
    EXPECT_EQ(kontrolny_sucet(a), kontrolny_sucet(*b));
    delete b;
}

TEST_F(DemoChecksum, OneBitOfAnyObjectOrTheOrderChangesIt)
{
    Spravca a;
    napln(a);
    const uint64_t povodny = kontrolny_sucet(a);

    Ponorka &h = a.GetHrac();
    h.SetPx(std::nextafter(h.GetPx(), 1e9));
    EXPECT_NE(kontrolny_sucet(a), povodny) << "the player's Px by its last bit";
    h.SetPx(300.25);
    h.SetNabijanie(7, h.GetNabijanie(7) + 1);
    EXPECT_NE(kontrolny_sucet(a), povodny) << "a weapon charge";
    h.SetNabijanie(7, h.GetNabijanie(7) - 1);
    ASSERT_EQ(kontrolny_sucet(a), povodny);

    Objekt *bullet = a.GetZacStrela4();
    bullet->SetUhol(std::nextafter(bullet->GetUhol(), 0.0));
    EXPECT_NE(kontrolny_sucet(a), povodny) << "the last object of the last list";
    bullet->SetUhol(90);
    ASSERT_EQ(kontrolny_sucet(a), povodny);

    // The same two enemies the other way round.
    Spravca b;
    napln(b, true);
    EXPECT_NE(kontrolny_sucet(b), povodny);

    uint64_t spat;
    std::string text = sucet_na_text(povodny);
    ASSERT_TRUE(sucet_z_textu(text.data(), text.size(), spat));
    EXPECT_EQ(spat, povodny);
}

TEST(DemoFile, WhatTheWriterWritesTheReaderReads)
{
    FILE *f = tmpfile();
    ASSERT_NE(f, nullptr);
    {
        ZapisDema z(f, "1.0.0");
        Povel vpred;
        vpred.klavesy = 1u << POVEL_RIGHT;
        vpred.buffer = true;
        Povel nic;
        nic.buffer = true;
        z.misia(1);
        for (int i = 0; i < 60; i++)
            z.krok(vpred);
        for (int i = 0; i < 40; i++)
            z.krok(nic);
        z.kontrola(100, 0x1234);
        z.krok(Povel());
        z.koniec_misie(1, 101, 0x99);
        z.obchod(1);
        z.nakup(POLOZKA_TORPEDO);
        z.nakup(POLOZKA_NAVNADA);
        z.koniec(101, 0xfeed);
        EXPECT_FALSE(z.chyba());
    }
    std::string text(4096, '\0');
    rewind(f);
    text.resize(fread(&text[0], 1, text.size(), f));
    fclose(f);
    EXPECT_EQ(text, "#!ponorka-demo 1 1.0.0\n#!mission 1\nRIGHT *60\n*40\n#!check 100 0000000000001234\nNOBUF\n"
                    "#!mission-end 1 101 0000000000000099\n#!shop 1\n#!buy torpedo\n#!buy decoy\n"
                    "#!end 101 000000000000feed\n");

    Vysledok v = precitaj(text);
    ASSERT_TRUE(v.ok) << v.chyba.sprava;
    EXPECT_TRUE(v.demo.ma_koniec);
    EXPECT_EQ(v.demo.verzia_hry, "1.0.0");
    ASSERT_EQ(v.demo.zaznamy.size(), 10u);
    EXPECT_EQ(v.demo.zaznamy[1].typ, ZAZNAM_KROKY);
    EXPECT_EQ(v.demo.zaznamy[1].pocet, 60);
    EXPECT_EQ(v.demo.zaznamy[3].sucet, 0x1234u);
    EXPECT_EQ(v.demo.zaznamy[4].povel, Povel());
    EXPECT_EQ(v.demo.zaznamy[8].polozka, POLOZKA_NAVNADA);
    EXPECT_EQ(v.demo.zaznamy[9].krok, 101);
    EXPECT_EQ(v.demo.zaznamy[9].riadok, 11);
}

TEST(DemoFile, AnotherGameVersionIsOnlyAWarning)
{
    Vysledok v = precitaj("#!ponorka-demo 1 0.9\n#!end 0 " + SUCET + "\n");
    ASSERT_TRUE(v.ok) << v.chyba.sprava;
    std::string varovanie = varovanie_verzie(v.demo, "1.0.0");
    EXPECT_NE(varovanie.find("0.9"), std::string::npos) << varovanie;
    EXPECT_NE(varovanie.find("1.0.0"), std::string::npos) << varovanie;
    EXPECT_EQ(varovanie_verzie(v.demo, "0.9"), "");
}

TEST(DemoFile, ACutOffLastLineIsDroppedAndTheDemoHasNoEnd)
{
    Vysledok v = precitaj(HLAVICKA + "#!mission 1\nRIGHT *57\nRIGHT *5");
    ASSERT_TRUE(v.ok) << v.chyba.sprava;
    EXPECT_FALSE(v.demo.ma_koniec);
    ASSERT_EQ(v.demo.zaznamy.size(), 2u);
    EXPECT_EQ(v.demo.zaznamy[1].pocet, 57);

    // A whole end line without its line end still counts.
    v = precitaj(HLAVICKA + "#!mission 1\nRIGHT *57\n#!end 57 " + SUCET);
    ASSERT_TRUE(v.ok) << v.chyba.sprava;
    EXPECT_TRUE(v.demo.ma_koniec);
}

TEST(DemoFile, AnEndLineCutAnywhereIsDroppedLikeAnyCutLine)
{
    const std::string pred = HLAVICKA + "#!mission 1\nRIGHT *57\n";
    const std::string koniec = "#!end 57 " + SUCET;
    for (size_t dlzka = 1; dlzka < koniec.size(); dlzka++) {
        Vysledok v = precitaj(pred + koniec.substr(0, dlzka));
        ASSERT_TRUE(v.ok) << dlzka << ": " << v.chyba.sprava;
        EXPECT_FALSE(v.demo.ma_koniec) << dlzka;
        EXPECT_EQ(v.demo.riadkov, 3) << dlzka << ": the message names the last whole line";
    }
}

TEST(DemoFile, ByteOrderMarksAndBinaryBytesAreNamedAsWhatTheyAre)
{
    Vysledok v = precitaj("\xEF\xBB\xBF" + HLAVICKA + "#!end 0 " + SUCET + "\n");
    EXPECT_FALSE(v.ok);
    EXPECT_EQ(v.chyba.kod, KOD_DEMO_NIE_DEMO);
    EXPECT_NE(v.chyba.sprava.find("d.demo:1: not a demo: the file starts with a byte-order mark"), std::string::npos)
        << v.chyba.sprava;

    v = precitaj(HLAVICKA + "#!mission 1\nF " + std::string("\x01\xff\"\\\0x", 6) + "\n");
    EXPECT_EQ(v.chyba.kod, KOD_DEMO_KLAVESA);
    EXPECT_EQ(v.chyba.sprava, "d.demo:3: unknown key \"\\x01\\xff\\\"\\\\\\x00x\"");
    EXPECT_EQ(citatelne("abc", 3, 2), "ab...");
}

TEST(DemoFile, NoFileIsReadWithoutEnd)
{
    // Short lines past the size limit, as a FIFO fed for ever would give them.
    std::string text = HLAVICKA + "#!mission 1\n";
    while (text.size() <= DEMO_NAJVACSI_SUBOR)
        text += "# a comment line that is never the last\n";
    Vysledok v = precitaj(text);
    EXPECT_FALSE(v.ok);
    EXPECT_EQ(v.chyba.kod, KOD_DEMO_DLHY_RIADOK);
    EXPECT_NE(v.chyba.sprava.find(": file longer than 16777216 bytes"), std::string::npos) << v.chyba.sprava;
    // Exactly at the limit it is read.
    text.resize(DEMO_NAJVACSI_SUBOR);
    text.back() = '\n';
    EXPECT_TRUE(precitaj(text).ok);
}

TEST(DemoFile, WhatIsReadAsADemoAndWhatAsAScript)
{
    EXPECT_TRUE(je_zaciatok_dema(""));
    EXPECT_TRUE(je_zaciatok_dema(HLAVICKA));
    EXPECT_TRUE(je_zaciatok_dema("\xEF\xBB\xBF" + HLAVICKA));
    // Cut inside the header: all there is, without a line end.
    EXPECT_TRUE(je_zaciatok_dema("#!ponorka-de"));
    EXPECT_FALSE(je_zaciatok_dema("#!ponorka-de\nF\n"));
    EXPECT_FALSE(je_zaciatok_dema("F C\n"));
    EXPECT_FALSE(je_zaciatok_dema("# a comment\n"));
}

// Every bad file once: its exit code, and the file and line in the message.
TEST(DemoFile, BadFilesAreNamedWithTheirLineAndCode)
{
    struct Pripad {
        std::string text;
        int kod;
        std::string sprava;
    };
    const Pripad pripady[] = {
        {"", KOD_DEMO_PRAZDNE, "d.demo:1: the file is empty"},
        {"F C X *100\n", KOD_DEMO_NIE_DEMO, "d.demo:1: not a demo"},
        {std::string("\x7f"
                     "ELF\x01\x00\x00",
                     7),
         KOD_DEMO_NIE_DEMO, "d.demo:1: not a demo"},
        // The header's word must end where the name ends.
        {"#!ponorka-demos 1 1.0.0\n", KOD_DEMO_NIE_DEMO, "d.demo:1: not a demo"},
        {"#!ponorka-demo 3 1.0.0\n", KOD_DEMO_FORMAT, "d.demo:1: demo format 3, but this game plays format 1"},
        {HLAVICKA + "#!mission 1\nF\n%$@garbage\n", KOD_DEMO_KLAVESA, "d.demo:4: unknown key \"%$@garbage\""},
        {HLAVICKA + "#!mission 1\nF\n#!jump 3\n", KOD_DEMO_ZLY_RIADOK, "d.demo:4: not a demo record"},
        {HLAVICKA + "#!mission 1\nF *3\n#!check 2 " + SUCET + "\n", KOD_DEMO_ZLY_RIADOK,
         "d.demo:4: record for step 2, but 3 steps come before it"},
        {HLAVICKA + "#!mission 2\n", KOD_DEMO_ZLY_RIADOK, "d.demo:2: mission 2 out of order"},
        {HLAVICKA + "F\n", KOD_DEMO_ZLY_RIADOK, "d.demo:2: steps outside a mission"},
        {HLAVICKA + "#!mission 1\nF *1000000000000\n", KOD_DEMO_POCET, "d.demo:3: bad repeat count"},
        {HLAVICKA + "#!mission 1\nF *600000000\nC *600000000\n", KOD_DEMO_POCET,
         "d.demo:4: demo is longer than 1000000000 steps"},
        {HLAVICKA + "#!mission 1\n" + std::string(1 << 20, 'F') + "\n", KOD_DEMO_DLHY_RIADOK,
         "d.demo:3: line longer than 4096 characters"},
    };
    for (const Pripad &p : pripady) {
        Vysledok v = precitaj(p.text);
        EXPECT_FALSE(v.ok) << p.sprava;
        EXPECT_EQ(v.chyba.kod, p.kod) << v.chyba.sprava;
        EXPECT_EQ(v.chyba.sprava.compare(0, p.sprava.size(), p.sprava), 0) << v.chyba.sprava;
    }
}

// A demo of format 2 and the campaign it carries: each trouble refused by its line.
TEST(DemoFile, ABadCampaignInADemoIsRefusedByItsLine)
{
    const std::string kampan = "#!ponorka-campaign 1\nname K\nmission\nbefore 1 2 3\n"
                               "enemy 1 2 0 0 0 1 1 0 0\nafter 1 2 3\n";
    auto demo = [](const std::string &text, const std::string &hashovany, const std::string &meno) {
        std::string d =
            "#!ponorka-demo 2 1.0.0\n#!campaign " + sucet_na_text(hash_kampane(hashovany)) + " " + meno + "\n";
        std::istringstream riadky(text);
        for (std::string r; std::getline(riadky, r);)
            d += "#!| " + r + "\n";
        return d;
    };
    const std::string bez_nepriatela = "#!ponorka-campaign 1\nname K\nmission\nbefore 1 2 3\nafter 1 2 3\n";
    struct Pripad {
        std::string text;
        std::string sprava;
    };
    const Pripad pripady[] = {
        {"#!ponorka-demo 2 1.0.0\n#!mission 1\n", "d.demo:2: a demo of format 2 names its campaign here"},
        {demo(kampan, kampan + "#\n", "K"), "d.demo:2: the campaign's text hashes to"},
        {demo(kampan, kampan, "L"), "d.demo:2: the header names the campaign \"L\", its text \"K\""},
        {demo(bez_nepriatela, bez_nepriatela, "K"), "d.demo:5: mission 1 has no enemy"},
        {demo(kampan, kampan, "K") + "#!mission 1\n*1\n#!mission-end 1 1 " + SUCET + "\n#!shop 1\n",
         "d.demo:12: shop 1 out of order"},
    };
    for (const Pripad &p : pripady) {
        Vysledok v = precitaj(p.text);
        EXPECT_FALSE(v.ok) << p.sprava;
        EXPECT_EQ(v.chyba.kod, KOD_DEMO_ZLY_RIADOK) << v.chyba.sprava;
        EXPECT_EQ(v.chyba.sprava.compare(0, p.sprava.size(), p.sprava), 0) << v.chyba.sprava;
    }
    // Without the shop it reads, the campaign's mission in place of the built-in ones.
    Vysledok v = precitaj(demo(kampan, kampan, "K") + "#!mission 1\n*1\n#!mission-end 1 1 " + SUCET + "\n#!end 1 " +
                          SUCET + "\n");
    ASSERT_TRUE(v.ok) << v.chyba.sprava;
    EXPECT_EQ(v.demo.kampan.meno, "K");
    EXPECT_EQ(v.demo.kampan.misie.size(), 1u);
}

// A campaign's line may be as long as a demo's line, so in a demo it goes past the
// limit by its prefix; no other line does, and a campaign line longer still is refused.
TEST(DemoFile, ACampaignLineGoesPastTheLineLimitByItsPrefixOnly)
{
    auto demo = [](size_t dlzka) {
        const std::string kampan = "#!ponorka-campaign 1\nname K\n" + std::string(1, '#') +
                                   std::string(dlzka - 1, 'x') +
                                   "\nmission\nbefore 1 2 3\n"
                                   "enemy 1 2 0 0 0 1 1 0 0\nafter 1 2 3\n";
        std::string d = "#!ponorka-demo 2 1.0.0\n#!campaign " + sucet_na_text(hash_kampane(kampan)) + " K\n";
        std::istringstream riadky(kampan);
        for (std::string r; std::getline(riadky, r);)
            d += "#!| " + r + "\n";
        return d + "#!mission 1\n*1\n#!mission-end 1 1 " + SUCET + "\n#!end 1 " + SUCET + "\n";
    };
    Vysledok v = precitaj(demo(DEMO_NAJDLHSI_RIADOK));
    EXPECT_TRUE(v.ok) << v.chyba.sprava;

    v = precitaj(demo(DEMO_NAJDLHSI_RIADOK + 1));
    EXPECT_FALSE(v.ok);
    EXPECT_EQ(v.chyba.kod, KOD_DEMO_DLHY_RIADOK);
    EXPECT_EQ(v.chyba.sprava, "d.demo:5: line longer than 4096 characters");

    v = precitaj(HLAVICKA + "# " + std::string(DEMO_NAJDLHSI_RIADOK - 1, 'x') + "\n");
    EXPECT_FALSE(v.ok);
    EXPECT_EQ(v.chyba.kod, KOD_DEMO_DLHY_RIADOK);
    EXPECT_EQ(v.chyba.sprava, "d.demo:2: line longer than 4096 characters");
}

// A shop on screen that buys other than the demo says: the desync names what
// the demo expected and what the shop really bought, item by item.
TEST(DemoPlayback, AShopThatBuysOtherwiseIsADesyncNamingBothItems)
{
    // The game's shop, standing in: it reports the purchases it is told to.
    struct Obchod : Priebeh {
        std::vector<Polozka> kupi;
        bool povel(Spravca &, Hra &, int, Povel &) override { return true; }
        bool briefing(Hra &, int, char *) override { return true; }
        bool obchod(Nakup &n) override
        {
            for (Polozka p : kupi)
                n.pozorovatel->kupene(p);
            return true;
        }
    };
    Demo demo;
    demo.meno = "d.demo";
    demo.riadkov = 8;
    Zaznam z{};
    z.typ = ZAZNAM_OBCHOD;
    z.riadok = 5;
    demo.zaznamy.push_back(z);
    z.typ = ZAZNAM_NAKUP;
    z.riadok = 6;
    z.polozka = POLOZKA_TORPEDO;
    demo.zaznamy.push_back(z);
    z.riadok = 7;
    z.polozka = POLOZKA_NAVNADA;
    demo.zaznamy.push_back(z);

    struct Pripad {
        std::vector<Polozka> kupi;
        std::string sprava;
    };
    const Pripad pripady[] = {
        {{POLOZKA_TORPEDO, POLOZKA_TORPEDO}, "d.demo:7: demo desync at step 0: expected a decoy bought, got a torpedo"},
        {{POLOZKA_TORPEDO}, "d.demo:7: demo desync at step 0: expected a decoy bought, got nothing"},
        {{POLOZKA_TORPEDO, POLOZKA_NAVNADA, POLOZKA_NAVNADA},
         "d.demo:8: demo desync at step 0: expected no more purchases, got a decoy"},
    };
    for (const Pripad &p : pripady) {
        Obchod obchod;
        obchod.kupi = p.kupi;
        PrehravanieDema prehravanie(demo, obchod, true);
        Nakup n{};
        EXPECT_FALSE(prehravanie.obchod(n)) << p.sprava;
        EXPECT_EQ(prehravanie.sprava(), p.sprava);
        EXPECT_EQ(prehravanie.kod(), KOD_DEMO_NESEDI);
        EXPECT_EQ(n.pozorovatel, nullptr);
    }
}

// A campaign whose last mission has no shop ends with that mission's second
// briefing: recorded, then played back with the screens, it shows both
// briefings and reaches the end line.
TEST(DemoPlayback, ACampaignWithoutALastShopShowsItsLastBriefing)
{
    // Sinks every enemy before each step and notes the briefings it shows.
    struct Hrac : Priebeh {
        std::vector<std::string> briefingy;
        bool povel(Spravca &svet, Hra &, int, Povel &) override
        {
            while (svet.GetZacNepr1() != nullptr)
                svet.Uber(TYP_NEPR1, svet.GetZacNepr1());
            return true;
        }
        bool briefing(Hra &, int, char *text) override
        {
            briefingy.push_back(text);
            return true;
        }
        bool obchod(Nakup &) override { return true; }
    };
    std::istringstream text("#!ponorka-campaign 1\nname Jedna\nmission\nbefore 1 2 3\ntext Pred\n"
                            "enemy 900 300 0 0 270 1 1 0 0\nafter 4 5 6\ntext Po\n");
    Kampan k;
    ChybaKampane chyba_kampane;
    ASSERT_TRUE(citaj_kampan(text, "j.campaign", k, chyba_kampane)) << chyba_kampane.sprava;

    testing::internal::CaptureStdout();
    FILE *f = tmpfile();
    ASSERT_NE(f, nullptr);
    {
        Spravca svet;
        Hra hra{};
        kedy_vykresli = ked_vykresli = 1;
        Hrac hrac;
        ZapisDema zapis(f, "1.0.0", k);
        NahravanieDema nahravanie(zapis, hrac);
        EXPECT_TRUE(hraj_kampan(svet, hra, nahravanie, k));
        nahravanie.dokonci(svet, hra);
    }
    std::string obsah;
    rewind(f);
    for (int c; (c = fgetc(f)) != EOF;)
        obsah += (char)c;
    fclose(f);
    Vysledok v = precitaj(obsah);
    ASSERT_TRUE(v.ok) << v.chyba.sprava;
    EXPECT_EQ(v.demo.format, DEMO_FORMAT_KAMPANE);

    Spravca svet;
    Hra hra{};
    kedy_vykresli = ked_vykresli = 1;
    Hrac hrac;
    PrehravanieDema prehravanie(v.demo, hrac, true);
    bool dohrane = hraj_kampan(svet, hra, prehravanie, v.demo.kampan);
    EXPECT_EQ(prehravanie.dohraj(svet, hra, dohrane), PrehravanieDema::DOHRANE) << prehravanie.sprava();
    kedy_vykresli = ked_vykresli = 1;
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(hrac.briefingy, (std::vector<std::string>{"Pred", "Po"}));
}
