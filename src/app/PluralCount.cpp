#include "app/PluralCount.h"

#include <limits>

namespace tavelo {

namespace {

constexpr std::int64_t kStandInBase = 1'000'000;

int formFor(std::int64_t n)
{
    // Qt leaves %n alone for a negative count.
    if (n >= 0 && n <= std::numeric_limits<int>::max())
        return static_cast<int>(n);
    const std::int64_t lastDigits = n % kStandInBase;
    return static_cast<int>(kStandInBase + (lastDigits < 0 ? -lastDigits : lastDigits));
}

} // namespace

PluralCount::PluralCount(std::int64_t n) : m_n(n), m_form(formFor(n)) {}

QString PluralCount::shown(QString translated) const
{
    if (m_form == m_n)
        return translated;
    return translated.replace(QString::number(m_form), QString::number(m_n));
}

} // namespace tavelo
