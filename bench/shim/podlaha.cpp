// The floor the game's CPU share is measured against: a minimal Allegro 4
// program started as the game starts it (timer, keyboard, mouse, the 1024 x 768
// mode in 16-bit colour, a 1 ms timer callback) with its main thread asleep.
// What Allegro's own threads cost here, every game pays too.
// Usage: ponorka_podlaha [--windowed] [SECONDS]
#include <cstdlib>
#include <cstring>
#include <unistd.h>

#include <allegro.h>

static volatile int tiky = 0;

static void tik()
{
    tiky++;
}
END_OF_STATIC_FUNCTION(tik)

int main(int argc, char **argv)
{
    bool okno = argc > 1 && strcmp(argv[1], "--windowed") == 0;
    int sekundy = argc > 1 + okno ? atoi(argv[1 + okno]) : 10;
    if (allegro_init() != 0)
        return 1;
    install_timer();
    install_keyboard();
    install_mouse();
    set_color_depth(16);
    if ((okno || set_gfx_mode(GFX_AUTODETECT_FULLSCREEN, 1024, 768, 0, 0) != 0) &&
        set_gfx_mode(GFX_AUTODETECT_WINDOWED, 1024, 768, 0, 0) != 0)
        return 1;
    LOCK_FUNCTION(tik);
    LOCK_VARIABLE(tiky);
    install_int(tik, 1);
    sleep((unsigned)sekundy);
    return 0;
}
END_OF_MAIN()
