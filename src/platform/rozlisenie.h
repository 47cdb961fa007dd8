#ifndef PONORKA_ROZLISENIE_H
#define PONORKA_ROZLISENIE_H

// The screen size the game asks for; the briefing and the shop lay themselves out by it.
extern int width;
extern int height;

#endif
