#pragma once

#include "core/Colour.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

namespace oria {

// The ".ori" page document: one fixed-size little-endian record, no header, no padding.
inline constexpr int kPageDocumentBytes = 285;
inline constexpr int kPageNameBytes = 255;

struct PageDocument {
    QByteArray name; // as stored: kPageNameBytes bytes, Windows-1252, padded with spaces
    Colour texte = 0, fond = 0, cercle = 0, titre = 0, boite = 0;
    bool boiteVisible = true, titreVisible = true, texteVisible = true, cercleVisible = true,
         tousVisibles = true;
    bool operator==(const PageDocument&) const = default;
};

// The fields in record order: the name `oria page` prints them under, and the one messages
// use.
struct PageColourField {
    Colour PageDocument::*member;
    const char* key;
    const char* label;
};
struct PageFlagField {
    bool PageDocument::*member;
    const char* key;
    const char* label;
};
extern const std::array<PageColourField, 5> kPageColourFields;
extern const std::array<PageFlagField, 5> kPageFlagFields;

// The stored name as text, trailing spaces kept (the window shows it as stored).
QString PageName(const PageDocument& page);
// kPageNameBytes bytes: Windows-1252 ("?" for what it cannot hold), cut, then padded with spaces.
QByteArray PageNameBytes(const QString& name);

// The name is cut or padded to kPageNameBytes whatever its length.
QByteArray EncodePageDocument(const PageDocument& page);
// The record from the first kPageDocumentBytes bytes; nullopt and a French reason in *why
// otherwise (a clause that reads after "n'est pas une page Oria valide : ").
std::optional<PageDocument> DecodePageDocument(const QByteArray& bytes, QString* why);

// Reads and decodes a file; nullopt and a complete French message (naming the file by its
// file name) otherwise.
std::optional<PageDocument> ReadPageDocument(const QString& path, QString* message);
// Writes the record whole or not at all; a complete French message on failure, nullopt on
// success. A page that could not be read back (a colour out of range) is not written.
std::optional<QString> WritePageDocument(const QString& path, const PageDocument& page);

} // namespace oria
