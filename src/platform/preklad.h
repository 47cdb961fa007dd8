#ifndef PONORKA_PREKLAD_H
#define PONORKA_PREKLAD_H

// The game's texts in the player's language, through gettext (text domain
// "ponorka"). Slovak is the game's own language: the texts in the code are the
// Slovak ones, and a text without a translation is shown as it is. Only the
// screens translate; the flow, the demos, the replay tool and standard output
// always carry the Slovak text.

// Marks an on-screen text for the translation catalogue without translating
// it where it stands: the text travels in the game's own language, and the
// screen that draws it looks up its translation.
#define N_(text) text

// Starts the translations: the catalogues are read from `katalogy`, a folder
// holding <language>/LC_MESSAGES/ponorka.mo, and the language is the player's
// locale as gettext reads it (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). Only the
// messages' locale is taken from the environment: the numbers keep the point.
void zacni_preklad(const char *katalogy);

// Chooses the language by its code (en, sk, en_GB, C...) over the locale:
// --lang, and later the settings file's [game] language key. An empty code
// goes back to the locale. False, and nothing changed, for a code that is no
// language code (a letter first, then at most 31 letters, digits and _.@-).
bool nastav_jazyk(const char *kod);

// After a library set the whole locale from the environment (Allegro's X11
// keyboard does, for its input method): the numbers back to "C", so every
// printed number keeps its point, and the messages back to the chosen language.
void obnov_jazyk_a_cisla();

// The text in the chosen language; the text itself when its catalogue has no
// translation, when the language has no catalogue, or before zacni_preklad.
const char *preloz(const char *text);

#endif
