#ifndef PONORKA_ODCHOD_H
#define PONORKA_ODCHOD_H

// Leaving the game early: Esc, the window's close button, SIGINT, SIGTERM or
// SIGHUP (the terminal closed).
// The request is only noted here (from callbacks and signal handlers); the
// screens and the mission flow see it, stop, and the main routine prints the
// summary, releases everything and exits with the code of the reason.
enum Odchod {
    ODCHOD_ZIADNY,  // playing on
    ODCHOD_ESC,
    ODCHOD_OKNO,  // the window's close button
    ODCHOD_SIGINT,
    ODCHOD_SIGTERM,
    ODCHOD_SIGHUP,
};

// Notes a reason to leave and wakes any wait; the first reason stays.
// Safe from any thread and from a signal handler.
void ziadaj_odchod(Odchod dovod);
bool odchod_ziadany();
Odchod dovod_odchodu();
// Forgets a request (for tests, which leave many times in one process).
void zrus_odchod();

// The process's exit code for the reason: 0 for none, Esc and the close
// button, 128 + the signal's number for a signal.
int kod_odchodu(Odchod dovod);

// SIGINT, SIGTERM and SIGHUP only request leaving, in place of Allegro's own
// handlers that shut the library down from inside the signal (and of SIGHUP's
// default, which loses the summary and the end of a demo). Call after
// install_allegro.
void zachyt_signaly();

#endif
