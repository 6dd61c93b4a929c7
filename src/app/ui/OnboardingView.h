#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QString>
#include <QWidget>

#include "core/Signal.h"

class QLabel;
class QPushButton;
class QStackedWidget;

#include "app/ui/CoalescedRefresh.h"

namespace tavelo {

class AppModel;
class PageDot;
class TourPage;
class TourRow;

// The first-run tour: five pages that explain the rhythm with the user's own numbers,
// the controls, absence and sleep, and offer to turn notifications on. Page dots and a
// button bar move between pages; Return presses the forward button. The numbers follow
// the model's settings while the tour is open.
class OnboardingView final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMinimumWidth = 560;
    static constexpr int kMinimumHeight = 500;

    // `onDone` runs when the user finishes or skips the tour.
    OnboardingView(AppModel &model, std::function<void()> onDone, QWidget *parent = nullptr);

    int page() const { return m_page; }
    // Out-of-range pages are clamped. The change fades in unless `animated` is false.
    void setPage(int page, bool animated = true);
    // The line under the notification button, once the model has given one.
    const std::optional<QString> &notificationFeedback() const { return m_feedback; }

private:
    void buildLayout();
    QWidget *buildRows(int page);
    QWidget *buildNotificationContent();
    QWidget *buildButtonBar();
    void fadeIn(QWidget *page);
    void pageCameOnScreen();
    void setFeedback(const QString &text);
    void forward();
    void refresh();

    AppModel &m_model;
    std::function<void()> m_onDone;
    int m_page = 0;
    std::optional<QString> m_feedback;
    Connection m_modelChanged;
    CoalescedRefresh m_refresh;

    QStackedWidget *m_stack = nullptr;
    std::vector<TourPage *> m_pages;
    // The rows of each page, empty where a page has none.
    std::vector<std::vector<TourRow *>> m_rows;
    std::vector<PageDot *> m_dots;
    QPushButton *m_back = nullptr;
    QPushButton *m_skip = nullptr;
    QPushButton *m_forward = nullptr;
    QPushButton *m_enableNotifications = nullptr;
    QLabel *m_feedbackLabel = nullptr;
};

} // namespace tavelo
