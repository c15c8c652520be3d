// Runs every test headless: the toolkit draws offscreen, timers run on the manual clock and the
// dialogs are answered by the tests.

#include "platform/Application.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    Application.Initialize(TApplication::Mode::Headless);
    return RUN_ALL_TESTS();
}
