#ifndef PONORKA_BENCH_REZIM_H
#define PONORKA_BENCH_REZIM_H

#include <allegro.h>

// The status bar and the world copy lay themselves out from the screen mode.
// Without a display, a driver record that reports 1024 x 768 stands in for
// the mode while this lives; nothing of the driver is ever called.
class Rezim1024 {
public:
    Rezim1024() : predosly(gfx_driver)
    {
        rezim = GFX_DRIVER();
        rezim.w = 1024;
        rezim.h = 768;
        gfx_driver = &rezim;
    }
    ~Rezim1024() { gfx_driver = predosly; }
    Rezim1024(const Rezim1024 &) = delete;
    Rezim1024 &operator=(const Rezim1024 &) = delete;

private:
    GFX_DRIVER rezim;
    GFX_DRIVER *predosly;
};

#endif
