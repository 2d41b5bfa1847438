// The 8-bit code page of tips, templates, charters and page names, and the HTML character
// references a charter writes for what it cannot hold.
#include "FuzzSupport.h"
#include "platform/Windows1252.h"

#include <QRegularExpression>

namespace {

// What a browser makes of the references.
QString ResolveReferences(const QString& html) {
    static const QRegularExpression reference(QStringLiteral("&#([0-9]+);"));
    QString text;
    qsizetype at = 0;
    for (auto it = reference.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        text += html.mid(at, match.capturedStart() - at);
        const char32_t code = match.captured(1).toUInt();
        text += QString::fromUcs4(&code, 1);
        at = match.capturedEnd();
    }
    return text + html.mid(at);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace oria;
    const QByteArray bytes = fuzz::Bytes(data, size);
    // Every byte decodes to one character, and encoding gives back what decoding gave.
    const QString decoded = DecodeWindows1252(bytes);
    ORIA_FUZZ_CHECK(decoded.size() == bytes.size());
    ORIA_FUZZ_CHECK(DecodeWindows1252(EncodeWindows1252(decoded)) == decoded);
    // Any text, broken surrogate pairs included (as UTF-16 from the input's bytes).
    const QString texts[] = {QString::fromUtf8(bytes),
                             QString(reinterpret_cast<const QChar*>(data),
                                     static_cast<qsizetype>(size / 2))};
    for (const QString& text : texts) {
        ORIA_FUZZ_CHECK(EncodeWindows1252(text).size() <= text.size());
        const QByteArray html = EncodeWindows1252Html(text);
        // Well-formed text comes back whole once a browser resolves the references.
        const QList<uint> ucs4 = text.toUcs4();
        const bool wellFormed =
            QString::fromUcs4(reinterpret_cast<const char32_t*>(ucs4.constData()), ucs4.size()) ==
            text;
        if (wellFormed && !text.contains(QStringLiteral("&#"))) {
            ORIA_FUZZ_CHECK(ResolveReferences(DecodeWindows1252(html)) == text);
        }
    }
    return 0;
}
