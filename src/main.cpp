#include <allegro.h>

#include "options/priecinok_dat.h"
#include "options/volby.h"
#include "start/pokus.h"

int main(int argc, char **argv)
{
    // The command line, the language and the data folder come before Allegro: --help needs no display.
    int kod = citaj_volby(argc, argv, volby, stdout, stderr);
    if (kod >= 0)
        return kod;
    kod = zvol_jazyk(volby, stderr);
    if (kod >= 0)
        return kod;
    if (!najdi_data(volby.data, "ponorka"))
        return KOD_DATA;
    return pokus_main();
}
END_OF_MAIN()
