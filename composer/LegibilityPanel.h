#pragma once

#include "PageModel.h"
#include "contrast/Proposals.h"

#include <QObject>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace oria {

// The composer's "Lisibilité" frame: every pair of the page that carries text, with its
// measure and verdict for the chosen target, and for a pair that misses it "Corriger", which
// offers the text colour nearest to its own that meets the target.
class LegibilityPanel : public QObject {
    Q_OBJECT
public:
    // Built in `parent` at twips (left, top), `height` tall.
    LegibilityPanel(QWidget* parent, int left, int top, int height);

    ContrastTarget target() const;
    void setTarget(ContrastTarget target);
    // Follows the page.
    void show(const ZoneColours& colours, const ZoneFlags& visible, bool titleShown);

    static constexpr int kWidth = 3000; // twips

signals:
    void targetChosen(ContrastTarget target);
    // "Corriger": the text zone takes the colour.
    void corrected(Zone text, Colour colour);

private:
    struct Row {
        QLabel *pair, *measure;
        QPushButton* correct;
        TextPair shown{};
        Colour proposal = -1;
    };
    QGroupBox* box_;
    QComboBox* target_;
    std::vector<Row> rows_;
    ZoneColours colours_{};
    ZoneFlags visible_{};
    bool titleShown_ = true;
};

} // namespace oria
