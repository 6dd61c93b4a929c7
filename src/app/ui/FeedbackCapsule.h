#pragma once

#include <QString>
#include <QWidget>

class QVariantAnimation;

namespace tavelo {

// A short confirmation on a pale green capsule with a check mark. It fades and
// grows in when given a message and fades out when the message is cleared.
class FeedbackCapsule final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kAnimationMs = 200;

    explicit FeedbackCapsule(QWidget *parent = nullptr);

    // An empty message clears it.
    void setMessage(const QString &message);
    // The message being shown, or empty once cleared (also while it fades out).
    QString message() const { return m_message; }
    // Ends a running fade at once (before a screenshot, say).
    void settle();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void animateTo(qreal end);
    QColor green() const;

    QString m_message;
    // The text painted: kept while fading out.
    QString m_painted;
    qreal m_reveal = 0;
    QVariantAnimation *m_animation;
};

} // namespace tavelo
