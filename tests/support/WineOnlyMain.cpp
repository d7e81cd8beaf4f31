// The entry of every test that starts, ends or drives real processes: those
// tests end whatever a sweep matches, so they refuse to run outside Wine.
#include "WineOnly.h"

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv)
{
    if (!wine::RunningUnderWine()) {
        std::fprintf(stderr, "Refusing to run: these tests end processes and run only under Wine.\n");
        return 2;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
