#include <string>

#include <gtest/gtest.h>

#include "world/spravca.h"
#include "zoznamy.h"

namespace {

// Three torpedoes, one enemy and one explosion: every list kind but two in use.
class Zoznamy : public ::testing::Test {
protected:
    void SetUp() override
    {
        testing::internal::CaptureStdout();
        for (int i = 0; i < 3; i++)
            svet.Pridaj(TYP_STRELA1, 100 + i, 200, 0, 0, 90, 1000, 1000, 0.4, 50);
        svet.Pridaj(TYP_NEPR1, 900, 384, 0.3, 0.3, 270, 1500, 1500, 0.2, 100);
        svet.Pridaj(TYP_VYBUCH1, 10, 10, 0, 0, 0, 5, 5, 0, 0);
        testing::internal::GetCapturedStdout();
        a = svet.GetZacStrela1();
        b = a->GetDalsia();
        c = b->GetDalsia();
    }

    bool hlasi(const std::string &zoznam, const std::string &co)
    {
        std::string chyba = chyby_zoznamov(svet);
        return chyba.find(zoznam) == 0 && chyba.find(co) != std::string::npos;
    }

    Spravca svet;
    Objekt *a, *b, *c;
};

TEST_F(Zoznamy, SoundListsPassAndStaySoundThroughRemovals)
{
    EXPECT_EQ(chyby_zoznamov(svet), "");
    testing::internal::CaptureStdout();
    svet.Uber(TYP_STRELA1, b);
    EXPECT_EQ(chyby_zoznamov(svet), "");
    svet.Uber(TYP_STRELA1, a);
    svet.Uber(TYP_NEPR1, svet.GetZacNepr1());
    EXPECT_EQ(chyby_zoznamov(svet), "");
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(svet.GetZacNepr1(), nullptr);
}

TEST_F(Zoznamy, BrokenLinksAreNamedWithTheirListAndPosition)
{
    b->SetPredosla(c);
    EXPECT_TRUE(hlasi("torpedoes", "object 1 links back"));
    b->SetPredosla(a);

    a->SetPredosla(c);
    EXPECT_TRUE(hlasi("torpedoes", "head has a previous"));
    a->SetPredosla(nullptr);

    svet.SetKonStrela1(b);
    EXPECT_TRUE(hlasi("torpedoes", "tail has a next"));
    svet.SetKonStrela1(c);

    // The tail pointer names an object that is not at the end of the walk.
    b->SetDalsia(nullptr);
    EXPECT_TRUE(hlasi("torpedoes", "does not end at the tail"));
    b->SetDalsia(c);

    Objekt *nepriatel = svet.GetZacNepr1();
    svet.SetKonNepr1(nullptr);
    EXPECT_TRUE(hlasi("enemies", "disagree"));
    svet.SetKonNepr1(nepriatel);

    EXPECT_EQ(chyby_zoznamov(svet), "");
}

TEST_F(Zoznamy, AnObjectOfAnotherClassInAListIsFound)
{
    // The last torpedo linked after the enemy, as if added to the wrong list.
    Objekt *nepriatel = svet.GetZacNepr1();
    nepriatel->SetDalsia(c);
    c->SetPredosla(nepriatel);
    svet.SetKonNepr1(c);
    EXPECT_TRUE(hlasi("enemies", "object 1 is of another class")) << chyby_zoznamov(svet);
    nepriatel->SetDalsia(nullptr);
    c->SetPredosla(b);
    svet.SetKonNepr1(nepriatel);
    EXPECT_EQ(chyby_zoznamov(svet), "");
}

}  // namespace
