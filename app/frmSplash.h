#pragma once

#include "core/Module1.h"
#include "platform/Platform.h"

#include <QDialog>
#include <QImage>
#include <QPixmap>
#include <future>

class QLabel;
class QPushButton;
class QTimer;

namespace oria {

// The splash window, shown modally at start-up (it closes itself after two seconds) and
// as the about box from the menu (then with the legal notice, the "Licence" button and its
// timer off). A click or a key closes it.
class frmSplash : public QDialog {
    Q_OBJECT
public:
    // Loading reads AproposMenu and starts Timer1.
    frmSplash(Module1& module, Platform& platform, QWidget* parent = nullptr);

    QTimer* Timer1() const { return timer_; }

signals:
    // Its first paint: the window is on screen.
    void firstPainted();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void Timer1_Timer();
    void Command1_Click();

private:
    void paintEvent(QPaintEvent* event) override;
    // Stops the timer and ends the dialog, so that exec() returns.
    void closeSplash();

    Module1& module_;
    Platform& platform_;
    QTimer* timer_ = nullptr;
    // Bitmap 101, the background, drawn on another thread while the window is made.
    std::future<QImage> pictureLater_;
    QPixmap picture_;
    bool painted_ = false;
};

} // namespace oria
