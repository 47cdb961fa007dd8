// The start-up check: a copy of the generated set in a scratch directory, with one file
// removed or spoiled at a time, must be refused with that file named.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "start/assets.h"
#include "support/allegro_env.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

const fs::path RUN = PONORKA_RUN_DIR;

class KontrolaAssetov : public ::testing::Test {
protected:
    void SetUp() override
    {
        Povodny = fs::current_path();
        Kopia = fs::path(process_temp_dir()) / "assets";
        fs::remove_all(Kopia);
        for (int i = 0; i < asset_file_count; i++) {
            fs::create_directories((Kopia / asset_files[i].path).parent_path());
            fs::copy_file(RUN / asset_files[i].path, Kopia / asset_files[i].path);
        }
        fs::current_path(Kopia);
    }

    void TearDown() override
    {
        fs::current_path(Povodny);
        fs::remove_all(Kopia);
    }

    // Runs the check and returns what it printed on stderr.
    std::string Skontroluj(bool &vysledok)
    {
        ::testing::internal::CaptureStderr();
        vysledok = check_assets();
        return ::testing::internal::GetCapturedStderr();
    }

    static std::vector<char> Citaj(const char *cesta)
    {
        std::ifstream f(cesta, std::ios::binary);
        return std::vector<char>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    }

    static void Zapis(const char *cesta, const std::vector<char> &d)
    {
        std::ofstream f(cesta, std::ios::binary | std::ios::trunc);
        f.write(d.data(), (std::streamsize)d.size());
    }

    fs::path Povodny, Kopia;
};

TEST_F(KontrolaAssetov, TheGeneratedSetPassesSilentlyAndKeepsTheColourDepth)
{
    set_color_depth(32);
    bool ok;
    std::string chyby = Skontroluj(ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(chyby, "");
    EXPECT_EQ(get_color_depth(), 32);
    set_color_depth(16);
}

TEST_F(KontrolaAssetov, EachMissingFileIsNamedWithHowToGenerateThem)
{
    for (int i = 0; i < asset_file_count; i++) {
        const char *cesta = asset_files[i].path;
        fs::rename(cesta, std::string(cesta) + ".bak");
        bool ok;
        std::string chyby = Skontroluj(ok);
        EXPECT_FALSE(ok) << cesta;
        EXPECT_NE(chyby.find(std::string("\"") + cesta + "\": missing"), std::string::npos) << chyby;
        EXPECT_NE(chyby.find("build/run"), std::string::npos) << chyby;
        fs::rename(std::string(cesta) + ".bak", cesta);
    }
}

TEST_F(KontrolaAssetov, EveryBadFileIsReportedNotJustTheFirst)
{
    fs::remove("gfx/torpedo.tga");
    fs::remove("data/fonts/copperlate.ttf");
    bool ok;
    std::string chyby = Skontroluj(ok);
    EXPECT_FALSE(ok);
    EXPECT_NE(chyby.find("gfx/torpedo.tga"), std::string::npos);
    EXPECT_NE(chyby.find("data/fonts/copperlate.ttf"), std::string::npos);
}

enum class Poskodenie { Prazdny, Smeti, Polovica, BezPoslednehoBajtu, SmetiZaHlavickou };

struct Pripad {
    const char *cesta;
    Poskodenie poskodenie;
};

const char *const MENA_POSKODENI[] = {"empty", "garbage", "half", "one_byte_short", "header_only"};

void PrintTo(const Pripad &p, std::ostream *os)
{
    *os << p.cesta << " " << MENA_POSKODENI[(int)p.poskodenie];
}

std::string meno_pripadu(const ::testing::TestParamInfo<Pripad> &info)
{
    std::string m = std::string(info.param.cesta) + "_" + MENA_POSKODENI[(int)info.param.poskodenie];
    for (char &c : m)
        if (!std::isalnum((unsigned char)c))
            c = '_';
    return m;
}

class PoskodenySubor : public KontrolaAssetov, public ::testing::WithParamInterface<Pripad> {};

TEST_P(PoskodenySubor, IsRefusedAndNamed)
{
    const Pripad &p = GetParam();
    std::vector<char> d = Citaj(p.cesta);
    ASSERT_GT(d.size(), 100u);
    switch (p.poskodenie) {
    case Poskodenie::Prazdny:
        d.clear();
        break;
    case Poskodenie::Smeti: {
        uint32_t x = 12345;
        for (char &c : d) {
            x = x * 1103515245u + 12345u;
            c = (char)(x >> 16);
        }
        break;
    }
    case Poskodenie::Polovica:
        d.resize(d.size() / 2);
        break;
    case Poskodenie::BezPoslednehoBajtu:
        d.pop_back();
        break;
    case Poskodenie::SmetiZaHlavickou:
        // The header survives but the rest is noise: a plausible start, nothing behind it.
        d.resize(64);
        break;
    }
    Zapis(p.cesta, d);
    bool ok;
    std::string chyby = Skontroluj(ok);
    EXPECT_FALSE(ok);
    EXPECT_NE(chyby.find(std::string("\"") + p.cesta + "\""), std::string::npos) << chyby;
}

// One file of each format the game reads.
const char *const ZASTUPCOVIA[] = {"gfx/torpedo.tga", "gfx/shop/dock.tga", "gfx/shop/cursor.bmp",
                                   "sfx/briefing/beat.wav", "data/fonts/formal.ttf"};

std::vector<Pripad> pripady(std::initializer_list<Poskodenie> druhy)
{
    std::vector<Pripad> v;
    for (const char *c : ZASTUPCOVIA)
        for (Poskodenie p : druhy)
            v.push_back(Pripad{c, p});
    return v;
}

INSTANTIATE_TEST_SUITE_P(KazdyFormat, PoskodenySubor,
                         ::testing::ValuesIn(pripady({Poskodenie::Prazdny, Poskodenie::Smeti, Poskodenie::Polovica,
                                                      Poskodenie::SmetiZaHlavickou})),
                         meno_pripadu);

// One byte short is enough for the images and the sound, whose data runs to the very end.
INSTANTIATE_TEST_SUITE_P(PosledneBajty, PoskodenySubor,
                         ::testing::Values(Pripad{"gfx/torpedo.tga", Poskodenie::BezPoslednehoBajtu},
                                           Pripad{"gfx/shop/cursor.bmp", Poskodenie::BezPoslednehoBajtu},
                                           Pripad{"sfx/briefing/beat.wav", Poskodenie::BezPoslednehoBajtu}),
                         meno_pripadu);

TEST_F(KontrolaAssetov, AFifoInAnAssetsPlaceIsRefusedWithoutWaitingForAWriter)
{
    fs::remove("gfx/torpedo.tga");
    ASSERT_EQ(mkfifo("gfx/torpedo.tga", 0600), 0);
    bool ok;
    std::string chyby = Skontroluj(ok);
    EXPECT_FALSE(ok);
    EXPECT_NE(chyby.find("\"gfx/torpedo.tga\": not a regular file (a FIFO)"), std::string::npos) << chyby;
}

TEST_F(KontrolaAssetov, AnImageOfTheWrongSizeIsRefused)
{
    // A perfectly good image, but the bullet where the torpedo belongs.
    fs::copy_file("gfx/gulomet.tga", "gfx/torpedo.tga", fs::copy_options::overwrite_existing);
    bool ok;
    std::string chyby = Skontroluj(ok);
    EXPECT_FALSE(ok);
    EXPECT_NE(chyby.find("\"gfx/torpedo.tga\": image is 12 x 6, expected 20 x 10"), std::string::npos) << chyby;
}

TEST_F(KontrolaAssetov, ImageHeadersAreReadDimensionByDimensionAndDepthByDepth)
{
    bool ok;
    // Right height, wrong width: the player's boat where the enemy belongs.
    fs::copy_file("gfx/submarine/sub_player_right.tga", "gfx/submarine/nepriatel.tga",
                  fs::copy_options::overwrite_existing);
    std::string chyby = Skontroluj(ok);
    EXPECT_FALSE(ok);
    EXPECT_NE(chyby.find("\"gfx/submarine/nepriatel.tga\": image is 100 x 25, expected 50 x 25"), std::string::npos)
        << chyby;
    fs::copy_file(RUN / "gfx/submarine/nepriatel.tga", "gfx/submarine/nepriatel.tga",
                  fs::copy_options::overwrite_existing);

    // A top-down BMP (negative height) of the right size is as good as a bottom-up one.
    std::vector<char> kurzor = Citaj("gfx/shop/cursor.bmp");
    ASSERT_GE(kurzor.size(), 54u);
    int32_t h;
    std::memcpy(&h, &kurzor[22], 4);
    h = -h;
    std::vector<char> hore_dnom = kurzor;
    std::memcpy(&hore_dnom[22], &h, 4);
    Zapis("gfx/shop/cursor.bmp", hore_dnom);
    chyby = Skontroluj(ok);
    EXPECT_TRUE(ok) << chyby;

    // Fewer than 8 bits a pixel is a depth the game does not read.
    std::vector<char> styri_bity = kurzor;
    styri_bity[28] = 4;
    styri_bity[29] = 0;
    Zapis("gfx/shop/cursor.bmp", styri_bity);
    chyby = Skontroluj(ok);
    EXPECT_FALSE(ok);
    EXPECT_NE(chyby.find("\"gfx/shop/cursor.bmp\": unsupported BMP image"), std::string::npos) << chyby;
}

TEST_F(KontrolaAssetov, AFontThatIsNotTrueTypeIsRefused)
{
    // The sound file where a font belongs: FreeType must not be trusted to notice.
    fs::copy_file("sfx/briefing/beat.wav", "data/fonts/trebuchet.ttf", fs::copy_options::overwrite_existing);
    bool ok;
    std::string chyby = Skontroluj(ok);
    EXPECT_FALSE(ok);
    EXPECT_NE(chyby.find("\"data/fonts/trebuchet.ttf\": not a TrueType font"), std::string::npos) << chyby;
}

TEST_F(KontrolaAssetov, ASoundWithAForgedLengthIsRefused)
{
    // The RIFF size claims more than the file holds.
    std::vector<char> d = Citaj("sfx/briefing/beat.wav");
    d[7] = (char)0x7f;
    Zapis("sfx/briefing/beat.wav", d);
    bool ok;
    std::string chyby = Skontroluj(ok);
    EXPECT_FALSE(ok);
    EXPECT_NE(chyby.find("\"sfx/briefing/beat.wav\": truncated"), std::string::npos) << chyby;
}

TEST_F(KontrolaAssetov, ASoundCutShortSaysHowShort)
{
    std::vector<char> d = Citaj("sfx/briefing/beat.wav");
    const uint32_t slubene = (uint8_t)d[4] | (uint8_t)d[5] << 8 | (uint8_t)d[6] << 16 | (uint32_t)(uint8_t)d[7] << 24;
    d.pop_back();
    Zapis("sfx/briefing/beat.wav", d);
    bool ok;
    std::string chyby = Skontroluj(ok);
    EXPECT_FALSE(ok);
    EXPECT_NE(chyby.find("\"sfx/briefing/beat.wav\": truncated: the RIFF header promises " +
                         std::to_string(slubene + 8) + " bytes, the file has " + std::to_string(d.size()) + "\n"),
              std::string::npos)
        << chyby;

    // Shorter than the header itself.
    d.resize(8);
    Zapis("sfx/briefing/beat.wav", d);
    chyby = Skontroluj(ok);
    EXPECT_NE(chyby.find("\"sfx/briefing/beat.wav\": truncated WAV header\n"), std::string::npos) << chyby;
}

TEST_F(KontrolaAssetov, AFontThatOpensButDrawsNothingIsRefused)
{
    // Every glyph made empty (all its glyph offsets 0): the tables are intact and
    // FreeType opens the face, but no character has anything to draw.
    std::vector<char> d = Citaj("data/fonts/formal.ttf");
    auto be32 = [&d](size_t i) {
        return (uint32_t)(uint8_t)d[i] << 24 | (uint8_t)d[i + 1] << 16 | (uint8_t)d[i + 2] << 8 | (uint8_t)d[i + 3];
    };
    bool loca = false;
    for (size_t i = 0, n = (size_t)((uint8_t)d[4] << 8 | (uint8_t)d[5]); i < n; i++) {
        size_t e = 12 + 16 * i;
        if (std::string(d.begin() + e, d.begin() + e + 4) == "loca") {
            std::fill(d.begin() + be32(e + 8), d.begin() + be32(e + 8) + be32(e + 12), 0);
            loca = true;
        }
    }
    ASSERT_TRUE(loca);
    Zapis("data/fonts/formal.ttf", d);
    bool ok;
    std::string chyby = Skontroluj(ok);
    EXPECT_FALSE(ok);
    EXPECT_NE(chyby.find("\"data/fonts/formal.ttf\": FreeType can't render its characters\n"), std::string::npos)
        << chyby;
}

}  // namespace

TEST_F(KontrolaAssetov, ADirectoryInPlaceOfAFileIsRefused)
{
    for (int i = 0; i < asset_file_count; i++) {
        const char *cesta = asset_files[i].path;
        fs::remove(cesta);
        fs::create_directory(cesta);
        bool ok;
        std::string chyby = Skontroluj(ok);
        EXPECT_FALSE(ok) << cesta;
        EXPECT_NE(chyby.find(std::string("\"") + cesta + "\": not a regular file"), std::string::npos) << chyby;
        fs::remove(cesta);
        fs::copy_file(RUN / cesta, cesta);
    }
}
