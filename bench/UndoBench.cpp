// Undo and redo of one step in each window, beside the action itself, each followed by the
// repaint of the window.
#include "BenchSupport.h"
#include "composer/Compo.h"
#include "contrast/Contraste.h"
#include "harmony/Form1.h"
#include "palettepro/Pro.h"
#include "platform/QtPlatform.h"

#include <QAbstractButton>
#include <QUndoStack>
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <memory>

namespace {

using namespace oria;

struct Window {
    QApplication& app = bench::application(); // before any widget
    Module1 module;
    QtPlatform platform;
    bench::NoWindows windows;
    std::unique_ptr<QWidget> widget;
    UndoHistory* history = nullptr;
    std::function<void()> act;
};

void click(QWidget* window, const char* name) {
    window->findChild<QAbstractButton*>(name)->click();
}

// The windows and the step measured in each.
std::unique_ptr<Window> make(int which) {
    auto w = std::make_unique<Window>();
    w->module.setHarmony({RGB(200, 40, 40), RGB(40, 160, 60), RGB(30, 40, 200), RGB(240, 220, 30),
                          RGB(20, 20, 20)});
    w->module.NbCouleursCompo = 5;
    w->module.NbCouleursContraste = 3;
    switch (which) {
    case 0: {
        auto* form = new Form1(w->module, w->platform, w->windows);
        w->history = &form->history();
        // "Lum. moins" and "Lum. plus" in turn, so that every click changes the colours.
        w->act = [form, k = 0]() mutable { click(form, ++k % 2 ? "Command11" : "Command12"); };
        w->widget.reset(form);
        break;
    }
    case 1: {
        auto* pro = new Pro(w->module, w->platform, w->windows);
        w->history = &pro->history();
        QWidget* plane = pro->findChild<QWidget*>("Picture1");
        w->act = [plane] { // "Carré rot." dragged across the plane
            bench::sendMouse(plane, QEvent::MouseButtonPress, {200, 200}, Qt::LeftButton,
                             Qt::LeftButton);
            bench::sendMouse(plane, QEvent::MouseMove, {260, 140}, Qt::NoButton, Qt::LeftButton);
            bench::sendMouse(plane, QEvent::MouseButtonRelease, {260, 140}, Qt::LeftButton,
                             Qt::NoButton);
        };
        click(pro, "Option13");
        w->widget.reset(pro);
        break;
    }
    case 2: {
        auto* contraste = new Contraste(w->module, w->platform, w->windows);
        w->history = &contraste->history();
        w->act = [contraste] { click(contraste, "Command2"); }; // "Aléatoire", every colour
        w->widget.reset(contraste);
        break;
    }
    default: {
        auto* compo = new Compo(w->module, w->platform, w->windows);
        w->history = &compo->history();
        w->act = [compo] { click(compo, "Command1"); }; // "Aléatoire", every zone
        w->widget.reset(compo);
        break;
    }
    }
    w->widget->show();
    bench::settle();
    return w;
}

enum class Measured { Action, Undo, Redo };

// Manual timing: only the measured part, and the repaint after it, count.
template <Measured M> void BM_Undo(benchmark::State& state) {
    const auto w = make(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if constexpr (M == Measured::Action) {
            w->act();
        } else {
            if (w->history->stack()->count() == 0) {
                w->act(); // the step to undo, made once
            }
            w->history->undo();
        }
        bench::settle();
        auto end = std::chrono::steady_clock::now();
        if constexpr (M == Measured::Redo) {
            const auto redoStart = std::chrono::steady_clock::now();
            w->history->redo();
            bench::settle();
            end = std::chrono::steady_clock::now();
            state.SetIterationTime(std::chrono::duration<double>(end - redoStart).count());
        } else {
            state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        }
        if constexpr (M == Measured::Undo) {
            w->history->redo();
            bench::settle();
        }
    }
}

void windows(benchmark::internal::Benchmark* b) {
    b->ArgName("fenetre")->DenseRange(0, 3)->UseManualTime()->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_Undo<Measured::Action>)->Name("BM_StepAction")->Apply(windows);
BENCHMARK(BM_Undo<Measured::Undo>)->Name("BM_StepUndo")->Apply(windows);
BENCHMARK(BM_Undo<Measured::Redo>)->Name("BM_StepRedo")->Apply(windows);

} // namespace
