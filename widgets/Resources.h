#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <future>

namespace oria {

// Button pictures 101..114 drawn at `size` (their own size when empty).
QPixmap Bitmap(int id, QSize size = {});
// Bitmap() drawn only when get() asks for it, so that building a window does not wait for
// its pictures (QPixmap::fromImage gives what Bitmap() gives).
std::future<QImage> BitmapLater(int id, QSize size = {});
// Prepares icon 102 to be drawn once, at the first ProgramIcon().
void ProgramIconLater();
// Icon 102, the program's icon.
QIcon ProgramIcon();
// The string table, entries 101..104; empty for unknown entries.
QString StringTable(int id);

} // namespace oria
