#include "objects/povel.h"

#include <allegro.h>

const MenoKlavesy KLAVESY_POVELU[POVEL_KLAVES] = {
    {KEY_F, "F"},       {KEY_C, "C"}, {KEY_X, "X"}, {KEY_R, "R"},   {KEY_E, "E"},       {KEY_RIGHT, "RIGHT"},
    {KEY_LEFT, "LEFT"}, {KEY_S, "S"}, {KEY_W, "W"}, {KEY_UP, "UP"}, {KEY_DOWN, "DOWN"}, {KEY_SPACE, "SPACE"},
};

static const Povel *v_platnosti = nullptr;

int klavesa_povelu(int scancode)
{
    for (int i = 0; i < POVEL_KLAVES; i++)
        if (KLAVESY_POVELU[i].scancode == scancode)
            return i;
    return -1;
}

void povel_drz(Povel &p, int scancode)
{
    int i = klavesa_povelu(scancode);
    if (i >= 0)
        p.klavesy |= 1u << i;
}

Povel povel_z_allegra()
{
    Povel p;
    for (int i = 0; i < POVEL_KLAVES; i++)
        if (key[KLAVESY_POVELU[i].scancode])
            p.klavesy |= 1u << i;
    p.buffer = keypressed();
    return p;
}

void nastav_povel(const Povel *p)
{
    v_platnosti = p;
}

bool drzi_klavesu(int scancode)
{
    if (v_platnosti == nullptr)
        return key[scancode];
    int i = klavesa_povelu(scancode);
    return i >= 0 && (v_platnosti->klavesy & (1u << i)) != 0;
}

bool buffer_klavesnice()
{
    if (v_platnosti == nullptr)
        return keypressed();
    return v_platnosti->buffer;
}
