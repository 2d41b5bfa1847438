// The settings values read at start-up, which a hand-edited settings file may hold anything
// in: whether tips show, the colour-vision choice, the contrast target, the recent pages.
#include "FuzzSupport.h"
#include "composer/Compo.h"
#include "contrast/Proposals.h"
#include "platform/Settings.h"
#include "widgets/VisionChoice.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace oria;
    const QByteArray bytes = fuzz::Bytes(data, size);
    for (const QString& value : {QString::fromUtf8(bytes), QString::fromLatin1(bytes)}) {
        ORIA_FUZZ_CHECK(!std::isnan(SettingNumber(value)));
        const int vision = VisionChoice::RowForKey(value);
        ORIA_FUZZ_CHECK(vision >= 0 && vision < static_cast<int>(VisionChoice::kRows.size()));
        TargetNamed(value.toStdString());
        ORIA_FUZZ_CHECK(RecentPagesFrom(value).size() <= 8);
    }
    return 0;
}
