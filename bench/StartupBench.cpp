// Start-up, memory and the cover animation, measured on the real windows drawn offscreen.
//   start-up: program entry to the cover's first complete paint, all screens created;
//   memory: resident size after start-up, and after every screen was opened and closed once, at
//   1024 x 768 and 1920 x 1080, and at 3840 x 2160 on a desktop scaled by 2, each in a process of
//   its own so that one size does not carry the other's memory;
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
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using WallClock = std::chrono::steady_clock;

void ShowCover() {
    FormHaupt->Show();
    Application.ProcessMessages();
}

// Resident memory of this process in MB.
double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// Processor time this process has used, in ms: the start-up's own cost, whatever else the machine
// is doing.
double ProcessorMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Starts the program at a screen size of so many device pixels and a desktop scale, as main does,
// then opens and closes every screen.
void MeasureAt(int width, int height, int scale) {
    const auto entry = WallClock::now();
    if (scale != 1)
        setenv("QT_SCALE_FACTOR", std::to_string(scale).c_str(), 1);
    Application.Initialize(TApplication::Mode::Program);
    Screen.Width = width / scale;
    Screen.Height = height / scale;
    CreateScreens();
    ShowCover();
    const double startup =
        std::chrono::duration<double, std::milli>(WallClock::now() - entry).count();
    const double processor = ProcessorMilliseconds();
    const double afterStart = ResidentMegabytes();
    int screens = 0;
    for (const auto& form : Application.Forms()) {
        ++screens;
        if (form.get() == Application.MainForm())
            continue;
        form->ShowModal();
        Application.ProcessMessages();
        form->Close();
        Application.ProcessMessages();
    }
    const double afterRound = ResidentMegabytes();
    std::printf(
        "%4d x %-4d at %d  %2d screens  start-up %6.1f ms (processor %6.1f ms)  resident after "
        "start-up %6.1f MB  after opening and closing each screen %6.1f MB (%+.1f MB)\n",
        width, height, scale, screens, startup, processor, afterStart, afterRound,
        afterRound - afterStart);
    std::fflush(stdout);
}

void MeasureInChild(int width, int height, int scale = 1) {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        MeasureAt(width, height, scale);
        std::_Exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
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
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The offscreen platform cannot raise windows and says so each time; that is no finding.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (!text.contains("does not support raise"))
            std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    });
    MeasureInChild(1024, 768);
    MeasureInChild(1920, 1080);
    MeasureInChild(3840, 2160, 2);

    Application.Initialize(TApplication::Mode::Program);
    Screen.Width = 1024;
    Screen.Height = 768;
    CreateScreens();
    ShowCover();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    DestroyScreens();
    return 0;
}
