#pragma once

#include <QColor>
#include <QWidget>

namespace tavelo {

// The status icon's ring at the size of the panel's countdown: a faint track and, over
// it, the part of the phase left, clockwise from the top.
class CountdownRing final : public QWidget {
    Q_OBJECT
public:
    explicit CountdownRing(int diameter, QWidget *parent = nullptr);

    // `fraction` from 0 (nothing left) to 1 (the whole phase).
    void setProgress(qreal fraction, const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal m_fraction = 1;
    QColor m_colour;
};

} // namespace tavelo
