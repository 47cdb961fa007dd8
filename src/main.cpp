#include <allegro.h>

#include "game/pokus.h"

int main()
{
    return pokus_main();
}
END_OF_MAIN()
