#pragma once

#include "ScrollFrame.h"
#include "WindowDirectory.h"
#include "core/Module1.h"

#include <QDialog>

class QMenuBar;
class QVBoxLayout;

namespace oria {

// The windows that edit the shared colours and may hand them back: their content scrolls
// in a ScrollFrame; "OK" sets RetourDialogue to 2 and the colours go back when the window
// closes; "Annuler", Esc and the close box set 1 and hand nothing back.
class HandBackDialog : public QDialog {
    Q_OBJECT
public:
    HandBackDialog(Module1& module, WindowDirectory& windows, QWidget* parent, const QString& name,
                   const QString& title, QSize contentTwips,
                   QSize endGapTwips = ScrollFrame::kStatusBarEndGap);

public slots:
    void done(int result) override;
    void reject() override;

protected:
    // Writes the window's colours into the shared harmony.
    virtual void handBack() = 0;
    // "OK" and "Annuler".
    void acceptAndClose();
    void cancelAndClose();

    ScrollFrame* scrollFrame() const { return frame_; }
    // "&Vision" when the simulation is offered; the window adds its own menus in front.
    QMenuBar* menus() const { return bar_; }
    // The frame, then whatever the window adds below it (a status bar).
    QVBoxLayout* contentLayout() const { return layout_; }

    Module1& module_;
    WindowDirectory& windows_;

private:
    QVBoxLayout* layout_;
    ScrollFrame* frame_;
    QMenuBar* bar_;
    bool unloaded_ = false;
};

} // namespace oria
