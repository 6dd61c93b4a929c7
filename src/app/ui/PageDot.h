#pragma once

#include <QAbstractButton>

namespace tavelo {

// One of the tour's page dots: a small circle, filled with the accent colour for the
// page on screen. The button is larger than the dot so that it is easy to hit.
class PageDot final : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int kDiameter = 7;
    static constexpr int kGap = 6;

    explicit PageDot(QWidget *parent = nullptr);

    bool isCurrent() const { return m_current; }
    void setCurrent(bool current);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_current = false;
};

} // namespace tavelo
