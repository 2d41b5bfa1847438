#include "BenchSupport.h"
#include "palettepro/PlanePainter.h"
#include "palettepro/PlanePicture.h"
#include "palettepro/Pro.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSlider>
#include <benchmark/benchmark.h>

namespace {

using oria::PlaneMode;
using oria::Resolution;

// Generation and painting, as a click on an option does them (the layout of the dots kept
// from the first iteration on); the dot-by-dot painting, a fresh pen per dot, is the baseline.
template <QImage (*Paint)(const oria::Plane&)> void BM_Plane(benchmark::State& state) {
    const auto resolution = static_cast<Resolution>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(Paint(oria::GenererPlan(resolution, PlaneMode::Saturation, 100)));
    }
}
QImage stamped(const oria::Plane& plane) {
    return oria::PaintPlane(plane);
}
BENCHMARK(BM_Plane<stamped>)
    ->Name("BM_PlaneStamped")
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Plane<oria::PaintPlaneDotByDot>)
    ->Name("BM_PlaneDotByDot")
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond);

// The window on the offscreen platform, with its plane picture.
struct ProWindow {
    ProWindow() { pro.show(); }
    void click(const char* option) { pro.findChild<QRadioButton*>(option)->click(); }

    QApplication& app = oria::bench::application(); // before any widget
    oria::Module1 module;
    oria::QtPlatform platform;
    oria::bench::NoWindows windows;
    oria::Pro pro{module, platform, windows};
    oria::PlanePicture* plane = pro.findChild<oria::PlanePicture*>("Picture1");
};

// A click on "haute": generation, painting, the progress bar following each ring, and the
// repaint of the picture; the layout of the dots is kept from the first click on.
void BM_ClickHaute(benchmark::State& state) {
    ProWindow w;
    for (auto _ : state) {
        w.click("Option1");
        w.plane->repaint();
    }
}
BENCHMARK(BM_ClickHaute)->Unit(benchmark::kMillisecond);

// The same click when no layout is kept, as the first click on "haute" finds it: the map of
// which dot shows where is stamped again.
void BM_ClickHauteCold(benchmark::State& state) {
    ProWindow w;
    for (auto _ : state) {
        state.PauseTiming();
        oria::ForgetPlaneLayouts();
        state.ResumeTiming();
        w.click("Option1");
        w.plane->repaint();
    }
}
BENCHMARK(BM_ClickHauteCold)->Unit(benchmark::kMillisecond);

// A step of the level slider on "haute", down and up in turn: the colours change, the dots
// stay where they are.
void BM_LevelChangeHaute(benchmark::State& state) {
    ProWindow w;
    w.click("Option1");
    auto* slider = w.pro.findChild<QSlider*>("Slider1");
    bool down = true;
    for (auto _ : state) {
        slider->triggerAction(down ? QAbstractSlider::SliderPageStepSub
                                   : QAbstractSlider::SliderPageStepAdd);
        w.plane->repaint();
        down = !down;
    }
}
BENCHMARK(BM_LevelChangeHaute)->Unit(benchmark::kMillisecond);

// One pointer move of a drag of "Carré rot.": erase, read-out, new vertices, draw, and the
// repaint of the picture that follows.
void BM_DragMove(benchmark::State& state) {
    ProWindow w;
    w.click("Option13");
    auto send = [&w](QEvent::Type type, QPoint p) {
        QMouseEvent e(type, p, w.plane->mapToGlobal(p), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
        QApplication::sendEvent(w.plane, &e);
    };
    send(QEvent::MouseButtonPress, QPoint(200, 200));
    int step = 0;
    for (auto _ : state) {
        send(QEvent::MouseMove, QPoint(230 + step % 90, 120 + step % 70));
        w.plane->repaint();
        ++step;
    }
    send(QEvent::MouseButtonRelease, QPoint(230, 120));
}
BENCHMARK(BM_DragMove)->Unit(benchmark::kMicrosecond);

} // namespace
