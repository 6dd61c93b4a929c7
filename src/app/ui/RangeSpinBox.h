#pragma once

#include <optional>
#include <utility>

#include <QSpinBox>

namespace tavelo {

// A number field with its stepper for one settings row. Unlike a plain QSpinBox it
// accepts any typed number and clamps it to the row's range when the edit is
// committed, and it can show a value from outside the range (one read from the
// settings file) until the first change brings it in.
class RangeSpinBox final : public QSpinBox {
    Q_OBJECT
public:
    RangeSpinBox(int lower, int upper, int step, QWidget *parent = nullptr);

    // Shows `value` as it is, without signalling a change: also one beyond what the
    // field itself holds (an int), until the first change replaces it.
    void showValue(qint64 value);
    // The widest text showValue() may put in the field.
    static QString widestValue();

    void stepBy(int steps) override;
    // Whether the field holds typed text that is not yet the value.
    bool hasUncommittedText() const { return text() != textFromValue(value()); }

signals:
    // The field's text changed, typed or not; the value may follow only on commit.
    void textTyped();

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    int valueFromText(const QString &text) const override;
    QString textFromValue(int value) const override;
    StepEnabled stepEnabled() const override;

private:
    int clampToRow(qint64 value) const;

    int m_lower;
    int m_upper;
    // A shown value beyond an int, and the int that stands for it.
    std::optional<std::pair<qint64, int>> m_beyond;
};

} // namespace tavelo
