#ifndef PONORKA_BRIEFING_H
#define PONORKA_BRIEFING_H

struct ALFONT_FONT;

void briefing_timer();
// Shows the commander's briefing until Enter; text is typed out letter by letter.
void briefing(ALFONT_FONT *font, int color, char *text);

#endif
