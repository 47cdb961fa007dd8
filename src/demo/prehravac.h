#ifndef PONORKA_PREHRAVAC_H
#define PONORKA_PREHRAVAC_H

#include <memory>
#include <vector>

#include <allegro.h>

#include "demo/demo.h"
#include "demo/demo_priebeh.h"
#include "simulation/missions.h"

// Where a demo stands, for the overlay; steps as the game's step counter
// counts them (200 a second of game time).
struct PolohaDema {
    int misia = 1;             // 1 to misii
    int misii = 2;             // the missions of the demo's campaign
    int krok = 0;              // the step about to be played
    int zaciatok_misie = 0;    // the first step of this mission
    int koniec_misie = -1;     // its end, -1 when the demo does not tell
    std::vector<int> hranice;  // the first steps of missions 2, 3, ... as far as the demo tells
    int kroky = -1;            // the whole demo's steps, -1 when cut short
    int posledny = 0;          // the last step the demo holds
    int rychlost = 2;          // in halves: 1 is half speed, 16 is 8x
    bool pauza = false;
};

// Draws the overlay on the screen over the world view (start/ hands it in
// from screens/).
struct Hra;
typedef void (*KresliPolohu)(const PolohaDema &p, Hra &hra);

// The mission boundaries and length the demo's records tell, up front.
PolohaDema hranice_dema(const Demo &d);

// A demo watched like a video: the playback keys seek, change the speed,
// pause and step. A seek forward plays on headless to its step; a seek back
// starts the flow again from a fresh world and plays headless to its step.
// Standard output stays silent while a run plays what was printed already,
// so each line comes once, in order.
class Prehravac : public Priebeh {
public:
    Prehravac(const Demo &d, PrehravanieDema &p, KresliPolohu k)
        : kampan(d.kampan), prehravanie(p), kresli(k), poloha(hranice_dema(d))
    {}
    ~Prehravac();
    Prehravac(const Prehravac &) = delete;
    Prehravac &operator=(const Prehravac &) = delete;

    bool povel(Spravca &svet, Hra &hra, int misia, Povel &p) override;
    bool po_kroku(Spravca &svet, Hra &hra, int misia, bool kreslenie) override;
    bool po_misii(Spravca &svet, Hra &hra, int misia) override;
    bool briefing(Hra &hra, int farba, char *text) override;
    bool obchod(Nakup &n) override;

    // Runs the flow to its end, from a fresh world again after each seek
    // back; `svet` is then the world it ended in. True when it ran to its end.
    bool hraj(Spravca *&svet, Hra &hra);

    // Asks for a seek to a step (clamped to the demo), made before the next step.
    void skoc_na(int krok) { ziadany_skok = krok; }

    static const int SKOK = 2000;  // 10 s of game time
    static const int UKAZ_MS = 3000;

private:
    bool ovladaj(Hra &hra);
    void stlacena(int klavesa, Hra &hra);
    void skoc(int krok, Hra &hra);
    void naslepo(Hra &hra, bool ano);
    void nakresli(Hra &hra);

    const Kampan &kampan;  // the demo's, played again from its start on a seek back
    PrehravanieDema &prehravanie;
    KresliPolohu kresli;
    PolohaDema poloha;
    std::unique_ptr<Spravca> novy;  // the world after a seek back
    int ziadany_skok = -1;
    int spat = -1;       // the step a seek back goes to, -1 for none
    int najdalej = 0;    // the furthest step output was printed to
    bool ticho = false;  // standard output silenced
    bool slepo = false;  // headless
    bool jeden_krok = false;
    int stlacene_ms = -1000000;
    int tempo = 0;  // drawing steps since the last wait
    BITMAP *obrazovka = nullptr, *pozadie = nullptr, *riadok = nullptr, *male = nullptr;
    bool cakanie = false;
};

#endif
