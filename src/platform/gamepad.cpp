#include "platform/gamepad.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>
#ifdef __linux__
#include <linux/joystick.h>
#endif

#include <atomic>
#include <cstdio>

#include <allegro.h>

#include "platform/budik.h"
#include "platform/klavesy_hry.h"

namespace {

// The state as last polled, published for the main thread.
std::atomic<unsigned> tlacidla{0};
std::atomic<int> osi[PAD_OSI];
std::atomic<int> zona{32};
std::atomic<bool> pripojeny{false};
std::string meno;

// The polling callback's own: the game keys' pad inputs active at the last poll.
bool aktivne_hry[KLAVESY_HRY];
StavPadu posledny;

// A poll every 5 ms: a press is never shorter than that.
const int PERIODA_MS = 5;

// Allegro's Linux driver reads /dev/input/js0 (or /dev/js0); the same device
// tells its name.
std::string meno_zariadenia()
{
#ifdef __linux__
    for (const char *cesta : {"/dev/input/js0", "/dev/js0"}) {
        int fd = open(cesta, O_RDONLY | O_NONBLOCK);
        if (fd < 0)
            continue;
        char text[128] = {};
        int n = ioctl(fd, JSIOCGNAME(sizeof text - 1), text);
        close(fd);
        if (n > 0 && text[0])
            return text;
    }
#endif
    char opis[64];
    snprintf(opis, sizeof opis, "pad 1 (%d buttons)", joy[0].num_buttons);
    return opis;
}

}  // namespace

bool StavPadu::operator==(const StavPadu &s) const
{
    if (tlacidla != s.tlacidla)
        return false;
    for (int i = 0; i < PAD_OSI; i++)
        if (os[i] != s.os[i])
            return false;
    return true;
}

bool vstup_aktivny(const StavPadu &s, int v, int mrtva_zona)
{
    if (je_tlacidlo(v))
        return (s.tlacidla & (1u << (v - 1))) != 0;
    if (je_os(v)) {
        int poloha = s.os[(v - VSTUP_OS) / 2];
        return (v - VSTUP_OS) % 2 ? poloha > mrtva_zona : poloha < -mrtva_zona;
    }
    return false;
}

StavPadu stav_z_allegra()
{
    StavPadu s;
    if (num_joysticks < 1)
        return s;
    const JOYSTICK_INFO &j = joy[0];
    for (int b = 0; b < j.num_buttons && b < PAD_TLACIDLA; b++)
        if (j.button[b].b)
            s.tlacidla |= 1u << b;
    int a = 0;
    for (int st = 0; st < j.num_sticks; st++)
        for (int i = 0; i < j.stick[st].num_axis && a < PAD_OSI; i++)
            s.os[a++] = j.stick[st].axis[i].pos;
    return s;
}

static void poll_padu()
{
    poll_joystick();
    StavPadu s = stav_z_allegra();
    if (s == posledny)
        return;
    // Every input's press, for a demo's playback keys.
    for (int v = 1; v < VSTUP_OS + 2 * PAD_OSI; v++)
        if ((je_tlacidlo(v) || je_os(v)) && vstup_aktivny(s, v, zona) && !vstup_aktivny(posledny, v, zona))
            stlacena_klavesa(STLACENY_VSTUP + v);
    posledny = s;
    tlacidla = s.tlacidla;
    for (int i = 0; i < PAD_OSI; i++)
        osi[i] = s.os[i];
    // The pad's game keys act as the keyboard's do: once per press.
    for (int k = 0; k < KLAVESY_HRY; k++) {
        KlavesaHry h = (KlavesaHry)k;
        bool aktivny = vstup_aktivny(s, vstup_hry(h, 0), zona) || vstup_aktivny(s, vstup_hry(h, 1), zona);
        if (aktivny && !aktivne_hry[k])
            stlacena_klavesa_hry(h);
        aktivne_hry[k] = aktivny;
    }
    zobud();
}
END_OF_STATIC_FUNCTION(poll_padu)

bool spusti_pad()
{
    if (install_joystick(JOY_TYPE_AUTODETECT) != 0 || num_joysticks < 1)
        return false;
    meno = meno_zariadenia();
    posledny = stav_z_allegra();
    LOCK_FUNCTION(poll_padu);
    if (install_int(poll_padu, PERIODA_MS) != 0)
        return false;
    pripojeny = true;
    return true;
}

void zastav_pad()
{
    if (pripojeny)
        remove_int(poll_padu);
    pripojeny = false;
}

bool pad_pripojeny()
{
    return pripojeny;
}

const std::string &meno_padu()
{
    return meno;
}

StavPadu stav_padu()
{
    StavPadu s;
    s.tlacidla = tlacidla;
    for (int i = 0; i < PAD_OSI; i++)
        s.os[i] = osi[i];
    return s;
}

void nastav_mrtvu_zonu(int z)
{
    zona = z;
}

int mrtva_zona()
{
    return zona;
}
