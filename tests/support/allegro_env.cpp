#include "support/allegro_env.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <set>

#include <gtest/gtest.h>

void release_all_keys()
{
    for (int i = 0; i < KEY_MAX; i++)
        key[i] = 0;
}

namespace {

std::set<BITMAP *> zive_bitmapy;
void (*povodne_vytvorene)(BITMAP *) = nullptr;
int (*povodne_znic)(BITMAP *) = nullptr;

void vytvorena(BITMAP *b)
{
    zive_bitmapy.insert(b);
    if (povodne_vytvorene)
        povodne_vytvorene(b);
}

// 0: Allegro goes on and frees the bitmap itself.
int znicena(BITMAP *b)
{
    zive_bitmapy.erase(b);
    return povodne_znic ? povodne_znic(b) : 0;
}

}  // namespace

ZiveBitmapy::ZiveBitmapy()
{
    zive_bitmapy.clear();
    povodne_vytvorene = system_driver->created_bitmap;
    povodne_znic = system_driver->destroy_bitmap;
    system_driver->created_bitmap = vytvorena;
    system_driver->destroy_bitmap = znicena;
}

ZiveBitmapy::~ZiveBitmapy()
{
    system_driver->created_bitmap = povodne_vytvorene;
    system_driver->destroy_bitmap = povodne_znic;
    zive_bitmapy.clear();
}

int ZiveBitmapy::pocet() const
{
    return (int)zive_bitmapy.size();
}

namespace {

class AllegroEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_EQ(install_allegro(SYSTEM_NONE, &errno, atexit), 0);
        set_color_depth(16);
    }
};

}  // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new AllegroEnvironment);
    return RUN_ALL_TESTS();
}
