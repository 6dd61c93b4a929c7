#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace tavelo {

// Installs Tavelo's catalogue and Qt's own for the user's languages. English needs
// no catalogue: the source texts are English.
class TranslationLoader {
public:
    // The folders searched, in order: the installed one beside the executable, then the
    // build tree's, so a build run in place is translated too.
    static QStringList catalogueFolders(const QString &executableFolder);

    // The catalogue file for the first of the user's languages (QLocale::uiLanguages(), in
    // order) that has one in the folder, or an empty string when English comes first or
    // nothing matches.
    static QString catalogueFor(const QStringList &languages, const QString &folder);

    // Installs Tavelo's and Qt's translators on the application (which owns them).
    // Returns whether a catalogue of Tavelo's was installed.
    static bool install(QCoreApplication &app, const QLocale &locale = QLocale::system());
};

} // namespace tavelo
