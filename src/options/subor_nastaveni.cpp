#include "options/subor_nastaveni.h"

#include <fcntl.h>
#include <libgen.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include <allegro.h>

#include "options/kody.h"
#include "options/priecinok_dat.h"
#include "options/volby.h"

NastaveniaHry nastavenia;

// A new file starts with this.
static const char HLAVICKA[] = "# Ponorka's settings: the keys, the gamepad, sound and the display (man ponorka).\n"
                               "# The game rewrites this file when you change the controls in the game (F1).\n"
                               "# Comments on lines of their own and keys the game does not know are kept.\n";

std::string cesta_nastaveni(const char *xdg_config_home, const char *home)
{
    if (xdg_config_home && xdg_config_home[0] == '/')
        return std::string(xdg_config_home) + "/ponorka/ponorka.cfg";
    if (home && home[0])
        return std::string(home) + "/.config/ponorka/ponorka.cfg";
    return "";
}

VysledokCitania precitaj_subor(const std::string &cesta, std::string &text, std::string &dovod)
{
    text.clear();
    int fd = open(cesta.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return SUBOR_NEJESTVUJE;
        dovod = strerror(errno);
        return SUBOR_NECITATELNY;
    }
    struct stat st;
    VysledokCitania v = SUBOR_PRECITANY;
    if (fstat(fd, &st) != 0) {
        dovod = strerror(errno);
        v = SUBOR_NECITATELNY;
    } else if (S_ISDIR(st.st_mode)) {
        dovod = "it is a folder";
        v = SUBOR_NECITATELNY;
    } else if (!S_ISREG(st.st_mode)) {
        dovod = "it is not a regular file";
        v = SUBOR_NECITATELNY;
    } else {
        char blok[4096];
        for (;;) {
            ssize_t n = read(fd, blok, sizeof blok);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                dovod = strerror(errno);
                v = SUBOR_NECITATELNY;
                break;
            }
            if (n == 0)
                break;
            text.append(blok, (size_t)n);
            if ((long)text.size() > NAJVACSI_SUBOR) {
                dovod = "it is longer than " + std::to_string(NAJVACSI_SUBOR) + " bytes";
                v = SUBOR_NECITATELNY;
                break;
            }
        }
    }
    close(fd);
    if (v != SUBOR_PRECITANY)
        text.clear();
    return v;
}

namespace {

std::string priecinok(const std::string &cesta)
{
    std::string kopia = cesta;
    return dirname(&kopia[0]);
}

// Like mkdir -p, each new folder private, as XDG asks.
bool vytvor_priecinky(const std::string &cesta)
{
    struct stat st;
    if (stat(cesta.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode) || (errno = ENOTDIR, false);
    std::string nad = priecinok(cesta);
    if (nad != cesta && !vytvor_priecinky(nad))
        return false;
    return mkdir(cesta.c_str(), 0700) == 0 || errno == EEXIST;
}

bool zapis_vsetko(int fd, const std::string &text)
{
    size_t hotovo = 0;
    while (hotovo < text.size()) {
        ssize_t n = write(fd, text.data() + hotovo, text.size() - hotovo);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        hotovo += (size_t)n;
    }
    return true;
}

bool synchronizuj(const std::string &cesta)
{
    int fd = open(cesta.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = fsync(fd) == 0;
    close(fd);
    return ok;
}

bool zlyhanie(std::string &dovod, const std::string &co, const std::string &docasny)
{
    dovod = co;
    if (!docasny.empty())
        unlink(docasny.c_str());
    return false;
}

}  // namespace

bool uloz_nastavenia(const std::string &cesta, const Nastavenia &n, bool vytvor, std::string &dovod)
{
    std::string ciel = cesta;
    struct stat st;
    if (lstat(cesta.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char skutocna[PATH_MAX];
        if (realpath(cesta.c_str(), skutocna) == nullptr)
            return zlyhanie(dovod, std::string("it is a link that leads nowhere (") + strerror(errno) + ")", "");
        ciel = skutocna;
    }
    std::string kam = priecinok(ciel);
    if (vytvor && !vytvor_priecinky(kam))
        return zlyhanie(dovod, "can't make the folder " + kam + " (" + strerror(errno) + ")", "");

    std::string text, preco;
    VysledokCitania c = precitaj_subor(ciel, text, preco);
    if (c == SUBOR_NECITATELNY)
        return zlyhanie(dovod, "it can't be read (" + preco + "), so it is not overwritten", "");
    mode_t prava;
    if (c == SUBOR_PRECITANY && stat(ciel.c_str(), &st) == 0) {
        prava = st.st_mode & 07777;
    } else {
        mode_t maska = umask(0);
        umask(maska);
        prava = 0666 & ~maska;
        text = HLAVICKA;
    }

    std::string kopia = ciel;
    std::string docasny = kam + "/." + basename(&kopia[0]) + ".XXXXXX";
    int fd = mkstemp(&docasny[0]);
    if (fd < 0)
        return zlyhanie(dovod, "can't write in " + kam + " (" + strerror(errno) + ")", "");
    bool zapisany = zapis_vsetko(fd, priprav_na_zapis(text));
    int chyba = errno;
    fchmod(fd, prava);
    if (close(fd) != 0 && zapisany) {
        zapisany = false;
        chyba = errno;
    }
    if (!zapisany)
        return zlyhanie(dovod, std::string("can't write it (") + strerror(chyba) + ")", docasny);

    // Allegro's writer returns nothing; a failed write leaves errno set (to
    // its own code, not the system's reason).
    push_config_state();
    set_config_file(docasny.c_str());
    zapis_nastavenia(n);
    errno = 0;
    flush_config_file();
    chyba = errno;
    pop_config_state();
    if (chyba != 0)
        return zlyhanie(dovod, "writing it failed (is the disk full?)", docasny);

    std::string zapisane;
    if (precitaj_subor(docasny, zapisane, preco) != SUBOR_PRECITANY ||
        citaj_nastavenia(zapisane, docasny.c_str(), nullptr) != n)
        return zlyhanie(dovod, "the written file did not read back as written", docasny);
    if (!synchronizuj(docasny))
        return zlyhanie(dovod, std::string("can't write it (") + strerror(errno) + ")", docasny);
    if (rename(docasny.c_str(), ciel.c_str()) != 0)
        return zlyhanie(dovod, std::string("can't replace it (") + strerror(errno) + ")", docasny);
    synchronizuj(kam);
    return true;
}

int priprav_nastavenia(const Volby &v, FILE *err)
{
    nastavenia = NastaveniaHry();
    if (v.bez_nastaveni)
        return -1;
    if (v.subor_nastaveni.empty()) {
        const char *home = getenv("HOME");
        if (!home || !home[0]) {
            struct passwd *pw = getpwuid(getuid());
            home = pw ? pw->pw_dir : nullptr;
        }
        nastavenia.cesta = cesta_nastaveni(getenv("XDG_CONFIG_HOME"), home);
        return -1;
    }
    std::string cesta = cesta_od_hraca(v.subor_nastaveni);
    std::string nad = priecinok(cesta);
    struct stat st;
    std::string dovod;
    if (stat(cesta.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        dovod = "--config '" + v.subor_nastaveni + "' names a folder, not a file";
    else if (stat(nad.c_str(), &st) != 0)
        dovod = "--config '" + v.subor_nastaveni + "': its folder " + nad + " does not exist";
    else if (!S_ISDIR(st.st_mode))
        dovod = "--config '" + v.subor_nastaveni + "': " + nad + " is not a folder";
    if (!dovod.empty()) {
        fprintf(err, "ponorka: %s\n", dovod.c_str());
        vypis_pouzitie(err);
        return KOD_POUZITIE;
    }
    nastavenia.cesta = cesta;
    nastavenia.z_volby = true;
    return -1;
}

void nacitaj_nastavenia(FILE *err)
{
    if (nastavenia.cesta.empty())
        return;
    std::string text, dovod;
    VysledokCitania c = precitaj_subor(nastavenia.cesta, text, dovod);
    if (c == SUBOR_NECITATELNY) {
        fprintf(err, "ponorka: %s: can't read it (%s); playing with the default settings\n", nastavenia.cesta.c_str(),
                dovod.c_str());
        nastavenia.citatelny = false;
    }
    if (c == SUBOR_PRECITANY)
        nastavenia.n = citaj_nastavenia(text, nastavenia.cesta.c_str(), err);
}

bool uloz_nastavenia_hry(FILE *err)
{
    if (nastavenia.cesta.empty())
        return true;
    std::string dovod;
    if (!nastavenia.citatelny)
        dovod = "it could not be read at the start, so it is not overwritten";
    else if (uloz_nastavenia(nastavenia.cesta, nastavenia.n, !nastavenia.z_volby, dovod))
        return true;
    fprintf(err, "ponorka: %s: the settings were not saved: %s; they stay for this game\n", nastavenia.cesta.c_str(),
            dovod.c_str());
    return false;
}

int rezim_hry(const Volby &v)
{
    return v.rezim != REZIM_NEZADANY ? v.rezim : nastavenia.n.rezim;
}

int mierka_hry(const Volby &v)
{
    return v.mierka != MIERKA_NEZADANA ? v.mierka : nastavenia.n.mierka;
}

bool zvuk_hry(const Volby &v)
{
    return v.zvuk && nastavenia.n.zvuk;
}
