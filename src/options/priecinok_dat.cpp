#include "options/priecinok_dat.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

#ifndef PONORKA_DATA_OD_PROGRAMU
#error "PONORKA_DATA_OD_PROGRAMU (the data relative to the installed program) comes from CMake"
#endif
#ifndef PONORKA_DATA_INSTALOVANE
#error "PONORKA_DATA_INSTALOVANE (the install path of the data) comes from CMake"
#endif
#if !defined(PONORKA_KATALOGY_OD_PROGRAMU) || !defined(PONORKA_KATALOGY_INSTALOVANE)
#error "PONORKA_KATALOGY_OD_PROGRAMU and PONORKA_KATALOGY_INSTALOVANE (the translations) come from CMake"
#endif

namespace fs = std::filesystem;

namespace {

// Filled once, just before the move into the data folder; empty when the folder the
// player was in had been deleted.
std::string povodny_priecinok;
bool povodny_zapamatany = false;

std::string pracovny_priecinok()
{
    std::error_code chyba;
    fs::path p = fs::current_path(chyba);
    return chyba ? std::string() : p.string();
}

// The folder of the running binary itself: a symlink to it leads here too.
std::string priecinok_programu()
{
    std::error_code chyba;
    fs::path p = fs::read_symlink("/proc/self/exe", chyba);
    return chyba ? std::string() : p.parent_path().string();
}

std::string absolutna(const std::string &cesta, const std::string &zaklad)
{
    fs::path p(cesta);
    if (p.is_relative())
        p = fs::path(zaklad) / p;
    // "dir/." normalises to "dir/": drop the slash so equal folders compare equal.
    std::string s = p.lexically_normal().string();
    while (s.size() > 1 && s.back() == '/')
        s.pop_back();
    return s;
}

bool je_priecinok(const fs::path &p)
{
    std::error_code chyba;
    return fs::is_directory(p, chyba);
}

// Why a place holds no data: the folders missing, or what the system says when it can't
// look (a folder it may not enter).
std::string preco_nie(const std::string &priecinok)
{
    std::string chyba_pristupu;
    std::vector<std::string> chybaju;
    for (const char *podpriecinok : {"gfx", "sfx", "data/fonts"}) {
        struct stat st;
        std::string cesta = priecinok + "/" + podpriecinok;
        int vysledok = stat(cesta.c_str(), &st);
        if (vysledok == 0 && S_ISDIR(st.st_mode))
            continue;
        if (vysledok != 0 && errno != ENOENT && errno != ENOTDIR && chyba_pristupu.empty())
            chyba_pristupu = std::string(podpriecinok) + "/: " + strerror(errno);
        chybaju.push_back(std::string(podpriecinok) + "/");
    }
    if (!chyba_pristupu.empty())
        return "can't be looked into (" + chyba_pristupu + ")";
    std::string text = "holds no ";
    for (size_t i = 0; i < chybaju.size(); i++)
        text += (i == 0 ? "" : i + 1 == chybaju.size() ? " and " : ", ") + chybaju[i];
    return text;
}

}  // namespace

bool drzi_data(const std::string &priecinok)
{
    fs::path p(priecinok);
    return je_priecinok(p / "gfx") && je_priecinok(p / "sfx") && je_priecinok(p / "data" / "fonts");
}

std::vector<MiestoDat> miesta_dat(const std::string &volba, const char *premenna, const std::string &pracovny,
                                  const std::string &program)
{
    std::vector<MiestoDat> miesta;
    auto pridaj = [&miesta](const std::string &cesta, const char *preco) {
        for (const MiestoDat &m : miesta)
            if (m.cesta == cesta)
                return;
        miesta.push_back({cesta, preco});
    };
    if (!volba.empty())
        pridaj(absolutna(volba, pracovny), "--data");
    if (premenna != nullptr && *premenna != '\0')
        pridaj(absolutna(premenna, pracovny), "$PONORKA_DATA");
    if (!pracovny.empty())
        pridaj(absolutna(".", pracovny), "the working directory");
    if (!program.empty()) {
        pridaj(absolutna(".", program), "the program's folder");
        pridaj(absolutna(PONORKA_DATA_OD_PROGRAMU, program), "the installed data beside the program");
    }
    pridaj(absolutna(PONORKA_DATA_INSTALOVANE, "/"), "the install path");
    return miesta;
}

bool najdi_data(const std::string &volba, const char *nazov)
{
    const std::string pracovny = pracovny_priecinok();
    povodny_priecinok = pracovny;
    povodny_zapamatany = true;
    const std::vector<MiestoDat> miesta = miesta_dat(volba, getenv("PONORKA_DATA"), pracovny, priecinok_programu());
    for (const MiestoDat &m : miesta) {
        if (!drzi_data(m.cesta)) {
            // A folder the player named and got wrong is worth a word, even when another place works.
            if (m.preco[0] == '-' || m.preco[0] == '$')
                fprintf(stderr, "%s: %s: %s %s; looking further\n", nazov, m.preco.c_str(), m.cesta.c_str(),
                        preco_nie(m.cesta).c_str());
            continue;
        }
        if (!pracovny.empty() && m.cesta == absolutna(".", pracovny))
            return true;
        if (chdir(m.cesta.c_str()) == 0)
            return true;
        fprintf(stderr, "%s: can't enter the data folder %s: %s\n", nazov, m.cesta.c_str(), strerror(errno));
    }
    fprintf(stderr, "%s: can't find the game's data (a folder holding gfx/, sfx/ and data/fonts/). Looked in:\n",
            nazov);
    for (const MiestoDat &m : miesta)
        fprintf(stderr, "  %s (%s)\n", m.cesta.c_str(), m.preco.c_str());
    fprintf(stderr, "Name the folder with PONORKA_DATA=DIR (or the game's --data DIR), or build the game\n"
                    "(scripts/build.sh), which generates the data beside the program.\n");
    return false;
}

const char *const PRIECINOK_HRACA_ZMIZOL = "the folder it was started in no longer exists";

std::string priecinok_hraca()
{
    return povodny_zapamatany ? povodny_priecinok : pracovny_priecinok();
}

std::string cesta_od_hraca(const std::string &cesta)
{
    if (cesta.empty() || fs::path(cesta).is_absolute())
        return cesta;
    std::string priecinok = priecinok_hraca();
    if (priecinok.empty())
        return std::string();
    return (fs::path(priecinok) / cesta).lexically_normal().string();
}

bool drzi_katalogy(const std::string &priecinok)
{
    std::error_code chyba;
    fs::directory_iterator it(priecinok, chyba);
    for (; !chyba && it != fs::directory_iterator(); it.increment(chyba)) {
        std::error_code c;
        if (fs::is_regular_file(it->path() / "LC_MESSAGES" / "ponorka.mo", c))
            return true;
    }
    return false;
}

std::string katalogy_pre_program(const std::string &program)
{
    const std::string instalovane = absolutna(PONORKA_KATALOGY_INSTALOVANE, "/");
    if (!program.empty()) {
        for (const char *k : {"locale", PONORKA_KATALOGY_OD_PROGRAMU}) {
            std::string p = absolutna(k, program);
            if (drzi_katalogy(p))
                return p;
        }
    }
    return instalovane;
}

std::string priecinok_katalogov()
{
    return katalogy_pre_program(priecinok_programu());
}

std::string cesta_kampane(const std::string &volba)
{
    if (volba.find('/') != std::string::npos)
        return cesta_od_hraca(volba);
    fs::path kampane = fs::path(pracovny_priecinok()) / "data" / "campaigns";
    fs::path p = kampane / volba;
    std::error_code chyba;
    const std::string pripona = ".campaign";
    bool ma_priponu =
        volba.size() >= pripona.size() && volba.compare(volba.size() - pripona.size(), pripona.size(), pripona) == 0;
    if (!ma_priponu && !fs::exists(p, chyba))
        p = kampane / (volba + pripona);
    return p.string();
}
