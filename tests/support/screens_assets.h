#ifndef PONORKA_TEST_SCREENS_ASSETS_H
#define PONORKA_TEST_SCREENS_ASSETS_H

// A throw-away working directory holding the briefing and shop assets, with
// every image a solid, exactly representable colour so a test can tell from
// one pixel which picture was drawn where. The directory is the working
// directory for the object's lifetime; the screen is a 1024 x 768 memory bitmap.

#include <allegro.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "text/alfont.h"

namespace screens_test {

constexpr const char *kSansTtf = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char *kSerifTtf = "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf";

struct Farba {
    int r, g, b;
    int c16() const { return makecol16(r, g, b); }
};

constexpr Farba kTorpedoUnselected{255, 0, 0};
constexpr Farba kTorpedoUnactive{0, 255, 0};
constexpr Farba kTorpedoSelected{0, 0, 255};
constexpr Farba kNavnadaUnselected{255, 255, 0};
constexpr Farba kNavnadaUnactive{0, 255, 255};
constexpr Farba kNavnadaSelected{255, 255, 255};
constexpr Farba kDock{255, 0, 128};
constexpr Farba kPortrait{255, 128, 0};

// With a mask, the middle half of the image in each direction is the mask colour.
inline void uloz_obrazok(const std::string &cesta, int w, int h, Farba f, bool maska_v_strede = false)
{
    BITMAP *b = create_bitmap_ex(24, w, h);
    clear_to_color(b, makecol24(f.r, f.g, f.b));
    if (maska_v_strede)
        rectfill(b, w / 4, h / 4, 3 * w / 4 - 1, 3 * h / 4 - 1, makecol24(255, 0, 255));
    if (cesta.size() > 4 && cesta.compare(cesta.size() - 4, 4, ".bmp") == 0)
        save_bmp(cesta.c_str(), b, nullptr);
    else
        save_tga(cesta.c_str(), b, nullptr);
    destroy_bitmap(b);
}

// A short 8-bit mono PCM wave of silence.
inline void uloz_zvuk(const std::string &cesta)
{
    const unsigned n = 200;
    unsigned char h[44] = {'R',  'I',  'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V',  'E',  'f', 'm',
                           't',  ' ',  16,  0,   0, 0, 1, 0, 1,   0,   0x22, 0x56, 0,   0,
                           0x22, 0x56, 0,   0,   1, 0, 8, 0, 'd', 'a', 't',  'a'};
    unsigned riff = 36 + n;
    for (int i = 0; i < 4; i++) {
        h[4 + i] = (riff >> (8 * i)) & 0xff;
        h[40 + i] = (n >> (8 * i)) & 0xff;
    }
    FILE *f = fopen(cesta.c_str(), "wb");
    fwrite(h, 1, sizeof h, f);
    for (unsigned i = 0; i < n; i++)
        fputc(128, f);
    fclose(f);
}

class AssetDir {
public:
    // With assets false the directory stays empty: every load fails.
    explicit AssetDir(bool assets = true)
    {
        namespace fs = std::filesystem;
        povodny_ = fs::current_path();
        char sablona[] = "/tmp/ponorka-screens-XXXXXX";
        koren_ = mkdtemp(sablona);
        if (assets) {
            fs::create_directories(koren_ / "data/fonts");
            fs::create_directories(koren_ / "gfx/briefing");
            fs::create_directories(koren_ / "gfx/shop");
            fs::create_directories(koren_ / "sfx/briefing");
            fs::copy_file(kSansTtf, koren_ / "data/fonts/copperlate.ttf");
            fs::copy_file(kSerifTtf, koren_ / "data/fonts/formal.ttf");
            std::string g = (koren_ / "gfx").string();
            uloz_obrazok(g + "/briefing/zorvik.tga", 200, 200, kPortrait, true);
            uloz_obrazok(g + "/shop/dock.tga", 1280, 1024, kDock);
            uloz_obrazok(g + "/shop/cursor.bmp", 16, 16, Farba{0, 0, 0});
            uloz_obrazok(g + "/shop/torpedo_unselected.tga", 400, 400, kTorpedoUnselected);
            uloz_obrazok(g + "/shop/torpedo_unactive.tga", 400, 400, kTorpedoUnactive);
            uloz_obrazok(g + "/shop/torpedo_selected.tga", 400, 400, kTorpedoSelected);
            uloz_obrazok(g + "/shop/navnada_unselected.tga", 400, 400, kNavnadaUnselected);
            uloz_obrazok(g + "/shop/navnada_unactive.tga", 400, 400, kNavnadaUnactive);
            uloz_obrazok(g + "/shop/navnada_selected.tga", 400, 400, kNavnadaSelected);
            uloz_zvuk((koren_ / "sfx/briefing/beat.wav").string());
        }
        fs::current_path(koren_);
        alfont_init();
        stara_obrazovka_ = screen;
        screen = create_bitmap(1024, 768);
        clear_to_color(screen, makecol(0, 0, 0));
    }
    ~AssetDir()
    {
        destroy_bitmap(screen);
        screen = stara_obrazovka_;
        std::filesystem::current_path(povodny_);
        std::filesystem::remove_all(koren_);
    }
    AssetDir(const AssetDir &) = delete;
    AssetDir &operator=(const AssetDir &) = delete;

private:
    std::filesystem::path povodny_;
    std::filesystem::path koren_;
    BITMAP *stara_obrazovka_ = nullptr;
};

}  // namespace screens_test

#endif
