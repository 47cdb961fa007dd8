#ifndef PONORKA_DEMO_HRA_H
#define PONORKA_DEMO_HRA_H

#include <cstdio>
#include <string>

#include "demo/demo.h"
#include "demo/prehravac.h"
#include "demo/subor_nahravky.h"

class Spravca;
class Priebeh;
struct Hra;
struct Kampan;
struct Volby;

// The game's demo options, made ready before Allegro starts so that a bad
// demo is refused without a display.
struct DemoHry {
    enum Rezim { ZIADNE, NAHRAVANIE, PREHRAVANIE, MERANIE } rezim = ZIADNE;
    std::string cesta;                     // absolute: relative paths mean the player's folder
    SuborNahravky nahravka;                // the demo being recorded
    Demo demo;                             // the demo to play
    KresliPolohu kresli_polohu = nullptr;  // the playback's overlay (--playdemo)
};

// Checks the demo to record (touching no file the player has) or reads the
// demo to play. Returns -1 to go on, else the exit code, the reason told on
// standard error.
int priprav_demo(const Volby &v, DemoHry &d);

// The game's summary, printed and flushed (the main routine's).
typedef void (*VypisSuhrnu)(Spravca &svet, Hra &hra);

// Runs the missions as the options ask, `obrazovky` giving the screens, and
// prints the summary with `suhrn` (not after a desync). The game plays and
// records `kampan`; a demo plays back the campaign it carries. Returns the exit
// code of the demo part: 0, or the code of a desync, an early end or a write error.
int hraj_s_demom(Spravca &svet, Hra &hra, Priebeh &obrazovky, DemoHry &d, const Kampan &kampan, VypisSuhrnu suhrn);

#endif
