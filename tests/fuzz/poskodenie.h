#ifndef PONORKA_TEST_POSKODENIE_H
#define PONORKA_TEST_POSKODENIE_H

// Damage for the line-based readers' fuzz tests (demos, campaigns): bytes
// flipped, a cut anywhere, lines dropped, repeated or swapped, a word of the
// format put into a line, one very long line, and plain noise.

#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace poskodenie {

inline std::string read_file(const std::string &path)
{
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

inline std::vector<std::string> lines_of(const std::string &text)
{
    std::vector<std::string> v;
    std::istringstream s(text);
    std::string line;
    while (std::getline(s, line))
        v.push_back(line);
    return v;
}

inline std::string join(const std::vector<std::string> &v)
{
    std::string s;
    for (const std::string &l : v)
        s += l + "\n";
    return s;
}

// What a format's damage is made of.
struct Format {
    const std::vector<std::string> &words;  // likely to turn up in the wrong places
    const char *filler;                     // five characters a very long line is made of
    bool many_repeats;                      // a line repeated 70 times now and then, for the limits
};

inline std::string mutate(const std::string &text, std::mt19937 &rng, const Format &f)
{
    std::vector<std::string> lines = lines_of(text);
    std::uniform_int_distribution<int> byte(0, 255);
    switch (rng() % 7) {
    case 0: {  // bytes flipped
        std::string s = text;
        for (int i = rng() % 8; i >= 0 && !s.empty(); i--)
            s[rng() % s.size()] = (char)byte(rng);
        return s;
    }
    case 1:  // cut anywhere
        return text.substr(0, rng() % (text.size() + 1));
    case 2:  // a line dropped or repeated
        if (!lines.empty()) {
            size_t i = rng() % lines.size();
            if (rng() % 2)
                lines.erase(lines.begin() + i);
            else
                lines.insert(lines.begin() + i, f.many_repeats && rng() % 4 == 0 ? 70 : 1, lines[i]);
        }
        return join(lines);
    case 3:  // two lines swapped
        if (lines.size() > 1)
            std::swap(lines[rng() % lines.size()], lines[rng() % lines.size()]);
        return join(lines);
    case 4: {  // a word put into a line
        if (lines.empty())
            return text;
        std::string &l = lines[rng() % lines.size()];
        l.insert(rng() % (l.size() + 1), " " + f.words[rng() % f.words.size()] + " ");
        return join(lines);
    }
    case 5: {  // one very long line
        if (lines.empty())
            return text;
        lines[rng() % lines.size()] += std::string(4000 + rng() % 200, f.filler[rng() % 5]);
        return join(lines);
    }
    default: {  // noise
        std::string s(rng() % 512, '\0');
        for (char &c : s)
            c = (char)byte(rng);
        return s;
    }
    }
}

}  // namespace poskodenie

#endif
