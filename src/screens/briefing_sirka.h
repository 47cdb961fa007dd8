#ifndef PONORKA_BRIEFING_SIRKA_H
#define PONORKA_BRIEFING_SIRKA_H

#include <string>

struct ALFONT_FONT;

// The screen size a campaign's briefing lines are measured for.
const int BRIEFING_SIRKA_OBRAZOVKY = 1024;
const int BRIEFING_VYSKA_OBRAZOVKY = 768;

// True when one line of a briefing's message stays on one line in the text
// column of a 1024x768 briefing: the pen moves as the briefing screen moves it,
// character by character with the font at the briefing's size (which this
// sets), and a character that would start at the wrapping edge or beyond is
// one too many.
bool briefing_riadok_sa_zmesti(ALFONT_FONT *pismo, const std::string &riadok);

#endif
