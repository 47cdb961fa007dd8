#ifndef PONORKA_KAMPAN_H
#define PONORKA_KAMPAN_H

#include <cstdint>
#include <string>
#include <vector>

// A campaign: the missions the game plays in order, each a briefing, a wave of
// enemy submarines, a second briefing and maybe a shop. The built-in one is the
// game as it always was; others are read from text files (docs/campaign-format.md).

// Most missions a campaign has, and most enemies a mission has.
const int KAMPAN_NAJVIAC_MISII = 20;
const int KAMPAN_NAJVIAC_NEPRIATELOV = 64;

// The shop's prices in the game's own shops.
const int CENA_TORPEDA = 50;
const int CENA_NAVNADY = 10;

// One enemy submarine: the arguments of Spravca::Pridaj after the type code.
struct NepriatelKampane {
    double px, py, speed, max_speed, uhol;
    int health, max_health;
    double otacanie;
    int vybuch;
};

// A briefing: its text colour and its message, the lines joined with '\n'.
struct SpravaKampane {
    int r = 0, g = 0, b = 0;
    std::string text;
};

struct MisiaKampane {
    SpravaKampane pred;  // shown before the mission
    SpravaKampane po;    // shown after it
    std::vector<NepriatelKampane> nepriatelia;
    bool obchod = false;  // a shop after the second briefing, at these prices
    int cena_torpeda = 0;
    int cena_navnady = 0;
};

struct Kampan {
    std::string meno;
    std::vector<MisiaKampane> misie;
    // The file as read, with LF line ends: what a demo carries. Empty for the
    // built-in campaign, which every game knows.
    std::string text;
};

// The game's own two missions, compiled in.
const Kampan &vstavana_kampan();

// The same name and missions (the text is left out of the comparison).
bool rovnake(const Kampan &a, const Kampan &b);

// True for the built-in campaign, also when it was read from its file.
bool je_vstavana(const Kampan &k);

// The 64-bit FNV-1a hash of a campaign's text, as a demo names it.
uint64_t hash_kampane(const std::string &text);

#endif
