#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <array>
#include <functional>

class QMenu;
class QMenuBar;

namespace oria {

class Platform;

// The "Vision" choice the windows share: what they paint is shown as a person with a
// colour-vision deficiency sees it. Colours held, read at a point, written or handed back
// stay the real ones: only the painting goes through the simulation.
class VisionChoice : public QObject {
    Q_OBJECT
public:
    struct Row {
        const char* key;     // kept in the settings
        const char* caption; // menu item
        const char* name;    // "Simulation : deutéranopie"
    };
    static const std::array<Row, 5> kRows; // 0 is normal vision
    // The row a stored key names; normal vision for anything else (a hand-edited file).
    static int RowForKey(const QString& key);

    // simulate(image, index) converts an image for choice `index` (1..4).
    VisionChoice(Platform& platform, std::function<void(QImage&, int)> simulate);
    ~VisionChoice() override;

    int current() const { return current_; }
    // Chooses, keeps the choice in the settings and repaints every colour picture.
    void setCurrent(int index);
    // The setting read at start-up.
    void restore();
    // A window's caption with the simulation said after it.
    QString decorate(const QString& title) const;
    // The "&Vision" menu of a window, its items checkable and kept in step.
    QMenu* addMenu(QMenuBar* bar);

signals:
    void changed();

private:
    Platform& platform_;
    std::function<void(QImage&, int)> simulate_;
    int current_ = 0;
};

} // namespace oria
