#pragma once

#include <cstdint>

#include <QString>

namespace tavelo {

// A count for a plural text (count.shown(tr("%n min", nullptr, count.form()))). Qt takes the
// count as an int, but settings may hold larger numbers, which must still be shown whole.
class PluralCount {
public:
    explicit PluralCount(std::int64_t n);

    // The count itself when it fits in an int and is not negative, else a stand-in that every
    // catalogue's plural rules put in the same form: they look only at 0, 1 and the last digits.
    int form() const { return m_form; }
    // The translated text with the real number where Qt wrote the stand-in.
    QString shown(QString translated) const;

private:
    std::int64_t m_n;
    int m_form;
};

} // namespace tavelo
