#include "screens/karta_kresba.h"

#include <algorithm>

#include "platform/preklad.h"

#include "text/alfont.h"

KartaPisma nacitaj_pisma_karty(int h)
{
    KartaPisma p;
    p.nadpis = alfont_load_font("data/fonts/copperlate.ttf");
    p.riadky = alfont_load_font("data/fonts/trebuchet.ttf");
    p.poznamky = alfont_load_font("data/fonts/trebuchet.ttf");
    if (p.nadpis)
        alfont_set_font_size(p.nadpis, (int)(h / (long double)21.333333));
    if (p.riadky)
        alfont_set_font_size(p.riadky, (int)(h / (long double)36.923076));
    if (p.poznamky)
        alfont_set_font_size(p.poznamky, h / 48);
    return p;
}

void uvolni_pisma_karty(KartaPisma &p)
{
    alfont_destroy_font(p.nadpis);
    alfont_destroy_font(p.riadky);
    alfont_destroy_font(p.poznamky);
    p = KartaPisma();
}

namespace {

void text(BITMAP *kam, ALFONT_FONT *f, int x, int y, int farba, const std::string &t)
{
    if (f && !t.empty())
        alfont_textprintf_aa(kam, f, x, y, farba, "%s", t.c_str());
}

void text_v_strede(BITMAP *kam, ALFONT_FONT *f, int x, int y, int farba, const std::string &t)
{
    if (f && !t.empty())
        alfont_textout_centre_aa(kam, f, t.c_str(), x, y, farba);
}

}  // namespace

void nakresli_kartu(BITMAP *kam, const KartaStav &s, const KartaPisma &p, const std::string &pad)
{
    // The pause's and the shop's colours: a black panel with a grey border,
    // names in the shop's amber, keys in its green, pad inputs in its blue;
    // the action that just lost a key in red.
    const int cierna = makecol(0, 0, 0);
    const int siva = makecol(128, 128, 128);
    const int svetla = makecol(182, 182, 182);
    const int biela = makecol(255, 255, 255);
    const int jantar = makecol(176, 128, 56);
    const int zelena = makecol(56, 176, 56);
    const int modra = makecol(56, 128, 176);
    const int zlta = makecol(255, 255, 0);
    const int cervena = makecol(255, 80, 80);

    int w = kam->w, h = kam->h;
    // The title, the rows, the message, the pad and two lines of keys, centred;
    // the rows close up when they would not fit with a margin.
    int okraje = h / 8 + h / 60 + h / 60 + h / 40;
    int vyska = std::min(h / 29, (h - okraje - h / 40) / (AKCIE + 4));
    int obsah = h / 8 + AKCIE * vyska + h / 60 + vyska + h / 60 + 3 * vyska + h / 40;
    int x1 = w / 10, x2 = w - w / 10, y1 = (h - obsah) / 2, y2 = y1 + obsah;
    int sirka = x2 - x1;
    int stlpce[STLPCE_KARTY] = {x1 + sirka * 33 / 100, x1 + sirka * 47 / 100, x1 + sirka * 62 / 100,
                                x1 + sirka * 77 / 100};
    int bunka = sirka * 14 / 100;
    int hore = y1 + h / 8;
    int vlavo = x1 + w / 40;

    rectfill(kam, x1, y1, x2, y2, cierna);
    rect(kam, x1, y1, x2, y2, siva);
    int stary_rezim = alfont_text_mode(-1);

    text_v_strede(kam, p.nadpis, w / 2, y1 + h / 60, biela, preloz("OVLADANIE"));
    int hlavicka = hore - vyska - h / 100;
    text(kam, p.poznamky, vlavo, hlavicka, siva, preloz("akcia"));
    text(kam, p.poznamky, stlpce[0], hlavicka, siva, preloz("klavesnica"));
    text(kam, p.poznamky, stlpce[MIESTA], hlavicka, siva, preloz("gamepad"));

    for (int a = 0; a < AKCIE; a++) {
        int y = hore + a * vyska;
        bool vybrany = a == s.riadok;
        text(kam, p.riadky, vlavo, y, vybrany ? biela : a == s.stratila ? cervena : jantar, preloz(AKCIE_HRY[a].nazov));
        for (int c = 0; c < STLPCE_KARTY; c++) {
            DruhVstupu d = c < MIESTA ? KLAVESNICA : PAD;
            int v = s.vazby.miesta(d, a)[c % MIESTA];
            bool tu = vybrany && c == s.stlpec;
            std::string t = tu && s.caka ? "?" : v ? meno(d, v) : "-";
            int farba = tu && s.caka ? zlta : !v ? siva : d == KLAVESNICA ? zelena : modra;
            text(kam, p.riadky, stlpce[c] + w / 200, y, farba, t);
            if (tu)
                rect(kam, stlpce[c], y - 1, stlpce[c] + bunka - w / 100, y + vyska - 3, svetla);
        }
        // The game's own keys below the simulation's, the playback's below them.
        if (a + 1 < AKCIE && ((AKCIE_HRY[a].povel && !AKCIE_HRY[a + 1].povel) || a + 1 == AKCIA_DOZADU))
            hline(kam, vlavo, y + vyska - 1, x2 - w / 40, siva);
    }

    int y = hore + AKCIE * vyska + h / 60;
    std::string sprava = s.sprava;
    if (s.caka)
        sprava = std::string(s.druh() == KLAVESNICA ? preloz("Stlac klavesu")
                                                    : preloz("Stlac tlacidlo alebo pohni packou")) +
                 preloz(" pre akciu ") + preloz(AKCIE_HRY[s.riadok].nazov) + preloz(" (Esc: zrusit)");
    text(kam, p.riadky, vlavo, y, s.caka ? zlta : biela, sprava);
    y += vyska + h / 60;
    text(kam, p.poznamky, vlavo, y, modra, preloz("Gamepad: ") + (pad.empty() ? std::string(preloz("ziadny")) : pad));
    y += vyska;
    text(kam, p.poznamky, vlavo, y, siva,
         preloz("Sipky: vyber    Enter: nova klavesa    Delete: povodne    Backspace: prazdne"));
    y += vyska;
    std::string zavri;
    for (int i = 0; i < MIESTA; i++)
        if (s.vazby.klavesy[AKCIA_KARTA][i])
            zavri += std::string(meno_klavesy(s.vazby.klavesy[AKCIA_KARTA][i])) + preloz(" alebo ");
    text(kam, p.poznamky, vlavo, y, siva, zavri + preloz("Esc: zavriet (zmeny sa ulozia)"));

    alfont_text_mode(stary_rezim);
}
