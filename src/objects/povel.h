#ifndef PONORKA_POVEL_H
#define PONORKA_POVEL_H

// The step command: everything the simulation reads of the keyboard in one
// step, taken once before the step so that the whole step sees one state.
// The game fills it from Allegro; the replay tool and demos from a script.

// The keys the simulation tests, in the order of the script's key names.
enum KlavesaPovelu {
    POVEL_F,
    POVEL_C,
    POVEL_X,
    POVEL_R,
    POVEL_E,
    POVEL_RIGHT,
    POVEL_LEFT,
    POVEL_S,
    POVEL_W,
    POVEL_UP,
    POVEL_DOWN,
    POVEL_SPACE,
    POVEL_KLAVES
};

struct Povel {
    unsigned klavesy = 0;  // bit i set: key i of KlavesaPovelu is held
    bool buffer = false;   // the keyboard buffer holds a key (keypressed())

    bool operator==(const Povel &p) const { return klavesy == p.klavesy && buffer == p.buffer; }
    bool operator!=(const Povel &p) const { return !(*this == p); }
};

// Allegro scancode and script name of each key, indexed by KlavesaPovelu.
struct MenoKlavesy {
    int scancode;
    const char *meno;
};
extern const MenoKlavesy KLAVESY_POVELU[POVEL_KLAVES];

// Index of a scancode in KLAVESY_POVELU, or -1 for a key the simulation ignores.
int klavesa_povelu(int scancode);
// Holds the key with this scancode in the command; other keys are ignored.
void povel_drz(Povel &p, int scancode);
// The command Allegro's live keyboard state gives right now.
Povel povel_z_allegra();

// While a command is in force, the simulation reads it instead of Allegro;
// with none in force (null) it reads Allegro's live state, as code that
// drives the objects directly expects.
void nastav_povel(const Povel *p);

// key[scancode] and keypressed() as the simulation sees them.
bool drzi_klavesu(int scancode);
bool buffer_klavesnice();

#endif
