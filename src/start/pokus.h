#ifndef PONORKA_POKUS_H
#define PONORKA_POKUS_H

// Summary printed after the last mission, exactly as the game prints it.
void print_summary(int kroky, int ido_ms, int health);
// The same without the lines that depend on time (CAS and the rates), as a
// demo's playback prints it wherever it runs.
void print_summary_bez_casu(int kroky, int health);

// The whole program; main() only forwards to it.
int pokus_main();

#endif
