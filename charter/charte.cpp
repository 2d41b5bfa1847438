#include "charte.h"

#include "widgets/Builders.h"
#include "widgets/ColourReadout.h"
#include "widgets/Progress.h"
#include "widgets/Resources.h"
#include "widgets/ScrollFrame.h"
#include "widgets/Help.h"
#include "widgets/Accessibility.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace oria {

namespace {

constexpr int kContentWidth = 6495; // `total`, twips
constexpr int kContentHeight = 8415;
constexpr int kRowsTop = 840;
constexpr int kRowStep = 600;
constexpr Colour kGreyRow = RGB(192, 192, 192);

struct RowNames {
    const char *check, *picture, *name, *defaultName, *hexa, *rvb;
};
constexpr RowNames kRows[] = {
    {nullptr, "Picture2", "Text1", "Couleur Fond", "Label1", "Label11"},
    {"Check2", "Picture3", "Text2", "Couleur texte", "Label2", "Label22"},
    {"Check3", "Picture4", "Text3", "Couleur titre", "Label3", "Label33"},
    {"Check4", "Picture5", "Text4", "Couleur decors 1", "Label4", "Label44"},
    {"Check5", "Picture6", "Text5", "Couleur decors 2", "Label5", "Label55"},
};
enum RowIndex { kFond, kTexte, kTitre, kDecors1, kDecors2 };

const char* const kStandardTemplates[] = {"/modeles/std_3coul.html", "/modeles/std_4coul.html",
                                          "/modeles/std_5coul.html"};
const QString kHtmlFilter = QStringLiteral("Documents HTML (*.html *.htm);;Tous (*)");

} // namespace

charte::charte(Module1& module, Platform& platform, WindowDirectory&, QWidget* parent)
    : QDialog(parent), module_(module), platform_(platform) {
    setObjectName("charte");
    setWindowTitle(QStringLiteral("Charte Graphique"));
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    buildControls();
    NameControls(this, {
        {"Picture2", "Couleur du fond"}, {"Picture3", "Couleur du texte"},
        {"Picture4", "Couleur du titre"}, {"Picture5", "Couleur décors 1"},
        {"Picture6", "Couleur décors 2"},
        {"Text1", "Nom du fond"}, {"Text2", "Nom du texte"}, {"Text3", "Nom du titre"},
        {"Text4", "Nom décors 1"}, {"Text5", "Nom décors 2"},
        {"Check2", "Texte dans la charte"}, {"Check3", "Titre dans la charte"},
        {"Check4", "Décors 1 dans la charte"}, {"Check5", "Décors 2 dans la charte"},
        {"Text6", "Nom de la charte"}, {"Text7", "Références pratiques"},
        {"Combo1", "Modèle"},
    });
    ReadingTabOrder(this);
    AddManualKey(platform_, this, manual::kCharte);
    ResizeToDesign(this);
    Form_Load();
}

void charte::buildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    frame_ = new ScrollFrame(this, QSize(kContentWidth, kContentHeight), QSize(200, 200));
    layout->addWidget(frame_);
    QWidget* total = frame_->total();
    buildRows(total);
    buildExport(total);
    frame_->setDesignSize(frame_->fullSize());
}

void charte::buildRows(QWidget* total) {
    QLabel* help = label(total, "Label6", StringTable(101), 0, 0, kContentWidth, 735);
    help->setWordWrap(true);
    for (int k = 0; k < 5; ++k) {
        const RowNames& n = kRows[k];
        const int top = kRowsTop + kRowStep * k;
        Row& row = rows_[k];
        if (n.check) {
            row.check = make<QCheckBox>(total, n.check, 0, top + 120, 255, 255);
            connect(row.check, &QCheckBox::clicked, this, [this, k] { row_Click(k); });
        }
        row.picture = swatch(total, n.picture, 360, top, 735, 495);
        row.name = make<QLineEdit>(total, n.name, 1200, top + 90, 2295, 315);
        row.name->setText(QString::fromLatin1(n.defaultName));
        row.hexa = label(total, n.hexa, QString(), 3600, top + 120, 975, 255);
        row.rvb = label(total, n.rvb, QString(), 4680, top + 120, 1815, 255);
    }
    const int below = kRowsTop + kRowStep * 5 + 60;
    label(total, "Label7", QStringLiteral("Nom de la charte :"), 0, below + 60, 1935, 255);
    Text6_ = make<QLineEdit>(total, "Text6", 2040, below, 4455, 315);
    Text6_->setText(QStringLiteral("Titre"));
    label(total, "Label8", QStringLiteral("Références pratiques :"), 0, below + 480, 1935, 255);
    Text7_ = make<QPlainTextEdit>(total, "Text7", 2040, below + 420, 4455, 855);
    Text7_->setPlainText(QStringLiteral("Références"));
}

void charte::buildExport(QWidget* total) {
    QLabel* help = label(total, "Label9", StringTable(102), 0, 5340, kContentWidth, 495);
    help->setWordWrap(true);
    label(total, "Label12", QStringLiteral("Modèle :"), 0, 5940, 975, 255);
    Combo1_ = make<QComboBox>(total, "Combo1", 1080, 5880, 2535, 315);
    Combo1_->addItems({QStringLiteral("standard 3 couleurs"), QStringLiteral("standard 4 couleurs"),
                       QStringLiteral("standard 5 couleurs"), QStringLiteral("personnalisé...")});
    connect(Combo1_, &QComboBox::activated, this, &charte::Combo1_Click);
    auto* Command3 = make<QToolButton>(total, "Command3", 3720, 5760, 2775, 615);
    Command3->setText(QStringLiteral("Créer Charte sous ..."));
    Command3->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(Command3, &QToolButton::clicked, this, &charte::Command3_Click);
    Bar1_ = make<QProgressBar>(total, "Bar1", 0, 6480, kContentWidth, 255);
    Bar1_->setTextVisible(false);
    Bar1_->setValue(0);

    QGroupBox* Frame1 = frame(total, "Frame1", QString(), 0, 6840, kContentWidth, 1095);
    QLabel* done = label(Frame1, "Label10", StringTable(103), 120, 180, 4455, 735);
    done->setWordWrap(true);
    auto* Command4 = make<QToolButton>(Frame1, "Command4", 4680, 180, 1695, 735);
    Command4->setText(QStringLiteral("Visualiser"));
    Command4->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    connect(Command4, &QToolButton::clicked, this, &charte::Command4_Click);
    auto* Command1 = button(total, "Command1", QStringLiteral("OK"), 5160, 8040, 1335, 375);
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &charte::accept);
}

void charte::Form_Load() {
    setWindowIcon(ProgramIcon());
    Combo1_->setCurrentIndex(0);
    for (int k = 0; k < 5; ++k) {
        rows_[k].picture->setBackgroundColour(rowColour(k));
    }
    const struct {
        const char* button;
        int bitmap;
    } pictures[] = {{"Command4", 110}, {"Command3", 106}};
    for (const auto& p : pictures) {
        auto* b = findChild<QToolButton*>(p.button);
        b->setIcon(QIcon(Bitmap(p.bitmap, QSize(24, 24))));
        b->setIconSize(QSize(24, 24));
    }
    InitialiserCases();
    AfficherValeurs();
}

Colour charte::rowColour(int row) const {
    const Colour colours[] = {module_.CouleurFond, module_.CouleurTexte, module_.CouleurTitre,
                              module_.CouleurDecors1, module_.CouleurDecors2};
    return colours[row];
}

// The composer's visibility flags tick the rows; a row left out is painted light grey.
void charte::InitialiserCases() {
    const std::pair<int, int> order[] = {{kDecors2, module_.VisibleDecors2},
                                         {kTitre, module_.VisibleTitre},
                                         {kTexte, module_.VisibleTexte},
                                         {kDecors1, module_.VisibleDecors1}};
    for (const auto& [row, flag] : order) {
        rows_[row].check->setChecked(flag == 1);
        if (flag != 1) {
            rows_[row].picture->setBackgroundColour(kGreyRow);
        }
        row_Click(row);
    }
}

// A grey picture stays grey when its row is ticked again; its read-outs show the colour.
void charte::row_Click(int k) {
    const Row& row = rows_[k];
    const bool on = row.check->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(row.picture), static_cast<QWidget*>(row.name),
                       static_cast<QWidget*>(row.hexa), static_cast<QWidget*>(row.rvb)}) {
        w->setEnabled(on);
    }
    AfficherValeurs();
}

void charte::AfficherValeurs() {
    for (int k = 0; k < 5; ++k) {
        rows_[k].hexa->setText(HexQString(rowColour(k)));
        rows_[k].rvb->setText(RvbText(rowColour(k)));
    }
}

CharterFields charte::fields() const {
    auto rowFields = [this](int k) {
        const Row& r = rows_[k];
        return CharterRow{!r.check || r.check->isChecked(), r.name->text(), r.hexa->text(),
                          r.rvb->text()};
    };
    return {Text6_->text(),    Text7_->toPlainText(), rowFields(kFond),   rowFields(kTexte),
            rowFields(kTitre), rowFields(kDecors1),   rowFields(kDecors2)};
}

void charte::Combo1_Click(int index) {
    if (index == 3) {
        ChoisirModele();
    }
}

void charte::ChoisirModele() {
    const QString path =
        platform_.openFileName(this, QStringLiteral("Choisir un modèle"), kHtmlFilter, QString());
    if (path.isEmpty()) {
        Combo1_->setCurrentIndex(0);
        return;
    }
    cheminModele_ = path;
}

void charte::Command3_Click() {
    CreerCharte();
}

void charte::CreerCharte() {
    const QString path = platform_.saveFileName(this, QStringLiteral("Créer la charte sous"),
                                                kHtmlFilter, QString());
    if (path.isEmpty()) {
        return;
    }
    fichierCharte_ = path; // kept even when the export fails
    const int item = Combo1_->currentIndex();
    if (item >= 0 && item < 3) {
        cheminModele_ =
            platform_.applicationFolder() + QString::fromLatin1(kStandardTemplates[item]);
    }
    Bar1_->setValue(0);
    std::optional<QuietProgress> quiet(Bar1_);
    const auto failure = ExportCharter(cheminModele_, path, fields(), [this](int line, int lines) {
        Bar1_->setMaximum(lines);
        Bar1_->setValue(line);
    });
    Bar1_->setValue(0);
    quiet.reset(); // the message below is painted over a settled window
    if (failure) {
        platform_.showMessage(this, QStringLiteral("Oria 2000"), ExportFailureMessage(*failure),
                              Platform::Icon::Warning);
    }
}

void charte::Command4_Click() {
    if (fichierCharte_.isEmpty()) {
        platform_.showMessage(this, QStringLiteral("Oria 2000 - erreur"),
                              QStringLiteral("Aucune charte à visualiser"),
                              Platform::Icon::Warning);
        return;
    }
    platform_.openDocument(fichierCharte_);
}

} // namespace oria
