#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace oria {

// A picture file as the program takes it: a null image when the file cannot be read, is not
// a picture this build decodes, stops short of its own end, or is too large to decode.
QImage DecodePictureFile(const QString& path);

// Whether a "png", "jpeg", "gif" or "bmp" picture stops before the end its own structure
// announces. Their decoders show what they got and fill the rest, so a cut file would pass
// for whole. Other formats are left to their decoders.
bool PictureIsCutShort(const QByteArray& data, const QByteArray& format);

} // namespace oria
