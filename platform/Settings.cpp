#include "Settings.h"

namespace oria {

double SettingNumber(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace()) {
        ++i;
    }
    double sign = 1.0;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+')) {
        sign = text.at(i) == u'-' ? -1.0 : 1.0;
        ++i;
    }
    double value = 0.0;
    while (i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9') {
        value = value * 10.0 + text.at(i).digitValue();
        ++i;
    }
    if (i < text.size() && text.at(i) == u'.') {
        double scale = 0.1;
        for (++i; i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9'; ++i) {
            value += text.at(i).digitValue() * scale;
            scale /= 10.0;
        }
    }
    return sign * value;
}

} // namespace oria
