#ifndef PONORKA_BRIEFING_H
#define PONORKA_BRIEFING_H

struct ALFONT_FONT;

void briefing_timer();
// Shows the commander's briefing until Enter; text is typed out letter by letter.
void briefing(ALFONT_FONT *font, int color, char *text);
// The same; with `sam_sa_zavrie` (a demo played back) it also closes by itself
// two seconds after the text is fully typed.
void briefing(ALFONT_FONT *font, int color, char *text, bool sam_sa_zavrie);
// How long a briefing played back from a demo stays once typed, in ms.
const int BRIEFING_DEMA_MS = 2000;

#endif
