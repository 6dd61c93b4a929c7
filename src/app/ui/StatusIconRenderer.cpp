#include "app/ui/StatusIconRenderer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <utility>

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tavelo {

namespace {

using Symbol = StatusIconKey::Symbol;

struct Colours {
    QColor badge;
    QColor ring;
};

// Mid-tone fills: white glyphs stay readable on them, and they stand out from both
// light and dark panels.
Colours coloursFor(Symbol symbol)
{
    switch (symbol) {
    case Symbol::breakTime:
        return {QColor(0xC2, 0x6A, 0x12), QColor(0xF0, 0x96, 0x2E)};
    case Symbol::paused:
        return {QColor(0x67, 0x6E, 0x7A), QColor(0xA0, 0xA6, 0xB0)};
    case Symbol::focus:
        break;
    }
    return {QColor(0x25, 0x86, 0x5E), QColor(0x3C, 0xB8, 0x80)};
}

// The glyphs are laid out on a 100-unit square; the badge is a disc of radius 34.
constexpr QPointF kCentre(50, 50);
constexpr qreal kBadgeRadius = 34;
// Digits need more room than a symbol: the badge grows to just inside the ring.
constexpr qreal kNumberBadgeRadius = 38;
constexpr qreal kRingRadius = 44;
constexpr qreal kRingWidth = 9;

constexpr int kTrackAlpha = 100;

// Scales every channel of a premultiplied image, as painting it with that alpha would.
void fade(QImage &image, int alpha)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x];
            const auto scaled = [alpha](int v) { return (v * alpha + 127) / 255; };
            line[x] = qRgba(scaled(qRed(c)), scaled(qGreen(c)), scaled(qBlue(c)), scaled(qAlpha(c)));
        }
    }
}

QPen glyphPen(qreal width)
{
    return QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawFigure(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(50, 30), 6.5, 6.5);
    p.setPen(glyphPen(7));
    p.setBrush(Qt::NoBrush);
    // Arms raised in a stretch, torso, legs apart.
    p.drawLine(QPointF(36, 35), QPointF(50, 44));
    p.drawLine(QPointF(64, 35), QPointF(50, 44));
    p.drawLine(QPointF(50, 41), QPointF(50, 56));
    p.drawLine(QPointF(50, 56), QPointF(42, 70));
    p.drawLine(QPointF(50, 56), QPointF(58, 70));
}

void drawCup(QPainter &p, bool withSteam)
{
    // Without steam the cup alone is centred.
    p.save();
    if (!withSteam)
        p.translate(0, -7);
    QPainterPath body;
    body.moveTo(32, 43);
    body.lineTo(62, 43);
    body.cubicTo(62, 56, 59, 64, 51, 64);
    body.lineTo(43, 64);
    body.cubicTo(35, 64, 32, 56, 32, 43);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(body);
    p.drawRoundedRect(QRectF(27, 67.5, 42, 5.5), 2.75, 2.75);

    p.setBrush(Qt::NoBrush);
    p.setPen(glyphPen(5));
    p.drawArc(QRectF(56, 45.5, 13, 12), -90 * 16, 180 * 16);
    if (withSteam) {
        p.setPen(glyphPen(4));
        for (const qreal x : {42.0, 52.0}) {
            QPainterPath steam;
            steam.moveTo(x, 37);
            steam.cubicTo(x - 4, 33, x + 4, 31, x, 26);
            p.drawPath(steam);
        }
    }
    p.restore();
}

void drawPause(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(37, 33, 9.5, 34), 3, 3);
    p.drawRoundedRect(QRectF(53.5, 33, 9.5, 34), 3, 3);
}

QFont numberFont(int pixelSize)
{
    // Kept resolved for the life of the process: a font used once and let go is matched
    // and its glyphs hinted all over again at the next redraw, a minute later. Never freed:
    // a font must not outlive the application's font database.
    static auto *fonts = new std::map<int, QFont>;
    auto [it, added] = fonts->try_emplace(pixelSize);
    if (added) {
        it->second.setStyleHint(QFont::SansSerif);
        it->second.setWeight(QFont::Bold);
        it->second.setHintingPreference(QFont::PreferFullHinting);
        it->second.setPixelSize(pixelSize);
    }
    return it->second;
}

struct NumberLayout {
    int pixelSize = 1;
    QRectF box;
};

NumberLayout layoutNumber(const QString &text, int size)
{
    static std::map<std::pair<QString, int>, NumberLayout> layouts;
    const auto key = std::pair(text, size);
    if (const auto found = layouts.find(key); found != layouts.end())
        return found->second;
    const qreal room = size * 0.66;
    NumberLayout layout;
    for (layout.pixelSize = std::max(1, qRound(size * 0.52));; --layout.pixelSize) {
        layout.box = QFontMetricsF(numberFont(layout.pixelSize)).tightBoundingRect(text);
        if (layout.box.width() <= room || layout.pixelSize <= size * 0.36)
            break;
    }
    // A few hundred numbers at a few sizes at most; bounded all the same.
    if (layouts.size() >= 1024)
        layouts.clear();
    layouts.emplace(key, layout);
    return layout;
}

// Drawn in device pixels, on whole-pixel baselines and at a whole pixel size that fits,
// so that the font's hinting keeps the digits sharp at 16 px.
void drawNumber(QPainter &p, const QString &text, int size)
{
    const qreal room = size * 0.66;
    const NumberLayout layout = layoutNumber(text, size);
    const QRectF &box = layout.box;
    p.save();
    p.setFont(numberFont(layout.pixelSize));
    p.setPen(Qt::white);
    p.translate(size / 2.0, 0);
    // A font too wide even at the smallest size is narrowed rather than cut off.
    if (box.width() > room)
        p.scale(room / box.width(), 1);
    p.drawText(QPointF(std::round(-box.center().x()), std::round(size / 2.0 - box.center().y())), text);
    p.restore();
}

// The faint full circle behind the ring, the same at every redraw of a size.
// The track is translucent, and Qt's raster engine hands translucent fills to its
// thread pool: every redraw would wake worker threads (and start them anew once they
// expire). Drawn opaque on the empty image and then faded, it needs no threads.
QImage track(int size, const QRectF &ringRect)
{
    static std::map<int, QImage> tracks;
    auto [it, added] = tracks.try_emplace(size);
    if (added) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(size / 100.0, size / 100.0);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(140, 140, 140), kRingWidth));
            p.drawEllipse(ringRect);
        }
        fade(image, kTrackAlpha);
        it->second = image;
    }
    return it->second;
}

} // namespace

QString StatusIconRenderer::numberFor(std::int64_t remainingSeconds)
{
    const std::int64_t minutes = std::max<std::int64_t>((remainingSeconds + 59) / 60, 1);
    if (minutes < 100)
        return QString::number(minutes);
    return QString::number((minutes + 59) / 60) + u'h';
}

int StatusIconRenderer::ringStep(std::int64_t remainingSeconds, std::int64_t phaseLengthSeconds)
{
    // Bounded so that `left * kRingSteps` cannot overflow.
    const std::int64_t length = std::clamp<std::int64_t>(phaseLengthSeconds, 1, INT64_MAX / (2 * kRingSteps));
    const std::int64_t left = std::clamp<std::int64_t>(remainingSeconds, 0, length);
    return static_cast<int>((left * kRingSteps + length - 1) / length);
}

StatusIconKey StatusIconRenderer::keyFor(const StatusSnapshot &snapshot, bool withNumber)
{
    StatusIconKey key;
    if (snapshot.isPaused)
        key.symbol = Symbol::paused;
    else if (snapshot.phase == TimerPhase::breakTime)
        key.symbol = Symbol::breakTime;
    else
        key.symbol = Symbol::focus;
    key.ringStep = ringStep(snapshot.remainingSeconds, snapshot.phaseLengthSeconds);
    // As the label: no countdown while paused, nor while away from a focus session.
    const bool counting = !snapshot.isPaused && !(snapshot.isAway && snapshot.phase == TimerPhase::focus);
    if (withNumber && counting)
        key.number = numberFor(snapshot.remainingSeconds);
    return key;
}

QImage StatusIconRenderer::render(const StatusIconKey &key, int pixelSize)
{
    const int size = std::max(pixelSize, 1);
    const QRectF ringRect(kCentre.x() - kRingRadius, kCentre.y() - kRingRadius, 2 * kRingRadius, 2 * kRingRadius);
    // A copy: painting detaches it from the cached track.
    QImage image = track(size, ringRect);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 100.0, size / 100.0);
    const Colours colours = coloursFor(key.symbol);

    const int step = std::clamp(key.ringStep, 0, kRingSteps);
    if (step > 0) {
        p.setPen(QPen(colours.ring, kRingWidth, Qt::SolidLine, Qt::FlatCap));
        // From twelve o'clock, clockwise: the part of the phase still left.
        p.drawArc(ringRect, 90 * 16, -(360 * 16 * step) / kRingSteps);
    }

    p.setPen(Qt::NoPen);
    p.setBrush(colours.badge);
    if (!key.number.isEmpty()) {
        p.drawEllipse(kCentre, kNumberBadgeRadius, kNumberBadgeRadius);
        p.resetTransform();
        drawNumber(p, key.number, size);
        p.end();
        return image;
    }
    p.drawEllipse(kCentre, kBadgeRadius, kBadgeRadius);

    switch (key.symbol) {
    case Symbol::focus:
        drawFigure(p);
        break;
    case Symbol::breakTime:
        // Steam only where there are pixels enough to tell it from noise.
        drawCup(p, size >= 32);
        break;
    case Symbol::paused:
        drawPause(p);
        break;
    }
    p.end();
    return image;
}

std::vector<QImage> StatusIconRenderer::images(const StatusIconKey &key, const std::vector<int> &sizes)
{
    static const std::vector<int> kSizes{16, 22, 24, 32, 44, 48, 64};
    const std::vector<int> &wanted = sizes.empty() ? kSizes : sizes;
    std::vector<QImage> images;
    images.reserve(wanted.size());
    for (const int size : wanted)
        images.push_back(render(key, size));
    return images;
}

QIcon StatusIconRenderer::icon(const StatusIconKey &key)
{
    QIcon icon;
    for (const QImage &image : images(key))
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

QColor StatusIconRenderer::accent(StatusIconKey::Symbol symbol, bool onDark)
{
    const Colours colours = coloursFor(symbol);
    return onDark ? colours.ring : colours.badge;
}

QImage StatusIconRenderer::appIcon(int pixelSize)
{
    return render({Symbol::focus, kRingSteps, {}}, pixelSize);
}

} // namespace tavelo
