#pragma once

#include "app/Startup.h"
#include "harmony/Form1.h"
#include "support/FakePlatform.h"
#include "support/QtTestSupport.h"

#include <QWindow>

#include <functional>
#include <utility>
#include <vector>

namespace oria::test {

// Every window of the program as the program makes them, each opened by its function, with
// the manual section its F1 opens.
struct AllWindows {
    AllWindows() { application(); }
    ~AllWindows() { windows.unloadAll(); }

    struct Opener {
        const char* section;
        std::function<QWidget*()> open;
    };

    Module1 module;
    FakePlatform platform;
    AppWindows windows{module, platform};
    Form1 form{module, platform, windows};
    using W = WindowDirectory::Window;
    const std::vector<Opener> all = {
        {"harmonie", [this] { return static_cast<QWidget*>(&form); }},
        {"razezev-aru", [this] { return shown(W::Pro, [this] { return windows.pro(); }); }},
        {"vizozudu", [this] { return shown(W::Contraste, [this] { return windows.contraste(); }); }},
        {"composeur", [this] { return shown(W::Compo, [this] { return windows.compo(); }); }},
        {"charte", [this] { return shown(W::Charte, [this] { return windows.charter(); }); }},
        {"astuce", [this] { windows.showTips(&form); return static_cast<QWidget*>(windows.tips()); }},
    };

    // Shows the window and makes it the active one, as a click on it would.
    static bool activate(QWidget* window) {
        window->show();
        window->windowHandle()->requestActivate();
        return waitFor([window] { return QApplication::activeWindow() == window; });
    }

private:
    template <class F> QWidget* shown(W which, F instance) {
        windows.show(which, &form);
        return instance();
    }
};

} // namespace oria::test
