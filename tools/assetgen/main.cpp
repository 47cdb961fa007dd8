// ponorka-assetgen OUTDIR: writes every image, sound and font the game reads into OUTDIR
// (gfx/, sfx/, data/fonts/). The output is the same, byte for byte, on every run.
// ponorka-assetgen --icons ICONDIR: writes the desktop icons (ICONDIR/hicolor/...).
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <allegro.h>

#include "maliari.h"
#include "platno.h"

namespace fs = std::filesystem;

namespace {

bool uloz_a_uvolni(BITMAP *bmp, const std::string &cesta)
{
    if (!bmp) {
        std::fprintf(stderr, "ponorka-assetgen: could not paint %s\n", cesta.c_str());
        return false;
    }
    bool ok = uloz(bmp, cesta.c_str());
    destroy_bitmap(bmp);
    return ok;
}

bool kopiruj(const char *zdroj, const std::string &ciel)
{
    std::error_code chyba;
    fs::copy_file(zdroj, ciel, fs::copy_options::overwrite_existing, chyba);
    if (chyba) {
        std::fprintf(stderr, "ponorka-assetgen: cannot copy %s to %s: %s\n", zdroj, ciel.c_str(),
                     chyba.message().c_str());
        return false;
    }
    return true;
}

bool pisma(const std::string &out)
{
    struct Pismo {
        const char *meno, *ttf, *licencia;
    };
    const Pismo zoznam[] = {
        {"formal", PONORKA_FONT_FORMAL, PONORKA_FONT_FORMAL_LICENSE},
        {"trebuchet", PONORKA_FONT_TREBUCHET, PONORKA_FONT_TREBUCHET_LICENSE},
        {"copperlate", PONORKA_FONT_COPPERLATE, PONORKA_FONT_COPPERLATE_LICENSE},
    };
    bool ok = true;
    for (const Pismo &p : zoznam) {
        std::string zaklad = out + "/data/fonts/" + p.meno;
        ok = kopiruj(p.ttf, zaklad + ".ttf") && ok;
        ok = kopiruj(p.licencia, zaklad + ".ttf.copyright") && ok;
    }
    return ok;
}

}  // namespace

int main(int argc, char **argv)
{
    const bool ikony = argc == 3 && std::string(argv[1]) == "--icons";
    if (argc != 2 && !ikony) {
        std::fprintf(stderr, "usage: ponorka-assetgen OUTDIR\n       ponorka-assetgen --icons ICONDIR\n");
        return 2;
    }
    const std::string out = argv[argc - 1];
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
        std::fprintf(stderr, "ponorka-assetgen: Allegro failed to start\n");
        return 1;
    }
    set_color_depth(32);
    if (ikony)
        return zapis_ikony(out) ? 0 : 1;

    std::error_code chyba;
    for (const char *d : {"gfx/submarine", "gfx/briefing", "gfx/shop/en", "sfx/briefing", "data/fonts"}) {
        fs::create_directories(out + "/" + d, chyba);
        if (chyba) {
            std::fprintf(stderr, "ponorka-assetgen: cannot create %s/%s: %s\n", out.c_str(), d,
                         chyba.message().c_str());
            return 1;
        }
    }

    bool ok = pisma(out);
    const std::string pismo = out + "/data/fonts/copperlate.ttf";

    BITMAP *vpravo = maluj_ponorku_hraca();
    ok = uloz_a_uvolni(zrkadlo(vpravo), out + "/gfx/submarine/sub_player_left.tga") && ok;
    ok = uloz_a_uvolni(vpravo, out + "/gfx/submarine/sub_player_right.tga") && ok;
    ok = uloz_a_uvolni(maluj_nepriatela(), out + "/gfx/submarine/nepriatel.tga") && ok;
    ok = uloz_a_uvolni(maluj_torpedo(), out + "/gfx/torpedo.tga") && ok;
    ok = uloz_a_uvolni(maluj_gulomet(), out + "/gfx/gulomet.tga") && ok;
    ok = uloz_a_uvolni(maluj_portret(), out + "/gfx/briefing/zorvik.tga") && ok;
    ok = uloz_a_uvolni(maluj_pristav(), out + "/gfx/shop/dock.tga") && ok;
    ok = uloz_a_uvolni(maluj_kurzor(), out + "/gfx/shop/cursor.bmp") && ok;

    struct Polozka {
        const char *subor;
        StavPolozky stav;
    };
    const Polozka polozky[] = {
        {"unselected", StavPolozky::Nevybrana},
        {"selected", StavPolozky::Vybrana},
        {"unactive", StavPolozky::Neaktivna},
    };
    // The game's own pictures in gfx/shop/, and those of each language with
    // pictures of its own in a folder of that language, which its catalogue names.
    struct Nazvy {
        const char *priecinok, *torpedo, *navnada;
    };
    const Nazvy jazyky[] = {
        {"/gfx/shop/", "TORPÉDO", "NÁVNADA"},
        {"/gfx/shop/en/", "TORPEDO", "DECOY"},
    };
    for (const Nazvy &j : jazyky) {
        for (const Polozka &p : polozky) {
            ok = uloz_a_uvolni(maluj_torpedo_polozku(p.stav, pismo.c_str(), j.torpedo),
                               out + j.priecinok + "torpedo_" + p.subor + ".tga") &&
                 ok;
            ok = uloz_a_uvolni(maluj_navnadu_polozku(p.stav, pismo.c_str(), j.navnada),
                               out + j.priecinok + "navnada_" + p.subor + ".tga") &&
                 ok;
        }
    }
    ok = zapis_bubny((out + "/sfx/briefing/beat.wav").c_str()) && ok;
    return ok ? 0 : 1;
}
