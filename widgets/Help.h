#pragma once

#include <QString>

class QWidget;

namespace oria {

class Platform;

// The user manual: one HTML page in the data folder, a section per window.
inline const QString kManualFile = QStringLiteral("/aide/oria.html");

// The section each window's F1 opens (the page's anchors).
namespace manual {
inline constexpr const char* kHarmonie = "harmonie";
inline constexpr const char* kRazezevAru = "razezev-aru";
inline constexpr const char* kVizozudu = "vizozudu";
inline constexpr const char* kComposeur = "composeur";
inline constexpr const char* kCharte = "charte";
inline constexpr const char* kAstuce = "astuce";
} // namespace manual

// Opens the manual at `section` in the desktop's browser. A missing manual is said in French,
// naming the file where it was looked for.
void ShowManual(Platform& platform, QWidget* parent, const char* section);

// F1 anywhere in `window` opens its section; for windows without a help menu.
void AddManualKey(Platform& platform, QWidget* window, const char* section);

} // namespace oria
