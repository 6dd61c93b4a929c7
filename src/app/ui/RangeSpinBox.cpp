#include "app/ui/RangeSpinBox.h"

#include <algorithm>
#include <limits>

#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>

namespace tavelo {

namespace {
// Wide enough for every row; anything longer is clamped anyway.
constexpr int kMaxDigits = 9;
} // namespace

RangeSpinBox::RangeSpinBox(int lower, int upper, int step, QWidget *parent)
    : QSpinBox(parent), m_lower(lower), m_upper(upper)
{
    setRange(lower, upper);
    setSingleStep(step);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    // Values are taken when the edit is committed (Return, focus change, a step), not at
    // every keystroke, so typing "15" is not clamped on the way at "1".
    setKeyboardTracking(false);
    setGroupSeparatorShown(false);
    connect(lineEdit(), &QLineEdit::textChanged, this, &RangeSpinBox::textTyped);
    // Signalled only for changes made here: the shown value gives way to the new one.
    connect(this, &QSpinBox::valueChanged, this, [this] { m_beyond.reset(); });
}

QString RangeSpinBox::widestValue()
{
    return QString::number(std::numeric_limits<qint64>::max());
}

void RangeSpinBox::showValue(qint64 value)
{
    const auto limited =
        static_cast<int>(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    const QSignalBlocker blocker(this);
    if (limited != value)
        m_beyond = std::pair(value, limited);
    else
        m_beyond.reset();
    setRange(std::min(m_lower, limited), std::max(m_upper, limited));
    setValue(limited);
    // setValue() leaves the text alone when the int it stands for did not change.
    lineEdit()->setText(textFromValue(limited));
}

void RangeSpinBox::stepBy(int steps)
{
    m_beyond.reset();
    // A typed, uncommitted number counts first, as in any spin box.
    if (hasUncommittedText())
        interpretText();
    const qint64 next = static_cast<qint64>(value()) + static_cast<qint64>(steps) * singleStep();
    setValue(clampToRow(next));
    if (style()->styleHint(QStyle::SH_SpinBox_SelectOnStep, nullptr, this))
        selectAll();
}

QValidator::State RangeSpinBox::validate(QString &input, int &) const
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return QValidator::Intermediate;
    for (QChar c : text) {
        if (!c.isDigit())
            return QValidator::Invalid;
    }
    return text.size() <= kMaxDigits ? QValidator::Acceptable : QValidator::Invalid;
}

int RangeSpinBox::valueFromText(const QString &text) const
{
    bool ok = false;
    const qint64 typed = locale().toLongLong(text.trimmed(), &ok);
    return ok ? clampToRow(typed) : value();
}

QString RangeSpinBox::textFromValue(int value) const
{
    if (m_beyond && m_beyond->second == value)
        return QString::number(m_beyond->first);
    return QSpinBox::textFromValue(value);
}

QAbstractSpinBox::StepEnabled RangeSpinBox::stepEnabled() const
{
    StepEnabled enabled = StepNone;
    if (isReadOnly())
        return enabled;
    const qint64 current = value();
    if (clampToRow(current + singleStep()) != current)
        enabled |= StepUpEnabled;
    if (clampToRow(current - singleStep()) != current)
        enabled |= StepDownEnabled;
    return enabled;
}

int RangeSpinBox::clampToRow(qint64 value) const
{
    return static_cast<int>(std::clamp<qint64>(value, m_lower, m_upper));
}

} // namespace tavelo
