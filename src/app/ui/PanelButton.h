#pragma once

#include <QPushButton>

namespace tavelo {

// A control of the status panel, drawn like an entry of a drop-down: the panel's full
// width, the text at the left, a soft fill that deepens on hover and press, a ring in the
// accent colour when the keyboard is on it, and a chevron when it opens a menu. The access
// key is underlined only while Alt is held, as in menus. A text too long for one line wraps.
class PanelButton final : public QPushButton {
    Q_OBJECT
public:
    explicit PanelButton(const QString &text, QWidget *parent = nullptr);

    void setShowMnemonic(bool show);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Room for the text in a button `width` wide.
    int textWidth(int width) const;

    bool m_showMnemonic = false;
    bool m_keyboardFocus = false;
};

} // namespace tavelo
