// A bounded, repeatable stream of damaged fonts and random strings through the
// text layer. The fonts are real ones with bytes flipped, runs overwritten or
// the end cut off, so FreeType gets far enough to hand the layer odd faces.
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "text/alfont_vnutro.h"
#include "text_fuzz.h"

namespace {

std::vector<unsigned char> read_file(const char *path)
{
    std::vector<unsigned char> bytes;
    FILE *f = fopen(path, "rb");
    if (f == NULL)
        return bytes;
    int c;
    while ((c = fgetc(f)) != EOF)
        bytes.push_back((unsigned char)c);
    fclose(f);
    return bytes;
}

std::vector<unsigned char> mutate(const std::vector<unsigned char> &font, std::mt19937 &rng)
{
    std::vector<unsigned char> out = font;
    std::uniform_int_distribution<int> byte(0, 255);
    switch (rng() % 5) {
    case 0: {  // flips in the table directory and the headers
        size_t head = out.size() < 4096 ? out.size() : 4096;
        for (int i = rng() % 16; i >= 0; i--)
            out[rng() % head] ^= (unsigned char)(1 << (rng() % 8));
        break;
    }
    case 1:  // flips anywhere
        for (int i = rng() % 64; i >= 0; i--)
            out[rng() % out.size()] = (unsigned char)byte(rng);
        break;
    case 2: {  // a run overwritten
        size_t at = rng() % out.size();
        size_t len = 1 + rng() % 256;
        for (size_t i = at; i < out.size() && i < at + len; i++)
            out[i] = (unsigned char)byte(rng);
        break;
    }
    case 3:  // cut short
        out.resize(rng() % out.size());
        break;
    default: {  // nothing but noise
        out.resize(rng() % 2048);
        for (unsigned char &c : out)
            c = (unsigned char)byte(rng);
        break;
    }
    }
    return out;
}

std::vector<unsigned char> random_text(std::mt19937 &rng)
{
    std::vector<unsigned char> text(rng() % 80);
    for (unsigned char &c : text) {
        switch (rng() % 4) {
        case 0:
            c = (unsigned char)(0x20 + rng() % 0x5F);
            break;  // ASCII
        case 1:
            c = (unsigned char)(0x80 + rng() % 0x80);
            break;  // UTF-8 lead and continuation bytes
        default:
            c = (unsigned char)(1 + rng() % 255);
            break;
        }
    }
    return text;
}

TEST(TextFuzz, DamagedFontsAndRandomStrings)
{
    const char *const sources[] = {
        "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
        "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf",
        "/usr/share/fonts/truetype/freefont/FreeMono.ttf",
    };
    std::vector<std::vector<unsigned char>> fonts;
    for (const char *path : sources) {
        fonts.push_back(read_file(path));
        ASSERT_FALSE(fonts.back().empty()) << path;
    }

    std::mt19937 rng(20261208);
    const int rounds = 800;
    for (int i = 0; i < rounds; i++) {
        std::vector<unsigned char> font = mutate(fonts[i % fonts.size()], rng);
        std::vector<unsigned char> text = random_text(rng);
        fuzz_text_layer(font.data(), font.size(), text.data(), text.size(), (unsigned int)rng());
    }
    fuzz_text_layer_done();
    EXPECT_EQ(alfont_inited, 1);
}

}  // namespace
