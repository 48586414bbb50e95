// Paint costs: one jumper paint (draw, turn, copy) in each orientation, and
// the board image's paint at 499 x 542 next to a bare scaled draw of the
// same picture with the same Qt call.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <memory>

#include "app/template.h"
#include "gui/application.h"
#include "gui/jpegimage.h"

namespace {

// Paints a control's own drawing into an image, as the window's paint does.
void PaintInto(TControl& control, QImage& target)
{
    QPainter painter(&target);
    control.Canvas().Attach(&painter);
    control.PaintWithCanvas();
    control.Canvas().Detach();
}

void JumperPaint(benchmark::State& state)
{
    const auto orientation = static_cast<TOrientationType>(state.range(0));
    TRadioPanel panel(nullptr);
    auto* jumper = new TTwoJumper(&panel);
    jumper->SetParent(&panel);
    QImage target(34, 34, QImage::Format_RGB32);
    PaintInto(*jumper, target);  // the first paint, so a quarter turn swaps once
    jumper->SetOrientation(orientation);
    PaintInto(*jumper, target);
    for (auto _ : state) {
        PaintInto(*jumper, target);
        benchmark::DoNotOptimize(target.bits());
    }
}
BENCHMARK(JumperPaint)->DenseRange(otUp, otRight)->ArgName("orientation")->Unit(benchmark::kMicrosecond);

std::unique_ptr<TMainForm> Form()
{
    return std::make_unique<TMainForm>(Application);
}

void BoardImagePaint(benchmark::State& state)
{
    const auto form = Form();
    QImage target(499, 542, QImage::Format_RGB32);
    for (auto _ : state) {
        PaintInto(*form->BoardImage1, target);
        benchmark::DoNotOptimize(target.bits());
    }
}
BENCHMARK(BoardImagePaint)->Unit(benchmark::kMillisecond);

void BareScaledDraw(benchmark::State& state)
{
    const auto form = Form();
    const QImage& picture = static_cast<TJPEGImage*>(form->BoardImage1->Picture().Graphic())->Image();
    QImage target(499, 542, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&target);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(0, 0, 499, 542), picture);
        painter.end();
        benchmark::DoNotOptimize(target.bits());
    }
}
BENCHMARK(BareScaledDraw)->Unit(benchmark::kMillisecond);

} // namespace
