#pragma once

#include <QWidget>

class QVBoxLayout;

namespace tavelo {

// Rows on one rounded, faintly filled panel with hairlines between them.
class GroupedForm final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRadius = 8;

    explicit GroupedForm(QWidget *parent = nullptr);

    void addRow(QWidget *row);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QVBoxLayout *m_layout;
};

} // namespace tavelo
