#include "platform/linux/TrayIconBackend.h"

#include <algorithm>

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QIcon>
#include <QPixmap>
#include <QWidget>
#include <QtMath>

namespace tavelo {

namespace {

// Qt's own XEmbed window for the icon; absent when the platform theme shows the icon
// some other way, or while no tray is running.
QWidget *trayWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("QSystemTrayIconSys") || widget->objectName() == QLatin1String("QSystemTrayIconSys"))
            return widget;
    }
    return nullptr;
}

using std::chrono::milliseconds;
// Soon at first, for a tray that is still starting, then ever more rarely: some
// 6 minutes in 20 looks. A tray that appears later is still used; only the "shown"
// report gives up.
constexpr milliseconds kFirstPoll{100};
constexpr milliseconds kPollCap{30'000};
constexpr int kPollCount = 20;

// Ids and nesting, without the texts and states that can change in place.
void appendShape(const std::vector<StatusItemBackend::MenuEntry> &entries, std::vector<int> &shape)
{
    for (const auto &entry : entries) {
        shape.insert(shape.end(), {entry.id, entry.isSeparator(), int(entry.children.size())});
        appendShape(entry.children, shape);
    }
}

std::vector<int> shapeOf(const std::vector<StatusItemBackend::MenuEntry> &entries)
{
    std::vector<int> shape;
    appendShape(entries, shape);
    return shape;
}

} // namespace

TrayIconBackend::TrayIconBackend(MainLoop *loop, QObject *parent)
    : QObject(parent), m_shownPoll(loop ? *loop : m_qtLoop, kFirstPoll, kPollCap, kPollCount)
{
    connect(&m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        // A right click brings up the menu, where there is one.
        if (reason == QSystemTrayIcon::Context && m_contextMenu)
            return;
        if (onActivate)
            onActivate(QCursor::pos());
    });
}

TrayIconBackend::~TrayIconBackend()
{
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
}

void TrayIconBackend::setIcon(const std::vector<QImage> &images)
{
    QIcon icon;
    for (const QImage &image : images)
        icon.addPixmap(QPixmap::fromImage(image));
    m_tray.setIcon(icon);
}

std::vector<int> TrayIconBackend::iconSizes() const
{
    // An embedded tray icon is one window of the tray's size; before that, unknown. Its
    // size, not its geometry: placing it on the screen is a round trip to the X server.
    const QWidget *window = trayWindow();
    const QSize size = window ? window->size() : QSize();
    if (size.isEmpty())
        return {};
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    return {qCeil(std::max(size.width(), size.height()) * ratio)};
}

void TrayIconBackend::setToolTip(const QString &text)
{
    m_tray.setToolTip(text);
}

void TrayIconBackend::setMenu(const std::vector<MenuEntry> &entries)
{
    if (entries == m_menuEntries)
        return;
    // Changed in place, an open menu stays open.
    if (m_contextMenu && shapeOf(entries) == shapeOf(m_menuEntries)) {
        m_menuEntries = entries;
        updateMenu(entries);
        return;
    }
    m_menuEntries = entries;
    m_actions.clear();
    auto menu = std::make_unique<QMenu>();
    connect(menu.get(), &QMenu::aboutToShow, this, [this] {
        if (onMenuAboutToShow)
            onMenuAboutToShow();
    });
    fillMenu(*menu, entries);
    m_tray.setContextMenu(menu.get());
    m_contextMenu = std::move(menu);
}

void TrayIconBackend::fillMenu(QMenu &menu, const std::vector<MenuEntry> &entries)
{
    for (const MenuEntry &entry : entries) {
        if (entry.isSeparator()) {
            menu.addSeparator();
            continue;
        }
        QAction *action = nullptr;
        if (entry.children.empty()) {
            const int id = entry.id;
            action = menu.addAction(entry.text, this, [this, id] {
                if (onMenuEntryChosen)
                    onMenuEntryChosen(id);
            });
        } else {
            QMenu *submenu = menu.addMenu(entry.text);
            fillMenu(*submenu, entry.children);
            action = submenu->menuAction();
        }
        action->setEnabled(entry.enabled);
        m_actions[entry.id] = action;
    }
}

void TrayIconBackend::updateMenu(const std::vector<MenuEntry> &entries)
{
    for (const MenuEntry &entry : entries) {
        if (QAction *action = m_actions[entry.id]) {
            action->setText(entry.text);
            action->setEnabled(entry.enabled);
        }
        updateMenu(entry.children);
    }
}

QRect TrayIconBackend::iconGeometry() const
{
    return m_tray.geometry();
}

void TrayIconBackend::show()
{
    m_tray.show();
    m_shownPoll.reset();
    watchForShown();
}

void TrayIconBackend::watchForShown()
{
    if (m_shown || m_watchedWindow)
        return;
    if (isTrayAvailable()) {
        QWidget *window = trayWindow();
        if (!window) {
            // The platform theme draws the icon itself (a D-Bus tray): it is up once shown.
            reportShown();
            return;
        }
        // Shown means painted inside the tray, which happens once the tray has embedded it.
        m_watchedWindow = window;
        window->installEventFilter(this);
        return;
    }
    m_shownPoll.schedule([this] { watchForShown(); });
}

bool TrayIconBackend::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watchedWindow && event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        reportShown();
    }
    return QObject::eventFilter(watched, event);
}

void TrayIconBackend::reportShown()
{
    if (m_shown)
        return;
    m_shown = true;
    if (onShown)
        onShown();
}

} // namespace tavelo
