<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>NotificationService</name>
    <message>
        <source>about an hour</source>
        <translation>etwa einer Stunde</translation>
    </message>
    <message>
        <source>Break coming up</source>
        <translation>Pause in Kürze</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Lange Pause</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>Kurzpause</translation>
    </message>
    <message>
        <source>Look away from your screen for a moment.</source>
        <translation>Schau einen Moment vom Bildschirm weg.</translation>
    </message>
    <message>
        <source>Break complete</source>
        <translation>Pause beendet</translation>
    </message>
    <message>
        <source>Focus session resumed.</source>
        <translation>Fokusphase läuft weiter.</translation>
    </message>
    <message>
        <source>Timer still paused</source>
        <translation>Timer weiterhin angehalten</translation>
    </message>
    <message>
        <source>You&apos;ve been paused for %1. Resume from the menu bar when you&apos;re ready.</source>
        <translation>Der Timer ist seit %1 angehalten. Setze ihn im Statusmenü fort, wenn du so weit bist.</translation>
    </message>
    <message>
        <source>Settings could not be read</source>
        <translation>Einstellungen konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>Using the defaults. Your file was copied to %1.</source>
        <translation>Es gelten die Standardwerte. Deine Datei wurde nach %1 kopiert.</translation>
    </message>
    <message>
        <source>Tavelo is running</source>
        <translation>Tavelo läuft</translation>
    </message>
    <message>
        <source>Your desktop shows no status icons. Launch Tavelo again from the applications menu to open it. On GNOME, the AppIndicator extension adds the icon.</source>
        <translation>Deine Arbeitsumgebung zeigt keine Statussymbole an. Starte Tavelo erneut aus dem Anwendungsmenü, um es zu öffnen. Unter GNOME fügt die Erweiterung AppIndicator das Symbol hinzu.</translation>
    </message>
    <message>
        <source>Break history not saved</source>
        <translation>Pausenverlauf nicht gespeichert</translation>
    </message>
    <message>
        <source>Tavelo could not write %1. Your breaks go on as usual.</source>
        <translation>Tavelo konnte %1 nicht schreiben. Deine Pausen laufen wie gewohnt weiter.</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <translation>
            <numerusform>etwa %n Stunde</numerusform>
            <numerusform>etwa %n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your break will start in %n seconds.</source>
        <translation>
            <numerusform>Deine Pause beginnt in %n Sekunde.</numerusform>
            <numerusform>Deine Pause beginnt in %n Sekunden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Step away for about %n minutes.</source>
        <translation>
            <numerusform>Geh für etwa %n Minute weg.</numerusform>
            <numerusform>Geh für etwa %n Minuten weg.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatisticsWindowController</name>
    <message>
        <source>Tavelo Statistics</source>
        <translation>Tavelo-Statistik</translation>
    </message>
</context>
<context>
    <name>UpdateService</name>
    <message>
        <source>Tavelo v%1 is ready to download.</source>
        <translation>Tavelo v%1 steht zum Herunterladen bereit.</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Update verfügbar</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Suche nach Updates …</translation>
    </message>
    <message>
        <source>Tavelo is looking for a newer version.</source>
        <translation>Tavelo sucht nach einer neueren Version.</translation>
    </message>
    <message>
        <source>Tavelo v%1 is the latest version.</source>
        <translation>Tavelo v%1 ist die neueste Version.</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Tavelo ist auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>Update check failed</source>
        <translation>Suche nach Updates fehlgeschlagen</translation>
    </message>
    <message>
        <source>Tavelo could not find out whether a newer version exists. Try again later.</source>
        <translation>Tavelo konnte nicht herausfinden, ob es eine neuere Version gibt. Versuche es später erneut.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tavelo is already running.</source>
        <translation>Tavelo läuft bereits.</translation>
    </message>
</context>
<context>
    <name>tavelo::AppModel</name>
    <message>
        <source>Allow notifications when your desktop asks.</source>
        <translation>Erlaube Benachrichtigungen, wenn deine Arbeitsumgebung danach fragt.</translation>
    </message>
    <message>
        <source>Opening Notification Settings…</source>
        <translation>Benachrichtigungseinstellungen werden geöffnet …</translation>
    </message>
    <message>
        <source>Notifications are on ✓</source>
        <translation>Benachrichtigungen sind an ✓</translation>
    </message>
    <message>
        <source>Notifications are not available on this desktop.</source>
        <translation>Benachrichtigungen sind in dieser Arbeitsumgebung nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>tavelo::AtomicFileWriter</name>
    <message>
        <source>Could not create the folder %1: %2</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayController</name>
    <message>
        <source>Tavelo break</source>
        <translation>Tavelo-Pause</translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayPresentation</name>
    <message>
        <source>Break</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Lange Pause</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>Kurzpause</translation>
    </message>
    <message>
        <source>Step away from the screen. Move, blink, and breathe.</source>
        <translation>Geh weg vom Bildschirm. Beweg dich, blinzle und atme durch.</translation>
    </message>
    <message>
        <source>End Break</source>
        <translation>Pause beenden</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Esc postpones • Ctrl+↵ skips</source>
        <translation>Esc verschiebt • Strg+↵ überspringt</translation>
    </message>
    <message>
        <source>Back at %1</source>
        <translation>Zurück um %1</translation>
    </message>
    <message>
        <source>Break %1 of %2</source>
        <translation>Pause %1 von %2</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds remaining</source>
        <translation>
            <numerusform>Noch %n Sekunde</numerusform>
            <numerusform>Noch %n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Postpone %n min</source>
        <translation>
            <numerusform>%n Min. verschieben</numerusform>
            <numerusform>%n Min. verschieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Long break • %n focus sessions done</source>
        <translation>
            <numerusform>Lange Pause • %n Fokusphase geschafft</numerusform>
            <numerusform>Lange Pause • %n Fokusphasen geschafft</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayView</name>
    <message>
        <source>Break progress</source>
        <translation>Pausenfortschritt</translation>
    </message>
</context>
<context>
    <name>tavelo::CommandLine</name>
    <message>
        <source>status: unknown option &apos;%1&apos;</source>
        <translation>status: unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>pause: give one length at most</source>
        <translation>pause: höchstens eine Dauer angeben</translation>
    </message>
    <message>
        <source>pause: &apos;%1&apos; is not a length such as 90s, 15m or 1h, or &apos;indefinitely&apos;</source>
        <translation>pause: „%1“ ist keine Dauer wie 90s, 15m oder 1h und nicht „indefinitely“</translation>
    </message>
    <message>
        <source>break: give one kind at most</source>
        <translation>break: höchstens eine Art angeben</translation>
    </message>
    <message>
        <source>break: &apos;%1&apos; is not &apos;micro&apos; or &apos;long&apos;</source>
        <translation>break: „%1“ ist weder „micro“ noch „long“</translation>
    </message>
    <message>
        <source>stats: unknown option &apos;%1&apos;</source>
        <translation>stats: unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>stats: --days takes a number from 1 to %1</source>
        <translation>stats: --days erwartet eine Zahl von 1 bis %1</translation>
    </message>
    <message>
        <source>--version takes no arguments</source>
        <translation>--version erwartet keine Argumente</translation>
    </message>
    <message>
        <source>%1: takes no arguments</source>
        <translation>%1: erwartet keine Argumente</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl „%1“</translation>
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
        <translation>Aufruf: tavelo [BEFEHL]
Ohne Befehl startet Tavelo oder öffnet das Panel der laufenden Instanz.

Befehle:
  status [--json] [--follow]   zeigt den Timer; --follow gibt bei jeder Änderung eine Zeile aus
  pause [DAUER|indefinitely]   hält an, für eine Dauer wie 90s, 15m oder 1h30m,
                               oder ohne Ende, wenn keine angegeben ist
  resume                       setzt den angehaltenen Timer fort
  break [micro|long]           startet jetzt eine Pause (standardmäßig die nächste fällige)
  skip                         überspringt die laufende oder die nächste Pause
  postpone                     verschiebt die laufende oder die nächste Pause
  reset                        startet den Fokustimer neu
  stats [--json] [--days N]    Statistik der letzten N Tage (standardmäßig 7)
  --help                       zeigt diese Hilfe
  --version                    zeigt die Version
</translation>
    </message>
    <message>
        <source>Nothing to do.</source>
        <translation>Nichts zu tun.</translation>
    </message>
    <message>
        <source>Tavelo is not running.</source>
        <translation>Tavelo läuft nicht.</translation>
    </message>
    <message>
        <source>Tavelo did not answer: %1</source>
        <translation>Tavelo hat nicht geantwortet: %1</translation>
    </message>
</context>
<context>
    <name>tavelo::DurationFormat</name>
    <message>
        <source>%1m</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <translation>%1 Std. %2 Min.</translation>
    </message>
</context>
<context>
    <name>tavelo::FreedesktopNotificationCenter</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>tavelo::LaunchAtLoginError</name>
    <message>
        <source>Could not update login service: </source>
        <translation>Der Anmeldedienst konnte nicht aktualisiert werden: </translation>
    </message>
    <message>
        <source>Launch at login is available only when Tavelo is installed.</source>
        <translation>Beim Anmelden starten ist nur verfügbar, wenn Tavelo installiert ist.</translation>
    </message>
    <message>
        <source>Missing application ID. Reinstall Tavelo with its desktop entry.</source>
        <translation>Anwendungskennung fehlt. Installiere Tavelo mit seinem Desktop-Eintrag neu.</translation>
    </message>
</context>
<context>
    <name>tavelo::LaunchAtLoginService</name>
    <message>
        <source>Install Tavelo to enable this option.</source>
        <translation>Installiere Tavelo, um diese Option zu nutzen.</translation>
    </message>
    <message>
        <source>Enabled. Approve in your desktop&apos;s startup settings if needed.</source>
        <translation>Aktiviert. Bestätige es bei Bedarf in den Autostart-Einstellungen deiner Arbeitsumgebung.</translation>
    </message>
    <message>
        <source>Enabled via systemd user service fallback.</source>
        <translation>Aktiviert über einen systemd-Benutzerdienst als Ausweichlösung.</translation>
    </message>
    <message>
        <source>systemctl exit </source>
        <translation>systemctl-Exitstatus </translation>
    </message>
    <message numerus="yes">
        <source>systemctl did not finish within %n s and was stopped.</source>
        <translation>
            <numerusform>systemctl wurde nicht innerhalb von %n s fertig und wurde beendet.</numerusform>
            <numerusform>systemctl wurde nicht innerhalb von %n s fertig und wurde beendet.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingPresentation</name>
    <message>
        <source>Take breaks without thinking about them</source>
        <translation>Pausen machen, ohne daran zu denken</translation>
    </message>
    <message>
        <source>Tavelo lives in your menu bar and alternates focus sessions with restorative breaks.</source>
        <translation>Tavelo wohnt im Statusbereich und wechselt Fokusphasen mit erholsamen Pausen ab.</translation>
    </message>
    <message>
        <source>A rhythm that fits your day</source>
        <translation>Ein Rhythmus, der zu deinem Tag passt</translation>
    </message>
    <message>
        <source>Your current schedule — change it anytime in Settings.</source>
        <translation>Dein aktueller Zeitplan – jederzeit in den Einstellungen änderbar.</translation>
    </message>
    <message>
        <source>You&apos;re always in control</source>
        <translation>Du hast immer die Kontrolle</translation>
    </message>
    <message>
        <source>Breaks are firm but never trap you.</source>
        <translation>Pausen sind verbindlich, halten dich aber nie fest.</translation>
    </message>
    <message>
        <source>Skip the current break, or skip the upcoming one</source>
        <translation>Die laufende oder die nächste Pause überspringen</translation>
    </message>
    <message>
        <source>Step away freely</source>
        <translation>Geh einfach weg</translation>
    </message>
    <message>
        <source>Only input timing is observed — never what you type.</source>
        <translation>Nur der Zeitpunkt von Eingaben wird erfasst – nie, was du tippst.</translation>
    </message>
    <message>
        <source>The focus timer freezes while you&apos;re away</source>
        <translation>Der Fokustimer ruht, solange du weg bist</translation>
    </message>
    <message>
        <source>Stepping away during a break counts as taking it</source>
        <translation>Wer während einer Pause weggeht, hat sie gemacht</translation>
    </message>
    <message>
        <source>Closing the lid pauses time — no ambush breaks on wake</source>
        <translation>Zugeklappt steht die Zeit still – keine Überraschungspausen beim Aufwachen</translation>
    </message>
    <message>
        <source>Get a heads-up before each break</source>
        <translation>Vorwarnung vor jeder Pause</translation>
    </message>
    <message>
        <source>Start Focusing</source>
        <translation>Fokus starten</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Go to step %1</source>
        <translation>Zu Schritt %1</translation>
    </message>
    <message numerus="yes">
        <source>%n min of focus</source>
        <translation>
            <numerusform>%n Min. Fokus</numerusform>
            <numerusform>%n Min. Fokus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sec microbreak to blink and breathe</source>
        <translation>
            <numerusform>%n Sek. Kurzpause zum Blinzeln und Durchatmen</numerusform>
            <numerusform>%n Sek. Kurzpause zum Blinzeln und Durchatmen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n sessions, a %1 min long break</source>
        <translation>
            <numerusform>Nach %n Fokusphase eine lange Pause von %1 Min.</numerusform>
            <numerusform>Alle %n Fokusphasen eine lange Pause von %1 Min.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Postpone a break by %n min — Esc always postpones</source>
        <translation>
            <numerusform>Eine Pause um %n Min. verschieben – Esc verschiebt immer</numerusform>
            <numerusform>Eine Pause um %n Min. verschieben – Esc verschiebt immer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tavelo warns you %n seconds ahead so breaks never ambush you.</source>
        <translation>
            <numerusform>Tavelo warnt dich %n Sekunde vorher, damit dich keine Pause überrascht.</numerusform>
            <numerusform>Tavelo warnt dich %n Sekunden vorher, damit dich keine Pause überrascht.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pause for 5–60 minutes, or indefinitely</source>
        <translation>5–60 Minuten oder unbegrenzt anhalten</translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingView</name>
    <message>
        <source>Enable Notifications</source>
        <translation>Benachrichtigungen aktivieren</translation>
    </message>
    <message>
        <source>If notifications were denied, this opens System Settings instead.</source>
        <translation>Wurden Benachrichtigungen abgelehnt, öffnet sich stattdessen die Systemeinstellung.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Skip tour</source>
        <translation>Tour überspringen</translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingWindowController</name>
    <message>
        <source>Welcome to Tavelo</source>
        <translation>Willkommen bei Tavelo</translation>
    </message>
    <message>
        <source>What&apos;s New in Tavelo</source>
        <translation>Neu in Tavelo</translation>
    </message>
</context>
<context>
    <name>tavelo::PlatformStartup</name>
    <message>
        <source>no graphical display found (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>keine grafische Anzeige gefunden (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt)</translation>
    </message>
</context>
<context>
    <name>tavelo::QtProcessRunner</name>
    <message>
        <source>Could not start %1: %2</source>
        <translation>%1 konnte nicht gestartet werden: %2</translation>
    </message>
</context>
<context>
    <name>tavelo::ReleaseNotes</name>
    <message>
        <source>Idle-aware timing and a respectful break overlay</source>
        <translation>Abwesenheitserkennung und eine rücksichtsvolle Pausenanzeige</translation>
    </message>
    <message>
        <source>Focus timer freezes while you&apos;re away — no more ambush breaks after coffee.</source>
        <translation>Der Fokustimer ruht, solange du weg bist – keine Überraschungspausen mehr nach dem Kaffee.</translation>
    </message>
    <message>
        <source>Stepping away during a break counts as taking it.</source>
        <translation>Wer während einer Pause weggeht, hat sie gemacht.</translation>
    </message>
    <message>
        <source>Esc always postpones; fullscreen apps and screen shares are never interrupted.</source>
        <translation>Esc verschiebt immer; Vollbildprogramme und Bildschirmfreigaben werden nie unterbrochen.</translation>
    </message>
    <message>
        <source>New Strict/Gentle break mode and idle-pause setting.</source>
        <translation>Neuer strenger/sanfter Pausenmodus und Einstellung für das Anhalten bei Abwesenheit.</translation>
    </message>
    <message>
        <source>Welcome to Tavelo</source>
        <translation>Willkommen bei Tavelo</translation>
    </message>
    <message>
        <source>Focus, microbreak, and long-break scheduling from the menu bar.</source>
        <translation>Fokusphasen, Kurzpausen und lange Pausen planen – direkt aus dem Statusbereich.</translation>
    </message>
    <message>
        <source>Fullscreen break overlay with skip and postpone.</source>
        <translation>Vollbild-Pausenanzeige mit Überspringen und Verschieben.</translation>
    </message>
    <message>
        <source>Persistent settings and launch-at-login support.</source>
        <translation>Dauerhafte Einstellungen und Start beim Anmelden.</translation>
    </message>
</context>
<context>
    <name>tavelo::SettingsView</name>
    <message>
        <source>Focus duration</source>
        <translation>Fokusdauer</translation>
    </message>
    <message>
        <source>min</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Microbreak duration</source>
        <translation>Dauer der Kurzpause</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Long break duration</source>
        <translation>Dauer der langen Pause</translation>
    </message>
    <message>
        <source>Long break every</source>
        <translation>Lange Pause alle</translation>
    </message>
    <message>
        <source>sessions</source>
        <translation>Fokusphasen</translation>
    </message>
    <message>
        <source>Postpone by</source>
        <translation>Verschieben um</translation>
    </message>
    <message>
        <source>Break warning</source>
        <translation>Pausenwarnung</translation>
    </message>
    <message>
        <source>0 = off</source>
        <translation>0 = aus</translation>
    </message>
    <message>
        <source>Pause when away</source>
        <translation>Bei Abwesenheit anhalten</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>When no keyboard or mouse input is seen for this long, the focus timer freezes. Only input timing is observed, never content. 0 disables it.</source>
        <translation>Wenn so lange keine Tastatur- oder Mauseingabe erfolgt, ruht der Fokustimer. Erfasst wird nur der Zeitpunkt von Eingaben, nie ihr Inhalt. 0 schaltet es ab.</translation>
    </message>
    <message>
        <source>Tavelo Settings</source>
        <translation>Tavelo-Einstellungen</translation>
    </message>
    <message>
        <source>Changes apply to future intervals. Your current countdown is preserved.</source>
        <translation>Änderungen gelten für künftige Intervalle. Der laufende Countdown bleibt erhalten.</translation>
    </message>
    <message>
        <source>Strict fullscreen breaks</source>
        <translation>Strenge Vollbildpausen</translation>
    </message>
    <message>
        <source>On: breaks cover every display and take focus. Off: breaks appear as normal windows and never steal focus. Esc always postpones.</source>
        <translation>An: Pausen bedecken jeden Bildschirm und übernehmen den Fokus. Aus: Pausen erscheinen als normale Fenster und stehlen nie den Fokus. Esc verschiebt immer.</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Changes applied.</source>
        <translation>Änderungen übernommen.</translation>
    </message>
    <message>
        <source>Defaults restored.</source>
        <translation>Standardwerte wiederhergestellt.</translation>
    </message>
    <message>
        <source>Could not save: %1.</source>
        <translation>Speichern nicht möglich: %1.</translation>
    </message>
    <message>
        <source>Launch-at-login updated.</source>
        <translation>Start beim Anmelden aktualisiert.</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Wiederhergestellt</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Applied</source>
        <translation>Übernommen</translation>
    </message>
    <message>
        <source>Apply Changes</source>
        <translation>Änderungen übernehmen</translation>
    </message>
</context>
<context>
    <name>tavelo::SettingsWindowController</name>
    <message>
        <source>Tavelo Settings</source>
        <translation>Tavelo-Einstellungen</translation>
    </message>
</context>
<context>
    <name>tavelo::StatisticsReport</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1  taken %2, skipped %3, postponed %4, focus %5</source>
        <translation>%1  gemacht %2, übersprungen %3, verschoben %4, Fokus %5</translation>
    </message>
    <message>
        <source>Today, %1</source>
        <translation>Heute, %1</translation>
    </message>
    <message>
        <source>Breaks taken: %1</source>
        <translation>Pausen gemacht: %1</translation>
    </message>
    <message>
        <source>Breaks skipped: %1</source>
        <translation>Pausen übersprungen: %1</translation>
    </message>
    <message>
        <source>Breaks postponed: %1</source>
        <translation>Pausen verschoben: %1</translation>
    </message>
    <message>
        <source>Breaks kept: %1</source>
        <translation>Pausen eingehalten: %1</translation>
    </message>
    <message>
        <source>Focus time: %1</source>
        <translation>Fokuszeit: %1</translation>
    </message>
    <message>
        <source>Longest stretch without a break: %1</source>
        <translation>Längste Strecke ohne Pause: %1</translation>
    </message>
</context>
<context>
    <name>tavelo::StatisticsView</name>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation>7 Tage</translation>
    </message>
    <message>
        <source>30 Days</source>
        <translation>30 Tage</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV exportieren …</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Gemacht</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Postponed</source>
        <translation>Verschoben</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Eingehalten</translation>
    </message>
    <message>
        <source>Focus time</source>
        <translation>Fokuszeit</translation>
    </message>
    <message>
        <source>Longest stretch</source>
        <translation>Längste Strecke</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Breaks per day</source>
        <translation>Pausen pro Tag</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::StatsCommand</name>
    <message>
        <source>--days takes a number from 1 to 366.</source>
        <translation>--days erwartet eine Zahl von 1 bis 366.</translation>
    </message>
    <message>
        <source>cannot read the history: </source>
        <translation>der Verlauf kann nicht gelesen werden: </translation>
    </message>
</context>
<context>
    <name>tavelo::StatusItem</name>
    <message>
        <source>Open Tavelo</source>
        <translation>Tavelo öffnen</translation>
    </message>
</context>
<context>
    <name>tavelo::StatusMenuPresentation</name>
    <message>
        <source>Break</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>Kurzpause</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Lange Pause</translation>
    </message>
    <message>
        <source>Tavelo %1</source>
        <translation>Tavelo %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Paused %1</source>
        <translation>Angehalten %1</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Abwesend</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Angehalten bis %1</translation>
    </message>
    <message>
        <source>Away — focus resumes when you&apos;re back</source>
        <translation>Abwesend – Fokus geht weiter, wenn du zurück bist</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Next: %1 at %2</source>
        <translation>Nächste: %1 um %2</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>Timer angehalten</translation>
    </message>
    <message>
        <source>Timer paused · %1</source>
        <translation>Timer angehalten · %1</translation>
    </message>
    <message>
        <source>Away — timer frozen</source>
        <translation>Abwesend – Timer ruht</translation>
    </message>
    <message>
        <source>Focus in progress</source>
        <translation>Fokus läuft</translation>
    </message>
    <message>
        <source>%1 in progress</source>
        <translation>%1 läuft</translation>
    </message>
    <message>
        <source>%1 ends in %2</source>
        <translation>%1 endet in %2</translation>
    </message>
    <message>
        <source>Next: %1 in %2</source>
        <translation>Nächste: %1 in %2</translation>
    </message>
    <message>
        <source>Paused — resumes in %1</source>
        <translation>Angehalten – geht weiter in %1</translation>
    </message>
    <message>
        <source>Paused — timer frozen</source>
        <translation>Angehalten – Timer ruht</translation>
    </message>
    <message>
        <source>Paused %1 ago — timer frozen</source>
        <translation>Seit %1 angehalten – Timer ruht</translation>
    </message>
    <message>
        <source>Session %1 of %2 • %3 completed</source>
        <translation>Fokusphase %1 von %2 • %3 geschafft</translation>
    </message>
    <message>
        <source>Skip Current Break</source>
        <translation>Laufende Pause überspringen</translation>
    </message>
    <message>
        <source>Skip Next Break (%1)</source>
        <translation>Nächste Pause überspringen (%1)</translation>
    </message>
    <message>
        <source>Resume Timer (%1)</source>
        <translation>Timer fortsetzen (%1)</translation>
    </message>
    <message>
        <source>Resume Timer</source>
        <translation>Timer fortsetzen</translation>
    </message>
    <message>
        <source>Resume Timer (paused %1)</source>
        <translation>Timer fortsetzen (angehalten seit %1)</translation>
    </message>
    <message numerus="yes">
        <source>Postpone %n min</source>
        <translation>
            <numerusform>%n Min. verschieben</numerusform>
            <numerusform>%n Min. verschieben</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::StatusMenuView</name>
    <message>
        <source>Pause 5 min</source>
        <translation>5 Min. anhalten</translation>
    </message>
    <message>
        <source>Pause 15 min</source>
        <translation>15 Min. anhalten</translation>
    </message>
    <message>
        <source>Pause 30 min</source>
        <translation>30 Min. anhalten</translation>
    </message>
    <message>
        <source>Pause 1 hr</source>
        <translation>1 Std. anhalten</translation>
    </message>
    <message>
        <source>Pause Timer</source>
        <translation>Timer anhalten</translation>
    </message>
    <message>
        <source>Pause Indefinitely</source>
        <translation>Unbegrenzt anhalten</translation>
    </message>
    <message>
        <source>Start Microbreak</source>
        <translation>Kurzpause starten</translation>
    </message>
    <message>
        <source>Start Long Break</source>
        <translation>Lange Pause starten</translation>
    </message>
    <message>
        <source>Reset Focus Timer</source>
        <translation>Fokustimer zurücksetzen</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statistik …</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Updates suchen …</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Take the Tour…</source>
        <translation>Tour ansehen …</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Neuigkeiten</translation>
    </message>
    <message>
        <source>Check now for a new version of Tavelo.</source>
        <translation>Jetzt nach einer neuen Version von Tavelo suchen.</translation>
    </message>
    <message>
        <source>Update checks are unavailable outside an installed build.</source>
        <translation>Die Suche nach Updates ist nur in einer installierten Version verfügbar.</translation>
    </message>
</context>
<context>
    <name>tavelo::StatusReport</name>
    <message>
        <source>Completed focus sessions: %1</source>
        <translation>Abgeschlossene Fokusphasen: %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Abwesend</translation>
    </message>
    <message>
        <source>Break %1</source>
        <translation>Pause %1</translation>
    </message>
    <message>
        <source>Tavelo is not running.</source>
        <translation>Tavelo läuft nicht.</translation>
    </message>
    <message numerus="yes">
        <source>Paused %n min</source>
        <translation>
            <numerusform>Angehalten %n Min.</numerusform>
            <numerusform>Angehalten %n Min.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n Min.</numerusform>
            <numerusform>%n Min.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::SystemdUserUnitStore</name>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>%1 konnte nicht entfernt werden: %2</translation>
    </message>
</context>
<context>
    <name>tavelo::TimerControl</name>
    <message>
        <source>The timer is already paused. Resume it first.</source>
        <translation>Der Timer ist bereits angehalten. Setze ihn zuerst fort.</translation>
    </message>
    <message>
        <source>The timer is not paused.</source>
        <translation>Der Timer ist nicht angehalten.</translation>
    </message>
    <message>
        <source>Unknown kind of break &quot;%1&quot;: use &quot;micro&quot; or &quot;long&quot;.</source>
        <translation>Unbekannte Pausenart „%1“: verwende „micro“ oder „long“.</translation>
    </message>
    <message>
        <source>This kind of break is already running.</source>
        <translation>Diese Pausenart läuft bereits.</translation>
    </message>
    <message>
        <source>There is no panel to open.</source>
        <translation>Es gibt kein Panel zum Öffnen.</translation>
    </message>
    <message numerus="yes">
        <source>A pause lasts from 1 second to 10 years (%n seconds), or 0 for no end.</source>
        <translation>
            <numerusform>Angehalten wird für 1 Sekunde bis 10 Jahre (%n Sekunde) oder mit 0 ohne Ende.</numerusform>
            <numerusform>Angehalten wird für 1 Sekunde bis 10 Jahre (%n Sekunden) oder mit 0 ohne Ende.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::WhatsNewView</name>
    <message>
        <source>Back to Focus</source>
        <translation>Zurück zum Fokus</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Neuigkeiten</translation>
    </message>
    <message>
        <source>Tavelo just got better.</source>
        <translation>Tavelo ist noch besser geworden.</translation>
    </message>
    <message>
        <source>Version %1 — %2</source>
        <translation>Version %1 – %2</translation>
    </message>
</context>
<context>
    <name>tavelo::XdgAutostartLoginItem</name>
    <message>
        <source>The user&apos;s configuration folder is unknown.</source>
        <translation>Der Konfigurationsordner des Benutzers ist unbekannt.</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>%1 konnte nicht entfernt werden: %2</translation>
    </message>
</context>
</TS>
