// The binary formats: Adobe Swatch Exchange, and the swatch sheet's PNG, which carries the
// sheet it was drawn from.

#include "FormatReaders.h"
#include "SwatchSheet.h"

#include <QtEndian>

#include <bit>

namespace oria::readers {

namespace {

// Big-endian reads that never pass the end: every read checks what is left first.
class Cursor {
public:
    explicit Cursor(QByteArrayView bytes) : bytes_(bytes) {}
    qsizetype left() const { return bytes_.size() - at_; }
    bool has(qsizetype n) const { return n >= 0 && left() >= n; }
    quint16 u16() {
        const quint16 v = qFromBigEndian<quint16>(bytes_.data() + at_);
        at_ += 2;
        return v;
    }
    quint32 u32() {
        const quint32 v = qFromBigEndian<quint32>(bytes_.data() + at_);
        at_ += 4;
        return v;
    }
    QByteArrayView take(qsizetype n) {
        const QByteArrayView v = bytes_.sliced(at_, n);
        at_ += n;
        return v;
    }

private:
    QByteArrayView bytes_;
    qsizetype at_ = 0;
};

// Length in UTF-16 units, the terminating 0 included, then the units.
std::optional<QString> aseName(Cursor& body) {
    if (!body.has(2)) {
        return std::nullopt;
    }
    const qsizetype units = body.u16();
    if (!body.has(units * 2)) {
        return std::nullopt;
    }
    QString name;
    name.reserve(units);
    for (qsizetype i = 0; i < units; ++i) {
        name += QChar(body.u16());
    }
    while (name.endsWith(QChar(0))) {
        name.chop(1);
    }
    return name;
}

struct AseModel {
    const char* tag;
    int values;
};
constexpr AseModel kAseModels[] = {{"RGB ", 3}, {"CMYK", 4}, {"Gray", 1}, {"LAB ", 3}};

// nullopt for a LAB colour: Oria does not convert it.
std::optional<Colour> aseColour(const AseModel& model, const float* v) {
    switch (model.values) {
    case 3:
        if (model.tag[0] == 'L') {
            return std::nullopt;
        }
        return RGB(Channel(v[0]), Channel(v[1]), Channel(v[2]));
    case 4:
        return CmykColour(v[0], v[1], v[2], v[3]);
    default:
        return RGB(Channel(v[0]), Channel(v[0]), Channel(v[0]));
    }
}

} // namespace

std::optional<NamedPalette> Ase(const QByteArray& bytes, QString* why) {
    Cursor file(bytes);
    if (QByteArrayView("ASEF").startsWith(bytes)) {
        *why = QString::fromUtf8(kTruncated);
        return std::nullopt;
    }
    if (!bytes.startsWith("ASEF")) {
        *why = QStringLiteral("ce n'est pas un fichier Adobe Swatch Exchange (il ne commence pas "
                              "par « ASEF »)");
        return std::nullopt;
    }
    if (!file.has(12)) {
        *why = QString::fromUtf8(kTruncated);
        return std::nullopt;
    }
    file.take(8); // signature and version
    const quint32 blocks = file.u32();
    NamedPalette palette;
    int depth = 0, groups = 0, outside = 0, lab = 0;
    QString group;
    // Each block takes at least six bytes: the loop ends with the file.
    for (quint32 k = 1; k <= blocks; ++k) {
        if (!file.has(6)) {
            *why = QStringLiteral("%1 : %2 blocs annoncés, %3 présents")
                       .arg(QString::fromUtf8(kTruncated))
                       .arg(blocks)
                       .arg(k - 1);
            return std::nullopt;
        }
        const quint16 type = file.u16();
        const quint32 length = file.u32();
        if (!file.has(length)) {
            *why = QStringLiteral("%1 : le bloc %2 annonce %3 octets, il en reste %4")
                       .arg(QString::fromUtf8(kTruncated))
                       .arg(k)
                       .arg(length)
                       .arg(file.left());
            return std::nullopt;
        }
        Cursor body(file.take(length));
        const QString damaged = QStringLiteral("le bloc %1 est abîmé : ").arg(k);
        if (type == 0xC001) {
            const auto name = aseName(body);
            if (!name) {
                *why = damaged + QStringLiteral("son nom dépasse le bloc");
                return std::nullopt;
            }
            groups += depth == 0 ? 1 : 0;
            group = depth == 0 ? *name : group;
            ++depth;
        } else if (type == 0xC002) {
            depth = std::max(0, depth - 1);
        } else if (type == 0x0001) {
            const auto name = aseName(body);
            if (!name || !body.has(4)) {
                *why = damaged + QStringLiteral("son nom dépasse le bloc");
                return std::nullopt;
            }
            const QByteArrayView tag = body.take(4);
            const AseModel* model = nullptr;
            for (const AseModel& m : kAseModels) {
                model = tag == QByteArrayView(m.tag, 4) ? &m : model;
            }
            if (model == nullptr) {
                *why = damaged + QStringLiteral("modèle de couleur inconnu");
                return std::nullopt;
            }
            if (!body.has(4 * model->values)) {
                *why = damaged + QStringLiteral("ses composantes dépassent le bloc");
                return std::nullopt;
            }
            float v[4] = {};
            for (int i = 0; i < model->values; ++i) {
                v[i] = std::bit_cast<float>(body.u32());
            }
            // The colour type (global, spot, normal) that may follow changes nothing here.
            if (const auto colour = aseColour(*model, v)) {
                outside += depth == 0 ? 1 : 0;
                if (!Append(palette, *name, *colour, why)) {
                    return std::nullopt;
                }
            } else {
                ++lab;
            }
        }
    }
    if (palette.colours.empty() && lab > 0) {
        *why = QStringLiteral("le fichier ne contient que des couleurs Lab, qu'Oria ne convertit "
                              "pas");
        return std::nullopt;
    }
    // One group holding every colour is the palette; several are sections of a file.
    if (groups == 1 && outside == 0) {
        palette.name = group;
    }
    return palette;
}

std::optional<NamedPalette> Png(const QByteArray& bytes, QString* why) {
    constexpr QByteArrayView kSignature("\x89PNG\r\n\x1A\n");
    if (kSignature.startsWith(bytes)) {
        *why = QString::fromUtf8(kTruncated);
        return std::nullopt;
    }
    if (!bytes.startsWith(kSignature)) {
        *why = QStringLiteral("ce n'est pas une image PNG");
        return std::nullopt;
    }
    Cursor file(bytes);
    file.take(8);
    const QByteArrayView keyword(kSwatchSheetKeyword, sizeof kSwatchSheetKeyword); // with its 0
    std::optional<QByteArrayView> sheet;
    for (;;) {
        if (!file.has(12)) {
            *why = QString::fromUtf8(kTruncated);
            return std::nullopt;
        }
        const quint32 length = file.u32();
        const QByteArrayView type = file.take(4);
        if (!file.has(qsizetype(length) + 4)) {
            *why = QString::fromUtf8(kTruncated);
            return std::nullopt;
        }
        const QByteArrayView data = file.take(length);
        file.take(4); // CRC
        if (type == "IEND") {
            break;
        }
        // Keyword, compression flag and method, language and translated keyword, text.
        if (type == "iTXt" && data.startsWith(keyword) && !sheet) {
            QByteArrayView rest = data.sliced(keyword.size());
            if (rest.size() < 2 || rest[0] != 0) {
                continue;
            }
            rest = rest.sliced(2);
            for (int field = 0; field < 2 && !rest.isEmpty(); ++field) {
                const qsizetype zero = rest.indexOf('\0');
                rest = zero < 0 ? QByteArrayView() : rest.sliced(zero + 1);
            }
            sheet = rest;
        }
    }
    if (!sheet || sheet->isEmpty()) {
        *why = QStringLiteral("cette image ne porte pas de palette (seules les planches de "
                              "couleurs d'Oria 2000 en portent une)");
        return std::nullopt;
    }
    return Svg(sheet->toByteArray(), why);
}

} // namespace oria::readers
