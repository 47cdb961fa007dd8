// The generated files, read with the calls the game uses, in its 16-bit colour.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H
#include <gtest/gtest.h>

#include "start/assets.h"
#include "support/allegro_env.h"
#include "support/temp_dir.h"
#include "text/alfont.h"

namespace fs = std::filesystem;

namespace {

const std::string RUN = PONORKA_RUN_DIR;

struct Obrazok {
    const char *cesta;
    int w, h;
    bool sprite;  // has a transparent background
};

// Sizes and formats as the game draws them.
const Obrazok OBRAZKY[] = {
    {"gfx/submarine/sub_player_right.tga", 100, 25, true},
    {"gfx/submarine/sub_player_left.tga", 100, 25, true},
    {"gfx/submarine/nepriatel.tga", 50, 25, true},
    {"gfx/torpedo.tga", 20, 10, true},
    {"gfx/gulomet.tga", 12, 6, true},
    {"gfx/shop/cursor.bmp", 32, 32, true},
    {"gfx/briefing/zorvik.tga", 443, 522, false},
    {"gfx/shop/dock.tga", 1280, 1024, false},
    {"gfx/shop/torpedo_unselected.tga", 400, 400, false},
    {"gfx/shop/torpedo_selected.tga", 400, 400, false},
    {"gfx/shop/torpedo_unactive.tga", 400, 400, false},
    {"gfx/shop/navnada_unselected.tga", 400, 400, false},
    {"gfx/shop/navnada_selected.tga", 400, 400, false},
    {"gfx/shop/navnada_unactive.tga", 400, 400, false},
};

const char *const PISMA[] = {"data/fonts/formal.ttf", "data/fonts/trebuchet.ttf", "data/fonts/copperlate.ttf"};

class Nacitany {
public:
    explicit Nacitany(const std::string &cesta) : B(load_bitmap((RUN + "/" + cesta).c_str(), NULL)) {}
    ~Nacitany() { destroy_bitmap(B); }
    BITMAP *B;
};

bool je_maska(BITMAP *b, int x, int y)
{
    return getpixel(b, x, y) == bitmap_mask_color(b);
}

// Column extent of the opaque pixels.
int vyska_stlpca(BITMAP *b, int x)
{
    int n = 0;
    for (int y = 0; y < b->h; y++)
        n += !je_maska(b, x, y);
    return n;
}

int prvy_plny_stlpec(BITMAP *b, int od, int krok)
{
    for (int x = od; x >= 0 && x < b->w; x += krok)
        if (vyska_stlpca(b, x) > 0)
            return x;
    return -1;
}

// Mean x of the opaque pixels in rows [y0, y1): where a boat's conning tower stands.
double tazisko_riadkov(BITMAP *b, int y0, int y1)
{
    double sum = 0;
    int n = 0;
    for (int y = y0; y < y1; y++)
        for (int x = 0; x < b->w; x++)
            if (!je_maska(b, x, y)) {
                sum += x;
                n++;
            }
    return n ? sum / n : -1;
}

std::vector<char> obsah(const fs::path &p)
{
    std::ifstream f(p, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

TEST(GeneratedAssets, EveryImageLoadsInTheGamesColourDepthAtItsSize)
{
    ASSERT_EQ(get_color_depth(), 16);
    for (const Obrazok &o : OBRAZKY) {
        Nacitany n(o.cesta);
        ASSERT_NE(n.B, nullptr) << o.cesta;
        EXPECT_EQ(bitmap_color_depth(n.B), 16) << o.cesta;
        EXPECT_EQ(n.B->w, o.w) << o.cesta;
        EXPECT_EQ(n.B->h, o.h) << o.cesta;
    }
}

TEST(GeneratedAssets, SpritesAreTransparentOnExactMagentaWithoutAFringe)
{
    for (const Obrazok &o : OBRAZKY) {
        if (!o.sprite)
            continue;
        Nacitany n(o.cesta);
        ASSERT_NE(n.B, nullptr) << o.cesta;
        // The 16-bit load keeps exactly the pixels that were pure magenta in the file.
        set_color_depth(32);
        Nacitany plny(o.cesta);
        set_color_depth(16);
        ASSERT_NE(plny.B, nullptr);
        int maska = 0, plne = 0;
        for (int y = 0; y < o.h; y++) {
            for (int x = 0; x < o.w; x++) {
                int c = getpixel(plny.B, x, y);
                bool magenta = getr32(c) == 255 && getg32(c) == 0 && getb32(c) == 255;
                ASSERT_EQ(je_maska(n.B, x, y), magenta) << o.cesta << " at " << x << "," << y;
                maska += magenta;
                // No painted pixel may lean towards the mask colour: that would be a pink halo.
                if (!magenta) {
                    plne++;
                    int r = getr32(c), g = getg32(c), b = getb32(c);
                    EXPECT_FALSE(r > g + 60 && b > g + 60)
                        << o.cesta << " has a magenta-tinted pixel at " << x << "," << y;
                }
            }
        }
        EXPECT_GT(maska, o.w * o.h / 5) << o.cesta;
        EXPECT_GT(plne, o.w * o.h / 5) << o.cesta;
        EXPECT_TRUE(je_maska(n.B, o.w - 1, o.h - 1)) << o.cesta;

        // Drawn as a sprite, the mask shows the background and the rest covers it.
        BITMAP *ciel = create_bitmap(o.w, o.h);
        clear_to_color(ciel, makecol(9, 0, 26));
        draw_sprite(ciel, n.B, 0, 0);
        for (int y = 0; y < o.h; y++)
            for (int x = 0; x < o.w; x++)
                ASSERT_EQ(getpixel(ciel, x, y), je_maska(n.B, x, y) ? makecol(9, 0, 26) : getpixel(n.B, x, y));
        destroy_bitmap(ciel);
    }
}

TEST(GeneratedAssets, FullPicturesHaveNoTransparentHoles)
{
    for (const Obrazok &o : OBRAZKY) {
        if (o.sprite)
            continue;
        Nacitany n(o.cesta);
        ASSERT_NE(n.B, nullptr) << o.cesta;
        int diery = 0;
        for (int y = 0; y < o.h; y++)
            for (int x = 0; x < o.w; x++)
                diery += je_maska(n.B, x, y);
        EXPECT_EQ(diery, 0) << o.cesta;
    }
}

TEST(GeneratedAssets, PlayerBoatFacesRightAndItsLeftImageIsTheMirror)
{
    Nacitany vpravo("gfx/submarine/sub_player_right.tga"), vlavo("gfx/submarine/sub_player_left.tga");
    ASSERT_NE(vpravo.B, nullptr);
    ASSERT_NE(vlavo.B, nullptr);
    for (int y = 0; y < 25; y++)
        for (int x = 0; x < 100; x++)
            ASSERT_EQ(getpixel(vpravo.B, x, y), getpixel(vlavo.B, 99 - x, y)) << x << "," << y;
    // The conning tower stands forward of amidships, towards the bow.
    double veza = tazisko_riadkov(vpravo.B, 0, 7);
    EXPECT_GT(veza, 55.0);
    // The hull runs the whole length: its bow and stern touch the image's ends.
    EXPECT_GE(prvy_plny_stlpec(vpravo.B, 99, -1), 97);
    EXPECT_LE(prvy_plny_stlpec(vpravo.B, 0, 1), 2);
    // The hull is centred on the image's middle row, about which rotate_sprite turns it.
    EXPECT_FALSE(je_maska(vpravo.B, 50, 12));
}

TEST(GeneratedAssets, EnemyBoatFacesLeftAndDiffersFromThePlayers)
{
    Nacitany n("gfx/submarine/nepriatel.tga");
    ASSERT_NE(n.B, nullptr);
    EXPECT_LT(tazisko_riadkov(n.B, 0, 9), 22.0);
    int luk = prvy_plny_stlpec(n.B, 0, 1), korma = prvy_plny_stlpec(n.B, 49, -1);
    EXPECT_GT(vyska_stlpca(n.B, luk + 2), vyska_stlpca(n.B, korma));
    EXPECT_FALSE(je_maska(n.B, 25, 12));
    // A darker paint than the player's grey boat.
    Nacitany hrac("gfx/submarine/sub_player_right.tga");
    auto jas = [](BITMAP *b) {
        double s = 0;
        int k = 0;
        for (int y = 0; y < b->h; y++)
            for (int x = 0; x < b->w; x++)
                if (!je_maska(b, x, y)) {
                    int c = getpixel(b, x, y);
                    s += getr(c) + getg(c) + getb(c);
                    k++;
                }
        return s / k;
    };
    EXPECT_LT(jas(n.B), jas(hrac.B) * 0.75);
}

TEST(GeneratedAssets, TorpedoAndBulletPointRight)
{
    Nacitany t("gfx/torpedo.tga");
    ASSERT_NE(t.B, nullptr);
    // Tail fins make the left end the tallest; the warhead narrows to the right.
    int chvost = 0, nos = vyska_stlpca(t.B, prvy_plny_stlpec(t.B, 19, -1));
    for (int x = 0; x < 6; x++)
        chvost = std::max(chvost, vyska_stlpca(t.B, x));
    EXPECT_GT(chvost, vyska_stlpca(t.B, 10));
    EXPECT_LT(nos, vyska_stlpca(t.B, 10));
    EXPECT_FALSE(je_maska(t.B, 10, 5));

    Nacitany g("gfx/gulomet.tga");
    ASSERT_NE(g.B, nullptr);
    int zadok = vyska_stlpca(g.B, prvy_plny_stlpec(g.B, 0, 1));
    int hrot = vyska_stlpca(g.B, prvy_plny_stlpec(g.B, 11, -1));
    EXPECT_GT(zadok, hrot);
    EXPECT_FALSE(je_maska(g.B, 6, 3));
}

TEST(GeneratedAssets, CursorTipIsAtTheTopLeftHotSpot)
{
    Nacitany k("gfx/shop/cursor.bmp");
    ASSERT_NE(k.B, nullptr);
    EXPECT_FALSE(je_maska(k.B, 0, 0));
    EXPECT_TRUE(je_maska(k.B, 31, 0));
    EXPECT_TRUE(je_maska(k.B, 31, 31));
}

TEST(GeneratedAssets, ShopItemStatesDifferAndTheUnaffordableOneIsGrey)
{
    for (const char *polozka : {"torpedo", "navnada"}) {
        std::string zaklad = std::string("gfx/shop/") + polozka;
        Nacitany normal(zaklad + "_unselected.tga"), vybrana(zaklad + "_selected.tga"),
            neaktivna(zaklad + "_unactive.tga");
        ASSERT_NE(normal.B, nullptr);
        ASSERT_NE(vybrana.B, nullptr);
        ASSERT_NE(neaktivna.B, nullptr);
        int rozdiel = 0, farebne = 0;
        double jas_normal = 0, jas_neaktivna = 0;
        for (int y = 0; y < 400; y++) {
            for (int x = 0; x < 400; x++) {
                int a = getpixel(normal.B, x, y), b = getpixel(vybrana.B, x, y), c = getpixel(neaktivna.B, x, y);
                rozdiel += a != b;
                int r = getr(c), g = getg(c), bl = getb(c);
                farebne += std::max({r, g, bl}) - std::min({r, g, bl}) > 16;
                jas_normal += getr(a) + getg(a) + getb(a);
                jas_neaktivna += r + g + bl;
            }
        }
        EXPECT_GT(rozdiel, 400 * 400 / 10) << polozka;
        EXPECT_EQ(farebne, 0) << polozka;
        EXPECT_LT(jas_neaktivna, jas_normal) << polozka;
    }
}

TEST(GeneratedAssets, DrumLoopIsSixteenBitPcmOfAFewSecondsThatLoopsWithoutAClick)
{
    SAMPLE *s = load_sample((RUN + "/sfx/briefing/beat.wav").c_str());
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->bits, 16);
    double sekundy = (double)s->len / s->freq;
    EXPECT_GE(sekundy, 2.0);
    EXPECT_LE(sekundy, 10.0);
    // Allegro keeps 16-bit samples unsigned, centred on 0x8000.
    const unsigned short *d = (const unsigned short *)s->data;
    const int n = (int)(s->len * (s->stereo ? 2 : 1));
    std::vector<int> kroky;
    int spicka = 0;
    for (int i = 0; i < n; i++) {
        spicka = std::max(spicka, std::abs((int)d[i] - 0x8000));
        if (i > 0)
            kroky.push_back(std::abs((int)d[i] - (int)d[i - 1]));
    }
    EXPECT_GT(spicka, 8000);    // audible
    EXPECT_LT(spicka, 0x7fff);  // not clipped
    std::sort(kroky.begin(), kroky.end());
    int typicky = kroky[kroky.size() * 99 / 100];
    EXPECT_LE(std::abs((int)d[n - 1] - (int)d[0]), typicky);
    destroy_sample(s);
}

TEST(GeneratedAssets, FontsAreDistinctTrueTypeFacesWithTheirLicencesBeside)
{
    FT_Library lib;
    ASSERT_EQ(FT_Init_FreeType(&lib), 0);
    std::vector<std::vector<char>> videne;
    for (const char *p : PISMA) {
        FT_Face face;
        ASSERT_EQ(FT_New_Face(lib, (RUN + "/" + p).c_str(), 0, &face), 0) << p;
        EXPECT_TRUE(FT_IS_SFNT(face) && !FT_HAS_MULTIPLE_MASTERS(face)) << p;
        ASSERT_EQ(FT_Set_Pixel_Sizes(face, 0, 20), 0);
        for (const char *t : {"CONTINUE", "Press ENTER to continue", "Money: $ 100"}) {
            for (const char *c = t; *c; c++) {
                ASSERT_EQ(FT_Load_Char(face, (unsigned char)*c, FT_LOAD_RENDER), 0) << p << " '" << *c << "'";
                if (*c != ' ') {
                    EXPECT_GT(face->glyph->bitmap.rows, 0u) << p << " '" << *c << "'";
                }
            }
        }
        FT_Done_Face(face);
        std::vector<char> bajty = obsah(RUN + "/" + p);
        EXPECT_EQ(std::count(videne.begin(), videne.end(), bajty), 0) << p << " repeats another font";
        videne.push_back(bajty);
        EXPECT_GT(fs::file_size(RUN + "/" + p + ".copyright"), 100u) << p;
    }
    FT_Done_FreeType(lib);
}

TEST(GeneratedAssets, FontsLoadThroughTheTextLayerAtTheGamesSizes)
{
    ASSERT_EQ(alfont_init(), 0);
    for (const char *p : PISMA) {
        ALFONT_FONT *f = alfont_load_font((RUN + "/" + p).c_str());
        ASSERT_NE(f, nullptr) << p;
        for (int velkost : {20, 25, 36}) {
            alfont_set_font_size(f, velkost);
            int dlzka = alfont_text_length(f, "CONTINUE");
            // Eight capitals take several times the font size, and no more than its width.
            EXPECT_GT(dlzka, velkost * 3) << p << " at " << velkost;
            EXPECT_LT(dlzka, velkost * 8) << p << " at " << velkost;
        }
        alfont_destroy_font(f);
    }
}

TEST(GeneratedAssets, TheGeneratorWritesTheSameBytesEveryTime)
{
    fs::path tmp = fs::path(process_temp_dir()) / "assetgen";
    fs::remove_all(tmp);
    for (const char *beh : {"a", "b"}) {
        std::string prikaz = std::string("\"") + PONORKA_ASSETGEN + "\" \"" + (tmp / beh).string() + "\"";
        ASSERT_EQ(std::system(prikaz.c_str()), 0) << prikaz;
    }
    int subory = 0;
    for (const auto &e : fs::recursive_directory_iterator(tmp / "a")) {
        if (!e.is_regular_file())
            continue;
        fs::path rel = fs::relative(e.path(), tmp / "a");
        std::vector<char> a = obsah(e.path());
        EXPECT_TRUE(a == obsah(tmp / "b" / rel)) << rel;
        EXPECT_TRUE(a == obsah(RUN / rel)) << rel << " differs from the build's copy";
        subory++;
    }
    // Every file the game reads is among them.
    for (int i = 0; i < asset_file_count; i++)
        EXPECT_TRUE(fs::exists(tmp / "a" / asset_files[i].path)) << asset_files[i].path;
    EXPECT_GE(subory, asset_file_count);
    fs::remove_all(tmp);
}

}  // namespace
