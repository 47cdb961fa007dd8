#ifndef PONORKA_SNIMKA_H
#define PONORKA_SNIMKA_H

#include <string>

#include <allegro.h>

// Screenshots: the game's own picture as a PNG in the player's pictures folder.

// The folder screenshots go to: the `Ponorka` folder in the pictures folder
// that `user_dirs` (the text of user-dirs.dirs) names as XDG_PICTURES_DIR;
// when it names none, or the home folder itself, $XDG_DATA_HOME/ponorka/screenshots
// (~/.local/share/... when the variable is unset, empty or not absolute).
// Empty without a home.
std::string priecinok_snimok(const std::string &user_dirs, const char *xdg_data_home, const char *home);

// The same from the environment and $XDG_CONFIG_HOME/user-dirs.dirs (read bounded).
std::string priecinok_snimok();

// ponorka-YYYYMMDD-HHMMSS.png for the local time `cas`; the n-th name taken
// for the same second (n from 2) gets -n before the extension.
std::string meno_snimky(long cas, int n);

// Writes `b` as an 8-bit RGB PNG into a new file in `priecinok` (made when
// missing), never over an existing one. Returns the file's path, or empty
// with `dovod` saying why.
std::string uloz_snimku(BITMAP *b, const std::string &priecinok, std::string &dovod);

#endif
