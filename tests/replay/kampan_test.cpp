// Campaigns through the replay tool: the built-in campaign's file plays the
// golden run, the second shipped campaign plays to its end, and a demo of a
// campaign plays back elsewhere without the campaign's file.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "beh.h"

namespace fs = std::filesystem;

namespace {

std::string golden(const std::string &meno)
{
    return std::string(PONORKA_SOURCE_DIR) + "/tests/replay/golden/" + meno;
}

std::string kampan(const std::string &meno)
{
    return std::string(PONORKA_SOURCE_DIR) + "/data/campaigns/" + meno;
}

// The trace the last run of this test wrote.
std::string stopa_behu()
{
    return obsah(subor_testu(".trace"));
}

// A folder of this test's own, removed with the object.
struct Priecinok {
    fs::path cesta;
    Priecinok()
    {
        char sablona[] = "/tmp/ponorka-campaign-XXXXXX";
        cesta = mkdtemp(sablona);
    }
    ~Priecinok() { fs::remove_all(cesta); }
};

const char *const SKRIPT_TRI_NOCI = "# Fire everything, all the time.\nF C X *20000\n";

}  // namespace

TEST(ReplayCampaign, TheBuiltInCampaignsFileWritesTheGoldenTraceByteForByte)
{
    Beh b = spusti("--campaign '" + kampan("ponorka.campaign") + "' --buy 1,5 --max-steps 8000", golden("long.txt"));
    ASSERT_EQ(b.stav, 0) << b.chyby;
    EXPECT_EQ(b.chyby, "");
    EXPECT_TRUE(stopa_behu() == obsah(golden("long.trace"))) << "the trace differs from the golden trace";
    EXPECT_EQ(b.vystup, obsah(golden("long.out")));
}

TEST(ReplayCampaign, TheSecondCampaignPlaysToItsEndWithAShortScript)
{
    // Named as a player names it: one of data/campaigns/, without its extension.
    Beh b = spusti("--campaign tri_noci --buy 2,0 --buy 0,10", docasny_skript(SKRIPT_TRI_NOCI));
    ASSERT_EQ(b.stav, 0) << b.chyby;
    ASSERT_FALSE(b.stopa.empty()) << b.chyba_stopy;
    const Json &posledny = b.stopa.back();
    EXPECT_EQ(posledny["mission"].cele(), 3);
    EXPECT_EQ(posledny["lists"][0].size(), 0u) << "enemies left after the last mission";
    // Eleven enemies at 100 each; two torpedoes at the first shop's 40, ten
    // decoys at the second shop's 5.
    EXPECT_EQ(posledny["player"]["Money"].cele(), 11 * 100 - 2 * 40 - 10 * 5);
}

TEST(ReplayCampaign, ARecordedDemoPlaysBackElsewhereWithoutTheCampaignsFile)
{
    Priecinok hrac;
    fs::path subor = hrac.cesta / "moja.campaign";
    fs::copy_file(kampan("tri_noci.campaign"), subor);
    fs::path demo = hrac.cesta / "tri_noci.demo";
    Beh nahravka = spusti("--record '" + demo.string() + "' --campaign '" + subor.string() + "' --buy 2,0",
                          docasny_skript(SKRIPT_TRI_NOCI));
    ASSERT_EQ(nahravka.stav, 0) << nahravka.chyby;
    std::string text = obsah(demo.string());
    EXPECT_EQ(text.compare(0, 17, "#!ponorka-demo 2 "), 0) << text.substr(0, 80);
    size_t druhy = text.find('\n') + 1;
    EXPECT_EQ(text.compare(druhy, 11, "#!campaign "), 0) << text.substr(druhy, 80);
    EXPECT_EQ(text.substr(druhy + 27, 9), " Tri noci");
    fs::remove(subor);

    // From a folder of its own, which holds neither the demo nor the campaign.
    Priecinok inde;
    fs::path vystup = inde.cesta / "out", chyby = inde.cesta / "err", stopa = inde.cesta / "trace";
    std::string prikaz = "cd '" + inde.cesta.string() + "' && '" PONORKA_REPLAY "' --trace '" + stopa.string() + "' '" +
                         demo.string() + "' >'" + vystup.string() + "' 2>'" + chyby.string() + "'";
    int s = std::system(prikaz.c_str());
    ASSERT_TRUE(WIFEXITED(s));
    EXPECT_EQ(WEXITSTATUS(s), 0) << obsah(chyby.string());
    EXPECT_EQ(obsah(chyby.string()), "");
    EXPECT_EQ(obsah(vystup.string()), nahravka.vystup);
    EXPECT_TRUE(obsah(stopa.string()) == stopa_behu()) << "the trace differs from the recording's";
}

TEST(ReplayCampaign, RecordingTheBuiltInCampaignsFileWritesTheDemoOfTheBuiltInOne)
{
    Priecinok p;
    std::string s_kampanou = (p.cesta / "s.demo").string(), bez = (p.cesta / "bez.demo").string();
    Beh a = spusti("--record '" + s_kampanou + "' --campaign ponorka --buy 1,5 --max-steps 8000", golden("long.txt"));
    Beh b = spusti("--record '" + bez + "' --buy 1,5 --max-steps 8000", golden("long.txt"));
    ASSERT_EQ(a.stav, 0) << a.chyby;
    ASSERT_EQ(b.stav, 0) << b.chyby;
    EXPECT_EQ(obsah(s_kampanou).compare(0, 17, "#!ponorka-demo 1 "), 0);
    EXPECT_TRUE(obsah(s_kampanou) == obsah(bez)) << "the two demos differ";
    EXPECT_EQ(a.vystup, b.vystup);
}
