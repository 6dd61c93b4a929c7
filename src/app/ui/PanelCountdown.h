#pragma once

#include <optional>

#include <QWidget>

#include "app/ui/StatusSnapshot.h"

namespace tavelo {

class CountdownLabel;
class CountdownRing;

// The panel's big countdown with the status icon's ring beside it, both in the icon's
// colour for the state, as bright as the background needs (it follows light and dark).
class PanelCountdown final : public QWidget {
    Q_OBJECT
public:
    PanelCountdown(int width, qreal pointSize, QWidget *parent = nullptr);

    void show(const StatusSnapshot &snapshot, const QString &text);
    CountdownLabel *label() const { return m_label; }
    QColor accent() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void refreshColour();

    CountdownLabel *m_label;
    CountdownRing *m_ring;
    std::optional<StatusSnapshot> m_snapshot;
};

} // namespace tavelo
