#include <QCheckBox>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
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

    // Types `text` over the field's contents; `commit` presses Return.
    void type(const char *name, const QString &text, bool commit = true)
    {
        RangeSpinBox *box = field(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        if (commit)
            QTest::keyClick(box, Qt::Key_Return);
    }

    test::AppFixture h;
    SettingsWindowController controller{h.loop};
};

TEST_F(SettingsViewTest, FieldsShowTheFileAsItIsButClampWhatIsSteppedOrTyped)
{
    h.files.files[h.settingsFile] = R"({"focusMinutes": 500, "idleThresholdSeconds": 150, "shortBreakSeconds": 23})";
    EXPECT_EQ(field("focusMinutes")->text(), "500");
    EXPECT_EQ(field("idleMinutes")->text(), "2");
    field("focusMinutes")->stepBy(-1);
    EXPECT_EQ(draft().focusMinutes, 180);
    // The stepper moves by the row's step.
    field("shortBreakSeconds")->stepBy(1);
    EXPECT_EQ(draft().shortBreakSeconds, 28);
    field("idleMinutes")->stepBy(1);
    EXPECT_EQ(draft().idleThresholdSeconds, 180);
    type("idleMinutes", "90");
    EXPECT_EQ(draft().idleThresholdSeconds, 3600);
    type("longBreakMinutes", "500");
    EXPECT_EQ(field("longBreakMinutes")->text(), "120");
    type("longBreakEvery", "x7"); // letters never reach the field
    EXPECT_EQ(draft().longBreakEvery, 7);
    EXPECT_EQ(h.model->settings().longBreakEvery, 4) << "applied only when asked";
}

TEST_F(SettingsViewTest, ApplyIsEnabledByAnyChangeAndCtrlSApplies)
{
    EXPECT_FALSE(button("applyChanges")->isEnabled());
    field<QCheckBox>("strictMode")->click();
    EXPECT_TRUE(button("applyChanges")->isEnabled());
    field<QCheckBox>("strictMode")->click();
    EXPECT_FALSE(button("applyChanges")->isEnabled());

    // Typed and not yet committed counts too, and Ctrl+S takes it.
    type("postponeMinutes", "12", false);
    EXPECT_TRUE(button("applyChanges")->isEnabled());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view()));
    QTest::keyClick(&view(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(h.model->settings().postponeMinutes, 12);
    EXPECT_EQ(button("applyChanges")->text(), "Applied");
    h.advance(1500ms);
    EXPECT_EQ(button("applyChanges")->text(), "Apply Changes");
    EXPECT_EQ(feedback(), "Changes applied.");
}

// The switch acts at once; its confirmation, even after a failure, keeps its own full time.
TEST_F(SettingsViewTest, LaunchAtLoginActsAtOnceAndWaitsForItsHelper)
{
    h.loginItem.registerError = "read-only";
    h.runner.autoFinish = false;
    QCheckBox *launch = field<QCheckBox>("launchAtLogin");
    view().apply();
    h.advance(1500ms);
    launch->click();
    // systemctl is running: the switch shows the wish and takes no second click.
    EXPECT_TRUE(launch->isChecked());
    EXPECT_FALSE(launch->isEnabled());
    EXPECT_EQ(feedback(), "Changes applied.");

    h.runner.finishNext();
    h.runner.finishNext(
        ProcessRunner::Result{ProcessRunner::Result::Outcome::exited, 1, "Access denied", false, {}, {}});
    EXPECT_TRUE(launch->isEnabled());
    EXPECT_EQ(feedback(), "Launch-at-login updated.");
    EXPECT_EQ(field<QLabel>("launchAtLoginMessage")->text(), "Could not update login service: Access denied");
    h.advance(2199ms);
    EXPECT_EQ(feedback(), "Launch-at-login updated.");
    h.advance(1ms);
    EXPECT_EQ(feedback(), "");
}

TEST_F(SettingsViewTest, RestoreDefaultsIsOfferedOnlyAwayFromThemAndResetsDraftAndSettings)
{
    EXPECT_FALSE(button("restoreDefaults")->isEnabled());
    // Settings in force away from the defaults are reason enough.
    h.model->applySettings({25, 20, 15, 3, 5, 10, 300, true});
    type("longBreakEvery", "4");
    EXPECT_TRUE(button("restoreDefaults")->isEnabled());
    type("focusMinutes", "40", false);
    button("restoreDefaults")->click();
    EXPECT_EQ(button("restoreDefaults")->text(), "Restored");
    EXPECT_EQ(field("focusMinutes")->text(), "25");
    EXPECT_EQ(h.model->settings(), BreakSettings::standard);
    EXPECT_FALSE(button("restoreDefaults")->isEnabled());
}

TEST_F(SettingsViewTest, ChangesFromElsewhereReachOnlyAnUneditedDraft)
{
    view();
    h.model->applySettings({50, 20, 15, 4, 5, 10, 300, true});
    EXPECT_EQ(field("focusMinutes")->text(), "50");
    EXPECT_FALSE(button("applyChanges")->isEnabled());

    type("longBreakMinutes", "20");
    h.model->applySettings({55, 20, 15, 4, 5, 10, 300, true});
    EXPECT_EQ(field("focusMinutes")->text(), "50");
    EXPECT_EQ(draft().longBreakMinutes, 20);
}

TEST_F(SettingsViewTest, ReopenedUnderThePointerItKeepsTheDraftButNotTheFeedback)
{
    field("focusMinutes")->stepBy(5);
    view().apply();
    field("focusMinutes")->stepBy(5);
    view().close();
    h.loginItem.currentStatus = LoginItemService::Status::enabled;
    SettingsView *first = &view();
    const QRect second = QGuiApplication::screens().at(1)->availableGeometry();
    QCursor::setPos(second.center());
    controller.show(*h.model);
    EXPECT_EQ(controller.window(), first);
    EXPECT_LE((first->frameGeometry().center() - second.center()).manhattanLength(), 1);
    EXPECT_EQ(draft().focusMinutes, 35);
    EXPECT_EQ(feedback(), "");
    EXPECT_TRUE(h.model->launchAtLoginEnabled()) << "showing reads the launch-at-login state afresh";
    QCursor::setPos(0, 0);
}

} // namespace
