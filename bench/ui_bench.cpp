// The main window's speed as the user feels it: start-up until the window
// is on screen, and one odds pick until every label shows the new bet.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <memory>

#include "platform/platform.h"
#include "platform/null_platform.h"
#include "ui/frm_main_window.h"

namespace {

using namespace pennant;

std::filesystem::path dirOf(const QTemporaryDir& dir) {
    return dir.path().toStdString();
}

// Building the window, start-up (settings, log count) and the first paint.
void BM_StartUpUntilShown(benchmark::State& state) {
    QTemporaryDir dir;
    NullPlatform platform;
    for (auto _ : state) {
        auto window = std::make_unique<FrmMainWindow>(dirOf(dir), platform);
        window->Form_Load();
        QApplication::processEvents();  // lays out and paints the first screen
        benchmark::DoNotOptimize(window->isVisible());
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
// The first window of the process, when fonts and style are loaded too:
// what a user waits for at program start (the QApplication aside).
BENCHMARK(BM_StartUpUntilShown)->Name("BM_FirstStartUpUntilShown")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpUntilShown)->Unit(benchmark::kMillisecond);

// A Lucky 63 with six winners; each pick steps the first odds box to the
// next or previous item with the arrow keys, as a user picks from the
// keyboard, which prices the whole bet and refreshes every label.
void BM_PickOddsUntilLabelsUpdated(benchmark::State& state) {
    QTemporaryDir dir;
    NullPlatform platform;
    FrmMainWindow window(dirOf(dir), platform);
    window.Form_Load();
    FrmMain& m = window.model();
    m.setCombo7("Lucky 63");
    for (int i = 0; i < kRows; ++i) m.clickOption(FrmMain::optionFor(i, Result::Win));
    window.refresh();
    QApplication::processEvents();
    auto* odds = window.findChild<QComboBox*>(QStringLiteral("Combo1_0"));
    auto* payout = window.findChild<QLabel*>(QStringLiteral("Label49"));
    bool down = true;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, down ? Qt::Key_Down : Qt::Key_Up, Qt::NoModifier);
        QApplication::sendEvent(odds, &press);
        down = !down;
        benchmark::DoNotOptimize(payout->text());
        state.PauseTiming();
        QApplication::processEvents();  // the repaint is not part of the pick
        state.ResumeTiming();
    }
    if (m.Label[49].empty() || payout->text().toStdString() != m.Label[49]) state.SkipWithError("labels not updated");
}
BENCHMARK(BM_PickOddsUntilLabelsUpdated)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
