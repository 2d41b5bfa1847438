#pragma once

#include "ColourPlane.h"
#include "Figures.h"
#include "core/Module1.h"
#include "platform/Platform.h"
#include "widgets/HandBackDialog.h"
#include "widgets/UndoHistory.h"
#include <QThreadPool>
#include <future>
#include <memory>
#include <optional>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QStatusBar;

namespace oria {

class ColourPicture;
class PlanePicture;

// Razezev Aru, the geometric picker: figures dragged on a colour plane pick several
// colours at once into five result slots, handed back to the harmony on "OK".
class Pro : public HandBackDialog {
    Q_OBJECT
public:
    Pro(Module1& module, Platform& platform, WindowDirectory& windows, QWidget* parent = nullptr);

    // Regenerates the plane from the selected resolution, mode and level.
    void GenererPlan();
    // Shows the five result colours; negative ones become grey.
    void AfficherCouleurs();

    UndoHistory& history() { return *history_; }
    const Palette& ProCouleurs() const { return ProCouleur_; }
    std::optional<Resolution> selectedResolution() const;
    std::optional<PlaneMode> selectedMode() const;
    Figure selectedFigure() const;

private slots:
    void resolution_Click();
    void mode_Click();
    void Slider1_Click();
    void Command4_Click();
    void Command1_Click();
    void Command5_Click();
    void figure_Click();
    void Picture1_MouseDown(Qt::MouseButton button, PlanePoint at);
    void Picture1_MouseMove(Qt::MouseButtons buttons, PlanePoint at, QPoint pos);
    void Picture1_MouseUp(Qt::MouseButton button, QPoint pos);
    void square_MouseMove(ColourPicture* square, QPoint pos);
    void square_MouseDown(ColourPicture* square, Qt::MouseButton button, QPoint pos);
    void pressepapier_Click();
    void Command2_Click();
    void Command3_Click();

protected:
    void handBack() override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Form_Load();
    void buildControls();
    void buildPlaneControls(QWidget* total);
    void buildFigureTools(QWidget* total);
    void buildResults(QWidget* total);
    void connectControls();
    void showReadout(Colour c);
    // A picture file as the plane, after the same checks as the open dialog's; one step.
    void loadPicture(const QString& path);
    // The step a drag on the plane makes: the figure's caption.
    QString figureStep() const;
    // What a step may change: the controls, the five results, the plane and its figure.
    UndoState undoState() const;
    void applyUndoState(const UndoState& state);
    void deselectPlaneOptions();
    FigureParameters figureParameters() const;
    int selectedSlot() const;
    // The dominant colours of picture_, worked out in the background.
    void startExtraction();

    Platform& platform_;

    PlanePicture* Picture1_ = nullptr;
    QRadioButton* resolution_[3] = {}; // in kResolutions order: Option1, Option2, Option6
    QRadioButton* mode_[3] = {};       // in kPlaneModes order: Option3, Option4, Option5
    QGroupBox* Frame3_ = nullptr;
    QGroupBox* Frame4_ = nullptr;
    QSlider* Slider1_ = nullptr;
    QLabel* Label1_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QPushButton* Command5_ = nullptr;
    // The pixels of the picture loaded that its dominant colours are read from
    // (DominantSample); the plane shows the picture itself stretched.
    QImage picture_;
    std::shared_future<std::vector<Colour>> extraction_; // of the picture with this key
    qint64 extractionKey_ = 0;
    // One worker of the window's own: the painting's threads stay free, a picture loaded over
    // one still being read waits its turn, and closing the window waits for it.
    std::unique_ptr<QThreadPool> extractor_ = [] {
        auto pool = std::make_unique<QThreadPool>();
        pool->setMaxThreadCount(1);
        return pool;
    }();
    QProgressBar* bar1_ = nullptr;
    QButtonGroup* figures_ = nullptr; // ids are Figure values
    QLineEdit* text_[4] = {};         // Text1..Text4
    ColourPicture* squares_[5] = {}; // slots 1..5: Picture3, Picture7, Picture4, Picture5, Picture6
    QButtonGroup* slots_ = nullptr;  // ids are slots 0..4: OptionPro1, 5, 2, 3, 4
    ColourPicture* Picture2_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLabel* statusText_ = nullptr;
    QMenu* transfert_ = nullptr;

    std::optional<ControlStates> controls_;
    UndoHistory* history_ = nullptr;

    Palette ProCouleur_{};
    FigureState figure_;
    bool EnCours_ = false;
};

} // namespace oria
