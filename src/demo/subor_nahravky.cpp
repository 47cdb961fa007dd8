#include "demo/subor_nahravky.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

SuborNahravky::~SuborNahravky()
{
    if (f != nullptr)
        fclose(f);
    if (!docasny.empty())
        unlink(docasny.c_str());
}

bool SuborNahravky::priprav(const std::string &cesta, std::string &dovod)
{
    ciel = skutocny = cesta;
    struct stat st;
    if (stat(cesta.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            f = fopen(cesta.c_str(), "w");
            if (f == nullptr) {
                dovod = strerror(errno);
                return false;
            }
            priamo = true;
            return true;
        }
        // A demo the player made read-only stays as it is.
        if (access(cesta.c_str(), W_OK) != 0) {
            dovod = strerror(errno);
            return false;
        }
        mod = st.st_mode & 07777;
        char *plna = realpath(cesta.c_str(), nullptr);
        if (plna != nullptr) {
            skutocny = plna;
            free(plna);
        }
    } else if (errno != ENOENT) {
        dovod = strerror(errno);
        return false;
    } else {
        mode_t maska = umask(0);
        umask(maska);
        mod = 0666 & ~maska;
    }
    std::string priecinok = skutocny.substr(0, skutocny.rfind('/') + 1);
    if (access(priecinok.empty() ? "." : priecinok.c_str(), W_OK | X_OK) != 0) {
        dovod = strerror(errno);
        return false;
    }
    return true;
}

bool SuborNahravky::zacni(std::string &dovod)
{
    if (priamo)
        return true;
    std::string vzor = skutocny + ".XXXXXX";
    std::vector<char> meno(vzor.begin(), vzor.end());
    meno.push_back('\0');
    int fd = mkstemp(meno.data());
    if (fd < 0) {
        dovod = strerror(errno);
        return false;
    }
    docasny = meno.data();
    fchmod(fd, (mode_t)mod);
    f = fdopen(fd, "w");
    if (f == nullptr) {
        dovod = strerror(errno);
        close(fd);
        return false;
    }
    return true;
}

bool SuborNahravky::dokonci(bool zapisane, std::string &dovod)
{
    if (!priamo && docasny.empty()) {
        dovod = "was never begun";
        return false;
    }
    int chyba = 0;
    if (f != nullptr) {
        // On the disk before it takes the target's place: a crash then leaves the old demo or the new.
        if (fflush(f) != 0 || (!priamo && fsync(fileno(f)) != 0))
            chyba = errno;
        if (fclose(f) != 0 && chyba == 0)
            chyba = errno;
        f = nullptr;
    }
    if (zapisane && chyba == 0) {
        if (priamo || rename(docasny.c_str(), skutocny.c_str()) == 0) {
            docasny.clear();
            return true;
        }
        dovod = std::string("could not be put in place: ") + strerror(errno) + "; the recording is kept in " + docasny;
        docasny.clear();
        return false;
    }
    dovod = "could not be written whole";
    if (zapisane)
        dovod += std::string(" (") + strerror(chyba) + ")";
    if (!priamo) {
        unlink(docasny.c_str());
        docasny.clear();
        dovod += "; a file of that name from before is left as it was";
    }
    return false;
}
