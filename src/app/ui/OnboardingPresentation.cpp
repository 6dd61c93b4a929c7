#include "app/ui/OnboardingPresentation.h"
#include "app/PluralCount.h"

#include <algorithm>

#include <QCoreApplication>

namespace tavelo {

namespace {

QString number(std::int64_t value)
{
    return QString::number(static_cast<qlonglong>(value));
}

template <typename Translate> QString counted(std::int64_t n, Translate translate)
{
    const PluralCount count(n);
    return count.shown(translate(count.form()));
}

} // namespace

OnboardingPresentation::Page OnboardingPresentation::page(int index, const BreakSettings &s)
{
    switch (std::clamp(index, 0, kPageCount - 1)) {
    case 0:
        return {Symbol::figureCooldown,
                tr("Take breaks without thinking about them"),
                tr("Tavelo lives in your menu bar and alternates focus sessions with restorative breaks."),
                {}};
    case 1:
        return {Symbol::timer,
                tr("A rhythm that fits your day"),
                tr("Your current schedule \u2014 change it anytime in Settings."),
                {
                    {Symbol::brainHeadProfile, Tint::blue,
                     counted(s.focusMinutes, [](int n) { return tr("%n min of focus", nullptr, n); })},
                    {Symbol::eyes, Tint::teal,
                     counted(s.shortBreakSeconds,
                             [](int n) { return tr("%n sec microbreak to blink and breathe", nullptr, n); })},
                    {Symbol::cupAndSaucerFill, Tint::orange,
                     counted(s.longBreakEvery,
                             [](int n) { return tr("Every %n sessions, a %1 min long break", nullptr, n); })
                         .arg(number(s.longBreakMinutes))},
                }};
    case 2:
        return {Symbol::handRaisedFill,
                tr("You're always in control"),
                tr("Breaks are firm but never trap you."),
                {
                    {Symbol::pauseCircle, Tint::gray, tr("Pause for 5–60 minutes, or indefinitely")},
                    {Symbol::clockArrowCirclepath, Tint::blue,
                     counted(s.postponeMinutes,
                             [](int n) {
                                 return tr("Postpone a break by %n min \u2014 Esc always postpones", nullptr, n);
                             })},
                    {Symbol::forwardFill, Tint::purple, tr("Skip the current break, or skip the upcoming one")},
                }};
    case 3:
        return {
            Symbol::moonZzzFill,
            tr("Step away freely"),
            tr("Only input timing is observed \u2014 never what you type."),
            {
                {Symbol::snowflake, Tint::cyan, tr("The focus timer freezes while you're away")},
                {Symbol::checkmarkCircle, Tint::green, tr("Stepping away during a break counts as taking it")},
                {Symbol::laptopComputer, Tint::gray, tr("Closing the lid pauses time \u2014 no ambush breaks on wake")},
            }};
    default:
        return {Symbol::bellBadgeFill,
                tr("Get a heads-up before each break"),
                counted(s.preBreakWarningSeconds,
                        [](int n) {
                            return tr("Tavelo warns you %n seconds ahead so breaks never ambush you.", nullptr, n);
                        }),
                {}};
    }
}

bool OnboardingPresentation::backEnabled(int page)
{
    return page > 0;
}

bool OnboardingPresentation::forwardFinishes(int page)
{
    return page >= kPageCount - 1;
}

QString OnboardingPresentation::forwardTitle(int page)
{
    return forwardFinishes(page) ? tr("Start Focusing") : tr("Continue");
}

QString OnboardingPresentation::dotAccessibleName(int index)
{
    return tr("Go to step %1").arg(index + 1);
}

QColor OnboardingPresentation::colour(Tint tint)
{
    // The usual system hues, mid-tone so that they read on light and dark windows.
    switch (tint) {
    case Tint::blue:
        return QColor(0, 122, 255);
    case Tint::teal:
        return QColor(48, 176, 199);
    case Tint::orange:
        return QColor(255, 149, 0);
    case Tint::gray:
        return QColor(142, 142, 147);
    case Tint::purple:
        return QColor(175, 82, 222);
    case Tint::cyan:
        return QColor(50, 173, 230);
    case Tint::green:
        return QColor(52, 199, 89);
    }
    return QColor(142, 142, 147);
}

} // namespace tavelo
