// Decoding the embedded pictures and frame strips at both scales: what a screen pays when it first
// shows one of them. The argument is the scale.

#include "assets/Assets.h"
#include "platform/Jpeg.h"

#include <benchmark/benchmark.h>

namespace {

// The largest strips are the process routes' microstructures, 20 frames of 100 x 100 pixels;
// this one takes the most bytes at twice the size, its tempering frames being the busiest.
constexpr const char* LargestStrip = "Vergueten.Gef";

void BM_DecodeLargestStrip(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(Assets::Strip(LargestStrip, scale));
    }
}
BENCHMARK(BM_DecodeLargestStrip)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The menu's background is one of the two largest pictures, 1078 x 768 at scale 1.
void BM_DecodeMenuBackground(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodeJpeg(Assets::MenuBackground(scale)));
    }
}
BENCHMARK(BM_DecodeMenuBackground)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
