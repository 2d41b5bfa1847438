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
        // Not QString::fromUcs4, which drops a byte-order mark.
        const char32_t code = match.captured(1).toUInt();
        if (QChar::requiresSurrogates(code)) {
            text += QChar(QChar::highSurrogate(code));
            text += QChar(QChar::lowSurrogate(code));
        } else {
            text += QChar(static_cast<char16_t>(code));
        }
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
        bool wellFormed = true;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                ++i;
            } else if (text[i].isSurrogate()) {
                wellFormed = false;
            }
        }
        if (wellFormed && !text.contains(QStringLiteral("&#"))) {
            ORIA_FUZZ_CHECK(ResolveReferences(DecodeWindows1252(html)) == text);
        }
    }
    return 0;
}
