// W3C design tokens. QJsonObject sorts its keys and the palette's order is the file's, so
// the file is parsed here, into a small tree that keeps the order.

#include "FormatReaders.h"

#include <QHash>

#include <vector>

namespace oria::readers {

namespace {

constexpr int kMaxDepth = 64;
constexpr int kMaxNodes = 200000;
constexpr int kMaxAliasHops = 32;
// References followed in the whole file: a file of long chains cannot keep the reader busy.
constexpr int kMaxAliasesFollowed = 100000;

struct Node {
    enum class Kind { Null, Literal, Number, String, Array, Object } kind = Kind::Null;
    double number = 0;
    QString text;
    std::vector<QString> keys; // an object's, in order
    std::vector<Node> values;  // an object's or an array's
    // Large groups are looked up by key, so that references stay cheap; the first of a
    // repeated key counts.
    QHash<QString, std::size_t> index;

    const Node* member(QStringView key) const {
        if (!index.isEmpty()) {
            const auto it = index.constFind(key.toString());
            return it == index.constEnd() ? nullptr : &values[*it];
        }
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (keys[i] == key) {
                return &values[i];
            }
        }
        return nullptr;
    }
    QString string(QStringView key) const {
        const Node* n = member(key);
        return n != nullptr && n->kind == Kind::String ? n->text : QString();
    }
};

// Recursive descent, its depth and its size bounded.
class Parser {
public:
    explicit Parser(QStringView text) : s_(text) {}

    bool document(Node& root, QString* why) {
        const bool ok = value(root, 0) && (blanks(), at_ == s_.size());
        if (!ok) {
            *why = at_ >= s_.size() ? QStringLiteral("%1 (le JSON s'arrête avant sa fin)")
                                          .arg(QString::fromUtf8(kTruncated))
                   : tooDeep_ ? QStringLiteral("les groupes sont imbriqués sur plus de %1 niveaux")
                                    .arg(kMaxDepth)
                   : tooMany_ ? QStringLiteral("le fichier a plus de %1 éléments").arg(kMaxNodes)
                              : QStringLiteral("ce n'est pas du JSON valide (ligne %1)")
                                    .arg(s_.left(at_).count(u'\n') + 1);
        }
        return ok;
    }

private:
    void blanks() {
        while (at_ < s_.size() &&
               (s_[at_] == u' ' || s_[at_] == u'\t' || s_[at_] == u'\n' || s_[at_] == u'\r')) {
            ++at_;
        }
    }
    bool eat(QChar c) {
        blanks();
        if (at_ < s_.size() && s_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    bool value(Node& out, int depth) {
        if (depth > kMaxDepth || ++nodes_ > kMaxNodes) {
            (depth > kMaxDepth ? tooDeep_ : tooMany_) = true;
            return false;
        }
        blanks();
        if (at_ >= s_.size()) {
            return false;
        }
        const QChar c = s_[at_];
        if (c == u'{') {
            ++at_;
            out.kind = Node::Kind::Object;
            return members(out, depth);
        }
        if (c == u'[') {
            ++at_;
            out.kind = Node::Kind::Array;
            if (eat(u']')) {
                return true;
            }
            do {
                out.values.emplace_back();
                if (!value(out.values.back(), depth + 1)) {
                    return false;
                }
            } while (eat(u','));
            return eat(u']');
        }
        if (c == u'"') {
            out.kind = Node::Kind::String;
            return string(out.text);
        }
        for (const char* word : {"true", "false", "null"}) {
            if (s_.sliced(at_).startsWith(QLatin1String(word))) {
                at_ += qsizetype(qstrlen(word));
                out.kind = Node::Kind::Literal;
                return true;
            }
        }
        return number(out);
    }

    bool members(Node& out, int depth) {
        if (eat(u'}')) {
            return true;
        }
        do {
            QString key;
            blanks();
            if (at_ >= s_.size() || s_[at_] != u'"' || !string(key) || !eat(u':')) {
                return false;
            }
            out.keys.push_back(key);
            out.values.emplace_back();
            if (!value(out.values.back(), depth + 1)) {
                return false;
            }
        } while (eat(u','));
        if (out.keys.size() > 8) {
            for (std::size_t i = out.keys.size(); i-- > 0;) {
                out.index.insert(out.keys[i], i);
            }
        }
        return eat(u'}');
    }

    bool string(QString& out) {
        ++at_; // the opening quote
        while (at_ < s_.size()) {
            const QChar c = s_[at_++];
            if (c == u'"') {
                return true;
            }
            if (c != u'\\') {
                out += c;
                continue;
            }
            if (at_ >= s_.size()) {
                return false;
            }
            const QChar e = s_[at_++];
            static const QLatin1String kFrom("\"\\/bfnrt"), kTo("\"\\/\b\f\n\r\t");
            if (const qsizetype k = kFrom.indexOf(e); k >= 0) {
                out += kTo[k];
            } else if (e == u'u' && at_ + 4 <= s_.size()) {
                bool ok = false;
                const ushort unit = s_.sliced(at_, 4).toUShort(&ok, 16);
                if (!ok) {
                    return false;
                }
                out += QChar(unit);
                at_ += 4;
            } else {
                return false;
            }
        }
        return false;
    }

    bool number(Node& out) {
        const qsizetype start = at_;
        while (at_ < s_.size() && (s_[at_].isDigit() || s_[at_] == u'-' || s_[at_] == u'+' ||
                                   s_[at_] == u'.' || s_[at_] == u'e' || s_[at_] == u'E')) {
            ++at_;
        }
        bool ok = false;
        out.number = s_.sliced(start, at_ - start).toDouble(&ok);
        out.kind = Node::Kind::Number;
        return ok && at_ - start <= 64;
    }

    QStringView s_;
    qsizetype at_ = 0;
    int nodes_ = 0;
    bool tooDeep_ = false, tooMany_ = false;
};

// A token found by its path, with the type it has there (its own, or its nearest group's).
struct Found {
    const Node* token = nullptr;
    QString type;
};

Found lookUp(const Node& root, QStringView path) {
    Found found;
    const Node* node = &root;
    for (const QStringView key : path.tokenize(u'.')) {
        if (node->kind != Node::Kind::Object || key.startsWith(u'$')) {
            return {};
        }
        found.type = node->string(u"$type").isEmpty() ? found.type : node->string(u"$type");
        node = node->member(key);
        if (node == nullptr) {
            return {};
        }
    }
    found.type = node->string(u"$type").isEmpty() ? found.type : node->string(u"$type");
    found.token = node->member(u"$value") != nullptr ? node : nullptr;
    return found;
}

std::optional<Colour> tokenColour(const Node& value) {
    if (value.kind == Node::Kind::String) {
        // "#rrggbbaa": the alpha has no place in a palette.
        return HexColour(value.text.size() == 9 ? value.text.left(7) : value.text);
    }
    if (value.kind != Node::Kind::Object) {
        return std::nullopt;
    }
    const Node* components = value.member(u"components");
    if (value.string(u"colorSpace") == QLatin1String("srgb") && components != nullptr &&
        components->values.size() == 3) {
        int c[3] = {};
        for (std::size_t i = 0; i < 3; ++i) {
            const Node& v = components->values[i];
            if (v.kind != Node::Kind::Number && v.text != QLatin1String("none")) {
                return std::nullopt;
            }
            c[i] = Channel(v.kind == Node::Kind::Number ? v.number : 0.0); // "none" is 0
        }
        return RGB(c[0], c[1], c[2]);
    }
    // Other colour spaces are read through the hex fallback they may carry.
    return HexColour(value.string(u"hex"));
}

class Tokens {
public:
    Tokens(const Node& root, QString* why) : root_(root), why_(why) {}

    bool group(const Node& node, const QString& path, const QString& type) {
        for (std::size_t i = 0; i < node.keys.size(); ++i) {
            const Node& child = node.values[i];
            if (node.keys[i].startsWith(u'$') || child.kind != Node::Kind::Object) {
                continue;
            }
            const QString name = path.isEmpty() ? node.keys[i] : path + u'.' + node.keys[i];
            const QString own = child.string(u"$type");
            const QString childType = own.isEmpty() ? type : own;
            if (!(child.member(u"$value") != nullptr ? token(child, name, childType)
                                                     : group(child, name, childType))) {
                return false;
            }
        }
        return true;
    }

    NamedPalette palette;

private:
    bool token(const Node& node, const QString& name, QString type) {
        const Node* value = node.member(u"$value");
        // "{group.token}" stands for that token's value, and for its type when this one has
        // none; the hops are counted so that a loop ends.
        for (int hops = 0; value->kind == Node::Kind::String && value->text.startsWith(u'{') &&
                           value->text.endsWith(u'}');
             ++hops) {
            if (++followed_ > kMaxAliasesFollowed) {
                *why_ = QStringLiteral("le fichier a plus de %1 renvois").arg(kMaxAliasesFollowed);
                return false;
            }
            const Found target = lookUp(root_, QStringView(value->text).sliced(1).chopped(1));
            if (target.token == nullptr || hops == kMaxAliasHops) {
                // A broken reference matters only where a colour was expected.
                if (type != QLatin1String("color")) {
                    return true;
                }
                *why_ = QStringLiteral("la couleur « %1 » renvoie à « %2 », %3")
                            .arg(name, value->text.left(80),
                                 target.token == nullptr
                                     ? QStringLiteral("qui n'existe pas")
                                     : QStringLiteral("par une chaîne de renvois sans fin"));
                return false;
            }
            type = type.isEmpty() ? target.type : type;
            value = target.token->member(u"$value");
        }
        if (type != QLatin1String("color")) {
            return true;
        }
        const auto colour = tokenColour(*value);
        if (!colour) {
            *why_ = QStringLiteral("la couleur « %1 » n'a pas de valeur lisible en sRVB").arg(name);
            return false;
        }
        return Append(palette, name, *colour, why_);
    }

    const Node& root_;
    QString* why_;
    int followed_ = 0;
};

} // namespace

std::optional<NamedPalette> Json(const QByteArray& bytes, QString* why) {
    const QString text = Text(bytes);
    Node root;
    if (!Parser(text).document(root, why)) {
        return std::nullopt;
    }
    if (root.kind != Node::Kind::Object) {
        *why = QStringLiteral("ce n'est pas un fichier de design tokens (pas d'objet JSON)");
        return std::nullopt;
    }
    Tokens tokens(root, why);
    if (!tokens.group(root, {}, root.string(u"$type"))) {
        return std::nullopt;
    }
    tokens.palette.name = root.string(u"$description");
    return tokens.palette;
}

} // namespace oria::readers
