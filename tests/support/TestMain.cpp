#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include "support/TestEnvironment.h"

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // Tests never touch the user's own configuration.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    TestEnvironment::prepare();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
