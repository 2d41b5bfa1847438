// Building Vizozudu: controls, loading and the painting of the views.
#include "Contraste.h"

#include "Legibility.h"
#include "Vision.h"
#include "platform/QtPlatform.h"
#include "widgets/Builders.h"
#include "widgets/ColourReadout.h"
#include "widgets/Resources.h"
#include "widgets/ScrollFrame.h"
#include "widgets/VisionChoice.h"
#include "widgets/Help.h"
#include "widgets/Accessibility.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QIcon>
#include <QPixmap>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QRadioButton>
#include <QToolButton>

namespace oria {

namespace {

// The designed content is 8895 x 5895; the legibility read-out adds a column on the right.
constexpr int kLegibilityLeft = 8640;
constexpr int kLegibilityWidth = 5055; // the measures, then the target and the proposals
constexpr int kMeasuresWidth = 2535;
const QString kTargetKey = QString::fromLatin1(kTargetSettingKey);
constexpr int kContentWidth = kLegibilityLeft + kLegibilityWidth;
constexpr int kContentHeight = 5895;
// No status bar: at the far end of a scroll the content stands 200 twips inside.
constexpr QSize kEndGap{200, 200};

struct PairRow {
    const char* suffix;
    const char* title;
    int text, background; // colour indices
};
constexpr PairRow kPairs[] = {
    {"21", "Couleur 2 sur couleur 1", 1, 0},
    {"31", "Couleur 3 sur couleur 1", 2, 0},
    {"32", "Couleur 3 sur couleur 2", 2, 1},
};

QString frenchNumber(double value, int decimals) {
    return QString::fromStdString(FixedText(value, decimals)).replace('.', ',');
}

QString mark(const char* name, bool passed) {
    return QStringLiteral("<span style=\"color:%1\">%2&nbsp;%3</span>")
        .arg(passed ? QStringLiteral("#1b7f3b") : QStringLiteral("#b3261e"),
             QString::fromLatin1(name), passed ? QStringLiteral("✓") : QStringLiteral("✗"));
}

} // namespace

Contraste::Contraste(Module1& module, Platform& platform, WindowDirectory& windows, QWidget* parent)
    : HandBackDialog(module, windows, parent, "Contraste", QStringLiteral("contrast"),
                     QSize(kContentWidth, kContentHeight), kEndGap),
      platform_(platform) {
    buildControls();
    NameControls(this, {
        {"Slider1", "Rouge"}, {"Slider2", "Vert"}, {"Slider3", "Bleu"},
        {"Command1", "Aléatoire (couleur éditée)"},
        {"Picture3", "Bandes de couleurs"}, {"Picture1", "Figure sur fond : cadre"},
        {"Picture5", "Figure sur fond : fond"}, {"Picture4", "Figure sur fond : figure"},
        {"Picture2", "Lignes fines"}, {"Picture6", "Couleur éditée"}, {"Cible", "Cible"},
    });
    ReadingTabOrder(this);
    AddManualKey(platform_, this, manual::kVizozudu);
    // The pointer's read-out is a view, never a step.
    controls_.emplace(scrollFrame()->total(), QList<QWidget*>{Picture6_, Label8_});
    history_ = new UndoHistory(
        this, [this] { return undoState(); },
        [this](const UndoState& state) { applyUndoState(state); }, [this] { return platform_.now(); });
    history_->addMenu(menus(), menus()->actions().value(0), this);
    connectControls();
    ResizeToDesign(this);
    Form_Load();
    history_->reset();
}

void Contraste::buildControls() {
    QWidget* total = scrollFrame()->total();
    buildEditing(total);
    buildViews(total);
    buildLegibility(total);
    scrollFrame()->setDesignSize(scrollFrame()->fullSize());
    if (VisionChoice* choice = windows_.visionChoice()) {
        connect(choice, &VisionChoice::changed, this, &Contraste::showLegibility);
    }
    transfert_ = MakeTransfertMenu(this, QStringLiteral("Copier dans presse papier"),
                                   QStringLiteral("transfert"), QStringLiteral("presspap"));
}

void Contraste::buildEditing(QWidget* total) {
    QGroupBox* Frame1 = frame(total, "Frame1", QStringLiteral("Couleurs"), 0, 0, 1455, 1455);
    for (int i = 0; i < 2; ++i) {
        count_[i] = make<QRadioButton>(Frame1, QStringLiteral("Option%1").arg(i + 1), 180,
                                       360 + 420 * i, 1155, 255);
        count_[i]->setText(QStringLiteral("%1 couleurs").arg(i + 2));
    }
    QGroupBox* Frame2 = frame(total, "Frame2", QStringLiteral("Edition"), 0, 1680, 5055, 615);
    for (int i = 0; i < 3; ++i) {
        edit_[i] = make<QRadioButton>(Frame2, QStringLiteral("Option%1").arg(i + 3), 240 + 1620 * i,
                                      270, 1455, 255);
        edit_[i]->setText(QStringLiteral("Couleur %1").arg(i + 1));
    }

    QGroupBox* Frame3 = frame(total, "Frame3", QStringLiteral("Réglages"), 0, 2400, 5055, 2295);
    const char* letters[] = {"R", "V", "B"};
    for (int i = 0; i < 3; ++i) {
        const int top = 240 + 480 * i; // rows at 2640, 3120, 3600 in `total`
        label(Frame3, QStringLiteral("Label%1").arg(i + 4), QString::fromLatin1(letters[i]), 120,
              top + 60, 240, 255)
            ->setAlignment(Qt::AlignCenter);
        slider_[i] = slider(Frame3, QStringLiteral("Slider%1").arg(i + 1), 0, 255, 5, 15, 360, top,
                            3000, 450);
        sliderLabel_[i] = label(Frame3, QStringLiteral("Label%1").arg(i + 1), QStringLiteral("0"),
                                3420, top + 60, 495, 255);
        sliderLabel_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    pictureButton(Frame3, "Command3", QStringLiteral("Choisir..."), 4200, 240, 615, 495);
    Label7_ = label(Frame3, "Label7", QStringLiteral("#"), 4020, 900, 975, 255);
    Label7_->setAlignment(Qt::AlignCenter);
    pictureButton(Frame3, "Command1", QStringLiteral("Aléatoire"), 4200, 1560, 615, 495);
    const struct {
        const char* name;
        const char* caption;
    } steps[] = {{"Command6", "Lum. moins"},
                 {"Command5", "Lum. plus"},
                 {"Command8", "Sat. moins"},
                 {"Command7", "Sat. plus"}};
    for (int i = 0; i < 4; ++i) {
        button(Frame3, steps[i].name, QString::fromUtf8(steps[i].caption), 120 + 960 * i, 1740, 915,
               315);
    }

    // Picture above its caption, as on a graphical button.
    auto* Command2 = make<QToolButton>(total, "Command2", 3960, 4800, 1095, 855);
    Command2->setText(QStringLiteral("Aléatoire"));
    Command2->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button(total, "Command9", QStringLiteral("OK"), 0, 5400, 615, 375);
    button(total, "Command4", QStringLiteral("Annuler"), 720, 5400, 1095, 375);
    // Enter must not close the window by accident: no button is the default.
    for (QPushButton* b : total->findChildren<QPushButton*>()) {
        b->setAutoDefault(false);
    }
}

void Contraste::buildViews(QWidget* total) {
    Picture3_ = new ContrastView(total, ContrastView::Kind::Bands);
    Picture3_->setObjectName("Picture3");
    Picture3_->setGeometry(TwipsRect(1560, 120, 3495, 1335));
    Picture1_ = make<ColourPicture>(total, "Picture1", 5160, 120, 3375, 3135);
    Picture5_ = make<ColourPicture>(Picture1_, "Picture5", 0, 0, 4095, 1575);
    Picture4_ = make<ColourPicture>(Picture1_, "Picture4", 900, 540, 1620, 1995);
    Picture2_ = new ContrastView(total, ContrastView::Kind::Lines);
    Picture2_->setObjectName("Picture2");
    Picture2_->setGeometry(TwipsRect(5160, 3600, 3375, 2055));
    Picture6_ = swatch(total, "Picture6", 2520, 4800, 975, 615);
    Label8_ = label(total, "Label8", QStringLiteral("#"), 2520, 5520, 975, 255);
    Label8_->setAlignment(Qt::AlignCenter);
}

void Contraste::buildLegibility(QWidget* total) {
    QGroupBox* box = frame(total, "Lisibilite", QStringLiteral("Lisibilité"), kLegibilityLeft, 0,
                           kLegibilityWidth, kContentHeight);
    box->setToolTip(QStringLiteral(
        "Contraste WCAG 2 (AA : 4,5:1, AA grand texte : 3:1, AAA : 7:1, AAA grand texte : "
        "4,5:1) et contraste de luminosité APCA (Lc)"));
    const int inner = kMeasuresWidth - 240;
    label(box, "Label9", QStringLiteral("Cible :"), kMeasuresWidth, 300, 600, 255);
    Cible_ = make<QComboBox>(box, "Cible", kMeasuresWidth + 600, 240, 960, 315);
    for (const ContrastTargetRow& row : kContrastTargets) {
        Cible_->addItem(QString::fromUtf8(row.label), static_cast<int>(row.target));
    }
    for (int i = 0; i < 3; ++i) {
        const PairRow& row = kPairs[i];
        const QString suffix = QString::fromLatin1(row.suffix);
        auto* block =
            make<QWidget>(box, QStringLiteral("Paire") + suffix, 120, 240 + 1860 * i, inner, 1830);
        label(block, QStringLiteral("Titre") + suffix, QString::fromUtf8(row.title), 0, 0, inner,
              255);
        QLabel* sample = label(block, QStringLiteral("Exemple") + suffix,
                               QStringLiteral("Texte lisible ?"), 0, 270, inner, 435);
        sample->setAlignment(Qt::AlignCenter);
        sample->setAutoFillBackground(true);
        QFont big = sample->font();
        big.setPointSizeF(big.pointSizeF() * 1.5);
        sample->setFont(big);
        QLabel* ratio =
            label(block, QStringLiteral("Ratio") + suffix, QString(), 0, 750, 1095, 255);
        QFont bold = ratio->font();
        bold.setBold(true);
        ratio->setFont(bold);
        QLabel* lc =
            label(block, QStringLiteral("Lc") + suffix, QString(), 1140, 750, inner - 1140, 255);
        lc->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* verdicts =
            make<RichTextChoice>(block, QStringLiteral("Verdicts") + suffix, 0, 1020, inner, 495);
        // Under a simulated vision: the same measures for the colours as seen.
        QLabel* simulated =
            label(block, QStringLiteral("Simulation") + suffix, QString(), 0, 1530, inner, 300);
        // Rich only with its warning: a plain line is painted once, without a text layout.
        simulated->setTextFormat(Qt::AutoText);
        // The colours nearest to the pair's own that meet the target, when it misses it.
        auto proposal = [&](const char* name, int top) {
            auto* b = make<QToolButton>(box, QString::fromLatin1(name) + suffix, kMeasuresWidth,
                                        240 + 1860 * i + top, kLegibilityWidth - kMeasuresWidth - 120,
                                        615);
            b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            b->setIconSize(QSize(24, 24));
            return b;
        };
        pairs_[i] = {block,
                     sample,
                     ratio,
                     verdicts,
                     lc,
                     simulated,
                     proposal("TextePropose", 540),
                     proposal("FondPropose", 1200),
                     row.text,
                     row.background};
    }
}

void Contraste::Form_Load() {
    setWindowIcon(ProgramIcon());
    module_.RetourDialogue = 0;
    // The target chosen last time, AA the first time.
    const ContrastTarget saved =
        TargetNamed(platform_.setting(kTargetKey, QStringLiteral("aa")).toStdString());
    Cible_->setCurrentIndex(Cible_->findData(static_cast<int>(saved)));
    // Anything but three shows two colours, so that one count is always selected.
    if (module_.NbCouleursContraste == 3) {
        count_[1]->setChecked(true);
        Option2_Click();
    } else {
        count_[0]->setChecked(true);
        Option1_Click();
    }
    colours_.colour = {module_.Couleur1, module_.Couleur2, module_.Couleur3};
    edit_[0]->setChecked(true);
    edit_Click(0);
    const struct {
        const char* button;
        int bitmap;
        QSize size;
    } pictures[] = {
        {"Command2", 102, {32, 32}}, {"Command1", 102, {24, 24}}, {"Command3", 103, {24, 24}}};
    for (const auto& p : pictures) {
        auto* b = findChild<QAbstractButton*>(p.button);
        b->setIcon(QIcon(Bitmap(p.bitmap, p.size)));
        b->setIconSize(p.size);
    }
    RafraichirContraste();
}

Vision Contraste::currentVision() const {
    const VisionChoice* choice = windows_.visionChoice();
    return choice ? static_cast<Vision>(choice->current()) : Vision::Normale;
}

int Contraste::nombreCouleurs() const {
    return count_[1]->isChecked() ? 3 : 2;
}

int Contraste::editedColour() const {
    for (int k = 0; k < 3; ++k) {
        if (edit_[k]->isChecked()) {
            return k;
        }
    }
    return 0;
}

Colour& Contraste::edited() {
    return colours_.colour[static_cast<std::size_t>(editedColour())];
}

void Contraste::RafraichirContraste() {
    colours_.count = nombreCouleurs();
    Picture3_->setColours(colours_);
    Picture2_->setColours(colours_);
    Picture4_->setBackgroundColour(colours_.colour[0]);
    Picture5_->setBackgroundColour(colours_.colour[1]);
    Picture1_->setBackgroundColour(colours_.colour[colours_.count == 3 ? 2 : 1]);
    Label7_->setText(HexQString(RGB(slider_[0]->sliderPosition(), slider_[1]->sliderPosition(),
                                    slider_[2]->sliderPosition())));
    showLegibility();
}

// The target is a view, kept for the next time.
void Contraste::Cible_Click() {
    platform_.setSetting(kTargetKey, QLatin1String(TargetRow(target()).commandName));
    showLegibility();
}

ContrastTarget Contraste::target() const {
    return static_cast<ContrastTarget>(Cible_->currentData().toInt());
}

void Contraste::showProposal(QToolButton* button, const QString& name, const Proposal& p) {
    const bool possible = p.kind == ProposalKind::Proposed;
    button->setEnabled(possible);
    const int vision = static_cast<int>(currentVision());
    const bool sameSwatch = button->property("colour").toInt() == (possible ? p.colour : -1) &&
                            button->property("vision").toInt() == vision;
    button->setProperty("colour", possible ? p.colour : -1);
    button->setProperty("vision", vision);
    if (!possible) {
        button->setIcon({});
        button->setText(name + QStringLiteral("\nimpossible"));
        return;
    }
    // Seen as the simulated vision shows it, like the pictures; at the icon's own size, so
    // that it is not scaled at every paint, and made again only when its colour changes.
    if (!sameSwatch || button->icon().isNull()) {
        const qreal ratio = button->devicePixelRatioF();
        QImage swatch((QSizeF(button->iconSize()) * ratio).toSize(), QImage::Format_RGB32);
        swatch.setDevicePixelRatio(ratio);
        swatch.fill(ToQColor(p.colour));
        button->setIcon(QIcon(QPixmap::fromImage(ColourPicture::displayed(swatch))));
    }
    const bool wcag = TargetRow(target()).measure == ContrastMeasure::Wcag;
    button->setText(QStringLiteral("%1\n%2 · %3").arg(
        name, HexQString(p.colour),
        wcag ? frenchNumber(p.reached, 2) + QStringLiteral(":1")
             : QStringLiteral("Lc ") + frenchNumber(p.reached, 1)));
}

void Contraste::showLegibility() {
    for (int i = 0; i < 3; ++i) {
        const PairRow& row = kPairs[i];
        const PairReadout& r = pairs_[i];
        r.block->setVisible(row.text < colours_.count);
        const Colour text = colours_.colour[static_cast<std::size_t>(row.text)];
        const Colour background = colours_.colour[static_cast<std::size_t>(row.background)];
        const Legibility l = MeasureLegibility(text, background);
        const Vision vision = currentVision();
        const Colour seenText = SimulateVision(text, vision);
        const Colour seenBackground = SimulateVision(background, vision);
        // The sample is painted, so it is seen as the simulation says.
        // A palette, not a style sheet: re-polishing a label costs a frame.
        QPalette palette = r.sample->palette();
        palette.setColor(QPalette::WindowText, ToQColor(seenText));
        palette.setColor(QPalette::Window, ToQColor(seenBackground));
        r.sample->setPalette(palette);
        r.simulated->setVisible(vision != Vision::Normale);
        if (vision != Vision::Normale) {
            const Legibility seen = MeasureLegibility(seenText, seenBackground);
            QString line = QStringLiteral("Vu ainsi : %1:1, Lc %2")
                               .arg(frenchNumber(seen.ratio, 2), frenchNumber(seen.lc, 1));
            if (l.wcag.aa && !seen.wcag.aa) {
                line += QStringLiteral(" <span style=\"color:#b3261e\">— sous AA ainsi !</span>");
            }
            SetRichText(r.simulated, line);
        }
        const bool shown = row.text < colours_.count && !MeetsTarget(target(), text, background);
        r.textProposal->setVisible(shown);
        r.backgroundProposal->setVisible(shown);
        if (shown) {
            const Proposals p = ProposeColours(text, background, target());
            showProposal(r.textProposal, QStringLiteral("Texte proposé"), p.text);
            showProposal(r.backgroundProposal, QStringLiteral("Fond proposé"), p.background);
        }
        r.ratio->setText(frenchNumber(l.ratio, 2) + QStringLiteral(":1"));
        r.lc->setText(QStringLiteral("Lc ") + frenchNumber(l.lc, 1));
        r.verdicts->setText(mark("AA", l.wcag.aa) + QStringLiteral(" &nbsp; ") +
                            mark("AA grand", l.wcag.aaLarge) + QStringLiteral("<br>") +
                            mark("AAA", l.wcag.aaa) + QStringLiteral(" &nbsp; ") +
                            mark("AAA grand", l.wcag.aaaLarge));
    }
}

} // namespace oria
