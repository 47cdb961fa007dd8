#ifndef PONORKA_ASSETGEN_MALIARI_H
#define PONORKA_ASSETGEN_MALIARI_H

#include <string>

#include <allegro.h>

class Platno;

// Each painter returns a new 24-bit bitmap in the size the game draws it at;
// sprites use magenta (255, 0, 255) as their transparent background.
BITMAP *maluj_ponorku_hraca();        // 100 x 25, facing right
void maluj_ponorku_hraca(Platno &p);  // the same boat on a 100 x 25 surface of any fineness
BITMAP *maluj_nepriatela();           // 50 x 25, facing left
BITMAP *maluj_torpedo();              // 20 x 10, facing right
BITMAP *maluj_gulomet();              // 12 x 6, facing right
BITMAP *maluj_portret();              // 443 x 522, the commander
BITMAP *maluj_pristav();              // 1280 x 1024, the harbour at night
BITMAP *maluj_kurzor();               // 32 x 32, arrow with its tip at (0, 0)

// The shop items: 400 x 400, with the item's name (UTF-8: TORPÉDO, NÁVNADA in
// the game's own pictures) lettered in the given font file.
enum class StavPolozky { Nevybrana, Vybrana, Neaktivna };
BITMAP *maluj_torpedo_polozku(StavPolozky stav, const char *pismo, const char *nazov);
BITMAP *maluj_navnadu_polozku(StavPolozky stav, const char *pismo, const char *nazov);

// The briefing drum loop as a complete WAV file image.
bool zapis_bubny(const char *cesta);

// The desktop icons, the player's boat in a night sea, as RGBA PNG files
// DIR/hicolor/NxN/apps/ponorka.png for N = 48, 64, 128, 256.
bool zapis_ikony(const std::string &dir);

#endif
