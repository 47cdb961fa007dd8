// The file a demo is recorded into: a demo that is there survives every run
// that does not end, and is replaced only when one does.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "demo/subor_nahravky.h"

namespace fs = std::filesystem;

namespace {

class SuborNahravkyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string vzor = (fs::temp_directory_path() / "ponorka-nahravka-XXXXXX").string();
        ASSERT_NE(mkdtemp(vzor.data()), nullptr);
        priecinok = vzor;
        ciel = priecinok + "/hra.demo";
    }
    void TearDown() override { fs::remove_all(priecinok); }

    static std::string obsah(const std::string &cesta)
    {
        std::ifstream f(cesta, std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }
    // The names in the folder, sorted.
    std::string mena() const
    {
        std::string v;
        std::vector<std::string> m;
        for (const fs::directory_entry &e : fs::directory_iterator(priecinok))
            m.push_back(e.path().filename().string());
        std::sort(m.begin(), m.end());
        for (const std::string &s : m)
            v += s + " ";
        return v;
    }

    std::string priecinok, ciel;
};

TEST_F(SuborNahravkyTest, TheDemoThereIsReplacedOnlyWhenTheRecordingEnds)
{
    std::ofstream(ciel) << "the old demo\n";
    {
        SuborNahravky s;
        std::string dovod;
        ASSERT_TRUE(s.priprav(ciel, dovod)) << dovod;
        ASSERT_TRUE(s.zacni(dovod)) << dovod;
        fputs("the new demo\n", s.subor());
        fflush(s.subor());
        EXPECT_EQ(obsah(ciel), "the old demo\n") << "nothing touches it while the game is recorded";
        EXPECT_NE(mena().find("hra.demo."), std::string::npos) << "the recording lies beside it: " << mena();
        ASSERT_TRUE(s.dokonci(true, dovod)) << dovod;
    }
    EXPECT_EQ(obsah(ciel), "the new demo\n");
    EXPECT_EQ(mena(), "hra.demo ");
}

TEST_F(SuborNahravkyTest, ARunThatFailsOrStopsLeavesTheDemoThereAsItWas)
{
    std::ofstream(ciel) << "the old demo\n";
    std::string dovod;
    {
        SuborNahravky s;
        ASSERT_TRUE(s.priprav(ciel, dovod)) << dovod;
        ASSERT_TRUE(s.zacni(dovod)) << dovod;
        fputs("half a demo", s.subor());
        EXPECT_FALSE(s.dokonci(false, dovod));
        EXPECT_NE(dovod.find("left as it was"), std::string::npos) << dovod;
    }
    EXPECT_EQ(mena(), "hra.demo ");
    {
        SuborNahravky s;
        ASSERT_TRUE(s.priprav(ciel, dovod)) << dovod;
        ASSERT_TRUE(s.zacni(dovod)) << dovod;
        fputs("a start that went wrong", s.subor());
    }
    EXPECT_EQ(mena(), "hra.demo ");
    EXPECT_EQ(obsah(ciel), "the old demo\n");
}

TEST_F(SuborNahravkyTest, AFifoIsWrittenIntoAndStaysAFifo)
{
    ASSERT_EQ(mkfifo(ciel.c_str(), 0600), 0);
    // A reader first, so that opening for writing does not wait.
    int citac = open(ciel.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(citac, 0);
    SuborNahravky s;
    std::string dovod;
    ASSERT_TRUE(s.priprav(ciel, dovod)) << dovod;
    ASSERT_TRUE(s.zacni(dovod)) << dovod;
    fputs("#!ponorka-demo\n", s.subor());
    ASSERT_TRUE(s.dokonci(true, dovod)) << dovod;
    char buf[64] = {};
    EXPECT_EQ(read(citac, buf, sizeof buf - 1), 15);
    EXPECT_STREQ(buf, "#!ponorka-demo\n");
    close(citac);
    struct stat st;
    ASSERT_EQ(lstat(ciel.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(mena(), "hra.demo ");
}

TEST_F(SuborNahravkyTest, AFolderThatIsNotThereIsToldBeforeAnythingStarts)
{
    SuborNahravky s;
    std::string dovod;
    EXPECT_FALSE(s.priprav(priecinok + "/nie/hra.demo", dovod));
    EXPECT_EQ(dovod, "No such file or directory");
}

}  // namespace
