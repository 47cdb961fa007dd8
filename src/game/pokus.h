#ifndef PONORKA_POKUS_H
#define PONORKA_POKUS_H

#include <atomic>

#include <allegro.h>

class Spravca;
struct ALFONT_FONT;

// Globals of the main unit. The timer thread touches ido, timer, ms and
// mozme_kupit, so they are atomic; the rest belong to the main thread.
extern int kedy_vykresli;
extern int width;
extern int height;
extern std::atomic<int> ido;
extern std::atomic<int> timer;
extern std::atomic<int> ms;
extern std::atomic<bool> mozme_kupit;

// Game timer callback, 1 ms period.
void dalsia();
// Waits n game-timer ticks.
void pockaj(int n);
// Ticks pockaj waits after a drawing step at the given screen width.
int pockaj_ticks(int screen_w);

// Surfaces and fonts the frame loop draws with; owned by the main routine.
struct Hra {
    BITMAP *pozadie;        // generated sea background, 1024 x 768
    BITMAP *stavovy_riadok; // status-bar bitmap, SCREEN_W x SCREEN_H / 10
    ALFONT_FONT *pismo;     // status-bar font
    ALFONT_FONT *pismo_briefing; // briefing font
    int kroky;              // step counter, never reset between missions
};

// One step of the frame loop: fire control, combat, background copy,
// world step, status bar and the pacing wait on drawing steps.
void frame_step(Spravca &svet, Hra &hra);
// Runs frame steps until the enemy list is empty.
void run_mission(Spravca &svet, Hra &hra);

// A gauge in percent, computed in floating point and truncated.
int ukazovatel(int hodnota, int plna);

// Summary printed after the last mission, exactly as the game prints it.
void print_summary(int kroky, int ido_ms, int health);

// The whole program; main() only forwards to it.
int pokus_main();

#endif
