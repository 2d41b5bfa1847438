#include "VisionChoice.h"

#include "ColourPicture.h"
#include "platform/Platform.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace oria {

namespace {
const QString kSettingKey = QStringLiteral("Vision");
} // namespace

const std::array<VisionChoice::Row, 5> VisionChoice::kRows{{
    {"normale", "Vision normale", ""},
    {"protanopie", "Protanopie", "protanopie"},
    {"deuteranopie", "Deutéranopie", "deutéranopie"},
    {"tritanopie", "Tritanopie", "tritanopie"},
    {"achromatopsie", "Achromatopsie", "achromatopsie"},
}};

VisionChoice::VisionChoice(Platform& platform, std::function<void(QImage&, int)> simulate)
    : platform_(platform), simulate_(std::move(simulate)) {}

VisionChoice::~VisionChoice() {
    ColourPicture::setDisplayFilter({});
}

int VisionChoice::RowForKey(const QString& key) {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (key == QLatin1String(kRows[i].key)) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

void VisionChoice::restore() {
    setCurrent(RowForKey(platform_.setting(kSettingKey, QString::fromLatin1(kRows[0].key))));
}

void VisionChoice::setCurrent(int index) {
    if (index < 0 || index >= static_cast<int>(kRows.size())) {
        return;
    }
    current_ = index;
    platform_.setSetting(kSettingKey,
                         QString::fromLatin1(kRows[static_cast<std::size_t>(index)].key));
    if (index == 0) {
        ColourPicture::setDisplayFilter({});
    } else {
        ColourPicture::setDisplayFilter([this, index](QImage& image) { simulate_(image, index); },
                                        index);
    }
    emit changed();
}

QString VisionChoice::decorate(const QString& title) const {
    if (current_ == 0) {
        return title;
    }
    return title + QStringLiteral(" — Simulation : ") +
           QString::fromUtf8(kRows[static_cast<std::size_t>(current_)].name);
}

QMenu* VisionChoice::addMenu(QMenuBar* bar) {
    QMenu* menu = bar->addMenu(QStringLiteral("&Vision"));
    menu->setObjectName("vision");
    auto* group = new QActionGroup(menu);
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        QAction* action = menu->addAction(QString::fromUtf8(kRows[i].caption));
        action->setObjectName(QStringLiteral("vision_") + QLatin1String(kRows[i].key));
        action->setCheckable(true);
        action->setChecked(static_cast<int>(i) == current_);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { setCurrent(static_cast<int>(i)); });
    }
    connect(this, &VisionChoice::changed, menu,
            [this, menu] { menu->actions().at(current_)->setChecked(true); });
    return menu;
}

} // namespace oria
