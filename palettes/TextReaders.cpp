// The line- and declaration-based formats: GIMP palettes and CSS custom properties.

#include "FormatReaders.h"

#include <QStringList>

namespace oria::readers {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// A decimal component at `at`, blanks before it skipped; at most three digits.
std::optional<int> component(QStringView line, qsizetype& at) {
    while (at < line.size() && isBlank(line[at])) {
        ++at;
    }
    const qsizetype start = at;
    while (at < line.size() && line[at].isDigit() && line[at].unicode() < 128) {
        ++at;
    }
    if (at == start || at - start > 3 || (at < line.size() && !isBlank(line[at]))) {
        return std::nullopt;
    }
    const int value = line.sliced(start, at - start).toInt();
    return value <= 255 ? std::optional<int>(value) : std::nullopt;
}

QString quotedLine(QStringView line) {
    return line.size() > 40 ? line.left(39).toString() + u'…' : line.toString();
}

} // namespace

std::optional<NamedPalette> Gpl(const QByteArray& bytes, QString* why) {
    const QString text = Text(bytes);
    NamedPalette palette;
    bool header = false;
    int number = 0;
    for (QStringView rest = text; !rest.isEmpty();) {
        const qsizetype end = rest.indexOf(u'\n');
        const QStringView line = rest.left(end).trimmed(); // CR LF too
        rest = end < 0 ? QStringView() : rest.sliced(end + 1);
        ++number;
        if (line.isEmpty()) {
            continue;
        }
        if (!header) {
            if (line != QLatin1String("GIMP Palette")) {
                *why = QStringLiteral("ce n'est pas une palette GIMP (la première ligne n'est "
                                      "pas « GIMP Palette »)");
                return std::nullopt;
            }
            header = true;
            continue;
        }
        if (line.startsWith(u'#')) {
            continue;
        }
        if (line.startsWith(QLatin1String("Name:"))) {
            palette.name = line.sliced(5).trimmed().toString();
            continue;
        }
        // Other headers ("Columns: 16") come before the colours, one word and a colon.
        const qsizetype colon = line.indexOf(u':');
        if (!line.front().isDigit() && colon > 0 && !line.left(colon).contains(u' ') &&
            !line.left(colon).contains(u'\t')) {
            continue;
        }
        qsizetype at = 0;
        const auto r = component(line, at);
        const auto g = r ? component(line, at) : std::nullopt;
        const auto b = g ? component(line, at) : std::nullopt;
        if (!b) {
            *why = QStringLiteral("ligne %1 : « %2 » n'est pas une couleur (trois nombres de 0 "
                                  "à 255 puis un nom)")
                       .arg(number)
                       .arg(quotedLine(line));
            return std::nullopt;
        }
        if (!Append(palette, line.sliced(at).trimmed().toString(), RGB(*r, *g, *b), why)) {
            return std::nullopt;
        }
    }
    if (!header) {
        *why = QStringLiteral("ce n'est pas une palette GIMP (le fichier est blanc)");
        return std::nullopt;
    }
    return palette;
}

namespace {

bool isNameChar(QChar c) {
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c.unicode() >= 0x80;
}

// "rgb(r g b)" or "rgb(r, g, b)", integers 0..255.
std::optional<Colour> rgbFunction(QStringView value) {
    if (!value.startsWith(QLatin1String("rgb("), Qt::CaseInsensitive) || !value.endsWith(u')')) {
        return std::nullopt;
    }
    QString inside = value.sliced(4, value.size() - 5).toString();
    inside.replace(u',', u' ');
    const QStringList parts = inside.split(u' ', Qt::SkipEmptyParts);
    if (parts.size() != 3) {
        return std::nullopt;
    }
    int c[3] = {};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        c[i] = parts[i].toInt(&ok);
        if (!ok || c[i] < 0 || c[i] > 255 || !parts[i].front().isDigit()) {
            return std::nullopt;
        }
    }
    return RGB(c[0], c[1], c[2]);
}

// Past the string or comment opening at `at`; the text's end when it is not closed.
qsizetype skipped(QStringView text, qsizetype at) {
    if (text[at] == u'/') {
        const qsizetype end = text.indexOf(QLatin1String("*/"), at + 2);
        return end < 0 ? text.size() : end + 2;
    }
    const QChar quote = text[at];
    for (qsizetype i = at + 1; i < text.size(); ++i) {
        if (text[i] == u'\\') {
            ++i;
        } else if (text[i] == quote || text[i] == u'\n') {
            return i + 1;
        }
    }
    return text.size();
}

} // namespace

// Every "--name: colour" declaration wherever it stands; other declarations, comments and
// strings are passed over. A comment opening the file names the palette.
std::optional<NamedPalette> Css(const QByteArray& bytes, QString* why) {
    const QString text = Text(bytes);
    const QStringView all(text);
    NamedPalette palette;
    if (const QStringView start = all.trimmed(); start.startsWith(QLatin1String("/*"))) {
        const qsizetype close = start.indexOf(QLatin1String("*/"), 2);
        const QStringView title = close < 0 ? QStringView() : start.sliced(2, close - 2).trimmed();
        if (!title.contains(u'\n') && title.size() <= 200) {
            palette.name = title.toString();
        }
    }
    for (qsizetype i = 0; i < all.size();) {
        const QChar c = all[i];
        if ((c == u'/' && all.sliced(i).startsWith(QLatin1String("/*"))) || c == u'"' ||
            c == u'\'') {
            i = skipped(all, i);
            continue;
        }
        if (c != u'-' || !all.sliced(i).startsWith(QLatin1String("--")) ||
            (i > 0 && isNameChar(all[i - 1]))) {
            ++i;
            continue;
        }
        qsizetype end = i + 2;
        while (end < all.size() && isNameChar(all[end])) {
            ++end;
        }
        const QStringView name = all.sliced(i + 2, end - i - 2);
        qsizetype at = end;
        while (at < all.size() && all[at].isSpace()) {
            ++at;
        }
        if (name.isEmpty() || at >= all.size() || all[at] != u':') {
            i = end;
            continue;
        }
        qsizetype stop = at + 1;
        while (stop < all.size() && all[stop] != u';' && all[stop] != u'}' && all[stop] != u'{') {
            ++stop;
        }
        const QStringView value = all.sliced(at + 1, stop - at - 1).trimmed();
        std::optional<Colour> colour = HexColour(value);
        if (!colour) {
            colour = rgbFunction(value);
        }
        if (colour && !Append(palette, name.toString(), *colour, why)) {
            return std::nullopt;
        }
        i = stop;
    }
    return palette;
}

} // namespace oria::readers
