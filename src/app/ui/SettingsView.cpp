#include "app/ui/SettingsView.h"

#include <algorithm>

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QVBoxLayout>

#include "app/AppModel.h"
#include "app/ui/DerivedPalette.h"
#include "app/ui/FeedbackCapsule.h"
#include "app/ui/GroupedForm.h"
#include "app/ui/RangeSpinBox.h"
#include "app/ui/RoomySpinBoxStyle.h"
#include "app/ui/SymbolPainter.h"

namespace tavelo {

namespace {

// A message under the form: selectable, so that a path or an error can be copied.
QLabel *footnoteLabel(const char *name, const QFont &font, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

constexpr int kPadding = 18;
constexpr int kSpacing = 18;
constexpr int kRowSpacing = 8;
constexpr int kFieldWidth = 64;
// The frame and the text's margins inside a field.
constexpr int kFieldPadding = 12;
constexpr int kUnitMinWidth = 56;
// Type sizes relative to body text.
constexpr qreal kTitleScale = 17.0 / 13.0;
constexpr qreal kFootnoteScale = 10.0 / 13.0;

const char *fieldName(SettingsField field)
{
    switch (field) {
    case SettingsField::focusMinutes:
        return "focusMinutes";
    case SettingsField::shortBreakSeconds:
        return "shortBreakSeconds";
    case SettingsField::longBreakMinutes:
        return "longBreakMinutes";
    case SettingsField::longBreakEvery:
        return "longBreakEvery";
    case SettingsField::postponeMinutes:
        return "postponeMinutes";
    case SettingsField::preBreakWarningSeconds:
        return "preBreakWarningSeconds";
    case SettingsField::idleMinutes:
        return "idleMinutes";
    }
    return "";
}

QFont scaled(const QFont &base, qreal scale, QFont::Weight weight)
{
    QFont font = base;
    if (base.pointSizeF() > 0)
        font.setPointSizeF(std::max(scale < 1 ? 8.0 : 1.0, base.pointSizeF() * scale));
    font.setWeight(weight);
    return font;
}

void useSecondaryColour(QWidget *widget)
{
    DerivedPalette::fade(widget, QPalette::WindowText, 0.6);
}

} // namespace

SettingsView::SettingsView(AppModel &model, MainLoop &loop, QWidget *parent)
    : QWidget(parent), m_model(model), m_draft(model.settings(), loop)
{
    setObjectName(QStringLiteral("settingsView"));
    setMinimumWidth(kMinWidth);
    buildLayout();
    m_modelChanged = m_model.changed.connect([this] {
        m_draft.sync(m_model.settings());
        refresh();
    });
    m_transientChanged = m_draft.transientChanged.connect([this] { refreshTransient(); });
    auto *dismiss = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(dismiss, &QShortcut::activated, this, &QWidget::close);
    auto *save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(save, &QShortcut::activated, this, [this] {
        commitPendingEdits();
        if (m_draft.canApply(m_model.settings()) || m_saveFailed)
            apply();
    });
    refresh();
}

SettingsView::~SettingsView() = default;

void SettingsView::buildLayout()
{
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(kPadding, kPadding, kPadding, kPadding);
    root->setSpacing(kSpacing);

    auto *title = new QLabel(tr("Tavelo Settings"), this);
    title->setObjectName(QStringLiteral("title"));
    title->setFont(scaled(font(), kTitleScale, QFont::Bold));
    root->addWidget(title);

    const QFont footnote = scaled(font(), kFootnoteScale, QFont::Normal);
    auto *subtitle = new QLabel(tr("Changes apply to future intervals. Your current countdown is preserved."), this);
    subtitle->setObjectName(QStringLiteral("subtitle"));
    subtitle->setFont(footnote);
    subtitle->setWordWrap(true);
    useSecondaryColour(subtitle);
    root->addWidget(subtitle);

    auto *form = new GroupedForm(this);
    form->setObjectName(QStringLiteral("form"));
    for (const SettingsRow &row : SettingsDraft::rows())
        form->addRow(numericRow(row));
    QWidget *strictRow = toggleRow(tr("Strict fullscreen breaks"), "strictMode", m_strictMode);
    strictRow->setToolTip(tr("On: breaks cover every display and take focus. Off: breaks appear as normal windows and "
                             "never steal focus. Esc always postpones."));
    form->addRow(strictRow);
    form->addRow(toggleRow(tr("Launch at login"), "launchAtLogin", m_launchAtLogin));
    root->addWidget(form);
    root->addStretch(1);

    // Toggled, not clicked: a screen reader's toggle action and the space bar flip the
    // switch without a click; refresh() sets them with signals blocked.
    connect(m_strictMode, &QCheckBox::toggled, this, [this](bool on) {
        m_draft.setStrictMode(on);
        refresh();
    });
    connect(m_launchAtLogin, &QCheckBox::toggled, this, [this](bool on) { switchLaunchAtLogin(on); });

    m_launchMessage = footnoteLabel("launchAtLoginMessage", footnote, this);
    useSecondaryColour(m_launchMessage);
    root->addWidget(m_launchMessage);

    m_saveFailure = footnoteLabel("saveFailure", footnote, this);
    m_saveFailure->hide();
    root->addWidget(m_saveFailure);

    m_feedback = new FeedbackCapsule(this);
    m_feedback->setObjectName(QStringLiteral("feedback"));
    root->addWidget(m_feedback, 0, Qt::AlignLeft);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(kRowSpacing);
    m_restore = new QPushButton(this);
    m_restore->setObjectName(QStringLiteral("restoreDefaults"));
    m_restore->setAutoDefault(false);
    connect(m_restore, &QPushButton::clicked, this, [this] { restoreDefaults(); });
    m_apply = new QPushButton(this);
    m_apply->setObjectName(QStringLiteral("applyChanges"));
    m_apply->setAutoDefault(false);
    // The filled look of the window's main action.
    // Only while it can act: disabled, it keeps the plain disabled look, so that the two
    // states cannot be mistaken.
    DerivedPalette::follow(m_apply, [](QPalette &prominent) {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            prominent.setColor(group, QPalette::Button, prominent.color(group, QPalette::Highlight));
            prominent.setColor(group, QPalette::ButtonText, prominent.color(group, QPalette::HighlightedText));
        }
    });
    connect(m_apply, &QPushButton::clicked, this, [this] { apply(); });
    makeIcons();
    buttons->addWidget(m_restore);
    buttons->addStretch(1);
    buttons->addWidget(m_apply);
    root->addLayout(buttons);
}

QWidget *SettingsView::numericRow(const SettingsRow &row)
{
    const auto index = static_cast<std::size_t>(row.field);
    auto *widget = new QWidget(this);
    widget->setObjectName(QLatin1String(fieldName(row.field)) + QLatin1String("Row"));
    auto *layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kRowSpacing);

    auto *title = new QLabel(tr(row.title), widget);
    layout->addWidget(title);
    layout->addStretch(1);

    auto *hint = new QLabel(row.zeroHint ? tr(row.zeroHint) : QString(), widget);
    hint->setObjectName(QLatin1String(fieldName(row.field)) + QLatin1String("Hint"));
    useSecondaryColour(hint);
    hint->setVisible(false);
    layout->addWidget(hint);
    m_hints[index] = hint;

    auto *field = new RangeSpinBox(row.lower, row.upper, row.step, widget);
    field->setObjectName(QLatin1String(fieldName(row.field)));
    field->setStyle(RoomySpinBoxStyle::instance());
    field->setAccessibleName(tr(row.title));
    // The stepper's buttons come on top of the number's own width.
    QStyleOptionSpinBox option;
    option.initFrom(field);
    option.rect = QRect(0, 0, 4 * kFieldWidth, field->sizeHint().height());
    option.subControls = QStyle::SC_All;
    option.frame = true;
    const int stepper =
        field->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, field).width();
    // Wide enough for any number the file may hold, shown whole.
    const int digits = field->fontMetrics().horizontalAdvance(RangeSpinBox::widestValue()) + kFieldPadding;
    field->setFixedWidth(std::max(kFieldWidth, digits) + stepper);
    title->setBuddy(field);
    layout->addWidget(field);
    m_fields[index] = field;
    const SettingsField key = row.field;
    connect(field, &QSpinBox::valueChanged, this, [this, key](int value) {
        m_draft.write(key, value);
        refresh();
    });
    connect(field, &RangeSpinBox::textTyped, this, [this] { refreshButtons(); });

    auto *unit = new QLabel(tr(row.unit), widget);
    // A set minimum stands in for the text's own: a longer unit would be cut.
    unit->setMinimumWidth(std::max(kUnitMinWidth, unit->sizeHint().width()));
    unit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    useSecondaryColour(unit);
    layout->addWidget(unit);

    if (row.tooltip)
        widget->setToolTip(tr(row.tooltip));
    return widget;
}

QWidget *SettingsView::toggleRow(const QString &title, const char *name, QCheckBox *&toggle)
{
    auto *widget = new QWidget(this);
    widget->setObjectName(QLatin1String(name) + QLatin1String("Row"));
    auto *layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kRowSpacing);
    auto *label = new QLabel(title, widget);
    layout->addWidget(label);
    layout->addStretch(1);
    // As tall as the rows with fields, so the hairlines fall evenly.
    widget->setMinimumHeight(m_fields[0]->sizeHint().height());
    toggle = new QCheckBox(widget);
    toggle->setObjectName(QLatin1String(name));
    toggle->setAccessibleName(title);
    label->setBuddy(toggle);
    layout->addWidget(toggle);
    // Keeps the switch in line with the fields' right-hand column.
    layout->addSpacing(kUnitMinWidth - toggle->sizeHint().width());
    return widget;
}

void SettingsView::apply()
{
    commitPendingEdits();
    confirmSave(m_model.applySettings(m_draft.draft()), tr("Changes applied."), ActionHighlight::apply);
    refresh();
}

void SettingsView::restoreDefaults()
{
    m_draft.restoreDefaults();
    confirmSave(m_model.applySettings(BreakSettings::standard), tr("Defaults restored."), ActionHighlight::restore);
    // Whatever was half-typed goes with the rest of the edits.
    refresh(true);
}

void SettingsView::confirmSave(const std::optional<std::string> &failure, const QString &done, ActionHighlight action)
{
    m_saveFailed = failure.has_value();
    m_saveFailure->setVisible(m_saveFailed);
    if (failure) {
        m_draft.clearConfirmation();
        m_saveFailure->setText(tr("Could not save: %1.").arg(QString::fromStdString(*failure)));
        return;
    }
    m_draft.showFeedback(done.toStdString());
    m_draft.flashAction(action);
}

void SettingsView::switchLaunchAtLogin(bool on)
{
    m_launchPending = true;
    refresh();
    QPointer<SettingsView> self(this);
    m_model.setLaunchAtLogin(on, [self] {
        if (!self)
            return;
        self->m_launchPending = false;
        // Also after a failure: the message below the form says what went wrong.
        self->m_draft.showFeedback(tr("Launch-at-login updated.").toStdString());
        self->refresh();
    });
}

bool SettingsView::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    // A message shown or hidden changes what the window must hold.
    if (event->type() == QEvent::LayoutRequest && isWindow() && maximumHeight() != QWIDGETSIZE_MAX)
        fitToContent();
    return handled;
}

void SettingsView::fitToContent()
{
    const int width = std::max(kWidth, minimumSizeHint().width());
    const int height = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width) : sizeHint().height();
    const QSize size(width, std::max(height, minimumSizeHint().height()));
    if (size != this->size() || minimumSize() != maximumSize())
        setFixedSize(size);
}

void SettingsView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    m_model.refreshLaunchAtLoginState();
    m_draft.viewShown(m_model.settings());
    refresh();
}

void SettingsView::commitPendingEdits()
{
    for (RangeSpinBox *field : m_fields) {
        if (field->hasUncommittedText())
            field->interpretText();
    }
}

bool SettingsView::hasPendingEdits() const
{
    return std::any_of(m_fields.begin(), m_fields.end(), [](RangeSpinBox *f) { return f->hasUncommittedText(); });
}

void SettingsView::refresh(bool resetFields)
{
    for (const SettingsRow &row : SettingsDraft::rows()) {
        const auto index = static_cast<std::size_t>(row.field);
        RangeSpinBox *field = m_fields[index];
        const qint64 value = m_draft.value(row.field);
        // Leaves a field alone while its typed text waits for Return, unless its value moved.
        if (resetFields || field->value() != value || field->minimum() != std::min<qint64>(row.lower, value) ||
            field->maximum() != std::max<qint64>(row.upper, value))
            field->showValue(value);
        m_hints[index]->setVisible(m_draft.showsZeroHint(row.field));
    }
    {
        const QSignalBlocker strictBlocker(m_strictMode);
        const QSignalBlocker launchBlocker(m_launchAtLogin);
        m_strictMode->setChecked(m_draft.draft().strictMode);
        if (!m_launchPending)
            m_launchAtLogin->setChecked(m_model.launchAtLoginEnabled());
    }
    m_launchAtLogin->setEnabled(m_model.launchAtLoginSupported() && !m_launchPending);
    const std::optional<std::string> &message = m_model.launchAtLoginMessage();
    m_launchMessage->setText(message ? QString::fromStdString(*message) : QString());
    m_launchMessage->setVisible(message.has_value());
    refreshButtons();
}

void SettingsView::makeIcons()
{
    const QColor text = palette().color(QPalette::ButtonText);
    const QColor onAccent = palette().color(QPalette::HighlightedText);
    m_icons = {SymbolPainter::icon(Symbol::arrowCounterclockwise, text), SymbolPainter::icon(Symbol::checkmark, text),
               SymbolPainter::icon(Symbol::squareAndArrowDown, onAccent),
               SymbolPainter::icon(Symbol::checkmark, onAccent)};
}

void SettingsView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::PaletteChange || !m_apply)
        return;
    // The icons are drawn in the text colours: again after a switch between light and dark.
    makeIcons();
    m_restoreShown.reset();
    m_applyShown.reset();
    refreshButtons();
}

void SettingsView::refreshButtons()
{
    const std::optional<ActionHighlight> highlight = m_draft.highlightedAction();
    const bool restored = highlight == ActionHighlight::restore;
    const bool applied = highlight == ActionHighlight::apply;
    if (!m_restoreShown || *m_restoreShown != restored) {
        m_restoreShown = restored;
        m_restore->setText(restored ? tr("Restored") : tr("Restore Defaults"));
        m_restore->setIcon(m_icons[restored ? 1 : 0]);
    }
    if (!m_applyShown || *m_applyShown != applied) {
        m_applyShown = applied;
        m_apply->setText(applied ? tr("Applied") : tr("Apply Changes"));
        m_apply->setIcon(m_icons[applied ? 3 : 2]);
    }
    m_restore->setEnabled(m_draft.canRestoreDefaults(m_model.settings()));
    m_apply->setEnabled(m_draft.canApply(m_model.settings()) || hasPendingEdits() || m_saveFailed);
}

void SettingsView::refreshTransient()
{
    const std::optional<std::string> &message = m_draft.feedbackMessage();
    m_feedback->setMessage(message ? QString::fromStdString(*message) : QString());
    refreshButtons();
}

} // namespace tavelo
