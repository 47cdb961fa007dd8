#include "display/snimka.h"

#include <sys/stat.h>

#include <cstdio>
#include <string>

#include <allegro.h>
#include <gtest/gtest.h>
#include <png.h>

#include "support/temp_dir.h"

TEST(Snimka, FolderIsThePicturesFoldersPonorka)
{
    EXPECT_EQ(priecinok_snimok("XDG_PICTURES_DIR=\"$HOME/Obrazky\"\n", nullptr, "/home/h"), "/home/h/Obrazky/Ponorka");
    EXPECT_EQ(priecinok_snimok("# c\nXDG_PICTURES_DIR=\"/srv/pics/\"\n", "/x", "/home/h"), "/srv/pics/Ponorka");
}

TEST(Snimka, WithoutAPicturesFolderOrTheHomeItselfTheDataFolder)
{
    EXPECT_EQ(priecinok_snimok("", nullptr, "/home/h"), "/home/h/.local/share/ponorka/screenshots");
    EXPECT_EQ(priecinok_snimok("XDG_PICTURES_DIR=\"$HOME/\"\n", "/d", "/home/h"), "/d/ponorka/screenshots");
    EXPECT_EQ(priecinok_snimok("XDG_PICTURES_DIR=\"$HOME\"\n", "rel", "/home/h"),
              "/home/h/.local/share/ponorka/screenshots");
    // A relative path is no folder of user-dirs.dirs' form; nor is an unquoted one.
    EXPECT_EQ(priecinok_snimok("XDG_PICTURES_DIR=\"Pics\"\nXDG_PICTURES_DIR=/p\n", nullptr, "/home/h"),
              "/home/h/.local/share/ponorka/screenshots");
    EXPECT_EQ(priecinok_snimok("XDG_PICTURES_DIR=\"$HOME/P\"\n", nullptr, nullptr), "");
}

TEST(Snimka, NamesCarryTheTimeAndASuffixWhenTaken)
{
    std::string n = meno_snimky(0, 1);
    EXPECT_EQ(n.size(), std::string("ponorka-YYYYMMDD-HHMMSS.png").size());
    EXPECT_EQ(n.compare(0, 8, "ponorka-"), 0);
    EXPECT_EQ(meno_snimky(0, 2), n.substr(0, n.size() - 4) + "-2.png");
}

namespace {

// The PNG's pixels, RGB, row after row; empty when it is no 8-bit RGB PNG.
std::string precitaj_png(const std::string &cesta, int &w, int &h)
{
    FILE *f = fopen(cesta.c_str(), "rb");
    if (!f)
        return "";
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::string pixely;
    if (setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, f);
        png_read_info(png, info);
        w = (int)png_get_image_width(png, info);
        h = (int)png_get_image_height(png, info);
        if (png_get_color_type(png, info) == PNG_COLOR_TYPE_RGB && png_get_bit_depth(png, info) == 8) {
            pixely.resize((size_t)w * h * 3);
            for (int y = 0; y < h; y++)
                png_read_row(png, (png_bytep)&pixely[(size_t)y * w * 3], nullptr);
        }
    }
    png_destroy_read_struct(&png, &info, nullptr);
    fclose(f);
    return pixely;
}

}  // namespace

TEST(Snimka, ThePngHoldsTheBitmapsPixelsAndNeverOverwrites)
{
    BITMAP *b = create_bitmap_ex(16, 64, 48);
    ASSERT_NE(b, nullptr);
    clear_to_color(b, makecol_depth(16, 0, 0, 0));
    putpixel(b, 3, 2, makecol_depth(16, 248, 0, 0));
    putpixel(b, 63, 47, makecol_depth(16, 0, 252, 248));
    std::string priecinok = process_temp_dir() + "snimky/Ponorka";
    std::string dovod;
    std::string prva = uloz_snimku(b, priecinok, dovod);
    ASSERT_FALSE(prva.empty()) << dovod;
    std::string druha = uloz_snimku(b, priecinok, dovod);
    ASSERT_FALSE(druha.empty()) << dovod;
    EXPECT_NE(prva, druha);

    int w = 0, h = 0;
    std::string p = precitaj_png(prva, w, h);
    ASSERT_EQ(w, 64);
    ASSERT_EQ(h, 48);
    ASSERT_EQ(p.size(), 64u * 48 * 3);
    auto px = [&](int x, int y, int k) { return (unsigned char)p[((size_t)y * 64 + x) * 3 + k]; };
    // Full-range channels, as Allegro reads 16-bit colour back.
    EXPECT_EQ(px(3, 2, 0), 255);
    EXPECT_EQ(px(3, 2, 1), 0);
    EXPECT_EQ(px(63, 47, 0), 0);
    EXPECT_EQ(px(63, 47, 1), 255);
    EXPECT_EQ(px(63, 47, 2), 255);
    EXPECT_EQ(px(0, 0, 0), 0);
    destroy_bitmap(b);
}

TEST(Snimka, AFolderThatCantBeMadeSaysWhy)
{
    BITMAP *b = create_bitmap_ex(16, 4, 4);
    ASSERT_NE(b, nullptr);
    std::string subor = process_temp_dir() + "subor";
    FILE *f = fopen(subor.c_str(), "w");
    ASSERT_NE(f, nullptr);
    fclose(f);
    std::string dovod;
    EXPECT_EQ(uloz_snimku(b, subor + "/Ponorka", dovod), "");
    EXPECT_FALSE(dovod.empty());
    destroy_bitmap(b);
}
