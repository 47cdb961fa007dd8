#include "stopa.h"

#include "objects/ponorka.h"
#include "world/spravca.h"

namespace {

void cislo(FILE *f, const char *meno, double v)
{
    fprintf(f, "\"%s\":%.17g", meno, v);
}

void cislo(FILE *f, const char *meno, int v)
{
    fprintf(f, "\"%s\":%d", meno, v);
}

// Each object as [Px,Py,Uhol,Speed,Health,Max_health,Prebijanie].
void zoznam(FILE *f, Objekt *o)
{
    fputc('[', f);
    for (bool prvy = true; o != nullptr; o = o->GetDalsia(), prvy = false) {
        fprintf(f, "%s[%.17g,%.17g,%.17g,%.17g,%d,%d,%d]", prvy ? "" : ",", o->GetPx(), o->GetPy(), o->GetUhol(),
                o->GetSpeed(), o->GetHealth(), o->GetMax_health(), o->GetPrebijanie());
    }
    fputc(']', f);
}

}  // namespace

void zapis_stopu(FILE *f, int misia, int krok, bool kreslenie, Spravca &svet)
{
    Ponorka &h = svet.GetHrac();
    fprintf(f, "{\"mission\":%d,\"step\":%d,\"draw\":%s,\"player\":{", misia, krok, kreslenie ? "true" : "false");
    cislo(f, "Px", h.GetPx());
    fputc(',', f);
    cislo(f, "Py", h.GetPy());
    fputc(',', f);
    cislo(f, "Sx", h.GetSx());
    fputc(',', f);
    cislo(f, "Sy", h.GetSy());
    fputc(',', f);
    cislo(f, "Uhol", h.GetUhol());
    fputc(',', f);
    cislo(f, "Speed", h.GetSpeed());
    fputc(',', f);
    cislo(f, "Health", h.GetHealth());
    fputc(',', f);
    cislo(f, "Money", h.GetMoney());
    fputc(',', f);
    cislo(f, "Torpedo", h.GetTorpedo());
    fputc(',', f);
    cislo(f, "Navnada", h.GetNavnada());
    fputc(',', f);
    cislo(f, "Prebijanie", h.GetPrebijanie());
    fputs(",\"Nabijanie\":[", f);
    for (int i = 0; i < PONORKA_SLOTY; i++)
        fprintf(f, "%s%d", i ? "," : "", h.GetNabijanie(i));
    fputs("],", f);
    cislo(f, "Obrat", h.GetObrat());
    fputc(',', f);
    cislo(f, "Max_obrat", h.GetMax_obrat());
    fputc(',', f);
    cislo(f, "Horedole", h.GetHoredole());
    fputc(',', f);
    cislo(f, "Vx", h.GetVx());
    fputc(',', f);
    cislo(f, "Vy", h.GetVy());
    fputs("},\"lists\":[", f);
    zoznam(f, svet.GetZacNepr1());
    fputc(',', f);
    zoznam(f, svet.GetZacVybuch1());
    fputc(',', f);
    zoznam(f, svet.GetZacStrela1());
    fputc(',', f);
    zoznam(f, svet.GetZacStrela2());
    fputc(',', f);
    zoznam(f, svet.GetZacStrela3());
    fputc(',', f);
    zoznam(f, svet.GetZacStrela4());
    fputs("]}\n", f);
}
