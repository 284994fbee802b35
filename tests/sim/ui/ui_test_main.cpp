#include <QApplication>

#include <gtest/gtest.h>

#include <clocale>

// Widget tests need an application object; they draw off screen unless told otherwise. The locale
// comes from the environment, as in the application, so the decimal-comma run exercises what users
// have.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::setlocale(LC_ALL, "");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
