#include "zoznamy.h"

#include <typeinfo>

#include "objects/nepriatelia.h"
#include "objects/strela.h"
#include "objects/vybuch.h"
#include "world/spravca.h"

namespace {

// More objects than any list can hold in a run; a longer walk means a cycle.
const long NAJVIAC_OBJEKTOV = 10000000;

template <class Trieda> std::string skontroluj(const char *meno, const Objekt *zac, const Objekt *kon)
{
    std::string m = std::string(meno) + ": ";
    if ((zac == nullptr) != (kon == nullptr))
        return m + "head and tail disagree about an empty list";
    if (zac == nullptr)
        return "";
    if (zac->GetPredosla() != nullptr)
        return m + "the head has a previous object";
    if (kon->GetDalsia() != nullptr)
        return m + "the tail has a next object";
    const Objekt *predosly = nullptr;
    long n = 0;
    for (const Objekt *o = zac; o != nullptr; o = o->GetDalsia(), n++) {
        if (n == NAJVIAC_OBJEKTOV)
            return m + "the list does not end (a cycle)";
        if (o->GetPredosla() != predosly)
            return m + "object " + std::to_string(n) + " links back to the wrong object";
        if (typeid(*o) != typeid(Trieda))
            return m + "object " + std::to_string(n) + " is of another class";
        predosly = o;
    }
    if (predosly != kon)
        return m + "the walk from the head does not end at the tail";
    return "";
}

}  // namespace

std::string chyby_zoznamov(const Spravca &svet)
{
    std::string chyba = skontroluj<Nepr1>("enemies", svet.GetZacNepr1(), svet.GetKonNepr1());
    if (chyba.empty())
        chyba = skontroluj<Vybuch1>("explosions", svet.GetZacVybuch1(), svet.GetKonVybuch1());
    if (chyba.empty())
        chyba = skontroluj<Strela1>("torpedoes", svet.GetZacStrela1(), svet.GetKonStrela1());
    if (chyba.empty())
        chyba = skontroluj<Strela2>("decoys", svet.GetZacStrela2(), svet.GetKonStrela2());
    if (chyba.empty())
        chyba = skontroluj<Strela3>("enemy torpedoes", svet.GetZacStrela3(), svet.GetKonStrela3());
    if (chyba.empty())
        chyba = skontroluj<Strela4>("gun bullets", svet.GetZacStrela4(), svet.GetKonStrela4());
    return chyba;
}
