// Every test runs offscreen: widget tests in a QApplication, the logic's tests in a QGuiApplication.
#ifdef KIVRA_WIDGET_TEST
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "shelf/SwordLibrary.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Each process gets its own config folder for Qt's file dialog history, never another test's or the user's.
    const QTemporaryDir configHome;
    if (!configHome.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
    TestApplication app(argc, argv);
    // The SWORD module is built next to the program, not next to this executable.
    kivra::SetSwordModuleFolder(QStringLiteral(KIVRA_PROGRAM_DIR));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
