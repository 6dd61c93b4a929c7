#pragma once

#include <QWidget>

#include "app/ui/SymbolPainter.h"

namespace tavelo {

// The large round picture at the top of a tour page: the page's symbol on a soft disc
// of the accent colour.
class TourEmblem final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDiameter = 96;

    explicit TourEmblem(Symbol symbol, QWidget *parent = nullptr);

    Symbol symbol() const { return m_symbol; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Symbol m_symbol;
};

} // namespace tavelo
