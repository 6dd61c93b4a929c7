#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include "app/ui/SymbolPainter.h"

namespace tavelo {

// A symbol of a fixed size drawn centred in the widget. Decoration only: screen readers
// pass over it.
class SymbolIcon final : public QWidget {
    Q_OBJECT
public:
    SymbolIcon(Symbol symbol, int size, const QColor &colour, QWidget *parent = nullptr, qreal weight = 1.0);

    Symbol symbol() const { return m_symbol; }
    void setColour(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Symbol m_symbol;
    int m_size;
    QColor m_colour;
    qreal m_weight;
    QImage m_image;
};

} // namespace tavelo
