#include "app/TranslationLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace tavelo {

namespace {

const QString kPrefix = QStringLiteral("tavelo_");
const QString kSuffix = QStringLiteral(".qm");

bool isEnglish(const QString &language)
{
    return language == QLatin1String("en") || language.startsWith(QLatin1String("en_"));
}

bool installTranslator(QCoreApplication &app, const QString &file)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(file) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QStringList TranslationLoader::catalogueFolders(const QString &executableFolder)
{
    const QDir dir(executableFolder);
    return {QDir::cleanPath(dir.filePath(QStringLiteral("../share/tavelo/translations"))),
            dir.filePath(QStringLiteral("translations"))};
}

QString TranslationLoader::catalogueFor(const QStringList &languages, const QString &folder)
{
    // Languages in the user's order, each from most to least specific (zh_Hans_CN, zh_Hans,
    // zh). English is the source language, so it ends the search: with LANGUAGE=en:de the
    // user reads English, not German.
    const QDir dir(folder);
    for (QString language : languages) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (isEnglish(language))
            return {};
        for (;;) {
            const QString file = dir.filePath(kPrefix + language + kSuffix);
            if (QFileInfo::exists(file))
                return file;
            const qsizetype cut = language.lastIndexOf(QLatin1Char('_'));
            if (cut <= 0)
                break;
            language.truncate(cut);
        }
    }
    return {};
}

bool TranslationLoader::install(QCoreApplication &app, const QLocale &locale)
{
    for (const QString &folder : catalogueFolders(QCoreApplication::applicationDirPath())) {
        const QString file = catalogueFor(locale.uiLanguages(), folder);
        if (file.isEmpty() || !installTranslator(app, file))
            continue;
        // Qt's own texts (standard buttons, file dialogs) in the language that was found.
        const QString language = QFileInfo(file).completeBaseName().mid(kPrefix.size());
        auto *qt = new QTranslator(&app);
        if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return true;
    }
    return false;
}

} // namespace tavelo
