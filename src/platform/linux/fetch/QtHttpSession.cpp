#include "platform/linux/fetch/QtHttpSession.h"

#include <algorithm>
#include <climits>
#include <string>
#include <utility>

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QObject>
#include <QTimer>
#include <QUrl>

namespace tavelo {

namespace {

struct PendingRequest {
    HttpSession::Completion completion;
    // Why we stopped the request ourselves; empty when we did not.
    std::string refusal;
    bool settled = false;
};

// Errors that Qt derives from the HTTP status: the server answered and the body is whole.
bool serverAnswered(const QNetworkReply &reply)
{
    if (!reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
        return false;
    const int error = reply.error();
    return error == QNetworkReply::NoError ||
           (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError) ||
           (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
}

int clampedMs(std::chrono::milliseconds ms)
{
    return static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(ms.count(), 1, INT_MAX));
}

} // namespace

QtHttpSession::QtHttpSession() : QtHttpSession(Limits{}) {}

QtHttpSession::QtHttpSession(Limits limits) : m_limits(limits), m_context(std::make_unique<QObject>()) {}

QtHttpSession::~QtHttpSession()
{
    // Cut every connection before the replies go, so that aborting them calls nobody.
    m_context.reset();
    m_manager.reset();
}

QNetworkAccessManager &QtHttpSession::manager()
{
    if (!m_manager)
        m_manager = std::make_unique<QNetworkAccessManager>();
    return *m_manager;
}

void QtHttpSession::get(const std::string &url, Completion completion)
{
    QNetworkRequest request(QUrl(QString::fromStdString(url)));
    request.setTransferTimeout(clampedMs(m_limits.transferTimeout));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);

    QNetworkReply *reply = manager().get(request);
    ++m_inFlight;
    auto state = std::make_shared<PendingRequest>();
    state->completion = std::move(completion);
    const std::int64_t limit = m_limits.maxBodyBytes;
    QObject *context = m_context.get();

    auto refuse = [reply, state](const char *why) {
        if (state->settled || !state->refusal.empty())
            return;
        state->refusal = why;
        reply->abort();
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, context, [reply, limit, refuse] {
        bool known = false;
        const qint64 length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
        if (known && length > limit)
            refuse("response body too large");
    });
    QObject::connect(reply, &QNetworkReply::readyRead, context, [reply, limit, refuse] {
        if (reply->bytesAvailable() > limit)
            refuse("response body too large");
    });
    QObject::connect(reply, &QNetworkReply::redirected, context, [reply, refuse](const QUrl &target) {
        if (target.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0)
            Q_EMIT reply->redirectAllowed();
        else
            refuse("redirect to a non-https address refused");
    });
    QTimer::singleShot(clampedMs(m_limits.totalTimeout), reply, [refuse] { refuse("timed out"); });
    QObject::connect(reply, &QNetworkReply::finished, context, [this, reply, state] {
        if (state->settled)
            return;
        state->settled = true;
        settle(reply, state->completion, state->refusal);
    });
}

void QtHttpSession::settle(QNetworkReply *reply, const Completion &completion, const std::string &refusal)
{
    std::optional<HttpResponse> response;
    std::string error = refusal;
    if (error.empty()) {
        if (serverAnswered(*reply)) {
            const QByteArray body = reply->readAll();
            if (body.size() > m_limits.maxBodyBytes)
                error = "response body too large";
            else
                response = HttpResponse{reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                                        body.toStdString()};
        } else if (reply->error() == QNetworkReply::OperationCanceledError) {
            // Only the transfer time-out cancels without a refusal of ours.
            error = "timed out";
        } else {
            error = reply->errorString().toStdString();
        }
    }
    reply->deleteLater();
    if (--m_inFlight == 0 && m_manager)
        m_manager.release()->deleteLater();
    // Last: the completion may start another request or end the session.
    Completion done = completion;
    done(std::move(response), error);
}

} // namespace tavelo
