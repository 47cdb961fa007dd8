// The briefing's drum loop: two bars of kick, snare and hi-hat at 96 beats a minute,
// synthesised into a 16-bit mono PCM WAV. Every hit is mixed in modulo the loop length,
// so the tail of the last beat rings into the first and the loop has no seam.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "maliari.h"
#include "platno.h"

namespace {

const int FREKVENCIA = 22050;
const double TEMPO = 96.0;
const int DOBY = 8;                                         // two bars of 4/4
const int DLZKA = (int)(DOBY * 60.0 / TEMPO * FREKVENCIA);  // 110250 samples, 5 s
const double PI = 3.14159265358979;

struct Zmes {
    std::vector<double> v = std::vector<double>(DLZKA, 0.0);
    void pridaj(long i, double x) { v[(size_t)(i % DLZKA)] += x; }
};

double zaciatok_kroku(int krok)
{
    return krok * (60.0 / TEMPO / 4.0) * FREKVENCIA;  // sixteenth notes
}

void kopak(Zmes &z, long zac, double sila)
{
    double faza = 0;
    for (int i = 0; i < (int)(0.5 * FREKVENCIA); i++) {
        double t = (double)i / FREKVENCIA;
        double f = 46.0 + 120.0 * std::exp(-t * 28.0);
        faza += 2 * PI * f / FREKVENCIA;
        double obalka = std::exp(-t * 6.5) * (t < 0.002 ? t / 0.002 : 1.0);
        z.pridaj(zac + i, sila * obalka * std::sin(faza));
    }
}

void virbel(Zmes &z, long zac, double sila, Nahoda &n)
{
    double predchadzajuci = 0, hp = 0;
    for (int i = 0; i < (int)(0.32 * FREKVENCIA); i++) {
        double t = (double)i / FREKVENCIA;
        double sum = n.Cislo() * 2 - 1;
        hp = 0.75 * (hp + sum - predchadzajuci);  // one-pole high-pass: the rattle of the wires
        predchadzajuci = sum;
        double ton = std::sin(2 * PI * 185.0 * t) * std::exp(-t * 22.0) * 0.55;
        double obalka = std::exp(-t * 13.0) * (t < 0.001 ? t / 0.001 : 1.0);
        z.pridaj(zac + i, sila * (ton + hp * 0.8 * obalka));
    }
}

void cinel(Zmes &z, long zac, double sila, double doznenie, Nahoda &n)
{
    double a = 0, b = 0;
    for (int i = 0; i < (int)(doznenie * 5 * FREKVENCIA); i++) {
        double t = (double)i / FREKVENCIA;
        double sum = n.Cislo() * 2 - 1;
        // Two differences leave only the top of the noise: a metallic hiss.
        double d1 = sum - a;
        double d2 = d1 - b;
        a = sum;
        b = d1;
        z.pridaj(zac + i, sila * 0.35 * d2 * std::exp(-t / doznenie));
    }
}

void zapis16(std::FILE *f, unsigned v)
{
    std::fputc((int)(v & 0xff), f);
    std::fputc((int)((v >> 8) & 0xff), f);
}

void zapis32(std::FILE *f, uint32_t v)
{
    zapis16(f, v & 0xffff);
    zapis16(f, v >> 16);
}

}  // namespace

bool zapis_bubny(const char *cesta)
{
    Zmes z;
    Nahoda n(0x5eed);
    // 32 sixteenths: kick, snare and hat patterns for the two bars.
    const char *kopaky = "x.....x.x.......x..x....x.x..x..";
    const char *virble = "....x.......x.......x.......x..x";
    const char *cinely = "x.x.x.x.x.x.x.x.x.x.x.x.x.x.o.x.";
    for (int k = 0; k < 32; k++) {
        long zac = std::lround(zaciatok_kroku(k));
        if (kopaky[k] == 'x')
            kopak(z, zac, 0.95);
        if (virble[k] == 'x')
            virbel(z, zac, k == 31 ? 0.35 : 0.7, n);
        if (cinely[k] != '.')
            cinel(z, zac, (k % 4 == 0) ? 0.95 : 0.65, cinely[k] == 'o' ? 0.09 : 0.025, n);
    }
    double spicka = 0;
    for (double x : z.v)
        spicka = std::fmax(spicka, std::fabs(x));
    const double zosilnenie = 0.8 * 32767.0 / spicka;

    std::FILE *f = std::fopen(cesta, "wb");
    if (!f) {
        std::fprintf(stderr, "ponorka-assetgen: cannot write %s\n", cesta);
        return false;
    }
    const uint32_t data = (uint32_t)DLZKA * 2;
    std::fputs("RIFF", f);
    zapis32(f, 36 + data);
    std::fputs("WAVEfmt ", f);
    zapis32(f, 16);
    zapis16(f, 1);  // PCM
    zapis16(f, 1);  // mono
    zapis32(f, FREKVENCIA);
    zapis32(f, FREKVENCIA * 2);  // bytes per second
    zapis16(f, 2);               // block alignment
    zapis16(f, 16);              // bits per sample
    std::fputs("data", f);
    zapis32(f, data);
    for (double x : z.v)
        zapis16(f, (unsigned)(uint16_t)(int16_t)std::lround(x * zosilnenie));
    bool ok = std::fclose(f) == 0;
    if (!ok)
        std::fprintf(stderr, "ponorka-assetgen: cannot write %s\n", cesta);
    return ok;
}
