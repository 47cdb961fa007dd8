#ifndef PONORKA_BENCH_CAS_H
#define PONORKA_BENCH_CAS_H

#include <time.h>

// CPU time of the calling thread in seconds: what the game's own work costs,
// whatever else the machine is running meanwhile.
inline double cas_vlakna()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}

#endif
