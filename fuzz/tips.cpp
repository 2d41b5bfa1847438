// The tips file, ASTUCES.TXT, as the tip of the day reads it.
#include "FuzzSupport.h"
#include "app/frmTip.h"
#include "platform/Windows1252.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace oria;
    const QByteArray bytes = fuzz::Bytes(data, size);
    const QStringList tips = TipLines(bytes);
    // No line end is left in a tip, and nothing else is lost.
    QString text = DecodeWindows1252(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (text.endsWith(u'\n')) {
        text.chop(1);
    }
    ORIA_FUZZ_CHECK(tips.join(u'\n') == text);
    return 0;
}
