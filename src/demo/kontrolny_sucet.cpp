#include "demo/kontrolny_sucet.h"

#include <cstdio>
#include <cstring>

#include "objects/ponorka.h"
#include "world/spravca.h"

namespace {

// FNV-1a over the bytes of each value, least significant byte first.
class Sucet {
public:
    void pridaj(uint64_t v, int bajty)
    {
        for (int i = 0; i < bajty; i++) {
            h ^= (v >> (8 * i)) & 0xff;
            h *= 0x100000001b3ULL;
        }
    }
    void cele(int v) { pridaj((uint32_t)v, 4); }
    void realne(double v)
    {
        uint64_t bity;
        memcpy(&bity, &v, sizeof bity);
        pridaj(bity, 8);
    }
    uint64_t h = 0xcbf29ce484222325ULL;
};

// The fields every object has, links, sprite and drawing target aside.
void objekt(Sucet &s, const Objekt &o)
{
    s.realne(o.GetPx());
    s.realne(o.GetPy());
    s.realne(o.GetSx());
    s.realne(o.GetSy());
    s.cele(o.GetHealth());
    s.cele(o.GetMax_health());
    s.realne(o.GetMax_speed());
    s.realne(o.GetSpeed());
    s.realne(o.GetZrychlenie());
    s.realne(o.GetOtacanie());
    s.realne(o.GetUhol());
    s.cele(o.GetPrebijanie());
    s.cele(o.GetReload());
    s.cele(o.GetVybuch());
}

void zoznam(Sucet &s, const Objekt *o)
{
    int dlzka = 0;
    for (const Objekt *p = o; p != nullptr; p = p->GetDalsia())
        dlzka++;
    s.cele(dlzka);
    for (; o != nullptr; o = o->GetDalsia())
        objekt(s, *o);
}

}  // namespace

uint64_t kontrolny_sucet(Spravca &svet)
{
    Sucet s;
    const Ponorka &h = svet.GetHrac();
    objekt(s, h);
    s.cele(h.GetTorpedo());
    s.cele(h.GetNavnada());
    s.cele(h.GetMoney());
    s.realne(h.GetMax_obrat());
    s.realne(h.GetObrat());
    s.realne(h.GetHoredole());
    s.realne(h.GetVx());
    s.realne(h.GetVy());
    for (int i = 0; i < PONORKA_SLOTY; i++) {
        s.cele(h.GetNabijanie(i));
        s.cele(h.GetPrebi(i));
    }
    zoznam(s, svet.GetZacNepr1());
    zoznam(s, svet.GetZacVybuch1());
    zoznam(s, svet.GetZacStrela1());
    zoznam(s, svet.GetZacStrela2());
    zoznam(s, svet.GetZacStrela3());
    zoznam(s, svet.GetZacStrela4());
    return s.h;
}

std::string sucet_na_text(uint64_t sucet)
{
    char text[17];
    snprintf(text, sizeof text, "%016llx", (unsigned long long)sucet);
    return text;
}

bool sucet_z_textu(const char *text, size_t dlzka, uint64_t &sucet)
{
    if (dlzka != 16)
        return false;
    uint64_t v = 0;
    for (size_t i = 0; i < dlzka; i++) {
        char c = text[i];
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return false;
        v = v << 4 | (uint64_t)d;
    }
    sucet = v;
    return true;
}
