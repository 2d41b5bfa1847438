#include "Startup.h"

#include "contrast/VisionImage.h"
#include "frmSplash.h"
#include "frmTip.h"
#include "harmony/Form1.h"
#include "platform/QtPlatform.h"
#include "platform/Settings.h"
#include "widgets/VisionChoice.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

namespace oria {

AppWindows::~AppWindows() {
    delete charte_;
    delete compo_;
    delete contraste_;
    delete pro_;
    delete tip_;
}

void AppWindows::showSplash(QWidget* parent, bool timerOn) {
    frmSplash splash(module_, platform_, parent);
    // At start-up the harmony window is not on screen yet: centre on the screen instead.
    if ((!parent || !parent->isVisible()) && splash.screen()) {
        splash.move(splash.screen()->availableGeometry().center() - splash.rect().center());
    }
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

std::unique_ptr<Form1> StartUp(Module1& module, Platform& platform, WindowDirectory& windows) {
    auto form = std::make_unique<Form1>(module, platform, windows);
    form->show();
    if (SettingNumber(platform.setting(kShowTipsKey, QStringLiteral("1"))) == 1) {
        windows.showTips(form.get());
    }
    return form;
}

int RunDesktop(int& argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("oria"));
    QApplication::setApplicationVersion(QStringLiteral(ORIA_VERSION));
    // Qt's own dialogs (colour, files) speak French like the rest of the program.
    QTranslator qtFrench;
    if (qtFrench.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtFrench);
    }
    // The layouts are measured for an 8-point Arial-like face; Liberation Sans has its metrics.
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));

    QtPlatform platform;
    Module1 module;
    AppWindows windows(module, platform);
    // What every window paints can be seen as a colour-vision deficiency shows it.
    VisionChoice vision(platform, [](QImage& image, int choice) {
        SimulateVisionImage(image, static_cast<Vision>(choice));
    });
    windows.setVisionChoice(&vision);
    vision.restore();
    const std::unique_ptr<Form1> form = StartUp(module, platform, windows);
    return app.exec();
}

} // namespace oria
