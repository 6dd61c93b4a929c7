// The tavelo executable: builds the collaborators in order, hands them to the model
// and runs the event loop. There is no main window; the status item is the way in.
#include <chrono>
#include <cstdio>
#include <iostream>

#include <QApplication>
#include <QTimer>

#include "app/AppModel.h"
#include "app/IdleMonitor.h"
#include "app/OnboardingStore.h"
#include "app/TimerControl.h"
#include "app/TranslationLoader.h"
#include "app/cli/CommandLine.h"
#include "app/cli/CommandLineRunner.h"
#include "app/history/HistoryRecorder.h"
#include "app/history/HistoryStore.h"
#include "app/history/LocalTimeZone.h"
#include "app/services/LaunchAtLoginService.h"
#include "app/services/NotificationService.h"
#include "app/services/UpdateService.h"
#include "app/ui/Appearance.h"
#include "app/ui/BreakOverlayController.h"
#include "app/ui/OnboardingWindowController.h"
#include "app/ui/SettingsWindowController.h"
#include "app/ui/StatisticsWindowController.h"
#include "app/ui/StatusItem.h"
#include "app/ui/StatusMenuView.h"
#include "core/BreakSettingsStore.h"
#include "core/Clock.h"
#include "platform/Compositing.h"
#include "platform/Platform.h"
#include "platform/PlatformStartup.h"
#include "platform/SingleInstance.h"
#include "platform/StatusItemBackend.h"
#include "platform/TerminationSignals.h"
#include "platform/TimerClient.h"
#include "platform/TimerEndpoint.h"

using namespace tavelo;

namespace {

// A command for the running instance: no display needed, and none opened.
int runCommandLine(const CommandLine &line, int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tavelo"));
    QCoreApplication::setOrganizationName(QStringLiteral("Tavelo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVELO_VERSION_STRING));
    TranslationLoader::install(app);
    const std::unique_ptr<TimerClient> client = connectTimerClient();
    return CommandLineRunner(*client, std::cout, std::cerr).run(line);
}

} // namespace

int main(int argc, char **argv)
{
    const CommandLine commandLine = CommandLine::parse(std::vector<std::string>(argv + 1, argv + argc));
    if (commandLine.action != CommandLine::Action::launch)
        return runCommandLine(commandLine, argc, argv);
    if (const std::optional<std::string> problem = preparePlatformBeforeApplication(argc, argv)) {
        std::fprintf(stderr, "tavelo: %s\n", problem->c_str());
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavelo"));
    QApplication::setOrganizationName(QStringLiteral("Tavelo"));
    QApplication::setApplicationVersion(QStringLiteral(TAVELO_VERSION_STRING));
    QApplication::setDesktopFileName(QStringLiteral("com.tavelo.app"));
    QApplication::setQuitOnLastWindowClosed(false);
    TranslationLoader::install(app);
    quitEventLoopOnTerminationSignals();

    const std::unique_ptr<Platform> platform = createPlatform();
    StatusItem *statusItemForActivation = nullptr;
    const auto claim = platform->singleInstance().claim([&statusItemForActivation] {
        if (statusItemForActivation)
            statusItemForActivation->openPanel();
    });
    if (claim == SingleInstance::Claim::secondaryNotified)
        return 0;
    if (claim == SingleInstance::Claim::alreadyRunning) {
        std::fprintf(stderr, "%s\n", qPrintable(QApplication::translate("main", "Tavelo is already running.")));
        return 0;
    }

    // Before any window: each follows the desktop's light or dark preference from then on.
    Appearance appearance(platform->colorSchemeSource());
    SystemClock clock;
    MainLoop &loop = platform->mainLoop();
    BundleInfo &bundle = platform->bundleInfo();
    Workspace &workspace = platform->workspace();
    NotificationCenter &center = platform->notificationCenter();
    WindowList &windowList = platform->windowList();
    DoNotDisturb &doNotDisturb = platform->doNotDisturb();

    BreakSettingsStore settingsStore(platform->fileSystem(), platform->configFolder(), std::cerr, clock);
    NotificationService notifier(center, bundle, workspace, loop);

    IdleMonitor idleMonitor(platform->idleTimeSource());
    SleepWatcher &sleepWatcher = platform->sleepWatcher();
    UserDefaults &userDefaults = platform->userDefaults();
    OnboardingStore onboardingStore(userDefaults);
    OnboardingWindowController onboardingController;
    // A first run's tour waits for the status item (see below): building it would delay
    // the item's first appearance.
    onboardingController.hold();
    UpdateService updateService(platform->httpSession(), center, userDefaults, bundle, workspace, loop,
                                platform->buildArchitecture());
    LaunchAtLoginService launchAtLogin({bundle, platform->loginItem(), platform->unitFileStore(),
                                        platform->processRunner(), platform->executablePath()});
    SettingsWindowController settingsWindow(loop);

    AppModel model({settingsStore, notifier,
                    [&](BreakEngine &engine, OverlayActions actions) {
                        return std::make_unique<BreakOverlayController>(engine, std::move(actions), windowList,
                                                                        doNotDisturb, clock, loop);
                    },
                    bundle, clock, loop, onboardingController, onboardingStore, launchAtLogin, settingsWindow,
                    idleMonitor, sleepWatcher, updateService});

    StatusItem statusItem(model, platform->createStatusItemBackend());
    statusItemForActivation = &statusItem;
    statusItem.setCompositorCheck(compositorRunning);
    statusItem.backend().onNoHost = [&notifier] { notifier.notifyNoStatusHost(); };
    statusItem.show();
    TimerControl timerControl(model, platform->timerEndpoint(), loop, [&statusItem] { statusItem.openPanel(); });

    // Once the status item is up, or a little later without a tray: loading the database
    // driver and opening the file, or building the tour, would otherwise delay it.
    std::unique_ptr<HistoryStore> historyStore;
    std::unique_ptr<HistoryRecorder> history;
    std::unique_ptr<StatisticsWindowController> statisticsWindow;
    const auto openHistory = [&] {
        if (history)
            return;
        historyStore = std::make_unique<HistoryStore>(HistoryStore::defaultFile());
        history = std::make_unique<HistoryRecorder>(
            model, *historyStore, loop, clock, [&notifier, &historyStore](const std::string &problem) {
                std::fprintf(stderr, "tavelo: break history unavailable: %s\n", problem.c_str());
                notifier.notifyHistoryUnavailable(historyStore->file().string());
            });
        statisticsWindow = std::make_unique<StatisticsWindowController>(
            [&history](TimePoint from) { return history->eventsSince(from); }, clock, localTimeZoneOffset());
    };
    const auto afterItem = [&] {
        onboardingController.release();
        openHistory();
    };
    QObject::connect(&statusItem, &StatusItem::shown, &statusItem, afterItem, Qt::QueuedConnection);
    QTimer::singleShot(std::chrono::seconds(2), &statusItem, afterItem);
    const Connection statisticsRequests = model.statisticsRequested.connect([&] {
        openHistory();
        statisticsWindow->show();
    });

    return QApplication::exec();
}
