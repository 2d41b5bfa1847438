#pragma once

#include "widgets/WindowDirectory.h"

#include <QStringList>
#include <QWidget>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace oria::test {

// Records which windows were asked for; reports the ones listed in `available`.
class FakeWindows : public WindowDirectory {
public:
    void showSplash(QWidget* parent, bool timerOn) override {
        splashes.push_back(timerOn);
        log.push_back(parent && parent->isVisible() ? "splash over window" : "splash");
    }
    void showTips(QWidget* parent) override {
        ++tipsShown;
        log.push_back(parent && parent->isVisible() ? "tips over window" : "tips");
    }
    bool isAvailable(Window window) const override { return available.count(window) > 0; }
    void show(Window window, QWidget*) override { shown.push_back(window); }
    bool showModal(Window window, QWidget*) override {
        shownModal.push_back(window);
        if (whileModal) {
            whileModal(window); // what the user does in that window
        }
        return modalAnswer;
    }
    void unloadAll() override { ++unloads; }
    void showPage(QWidget*, const QString& path) override { pages.push_back(path); }

    std::set<Window> available;
    std::vector<bool> splashes; // timerOn of each splash shown
    int tipsShown = 0;
    std::vector<Window> shown, shownModal;
    bool modalAnswer = false;
    std::function<void(Window)> whileModal;
    int unloads = 0;
    QStringList pages;
    std::vector<std::string> log; // splash and tips, in order, and whether the window was up
};

} // namespace oria::test
