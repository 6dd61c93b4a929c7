#include "app/ui/OnboardingPresentation.h"

#include <algorithm>

#include <QCoreApplication>

namespace tavelo {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("OnboardingView", text);
}

QString number(std::int64_t value)
{
    return QString::number(static_cast<qlonglong>(value));
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
                    {Symbol::brainHeadProfile, Tint::blue, tr("%1 min of focus").arg(number(s.focusMinutes))},
                    {Symbol::eyes, Tint::teal,
                     tr("%1 sec microbreak to blink and breathe").arg(number(s.shortBreakSeconds))},
                    {Symbol::cupAndSaucerFill, Tint::orange,
                     tr("Every %1 sessions, a %2 min long break")
                         .arg(number(s.longBreakEvery), number(s.longBreakMinutes))},
                }};
    case 2:
        return {Symbol::handRaisedFill,
                tr("You're always in control"),
                tr("Breaks are firm but never trap you."),
                {
                    {Symbol::pauseCircle, Tint::gray, tr("Pause for 5\u201360 minutes, or indefinitely")},
                    {Symbol::clockArrowCirclepath, Tint::blue,
                     tr("Postpone a break by %1 min \u2014 Esc always postpones").arg(number(s.postponeMinutes))},
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
        return {
            Symbol::bellBadgeFill,
            tr("Get a heads-up before each break"),
            tr("Tavelo warns you %1 seconds ahead so breaks never ambush you.").arg(number(s.preBreakWarningSeconds)),
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
