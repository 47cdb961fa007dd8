#include "objects/obrazky.h"

#include <cstdio>
#include <map>
#include <string>

namespace {

// Path -> the image as read from disk; the cache keeps these, callers get copies.
// Never destroyed, so the images stay reachable until the process ends.
std::map<std::string, BITMAP *> &zasoba()
{
    static std::map<std::string, BITMAP *> *obrazky = new std::map<std::string, BITMAP *>;
    return *obrazky;
}

BITMAP *kopia(BITMAP *zdroj)
{
    BITMAP *nova = create_bitmap_ex(bitmap_color_depth(zdroj), zdroj->w, zdroj->h);
    if (nova)
        blit(zdroj, nova, 0, 0, 0, 0, zdroj->w, zdroj->h);
    return nova;
}

}  // namespace

BITMAP *obrazok_kopia(const char *cesta)
{
    std::map<std::string, BITMAP *> &obrazky = zasoba();
    auto it = obrazky.find(cesta);
    if (it == obrazky.end()) {
        BITMAP *nacitany = load_bitmap(cesta, nullptr);
        if (!nacitany) {
            fprintf(stderr, "obrazky: can't read image %s\n", cesta);
            return nullptr;
        }
        it = obrazky.emplace(cesta, nacitany).first;
    }
    return kopia(it->second);
}

void obrazky_vloz(const char *cesta, BITMAP *bmp)
{
    BITMAP *nova = kopia(bmp);
    if (!nova)
        return;
    std::map<std::string, BITMAP *> &obrazky = zasoba();
    auto it = obrazky.find(cesta);
    if (it != obrazky.end()) {
        destroy_bitmap(it->second);
        it->second = nova;
    } else {
        obrazky.emplace(cesta, nova);
    }
}

void obrazky_vycisti()
{
    std::map<std::string, BITMAP *> &obrazky = zasoba();
    for (auto &zaznam : obrazky)
        destroy_bitmap(zaznam.second);
    obrazky.clear();
}
