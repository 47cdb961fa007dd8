#ifndef PONORKA_DEMO_PRIEBEH_H
#define PONORKA_DEMO_PRIEBEH_H

#include <string>
#include <vector>

#include "demo/demo.h"
#include "demo/demo_zapis.h"
#include "simulation/missions.h"

class Spravca;
struct Hra;

// Recording: wraps the hooks of a game (the screens, or the replay tool's
// script) and writes what they did. Each step's command is written as its
// line, read back from that line, and the command read back is the one the
// simulation gets, so the demo holds exactly what was played.
class NahravanieDema : public Priebeh, private PozorovatelNakupu {
public:
    NahravanieDema(ZapisDema &z, Priebeh &hra) : zapis(z), vnutorny(hra) {}

    bool povel(Spravca &svet, Hra &hra, int misia, Povel &p) override;
    bool po_kroku(Spravca &svet, Hra &hra, int misia, bool kreslenie) override;
    bool po_misii(Spravca &svet, Hra &hra, int misia) override;
    bool briefing(Hra &hra, int farba, char *text) override;
    bool obchod(Nakup &n) override;

    // The end line, however the game ended.
    void dokonci(Spravca &svet, Hra &hra);

    // Steps between two checks.
    static const int KROKY_KONTROLY = 100;

private:
    void kupene(Polozka p) override;

    ZapisDema &zapis;
    Priebeh &vnutorny;
    int misia = 0;  // the mission whose line was written last
};

// Playback: the demo gives every step's command and the purchases and checks
// the game's course against its records. The wrapped hooks still run: their
// step command is dropped (so only the keys they act on themselves, such as
// leaving and pausing, count), and the briefing and shop screens are theirs
// when `obrazovky` is set; without it they are skipped and the purchases
// applied and printed here.
class PrehravanieDema : public Priebeh, private PozorovatelNakupu {
public:
    PrehravanieDema(const Demo &d, Priebeh &hra, bool s_obrazovkami) : demo(d), vnutorny(hra), obrazovky(s_obrazovkami)
    {}

    bool povel(Spravca &svet, Hra &hra, int misia, Povel &p) override;
    bool po_kroku(Spravca &svet, Hra &hra, int misia, bool kreslenie) override;
    bool po_misii(Spravca &svet, Hra &hra, int misia) override;
    bool briefing(Hra &hra, int farba, char *text) override;
    bool obchod(Nakup &n) override;

    enum Vysledok {
        DOHRANE,    // the demo's end line was reached and matched
        PRERUSENE,  // a wrapped hook ended the run (the player left, a limit)
        NESEDI,     // desync
        PREDCASNE,  // the demo ended without its end line
    };

    // After the mission flow returns (`dohrane`: it ran to its end): checks
    // the end line and says how the playback ended.
    Vysledok dohraj(Spravca &svet, Hra &hra, bool dohrane);

    // For NESEDI and PREDCASNE: the message for standard error.
    const std::string &sprava() const { return text_spravy; }
    // The exit code for the result (0 for DOHRANE and PRERUSENE).
    int kod() const;

    // Drawing steps played.
    int snimky = 0;

    // Seeking: up to this step the hooks run headless (no screens, the
    // purchases applied here), and a briefing or shop right before it is
    // skipped too; -1 when not seeking.
    int ciel = -1;
    bool dobieha() const { return ciel >= 0 && kroky <= ciel; }
    // From the demo's first record again, for a world made afresh.
    void znova();

private:
    void kupene(Polozka p) override;
    // The next record that is not a used-up run of steps, or null at the end.
    const Zaznam *dalsi();
    bool kontroly(Spravca &svet, int krok);
    bool nesedi(int krok, const std::string &ocakavane, const std::string &dostal);
    bool koniec_dema();
    bool s_obrazovkami() const { return obrazovky && !dobieha(); }

    const Demo &demo;
    Priebeh &vnutorny;
    bool obrazovky;
    size_t i = 0;             // the next record
    long long v_zazname = 0;  // steps of the current run already played
    int kroky = 0;            // the game's step counter as last seen
    bool pri_konci = false;   // the demo's end line stopped the run
    int skoncena_misia = 0;   // the mission whose end matched last
    Vysledok vysledok = PRERUSENE;
    std::string text_spravy;
    std::vector<Polozka> kupene_naozaj;
};

#endif
