#include "demo_fuzz.h"

#include <cstdlib>
#include <sstream>
#include <string>

#include "demo/demo.h"
#include "demo/riadok_krokov.h"

namespace {

void over(bool podmienka)
{
    if (!podmienka)
        abort();
}

}  // namespace

void fuzz_demo_reader(const unsigned char *data, size_t size)
{
    std::string text(reinterpret_cast<const char *>(data), size);

    std::istringstream vstup(text);
    Demo d;
    ChybaDema chyba;
    if (citaj_demo(vstup, "f.demo", d, chyba)) {
        long long kroky = 0;
        int riadok = 1;
        for (const Zaznam &z : d.zaznamy) {
            over(z.riadok > riadok && z.riadok <= d.riadkov);
            riadok = z.riadok;
            if (z.typ == ZAZNAM_KROKY) {
                over(z.pocet >= 1);
                kroky += z.pocet;
            } else if (z.typ == ZAZNAM_KONTROLA || z.typ == ZAZNAM_KONIEC_MISIE || z.typ == ZAZNAM_KONIEC) {
                over(z.krok == kroky);
            }
        }
        over(kroky <= DEMO_NAJVIAC_KROKOV);
        over(d.ma_koniec == (!d.zaznamy.empty() && d.zaznamy.back().typ == ZAZNAM_KONIEC));
    } else {
        over(chyba.kod >= KOD_DEMO_NECITATELNE && chyba.kod <= KOD_DEMO_DLHY_RIADOK);
        over(chyba.sprava.compare(0, 7, "f.demo:") == 0);
    }

    // Every line as a step line on its own, as the replay tool reads scripts.
    size_t zaciatok = 0;
    while (zaciatok <= text.size()) {
        size_t koniec = text.find('\n', zaciatok);
        if (koniec == std::string::npos)
            koniec = text.size();
        RiadokKrokov r;
        std::string sprava;
        ChybaRiadkuKrokov c = citaj_riadok_krokov(text.data() + zaciatok, koniec - zaciatok, r, &sprava);
        over(c == RIADOK_V_PORIADKU ? r.pocet >= 1 && r.pocet <= 9999999999LL : !sprava.empty());
        if (c == RIADOK_V_PORIADKU) {
            char buf[128];
            size_t n = zapis_riadok_krokov(r.povel, r.pocet, buf, sizeof buf);
            RiadokKrokov znova;
            over(citaj_riadok_krokov(buf, n, znova, nullptr) == RIADOK_V_PORIADKU);
            over(znova.povel == r.povel && znova.pocet == r.pocet);
        }
        zaciatok = koniec + 1;
    }
}
