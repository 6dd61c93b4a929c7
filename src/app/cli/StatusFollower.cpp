#include "app/cli/StatusFollower.h"

#include <chrono>

#include "app/cli/StatusReport.h"
#include "platform/TimerClient.h"

namespace tavelo {

namespace {

// Past the whole second, so that the countdown has moved on when it is read again.
constexpr int kAfterSecondMs = 20;
constexpr int kRetryMs = 1000;

} // namespace

StatusFollower::StatusFollower(TimerClient &client, std::ostream &out, bool json, QObject *parent)
    : QObject(parent), m_client(client), m_out(out), m_json(json)
{
    m_countdown.setSingleShot(true);
    m_countdown.setTimerType(Qt::PreciseTimer);
    connect(&m_countdown, &QTimer::timeout, this, &StatusFollower::refresh);
}

void StatusFollower::start()
{
    m_client.watch([this] { refresh(); });
    refresh();
}

void StatusFollower::refresh()
{
    m_countdown.stop();
    const auto read = m_client.read();
    std::string line;
    if (const auto *state = std::get_if<TimerState>(&read)) {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        const StatusReport report(*state, std::chrono::floor<std::chrono::seconds>(now).count());
        line = m_json ? report.barJson() : report.barText().toStdString();
        if (const std::optional<std::int64_t> ahead = report.secondsToNextChange()) {
            const auto intoSecond = std::chrono::duration_cast<std::chrono::milliseconds>(now).count() % 1000;
            m_countdown.start(int(*ahead * 1000 - intoSecond + kAfterSecondMs));
        }
    } else {
        line = m_json ? StatusReport::notRunningJson() : std::string();
        // An instance that has just taken its name may not offer its timer yet.
        if (std::get<TimerReply>(read).status != TimerReply::Status::noInstance)
            m_countdown.start(kRetryMs);
    }
    if (line == m_printed)
        return;
    m_printed = line;
    m_out << line << std::endl;
}

} // namespace tavelo
