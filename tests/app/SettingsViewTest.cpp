
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/ui/FeedbackCapsule.h"
#include "app/ui/RangeSpinBox.h"
#include "app/ui/SettingsView.h"
#include "support/AppFixture.h"

using namespace tavelo;
using namespace std::chrono_literals;

namespace {

class SettingsViewTest : public ::testing::Test {
protected:
    SettingsView &view()
    {
        if (!m_view) {
            if (!h.model)
                h.start();
            m_view = std::make_unique<SettingsView>(*h.model, h.loop);
            m_view->show();
        }
        return *m_view;
    }
    RangeSpinBox *field(const char *name) { return view().findChild<RangeSpinBox *>(name); }
    QPushButton *button(const char *name) { return view().findChild<QPushButton *>(name); }
    QCheckBox *toggle(const char *name) { return view().findChild<QCheckBox *>(name); }
    bool shows(const char *name) { return view().findChild<QWidget *>(name)->isVisibleTo(&view()); }
    QString feedback() { return view().findChild<FeedbackCapsule *>("feedback")->message(); }
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
    void writeSettingsFile(const std::string &json) { h.files.files[h.settingsFile] = json; }

    test::AppFixture h;
    std::unique_ptr<SettingsView> m_view;
};

TEST_F(SettingsViewTest, TypedNumbersAreClampedToTheirRow)
{
    type("focusMinutes", "500");
    EXPECT_EQ(draft().focusMinutes, 180);
    EXPECT_EQ(field("focusMinutes")->text(), "180");
    type("idleMinutes", "90");
    EXPECT_EQ(draft().idleThresholdSeconds, 3600);
    // Letters never reach the field.
    type("longBreakEvery", "x7");
    EXPECT_EQ(draft().longBreakEvery, 7);
    // Nothing is applied until asked.
    EXPECT_EQ(h.model->settings(), BreakSettings::standard);
}

TEST_F(SettingsViewTest, ValuesFromTheFileShowAsTheyAreUntilTheFirstChange)
{
    writeSettingsFile(R"({"focusMinutes": 500, "idleThresholdSeconds": 150, "shortBreakSeconds": 23})");
    EXPECT_EQ(field("focusMinutes")->text(), "500");
    EXPECT_EQ(field("idleMinutes")->text(), "2");
    field("focusMinutes")->stepBy(-1);
    EXPECT_EQ(draft().focusMinutes, 180);
    // The stepper moves by the row's step.
    field("shortBreakSeconds")->stepBy(1);
    EXPECT_EQ(draft().shortBreakSeconds, 28);
    field("idleMinutes")->stepBy(1);
    EXPECT_EQ(draft().idleThresholdSeconds, 180);
}

TEST_F(SettingsViewTest, ApplyIsEnabledByAnyChangeAndCtrlSApplies)
{
    EXPECT_FALSE(button("applyChanges")->isEnabled());
    toggle("strictMode")->click();
    EXPECT_TRUE(button("applyChanges")->isEnabled());
    toggle("strictMode")->click();
    EXPECT_FALSE(button("applyChanges")->isEnabled());

    // Typed and not yet committed counts too, and Ctrl+S takes it.
    type("postponeMinutes", "12", false);
    EXPECT_TRUE(button("applyChanges")->isEnabled());
    view().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view()));
    QTest::keyClick(&view(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(h.model->engine().settings().postponeMinutes, 12);
    EXPECT_FALSE(button("applyChanges")->isEnabled());
    EXPECT_EQ(button("applyChanges")->text(), "Applied");
    EXPECT_EQ(feedback(), "Changes applied.");

    h.advance(1500ms);
    EXPECT_EQ(button("applyChanges")->text(), "Apply Changes");
    // A second confirmation keeps its own full time.
    toggle("launchAtLogin")->click();
    EXPECT_EQ(feedback(), "Launch-at-login updated.");
    h.advance(2199ms);
    EXPECT_EQ(feedback(), "Launch-at-login updated.");
    h.advance(1ms);
    EXPECT_EQ(feedback(), "");
}

TEST_F(SettingsViewTest, RestoreDefaultsIsOfferedOnlyAwayFromThem)
{
    EXPECT_FALSE(button("restoreDefaults")->isEnabled());
    type("focusMinutes", "40");
    button("restoreDefaults")->click();
    EXPECT_EQ(field("focusMinutes")->text(), "25");
    EXPECT_EQ(feedback(), "Defaults restored.");
    EXPECT_FALSE(button("restoreDefaults")->isEnabled());

    // Settings in force away from the defaults are reason enough.
    BreakSettings other = BreakSettings::standard;
    other.longBreakEvery = 3;
    h.model->applySettings(other);
    type("longBreakEvery", "4");
    EXPECT_TRUE(button("restoreDefaults")->isEnabled());
}

TEST_F(SettingsViewTest, ChangesFromElsewhereReachOnlyAnUneditedDraft)
{
    view();
    BreakSettings elsewhere = BreakSettings::standard;
    elsewhere.focusMinutes = 50;
    h.model->applySettings(elsewhere);
    EXPECT_EQ(field("focusMinutes")->text(), "50");
    EXPECT_FALSE(button("applyChanges")->isEnabled());

    type("longBreakMinutes", "20");
    elsewhere.focusMinutes = 55;
    h.model->applySettings(elsewhere);
    EXPECT_EQ(field("focusMinutes")->text(), "50");
    EXPECT_EQ(draft().longBreakMinutes, 20);
}

TEST_F(SettingsViewTest, LaunchAtLoginActsAtOnceAndWaitsForItsHelper)
{
    h.loginItem.registerError = "read-only";
    h.runner.autoFinish = false;
    toggle("launchAtLogin")->click();
    // systemctl is running: the switch shows the wish and takes no second click.
    EXPECT_TRUE(toggle("launchAtLogin")->isChecked());
    EXPECT_FALSE(toggle("launchAtLogin")->isEnabled());
    EXPECT_EQ(feedback(), "");

    h.runner.finishNext();
    h.runner.finishNext(
        ProcessRunner::Result{ProcessRunner::Result::Outcome::exited, 1, "Access denied", false, {}, {}});
    EXPECT_TRUE(toggle("launchAtLogin")->isEnabled());
    EXPECT_EQ(feedback(), "Launch-at-login updated.");
    EXPECT_EQ(view().findChild<QLabel *>("launchAtLoginMessage")->text(),
              "Could not update login service: Access denied");
    // The unit was written before systemctl refused, so the fallback counts as on.
    EXPECT_TRUE(toggle("launchAtLogin")->isChecked());
}

} // namespace
