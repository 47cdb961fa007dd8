#include "world/spravca.h"

#include <cmath>
#include <cstdio>

#include "display/zmeny.h"
#include "objects/nepriatelia.h"
#include "objects/strela.h"
#include "objects/vybuch.h"
#include "platform/rozlisenie.h"

int ked_vykresli = 1;

namespace {

// The band the player is kept in; the world scrolls beneath it outside.
const double PRAVY_OKRAJ = 750.0;
const double LAVY_OKRAJ = 100.0;
const double HRANICA_HRACA = 1.0;
// Homing torpedoes see only targets strictly nearer than this.
const double DOSAH_HLADANIA = 300.0;
// Start value of a target's x and y: nothing found yet.
const double NIC = 1000.0;
const double ZASAH_GULKY = 6.0;
const double SONDA = 0.1;

}  // namespace

double vzdialSpravca(double x1, double y1, double x2, double y2)
{
    return sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
}

Spravca::Spravca()
{
    ZacNepr1 = nullptr;
    KonNepr1 = nullptr;
    ZacVybuch1 = nullptr;
    KonVybuch1 = nullptr;
    ZacStrela1 = nullptr;
    KonStrela1 = nullptr;
    ZacStrela2 = nullptr;
    KonStrela2 = nullptr;
    ZacStrela3 = nullptr;
    KonStrela3 = nullptr;
    ZacStrela4 = nullptr;
    KonStrela4 = nullptr;
    Svet = create_bitmap(1024, 768);
    Hrac.SetBitmap(Svet);
}

Spravca::~Spravca()
{
    Objekt *zoznamy[] = {ZacNepr1, ZacVybuch1, ZacStrela1, ZacStrela2, ZacStrela3, ZacStrela4};
    for (Objekt *o : zoznamy) {
        while (o) {
            Objekt *dalsia = o->GetDalsia();
            delete o;
            o = dalsia;
        }
    }
    destroy_bitmap(Svet);
}

bool Spravca::zoznam(int type, Objekt **&zac, Objekt **&kon)
{
    if (type == TYP_NEPR1) {
        zac = &ZacNepr1;
        kon = &KonNepr1;
    } else if (type == TYP_STRELA1) {
        zac = &ZacStrela1;
        kon = &KonStrela1;
    } else if (type == TYP_STRELA2) {
        zac = &ZacStrela2;
        kon = &KonStrela2;
    } else if (type == TYP_STRELA3) {
        zac = &ZacStrela3;
        kon = &KonStrela3;
    } else if (type == TYP_STRELA4) {
        zac = &ZacStrela4;
        kon = &KonStrela4;
    } else if (type == TYP_VYBUCH1) {
        zac = &ZacVybuch1;
        kon = &KonVybuch1;
    } else {
        return false;
    }
    return true;
}

void Spravca::Pridaj(int type, double px, double py, double speed, double max_speed, double uhol, int health,
                     int max_health, double otacanie, int vybuch)
{
    Objekt **zac_clen;
    Objekt **kon_clen;
    if (!zoznam(type, zac_clen, kon_clen)) {
        printf("Zadal si objekt, ktory neexistuje vo funkcii pridaj\n");
        return;
    }
    Objekt *zac = *zac_clen;
    Objekt *kon = *kon_clen;

    Objekt *o;
    if (type == TYP_NEPR1)
        o = new Nepr1;
    else if (type == TYP_STRELA1)
        o = new Strela1;
    else if (type == TYP_STRELA2)
        o = new Strela2;
    else if (type == TYP_STRELA3)
        o = new Strela3;
    else if (type == TYP_STRELA4)
        o = new Strela4;
    else
        o = new Vybuch1;
    printf("Objekt %d", type);

    o->SetBitmap(Svet);
    if (zac == nullptr) {
        o->SetDalsia(nullptr);
        o->SetPredosla(nullptr);
        zac = o;
        kon = o;
        printf("  PRVY\n");
    } else {
        kon->SetDalsia(o);
        o->SetPredosla(kon);
        kon = o;
        printf("  INY\n");
    }

    o->SetPx(px);
    o->SetPy(py);
    o->SetSpeed(speed);
    o->SetMax_speed(max_speed);
    o->SetUhol(uhol);
    o->SetHealth(health);
    o->SetMax_health(max_health);
    o->SetOtacanie(otacanie);
    o->SetVybuch(vybuch);
    printf(" uspesne pridany \n");

    *zac_clen = zac;
    *kon_clen = kon;

    if (type == TYP_VYBUCH1)
        zasah_vybuchom(o);
}

namespace {

// Health - (R - d)^2 in double, truncated, never below 0. The floor is taken
// before the conversion so that a huge blast can't overflow the int.
int po_zasahu(int health, double r, double d)
{
    double zostatok = health - (r - d) * (r - d);
    if (zostatok < 0)
        return 0;
    return (int)zostatok;
}

}  // namespace

void Spravca::zasah_vybuchom(Objekt *vybuch)
{
    double R = vybuch->GetMax_health();
    double ex = vybuch->GetPx();
    double ey = vybuch->GetPy();

    // Explosions never hurt each other.
    Objekt *zoznamy[] = {ZacNepr1, ZacStrela1, ZacStrela2, ZacStrela3, ZacStrela4};
    for (Objekt *o : zoznamy) {
        for (; o; o = o->GetDalsia()) {
            double d = vzdialSpravca(ex, ey, o->GetPx(), o->GetPy());
            if (d < R)
                o->SetHealth(po_zasahu(o->GetHealth(), R, d));
        }
    }

    // The player is hit once, through the hull point nearest to the blast.
    double px = Hrac.GetPx();
    double py = Hrac.GetPy();
    double vx = Hrac.GetVx();
    double vy = Hrac.GetVy();
    double d1 = vzdialSpravca(ex, ey, px - 50, py);
    double d2 = vzdialSpravca(ex, ey, (px - 50 + vx) / 2, (py + vy) / 2);
    // Not the torpedo hit's aft point (3 * px - vx - 150): the other order rounds differently.
    double d3 = vzdialSpravca(ex, ey, (3 * px - 150 - vx) / 2, (3 * py - vy) / 2);
    double dmin = d1;
    if (d2 < dmin)
        dmin = d2;
    if (d3 < dmin)
        dmin = d3;
    if (dmin < R)
        Hrac.SetHealth(po_zasahu(Hrac.GetHealth(), R, dmin));
}

void Spravca::Uber(int type, Objekt *o)
{
    if (o == nullptr) {
        printf("Nepokusaj sa vymazat Objekt typu %d ktory nie je\n", type);
        return;
    }
    Objekt **zac_clen;
    Objekt **kon_clen;
    if (!zoznam(type, zac_clen, kon_clen)) {
        fprintf(stderr, "spravca: Uber: unknown type code %d, nothing removed\n", type);
        return;
    }
    // Unlinking an object from a list it isn't in would corrupt both lists.
    Objekt *clen = *zac_clen;
    while (clen && clen != o)
        clen = clen->GetDalsia();
    if (!clen) {
        fprintf(stderr, "spravca: Uber: object is not in the list of type %d, nothing removed\n", type);
        return;
    }

    Objekt *zac = *zac_clen;
    Objekt *kon = *kon_clen;

    // Spawned while o is still linked, so the blast reaches everything near it at once.
    if (type != TYP_VYBUCH1)
        Pridaj(TYP_VYBUCH1, o->GetPx(), o->GetPy(), 0.0, 0.0, 0.0, o->GetVybuch(), o->GetVybuch(), 0.0, 0);

    Objekt *predosla = nullptr;
    Objekt *dalsia = nullptr;
    if (o->GetPredosla() != nullptr) {
        predosla = o->GetPredosla();
        printf("po1");
    }
    if (o->GetDalsia() != nullptr) {
        dalsia = o->GetDalsia();
        printf("po2");
    }

    if (predosla == nullptr && dalsia == nullptr) {
        zac = nullptr;
        kon = nullptr;
        printf("00");
    } else if (predosla == nullptr) {
        zac = dalsia;
        zac->SetPredosla(nullptr);
        printf("01");
    } else if (dalsia == nullptr) {
        kon = predosla;
        kon->SetDalsia(nullptr);
        printf("10");
    } else {
        predosla->SetDalsia(dalsia);
        dalsia->SetPredosla(predosla);
        printf("11");
    }
    delete o;

    *zac_clen = zac;
    *kon_clen = kon;

    if (type == TYP_NEPR1)
        Hrac.SetMoney(Hrac.GetMoney() + 100);
    printf(" Uber %d\n", type);
}

void Spravca::Najblizsi(Objekt *from, Objekt *first, double &x, double &y, double &best)
{
    for (Objekt *o = first; o; o = o->GetDalsia()) {
        double d = vzdialSpravca(from->GetPx(), from->GetPy(), o->GetPx(), o->GetPy());
        if (d < best) {
            best = d;
            x = o->GetPx();
            y = o->GetPy();
        }
    }
}

int Spravca::Vyber_smer(double x, double y, double tx, double ty, double uhol, double otacanie)
{
    // Distance to the target from a probe a short way along heading h.
    auto sonda = [&](double h) { return vzdialSpravca(tx, ty, x + SONDA * smer_x(h), y + SONDA * smer_y(h)); };
    double dPlus = sonda(uhol + otacanie);
    double dKeep = sonda(uhol);
    double dMinus = sonda(uhol - otacanie);
    if (dPlus <= dKeep && dPlus <= dMinus)
        return 1;
    if (dMinus < dPlus && dMinus < dKeep)
        return -1;
    return 0;
}

void Spravca::Krok()
{
    bool kresli = ked_vykresli == 3;

    Hrac.Ovladanie();
    Hrac.Maxspeed();
    Hrac.Pohni();
    if (Hrac.GetPx() - HRANICA_HRACA > PRAVY_OKRAJ || Hrac.GetPx() + HRANICA_HRACA < LAVY_OKRAJ)
        Hrac.SetPx(Hrac.GetPx() - Hrac.GetSx());

    // While the player is outside the band, everything else slides by its motion.
    auto posun = [this](Objekt *o) {
        if (Hrac.GetPx() > PRAVY_OKRAJ || Hrac.GetPx() < LAVY_OKRAJ)
            o->SetPx(o->GetPx() - Hrac.GetSx());
    };

    for (Objekt *e = ZacNepr1; e; e = e->GetDalsia()) {
        double h = e->GetUhol();
        int smer = Vyber_smer(e->GetPx(), e->GetPy(), Hrac.GetPx(), Hrac.GetPy(), e->GetUhol(), e->GetOtacanie());
        e->SetUhol(h + e->GetOtacanie() * smer);
        posun(e);
        e->Pohni();
        if (kresli)
            e->Nakresli();
    }

    for (Objekt *v = ZacVybuch1; v; v = v->GetDalsia()) {
        v->SetHealth(v->GetHealth() - 1);
        posun(v);
        v->Pohni();
        if (kresli)
            v->Nakresli();
    }

    for (Objekt *s = ZacStrela1; s; s = s->GetDalsia()) {
        posun(s);
        s->Pohni();
        if (kresli)
            s->Nakresli();
        double best = DOSAH_HLADANIA;
        double x = NIC;
        double y = NIC;
        Najblizsi(s, ZacNepr1, x, y, best);
        if (x < NIC && y < NIC)
            s->SetUhol(s->GetUhol() +
                       s->GetOtacanie() * Vyber_smer(s->GetPx(), s->GetPy(), x, y, s->GetUhol(), s->GetOtacanie()));
    }

    for (Objekt *n = ZacStrela2; n; n = n->GetDalsia()) {
        posun(n);
        n->Pohni();
        if (kresli)
            n->Nakresli();
    }

    // At most one bullet goes per step; the pass stops at it, so a removed
    // bullet is never touched again and the ones after it wait a step.
    for (Objekt *b = ZacStrela4; b; b = b->GetDalsia()) {
        posun(b);
        b->Pohni();
        if (skoncil(b)) {
            Uber(TYP_STRELA4, b);
            break;
        }
        bool zasah = false;
        for (Objekt *e = ZacNepr1; e; e = e->GetDalsia()) {
            if (vzdialSpravca(e->GetPx(), e->GetPy(), b->GetPx(), b->GetPy()) < ZASAH_GULKY) {
                zasah = true;
                break;
            }
        }
        if (zasah) {
            Uber(TYP_STRELA4, b);
            break;
        }
        if (kresli)
            b->Nakresli();
    }

    for (Objekt *s = ZacStrela3; s; s = s->GetDalsia()) {
        posun(s);
        double best = DOSAH_HLADANIA;
        double x = NIC;
        double y = NIC;
        Najblizsi(s, ZacStrela2, x, y, best);
        double d = vzdialSpravca(Hrac.GetPx(), Hrac.GetPy(), s->GetPx(), s->GetPy());
        if (d < best) {
            x = Hrac.GetPx();
            y = Hrac.GetPy();
            best = d;
        }
        if (best < DOSAH_HLADANIA)
            s->SetUhol(s->GetUhol() +
                       s->GetOtacanie() * Vyber_smer(s->GetPx(), s->GetPy(), x, y, s->GetUhol(), s->GetOtacanie()));
        s->Pohni();
        if (kresli)
            s->Nakresli();
    }

    Hrac.Nakresli();

    if (kresli) {
        if (screen) {
            // The picture's size; a memory bitmap standing in for the screen has no mode.
            int w = gfx_driver ? sirka_obrazu() : screen->w;
            int h = gfx_driver ? vyska_obrazu() : screen->h;
            int vyska = (int)(h * 9 / 10.0);
            // At 1024 x 768 the stretch is 1:1; a plain copy gives the same pixels far
            // faster, and only the parts that moved need writing over the last frame.
            if (w == 1024 && vyska == 691)
                kopiruj_zmeny(Svet, screen, 0, 0, 0, 0, 1024, 691);
            else
                stretch_blit(Svet, screen, 0, 0, 1024, 691, 0, 0, w, vyska);
        }
        ked_vykresli = 0;
    }
    ked_vykresli = ked_vykresli + 1;
}
