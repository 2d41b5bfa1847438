// Building the composer: controls, menus, loading, the page and the zone rules.
#include "Compo.h"

#include "GridPainter.h"
#include "LegibilityPanel.h"
#include "PageViews.h"
#include "widgets/Builders.h"
#include "widgets/ColourReadout.h"
#include "widgets/Resources.h"
#include "widgets/ScrollFrame.h"
#include "widgets/VisionChoice.h"
#include "widgets/Accessibility.h"

#include <QAction>
#include <QCheckBox>
#include <QMenuBar>
#include <QRadioButton>
#include <QToolButton>

namespace oria {

namespace {

constexpr int kDesignedWidth = 12255; // the designed content; the legibility frame beside it
constexpr int kContentWidth = kDesignedWidth + 120 + LegibilityPanel::kWidth; // `total`, twips
constexpr int kContentHeight = 7575;
constexpr QSize kEndGap{200, 200}; // no status bar

const QString kParagraph = QStringLiteral(
    "Une harmonie se juge sur la page. Le fond installe l'ambiance, le titre accroche le "
    "regard et le texte courant doit se lire sans effort : s'il fatigue, le contraste "
    "manque. Essayez plusieurs couleurs, observez les masses, puis gardez celle qui laisse "
    "respirer la mise en page et reste lisible de loin.");

// The picture buttons: caption under the picture.
struct CommandRow {
    const char* name;
    const char* caption;
    int bitmap;
    int left, top;
};
constexpr CommandRow kCommands[] = {
    {"Command10", "Choisir ...", 103, 5160, 6000}, {"Command1", "Aléatoire", 102, 6600, 6000},
    {"Command8", "Web Safe", 111, 8040, 6000},     {"Command9", "Ouvrir", 107, 5160, 6840},
    {"Command5", "Enregistrer", 105, 6600, 6840},  {"Command2", "Razezev Aru 1.0", 108, 8040, 6840},
    {"Command4", "Vizozudu 1.0", 104, 9480, 6840}, {"Command11", "", 113, 10920, 6840},
};

} // namespace

Compo::Compo(Module1& module, Platform& platform, WindowDirectory& windows, QWidget* parent)
    : QMainWindow(parent), module_(module), platform_(platform), windows_(windows) {
    setObjectName("Compo");
    buildControls();
    NameControls(this, {
        {"Picture3", "Page"},
        {"shape2", "Couleur du fond"}, {"shape3", "Couleur du cercle"},
        {"shape4", "Couleur de la boite"}, {"shape5", "Couleur du titre"},
        {"shape6", "Couleur du texte"},
        {"Check4", "Cercle visible"}, {"Check1", "Boite visible"}, {"Check2", "Titre visible"},
        {"Check3", "Texte visible"},
        {"Check9", "Fond modifiable"}, {"Check6", "Cercle modifiable"},
        {"Check7", "Boite modifiable"}, {"Check8", "Titre modifiable"},
        {"Check5", "Texte modifiable"},
        {"Picture1", "Mélange de la couleur palette"},
        {"Picture2", "Désaturation couleur de base"}, {"HScroll1", "Niveau du mélange"},
        {"VScroll1", "Rouge"}, {"VScroll2", "Vert"}, {"VScroll3", "Bleu"},
        {"Picture4", "Couleurs sous le pointeur"}, {"Command11", "Charte graphique"},
        {"Cible", "Cible"},
    });
    ReadingTabOrder(this);
    controls_.emplace(frame_->total());
    history_ = new UndoHistory(
        this, [this] { return undoState(); },
        [this](const UndoState& state) { applyUndoState(state); }, [this] { return platform_.now(); });
    buildMenus();
    setCaption(QStringLiteral("Roverevod 1.0"));
    connectControls();
    ResizeToDesign(this);
    legibility_->setTarget(TargetNamed(
        platform_.setting(QString::fromLatin1(kTargetSettingKey), QStringLiteral("aa"))
            .toStdString()));
    Form_Load();
    showRecentPages();
    history_->reset();
    setAcceptDrops(true);
}

void Compo::buildControls() {
    frame_ = new ScrollFrame(this, QSize(kContentWidth, kContentHeight), kEndGap);
    setCentralWidget(frame_);
    QWidget* total = frame_->total();
    buildPage(total);
    legibility_ = new LegibilityPanel(total, kDesignedWidth + 120, 0, kContentHeight);
    buildZones(total);
    buildGrids(total);
    buildCommands(total);
    frame_->setDesignSize(frame_->fullSize());
    transfert_ = MakeTransfertMenu(this, QStringLiteral("Copier dans le presse papier"));
}

void Compo::buildPage(QWidget* total) {
    Picture3_ = new PageView(total);
    Picture3_->setObjectName("Picture3");
    Picture3_->setGeometry(TwipsRect(0, 0, 4455, 3735));
}

void Compo::buildZones(QWidget* total) {
    QGroupBox* zones =
        frame(total, "Frame1", QStringLiteral("Zone de travail"), 0, 3840, 5055, 2535);
    for (std::size_t k = 0; k < kZoneCount; ++k) {
        const ZoneRow& row = kZones[k];
        const int left = 120 + 960 * static_cast<int>(k);
        zoneOption_[k] = make<QRadioButton>(zones, row.option, left, 270, 915, 255);
        zoneOption_[k]->setText(QString::fromLatin1(row.caption));
        swatch_[k] = swatch(zones, row.swatch, left, 570, 855, 855);
        html_[k] = label(zones, row.label, QStringLiteral("#FFFFFF"), left, 1470, 900, 255);
        if (row.visible) {
            visible_[k] = make<QCheckBox>(zones, row.visible, left, 1800, 915, 255);
            visible_[k]->setText(QStringLiteral("Visible"));
        } else {
            label(zones, "Label10", QStringLiteral("Tjrs Visible"), left, 1800, 915, 255);
        }
        modif_[k] = make<QCheckBox>(zones, row.modif, left, 2100, 915, 255);
        modif_[k]->setText(QStringLiteral("Modif."));
    }
    zoneOption_[0]->setChecked(true);
    Check11_ = make<QCheckBox>(total, "Check11", 0, 6480, 2295, 255);
    Check11_->setText(QStringLiteral("Tous visibles"));
    Check10_ = make<QCheckBox>(total, "Check10", 0, 6780, 2295, 255);
    Check10_->setText(QStringLiteral("Tous modifiables"));
    Label11_ = label(total, "Label11", QString(), 2520, 6480, 1335, 255);
    // Every box starts ticked; the opening steps clear what the harmony leaves out.
    for (QCheckBox* box : total->findChildren<QCheckBox*>()) {
        box->setChecked(true);
    }
}

void Compo::buildGrids(QWidget* total) {
    label(total, "Label1", QStringLiteral("Mélange de la couleur palette"), 5160, 0, 3495, 255);
    Picture1_ = make<GridPicture>(total, "Picture1", 5160, 240, 3495, 3495);
    label(total, "Label2", QStringLiteral("Désaturation couleur de base"), 8760, 0, 3495, 255);
    Picture2_ = make<GridPicture>(total, "Picture2", 8760, 240, 3495, 3495);

    QGroupBox* resolution =
        frame(total, "Frame2", QStringLiteral("Résolution"), 5160, 3840, 1695, 1335);
    const char* cellNames[] = {"Option1", "Option2", "Option11", "Option12"};
    for (int i = 0; i < 4; ++i) {
        cells_[i] = make<QRadioButton>(resolution, cellNames[i], 120 + 780 * (i / 2),
                                       360 + 420 * (i % 2), 735, 255);
        cells_[i]->setText(QString::number(kGridCells[static_cast<std::size_t>(i)]));
    }
    cells_[0]->setChecked(true);

    QGroupBox* palette = frame(total, "Frame3", QStringLiteral("Palette"), 6960, 3840, 1695, 1335);
    const char* axisNames[] = {"Option8", "Option9", "Option10"};
    const char* axisCaptions[] = {"rouge", "bleu", "vert"};
    for (int i = 0; i < 3; ++i) {
        axis_[i] = make<QRadioButton>(palette, axisNames[i], 120, 270 + 330 * i, 1455, 255);
        axis_[i]->setText(QString::fromLatin1(axisCaptions[i]));
    }
    axis_[0]->setChecked(true);
    HScroll1_ = slider(total, "HScroll1", 0, 255, 16, 32, 6960, 5280, 1275, 450);
    HScroll1_->setTickPosition(QSlider::NoTicks);
    Label8_ = label(total, "Label8", QStringLiteral("127"), 8280, 5340, 375, 255);

    QGroupBox* base =
        frame(total, "Frame4", QStringLiteral("Couleur de base"), 8760, 3840, 1695, 1935);
    for (int i = 0; i < 3; ++i) {
        shade_[i] = slider(base, QStringLiteral("VScroll%1").arg(i + 1), 0, 255, 16, 32,
                           120 + 540 * i, 270, 375, 1275, Qt::Vertical);
        shade_[i]->setTickPosition(QSlider::NoTicks);
        shadeLabel_[i] = label(base, QStringLiteral("Label%1").arg(i + 5), QStringLiteral("0"),
                               60 + 540 * i, 1590, 495, 255);
        shadeLabel_[i]->setAlignment(Qt::AlignCenter);
    }

    Picture4_ = make<IndicatorView>(total, "Picture4", 10560, 3840, 1695, 1455);
    Picture4_->setBorder(true);
    Label12_ = label(total, "Label12", QStringLiteral("#000000"), 10560, 5340, 855, 255);
    Label13_ = label(total, "Label13", QStringLiteral("#000000"), 11400, 5340, 855, 255);
    Check12_ = make<QCheckBox>(total, "Check12", 10560, 5640, 1335, 255);
    Check12_->setText(QStringLiteral("auto"));
}

void Compo::buildCommands(QWidget* total) {
    for (const CommandRow& c : kCommands) {
        auto* b = make<QToolButton>(total, c.name, c.left, c.top, 1335, 735);
        b->setText(QString::fromUtf8(c.caption));
        b->setToolButtonStyle(*c.caption ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
        b->setIcon(QIcon(Bitmap(c.bitmap, QSize(24, 24))));
        b->setIconSize(QSize(24, 24));
    }
    findChild<QToolButton*>("Command11")->setToolTip(QStringLiteral("Charte graphique"));
    label(total, "Label14", QStringLiteral("Texte :"), 9480, 6060, 735, 255);
    button(total, "Command6", QStringLiteral("Noir"), 10320, 6000, 855, 315);
    button(total, "Command7", QStringLiteral("Blanc"), 10320, 6360, 855, 315);
    button(total, "Command3", QStringLiteral("OK"), 3720, 6900, 1335, 495);
}

void Compo::buildMenus() {
    auto addMenu = [this](const char* name, const QString& title) {
        return oria::addMenu(this, name, title);
    };
    auto addItem = [this](QMenu* menu, const char* name, const QString& text, auto slot,
                          QKeySequence key = {}, const char* stepName = nullptr) {
        QAction* action = addMenuItem(this, menu, name, text, key);
        if (stepName) {
            connect(action, &QAction::triggered, this,
                    [this, slot, text = QString::fromUtf8(stepName)] {
                        history_->record(text, [this, slot] { (this->*slot)(); });
                    });
        } else {
            connect(action, &QAction::triggered, this, slot);
        }
        return action;
    };
    QMenu* fichiers = addMenu("fichiers", QStringLiteral("&Fichiers"));
    addItem(fichiers, "enregistrer", QStringLiteral("&Enregistrer"), &Compo::Command5_Click,
            QKeySequence::Save);
    addItem(fichiers, "charger", QStringLiteral("&Charger"), &Compo::Command9_Click,
            QKeySequence::Open);
    recent_ = fichiers->addMenu(QStringLiteral("Pages &récentes"));
    recent_->setObjectName("recentes");
    connect(fichiers, &QMenu::aboutToShow, this, &Compo::showRecentPages);
    addItem(fichiers, "importer", QStringLiteral("&Importer des couleurs..."),
            &Compo::importer_Click, QKeySequence(Qt::CTRL | Qt::Key_I));
    fichiers->addSeparator()->setObjectName("rien");
    addItem(fichiers, "exporter", QStringLiteral("E&xporter les couleurs..."),
            &Compo::exporter_Click, QKeySequence(Qt::CTRL | Qt::Key_E));
    fichiers->addSeparator()->setObjectName("rienexport");
    addItem(fichiers, "quiter", QStringLiteral("Quiter"), &Compo::close);

    QMenu* outils = addMenu("outils", QStringLiteral("&Outils"));
    history_->addMenu(menuBar(), outils->menuAction(), this);
    addItem(outils, "palette", QStringLiteral("&Razezev Aru 1.0"), &Compo::Command2_Click,
            Qt::Key_F5, "Razezev Aru 1.0");
    addItem(outils, "contrast", QStringLiteral("&Vizozudu 2/3 couleurs"), &Compo::Command4_Click,
            Qt::Key_F6, "Vizozudu 1.0");
    addItem(outils, "websafe", QStringLiteral("Couleurs &Web Safe"), &Compo::Command8_Click,
            Qt::Key_F7, "Web Safe");
    addItem(outils, "alea", QStringLiteral("&Aléatoire"), &Compo::Command1_Click, Qt::Key_F8,
            "Aléatoire");
    outils->addSeparator()->setObjectName("rienter");
    chartegrap_ = addItem(outils, "chartegrap", QStringLiteral("Charte &graphique"),
                          &Compo::Command11_Click, Qt::Key_F9);

    if (VisionChoice* vision = windows_.visionChoice()) {
        vision->addMenu(menuBar());
        connect(vision, &VisionChoice::changed, this, [this] { setCaption(caption_); });
    }
    QMenu* aide = addMenu("aide", QStringLiteral("&Aide"));
    addItem(aide, "aideoria", QStringLiteral("&Aide Oria 2000"), &Compo::aideoria_Click, Qt::Key_F1);
    addItem(aide, "astuces", QStringLiteral("A&stuces Oria 2000"), &Compo::astuces_Click);
    aide->addSeparator()->setObjectName("rienbis");
    addItem(aide, "apropos", QStringLiteral("A &propos d'Oria 2000"), &Compo::apropos_Click);
}

void Compo::Form_Load() {
    setWindowIcon(ProgramIcon());
    Picture3_->setPage({{}, true, true, true, logo_, kParagraph});
    HScroll1_->setValue(127);
    for (int i = 0; i < 3; ++i) {
        shadeLabel_[i]->setText(QString::number(shade_[i]->value()));
    }
    // "Tous modifiables" starts ticked: the "Modif." boxes are locked.
    for (QCheckBox* box : modif_) {
        box->setEnabled(false);
    }

    const int n = module_.NbCouleursCompo;
    const HarmonyAssignment assignment = AssignmentFor(n);
    const Palette harmony = module_.harmony();
    for (std::size_t k = 0; k < kZoneCount; ++k) {
        if (assignment.slot[k]) {
            setZone(kZones[k].zone, harmony[static_cast<std::size_t>(*assignment.slot[k])]);
        }
    }
    bool clearedAny = false;
    for (const char* name : assignment.cleared) {
        if (name) {
            setBox(findChild<QCheckBox*>(name), false);
            clearedAny = true;
        }
    }
    if (!clearedAny) {
        runBoxRule(Check11_);
    }
    for (std::size_t k = 0; k < kZoneCount; ++k) {
        if (!assignment.slot[k]) {
            disableZone(kZones[k].zone);
        }
    }
    Label11_->setText(QStringLiteral("%1 couleurs").arg(std::clamp(n, 2, 5)));
    const bool charter = windows_.isAvailable(WindowDirectory::Window::Charte);
    findChild<QToolButton*>("Command11")->setEnabled(charter);
    chartegrap_->setEnabled(charter);

    Picture1_Paint();
    Picture2_Paint();
    Picture3_Paint();
}

void Compo::setCaption(const QString& caption) {
    caption_ = caption;
    VisionChoice* vision = windows_.visionChoice();
    setWindowTitle(vision ? vision->decorate(caption) : caption);
}

// ---- zones ----

ZoneColours Compo::zoneColours() const {
    ZoneColours colours{};
    for (std::size_t k = 0; k < kZoneCount; ++k) {
        colours[k] = swatch_[k]->backgroundColour();
    }
    return colours;
}

ZoneFlags Compo::visibleFlags() const {
    ZoneFlags flags{};
    for (std::size_t k = 0; k < kZoneCount; ++k) {
        flags[k] = !visible_[k] || visible_[k]->isChecked();
    }
    return flags;
}

ZoneFlags Compo::modifiableFlags() const {
    ZoneFlags flags{};
    for (std::size_t k = 0; k < kZoneCount; ++k) {
        flags[k] = modif_[k]->isChecked();
    }
    return flags;
}

std::optional<Zone> Compo::selectedZone() const {
    for (std::size_t k = 0; k < kZoneCount; ++k) {
        if (zoneOption_[k]->isChecked()) {
            return kZones[k].zone;
        }
    }
    return std::nullopt;
}

void Compo::setZone(Zone zone, Colour c) {
    swatch_[Index(zone)]->setBackgroundColour(c);
    html_[Index(zone)]->setText(HexQString(c));
}

void Compo::setZones(const ZoneColours& colours) {
    for (std::size_t k = 0; k < kZoneCount; ++k) {
        setZone(kZones[k].zone, colours[k]);
    }
}

// A zone the harmony has no colour for: grey, out of reach, off the page. Its label keeps
// its design text.
void Compo::disableZone(Zone zone) {
    swatch_[Index(zone)]->setBackgroundColour(kDisabledZoneColour);
    swatch_[Index(zone)]->setEnabled(false);
    zoneOption_[Index(zone)]->setEnabled(false);
    if (zone == Zone::Titre) {
        logo_.clear();
    }
}

void Compo::selectZone(Zone zone, bool on) {
    QRadioButton* option = zoneOption_[Index(zone)];
    if (on) {
        option->setChecked(true);
        return;
    }
    // An exclusive option cannot be unchecked while it stays exclusive.
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

void Compo::setBox(QCheckBox* box, bool ticked) {
    if (box->isChecked() != ticked) {
        box->setChecked(ticked);
        runBoxRule(box);
    }
}

void Compo::runBoxRule(QCheckBox* box) {
    if (box == Check10_) {
        Check10_Click();
    } else if (box == Check11_) {
        Check11_Click();
    } else {
        for (std::size_t k = 0; k < kZoneCount; ++k) {
            if (box == visible_[k]) {
                visible_Click(kZones[k].zone);
            }
        }
    }
}

void Compo::visible_Click(Zone zone) {
    const std::size_t k = Index(zone);
    const bool on = visible_[k]->isChecked();
    zoneOption_[k]->setEnabled(on);
    html_[k]->setEnabled(on);
    selectZone(zone, on);
    if (on && zone != Zone::Texte) {
        swatch_[k]->setEnabled(true);
    }
    if (zone == Zone::Titre) {
        // The title is hidden by emptying it.
        logo_ = on ? QStringLiteral("Cromalune") : QString();
    }
    Picture3_Paint();
}

void Compo::Check11_Click() {
    const bool on = Check11_->isChecked();
    // The boxes' own order (Check1..Check4), not the zones': the last rule run picks the
    // selected zone.
    for (Zone zone : {Zone::Boite, Zone::Titre, Zone::Texte, Zone::Cercle}) {
        QCheckBox* box = visible_[Index(zone)];
        if (on) {
            setBox(box, true);
        }
        box->setEnabled(!on);
    }
}

void Compo::Check10_Click() {
    const bool on = Check10_->isChecked();
    for (QCheckBox* box : modif_) {
        if (on) {
            box->setChecked(true);
        }
        box->setEnabled(!on);
    }
}

// ---- painting ----

void Compo::Picture3_Paint() {
    const ZoneColours colours = zoneColours();
    const ZoneFlags visible = visibleFlags();
    PageView::Page page = Picture3_->page();
    page.colours = colours;
    // Hidden elements keep their colours; a disabled zone's box is always cleared.
    page.cercle = visible[Index(Zone::Cercle)];
    page.carre = visible[Index(Zone::Boite)];
    page.texte = visible[Index(Zone::Texte)];
    page.logo = logo_;
    Picture3_->setPage(page);
    legibility_->show(colours, visible, !logo_.isEmpty());
    module_.CouleurTexte = colours[Index(Zone::Texte)];
    module_.CouleurDecors1 = colours[Index(Zone::Cercle)];
    module_.CouleurDecors2 = colours[Index(Zone::Boite)];
    module_.CouleurTitre = colours[Index(Zone::Titre)];
    module_.CouleurFond = colours[Index(Zone::Fond)];
}

int Compo::gridCells() const {
    for (std::size_t i = 0; i < kGridCells.size(); ++i) {
        if (cells_[i]->isChecked()) {
            return kGridCells[i];
        }
    }
    return kGridCells[0];
}

PaletteAxis Compo::paletteAxis() const {
    const PaletteAxis axes[] = {PaletteAxis::Rouge, PaletteAxis::Bleu, PaletteAxis::Vert};
    for (int i = 0; i < 3; ++i) {
        if (axis_[i]->isChecked()) {
            return axes[i];
        }
    }
    return PaletteAxis::Rouge;
}

void Compo::Picture1_Paint() {
    Label8_->setText(QString::number(HScroll1_->sliderPosition()));
    Picture1_->setGrid(
        PaintGrid(PaletteGrid(gridCells(), paletteAxis(), HScroll1_->sliderPosition())));
}

void Compo::Picture2_Paint() {
    const Colour base =
        RGB(shade_[0]->sliderPosition(), shade_[1]->sliderPosition(), shade_[2]->sliderPosition());
    Picture2_->setGrid(PaintGrid(ShadeGrid(gridCells(), base)));
}

} // namespace oria
