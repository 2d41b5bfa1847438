#include "frmSplash.h"

#include "widgets/Resources.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace oria {

namespace {

// The program's version, from the build, shown as "Version major.minor.revision".
constexpr int kVersionMajor = ORIA_VERSION_MAJOR;
constexpr int kVersionMinor = ORIA_VERSION_MINOR;
constexpr int kVersionRevision = ORIA_VERSION_PATCH;

constexpr QSize kSplashSize(480, 300);
constexpr int kSplashDelayMs = 2000;

// Dark enough to read on the light lower band of the picture.
constexpr QColor kTextColour(0x22, 0x30, 0x3f);

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry,
                  qreal pointSize, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = label->font();
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kTextColour);
    label->setPalette(palette);
    return label;
}

} // namespace

frmSplash::frmSplash(Module1& module, Platform& platform, QWidget* parent)
    : QDialog(parent), module_(module), platform_(platform),
      pictureLater_(BitmapLater(101, kSplashSize)) {
    // A frameless dialog rather than a splash-screen window: window managers may refuse
    // focus to the latter, and a key press must reach the about box to close it.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(kSplashSize);

    auto* lblVersion = makeLabel(this, QStringLiteral("lblVersion"),
                                 QStringLiteral("Version %1.%2.%3")
                                     .arg(kVersionMajor)
                                     .arg(kVersionMinor)
                                     .arg(kVersionRevision),
                                 QRect(33, 184, 280, 22), 11, true);
    auto* lblPlatform =
        makeLabel(this, QStringLiteral("lblPlatform"), QStringLiteral("Windows 95/98/NT4.0/2000"),
                  QRect(33, 206, 280, 18), 9);
    auto* label1 = makeLabel(this, QStringLiteral("Label1"),
                             QStringLiteral("Conçu et réalisé par l'équipe Oria 2000"),
                             QRect(33, 224, 330, 18), 9);
    auto* label3 = makeLabel(this, QStringLiteral("Label3"), QStringLiteral("oria2000.example"),
                             QRect(33, 242, 330, 18), 9);
    // The web address does not close the window: it can be selected and copied instead.
    label3->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* label2 =
        makeLabel(this, QStringLiteral("Label2"), StringTable(104), QRect(33, 261, 340, 36), 7.5);
    label2->setWordWrap(true);

    auto* command1 = new QPushButton(QStringLiteral("Licence"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setGeometry(386, 264, 82, 26);
    // Any key closes the window, so the button must not take the keyboard focus (nor act
    // on Enter as a default button would).
    command1->setFocusPolicy(Qt::NoFocus);
    command1->setAutoDefault(false);
    connect(command1, &QPushButton::clicked, this, &frmSplash::Command1_Click);

    // The legal notice and the licence belong to the about box only.
    label2->setVisible(module_.AproposMenu);
    command1->setVisible(module_.AproposMenu);

    for (QLabel* label : {label1, label2, lblPlatform, lblVersion}) {
        label->installEventFilter(this);
    }

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(kSplashDelayMs);
    connect(timer_, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    // Last, so that another thread may draw it meanwhile.
    setWindowIcon(ProgramIcon());
    timer_->start();
}

void frmSplash::paintEvent(QPaintEvent*) {
    if (pictureLater_.valid()) {
        picture_ = QPixmap::fromImage(pictureLater_.get());
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
    if (!painted_) {
        painted_ = true;
        emit firstPainted();
    }
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    event->accept();
    closeSplash();
}

void frmSplash::mousePressEvent(QMouseEvent* event) {
    event->accept();
    closeSplash();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        closeSplash();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmSplash::Timer1_Timer() {
    closeSplash();
}

void frmSplash::Command1_Click() {
    // Whatever opens the licence (or fails to) is the desktop's business; the box stays.
    platform_.openDocument(platform_.applicationFolder() + QStringLiteral("/license.txt"));
}

void frmSplash::closeSplash() {
    timer_->stop();
    done(QDialog::Accepted);
}

} // namespace oria
