#pragma once

#include <QString>
#include <functional>
#include <utility>

class QWidget;

namespace oria {
class VisionChoice;
}

namespace oria {

// The program's other windows, as one window asks for them. The start procedure owns the
// single instances (created on first use, gone when unloaded) and wires them together,
// so a window never reaches up to the layer that creates it.
class WindowDirectory {
public:
    enum class Window { Pro, Contraste, Compo, Charte };

    virtual ~WindowDirectory() = default;

    // The splash window, modal; with its timer off it is the about box.
    virtual void showSplash(QWidget* parent, bool timerOn) = 0;
    // The tip of the day, modeless.
    virtual void showTips(QWidget* parent) = 0;
    // Whether the window exists in this build; its commands stay disabled otherwise.
    virtual bool isAvailable(Window window) const = 0;
    // Modeless; brings the window forward when it is already open.
    virtual void show(Window window, QWidget* parent) = 0;
    // Modal: waits until the window is closed; true when the user accepted it ("OK").
    virtual bool showModal(Window window, QWidget* parent) = 0;
    // Unloads the composer, Razezev Aru, the contrast viewer, the charter and the tips.
    virtual void unloadAll() = 0;
    // The composer showing a page document, opened from `parent` as its command opens it; a
    // document that cannot be read says why and opens nothing.
    virtual void showPage(QWidget* parent, const QString& path) = 0;

    // A window that wrote colours back into the shared harmony says so; the harmony window
    // listens, so that it shows what the user now works on.
    void setHandBackListener(std::function<void()> listener) { handBack_ = std::move(listener); }
    void notifyHandBack() const {
        if (handBack_) {
            handBack_();
        }
    }

    // The "Vision" choice the windows share; none where nobody set one (tests).
    VisionChoice* visionChoice() const { return vision_; }
    void setVisionChoice(VisionChoice* vision) { vision_ = vision; }

private:
    std::function<void()> handBack_;
    VisionChoice* vision_ = nullptr;
};

} // namespace oria
