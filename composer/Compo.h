#pragma once

#include "Grids.h"
#include "PageModel.h"
#include "core/Module1.h"
#include "platform/Platform.h"
#include "widgets/UndoHistory.h"
#include "widgets/WindowDirectory.h"

#include <QMainWindow>
#include <optional>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QRadioButton;
class QSlider;

namespace oria {

class ColourPicture;
class GridPicture;
class IndicatorView;
class LegibilityPanel;
class PageView;
class ScrollFrame;
struct PageDocument;

// The "Pages récentes" setting as the menu lists it: one path a line, the most recent first,
// no more than the menu holds whatever a hand-edited settings file says.
QStringList RecentPagesFrom(const QString& stored);

// Roverevod, the page composer: the harmony on a small page whose zones are recoloured
// from two colour grids and a few tools, saved as page documents.
class Compo : public QMainWindow {
    Q_OBJECT
public:
    Compo(Module1& module, Platform& platform, WindowDirectory& windows, QWidget* parent = nullptr);

    // Re-colours the page from the swatches and publishes the zone colours.
    void Picture3_Paint();
    void Picture1_Paint();
    void Picture2_Paint();

    ZoneColours zoneColours() const;
    ZoneFlags visibleFlags() const;
    ZoneFlags modifiableFlags() const;
    std::optional<Zone> selectedZone() const;
    // Applies a document as "Ouvrir" does.
    void OuvrirPage(const PageDocument& page);
    UndoHistory& history() { return *history_; }
    // Opens a page document as "Ouvrir" does, as one step; a refused file says why.
    void openPage(const QString& path);
    // A palette's colours into the zones: by name, then into the modifiable zones left.
    void importColours(const QString& path);

private slots:
    void visible_Click(Zone zone);
    void Check10_Click();
    void Check11_Click();
    void source_MouseMove(ColourPicture* source, QPoint pos);
    void source_MouseDown(ColourPicture* source, Qt::MouseButton button, QPoint pos);
    void swatch_RightClick(ColourPicture* swatch, QPoint pos);
    void Command10_Click();
    void Command1_Click();
    void Command8_Click();
    void Command6_Click();
    void Command7_Click();
    void Command9_Click();
    void Command5_Click();
    void Command2_Click();
    void Command4_Click();
    void Command11_Click();
    void pressepapier_Click();
    void exporter_Click();
    void importer_Click();
    void aideoria_Click();
    void astuces_Click();
    void apropos_Click();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Form_Load();
    // The last eight documents opened or saved, newest first, kept in the settings.
    QStringList recentPages() const;
    void rememberPage(const QString& path);
    void showRecentPages();
    void buildControls();
    void buildPage(QWidget* total);
    void buildZones(QWidget* total);
    void buildGrids(QWidget* total);
    void buildCommands(QWidget* total);
    void buildMenus();
    void connectControls();

    // The caption, with the simulated vision said after it.
    void setCaption(const QString& caption);
    void setZone(Zone zone, Colour c);
    void setZones(const ZoneColours& colours);
    void disableZone(Zone zone);
    // Sets a box as the program does: its click rule runs when the value changes.
    void setBox(QCheckBox* box, bool ticked);
    void runBoxRule(QCheckBox* box);
    void selectZone(Zone zone, bool on);
    // The shade grid's base follows a picked colour when "auto" is ticked.
    void autoRule(Colour c);
    int gridCells() const;
    PaletteAxis paletteAxis() const;
    // A reaction run as one step of the history.
    std::function<void()> step(const QString& text, void (Compo::*slot)());
    // What a step may change: the controls, the indicator, the page's title and name.
    UndoState undoState() const;
    void applyUndoState(const UndoState& state);

    Module1& module_;
    Platform& platform_;
    WindowDirectory& windows_;

    ScrollFrame* frame_ = nullptr;
    PageView* Picture3_ = nullptr;
    GridPicture* Picture1_ = nullptr;
    GridPicture* Picture2_ = nullptr;
    IndicatorView* Picture4_ = nullptr;
    QRadioButton* zoneOption_[kZoneCount] = {};
    ColourPicture* swatch_[kZoneCount] = {};
    QLabel* html_[kZoneCount] = {};
    QCheckBox* visible_[kZoneCount] = {}; // none for fond
    QCheckBox* modif_[kZoneCount] = {};
    QCheckBox* Check10_ = nullptr;
    QCheckBox* Check11_ = nullptr;
    QCheckBox* Check12_ = nullptr;
    QLabel* Label11_ = nullptr;
    QLabel* Label12_ = nullptr;
    QLabel* Label13_ = nullptr;
    QRadioButton* cells_[4] = {}; // 256, 1024, 2048, 4096
    QRadioButton* axis_[3] = {};  // rouge, bleu, vert
    QSlider* HScroll1_ = nullptr;
    QLabel* Label8_ = nullptr;
    QSlider* shade_[3] = {};     // VScroll1..VScroll3
    QLabel* shadeLabel_[3] = {}; // Label5..Label7
    QMenu* transfert_ = nullptr;
    QAction* chartegrap_ = nullptr;
    QMenu* recent_ = nullptr;
    LegibilityPanel* legibility_ = nullptr;

    QString TexteExport_;
    QString caption_;
    QString pageName_ = QStringLiteral("Page"); // after the last document opened or saved
    QString logo_ = QStringLiteral("Cromalune");

    std::optional<ControlStates> controls_;
    UndoHistory* history_ = nullptr;
};

} // namespace oria
