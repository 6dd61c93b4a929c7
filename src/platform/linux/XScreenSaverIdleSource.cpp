#include "platform/linux/XScreenSaverIdleSource.h"

#include <chrono>
#include <cstdlib>
#include <utility>

#include <QGuiApplication>

// Xlib's macros (None, Bool, Status...) clash with Qt: keep these after every Qt header.
#include <X11/Xlib.h>
#include <xcb/screensaver.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

namespace tavelo {

struct XScreenSaverIdleSource::Xcb {
    xcb_connection_t *connection = nullptr;
    xcb_window_t root = 0;
    unsigned pending = 0;
    bool hasPending = false;

    ~Xcb()
    {
        if (connection)
            xcb_disconnect(connection);
    }

    static std::optional<double> secondsOf(xcb_screensaver_query_info_reply_t *reply)
    {
        if (!reply)
            return std::nullopt;
        const double seconds = reply->ms_since_user_input / 1000.0;
        std::free(reply);
        return seconds;
    }
};

XScreenSaverIdleSource::XScreenSaverIdleSource(MainLoop *loop) : m_loop(loop) {}

XScreenSaverIdleSource::~XScreenSaverIdleSource() = default;

bool XScreenSaverIdleSource::connected()
{
    if (!m_probed) {
        m_probed = true;
        if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
            return false;
        // The display Qt opened, whatever told it which.
        auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        Display *display = x11 ? x11->display() : nullptr;
        if (!display)
            return false;
        auto x = std::make_unique<Xcb>();
        x->connection = xcb_connect(DisplayString(display), nullptr);
        if (xcb_connection_has_error(x->connection))
            return false;
        const xcb_query_extension_reply_t *extension = xcb_get_extension_data(x->connection, &xcb_screensaver_id);
        if (!extension || !extension->present)
            return false;
        x->root = xcb_setup_roots_iterator(xcb_get_setup(x->connection)).data->root;
        m_x = std::move(x);
    }
    if (m_x && xcb_connection_has_error(m_x->connection))
        m_x.reset();
    return m_x != nullptr;
}

std::optional<double> XScreenSaverIdleSource::idleSeconds()
{
    if (!connected())
        return std::nullopt;
    const xcb_screensaver_query_info_cookie_t cookie = xcb_screensaver_query_info(m_x->connection, m_x->root);
    return Xcb::secondsOf(xcb_screensaver_query_info_reply(m_x->connection, cookie, nullptr));
}

void XScreenSaverIdleSource::readIdleSeconds(Answer answer)
{
    if (!m_loop) {
        answer(idleSeconds());
        return;
    }
    if (!connected()) {
        answer(std::nullopt);
        return;
    }
    m_waiting.push_back(std::move(answer));
    if (m_x->hasPending)
        return;
    m_x->pending = xcb_screensaver_query_info(m_x->connection, m_x->root).sequence;
    m_x->hasPending = true;
    xcb_flush(m_x->connection);
    m_beatsWaited = 0;
    // Added during a beat, a one-second timer first runs at the next one.
    m_collector = m_loop->every(std::chrono::seconds(1), [this] { collect(); });
}

void XScreenSaverIdleSource::collect()
{
    if (!m_x) {
        m_collector.cancel();
        answerWaiting(std::nullopt);
        return;
    }
    void *reply = nullptr;
    xcb_generic_error_t *error = nullptr;
    // Reads what has arrived without waiting: nobody else reads this connection.
    const int done = xcb_poll_for_reply(m_x->connection, m_x->pending, &reply, &error);
    std::free(error);
    if (!done && ++m_beatsWaited < kBeatsToWait && !xcb_connection_has_error(m_x->connection))
        return;
    if (!done)
        xcb_discard_reply(m_x->connection, m_x->pending);
    m_x->hasPending = false;
    m_collector.cancel();
    answerWaiting(Xcb::secondsOf(static_cast<xcb_screensaver_query_info_reply_t *>(reply)));
}

void XScreenSaverIdleSource::answerWaiting(std::optional<double> seconds)
{
    // Moved out first: an answer may start the next reading.
    std::vector<Answer> waiting = std::exchange(m_waiting, {});
    for (Answer &answer : waiting)
        answer(seconds);
}

} // namespace tavelo
