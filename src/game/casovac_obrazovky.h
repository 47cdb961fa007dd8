#ifndef PONORKA_CASOVAC_OBRAZOVKY_H
#define PONORKA_CASOVAC_OBRAZOVKY_H

#include <allegro.h>

// The screens' own timer callbacks need Allegro's timer thread. The headless
// system driver has none (installing a callback there crashes inside Allegro),
// so the screens skip their callbacks when running without one.
inline bool casovac_k_dispozicii()
{
    return system_driver != nullptr && system_driver->id != SYSTEM_NONE;
}

#endif
