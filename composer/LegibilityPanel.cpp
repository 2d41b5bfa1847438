#include "LegibilityPanel.h"

#include "contrast/Legibility.h"
#include "widgets/Builders.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace oria {

namespace {

// At most two texts on three grounds.
constexpr int kRows = 6;
constexpr int kRowPitch = 900;

QString frenchNumber(double value, int decimals) {
    return QString::number(value, 'f', decimals).replace(u'.', u',');
}

QString caption(Zone z) {
    return QString::fromLatin1(kZones[Index(z)].caption);
}

} // namespace

LegibilityPanel::LegibilityPanel(QWidget* parent, int left, int top, int height)
    : QObject(parent),
      box_(frame(parent, "Lisibilite", QStringLiteral("Lisibilité"), left, top, kWidth, height)) {
    label(box_, "Label15", QStringLiteral("Cible :"), 120, 300, 600, 255);
    target_ = make<QComboBox>(box_, "Cible", 720, 240, 1200, 315);
    for (const ContrastTargetRow& row : kContrastTargets) {
        target_->addItem(QString::fromUtf8(row.label), static_cast<int>(row.target));
    }
    connect(target_, &QComboBox::activated, this, [this] {
        show(colours_, visible_, titleShown_);
        emit targetChosen(target());
    });
    for (int i = 0; i < kRows; ++i) {
        const int y = 720 + kRowPitch * i;
        const QString n = QString::number(i + 1);
        Row row{label(box_, QStringLiteral("Paire") + n, QString(), 120, y, kWidth - 240, 255),
                label(box_, QStringLiteral("Mesure") + n, QString(), 120, y + 270, 1560, 255),
                button(box_, QStringLiteral("Corriger") + n, QStringLiteral("Corriger"), 1740,
                       y + 240, 1140, 315)};
        row.measure->setTextFormat(Qt::RichText);
        connect(row.correct, &QPushButton::clicked, this, [this, i] {
            const Row& r = rows_[static_cast<std::size_t>(i)];
            if (r.proposal >= 0) {
                emit corrected(r.shown.text, r.proposal);
            }
        });
        rows_.push_back(row);
    }
}

ContrastTarget LegibilityPanel::target() const {
    return static_cast<ContrastTarget>(target_->currentData().toInt());
}

void LegibilityPanel::setTarget(ContrastTarget target) {
    target_->setCurrentIndex(target_->findData(static_cast<int>(target)));
    show(colours_, visible_, titleShown_);
}

void LegibilityPanel::show(const ZoneColours& colours, const ZoneFlags& visible,
                           bool titleShown) {
    colours_ = colours;
    visible_ = visible;
    titleShown_ = titleShown;
    const std::vector<TextPair> pairs = TextPairs(visible, titleShown);
    const ContrastTargetRow& goal = TargetRow(target());
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        Row& row = rows_[i];
        const bool shown = i < pairs.size();
        for (QWidget* w : {static_cast<QWidget*>(row.pair), static_cast<QWidget*>(row.measure),
                           static_cast<QWidget*>(row.correct)}) {
            w->setVisible(shown);
        }
        if (!shown) {
            continue;
        }
        row.shown = pairs[i];
        const Colour text = colours[Index(row.shown.text)];
        const Colour background = colours[Index(row.shown.background)];
        const double value = MeasureFor(goal.target, text, background);
        const bool meets = MeetsTarget(goal.target, text, background);
        row.pair->setText(caption(row.shown.text) + QStringLiteral(" sur ") +
                          caption(row.shown.background));
        SetRichText(
            row.measure,
            QStringLiteral("%1 <span style=\"color:%2\">%3&nbsp;%4</span>")
                .arg(goal.measure == ContrastMeasure::Wcag
                         ? frenchNumber(value, 2) + QStringLiteral(":1")
                         : QStringLiteral("Lc ") + frenchNumber(value, 1),
                     meets ? QStringLiteral("#1b7f3b") : QStringLiteral("#b3261e"),
                     QString::fromUtf8(goal.label),
                     meets ? QStringLiteral("✓") : QStringLiteral("✗")));
        const Proposal p = meets ? Proposal{} : ProposeText(text, background, goal.target);
        row.proposal = p.kind == ProposalKind::Proposed ? p.colour : -1;
        row.correct->setVisible(!meets);
        row.correct->setEnabled(row.proposal >= 0);
        row.correct->setToolTip(row.proposal >= 0
                                    ? QStringLiteral("Le texte en %1").arg(
                                          QString::fromStdString(HexText(row.proposal)))
                                    : QStringLiteral("Aucune luminosité de cette teinte n'y suffit"));
    }
}

} // namespace oria
