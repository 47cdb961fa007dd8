#ifndef PONORKA_ROZLISENIE_H
#define PONORKA_ROZLISENIE_H

// The screen size the game asks for; the briefing and the shop lay themselves out by it.
extern int width;
extern int height;

// The picture's size while a graphics mode is set, 0 without one, as Allegro's
// SCREEN_W and SCREEN_H read at 1024 x 768. The real screen may be larger and
// show the picture scaled; the layout and the pace follow the picture.
int sirka_obrazu();
int vyska_obrazu();

#endif
