// The language from the locale and over it, with the build's catalogues.
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "platform/preklad.h"

namespace {

const std::string KATALOGY = std::string(PONORKA_RUN_DIR) + "/locale";

// Each test names the locale it plays in; none of it stays for the next.
class Preklad : public ::testing::Test {
protected:
    void SetUp() override { Prostredie({}); }
    void TearDown() override
    {
        nastav_jazyk("");
        Prostredie({});
        setlocale(LC_ALL, "C");
    }
    static void Prostredie(std::initializer_list<std::pair<const char *, const char *>> premenne)
    {
        for (const char *p : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LANG"})
            unsetenv(p);
        for (auto [meno, hodnota] : premenne)
            setenv(meno, hodnota, 1);
    }
    static std::string Cislo(double d)
    {
        char s[32];
        snprintf(s, sizeof s, "%.1f", d);
        return s;
    }
};

TEST_F(Preklad, TheCLocaleShowsTheGamesOwnTextWhateverLanguageAsks)
{
    Prostredie({{"LANG", "C"}, {"LANGUAGE", "en"}});
    zacni_preklad(KATALOGY.c_str());
    EXPECT_STREQ(preloz("PAUZA"), "PAUZA");
    Prostredie({{"LC_ALL", "POSIX"}, {"LANGUAGE", "en"}});
    zacni_preklad(KATALOGY.c_str());
    EXPECT_STREQ(preloz("PAUZA"), "PAUZA");
}

TEST_F(Preklad, ALocaleAskingForEnglishGetsItAndATextWithoutTranslationStays)
{
    Prostredie({{"LC_ALL", "C.UTF-8"}, {"LANGUAGE", "en"}});
    zacni_preklad(KATALOGY.c_str());
    EXPECT_STREQ(preloz("PAUZA"), "PAUSE");
    EXPECT_STREQ(preloz("Torpedo kupene"), "Torpedo kupene");
    Prostredie({{"LC_ALL", "C.UTF-8"}, {"LANGUAGE", "de:sk"}});
    zacni_preklad(KATALOGY.c_str());
    EXPECT_STREQ(preloz("PAUZA"), "PAUZA") << "no catalogue for either: Slovak";
}

TEST_F(Preklad, LangChoosesOverTheCLocaleAndSlovakOrNoCatalogueShowsTheGamesText)
{
    Prostredie({{"LANG", "C"}});
    zacni_preklad(KATALOGY.c_str());
    ASSERT_TRUE(nastav_jazyk("en"));
    EXPECT_STREQ(preloz("PAUZA"), "PAUSE");
    for (const char *kod : {"sk", "sk_SK.UTF-8", "de", "C", "POSIX"}) {
        ASSERT_TRUE(nastav_jazyk(kod)) << kod;
        EXPECT_STREQ(preloz("PAUZA"), "PAUZA") << kod;
    }
    ASSERT_TRUE(nastav_jazyk("en_GB"));
    EXPECT_STREQ(preloz("PAUZA"), "PAUSE") << "a country's English falls back on English";
    ASSERT_TRUE(nastav_jazyk(""));
    EXPECT_STREQ(preloz("PAUZA"), "PAUZA") << "back to the C locale";
}

TEST_F(Preklad, LangSkOverALocaleAskingForEnglishAndThePlayersLanguageGivenBack)
{
    Prostredie({{"LC_ALL", "C.UTF-8"}, {"LANGUAGE", "en"}});
    nastav_jazyk("sk");  // before the start, as the command line comes first
    zacni_preklad(KATALOGY.c_str());
    EXPECT_STREQ(preloz("PAUZA"), "PAUZA");
    nastav_jazyk("");
    EXPECT_STREQ(preloz("PAUZA"), "PAUSE");
    ASSERT_NE(getenv("LANGUAGE"), nullptr);
    EXPECT_STREQ(getenv("LANGUAGE"), "en");
}

TEST_F(Preklad, AMalformedCodeIsRefusedAndChangesNothing)
{
    Prostredie({{"LANG", "C"}});
    zacni_preklad(KATALOGY.c_str());
    ASSERT_TRUE(nastav_jazyk("en"));
    for (const char *kod : {"../en", "en/..", "/tmp", "-en", "1en", "en sk", "en:sk", "en\n",
                            "abcdefghijklmnopqrstuvwxyzabcdefg", "\xc3\xa9n"}) {
        EXPECT_FALSE(nastav_jazyk(kod)) << kod;
        EXPECT_STREQ(preloz("PAUZA"), "PAUSE") << kod;
    }
    EXPECT_FALSE(nastav_jazyk(nullptr));
    EXPECT_TRUE(nastav_jazyk("abcdefghijklmnopqrstuvwxyzabcdef")) << "32 characters";
}

// Allegro's X11 keyboard sets the whole locale from the environment, as this does.
TEST_F(Preklad, AfterTheWholeLocaleWasSetTheChosenLanguageComesBack)
{
    Prostredie({{"LANG", "C"}});
    zacni_preklad(KATALOGY.c_str());
    nastav_jazyk("en");
    setlocale(LC_ALL, "");
    EXPECT_STREQ(preloz("PAUZA"), "PAUZA") << "the C locale again hides LANGUAGE";
    obnov_jazyk_a_cisla();
    EXPECT_STREQ(preloz("PAUZA"), "PAUSE");
}

TEST_F(Preklad, AfterTheWholeLocaleWasSetTheNumbersKeepTheirPoint)
{
    if (setlocale(LC_NUMERIC, "sk_SK.UTF-8") == nullptr)
        GTEST_SKIP() << "no sk_SK.UTF-8 locale here (scripts/setup.sh generates it)";
    setlocale(LC_NUMERIC, "C");
    Prostredie({{"LC_ALL", "sk_SK.UTF-8"}});
    zacni_preklad(KATALOGY.c_str());
    EXPECT_EQ(Cislo(1.5), "1.5") << "the start sets the messages only";
    setlocale(LC_ALL, "");
    EXPECT_EQ(Cislo(1.5), "1,5");
    obnov_jazyk_a_cisla();
    EXPECT_EQ(Cislo(1.5), "1.5");
    EXPECT_STREQ(preloz("PAUZA"), "PAUZA") << "Slovak has no catalogue: the game's own text";
}

}  // namespace
