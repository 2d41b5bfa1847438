#pragma once

#include "Adjustments.h"
#include "HarmonyDisplay.h"
#include "HarmonyEngine.h"
#include "core/Module1.h"
#include "platform/Platform.h"
#include "widgets/UndoHistory.h"
#include "widgets/WindowDirectory.h"

#include <QHash>
#include <QMainWindow>

class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QSlider;
class QTimer;

namespace oria {

class ColourPicture;
class HarmonyBar;
class ScrollFrame;

// The harmony window: the base colour, the harmony type and count, the squares and the
// proportion bar, the adjustments, and the doors to the other windows.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    Form1(Module1& module, Platform& platform, WindowDirectory& windows, QWidget* parent = nullptr);
    ~Form1() override;

    // Recomputes colours 2..n from the base colour with the selected type, then shows them.
    void CalculerHarmonie();
    // Paints the base swatch, its text, the squares of the current layout and the bar.
    void AfficherHarmonie();
    // Draws a random base colour and shows its components.
    void CouleurBaseAleatoire();

    int nombreCouleurs() const;
    UndoHistory& history() { return *history_; }
    // Its first five colours become the harmony, as they are; one colour is a base colour.
    // A file that cannot be read says why and changes nothing.
    void importPalette(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    void Combo1_Click(int index);
    void deux_Click();
    void trois_Click();
    void quatre_Click();
    void cinq_Click();
    void contrast_Click();
    void noir_Click();
    void sans_Click();
    void Check1_Click();
    void Check2_Click();
    void Slider_Scroll(QSlider* slider);
    void Slider4_Scroll();
    void Command1_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command2_Click();
    void Command3_Click();
    void Command10_Click();
    void menualeatoire_Click();
    void exporter_Click();
    void importer_Click();
    void apropos_Click();
    void astuces_Click();
    void pressepapier_Click();
    void carre_MouseMove(ColourPicture* picture, QPoint pos);
    void carre_MouseDown(ColourPicture* picture, Qt::MouseButton button, QPoint pos);
    void swatch_MouseMove(ColourPicture* picture, QPoint pos);
    void updateClock();

private:
    void Form_Load();
    void buildControls();
    void buildBaseColourFrame(QWidget* total);
    void buildDisplay(QWidget* total);
    void buildCommands(QWidget* total);
    void buildMenus();
    void buildStatusBar();
    void connectControls();
    void installHelpTexts();

    std::optional<HarmonyType> selectedType() const;
    DisplayMode selectedMode() const;
    void refreshOrCalculate();
    void barre_Paint();
    void setFineTuningEnabled(bool on);
    // The controls that follow the count of colours, without showing or computing anything.
    void applyCountRules(int n);
    void countChosen(int n);
    // The adjustment commands (Command7..Command15 and the web-safe menu).
    void Adjust_Click(Adjustment adjustment);
    void showSliders(Colour c);
    // Another window wrote the harmony back: show it as it is, without recomputing.
    void showHandedBack();
    void setStatusText(const QString& text);
    void updateWindowCommands();
    // What a step may change: the controls of the content, the harmony and its settings.
    UndoState undoState() const;
    void applyUndoState(const UndoState& state);

    Module1& module_;
    Platform& platform_;
    WindowDirectory& windows_;

    ScrollFrame* frame_ = nullptr;
    QSlider* slider_[3] = {};     // Slider1..Slider3
    QLabel* sliderLabel_[3] = {}; // Label3..Label5
    ColourPicture* Picture1_ = nullptr;
    QLabel* Label1_ = nullptr;
    QComboBox* Combo1_ = nullptr;
    HarmonyBar* barre_ = nullptr;
    QCheckBox* Check1_ = nullptr;
    QCheckBox* Check2_ = nullptr;
    QRadioButton* count_[4] = {}; // deux..cinq
    QRadioButton* mode_[3] = {};  // contrast1..contrast3
    QRadioButton* noir_ = nullptr;
    QRadioButton* sans_ = nullptr;
    ColourPicture* carre_[7] = {}; // carre1..carre7
    ColourPicture* visu_ = nullptr;
    ColourPicture* Picture2_ = nullptr;
    QLabel* Label6_ = nullptr;
    QLabel* Label11_ = nullptr;
    QGroupBox* Frame5_ = nullptr;
    QSlider* Slider4_ = nullptr;
    QLabel* Label10_ = nullptr;
    QHash<QString, QAbstractButton*> commands_; // Command1..Command15 by name

    QAction* contrastAction_ = nullptr;
    QAction* recalculerAction_ = nullptr;
    QAction* paletteAction_ = nullptr;
    QAction* composeurAction_ = nullptr;
    QMenu* transfert_ = nullptr;

    QLabel* statusText_ = nullptr;
    QLabel* statusDate_ = nullptr;
    QLabel* statusTime_ = nullptr;
    QTimer* clock_ = nullptr;

    QHash<QObject*, QString> helpTexts_;

    std::optional<ControlStates> controls_;
    UndoHistory* history_ = nullptr;
};

} // namespace oria
