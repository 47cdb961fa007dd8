#include "start/kampan_hry.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "options/kody.h"
#include "options/priecinok_dat.h"
#include "screens/briefing_pass.h"
#include "simulation/kampan_citac.h"
#include "text/alfont.h"

const char *const PISMO_BRIEFINGU = "data/fonts/trebuchet.ttf";

int nacitaj_kampan(const std::string &volba, const char *nazov, Kampan &k)
{
    const std::string cesta = cesta_kampane(volba);
    std::ifstream subor(cesta, std::ios::binary);
    if (!subor) {
        fprintf(stderr, "%s: can't open campaign %s: %s\n", nazov, cesta.c_str(), strerror(errno));
        return KOD_KAMPAN_NECITATELNA;
    }
    // The text layer needs no display: the campaign is checked before one is opened.
    alfont_init();
    ALFONT_FONT *pismo = alfont_load_font(PISMO_BRIEFINGU);
    if (pismo == nullptr) {
        fprintf(stderr, "%s: can't load %s to measure the briefings of %s\n", nazov, PISMO_BRIEFINGU, cesta.c_str());
        return KOD_DATA;
    }
    ChybaKampane chyba;
    bool precitane = citaj_kampan(subor, cesta, k, chyba, [pismo](const std::string &riadok) {
        return briefing_riadok_sa_zmesti(pismo, riadok);
    });
    alfont_destroy_font(pismo);
    if (!precitane) {
        fprintf(stderr, "%s: %s\n", nazov, chyba.sprava.c_str());
        return chyba.kod;
    }
    return -1;
}
