#include "start/assets.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <allegro.h>
#include <ft2build.h>
#include FT_FREETYPE_H

const AssetFile asset_files[] = {
    {"gfx/submarine/sub_player_right.tga", AssetKind::Image, 100, 25},
    {"gfx/submarine/sub_player_left.tga", AssetKind::Image, 100, 25},
    {"gfx/submarine/nepriatel.tga", AssetKind::Image, 50, 25},
    {"gfx/torpedo.tga", AssetKind::Image, 20, 10},
    {"gfx/gulomet.tga", AssetKind::Image, 12, 6},
    {"gfx/briefing/zorvik.tga", AssetKind::Image, 443, 522},
    {"gfx/shop/dock.tga", AssetKind::Image, 1280, 1024},
    {"gfx/shop/cursor.bmp", AssetKind::Image, 32, 32},
    {"gfx/shop/torpedo_unselected.tga", AssetKind::Image, 400, 400},
    {"gfx/shop/torpedo_selected.tga", AssetKind::Image, 400, 400},
    {"gfx/shop/torpedo_unactive.tga", AssetKind::Image, 400, 400},
    {"gfx/shop/navnada_unselected.tga", AssetKind::Image, 400, 400},
    {"gfx/shop/navnada_selected.tga", AssetKind::Image, 400, 400},
    {"gfx/shop/navnada_unactive.tga", AssetKind::Image, 400, 400},
    {"sfx/briefing/beat.wav", AssetKind::Sound, 0, 0},
    {"data/fonts/formal.ttf", AssetKind::Font, 0, 0},
    {"data/fonts/trebuchet.ttf", AssetKind::Font, 0, 0},
    {"data/fonts/copperlate.ttf", AssetKind::Font, 0, 0},
};
const int asset_file_count = (int)(sizeof(asset_files) / sizeof(asset_files[0]));

namespace {

unsigned u16(const std::vector<unsigned char> &d, size_t i)
{
    return d[i] | (d[i + 1] << 8);
}

uint32_t u32(const std::vector<unsigned char> &d, size_t i)
{
    return (uint32_t)u16(d, i) | ((uint32_t)u16(d, i + 2) << 16);
}

uint32_t be32(const std::vector<unsigned char> &d, size_t i)
{
    return ((uint32_t)d[i] << 24) | ((uint32_t)d[i + 1] << 16) | ((uint32_t)d[i + 2] << 8) | d[i + 3];
}

const char *kind_of_file(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a directory";
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISCHR(mode))
        return "a character device";
    if (S_ISBLK(mode))
        return "a block device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "not a plain file";
}

// Reads a regular file whole. It is opened without blocking, since a FIFO in an asset's
// place would wait for a writer for ever, and anything but a regular file is refused before
// a byte is read. On failure `problem` gives the reason ("missing", the system's words).
bool read_file(const char *path, std::vector<unsigned char> &data, std::string &problem)
{
    int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        problem = errno == ENOENT ? "missing" : std::strerror(errno);
        return false;
    }
    struct stat st;
    if (fstat(fd, &st) != 0) {
        problem = std::strerror(errno);
        close(fd);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        problem = std::string("not a regular file (") + kind_of_file(st.st_mode) + ")";
        close(fd);
        return false;
    }
    // One read into a buffer of the file's size: the images are megabytes, and this runs at start-up.
    data.resize((size_t)st.st_size);
    size_t done = 0;
    while (done < data.size()) {
        ssize_t n = read(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            problem = std::strerror(errno);
            close(fd);
            return false;
        }
        if (n == 0)
            break;
        done += (size_t)n;
    }
    data.resize(done);
    close(fd);
    return true;
}

std::string size_text(long w, long h)
{
    return std::to_string(w) + " x " + std::to_string(h);
}

// Uncompressed (type 2) or run-length (type 10) true-colour TGA without a colour map.
bool check_tga(const std::vector<unsigned char> &d, const AssetFile &a, std::string &problem)
{
    if (d.size() < 18) {
        problem = "truncated TGA header";
        return false;
    }
    unsigned id_len = d[0], cmap = d[1], type = d[2], w = u16(d, 12), h = u16(d, 14), bpp = d[16];
    if (cmap != 0 || (type != 2 && type != 10) || (bpp != 16 && bpp != 24 && bpp != 32)) {
        problem = "not a true-colour TGA image";
        return false;
    }
    if ((int)w != a.width || (int)h != a.height) {
        problem = "image is " + size_text(w, h) + ", expected " + size_text(a.width, a.height);
        return false;
    }
    size_t pos = 18 + id_len, px = (size_t)w * h, bytes = bpp / 8;
    if (type == 2) {
        if (d.size() < pos + px * bytes) {
            problem = "truncated TGA pixel data";
            return false;
        }
        return true;
    }
    // Walk the packets: they must cover every pixel before the file ends.
    size_t done = 0;
    while (done < px) {
        if (pos >= d.size()) {
            problem = "truncated TGA pixel data";
            return false;
        }
        unsigned head = d[pos++];
        size_t count = (head & 0x7f) + 1;
        pos += (head & 0x80) ? bytes : count * bytes;
        done += count;
    }
    if (pos > d.size() || done != px) {
        problem = "truncated TGA pixel data";
        return false;
    }
    return true;
}

bool check_bmp(const std::vector<unsigned char> &d, const AssetFile &a, std::string &problem)
{
    if (d.size() < 54 || d[0] != 'B' || d[1] != 'M') {
        problem = d.size() < 54 ? "truncated BMP header" : "not a BMP image";
        return false;
    }
    uint32_t offset = u32(d, 10), info = u32(d, 14), compression = u32(d, 30);
    int32_t w = (int32_t)u32(d, 18), h = (int32_t)u32(d, 22);
    unsigned planes = u16(d, 26), bpp = u16(d, 28);
    if (info < 40 || planes != 1 || (bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) ||
        (compression != 0 && compression != 3)) {
        problem = "unsupported BMP image";
        return false;
    }
    long ah = h < 0 ? -(long)h : (long)h;
    if (w != a.width || ah != a.height) {
        problem = "image is " + size_text(w, ah) + ", expected " + size_text(a.width, a.height);
        return false;
    }
    uint64_t row = ((uint64_t)w * bpp + 31) / 32 * 4;
    if (offset < 14 + info || d.size() < offset + row * (uint64_t)ah) {
        problem = "truncated BMP pixel data";
        return false;
    }
    return true;
}

bool check_image(const std::vector<unsigned char> &d, const AssetFile &a, std::string &problem)
{
    std::string p(a.path);
    bool bmp = p.size() > 4 && p.compare(p.size() - 4, 4, ".bmp") == 0;
    if (!(bmp ? check_bmp(d, a, problem) : check_tga(d, a, problem)))
        return false;
    // Uncompressed pixel data of the right length is a readable image whatever its bytes,
    // so only run-length TGAs need the loader's word; decoding them all would slow start-up.
    if (bmp || d[2] == 2)
        return true;
    BITMAP *b = load_bitmap(a.path, NULL);
    if (!b) {
        problem = "load_bitmap can't read it";
        return false;
    }
    bool ok = b->w == a.width && b->h == a.height;
    if (!ok)
        problem = "load_bitmap gives " + size_text(b->w, b->h) + ", expected " + size_text(a.width, a.height);
    destroy_bitmap(b);
    return ok;
}

// 8- or 16-bit PCM RIFF WAVE: every chunk inside the RIFF size, the RIFF size inside the file.
bool check_wav(const std::vector<unsigned char> &d, const AssetFile &a, std::string &problem)
{
    if (d.size() < 12 || d[0] != 'R' || d[1] != 'I' || d[2] != 'F' || d[3] != 'F' || d[8] != 'W' || d[9] != 'A' ||
        d[10] != 'V' || d[11] != 'E') {
        problem = d.size() < 12 ? "truncated WAV header" : "not a RIFF WAVE file";
        return false;
    }
    uint64_t end = (uint64_t)u32(d, 4) + 8;
    if (end > d.size()) {
        problem = "truncated: the RIFF header promises " + std::to_string(end) + " bytes, the file has " +
                  std::to_string(d.size());
        return false;
    }
    uint64_t pos = 12, data_size = 0;
    unsigned block = 0;
    bool fmt = false, data = false;
    while (pos + 8 <= end) {
        uint64_t size = u32(d, (size_t)pos + 4);
        if (pos + 8 + size > end) {
            problem = "truncated WAV chunk";
            return false;
        }
        if (std::equal(d.begin() + pos, d.begin() + pos + 4, "fmt ")) {
            if (size < 16) {
                problem = "short WAV format chunk";
                return false;
            }
            size_t f = (size_t)pos + 8;
            unsigned format = u16(d, f), channels = u16(d, f + 2), bits = u16(d, f + 14);
            block = u16(d, f + 12);
            if (format != 1 || channels < 1 || channels > 2 || (bits != 8 && bits != 16) ||
                block != channels * bits / 8 || u32(d, f + 4) == 0) {
                problem = "not 8- or 16-bit PCM sound";
                return false;
            }
            fmt = true;
        } else if (std::equal(d.begin() + pos, d.begin() + pos + 4, "data")) {
            data = fmt;
            data_size = size;
            if (!fmt)
                break;
        }
        pos += 8 + size + (size & 1);
    }
    if (!fmt || !data || data_size == 0 || data_size % block != 0) {
        problem = "no PCM sound data";
        return false;
    }
    SAMPLE *s = load_sample(a.path);
    if (!s) {
        problem = "load_sample can't read it";
        return false;
    }
    bool ok = s->len == data_size / block;
    destroy_sample(s);
    if (!ok)
        problem = "load_sample reads a different length";
    return ok;
}

// A TrueType (glyf) font whose table directory lies inside the file and whose printable
// ASCII characters FreeType renders.
bool check_ttf(const std::vector<unsigned char> &d, const AssetFile &a, std::string &problem)
{
    if (d.size() < 12 || (be32(d, 0) != 0x00010000 && be32(d, 0) != 0x74727565)) {
        problem = d.size() < 12 ? "truncated font header" : "not a TrueType font";
        return false;
    }
    unsigned tables = (d[4] << 8) | d[5];
    if (d.size() < 12 + 16 * (size_t)tables) {
        problem = "truncated font table directory";
        return false;
    }
    bool glyf = false;
    for (unsigned i = 0; i < tables; i++) {
        size_t e = 12 + 16 * (size_t)i;
        uint64_t off = be32(d, e + 8), len = be32(d, e + 12);
        if (off + len > d.size()) {
            problem = "truncated: a font table lies past the end of the file";
            return false;
        }
        glyf = glyf || be32(d, e) == 0x676c7966;
    }
    if (!glyf) {
        problem = "not a TrueType font (no glyf table)";
        return false;
    }
    FT_Library lib;
    if (FT_Init_FreeType(&lib)) {
        problem = "FreeType failed to start";
        return false;
    }
    FT_Face face;
    bool ok = false;
    if (FT_New_Face(lib, a.path, 0, &face)) {
        problem = "FreeType can't open it";
    } else {
        ok = FT_Set_Pixel_Sizes(face, 0, 20) == 0;
        for (FT_ULong c = 32; ok && c < 127; c++)
            ok = FT_Get_Char_Index(face, c) != 0 && FT_Load_Char(face, c, FT_LOAD_RENDER) == 0;
        if (ok) {
            ok = FT_Load_Char(face, 'W', FT_LOAD_RENDER) == 0 && face->glyph->bitmap.rows > 0 &&
                 face->glyph->bitmap.width > 0;
        }
        if (!ok)
            problem = "FreeType can't render its characters";
        FT_Done_Face(face);
    }
    FT_Done_FreeType(lib);
    return ok;
}

}  // namespace

bool check_asset(const AssetFile &a, std::string &problem)
{
    std::vector<unsigned char> d;
    if (!read_file(a.path, d, problem))
        return false;
    if (d.empty()) {
        problem = "empty";
        return false;
    }
    switch (a.kind) {
    case AssetKind::Image:
        return check_image(d, a, problem);
    case AssetKind::Sound:
        return check_wav(d, a, problem);
    case AssetKind::Font:
        return check_ttf(d, a, problem);
    }
    return false;
}

bool check_assets()
{
    int depth = get_color_depth();
    set_color_depth(16);
    bool ok = true;
    for (int i = 0; i < asset_file_count; i++) {
        std::string problem;
        if (!check_asset(asset_files[i], problem)) {
            std::fprintf(stderr, "ponorka: asset file \"%s\": %s\n", asset_files[i].path, problem.c_str());
            ok = false;
        }
    }
    set_color_depth(depth);
    if (!ok) {
        std::fprintf(stderr,
                     "ponorka: the game's images, sounds and fonts are generated by the build. Build the project\n"
                     "(scripts/build.sh, or cmake --build <build dir>), which writes them into build/run, and\n"
                     "start the game from there (scripts/play.sh).\n");
    }
    return ok;
}
