#include "display/zmeny.h"

#include <cstdint>
#include <cstring>

namespace {

// Rows that can be compared: in memory, or on a screen laid out like memory.
bool citatelna(BITMAP *b)
{
    return is_memory_bitmap(b) || is_linear_bitmap(b);
}

uint64_t slovo(const unsigned char *p)
{
    uint64_t s;
    memcpy(&s, p, sizeof s);
    return s;
}

// The first byte where two rows of n bytes differ; they do somewhere.
int prvy_rozdiel(const unsigned char *a, const unsigned char *b, int n)
{
    int i = 0;
    // Eight bytes at a time: the unchanged part of a changed row is most of it.
    while (i + 8 <= n && slovo(a + i) == slovo(b + i))
        i += 8;
    while (a[i] == b[i])
        i++;
    return i;
}

// The last byte where two rows of n bytes differ; they do somewhere.
int posledny_rozdiel(const unsigned char *a, const unsigned char *b, int n)
{
    int i = n;
    while (i >= 8 && slovo(a + i - 8) == slovo(b + i - 8))
        i -= 8;
    do
        i--;
    while (a[i] == b[i]);
    return i;
}

}  // namespace

std::vector<Pas> zmenene_pasy(BITMAP *a, int ax, int ay, BITMAP *b, int bx, int by, int w, int h)
{
    std::vector<Pas> pasy;
    // Clipped to both bitmaps, the two rectangles moving together.
    int vlavo = MAX(-ax, -bx);
    if (vlavo > 0) {
        ax += vlavo;
        bx += vlavo;
        w -= vlavo;
    }
    int hore = MAX(-ay, -by);
    if (hore > 0) {
        ay += hore;
        by += hore;
        h -= hore;
    }
    w = MIN(w, MIN(a->w - ax, b->w - bx));
    h = MIN(h, MIN(a->h - ay, b->h - by));
    if (w <= 0 || h <= 0)
        return pasy;
    int hlbka = bitmap_color_depth(a);
    if (hlbka != bitmap_color_depth(b) || !citatelna(a) || !citatelna(b)) {
        pasy.push_back({ax, ay, w, h});
        return pasy;
    }
    int bajty = (hlbka + 7) / 8;
    int n = w * bajty;
    int od = -1, x0 = 0, x1 = 0;  // the band being gathered: first row, columns
    for (int r = 0; r <= h; r++) {
        bool ina = false;
        if (r < h) {
            const unsigned char *pa = (const unsigned char *)bmp_read_line(a, ay + r) + ax * bajty;
            const unsigned char *pb = (const unsigned char *)bmp_read_line(b, by + r) + bx * bajty;
            ina = memcmp(pa, pb, n) != 0;
            if (ina) {
                int l = prvy_rozdiel(pa, pb, n) / bajty;
                int p = posledny_rozdiel(pa, pb, n) / bajty;
                if (od < 0) {
                    od = r;
                    x0 = l;
                    x1 = p;
                } else {
                    x0 = MIN(x0, l);
                    x1 = MAX(x1, p);
                }
            }
        }
        if (!ina && od >= 0) {
            pasy.push_back({ax + x0, ay + od, x1 - x0 + 1, r - od});
            od = -1;
        }
    }
    bmp_unwrite_line(a);
    bmp_unwrite_line(b);
    return pasy;
}

void kopiruj_zmeny(BITMAP *z, BITMAP *kam, int zx, int zy, int kx, int ky, int w, int h)
{
    for (const Pas &p : zmenene_pasy(z, zx, zy, kam, kx, ky, w, h))
        blit(z, kam, p.x, p.y, p.x - zx + kx, p.y - zy + ky, p.w, p.h);
}
