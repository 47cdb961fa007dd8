#include "demo/riadok_krokov.h"

#include <cctype>
#include <cstdio>
#include <cstring>

const char *const MENO_PRAZDNY_BUFFER = "NOBUF";

namespace {

bool medzera(char c)
{
    return isspace((unsigned char)c) != 0;
}

// The word's index in KLAVESY_POVELU, POVEL_KLAVES for NOBUF, -1 for anything else.
int slovo_klavesy(const char *slovo, size_t dlzka)
{
    for (int i = 0; i < POVEL_KLAVES; i++)
        if (strlen(KLAVESY_POVELU[i].meno) == dlzka && memcmp(KLAVESY_POVELU[i].meno, slovo, dlzka) == 0)
            return i;
    if (strlen(MENO_PRAZDNY_BUFFER) == dlzka && memcmp(MENO_PRAZDNY_BUFFER, slovo, dlzka) == 0)
        return POVEL_KLAVES;
    return -1;
}

// Splits a trailing "*N" off the line: `dlzka` shrinks to the part before it.
ChybaRiadkuKrokov opakovanie(const char *text, size_t &dlzka, long long &pocet, std::string *sprava)
{
    pocet = 1;
    size_t hviezda = dlzka;
    while (hviezda > 0 && text[hviezda - 1] != '*')
        hviezda--;
    if (hviezda == 0)
        return RIADOK_V_PORIADKU;
    const char *cislo = text + hviezda;
    size_t n = dlzka - hviezda;
    while (n > 0 && medzera(cislo[n - 1]))
        n--;
    bool dobre = n > 0 && n <= 10;
    for (size_t i = 0; dobre && i < n; i++)
        dobre = isdigit((unsigned char)cislo[i]) != 0;
    if (!dobre) {
        if (sprava)
            *sprava = "bad repeat count \"*" + citatelne(cislo, n, 20) + "\"";
        return RIADOK_ZLY_POCET;
    }
    long long v = 0;
    for (size_t i = 0; i < n; i++)
        v = v * 10 + (cislo[i] - '0');
    if (v < 1) {
        if (sprava)
            *sprava = "repeat count must be at least 1";
        return RIADOK_ZLY_POCET;
    }
    pocet = v;
    dlzka = hviezda - 1;
    return RIADOK_V_PORIADKU;
}

}  // namespace

ChybaRiadkuKrokov citaj_riadok_krokov(const char *text, size_t dlzka, RiadokKrokov &r, std::string *sprava)
{
    r = RiadokKrokov();
    r.povel.buffer = true;
    ChybaRiadkuKrokov chyba = opakovanie(text, dlzka, r.pocet, sprava);
    if (chyba != RIADOK_V_PORIADKU)
        return chyba;
    size_t i = 0;
    while (i < dlzka) {
        while (i < dlzka && medzera(text[i]))
            i++;
        size_t zaciatok = i;
        while (i < dlzka && !medzera(text[i]))
            i++;
        if (i == zaciatok)
            break;
        int k = slovo_klavesy(text + zaciatok, i - zaciatok);
        if (k < 0) {
            if (sprava)
                *sprava = "unknown key \"" + citatelne(text + zaciatok, i - zaciatok, 40) + "\"";
            return RIADOK_NEZNAMA_KLAVESA;
        }
        if (k == POVEL_KLAVES)
            r.povel.buffer = false;
        else
            r.povel.klavesy |= 1u << k;
    }
    return RIADOK_V_PORIADKU;
}

std::string citatelne(const char *text, size_t dlzka, size_t najviac)
{
    std::string v;
    for (size_t i = 0; i < dlzka && i < najviac; i++) {
        unsigned char c = (unsigned char)text[i];
        if (c == '"' || c == '\\') {
            v += '\\';
            v += (char)c;
        } else if (c >= 0x20 && c < 0x7f) {
            v += (char)c;
        } else {
            char hex[8];
            snprintf(hex, sizeof hex, "\\x%02x", c);
            v += hex;
        }
    }
    if (dlzka > najviac)
        v += "...";
    return v;
}

size_t zapis_riadok_krokov(const Povel &p, long long pocet, char *buf, size_t velkost)
{
    size_t n = 0;
    auto pridaj = [&](const char *s) {
        size_t d = strlen(s);
        if (n + d + 1 > velkost)
            d = n + 1 < velkost ? velkost - n - 1 : 0;
        memcpy(buf + n, s, d);
        n += d;
    };
    for (int i = 0; i < POVEL_KLAVES; i++) {
        if (p.klavesy & (1u << i)) {
            if (n > 0)
                pridaj(" ");
            pridaj(KLAVESY_POVELU[i].meno);
        }
    }
    if (!p.buffer) {
        if (n > 0)
            pridaj(" ");
        pridaj(MENO_PRAZDNY_BUFFER);
    }
    if (pocet > 1 || n == 0) {
        char cislo[32];
        snprintf(cislo, sizeof cislo, "%s*%lld", n > 0 ? " " : "", pocet);
        pridaj(cislo);
    }
    if (velkost > 0)
        buf[n] = '\0';
    return n;
}
