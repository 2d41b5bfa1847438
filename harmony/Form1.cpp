// Building the harmony window: controls, menus, status bar and loading.
#include "Form1.h"

#include "HarmonyBar.h"
#include "widgets/Builders.h"
#include "widgets/ColourPicture.h"
#include "widgets/ColourReadout.h"
#include "widgets/Resources.h"
#include "widgets/ScrollFrame.h"
#include "widgets/Twips.h"
#include "widgets/VisionChoice.h"
#include "widgets/Help.h"
#include "widgets/Accessibility.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

namespace oria {

namespace {

constexpr int kContentWidth = 7935; // `total`, twips
constexpr int kContentHeight = 8295;
constexpr int kInnerWidth = 8175; // the window's designed inner area, status bar included
constexpr int kInnerHeight = 8910;
constexpr int kStatusHeight = 375;

// Status-bar help shown while the pointer moves over a control.
struct HelpText {
    const char* control;
    const char* text;
};
constexpr HelpText kHelpTexts[] = {
    {"Command1", "Cliquez pour choisir une couleur dans le selecteur"},
    {"Command10", "Lance l'outil Razezev Aru"},
    {"Command11", "Diminue la luminosité des couleurs calculées de 5%"},
    {"Command12", "Augmente la luminosité des couleurs calculées de 5%"},
    {"Command13", "Cycle les couleurs actuelles entre elles"},
    {"Command14", "Mélange les couleurs actuelles"},
    {"Command15", "Classe les couleurs du clair au foncé"},
    {"Command2", "Etape 2 : le composeur de page"},
    {"Command3", "Visualisation des contrastes jusqu'à 3 couleurs"},
    {"Command4", "Génère une couleur aléatoire principale"},
    {"Command5", "Relance les calculs d'harmonies (annule les modifications manuelles)"},
    {"Command6", "Remise rapide à zéro du réglage fin"},
    {"Command7", "Transforme les couleurs pour le web 216"},
    {"Command8", "Augmente la saturation des couleurs calculées de 5%"},
    {"Command9", "Diminue la saturation des couleurs calculées de 5%"},
    {"Frame2", "Permet de choisir le nombre de couleurs"},
    {"Frame3", "Change le type d'affichage"},
    {"Frame4", "Change la couleur du bord dans l'affichage"},
    {"Slider1", "Composante rouge"},
    {"Slider2", "Composante verte"},
    {"Slider3", "Composante bleue"},
    {"Slider4", "Permet de modifier finement l'harmonie"},
};

} // namespace

Form1::Form1(Module1& module, Platform& platform, WindowDirectory& windows, QWidget* parent)
    : QMainWindow(parent), module_(module), platform_(platform), windows_(windows) {
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("Oria 2000"));
    buildControls();
    NameControls(this, {
        {"Slider1", "Rouge"}, {"Slider2", "Vert"}, {"Slider3", "Bleu"},
        {"Picture1", "Couleur de base"}, {"Combo1", "Harmonie"},
        {"barre", "Barre des proportions"},
        {"carre1", "Aperçu : bande du haut"}, {"carre2", "Aperçu : bande du bas"},
        {"carre3", "Aperçu : carré 3"}, {"carre4", "Aperçu : carré 4"},
        {"carre5", "Aperçu : carré 5"}, {"carre6", "Aperçu : bande de droite"},
        {"carre7", "Aperçu : bande de gauche"},
        {"visu", "Contraste : première couleur"}, {"Picture2", "Contraste : seconde couleur"},
        {"Command2", "Étape 2 : le composeur de page"},
    });
    ReadingTabOrder(this);
    // The pointer's read-out and the square clicked last are views, never steps.
    controls_.emplace(frame_->total(), QList<QWidget*>{visu_, Label6_, Picture2_, Label11_});
    history_ = new UndoHistory(
        this, [this] { return undoState(); },
        [this](const UndoState& state) { applyUndoState(state); }, [this] { return platform_.now(); });
    buildMenus();
    buildStatusBar();
    connectControls();
    installHelpTexts();
    ResizeToDesign(this);
    Form_Load();
    history_->reset();
    setAcceptDrops(true);
    windows_.setHandBackListener([this] { showHandedBack(); });
}

Form1::~Form1() {
    windows_.setHandBackListener({});
}

void Form1::buildControls() {
    frame_ = new ScrollFrame(this, QSize(kContentWidth, kContentHeight));
    setCentralWidget(frame_);
    QWidget* total = frame_->total();
    buildBaseColourFrame(total);
    buildDisplay(total);
    buildCommands(total);
    // The designed inner area, status bar included; the menu bar comes on top of it.
    frame_->setDesignSize(TwipsSize(kInnerWidth, kInnerHeight - kStatusHeight));
}

void Form1::buildBaseColourFrame(QWidget* total) {
    QGroupBox* fram4 = frame(total, "fram4", QStringLiteral("Couleur de base"), 0, 0, 7695, 2055);
    const char* names[] = {"Slider1", "Slider2", "Slider3"};
    const char* labels[] = {"Label3", "Label4", "Label5"};
    const char* letters[] = {"R", "V", "B"};
    for (int i = 0; i < 3; ++i) {
        const int top = 300 + 540 * i;
        label(fram4, QString(), QString::fromLatin1(letters[i]), 150, top + 60, 240, 255)
            ->setAlignment(Qt::AlignCenter);
        slider_[i] = slider(fram4, names[i], 0, 255, 5, 15, 420, top, 3720, 450);
        sliderLabel_[i] = label(fram4, labels[i], QStringLiteral("0"), 4200, top + 60, 495, 255);
        sliderLabel_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    Picture1_ = swatch(fram4, "Picture1", 4920, 360, 1095, 1095);
    Label1_ = label(fram4, "Label1", QStringLiteral("#000000"), 4920, 1560, 1095, 255);
    Label1_->setAlignment(Qt::AlignCenter);
    // Picture above its caption, as on a graphical button.
    auto* Command4 = make<QToolButton>(fram4, "Command4", 6240, 600, 975, 735);
    Command4->setText(QStringLiteral("Aléatoire"));
    Command4->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    commands_.insert("Command4", Command4);
    commands_.insert("Command1", pictureButton(fram4, "Command1", QStringLiteral("Choisir ..."),
                                               6420, 1440, 615, 495));

    label(total, "Label12", QStringLiteral("Harmonie"), 0, 2280, 1455, 255);
    Combo1_ = make<QComboBox>(total, "Combo1", 0, 2520, 1575, 315);
    for (const HarmonyTypeItem& item : kHarmonyTypes) {
        Combo1_->addItem(QString::fromUtf8(item.name.data(), static_cast<int>(item.name.size())),
                         static_cast<int>(item.type));
    }
    Combo1_->setCurrentIndex(-1);
    Combo1_->setPlaceholderText(QString());
    Combo1_->setMaxVisibleItems(11);
}

void Form1::buildDisplay(QWidget* total) {
    barre_ = new HarmonyBar(total);
    barre_->setGeometry(TwipsRect(1800, 2520, 5895, 855));
    // Wider than the bar to the left so that its long caption is not cut.
    Check1_ = make<QCheckBox>(total, "Check1", 1560, 2160, 5130, 255);
    Check1_->setText(
        QStringLiteral("Calcul de la proportion des couleurs en fonction des luminosités"));
    Check2_ = make<QCheckBox>(total, "Check2", 6720, 2160, 855, 255);
    Check2_->setText(QStringLiteral("Règle"));

    QGroupBox* Frame2 = frame(total, "Frame2", QStringLiteral("Couleurs"), 0, 3000, 1575, 1455);
    const char* counts[] = {"deux", "trois", "quatre", "cinq"};
    for (int i = 0; i < 4; ++i) {
        count_[i] = make<QRadioButton>(Frame2, counts[i], 180, 270 + 270 * i, 1275, 255);
        count_[i]->setText(QStringLiteral("%1 couleurs").arg(i + 2));
    }
    count_[0]->setChecked(true);

    // The display area; carre6 lies inside carre1 and carre7 over carre2, and the centred
    // squares above both bands.
    auto* Picture3 = make<QWidget>(total, "Picture3", 1800, 3480, 3975, 3735);
    const struct {
        const char* name;
        int left, top, width, height;
    } squares[] = {
        {"carre1", 0, 0, 3975, 1815},      {"carre2", 0, 1800, 3975, 1935},
        {"carre3", 1200, 720, 1575, 2175}, {"carre4", 960, 840, 2175, 2175},
        {"carre5", 1560, 1440, 975, 975},  {"carre6", 1980, -120, 2055, 1935},
        {"carre7", -60, 1800, 2055, 1935},
    };
    for (int i = 0; i < 7; ++i) {
        const auto& s = squares[i];
        QWidget* parent = i == 5 ? static_cast<QWidget*>(carre_[0]) : Picture3;
        carre_[i] = make<ColourPicture>(parent, s.name, s.left, s.top, s.width, s.height);
    }
    carre_[1]->raise();
    carre_[6]->raise();
    carre_[3]->raise();
    carre_[4]->raise();
    carre_[2]->raise();

    QGroupBox* Frame3 = frame(total, "Frame3", QStringLiteral("Affichage"), 5880, 3480, 1815, 1455);
    for (int i = 0; i < 3; ++i) {
        mode_[i] = make<QRadioButton>(Frame3, QStringLiteral("contrast%1").arg(i + 1), 180,
                                      330 + 330 * i, 1515, 255);
        mode_[i]->setText(QStringLiteral("contraste %1").arg(i + 1));
    }
    mode_[0]->setChecked(true);

    QGroupBox* Frame4 = frame(total, "Frame4", QStringLiteral("bordure"), 0, 4560, 1575, 1095);
    noir_ = make<QRadioButton>(Frame4, "noir", 180, 300, 1275, 255);
    noir_->setText(QStringLiteral("noir"));
    sans_ = make<QRadioButton>(Frame4, "sans", 180, 630, 1275, 255);
    sans_->setText(QStringLiteral("transparent"));
    sans_->setChecked(true);

    Label6_ = label(total, "Label6", QStringLiteral("#FFFFFF"), 5880, 5040, 855, 255);
    Label11_ = label(total, "Label11", QStringLiteral("#FFFFFF"), 6840, 5040, 855, 255);
    visu_ = swatch(total, "visu", 5880, 5280, 855, 735);
    Picture2_ = swatch(total, "Picture2", 6840, 5280, 855, 735);
}

void Form1::buildCommands(QWidget* total) {
    QGroupBox* Frame1 = frame(total, "Frame1", QStringLiteral("Outils"), 0, 5760, 1575, 1455);
    // Positions inside the frame: the layout gives them relative to `total`.
    commands_.insert(
        "Command10",
        pictureButton(Frame1, "Command10", QStringLiteral("Razezev Aru 1.0"), 120, 240, 615, 495));
    commands_.insert("Command5", pictureButton(Frame1, "Command5", QStringLiteral("Re-calculer"),
                                               840, 240, 615, 495));
    commands_.insert("Command3", pictureButton(Frame1, "Command3", QStringLiteral("Vizozudu 1.0"),
                                               120, 840, 615, 495));
    commands_.insert("Command7", pictureButton(Frame1, "Command7", QStringLiteral("Web safe"), 840,
                                               840, 615, 495));

    const struct {
        const char* name;
        const char* caption;
        int left, top, width;
    } adjustments[] = {
        {"Command9", "Sat. moins", 5880, 6240, 975},
        {"Command8", "Sat. plus", 6840, 6240, 855},
        {"Command11", "Lum. moins", 5880, 6480, 975},
        {"Command12", "Lum. plus", 6840, 6480, 855},
        {"Command13", "Cycler", 5880, 6720, 975},
        {"Command14", "Mélanger", 6840, 6720, 855},
        {"Command15", "Classer par lum.", 5880, 6960, 1815},
    };
    for (const auto& a : adjustments) {
        commands_.insert(a.name, button(total, a.name, QString::fromUtf8(a.caption), a.left, a.top,
                                        a.width, 255));
    }

    Frame5_ = frame(total, "Frame5", QStringLiteral("Réglage fin"), 1800, 7320, 5895, 735);
    Slider4_ = slider(Frame5_, "Slider4", -100, 100, 10, 10, 120, 210, 4455, 450);
    Label10_ = label(Frame5_, "Label10", QStringLiteral("0"), 4620, 270, 435, 255);
    Label10_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    commands_.insert("Command6",
                     button(Frame5_, "Command6", QStringLiteral("Zéro"), 5160, 240, 615, 375));

    commands_.insert("Command2", make<QPushButton>(total, "Command2", 0, 7440, 1575, 495));
}

void Form1::buildMenus() {
    auto addMenu = [this](const QString& name, const QString& title) {
        return oria::addMenu(this, name, title);
    };
    auto addItem = [this](QMenu* menu, const QString& name, const QString& text,
                          QKeySequence key = {}) {
        return addMenuItem(this, menu, name, text, key);
    };
    auto addSeparator = [](QMenu* menu, const QString& name) {
        menu->addSeparator()->setObjectName(name);
    };

    QMenu* fichiers = addMenu("fichiers", QStringLiteral("&Fichiers"));
    connect(addItem(fichiers, "importer", QStringLiteral("&Importer une palette..."),
                    QKeySequence(Qt::CTRL | Qt::Key_I)),
            &QAction::triggered, this, &Form1::importer_Click);
    connect(addItem(fichiers, "exporter", QStringLiteral("E&xporter la palette..."),
                    QKeySequence(Qt::CTRL | Qt::Key_E)),
            &QAction::triggered, this, &Form1::exporter_Click);
    fichiers->addSeparator()->setObjectName("rienfichiers");
    connect(addItem(fichiers, "quiter", QStringLiteral("&Quiter")), &QAction::triggered, this,
            &Form1::close);

    QMenu* outils = addMenu("outils", QStringLiteral("&Outils"));
    history_->addMenu(menuBar(), outils->menuAction(), this);
    paletteAction_ = addItem(outils, "palette", QStringLiteral("&Palette avancée"), Qt::Key_F5);
    connect(paletteAction_, &QAction::triggered, this, &Form1::Command10_Click);
    contrastAction_ =
        addItem(outils, "contrast", QStringLiteral("C&ontrast 2/3 couleurs"), Qt::Key_F6);
    connect(contrastAction_, &QAction::triggered, this, &Form1::Command3_Click);
    connect(addItem(outils, "websafe", QStringLiteral("Couleurs &web safe"), Qt::Key_F7),
            &QAction::triggered, this, [this] {
                history_->record(QStringLiteral("Web safe"),
                                 [this] { Adjust_Click(Adjustment::WebSafe); });
            });
    connect(addItem(outils, "menualeatoire", QStringLiteral("&Aléatoire"), Qt::Key_F8),
            &QAction::triggered, this, [this] {
                history_->record(QStringLiteral("Aléatoire"), [this] { menualeatoire_Click(); });
            });
    addSeparator(outils, "rien1");
    recalculerAction_ = addItem(outils, "Recalculer", QStringLiteral("&Re-calculer"), Qt::Key_F12);
    connect(recalculerAction_, &QAction::triggered, this, [this] {
        history_->record(QStringLiteral("Re-calculer"), [this] { Command5_Click(); });
    });
    addSeparator(outils, "rienbis");
    composeurAction_ = addItem(outils, "composeur", QStringLiteral("&Roverevod"), Qt::Key_F9);
    connect(composeurAction_, &QAction::triggered, this, &Form1::Command2_Click);

    transfert_ = MakeTransfertMenu(this, QStringLiteral("Copier dans presse-papier"));
    connect(transfert_->actions().constFirst(), &QAction::triggered, this,
            &Form1::pressepapier_Click);

    if (VisionChoice* vision = windows_.visionChoice()) {
        vision->addMenu(menuBar());
        setWindowTitle(vision->decorate(QStringLiteral("Oria 2000")));
        connect(vision, &VisionChoice::changed, this,
                [this, vision] { setWindowTitle(vision->decorate(QStringLiteral("Oria 2000"))); });
    }
    QMenu* aide = addMenu("aide", QStringLiteral("&Aide"));
    QAction* aideharmony =
        addItem(aide, "aideharmony", QStringLiteral("&Aide de Oria 2000"), Qt::Key_F1);
    connect(aideharmony, &QAction::triggered, this,
            [this] { ShowManual(platform_, this, manual::kHarmonie); });
    connect(addItem(aide, "astuces", QStringLiteral("A&stuces d'Oria 2000"), Qt::Key_F2),
            &QAction::triggered, this, &Form1::astuces_Click);
    addSeparator(aide, "rien2");
    connect(addItem(aide, "apropos", QStringLiteral("A &propos d'Oria 2000")), &QAction::triggered,
            this, &Form1::apropos_Click);
}

void Form1::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar1");
    bar->setSizeGripEnabled(true);
    bar->setFixedHeight(Px(kStatusHeight));
    statusText_ =
        AddStatusPanel(bar, "StatusBar1_Panel1", QStringLiteral("Oria 2000 - Cromalune"), true);
    statusDate_ = AddStatusPanel(bar, "StatusBar1_Panel2", QString(), false);
    statusTime_ = AddStatusPanel(bar, "StatusBar1_Panel3", QString(), false);
    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &Form1::updateClock);
    clock_->start();
    updateClock();
}

void Form1::updateClock() {
    const QDateTime now = platform_.now();
    statusDate_->setText(now.toString(QStringLiteral("dd/MM/yyyy")));
    statusTime_->setText(now.toString(QStringLiteral("HH:mm")));
}

void Form1::installHelpTexts() {
    for (const HelpText& help : kHelpTexts) {
        if (auto* w = findChild<QWidget*>(QString::fromLatin1(help.control))) {
            helpTexts_.insert(w, QString::fromUtf8(help.text));
        }
    }
    // Pointer moves reach the first ancestor that tracks them: `total`, the frame and the
    // group boxes tell which control is under the pointer.
    // Qt drops a move over a control that does not track the pointer, so every control
    // tracks it and passes it on.
    for (QWidget* w : {static_cast<QWidget*>(frame_), frame_->total()}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    for (QWidget* w : frame_->total()->findChildren<QWidget*>()) {
        w->setMouseTracking(true);
    }
    Combo1_->installEventFilter(this);
    Check2_->installEventFilter(this);
}

void Form1::Form_Load() {
    module_.NbCouleursContraste = 2;
    setWindowIcon(ProgramIcon());
    windows_.showSplash(this, true);

    const struct {
        const char* button;
        int bitmap;
        QSize size;
    } pictures[] = {
        {"Command2", 112, {90, 16}}, {"Command4", 102, {24, 24}}, {"Command1", 103, {24, 24}},
        {"Command7", 111, {24, 24}}, {"Command5", 109, {24, 24}}, {"Command10", 108, {24, 24}},
        {"Command3", 104, {24, 24}},
    };
    for (const auto& p : pictures) {
        QAbstractButton* button = commands_.value(p.button);
        button->setIcon(QIcon(Bitmap(p.bitmap, p.size)));
        button->setIconSize(p.size);
    }
    module_.RetourDialogue = 1;
    Label10_->setText(QString::number(Slider4_->value()));
    platform_.random().reseedFromClock();
    CouleurBaseAleatoire();
    CalculerHarmonie();
    module_.AproposMenu = false;
    updateWindowCommands();
}

} // namespace oria
