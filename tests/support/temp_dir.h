#ifndef PONORKA_TEST_TEMP_DIR_H
#define PONORKA_TEST_TEMP_DIR_H

#include <string>

// A folder of this test process's own, so that two runs of the tests on one
// machine never write the same file. Made with mkdtemp on the first call under
// $TEST_TMPDIR, $TMPDIR or /tmp (the first one set), and removed with all it
// holds when the process exits. The path ends with '/'.
std::string process_temp_dir();

#endif
