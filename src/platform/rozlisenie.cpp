#include "platform/rozlisenie.h"

#include <allegro.h>

int width = 1024;
int height = 768;

int sirka_obrazu()
{
    return gfx_driver ? width : 0;
}

int vyska_obrazu()
{
    return gfx_driver ? height : 0;
}
