#pragma once

#include <QString>
#include <QStringList>

namespace tavelo {

// Access keys for a column of controls whose texts may be translated or change with the
// state: each text gets the first letter or digit no earlier text took, the first of a
// word before any other, marked with '&' as Qt shows it (a literal '&' is doubled). A text
// with nothing left to take stays without one.
class Mnemonics {
public:
    // In priority order: texts that never change first keep their keys when others change.
    static QStringList assign(const QStringList &texts);
    // The text as displayed, without the marks.
    static QString strip(const QString &marked);
};

} // namespace tavelo
