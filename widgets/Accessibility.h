#pragma once

#include "core/Colour.h"

#include <QString>
#include <initializer_list>
#include <utility>

class QWidget;

namespace oria {

// What a screen reader says of a colour: "#1CC1D6 (R 28, V 193, B 214)".
QString ColourDescription(Colour c);

// Gives the controls of `window` named by their object names the French names a screen
// reader says; a plain colour picture among them also says its colour, as it changes.
void NameControls(QWidget* window,
                  std::initializer_list<std::pair<const char*, const char*>> names);

// Tab follows the reading order: frame by frame, top to bottom and left to right (controls
// whose tops are within a few pixels are one row). A group of options is one stop, the option
// chosen; the arrow keys move within it. Tab leaves multi-line fields.
void ReadingTabOrder(QWidget* window);

} // namespace oria
