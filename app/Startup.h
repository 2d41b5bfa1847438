#pragma once

#include "core/Module1.h"
#include "frmTip.h"
#include "platform/Platform.h"
#include "widgets/WindowDirectory.h"

#include <QPointer>

namespace oria {

// The single instances of the secondary windows, created on first use and gone once
// unloaded; the next use creates them afresh.
class AppWindows : public WindowDirectory {
public:
    AppWindows(Module1& module, Platform& platform) : module_(module), platform_(platform) {}
    ~AppWindows() override;

    void showSplash(QWidget* parent, bool timerOn) override;
    void showTips(QWidget* parent) override;
    bool isAvailable(Window window) const override;
    void show(Window window, QWidget* parent) override;
    void unloadAll() override;

    frmTip* tips() const { return tip_; }

private:
    Module1& module_;
    Platform& platform_;
    QPointer<frmTip> tip_;
};

// The start procedure: the harmony window (which shows the splash while it loads), then
// the tip of the day when the setting asks for it. Runs the event loop.
int RunDesktop(int& argc, char** argv);

} // namespace oria
