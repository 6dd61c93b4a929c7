<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>NotificationService</name>
    <message>
        <source>about an hour</source>
        <translation>circa un&apos;ora</translation>
    </message>
    <message>
        <source>Break coming up</source>
        <translation>Pausa in arrivo</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Pausa lunga</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>Micropausa</translation>
    </message>
    <message>
        <source>Look away from your screen for a moment.</source>
        <translation>Distogli lo sguardo dallo schermo per un momento.</translation>
    </message>
    <message>
        <source>Break complete</source>
        <translation>Pausa completata</translation>
    </message>
    <message>
        <source>Focus session resumed.</source>
        <translation>La sessione di concentrazione riprende.</translation>
    </message>
    <message>
        <source>Timer still paused</source>
        <translation>Timer ancora sospeso</translation>
    </message>
    <message>
        <source>You&apos;ve been paused for %1. Resume from the menu bar when you&apos;re ready.</source>
        <translation>Il timer è sospeso da %1. Riprendi dall&apos;icona di stato quando sei pronto.</translation>
    </message>
    <message>
        <source>Settings could not be read</source>
        <translation>Impossibile leggere le impostazioni</translation>
    </message>
    <message>
        <source>Using the defaults. Your file was copied to %1.</source>
        <translation>Vengono usati i valori predefiniti. Il tuo file è stato copiato in %1.</translation>
    </message>
    <message>
        <source>Tavelo is running</source>
        <translation>Tavelo è in esecuzione</translation>
    </message>
    <message>
        <source>Your desktop shows no status icons. Launch Tavelo again from the applications menu to open it. On GNOME, the AppIndicator extension adds the icon.</source>
        <translation>Il desktop non mostra icone di stato. Avvia di nuovo Tavelo dal menu delle applicazioni per aprirlo. Su GNOME, l&apos;estensione AppIndicator aggiunge l&apos;icona.</translation>
    </message>
    <message>
        <source>Break history not saved</source>
        <translation>Cronologia delle pause non salvata</translation>
    </message>
    <message>
        <source>Tavelo could not write %1. Your breaks go on as usual.</source>
        <translation>Tavelo non è riuscito a scrivere %1. Le tue pause continuano come sempre.</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <translation>
            <numerusform>circa %n ora</numerusform>
            <numerusform>circa %n ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your break will start in %n seconds.</source>
        <translation>
            <numerusform>La pausa inizia tra %n secondo.</numerusform>
            <numerusform>La pausa inizia tra %n secondi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Step away for about %n minutes.</source>
        <translation>
            <numerusform>Allontanati per circa %n minuto.</numerusform>
            <numerusform>Allontanati per circa %n minuti.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatisticsWindowController</name>
    <message>
        <source>Tavelo Statistics</source>
        <translation>Statistiche di Tavelo</translation>
    </message>
</context>
<context>
    <name>UpdateService</name>
    <message>
        <source>Tavelo v%1 is ready to download.</source>
        <translation>Tavelo v%1 è pronto per il download.</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Aggiornamento disponibile</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Ricerca di aggiornamenti…</translation>
    </message>
    <message>
        <source>Tavelo is looking for a newer version.</source>
        <translation>Tavelo sta cercando una versione più recente.</translation>
    </message>
    <message>
        <source>Tavelo v%1 is the latest version.</source>
        <translation>Tavelo v%1 è la versione più recente.</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Tavelo è aggiornato</translation>
    </message>
    <message>
        <source>Update check failed</source>
        <translation>Ricerca di aggiornamenti non riuscita</translation>
    </message>
    <message>
        <source>Tavelo could not find out whether a newer version exists. Try again later.</source>
        <translation>Tavelo non è riuscito a scoprire se esiste una versione più recente. Riprova più tardi.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tavelo is already running.</source>
        <translation>Tavelo è già in esecuzione.</translation>
    </message>
</context>
<context>
    <name>tavelo::AppModel</name>
    <message>
        <source>Allow notifications when your desktop asks.</source>
        <translation>Consenti le notifiche quando il desktop lo chiede.</translation>
    </message>
    <message>
        <source>Opening Notification Settings…</source>
        <translation>Apertura delle impostazioni delle notifiche…</translation>
    </message>
    <message>
        <source>Notifications are on ✓</source>
        <translation>Le notifiche sono attive ✓</translation>
    </message>
    <message>
        <source>Notifications are not available on this desktop.</source>
        <translation>Le notifiche non sono disponibili su questo desktop.</translation>
    </message>
</context>
<context>
    <name>tavelo::AtomicFileWriter</name>
    <message>
        <source>Could not create the folder %1: %2</source>
        <translation>Impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayController</name>
    <message>
        <source>Tavelo break</source>
        <translation>Pausa di Tavelo</translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayPresentation</name>
    <message>
        <source>Break</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Pausa lunga</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>Micropausa</translation>
    </message>
    <message>
        <source>Step away from the screen. Move, blink, and breathe.</source>
        <translation>Allontanati dallo schermo. Muoviti, sbatti le palpebre e respira.</translation>
    </message>
    <message>
        <source>End Break</source>
        <translation>Termina pausa</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Esc postpones • Ctrl+↵ skips</source>
        <translation>Esc rimanda • Ctrl+↵ salta</translation>
    </message>
    <message>
        <source>Back at %1</source>
        <translation>Di nuovo alle %1</translation>
    </message>
    <message>
        <source>Break %1 of %2</source>
        <translation>Pausa %1 di %2</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds remaining</source>
        <translation>
            <numerusform>%n secondo rimanente</numerusform>
            <numerusform>%n secondi rimanenti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Postpone %n min</source>
        <translation>
            <numerusform>Rimanda di %n min</numerusform>
            <numerusform>Rimanda di %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Long break • %n focus sessions done</source>
        <translation>
            <numerusform>Pausa lunga • %n sessione completata</numerusform>
            <numerusform>Pausa lunga • %n sessioni completate</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayView</name>
    <message>
        <source>Break progress</source>
        <translation>Avanzamento della pausa</translation>
    </message>
</context>
<context>
    <name>tavelo::CommandLine</name>
    <message>
        <source>status: unknown option &apos;%1&apos;</source>
        <translation>status: opzione sconosciuta «%1»</translation>
    </message>
    <message>
        <source>pause: give one length at most</source>
        <translation>pause: indica al massimo una durata</translation>
    </message>
    <message>
        <source>pause: &apos;%1&apos; is not a length such as 90s, 15m or 1h, or &apos;indefinitely&apos;</source>
        <translation>pause: «%1» non è una durata come 90s, 15m o 1h, né «indefinitely»</translation>
    </message>
    <message>
        <source>break: give one kind at most</source>
        <translation>break: indica al massimo un tipo</translation>
    </message>
    <message>
        <source>break: &apos;%1&apos; is not &apos;micro&apos; or &apos;long&apos;</source>
        <translation>break: «%1» non è né «micro» né «long»</translation>
    </message>
    <message>
        <source>stats: unknown option &apos;%1&apos;</source>
        <translation>stats: opzione sconosciuta «%1»</translation>
    </message>
    <message>
        <source>stats: --days takes a number from 1 to %1</source>
        <translation>stats: --days accetta un numero da 1 a %1</translation>
    </message>
    <message>
        <source>--version takes no arguments</source>
        <translation>--version non accetta argomenti</translation>
    </message>
    <message>
        <source>%1: takes no arguments</source>
        <translation>%1: non accetta argomenti</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta «%1»</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando sconosciuto «%1»</translation>
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
        <translation>Uso: tavelo [COMANDO]
Senza comando, avvia Tavelo o apre il pannello di quello in esecuzione.

Comandi:
  status [--json] [--follow]   mostra il timer; --follow stampa una riga a ogni cambiamento
  pause [DURATA|indefinitely]  sospende per una durata come 90s, 15m o 1h30m,
                               o senza fine se non ne viene indicata una
  resume                       riprende il timer sospeso
  break [micro|long]           inizia subito una pausa (per impostazione predefinita la prossima)
  skip                         salta la pausa in corso o la prossima
  postpone                     rimanda la pausa in corso o la prossima
  reset                        riavvia il timer di concentrazione
  stats [--json] [--days N]    statistiche degli ultimi N giorni (7 per impostazione predefinita)
  --help                       mostra questo aiuto
  --version                    mostra la versione
</translation>
    </message>
    <message>
        <source>Nothing to do.</source>
        <translation>Niente da fare.</translation>
    </message>
    <message>
        <source>Tavelo is not running.</source>
        <translation>Tavelo non è in esecuzione.</translation>
    </message>
    <message>
        <source>Tavelo did not answer: %1</source>
        <translation>Tavelo non ha risposto: %1</translation>
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
        <translation>%1 h %2 min</translation>
    </message>
</context>
<context>
    <name>tavelo::FreedesktopNotificationCenter</name>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
</context>
<context>
    <name>tavelo::LaunchAtLoginError</name>
    <message>
        <source>Could not update login service: </source>
        <translation>Impossibile aggiornare il servizio di accesso: </translation>
    </message>
    <message>
        <source>Launch at login is available only when Tavelo is installed.</source>
        <translation>L&apos;avvio all&apos;accesso è disponibile solo se Tavelo è installato.</translation>
    </message>
    <message>
        <source>Missing application ID. Reinstall Tavelo with its desktop entry.</source>
        <translation>Identificativo dell&apos;applicazione mancante. Reinstalla Tavelo con la sua voce desktop.</translation>
    </message>
</context>
<context>
    <name>tavelo::LaunchAtLoginService</name>
    <message>
        <source>Install Tavelo to enable this option.</source>
        <translation>Installa Tavelo per attivare questa opzione.</translation>
    </message>
    <message>
        <source>Enabled. Approve in your desktop&apos;s startup settings if needed.</source>
        <translation>Attivato. Se necessario, approvalo nelle impostazioni di avvio del desktop.</translation>
    </message>
    <message>
        <source>Enabled via systemd user service fallback.</source>
        <translation>Attivato tramite il servizio utente systemd di riserva.</translation>
    </message>
    <message>
        <source>systemctl exit </source>
        <translation>codice di uscita di systemctl </translation>
    </message>
    <message numerus="yes">
        <source>systemctl did not finish within %n s and was stopped.</source>
        <translation>
            <numerusform>systemctl non è terminato entro %n s ed è stato fermato.</numerusform>
            <numerusform>systemctl non è terminato entro %n s ed è stato fermato.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingPresentation</name>
    <message>
        <source>Take breaks without thinking about them</source>
        <translation>Fai pause senza doverci pensare</translation>
    </message>
    <message>
        <source>Tavelo lives in your menu bar and alternates focus sessions with restorative breaks.</source>
        <translation>Tavelo vive nell&apos;area di stato e alterna sessioni di concentrazione a pause rigeneranti.</translation>
    </message>
    <message>
        <source>A rhythm that fits your day</source>
        <translation>Un ritmo adatto alla tua giornata</translation>
    </message>
    <message>
        <source>Your current schedule — change it anytime in Settings.</source>
        <translation>La tua pianificazione attuale: puoi cambiarla quando vuoi nelle Impostazioni.</translation>
    </message>
    <message>
        <source>You&apos;re always in control</source>
        <translation>Hai sempre il controllo</translation>
    </message>
    <message>
        <source>Breaks are firm but never trap you.</source>
        <translation>Le pause sono decise, ma non ti bloccano mai.</translation>
    </message>
    <message>
        <source>Skip the current break, or skip the upcoming one</source>
        <translation>Salta la pausa in corso o quella successiva</translation>
    </message>
    <message>
        <source>Step away freely</source>
        <translation>Allontanati liberamente</translation>
    </message>
    <message>
        <source>Only input timing is observed — never what you type.</source>
        <translation>Viene osservato solo quando digiti, mai cosa digiti.</translation>
    </message>
    <message>
        <source>The focus timer freezes while you&apos;re away</source>
        <translation>Il timer di concentrazione si ferma quando non ci sei</translation>
    </message>
    <message>
        <source>Stepping away during a break counts as taking it</source>
        <translation>Allontanarsi durante una pausa conta come averla fatta</translation>
    </message>
    <message>
        <source>Closing the lid pauses time — no ambush breaks on wake</source>
        <translation>Chiudere il portatile ferma il tempo: nessuna pausa a sorpresa al risveglio</translation>
    </message>
    <message>
        <source>Get a heads-up before each break</source>
        <translation>Un avviso prima di ogni pausa</translation>
    </message>
    <message>
        <source>Start Focusing</source>
        <translation>Inizia a concentrarti</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Go to step %1</source>
        <translation>Vai al passo %1</translation>
    </message>
    <message numerus="yes">
        <source>%n min of focus</source>
        <translation>
            <numerusform>%n min di concentrazione</numerusform>
            <numerusform>%n min di concentrazione</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sec microbreak to blink and breathe</source>
        <translation>
            <numerusform>Micropausa di %n s per sbattere le palpebre e respirare</numerusform>
            <numerusform>Micropausa di %n s per sbattere le palpebre e respirare</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n sessions, a %1 min long break</source>
        <translation>
            <numerusform>Ogni %n sessione, una pausa lunga di %1 min</numerusform>
            <numerusform>Ogni %n sessioni, una pausa lunga di %1 min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Postpone a break by %n min — Esc always postpones</source>
        <translation>
            <numerusform>Rimanda una pausa di %n min: Esc rimanda sempre</numerusform>
            <numerusform>Rimanda una pausa di %n min: Esc rimanda sempre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tavelo warns you %n seconds ahead so breaks never ambush you.</source>
        <translation>
            <numerusform>Tavelo ti avvisa %n secondo prima, così nessuna pausa ti coglie di sorpresa.</numerusform>
            <numerusform>Tavelo ti avvisa %n secondi prima, così nessuna pausa ti coglie di sorpresa.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pause for 5–60 minutes, or indefinitely</source>
        <translation>Sospendi per 5–60 minuti o a tempo indeterminato</translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingView</name>
    <message>
        <source>Enable Notifications</source>
        <translation>Attiva le notifiche</translation>
    </message>
    <message>
        <source>If notifications were denied, this opens System Settings instead.</source>
        <translation>Se le notifiche sono state negate, si aprono invece le impostazioni di sistema.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Skip tour</source>
        <translation>Salta il tour</translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingWindowController</name>
    <message>
        <source>Welcome to Tavelo</source>
        <translation>Benvenuto in Tavelo</translation>
    </message>
    <message>
        <source>What&apos;s New in Tavelo</source>
        <translation>Novità di Tavelo</translation>
    </message>
</context>
<context>
    <name>tavelo::PlatformStartup</name>
    <message>
        <source>no graphical display found (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>nessuno schermo grafico trovato (DISPLAY e WAYLAND_DISPLAY non sono impostate)</translation>
    </message>
</context>
<context>
    <name>tavelo::QtProcessRunner</name>
    <message>
        <source>Could not start %1: %2</source>
        <translation>Impossibile avviare %1: %2</translation>
    </message>
</context>
<context>
    <name>tavelo::ReleaseNotes</name>
    <message>
        <source>Idle-aware timing and a respectful break overlay</source>
        <translation>Tempi che tengono conto dell&apos;assenza e una schermata di pausa rispettosa</translation>
    </message>
    <message>
        <source>Focus timer freezes while you&apos;re away — no more ambush breaks after coffee.</source>
        <translation>Il timer di concentrazione si ferma quando non ci sei: basta pause a sorpresa dopo il caffè.</translation>
    </message>
    <message>
        <source>Stepping away during a break counts as taking it.</source>
        <translation>Allontanarsi durante una pausa conta come averla fatta.</translation>
    </message>
    <message>
        <source>Esc always postpones; fullscreen apps and screen shares are never interrupted.</source>
        <translation>Esc rimanda sempre; le app a schermo intero e le condivisioni dello schermo non vengono mai interrotte.</translation>
    </message>
    <message>
        <source>New Strict/Gentle break mode and idle-pause setting.</source>
        <translation>Nuova modalità di pausa rigida o delicata e impostazione di sospensione per inattività.</translation>
    </message>
    <message>
        <source>Welcome to Tavelo</source>
        <translation>Benvenuto in Tavelo</translation>
    </message>
    <message>
        <source>Focus, microbreak, and long-break scheduling from the menu bar.</source>
        <translation>Pianificazione di concentrazione, micropause e pause lunghe dall&apos;area di stato.</translation>
    </message>
    <message>
        <source>Fullscreen break overlay with skip and postpone.</source>
        <translation>Schermata di pausa a schermo intero con salta e rimanda.</translation>
    </message>
    <message>
        <source>Persistent settings and launch-at-login support.</source>
        <translation>Impostazioni persistenti e avvio all&apos;accesso.</translation>
    </message>
</context>
<context>
    <name>tavelo::SettingsView</name>
    <message>
        <source>Focus duration</source>
        <translation>Durata della concentrazione</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Microbreak duration</source>
        <translation>Durata della micropausa</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Long break duration</source>
        <translation>Durata della pausa lunga</translation>
    </message>
    <message>
        <source>Long break every</source>
        <translation>Pausa lunga ogni</translation>
    </message>
    <message>
        <source>sessions</source>
        <translation>sessioni</translation>
    </message>
    <message>
        <source>Postpone by</source>
        <translation>Rimanda di</translation>
    </message>
    <message>
        <source>Break warning</source>
        <translation>Avviso di pausa</translation>
    </message>
    <message>
        <source>0 = off</source>
        <translation>0 = disattivato</translation>
    </message>
    <message>
        <source>Pause when away</source>
        <translation>Sospendi in assenza</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>When no keyboard or mouse input is seen for this long, the focus timer freezes. Only input timing is observed, never content. 0 disables it.</source>
        <translation>Se per questo tempo non arriva alcun input da tastiera o mouse, il timer di concentrazione si ferma. Viene osservato solo quando c&apos;è input, mai il contenuto. 0 lo disattiva.</translation>
    </message>
    <message>
        <source>Tavelo Settings</source>
        <translation>Impostazioni di Tavelo</translation>
    </message>
    <message>
        <source>Changes apply to future intervals. Your current countdown is preserved.</source>
        <translation>Le modifiche valgono per gli intervalli futuri. Il conto alla rovescia attuale viene mantenuto.</translation>
    </message>
    <message>
        <source>Strict fullscreen breaks</source>
        <translation>Pause rigide a schermo intero</translation>
    </message>
    <message>
        <source>On: breaks cover every display and take focus. Off: breaks appear as normal windows and never steal focus. Esc always postpones.</source>
        <translation>Attivo: le pause coprono tutti gli schermi e prendono il focus. Disattivo: le pause compaiono come finestre normali e non rubano mai il focus. Esc rimanda sempre.</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Avvia all&apos;accesso</translation>
    </message>
    <message>
        <source>Changes applied.</source>
        <translation>Modifiche applicate.</translation>
    </message>
    <message>
        <source>Defaults restored.</source>
        <translation>Valori predefiniti ripristinati.</translation>
    </message>
    <message>
        <source>Could not save: %1.</source>
        <translation>Impossibile salvare: %1.</translation>
    </message>
    <message>
        <source>Launch-at-login updated.</source>
        <translation>Avvio all&apos;accesso aggiornato.</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Ripristinato</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>Applied</source>
        <translation>Applicato</translation>
    </message>
    <message>
        <source>Apply Changes</source>
        <translation>Applica modifiche</translation>
    </message>
</context>
<context>
    <name>tavelo::SettingsWindowController</name>
    <message>
        <source>Tavelo Settings</source>
        <translation>Impostazioni di Tavelo</translation>
    </message>
</context>
<context>
    <name>tavelo::StatisticsReport</name>
    <message>
        <source>%1 to %2</source>
        <translation>Dal %1 al %2</translation>
    </message>
    <message>
        <source>%1  taken %2, skipped %3, postponed %4, focus %5</source>
        <translation>%1  fatte %2, saltate %3, rimandate %4, concentrazione %5</translation>
    </message>
    <message>
        <source>Today, %1</source>
        <translation>Oggi, %1</translation>
    </message>
    <message>
        <source>Breaks taken: %1</source>
        <translation>Pause fatte: %1</translation>
    </message>
    <message>
        <source>Breaks skipped: %1</source>
        <translation>Pause saltate: %1</translation>
    </message>
    <message>
        <source>Breaks postponed: %1</source>
        <translation>Pause rimandate: %1</translation>
    </message>
    <message>
        <source>Breaks kept: %1</source>
        <translation>Pause rispettate: %1</translation>
    </message>
    <message>
        <source>Focus time: %1</source>
        <translation>Tempo di concentrazione: %1</translation>
    </message>
    <message>
        <source>Longest stretch without a break: %1</source>
        <translation>Tratto più lungo senza pause: %1</translation>
    </message>
</context>
<context>
    <name>tavelo::StatisticsView</name>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation>7 giorni</translation>
    </message>
    <message>
        <source>30 Days</source>
        <translation>30 giorni</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Esporta CSV…</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Fatte</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltate</translation>
    </message>
    <message>
        <source>Postponed</source>
        <translation>Rimandate</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Rispettate</translation>
    </message>
    <message>
        <source>Focus time</source>
        <translation>Tempo di concentrazione</translation>
    </message>
    <message>
        <source>Longest stretch</source>
        <translation>Tratto più lungo</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Breaks per day</source>
        <translation>Pause al giorno</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n giorno</numerusform>
            <numerusform>%n giorni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::StatsCommand</name>
    <message>
        <source>--days takes a number from 1 to 366.</source>
        <translation>--days accetta un numero da 1 a 366.</translation>
    </message>
    <message>
        <source>cannot read the history: </source>
        <translation>impossibile leggere la cronologia: </translation>
    </message>
</context>
<context>
    <name>tavelo::StatusItem</name>
    <message>
        <source>Open Tavelo</source>
        <translation>Apri Tavelo</translation>
    </message>
</context>
<context>
    <name>tavelo::StatusMenuPresentation</name>
    <message>
        <source>Break</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>Micropausa</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Pausa lunga</translation>
    </message>
    <message>
        <source>Tavelo %1</source>
        <translation>Tavelo %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Sospeso</translation>
    </message>
    <message>
        <source>Paused %1</source>
        <translation>Sospeso %1</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Assente</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Sospeso fino alle %1</translation>
    </message>
    <message>
        <source>Away — focus resumes when you&apos;re back</source>
        <translation>Assente: la concentrazione riprende quando torni</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 fino alle %2</translation>
    </message>
    <message>
        <source>Next: %1 at %2</source>
        <translation>Prossima: %1 alle %2</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>Timer sospeso</translation>
    </message>
    <message>
        <source>Timer paused · %1</source>
        <translation>Timer sospeso · %1</translation>
    </message>
    <message>
        <source>Away — timer frozen</source>
        <translation>Assente: timer fermo</translation>
    </message>
    <message>
        <source>Focus in progress</source>
        <translation>Concentrazione in corso</translation>
    </message>
    <message>
        <source>%1 in progress</source>
        <translation>%1 in corso</translation>
    </message>
    <message>
        <source>%1 ends in %2</source>
        <translation>%1 termina tra %2</translation>
    </message>
    <message>
        <source>Next: %1 in %2</source>
        <translation>Prossima: %1 tra %2</translation>
    </message>
    <message>
        <source>Paused — resumes in %1</source>
        <translation>Sospeso: riprende tra %1</translation>
    </message>
    <message>
        <source>Paused — timer frozen</source>
        <translation>Sospeso: timer fermo</translation>
    </message>
    <message>
        <source>Paused %1 ago — timer frozen</source>
        <translation>Sospeso da %1: timer fermo</translation>
    </message>
    <message>
        <source>Session %1 of %2 • %3 completed</source>
        <translation>Sessione %1 di %2 • %3 completate</translation>
    </message>
    <message>
        <source>Skip Current Break</source>
        <translation>Salta la pausa in corso</translation>
    </message>
    <message>
        <source>Skip Next Break (%1)</source>
        <translation>Salta la prossima pausa (%1)</translation>
    </message>
    <message>
        <source>Resume Timer (%1)</source>
        <translation>Riprendi il timer (%1)</translation>
    </message>
    <message>
        <source>Resume Timer</source>
        <translation>Riprendi il timer</translation>
    </message>
    <message>
        <source>Resume Timer (paused %1)</source>
        <translation>Riprendi il timer (sospeso da %1)</translation>
    </message>
    <message numerus="yes">
        <source>Postpone %n min</source>
        <translation>
            <numerusform>Rimanda di %n min</numerusform>
            <numerusform>Rimanda di %n min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::StatusMenuView</name>
    <message>
        <source>Pause 5 min</source>
        <translation>Sospendi 5 min</translation>
    </message>
    <message>
        <source>Pause 15 min</source>
        <translation>Sospendi 15 min</translation>
    </message>
    <message>
        <source>Pause 30 min</source>
        <translation>Sospendi 30 min</translation>
    </message>
    <message>
        <source>Pause 1 hr</source>
        <translation>Sospendi 1 ora</translation>
    </message>
    <message>
        <source>Pause Timer</source>
        <translation>Sospendi il timer</translation>
    </message>
    <message>
        <source>Pause Indefinitely</source>
        <translation>Sospendi a tempo indeterminato</translation>
    </message>
    <message>
        <source>Start Microbreak</source>
        <translation>Inizia micropausa</translation>
    </message>
    <message>
        <source>Start Long Break</source>
        <translation>Inizia pausa lunga</translation>
    </message>
    <message>
        <source>Reset Focus Timer</source>
        <translation>Azzera il timer di concentrazione</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statistiche…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Impostazioni…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Cerca aggiornamenti…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Take the Tour…</source>
        <translation>Fai il tour…</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Novità</translation>
    </message>
    <message>
        <source>Check now for a new version of Tavelo.</source>
        <translation>Cerca ora una nuova versione di Tavelo.</translation>
    </message>
    <message>
        <source>Update checks are unavailable outside an installed build.</source>
        <translation>La ricerca di aggiornamenti è disponibile solo in una versione installata.</translation>
    </message>
</context>
<context>
    <name>tavelo::StatusReport</name>
    <message>
        <source>Completed focus sessions: %1</source>
        <translation>Sessioni di concentrazione completate: %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Sospeso</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Assente</translation>
    </message>
    <message>
        <source>Break %1</source>
        <translation>Pausa %1</translation>
    </message>
    <message>
        <source>Tavelo is not running.</source>
        <translation>Tavelo non è in esecuzione.</translation>
    </message>
    <message numerus="yes">
        <source>Paused %n min</source>
        <translation>
            <numerusform>Sospeso %n min</numerusform>
            <numerusform>Sospeso %n min</numerusform>
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
        <translation>Impossibile rimuovere %1: %2</translation>
    </message>
</context>
<context>
    <name>tavelo::TimerControl</name>
    <message>
        <source>The timer is already paused. Resume it first.</source>
        <translation>Il timer è già sospeso. Riprendilo prima.</translation>
    </message>
    <message>
        <source>The timer is not paused.</source>
        <translation>Il timer non è sospeso.</translation>
    </message>
    <message>
        <source>Unknown kind of break &quot;%1&quot;: use &quot;micro&quot; or &quot;long&quot;.</source>
        <translation>Tipo di pausa sconosciuto «%1»: usa «micro» o «long».</translation>
    </message>
    <message>
        <source>This kind of break is already running.</source>
        <translation>Questo tipo di pausa è già in corso.</translation>
    </message>
    <message>
        <source>There is no panel to open.</source>
        <translation>Non c&apos;è alcun pannello da aprire.</translation>
    </message>
    <message numerus="yes">
        <source>A pause lasts from 1 second to 10 years (%n seconds), or 0 for no end.</source>
        <translation>
            <numerusform>Una sospensione dura da 1 secondo a 10 anni (%n secondo), oppure 0 per nessuna fine.</numerusform>
            <numerusform>Una sospensione dura da 1 secondo a 10 anni (%n secondi), oppure 0 per nessuna fine.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::WhatsNewView</name>
    <message>
        <source>Back to Focus</source>
        <translation>Torna alla concentrazione</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Novità</translation>
    </message>
    <message>
        <source>Tavelo just got better.</source>
        <translation>Tavelo è appena migliorato.</translation>
    </message>
    <message>
        <source>Version %1 — %2</source>
        <translation>Versione %1 — %2</translation>
    </message>
</context>
<context>
    <name>tavelo::XdgAutostartLoginItem</name>
    <message>
        <source>The user&apos;s configuration folder is unknown.</source>
        <translation>La cartella di configurazione dell&apos;utente è sconosciuta.</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>Impossibile rimuovere %1: %2</translation>
    </message>
</context>
</TS>
