#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace oria {

// Button pictures 101..114 drawn at `size` (their own size when empty).
QPixmap Bitmap(int id, QSize size = {});
// Icon 102, the program's icon.
QIcon ProgramIcon();
// The string table, entries 101..104; empty for unknown entries.
QString StringTable(int id);

} // namespace oria
