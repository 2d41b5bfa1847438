#include "Startup.h"

#include "composer/PageDocument.h"
#include "contrast/VisionImage.h"
#include "frmSplash.h"
#include "frmTip.h"
#include "harmony/Form1.h"
#include "platform/QtPlatform.h"
#include "platform/Settings.h"
#include "widgets/Resources.h"
#include "widgets/FrameStyle.h"
#include "widgets/VisionChoice.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QStyleFactory>
#include <QTranslator>

#ifdef Q_OS_LINUX
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unistd.h>
#endif

namespace oria {

namespace {

#ifdef Q_OS_LINUX
// For bench/startup.sh: with ORIA_STARTUP_PROBE set, the first paint of a window prints
// "premiere-fenetre <ms since process start> <VmRSS kB> <CLOCK_REALTIME ns>" to stderr;
// with ORIA_STARTUP_PROBE=quit the program then ends 200 ms later. Linux only: the process's
// start and memory are read in /proc.
class StartupProbe : public QObject {
public:
    explicit StartupProbe(bool quit) : quit_(quit) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            qApp->removeEventFilter(this);
            report();
            if (quit_) {
                // The splash may be in its own event loop: end the process outright.
                QTimer::singleShot(200, [] { std::_Exit(0); });
            }
        }
        return false;
    }

private:
    static long long nowNs(clockid_t clock) {
        timespec t{};
        clock_gettime(clock, &t);
        return t.tv_sec * 1000000000LL + t.tv_nsec;
    }
    static void report() {
        char stat[1024] = {};
        double startMs = 0;
        if (FILE* f = std::fopen("/proc/self/stat", "r")) {
            stat[std::fread(stat, 1, sizeof stat - 1, f)] = '\0';
            std::fclose(f);
            // The start time (clock ticks since boot) is field 22; ')' ends field 2.
            const char* p = std::strrchr(stat, ')');
            for (int field = 2; field < 22 && p; ++field) {
                p = std::strchr(p + 1, ' ');
            }
            startMs = p ? std::strtod(p + 1, nullptr) * 1000.0 / sysconf(_SC_CLK_TCK) : 0;
        }
        long rss = -1;
        char line[256];
        if (FILE* f = std::fopen("/proc/self/status", "r")) {
            while (std::fgets(line, sizeof line, f)) {
                if (std::strncmp(line, "VmRSS:", 6) == 0) {
                    rss = std::strtol(line + 6, nullptr, 10);
                }
            }
            std::fclose(f);
        }
        std::fprintf(stderr, "premiere-fenetre %.1f %ld %lld\n",
                     nowNs(CLOCK_BOOTTIME) / 1e6 - startMs, rss, nowNs(CLOCK_REALTIME));
    }
    bool quit_;
};
#endif

} // namespace

AppWindows::~AppWindows() {
    delete firstSplash_;
    delete charte_;
    delete compo_;
    delete contraste_;
    delete pro_;
    delete tip_;
}

namespace {
void centreOnScreen(QWidget& splash, QWidget* parent) {
    // At start-up the harmony window is not on screen yet: centre on the screen instead.
    if ((!parent || !parent->isVisible()) && splash.screen()) {
        splash.move(splash.screen()->availableGeometry().center() - splash.rect().center());
    }
}
} // namespace

void AppWindows::showSplashFirst() {
    ProgramIconLater();
    auto* splash = new frmSplash(module_, platform_);
    firstSplash_ = splash;
    centreOnScreen(*splash, nullptr);
    splash->setWindowModality(Qt::ApplicationModal);
    QEventLoop untilPainted;
    QObject::connect(splash, &frmSplash::firstPainted, &untilPainted, &QEventLoop::quit);
    // Never stuck here should the window not be painted (no window manager, say).
    QTimer::singleShot(1000, &untilPainted, &QEventLoop::quit);
    splash->show();
    untilPainted.exec();
}

void AppWindows::showSplash(QWidget* parent, bool timerOn) {
    if (timerOn && firstSplash_) {
        // Already up since the start, its two seconds running: wait until it closes.
        const std::unique_ptr<frmSplash> splash(firstSplash_.data());
        firstSplash_ = nullptr;
        if (splash->isVisible()) {
            splash->exec();
        }
        return;
    }
    frmSplash splash(module_, platform_, parent);
    centreOnScreen(splash, parent);
    if (!timerOn) {
        splash.Timer1()->stop();
    }
    splash.exec();
}

void AppWindows::showTips(QWidget* parent) {
    if (!tip_) {
        auto* tip = new frmTip(module_, platform_, parent);
        if (tip->wasUnloadedOnLoad()) {
            delete tip;
            return;
        }
        tip->setAttribute(Qt::WA_DeleteOnClose);
        tip_ = tip;
    }
    tip_->show();
    tip_->raise();
    tip_->activateWindow();
}

bool AppWindows::isAvailable(Window) const {
    return true;
}

template <class W> W* AppWindows::instance(QPointer<W>& slot, QWidget* parent) {
    if (!slot) {
        slot = new W(module_, platform_, *this, parent);
        slot->setAttribute(Qt::WA_DeleteOnClose);
    }
    return slot;
}

QWidget* AppWindows::window(Window window, QWidget* parent) {
    switch (window) {
    case Window::Pro:
        return instance(pro_, parent);
    case Window::Contraste:
        return instance(contraste_, parent);
    case Window::Compo:
        // A window of its own beside the harmony window, not one that stays above it.
        return instance(compo_, nullptr);
    case Window::Charte:
        return instance(charte_, parent);
    }
    return nullptr;
}

void AppWindows::show(Window window, QWidget* parent) {
    // Already open: brought forward as it is, with its own colours.
    if (QWidget* w = this->window(window, parent)) {
        w->show();
        w->raise();
        w->activateWindow();
    }
}

bool AppWindows::showModal(Window window, QWidget* parent) {
    auto* d = qobject_cast<QDialog*>(this->window(window, parent));
    if (!d) {
        return false;
    }
    // Already open modeless: that same window becomes modal, so the user's work in it is
    // kept; modality only takes effect when the window is shown again.
    d->hide();
    d->exec();
    // The window is gone by now; what it decided stays in the shared state.
    return module_.RetourDialogue == 2;
}

void AppWindows::showPage(QWidget* parent, const QString& path) {
    QString message;
    if (!ReadPageDocument(path, &message)) {
        platform_.showMessage(parent, QStringLiteral("Oria 2000"), message,
                              Platform::Icon::Warning);
        return;
    }
    if (auto* form = qobject_cast<Form1*>(parent)) {
        module_.NbCouleursCompo = form->nombreCouleurs();
    }
    show(Window::Compo, parent);
    if (compo_) {
        compo_->openPage(path);
    }
}

void AppWindows::unloadAll() {
    for (QWidget* w : {static_cast<QWidget*>(compo_), static_cast<QWidget*>(pro_),
                       static_cast<QWidget*>(contraste_), static_cast<QWidget*>(charte_)}) {
        if (w) {
            w->close();
        }
    }
    if (tip_) {
        tip_->close();
    }
}

std::unique_ptr<Form1> StartUp(Module1& module, Platform& platform, WindowDirectory& windows,
                               const QString& document) {
    auto form = std::make_unique<Form1>(module, platform, windows);
    form->show();
    if (SettingNumber(platform.setting(kShowTipsKey, QStringLiteral("1"))) == 1) {
        windows.showTips(form.get());
    }
    if (QFileInfo(document).suffix().compare(QStringLiteral("ori"), Qt::CaseInsensitive) == 0) {
        windows.showPage(form.get(), document);
    } else if (!document.isEmpty()) {
        form->importPalette(document);
    }
    return form;
}

Desktop::Desktop(QtPlatform& platform, const QString& document) : windows_(module_, platform) {
    QApplication::setApplicationName(QStringLiteral("oria"));
    QApplication::setApplicationVersion(QStringLiteral(ORIA_VERSION));
    // The layouts are measured for an 8-point Arial-like face; Liberation Sans has its metrics.
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    // The style the user or the desktop chose, its group box frames drawn once.
    QApplication::setStyle(new FrameStyle(QStyleFactory::create(QApplication::style()->name())));
    // The splash is on screen first; what it does not show is loaded while it is up.
    windows_.showSplashFirst();
    // Qt's own dialogs (colour, files) speak French like the rest of the program.
    if (qtFrench_.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtFrench_);
    }
    // What every window paints can be seen as a colour-vision deficiency shows it.
    vision_ = std::make_unique<VisionChoice>(platform, [](QImage& image, int choice) {
        SimulateVisionImage(image, static_cast<Vision>(choice));
    });
    windows_.setVisionChoice(vision_.get());
    vision_->restore();
    form_ = StartUp(module_, platform, windows_, document);
}

// Here Form1 and VisionChoice are known. The members go in the reverse of their order: the
// harmony window before the vision choice it paints through, the windows before the translator.
Desktop::~Desktop() = default;

int RunDesktop(int& argc, char** argv, const QString& document) {
    QApplication app(argc, argv);
#ifdef Q_OS_LINUX
    std::unique_ptr<StartupProbe> probe;
    if (const char* mode = std::getenv("ORIA_STARTUP_PROBE")) {
        probe = std::make_unique<StartupProbe>(std::strcmp(mode, "quit") == 0);
        app.installEventFilter(probe.get());
    }
#endif
    QtPlatform platform;
    const Desktop desktop(platform, document);
    return app.exec();
}

} // namespace oria
