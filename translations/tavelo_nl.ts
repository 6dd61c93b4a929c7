<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>NotificationService</name>
    <message>
        <source>about an hour</source>
        <translation>ongeveer een uur</translation>
    </message>
    <message>
        <source>Break coming up</source>
        <translation>Pauze komt eraan</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Lange pauze</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>Micropauze</translation>
    </message>
    <message>
        <source>Look away from your screen for a moment.</source>
        <translation>Kijk even weg van je scherm.</translation>
    </message>
    <message>
        <source>Break complete</source>
        <translation>Pauze voorbij</translation>
    </message>
    <message>
        <source>Focus session resumed.</source>
        <translation>Focussessie gaat verder.</translation>
    </message>
    <message>
        <source>Timer still paused</source>
        <translation>Timer staat nog stil</translation>
    </message>
    <message>
        <source>You&apos;ve been paused for %1. Resume from the menu bar when you&apos;re ready.</source>
        <translation>De timer staat al %1 stil. Hervat hem via het statuspictogram wanneer je klaar bent.</translation>
    </message>
    <message>
        <source>Settings could not be read</source>
        <translation>Instellingen konden niet worden gelezen</translation>
    </message>
    <message>
        <source>Using the defaults. Your file was copied to %1.</source>
        <translation>De standaardwaarden worden gebruikt. Je bestand is gekopieerd naar %1.</translation>
    </message>
    <message>
        <source>Tavelo is running</source>
        <translation>Tavelo is actief</translation>
    </message>
    <message>
        <source>Your desktop shows no status icons. Launch Tavelo again from the applications menu to open it. On GNOME, the AppIndicator extension adds the icon.</source>
        <translation>Je bureaublad toont geen statuspictogrammen. Start Tavelo opnieuw vanuit het toepassingenmenu om het te openen. Onder GNOME voegt de extensie AppIndicator het pictogram toe.</translation>
    </message>
    <message>
        <source>Break history not saved</source>
        <translation>Pauzegeschiedenis niet opgeslagen</translation>
    </message>
    <message>
        <source>Tavelo could not write %1. Your breaks go on as usual.</source>
        <translation>Tavelo kon %1 niet schrijven. Je pauzes gaan gewoon door.</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <translation>
            <numerusform>ongeveer %n uur</numerusform>
            <numerusform>ongeveer %n uur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your break will start in %n seconds.</source>
        <translation>
            <numerusform>Je pauze begint over %n seconde.</numerusform>
            <numerusform>Je pauze begint over %n seconden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Step away for about %n minutes.</source>
        <translation>
            <numerusform>Loop ongeveer %n minuut weg.</numerusform>
            <numerusform>Loop ongeveer %n minuten weg.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatisticsWindowController</name>
    <message>
        <source>Tavelo Statistics</source>
        <translation>Tavelo-statistieken</translation>
    </message>
</context>
<context>
    <name>UpdateService</name>
    <message>
        <source>Tavelo v%1 is ready to download.</source>
        <translation>Tavelo v%1 staat klaar om te downloaden.</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Update beschikbaar</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Zoeken naar updates…</translation>
    </message>
    <message>
        <source>Tavelo is looking for a newer version.</source>
        <translation>Tavelo zoekt naar een nieuwere versie.</translation>
    </message>
    <message>
        <source>Tavelo v%1 is the latest version.</source>
        <translation>Tavelo v%1 is de nieuwste versie.</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Je bent helemaal bij</translation>
    </message>
    <message>
        <source>Update check failed</source>
        <translation>Zoeken naar updates mislukt</translation>
    </message>
    <message>
        <source>Tavelo could not find out whether a newer version exists. Try again later.</source>
        <translation>Tavelo kon niet nagaan of er een nieuwere versie is. Probeer het later opnieuw.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tavelo is already running.</source>
        <translation>Tavelo is al actief.</translation>
    </message>
</context>
<context>
    <name>tavelo::AppModel</name>
    <message>
        <source>Allow notifications when your desktop asks.</source>
        <translation>Sta meldingen toe wanneer je bureaublad erom vraagt.</translation>
    </message>
    <message>
        <source>Opening Notification Settings…</source>
        <translation>Meldingsinstellingen openen…</translation>
    </message>
    <message>
        <source>Notifications are on ✓</source>
        <translation>Meldingen staan aan ✓</translation>
    </message>
    <message>
        <source>Notifications are not available on this desktop.</source>
        <translation>Meldingen zijn niet beschikbaar op dit bureaublad.</translation>
    </message>
</context>
<context>
    <name>tavelo::AtomicFileWriter</name>
    <message>
        <source>Could not create the folder %1: %2</source>
        <translation>Kan de map %1 niet aanmaken: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Kan %1 niet schrijven: %2</translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayController</name>
    <message>
        <source>Tavelo break</source>
        <translation>Tavelo-pauze</translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayPresentation</name>
    <message>
        <source>Break</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Lange pauze</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>Micropauze</translation>
    </message>
    <message>
        <source>Step away from the screen. Move, blink, and breathe.</source>
        <translation>Stap weg van het scherm. Beweeg, knipper en adem.</translation>
    </message>
    <message>
        <source>End Break</source>
        <translation>Pauze beëindigen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Overslaan</translation>
    </message>
    <message>
        <source>Esc postpones • Ctrl+↵ skips</source>
        <translation>Esc stelt uit • Ctrl+↵ slaat over</translation>
    </message>
    <message>
        <source>Back at %1</source>
        <translation>Terug om %1</translation>
    </message>
    <message>
        <source>Break %1 of %2</source>
        <translation>Pauze %1 van %2</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds remaining</source>
        <translation>
            <numerusform>Nog %n seconde</numerusform>
            <numerusform>Nog %n seconden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Postpone %n min</source>
        <translation>
            <numerusform>%n min uitstellen</numerusform>
            <numerusform>%n min uitstellen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Long break • %n focus sessions done</source>
        <translation>
            <numerusform>Lange pauze • %n focussessie voltooid</numerusform>
            <numerusform>Lange pauze • %n focussessies voltooid</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayView</name>
    <message>
        <source>Break progress</source>
        <translation>Voortgang van de pauze</translation>
    </message>
</context>
<context>
    <name>tavelo::CommandLine</name>
    <message>
        <source>status: unknown option &apos;%1&apos;</source>
        <translation>status: onbekende optie ‘%1’</translation>
    </message>
    <message>
        <source>pause: give one length at most</source>
        <translation>pause: geef hoogstens één duur op</translation>
    </message>
    <message>
        <source>pause: &apos;%1&apos; is not a length such as 90s, 15m or 1h, or &apos;indefinitely&apos;</source>
        <translation>pause: ‘%1’ is geen duur zoals 90s, 15m of 1h, en ook geen ‘indefinitely’</translation>
    </message>
    <message>
        <source>break: give one kind at most</source>
        <translation>break: geef hoogstens één soort op</translation>
    </message>
    <message>
        <source>break: &apos;%1&apos; is not &apos;micro&apos; or &apos;long&apos;</source>
        <translation>break: ‘%1’ is geen ‘micro’ of ‘long’</translation>
    </message>
    <message>
        <source>stats: unknown option &apos;%1&apos;</source>
        <translation>stats: onbekende optie ‘%1’</translation>
    </message>
    <message>
        <source>stats: --days takes a number from 1 to %1</source>
        <translation>stats: --days verwacht een getal van 1 tot en met %1</translation>
    </message>
    <message>
        <source>--version takes no arguments</source>
        <translation>--version accepteert geen argumenten</translation>
    </message>
    <message>
        <source>%1: takes no arguments</source>
        <translation>%1: accepteert geen argumenten</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>onbekende optie ‘%1’</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>onbekende opdracht ‘%1’</translation>
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
        <translation>Gebruik: tavelo [OPDRACHT]
Zonder opdracht start Tavelo, of opent het paneel van de actieve instantie.

Opdrachten:
  status [--json] [--follow]   toont de timer; --follow schrijft een regel per wijziging
  pause [DUUR|indefinitely]    zet stil voor een duur zoals 90s, 15m of 1h30m,
                               of zonder einde als er geen is opgegeven
  resume                       hervat de stilgezette timer
  break [micro|long]           start nu een pauze (standaard de eerstvolgende)
  skip                         slaat de huidige of de volgende pauze over
  postpone                     stelt de huidige of de volgende pauze uit
  reset                        start de focustimer opnieuw
  stats [--json] [--days N]    statistieken van de laatste N dagen (standaard 7)
  --help                       toont deze hulp
  --version                    toont de versie
</translation>
    </message>
    <message>
        <source>Nothing to do.</source>
        <translation>Niets te doen.</translation>
    </message>
    <message>
        <source>Tavelo is not running.</source>
        <translation>Tavelo is niet actief.</translation>
    </message>
    <message>
        <source>Tavelo did not answer: %1</source>
        <translation>Tavelo antwoordde niet: %1</translation>
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
        <translation>%1 u %2 min</translation>
    </message>
</context>
<context>
    <name>tavelo::FreedesktopNotificationCenter</name>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
</context>
<context>
    <name>tavelo::LaunchAtLoginError</name>
    <message>
        <source>Could not update login service: </source>
        <translation>Kan de aanmeldservice niet bijwerken: </translation>
    </message>
    <message>
        <source>Launch at login is available only when Tavelo is installed.</source>
        <translation>Starten bij aanmelden is alleen beschikbaar als Tavelo is geïnstalleerd.</translation>
    </message>
    <message>
        <source>Missing application ID. Reinstall Tavelo with its desktop entry.</source>
        <translation>Toepassings-ID ontbreekt. Installeer Tavelo opnieuw met zijn bureaubladbestand.</translation>
    </message>
</context>
<context>
    <name>tavelo::LaunchAtLoginService</name>
    <message>
        <source>Install Tavelo to enable this option.</source>
        <translation>Installeer Tavelo om deze optie te gebruiken.</translation>
    </message>
    <message>
        <source>Enabled. Approve in your desktop&apos;s startup settings if needed.</source>
        <translation>Ingeschakeld. Keur het zo nodig goed in de opstartinstellingen van je bureaublad.</translation>
    </message>
    <message>
        <source>Enabled via systemd user service fallback.</source>
        <translation>Ingeschakeld via een systemd-gebruikersservice als terugvaloptie.</translation>
    </message>
    <message>
        <source>systemctl exit </source>
        <translation>afsluitcode van systemctl </translation>
    </message>
    <message numerus="yes">
        <source>systemctl did not finish within %n s and was stopped.</source>
        <translation>
            <numerusform>systemctl was niet binnen %n s klaar en is gestopt.</numerusform>
            <numerusform>systemctl was niet binnen %n s klaar en is gestopt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingPresentation</name>
    <message>
        <source>Take breaks without thinking about them</source>
        <translation>Neem pauzes zonder erover na te denken</translation>
    </message>
    <message>
        <source>Tavelo lives in your menu bar and alternates focus sessions with restorative breaks.</source>
        <translation>Tavelo woont in het statusgebied en wisselt focussessies af met herstellende pauzes.</translation>
    </message>
    <message>
        <source>A rhythm that fits your day</source>
        <translation>Een ritme dat bij je dag past</translation>
    </message>
    <message>
        <source>Your current schedule — change it anytime in Settings.</source>
        <translation>Je huidige schema — pas het altijd aan in Instellingen.</translation>
    </message>
    <message>
        <source>You&apos;re always in control</source>
        <translation>Jij houdt altijd de regie</translation>
    </message>
    <message>
        <source>Breaks are firm but never trap you.</source>
        <translation>Pauzes zijn stevig, maar houden je nooit vast.</translation>
    </message>
    <message>
        <source>Skip the current break, or skip the upcoming one</source>
        <translation>De huidige pauze overslaan, of de volgende</translation>
    </message>
    <message>
        <source>Step away freely</source>
        <translation>Loop gerust weg</translation>
    </message>
    <message>
        <source>Only input timing is observed — never what you type.</source>
        <translation>Alleen het moment van invoer wordt bekeken — nooit wat je typt.</translation>
    </message>
    <message>
        <source>The focus timer freezes while you&apos;re away</source>
        <translation>De focustimer bevriest terwijl je weg bent</translation>
    </message>
    <message>
        <source>Stepping away during a break counts as taking it</source>
        <translation>Weglopen tijdens een pauze telt als pauze nemen</translation>
    </message>
    <message>
        <source>Closing the lid pauses time — no ambush breaks on wake</source>
        <translation>Het deksel dichtdoen zet de tijd stil — geen verrassingspauzes bij het ontwaken</translation>
    </message>
    <message>
        <source>Get a heads-up before each break</source>
        <translation>Een seintje voor elke pauze</translation>
    </message>
    <message>
        <source>Start Focusing</source>
        <translation>Begin met focussen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Go to step %1</source>
        <translation>Naar stap %1</translation>
    </message>
    <message numerus="yes">
        <source>%n min of focus</source>
        <translation>
            <numerusform>%n min focus</numerusform>
            <numerusform>%n min focus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sec microbreak to blink and breathe</source>
        <translation>
            <numerusform>%n s micropauze om te knipperen en te ademen</numerusform>
            <numerusform>%n s micropauze om te knipperen en te ademen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n sessions, a %1 min long break</source>
        <translation>
            <numerusform>Elke %n sessie een lange pauze van %1 min</numerusform>
            <numerusform>Elke %n sessies een lange pauze van %1 min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Postpone a break by %n min — Esc always postpones</source>
        <translation>
            <numerusform>Een pauze %n min uitstellen — Esc stelt altijd uit</numerusform>
            <numerusform>Een pauze %n min uitstellen — Esc stelt altijd uit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tavelo warns you %n seconds ahead so breaks never ambush you.</source>
        <translation>
            <numerusform>Tavelo waarschuwt je %n seconde van tevoren, zodat geen pauze je overvalt.</numerusform>
            <numerusform>Tavelo waarschuwt je %n seconden van tevoren, zodat geen pauze je overvalt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pause for 5–60 minutes, or indefinitely</source>
        <translation>5–60 minuten of onbeperkt stilzetten</translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingView</name>
    <message>
        <source>Enable Notifications</source>
        <translation>Meldingen inschakelen</translation>
    </message>
    <message>
        <source>If notifications were denied, this opens System Settings instead.</source>
        <translation>Als meldingen zijn geweigerd, opent dit in plaats daarvan de systeeminstellingen.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Skip tour</source>
        <translation>Rondleiding overslaan</translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingWindowController</name>
    <message>
        <source>Welcome to Tavelo</source>
        <translation>Welkom bij Tavelo</translation>
    </message>
    <message>
        <source>What&apos;s New in Tavelo</source>
        <translation>Nieuw in Tavelo</translation>
    </message>
</context>
<context>
    <name>tavelo::PlatformStartup</name>
    <message>
        <source>no graphical display found (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>geen grafisch scherm gevonden (DISPLAY en WAYLAND_DISPLAY zijn niet ingesteld)</translation>
    </message>
</context>
<context>
    <name>tavelo::QtProcessRunner</name>
    <message>
        <source>Could not start %1: %2</source>
        <translation>Kan %1 niet starten: %2</translation>
    </message>
</context>
<context>
    <name>tavelo::ReleaseNotes</name>
    <message>
        <source>Idle-aware timing and a respectful break overlay</source>
        <translation>Timing die let op afwezigheid en een respectvol pauzescherm</translation>
    </message>
    <message>
        <source>Focus timer freezes while you&apos;re away — no more ambush breaks after coffee.</source>
        <translation>De focustimer bevriest terwijl je weg bent — geen verrassingspauzes meer na de koffie.</translation>
    </message>
    <message>
        <source>Stepping away during a break counts as taking it.</source>
        <translation>Weglopen tijdens een pauze telt als pauze nemen.</translation>
    </message>
    <message>
        <source>Esc always postpones; fullscreen apps and screen shares are never interrupted.</source>
        <translation>Esc stelt altijd uit; schermvullende apps en schermdelen worden nooit onderbroken.</translation>
    </message>
    <message>
        <source>New Strict/Gentle break mode and idle-pause setting.</source>
        <translation>Nieuwe strenge/zachte pauzemodus en instelling voor stilzetten bij afwezigheid.</translation>
    </message>
    <message>
        <source>Welcome to Tavelo</source>
        <translation>Welkom bij Tavelo</translation>
    </message>
    <message>
        <source>Focus, microbreak, and long-break scheduling from the menu bar.</source>
        <translation>Focus, micropauzes en lange pauzes plannen vanuit het statusgebied.</translation>
    </message>
    <message>
        <source>Fullscreen break overlay with skip and postpone.</source>
        <translation>Schermvullend pauzescherm met overslaan en uitstellen.</translation>
    </message>
    <message>
        <source>Persistent settings and launch-at-login support.</source>
        <translation>Blijvende instellingen en starten bij aanmelden.</translation>
    </message>
</context>
<context>
    <name>tavelo::SettingsView</name>
    <message>
        <source>Focus duration</source>
        <translation>Focusduur</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Microbreak duration</source>
        <translation>Duur van micropauze</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Long break duration</source>
        <translation>Duur van lange pauze</translation>
    </message>
    <message>
        <source>Long break every</source>
        <translation>Lange pauze elke</translation>
    </message>
    <message>
        <source>sessions</source>
        <translation>sessies</translation>
    </message>
    <message>
        <source>Postpone by</source>
        <translation>Uitstellen met</translation>
    </message>
    <message>
        <source>Break warning</source>
        <translation>Pauzewaarschuwing</translation>
    </message>
    <message>
        <source>0 = off</source>
        <translation>0 = uit</translation>
    </message>
    <message>
        <source>Pause when away</source>
        <translation>Stilzetten bij afwezigheid</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>When no keyboard or mouse input is seen for this long, the focus timer freezes. Only input timing is observed, never content. 0 disables it.</source>
        <translation>Als er zo lang geen toetsenbord- of muisinvoer is, bevriest de focustimer. Alleen het moment van invoer wordt bekeken, nooit de inhoud. 0 schakelt het uit.</translation>
    </message>
    <message>
        <source>Tavelo Settings</source>
        <translation>Tavelo-instellingen</translation>
    </message>
    <message>
        <source>Changes apply to future intervals. Your current countdown is preserved.</source>
        <translation>Wijzigingen gelden voor komende intervallen. Je huidige aftelling blijft behouden.</translation>
    </message>
    <message>
        <source>Strict fullscreen breaks</source>
        <translation>Strenge schermvullende pauzes</translation>
    </message>
    <message>
        <source>On: breaks cover every display and take focus. Off: breaks appear as normal windows and never steal focus. Esc always postpones.</source>
        <translation>Aan: pauzes bedekken elk scherm en nemen de focus. Uit: pauzes verschijnen als gewone vensters en stelen nooit de focus. Esc stelt altijd uit.</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Starten bij aanmelden</translation>
    </message>
    <message>
        <source>Changes applied.</source>
        <translation>Wijzigingen toegepast.</translation>
    </message>
    <message>
        <source>Defaults restored.</source>
        <translation>Standaardwaarden hersteld.</translation>
    </message>
    <message>
        <source>Could not save: %1.</source>
        <translation>Kan niet opslaan: %1.</translation>
    </message>
    <message>
        <source>Launch-at-login updated.</source>
        <translation>Starten bij aanmelden bijgewerkt.</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Hersteld</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standaardwaarden herstellen</translation>
    </message>
    <message>
        <source>Applied</source>
        <translation>Toegepast</translation>
    </message>
    <message>
        <source>Apply Changes</source>
        <translation>Wijzigingen toepassen</translation>
    </message>
</context>
<context>
    <name>tavelo::SettingsWindowController</name>
    <message>
        <source>Tavelo Settings</source>
        <translation>Tavelo-instellingen</translation>
    </message>
</context>
<context>
    <name>tavelo::StatisticsReport</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>%1  taken %2, skipped %3, postponed %4, focus %5</source>
        <translation>%1  genomen %2, overgeslagen %3, uitgesteld %4, focus %5</translation>
    </message>
    <message>
        <source>Today, %1</source>
        <translation>Vandaag, %1</translation>
    </message>
    <message>
        <source>Breaks taken: %1</source>
        <translation>Pauzes genomen: %1</translation>
    </message>
    <message>
        <source>Breaks skipped: %1</source>
        <translation>Pauzes overgeslagen: %1</translation>
    </message>
    <message>
        <source>Breaks postponed: %1</source>
        <translation>Pauzes uitgesteld: %1</translation>
    </message>
    <message>
        <source>Breaks kept: %1</source>
        <translation>Pauzes gehouden: %1</translation>
    </message>
    <message>
        <source>Focus time: %1</source>
        <translation>Focustijd: %1</translation>
    </message>
    <message>
        <source>Longest stretch without a break: %1</source>
        <translation>Langste periode zonder pauze: %1</translation>
    </message>
</context>
<context>
    <name>tavelo::StatisticsView</name>
    <message>
        <source>Today</source>
        <translation>Vandaag</translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation>7 dagen</translation>
    </message>
    <message>
        <source>30 Days</source>
        <translation>30 dagen</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV exporteren…</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Genomen</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Overgeslagen</translation>
    </message>
    <message>
        <source>Postponed</source>
        <translation>Uitgesteld</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Gehouden</translation>
    </message>
    <message>
        <source>Focus time</source>
        <translation>Focustijd</translation>
    </message>
    <message>
        <source>Longest stretch</source>
        <translation>Langste periode</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exporteren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>Breaks per day</source>
        <translation>Pauzes per dag</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n dag</numerusform>
            <numerusform>%n dagen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::StatsCommand</name>
    <message>
        <source>--days takes a number from 1 to 366.</source>
        <translation>--days verwacht een getal van 1 tot en met 366.</translation>
    </message>
    <message>
        <source>cannot read the history: </source>
        <translation>kan de geschiedenis niet lezen: </translation>
    </message>
</context>
<context>
    <name>tavelo::StatusItem</name>
    <message>
        <source>Open Tavelo</source>
        <translation>Tavelo openen</translation>
    </message>
</context>
<context>
    <name>tavelo::StatusMenuPresentation</name>
    <message>
        <source>Break</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>Micropauze</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Lange pauze</translation>
    </message>
    <message>
        <source>Tavelo %1</source>
        <translation>Tavelo %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Stilgezet</translation>
    </message>
    <message>
        <source>Paused %1</source>
        <translation>Stilgezet %1</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Afwezig</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Stilgezet tot %1</translation>
    </message>
    <message>
        <source>Away — focus resumes when you&apos;re back</source>
        <translation>Afwezig — focus gaat verder als je terug bent</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>Next: %1 at %2</source>
        <translation>Volgende: %1 om %2</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>Timer stilgezet</translation>
    </message>
    <message>
        <source>Timer paused · %1</source>
        <translation>Timer stilgezet · %1</translation>
    </message>
    <message>
        <source>Away — timer frozen</source>
        <translation>Afwezig — timer bevroren</translation>
    </message>
    <message>
        <source>Focus in progress</source>
        <translation>Focus bezig</translation>
    </message>
    <message>
        <source>%1 in progress</source>
        <translation>%1 bezig</translation>
    </message>
    <message>
        <source>%1 ends in %2</source>
        <translation>%1 eindigt over %2</translation>
    </message>
    <message>
        <source>Next: %1 in %2</source>
        <translation>Volgende: %1 over %2</translation>
    </message>
    <message>
        <source>Paused — resumes in %1</source>
        <translation>Stilgezet — gaat verder over %1</translation>
    </message>
    <message>
        <source>Paused — timer frozen</source>
        <translation>Stilgezet — timer bevroren</translation>
    </message>
    <message>
        <source>Paused %1 ago — timer frozen</source>
        <translation>%1 geleden stilgezet — timer bevroren</translation>
    </message>
    <message>
        <source>Session %1 of %2 • %3 completed</source>
        <translation>Sessie %1 van %2 • %3 voltooid</translation>
    </message>
    <message>
        <source>Skip Current Break</source>
        <translation>Huidige pauze overslaan</translation>
    </message>
    <message>
        <source>Skip Next Break (%1)</source>
        <translation>Volgende pauze overslaan (%1)</translation>
    </message>
    <message>
        <source>Resume Timer (%1)</source>
        <translation>Timer hervatten (%1)</translation>
    </message>
    <message>
        <source>Resume Timer</source>
        <translation>Timer hervatten</translation>
    </message>
    <message>
        <source>Resume Timer (paused %1)</source>
        <translation>Timer hervatten (%1 stilgezet)</translation>
    </message>
    <message numerus="yes">
        <source>Postpone %n min</source>
        <translation>
            <numerusform>%n min uitstellen</numerusform>
            <numerusform>%n min uitstellen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::StatusMenuView</name>
    <message>
        <source>Pause 5 min</source>
        <translation>5 min stilzetten</translation>
    </message>
    <message>
        <source>Pause 15 min</source>
        <translation>15 min stilzetten</translation>
    </message>
    <message>
        <source>Pause 30 min</source>
        <translation>30 min stilzetten</translation>
    </message>
    <message>
        <source>Pause 1 hr</source>
        <translation>1 uur stilzetten</translation>
    </message>
    <message>
        <source>Pause Timer</source>
        <translation>Timer stilzetten</translation>
    </message>
    <message>
        <source>Pause Indefinitely</source>
        <translation>Onbeperkt stilzetten</translation>
    </message>
    <message>
        <source>Start Microbreak</source>
        <translation>Micropauze starten</translation>
    </message>
    <message>
        <source>Start Long Break</source>
        <translation>Lange pauze starten</translation>
    </message>
    <message>
        <source>Reset Focus Timer</source>
        <translation>Focustimer resetten</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statistieken…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Instellingen…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Zoeken naar updates…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hulp</translation>
    </message>
    <message>
        <source>Take the Tour…</source>
        <translation>Rondleiding volgen…</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Wat is er nieuw</translation>
    </message>
    <message>
        <source>Check now for a new version of Tavelo.</source>
        <translation>Nu zoeken naar een nieuwe versie van Tavelo.</translation>
    </message>
    <message>
        <source>Update checks are unavailable outside an installed build.</source>
        <translation>Zoeken naar updates is alleen beschikbaar in een geïnstalleerde versie.</translation>
    </message>
</context>
<context>
    <name>tavelo::StatusReport</name>
    <message>
        <source>Completed focus sessions: %1</source>
        <translation>Voltooide focussessies: %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Stilgezet</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Afwezig</translation>
    </message>
    <message>
        <source>Break %1</source>
        <translation>Pauze %1</translation>
    </message>
    <message>
        <source>Tavelo is not running.</source>
        <translation>Tavelo is niet actief.</translation>
    </message>
    <message numerus="yes">
        <source>Paused %n min</source>
        <translation>
            <numerusform>Stilgezet %n min</numerusform>
            <numerusform>Stilgezet %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::SystemdUserUnitStore</name>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>Kan %1 niet verwijderen: %2</translation>
    </message>
</context>
<context>
    <name>tavelo::TimerControl</name>
    <message>
        <source>The timer is already paused. Resume it first.</source>
        <translation>De timer staat al stil. Hervat hem eerst.</translation>
    </message>
    <message>
        <source>The timer is not paused.</source>
        <translation>De timer staat niet stil.</translation>
    </message>
    <message>
        <source>Unknown kind of break &quot;%1&quot;: use &quot;micro&quot; or &quot;long&quot;.</source>
        <translation>Onbekend soort pauze ‘%1’: gebruik ‘micro’ of ‘long’.</translation>
    </message>
    <message>
        <source>This kind of break is already running.</source>
        <translation>Dit soort pauze loopt al.</translation>
    </message>
    <message>
        <source>There is no panel to open.</source>
        <translation>Er is geen paneel om te openen.</translation>
    </message>
    <message numerus="yes">
        <source>A pause lasts from 1 second to 10 years (%n seconds), or 0 for no end.</source>
        <translation>
            <numerusform>Stilzetten duurt 1 seconde tot 10 jaar (%n seconde), of 0 voor geen einde.</numerusform>
            <numerusform>Stilzetten duurt 1 seconde tot 10 jaar (%n seconden), of 0 voor geen einde.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::WhatsNewView</name>
    <message>
        <source>Back to Focus</source>
        <translation>Terug naar focus</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Wat is er nieuw</translation>
    </message>
    <message>
        <source>Tavelo just got better.</source>
        <translation>Tavelo is nog beter geworden.</translation>
    </message>
    <message>
        <source>Version %1 — %2</source>
        <translation>Versie %1 — %2</translation>
    </message>
</context>
<context>
    <name>tavelo::XdgAutostartLoginItem</name>
    <message>
        <source>The user&apos;s configuration folder is unknown.</source>
        <translation>De configuratiemap van de gebruiker is onbekend.</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>Kan %1 niet verwijderen: %2</translation>
    </message>
</context>
</TS>
