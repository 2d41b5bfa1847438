#pragma once

#include "ColourPicture.h"
#include "Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QString>

namespace oria {

// Every window builds its controls alike: a named control at a rectangle given in twips.
template <class T>
T* make(QWidget* parent, const QString& name, int left, int top, int width, int height) {
    auto* w = new T(parent);
    w->setObjectName(name);
    w->setGeometry(TwipsRect(left, top, width, height));
    return w;
}

inline QGroupBox* frame(QWidget* parent, const QString& name, const QString& title, int left,
                        int top, int width, int height) {
    auto* box = make<QGroupBox>(parent, name, left, top, width, height);
    box->setTitle(title);
    return box;
}

inline QPushButton* button(QWidget* parent, const QString& name, const QString& caption, int left,
                           int top, int width, int height) {
    auto* b = make<QPushButton>(parent, name, left, top, width, height);
    b->setText(caption);
    return b;
}

// A colour picture with its single-line border, as the swatches have.
inline ColourPicture* swatch(QWidget* parent, const QString& name, int left, int top, int width,
                             int height) {
    auto* picture = make<ColourPicture>(parent, name, left, top, width, height);
    picture->setBorder(true);
    return picture;
}

inline QPushButton* pictureButton(QWidget* parent, const QString& name, const QString& tip,
                                  int left, int top, int width, int height) {
    auto* button = make<QPushButton>(parent, name, left, top, width, height);
    button->setToolTip(tip);
    button->setAccessibleName(tip); // the picture says nothing to a screen reader
    return button;
}

// What the user calls a button: its caption, or for a picture button its tip.
inline QString CaptionOf(const QAbstractButton* button) {
    return button->text().isEmpty() ? button->toolTip() : button->text();
}

inline QSlider* slider(QWidget* parent, const QString& name, int min, int max, int page, int tick,
                       int left, int top, int width, int height,
                       Qt::Orientation orientation = Qt::Horizontal) {
    auto* s = make<QSlider>(parent, name, left, top, width, height);
    s->setOrientation(orientation);
    s->setRange(min, max);
    s->setSingleStep(1);
    s->setPageStep(page);
    s->setTickInterval(tick);
    s->setTickPosition(orientation == Qt::Horizontal ? QSlider::TicksBelow : QSlider::TicksRight);
    return s;
}

inline QLabel* label(QWidget* parent, const QString& name, const QString& text, int left, int top,
                     int width, int height) {
    auto* l = make<QLabel>(parent, name, left, top, width, height);
    l->setText(text);
    return l;
}

// A rich text label's new text, laid out at once: left to its first paint, the layout would
// ask for a second paint of the label and of all behind it.
inline void SetRichText(QLabel* label, const QString& text) {
    if (text != label->text()) {
        label->setText(text);
        label->heightForWidth(label->contentsRect().width());
    }
}

// Three component sliders and their number labels show colour c; setting them from the
// program runs no slider reaction.
inline void ShowComponents(Colour c, QSlider* const (&sliders)[3], QLabel* const (&labels)[3]) {
    const Rgb rgb = SplitColour(c);
    const int values[] = {rgb.Rouge, rgb.Vert, rgb.Bleu};
    for (int i = 0; i < 3; ++i) {
        sliders[i]->setValue(values[i]);
        labels[i]->setText(QString::number(values[i]));
    }
}

// The user moved one of three component sliders: its number follows; returns the colour
// they now give. actionTriggered comes before the value is applied, so positions are read.
inline Colour ComponentsMoved(const QSlider* moved, QSlider* const (&sliders)[3],
                              QLabel* const (&labels)[3]) {
    for (int i = 0; i < 3; ++i) {
        if (sliders[i] == moved) {
            labels[i]->setText(QString::number(moved->sliderPosition()));
        }
    }
    return RGB(sliders[0]->sliderPosition(), sliders[1]->sliderPosition(),
               sliders[2]->sliderPosition());
}

// A named top menu of a window's menu bar.
inline QMenu* addMenu(QMainWindow* window, const QString& name, const QString& title) {
    QMenu* menu = window->menuBar()->addMenu(title);
    menu->setObjectName(name);
    return menu;
}

// A named menu item; its shortcut works while the menu is closed.
inline QAction* addMenuItem(QMainWindow* window, QMenu* menu, const QString& name,
                            const QString& text, const QKeySequence& key = {}) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    action->setShortcut(key);
    window->addAction(action);
    return action;
}

// A window opens at its designed size, unless the screen is smaller (Qt would otherwise
// cap it at 2/3 of the screen).
inline void ResizeToDesign(QWidget* window) {
    QSize size = window->sizeHint();
    if (const QScreen* screen = window->screen()) {
        size = size.boundedTo(screen->availableSize());
    }
    window->resize(size);
}

} // namespace oria
