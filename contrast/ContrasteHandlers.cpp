// Vizozudu's reactions to the user.
#include "Contraste.h"

#include "harmony/HarmonyEngine.h"
#include "widgets/Builders.h"
#include "widgets/ColourReadout.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>

namespace oria {

void Contraste::connectControls() {
    connect(count_[0], &QRadioButton::clicked, this, &Contraste::Option1_Click);
    connect(count_[1], &QRadioButton::clicked, this, &Contraste::Option2_Click);
    for (int k = 0; k < 3; ++k) {
        connect(edit_[k], &QRadioButton::clicked, this, [this, k] { edit_Click(k); });
    }
    // Only the user's own moves: setting a slider from the program runs no reaction.
    for (QSlider* s : slider_) {
        connect(s, &QSlider::actionTriggered, this, [this, s] { Slider_Scroll(s); });
    }
    const struct {
        const char* name;
        void (Contraste::*slot)();
    } clicks[] = {{"Command1", &Contraste::Command1_Click},
                  {"Command2", &Contraste::Command2_Click},
                  {"Command3", &Contraste::Command3_Click},
                  {"Command9", &Contraste::Command9_Click},
                  {"Command4", &Contraste::Command4_Click}};
    for (const auto& c : clicks) {
        connect(findChild<QAbstractButton*>(c.name), &QAbstractButton::clicked, this, c.slot);
    }
    const struct {
        const char* name;
        Adjustment step;
    } steps[] = {{"Command5", Adjustment::LumPlus},
                 {"Command6", Adjustment::LumMoins},
                 {"Command7", Adjustment::SatPlus},
                 {"Command8", Adjustment::SatMoins}};
    for (const auto& s : steps) {
        connect(findChild<QAbstractButton*>(s.name), &QAbstractButton::clicked, this,
                [this, step = s.step] { Step_Click(step); });
    }
    for (ColourPicture* p : {Picture1_, static_cast<ColourPicture*>(Picture2_),
                             static_cast<ColourPicture*>(Picture3_), Picture4_, Picture5_}) {
        connect(p, &ColourPicture::mouseMoved, this,
                [this, p](QPoint pos) { picture_MouseMove(p, pos); });
    }
    // The lines view has no button reaction.
    for (ColourPicture* p :
         {Picture1_, static_cast<ColourPicture*>(Picture3_), Picture4_, Picture5_, Picture6_}) {
        connect(p, &ColourPicture::mousePressed, this, [this, p](Qt::MouseButton b, QPoint pos) {
            picture_MouseDown(b, p->mapTo(this, pos));
        });
    }
    connect(transfert_->actions().constFirst(), &QAction::triggered, this,
            &Contraste::presspap_Click);
}

// ---- colours shown and edited ----

void Contraste::Option1_Click() {
    if (edit_[2]->isChecked()) {
        edit_[1]->setChecked(true);
        edit_Click(1);
    }
    edit_[2]->setEnabled(false);
    RafraichirContraste();
}

void Contraste::Option2_Click() {
    edit_[2]->setEnabled(true);
    RafraichirContraste();
}

void Contraste::showSliders(Colour c) {
    ShowComponents(c, slider_, sliderLabel_);
}

void Contraste::edit_Click(int k) {
    showSliders(colours_.colour[static_cast<std::size_t>(k)]);
    RafraichirContraste();
}

void Contraste::Slider_Scroll(QSlider* moved) {
    edited() = ComponentsMoved(moved, slider_, sliderLabel_);
    RafraichirContraste();
}

void Contraste::Command1_Click() {
    platform_.random().reseedFromClock();
    edited() = RandomColour(platform_.random());
    showSliders(edited());
    RafraichirContraste();
}

// The sliders end on the last colour drawn, whichever colour is edited.
void Contraste::Command2_Click() {
    platform_.random().reseedFromClock();
    for (int k = 0; k < nombreCouleurs(); ++k) {
        colours_.colour[static_cast<std::size_t>(k)] = RandomColour(platform_.random());
        showSliders(colours_.colour[static_cast<std::size_t>(k)]);
    }
    RafraichirContraste();
}

void Contraste::Command3_Click() {
    const Colour c = platform_.chooseColour(this, edited());
    // The numbers follow the sliders, or they would show the colour before the dialog.
    showSliders(c);
    edited() = c;
    RafraichirContraste();
}

void Contraste::Step_Click(Adjustment step) {
    edited() = StepColour(edited(), step);
    edit_Click(editedColour());
}

// ---- read-out, pop-up and clipboard ----

void Contraste::picture_MouseMove(ColourPicture* picture, QPoint pos) {
    const Colour c = picture->colourAt(pos);
    if (c < 0) {
        return;
    }
    Picture6_->setBackgroundColour(c);
    Label8_->setText(HexQString(Picture6_->backgroundColour()));
    picture->setToolTip(QString::fromStdString(ReadoutText(SplitColour(c))));
}

void Contraste::picture_MouseDown(Qt::MouseButton button, QPoint pos) {
    if (button != Qt::RightButton) {
        return;
    }
    TexteCopie_ = HexQString(Picture6_->backgroundColour());
    transfert_->popup(mapToGlobal(pos));
}

void Contraste::presspap_Click() {
    platform_.setClipboardText(TexteCopie_);
}

// ---- closing ----

void Contraste::Command9_Click() {
    acceptAndClose();
}

void Contraste::Command4_Click() {
    cancelAndClose();
}

void Contraste::handBack() {
    module_.Couleur1 = colours_.colour[0];
    module_.Couleur2 = colours_.colour[1];
    module_.Couleur3 = colours_.colour[2];
}

} // namespace oria
