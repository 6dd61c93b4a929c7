#pragma once

#include <QCoreApplication>
#include <vector>

#include <QColor>
#include <QString>

#include "app/ui/SymbolPainter.h"
#include "core/BreakModels.h"

namespace tavelo {

// What each page of the tour says, computed from the current settings, and the state of
// the tour's buttons. Pure: the view shows it.
class OnboardingPresentation {
public:
    static constexpr int kPageCount = 5;
    static constexpr int kNotificationPage = 4;

    enum class Tint { blue, teal, orange, gray, purple, cyan, green };

    struct Row {
        Symbol symbol;
        Tint tint;
        QString text;
    };
    struct Page {
        Symbol symbol;
        QString title;
        QString subtitle;
        // Empty on the welcome and notification pages.
        std::vector<Row> rows;
    };

    // `index` is clamped to the pages there are.
    static Page page(int index, const BreakSettings &settings);
    static bool backEnabled(int page);
    // "Continue", or "Start Focusing" on the last page.
    static QString forwardTitle(int page);
    // Whether the forward button ends the tour rather than turning the page.
    static bool forwardFinishes(int page);
    static QString dotAccessibleName(int index);
    static QColor colour(Tint tint);

    Q_DECLARE_TR_FUNCTIONS(tavelo::OnboardingPresentation)
};

} // namespace tavelo
