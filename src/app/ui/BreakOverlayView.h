#pragma once

#include <functional>

#include <QWidget>

#include "core/Signal.h"

class QLabel;
class QPushButton;

#include "app/ui/CoalescedRefresh.h"

namespace tavelo {

class BreakEngine;
class Clock;
class MainLoop;

// The content of one break-overlay window: names the break, counts it down, shows how
// much has passed and offers postponing and skipping. It follows the engine, refreshing
// at most once per event-loop turn however many properties change in it, and not at all
// while hidden (built ahead of the break, it refreshes as it is shown).
class BreakOverlayView final : public QWidget {
    Q_OBJECT
public:
    BreakOverlayView(BreakEngine &engine, std::function<void()> onSkip, std::function<void()> onPostpone,
                     const Clock &clock, MainLoop &loop, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildLayout();
    void installShortcuts();
    void refresh();

    BreakEngine &m_engine;
    const Clock &m_clock;
    std::function<void()> m_onSkip;
    std::function<void()> m_onPostpone;
    Connection m_engineChanged;
    CoalescedRefresh m_refresh;
    double m_progress = 0.0;

    QLabel *m_headline = nullptr;
    QLabel *m_countdown = nullptr;
    QWidget *m_progressBar = nullptr;
    QLabel *m_instruction = nullptr;
    QLabel *m_subtitle = nullptr;
    QPushButton *m_postpone = nullptr;
    QPushButton *m_skip = nullptr;
    QLabel *m_keyHint = nullptr;
};

} // namespace tavelo
