#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // Without a display of their own the tests draw off screen; the desktop tests are run on a
    // virtual display with a window manager.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
