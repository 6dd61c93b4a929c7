#include <QCheckBox>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include "app/ui/FeedbackCapsule.h"
#include "app/ui/RangeSpinBox.h"
#include "app/ui/SettingsView.h"
#include "app/ui/SettingsWindowController.h"
#include "support/AppFixture.h"

using namespace tavelo;
using namespace std::chrono_literals;

namespace {

class SettingsViewTest : public ::testing::Test {
protected:
    // Opened on first use, so a test may prepare the settings file first.
    SettingsView &view()
    {
        if (!h.model)
            controller.show(h.start());
        return *controller.window();
    }
    template <typename T = RangeSpinBox> T *field(const char *name) { return view().findChild<T *>(name); }
    QPushButton *button(const char *name) { return field<QPushButton>(name); }
    QString feedback() { return field<FeedbackCapsule>("feedback")->message(); }
    const BreakSettings &draft() { return view().state().draft(); }

    // Types `text` over the field's contents; a "\r" in it presses Return.
    void type(const char *name, const QString &text)
    {
        RangeSpinBox *box = field(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }

    test::AppFixture h;
    SettingsWindowController controller{h.loop};
};

TEST_F(SettingsViewTest, FieldsShowTheFileAsItIsButClampWhatIsSteppedOrTyped)
{
    h.files.files[h.settingsFile] = R"({"focusMinutes": 500, "idleThresholdSeconds": 150, "shortBreakSeconds": 23})";
    EXPECT_EQ(field("focusMinutes")->text() + " " + field("idleMinutes")->text(), "500 2");
    field("focusMinutes")->stepBy(-1);
    field("shortBreakSeconds")->stepBy(1); // by the row's step
    field("idleMinutes")->stepBy(1);
    EXPECT_EQ(draft().idleThresholdSeconds, 180);
    type("idleMinutes", "90\r");
    type("longBreakMinutes", "500\r");
    type("longBreakEvery", "x7\r"); // letters never reach the field
    EXPECT_EQ(std::tuple(draft().focusMinutes, draft().shortBreakSeconds, draft().idleThresholdSeconds,
                         field("longBreakMinutes")->text(), draft().longBreakEvery),
              std::tuple(180, 28, 3600, "120", 7));
    EXPECT_EQ(h.model->settings().longBreakEvery, 4) << "applied only when asked";
}

TEST_F(SettingsViewTest, ANumberBeyondAnIntIsShownWholeAndKeptUntilEdited)
{
    h.files.files[h.settingsFile] = R"({"focusMinutes": 99999999999999999, "postponeMinutes": 9223372036854775807})";
    RangeSpinBox *focus = field("focusMinutes");
    EXPECT_EQ(focus->text(), "99999999999999999");
    EXPECT_EQ(field("postponeMinutes")->text(), "9223372036854775807");
    QLineEdit *edit = field("postponeMinutes")->findChild<QLineEdit *>();
    EXPECT_GE(edit->contentsRect().width(), edit->fontMetrics().horizontalAdvance(edit->text()));
    // Focus passing through, or a commit of the same text, changes nothing.
    focus->setFocus();
    field("longBreakEvery")->setFocus();
    EXPECT_FALSE(button("applyChanges")->isEnabled());
    EXPECT_EQ(draft().focusMinutes, 99999999999999999);

    focus->stepBy(-1);
    EXPECT_LT(draft().focusMinutes, 99999999999999999);
    EXPECT_EQ(focus->text(), QString::number(draft().focusMinutes));
    EXPECT_TRUE(button("applyChanges")->isEnabled());
}

TEST_F(SettingsViewTest, ApplyLaunchAtLoginAndRestoreDefaultsActWhenAskedAndConfirmIt)
{
    field<QCheckBox>("strictMode")->click();
    EXPECT_TRUE(button("applyChanges")->isEnabled());
    field<QCheckBox>("strictMode")->click();
    EXPECT_FALSE(button("applyChanges")->isEnabled());

    // Typed and not yet committed counts too, and Ctrl+S takes it.
    type("postponeMinutes", "12");
    EXPECT_TRUE(button("applyChanges")->isEnabled());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view()));
    QTest::keyClick(&view(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(h.model->settings().postponeMinutes, 12);
    EXPECT_EQ(button("applyChanges")->text(), "Applied");
    h.advance(1500ms);
    EXPECT_EQ(button("applyChanges")->text(), "Apply Changes");

    // The launch-at-login switch acts at once; its confirmation, even after a failure, keeps its own full time.
    h.loginItem.registerError = "read-only";
    h.runner.autoFinish = false;
    QCheckBox *launch = field<QCheckBox>("launchAtLogin");
    launch->click();
    // systemctl is running: the switch shows the wish and takes no second click.
    EXPECT_EQ(std::pair(launch->isChecked(), launch->isEnabled()), std::pair(true, false));
    EXPECT_EQ(feedback(), "Changes applied.");

    h.runner.finishNext({ProcessRunner::Result::Outcome::exited, 1, "Access denied", false, {}, {}});
    EXPECT_TRUE(launch->isEnabled());
    EXPECT_EQ(feedback(), "Launch-at-login updated.");
    EXPECT_EQ(field<QLabel>("launchAtLoginMessage")->text(), "Could not update login service: Access denied");
    h.advance(2199ms);
    EXPECT_EQ(feedback(), "Launch-at-login updated.");
    h.advance(1ms);
    EXPECT_EQ(feedback(), "");

    // Settings in force away from the defaults are reason enough.
    type("postponeMinutes", "5\r");
    EXPECT_TRUE(button("restoreDefaults")->isEnabled());
    type("focusMinutes", "40");
    button("restoreDefaults")->click();
    EXPECT_EQ(button("restoreDefaults")->text(), "Restored");
    EXPECT_EQ(field("focusMinutes")->text(), "25");
    EXPECT_EQ(h.model->settings(), BreakSettings::standard);
    EXPECT_FALSE(button("restoreDefaults")->isEnabled());
}

// The session runs on the edits meanwhile, but only a save ends the failure line and the retries.
TEST_F(SettingsViewTest, AFailedSaveSaysWhyAndKeepsTheDraftForAnotherTry)
{
    h.files.replaceError = "write /config/Tavelo/.settings.json.7-0a: No space left on device";
    type("focusMinutes", "40\r");
    button("applyChanges")->click();
    EXPECT_EQ(feedback(), "");
    auto *failure = field<QLabel>("saveFailure");
    ASSERT_NE(failure, nullptr);
    EXPECT_EQ(failure->text(), "Could not save: write /config/Tavelo/.settings.json.7-0a: No space left on device.");
    EXPECT_EQ(std::tuple(draft().focusMinutes, button("applyChanges")->isEnabled()), std::tuple(40, true));
    button("restoreDefaults")->click();
    EXPECT_EQ(std::tuple(feedback(), failure->isHidden(), button("applyChanges")->isEnabled()),
              std::tuple("", false, true));

    h.files.replaceError.reset();
    button("applyChanges")->click();
    EXPECT_EQ(std::tuple(feedback(), failure->isHidden(), button("applyChanges")->isEnabled()),
              std::tuple("Changes applied.", true, false));
    EXPECT_EQ(h.files.files[h.settingsFile], BreakSettingsStore::encode(BreakSettings::standard));
}

// Changes from elsewhere reach only an unedited draft; reopened, the window keeps the draft but not the feedback.
TEST_F(SettingsViewTest, ChangesFromElsewhereAndReopeningUnderThePointerKeepAnEditedDraft)
{
    view();
    h.model->applySettings({50, 20, 15, 4, 5, 10, 300, true});
    EXPECT_EQ(field("focusMinutes")->text(), "50");
    EXPECT_FALSE(button("applyChanges")->isEnabled());

    type("longBreakMinutes", "20\r");
    h.model->applySettings({55, 20, 15, 4, 5, 10, 300, true});
    EXPECT_EQ(std::tuple(field("focusMinutes")->text(), draft().longBreakMinutes), std::tuple("50", 20));

    view().apply();
    field("focusMinutes")->stepBy(5);
    view().close();
    h.loginItem.currentStatus = LoginItemService::Status::enabled;
    const QRect second = QGuiApplication::screens().at(1)->availableGeometry();
    QCursor::setPos(second.center());
    controller.show(*h.model);
    EXPECT_LE((view().frameGeometry().center() - second.center()).manhattanLength(), 1);
    EXPECT_EQ(draft().focusMinutes, 55) << "the same window, its draft kept";
    EXPECT_EQ(feedback(), "");
    EXPECT_TRUE(h.model->launchAtLoginEnabled()) << "showing reads the launch-at-login state afresh";
    QCursor::setPos(0, 0);
}

} // namespace
