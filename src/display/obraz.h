#ifndef PONORKA_OBRAZ_H
#define PONORKA_OBRAZ_H

#include <allegro.h>

// The game's one 1024x768 picture and how it reaches the real screen.
//
// Everything draws into `screen`, as always. When the real screen is the
// picture's size (full screen by a mode switch, a window at scale 1) `screen`
// is Allegro's own and presenting costs nothing. Otherwise `screen` is a
// memory bitmap of the picture's size, and presenting scales it onto the real
// screen, nearest-neighbour, centred on black. A screenshot's note stands over
// the real screen only; at scale 1 the memory picture stands in for the
// screen while the note shows, so the note is never in the picture.

// Sets a graphics mode for `rezim` (RezimObrazovky) and `mierka` (1..8, or
// MIERKA_AUTO) in 16-bit colour, with the fallbacks: a failed mode switch
// tries full screen at the desktop's size, then a window; a window too large
// for the desktop tries smaller scales. False when no mode could be set.
bool nastav_zobrazenie(int rezim, int mierka);

// Gives Allegro its screen back, before a mode is set or the game leaves.
void vrat_obrazovku();

// The picture is scaled or moved on the real screen: the real mouse must be
// mapped, and the shop draws its own pointer.
bool obraz_presunuty();

// The real mouse position in the picture's pixels; false on the black around it.
bool mys_v_obraze(int mx, int my, int &x, int &y);

// Puts the whole picture, or a rectangle of it, on the real screen, then
// makes the screenshot or the switch the player asked for (obsluz_obraz).
// Only the rows that changed since they were last shown are written.
void prezentuj();
void prezentuj_cast(int x, int y, int w, int h);
// The whole picture written again, whatever was shown before.
void prezentuj_vsetko();

// The scaling itself: the part (x, y, w, h) of `obraz` onto `kam` where `u`
// places the whole, nearest-neighbour; clipped to the picture.
struct Umiestnenie;
void prenes_obraz(BITMAP *obraz, BITMAP *kam, const Umiestnenie &u, int x, int y, int w, int h);

// Game-timer milliseconds the last prezentuj() took on a scaled screen; 0 at
// the picture's own size, where it does nothing. The frame step waits that
// much less, so a scaled mission keeps its pace.
int cas_prezentacie();

// A screenshot or a switch is asked for, or the note's time is up: a wait
// should wake for obsluz_obraz.
bool obraz_caka();

// Makes the screenshot and the switch asked for, takes the note away when its
// time is up. True when the mode was switched: the whole picture is on the
// screen again, and keys held through the switch were held for it.
bool obsluz_obraz();

// The mode in force (RezimObrazovky), for the settings Alt+Enter keeps.
int rezim_zobrazenia();

#endif
