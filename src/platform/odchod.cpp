#include "platform/odchod.h"

#include <atomic>
#include <csignal>

#include "platform/budik.h"

// A lock-free atomic, so that a signal handler may set it.
static std::atomic<int> dovod{ODCHOD_ZIADNY};
static_assert(std::atomic<int>::is_always_lock_free, "a signal handler sets the reason");

void ziadaj_odchod(Odchod d)
{
    int nic = ODCHOD_ZIADNY;
    dovod.compare_exchange_strong(nic, d);
    zobud();
}

bool odchod_ziadany()
{
    return dovod != ODCHOD_ZIADNY;
}

Odchod dovod_odchodu()
{
    return (Odchod)dovod.load();
}

void zrus_odchod()
{
    dovod = ODCHOD_ZIADNY;
}

int kod_odchodu(Odchod d)
{
    switch (d) {
    case ODCHOD_SIGINT:
        return 128 + SIGINT;
    case ODCHOD_SIGTERM:
        return 128 + SIGTERM;
    case ODCHOD_SIGHUP:
        return 128 + SIGHUP;
    default:
        return 0;
    }
}

static void signal_prisiel(int cislo)
{
    ziadaj_odchod(cislo == SIGINT ? ODCHOD_SIGINT : cislo == SIGHUP ? ODCHOD_SIGHUP : ODCHOD_SIGTERM);
}

void zachyt_signaly()
{
    struct sigaction sa = {};
    sa.sa_handler = signal_prisiel;
    sigemptyset(&sa.sa_mask);
    // Reads and writes carry on; a blocked sem_wait returns all the same, and
    // the handler's own wake-up reaches a wait on another thread.
    sa.sa_flags = SA_RESTART;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
}
