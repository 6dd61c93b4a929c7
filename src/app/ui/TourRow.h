#pragma once

#include <QColor>
#include <QWidget>

#include "app/ui/SymbolPainter.h"

class QLabel;

namespace tavelo {

// One line of a tour page: a tinted symbol and a sentence on a faint rounded panel.
class TourRow final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 440;

    TourRow(Symbol symbol, const QColor &tint, const QString &text, QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_label = nullptr;
};

} // namespace tavelo
