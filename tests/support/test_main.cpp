// Every test executable runs on the offscreen platform: widget tests inside a QApplication, tests of
// the logic inside a QGuiApplication, which is all the fonts and documents of the core need.
#ifdef KIVRA_WIDGET_TEST
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif
#include <gtest/gtest.h>

#include "shelf/SwordLibrary.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApplication app(argc, argv);
    // The SWORD module is built next to the program, not next to this executable.
    kivra::SetSwordModuleFolder(QStringLiteral(KIVRA_PROGRAM_DIR));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
