#pragma once

#include <optional>
#include <ostream>
#include <string>

#include <QObject>
#include <QTimer>

namespace tavelo {

class TimerClient;

// Prints the timer as a line whenever the line would change: after each state the
// instance announces, and as its countdown passes a minute (a second during breaks).
// Waits through the instance ending and starting again.
class StatusFollower final : public QObject {
    Q_OBJECT
public:
    // `json`: waybar's custom-module lines; else the bar's text alone.
    StatusFollower(TimerClient &client, std::ostream &out, bool json, QObject *parent = nullptr);

    void start();

private:
    void refresh();

    TimerClient &m_client;
    std::ostream &m_out;
    bool m_json;
    QTimer m_countdown;
    std::optional<std::string> m_printed;
};

} // namespace tavelo
