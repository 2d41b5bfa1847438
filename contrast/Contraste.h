#pragma once

#include "ContrastViews.h"
#include "Proposals.h"
#include "Vision.h"
#include "core/Module1.h"
#include "harmony/Adjustments.h"
#include "platform/Platform.h"
#include "widgets/HandBackDialog.h"
#include "widgets/RichTextChoice.h"
#include "widgets/UndoHistory.h"

#include <optional>

class QComboBox;
class QLabel;
class QToolButton;
class QMenu;
class QRadioButton;
class QSlider;

namespace oria {

// Vizozudu, the contrast viewer: two or three colours side by side, as a figure on a
// ground and as thin lines, edited one at a time, with their legibility measures.
class Contraste : public HandBackDialog {
    Q_OBJECT
public:
    Contraste(Module1& module, Platform& platform, WindowDirectory& windows,
              QWidget* parent = nullptr);

    // Repaints the three views, the edited colour's text and the legibility read-out.
    void RafraichirContraste();

    int nombreCouleurs() const;
    // 0..2: the colour the sliders edit.
    int editedColour() const;
    const ContrastColours& colours() const { return colours_; }
    UndoHistory& history() { return *history_; }

private slots:
    void Option1_Click();
    void Option2_Click();
    void edit_Click(int k);
    void Slider_Scroll(QSlider* moved);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Step_Click(Adjustment step);
    void picture_MouseMove(ColourPicture* picture, QPoint pos);
    void picture_MouseDown(Qt::MouseButton button, QPoint pos);
    void presspap_Click();
    void Command9_Click();
    void Command4_Click();
    void Cible_Click();

protected:
    void handBack() override;

private:
    void Form_Load();
    void buildControls();
    void buildEditing(QWidget* total);
    void buildViews(QWidget* total);
    void buildLegibility(QWidget* total);
    void connectControls();
    // Sliders and their numbers show colour c; the slider reaction does not run.
    void showSliders(Colour c);
    void showLegibility();
    ContrastTarget target() const;
    // One proposal on its button: a swatch, its hex and what it reaches; the pair's colour
    // `k` takes it when clicked.
    void showProposal(QToolButton* button, const QString& name, const Proposal& p);
    void applyProposal(int k, QToolButton* button);
    Colour& edited();
    Vision currentVision() const;
    // What a step may change: the controls and the three colours.
    UndoState undoState() const;
    void applyUndoState(const UndoState& state);

    Platform& platform_;

    QRadioButton* count_[2] = {}; // Option1, Option2
    QRadioButton* edit_[3] = {};  // Option3..Option5
    QSlider* slider_[3] = {};     // Slider1..Slider3
    QLabel* sliderLabel_[3] = {}; // Label1..Label3
    QLabel* Label7_ = nullptr;
    ContrastView* Picture3_ = nullptr; // bands
    ContrastView* Picture2_ = nullptr; // lines
    ColourPicture* Picture1_ = nullptr;
    ColourPicture* Picture4_ = nullptr;
    ColourPicture* Picture5_ = nullptr;
    ColourPicture* Picture6_ = nullptr;
    QLabel* Label8_ = nullptr;
    QComboBox* Cible_ = nullptr;
    QMenu* transfert_ = nullptr;

    struct PairReadout {
        QWidget* block;
        QLabel *sample, *ratio;
        RichTextChoice* verdicts;
        QLabel *lc, *simulated;
        QToolButton *textProposal, *backgroundProposal; // shown when the pair misses the target
        int text, background;                          // the colours the pair is made of
    };
    PairReadout pairs_[3] = {}; // 2 on 1, 3 on 1, 3 on 2

    ContrastColours colours_; // ContrasteCoul1..ContrasteCoul3 and the count shown
    QString TexteCopie_;

    std::optional<ControlStates> controls_;
    UndoHistory* history_ = nullptr;
};

} // namespace oria
