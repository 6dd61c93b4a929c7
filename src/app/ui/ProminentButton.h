#pragma once

#include <QPushButton>

namespace tavelo {

// The window's main action: filled with the accent colour, text in the colour that
// reads on it.
class ProminentButton final : public QPushButton {
    Q_OBJECT
public:
    explicit ProminentButton(const QString &text, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void applyStyle();
};

} // namespace tavelo
