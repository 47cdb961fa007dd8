#ifndef PONORKA_TEST_SVET_POMOC_H
#define PONORKA_TEST_SVET_POMOC_H

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "objects/testovacie_obrazky.h"
#include "support/allegro_env.h"
#include "world/spravca.h"

// The six type codes in the order the lists are declared.
const int KODY[] = {TYP_NEPR1, TYP_VYBUCH1, TYP_STRELA1, TYP_STRELA2, TYP_STRELA3, TYP_STRELA4};

inline Objekt *hlava(Spravca &s, int type)
{
    switch (type) {
    case TYP_NEPR1:
        return s.GetZacNepr1();
    case TYP_STRELA1:
        return s.GetZacStrela1();
    case TYP_STRELA2:
        return s.GetZacStrela2();
    case TYP_STRELA3:
        return s.GetZacStrela3();
    case TYP_STRELA4:
        return s.GetZacStrela4();
    case TYP_VYBUCH1:
        return s.GetZacVybuch1();
    }
    return nullptr;
}

inline Objekt *chvost(Spravca &s, int type)
{
    switch (type) {
    case TYP_NEPR1:
        return s.GetKonNepr1();
    case TYP_STRELA1:
        return s.GetKonStrela1();
    case TYP_STRELA2:
        return s.GetKonStrela2();
    case TYP_STRELA3:
        return s.GetKonStrela3();
    case TYP_STRELA4:
        return s.GetKonStrela4();
    case TYP_VYBUCH1:
        return s.GetKonVybuch1();
    }
    return nullptr;
}

inline std::vector<Objekt *> zoznam(Spravca &s, int type)
{
    std::vector<Objekt *> v;
    for (Objekt *o = hlava(s, type); o; o = o->GetDalsia())
        v.push_back(o);
    return v;
}

// All twelve head and tail pointers, to compare before and after.
inline std::vector<Objekt *> vsetky_konce(Spravca &s)
{
    std::vector<Objekt *> v;
    for (int kod : KODY) {
        v.push_back(hlava(s, kod));
        v.push_back(chvost(s, kod));
    }
    return v;
}

class SvetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        vloz_testovacie_obrazky();
        release_all_keys();
        clear_keybuf();
        ked_vykresli = 1;
        testing::internal::CaptureStdout();
        svet = new Spravca;
        testing::internal::GetCapturedStdout();
    }
    void TearDown() override
    {
        testing::internal::CaptureStdout();
        delete svet;
        testing::internal::GetCapturedStdout();
        ked_vykresli = 1;
    }

    // Adds quietly and hands back the new object (the tail of its list).
    Objekt *pridaj(int type, double px, double py, int health = 100, int max_health = 100, int vybuch = 1,
                   double speed = 0, double uhol = 0, double otacanie = 0)
    {
        testing::internal::CaptureStdout();
        svet->Pridaj(type, px, py, speed, speed, uhol, health, max_health, otacanie, vybuch);
        testing::internal::GetCapturedStdout();
        return chvost(*svet, type);
    }

    void uber(int type, Objekt *o)
    {
        testing::internal::CaptureStdout();
        svet->Uber(type, o);
        testing::internal::GetCapturedStdout();
    }

    void krok()
    {
        testing::internal::CaptureStdout();
        svet->Krok();
        testing::internal::GetCapturedStdout();
    }

    Spravca *svet = nullptr;
};

#endif
