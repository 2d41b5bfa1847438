#pragma once

#include <QHash>
#include <QLabel>

namespace oria {

// A rich text label for a text that takes a few values over and over (verdicts): each value
// is laid out once, in a label of its own, and shown again as it was, where laying out rich
// text anew costs a good part of a frame.
class RichTextChoice : public QWidget {
public:
    using QWidget::QWidget;
    void setText(const QString& text);
    QString text() const { return shown_ ? shown_->text() : QString(); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QHash<QString, QLabel*> labels_;
    QLabel* shown_ = nullptr;
};

} // namespace oria
