#include "app/ui/OnboardingWindowController.h"

#include <utility>

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

#include "app/ui/OnboardingView.h"
#include "app/ui/WhatsNewView.h"

namespace tavelo {

OnboardingWindowController::OnboardingWindowController(QObject *parent) : QObject(parent) {}

OnboardingWindowController::~OnboardingWindowController()
{
    m_onDone = nullptr;
    if (m_window) {
        m_window->removeEventFilter(this);
        delete m_window.data();
    }
}

void OnboardingWindowController::release()
{
    m_holding = false;
    if (const std::function<void()> held = std::exchange(m_held, nullptr))
        held();
}

void OnboardingWindowController::showTour(AppModel &model, std::function<void()> onDone)
{
    if (m_holding) {
        m_held = [this, &model, onDone = std::move(onDone)] { showTour(model, onDone); };
        return;
    }
    auto *content = new OnboardingView(model, doneAction(onDone));
    present(content, tr("Welcome to Tavelo"), kTourSize, std::move(onDone));
}

void OnboardingWindowController::showWhatsNew(std::vector<ReleaseNote> notes, std::function<void()> onDone)
{
    if (m_holding) {
        m_held = [this, notes = std::move(notes), onDone = std::move(onDone)] { showWhatsNew(notes, onDone); };
        return;
    }
    auto *content = new WhatsNewView(std::move(notes), doneAction(onDone));
    present(content, tr("What's New in Tavelo"), kWhatsNewSize, std::move(onDone));
}

std::function<void()> OnboardingWindowController::doneAction(std::function<void()> onDone)
{
    const std::uint64_t generation = ++m_generation;
    return [self = QPointer<OnboardingWindowController>(this), generation, onDone = std::move(onDone)] {
        // A second press, or a press on a window already replaced, must not report again.
        if (self && self->m_generation == generation && self->m_window)
            self->close(onDone);
    };
}

void OnboardingWindowController::present(QWidget *content, const QString &title, QSize size,
                                         std::function<void()> onDone)
{
    close(nullptr);
    m_onDone = std::move(onDone);

    // The content is the window: titled and closable, neither resizable nor minimisable. A
    // dialog, too, so that window managers offer no minimise or maximise for it either.
    content->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    content->setWindowTitle(title);
    content->setFixedSize(size);
    content->installEventFilter(this);

    const QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        content->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
    }
    m_window = content;

    content->show();
    content->raise();
    content->activateWindow();
}

void OnboardingWindowController::close(const std::function<void()> &dismiss)
{
    if (QWidget *window = m_window) {
        window->removeEventFilter(this);
        window->hide();
        // Later: this may run inside one of the window's own event handlers.
        window->deleteLater();
    }
    m_window = nullptr;
    m_onDone = nullptr;
    if (dismiss)
        dismiss();
}

bool OnboardingWindowController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close && watched == m_window.data())
        windowWillClose();
    return QObject::eventFilter(watched, event);
}

void OnboardingWindowController::windowWillClose()
{
    auto done = std::move(m_onDone);
    m_onDone = nullptr;
    if (QWidget *window = m_window) {
        window->removeEventFilter(this);
        window->deleteLater();
    }
    m_window = nullptr;
    if (done)
        done();
}

} // namespace tavelo
