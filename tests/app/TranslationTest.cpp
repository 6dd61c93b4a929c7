#include <cstdint>
#include <limits>

#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

#include "app/PluralCount.h"
#include "app/TranslationLoader.h"
#include "app/ui/BreakOverlayPresentation.h"
#include "app/ui/OnboardingPresentation.h"
#include "app/ui/ReleaseNoteText.h"
#include "core/ReleaseNotes.h"

using namespace tavelo;

namespace {

// A compiled catalogue of the build, installed for the test's lifetime.
class Catalogue {
public:
    explicit Catalogue(const QString &language)
    {
        const QString file = qEnvironmentVariable("TAVELO_BINARY_DIR") + "/translations/tavelo_" + language + ".qm";
        m_loaded = m_translator.load(file) && QCoreApplication::installTranslator(&m_translator);
    }
    ~Catalogue() { QCoreApplication::removeTranslator(&m_translator); }
    bool loaded() const { return m_loaded; }

private:
    QTranslator m_translator;
    bool m_loaded = false;
};

} // namespace

// The user's languages in order, each from most to least specific; English, the source
// language, ends the search.
TEST(TranslationLoader, ChoosesTheFirstLanguageWithACatalogue)
{
    QTemporaryDir folder;
    for (const char *name : {"tavelo_de.qm", "tavelo_pt_BR.qm", "tavelo_zh_CN.qm"}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    struct Case {
        QStringList languages;
        const char *chosen;
    };
    for (const Case &c : {
             Case{{"de-AT", "de"}, "tavelo_de.qm"},
             Case{{"sv-SE", "sv", "de-DE", "de"}, "tavelo_de.qm"},
             Case{{"en-US", "en", "de"}, ""},
             Case{{"pt-PT", "pt"}, ""},
             Case{QLocale(QStringLiteral("pt_BR")).uiLanguages(), "tavelo_pt_BR.qm"},
             Case{QLocale(QStringLiteral("zh_CN")).uiLanguages(), "tavelo_zh_CN.qm"},
             Case{QLocale(QStringLiteral("zh_TW")).uiLanguages(), ""},
             Case{QLocale(QStringLiteral("de_CH")).uiLanguages(), "tavelo_de.qm"},
             Case{{}, ""},
         }) {
        const QString chosen = TranslationLoader::catalogueFor(c.languages, folder.path());
        EXPECT_EQ(chosen.isEmpty() ? QString() : QFileInfo(chosen).fileName(), QString::fromUtf8(c.chosen))
            << c.languages.join(',').toStdString();
    }
}

// Counts beyond an int, or negative (which Qt would not write), keep their plural form and
// are shown whole.
TEST(PluralCount, StandsInForCountsBeyondAnInt)
{
    constexpr std::int64_t kIntMax = std::numeric_limits<int>::max();
    EXPECT_EQ(PluralCount(kIntMax).form(), kIntMax);
    EXPECT_EQ(PluralCount(kIntMax).shown("2147483647 min"), "2147483647 min");
    const PluralCount large(3'000'000'002);
    EXPECT_EQ(large.form(), 1'000'002);
    EXPECT_EQ(large.shown("Co 1000002 sesje"), "Co 3000000002 sesje");
    EXPECT_EQ(PluralCount(std::numeric_limits<std::int64_t>::max()).form(), 1'775'807);
    EXPECT_EQ(PluralCount(-3).shown(QCoreApplication::translate("test", "%n s", nullptr, PluralCount(-3).form())),
              "-3 s");
}

// The texts of the core's release notes are translated from a table in the app layer, which
// must follow every note added to the core.
TEST(ReleaseNoteText, MarksEveryTextOfTheCore)
{
    const auto marked = ReleaseNoteText::marked();
    const auto isMarked = [&marked](const std::string &text) {
        return std::find(marked.begin(), marked.end(), text) != marked.end();
    };
    for (const ReleaseNote &note : ReleaseNotes::all()) {
        EXPECT_TRUE(isMarked(note.title)) << note.title;
        for (const std::string &highlight : note.highlights)
            EXPECT_TRUE(isMarked(highlight)) << highlight;
    }
}

// The texts are looked up under the contexts lupdate filed them in, with Polish's three
// plural forms chosen by the count, large counts included.
TEST(Catalogues, TranslateUnderTheirContextsWithPluralForms)
{
    const Catalogue polish(QStringLiteral("pl"));
    ASSERT_TRUE(polish.loaded());
    BreakSettings settings = BreakSettings::standard;
    for (const auto &[every, text] : {std::pair<std::int64_t, const char *>{1, "Po każdej 1 sesji"},
                                      {3, "Co 3 sesje"},
                                      {5, "Co 5 sesji"},
                                      {12, "Co 12 sesji"},
                                      {22, "Co 22 sesje"},
                                      {3'000'000'002, "Co 3000000002 sesje"}}) {
        settings.longBreakEvery = every;
        EXPECT_TRUE(OnboardingPresentation::page(1, settings).rows.at(2).text.startsWith(QString::fromUtf8(text)))
            << OnboardingPresentation::page(1, settings).rows.at(2).text.toStdString();
    }
    StatusSnapshot state;
    state.activeBreak = BreakType::long_;
    state.remainingSeconds = 2;
    const auto overlay = BreakOverlayPresentation::make(state, {}, [](TimePoint) { return QString(); });
    EXPECT_EQ(overlay.headline, QStringLiteral("Długa przerwa"));
    EXPECT_EQ(overlay.countdownAccessibleName, QStringLiteral("Zostały 2 sekundy"));
    EXPECT_EQ(ReleaseNoteText::translated("Welcome to Tavelo"), QStringLiteral("Witaj w Tavelo"));
}
