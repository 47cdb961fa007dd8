#ifndef PONORKA_SUBOR_NAHRAVKY_H
#define PONORKA_SUBOR_NAHRAVKY_H

#include <cstdio>
#include <string>

// The file a demo is recorded into. The recording goes into a temporary file
// beside the target (NAME.XXXXXX), flushed as it is written, and is renamed
// onto the target when the recording ends: a failed or a concurrent run never
// destroys a finished demo, an existing demo of that name is replaced only at
// the end, and a crash leaves the temporary file readable up to its last
// check. A target that exists and is not a regular file (a device, a FIFO) is
// written directly.
class SuborNahravky {
public:
    SuborNahravky() = default;
    SuborNahravky(const SuborNahravky &) = delete;
    SuborNahravky &operator=(const SuborNahravky &) = delete;
    // Closes what is open; a temporary file not yet renamed is removed.
    ~SuborNahravky();

    // Before anything starts: can `cesta` (absolute) be recorded to? A target
    // that is not a regular file is opened now (a FIFO waits for its reader
    // here, where a signal still ends the program). Touches no regular file.
    // False with the system's reason.
    bool priprav(const std::string &cesta, std::string &dovod);
    // When the recording begins: creates the temporary file. False with the reason.
    bool zacni(std::string &dovod);
    // The file to write into, from zacni() on.
    FILE *subor() const { return f; }
    const std::string &cesta() const { return ciel; }

    // When the recording has ended: syncs and closes the file and, when every
    // write went through (`zapisane`), renames it onto the target; otherwise
    // the temporary file is removed and the target left as it was. False with
    // what went wrong, for the end of a message about the demo.
    bool dokonci(bool zapisane, std::string &dovod);

private:
    std::string ciel;      // the target as named
    std::string skutocny;  // the target with its symlinks resolved: the temporary file lies beside it
    std::string docasny;   // the temporary file while it is there
    FILE *f = nullptr;
    bool priamo = false;  // a device or a FIFO, written directly
    int mod = 0666;       // the temporary file gets the target's permissions
};

#endif
