#include "demo/demo_hra.h"

#include <chrono>
#include <sstream>

#include "demo/demo_priebeh.h"
#include "demo/demo_zapis.h"
#include "options/priecinok_dat.h"
#include "options/volby.h"
#include "simulation/frame_loop.h"
#include "simulation/missions.h"
#include "world/spravca.h"

namespace {

const char *const NAZOV = "ponorka";

int precitaj(DemoHry &d)
{
    std::string obsah, dovod;
    if (!nacitaj_subor(d.cesta, obsah, dovod)) {
        fprintf(stderr, "%s: can't open demo %s: %s\n", NAZOV, d.cesta.c_str(), dovod.c_str());
        return KOD_DEMO_NECITATELNE;
    }
    std::istringstream subor(obsah);
    ChybaDema chyba;
    if (!citaj_demo(subor, d.cesta, d.demo, chyba)) {
        fprintf(stderr, "%s: %s\n", NAZOV, chyba.sprava.c_str());
        return chyba.kod;
    }
    std::string varovanie = varovanie_verzie(d.demo, verzia_hry());
    if (!varovanie.empty())
        fprintf(stderr, "%s: warning: %s\n", NAZOV, varovanie.c_str());
    return -1;
}

int nahraj(Spravca &svet, Hra &hra, Priebeh &obrazovky, DemoHry &d, const Kampan &kampan, VypisSuhrnu suhrn)
{
    std::string dovod;
    if (!d.nahravka.zacni(dovod)) {
        fprintf(stderr, "%s: can't write the demo %s: %s\n", NAZOV, d.cesta.c_str(), dovod.c_str());
        return KOD_DEMO_ZAPIS;
    }
    ZapisDema zapis(d.nahravka.subor(), verzia_hry(), kampan, std::string(NAZOV) + ": can't write the demo " + d.cesta);
    NahravanieDema nahravanie(zapis, obrazovky);
    hraj_kampan(svet, hra, nahravanie, kampan);
    suhrn(svet, hra);
    nahravanie.dokonci(svet, hra);
    if (!d.nahravka.dokonci(!zapis.chyba(), dovod)) {
        fprintf(stderr, "%s: the demo %s %s\n", NAZOV, d.cesta.c_str(), dovod.c_str());
        return KOD_DEMO_ZAPIS;
    }
    return 0;
}

int prehraj(Spravca &svet, Hra &hra, Priebeh &obrazovky, DemoHry &d, VypisSuhrnu suhrn)
{
    bool meranie = d.rezim == DemoHry::MERANIE;
    // Timed, the briefings and shops are skipped and nothing waits for the clock.
    hra.bez_cakania = meranie;
    PrehravanieDema prehravanie(d.demo, obrazovky, !meranie);
    // Watched on the screen, the playback keys seek: the world may then be a fresh one.
    Prehravac prehravac(d.demo, prehravanie, d.kresli_polohu);
    Spravca *s = &svet;
    auto zaciatok = std::chrono::steady_clock::now();
    bool dohrane = meranie ? hraj_kampan(svet, hra, prehravanie, d.demo.kampan) : prehravac.hraj(s, hra);
    double sekundy = std::chrono::duration<double>(std::chrono::steady_clock::now() - zaciatok).count();
    PrehravanieDema::Vysledok vysledok = prehravanie.dohraj(*s, hra, dohrane);
    if (vysledok == PrehravanieDema::NESEDI) {
        fflush(stdout);
        fprintf(stderr, "%s: %s\n", NAZOV, prehravanie.sprava().c_str());
        return prehravanie.kod();
    }
    suhrn(*s, hra);
    if (meranie) {
        printf("\ntimedemo: %d steps, %d frames drawn, %.3f s, %.1f fps\n", hra.kroky, prehravanie.snimky, sekundy,
               sekundy > 0 ? prehravanie.snimky / sekundy : 0.0);
        fflush(stdout);
    }
    if (vysledok == PrehravanieDema::PREDCASNE)
        fprintf(stderr, "%s: %s\n", NAZOV, prehravanie.sprava().c_str());
    return prehravanie.kod();
}

}  // namespace

int priprav_demo(const Volby &v, DemoHry &d)
{
    if (!v.nahravka.empty()) {
        d.rezim = DemoHry::NAHRAVANIE;
        d.cesta = cesta_od_hraca(v.nahravka);
        std::string dovod = PRIECINOK_HRACA_ZMIZOL;
        if (d.cesta.empty() || !d.nahravka.priprav(d.cesta, dovod)) {
            fprintf(stderr, "%s: can't write the demo %s: %s\n", NAZOV,
                    d.cesta.empty() ? v.nahravka.c_str() : d.cesta.c_str(), dovod.c_str());
            return KOD_DEMO_ZAPIS;
        }
        return -1;
    }
    if (!v.prehravka.empty()) {
        d.rezim = v.meranie ? DemoHry::MERANIE : DemoHry::PREHRAVANIE;
        d.cesta = cesta_od_hraca(v.prehravka);
        if (d.cesta.empty()) {
            fprintf(stderr, "%s: can't open demo %s: %s\n", NAZOV, v.prehravka.c_str(), PRIECINOK_HRACA_ZMIZOL);
            return KOD_DEMO_NECITATELNE;
        }
        return precitaj(d);
    }
    return -1;
}

int hraj_s_demom(Spravca &svet, Hra &hra, Priebeh &obrazovky, DemoHry &d, const Kampan &kampan, VypisSuhrnu suhrn)
{
    switch (d.rezim) {
    case DemoHry::NAHRAVANIE:
        return nahraj(svet, hra, obrazovky, d, kampan, suhrn);
    case DemoHry::PREHRAVANIE:
    case DemoHry::MERANIE:
        return prehraj(svet, hra, obrazovky, d, suhrn);
    case DemoHry::ZIADNE:
        break;
    }
    hraj_kampan(svet, hra, obrazovky, kampan);
    suhrn(svet, hra);
    return 0;
}
