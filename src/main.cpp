// The tavelo executable: builds the collaborators in order, hands them to the model
// and runs the event loop. There is no main window; the status item is the way in.
#include <QApplication>

#include "app/AppModel.h"
#include "app/IdleMonitor.h"
#include "app/OnboardingStore.h"
#include "app/services/LaunchAtLoginService.h"
#include "app/services/NotificationService.h"
#include "app/services/UpdateService.h"
#include "app/ui/BreakOverlayController.h"
#include "app/ui/OnboardingWindowController.h"
#include "app/ui/SettingsWindowController.h"
#include "app/ui/StatusItem.h"
#include "core/BreakSettingsStore.h"
#include "core/Clock.h"
#include "platform/PlatformStartup.h"
#include "platform/linux/BuildArchitecture.h"
#include "platform/linux/DBusSingleInstance.h"
#include "platform/linux/FreedesktopNotificationCenter.h"
#include "platform/linux/LinuxBundleInfo.h"
#include "platform/linux/LinuxWorkspace.h"
#include "platform/linux/LogindSleepWatcher.h"
#include "platform/linux/PosixFileSystem.h"
#include "platform/linux/QSettingsUserDefaults.h"
#include "platform/linux/QtHttpSession.h"
#include "platform/linux/QtMainLoop.h"
#include "platform/linux/QtProcessRunner.h"
#include "platform/linux/StatusItemBackendChooser.h"
#include "platform/linux/SystemIdleTimeSource.h"
#include "platform/linux/SystemdUserUnitStore.h"
#include "platform/linux/X11WindowList.h"
#include "platform/linux/XdgAutostartLoginItem.h"
#include "platform/linux/XdgFolders.h"

using namespace tavelo;

int main(int argc, char **argv)
{
    preparePlatformBeforeApplication();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavelo"));
    QApplication::setOrganizationName(QStringLiteral("Tavelo"));
    QApplication::setApplicationVersion(QStringLiteral(TAVELO_VERSION_STRING));
    QApplication::setDesktopFileName(QStringLiteral("com.tavelo.app"));
    QApplication::setQuitOnLastWindowClosed(false);

    DBusSingleInstance instance;
    StatusItem *statusItemForActivation = nullptr;
    const auto claim = instance.claim([&statusItemForActivation] {
        if (statusItemForActivation)
            statusItemForActivation->openPanel();
    });
    if (claim == SingleInstance::Claim::secondaryNotified)
        return 0;

    SystemClock clock;
    QtMainLoop loop;
    LinuxBundleInfo bundle;
    LinuxWorkspace workspace;
    FreedesktopNotificationCenter center;
    X11WindowList windowList;

    PosixFileSystem files;
    const auto configHome = XdgFolders::configHome();
    BreakSettingsStore settingsStore(files, configHome ? std::optional(*configHome / "Tavelo") : std::nullopt);
    NotificationService notifier(center, bundle, workspace, loop);

    SystemIdleTimeSource idleTimeSource;
    IdleMonitor idleMonitor(idleTimeSource);
    LogindSleepWatcher sleepWatcher;
    QSettingsUserDefaults userDefaults;
    OnboardingStore onboardingStore(userDefaults);
    OnboardingWindowController onboardingController;
    QtHttpSession httpSession;
    UpdateService updateService(httpSession, center, userDefaults, bundle, workspace, loop, buildArchitecture);
    const std::filesystem::path executable = QCoreApplication::applicationFilePath().toStdString();
    XdgAutostartLoginItem loginItem(executable, bundle.identifier());
    SystemdUserUnitStore unitStore;
    QtProcessRunner processRunner;
    LaunchAtLoginService launchAtLogin({bundle, loginItem, unitStore, processRunner, executable});
    SettingsWindowController settingsWindow(loop);

    AppModel::Collaborators collaborators{
        settingsStore,
        notifier,
        [&](BreakEngine &engine) { return std::make_unique<BreakOverlayController>(engine, windowList, clock, loop); },
        bundle,
        clock,
        loop};
    collaborators.idleMonitor = &idleMonitor;
    collaborators.sleepWatcher = &sleepWatcher;
    collaborators.onboardingController = &onboardingController;
    collaborators.onboardingStore = &onboardingStore;
    collaborators.updateService = &updateService;
    collaborators.launchAtLoginService = &launchAtLogin;
    collaborators.settingsWindowController = &settingsWindow;
    AppModel model(std::move(collaborators));

    StatusItem statusItem(model, std::make_unique<StatusItemBackendChooser>());
    statusItemForActivation = &statusItem;
    statusItem.show();

    return QApplication::exec();
}
