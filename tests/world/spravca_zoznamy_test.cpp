#include <map>
#include <random>

#include "objects/nepriatelia.h"
#include "objects/strela.h"
#include "objects/vybuch.h"
#include "world/svet_pomoc.h"

TEST_F(SvetTest, NewManagerHasEmptyListsAndAWorldBitmapThePlayerDrawsInto)
{
    for (Objekt *o : vsetky_konce(*svet))
        EXPECT_EQ(o, nullptr);
    ASSERT_NE(svet->Svet, nullptr);
    EXPECT_EQ(svet->Svet->w, 1024);
    EXPECT_EQ(svet->Svet->h, 768);
    EXPECT_EQ(svet->GetSvet(), svet->Svet);
    EXPECT_EQ(&svet->GetHrac(), &svet->Hrac);

    clear_to_color(svet->Svet, 0);
    svet->Hrac.Nakresli();
    EXPECT_TRUE(pixel_is(svet->Svet, 100, 384, FARBA_HRAC_VPRAVO));
}

TEST_F(SvetTest, AddingPrintsLabelAndPositionAndLinksAtTheTail)
{
    testing::internal::CaptureStdout();
    svet->Pridaj(TYP_NEPR1, 10, 20, 0.3, 0.4, 270, 1500, 1600, 0.2, 100);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Objekt 1  PRVY\n uspesne pridany \n");
    Objekt *prvy = svet->GetZacNepr1();
    ASSERT_NE(prvy, nullptr);
    EXPECT_EQ(svet->GetKonNepr1(), prvy);
    EXPECT_EQ(prvy->GetDalsia(), nullptr);
    EXPECT_EQ(prvy->GetPredosla(), nullptr);
    EXPECT_NE(dynamic_cast<Nepr1 *>(prvy), nullptr);

    // Every argument is stored unchanged; the class keeps its own defaults.
    EXPECT_EQ(prvy->GetPx(), 10);
    EXPECT_EQ(prvy->GetPy(), 20);
    EXPECT_EQ(prvy->GetSpeed(), 0.3);
    EXPECT_EQ(prvy->GetMax_speed(), 0.4);
    EXPECT_EQ(prvy->GetUhol(), 270);
    EXPECT_EQ(prvy->GetHealth(), 1500);
    EXPECT_EQ(prvy->GetMax_health(), 1600);
    EXPECT_EQ(prvy->GetOtacanie(), 0.2);
    EXPECT_EQ(prvy->GetVybuch(), 100);
    EXPECT_EQ(prvy->GetReload(), 500);

    testing::internal::CaptureStdout();
    svet->Pridaj(TYP_NEPR1, 30, 40, -1, 9, 725, -5, 0, 0, 7);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Objekt 1  INY\n uspesne pridany \n");
    Objekt *druhy = svet->GetKonNepr1();
    EXPECT_EQ(svet->GetZacNepr1(), prvy);
    EXPECT_EQ(prvy->GetDalsia(), druhy);
    EXPECT_EQ(druhy->GetPredosla(), prvy);
    EXPECT_EQ(druhy->GetDalsia(), nullptr);
    EXPECT_EQ(druhy->GetUhol(), 725);
    EXPECT_EQ(druhy->GetHealth(), -5);
    EXPECT_EQ(druhy->GetSpeed(), -1);
}

TEST_F(SvetTest, EachCodeMakesItsOwnClassInItsOwnList)
{
    for (int kod : {TYP_STRELA1, TYP_STRELA2, TYP_STRELA3, TYP_STRELA4, TYP_VYBUCH1}) {
        testing::internal::CaptureStdout();
        svet->Pridaj(kod, 500, 300, 0, 0, 0, 1, 1, 0, 1);
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  "Objekt " + std::to_string(kod) + "  PRVY\n uspesne pridany \n");
    }
    EXPECT_NE(dynamic_cast<Strela1 *>(svet->GetZacStrela1()), nullptr);
    EXPECT_NE(dynamic_cast<Strela2 *>(svet->GetZacStrela2()), nullptr);
    EXPECT_NE(dynamic_cast<Strela3 *>(svet->GetZacStrela3()), nullptr);
    EXPECT_NE(dynamic_cast<Strela4 *>(svet->GetZacStrela4()), nullptr);
    EXPECT_NE(dynamic_cast<Vybuch1 *>(svet->GetZacVybuch1()), nullptr);
    EXPECT_EQ(svet->GetZacNepr1(), nullptr);
    for (int kod : {TYP_STRELA1, TYP_STRELA2, TYP_STRELA3, TYP_STRELA4, TYP_VYBUCH1})
        EXPECT_EQ(zoznam(*svet, kod).size(), 1u) << kod;
    EXPECT_EQ(svet->GetZacStrela1()->GetReload(), 2000);
    EXPECT_EQ(svet->GetZacStrela1()->GetZrychlenie(), 0.01);
}

TEST_F(SvetTest, UnknownCodesCreateNothing)
{
    pridaj(TYP_NEPR1, 500, 300);
    pridaj(TYP_STRELA4, 500, 300);
    std::vector<Objekt *> pred = vsetky_konce(*svet);
    for (int kod : {0, 2, 54, -1, 199}) {
        testing::internal::CaptureStdout();
        svet->Pridaj(kod, 1, 2, 0, 0, 0, 1, 1, 0, 1);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "Zadal si objekt, ktory neexistuje vo funkcii pridaj\n");
        EXPECT_EQ(vsetky_konce(*svet), pred) << kod;
    }
}

TEST_F(SvetTest, RemovalLinesForEveryPosition)
{
    Objekt *a = pridaj(TYP_STRELA1, 500, 300);
    Objekt *b = pridaj(TYP_STRELA1, 510, 300);
    Objekt *c = pridaj(TYP_STRELA1, 520, 300);

    testing::internal::CaptureStdout();
    svet->Uber(TYP_STRELA1, b);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Objekt 200  PRVY\n uspesne pridany \npo1po211 Uber 50\n");
    EXPECT_EQ(zoznam(*svet, TYP_STRELA1), (std::vector<Objekt *>{a, c}));
    EXPECT_EQ(c->GetPredosla(), a);

    testing::internal::CaptureStdout();
    svet->Uber(TYP_STRELA1, a);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Objekt 200  INY\n uspesne pridany \npo201 Uber 50\n");
    EXPECT_EQ(svet->GetZacStrela1(), c);
    EXPECT_EQ(svet->GetKonStrela1(), c);
    EXPECT_EQ(c->GetPredosla(), nullptr);
    EXPECT_EQ(c->GetDalsia(), nullptr);

    Objekt *d = pridaj(TYP_STRELA1, 530, 300);
    testing::internal::CaptureStdout();
    svet->Uber(TYP_STRELA1, d);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Objekt 200  INY\n uspesne pridany \npo110 Uber 50\n");
    EXPECT_EQ(svet->GetZacStrela1(), c);
    EXPECT_EQ(svet->GetKonStrela1(), c);
    EXPECT_EQ(c->GetDalsia(), nullptr);

    testing::internal::CaptureStdout();
    svet->Uber(TYP_STRELA1, c);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Objekt 200  INY\n uspesne pridany \n00 Uber 50\n");
    EXPECT_EQ(svet->GetZacStrela1(), nullptr);
    EXPECT_EQ(svet->GetKonStrela1(), nullptr);

    // The emptied list starts again from the first object.
    testing::internal::CaptureStdout();
    svet->Pridaj(TYP_STRELA1, 1, 1, 0, 0, 0, 1, 1, 0, 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Objekt 50  PRVY\n uspesne pridany \n");

    // An explosion leaves no explosion behind.
    Objekt *v = svet->GetZacVybuch1();
    size_t vybuchov = zoznam(*svet, TYP_VYBUCH1).size();
    testing::internal::CaptureStdout();
    svet->Uber(TYP_VYBUCH1, v);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "po201 Uber 200\n");
    EXPECT_EQ(zoznam(*svet, TYP_VYBUCH1).size(), vybuchov - 1);
}

TEST_F(SvetTest, RemovingNothingOrAStrangerChangesNothing)
{
    Objekt *n = pridaj(TYP_NEPR1, 500, 300);
    Objekt *t = pridaj(TYP_STRELA1, 600, 300);
    std::vector<Objekt *> pred = vsetky_konce(*svet);

    testing::internal::CaptureStdout();
    svet->Uber(TYP_STRELA3, nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Nepokusaj sa vymazat Objekt typu 52 ktory nie je\n");
    EXPECT_EQ(vsetky_konce(*svet), pred);

    // Wrong list and unknown code: reported on stderr, nothing spawned or paid.
    for (int kod : {(int)TYP_STRELA1, 2, 0}) {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        svet->Uber(kod, n);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << kod;
        EXPECT_NE(testing::internal::GetCapturedStderr(), "") << kod;
        EXPECT_EQ(vsetky_konce(*svet), pred) << kod;
    }
    EXPECT_EQ(svet->Hrac.GetMoney(), 0);
    EXPECT_EQ(n->GetPredosla(), nullptr);
    EXPECT_EQ(t->GetDalsia(), nullptr);
}

TEST_F(SvetTest, ListsStayConsistentThroughManyAddsAndRemovals)
{
    std::mt19937 nahoda(20240611);
    std::map<int, std::vector<Objekt *>> ocakavane;
    int potopene = 0;
    for (int kolo = 0; kolo < 3000; kolo++) {
        int kod = KODY[nahoda() % 6];
        std::vector<Objekt *> &zoz = ocakavane[kod];
        if (zoz.empty() || nahoda() % 5 < 3) {
            // Far apart and tiny blasts: nothing here is meant to hurt.
            zoz.push_back(pridaj(kod, nahoda() % 1000, nahoda() % 700, 10, 1, 1));
        } else {
            size_t kde = nahoda() % zoz.size();
            if (nahoda() % 3 == 0)
                kde = nahoda() % 2 ? 0 : zoz.size() - 1;
            uber(kod, zoz[kde]);
            zoz.erase(zoz.begin() + kde);
            if (kod != TYP_VYBUCH1)
                ocakavane[200].push_back(svet->GetKonVybuch1());
            if (kod == TYP_NEPR1)
                potopene++;
        }
        for (int k : KODY) {
            const std::vector<Objekt *> &chcem = ocakavane[k];
            Objekt *zac = hlava(*svet, k);
            Objekt *kon = chvost(*svet, k);
            ASSERT_EQ(zac == nullptr, kon == nullptr) << kolo;
            if (zac) {
                ASSERT_EQ(zac->GetPredosla(), nullptr) << kolo;
                ASSERT_EQ(kon->GetDalsia(), nullptr) << kolo;
            }
            std::vector<Objekt *> naozaj;
            Objekt *predosla = nullptr;
            for (Objekt *o = zac; o; o = o->GetDalsia()) {
                ASSERT_EQ(o->GetPredosla(), predosla) << kolo;
                naozaj.push_back(o);
                predosla = o;
            }
            ASSERT_EQ(predosla, kon) << kolo;
            ASSERT_EQ(naozaj, chcem) << "kod " << k << " kolo " << kolo;
        }
    }
    // Only enemies pay, 100 each.
    EXPECT_GT(potopene, 0);
    EXPECT_EQ(svet->Hrac.GetMoney(), 100 * potopene);
}

TEST(SpravcaZanik, DestructorReleasesEverythingSilently)
{
    vloz_testovacie_obrazky();
    ZiveBitmapy bitmapy;
    testing::internal::CaptureStdout();
    Spravca *svet = new Spravca;
    for (int kod : KODY)
        for (int i = 0; i < 3; i++)
            svet->Pridaj(kod, 100 + 200 * i, 300, 0.1, 0.5, 90, 50, 1, 0.1, 5);
    testing::internal::GetCapturedStdout();
    for (int kod : KODY)
        ASSERT_EQ(zoznam(*svet, kod).size(), 3u) << kod;
    // An object releases its own image, so with one image each, every object
    // deleted shows as its image destroyed.
    for (int kod : KODY)
        for (Objekt *o : zoznam(*svet, kod))
            if (!o->GetObrazok())
                o->SetObrazok(create_bitmap(1, 1));
    ASSERT_EQ(bitmapy.pocet(), 2 + 18) << "the world bitmap, the boat's image and one per object";

    testing::internal::CaptureStdout();
    delete svet;
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(bitmapy.pocet(), 0);
}
