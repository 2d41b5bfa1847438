#include "frmTip.h"

#include "platform/Settings.h"
#include "platform/Windows1252.h"
#include "widgets/Resources.h"
#include "widgets/Help.h"
#include "widgets/Accessibility.h"

#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace oria {

namespace {

const QString kTipsFile = QStringLiteral("/ASTUCES.TXT");

} // namespace

QStringList TipLines(const QByteArray& bytes) {
    return SplitLines(DecodeWindows1252(bytes));
}

frmTip::frmTip(Module1& module, Platform& platform, QWidget* parent)
    : QDialog(parent), module_(module), platform_(platform) {
    buildControls();
    ReadingTabOrder(this);
    AddManualKey(platform_, this, manual::kAstuce);

    setWindowIcon(ProgramIcon());
    if (SettingNumber(platform_.setting(kShowTipsKey, QStringLiteral("1"))) == 0) {
        // The user asked for no tips: the window goes before it is ever shown; whoever
        // created it checks wasUnloadedOnLoad() and deletes it.
        unloadedOnLoad_ = true;
        return;
    }
    chkLoadTipsAtStartup_->setChecked(true);
    platform_.random().reseedFromClock();
    if (!LoadTips(platform_.applicationFolder() + kTipsFile)) {
        lblTipText_->setText(QStringLiteral("Le fichier ASTUCES.TXT n'a pas été trouvé? \r\n\r\n"));
    }
}

void frmTip::buildControls() {
    setWindowTitle(QStringLiteral("Astuce du jour"));
    // Unloading the window destroys it; its owner keeps a QPointer and creates it afresh.
    setAttribute(Qt::WA_DeleteOnClose);

    auto* picture1 = new QFrame(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setStyleSheet(
        QStringLiteral("#Picture1 { background-color: white; border: 1px solid #c3cad3; }"));

    auto* image = new QLabel(picture1);
    image->setObjectName(QStringLiteral("imgAstuce"));
    image->setPixmap(Bitmap(102, QSize(32, 32)));
    image->setFixedSize(32, 32);

    auto* label1 = new QLabel(QStringLiteral("Savez-vous..."), picture1);
    label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = label1->font();
    bold.setBold(true);
    label1->setFont(bold);

    lblTipText_ = new QLabel(picture1);
    lblTipText_->setObjectName(QStringLiteral("lblTipText"));
    lblTipText_->setWordWrap(true);
    lblTipText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A fixed box with room for the longest tips, so the window keeps its size from tip
    // to tip.
    lblTipText_->setFixedSize(330, lblTipText_->fontMetrics().lineSpacing() * 5 + 4);

    auto* textColumn = new QVBoxLayout;
    textColumn->addWidget(label1);
    textColumn->addWidget(lblTipText_);
    textColumn->addStretch();
    auto* pictureLayout = new QHBoxLayout(picture1);
    pictureLayout->setContentsMargins(12, 12, 12, 12);
    pictureLayout->setSpacing(12);
    pictureLayout->addWidget(image, 0, Qt::AlignTop);
    pictureLayout->addLayout(textColumn);

    chkLoadTipsAtStartup_ =
        new QCheckBox(QStringLiteral("&Afficher les astuces au démarrage"), this);
    chkLoadTipsAtStartup_->setObjectName(QStringLiteral("chkLoadTipsAtStartup"));
    connect(chkLoadTipsAtStartup_, &QCheckBox::clicked, this, &frmTip::chkLoadTipsAtStartup_Click);

    auto* cmdNextTip = new QPushButton(QStringLiteral("Astuce &suivante"), this);
    cmdNextTip->setObjectName(QStringLiteral("cmdNextTip"));
    cmdNextTip->setAutoDefault(false);
    connect(cmdNextTip, &QPushButton::clicked, this, &frmTip::cmdNextTip_Click);

    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmTip::cmdOK_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkLoadTipsAtStartup_);
    buttons->addStretch();
    buttons->addWidget(cmdNextTip);
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(picture1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool frmTip::LoadTips(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    // A file that exists but cannot be read (a folder, no permission) counts as missing.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return false;
    }
    astuces_ << TipLines(bytes);
    ChoisirAstuce();
    return true;
}

void frmTip::ChoisirAstuce() {
    const double r = platform_.random().next();
    const double count = static_cast<double>(astuces_.size());
    double pick = std::floor(r * count + 1);
    // Kept in range before the conversion: a stray number (NaN, 1.0) must not overflow.
    if (!(pick >= 1.0)) {
        pick = 1.0;
    } else if (pick > count && count >= 1.0) {
        pick = count;
    }
    astuceCourante_ = static_cast<int>(pick);
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip() {
    if (astuces_.isEmpty()) {
        return;
    }
    const auto index = std::clamp<qsizetype>(astuceCourante_, 1, astuces_.size());
    lblTipText_->setText(astuces_.at(index - 1));
}

void frmTip::cmdNextTip_Click() {
    ChoisirAstuce();
}

void frmTip::chkLoadTipsAtStartup_Click() {
    platform_.setSetting(kShowTipsKey, chkLoadTipsAtStartup_->isChecked() ? QStringLiteral("1")
                                                                          : QStringLiteral("0"));
}

void frmTip::cmdOK_Click() {
    close();
}

} // namespace oria
