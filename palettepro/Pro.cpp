// Building Razezev Aru: controls, loading, the plane and the result squares.
#include "Pro.h"

#include "PlanePainter.h"
#include "PlanePicture.h"
#include "widgets/Builders.h"
#include "widgets/ColourPicture.h"
#include "widgets/ColourReadout.h"
#include "widgets/Progress.h"
#include "widgets/Resources.h"
#include "widgets/ScrollFrame.h"
#include "widgets/Help.h"
#include "widgets/Accessibility.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace oria {

namespace {

constexpr int kContentWidth = 9615; // `total`, twips
constexpr int kContentHeight = 7215;
constexpr int kStatusHeight = 375;

QRadioButton* option(QWidget* parent, const QString& name, const QString& caption, int left,
                     int top, int width) {
    auto* o = make<QRadioButton>(parent, name, left, top, width, 255);
    o->setText(caption);
    return o;
}

QString fromView(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The figure tools, one row each, in their frame; a text box on the row where it is read.
struct FigureRow {
    Figure figure;
    const char* name;
    const char* caption;
};
constexpr FigureRow kFigureRows[] = {
    {Figure::Diagonale, "Option12", "Diagonale"},
    {Figure::AngleFixe, "Option14", "Angle fixe :"},
    {Figure::TriangleEquilateral, "Option7", "Triangle équilatéral"},
    {Figure::TriangleIsocele, "Option8", "Triangle isocèle"},
    {Figure::CarreRot, "Option13", "Carré rot."},
    {Figure::Losange, "Option15", "Losange"},
    {Figure::Rectangle, "Option16", "rectangle"},
    {Figure::RectDep, "Option10", "Rect. dep."},
    {Figure::CarreDep, "Option9", "Carré dep."},
    {Figure::Libre, "Option11", "Libre"},
};

// The result slots, left to right: square, caption above, option below.
struct SlotRow {
    const char* square;
    const char* label;
    const char* caption;
    const char* option;
    int left;
};
constexpr SlotRow kSlotRows[] = {
    {"Picture3", "Label4", "Texte", "OptionPro1", 5520},
    {"Picture7", "Label6", "Fond", "OptionPro5", 6360},
    {"Picture4", "Label5", "Titre", "OptionPro2", 7200},
    {"Picture5", "Label7", "Cercle", "OptionPro3", 8040},
    {"Picture6", "Label8", "Boite", "OptionPro4", 8880},
};

} // namespace

Pro::Pro(Module1& module, Platform& platform, WindowDirectory& windows, QWidget* parent)
    : HandBackDialog(module, windows, parent, "Pro", QStringLiteral("Razezev Aru 1.0"),
                     QSize(kContentWidth, kContentHeight)),
      platform_(platform) {
    buildControls();
    NameControls(this, {
        {"Picture1", "Disque des couleurs"}, {"Picture2", "Couleur sous le pointeur"},
        {"Text1", "Angle fixe (degrés)"}, {"Text2", "Ouverture du triangle isocèle (degrés)"},
        {"Text3", "Angle du losange (degrés)"}, {"Text4", "Côté du rectangle (%)"},
        {"Picture3", "Résultat : texte"}, {"Picture7", "Résultat : fond"},
        {"Picture4", "Résultat : titre"}, {"Picture5", "Résultat : cercle"},
        {"Picture6", "Résultat : boite"},
        {"OptionPro1", "Case du texte"}, {"OptionPro5", "Case du fond"},
        {"OptionPro2", "Case du titre"}, {"OptionPro3", "Case du cercle"},
        {"OptionPro4", "Case de la boite"},
    });
    ReadingTabOrder(this);
    AddManualKey(platform_, this, manual::kRazezevAru);
    // The progress of a plane is a view, never a step.
    controls_.emplace(scrollFrame()->total(), QList<QWidget*>{bar1_});
    history_ = new UndoHistory(
        this, [this] { return undoState(); },
        [this](const UndoState& state) { applyUndoState(state); }, [this] { return platform_.now(); });
    history_->addMenu(menus(), menus()->actions().value(0), this);
    connectControls();
    ResizeToDesign(this);
    Form_Load();
    history_->reset();
    setAcceptDrops(true);
}

void Pro::buildControls() {
    auto* bar = new QStatusBar(this);
    bar->setObjectName("StatusBar1");
    bar->setFixedHeight(Px(kStatusHeight));
    statusText_ =
        AddStatusPanel(bar, "StatusBar1_Panel1", QStringLiteral("Oria 1.0 - Razezev aru"), true);
    contentLayout()->addWidget(bar);

    QWidget* total = scrollFrame()->total();
    buildPlaneControls(total);
    buildFigureTools(total);
    buildResults(total);
    scrollFrame()->setDesignSize(scrollFrame()->fullSize());

    transfert_ = MakeTransfertMenu(this, QStringLiteral("Copier dans presse papier"));
}

void Pro::buildPlaneControls(QWidget* total) {
    Picture1_ = new PlanePicture(total, "Picture1");
    Picture1_->move(TwipsPoint(0, 120));
    bar1_ = make<QProgressBar>(total, "bar1", 0, 5520, 5295, 255);
    bar1_->setRange(0, 102);
    bar1_->setValue(0);
    bar1_->setTextVisible(false);

    QGroupBox* Frame1 = frame(total, "Frame1", QStringLiteral("Résolution"), 5520, 0, 1935, 1215);
    const char* resolutionNames[] = {"Option1", "Option2", "Option6"};
    for (std::size_t i = 0; i < kResolutions.size(); ++i) {
        resolution_[i] = option(Frame1, resolutionNames[i], fromView(kResolutions[i].caption), 180,
                                270 + 300 * static_cast<int>(i), 1635);
    }
    QGroupBox* Frame2 = frame(total, "Frame2", QStringLiteral("Palette"), 7560, 0, 2055, 1215);
    const char* modeNames[] = {"Option3", "Option4", "Option5"};
    for (std::size_t i = 0; i < kPlaneModes.size(); ++i) {
        mode_[i] = option(Frame2, modeNames[i], fromView(kPlaneModes[i].caption), 180,
                          270 + 300 * static_cast<int>(i), 1755);
    }

    Frame3_ = frame(total, "Frame3", QStringLiteral("Niveau"), 5520, 1320, 1095, 3720);
    Slider1_ = slider(Frame3_, "Slider1", 0, 200, 5, 20, 300, 300, 495, 2520, Qt::Vertical);
    Label1_ = label(Frame3_, "Label1", QStringLiteral("100"), 120, 2880, 855, 255);
    Label1_->setAlignment(Qt::AlignCenter);
    button(Frame3_, "Command4", QStringLiteral(">100<"), 120, 3180, 855, 375);

    Command1_ = pictureButton(total, "Command1",
                              QStringLiteral("Charger une image comme palette - 350x350 pixels"),
                              3480, 6000, 615, 495);
}

void Pro::buildFigureTools(QWidget* total) {
    constexpr int kFirstRow = 300; // below the frame's title
    Frame4_ = frame(total, "Frame4", QStringLiteral("Outils"), 6720, 1320, 2895, 3720);
    figures_ = new QButtonGroup(this);
    int top = kFirstRow;
    for (const FigureRow& row : kFigureRows) {
        auto* o = option(Frame4_, row.name, QString::fromUtf8(row.caption), 120, top, 1815);
        figures_->addButton(o, static_cast<int>(row.figure));
        top += 300;
        if (row.figure == Figure::TriangleIsocele) {
            top += 300; // its apex angle on a row of its own
        }
    }
    figures_->button(static_cast<int>(Figure::Diagonale))->setChecked(true);

    auto textBox = [&](const char* name, const char* text, int row) {
        auto* t = make<QLineEdit>(Frame4_, name, 1920, kFirstRow - 15 + 300 * row, 615, 285);
        t->setText(QString::fromLatin1(text));
        return t;
    };
    text_[0] = textBox("Text1", "90", 1);
    text_[1] = textBox("Text2", "45", 4);
    text_[2] = textBox("Text3", "60", 6);
    text_[3] = textBox("Text4", "50", 7);
    label(Frame4_, "Label3", QStringLiteral("ouverture :"), 720, kFirstRow + 300 * 4, 1095, 255)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label(Frame4_, "Label9", QStringLiteral("% :"), 1440, kFirstRow + 300 * 6, 375, 255)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label(Frame4_, "Label10", QStringLiteral("% :"), 1440, kFirstRow + 300 * 7, 375, 255)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The text boxes of the rows without one stop short of the captions' width.
    for (auto* o : {figures_->button(static_cast<int>(Figure::AngleFixe)),
                    figures_->button(static_cast<int>(Figure::Losange)),
                    figures_->button(static_cast<int>(Figure::Rectangle))}) {
        o->resize(Px(1335), o->height());
    }
}

void Pro::buildResults(QWidget* total) {
    slots_ = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        const SlotRow& row = kSlotRows[i];
        label(total, row.label, QString::fromUtf8(row.caption), row.left, 5640, 735, 255)
            ->setAlignment(Qt::AlignCenter);
        squares_[i] = swatch(total, row.square, row.left, 6000, 735, 735);
        auto* o = make<QRadioButton>(total, row.option, row.left + 240, 6840, 495, 255);
        slots_->addButton(o, i);
    }
    slots_->button(0)->setChecked(true);

    Picture2_ = swatch(total, "Picture2", 4200, 6000, 1095, 735);
    Label2_ = label(total, "Label2", QStringLiteral("html"), 4200, 6780, 1095, 255);
    Label2_->setAlignment(Qt::AlignCenter);

    // Offered once a picture is loaded: its dominant colours into the five results.
    Command5_ = button(total, "Command5", QStringLiteral("Extraire les couleurs"), 120, 6060,
                       3240, 375);
    Command5_->setEnabled(false);

    button(total, "Command2", QStringLiteral("OK"), 0, 6840, 855, 375);
    button(total, "Command3", QStringLiteral("Annuler"), 960, 6840, 855, 375);
    // Enter in a text box must not close the window: no button is the default.
    for (QPushButton* b : total->findChildren<QPushButton*>()) {
        b->setAutoDefault(false);
    }
}

void Pro::Form_Load() {
    setWindowIcon(ProgramIcon());
    Command1_->setIcon(QIcon(Bitmap(114, QSize(24, 24))));
    Command1_->setIconSize(QSize(24, 24));
    resolution_[static_cast<int>(Resolution::Basse)]->setChecked(true);
    mode_[static_cast<int>(PlaneMode::Saturation)]->setChecked(true);
    Slider1_->setValue(100);
    ProCouleur_ = module_.harmony();
    module_.RetourDialogue = 0;
    figure_Click();
    GenererPlan();
    AfficherCouleurs();
}

std::optional<Resolution> Pro::selectedResolution() const {
    for (std::size_t i = 0; i < kResolutions.size(); ++i) {
        if (resolution_[i]->isChecked()) {
            return kResolutions[i].resolution;
        }
    }
    return std::nullopt;
}

std::optional<PlaneMode> Pro::selectedMode() const {
    for (std::size_t i = 0; i < kPlaneModes.size(); ++i) {
        if (mode_[i]->isChecked()) {
            return kPlaneModes[i].mode;
        }
    }
    return std::nullopt;
}

void Pro::GenererPlan() {
    bar1_->setValue(0);
    // With no option selected (a picture was loaded), selecting one runs its click, which
    // generates the plane with the new choice.
    if (!selectedResolution()) {
        resolution_[static_cast<int>(Resolution::Basse)]->setChecked(true);
        resolution_Click();
        return;
    }
    if (!selectedMode()) {
        mode_[static_cast<int>(PlaneMode::Saturation)]->setChecked(true);
        mode_Click();
        return;
    }
    const Plane plane =
        oria::GenererPlan(*selectedResolution(), *selectedMode(), Slider1_->sliderPosition());
    Picture1_->setBackgroundColour(plane.background);
    EnCours_ = false; // the overlay is cleared: no rubber band left to erase
    const QuietProgress quiet(bar1_);
    Picture1_->setPlane(PaintPlane(plane, [this] { bar1_->setValue(bar1_->value() + 1); }));
    bar1_->setValue(0);
}

void Pro::AfficherCouleurs() {
    for (int i = 0; i < 5; ++i) {
        Colour& c = ProCouleur_[static_cast<std::size_t>(i)];
        if (c < 0) {
            c = RGB(128, 128, 128);
        }
        squares_[i]->setBackgroundColour(c);
    }
}

} // namespace oria
