// The view tests need a QApplication for widgets and fonts. They never need a
// display: unless told otherwise they run on Qt's offscreen platform, also
// when ctest lists them.

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
