// Shared entry point: every benchmark runs inside a QApplication on the offscreen platform.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "shelf/SwordLibrary.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The SWORD module is built next to the program, not next to this executable.
    kivra::SetSwordModuleFolder(QStringLiteral(KIVRA_PROGRAM_DIR));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
