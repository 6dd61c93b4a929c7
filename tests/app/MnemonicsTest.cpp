#include <gtest/gtest.h>

#include "app/ui/Mnemonics.h"

using namespace tavelo;

TEST(Mnemonics, EachTextTakesAFreeKeyWordStartsFirst)
{
    const struct {
        QStringList texts;
        QStringList marked;
    } rows[] = {
        {{"Start Microbreak", "Start Long Break", "Skip Next Break (Microbreak)"},
         {"&Start Microbreak", "Start &Long Break", "Skip &Next Break (Microbreak)"}},
        // Case does not matter; with every word start taken, any other character serves.
        {{"Settings", "statistics", "Set"}, {"&Settings", "s&tatistics", "S&et"}},
        {{"Pause 5 min", "Pause 15 min", "Pause 1 hr"}, {"&Pause 5 min", "Pause &15 min", "Pause 1 &hr"}},
        // A literal '&' stays one; a text with nothing left keeps none.
        {{"R&D", "D", "r"}, {"&R&&D", "&D", "r"}},
        {{"…", "Ärger", "ärger"}, {"…", "&Ärger", "ä&rger"}},
        // No key an input method would have to compose.
        {{"設定…", "統計 2", "Пауза"}, {"設定…", "統計 &2", "&Пауза"}},
    };
    for (const auto &row : rows) {
        const QStringList marked = Mnemonics::assign(row.texts);
        EXPECT_EQ(marked, row.marked) << row.texts.join('|').toStdString();
        QStringList shown;
        for (const QString &text : marked)
            shown << Mnemonics::strip(text);
        EXPECT_EQ(shown, row.texts) << "what is displayed stays the same";
    }
}
