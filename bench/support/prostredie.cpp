#include "support/prostredie.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <ext/stdio_filebuf.h>
#include <iostream>

#include "text/alfont.h"

bool assety_k_dispozicii()
{
    return access("gfx/torpedo.tga", R_OK) == 0 && access("data/fonts/formal.ttf", R_OK) == 0;
}

BITMAP *nahradna_obrazovka()
{
    static BITMAP *obrazovka = nullptr;
    if (!obrazovka) {
        obrazovka = create_bitmap(1024, 768);
        clear_to_color(obrazovka, makecol(0, 0, 0));
    }
    return obrazovka;
}

ALFONT_FONT *nacitaj_pismo(const char *cesta, int velkost)
{
    ALFONT_FONT *f = alfont_load_font(cesta);
    if (!f) {
        fprintf(stderr, "bench: can't load font %s\n", cesta);
        return nullptr;
    }
    alfont_set_font_size(f, velkost);
    return f;
}

namespace {

// The report goes to the original standard output through this buffer.
__gnu_cxx::stdio_filebuf<char> *report = nullptr;

// The game prints spawn, removal and progress lines with printf; they would
// drown the report. fd 1 goes to /dev/null, std::cout keeps the old fd 1.
bool odklon_vypisy_hry()
{
    fflush(stdout);
    std::cout.flush();
    int povodny = dup(STDOUT_FILENO);
    int nic = open("/dev/null", O_WRONLY);
    if (povodny < 0 || nic < 0) {
        perror("bench: redirecting the game's output");
        return false;
    }
    report = new __gnu_cxx::stdio_filebuf<char>(povodny, std::ios::out);
    std::cout.rdbuf(report);
    dup2(nic, STDOUT_FILENO);
    close(nic);
    return true;
}

}  // namespace

bool priprav_prostredie()
{
    if (chdir(PONORKA_RUN_DIR) != 0) {
        perror("bench: " PONORKA_RUN_DIR);
        return false;
    }
    if (!assety_k_dispozicii())
        fprintf(stderr, "bench: no generated assets in " PONORKA_RUN_DIR
                        " (build the assetgen target); sprites, fonts and images will be missing\n");
    if (alfont_init() != 0) {
        fprintf(stderr, "bench: the text layer did not start\n");
        return false;
    }
    screen = nahradna_obrazovka();
    return odklon_vypisy_hry();
}
