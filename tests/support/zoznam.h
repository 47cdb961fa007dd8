#ifndef PONORKA_TEST_ZOZNAM_H
#define PONORKA_TEST_ZOZNAM_H

#include "objects/objekt.h"

// Walks of the world manager's intrusive lists, from a head.
inline int dlzka(Objekt *o)
{
    int n = 0;
    for (; o != nullptr; o = o->GetDalsia())
        n++;
    return n;
}

inline Objekt *nty(Objekt *o, int n)
{
    for (int i = 0; i < n && o != nullptr; i++)
        o = o->GetDalsia();
    return o;
}

inline Objekt *posledny(Objekt *o)
{
    while (o != nullptr && o->GetDalsia() != nullptr)
        o = o->GetDalsia();
    return o;
}

#endif
