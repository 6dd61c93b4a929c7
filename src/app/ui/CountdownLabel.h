#pragma once

#include <QString>
#include <QWidget>

namespace tavelo {

// A one-line text whose digits all take the same width, so a running countdown does
// not jitter. (The font's own tabular figures cannot be asked for with this Qt.)
class CountdownLabel final : public QWidget {
public:
    explicit CountdownLabel(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    qreal advance(QChar c) const;
    void measureDigits();

    QString m_text;
    qreal m_digitWidth = 0;
};

} // namespace tavelo
