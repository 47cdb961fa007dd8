// Stopwatch preloaded into the real game by scripts/bench.sh. It notes the
// moments the start-up passes its landmarks and the first full-screen copy to
// the screen, which is the first briefing frame; each landmark is written once
// to the file named by PONORKA_PRVY_OBRAZ as "name wall_ns cpu_ns"
// (CLOCK_REALTIME, and the process's CPU time). It also counts the
// background's copies into the world, one per drawn frame of a mission, and at exit
// writes "snimky frames seconds": the frames and the time between them,
// leaving out the gaps of the briefings and the shop. Every call goes on to
// Allegro.
#include <dlfcn.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <allegro.h>

namespace {

void zapis(const char *meno)
{
    timespec t, c;
    clock_gettime(CLOCK_REALTIME, &t);
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &c);
    const char *cesta = getenv("PONORKA_PRVY_OBRAZ");
    FILE *f = cesta ? fopen(cesta, "a") : nullptr;
    if (!f)
        return;
    fprintf(f, "%s %lld %lld\n", meno, (long long)t.tv_sec * 1000000000LL + t.tv_nsec,
            (long long)c.tv_sec * 1000000000LL + c.tv_nsec);
    fclose(f);
}

// Notes a landmark the first time only.
void raz(bool &uz, const char *meno)
{
    if (!uz) {
        uz = true;
        zapis(meno);
    }
}

template <typename F> F povodna(const char *meno)
{
    return (F)dlsym(RTLD_NEXT, meno);
}

double teraz()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}

// Frames of the missions: a gap longer than this is a briefing or the shop.
const double MEDZERA = 0.5;
long snimky = 0;
double cas_snimkov = 0;
double posledny_snimok = -1;

void zapocitaj_snimok()
{
    double t = teraz();
    if (posledny_snimok >= 0 && t - posledny_snimok < MEDZERA) {
        snimky++;
        cas_snimkov += t - posledny_snimok;
    }
    posledny_snimok = t;
}

__attribute__((destructor)) void zapis_snimky()
{
    const char *cesta = getenv("PONORKA_PRVY_OBRAZ");
    FILE *f = cesta ? fopen(cesta, "a") : nullptr;
    if (!f)
        return;
    fprintf(f, "snimky %ld %.6f\n", snimky, cas_snimkov);
    fclose(f);
}

bool b_klavesnica, b_zvuk, b_zvuk_koniec, b_obrazok, b_rezim, b_rezim_koniec, b_obraz;

}  // namespace

extern "C" int install_keyboard(void)
{
    static auto f = povodna<int (*)(void)>("install_keyboard");
    raz(b_klavesnica, "klavesnica");
    return f();
}

extern "C" int install_sound(int digi, int midi, const char *cfg_path)
{
    static auto f = povodna<int (*)(int, int, const char *)>("install_sound");
    raz(b_zvuk, "zvuk");
    int r = f(digi, midi, cfg_path);
    raz(b_zvuk_koniec, "zvuk_koniec");
    return r;
}

extern "C" BITMAP *load_bitmap(const char *filename, RGB *pal)
{
    static auto f = povodna<BITMAP *(*)(const char *, RGB *)>("load_bitmap");
    raz(b_obrazok, "prvy_obrazok");
    return f(filename, pal);
}

extern "C" int set_gfx_mode(int card, int w, int h, int v_w, int v_h)
{
    static auto f = povodna<int (*)(int, int, int, int, int)>("set_gfx_mode");
    raz(b_rezim, "rezim");
    int r = f(card, w, h, v_w, v_h);
    if (r == 0)
        raz(b_rezim_koniec, "rezim_koniec");
    return r;
}

extern "C" void blit(BITMAP *source, BITMAP *dest, int source_x, int source_y, int dest_x, int dest_y, int w, int h)
{
    static auto f = povodna<void (*)(BITMAP *, BITMAP *, int, int, int, int, int, int)>("blit");
    f(source, dest, source_x, source_y, dest_x, dest_y, w, h);
    // The screen's own size, which is the picture's also when a scaled window shows it.
    if (!b_obraz && dest == screen && w == screen->w && h == screen->h && w > 0)
        raz(b_obraz, "prvy_obraz");
    // The background goes into the world bitmap once per drawing step (the
    // screen gets only what changed, so its copies can't be counted).
    if (source != screen && dest != screen && source_x == 0 && source_y == 0 && dest_x == 0 && dest_y == 0 &&
        w == 1024 && h == 768)
        zapocitaj_snimok();
}
