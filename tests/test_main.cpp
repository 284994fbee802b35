#include <gtest/gtest.h>

#include <clocale>

// Take the locale from the environment, as a Qt application does on Linux, so that the
// decimal-comma run of every test program exercises what users' machines do.
int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
