// The soak run: the random learner of the random-use test for hours' worth of use, under the
// sanitizers. Every sequence is seeded and replayable: on the first fault (a sanitizer report, a
// crash, a hang, or no window left that takes input) the run prints the screen size, seed and
// step, and the command that replays exactly that sequence up to the fault. At the end it says
// which screens and menu commands the learner reached, and how often each kind of act took effect.
//
//   waermebehandlung-soak --size WxH --seeds FIRST-LAST --events N
//     runs seeds FIRST to LAST, N learner events each, at one screen size.

#include "Harness.h"
#include "RandomLearner.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

struct TOptions {
    int Width = 1024;
    int Height = 768;
    std::uint64_t FirstSeed = 1;
    std::uint64_t LastSeed = 1;
    long Events = 10000;
};

// A step that takes this long is a hang: no single act of the learner may.
constexpr unsigned HangSeconds = 120;

// Where the run stands, kept ready for the fault handlers, which may only write.
char where[128];
char again[160];
volatile long currentStep = 0;

void SetReplay(const TOptions& o, std::uint64_t seed) {
    const auto s = static_cast<unsigned long long>(seed);
    std::snprintf(where, sizeof where, "\nsoak: fault at %dx%d, seed %llu, step ", o.Width,
                  o.Height, s);
    std::snprintf(again, sizeof again,
                  "; replay: waermebehandlung-soak --size %dx%d --seeds %llu-%llu --events ",
                  o.Width, o.Height, s, s);
}

// Writes the fault's place and the command that replays it, with nothing but write(2).
void ReportFault(const char* what) {
    char line[512];
    std::size_t length = 0;
    auto put = [&](const char* text) {
        const std::size_t k = std::min(std::strlen(text), sizeof line - length);
        std::memcpy(line + length, text, k);
        length += k;
    };
    auto putNumber = [&](long n) {
        char digits[24];
        int count = 0;
        do {
            digits[count++] = static_cast<char>('0' + n % 10);
            n /= 10;
        } while (n > 0);
        char text[24] = {};
        for (int i = 0; i < count; ++i)
            text[i] = digits[count - 1 - i];
        put(text);
    };
    const long step = currentStep;
    put(where);
    putNumber(step);
    put(" (");
    put(what);
    put(")");
    put(again);
    putNumber(step + 1);
    put("\n");
    (void)!write(STDERR_FILENO, line, length);
}

[[maybe_unused]] void OnSanitizerDeath() {
    ReportFault("sanitizer report above");
}

void OnSignal(int signal) {
    ReportFault(signal == SIGALRM ? "hang" : strsignal(signal));
    std::signal(signal, SIG_DFL);
    if (signal == SIGALRM)
        _exit(3);
    std::raise(signal);
}

bool Parse(int argc, char** argv, TOptions& o) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        const char* value = argv[i + 1];
        unsigned long long a = 0, b = 0;
        if (flag == "--size" && std::sscanf(value, "%dx%d", &o.Width, &o.Height) == 2)
            continue;
        if (flag == "--seeds" && std::sscanf(value, "%llu-%llu", &a, &b) == 2 && a <= b) {
            o.FirstSeed = a, o.LastSeed = b;
            continue;
        }
        if (flag == "--events" && std::sscanf(value, "%ld", &o.Events) == 1 && o.Events > 0)
            continue;
        return false;
    }
    return argc % 2 == 1 && o.Width > 0 && o.Height > 0;
}

// One seed's sequence; the program is started again whenever the learner leaves it.
bool RunSeed(const TOptions& o, std::uint64_t seed, harness::Reach& reach) {
    harness::Dice dice(seed);
    SetReplay(o, seed);
    long step = 0;
    while (step < o.Events) {
        harness::Session session(o.Width, o.Height);
        for (; step < o.Events && !Application.Terminated(); ++step) {
            currentStep = step;
            alarm(HangSeconds);
            harness::Act(dice, session, reach);
            if (!Application.Terminated() && !harness::ActiveForm()) {
                ReportFault("no window takes input");
                return false;
            }
        }
    }
    alarm(0);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    TOptions o;
    if (!Parse(argc, argv, o)) {
        std::fprintf(stderr, "usage: %s --size WxH --seeds FIRST-LAST --events N\n", argv[0]);
        return 2;
    }
    // Under the sanitizers a crash is theirs to report, with its stack, and they call back before
    // the process ends; aborts and hangs are ours in any build.
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(OnSanitizerDeath);
#else
    for (int s : {SIGSEGV, SIGFPE, SIGBUS, SIGILL})
        std::signal(s, OnSignal);
#endif
    for (int s : {SIGABRT, SIGALRM})
        std::signal(s, OnSignal);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    Application.Initialize(TApplication::Mode::Headless);
    const auto start = std::chrono::steady_clock::now();
    long events = 0;
    harness::Reach reach;
    for (std::uint64_t seed = o.FirstSeed; seed <= o.LastSeed; ++seed) {
        if (!RunSeed(o, seed, reach))
            return 1;
        events += o.Events;
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("soak %dx%d: seed %llu done, %ld events in %.0f s, %.0f events/s\n", o.Width,
                    o.Height, static_cast<unsigned long long>(seed), events, seconds,
                    events / std::max(seconds, 1e-3));
        std::fflush(stdout);
    }
    std::printf("soak %dx%d: %s", o.Width, o.Height, harness::Summary(reach).c_str());
    return 0;
}
