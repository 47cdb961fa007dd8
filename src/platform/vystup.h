#ifndef PONORKA_VYSTUP_H
#define PONORKA_VYSTUP_H

// Standard output as the GNU tools treat it: a write that fails does not kill
// the program (a closed pipe raises no SIGPIPE), it is told on standard error
// at the end, and the program then exits non-zero.

// Call first in main(): ignores SIGPIPE, and opens /dev/null on a closed
// descriptor 0, 1 or 2, so that no file the program opens later takes the
// place of a standard stream. A closed standard output gets /dev/null opened
// for reading only, so that a write to it still fails.
void priprav_standardne_prudy();

// Call last: flushes standard output. When a write to it failed, says so on
// standard error ("PROGRAM: write error on standard output: REASON") and
// returns false.
bool vystup_zapisany(const char *program);

// Silences standard output at the descriptor (what is printed goes nowhere)
// or gives it back; flushed before either. A demo seeking back plays again
// what it printed already.
void stis_vystup(bool ticho);

#endif
