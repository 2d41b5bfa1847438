#pragma once

#include "core/Colour.h"

#include <QString>

class QLabel;
class QMenu;
class QStatusBar;
class QWidget;

namespace oria {

class ColourPicture;

QString HexQString(Colour c);

// The pointer read-out of the colour windows: a swatch, its #RRGGBB text and the
// "R:.. V:.. B:.." text in the status bar.
struct ColourReadout {
    ColourPicture* swatch = nullptr;
    QLabel* hex = nullptr;
    QLabel* status = nullptr;

    void show(Colour c) const;
};

// The hidden `transfert` menu, shown only as the pop-up of the colour pictures; its one
// item copies a #RRGGBB text. Each window titles and names them its own way.
QMenu* MakeTransfertMenu(QWidget* parent, const QString& itemText,
                         const QString& title = QStringLiteral("Transfert"),
                         const QString& itemName = QStringLiteral("pressepapier"));

// A sunken status-bar panel; `stretch` panels share the width, the others keep to the right.
QLabel* AddStatusPanel(QStatusBar* bar, const QString& name, const QString& text, bool stretch);

} // namespace oria
