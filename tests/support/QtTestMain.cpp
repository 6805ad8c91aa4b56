#include <QCoreApplication>

#include <gtest/gtest.h>

// GoogleTest entry for tests that use Qt objects: they need an application object first.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
