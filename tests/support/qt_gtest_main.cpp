// The main of every GoogleTest binary that needs a QApplication: the widgets and pictures
// tests. They run on Qt's offscreen platform, set by CMake for each test.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
