#include "RichTextChoice.h"
#include "Builders.h"

#include <QResizeEvent>

namespace oria {

void RichTextChoice::setText(const QString& text) {
    QLabel*& label = labels_[text];
    if (label == nullptr) {
        label = new QLabel(this);
        label->setTextFormat(Qt::RichText);
        label->setGeometry(rect());
        label->hide();
        SetRichText(label, text);
    }
    if (label == shown_) {
        return;
    }
    if (shown_ != nullptr) {
        shown_->hide();
    }
    shown_ = label;
    shown_->show();
}

void RichTextChoice::resizeEvent(QResizeEvent* event) {
    for (QLabel* label : std::as_const(labels_)) {
        label->setGeometry(rect());
    }
    QWidget::resizeEvent(event);
}

} // namespace oria
