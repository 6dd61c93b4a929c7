<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>NotificationService</name>
    <message>
        <source>about an hour</source>
        <translation>około godziny</translation>
    </message>
    <message>
        <source>Break coming up</source>
        <translation>Zbliża się przerwa</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Długa przerwa</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>Mikroprzerwa</translation>
    </message>
    <message>
        <source>Look away from your screen for a moment.</source>
        <translation>Oderwij na chwilę wzrok od ekranu.</translation>
    </message>
    <message>
        <source>Break complete</source>
        <translation>Przerwa zakończona</translation>
    </message>
    <message>
        <source>Focus session resumed.</source>
        <translation>Sesja skupienia trwa dalej.</translation>
    </message>
    <message>
        <source>Timer still paused</source>
        <translation>Minutnik nadal wstrzymany</translation>
    </message>
    <message>
        <source>You&apos;ve been paused for %1. Resume from the menu bar when you&apos;re ready.</source>
        <translation>Minutnik jest wstrzymany od %1. Wznów go z ikony stanu, gdy będziesz gotowy.</translation>
    </message>
    <message>
        <source>Settings could not be read</source>
        <translation>Nie udało się odczytać ustawień</translation>
    </message>
    <message>
        <source>Using the defaults. Your file was copied to %1.</source>
        <translation>Używane są wartości domyślne. Twój plik skopiowano do %1.</translation>
    </message>
    <message>
        <source>Tavelo is running</source>
        <translation>Tavelo działa</translation>
    </message>
    <message>
        <source>Your desktop shows no status icons. Launch Tavelo again from the applications menu to open it. On GNOME, the AppIndicator extension adds the icon.</source>
        <translation>Twoje środowisko nie pokazuje ikon stanu. Uruchom Tavelo ponownie z menu aplikacji, aby je otworzyć. W GNOME ikonę dodaje rozszerzenie AppIndicator.</translation>
    </message>
    <message>
        <source>Break history not saved</source>
        <translation>Historia przerw nie została zapisana</translation>
    </message>
    <message>
        <source>Tavelo could not write %1. Your breaks go on as usual.</source>
        <translation>Tavelo nie mogło zapisać %1. Przerwy działają jak zwykle.</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <translation>
            <numerusform>około %n godziny</numerusform>
            <numerusform>około %n godzin</numerusform>
            <numerusform>około %n godzin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your break will start in %n seconds.</source>
        <translation>
            <numerusform>Przerwa zacznie się za %n sekundę.</numerusform>
            <numerusform>Przerwa zacznie się za %n sekundy.</numerusform>
            <numerusform>Przerwa zacznie się za %n sekund.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Step away for about %n minutes.</source>
        <translation>
            <numerusform>Odejdź na około %n minutę.</numerusform>
            <numerusform>Odejdź na około %n minuty.</numerusform>
            <numerusform>Odejdź na około %n minut.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatisticsWindowController</name>
    <message>
        <source>Tavelo Statistics</source>
        <translation>Statystyki Tavelo</translation>
    </message>
</context>
<context>
    <name>UpdateService</name>
    <message>
        <source>Tavelo v%1 is ready to download.</source>
        <translation>Tavelo v%1 jest gotowe do pobrania.</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Dostępna aktualizacja</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Sprawdzanie aktualizacji…</translation>
    </message>
    <message>
        <source>Tavelo is looking for a newer version.</source>
        <translation>Tavelo szuka nowszej wersji.</translation>
    </message>
    <message>
        <source>Tavelo v%1 is the latest version.</source>
        <translation>Tavelo v%1 to najnowsza wersja.</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Masz najnowszą wersję</translation>
    </message>
    <message>
        <source>Update check failed</source>
        <translation>Sprawdzanie aktualizacji nie powiodło się</translation>
    </message>
    <message>
        <source>Tavelo could not find out whether a newer version exists. Try again later.</source>
        <translation>Tavelo nie mogło ustalić, czy istnieje nowsza wersja. Spróbuj ponownie później.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tavelo is already running.</source>
        <translation>Tavelo już działa.</translation>
    </message>
</context>
<context>
    <name>tavelo::AppModel</name>
    <message>
        <source>Allow notifications when your desktop asks.</source>
        <translation>Zezwól na powiadomienia, gdy środowisko o to zapyta.</translation>
    </message>
    <message>
        <source>Opening Notification Settings…</source>
        <translation>Otwieranie ustawień powiadomień…</translation>
    </message>
    <message>
        <source>Notifications are on ✓</source>
        <translation>Powiadomienia są włączone ✓</translation>
    </message>
    <message>
        <source>Notifications are not available on this desktop.</source>
        <translation>Powiadomienia nie są dostępne w tym środowisku.</translation>
    </message>
</context>
<context>
    <name>tavelo::AtomicFileWriter</name>
    <message>
        <source>Could not create the folder %1: %2</source>
        <translation>Nie udało się utworzyć folderu %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Nie udało się zapisać %1: %2</translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayController</name>
    <message>
        <source>Tavelo break</source>
        <translation>Przerwa Tavelo</translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayPresentation</name>
    <message>
        <source>Break</source>
        <translation>Przerwa</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Długa przerwa</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>Mikroprzerwa</translation>
    </message>
    <message>
        <source>Step away from the screen. Move, blink, and breathe.</source>
        <translation>Odejdź od ekranu. Rusz się, mrugnij i odetchnij.</translation>
    </message>
    <message>
        <source>End Break</source>
        <translation>Zakończ przerwę</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pomiń</translation>
    </message>
    <message>
        <source>Esc postpones • Ctrl+↵ skips</source>
        <translation>Esc odkłada • Ctrl+↵ pomija</translation>
    </message>
    <message>
        <source>Back at %1</source>
        <translation>Powrót o %1</translation>
    </message>
    <message>
        <source>Break %1 of %2</source>
        <translation>Przerwa %1 z %2</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds remaining</source>
        <translation>
            <numerusform>Została %n sekunda</numerusform>
            <numerusform>Zostały %n sekundy</numerusform>
            <numerusform>Zostało %n sekund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Postpone %n min</source>
        <translation>
            <numerusform>Odłóż o %n min</numerusform>
            <numerusform>Odłóż o %n min</numerusform>
            <numerusform>Odłóż o %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Long break • %n focus sessions done</source>
        <translation>
            <numerusform>Długa przerwa • %n sesja skupienia za tobą</numerusform>
            <numerusform>Długa przerwa • %n sesje skupienia za tobą</numerusform>
            <numerusform>Długa przerwa • %n sesji skupienia za tobą</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayView</name>
    <message>
        <source>Break progress</source>
        <translation>Postęp przerwy</translation>
    </message>
</context>
<context>
    <name>tavelo::CommandLine</name>
    <message>
        <source>status: unknown option &apos;%1&apos;</source>
        <translation>status: nieznana opcja „%1”</translation>
    </message>
    <message>
        <source>pause: give one length at most</source>
        <translation>pause: podaj najwyżej jeden czas</translation>
    </message>
    <message>
        <source>pause: &apos;%1&apos; is not a length such as 90s, 15m or 1h, or &apos;indefinitely&apos;</source>
        <translation>pause: „%1” nie jest czasem takim jak 90s, 15m lub 1h ani „indefinitely”</translation>
    </message>
    <message>
        <source>break: give one kind at most</source>
        <translation>break: podaj najwyżej jeden rodzaj</translation>
    </message>
    <message>
        <source>break: &apos;%1&apos; is not &apos;micro&apos; or &apos;long&apos;</source>
        <translation>break: „%1” to ani „micro”, ani „long”</translation>
    </message>
    <message>
        <source>stats: unknown option &apos;%1&apos;</source>
        <translation>stats: nieznana opcja „%1”</translation>
    </message>
    <message>
        <source>stats: --days takes a number from 1 to %1</source>
        <translation>stats: --days przyjmuje liczbę od 1 do %1</translation>
    </message>
    <message>
        <source>--version takes no arguments</source>
        <translation>--version nie przyjmuje argumentów</translation>
    </message>
    <message>
        <source>%1: takes no arguments</source>
        <translation>%1: nie przyjmuje argumentów</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja „%1”</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>nieznane polecenie „%1”</translation>
    </message>
</context>
<context>
    <name>tavelo::CommandLineRunner</name>
    <message>
        <source>Usage: tavelo [COMMAND]
Without a command, starts Tavelo, or opens the panel of the one running.

Commands:
  status [--json] [--follow]   show the timer; --follow prints a line per change
  pause [LENGTH|indefinitely]  pause for a length such as 90s, 15m or 1h30m,
                               or without an end when none is given
  resume                       resume the paused timer
  break [micro|long]           start a break now (the next one due by default)
  skip                         skip the current break, or the next one
  postpone                     postpone the current break, or the next one
  reset                        restart the focus timer
  stats [--json] [--days N]    statistics of the last N days (7 by default)
  --help                       show this help
  --version                    show the version
</source>
        <translation>Użycie: tavelo [POLECENIE]
Bez polecenia uruchamia Tavelo albo otwiera panel działającej instancji.

Polecenia:
  status [--json] [--follow]   pokazuje minutnik; --follow wypisuje wiersz przy każdej zmianie
  pause [CZAS|indefinitely]    wstrzymuje na czas taki jak 90s, 15m lub 1h30m,
                               albo bez końca, gdy nie podano czasu
  resume                       wznawia wstrzymany minutnik
  break [micro|long]           zaczyna przerwę teraz (domyślnie najbliższą)
  skip                         pomija bieżącą przerwę albo następną
  postpone                     odkłada bieżącą przerwę albo następną
  reset                        uruchamia minutnik skupienia od nowa
  stats [--json] [--days N]    statystyki z ostatnich N dni (domyślnie 7)
  --help                       pokazuje tę pomoc
  --version                    pokazuje wersję
</translation>
    </message>
    <message>
        <source>Nothing to do.</source>
        <translation>Nic do zrobienia.</translation>
    </message>
    <message>
        <source>Tavelo is not running.</source>
        <translation>Tavelo nie działa.</translation>
    </message>
    <message>
        <source>Tavelo did not answer: %1</source>
        <translation>Tavelo nie odpowiedziało: %1</translation>
    </message>
</context>
<context>
    <name>tavelo::DurationFormat</name>
    <message>
        <source>%1m</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <translation>%1 godz. %2 min</translation>
    </message>
</context>
<context>
    <name>tavelo::FreedesktopNotificationCenter</name>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
</context>
<context>
    <name>tavelo::LaunchAtLoginError</name>
    <message>
        <source>Could not update login service: </source>
        <translation>Nie udało się zaktualizować usługi logowania: </translation>
    </message>
    <message>
        <source>Launch at login is available only when Tavelo is installed.</source>
        <translation>Uruchamianie po zalogowaniu jest dostępne tylko wtedy, gdy Tavelo jest zainstalowane.</translation>
    </message>
    <message>
        <source>Missing application ID. Reinstall Tavelo with its desktop entry.</source>
        <translation>Brak identyfikatora aplikacji. Zainstaluj Tavelo ponownie razem z jego plikiem .desktop.</translation>
    </message>
</context>
<context>
    <name>tavelo::LaunchAtLoginService</name>
    <message>
        <source>Install Tavelo to enable this option.</source>
        <translation>Zainstaluj Tavelo, aby włączyć tę opcję.</translation>
    </message>
    <message>
        <source>Enabled. Approve in your desktop&apos;s startup settings if needed.</source>
        <translation>Włączono. W razie potrzeby zatwierdź to w ustawieniach autostartu środowiska.</translation>
    </message>
    <message>
        <source>Enabled via systemd user service fallback.</source>
        <translation>Włączono przez zapasową usługę użytkownika systemd.</translation>
    </message>
    <message>
        <source>systemctl exit </source>
        <translation>kod wyjścia systemctl </translation>
    </message>
    <message numerus="yes">
        <source>systemctl did not finish within %n s and was stopped.</source>
        <translation>
            <numerusform>systemctl nie zakończył pracy w ciągu %n s i został zatrzymany.</numerusform>
            <numerusform>systemctl nie zakończył pracy w ciągu %n s i został zatrzymany.</numerusform>
            <numerusform>systemctl nie zakończył pracy w ciągu %n s i został zatrzymany.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingPresentation</name>
    <message>
        <source>Take breaks without thinking about them</source>
        <translation>Rób przerwy, nie myśląc o nich</translation>
    </message>
    <message>
        <source>Tavelo lives in your menu bar and alternates focus sessions with restorative breaks.</source>
        <translation>Tavelo mieszka w obszarze stanu i przeplata sesje skupienia z regenerującymi przerwami.</translation>
    </message>
    <message>
        <source>A rhythm that fits your day</source>
        <translation>Rytm dopasowany do twojego dnia</translation>
    </message>
    <message>
        <source>Your current schedule — change it anytime in Settings.</source>
        <translation>Twój obecny plan — zmienisz go w każdej chwili w Ustawieniach.</translation>
    </message>
    <message>
        <source>You&apos;re always in control</source>
        <translation>Zawsze masz kontrolę</translation>
    </message>
    <message>
        <source>Breaks are firm but never trap you.</source>
        <translation>Przerwy są stanowcze, ale nigdy cię nie więżą.</translation>
    </message>
    <message>
        <source>Skip the current break, or skip the upcoming one</source>
        <translation>Pomiń bieżącą przerwę albo następną</translation>
    </message>
    <message>
        <source>Step away freely</source>
        <translation>Odchodź swobodnie</translation>
    </message>
    <message>
        <source>Only input timing is observed — never what you type.</source>
        <translation>Obserwowany jest tylko czas wprowadzania — nigdy to, co piszesz.</translation>
    </message>
    <message>
        <source>The focus timer freezes while you&apos;re away</source>
        <translation>Minutnik skupienia zamarza, gdy cię nie ma</translation>
    </message>
    <message>
        <source>Stepping away during a break counts as taking it</source>
        <translation>Odejście podczas przerwy liczy się jako jej zrobienie</translation>
    </message>
    <message>
        <source>Closing the lid pauses time — no ambush breaks on wake</source>
        <translation>Zamknięcie pokrywy zatrzymuje czas — bez przerw z zaskoczenia po wybudzeniu</translation>
    </message>
    <message>
        <source>Get a heads-up before each break</source>
        <translation>Uprzedzenie przed każdą przerwą</translation>
    </message>
    <message>
        <source>Start Focusing</source>
        <translation>Zacznij się skupiać</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Go to step %1</source>
        <translation>Przejdź do kroku %1</translation>
    </message>
    <message numerus="yes">
        <source>%n min of focus</source>
        <translation>
            <numerusform>%n min skupienia</numerusform>
            <numerusform>%n min skupienia</numerusform>
            <numerusform>%n min skupienia</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sec microbreak to blink and breathe</source>
        <translation>
            <numerusform>%n s mikroprzerwy, by mrugnąć i odetchnąć</numerusform>
            <numerusform>%n s mikroprzerwy, by mrugnąć i odetchnąć</numerusform>
            <numerusform>%n s mikroprzerwy, by mrugnąć i odetchnąć</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n sessions, a %1 min long break</source>
        <translation>
            <numerusform>Po każdej %n sesji długa przerwa na %1 min</numerusform>
            <numerusform>Co %n sesje długa przerwa na %1 min</numerusform>
            <numerusform>Co %n sesji długa przerwa na %1 min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Postpone a break by %n min — Esc always postpones</source>
        <translation>
            <numerusform>Odłóż przerwę o %n min — Esc zawsze odkłada</numerusform>
            <numerusform>Odłóż przerwę o %n min — Esc zawsze odkłada</numerusform>
            <numerusform>Odłóż przerwę o %n min — Esc zawsze odkłada</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tavelo warns you %n seconds ahead so breaks never ambush you.</source>
        <translation>
            <numerusform>Tavelo uprzedza cię %n sekundę wcześniej, więc żadna przerwa cię nie zaskoczy.</numerusform>
            <numerusform>Tavelo uprzedza cię %n sekundy wcześniej, więc żadna przerwa cię nie zaskoczy.</numerusform>
            <numerusform>Tavelo uprzedza cię %n sekund wcześniej, więc żadna przerwa cię nie zaskoczy.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pause for 5–60 minutes, or indefinitely</source>
        <translation>Wstrzymaj na 5–60 minut albo bezterminowo</translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingView</name>
    <message>
        <source>Enable Notifications</source>
        <translation>Włącz powiadomienia</translation>
    </message>
    <message>
        <source>If notifications were denied, this opens System Settings instead.</source>
        <translation>Jeśli odmówiono powiadomień, zamiast tego otworzą się ustawienia systemu.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Skip tour</source>
        <translation>Pomiń prezentację</translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingWindowController</name>
    <message>
        <source>Welcome to Tavelo</source>
        <translation>Witaj w Tavelo</translation>
    </message>
    <message>
        <source>What&apos;s New in Tavelo</source>
        <translation>Co nowego w Tavelo</translation>
    </message>
</context>
<context>
    <name>tavelo::PlatformStartup</name>
    <message>
        <source>no graphical display found (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>nie znaleziono ekranu graficznego (DISPLAY i WAYLAND_DISPLAY nie są ustawione)</translation>
    </message>
</context>
<context>
    <name>tavelo::QtProcessRunner</name>
    <message>
        <source>Could not start %1: %2</source>
        <translation>Nie udało się uruchomić %1: %2</translation>
    </message>
</context>
<context>
    <name>tavelo::ReleaseNotes</name>
    <message>
        <source>Idle-aware timing and a respectful break overlay</source>
        <translation>Odmierzanie czasu świadome nieobecności i taktowny ekran przerwy</translation>
    </message>
    <message>
        <source>Focus timer freezes while you&apos;re away — no more ambush breaks after coffee.</source>
        <translation>Minutnik skupienia zamarza, gdy cię nie ma — koniec przerw z zaskoczenia po kawie.</translation>
    </message>
    <message>
        <source>Stepping away during a break counts as taking it.</source>
        <translation>Odejście podczas przerwy liczy się jako jej zrobienie.</translation>
    </message>
    <message>
        <source>Esc always postpones; fullscreen apps and screen shares are never interrupted.</source>
        <translation>Esc zawsze odkłada; aplikacje pełnoekranowe i udostępnianie ekranu nigdy nie są przerywane.</translation>
    </message>
    <message>
        <source>New Strict/Gentle break mode and idle-pause setting.</source>
        <translation>Nowy ścisły/łagodny tryb przerw i ustawienie wstrzymania przy nieobecności.</translation>
    </message>
    <message>
        <source>Welcome to Tavelo</source>
        <translation>Witaj w Tavelo</translation>
    </message>
    <message>
        <source>Focus, microbreak, and long-break scheduling from the menu bar.</source>
        <translation>Planowanie skupienia, mikroprzerw i długich przerw z obszaru stanu.</translation>
    </message>
    <message>
        <source>Fullscreen break overlay with skip and postpone.</source>
        <translation>Pełnoekranowa przerwa z pomijaniem i odkładaniem.</translation>
    </message>
    <message>
        <source>Persistent settings and launch-at-login support.</source>
        <translation>Trwałe ustawienia i uruchamianie po zalogowaniu.</translation>
    </message>
</context>
<context>
    <name>tavelo::SettingsView</name>
    <message>
        <source>Focus duration</source>
        <translation>Czas skupienia</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Microbreak duration</source>
        <translation>Czas mikroprzerwy</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Long break duration</source>
        <translation>Czas długiej przerwy</translation>
    </message>
    <message>
        <source>Long break every</source>
        <translation>Długa przerwa co</translation>
    </message>
    <message>
        <source>sessions</source>
        <translation>sesji</translation>
    </message>
    <message>
        <source>Postpone by</source>
        <translation>Odkładaj o</translation>
    </message>
    <message>
        <source>Break warning</source>
        <translation>Ostrzeżenie przed przerwą</translation>
    </message>
    <message>
        <source>0 = off</source>
        <translation>0 = wył.</translation>
    </message>
    <message>
        <source>Pause when away</source>
        <translation>Wstrzymuj przy nieobecności</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>When no keyboard or mouse input is seen for this long, the focus timer freezes. Only input timing is observed, never content. 0 disables it.</source>
        <translation>Gdy przez tyle czasu nie ma żadnej aktywności klawiatury ani myszy, minutnik skupienia zamarza. Obserwowany jest tylko czas wprowadzania, nigdy treść. 0 wyłącza tę funkcję.</translation>
    </message>
    <message>
        <source>Tavelo Settings</source>
        <translation>Ustawienia Tavelo</translation>
    </message>
    <message>
        <source>Changes apply to future intervals. Your current countdown is preserved.</source>
        <translation>Zmiany dotyczą przyszłych odcinków. Bieżące odliczanie zostaje zachowane.</translation>
    </message>
    <message>
        <source>Strict fullscreen breaks</source>
        <translation>Ścisłe przerwy pełnoekranowe</translation>
    </message>
    <message>
        <source>On: breaks cover every display and take focus. Off: breaks appear as normal windows and never steal focus. Esc always postpones.</source>
        <translation>Wł.: przerwy zakrywają każdy ekran i przejmują fokus. Wył.: przerwy pojawiają się jako zwykłe okna i nigdy nie zabierają fokusu. Esc zawsze odkłada.</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Uruchamiaj po zalogowaniu</translation>
    </message>
    <message>
        <source>Changes applied.</source>
        <translation>Zmiany zastosowano.</translation>
    </message>
    <message>
        <source>Defaults restored.</source>
        <translation>Przywrócono wartości domyślne.</translation>
    </message>
    <message>
        <source>Could not save: %1.</source>
        <translation>Nie udało się zapisać: %1.</translation>
    </message>
    <message>
        <source>Launch-at-login updated.</source>
        <translation>Zaktualizowano uruchamianie po zalogowaniu.</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Przywrócono</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <source>Applied</source>
        <translation>Zastosowano</translation>
    </message>
    <message>
        <source>Apply Changes</source>
        <translation>Zastosuj zmiany</translation>
    </message>
</context>
<context>
    <name>tavelo::SettingsWindowController</name>
    <message>
        <source>Tavelo Settings</source>
        <translation>Ustawienia Tavelo</translation>
    </message>
</context>
<context>
    <name>tavelo::StatisticsReport</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1  taken %2, skipped %3, postponed %4, focus %5</source>
        <translation>%1  zrobione %2, pominięte %3, odłożone %4, skupienie %5</translation>
    </message>
    <message>
        <source>Today, %1</source>
        <translation>Dzisiaj, %1</translation>
    </message>
    <message>
        <source>Breaks taken: %1</source>
        <translation>Zrobione przerwy: %1</translation>
    </message>
    <message>
        <source>Breaks skipped: %1</source>
        <translation>Pominięte przerwy: %1</translation>
    </message>
    <message>
        <source>Breaks postponed: %1</source>
        <translation>Odłożone przerwy: %1</translation>
    </message>
    <message>
        <source>Breaks kept: %1</source>
        <translation>Dotrzymane przerwy: %1</translation>
    </message>
    <message>
        <source>Focus time: %1</source>
        <translation>Czas skupienia: %1</translation>
    </message>
    <message>
        <source>Longest stretch without a break: %1</source>
        <translation>Najdłuższy odcinek bez przerwy: %1</translation>
    </message>
</context>
<context>
    <name>tavelo::StatisticsView</name>
    <message>
        <source>Today</source>
        <translation>Dzisiaj</translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation>7 dni</translation>
    </message>
    <message>
        <source>30 Days</source>
        <translation>30 dni</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Eksportuj CSV…</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Zrobione</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Pominięte</translation>
    </message>
    <message>
        <source>Postponed</source>
        <translation>Odłożone</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Dotrzymane</translation>
    </message>
    <message>
        <source>Focus time</source>
        <translation>Czas skupienia</translation>
    </message>
    <message>
        <source>Longest stretch</source>
        <translation>Najdłuższy odcinek</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Eksportuj CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Nie udało się zapisać %1: %2</translation>
    </message>
    <message>
        <source>Breaks per day</source>
        <translation>Przerwy dziennie</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n dzień</numerusform>
            <numerusform>%n dni</numerusform>
            <numerusform>%n dni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::StatsCommand</name>
    <message>
        <source>--days takes a number from 1 to 366.</source>
        <translation>--days przyjmuje liczbę od 1 do 366.</translation>
    </message>
    <message>
        <source>cannot read the history: </source>
        <translation>nie można odczytać historii: </translation>
    </message>
</context>
<context>
    <name>tavelo::StatusItem</name>
    <message>
        <source>Open Tavelo</source>
        <translation>Otwórz Tavelo</translation>
    </message>
</context>
<context>
    <name>tavelo::StatusMenuPresentation</name>
    <message>
        <source>Break</source>
        <translation>Przerwa</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>Mikroprzerwa</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Długa przerwa</translation>
    </message>
    <message>
        <source>Tavelo %1</source>
        <translation>Tavelo %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Wstrzymano</translation>
    </message>
    <message>
        <source>Paused %1</source>
        <translation>Wstrzymano %1</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Nieobecny</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Wstrzymano do %1</translation>
    </message>
    <message>
        <source>Away — focus resumes when you&apos;re back</source>
        <translation>Nieobecny — skupienie wróci, gdy wrócisz</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 do %2</translation>
    </message>
    <message>
        <source>Next: %1 at %2</source>
        <translation>Następna: %1 o %2</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>Minutnik wstrzymany</translation>
    </message>
    <message>
        <source>Timer paused · %1</source>
        <translation>Minutnik wstrzymany · %1</translation>
    </message>
    <message>
        <source>Away — timer frozen</source>
        <translation>Nieobecny — minutnik zamrożony</translation>
    </message>
    <message>
        <source>Focus in progress</source>
        <translation>Trwa skupienie</translation>
    </message>
    <message>
        <source>%1 in progress</source>
        <translation>Trwa: %1</translation>
    </message>
    <message>
        <source>%1 ends in %2</source>
        <translation>%1 kończy się za %2</translation>
    </message>
    <message>
        <source>Next: %1 in %2</source>
        <translation>Następna: %1 za %2</translation>
    </message>
    <message>
        <source>Paused — resumes in %1</source>
        <translation>Wstrzymano — wznowienie za %1</translation>
    </message>
    <message>
        <source>Paused — timer frozen</source>
        <translation>Wstrzymano — minutnik zamrożony</translation>
    </message>
    <message>
        <source>Paused %1 ago — timer frozen</source>
        <translation>Wstrzymano %1 temu — minutnik zamrożony</translation>
    </message>
    <message>
        <source>Session %1 of %2 • %3 completed</source>
        <translation>Sesja %1 z %2 • ukończono %3</translation>
    </message>
    <message>
        <source>Skip Current Break</source>
        <translation>Pomiń bieżącą przerwę</translation>
    </message>
    <message>
        <source>Skip Next Break (%1)</source>
        <translation>Pomiń następną przerwę (%1)</translation>
    </message>
    <message>
        <source>Resume Timer (%1)</source>
        <translation>Wznów minutnik (%1)</translation>
    </message>
    <message>
        <source>Resume Timer</source>
        <translation>Wznów minutnik</translation>
    </message>
    <message>
        <source>Resume Timer (paused %1)</source>
        <translation>Wznów minutnik (wstrzymany %1)</translation>
    </message>
    <message numerus="yes">
        <source>Postpone %n min</source>
        <translation>
            <numerusform>Odłóż o %n min</numerusform>
            <numerusform>Odłóż o %n min</numerusform>
            <numerusform>Odłóż o %n min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::StatusMenuView</name>
    <message>
        <source>Pause 5 min</source>
        <translation>Wstrzymaj na 5 min</translation>
    </message>
    <message>
        <source>Pause 15 min</source>
        <translation>Wstrzymaj na 15 min</translation>
    </message>
    <message>
        <source>Pause 30 min</source>
        <translation>Wstrzymaj na 30 min</translation>
    </message>
    <message>
        <source>Pause 1 hr</source>
        <translation>Wstrzymaj na 1 godz.</translation>
    </message>
    <message>
        <source>Pause Timer</source>
        <translation>Wstrzymaj minutnik</translation>
    </message>
    <message>
        <source>Pause Indefinitely</source>
        <translation>Wstrzymaj bezterminowo</translation>
    </message>
    <message>
        <source>Start Microbreak</source>
        <translation>Zacznij mikroprzerwę</translation>
    </message>
    <message>
        <source>Start Long Break</source>
        <translation>Zacznij długą przerwę</translation>
    </message>
    <message>
        <source>Reset Focus Timer</source>
        <translation>Wyzeruj minutnik skupienia</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statystyki…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ustawienia…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Sprawdź aktualizacje…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Take the Tour…</source>
        <translation>Obejrzyj prezentację…</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Co nowego</translation>
    </message>
    <message>
        <source>Check now for a new version of Tavelo.</source>
        <translation>Sprawdź teraz, czy jest nowa wersja Tavelo.</translation>
    </message>
    <message>
        <source>Update checks are unavailable outside an installed build.</source>
        <translation>Sprawdzanie aktualizacji jest dostępne tylko w zainstalowanej wersji.</translation>
    </message>
</context>
<context>
    <name>tavelo::StatusReport</name>
    <message>
        <source>Completed focus sessions: %1</source>
        <translation>Ukończone sesje skupienia: %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Wstrzymano</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Nieobecny</translation>
    </message>
    <message>
        <source>Break %1</source>
        <translation>Przerwa %1</translation>
    </message>
    <message>
        <source>Tavelo is not running.</source>
        <translation>Tavelo nie działa.</translation>
    </message>
    <message numerus="yes">
        <source>Paused %n min</source>
        <translation>
            <numerusform>Wstrzymano %n min</numerusform>
            <numerusform>Wstrzymano %n min</numerusform>
            <numerusform>Wstrzymano %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::SystemdUserUnitStore</name>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>Nie udało się usunąć %1: %2</translation>
    </message>
</context>
<context>
    <name>tavelo::TimerControl</name>
    <message>
        <source>The timer is already paused. Resume it first.</source>
        <translation>Minutnik jest już wstrzymany. Najpierw go wznów.</translation>
    </message>
    <message>
        <source>The timer is not paused.</source>
        <translation>Minutnik nie jest wstrzymany.</translation>
    </message>
    <message>
        <source>Unknown kind of break &quot;%1&quot;: use &quot;micro&quot; or &quot;long&quot;.</source>
        <translation>Nieznany rodzaj przerwy „%1”: użyj „micro” albo „long”.</translation>
    </message>
    <message>
        <source>This kind of break is already running.</source>
        <translation>Ten rodzaj przerwy już trwa.</translation>
    </message>
    <message>
        <source>There is no panel to open.</source>
        <translation>Nie ma panelu do otwarcia.</translation>
    </message>
    <message numerus="yes">
        <source>A pause lasts from 1 second to 10 years (%n seconds), or 0 for no end.</source>
        <translation>
            <numerusform>Wstrzymanie trwa od 1 sekundy do 10 lat (%n sekunda) albo 0 bez końca.</numerusform>
            <numerusform>Wstrzymanie trwa od 1 sekundy do 10 lat (%n sekundy) albo 0 bez końca.</numerusform>
            <numerusform>Wstrzymanie trwa od 1 sekundy do 10 lat (%n sekund) albo 0 bez końca.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::WhatsNewView</name>
    <message>
        <source>Back to Focus</source>
        <translation>Wróć do skupienia</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Co nowego</translation>
    </message>
    <message>
        <source>Tavelo just got better.</source>
        <translation>Tavelo stało się jeszcze lepsze.</translation>
    </message>
    <message>
        <source>Version %1 — %2</source>
        <translation>Wersja %1 — %2</translation>
    </message>
</context>
<context>
    <name>tavelo::XdgAutostartLoginItem</name>
    <message>
        <source>The user&apos;s configuration folder is unknown.</source>
        <translation>Folder konfiguracji użytkownika jest nieznany.</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>Nie udało się usunąć %1: %2</translation>
    </message>
</context>
</TS>
