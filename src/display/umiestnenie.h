#ifndef PONORKA_UMIESTNENIE_H
#define PONORKA_UMIESTNENIE_H

// Where the game's picture stands on the real screen: its top-left corner and
// its size there. The picture keeps its shape and is centred; black is around it.
struct Umiestnenie {
    int x, y, w, h;
};

// The largest size of a `obraz_w` x `obraz_h` picture that fits a screen of
// `ciel_w` x `ciel_h` with its shape kept, centred. A window made a whole
// number of times the picture's size gets exactly that many times.
Umiestnenie umiestni(int obraz_w, int obraz_h, int ciel_w, int ciel_h);

// The largest whole number of times the picture fits the screen; at least 1.
int najvacsia_mierka(int obraz_w, int obraz_h, int ciel_w, int ciel_h);

// A point of the real screen in the picture's pixels; false off the picture
// (on the black around it).
bool bod_v_obraze(const Umiestnenie &u, int obraz_w, int obraz_h, int x, int y, int &ox, int &oy);

#endif
