#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "objects/nepriatelia.h"
#include "objects/obrazky.h"
#include "objects/ponorka.h"
#include "objects/strela.h"
#include "objects/testovacie_obrazky.h"
#include "support/allegro_env.h"

namespace {

void uloz(const char *cesta, int w, int h, int r, int g, int b)
{
    BITMAP *bmp = create_bitmap(w, h);
    clear_to_color(bmp, makecol(r, g, b));
    ASSERT_EQ(save_bitmap(cesta, bmp, nullptr), 0) << cesta;
    destroy_bitmap(bmp);
}

}  // namespace

TEST(Obrazky, FileIsReadOnceAndEveryCallerGetsItsOwnCopy)
{
    DocasnyAdresar adresar;
    ASSERT_TRUE(adresar.ok());
    obrazky_vycisti();
    ASSERT_EQ(mkdir("gfx", 0700), 0);
    uloz("gfx/torpedo.tga", 20, 10, 0, 255, 0);

    BITMAP *prva = obrazok_kopia("gfx/torpedo.tga");
    ASSERT_NE(prva, nullptr);
    // Once read, the file is no longer needed: spawning does no file input.
    ASSERT_EQ(unlink("gfx/torpedo.tga"), 0);
    BITMAP *druha = obrazok_kopia("gfx/torpedo.tga");
    ASSERT_NE(druha, nullptr);
    EXPECT_NE(prva, druha);
    EXPECT_EQ(druha->w, 20);
    EXPECT_EQ(druha->h, 10);
    EXPECT_TRUE(pixel_is(druha, 19, 9, 0, 255, 0));

    // A caller scribbling on its copy doesn't change anyone else's.
    clear_to_color(prva, makecol(0, 0, 0));
    EXPECT_TRUE(pixel_is(druha, 0, 0, 0, 255, 0));
    destroy_bitmap(prva);
    BITMAP *tretia = obrazok_kopia("gfx/torpedo.tga");
    ASSERT_NE(tretia, nullptr);
    EXPECT_TRUE(pixel_is(tretia, 0, 0, 0, 255, 0));
    destroy_bitmap(druha);
    destroy_bitmap(tretia);

    // Emptying the cache means the next request goes to the disk again.
    obrazky_vycisti();
    testing::internal::CaptureStderr();
    EXPECT_EQ(obrazok_kopia("gfx/torpedo.tga"), nullptr);
    std::string chyba = testing::internal::GetCapturedStderr();
    EXPECT_NE(chyba.find("gfx/torpedo.tga"), std::string::npos) << chyba;
}

TEST(Obrazky, MissingFileRetriedOnceItAppears)
{
    DocasnyAdresar adresar;
    ASSERT_TRUE(adresar.ok());
    obrazky_vycisti();
    testing::internal::CaptureStderr();
    EXPECT_EQ(obrazok_kopia("gfx/gulomet.tga"), nullptr);
    testing::internal::GetCapturedStderr();

    ASSERT_EQ(mkdir("gfx", 0700), 0);
    uloz("gfx/gulomet.tga", 12, 6, 250, 0, 0);
    BITMAP *bmp = obrazok_kopia("gfx/gulomet.tga");
    ASSERT_NE(bmp, nullptr);
    EXPECT_TRUE(pixel_is(bmp, 5, 3, 250, 0, 0));
    destroy_bitmap(bmp);
    obrazky_vycisti();
}

TEST(Obrazky, PreloadReplacesEarlierEntry)
{
    vloz_jednofarebny("gfx/x.tga", 4, 4, 255, 0, 0);
    vloz_jednofarebny("gfx/x.tga", 6, 2, 0, 255, 0);
    BITMAP *bmp = obrazok_kopia("gfx/x.tga");
    ASSERT_NE(bmp, nullptr);
    EXPECT_EQ(bmp->w, 6);
    EXPECT_TRUE(pixel_is(bmp, 0, 0, 0, 255, 0));
    destroy_bitmap(bmp);
    obrazky_vycisti();
}

TEST(Obrazky, ObjectsWithoutImagesAreMadeAndDrawNothing)
{
    DocasnyAdresar adresar;
    ASSERT_TRUE(adresar.ok());
    obrazky_vycisti();
    BITMAP *ciel = create_bitmap(300, 300);
    clear_to_color(ciel, 0);

    testing::internal::CaptureStderr();
    {
        Ponorka hrac;
        Nepr1 nepriatel;
        Strela1 torpedo;
        Strela4 gulka;
        EXPECT_EQ(hrac.GetObrazok(), nullptr);
        EXPECT_EQ(nepriatel.GetObrazok(), nullptr);
        for (Objekt *o : {(Objekt *)&hrac, (Objekt *)&nepriatel, (Objekt *)&torpedo, (Objekt *)&gulka}) {
            o->SetBitmap(ciel);
            o->SetPx(150);
            o->SetPy(150);
            o->Nakresli();
        }
        // The about-turn's image swap copes with the missing file too.
        hrac.SetObrat(89);
        hrac.SetMax_obrat(1);
        hrac.Ovladanie();
        EXPECT_EQ(hrac.GetObrat(), 90);
        EXPECT_EQ(hrac.GetObrazok(), nullptr);
    }
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(nakreslene(ciel, 0).prazdny());
    destroy_bitmap(ciel);
}
