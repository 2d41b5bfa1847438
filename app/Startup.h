#pragma once

#include "charter/charte.h"
#include "composer/Compo.h"
#include "contrast/Contraste.h"
#include "core/Module1.h"
#include "frmSplash.h"
#include "frmTip.h"
#include "palettepro/Pro.h"
#include "platform/Platform.h"
#include "widgets/WindowDirectory.h"

#include <QPointer>
#include <QTranslator>
#include <memory>

namespace oria {

// The single instances of the secondary windows, created on first use and gone once
// unloaded; the next use creates them afresh.
class AppWindows : public WindowDirectory {
public:
    AppWindows(Module1& module, Platform& platform) : module_(module), platform_(platform) {}
    ~AppWindows() override;

    void showSplash(QWidget* parent, bool timerOn) override;
    // Start-up: shows the splash, modal, before anything else is loaded and returns once it
    // is painted; the next showSplash() with its timer on then waits on that same window.
    void showSplashFirst();
    void showTips(QWidget* parent) override;
    bool isAvailable(Window window) const override;
    void show(Window window, QWidget* parent) override;
    bool showModal(Window window, QWidget* parent) override;
    void unloadAll() override;
    void showPage(QWidget* parent, const QString& path) override;

    frmTip* tips() const { return tip_; }
    Pro* pro() const { return pro_; }
    Contraste* contraste() const { return contraste_; }
    Compo* compo() const { return compo_; }
    charte* charter() const { return charte_; }

private:
    Module1& module_;
    Platform& platform_;
    // Created on first use and deleted when closed, so the next use starts afresh; null for
    // the windows this build does not have.
    QWidget* window(Window window, QWidget* parent);
    template <class W> W* instance(QPointer<W>& slot, QWidget* parent);

    QPointer<frmSplash> firstSplash_;
    QPointer<frmTip> tip_;
    QPointer<Pro> pro_;
    QPointer<Contraste> contraste_;
    QPointer<Compo> compo_;
    QPointer<charte> charte_;
};

class Form1;
class QtPlatform;
class VisionChoice;

// The start procedure: shows the harmony window (which shows the splash while it loads,
// unless showSplashFirst() has put it up already), then the tip of the day when the setting
// asks for it; then the document it was started with: a page in the composer, in front of
// the harmony window, or a palette imported into the harmony window.
std::unique_ptr<Form1> StartUp(Module1& module, Platform& platform, WindowDirectory& windows,
                               const QString& document = {});

// The desktop program once started, on the platform given: the application's name, font and
// translations, the splash, the vision choice and the start procedure. Needs the QApplication;
// RunDesktop runs the event loop on it, bench/memory_probe measures what it has opened.
class Desktop {
public:
    Desktop(QtPlatform& platform, const QString& document);
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    AppWindows& windows() { return windows_; }
    Form1& form() { return *form_; }
    VisionChoice& vision() { return *vision_; }

private:
    QTranslator qtFrench_;
    Module1 module_;
    AppWindows windows_;
    std::unique_ptr<VisionChoice> vision_;
    std::unique_ptr<Form1> form_;
};

// The desktop program: the application, the start procedure and the event loop.
int RunDesktop(int& argc, char** argv, const QString& document);

} // namespace oria
