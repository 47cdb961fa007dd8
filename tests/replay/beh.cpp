#include "beh.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

std::string obsah(const std::string &cesta)
{
    std::ifstream f(cesta, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

std::string scenar(const std::string &meno)
{
    return std::string(PONORKA_SOURCE_DIR) + "/tests/replay/scenarios/" + meno;
}

std::string subor_testu(const std::string &pripona)
{
    const testing::TestInfo *test = testing::UnitTest::GetInstance()->current_test_info();
    return process_temp_dir() + test->test_suite_name() + "_" + test->name() + pripona;
}

std::string docasny_skript(const std::string &text)
{
    std::string cesta = subor_testu(".script");
    std::ofstream(cesta, std::ios::binary) << text;
    return cesta;
}

Beh spusti(const std::string &volby, const std::string &skript)
{
    std::string zaklad = subor_testu("");
    std::string subor_stopy = zaklad + ".trace";
    std::remove(subor_stopy.c_str());

    std::string prikaz = "cd '" PONORKA_RUN_DIR "' && '" PONORKA_REPLAY "' " + volby + " --trace '" + subor_stopy +
                         "' '" + skript + "' >'" + zaklad + ".out' 2>'" + zaklad + ".err'";
    int s = std::system(prikaz.c_str());
    Beh b;
    b.stav = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    b.vystup = obsah(zaklad + ".out");
    b.chyby = obsah(zaklad + ".err");
    std::ifstream stopa(subor_stopy);
    std::string riadok;
    for (int n = 1; std::getline(stopa, riadok); n++) {
        Json j;
        std::string chyba;
        if (!citaj_json(riadok, j, chyba)) {
            b.chyba_stopy = "trace line " + std::to_string(n) + ": " + chyba;
            break;
        }
        b.stopa.push_back(j);
    }
    return b;
}
