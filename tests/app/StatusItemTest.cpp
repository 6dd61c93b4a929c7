#include <chrono>
#include <string>
#include <vector>

#include <QApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include "app/ui/StatusItem.h"
#include "app/ui/StatusMenuView.h"
#include "platform/StatusItemBackend.h"
#include "support/AppFixture.h"

using namespace tavelo;
using namespace std::chrono_literals;

namespace {

class RecordingBackend final : public StatusItemBackend {
public:
    void setIcon(const std::vector<QImage> &) override { ++iconUpdates; }
    void setToolTip(const QString &text) override { toolTips.push_back(text); }
    void setLabel(const QString &text) override { label = text; }
    void show() override { ++shows; }
    QRect iconGeometry() const override { return geometry; }

    int iconUpdates = 0;
    std::vector<QString> toolTips;
    QString label;
    int shows = 0;
    QRect geometry;
};

class StatusItemTest : public ::testing::Test {
protected:
    StatusItemTest()
    {
        h.start();
        auto recording = std::make_unique<RecordingBackend>();
        backend = recording.get();
        item = std::make_unique<StatusItem>(*h.model, std::move(recording));
    }

    test::AppFixture h;
    RecordingBackend *backend = nullptr;
    std::unique_ptr<StatusItem> item;
};

TEST_F(StatusItemTest, DrawsAtOnceThenRedrawsTheIconOnlyWhenItsPictureChanges)
{
    EXPECT_EQ(backend->iconUpdates, 1);
    EXPECT_EQ(backend->toolTips, std::vector<QString>{"25:00"});
    EXPECT_EQ(backend->label, "25:00");
    // 1500 s in 32 steps: the first step is crossed after 47 s.
    for (int second = 1; second <= 46; ++second)
        h.advance(1s);
    EXPECT_EQ(backend->iconUpdates, 1);
    EXPECT_EQ(backend->toolTips.size(), 47u) << "the title changes every second";
    EXPECT_EQ(backend->toolTips.back(), "24:14");
    h.advance(1s);
    EXPECT_EQ(backend->iconUpdates, 2);
    EXPECT_EQ(item->iconKey().ringStep, StatusIconRenderer::kRingSteps - 1);

    h.model->togglePause();
    h.model->togglePause();
    h.model->togglePause();
    QCoreApplication::processEvents();
    EXPECT_EQ(backend->iconUpdates, 3) << "several changes in one turn draw once";
    EXPECT_EQ(item->iconKey().symbol, StatusIconKey::Symbol::paused);
    EXPECT_EQ(backend->toolTips.back(), "Paused");

    const std::size_t titles = backend->toolTips.size();
    h.advance(30s);
    EXPECT_EQ(backend->toolTips.size(), titles) << "a paused title under a minute stands still";
    h.advance(30s);
    EXPECT_EQ(backend->toolTips.back(), "Paused 1m");
    EXPECT_EQ(backend->iconUpdates, 3);

    h.model->startBreakNow(BreakType::long_);
    QCoreApplication::processEvents();
    EXPECT_EQ(item->iconKey().symbol, StatusIconKey::Symbol::breakTime);
}

TEST_F(StatusItemTest, ClickTogglesThePanel)
{
    backend->geometry = QRect(300, 0, 22, 22);
    backend->onActivate(QPoint(5, 5));
    ASSERT_TRUE(item->panel().isVisible());
    EXPECT_GT(item->panel().y(), 22) << "placed from the icon, not the pointer";

    backend->onActivate(QPoint(5, 5));
    EXPECT_FALSE(item->panel().isVisible());
    backend->onActivate(QPoint(5, 5));
    EXPECT_FALSE(item->panel().isVisible()) << "the click that closed the panel does not reopen it";

    item->panel().close();
    item->openPanel();
    EXPECT_TRUE(item->panel().isVisible()) << "asked for explicitly, it opens";
}

TEST_F(StatusItemTest, ReportsShownOnce)
{
    QSignalSpy spy(item.get(), &StatusItem::shown);
    item->show();
    EXPECT_EQ(backend->shows, 1);
    EXPECT_FALSE(item->hasBeenShown());
    backend->onShown();
    backend->onShown();
    EXPECT_EQ(spy.count(), 1);
    EXPECT_TRUE(item->hasBeenShown());
}

} // namespace
