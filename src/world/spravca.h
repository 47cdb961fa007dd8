#ifndef PONORKA_SPRAVCA_H
#define PONORKA_SPRAVCA_H

#include <allegro.h>

#include "objects/objekt.h"
#include "objects/ponorka.h"

// Drawing-phase counter of the world step: a step that starts with 3 draws.
extern int ked_vykresli;

// Type codes naming a kind of object. Pridaj and Uber take them as plain ints,
// since they are printed as numbers.
enum TypObjektu {
    TYP_NEPR1 = 1,      // enemy submarine
    TYP_STRELA1 = 50,   // player torpedo
    TYP_STRELA2 = 51,   // decoy
    TYP_STRELA3 = 52,   // enemy torpedo
    TYP_STRELA4 = 53,   // gun bullet
    TYP_VYBUCH1 = 200,  // explosion
};

// Euclidean distance of two points. Same formula as vzdialPokus: the world
// manager and the frame loop each keep their own under its own name.
double vzdialSpravca(double x1, double y1, double x2, double y2);

// Owns the player, one intrusive list per kind of object and the world
// bitmap, one list per type code.
class Spravca {
private:
    Objekt *ZacNepr1;
    Objekt *KonNepr1;
    Objekt *ZacVybuch1;
    Objekt *KonVybuch1;
    Objekt *ZacStrela1;
    Objekt *KonStrela1;
    Objekt *ZacStrela2;
    Objekt *KonStrela2;
    Objekt *ZacStrela3;
    Objekt *KonStrela3;
    Objekt *ZacStrela4;
    Objekt *KonStrela4;

public:
    Ponorka Hrac;
    // 1024 x 768; the main loop copies the background into it before drawing steps.
    BITMAP *Svet;

    Spravca();
    ~Spravca();
    Spravca(const Spravca &) = delete;
    Spravca &operator=(const Spravca &) = delete;

    void Pridaj(int type, double px, double py, double speed, double max_speed, double uhol, int health, int max_health,
                double otacanie, int vybuch);
    void Uber(int type, Objekt *o);
    void Krok();
    void Najblizsi(Objekt *from, Objekt *first, double &x, double &y, double &best);
    int Vyber_smer(double x, double y, double tx, double ty, double uhol, double otacanie);

    Ponorka &GetHrac() { return Hrac; }
    BITMAP *GetSvet() const { return Svet; }

    Objekt *GetZacNepr1() const { return ZacNepr1; }
    void SetZacNepr1(Objekt *v) { ZacNepr1 = v; }
    Objekt *GetKonNepr1() const { return KonNepr1; }
    void SetKonNepr1(Objekt *v) { KonNepr1 = v; }
    Objekt *GetZacVybuch1() const { return ZacVybuch1; }
    void SetZacVybuch1(Objekt *v) { ZacVybuch1 = v; }
    Objekt *GetKonVybuch1() const { return KonVybuch1; }
    void SetKonVybuch1(Objekt *v) { KonVybuch1 = v; }
    Objekt *GetZacStrela1() const { return ZacStrela1; }
    void SetZacStrela1(Objekt *v) { ZacStrela1 = v; }
    Objekt *GetKonStrela1() const { return KonStrela1; }
    void SetKonStrela1(Objekt *v) { KonStrela1 = v; }
    Objekt *GetZacStrela2() const { return ZacStrela2; }
    void SetZacStrela2(Objekt *v) { ZacStrela2 = v; }
    Objekt *GetKonStrela2() const { return KonStrela2; }
    void SetKonStrela2(Objekt *v) { KonStrela2 = v; }
    Objekt *GetZacStrela3() const { return ZacStrela3; }
    void SetZacStrela3(Objekt *v) { ZacStrela3 = v; }
    Objekt *GetKonStrela3() const { return KonStrela3; }
    void SetKonStrela3(Objekt *v) { KonStrela3 = v; }
    Objekt *GetZacStrela4() const { return ZacStrela4; }
    void SetZacStrela4(Objekt *v) { ZacStrela4 = v; }
    Objekt *GetKonStrela4() const { return KonStrela4; }
    void SetKonStrela4(Objekt *v) { KonStrela4 = v; }

private:
    // Head and tail of the list of a type code; false for an unknown code.
    bool zoznam(int type, Objekt **&zac, Objekt **&kon);
    void zasah_vybuchom(Objekt *vybuch);
};

#endif
