#include "app/ui/PanelButtonColumn.h"

#include <algorithm>

#include <QKeySequence>

#include "app/ui/Mnemonics.h"
#include "app/ui/PanelButton.h"
#include "app/ui/WidgetText.h"

namespace tavelo {

void PanelButtonColumn::add(PanelButton *button, bool changes)
{
    m_entries.push_back({button, QString(), changes});
}

void PanelButtonColumn::setText(PanelButton *button, const QString &text)
{
    const auto entry =
        std::find_if(m_entries.begin(), m_entries.end(), [button](const Entry &e) { return e.button == button; });
    if (entry == m_entries.end() || entry->text == text)
        return;
    entry->text = text;
    std::vector<const Entry *> order;
    for (const bool changes : {false, true}) {
        for (const Entry &e : m_entries) {
            if (e.changes == changes)
                order.push_back(&e);
        }
    }
    QStringList texts;
    for (const Entry *e : order)
        texts << e->text;
    const QStringList marked = Mnemonics::assign(texts);
    for (std::size_t i = 0; i < order.size(); ++i)
        setTextIfChanged(order[i]->button, marked[static_cast<qsizetype>(i)]);
}

void PanelButtonColumn::showMnemonics(bool show)
{
    for (const Entry &entry : m_entries)
        entry.button->setShowMnemonic(show);
}

bool PanelButtonColumn::actOn(const QString &letter)
{
    if (letter.size() != 1 || !letter[0].isLetterOrNumber())
        return false;
    const QKeySequence wanted(QKeySequence::mnemonic(QLatin1Char('&') + letter));
    for (const Entry &entry : m_entries) {
        PanelButton *button = entry.button;
        if (!button->isVisible() || !button->isEnabled() || QKeySequence::mnemonic(button->text()) != wanted)
            continue;
        button->setFocus(Qt::ShortcutFocusReason);
        if (button->menu())
            button->showMenu();
        else
            button->click();
        return true;
    }
    return false;
}

} // namespace tavelo
