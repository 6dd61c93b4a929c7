#include "app/ui/ReleaseNoteText.h"

#include <QCoreApplication>

namespace tavelo {

namespace {

// Each release's title and highlights, as the core spells them.
constexpr const char *kTexts[] = {
    QT_TRANSLATE_NOOP("tavelo::ReleaseNotes", "Idle-aware timing and a respectful break overlay"),
    QT_TRANSLATE_NOOP("tavelo::ReleaseNotes",
                      "Focus timer freezes while you're away \u2014 no more ambush breaks after coffee."),
    QT_TRANSLATE_NOOP("tavelo::ReleaseNotes", "Stepping away during a break counts as taking it."),
    QT_TRANSLATE_NOOP("tavelo::ReleaseNotes",
                      "Esc always postpones; fullscreen apps and screen shares are never interrupted."),
    QT_TRANSLATE_NOOP("tavelo::ReleaseNotes", "New Strict/Gentle break mode and idle-pause setting."),
    QT_TRANSLATE_NOOP("tavelo::ReleaseNotes", "Welcome to Tavelo"),
    QT_TRANSLATE_NOOP("tavelo::ReleaseNotes", "Focus, microbreak, and long-break scheduling from the menu bar."),
    QT_TRANSLATE_NOOP("tavelo::ReleaseNotes", "Fullscreen break overlay with skip and postpone."),
    QT_TRANSLATE_NOOP("tavelo::ReleaseNotes", "Persistent settings and launch-at-login support."),
};

} // namespace

QString ReleaseNoteText::translated(const std::string &text)
{
    return QCoreApplication::translate("tavelo::ReleaseNotes", text.c_str());
}

std::span<const char *const> ReleaseNoteText::marked()
{
    return kTexts;
}

} // namespace tavelo
