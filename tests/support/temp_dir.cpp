#include "support/temp_dir.h"

#include <ftw.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Plain storage: the folder is removed from an atexit handler, after which no
// destructor order has to be relied on.
char folder[4096];
pid_t owner = 0;

int remove_entry(const char *path, const struct stat *, int, struct FTW *)
{
    remove(path);
    return 0;
}

// Only the process that made the folder removes it: a forked child that exits
// leaves it to its parent.
void remove_folder()
{
    if (folder[0] != '\0' && getpid() == owner)
        nftw(folder, remove_entry, 16, FTW_DEPTH | FTW_PHYS);
}

}  // namespace

std::string process_temp_dir()
{
    if (folder[0] == '\0') {
        const char *base = getenv("TEST_TMPDIR");
        if (base == nullptr || base[0] == '\0')
            base = getenv("TMPDIR");
        if (base == nullptr || base[0] == '\0')
            base = "/tmp";
        char pattern[sizeof folder];
        int n = snprintf(pattern, sizeof pattern, "%s/ponorka-test-XXXXXX", base);
        if (n < 0 || n >= (int)sizeof pattern || mkdtemp(pattern) == nullptr) {
            fprintf(stderr, "cannot make a temporary folder under %s: %s\n", base, strerror(errno));
            abort();
        }
        strcpy(folder, pattern);
        owner = getpid();
        atexit(remove_folder);
    }
    return std::string(folder) + "/";
}
