// Vizozudu's reactions to the user.
#include "Contraste.h"

#include "harmony/HarmonyEngine.h"
#include "widgets/Builders.h"
#include "widgets/ColourReadout.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QToolButton>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>

namespace oria {

void Contraste::connectControls() {
    // Every change of the colours is one step of the history, named by its caption.
    auto step = [this](const QString& text, auto reaction) {
        return [this, text, reaction] { history_->record(text, [reaction] { reaction(); }); };
    };
    connect(count_[0], &QRadioButton::clicked, this,
            step(count_[0]->text(), [this] { Option1_Click(); }));
    connect(count_[1], &QRadioButton::clicked, this,
            step(count_[1]->text(), [this] { Option2_Click(); }));
    for (int k = 0; k < 3; ++k) {
        connect(edit_[k], &QRadioButton::clicked, this, [this, k] { edit_Click(k); });
    }
    // Only the user's own moves: setting a slider from the program runs no reaction.
    for (int i = 0; i < 3; ++i) {
        history_->connectSlider(slider_[i], QStringLiteral("Réglages"), i,
                                [this, s = slider_[i]] { Slider_Scroll(s); });
    }
    const struct {
        const char* name;
        void (Contraste::*slot)();
        const char* step; // null: closes the window
    } clicks[] = {{"Command1", &Contraste::Command1_Click, "Aléatoire"},
                  {"Command2", &Contraste::Command2_Click, "Aléatoire"},
                  {"Command3", &Contraste::Command3_Click, "Choisir..."},
                  {"Command9", &Contraste::Command9_Click, nullptr},
                  {"Command4", &Contraste::Command4_Click, nullptr}};
    for (const auto& c : clicks) {
        auto* button = findChild<QAbstractButton*>(c.name);
        if (c.step) {
            connect(button, &QAbstractButton::clicked, this,
                    step(QString::fromUtf8(c.step), [this, slot = c.slot] { (this->*slot)(); }));
        } else {
            connect(button, &QAbstractButton::clicked, this, c.slot);
        }
    }
    const struct {
        const char* name;
        Adjustment step;
    } steps[] = {{"Command5", Adjustment::LumPlus},
                 {"Command6", Adjustment::LumMoins},
                 {"Command7", Adjustment::SatPlus},
                 {"Command8", Adjustment::SatMoins}};
    for (const auto& s : steps) {
        auto* button = findChild<QAbstractButton*>(s.name);
        connect(button, &QAbstractButton::clicked, this,
                step(button->text(), [this, adjustment = s.step] { Step_Click(adjustment); }));
    }
    // A proposal taken is a step.
    connect(Cible_, &QComboBox::activated, this, &Contraste::Cible_Click);
    for (const PairReadout& r : pairs_) {
        connect(r.textProposal, &QToolButton::clicked, this,
                [this, &r] { applyProposal(r.text, r.textProposal); });
        connect(r.backgroundProposal, &QToolButton::clicked, this,
                [this, &r] { applyProposal(r.background, r.backgroundProposal); });
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

void Contraste::applyProposal(int k, QToolButton* button) {
    const Colour c = button->property("colour").toInt();
    if (c < 0) {
        return;
    }
    history_->record(button->text().section(u'\n', 0, 0), [this, k, c] {
        colours_.colour[static_cast<std::size_t>(k)] = c;
        if (editedColour() == k) {
            showSliders(c);
        }
        RafraichirContraste();
    });
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

// ---- undo ----

UndoState Contraste::undoState() const {
    UndoState state;
    controls_->capture(state);
    for (Colour c : colours_.colour) {
        state << c;
    }
    return state;
}

void Contraste::applyUndoState(const UndoState& state) {
    qsizetype i = 0;
    controls_->apply(state, i);
    for (Colour& c : colours_.colour) {
        c = state.at(i++).toInt();
    }
    RafraichirContraste();
}

void Contraste::handBack() {
    module_.Couleur1 = colours_.colour[0];
    module_.Couleur2 = colours_.colour[1];
    module_.Couleur3 = colours_.colour[2];
}

} // namespace oria
