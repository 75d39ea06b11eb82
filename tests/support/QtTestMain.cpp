// Test main for tests that need Qt widgets: one QApplication for the whole test program.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // CTest's test discovery runs the program without the tests' environment; without this it
    // would look for a display that a build machine does not have.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
