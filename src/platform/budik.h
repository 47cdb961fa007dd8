#ifndef PONORKA_BUDIK_H
#define PONORKA_BUDIK_H

// The main thread's blocking waits and what wakes them. Whatever changes
// something a wait may be waiting for calls zobud(): Allegro's timer and input
// threads, the window's callbacks and the signal handlers. The waiting thread
// then tests its condition again. Waking is a semaphore post, which is safe
// even inside a signal handler.

// Wakes the wait in progress, if any, so that it looks again.
void zobud();

// Drops wake-ups left over from before, so that a wait starts afresh.
void zabudni_budenia();
// Blocks until the next zobud() (or until a signal interrupts the wait).
void spi_do_budenia();

// Blocks until hotovo() holds, testing it again after every wake-up. A change
// made before the test is seen by the test; one made after it wakes the wait.
template <typename F> void cakaj_kym(F hotovo)
{
    zabudni_budenia();
    while (!hotovo())
        spi_do_budenia();
}

#endif
