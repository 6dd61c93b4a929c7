#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/NotificationCenter.h"

namespace tavelo::test {

// Records every call in order. Status and authorization completions wait until the
// test answers them (oldest first), unless an automatic answer is set.
class FakeNotificationCenter final : public NotificationCenter {
public:
    enum class Kind { add, removeDelivered, removePending, getAuthorizationStatus, requestAuthorization };
    struct Call {
        Kind kind;
        std::vector<std::string> identifiers = {}; // the request's identifier for `add`
        std::optional<NotificationRequest> request = {};
    };

    std::optional<AuthorizationStatus> autoStatus;
    std::optional<bool> autoGrant;

    void add(const NotificationRequest &r) override { m_calls.push_back({Kind::add, {r.identifier}, r}); }
    void removeDelivered(const std::vector<std::string> &i) override { m_calls.push_back({Kind::removeDelivered, i}); }
    void removePending(const std::vector<std::string> &i) override { m_calls.push_back({Kind::removePending, i}); }
    void getAuthorizationStatus(std::function<void(AuthorizationStatus)> completion) override
    {
        m_calls.push_back({Kind::getAuthorizationStatus});
        autoStatus ? completion(*autoStatus) : m_statusCompletions.push_back(std::move(completion));
    }
    void requestAuthorization(std::function<void(bool)> completion) override
    {
        m_calls.push_back({Kind::requestAuthorization});
        autoGrant ? completion(*autoGrant) : m_authorizationCompletions.push_back(std::move(completion));
    }
    void setClickHandler(std::function<void(const std::string &)> handler) override { m_clickHandler = handler; }

    // Answer the oldest waiting query or request; false when none waits.
    bool answerStatus(AuthorizationStatus status) { return answer(m_statusCompletions, status); }
    bool answerAuthorization(bool granted) { return answer(m_authorizationCompletions, granted); }
    std::size_t waitingStatusQueries() const { return m_statusCompletions.size(); }

    // The user clicks the notice with `identifier`.
    void click(const std::string &identifier)
    {
        if (m_clickHandler)
            m_clickHandler(identifier);
    }

    const std::vector<Call> &calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }
    std::size_t count(Kind kind) const
    {
        return std::count_if(m_calls.begin(), m_calls.end(), [kind](const Call &c) { return c.kind == kind; });
    }
    std::vector<NotificationRequest> added() const
    {
        std::vector<NotificationRequest> requests;
        for (const Call &call : m_calls)
            if (call.request)
                requests.push_back(*call.request);
        return requests;
    }

private:
    template <typename Completion, typename Value> static bool answer(std::deque<Completion> &queue, Value value)
    {
        if (queue.empty())
            return false;
        Completion completion = std::move(queue.front());
        queue.pop_front();
        completion(value);
        return true;
    }

    std::vector<Call> m_calls;
    std::deque<std::function<void(AuthorizationStatus)>> m_statusCompletions;
    std::deque<std::function<void(bool)>> m_authorizationCompletions;
    std::function<void(const std::string &)> m_clickHandler;
};

} // namespace tavelo::test
