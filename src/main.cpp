#include <allegro.h>

#include "options/priecinok_dat.h"
#include "options/subor_nastaveni.h"
#include "options/volby.h"
#include "platform/vystup.h"
#include "start/pokus.h"

int main(int argc, char **argv)
{
    priprav_standardne_prudy();
    // The command line and the data folder come before Allegro: --help needs no display.
    int kod = citaj_volby(argc, argv, volby, stdout, stderr);
    if (kod < 0)
        // --config relative to the folder the player is in, before the move into the data.
        kod = priprav_nastavenia(volby, stderr);
    if (kod < 0)
        kod = najdi_data(volby.data, "ponorka") ? pokus_main() : KOD_DATA;
    // Output that did not arrive makes a clean exit a failure; any other code says more.
    if (!vystup_zapisany("ponorka") && kod == KOD_OK)
        kod = KOD_VYSTUP;
    return kod;
}
END_OF_MAIN()
