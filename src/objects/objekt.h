#ifndef PONORKA_OBJEKT_H
#define PONORKA_OBJEKT_H

#include <allegro.h>

#include <cmath>

// Pi with the eight decimals the whole game uses; the arithmetic depends on it.
#define PONORKA_PI 3.14159265

// A heading in degrees in radians, and its unit step: x by the sine, y by the
// cosine (0 points down, 90 right). Every heading in the game goes through these.
inline double radiany(double uhol)
{
    return uhol * PONORKA_PI / 180;
}
inline double smer_x(double uhol)
{
    return std::sin(radiany(uhol));
}
inline double smer_y(double uhol)
{
    return std::cos(radiany(uhol));
}

// Base of every moving thing in the sea. Objects live in the world manager's
// intrusive lists through Dalsia/Predosla; the object owns only Obrazok.
class Objekt {
protected:
    double Px;
    double Py;
    double Sx;
    double Sy;
    int Health;
    int Max_health;
    Objekt *Dalsia;
    Objekt *Predosla;
    double Max_speed;
    double Speed;
    double Zrychlenie;
    double Otacanie;
    double Uhol;
    BITMAP *Obrazok;
    int Prebijanie;
    int Reload;
    int Vybuch;
    BITMAP *Bitmap;

public:
    Objekt();
    // Listed objects are deleted through Objekt*, so the destructor is virtual
    // even though the kinds own nothing beyond Obrazok, which this releases.
    virtual ~Objekt();

    // Draws into Bitmap, and for some kinds changes motion too: the player's
    // boat applies its vertical drift (Horedole) here, torpedoes and gun
    // bullets accelerate, a decoy takes its speed from its age. The world step
    // calls it for the boat on every step but for listed objects only on
    // drawing steps (every third), so their speed follows the drawing cadence.
    virtual void Nakresli();
    void Pohni();

    double GetPx() const { return Px; }
    void SetPx(double v) { Px = v; }
    double GetPy() const { return Py; }
    void SetPy(double v) { Py = v; }
    double GetSx() const { return Sx; }
    void SetSx(double v) { Sx = v; }
    double GetSy() const { return Sy; }
    void SetSy(double v) { Sy = v; }
    int GetHealth() const { return Health; }
    void SetHealth(int v) { Health = v; }
    int GetMax_health() const { return Max_health; }
    void SetMax_health(int v) { Max_health = v; }
    Objekt *GetDalsia() const { return Dalsia; }
    void SetDalsia(Objekt *v) { Dalsia = v; }
    Objekt *GetPredosla() const { return Predosla; }
    void SetPredosla(Objekt *v) { Predosla = v; }
    double GetMax_speed() const { return Max_speed; }
    void SetMax_speed(double v) { Max_speed = v; }
    double GetSpeed() const { return Speed; }
    void SetSpeed(double v) { Speed = v; }
    double GetZrychlenie() const { return Zrychlenie; }
    void SetZrychlenie(double v) { Zrychlenie = v; }
    double GetOtacanie() const { return Otacanie; }
    void SetOtacanie(double v) { Otacanie = v; }
    double GetUhol() const { return Uhol; }
    void SetUhol(double v) { Uhol = v; }
    BITMAP *GetObrazok() const { return Obrazok; }
    void SetObrazok(BITMAP *v) { Obrazok = v; }
    int GetPrebijanie() const { return Prebijanie; }
    void SetPrebijanie(int v) { Prebijanie = v; }
    int GetReload() const { return Reload; }
    void SetReload(int v) { Reload = v; }
    int GetVybuch() const { return Vybuch; }
    void SetVybuch(int v) { Vybuch = v; }
    void SetBitmap(BITMAP *v) { Bitmap = v; }
};

// Dead (no health left) or expired (lived its Reload).
inline bool skoncil(const Objekt *o)
{
    return o->GetHealth() <= 0 || o->GetPrebijanie() >= o->GetReload();
}

// Allegro angle for rotate_sprite: K is 320 for an image facing right and 448
// for one facing left; the heading is scaled by 0.71111111 and truncated.
fixed uhol_sprajtu(double uhol, int k);

// Allegro's rotate_sprite with the same arguments and the same result. The
// library's inline version shifts the position left, which is undefined for
// the negative positions of objects at the left edge; this shifts unsigned.
void rotuj_sprajt(BITMAP *bmp, BITMAP *sprite, int x, int y, fixed angle);

#endif
