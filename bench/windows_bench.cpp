// SPDX-License-Identifier: GPL-3.0-or-later
// The set-up window: building it, picking a style, and the raster copy behind a pick.
#include "bench/BenchMain.h"
#include <QApplication>

#include "fakes/FakeServices.h"
#include "ui/RasterCopy.h"
#include "ui/KolvoRul.h"

namespace {

void BM_BuildSetupWindow(benchmark::State& state)
{
    FakeServices fakes;
    fakes.media.devices = 0; // the tune is not part of building the window
    for (auto _ : state) {
        KolvoRul rul(fakes.services());
        benchmark::DoNotOptimize(rul.Pico[5]);
    }
}
BENCHMARK(BM_BuildSetupWindow)->Unit(benchmark::kMicrosecond);

void BM_ShowDiceStyle(benchmark::State& state)
{
    FakeServices fakes;
    KolvoRul rul(fakes.services());
    for (auto _ : state)
        rul.ShowDiceStyle(160); // six cell copies and the visibility changes
}
BENCHMARK(BM_ShowDiceStyle)->Unit(benchmark::kMicrosecond);

void BM_BitBltCell(benchmark::State& state)
{
    const bool indexed = state.range(0) != 0;
    QImage sheet(QStringLiteral(":/images/faces.png"));
    if (!indexed)
        sheet = sheet.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage face(32, 32, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        // The face box's outer size, clipped to its 32 x 32 stored image.
        benchmark::DoNotOptimize(BitBlt(face, 0, 0, 34, 34, sheet, 96, 64, SRCCOPY));
    }
    state.SetLabel(indexed ? "8-bit palette source" : "premultiplied source");
}
BENCHMARK(BM_BitBltCell)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
