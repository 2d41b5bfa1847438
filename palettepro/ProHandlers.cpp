// Razezev Aru's reactions to the user.
#include "DominantColours.h"
#include "PlanePicture.h"
#include "Pro.h"
#include "platform/QtPlatform.h"
#include "widgets/Bands.h"
#include "widgets/ColourPicture.h"
#include "widgets/ColourReadout.h"
#include "widgets/Drops.h"

#include <QAction>
#include <QButtonGroup>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QSlider>

namespace oria {

namespace {

// The plane's centre: half the picture's inner size.
constexpr PlaneCentre kCentre;

// The formats offered first are the ones designers' files come in; every format this
// build decodes is offered too.
QString pictureFilter() {
    QStringList all;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        all << QStringLiteral("*.") + QString::fromLatin1(format);
    }
    all << QStringLiteral("*.dib");
    all.removeDuplicates();
    return QStringLiteral("Toutes les images (%1);;"
                          "Images bmp, jpg, gif, dib (*.bmp *.jpg *.jpeg *.gif *.dib);;"
                          "Métafichiers wmf (*.wmf);;"
                          "Icones ico (*.ico);;"
                          "Tous (*)")
        .arg(all.join(QLatin1Char(' ')));
}

} // namespace

void Pro::connectControls() {
    for (QRadioButton* o : resolution_) {
        connect(o, &QRadioButton::clicked, this, &Pro::resolution_Click);
    }
    for (QRadioButton* o : mode_) {
        connect(o, &QRadioButton::clicked, this, &Pro::mode_Click);
    }
    // The level regenerates when the user lets go of the thumb or steps it, not while the
    // thumb is dragged.
    connect(Slider1_, &QSlider::sliderReleased, this, &Pro::Slider1_Click);
    connect(Slider1_, &QSlider::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderMove) {
            Slider1_Click();
        }
    });
    connect(findChild<QPushButton*>("Command4"), &QPushButton::clicked, this, &Pro::Command4_Click);
    connect(Command1_, &QPushButton::clicked, this, &Pro::Command1_Click);
    connect(Command5_, &QPushButton::clicked, this, [this] {
        history_->record(Command5_->text(), [this] { Command5_Click(); });
    });
    connect(figures_, &QButtonGroup::buttonClicked, this, &Pro::figure_Click);
    // A figure is one step from the first press on the plane until every button is up.
    connect(Picture1_, &PlanePicture::pressed, this, [this](Qt::MouseButton button, PlanePoint at) {
        if (!history_->inStep()) {
            history_->begin(figureStep());
        }
        Picture1_MouseDown(button, at);
    });
    connect(Picture1_, &PlanePicture::moved, this, &Pro::Picture1_MouseMove);
    connect(Picture1_, &PlanePicture::released, this,
            [this](Qt::MouseButton button, PlanePoint, QPoint pos, Qt::MouseButtons held) {
                Picture1_MouseUp(button, pos);
                if (held == Qt::NoButton) {
                    history_->end();
                }
            });
    for (ColourPicture* square : squares_) {
        connect(square, &ColourPicture::mouseMoved, this,
                [this, square](QPoint pos) { square_MouseMove(square, pos); });
        connect(square, &ColourPicture::mousePressed, this,
                [this, square](Qt::MouseButton b, QPoint pos) {
                    history_->record(figureStep(), [=, this] { square_MouseDown(square, b, pos); });
                });
    }
    connect(transfert_->actions().constFirst(), &QAction::triggered, this,
            &Pro::pressepapier_Click);
    connect(findChild<QPushButton*>("Command2"), &QPushButton::clicked, this, &Pro::Command2_Click);
    connect(findChild<QPushButton*>("Command3"), &QPushButton::clicked, this, &Pro::Command3_Click);
}

// ---- the plane ----

void Pro::resolution_Click() {
    Frame4_->setEnabled(true);
    Frame3_->setEnabled(true);
    GenererPlan();
}

void Pro::mode_Click() {
    // "les 2" takes no level.
    const bool level = selectedMode() != PlaneMode::Les2;
    Slider1_->setEnabled(level);
    Label1_->setEnabled(level);
    Frame4_->setEnabled(true);
    Frame3_->setEnabled(level);
    GenererPlan();
}

void Pro::Slider1_Click() {
    GenererPlan();
    Label1_->setText(QString::number(Slider1_->sliderPosition()));
}

void Pro::Command4_Click() {
    if (Slider1_->value() != 100) {
        Slider1_->setValue(100);
        Slider1_Click();
    }
}

void Pro::Command1_Click() {
    const QString path = platform_.openFileName(
        this, QStringLiteral("Charger une image comme palette"), pictureFilter(), QString());
    if (!path.isEmpty()) {
        loadPicture(path);
    }
}

void Pro::loadPicture(const QString& path) {
    const QImage picture = platform_.decodePicture(path);
    if (picture.isNull()) {
        platform_.showMessage(
            this, QStringLiteral("Razezev Aru 1.0"),
            QStringLiteral("Le fichier « %1 » n'a pas pu être lu comme une image : il est "
                           "peut-être endommagé, trop grand ou d'un format non reconnu.\n"
                           "La palette actuelle est conservée.")
                .arg(QFileInfo(path).fileName()),
            Platform::Icon::Warning);
        return;
    }
    // Only what the colour extraction reads is kept: the whole picture, tens of megabytes for
    // a photograph, would stay in memory as long as the window or a step of its history held it.
    const QImage sample = DominantSample(picture);
    history_->record(QStringLiteral("Charger une image"), [this, &picture, &sample] {
        // Stretched over the whole plane, on the current background for transparent pictures.
        QImage plane(kPlanePixels, kPlanePixels, QImage::Format_RGB32);
        plane.fill(ToQColor(Picture1_->backgroundColour()));
        {
            QPainter painter(&plane);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            // While the extraction holds the other core, Qt's painting threads wake late.
            const QRect whole(0, 0, kPlanePixels, kPlanePixels);
            PaintInBands(painter, whole, [&] { painter.drawImage(whole, picture); });
        }
        EnCours_ = false;
        picture_ = sample;
        startExtraction();
        Picture1_->setPlane(plane);
        deselectPlaneOptions();
        Frame3_->setEnabled(false);
        Command5_->setEnabled(true);
    });
}

// The picture's dominant colours, most present first, into the result slots in their order;
// a picture of fewer colours fills fewer slots.
void Pro::Command5_Click() {
    if (!extraction_.valid() || extractionKey_ != picture_.cacheKey()) {
        startExtraction();
    }
    const std::vector<Colour> colours = extraction_.get();
    for (std::size_t k = 0; k < colours.size() && k < ProCouleur_.size(); ++k) {
        ProCouleur_[k] = colours[k];
    }
    AfficherCouleurs();
}

// The clustering takes longer than a frame: it starts as soon as the picture is there, and the
// click finds it done.
void Pro::startExtraction() {
    extractionKey_ = picture_.cacheKey();
    auto promise = std::make_shared<std::promise<std::vector<Colour>>>();
    extraction_ = promise->get_future().share();
    extractor_->clear(); // a picture loaded over one still waiting: that one is not read
    extractor_->start([promise, sample = picture_] {
        try {
            promise->set_value(DominantColours(sample, kDominantColoursMax));
        } catch (...) {
            promise->set_exception(std::current_exception());
        }
    });
}

void Pro::dragEnterEvent(QDragEnterEvent* event) {
    AcceptFileDrag(event);
}

void Pro::dropEvent(QDropEvent* event) {
    if (const QString path = TakeDroppedFile(event); !path.isEmpty()) {
        loadPicture(path);
    }
}

void Pro::deselectPlaneOptions() {
    for (QRadioButton* o :
         {resolution_[0], resolution_[1], resolution_[2], mode_[0], mode_[1], mode_[2]}) {
        // An exclusive option cannot be unchecked while it stays exclusive.
        o->setAutoExclusive(false);
        o->setChecked(false);
        o->setAutoExclusive(true);
    }
}

// ---- figures ----

Figure Pro::selectedFigure() const {
    return static_cast<Figure>(figures_->checkedId());
}

void Pro::figure_Click() {
    const bool libre = selectedFigure() == Figure::Libre;
    for (QAbstractButton* o : slots_->buttons()) {
        o->setEnabled(libre);
    }
}

FigureParameters Pro::figureParameters() const {
    auto number = [](const QLineEdit* t) { return LeadingNumber(t->text().toStdString()); };
    return {number(text_[0]), number(text_[1]), number(text_[2]), number(text_[3])};
}

int Pro::selectedSlot() const {
    return slots_->checkedId();
}

void Pro::Picture1_MouseDown(Qt::MouseButton button, PlanePoint at) {
    const Figure figure = selectedFigure();
    if (figure == Figure::Libre) {
        Picture1_->clearOverlay();
    } else if (button == Qt::LeftButton) {
        Picture1_->clearOverlay();
        EnCours_ = true;
        figure_ = PressFigure(at.x, at.y);
    }
}

void Pro::Picture1_MouseMove(Qt::MouseButtons buttons, PlanePoint at, QPoint pos) {
    const Colour c = Picture1_->colourAt(pos);
    if (c < 0) {
        return;
    }
    const Figure figure = selectedFigure();
    if (figure != Figure::RectDep) {
        showReadout(c);
    }
    if (figure == Figure::Libre || !EnCours_) {
        return;
    }
    FigureLines lines = LinesOf(figure, figure_);
    Picture1_->invert(lines.rays);
    Picture1_->invert(lines.edges);
    showReadout(c);
    figure_.centreX = kCentre.x;
    figure_.centreY = kCentre.y;
    MoveFigure(figure, figure_, at.x, at.y, figureParameters(), buttons & Qt::RightButton);
    lines = LinesOf(figure, figure_);
    Picture1_->invert(lines.rays);
    Picture1_->invert(lines.edges);
}

void Pro::Picture1_MouseUp(Qt::MouseButton button, QPoint pos) {
    const Figure figure = selectedFigure();
    if (figure == Figure::Libre) {
        ProCouleur_[static_cast<std::size_t>(selectedSlot())] = Picture1_->colourAt(pos);
    } else if (EnCours_ && button == Qt::LeftButton) {
        EnCours_ = false;
        // The rays from the centre stay inverted; the edges turn black.
        const FigureLines lines = LinesOf(figure, figure_);
        Picture1_->invert(lines.edges);
        for (const Pick& pick : PicksOf(figure, figure_)) {
            ProCouleur_[static_cast<std::size_t>(pick.slot)] = Picture1_->planeColourAt(pick.at);
        }
        Picture1_->drawBlack(lines.edges, lines.blackWidth);
    }
    AfficherCouleurs();
}

// ---- result squares, read-out, clipboard ----

void Pro::showReadout(Colour c) {
    ColourReadout{Picture2_, Label2_, statusText_}.show(c);
}

void Pro::square_MouseMove(ColourPicture* square, QPoint pos) {
    const Colour c = square->colourAt(pos);
    if (c >= 0) {
        showReadout(c);
    }
}

void Pro::square_MouseDown(ColourPicture* square, Qt::MouseButton button, QPoint pos) {
    if (selectedFigure() == Figure::Libre) {
        // Shown at the next repaint, after the next button-up on the plane.
        ProCouleur_[static_cast<std::size_t>(selectedSlot())] = square->backgroundColour();
    }
    if (button == Qt::RightButton) {
        transfert_->popup(square->mapToGlobal(pos));
    }
}

void Pro::pressepapier_Click() {
    platform_.setClipboardText(Label2_->text());
}

// ---- closing ----

void Pro::Command2_Click() {
    acceptAndClose();
}

void Pro::Command3_Click() {
    cancelAndClose();
}

// ---- undo ----

QString Pro::figureStep() const {
    QString caption = figures_->checkedButton()->text();
    caption.remove(QRegularExpression(QStringLiteral("\\s*:$"))); // "Angle fixe :"
    return caption;
}

UndoState Pro::undoState() const {
    UndoState state;
    controls_->capture(state);
    for (Colour c : ProCouleur_) {
        state << c;
    }
    state << Picture1_->plane() << Picture1_->overlayDifference() << statusText_->text()
          << picture_;
    return state;
}

void Pro::applyUndoState(const UndoState& state) {
    qsizetype i = 0;
    controls_->apply(state, i);
    for (Colour& c : ProCouleur_) {
        c = state.at(i++).toInt();
    }
    const QImage plane = state.at(i++).value<QImage>();
    if (!(plane == Picture1_->plane())) {
        Picture1_->setPlane(plane);
    }
    Picture1_->setOverlayDifference(state.at(i++).toByteArray());
    statusText_->setText(state.at(i++).toString());
    picture_ = state.at(i++).value<QImage>();
    if (!picture_.isNull() && picture_.cacheKey() != extractionKey_) {
        startExtraction();
    }
    EnCours_ = false;
    // The squares got their colours back with the controls: a slot picked in "Libre" shows
    // only at the next button-up on the plane, and so it does again after a redo.
}

void Pro::handBack() {
    module_.setHarmony(ProCouleur_);
}

} // namespace oria
