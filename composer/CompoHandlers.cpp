// The composer's reactions: picks, tools, documents and the exchanges with other windows.
#include "Compo.h"

#include "LegibilityPanel.h"
#include "PageDocument.h"
#include "PagePalette.h"
#include "PageViews.h"
#include "harmony/Adjustments.h"
#include "palettes/PaletteDialog.h"
#include "platform/Settings.h"
#include "widgets/Builders.h"
#include "widgets/ColourReadout.h"
#include "widgets/Drops.h"
#include "widgets/Help.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>

namespace oria {

namespace {
const QString kTitle = QStringLiteral("Roverevod 1.0");
const QString kFilter = QStringLiteral("Fichier Oria 1.0 (*.ori);;Tous (*)");
const QString kRecentPagesKey = QStringLiteral("Pages recentes");
constexpr int kRecentPagesKept = 8;
} // namespace

void Compo::connectControls() {
    // Every change of the page is one step of the history, named by its control's caption.
    for (std::size_t k = 0; k < kZoneCount; ++k) {
        if (QCheckBox* box = visible_[k]) {
            connect(box, &QCheckBox::clicked, this, [this, box, zone = kZones[k].zone] {
                history_->record(box->text(), [this, zone] { visible_Click(zone); });
            });
        }
        // "Modif." has no reaction of its own, but what it holds is part of the page.
        QCheckBox* modif = modif_[k];
        connect(modif, &QCheckBox::clicked, this,
                [this, modif] { history_->record(modif->text(), [] {}); });
    }
    connect(Check10_, &QCheckBox::clicked, this, step(Check10_->text(), &Compo::Check10_Click));
    connect(Check11_, &QCheckBox::clicked, this, step(Check11_->text(), &Compo::Check11_Click));
    for (QRadioButton* o : cells_) {
        connect(o, &QRadioButton::clicked, this, [this] {
            Picture1_Paint();
            Picture2_Paint();
        });
    }
    for (QRadioButton* o : axis_) {
        connect(o, &QRadioButton::clicked, this, &Compo::Picture1_Paint);
    }
    connect(HScroll1_, &QSlider::actionTriggered, this, &Compo::Picture1_Paint);
    for (int i = 0; i < 3; ++i) {
        connect(shade_[i], &QSlider::actionTriggered, this, [this, i] {
            shadeLabel_[i]->setText(QString::number(shade_[i]->sliderPosition()));
            Picture2_Paint();
        });
    }
    QList<ColourPicture*> sources = {Picture1_, Picture2_, Picture4_};
    for (ColourPicture* s : swatch_) {
        sources << s;
    }
    for (ColourPicture* source : sources) {
        connect(source, &ColourPicture::mouseMoved, this,
                [this, source](QPoint pos) { source_MouseMove(source, pos); });
        connect(source, &ColourPicture::mousePressed, this,
                [this, source](Qt::MouseButton b, QPoint pos) {
                    const auto zone = selectedZone();
                    const QString name = zone ? kZones[Index(*zone)].caption : QString();
                    history_->record(QStringLiteral("Couleur %1").arg(name),
                                     [=, this] { source_MouseDown(source, b, pos); });
                });
    }
    const struct {
        const char* name;
        void (Compo::*slot)();
        bool isStep; // saving and the charter change nothing; opening records itself
    } clicks[] = {
        {"Command10", &Compo::Command10_Click, true}, {"Command1", &Compo::Command1_Click, true},
        {"Command8", &Compo::Command8_Click, true},   {"Command6", &Compo::Command6_Click, true},
        {"Command7", &Compo::Command7_Click, true},   {"Command9", &Compo::Command9_Click, false},
        {"Command5", &Compo::Command5_Click, false},  {"Command2", &Compo::Command2_Click, true},
        {"Command4", &Compo::Command4_Click, true},   {"Command11", &Compo::Command11_Click, false},
    };
    for (const auto& c : clicks) {
        auto* button = findChild<QAbstractButton*>(c.name);
        if (c.isStep) {
            connect(button, &QAbstractButton::clicked, this, step(button->text(), c.slot));
        } else {
            connect(button, &QAbstractButton::clicked, this, c.slot);
        }
    }
    // The target is a view, kept for the next time; a correction is a step.
    connect(legibility_, &LegibilityPanel::targetChosen, this, [this](ContrastTarget target) {
        platform_.setSetting(QString::fromLatin1(kTargetSettingKey),
                             QLatin1String(TargetRow(target).commandName));
    });
    connect(legibility_, &LegibilityPanel::corrected, this, [this](Zone text, Colour c) {
        history_->record(QStringLiteral("Corriger"), [this, text, c] {
            setZone(text, c);
            Picture3_Paint();
        });
    });
    // Closing saves and hands back nothing.
    connect(findChild<QAbstractButton*>("Command3"), &QAbstractButton::clicked, this,
            &Compo::close);
    connect(transfert_->actions().constFirst(), &QAction::triggered, this,
            &Compo::pressepapier_Click);
}

// ---- picking ----

void Compo::source_MouseMove(ColourPicture* source, QPoint pos) {
    const Colour c = source->colourAt(pos);
    if (c < 0) {
        return;
    }
    Picture4_->setShape1(c);
    Label12_->setText(HexQString(c));
    source->setToolTip(QString::fromStdString(ReadoutText(SplitColour(c))));
}

void Compo::source_MouseDown(ColourPicture* source, Qt::MouseButton button, QPoint pos) {
    const bool isSwatch = source != Picture1_ && source != Picture2_ && source != Picture4_;
    if (button == Qt::RightButton) {
        if (isSwatch) {
            swatch_RightClick(source, pos);
        }
        return;
    }
    if (button != Qt::LeftButton) {
        return;
    }
    // Read before the indicator changes: it may be the source itself.
    const Colour c = source->colourAt(pos);
    if (c < 0) {
        return;
    }
    Picture4_->setShape7(Picture4_->shape1());
    Label13_->setText(HexQString(Picture4_->shape7()));
    if (const auto zone = selectedZone()) {
        setZone(*zone, c);
    }
    Picture3_Paint();
    // Picking from the shade grid never moves its own base.
    if (source != Picture2_) {
        autoRule(c);
    }
}

void Compo::autoRule(Colour c) {
    if (!Check12_->isChecked()) {
        return;
    }
    ShowComponents(c, shade_, shadeLabel_);
    Picture2_Paint();
}

void Compo::swatch_RightClick(ColourPicture* swatch, QPoint pos) {
    TexteExport_ = HexQString(swatch->colourAt(pos));
    transfert_->popup(swatch->mapToGlobal(pos));
}

void Compo::pressepapier_Click() {
    platform_.setClipboardText(TexteExport_);
}

// ---- tools ----

void Compo::Command10_Click() {
    const auto zone = selectedZone();
    const Colour start = zone ? swatch_[Index(*zone)]->backgroundColour() : RGB(0, 0, 0);
    const Colour c = platform_.chooseColour(this, start);
    if (c >= 0) {
        if (zone) {
            setZone(*zone, c);
        }
        autoRule(c);
    }
    Picture3_Paint();
}

// Every zone changes, whatever its boxes say, disabled ones included.
void Compo::Command1_Click() {
    setZones(RandomZoneColours(platform_.random()));
    Picture3_Paint();
}

void Compo::Command8_Click() {
    ZoneColours colours = zoneColours();
    HarmonieWebSafe(colours);
    setZones(colours);
    Picture3_Paint();
}

void Compo::Command6_Click() {
    setZone(Zone::Texte, RGB(0, 0, 0));
    Picture3_Paint();
}

void Compo::Command7_Click() {
    setZone(Zone::Texte, RGB(255, 255, 255));
    Picture3_Paint();
}

// ---- page documents ----

void Compo::OuvrirPage(const PageDocument& page) {
    setZone(Zone::Texte, page.texte);
    setZone(Zone::Fond, page.fond);
    setZone(Zone::Cercle, page.cercle);
    setZone(Zone::Titre, page.titre);
    setZone(Zone::Boite, page.boite);
    setBox(visible_[Index(Zone::Boite)], page.boiteVisible);
    setBox(visible_[Index(Zone::Titre)], page.titreVisible);
    setBox(visible_[Index(Zone::Texte)], page.texteVisible);
    setBox(visible_[Index(Zone::Cercle)], page.cercleVisible);
    // Stored ticked, "Tous visibles" locks the four boxes ticked whatever they said.
    Check11_->setChecked(page.tousVisibles);
    runBoxRule(Check11_);
    setCaption(kTitle + QStringLiteral(" - ") + PageName(page));
    pageName_ = PageName(page).trimmed();
    Picture3_Paint();
}

void Compo::Command9_Click() {
    const QString path =
        platform_.openFileName(this, QStringLiteral("Ouvrir une page"), kFilter, QString());
    if (!path.isEmpty()) {
        openPage(path);
    }
}

void Compo::openPage(const QString& path) {
    QString message;
    const std::optional<PageDocument> page = ReadPageDocument(path, &message);
    if (!page) {
        platform_.showMessage(this, kTitle, message, Platform::Icon::Warning);
        return;
    }
    history_->record(QStringLiteral("Ouvrir"), [this, &page] { OuvrirPage(*page); });
    rememberPage(path);
}

// ---- colours and pages coming in ----

void Compo::importer_Click() {
    const QString path =
        platform_.openFileName(this, QStringLiteral("Importer des couleurs"),
                               OpenPaletteFilters({&kPagePaletteReader, 1}), QString());
    if (!path.isEmpty()) {
        importColours(path);
    }
}

void Compo::importColours(const QString& path) {
    const PaletteReading reading = ReadPaletteFile(path, {&kPagePaletteReader, 1});
    if (!reading) {
        platform_.showMessage(this, kTitle, reading.error, Platform::Icon::Warning);
        return;
    }
    history_->record(QStringLiteral("Importer des couleurs"), [this, &reading] {
        setZones(ImportIntoZones(zoneColours(), modifiableFlags(), *reading));
        Picture3_Paint();
    });
}

void Compo::dragEnterEvent(QDragEnterEvent* event) {
    AcceptFileDrag(event);
}

// A page document opens; any other file is read as a palette.
void Compo::dropEvent(QDropEvent* event) {
    const QString path = TakeDroppedFile(event);
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().compare(QStringLiteral("ori"), Qt::CaseInsensitive) == 0) {
        openPage(path);
    } else {
        importColours(path);
    }
}

QStringList RecentPagesFrom(const QString& stored) {
    return stored.split(u'\n', Qt::SkipEmptyParts).mid(0, kRecentPagesKept);
}

QStringList Compo::recentPages() const {
    return RecentPagesFrom(platform_.setting(kRecentPagesKey, QString()));
}

void Compo::rememberPage(const QString& path) {
    QStringList pages = recentPages();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    pages.removeAll(absolute);
    pages.prepend(absolute);
    platform_.setSetting(kRecentPagesKey, pages.mid(0, kRecentPagesKept).join(u'\n'));
}

void Compo::showRecentPages() {
    recent_->clear();
    const QStringList pages = recentPages();
    recent_->setEnabled(!pages.isEmpty());
    for (const QString& path : pages) {
        connect(recent_->addAction(QFileInfo(path).fileName()), &QAction::triggered, this,
                [this, path] {
                    if (QFileInfo::exists(path)) {
                        openPage(path);
                        return;
                    }
                    QStringList kept = recentPages();
                    kept.removeAll(path);
                    platform_.setSetting(kRecentPagesKey, kept.join(u'\n'));
                    platform_.showMessage(
                        this, kTitle,
                        QStringLiteral("La page « %1 » n'existe plus à cet endroit ; elle est "
                                       "retirée des pages récentes.")
                            .arg(QDir::toNativeSeparators(path)),
                        Platform::Icon::Warning);
                });
    }
}

void Compo::Command5_Click() {
    QString path =
        platform_.saveFileName(this, QStringLiteral("Enregistrer la page"), kFilter, QString());
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".ori");
    }
    const ZoneColours z = zoneColours();
    const ZoneFlags visible = visibleFlags();
    PageDocument page;
    page.name = PageNameBytes(QFileInfo(path).completeBaseName());
    page.texte = z[Index(Zone::Texte)];
    page.fond = z[Index(Zone::Fond)];
    page.cercle = z[Index(Zone::Cercle)];
    page.titre = z[Index(Zone::Titre)];
    page.boite = z[Index(Zone::Boite)];
    page.boiteVisible = visible[Index(Zone::Boite)];
    page.titreVisible = visible[Index(Zone::Titre)];
    page.texteVisible = visible[Index(Zone::Texte)];
    page.cercleVisible = visible[Index(Zone::Cercle)];
    page.tousVisibles = Check11_->isChecked();
    if (const auto failure = WritePageDocument(path, page)) {
        platform_.showMessage(this, kTitle, *failure, Platform::Icon::Warning);
        return;
    }
    setCaption(kTitle + QStringLiteral(" - ") + PageName(page));
    pageName_ = PageName(page).trimmed();
    rememberPage(path);
}

// The zones shown on the page, in reading order, the palette after the page.
void Compo::exporter_Click() {
    const ZoneColours colours = zoneColours();
    const ZoneFlags visible = visibleFlags();
    NamedPalette palette{pageName_.isEmpty() ? QStringLiteral("Page") : pageName_, {}};
    for (const auto& [zone, name] : kExportZones) {
        if (visible[Index(zone)]) {
            palette.colours.push_back({QString::fromLatin1(name), colours[Index(zone)]});
        }
    }
    ExportPaletteWithDialog(this, platform_, palette);
}

// ---- exchanges ----

void Compo::Command2_Click() {
    if (!windows_.showModal(WindowDirectory::Window::Pro, this)) {
        return;
    }
    ZoneColours z = zoneColours();
    ProWriteBack(z, modifiableFlags(), module_.harmony());
    setZones(z);
    Picture3_Paint();
}

void Compo::Command4_Click() {
    const Palette harmony = module_.harmony();
    const int count = module_.NbCouleursContraste;
    const ContrastRequest request =
        ContrastOutbound(zoneColours(), visibleFlags(), module_.Couleur3);
    module_.Couleur1 = request.couleur1;
    module_.Couleur2 = request.couleur2;
    module_.Couleur3 = request.couleur3;
    module_.NbCouleursContraste = request.count;
    if (!windows_.showModal(WindowDirectory::Window::Contraste, this)) {
        // Lent to the viewer only: a cancelled viewer leaves the harmony as it was.
        module_.setHarmony(harmony);
        module_.NbCouleursContraste = count;
        return;
    }
    ZoneColours z = zoneColours();
    ContrastWriteBack(z, visibleFlags(), modifiableFlags(), module_.Couleur1, module_.Couleur2,
                      module_.Couleur3);
    setZones(z);
    Picture3_Paint();
}

void Compo::Command11_Click() {
    using W = WindowDirectory::Window;
    if (!windows_.isAvailable(W::Charte)) {
        return;
    }
    Picture3_Paint();
    const ZoneFlags visible = visibleFlags();
    module_.VisibleDecors2 = visible[Index(Zone::Boite)] ? 1 : 0;
    module_.VisibleTitre = visible[Index(Zone::Titre)] ? 1 : 0;
    module_.VisibleTexte = visible[Index(Zone::Texte)] ? 1 : 0;
    module_.VisibleDecors1 = visible[Index(Zone::Cercle)] ? 1 : 0;
    windows_.showModal(W::Charte, this);
}

// ---- undo ----

std::function<void()> Compo::step(const QString& text, void (Compo::*slot)()) {
    return [this, text, slot] { history_->record(text, [this, slot] { (this->*slot)(); }); };
}

UndoState Compo::undoState() const {
    UndoState state;
    controls_->capture(state);
    state << Picture4_->shape1() << Picture4_->shape7() << logo_ << caption_ << pageName_;
    return state;
}

void Compo::applyUndoState(const UndoState& state) {
    auto shadeBase = [this] {
        return RGB(shade_[0]->value(), shade_[1]->value(), shade_[2]->value());
    };
    const Colour base = shadeBase();
    qsizetype i = 0;
    controls_->apply(state, i);
    Picture4_->setShape1(state.at(i++).toInt());
    Picture4_->setShape7(state.at(i++).toInt());
    logo_ = state.at(i++).toString();
    setCaption(state.at(i++).toString());
    pageName_ = state.at(i++).toString();
    if (shadeBase() != base) {
        Picture2_Paint();
    }
    Picture3_Paint();
}

// ---- help menu ----

void Compo::aideoria_Click() {
    ShowManual(platform_, this, manual::kComposeur);
}

void Compo::astuces_Click() {
    platform_.setSetting(kShowTipsKey, QStringLiteral("1"));
    windows_.showTips(this);
}

void Compo::apropos_Click() {
    module_.AproposMenu = true;
    windows_.showSplash(this, false);
}

} // namespace oria
