// SampleColour on every pointer event: the built-in 8-bit picture and a 24-bit picture, on a
// 400 x 399 pad, sweeping the pad so the reads do not all hit one cache line.
#include "pad/pad_image.h"
#include "tests/support/picture_files.h"

#include <benchmark/benchmark.h>

namespace {

void sweep(benchmark::State& state, TPadImage& image)
{
    int32_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(image.SampleColour(i % 400, (i * 7) % 399, 400, 399));
        ++i;
    }
}

void BM_SampleColourBuiltIn(benchmark::State& state)
{
    TPadImage image;
    sweep(state, image);
}
BENCHMARK(BM_SampleColourBuiltIn);

void BM_SampleColourTrueColour(benchmark::State& state)
{
    PictureFolder folder;
    QImage picture(640, 480, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    TPadImage image;
    image.SetImageFile(folder.write("true.bmp", bmpBytes(picture)));
    sweep(state, image);
}
BENCHMARK(BM_SampleColourTrueColour);

} // namespace

BENCHMARK_MAIN();
