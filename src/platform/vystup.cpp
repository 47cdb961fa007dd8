#include "platform/vystup.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

// The reason of a write that failed earlier and left nothing to try again:
// stdio drops a line it could not write. A write of nothing fails again on a
// closed descriptor and on a full device; a pipe whose reader is gone says so
// to poll(). Neither puts a byte into the output.
int dovod_predoslej_chyby()
{
    if (write(STDOUT_FILENO, "", 0) < 0)
        return errno;
    struct pollfd p = {STDOUT_FILENO, POLLOUT, 0};
    if (poll(&p, 1, 0) == 1 && (p.revents & POLLERR))
        return EPIPE;
    return 0;
}

}  // namespace

void priprav_standardne_prudy()
{
    signal(SIGPIPE, SIG_IGN);
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; fd++) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        // The lowest free descriptor is this one: the ones below it are open by now.
        int novy = open("/dev/null", fd == STDERR_FILENO ? O_WRONLY : O_RDONLY);
        if (novy >= 0 && novy != fd) {
            dup2(novy, fd);
            close(novy);
        }
    }
}

bool vystup_zapisany(const char *program)
{
    bool chyba = ferror(stdout) != 0;
    errno = 0;
    int dovod = 0;
    if (fflush(stdout) != 0) {
        chyba = true;
        dovod = errno;
    }
    if (!chyba)
        return true;
    if (dovod == 0)
        dovod = dovod_predoslej_chyby();
    if (dovod != 0)
        fprintf(stderr, "%s: write error on standard output: %s\n", program, strerror(dovod));
    else
        fprintf(stderr, "%s: write error on standard output\n", program);
    return false;
}

void stis_vystup(bool ticho)
{
    static int povodny = -1;
    fflush(stdout);
    if (ticho && povodny < 0) {
        int nic = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (nic < 0)
            return;
        povodny = fcntl(1, F_DUPFD_CLOEXEC, 3);
        if (povodny >= 0)
            dup2(nic, 1);
        close(nic);
    } else if (!ticho && povodny >= 0) {
        dup2(povodny, 1);
        close(povodny);
        povodny = -1;
    }
}
