#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTranslator>

#include <gtest/gtest.h>

#include "app/ui/BreakOverlayView.h"
#include "app/ui/OnboardingView.h"
#include "app/ui/OnboardingWindowController.h"
#include "app/ui/SettingsView.h"
#include "app/ui/SettingsWindowController.h"
#include "app/ui/StatisticsWindowController.h"
#include "app/ui/StatusMenuView.h"
#include "core/ReleaseNotes.h"
#include "support/AppFixture.h"

using namespace tavelo;

namespace {

// Every text 40% longer and accented, as the longer translations are: what fits these fits them.
class PseudoTranslator final : public QTranslator {
public:
    QString translate(const char *, const char *source, const char *, int) const override
    {
        const QString text = QString::fromUtf8(source);
        static const QString plain = QStringLiteral("aceinousyACEINOUSY");
        static const QString accented = QStringLiteral("áçéîñöûšýÁÇÉÎÑÖÛŠÝ");
        QString result;
        int letters = 0;
        for (int i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            // Placeholders, mnemonics and markup stay as they are.
            if ((c == '%' || c == '&') && i + 1 < text.size()) {
                result += c;
                result += text[++i];
                continue;
            }
            if (c == '<') {
                const int end = text.indexOf('>', i);
                result += text.mid(i, end - i + 1);
                i = end;
                continue;
            }
            const int at = plain.indexOf(c);
            result += at >= 0 ? accented[at] : c;
            letters += c.isLetter();
        }
        return letters ? result + QStringLiteral(" ẍẍẍẍẍẍẍẍẍẍẍẍẍẍẍẍẍẍẍẍẍẍẍẍẍẍẍẍẍẍẍẍẍẍẍẍẍ").left(1 + letters * 2 / 5)
                       : result;
    }
    bool isEmpty() const override { return false; }
};

// What of a window's text a reader cannot see: cut by its widget or by the window's edge.
QStringList cutTexts(QWidget *window)
{
    QStringList cut;
    const auto report = [&](QWidget *w, const QString &text, const char *how) {
        cut << QStringLiteral("%1 '%2' %3").arg(w->objectName(), text, QLatin1String(how));
    };
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || w->size().isEmpty())
            continue;
        QString text;
        if (auto *label = qobject_cast<QLabel *>(w); label && !label->text().isEmpty()) {
            text = label->text();
            const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                                : label->minimumSizeHint().width() <= label->width();
            if (!fits)
                report(w, text, "is cut off");
        } else if (auto *button = qobject_cast<QAbstractButton *>(w); button && !button->text().isEmpty()) {
            text = button->text();
            if (button->sizeHint().width() > button->width())
                report(w, text, "is cut off");
        }
        if (text.isEmpty())
            continue;
        // In a scroll area only what runs past its sides is lost: the rest scrolls into view.
        QWidget *scrolled = w->parentWidget();
        while (scrolled && !qobject_cast<QScrollArea *>(scrolled))
            scrolled = scrolled->parentWidget();
        if (auto *scroll = qobject_cast<QScrollArea *>(scrolled)) {
            if (w->mapTo(scroll->widget(), QPoint(w->width(), 0)).x() > scroll->viewport()->width())
                report(w, text, "runs past the scroll area's side");
        } else if (!window->rect().contains(QRect(w->mapTo(window, QPoint(0, 0)), w->size()))) {
            report(w, text, "runs past the window's edge");
        }
    }
    return cut;
}

class TranslatedLayoutTest : public ::testing::TestWithParam<double> {
protected:
    void SetUp() override
    {
        m_font = QApplication::font();
        QFont larger = m_font;
        larger.setPointSizeF(m_font.pointSizeF() * GetParam());
        QApplication::setFont(larger);
        QCoreApplication::installTranslator(&m_translator);
    }
    void TearDown() override
    {
        QCoreApplication::removeTranslator(&m_translator);
        QApplication::setFont(m_font);
    }

    static QStringList shown(QWidget &window)
    {
        window.show();
        QCoreApplication::processEvents();
        return cutTexts(&window);
    }

    PseudoTranslator m_translator;
    QFont m_font;
    test::AppFixture h;
};

TEST_P(TranslatedLayoutTest, PanelAndOverlayShowEveryTextWhole)
{
    AppModel &model = h.start();
    StatusMenuView panel(model);
    EXPECT_EQ(shown(panel), QStringList()) << "panel in focus";
    model.pauseFor(0);
    EXPECT_EQ(shown(panel), QStringList()) << "panel paused";
    model.togglePause();
    model.startBreakNow(BreakType::long_);
    EXPECT_EQ(shown(panel), QStringList()) << "panel in a break";
    BreakOverlayView overlay(
        model.engine(), [] {}, [] {}, h.clock, h.loop);
    overlay.resize(1280, 800);
    EXPECT_EQ(shown(overlay), QStringList()) << "overlay";
}

TEST_P(TranslatedLayoutTest, WindowsShowEveryTextWhole)
{
    AppModel &model = h.start();
    SettingsWindowController settings(h.loop);
    settings.show(model);
    EXPECT_EQ(shown(*settings.window()), QStringList()) << "settings";

    OnboardingWindowController onboarding;
    onboarding.showTour(model, [] {});
    auto &tour = *static_cast<OnboardingView *>(onboarding.window());
    const int pages = tour.findChild<QStackedWidget *>("pages")->count();
    for (int page = 0; page < pages; ++page) {
        tour.setPage(page, false);
        EXPECT_EQ(shown(tour), QStringList()) << "tour page " << page;
    }
    onboarding.showWhatsNew(ReleaseNotes::all(), [] {});
    EXPECT_EQ(shown(*onboarding.window()), QStringList()) << "what's new";

    StatisticsWindowController statistics([](TimePoint) { return std::vector<HistoryEvent>(); }, h.clock,
                                          [](TimePoint) { return std::chrono::seconds(0); });
    statistics.show();
    EXPECT_EQ(shown(*statistics.window()), QStringList()) << "statistics";
}

INSTANTIATE_TEST_SUITE_P(FontScales, TranslatedLayoutTest, ::testing::Values(1.0, 1.5));

} // namespace
