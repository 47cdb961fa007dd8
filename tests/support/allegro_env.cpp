#include "support/allegro_env.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <gtest/gtest.h>

void release_all_keys()
{
    for (int i = 0; i < KEY_MAX; i++)
        key[i] = 0;
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
