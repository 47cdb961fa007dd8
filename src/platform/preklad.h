#ifndef PONORKA_PREKLAD_H
#define PONORKA_PREKLAD_H

// Marks an on-screen text for the translation catalogue without translating
// it where it stands: the text travels in the game's own language, and the
// screen that draws it looks up its translation.
#define N_(text) text

#endif
