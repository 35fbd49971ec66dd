#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "FtpSession.h"
#include "Help.h"
#include "Platform.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The desktop's stores of file types belong to this run, never to the user.
    QTemporaryDir desktop;
    qputenv("XDG_DATA_HOME", desktop.filePath("data").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", desktop.filePath("config").toLocal8Bit());
    QApplication app(argc, argv);
    InstallHelpKey(&app);
    NetworkStartup();
    platform::testing::Enable();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
