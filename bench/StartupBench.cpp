// Start-up and the cover animation, measured on the real windows drawn offscreen.
//   start-up: process start to the cover's first complete paint, all screens created;
//   cover tick: one step of the opening animation and its flush to the window.

#include "app/Registry.h"
#include "platform/Application.h"
#include "platform/Screen.h"
#include "shell/UnitDeckEKD.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using WallClock = std::chrono::steady_clock;

void ShowCover() {
    FormHaupt->Show();
    Application.ProcessMessages();
}

void BM_CreateScreensAndPaintCover(benchmark::State& state) {
    for (auto _ : state) {
        DestroyScreens();
        CreateScreens();
        ShowCover();
    }
}
BENCHMARK(BM_CreateScreensAndPaintCover)->Unit(benchmark::kMillisecond);

void BM_CoverTick(benchmark::State& state) {
    FormHaupt->TimerSTart->SetEnabled(false);
    int ticks = 0;
    for (auto _ : state) {
        if (++ticks > 54) {
            ticks = 1;
            UnitDeckEKD::Unit.RingHalbBreite.fill(0);
            UnitDeckEKD::Unit.RingHalbHoehe.fill(0);
            UnitDeckEKD::Unit.RingLaeuft.fill(false);
        }
        FormHaupt->TimerSTartTimer();
        QCoreApplication::processEvents();
    }
    FormHaupt->TimerSTart->SetEnabled(false);
}
BENCHMARK(BM_CoverTick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    const auto start = WallClock::now();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The offscreen platform cannot raise windows and says so each time; that is no finding.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (!text.contains("does not support raise"))
            std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    });
    Application.Initialize(TApplication::Mode::Program);
    Screen.Width = 1024;
    Screen.Height = 768;
    CreateScreens();
    ShowCover();
    const double startup =
        std::chrono::duration<double, std::milli>(WallClock::now() - start).count();
    std::printf("start-up to the cover's first paint: %.1f ms\n", startup);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    DestroyScreens();
    return 0;
}
