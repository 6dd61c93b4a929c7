#pragma once

#include <QWidget>

#include "app/ui/SymbolPainter.h"

class QLabel;

namespace tavelo {

// The layout every tour page shares: the emblem, a title, a subtitle and the page's own
// content below, centred with flexible space above and below.
class TourPage final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTextWidth = 440;

    // Takes ownership of `content`, which may be null.
    TourPage(Symbol symbol, QWidget *content, QWidget *parent = nullptr);

    QString title() const;
    QString subtitle() const;
    void setTexts(const QString &title, const QString &subtitle);

private:
    QLabel *m_title = nullptr;
    QLabel *m_subtitle = nullptr;
};

} // namespace tavelo
