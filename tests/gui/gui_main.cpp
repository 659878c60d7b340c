#include <gtest/gtest.h>

#include "tests/gui/harness.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // The main window exists before the first test, as after start-up.
    gui::MainWindow();
    return RUN_ALL_TESTS();
}
