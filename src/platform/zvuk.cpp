#include "platform/zvuk.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include <allegro.h>

void spusti_zvuk()
{
    // The drivers probed on the way print to standard error themselves
    // (ALSA alone eight lines when there is no card): silence it meanwhile.
    fflush(stderr);
    int chyby = dup(STDERR_FILENO);
    int nic = open("/dev/null", O_WRONLY);
    if (chyby >= 0 && nic >= 0)
        dup2(nic, STDERR_FILENO);
    int vysledok = install_sound(DIGI_AUTODETECT, MIDI_NONE, NULL);
    fflush(stderr);
    if (chyby >= 0) {
        dup2(chyby, STDERR_FILENO);
        close(chyby);
    }
    if (nic >= 0)
        close(nic);

    if (vysledok != 0 || digi_driver == nullptr || digi_driver->id == DIGI_NONE)
        fprintf(stderr, "ponorka: no sound device found, playing without sound\n");
}
