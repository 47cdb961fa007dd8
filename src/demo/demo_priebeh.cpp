#include "demo/demo_priebeh.h"

#include "demo/kontrolny_sucet.h"
#include "demo/riadok_krokov.h"
#include "simulation/frame_loop.h"
#include "world/spravca.h"

// --- Recording -------------------------------------------------------------

bool NahravanieDema::povel(Spravca &svet, Hra &hra, int cislo, Povel &p)
{
    Povel zivy;
    if (!vnutorny.povel(svet, hra, cislo, zivy))
        return false;
    if (cislo != misia) {
        zapis.misia(cislo);
        misia = cislo;
    }
    char riadok[128];
    size_t n = zapis_riadok_krokov(zivy, 1, riadok, sizeof riadok);
    RiadokKrokov r;
    citaj_riadok_krokov(riadok, n, r, nullptr);
    zapis.krok(r.povel);
    p = r.povel;
    return true;
}

bool NahravanieDema::po_kroku(Spravca &svet, Hra &hra, int cislo, bool kreslenie)
{
    if (hra.kroky % KROKY_KONTROLY == 0)
        zapis.kontrola(hra.kroky, kontrolny_sucet(svet));
    return vnutorny.po_kroku(svet, hra, cislo, kreslenie);
}

bool NahravanieDema::po_misii(Spravca &svet, Hra &hra, int cislo)
{
    zapis.koniec_misie(cislo, hra.kroky, kontrolny_sucet(svet));
    return vnutorny.po_misii(svet, hra, cislo);
}

bool NahravanieDema::briefing(Hra &hra, int farba, char *text)
{
    return vnutorny.briefing(hra, farba, text);
}

bool NahravanieDema::obchod(Nakup &n)
{
    zapis.obchod(misia);
    PozorovatelNakupu *predosly = n.pozorovatel;
    n.pozorovatel = this;
    bool dalej = vnutorny.obchod(n);
    n.pozorovatel = predosly;
    return dalej;
}

void NahravanieDema::kupene(Polozka p)
{
    zapis.nakup(p);
}

void NahravanieDema::dokonci(Spravca &svet, Hra &hra)
{
    zapis.koniec(hra.kroky, kontrolny_sucet(svet));
}

// --- Playback --------------------------------------------------------------

namespace {

const char *meno_polozky(Polozka p)
{
    return p == POLOZKA_TORPEDO ? "a torpedo" : "a decoy";
}

int pocet_nepriatelov(Spravca &svet)
{
    int n = 0;
    for (Objekt *o = svet.GetZacNepr1(); o != nullptr; o = o->GetDalsia())
        n++;
    return n;
}

}  // namespace

const Zaznam *PrehravanieDema::dalsi()
{
    while (i < demo.zaznamy.size()) {
        const Zaznam &z = demo.zaznamy[i];
        if (z.typ == ZAZNAM_KROKY && v_zazname >= z.pocet) {
            i++;
            v_zazname = 0;
            continue;
        }
        return &z;
    }
    return nullptr;
}

bool PrehravanieDema::nesedi(int krok, const std::string &ocakavane, const std::string &dostal)
{
    int riadok = i < demo.zaznamy.size() ? demo.zaznamy[i].riadok : demo.riadkov;
    vysledok = NESEDI;
    text_spravy = demo.meno + ":" + std::to_string(riadok) + ": demo desync at step " + std::to_string(krok) +
                  ": expected " + ocakavane + ", got " + dostal;
    return false;
}

bool PrehravanieDema::koniec_dema()
{
    if (dalsi() == nullptr) {
        vysledok = PREDCASNE;
        text_spravy = demo.meno + ":" + std::to_string(demo.riadkov) +
                      ": the demo ended early, without its end line (played to step " + std::to_string(kroky) + ")";
        return false;
    }
    pri_konci = true;
    return false;
}

// Every check recorded for this step.
bool PrehravanieDema::kontroly(Spravca &svet, int krok)
{
    const Zaznam *z;
    while ((z = dalsi()) != nullptr && z->typ == ZAZNAM_KONTROLA) {
        if (z->krok != krok)
            return nesedi(krok, "a check at step " + std::to_string(z->krok), "one at step " + std::to_string(krok));
        uint64_t s = kontrolny_sucet(svet);
        if (s != z->sucet)
            return nesedi(krok, sucet_na_text(z->sucet), sucet_na_text(s));
        i++;
    }
    return true;
}

bool PrehravanieDema::povel(Spravca &svet, Hra &hra, int misia, Povel &p)
{
    kroky = hra.kroky;
    if (ciel >= 0 && kroky >= ciel)
        ciel = -1;
    Povel zivy;
    if (!dobieha() && !vnutorny.povel(svet, hra, misia, zivy))
        return false;
    const Zaznam *z;
    for (;;) {
        if (!kontroly(svet, kroky))
            return false;
        z = dalsi();
        if (z == nullptr || z->typ != ZAZNAM_MISIA)
            break;
        if (z->cislo != misia)
            return nesedi(kroky, "mission " + std::to_string(z->cislo), "mission " + std::to_string(misia));
        i++;
    }
    if (z == nullptr || z->typ == ZAZNAM_KONIEC)
        return koniec_dema();
    if (z->typ == ZAZNAM_KROKY) {
        p = z->povel;
        v_zazname++;
        return true;
    }
    int n = pocet_nepriatelov(svet);
    if (z->typ == ZAZNAM_KONIEC_MISIE)
        return nesedi(kroky, "the end of mission " + std::to_string(z->cislo),
                      std::to_string(n) + (n == 1 ? " enemy" : " enemies") + " left");
    return nesedi(kroky, "no more steps", "mission " + std::to_string(misia) + " going on");
}

bool PrehravanieDema::po_kroku(Spravca &svet, Hra &hra, int misia, bool kreslenie)
{
    kroky = hra.kroky;
    if (kreslenie)
        snimky++;
    if (!dobieha() && !vnutorny.po_kroku(svet, hra, misia, kreslenie))
        return false;
    return kontroly(svet, kroky);
}

bool PrehravanieDema::po_misii(Spravca &svet, Hra &hra, int misia)
{
    kroky = hra.kroky;
    if (!kontroly(svet, kroky))
        return false;
    const Zaznam *z = dalsi();
    if (z == nullptr || z->typ == ZAZNAM_KONIEC)
        return koniec_dema();
    if (z->typ != ZAZNAM_KONIEC_MISIE || z->cislo != misia)
        return nesedi(kroky, "mission " + std::to_string(misia) + " to go on", "its end");
    uint64_t s = kontrolny_sucet(svet);
    if (s != z->sucet)
        return nesedi(kroky, sucet_na_text(z->sucet), sucet_na_text(s));
    i++;
    skoncena_misia = misia;
    return dobieha() || vnutorny.po_misii(svet, hra, misia);
}

bool PrehravanieDema::briefing(Hra &hra, int farba, char *text)
{
    // The end line stops the game at a briefing, as the player left there;
    // but the last mission of a campaign without a shop ends with its
    // briefing, and the end line comes after it.
    const std::vector<MisiaKampane> &misie = demo.kampan.misie;
    bool posledny = skoncena_misia == (int)misie.size() && !misie.back().obchod;
    const Zaznam *z = dalsi();
    if (z == nullptr || (z->typ == ZAZNAM_KONIEC && !posledny))
        return koniec_dema();
    if (!s_obrazovkami())
        return true;
    return vnutorny.briefing(hra, farba, text);
}

void PrehravanieDema::kupene(Polozka p)
{
    kupene_naozaj.push_back(p);
}

bool PrehravanieDema::obchod(Nakup &n)
{
    const Zaznam *z = dalsi();
    if (z == nullptr || z->typ == ZAZNAM_KONIEC)
        return koniec_dema();
    if (z->typ != ZAZNAM_OBCHOD)
        return nesedi(kroky, "no shop", "a shop");
    size_t prvy = ++i;
    std::vector<Polozka> predpis;
    while ((z = dalsi()) != nullptr && z->typ == ZAZNAM_NAKUP) {
        predpis.push_back(z->polozka);
        i++;
    }
    size_t za_nakupmi = i;

    if (s_obrazovkami()) {
        kupene_naozaj.clear();
        PozorovatelNakupu *pozorovatel = n.pozorovatel;
        const std::vector<Polozka> *povodny = n.predpis;
        n.pozorovatel = this;
        n.predpis = &predpis;
        bool dalej = vnutorny.obchod(n);
        n.pozorovatel = pozorovatel;
        n.predpis = povodny;
        if (!dalej)
            return false;
        for (size_t k = 0; k < predpis.size(); k++) {
            if (k >= kupene_naozaj.size() || kupene_naozaj[k] != predpis[k]) {
                i = prvy + k;
                return nesedi(kroky, std::string(meno_polozky(predpis[k])) + " bought",
                              k < kupene_naozaj.size() ? std::string(meno_polozky(kupene_naozaj[k])) : "nothing");
            }
        }
        if (kupene_naozaj.size() > predpis.size())
            return nesedi(kroky, "no more purchases", meno_polozky(kupene_naozaj[predpis.size()]));
        return true;
    }

    for (size_t k = 0; k < predpis.size(); k++) {
        Polozka p = predpis[k];
        if (!kup(n, p)) {
            i = prvy + k;
            return nesedi(kroky, std::string(meno_polozky(p)) + " bought",
                          "it refused with " + std::to_string(n.peniaze) + " money");
        }
        vypis_nakup(p, p == POLOZKA_TORPEDO ? n.torpeda : n.navnady, n.peniaze);
    }
    i = za_nakupmi;
    return true;
}

PrehravanieDema::Vysledok PrehravanieDema::dohraj(Spravca &svet, Hra &hra, bool dohrane)
{
    if (vysledok == NESEDI || vysledok == PREDCASNE)
        return vysledok;
    kroky = hra.kroky;
    if (dohrane) {
        // After the last shop only the end line may come.
        const Zaznam *z = dalsi();
        if (z == nullptr) {
            koniec_dema();
            return vysledok;
        }
        if (z->typ != ZAZNAM_KONIEC) {
            nesedi(kroky, "more of the game", "its end");
            return vysledok;
        }
        pri_konci = true;
    }
    if (!pri_konci)
        return vysledok = PRERUSENE;
    const Zaznam &z = demo.zaznamy[i];
    if (z.krok != hra.kroky) {
        nesedi(kroky, "the end after step " + std::to_string(z.krok), "it after step " + std::to_string(hra.kroky));
        return vysledok;
    }
    uint64_t s = kontrolny_sucet(svet);
    if (s != z.sucet) {
        nesedi(kroky, sucet_na_text(z.sucet), sucet_na_text(s));
        return vysledok;
    }
    return vysledok = DOHRANE;
}

void PrehravanieDema::znova()
{
    i = 0;
    v_zazname = 0;
    kroky = 0;
    pri_konci = false;
    vysledok = PRERUSENE;
    text_spravy.clear();
    kupene_naozaj.clear();
}

int PrehravanieDema::kod() const
{
    switch (vysledok) {
    case NESEDI:
        return KOD_DEMO_NESEDI;
    case PREDCASNE:
        return KOD_DEMO_PREDCASNY_KONIEC;
    default:
        return 0;
    }
}
