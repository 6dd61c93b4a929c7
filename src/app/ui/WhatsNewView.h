#pragma once

#include <functional>
#include <vector>

#include <QWidget>

#include "core/ReleaseNote.h"

class QPushButton;

namespace tavelo {

// The release notes after an upgrade: a header, the notes in the order given in a
// scrolling list, and one button (also Return) that ends it.
class WhatsNewView final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMinimumWidth = 520;
    static constexpr int kMinimumHeight = 380;

    WhatsNewView(std::vector<ReleaseNote> notes, std::function<void()> onDone, QWidget *parent = nullptr);

private:
    QWidget *buildHeader();
    QWidget *buildNotes(const std::vector<ReleaseNote> &notes);
    QWidget *buildNote(const ReleaseNote &note, QWidget *parent);

    std::function<void()> m_onDone;
    QPushButton *m_done = nullptr;
};

} // namespace tavelo
