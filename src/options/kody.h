#ifndef PONORKA_KODY_H
#define PONORKA_KODY_H

// Every exit code of the game and the replay tool in one place: the help text
// lists them all, and the demo units, the campaign reader, the start-up and the
// tools return them.

// The exit codes of the game.
enum KodUkoncenia {
    KOD_OK = 0,
    KOD_BEZ_GRAFIKY = 1,
    KOD_DATA = 2,
    KOD_POUZITIE = 64,  // EX_USAGE of sysexits.h
    KOD_VYSTUP = 74,    // EX_IOERR: standard output could not be written
    KOD_SIGHUP = 129,   // 128 + the signal's number, as a shell reports a killed program
    KOD_SIGINT = 130,
    KOD_SIGTERM = 143,
};

// Exit codes of the game and the replay tool for demos; each trouble its own.
enum KodDema {
    KOD_DEMO_NESEDI = 20,            // a checksum or the game's course did not match
    KOD_DEMO_NECITATELNE = 21,       // the file can't be opened or read
    KOD_DEMO_NIE_DEMO = 22,          // the first line is no demo header
    KOD_DEMO_PRAZDNE = 23,           // the file is empty
    KOD_DEMO_FORMAT = 24,            // another format version
    KOD_DEMO_ZLY_RIADOK = 25,        // a line that is no record, or one out of place
    KOD_DEMO_KLAVESA = 26,           // an unknown key name
    KOD_DEMO_POCET = 27,             // a bad repeat count, or too many steps
    KOD_DEMO_DLHY_RIADOK = 28,       // a line longer than DEMO_NAJDLHSI_RIADOK
    KOD_DEMO_PREDCASNY_KONIEC = 29,  // no end line: played as far as it goes
    KOD_DEMO_ZAPIS = 30,             // the demo being recorded can't be written
};

// Exit codes of the game and the replay tool for campaign files; each trouble its own.
enum KodKampane {
    KOD_KAMPAN_NECITATELNA = 40,    // the file can't be opened or read, or no campaign has that name
    KOD_KAMPAN_PRAZDNA = 41,        // the file is empty
    KOD_KAMPAN_NIE_KAMPAN = 42,     // the first line is no campaign header, or the file is no text
    KOD_KAMPAN_FORMAT = 43,         // another format version
    KOD_KAMPAN_SLOVO = 44,          // an unknown keyword, or one out of place
    KOD_KAMPAN_POCET = 45,          // a wrong count of numbers
    KOD_KAMPAN_CISLO = 46,          // a number out of its range, or no number
    KOD_KAMPAN_NEUPLNA = 47,        // no name or no mission, a mission without enemies or a briefing
    KOD_KAMPAN_VELA = 48,           // too many missions or enemies, or too big a file
    KOD_KAMPAN_DLHY_RIADOK = 49,    // a line longer than KAMPAN_NAJDLHSI_RIADOK, or too long a name
    KOD_KAMPAN_SIROKY_RIADOK = 50,  // a briefing line too wide for the briefing column
};

#endif
