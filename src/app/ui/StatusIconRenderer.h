#pragma once

#include <cstdint>
#include <vector>

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QString>

#include "app/ui/StatusSnapshot.h"

namespace tavelo {

// What the status icon shows: the state's symbol, how much of the ring is left and,
// where the host shows no label, the time left as a number in place of the symbol.
// Callers redraw only when the key changes.
struct StatusIconKey {
    enum class Symbol { focus, breakTime, paused };

    Symbol symbol = Symbol::focus;
    // 0 (nothing left) to StatusIconRenderer::kRingSteps (the whole phase left).
    int ringStep = 0;
    // Minutes left (hours from 100 minutes on), or empty: the symbol is drawn instead.
    QString number;

    bool operator==(const StatusIconKey &) const = default;
};

// Draws the status icon: a filled badge with the state's symbol (a stretching figure in
// focus, a cup during a break, pause bars while paused) inside a ring showing the
// fraction of the phase left. Mid-tone colours keep it legible on light and dark panels.
class StatusIconRenderer {
public:
    static constexpr int kRingSteps = 32;

    // `withNumber`: the icon carries the time left, as the label would show it.
    static StatusIconKey keyFor(const StatusSnapshot &snapshot, bool withNumber = false);
    // Whole steps, rounded up, so the ring empties only when nothing is left.
    static int ringStep(std::int64_t remainingSeconds, std::int64_t phaseLengthSeconds);
    // Whole minutes, rounded up ("1" in the last minute); from 100 minutes on whole hours,
    // rounded up, with "h", so that it keeps to two characters.
    static QString numberFor(std::int64_t remainingSeconds);

    // A square image of `pixelSize` pixels, transparent around the badge.
    static QImage render(const StatusIconKey &key, int pixelSize);
    // The key drawn at `sizes`, or at the sizes trays ask for (smallest first) when empty.
    static std::vector<QImage> images(const StatusIconKey &key, const std::vector<int> &sizes = {});
    static QIcon icon(const StatusIconKey &key);
    // The icon's colour for text and rings beside it: the badge's on light backgrounds, the
    // brighter ring's on dark ones.
    static QColor accent(StatusIconKey::Symbol symbol, bool onDark);
    // The focus symbol with a full ring, for the application's own icon.
    static QImage appIcon(int pixelSize);
};

} // namespace tavelo
