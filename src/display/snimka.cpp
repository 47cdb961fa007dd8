#include "display/snimka.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sstream>
#include <vector>

#include <png.h>

namespace {

// user-dirs.dirs is a few lines; a longer file is no file of ours.
const long NAJVACSI_USER_DIRS = 64 * 1024;

bool absolutna(const char *p)
{
    return p != nullptr && p[0] == '/';
}

std::string bez_lomky(std::string s)
{
    while (s.size() > 1 && s.back() == '/')
        s.pop_back();
    return s;
}

// XDG_PICTURES_DIR="$HOME/Pictures" or an absolute path, in double quotes.
std::string obrazky_z_user_dirs(const std::string &text, const std::string &home)
{
    std::istringstream riadky(text);
    std::string r, najdeny;
    while (std::getline(riadky, r)) {
        size_t i = r.find_first_not_of(" \t");
        if (i == std::string::npos || r.compare(i, 17, "XDG_PICTURES_DIR=") != 0)
            continue;
        std::string h = r.substr(i + 17);
        while (!h.empty() && (h.back() == '\r' || h.back() == ' ' || h.back() == '\t'))
            h.pop_back();
        if (h.size() < 2 || h.front() != '"' || h.back() != '"')
            continue;
        h = h.substr(1, h.size() - 2);
        if (h.compare(0, 5, "$HOME") == 0 && (h.size() == 5 || h[5] == '/'))
            h = home + h.substr(5);
        else if (h.empty() || h[0] != '/')
            continue;
        najdeny = h;
    }
    return najdeny;
}

bool vytvor_priecinky(const std::string &cesta)
{
    for (size_t i = 1; i <= cesta.size(); i++) {
        if (i < cesta.size() && cesta[i] != '/')
            continue;
        std::string cast = cesta.substr(0, i);
        if (mkdir(cast.c_str(), 0755) != 0 && errno != EEXIST)
            return false;
    }
    struct stat st;
    return stat(cesta.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool zapis_png(FILE *f, BITMAP *b)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    std::vector<png_byte> riadok((size_t)b->w * 3);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, (png_uint_32)b->w, (png_uint_32)b->h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    int hlbka = bitmap_color_depth(b);
    for (int y = 0; y < b->h; y++) {
        for (int x = 0; x < b->w; x++) {
            int c = getpixel(b, x, y);
            riadok[(size_t)x * 3] = (png_byte)getr_depth(hlbka, c);
            riadok[(size_t)x * 3 + 1] = (png_byte)getg_depth(hlbka, c);
            riadok[(size_t)x * 3 + 2] = (png_byte)getb_depth(hlbka, c);
        }
        png_write_row(png, riadok.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

std::string priecinok_snimok(const std::string &user_dirs, const char *xdg_data_home, const char *home)
{
    if (!absolutna(home))
        return "";
    std::string domov = bez_lomky(home);
    std::string obrazky = bez_lomky(obrazky_z_user_dirs(user_dirs, domov));
    if (!obrazky.empty() && obrazky != domov)
        return obrazky + "/Ponorka";
    std::string data = absolutna(xdg_data_home) ? bez_lomky(xdg_data_home) : domov + "/.local/share";
    return data + "/ponorka/screenshots";
}

std::string priecinok_snimok()
{
    const char *home = getenv("HOME");
    const char *config = getenv("XDG_CONFIG_HOME");
    std::string subor = absolutna(config) ? std::string(config) : std::string(home ? home : "") + "/.config";
    std::string text;
    // Non-blocking: a pipe or a device in its place holds no settings.
    int fd = open((subor + "/user-dirs.dirs").c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        struct stat st;
        if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= NAJVACSI_USER_DIRS) {
            char kus[4096];
            ssize_t n;
            while ((n = read(fd, kus, sizeof kus)) > 0 && (long)text.size() < NAJVACSI_USER_DIRS)
                text.append(kus, (size_t)n);
        }
        close(fd);
    }
    return priecinok_snimok(text, getenv("XDG_DATA_HOME"), home);
}

std::string meno_snimky(long cas, int n)
{
    time_t t = (time_t)cas;
    struct tm tm;
    localtime_r(&t, &tm);
    char meno[64];
    strftime(meno, sizeof meno, "ponorka-%Y%m%d-%H%M%S", &tm);
    std::string s = meno;
    if (n > 1)
        s += "-" + std::to_string(n);
    return s + ".png";
}

std::string uloz_snimku(BITMAP *b, const std::string &priecinok, std::string &dovod)
{
    if (priecinok.empty()) {
        dovod = "no home folder";
        return "";
    }
    if (!vytvor_priecinky(priecinok)) {
        dovod = strerror(errno ? errno : ENOTDIR);
        return "";
    }
    long cas = (long)time(nullptr);
    // The name is taken by creating the file: a second game at the same second gets the next.
    for (int n = 1; n <= 100; n++) {
        std::string cesta = priecinok + "/" + meno_snimky(cas, n);
        int fd = open(cesta.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            dovod = strerror(errno);
            return "";
        }
        FILE *f = fdopen(fd, "wb");
        bool dobre = f != nullptr && zapis_png(f, b);
        if (f == nullptr)
            close(fd);
        if (f != nullptr && fclose(f) != 0)
            dobre = false;
        if (!dobre) {
            dovod = "can't write " + cesta;
            unlink(cesta.c_str());
            return "";
        }
        return cesta;
    }
    dovod = "every name for this second is taken";
    return "";
}
