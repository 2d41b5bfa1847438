#pragma once

#include "widgets/WindowDirectory.h"

#include <set>
#include <vector>

namespace oria::test {

// Records which windows were asked for; reports the ones listed in `available`.
class FakeWindows : public WindowDirectory {
public:
    void showSplash(QWidget*, bool timerOn) override { splashes.push_back(timerOn); }
    void showTips(QWidget*) override { ++tipsShown; }
    bool isAvailable(Window window) const override { return available.count(window) > 0; }
    void show(Window window, QWidget*) override { shown.push_back(window); }
    void unloadAll() override { ++unloads; }

    std::set<Window> available;
    std::vector<bool> splashes; // timerOn of each splash shown
    int tipsShown = 0;
    std::vector<Window> shown;
    int unloads = 0;
};

} // namespace oria::test
