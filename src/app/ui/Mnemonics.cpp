#include "app/ui/Mnemonics.h"

#include <set>

namespace tavelo {

namespace {

// A key the keyboard types in one stroke: digits and letters of cased scripts (Latin, Greek,
// Cyrillic). Han and kana come through an input method, so those texts go without.
bool typable(QChar c)
{
    return c.isDigit() || (c.isLetter() && c.toLower() != c.toUpper());
}

bool startsWord(const QString &text, qsizetype i)
{
    return i == 0 || !text[i - 1].isLetterOrNumber();
}

} // namespace

QStringList Mnemonics::assign(const QStringList &texts)
{
    std::set<char16_t> taken;
    QStringList marked;
    marked.reserve(texts.size());
    for (const QString &text : texts) {
        qsizetype chosen = -1;
        // Word starts first, then any other character.
        for (const bool wordStart : {true, false}) {
            for (qsizetype i = 0; i < text.size() && chosen < 0; ++i) {
                if (typable(text[i]) && startsWord(text, i) == wordStart &&
                    !taken.contains(text[i].toLower().unicode()))
                    chosen = i;
            }
        }
        QString out;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (i == chosen)
                out += QLatin1Char('&');
            out += text[i];
            if (text[i] == QLatin1Char('&'))
                out += QLatin1Char('&');
        }
        if (chosen >= 0)
            taken.insert(text[chosen].toLower().unicode());
        marked << out;
    }
    return marked;
}

QString Mnemonics::strip(const QString &marked)
{
    QString text;
    for (qsizetype i = 0; i < marked.size(); ++i) {
        if (marked[i] == QLatin1Char('&') && i + 1 < marked.size())
            ++i;
        text += marked[i];
    }
    return text;
}

} // namespace tavelo
