// Test main for tests that need Qt widgets: one QApplication for the whole test program.
#include <QApplication>
#include <cstdio>
#include <gtest/gtest.h>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

int main(int argc, char** argv) {
    // CTest's test discovery runs the program without the tests' environment; without this it
    // would look for a display that a build machine does not have.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int verdict = RUN_ALL_TESTS();
#ifdef Q_OS_WIN
    // Under Wine the phones' routes' test program sometimes never finishes unloading Qt's libraries
    // once every test has run (the program's own exit is covered by the whole-cycle test under
    // Wine); the verdict is in, so the program ends with it there and then.
    std::fflush(nullptr);
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(verdict));
#endif
    return verdict;
}
