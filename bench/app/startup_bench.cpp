// Start-up to the main window shown: building the four windows (pictures, image lists, score
// table) and showing the main window, in a folder without a score file.
#include "app/main_window.h"
#include "app/startup.h"
#include "platform/form.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_StartupToMainWindowShown(benchmark::State &state)
{
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    platform::InitApplication();
    for (auto _ : state) {
        GameWindows windows;
        frmHelmala->Show();
        QApplication::processEvents();
        state.PauseTiming();
        frmHelmala->hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToMainWindowShown)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
