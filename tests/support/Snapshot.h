#pragma once

// What a window shows, as text: one line per named control, in the order of the window's
// children, with what the user sees of it (its text, value, state, colour). Tests compare it
// with a golden file in tests/golden/; ORIA_UPDATE_GOLDEN=1 writes the files anew, to be read
// over in the diff before they are committed.

#include "widgets/ColourPicture.h"
#include "widgets/Resources.h"
#include "widgets/RichTextChoice.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSlider>
#include <QWidget>

#include <gtest/gtest.h>

namespace oria::test {

inline QString OneLine(QString text) {
    return text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

// Red, green, blue, as the read-outs show them (a Colour holds red in its low byte).
inline QString ColourHex(Colour c) {
    return c < 0 ? QStringLiteral("aucune") : QString::fromStdString(HexText(c & 0xFFFFFF));
}

inline QString Quoted(const QString& text) {
    return QLatin1Char('"') + OneLine(text) + QLatin1Char('"');
}

// A text, and its tick when the control can be ticked.
inline QString Ticked(const QString& text, bool checkable, bool checked) {
    return Quoted(text) + (!checkable ? QString() : checked ? QStringLiteral(" [x]") : QStringLiteral(" [ ]"));
}

// The button picture (101..114) an icon shows, 0 for another picture.
inline int PictureNumber(const QAbstractButton* b) {
    static QHash<QPair<int, int>, QImage> drawn;
    const QImage shown = b->icon().pixmap(b->iconSize()).toImage();
    for (int id = 101; id <= 114; ++id) {
        QImage& picture = drawn[{id, b->iconSize().width()}];
        if (picture.isNull()) {
            picture = Bitmap(id, b->iconSize()).toImage();
        }
        if (picture == shown) {
            return id;
        }
    }
    return 0;
}

// One control as the user sees it; empty for a control that shows nothing of its own (the
// windows have no other kinds of control).
inline QString DescribeControl(const QWidget* w) {
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
        return Quoted(l->text());
    }
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
        const QString text = Ticked(b->text(), b->isCheckable(), b->isChecked());
        if (b->icon().isNull()) {
            return text;
        }
        return text +
               QStringLiteral(" icône %1 %2").arg(PictureNumber(b)).arg(b->iconSize().width());
    }
    if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
        return Ticked(g->title(), g->isCheckable(), g->isChecked());
    }
    if (const auto* e = qobject_cast<const QLineEdit*>(w)) {
        return Quoted(e->text());
    }
    if (const auto* t = qobject_cast<const QPlainTextEdit*>(w)) {
        return Quoted(t->toPlainText());
    }
    if (const auto* r = dynamic_cast<const RichTextChoice*>(w)) {
        return Quoted(r->text());
    }
    if (const auto* s = qobject_cast<const QAbstractSlider*>(w)) {
        const auto* q = qobject_cast<const QSlider*>(w); // page and ticks: what keys and eyes meet
        return QString::asprintf("%d (%d..%d) page %d", s->value(), s->minimum(), s->maximum(),
                                 s->pageStep()) +
               (q ? QStringLiteral(" graduations %1").arg(q->tickInterval()) : QString());
    }
    if (const auto* c = qobject_cast<const QComboBox*>(w)) {
        return QStringLiteral("\"%1\" (%2 of %3)").arg(c->currentText()).arg(c->currentIndex()).arg(c->count());
    }
    if (const auto* p = qobject_cast<const QProgressBar*>(w)) {
        return QString::number(p->value());
    }
    if (const auto* p = qobject_cast<const ColourPicture*>(w)) {
        // The background and what is painted at the centre.
        return ColourHex(p->backgroundColour()) + QStringLiteral(" / ") +
               ColourHex(p->colourAt(p->rect().center()));
    }
    return {};
}

// Every named control of `window` (not Qt's own parts), then its named actions.
inline QString DescribeWindow(const QWidget* window) {
    QStringList lines{QStringLiteral("window \"%1\"").arg(window->windowTitle())};
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) ||
            qobject_cast<const QMenu*>(w)) {
            continue;
        }
        QString line = name + QLatin1Char(' ') + DescribeControl(w);
        // Where it stands in its frame, unless a layout places it after the font's size.
        if (const QLayout* l = w->parentWidget()->layout(); !l || l->indexOf(w) < 0) {
            const QRect r = w->geometry();
            line += QStringLiteral(" @%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
        }
        if (!w->isVisibleTo(window)) {
            line += QStringLiteral(" hidden");
        }
        if (!w->isEnabled()) {
            line += QStringLiteral(" disabled");
        }
        if (const auto* p = qobject_cast<const QPushButton*>(w); p && p->isDefault()) {
            line += QStringLiteral(" default"); // what Enter presses
        }
        lines << line.trimmed();
    }
    for (const QAction* a : window->findChildren<QAction*>()) {
        if (a->text().isEmpty() || a->isSeparator()) {
            continue;
        }
        QString line = QStringLiteral("action \"%1\"").arg(a->text());
        if (!a->shortcut().isEmpty()) {
            line += QLatin1Char(' ') + a->shortcut().toString();
        }
        if (a->isCheckable()) {
            line += a->isChecked() ? QStringLiteral(" [x]") : QStringLiteral(" [ ]");
        }
        if (!a->isEnabled()) {
            line += QStringLiteral(" disabled");
        }
        lines << line;
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

// `text` against tests/golden/<name>.txt (UTF-8), or written there with ORIA_UPDATE_GOLDEN.
inline void ExpectGolden(const QString& name, const QString& text) {
    const QString path = QStringLiteral(ORIA_GOLDEN_DIR "/") + name + QStringLiteral(".txt");
    QFile file(path);
    if (qEnvironmentVariableIsSet("ORIA_UPDATE_GOLDEN")) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(text.toUtf8());
        return;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly))
        << path.toStdString() << " is missing: run the test with ORIA_UPDATE_GOLDEN=1";
    EXPECT_EQ(QString::fromUtf8(file.readAll()).toStdString(), text.toStdString()) << "golden " << name.toStdString();
}

inline void ExpectWindowGolden(const QString& name, const QWidget* window) {
    ExpectGolden(name, DescribeWindow(window));
}

} // namespace oria::test
