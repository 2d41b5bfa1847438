#include "ColourReadout.h"

#include "ColourPicture.h"

#include <QLabel>
#include <QMenu>
#include <QStatusBar>

namespace oria {

QString HexQString(Colour c) {
    return QString::fromStdString(HexText(c));
}

void ColourReadout::show(Colour c) const {
    swatch->setBackgroundColour(c);
    hex->setText(HexQString(c));
    status->setText(QString::fromStdString(ReadoutText(SplitColour(c))));
}

QMenu* MakeTransfertMenu(QWidget* parent, const QString& itemText, const QString& title,
                         const QString& itemName) {
    auto* menu = new QMenu(title, parent);
    menu->setObjectName("transfert");
    menu->addAction(itemText)->setObjectName(itemName);
    return menu;
}

QLabel* AddStatusPanel(QStatusBar* bar, const QString& name, const QString& text, bool stretch) {
    auto* panel = new QLabel(text, bar);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setContentsMargins(4, 0, 4, 0);
    if (stretch) {
        bar->addWidget(panel, 1);
    } else {
        bar->addPermanentWidget(panel);
    }
    return panel;
}

} // namespace oria
