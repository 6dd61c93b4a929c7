<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>NotificationService</name>
    <message>
        <source>about an hour</source>
        <translation>environ une heure</translation>
    </message>
    <message>
        <source>Break coming up</source>
        <translation>Pause imminente</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Longue pause</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>Micropause</translation>
    </message>
    <message>
        <source>Look away from your screen for a moment.</source>
        <translation>Détournez les yeux de l’écran un instant.</translation>
    </message>
    <message>
        <source>Break complete</source>
        <translation>Pause terminée</translation>
    </message>
    <message>
        <source>Focus session resumed.</source>
        <translation>La séance de concentration reprend.</translation>
    </message>
    <message>
        <source>Timer still paused</source>
        <translation>Minuteur toujours suspendu</translation>
    </message>
    <message>
        <source>You&apos;ve been paused for %1. Resume from the menu bar when you&apos;re ready.</source>
        <translation>Le minuteur est suspendu depuis %1. Reprenez depuis l’icône d’état quand vous êtes prêt.</translation>
    </message>
    <message>
        <source>Settings could not be read</source>
        <translation>Impossible de lire les réglages</translation>
    </message>
    <message>
        <source>Using the defaults. Your file was copied to %1.</source>
        <translation>Les valeurs par défaut sont utilisées. Votre fichier a été copié dans %1.</translation>
    </message>
    <message>
        <source>Tavelo is running</source>
        <translation>Tavelo est lancé</translation>
    </message>
    <message>
        <source>Your desktop shows no status icons. Launch Tavelo again from the applications menu to open it. On GNOME, the AppIndicator extension adds the icon.</source>
        <translation>Votre bureau n’affiche pas d’icônes d’état. Relancez Tavelo depuis le menu des applications pour l’ouvrir. Sous GNOME, l’extension AppIndicator ajoute l’icône.</translation>
    </message>
    <message>
        <source>Break history not saved</source>
        <translation>Historique des pauses non enregistré</translation>
    </message>
    <message>
        <source>Tavelo could not write %1. Your breaks go on as usual.</source>
        <translation>Tavelo n’a pas pu écrire %1. Vos pauses continuent normalement.</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <translation>
            <numerusform>environ %n heure</numerusform>
            <numerusform>environ %n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your break will start in %n seconds.</source>
        <translation>
            <numerusform>Votre pause commence dans %n seconde.</numerusform>
            <numerusform>Votre pause commence dans %n secondes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Step away for about %n minutes.</source>
        <translation>
            <numerusform>Éloignez-vous pendant environ %n minute.</numerusform>
            <numerusform>Éloignez-vous pendant environ %n minutes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatisticsWindowController</name>
    <message>
        <source>Tavelo Statistics</source>
        <translation>Statistiques de Tavelo</translation>
    </message>
</context>
<context>
    <name>UpdateService</name>
    <message>
        <source>Tavelo v%1 is ready to download.</source>
        <translation>Tavelo v%1 est prêt à être téléchargé.</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>Tavelo is looking for a newer version.</source>
        <translation>Tavelo cherche une version plus récente.</translation>
    </message>
    <message>
        <source>Tavelo v%1 is the latest version.</source>
        <translation>Tavelo v%1 est la dernière version.</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Tavelo est à jour</translation>
    </message>
    <message>
        <source>Update check failed</source>
        <translation>Échec de la recherche de mises à jour</translation>
    </message>
    <message>
        <source>Tavelo could not find out whether a newer version exists. Try again later.</source>
        <translation>Tavelo n’a pas pu savoir s’il existe une version plus récente. Réessayez plus tard.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tavelo is already running.</source>
        <translation>Tavelo est déjà lancé.</translation>
    </message>
</context>
<context>
    <name>tavelo::AppModel</name>
    <message>
        <source>Allow notifications when your desktop asks.</source>
        <translation>Autorisez les notifications quand votre bureau le demande.</translation>
    </message>
    <message>
        <source>Opening Notification Settings…</source>
        <translation>Ouverture des réglages des notifications…</translation>
    </message>
    <message>
        <source>Notifications are on ✓</source>
        <translation>Les notifications sont activées ✓</translation>
    </message>
    <message>
        <source>Notifications are not available on this desktop.</source>
        <translation>Les notifications ne sont pas disponibles sur ce bureau.</translation>
    </message>
</context>
<context>
    <name>tavelo::AtomicFileWriter</name>
    <message>
        <source>Could not create the folder %1: %2</source>
        <translation>Impossible de créer le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayController</name>
    <message>
        <source>Tavelo break</source>
        <translation>Pause Tavelo</translation>
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
        <translation>Longue pause</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>Micropause</translation>
    </message>
    <message>
        <source>Step away from the screen. Move, blink, and breathe.</source>
        <translation>Éloignez-vous de l’écran. Bougez, clignez des yeux et respirez.</translation>
    </message>
    <message>
        <source>End Break</source>
        <translation>Terminer la pause</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>Esc postpones • Ctrl+↵ skips</source>
        <translation>Échap reporte • Ctrl+↵ passe</translation>
    </message>
    <message>
        <source>Back at %1</source>
        <translation>Retour à %1</translation>
    </message>
    <message>
        <source>Break %1 of %2</source>
        <translation>Pause %1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds remaining</source>
        <translation>
            <numerusform>%n seconde restante</numerusform>
            <numerusform>%n secondes restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Postpone %n min</source>
        <translation>
            <numerusform>Reporter de %n min</numerusform>
            <numerusform>Reporter de %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Long break • %n focus sessions done</source>
        <translation>
            <numerusform>Longue pause • %n séance de concentration terminée</numerusform>
            <numerusform>Longue pause • %n séances de concentration terminées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayView</name>
    <message>
        <source>Break progress</source>
        <translation>Progression de la pause</translation>
    </message>
</context>
<context>
    <name>tavelo::CommandLine</name>
    <message>
        <source>status: unknown option &apos;%1&apos;</source>
        <translation>status&#xa0;: option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>pause: give one length at most</source>
        <translation>pause&#xa0;: une seule durée au plus</translation>
    </message>
    <message>
        <source>pause: &apos;%1&apos; is not a length such as 90s, 15m or 1h, or &apos;indefinitely&apos;</source>
        <translation>pause&#xa0;: «&#xa0;%1&#xa0;» n’est pas une durée comme 90s, 15m ou 1h, ni «&#xa0;indefinitely&#xa0;»</translation>
    </message>
    <message>
        <source>break: give one kind at most</source>
        <translation>break&#xa0;: un seul type au plus</translation>
    </message>
    <message>
        <source>break: &apos;%1&apos; is not &apos;micro&apos; or &apos;long&apos;</source>
        <translation>break&#xa0;: «&#xa0;%1&#xa0;» n’est ni «&#xa0;micro&#xa0;» ni «&#xa0;long&#xa0;»</translation>
    </message>
    <message>
        <source>stats: unknown option &apos;%1&apos;</source>
        <translation>stats&#xa0;: option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>stats: --days takes a number from 1 to %1</source>
        <translation>stats&#xa0;: --days attend un nombre de 1 à %1</translation>
    </message>
    <message>
        <source>--version takes no arguments</source>
        <translation>--version ne prend aucun argument</translation>
    </message>
    <message>
        <source>%1: takes no arguments</source>
        <translation>%1&#xa0;: ne prend aucun argument</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;»</translation>
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
        <translation>Utilisation&#xa0;: tavelo [COMMANDE]
Sans commande, lance Tavelo ou ouvre le panneau de l’instance en cours.

Commandes&#xa0;:
  status [--json] [--follow]   affiche le minuteur&#xa0;; --follow écrit une ligne à chaque changement
  pause [DURÉE|indefinitely]   suspend pour une durée comme 90s, 15m ou 1h30m,
                               ou sans fin si aucune n’est donnée
  resume                       reprend le minuteur suspendu
  break [micro|long]           commence une pause maintenant (par défaut la prochaine prévue)
  skip                         passe la pause en cours, ou la suivante
  postpone                     reporte la pause en cours, ou la suivante
  reset                        redémarre le minuteur de concentration
  stats [--json] [--days N]    statistiques des N derniers jours (7 par défaut)
  --help                       affiche cette aide
  --version                    affiche la version
</translation>
    </message>
    <message>
        <source>Nothing to do.</source>
        <translation>Rien à faire.</translation>
    </message>
    <message>
        <source>Tavelo is not running.</source>
        <translation>Tavelo n’est pas lancé.</translation>
    </message>
    <message>
        <source>Tavelo did not answer: %1</source>
        <translation>Tavelo n’a pas répondu&#xa0;: %1</translation>
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
        <translation>%1 h %2</translation>
    </message>
</context>
<context>
    <name>tavelo::FreedesktopNotificationCenter</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>tavelo::LaunchAtLoginError</name>
    <message>
        <source>Could not update login service: </source>
        <translation>Impossible de mettre à jour le service de connexion&#xa0;: </translation>
    </message>
    <message>
        <source>Launch at login is available only when Tavelo is installed.</source>
        <translation>Le lancement à la connexion n’est possible que si Tavelo est installé.</translation>
    </message>
    <message>
        <source>Missing application ID. Reinstall Tavelo with its desktop entry.</source>
        <translation>Identifiant d’application manquant. Réinstallez Tavelo avec son entrée de bureau.</translation>
    </message>
</context>
<context>
    <name>tavelo::LaunchAtLoginService</name>
    <message>
        <source>Install Tavelo to enable this option.</source>
        <translation>Installez Tavelo pour activer cette option.</translation>
    </message>
    <message>
        <source>Enabled. Approve in your desktop&apos;s startup settings if needed.</source>
        <translation>Activé. Confirmez dans les réglages de démarrage de votre bureau si nécessaire.</translation>
    </message>
    <message>
        <source>Enabled via systemd user service fallback.</source>
        <translation>Activé via un service utilisateur systemd de secours.</translation>
    </message>
    <message>
        <source>systemctl exit </source>
        <translation>code de sortie de systemctl </translation>
    </message>
    <message numerus="yes">
        <source>systemctl did not finish within %n s and was stopped.</source>
        <translation>
            <numerusform>systemctl ne s’est pas terminé en %n s et a été arrêté.</numerusform>
            <numerusform>systemctl ne s’est pas terminé en %n s et a été arrêté.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingPresentation</name>
    <message>
        <source>Take breaks without thinking about them</source>
        <translation>Faites des pauses sans y penser</translation>
    </message>
    <message>
        <source>Tavelo lives in your menu bar and alternates focus sessions with restorative breaks.</source>
        <translation>Tavelo vit dans la zone d’état et alterne séances de concentration et pauses réparatrices.</translation>
    </message>
    <message>
        <source>A rhythm that fits your day</source>
        <translation>Un rythme adapté à votre journée</translation>
    </message>
    <message>
        <source>Your current schedule — change it anytime in Settings.</source>
        <translation>Votre programme actuel — modifiable à tout moment dans les réglages.</translation>
    </message>
    <message>
        <source>You&apos;re always in control</source>
        <translation>Vous gardez toujours la main</translation>
    </message>
    <message>
        <source>Breaks are firm but never trap you.</source>
        <translation>Les pauses sont fermes, mais ne vous enferment jamais.</translation>
    </message>
    <message>
        <source>Skip the current break, or skip the upcoming one</source>
        <translation>Passer la pause en cours, ou la prochaine</translation>
    </message>
    <message>
        <source>Step away freely</source>
        <translation>Éloignez-vous librement</translation>
    </message>
    <message>
        <source>Only input timing is observed — never what you type.</source>
        <translation>Seul le moment des saisies est observé — jamais ce que vous tapez.</translation>
    </message>
    <message>
        <source>The focus timer freezes while you&apos;re away</source>
        <translation>Le minuteur de concentration se fige pendant votre absence</translation>
    </message>
    <message>
        <source>Stepping away during a break counts as taking it</source>
        <translation>S’éloigner pendant une pause compte comme l’avoir prise</translation>
    </message>
    <message>
        <source>Closing the lid pauses time — no ambush breaks on wake</source>
        <translation>Fermer l’écran suspend le temps — pas de pause surprise au réveil</translation>
    </message>
    <message>
        <source>Get a heads-up before each break</source>
        <translation>Soyez prévenu avant chaque pause</translation>
    </message>
    <message>
        <source>Start Focusing</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Go to step %1</source>
        <translation>Aller à l’étape %1</translation>
    </message>
    <message numerus="yes">
        <source>%n min of focus</source>
        <translation>
            <numerusform>%n min de concentration</numerusform>
            <numerusform>%n min de concentration</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sec microbreak to blink and breathe</source>
        <translation>
            <numerusform>Micropause de %n s pour cligner des yeux et respirer</numerusform>
            <numerusform>Micropause de %n s pour cligner des yeux et respirer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n sessions, a %1 min long break</source>
        <translation>
            <numerusform>Toutes les %n séance, une longue pause de %1 min</numerusform>
            <numerusform>Toutes les %n séances, une longue pause de %1 min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Postpone a break by %n min — Esc always postpones</source>
        <translation>
            <numerusform>Reporter une pause de %n min — Échap reporte toujours</numerusform>
            <numerusform>Reporter une pause de %n min — Échap reporte toujours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tavelo warns you %n seconds ahead so breaks never ambush you.</source>
        <translation>
            <numerusform>Tavelo vous prévient %n seconde à l’avance&#xa0;: aucune pause ne vous surprend.</numerusform>
            <numerusform>Tavelo vous prévient %n secondes à l’avance&#xa0;: aucune pause ne vous surprend.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pause for 5–60 minutes, or indefinitely</source>
        <translation>Suspendre 5 à 60 minutes, ou sans limite</translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingView</name>
    <message>
        <source>Enable Notifications</source>
        <translation>Activer les notifications</translation>
    </message>
    <message>
        <source>If notifications were denied, this opens System Settings instead.</source>
        <translation>Si les notifications ont été refusées, cela ouvre plutôt les paramètres système.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Skip tour</source>
        <translation>Passer la visite</translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingWindowController</name>
    <message>
        <source>Welcome to Tavelo</source>
        <translation>Bienvenue dans Tavelo</translation>
    </message>
    <message>
        <source>What&apos;s New in Tavelo</source>
        <translation>Nouveautés de Tavelo</translation>
    </message>
</context>
<context>
    <name>tavelo::PlatformStartup</name>
    <message>
        <source>no graphical display found (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>aucun affichage graphique trouvé (DISPLAY et WAYLAND_DISPLAY ne sont pas définies)</translation>
    </message>
</context>
<context>
    <name>tavelo::QtProcessRunner</name>
    <message>
        <source>Could not start %1: %2</source>
        <translation>Impossible de lancer %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>tavelo::ReleaseNotes</name>
    <message>
        <source>Idle-aware timing and a respectful break overlay</source>
        <translation>Un minutage attentif à votre absence et un écran de pause respectueux</translation>
    </message>
    <message>
        <source>Focus timer freezes while you&apos;re away — no more ambush breaks after coffee.</source>
        <translation>Le minuteur de concentration se fige pendant votre absence — fini les pauses surprises après le café.</translation>
    </message>
    <message>
        <source>Stepping away during a break counts as taking it.</source>
        <translation>S’éloigner pendant une pause compte comme l’avoir prise.</translation>
    </message>
    <message>
        <source>Esc always postpones; fullscreen apps and screen shares are never interrupted.</source>
        <translation>Échap reporte toujours&#xa0;; les applications en plein écran et les partages d’écran ne sont jamais interrompus.</translation>
    </message>
    <message>
        <source>New Strict/Gentle break mode and idle-pause setting.</source>
        <translation>Nouveau mode de pause strict ou doux et réglage de suspension en cas d’absence.</translation>
    </message>
    <message>
        <source>Welcome to Tavelo</source>
        <translation>Bienvenue dans Tavelo</translation>
    </message>
    <message>
        <source>Focus, microbreak, and long-break scheduling from the menu bar.</source>
        <translation>Planification des séances de concentration, micropauses et longues pauses depuis la zone d’état.</translation>
    </message>
    <message>
        <source>Fullscreen break overlay with skip and postpone.</source>
        <translation>Écran de pause en plein écran, avec Passer et Reporter.</translation>
    </message>
    <message>
        <source>Persistent settings and launch-at-login support.</source>
        <translation>Réglages persistants et lancement à la connexion.</translation>
    </message>
</context>
<context>
    <name>tavelo::SettingsView</name>
    <message>
        <source>Focus duration</source>
        <translation>Durée de concentration</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Microbreak duration</source>
        <translation>Durée de la micropause</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Long break duration</source>
        <translation>Durée de la longue pause</translation>
    </message>
    <message>
        <source>Long break every</source>
        <translation>Longue pause toutes les</translation>
    </message>
    <message>
        <source>sessions</source>
        <translation>séances</translation>
    </message>
    <message>
        <source>Postpone by</source>
        <translation>Reporter de</translation>
    </message>
    <message>
        <source>Break warning</source>
        <translation>Avertissement de pause</translation>
    </message>
    <message>
        <source>0 = off</source>
        <translation>0 = désactivé</translation>
    </message>
    <message>
        <source>Pause when away</source>
        <translation>Suspendre en cas d’absence</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>When no keyboard or mouse input is seen for this long, the focus timer freezes. Only input timing is observed, never content. 0 disables it.</source>
        <translation>Sans saisie au clavier ou à la souris pendant cette durée, le minuteur de concentration se fige. Seul le moment des saisies est observé, jamais leur contenu. 0 désactive la fonction.</translation>
    </message>
    <message>
        <source>Tavelo Settings</source>
        <translation>Réglages de Tavelo</translation>
    </message>
    <message>
        <source>Changes apply to future intervals. Your current countdown is preserved.</source>
        <translation>Les changements s’appliquent aux prochains intervalles. Le compte à rebours en cours est conservé.</translation>
    </message>
    <message>
        <source>Strict fullscreen breaks</source>
        <translation>Pauses strictes en plein écran</translation>
    </message>
    <message>
        <source>On: breaks cover every display and take focus. Off: breaks appear as normal windows and never steal focus. Esc always postpones.</source>
        <translation>Activé&#xa0;: les pauses couvrent tous les écrans et prennent le focus. Désactivé&#xa0;: les pauses s’affichent dans des fenêtres normales et ne volent jamais le focus. Échap reporte toujours.</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Lancer à la connexion</translation>
    </message>
    <message>
        <source>Changes applied.</source>
        <translation>Changements appliqués.</translation>
    </message>
    <message>
        <source>Defaults restored.</source>
        <translation>Valeurs par défaut rétablies.</translation>
    </message>
    <message>
        <source>Could not save: %1.</source>
        <translation>Enregistrement impossible&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Launch-at-login updated.</source>
        <translation>Lancement à la connexion mis à jour.</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Rétabli</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>Applied</source>
        <translation>Appliqué</translation>
    </message>
    <message>
        <source>Apply Changes</source>
        <translation>Appliquer</translation>
    </message>
</context>
<context>
    <name>tavelo::SettingsWindowController</name>
    <message>
        <source>Tavelo Settings</source>
        <translation>Réglages de Tavelo</translation>
    </message>
</context>
<context>
    <name>tavelo::StatisticsReport</name>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>%1  taken %2, skipped %3, postponed %4, focus %5</source>
        <translation>%1  prises %2, passées %3, reportées %4, concentration %5</translation>
    </message>
    <message>
        <source>Today, %1</source>
        <translation>Aujourd’hui, %1</translation>
    </message>
    <message>
        <source>Breaks taken: %1</source>
        <translation>Pauses prises&#xa0;: %1</translation>
    </message>
    <message>
        <source>Breaks skipped: %1</source>
        <translation>Pauses passées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Breaks postponed: %1</source>
        <translation>Pauses reportées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Breaks kept: %1</source>
        <translation>Pauses respectées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Focus time: %1</source>
        <translation>Temps de concentration&#xa0;: %1</translation>
    </message>
    <message>
        <source>Longest stretch without a break: %1</source>
        <translation>Plus longue période sans pause&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>tavelo::StatisticsView</name>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation>7 jours</translation>
    </message>
    <message>
        <source>30 Days</source>
        <translation>30 jours</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Prises</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Passées</translation>
    </message>
    <message>
        <source>Postponed</source>
        <translation>Reportées</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Respectées</translation>
    </message>
    <message>
        <source>Focus time</source>
        <translation>Temps de concentration</translation>
    </message>
    <message>
        <source>Longest stretch</source>
        <translation>Plus longue période</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Breaks per day</source>
        <translation>Pauses par jour</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::StatsCommand</name>
    <message>
        <source>--days takes a number from 1 to 366.</source>
        <translation>--days attend un nombre de 1 à 366.</translation>
    </message>
    <message>
        <source>cannot read the history: </source>
        <translation>impossible de lire l’historique&#xa0;: </translation>
    </message>
</context>
<context>
    <name>tavelo::StatusItem</name>
    <message>
        <source>Open Tavelo</source>
        <translation>Ouvrir Tavelo</translation>
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
        <translation>Micropause</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Longue pause</translation>
    </message>
    <message>
        <source>Tavelo %1</source>
        <translation>Tavelo %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Suspendu</translation>
    </message>
    <message>
        <source>Paused %1</source>
        <translation>Suspendu %1</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Absent</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Suspendu jusqu’à %1</translation>
    </message>
    <message>
        <source>Away — focus resumes when you&apos;re back</source>
        <translation>Absent — la concentration reprend à votre retour</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 jusqu’à %2</translation>
    </message>
    <message>
        <source>Next: %1 at %2</source>
        <translation>Prochaine&#xa0;: %1 à %2</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>Minuteur suspendu</translation>
    </message>
    <message>
        <source>Timer paused · %1</source>
        <translation>Minuteur suspendu · %1</translation>
    </message>
    <message>
        <source>Away — timer frozen</source>
        <translation>Absent — minuteur figé</translation>
    </message>
    <message>
        <source>Focus in progress</source>
        <translation>Concentration en cours</translation>
    </message>
    <message>
        <source>%1 in progress</source>
        <translation>%1 en cours</translation>
    </message>
    <message>
        <source>%1 ends in %2</source>
        <translation>%1 se termine dans %2</translation>
    </message>
    <message>
        <source>Next: %1 in %2</source>
        <translation>Prochaine&#xa0;: %1 dans %2</translation>
    </message>
    <message>
        <source>Paused — resumes in %1</source>
        <translation>Suspendu — reprise dans %1</translation>
    </message>
    <message>
        <source>Paused — timer frozen</source>
        <translation>Suspendu — minuteur figé</translation>
    </message>
    <message>
        <source>Paused %1 ago — timer frozen</source>
        <translation>Suspendu depuis %1 — minuteur figé</translation>
    </message>
    <message>
        <source>Session %1 of %2 • %3 completed</source>
        <translation>Séance %1 sur %2 • %3 terminées</translation>
    </message>
    <message>
        <source>Skip Current Break</source>
        <translation>Passer la pause en cours</translation>
    </message>
    <message>
        <source>Skip Next Break (%1)</source>
        <translation>Passer la prochaine pause (%1)</translation>
    </message>
    <message>
        <source>Resume Timer (%1)</source>
        <translation>Reprendre le minuteur (%1)</translation>
    </message>
    <message>
        <source>Resume Timer</source>
        <translation>Reprendre le minuteur</translation>
    </message>
    <message>
        <source>Resume Timer (paused %1)</source>
        <translation>Reprendre le minuteur (suspendu depuis %1)</translation>
    </message>
    <message numerus="yes">
        <source>Postpone %n min</source>
        <translation>
            <numerusform>Reporter de %n min</numerusform>
            <numerusform>Reporter de %n min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::StatusMenuView</name>
    <message>
        <source>Pause 5 min</source>
        <translation>Suspendre 5 min</translation>
    </message>
    <message>
        <source>Pause 15 min</source>
        <translation>Suspendre 15 min</translation>
    </message>
    <message>
        <source>Pause 30 min</source>
        <translation>Suspendre 30 min</translation>
    </message>
    <message>
        <source>Pause 1 hr</source>
        <translation>Suspendre 1 h</translation>
    </message>
    <message>
        <source>Pause Timer</source>
        <translation>Suspendre le minuteur</translation>
    </message>
    <message>
        <source>Pause Indefinitely</source>
        <translation>Suspendre sans limite</translation>
    </message>
    <message>
        <source>Start Microbreak</source>
        <translation>Commencer une micropause</translation>
    </message>
    <message>
        <source>Start Long Break</source>
        <translation>Commencer une longue pause</translation>
    </message>
    <message>
        <source>Reset Focus Timer</source>
        <translation>Réinitialiser le minuteur</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statistiques…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Réglages…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Take the Tour…</source>
        <translation>Faire la visite…</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Nouveautés</translation>
    </message>
    <message>
        <source>Check now for a new version of Tavelo.</source>
        <translation>Rechercher maintenant une nouvelle version de Tavelo.</translation>
    </message>
    <message>
        <source>Update checks are unavailable outside an installed build.</source>
        <translation>La recherche de mises à jour n’est disponible que dans une version installée.</translation>
    </message>
</context>
<context>
    <name>tavelo::StatusReport</name>
    <message>
        <source>Completed focus sessions: %1</source>
        <translation>Séances de concentration terminées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Suspendu</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Absent</translation>
    </message>
    <message>
        <source>Break %1</source>
        <translation>Pause %1</translation>
    </message>
    <message>
        <source>Tavelo is not running.</source>
        <translation>Tavelo n’est pas lancé.</translation>
    </message>
    <message numerus="yes">
        <source>Paused %n min</source>
        <translation>
            <numerusform>Suspendu %n min</numerusform>
            <numerusform>Suspendu %n min</numerusform>
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
        <translation>Impossible de supprimer %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>tavelo::TimerControl</name>
    <message>
        <source>The timer is already paused. Resume it first.</source>
        <translation>Le minuteur est déjà suspendu. Reprenez-le d’abord.</translation>
    </message>
    <message>
        <source>The timer is not paused.</source>
        <translation>Le minuteur n’est pas suspendu.</translation>
    </message>
    <message>
        <source>Unknown kind of break &quot;%1&quot;: use &quot;micro&quot; or &quot;long&quot;.</source>
        <translation>Type de pause inconnu «&#xa0;%1&#xa0;»&#xa0;: utilisez «&#xa0;micro&#xa0;» ou «&#xa0;long&#xa0;».</translation>
    </message>
    <message>
        <source>This kind of break is already running.</source>
        <translation>Ce type de pause est déjà en cours.</translation>
    </message>
    <message>
        <source>There is no panel to open.</source>
        <translation>Il n’y a pas de panneau à ouvrir.</translation>
    </message>
    <message numerus="yes">
        <source>A pause lasts from 1 second to 10 years (%n seconds), or 0 for no end.</source>
        <translation>
            <numerusform>Une suspension dure de 1 seconde à 10 ans (%n seconde), ou 0 pour sans fin.</numerusform>
            <numerusform>Une suspension dure de 1 seconde à 10 ans (%n secondes), ou 0 pour sans fin.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::WhatsNewView</name>
    <message>
        <source>Back to Focus</source>
        <translation>Retour à la concentration</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Nouveautés</translation>
    </message>
    <message>
        <source>Tavelo just got better.</source>
        <translation>Tavelo s’est encore amélioré.</translation>
    </message>
    <message>
        <source>Version %1 — %2</source>
        <translation>Version %1 — %2</translation>
    </message>
</context>
<context>
    <name>tavelo::XdgAutostartLoginItem</name>
    <message>
        <source>The user&apos;s configuration folder is unknown.</source>
        <translation>Le dossier de configuration de l’utilisateur est inconnu.</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>Impossible de supprimer %1&#xa0;: %2</translation>
    </message>
</context>
</TS>
