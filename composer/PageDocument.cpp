#include "PageDocument.h"

#include "platform/SaveFile.h"

#include "platform/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <array>

namespace oria {

namespace {

constexpr int kColoursOffset = kPageNameBytes;
constexpr int kFlagsOffset = kColoursOffset + 5 * 4;
static_assert(kFlagsOffset + 5 * 2 == kPageDocumentBytes);

constexpr Colour kLargestColour = 0xFFFFFF;

// The raw 32 bits, so that a negative value shows what the file holds.
QString hex32(Colour value) {
    return QStringLiteral("0x") +
           QString::number(static_cast<quint32>(value), 16).rightJustified(8, u'0').toUpper();
}

QString fileNameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

} // namespace

QString PageName(const PageDocument& page) {
    return DecodeWindows1252(page.name);
}

QByteArray PageNameBytes(const QString& name) {
    return EncodeWindows1252(name).left(kPageNameBytes).leftJustified(kPageNameBytes, ' ');
}

QByteArray EncodePageDocument(const PageDocument& page) {
    QByteArray bytes = page.name.left(kPageNameBytes).leftJustified(kPageNameBytes, ' ');
    bytes.resize(kPageDocumentBytes);
    char* at = bytes.data() + kColoursOffset;
    for (const PageColourField& field : kPageColourFields) {
        qToLittleEndian<qint32>(page.*field.member, at);
        at += 4;
    }
    for (const PageFlagField& field : kPageFlagFields) {
        qToLittleEndian<qint16>(page.*field.member ? 1 : 0, at);
        at += 2;
    }
    return bytes;
}

std::optional<PageDocument> DecodePageDocument(const QByteArray& bytes, QString* why) {
    if (bytes.size() < kPageDocumentBytes) {
        *why = QStringLiteral("il fait %1 octets au lieu de %2")
                   .arg(bytes.size())
                   .arg(kPageDocumentBytes);
        return std::nullopt;
    }
    PageDocument page;
    page.name = bytes.left(kPageNameBytes);
    const char* at = bytes.constData() + kColoursOffset;
    for (const PageColourField& field : kPageColourFields) {
        const Colour value = qFromLittleEndian<qint32>(at);
        if (value < 0 || value > kLargestColour) {
            *why = QStringLiteral("%1 vaut %2, hors des couleurs possibles (0x00000000 à "
                                  "0x00FFFFFF)")
                       .arg(QString::fromUtf8(field.label), hex32(value));
            return std::nullopt;
        }
        page.*field.member = value;
        at += 4;
    }
    for (const PageFlagField& field : kPageFlagFields) {
        const qint16 value = qFromLittleEndian<qint16>(at);
        if (value != 0 && value != 1) {
            *why = QStringLiteral("l'indicateur « %1 » vaut %2 au lieu de 0 ou 1")
                       .arg(QString::fromUtf8(field.label))
                       .arg(value);
            return std::nullopt;
        }
        page.*field.member = value == 1;
        at += 2;
    }
    return page;
}

std::optional<PageDocument> ReadPageDocument(const QString& path, QString* message) {
    const QString name = fileNameOf(path);
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        *message = QStringLiteral("Impossible de lire « %1 » : %2.").arg(name, ReadFailure(path));
        return std::nullopt;
    }
    // Only the record: whatever follows it is not part of the page. A pipe may hand the
    // bytes over in pieces.
    QByteArray bytes;
    while (bytes.size() < kPageDocumentBytes) {
        const QByteArray piece = file.read(kPageDocumentBytes - bytes.size());
        if (piece.isEmpty()) {
            break;
        }
        bytes += piece;
    }
    if (file.error() != QFileDevice::NoError) {
        *message = QStringLiteral("Impossible de lire « %1 » : la lecture a échoué.").arg(name);
        return std::nullopt;
    }
    QString why;
    auto page = DecodePageDocument(bytes, &why);
    if (!page) {
        *message =
            QStringLiteral("Le fichier « %1 » n'est pas une page Oria valide : %2.").arg(name, why);
    }
    return page;
}

std::optional<QString> WritePageDocument(const QString& path, const PageDocument& page) {
    const QByteArray bytes = EncodePageDocument(page);
    // Never write a record that opening would refuse.
    QString why;
    if (DecodePageDocument(bytes, &why)) {
        if (const auto failure = SaveWhole(path, bytes)) {
            why = *failure;
        } else {
            return std::nullopt;
        }
    }
    return QStringLiteral("Impossible d'enregistrer « %1 » : %2. La page n'a pas été "
                          "enregistrée ; un fichier existant n'a pas été modifié.")
        .arg(fileNameOf(path), why);
}

const std::array<PageColourField, 5> kPageColourFields = {{
    {&PageDocument::texte, "texte", "la couleur du texte"},
    {&PageDocument::fond, "fond", "la couleur du fond"},
    {&PageDocument::cercle, "cercle", "la couleur du cercle"},
    {&PageDocument::titre, "titre", "la couleur du titre"},
    {&PageDocument::boite, "boite", "la couleur de la boîte"},
}};

const std::array<PageFlagField, 5> kPageFlagFields = {{
    {&PageDocument::boiteVisible, "boite visible", "boîte visible"},
    {&PageDocument::titreVisible, "titre visible", "titre visible"},
    {&PageDocument::texteVisible, "texte visible", "texte visible"},
    {&PageDocument::cercleVisible, "cercle visible", "cercle visible"},
    {&PageDocument::tousVisibles, "tous visibles", "tous visibles"},
}};

} // namespace oria
