#pragma once

#include <QString>

namespace oria {

// The one stored setting: whether the tip of the day shows at start-up ("1" or "0").
inline const QString kShowTipsKey = QStringLiteral("Show Tips at Startup");

// The number a setting starts with, 0 when it does not start with one: the settings file
// may have been edited by hand.
double SettingNumber(const QString& text);

} // namespace oria
