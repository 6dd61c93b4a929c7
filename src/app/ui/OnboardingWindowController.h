#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QWidget>

#include "app/OnboardingPresenter.h"

namespace tavelo {

// Owns the one window that shows the tour or What's New. Showing either replaces the
// window on screen without running its completion; otherwise the completion runs
// exactly once, from the content's own done action or from the close button.
class OnboardingWindowController final : public QObject, public OnboardingPresenter {
    Q_OBJECT
public:
    static constexpr QSize kTourSize{600, 560};
    static constexpr QSize kWhatsNewSize{560, 440};

    explicit OnboardingWindowController(QObject *parent = nullptr);
    // Closes the window without running its completion.
    ~OnboardingWindowController() override;

    void showTour(AppModel &model, std::function<void()> onDone) override;
    void showWhatsNew(std::vector<ReleaseNote> notes, std::function<void()> onDone) override;

    // Until `release()`, a window asked for waits (only the last one asked for, as a new
    // show replaces the one on screen): at start, the status item comes first.
    void hold() { m_holding = true; }
    void release();

    // The window on screen, if any.
    QWidget *window() const { return m_window; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The content's done action: ends the window it was made for, if that is still shown.
    std::function<void()> doneAction(std::function<void()> onDone);
    void present(QWidget *content, const QString &title, QSize size, std::function<void()> onDone);
    // Removes the window without reporting it, then runs `dismiss` if given.
    void close(const std::function<void()> &dismiss);
    // The user closed the window.
    void windowWillClose();

    bool m_holding = false;
    std::function<void()> m_held;
    QPointer<QWidget> m_window;
    std::function<void()> m_onDone;
    // Tells each window's done action whether its window is still the one shown.
    std::uint64_t m_generation = 0;
};

} // namespace tavelo
