#include "platform/budik.h"

#include <semaphore.h>

namespace {

// Initialised before main() runs, so the first post never meets a bare
// semaphore; never destroyed, since the timer thread may post until the end.
struct Semafor {
    sem_t s;
    Semafor() { sem_init(&s, 0, 0); }
};

Semafor budik;

}  // namespace

void zobud()
{
    sem_post(&budik.s);
}

void zabudni_budenia()
{
    while (sem_trywait(&budik.s) == 0) {
    }
}

void spi_do_budenia()
{
    sem_wait(&budik.s);
}
