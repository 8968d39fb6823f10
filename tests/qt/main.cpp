// The Qt driver's tests run on Qt's offscreen platform: no test needs a display.
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

#include "ModalDeadline.h"

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ModalDeadline);
    return RUN_ALL_TESTS();
}
