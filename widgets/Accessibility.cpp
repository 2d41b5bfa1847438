#include "Accessibility.h"

#include "ColourPicture.h"

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace oria {

QString ColourDescription(Colour c) {
    const Rgb rgb = SplitColour(c);
    return QStringLiteral("%1 (R %2, V %3, B %4)")
        .arg(QString::fromStdString(HexText(c)))
        .arg(rgb.Rouge)
        .arg(rgb.Vert)
        .arg(rgb.Bleu);
}

void NameControls(QWidget* window,
                  std::initializer_list<std::pair<const char*, const char*>> names) {
    for (const auto& [object, name] : names) {
        QWidget* control = window->findChild<QWidget*>(QString::fromLatin1(object));
        if (control == nullptr) {
            continue; // a control this build or this state of the window does not have
        }
        control->setAccessibleName(QString::fromUtf8(name));
        // A plain picture shows one colour; those that draw more (the plane, the page, the
        // grids, the bars) say what they are, not a colour.
        if (auto* picture = qobject_cast<ColourPicture*>(control);
            picture != nullptr && picture->metaObject() == &ColourPicture::staticMetaObject) {
            picture->setSaysColour(true);
        }
    }
}

namespace {

// Tops closer than this are one row: controls beside each other rarely align to the pixel.
constexpr int kRowTolerance = 6;

bool readsBefore(const QWidget* a, const QWidget* b) {
    if (std::abs(a->y() - b->y()) > kRowTolerance) {
        return a->y() < b->y();
    }
    return a->x() < b->x();
}

void collect(QWidget* parent, std::vector<QWidget*>& order) {
    std::vector<QWidget*> children;
    for (QObject* child : parent->children()) {
        if (auto* w = qobject_cast<QWidget*>(child); w != nullptr && !w->isWindow()) {
            children.push_back(w);
        }
    }
    std::stable_sort(children.begin(), children.end(), readsBefore);
    for (QWidget* w : children) {
        if (w->focusPolicy() & Qt::TabFocus) {
            order.push_back(w);
        }
        collect(w, order);
    }
}

// Only the chosen option of a group is a Tab stop.
void oneStopPerGroup(QAbstractButton* option) {
    const auto update = [option](bool checked) {
        option->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
    };
    update(option->isChecked());
    QObject::connect(option, &QAbstractButton::toggled, option, update);
}

} // namespace

void ReadingTabOrder(QWidget* window) {
    std::vector<QWidget*> order;
    collect(window, order);
    for (QWidget* w : order) {
        if (auto* option = qobject_cast<QAbstractButton*>(w);
            option != nullptr && option->isCheckable() && option->autoExclusive()) {
            oneStopPerGroup(option);
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
            text->setTabChangesFocus(true);
        } else if (auto* rich = qobject_cast<QTextEdit*>(w)) {
            rich->setTabChangesFocus(true);
        }
    }
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

} // namespace oria
