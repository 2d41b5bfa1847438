// The harmony window's reactions to the user.
#include "Form1.h"

#include "HarmonyBar.h"
#include "palettes/PaletteDialog.h"
#include "palettes/PaletteReaders.h"
#include "platform/QtPlatform.h"
#include "platform/Settings.h"
#include "widgets/Builders.h"
#include "widgets/ColourPicture.h"
#include "widgets/ColourReadout.h"
#include "widgets/Drops.h"
#include "widgets/ScrollFrame.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStandardItemModel>
#include <QStatusBar>

namespace oria {

void Form1::connectControls() {
    // Every action that changes the harmony is one step of the history, named by its caption.
    auto step = [this](const QString& text, auto reaction) {
        return [this, text, reaction] { history_->record(text, [reaction] { reaction(); }); };
    };
    connect(Combo1_, &QComboBox::activated, this, [this](int index) {
        history_->record(QStringLiteral("Type d'harmonie"), [this, index] { Combo1_Click(index); });
    });
    connect(Combo1_, &QComboBox::highlighted, this,
            [this] { setStatusText(QStringLiteral("Choisir le type d'harmonie")); });
    void (Form1::*counts[])() = {&Form1::deux_Click, &Form1::trois_Click, &Form1::quatre_Click,
                                 &Form1::cinq_Click};
    for (int i = 0; i < 4; ++i) {
        connect(count_[i], &QRadioButton::clicked, this,
                step(count_[i]->text(), [this, slot = counts[i]] { (this->*slot)(); }));
    }
    for (QRadioButton* mode : mode_) {
        connect(mode, &QRadioButton::clicked, this, &Form1::contrast_Click);
    }
    connect(noir_, &QRadioButton::clicked, this, &Form1::noir_Click);
    connect(sans_, &QRadioButton::clicked, this, &Form1::sans_Click);
    connect(Check1_, &QCheckBox::clicked, this, &Form1::Check1_Click);
    connect(Check2_, &QCheckBox::clicked, this, &Form1::Check2_Click);
    // Only the user's own moves: setting a slider from the program runs no reaction.
    for (int i = 0; i < 3; ++i) {
        history_->connectSlider(slider_[i], QStringLiteral("Couleur de base"), i,
                                [this, s = slider_[i]] { Slider_Scroll(s); });
    }
    history_->connectSlider(Slider4_, QStringLiteral("Réglage fin"), 3,
                            [this] { Slider4_Scroll(); });

    const struct {
        const char* name;
        void (Form1::*slot)();
        const char* step; // null: opens a window, changes nothing here
    } clicks[] = {
        {"Command1", &Form1::Command1_Click, "Choisir ..."},
        {"Command2", &Form1::Command2_Click, nullptr},
        {"Command3", &Form1::Command3_Click, nullptr},
        {"Command4", &Form1::Command4_Click, "Aléatoire"},
        {"Command5", &Form1::Command5_Click, "Re-calculer"},
        {"Command6", &Form1::Command6_Click, "Zéro"},
        {"Command10", &Form1::Command10_Click, nullptr},
    };
    for (const auto& c : clicks) {
        QAbstractButton* button = commands_.value(c.name);
        if (c.step) {
            connect(button, &QAbstractButton::clicked, this,
                    step(QString::fromUtf8(c.step), [this, slot = c.slot] { (this->*slot)(); }));
        } else {
            connect(button, &QAbstractButton::clicked, this, c.slot);
        }
    }
    const struct {
        const char* name;
        Adjustment adjustment;
    } adjustments[] = {
        {"Command12", Adjustment::LumPlus},  {"Command11", Adjustment::LumMoins},
        {"Command8", Adjustment::SatPlus},   {"Command9", Adjustment::SatMoins},
        {"Command7", Adjustment::WebSafe},   {"Command13", Adjustment::Cycler},
        {"Command14", Adjustment::Melanger}, {"Command15", Adjustment::Classer},
    };
    for (const auto& a : adjustments) {
        QAbstractButton* button = commands_.value(a.name);
        connect(button, &QAbstractButton::clicked, this,
                step(CaptionOf(button), [this, adjustment = a.adjustment] { Adjust_Click(adjustment); }));
    }

    ColourPicture* harmonyPictures[] = {carre_[0], carre_[1], carre_[2], carre_[3],
                                        carre_[4], carre_[5], carre_[6], barre_};
    for (ColourPicture* p : harmonyPictures) {
        connect(p, &ColourPicture::mouseMoved, this,
                [this, p](QPoint pos) { carre_MouseMove(p, pos); });
        connect(p, &ColourPicture::mousePressed, this,
                [this, p](Qt::MouseButton b, QPoint pos) { carre_MouseDown(p, b, pos); });
    }
    for (ColourPicture* p : {Picture1_, Picture2_, visu_}) {
        connect(p, &ColourPicture::mouseMoved, this,
                [this, p](QPoint pos) { swatch_MouseMove(p, pos); });
    }
}

// ---- calculation and display ----

int Form1::nombreCouleurs() const {
    for (int i = 0; i < 4; ++i) {
        if (count_[i]->isChecked()) {
            return i + 2;
        }
    }
    return 2;
}

std::optional<HarmonyType> Form1::selectedType() const {
    const int index = Combo1_->currentIndex();
    return index < 0 ? std::nullopt : HarmonyTypeFromIndex(Combo1_->itemData(index).toInt());
}

DisplayMode Form1::selectedMode() const {
    for (int i = 0; i < 3; ++i) {
        if (mode_[i]->isChecked()) {
            return static_cast<DisplayMode>(i);
        }
    }
    return DisplayMode::Contraste1;
}

void Form1::CalculerHarmonie() {
    Palette palette = module_.harmony();
    oria::CalculerHarmonie(palette, selectedType(), nombreCouleurs(), module_.ReglageFin,
                           platform_.random());
    module_.setHarmony(palette);
    AfficherHarmonie();
}

void Form1::AfficherHarmonie() {
    Picture1_->setBackgroundColour(module_.Couleur1);
    Label1_->setText(HexQString(module_.Couleur1));

    const int n = nombreCouleurs();
    const DisplayMode allowed = RestrictMode(n, selectedMode());
    if (allowed != selectedMode()) {
        // Selecting from the program fires no click, hence no second refresh.
        mode_[static_cast<int>(allowed)]->setChecked(true);
    }
    const SquareColours squares = LayoutSquares(n, allowed, module_.harmony());
    for (int i = 0; i < 7; ++i) {
        if (squares[static_cast<std::size_t>(i)]) {
            carre_[i]->setBackgroundColour(*squares[static_cast<std::size_t>(i)]);
        }
        carre_[i]->setVisible(squares[static_cast<std::size_t>(i)].has_value());
    }
    barre_Paint();
}

void Form1::barre_Paint() {
    barre_->setHarmony(module_.harmony(), nombreCouleurs(), Check1_->isChecked(),
                       Check2_->isChecked());
}

void Form1::refreshOrCalculate() {
    if (selectedType() == HarmonyType::Aleatoire) {
        AfficherHarmonie();
    } else {
        CalculerHarmonie();
    }
}

void Form1::setFineTuningEnabled(bool on) {
    Slider4_->setEnabled(on);
    commands_.value("Command6")->setEnabled(on);
    Frame5_->setEnabled(on);
}

// ---- harmony type, count, display mode ----

void Form1::Combo1_Click(int index) {
    if (HarmonyTypeFromIndex(Combo1_->itemData(index).toInt()) == HarmonyType::Manuel) {
        windows_.show(WindowDirectory::Window::Pro, this);
        return;
    }
    setFineTuningEnabled(true);
    CalculerHarmonie();
}

// The contrast viewer takes two or three colours; 4 colours have no "contraste 3" and
// 5 colours only "contraste 1".
void Form1::applyCountRules(int n) {
    const struct {
        bool contrastViewer, allowMode2, allowMode3;
    } rules[] = {{true, true, true}, {true, true, false}, {false, true, false}, {false, false, false}};
    const auto& rule = rules[n - 2];
    count_[n - 2]->setChecked(true);
    if (n <= 3) {
        module_.NbCouleursContraste = n;
    }
    commands_.value("Command3")->setEnabled(rule.contrastViewer);
    contrastAction_->setEnabled(rule.contrastViewer);
    recalculerAction_->setEnabled(rule.contrastViewer);
    setFineTuningEnabled(true);
    if (!rule.allowMode3 && mode_[2]->isChecked()) {
        mode_[0]->setChecked(true);
    }
    if (!rule.allowMode2 && mode_[1]->isChecked()) {
        mode_[0]->setChecked(true);
    }
    mode_[1]->setEnabled(rule.allowMode2);
    mode_[2]->setEnabled(rule.allowMode3);
    updateWindowCommands();
}

void Form1::countChosen(int n) {
    applyCountRules(n);
    refreshOrCalculate();
}

void Form1::deux_Click() {
    countChosen(2);
}

void Form1::trois_Click() {
    countChosen(3);
}

void Form1::quatre_Click() {
    countChosen(4);
}

void Form1::cinq_Click() {
    countChosen(5);
}

void Form1::contrast_Click() {
    refreshOrCalculate();
}

void Form1::noir_Click() {
    for (ColourPicture* c : carre_) {
        c->setBorder(true);
    }
}

void Form1::sans_Click() {
    for (ColourPicture* c : carre_) {
        c->setBorder(false);
    }
}

void Form1::Check1_Click() {
    barre_Paint();
}

void Form1::Check2_Click() {
    AfficherHarmonie();
}

// ---- base colour and fine tuning ----

void Form1::Slider_Scroll(QSlider* moved) {
    module_.Couleur1 = ComponentsMoved(moved, slider_, sliderLabel_);
    CalculerHarmonie();
}

void Form1::Slider4_Scroll() {
    const int value = Slider4_->sliderPosition();
    module_.ReglageFin = value / 10.0;
    Label10_->setText(QString::number(value));
    refreshOrCalculate();
}

void Form1::Command6_Click() {
    module_.ReglageFin = 0;
    Slider4_->setValue(0);
    Label10_->setText(QStringLiteral("0"));
    refreshOrCalculate();
}

// Sliders and their number labels follow the base colour; moving them from here runs no
// slider reaction.
void Form1::showSliders(Colour c) {
    ShowComponents(c, slider_, sliderLabel_);
}

void Form1::showHandedBack() {
    // The shared harmony already holds the colours: the step starts from what was shown.
    const qsizetype first = undoState().size() - 7;
    history_->recordArrived(QStringLiteral("Couleurs reçues"),
                            {first, first + 1, first + 2, first + 3, first + 4}, [this] {
                                showSliders(module_.Couleur1);
                                AfficherHarmonie();
                            });
}

// ---- palettes coming in ----

void Form1::importer_Click() {
    const QString path = platform_.openFileName(this, QStringLiteral("Importer une palette"),
                                                OpenPaletteFilters(), QString());
    if (!path.isEmpty()) {
        importPalette(path);
    }
}

void Form1::importPalette(const QString& path) {
    const PaletteReading reading = ReadPaletteFile(path);
    if (!reading) {
        platform_.showMessage(this, QStringLiteral("Oria 2000"), reading.error,
                              Platform::Icon::Warning);
        return;
    }
    history_->record(QStringLiteral("Importer une palette"), [this, &reading] {
        const auto& colours = reading->colours;
        if (colours.size() == 1) {
            // One colour is a base colour: the harmony follows from it.
            module_.Couleur1 = colours.front().colour;
            showSliders(module_.Couleur1);
            CalculerHarmonie();
            return;
        }
        // Shown as colours handed back are: as they are, nothing recomputed.
        const int n = static_cast<int>(std::min<std::size_t>(colours.size(), 5));
        Palette harmony = module_.harmony();
        for (int k = 0; k < n; ++k) {
            harmony[static_cast<std::size_t>(k)] = colours[static_cast<std::size_t>(k)].colour;
        }
        module_.setHarmony(harmony);
        applyCountRules(n);
        showSliders(module_.Couleur1);
        AfficherHarmonie();
    });
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    AcceptFileDrag(event);
}

void Form1::dropEvent(QDropEvent* event) {
    if (const QString path = TakeDroppedFile(event); !path.isEmpty()) {
        importPalette(path);
    }
}

// ---- undo ----

UndoState Form1::undoState() const {
    UndoState state;
    controls_->capture(state);
    for (Colour c : module_.harmony()) {
        state << c;
    }
    state << module_.ReglageFin << module_.NbCouleursContraste;
    return state;
}

void Form1::applyUndoState(const UndoState& state) {
    qsizetype i = 0;
    controls_->apply(state, i);
    Palette harmony;
    for (Colour& c : harmony) {
        c = state.at(i++).toInt();
    }
    module_.setHarmony(harmony);
    module_.ReglageFin = state.at(i++).toDouble();
    module_.NbCouleursContraste = state.at(i++).toInt();
    recalculerAction_->setEnabled(nombreCouleurs() <= 3);
    updateWindowCommands();
    AfficherHarmonie();
}

void Form1::Command1_Click() {
    const Colour c = platform_.chooseColour(this, module_.Couleur1);
    if (c >= 0) {
        Picture1_->setBackgroundColour(c);
        Label1_->setText(HexQString(c));
        module_.Couleur1 = c;
        setFineTuningEnabled(true);
    }
    showSliders(module_.Couleur1);
    CalculerHarmonie();
}

void Form1::CouleurBaseAleatoire() {
    const Colour c = RandomColour(platform_.random());
    module_.Couleur1 = c;
    showSliders(c);
    Picture1_->setBackgroundColour(c);
}

void Form1::Command4_Click() {
    setFineTuningEnabled(true);
    CouleurBaseAleatoire();
    CalculerHarmonie();
}

void Form1::menualeatoire_Click() {
    CouleurBaseAleatoire();
    CalculerHarmonie();
}

void Form1::Command5_Click() {
    const bool yes = platform_.askYesNo(
        this, QStringLiteral("Oria 2000 - Re-calculer"),
        QStringLiteral(
            "Le re-calcul des harmonies va annuler toutes les modifications. Continuer ? "),
        Platform::Icon::Warning);
    if (yes) {
        setFineTuningEnabled(true);
        CalculerHarmonie();
    }
}

// ---- adjustments ----

void Form1::Adjust_Click(Adjustment adjustment) {
    // The value, saturation and web-safe steps change colours the fine tuning would undo;
    // the reorderings only move them.
    const bool locksFineTuning = adjustment != Adjustment::Cycler &&
                                 adjustment != Adjustment::Melanger &&
                                 adjustment != Adjustment::Classer;
    if (locksFineTuning) {
        setFineTuningEnabled(false);
    }
    Palette palette = module_.harmony();
    ApplyAdjustment(adjustment, palette, nombreCouleurs(), platform_.random());
    module_.setHarmony(palette);
    AfficherHarmonie();
    if (adjustment == Adjustment::Cycler) {
        // The base-colour sliders follow the new first colour, without their reaction.
        showSliders(module_.Couleur1);
    }
}

// ---- other windows ----

void Form1::updateWindowCommands() {
    using W = WindowDirectory::Window;
    const bool pro = windows_.isAvailable(W::Pro);
    commands_.value("Command10")->setEnabled(pro);
    paletteAction_->setEnabled(pro);
    // "Manuel..." opens Razezev Aru: offered only when that window exists.
    if (auto* model = qobject_cast<QStandardItemModel*>(Combo1_->model())) {
        model->item(static_cast<int>(HarmonyType::Manuel))->setEnabled(pro);
    }
    const bool compo = windows_.isAvailable(W::Compo);
    commands_.value("Command2")->setEnabled(compo);
    composeurAction_->setEnabled(compo);
    const bool contraste = windows_.isAvailable(W::Contraste) && nombreCouleurs() <= 3;
    commands_.value("Command3")->setEnabled(contraste);
    contrastAction_->setEnabled(contraste);
}

void Form1::Command10_Click() {
    if (windows_.isAvailable(WindowDirectory::Window::Pro)) {
        windows_.show(WindowDirectory::Window::Pro, this);
    }
}

void Form1::Command3_Click() {
    if (!windows_.isAvailable(WindowDirectory::Window::Contraste) || nombreCouleurs() > 3) {
        return;
    }
    module_.NbCouleursContraste = count_[0]->isChecked() ? 2 : 3;
    windows_.show(WindowDirectory::Window::Contraste, this);
}

void Form1::Command2_Click() {
    if (!windows_.isAvailable(WindowDirectory::Window::Compo)) {
        return;
    }
    module_.NbCouleursCompo = nombreCouleurs();
    windows_.show(WindowDirectory::Window::Compo, this);
}

// The n colours shown, named by their place, the palette after the harmony type.
void Form1::exporter_Click() {
    NamedPalette palette;
    palette.name =
        Combo1_->currentIndex() >= 0 ? Combo1_->currentText() : QStringLiteral("Harmonie");
    const Palette harmony = module_.harmony();
    for (int k = 0; k < nombreCouleurs(); ++k) {
        palette.colours.push_back(
            {QStringLiteral("Couleur %1").arg(k + 1), harmony[static_cast<std::size_t>(k)]});
    }
    ExportPaletteWithDialog(this, platform_, palette);
}

void Form1::apropos_Click() {
    module_.AproposMenu = true;
    windows_.showSplash(this, false);
}

void Form1::astuces_Click() {
    platform_.setSetting(kShowTipsKey, QStringLiteral("1"));
    windows_.showTips(this);
}

void Form1::closeEvent(QCloseEvent* event) {
    windows_.unloadAll();
    event->accept();
}

// ---- pointer read-outs, clicks and the clipboard ----

void Form1::setStatusText(const QString& text) {
    statusText_->setText(text);
}

void Form1::carre_MouseMove(ColourPicture* picture, QPoint pos) {
    const Colour c = picture->colourAt(pos);
    if (c < 0) {
        return;
    }
    ColourReadout{visu_, Label6_, statusText_}.show(c);
    if (picture == barre_) {
        barre_->setToolTip(QString());
    }
}

void Form1::swatch_MouseMove(ColourPicture* picture, QPoint pos) {
    const Colour c = picture->colourAt(pos);
    // A drag that leaves the swatch reads nothing; "R:-1" would mean nothing to anyone.
    if (c >= 0) {
        setStatusText(QString::fromStdString(ReadoutText(SplitColour(c))));
    }
}

void Form1::carre_MouseDown(ColourPicture* picture, Qt::MouseButton button, QPoint pos) {
    if (button == Qt::RightButton) {
        transfert_->popup(picture->mapToGlobal(pos));
    } else if (button == Qt::LeftButton) {
        const Colour c = picture->colourAt(pos);
        Label11_->setText(HexQString(c));
        Picture2_->setBackgroundColour(c);
    }
}

void Form1::pressepapier_Click() {
    platform_.setClipboardText(Label6_->text());
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Combo1_ && event->type() == QEvent::FocusIn) {
        setStatusText(QStringLiteral("Choisir le type d'harmonie"));
    } else if (watched == Check2_ && event->type() == QEvent::MouseButtonPress) {
        setStatusText(QStringLiteral("Affiche les repères"));
    } else if (event->type() == QEvent::MouseMove &&
               (watched == frame_ || watched == frame_->total())) {
        // The move reached us from the control under the pointer, or from the background.
        auto* container = static_cast<QWidget*>(watched);
        const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
        QWidget* w = container->childAt(pos);
        QString text = QStringLiteral("Oria 2000 - Cromalune");
        for (; w && w != container; w = w->parentWidget()) {
            if (const auto it = helpTexts_.constFind(w); it != helpTexts_.constEnd()) {
                text = *it;
                break;
            }
        }
        setStatusText(text);
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace oria
