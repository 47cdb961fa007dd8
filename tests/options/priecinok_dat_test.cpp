#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "options/priecinok_dat.h"

namespace {

std::vector<std::string> preco(const std::vector<MiestoDat> &miesta)
{
    std::vector<std::string> v;
    for (const MiestoDat &m : miesta)
        v.push_back(m.preco);
    return v;
}

}  // namespace

TEST(PriecinokDat, PlacesInOrderRelativeOnesFromTheWorkingDirectory)
{
    std::vector<MiestoDat> m = miesta_dat("../data", "env/data", "/home/hrac/hry", "/opt/ponorka/games");
    ASSERT_EQ(preco(m),
              (std::vector<std::string>{"--data", "$PONORKA_DATA", "the working directory", "the program's folder",
                                        "the installed data beside the program", "the install path"}));
    EXPECT_EQ(m[0].cesta, "/home/hrac/data");
    EXPECT_EQ(m[1].cesta, "/home/hrac/hry/env/data");
    EXPECT_EQ(m[2].cesta, "/home/hrac/hry");
    EXPECT_EQ(m[3].cesta, "/opt/ponorka/games");
    for (const MiestoDat &miesto : m)
        EXPECT_EQ(miesto.cesta.front(), '/') << miesto.preco;
}

TEST(PriecinokDat, UnsetOptionsAreLeftOutAndAPlaceIsTriedOnce)
{
    // Started in the program's own folder with an empty $PONORKA_DATA.
    std::vector<MiestoDat> m = miesta_dat("", "", "/srv/hra/run", "/srv/hra/run");
    ASSERT_GE(m.size(), 2u);
    EXPECT_EQ(m[0].preco, "the working directory");
    EXPECT_NE(m[1].preco, "the program's folder");
    EXPECT_EQ(m.back().preco, "the install path");
}

TEST(PriecinokDat, PlayerPathsStayWithTheFolderThePlayerWasIn)
{
    // Before any move into the data folder the player's folder is the working directory.
    EXPECT_EQ(cesta_od_hraca("skript.txt"), priecinok_hraca() + "/skript.txt");
    EXPECT_EQ(cesta_od_hraca("/tmp/demo"), "/tmp/demo");
}

TEST(PriecinokDat, ARelativePathFromADeletedFolderNamesNothing)
{
    std::string povodny = priecinok_hraca();
    std::string vzor = (std::filesystem::temp_directory_path() / "ponorka-zmizly-XXXXXX").string();
    ASSERT_NE(mkdtemp(vzor.data()), nullptr);
    ASSERT_EQ(chdir(vzor.c_str()), 0);
    ASSERT_EQ(rmdir(vzor.c_str()), 0);
    std::string relativna = cesta_od_hraca("hra.demo");
    std::string absolutna = cesta_od_hraca("/tmp/hra.demo");
    ASSERT_EQ(chdir(povodny.c_str()), 0);
    EXPECT_EQ(relativna, "") << "not a file in whatever folder comes next";
    EXPECT_EQ(absolutna, "/tmp/hra.demo");
}
