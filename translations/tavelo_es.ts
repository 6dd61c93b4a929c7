<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>NotificationService</name>
    <message>
        <source>about an hour</source>
        <translation>alrededor de una hora</translation>
    </message>
    <message>
        <source>Break coming up</source>
        <translation>Se acerca un descanso</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Descanso largo</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>Microdescanso</translation>
    </message>
    <message>
        <source>Look away from your screen for a moment.</source>
        <translation>Aparta la vista de la pantalla un momento.</translation>
    </message>
    <message>
        <source>Break complete</source>
        <translation>Descanso completado</translation>
    </message>
    <message>
        <source>Focus session resumed.</source>
        <translation>La sesión de concentración continúa.</translation>
    </message>
    <message>
        <source>Timer still paused</source>
        <translation>El temporizador sigue en pausa</translation>
    </message>
    <message>
        <source>You&apos;ve been paused for %1. Resume from the menu bar when you&apos;re ready.</source>
        <translation>Llevas %1 en pausa. Reanuda desde el icono de estado cuando quieras.</translation>
    </message>
    <message>
        <source>Settings could not be read</source>
        <translation>No se pudieron leer los ajustes</translation>
    </message>
    <message>
        <source>Using the defaults. Your file was copied to %1.</source>
        <translation>Se usan los valores predeterminados. Tu archivo se copió en %1.</translation>
    </message>
    <message>
        <source>Tavelo is running</source>
        <translation>Tavelo está en marcha</translation>
    </message>
    <message>
        <source>Your desktop shows no status icons. Launch Tavelo again from the applications menu to open it. On GNOME, the AppIndicator extension adds the icon.</source>
        <translation>Tu escritorio no muestra iconos de estado. Vuelve a abrir Tavelo desde el menú de aplicaciones para verlo. En GNOME, la extensión AppIndicator añade el icono.</translation>
    </message>
    <message>
        <source>Break history not saved</source>
        <translation>Historial de descansos no guardado</translation>
    </message>
    <message>
        <source>Tavelo could not write %1. Your breaks go on as usual.</source>
        <translation>Tavelo no pudo escribir %1. Tus descansos siguen como siempre.</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <translation>
            <numerusform>alrededor de %n hora</numerusform>
            <numerusform>alrededor de %n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your break will start in %n seconds.</source>
        <translation>
            <numerusform>Tu descanso empieza en %n segundo.</numerusform>
            <numerusform>Tu descanso empieza en %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Step away for about %n minutes.</source>
        <translation>
            <numerusform>Aléjate durante unos %n minuto.</numerusform>
            <numerusform>Aléjate durante unos %n minutos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatisticsWindowController</name>
    <message>
        <source>Tavelo Statistics</source>
        <translation>Estadísticas de Tavelo</translation>
    </message>
</context>
<context>
    <name>UpdateService</name>
    <message>
        <source>Tavelo v%1 is ready to download.</source>
        <translation>Tavelo v%1 está listo para descargar.</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Actualización disponible</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message>
        <source>Tavelo is looking for a newer version.</source>
        <translation>Tavelo está buscando una versión más reciente.</translation>
    </message>
    <message>
        <source>Tavelo v%1 is the latest version.</source>
        <translation>Tavelo v%1 es la versión más reciente.</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Está todo al día</translation>
    </message>
    <message>
        <source>Update check failed</source>
        <translation>Error al buscar actualizaciones</translation>
    </message>
    <message>
        <source>Tavelo could not find out whether a newer version exists. Try again later.</source>
        <translation>Tavelo no pudo averiguar si existe una versión más reciente. Inténtalo más tarde.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tavelo is already running.</source>
        <translation>Tavelo ya está en marcha.</translation>
    </message>
</context>
<context>
    <name>tavelo::AppModel</name>
    <message>
        <source>Allow notifications when your desktop asks.</source>
        <translation>Permite las notificaciones cuando tu escritorio lo pida.</translation>
    </message>
    <message>
        <source>Opening Notification Settings…</source>
        <translation>Abriendo los ajustes de notificaciones…</translation>
    </message>
    <message>
        <source>Notifications are on ✓</source>
        <translation>Las notificaciones están activadas ✓</translation>
    </message>
    <message>
        <source>Notifications are not available on this desktop.</source>
        <translation>Las notificaciones no están disponibles en este escritorio.</translation>
    </message>
</context>
<context>
    <name>tavelo::AtomicFileWriter</name>
    <message>
        <source>Could not create the folder %1: %2</source>
        <translation>No se pudo crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayController</name>
    <message>
        <source>Tavelo break</source>
        <translation>Descanso de Tavelo</translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayPresentation</name>
    <message>
        <source>Break</source>
        <translation>Descanso</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Descanso largo</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>Microdescanso</translation>
    </message>
    <message>
        <source>Step away from the screen. Move, blink, and breathe.</source>
        <translation>Aléjate de la pantalla. Muévete, parpadea y respira.</translation>
    </message>
    <message>
        <source>End Break</source>
        <translation>Terminar descanso</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Esc postpones • Ctrl+↵ skips</source>
        <translation>Esc pospone • Ctrl+↵ omite</translation>
    </message>
    <message>
        <source>Back at %1</source>
        <translation>De vuelta a las %1</translation>
    </message>
    <message>
        <source>Break %1 of %2</source>
        <translation>Descanso %1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds remaining</source>
        <translation>
            <numerusform>Queda %n segundo</numerusform>
            <numerusform>Quedan %n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Postpone %n min</source>
        <translation>
            <numerusform>Posponer %n min</numerusform>
            <numerusform>Posponer %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Long break • %n focus sessions done</source>
        <translation>
            <numerusform>Descanso largo • %n sesión completada</numerusform>
            <numerusform>Descanso largo • %n sesiones completadas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayView</name>
    <message>
        <source>Break progress</source>
        <translation>Progreso del descanso</translation>
    </message>
</context>
<context>
    <name>tavelo::CommandLine</name>
    <message>
        <source>status: unknown option &apos;%1&apos;</source>
        <translation>status: opción desconocida «%1»</translation>
    </message>
    <message>
        <source>pause: give one length at most</source>
        <translation>pause: indica como mucho una duración</translation>
    </message>
    <message>
        <source>pause: &apos;%1&apos; is not a length such as 90s, 15m or 1h, or &apos;indefinitely&apos;</source>
        <translation>pause: «%1» no es una duración como 90s, 15m o 1h, ni «indefinitely»</translation>
    </message>
    <message>
        <source>break: give one kind at most</source>
        <translation>break: indica como mucho un tipo</translation>
    </message>
    <message>
        <source>break: &apos;%1&apos; is not &apos;micro&apos; or &apos;long&apos;</source>
        <translation>break: «%1» no es «micro» ni «long»</translation>
    </message>
    <message>
        <source>stats: unknown option &apos;%1&apos;</source>
        <translation>stats: opción desconocida «%1»</translation>
    </message>
    <message>
        <source>stats: --days takes a number from 1 to %1</source>
        <translation>stats: --days admite un número del 1 al %1</translation>
    </message>
    <message>
        <source>--version takes no arguments</source>
        <translation>--version no admite argumentos</translation>
    </message>
    <message>
        <source>%1: takes no arguments</source>
        <translation>%1: no admite argumentos</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>orden desconocida «%1»</translation>
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
        <translation>Uso: tavelo [ORDEN]
Sin orden, inicia Tavelo o abre el panel del que ya está en marcha.

Órdenes:
  status [--json] [--follow]   muestra el temporizador; --follow escribe una línea por cambio
  pause [DURACIÓN|indefinitely] pausa durante un tiempo como 90s, 15m o 1h30m,
                               o sin fin si no se indica ninguno
  resume                       reanuda el temporizador en pausa
  break [micro|long]           empieza un descanso ahora (por defecto, el siguiente)
  skip                         omite el descanso actual o el siguiente
  postpone                     pospone el descanso actual o el siguiente
  reset                        reinicia el temporizador de concentración
  stats [--json] [--days N]    estadísticas de los últimos N días (7 por defecto)
  --help                       muestra esta ayuda
  --version                    muestra la versión
</translation>
    </message>
    <message>
        <source>Nothing to do.</source>
        <translation>Nada que hacer.</translation>
    </message>
    <message>
        <source>Tavelo is not running.</source>
        <translation>Tavelo no está en marcha.</translation>
    </message>
    <message>
        <source>Tavelo did not answer: %1</source>
        <translation>Tavelo no respondió: %1</translation>
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
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>tavelo::LaunchAtLoginError</name>
    <message>
        <source>Could not update login service: </source>
        <translation>No se pudo actualizar el servicio de inicio de sesión: </translation>
    </message>
    <message>
        <source>Launch at login is available only when Tavelo is installed.</source>
        <translation>Iniciar al arrancar la sesión solo está disponible si Tavelo está instalado.</translation>
    </message>
    <message>
        <source>Missing application ID. Reinstall Tavelo with its desktop entry.</source>
        <translation>Falta el identificador de la aplicación. Reinstala Tavelo con su entrada de escritorio.</translation>
    </message>
</context>
<context>
    <name>tavelo::LaunchAtLoginService</name>
    <message>
        <source>Install Tavelo to enable this option.</source>
        <translation>Instala Tavelo para activar esta opción.</translation>
    </message>
    <message>
        <source>Enabled. Approve in your desktop&apos;s startup settings if needed.</source>
        <translation>Activado. Apruébalo en los ajustes de inicio de tu escritorio si hace falta.</translation>
    </message>
    <message>
        <source>Enabled via systemd user service fallback.</source>
        <translation>Activado mediante un servicio de usuario de systemd alternativo.</translation>
    </message>
    <message>
        <source>systemctl exit </source>
        <translation>código de salida de systemctl </translation>
    </message>
    <message numerus="yes">
        <source>systemctl did not finish within %n s and was stopped.</source>
        <translation>
            <numerusform>systemctl no terminó en %n s y se detuvo.</numerusform>
            <numerusform>systemctl no terminó en %n s y se detuvo.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingPresentation</name>
    <message>
        <source>Take breaks without thinking about them</source>
        <translation>Descansa sin tener que pensar en ello</translation>
    </message>
    <message>
        <source>Tavelo lives in your menu bar and alternates focus sessions with restorative breaks.</source>
        <translation>Tavelo vive en el área de estado y alterna sesiones de concentración con descansos reparadores.</translation>
    </message>
    <message>
        <source>A rhythm that fits your day</source>
        <translation>Un ritmo que encaja con tu día</translation>
    </message>
    <message>
        <source>Your current schedule — change it anytime in Settings.</source>
        <translation>Tu horario actual: cámbialo cuando quieras en Ajustes.</translation>
    </message>
    <message>
        <source>You&apos;re always in control</source>
        <translation>Siempre tienes el control</translation>
    </message>
    <message>
        <source>Breaks are firm but never trap you.</source>
        <translation>Los descansos son firmes, pero nunca te atrapan.</translation>
    </message>
    <message>
        <source>Skip the current break, or skip the upcoming one</source>
        <translation>Omitir el descanso actual o el siguiente</translation>
    </message>
    <message>
        <source>Step away freely</source>
        <translation>Aléjate con libertad</translation>
    </message>
    <message>
        <source>Only input timing is observed — never what you type.</source>
        <translation>Solo se observa cuándo hay actividad, nunca lo que escribes.</translation>
    </message>
    <message>
        <source>The focus timer freezes while you&apos;re away</source>
        <translation>El temporizador de concentración se congela mientras no estás</translation>
    </message>
    <message>
        <source>Stepping away during a break counts as taking it</source>
        <translation>Alejarte durante un descanso cuenta como tomarlo</translation>
    </message>
    <message>
        <source>Closing the lid pauses time — no ambush breaks on wake</source>
        <translation>Cerrar la tapa detiene el tiempo: sin descansos por sorpresa al despertar</translation>
    </message>
    <message>
        <source>Get a heads-up before each break</source>
        <translation>Recibe un aviso antes de cada descanso</translation>
    </message>
    <message>
        <source>Start Focusing</source>
        <translation>Empezar a concentrarse</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Go to step %1</source>
        <translation>Ir al paso %1</translation>
    </message>
    <message numerus="yes">
        <source>%n min of focus</source>
        <translation>
            <numerusform>%n min de concentración</numerusform>
            <numerusform>%n min de concentración</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sec microbreak to blink and breathe</source>
        <translation>
            <numerusform>Microdescanso de %n s para parpadear y respirar</numerusform>
            <numerusform>Microdescanso de %n s para parpadear y respirar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n sessions, a %1 min long break</source>
        <translation>
            <numerusform>Cada %n sesión, un descanso largo de %1 min</numerusform>
            <numerusform>Cada %n sesiones, un descanso largo de %1 min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Postpone a break by %n min — Esc always postpones</source>
        <translation>
            <numerusform>Pospón un descanso %n min; Esc siempre pospone</numerusform>
            <numerusform>Pospón un descanso %n min; Esc siempre pospone</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tavelo warns you %n seconds ahead so breaks never ambush you.</source>
        <translation>
            <numerusform>Tavelo te avisa %n segundo antes para que ningún descanso te pille por sorpresa.</numerusform>
            <numerusform>Tavelo te avisa %n segundos antes para que ningún descanso te pille por sorpresa.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pause for 5–60 minutes, or indefinitely</source>
        <translation>Pausar de 5 a 60 minutos o indefinidamente</translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingView</name>
    <message>
        <source>Enable Notifications</source>
        <translation>Activar notificaciones</translation>
    </message>
    <message>
        <source>If notifications were denied, this opens System Settings instead.</source>
        <translation>Si se denegaron las notificaciones, esto abre la configuración del sistema.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Skip tour</source>
        <translation>Saltar la visita</translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingWindowController</name>
    <message>
        <source>Welcome to Tavelo</source>
        <translation>Te damos la bienvenida a Tavelo</translation>
    </message>
    <message>
        <source>What&apos;s New in Tavelo</source>
        <translation>Novedades de Tavelo</translation>
    </message>
</context>
<context>
    <name>tavelo::PlatformStartup</name>
    <message>
        <source>no graphical display found (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>no se encontró ninguna pantalla gráfica (DISPLAY y WAYLAND_DISPLAY no están definidas)</translation>
    </message>
</context>
<context>
    <name>tavelo::QtProcessRunner</name>
    <message>
        <source>Could not start %1: %2</source>
        <translation>No se pudo iniciar %1: %2</translation>
    </message>
</context>
<context>
    <name>tavelo::ReleaseNotes</name>
    <message>
        <source>Idle-aware timing and a respectful break overlay</source>
        <translation>Tiempo que tiene en cuenta tu ausencia y una pantalla de descanso respetuosa</translation>
    </message>
    <message>
        <source>Focus timer freezes while you&apos;re away — no more ambush breaks after coffee.</source>
        <translation>El temporizador de concentración se congela mientras no estás: se acabaron los descansos por sorpresa después del café.</translation>
    </message>
    <message>
        <source>Stepping away during a break counts as taking it.</source>
        <translation>Alejarte durante un descanso cuenta como tomarlo.</translation>
    </message>
    <message>
        <source>Esc always postpones; fullscreen apps and screen shares are never interrupted.</source>
        <translation>Esc siempre pospone; las aplicaciones a pantalla completa y las pantallas compartidas nunca se interrumpen.</translation>
    </message>
    <message>
        <source>New Strict/Gentle break mode and idle-pause setting.</source>
        <translation>Nuevo modo de descanso estricto o suave y ajuste de pausa por ausencia.</translation>
    </message>
    <message>
        <source>Welcome to Tavelo</source>
        <translation>Te damos la bienvenida a Tavelo</translation>
    </message>
    <message>
        <source>Focus, microbreak, and long-break scheduling from the menu bar.</source>
        <translation>Planificación de concentración, microdescansos y descansos largos desde el área de estado.</translation>
    </message>
    <message>
        <source>Fullscreen break overlay with skip and postpone.</source>
        <translation>Pantalla de descanso completa con omitir y posponer.</translation>
    </message>
    <message>
        <source>Persistent settings and launch-at-login support.</source>
        <translation>Ajustes persistentes e inicio al arrancar la sesión.</translation>
    </message>
</context>
<context>
    <name>tavelo::SettingsView</name>
    <message>
        <source>Focus duration</source>
        <translation>Duración de la concentración</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Microbreak duration</source>
        <translation>Duración del microdescanso</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Long break duration</source>
        <translation>Duración del descanso largo</translation>
    </message>
    <message>
        <source>Long break every</source>
        <translation>Descanso largo cada</translation>
    </message>
    <message>
        <source>sessions</source>
        <translation>sesiones</translation>
    </message>
    <message>
        <source>Postpone by</source>
        <translation>Posponer</translation>
    </message>
    <message>
        <source>Break warning</source>
        <translation>Aviso de descanso</translation>
    </message>
    <message>
        <source>0 = off</source>
        <translation>0 = desactivado</translation>
    </message>
    <message>
        <source>Pause when away</source>
        <translation>Pausar en ausencia</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>When no keyboard or mouse input is seen for this long, the focus timer freezes. Only input timing is observed, never content. 0 disables it.</source>
        <translation>Si no hay actividad de teclado o ratón durante este tiempo, el temporizador de concentración se congela. Solo se observa cuándo hay actividad, nunca el contenido. 0 lo desactiva.</translation>
    </message>
    <message>
        <source>Tavelo Settings</source>
        <translation>Ajustes de Tavelo</translation>
    </message>
    <message>
        <source>Changes apply to future intervals. Your current countdown is preserved.</source>
        <translation>Los cambios se aplican a los próximos intervalos. La cuenta atrás actual se mantiene.</translation>
    </message>
    <message>
        <source>Strict fullscreen breaks</source>
        <translation>Descansos estrictos a pantalla completa</translation>
    </message>
    <message>
        <source>On: breaks cover every display and take focus. Off: breaks appear as normal windows and never steal focus. Esc always postpones.</source>
        <translation>Activado: los descansos cubren todas las pantallas y toman el foco. Desactivado: los descansos aparecen como ventanas normales y nunca roban el foco. Esc siempre pospone.</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Iniciar con la sesión</translation>
    </message>
    <message>
        <source>Changes applied.</source>
        <translation>Cambios aplicados.</translation>
    </message>
    <message>
        <source>Defaults restored.</source>
        <translation>Valores predeterminados restaurados.</translation>
    </message>
    <message>
        <source>Could not save: %1.</source>
        <translation>No se pudo guardar: %1.</translation>
    </message>
    <message>
        <source>Launch-at-login updated.</source>
        <translation>Inicio con la sesión actualizado.</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Restaurado</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar valores</translation>
    </message>
    <message>
        <source>Applied</source>
        <translation>Aplicado</translation>
    </message>
    <message>
        <source>Apply Changes</source>
        <translation>Aplicar cambios</translation>
    </message>
</context>
<context>
    <name>tavelo::SettingsWindowController</name>
    <message>
        <source>Tavelo Settings</source>
        <translation>Ajustes de Tavelo</translation>
    </message>
</context>
<context>
    <name>tavelo::StatisticsReport</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1  taken %2, skipped %3, postponed %4, focus %5</source>
        <translation>%1  tomados %2, omitidos %3, pospuestos %4, concentración %5</translation>
    </message>
    <message>
        <source>Today, %1</source>
        <translation>Hoy, %1</translation>
    </message>
    <message>
        <source>Breaks taken: %1</source>
        <translation>Descansos tomados: %1</translation>
    </message>
    <message>
        <source>Breaks skipped: %1</source>
        <translation>Descansos omitidos: %1</translation>
    </message>
    <message>
        <source>Breaks postponed: %1</source>
        <translation>Descansos pospuestos: %1</translation>
    </message>
    <message>
        <source>Breaks kept: %1</source>
        <translation>Descansos cumplidos: %1</translation>
    </message>
    <message>
        <source>Focus time: %1</source>
        <translation>Tiempo de concentración: %1</translation>
    </message>
    <message>
        <source>Longest stretch without a break: %1</source>
        <translation>Tramo más largo sin descanso: %1</translation>
    </message>
</context>
<context>
    <name>tavelo::StatisticsView</name>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation>7 días</translation>
    </message>
    <message>
        <source>30 Days</source>
        <translation>30 días</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportar CSV…</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Tomados</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Omitidos</translation>
    </message>
    <message>
        <source>Postponed</source>
        <translation>Pospuestos</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Cumplidos</translation>
    </message>
    <message>
        <source>Focus time</source>
        <translation>Tiempo de concentración</translation>
    </message>
    <message>
        <source>Longest stretch</source>
        <translation>Tramo más largo</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>Breaks per day</source>
        <translation>Descansos por día</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::StatsCommand</name>
    <message>
        <source>--days takes a number from 1 to 366.</source>
        <translation>--days admite un número del 1 al 366.</translation>
    </message>
    <message>
        <source>cannot read the history: </source>
        <translation>no se puede leer el historial: </translation>
    </message>
</context>
<context>
    <name>tavelo::StatusItem</name>
    <message>
        <source>Open Tavelo</source>
        <translation>Abrir Tavelo</translation>
    </message>
</context>
<context>
    <name>tavelo::StatusMenuPresentation</name>
    <message>
        <source>Break</source>
        <translation>Descanso</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>Microdescanso</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Descanso largo</translation>
    </message>
    <message>
        <source>Tavelo %1</source>
        <translation>Tavelo %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Paused %1</source>
        <translation>En pausa %1</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Ausente</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>En pausa hasta las %1</translation>
    </message>
    <message>
        <source>Away — focus resumes when you&apos;re back</source>
        <translation>Ausente: la concentración sigue cuando vuelvas</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 hasta las %2</translation>
    </message>
    <message>
        <source>Next: %1 at %2</source>
        <translation>Siguiente: %1 a las %2</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>Temporizador en pausa</translation>
    </message>
    <message>
        <source>Timer paused · %1</source>
        <translation>Temporizador en pausa · %1</translation>
    </message>
    <message>
        <source>Away — timer frozen</source>
        <translation>Ausente: temporizador congelado</translation>
    </message>
    <message>
        <source>Focus in progress</source>
        <translation>Concentración en curso</translation>
    </message>
    <message>
        <source>%1 in progress</source>
        <translation>%1 en curso</translation>
    </message>
    <message>
        <source>%1 ends in %2</source>
        <translation>%1 termina en %2</translation>
    </message>
    <message>
        <source>Next: %1 in %2</source>
        <translation>Siguiente: %1 en %2</translation>
    </message>
    <message>
        <source>Paused — resumes in %1</source>
        <translation>En pausa: se reanuda en %1</translation>
    </message>
    <message>
        <source>Paused — timer frozen</source>
        <translation>En pausa: temporizador congelado</translation>
    </message>
    <message>
        <source>Paused %1 ago — timer frozen</source>
        <translation>En pausa desde hace %1: temporizador congelado</translation>
    </message>
    <message>
        <source>Session %1 of %2 • %3 completed</source>
        <translation>Sesión %1 de %2 • %3 completadas</translation>
    </message>
    <message>
        <source>Skip Current Break</source>
        <translation>Omitir descanso actual</translation>
    </message>
    <message>
        <source>Skip Next Break (%1)</source>
        <translation>Omitir siguiente descanso (%1)</translation>
    </message>
    <message>
        <source>Resume Timer (%1)</source>
        <translation>Reanudar temporizador (%1)</translation>
    </message>
    <message>
        <source>Resume Timer</source>
        <translation>Reanudar temporizador</translation>
    </message>
    <message>
        <source>Resume Timer (paused %1)</source>
        <translation>Reanudar temporizador (en pausa %1)</translation>
    </message>
    <message numerus="yes">
        <source>Postpone %n min</source>
        <translation>
            <numerusform>Posponer %n min</numerusform>
            <numerusform>Posponer %n min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::StatusMenuView</name>
    <message>
        <source>Pause 5 min</source>
        <translation>Pausar 5 min</translation>
    </message>
    <message>
        <source>Pause 15 min</source>
        <translation>Pausar 15 min</translation>
    </message>
    <message>
        <source>Pause 30 min</source>
        <translation>Pausar 30 min</translation>
    </message>
    <message>
        <source>Pause 1 hr</source>
        <translation>Pausar 1 h</translation>
    </message>
    <message>
        <source>Pause Timer</source>
        <translation>Pausar temporizador</translation>
    </message>
    <message>
        <source>Pause Indefinitely</source>
        <translation>Pausar indefinidamente</translation>
    </message>
    <message>
        <source>Start Microbreak</source>
        <translation>Empezar microdescanso</translation>
    </message>
    <message>
        <source>Start Long Break</source>
        <translation>Empezar descanso largo</translation>
    </message>
    <message>
        <source>Reset Focus Timer</source>
        <translation>Reiniciar temporizador de concentración</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Estadísticas…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ajustes…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Take the Tour…</source>
        <translation>Hacer la visita…</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Novedades</translation>
    </message>
    <message>
        <source>Check now for a new version of Tavelo.</source>
        <translation>Buscar ahora una versión nueva de Tavelo.</translation>
    </message>
    <message>
        <source>Update checks are unavailable outside an installed build.</source>
        <translation>La búsqueda de actualizaciones solo está disponible en una versión instalada.</translation>
    </message>
</context>
<context>
    <name>tavelo::StatusReport</name>
    <message>
        <source>Completed focus sessions: %1</source>
        <translation>Sesiones de concentración completadas: %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Ausente</translation>
    </message>
    <message>
        <source>Break %1</source>
        <translation>Descanso %1</translation>
    </message>
    <message>
        <source>Tavelo is not running.</source>
        <translation>Tavelo no está en marcha.</translation>
    </message>
    <message numerus="yes">
        <source>Paused %n min</source>
        <translation>
            <numerusform>En pausa %n min</numerusform>
            <numerusform>En pausa %n min</numerusform>
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
        <translation>No se pudo eliminar %1: %2</translation>
    </message>
</context>
<context>
    <name>tavelo::TimerControl</name>
    <message>
        <source>The timer is already paused. Resume it first.</source>
        <translation>El temporizador ya está en pausa. Reanúdalo primero.</translation>
    </message>
    <message>
        <source>The timer is not paused.</source>
        <translation>El temporizador no está en pausa.</translation>
    </message>
    <message>
        <source>Unknown kind of break &quot;%1&quot;: use &quot;micro&quot; or &quot;long&quot;.</source>
        <translation>Tipo de descanso desconocido «%1»: usa «micro» o «long».</translation>
    </message>
    <message>
        <source>This kind of break is already running.</source>
        <translation>Este tipo de descanso ya está en curso.</translation>
    </message>
    <message>
        <source>There is no panel to open.</source>
        <translation>No hay ningún panel que abrir.</translation>
    </message>
    <message numerus="yes">
        <source>A pause lasts from 1 second to 10 years (%n seconds), or 0 for no end.</source>
        <translation>
            <numerusform>Una pausa dura de 1 segundo a 10 años (%n segundo), o 0 para que no termine.</numerusform>
            <numerusform>Una pausa dura de 1 segundo a 10 años (%n segundos), o 0 para que no termine.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::WhatsNewView</name>
    <message>
        <source>Back to Focus</source>
        <translation>Volver a concentrarse</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Novedades</translation>
    </message>
    <message>
        <source>Tavelo just got better.</source>
        <translation>Tavelo ahora es aún mejor.</translation>
    </message>
    <message>
        <source>Version %1 — %2</source>
        <translation>Versión %1 — %2</translation>
    </message>
</context>
<context>
    <name>tavelo::XdgAutostartLoginItem</name>
    <message>
        <source>The user&apos;s configuration folder is unknown.</source>
        <translation>Se desconoce la carpeta de configuración del usuario.</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>No se pudo eliminar %1: %2</translation>
    </message>
</context>
</TS>
