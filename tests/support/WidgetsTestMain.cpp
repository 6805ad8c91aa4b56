#include <QApplication>

#include <gtest/gtest.h>

// GoogleTest entry for tests that make widgets: they need a QApplication first. The tests run on the
// offscreen platform unless QT_QPA_PLATFORM names another.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
