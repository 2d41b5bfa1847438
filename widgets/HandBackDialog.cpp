#include "HandBackDialog.h"

#include "VisionChoice.h"

#include <QMenuBar>
#include <QVBoxLayout>

namespace oria {

HandBackDialog::HandBackDialog(Module1& module, WindowDirectory& windows, QWidget* parent,
                               const QString& name, const QString& title, QSize contentTwips,
                               QSize endGapTwips)
    : QDialog(parent), module_(module), windows_(windows), layout_(new QVBoxLayout(this)),
      frame_(new ScrollFrame(this, contentTwips, endGapTwips)), bar_(new QMenuBar(this)) {
    setObjectName(name);
    setWindowTitle(title);
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->addWidget(frame_, 1);
    bar_->setObjectName("menus");
    layout_->setMenuBar(bar_);
    if (VisionChoice* vision = windows.visionChoice()) {
        vision->addMenu(bar_);
        setWindowTitle(vision->decorate(title));
        connect(vision, &VisionChoice::changed, this,
                [this, vision, title] { setWindowTitle(vision->decorate(title)); });
    }
}

void HandBackDialog::acceptAndClose() {
    module_.RetourDialogue = 2;
    accept();
}

void HandBackDialog::cancelAndClose() {
    module_.RetourDialogue = 1;
    QDialog::reject();
}

void HandBackDialog::reject() {
    cancelAndClose();
}

void HandBackDialog::done(int result) {
    // Whatever closes the window, the colours go back only when "OK" was pressed.
    if (!unloaded_) {
        unloaded_ = true;
        if (module_.RetourDialogue == 2) {
            handBack();
            windows_.notifyHandBack();
        }
    }
    QDialog::done(result);
}

} // namespace oria
