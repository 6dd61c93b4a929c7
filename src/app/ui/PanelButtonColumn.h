#pragma once

#include <vector>

#include <QString>

namespace tavelo {

class PanelButton;

// The panel's buttons as one column for the keyboard: their access keys, given out again
// whenever a text changes (texts that never change first, so that theirs stay put),
// underlined while Alt is held, and acting on the key alone, as in a menu.
class PanelButtonColumn {
public:
    // `changes`: the text follows the state.
    void add(PanelButton *button, bool changes);
    // Sets the text as displayed.
    void setText(PanelButton *button, const QString &text);
    void showMnemonics(bool show);
    // Clicks (or opens the menu of) the shown, enabled button whose key `letter` is.
    bool actOn(const QString &letter);

private:
    struct Entry {
        PanelButton *button;
        QString text;
        bool changes;
    };
    std::vector<Entry> m_entries;
};

} // namespace tavelo
