#pragma once

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

    // Shows `value` as it is, without signalling a change.
    void showValue(qint64 value);

    void stepBy(int steps) override;
    // Whether the field holds typed text that is not yet the value.
    bool hasUncommittedText() const { return text() != textFromValue(value()); }

signals:
    // The field's text changed, typed or not; the value may follow only on commit.
    void textTyped();

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    int valueFromText(const QString &text) const override;
    StepEnabled stepEnabled() const override;

private:
    int clampToRow(qint64 value) const;

    int m_lower;
    int m_upper;
};

} // namespace tavelo
