<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>NotificationService</name>
    <message>
        <source>about an hour</source>
        <translation>cerca de uma hora</translation>
    </message>
    <message>
        <source>Break coming up</source>
        <translation>Pausa chegando</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Pausa longa</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>Micropausa</translation>
    </message>
    <message>
        <source>Look away from your screen for a moment.</source>
        <translation>Desvie o olhar da tela por um momento.</translation>
    </message>
    <message>
        <source>Break complete</source>
        <translation>Pausa concluída</translation>
    </message>
    <message>
        <source>Focus session resumed.</source>
        <translation>A sessão de foco continua.</translation>
    </message>
    <message>
        <source>Timer still paused</source>
        <translation>Temporizador ainda suspenso</translation>
    </message>
    <message>
        <source>You&apos;ve been paused for %1. Resume from the menu bar when you&apos;re ready.</source>
        <translation>O temporizador está suspenso há %1. Retome pelo ícone de status quando estiver pronto.</translation>
    </message>
    <message>
        <source>Settings could not be read</source>
        <translation>Não foi possível ler as configurações</translation>
    </message>
    <message>
        <source>Using the defaults. Your file was copied to %1.</source>
        <translation>Usando os valores padrão. Seu arquivo foi copiado para %1.</translation>
    </message>
    <message>
        <source>Tavelo is running</source>
        <translation>O Tavelo está em execução</translation>
    </message>
    <message>
        <source>Your desktop shows no status icons. Launch Tavelo again from the applications menu to open it. On GNOME, the AppIndicator extension adds the icon.</source>
        <translation>Seu ambiente de trabalho não mostra ícones de status. Abra o Tavelo de novo pelo menu de aplicativos para vê-lo. No GNOME, a extensão AppIndicator adiciona o ícone.</translation>
    </message>
    <message>
        <source>Break history not saved</source>
        <translation>Histórico de pausas não salvo</translation>
    </message>
    <message>
        <source>Tavelo could not write %1. Your breaks go on as usual.</source>
        <translation>O Tavelo não conseguiu gravar %1. Suas pausas continuam normalmente.</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <translation>
            <numerusform>cerca de %n hora</numerusform>
            <numerusform>cerca de %n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your break will start in %n seconds.</source>
        <translation>
            <numerusform>Sua pausa começa em %n segundo.</numerusform>
            <numerusform>Sua pausa começa em %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Step away for about %n minutes.</source>
        <translation>
            <numerusform>Afaste-se por cerca de %n minuto.</numerusform>
            <numerusform>Afaste-se por cerca de %n minutos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatisticsWindowController</name>
    <message>
        <source>Tavelo Statistics</source>
        <translation>Estatísticas do Tavelo</translation>
    </message>
</context>
<context>
    <name>UpdateService</name>
    <message>
        <source>Tavelo v%1 is ready to download.</source>
        <translation>O Tavelo v%1 está pronto para baixar.</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Atualização disponível</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Procurando atualizações…</translation>
    </message>
    <message>
        <source>Tavelo is looking for a newer version.</source>
        <translation>O Tavelo está procurando uma versão mais nova.</translation>
    </message>
    <message>
        <source>Tavelo v%1 is the latest version.</source>
        <translation>O Tavelo v%1 é a versão mais recente.</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Tudo atualizado</translation>
    </message>
    <message>
        <source>Update check failed</source>
        <translation>Falha ao procurar atualizações</translation>
    </message>
    <message>
        <source>Tavelo could not find out whether a newer version exists. Try again later.</source>
        <translation>O Tavelo não conseguiu descobrir se existe uma versão mais nova. Tente novamente mais tarde.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tavelo is already running.</source>
        <translation>O Tavelo já está em execução.</translation>
    </message>
</context>
<context>
    <name>tavelo::AppModel</name>
    <message>
        <source>Allow notifications when your desktop asks.</source>
        <translation>Permita as notificações quando o seu ambiente de trabalho pedir.</translation>
    </message>
    <message>
        <source>Opening Notification Settings…</source>
        <translation>Abrindo as configurações de notificação…</translation>
    </message>
    <message>
        <source>Notifications are on ✓</source>
        <translation>As notificações estão ativadas ✓</translation>
    </message>
    <message>
        <source>Notifications are not available on this desktop.</source>
        <translation>As notificações não estão disponíveis neste ambiente de trabalho.</translation>
    </message>
</context>
<context>
    <name>tavelo::AtomicFileWriter</name>
    <message>
        <source>Could not create the folder %1: %2</source>
        <translation>Não foi possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayController</name>
    <message>
        <source>Tavelo break</source>
        <translation>Pausa do Tavelo</translation>
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
        <translation>Pausa longa</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>Micropausa</translation>
    </message>
    <message>
        <source>Step away from the screen. Move, blink, and breathe.</source>
        <translation>Afaste-se da tela. Mexa-se, pisque e respire.</translation>
    </message>
    <message>
        <source>End Break</source>
        <translation>Encerrar pausa</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pular</translation>
    </message>
    <message>
        <source>Esc postpones • Ctrl+↵ skips</source>
        <translation>Esc adia • Ctrl+↵ pula</translation>
    </message>
    <message>
        <source>Back at %1</source>
        <translation>De volta às %1</translation>
    </message>
    <message>
        <source>Break %1 of %2</source>
        <translation>Pausa %1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds remaining</source>
        <translation>
            <numerusform>%n segundo restante</numerusform>
            <numerusform>%n segundos restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Postpone %n min</source>
        <translation>
            <numerusform>Adiar %n min</numerusform>
            <numerusform>Adiar %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Long break • %n focus sessions done</source>
        <translation>
            <numerusform>Pausa longa • %n sessão de foco concluída</numerusform>
            <numerusform>Pausa longa • %n sessões de foco concluídas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayView</name>
    <message>
        <source>Break progress</source>
        <translation>Progresso da pausa</translation>
    </message>
</context>
<context>
    <name>tavelo::CommandLine</name>
    <message>
        <source>status: unknown option &apos;%1&apos;</source>
        <translation>status: opção desconhecida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>pause: give one length at most</source>
        <translation>pause: informe no máximo uma duração</translation>
    </message>
    <message>
        <source>pause: &apos;%1&apos; is not a length such as 90s, 15m or 1h, or &apos;indefinitely&apos;</source>
        <translation>pause: &quot;%1&quot; não é uma duração como 90s, 15m ou 1h, nem &quot;indefinitely&quot;</translation>
    </message>
    <message>
        <source>break: give one kind at most</source>
        <translation>break: informe no máximo um tipo</translation>
    </message>
    <message>
        <source>break: &apos;%1&apos; is not &apos;micro&apos; or &apos;long&apos;</source>
        <translation>break: &quot;%1&quot; não é &quot;micro&quot; nem &quot;long&quot;</translation>
    </message>
    <message>
        <source>stats: unknown option &apos;%1&apos;</source>
        <translation>stats: opção desconhecida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>stats: --days takes a number from 1 to %1</source>
        <translation>stats: --days aceita um número de 1 a %1</translation>
    </message>
    <message>
        <source>--version takes no arguments</source>
        <translation>--version não aceita argumentos</translation>
    </message>
    <message>
        <source>%1: takes no arguments</source>
        <translation>%1: não aceita argumentos</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconhecido &quot;%1&quot;</translation>
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
Sem comando, inicia o Tavelo ou abre o painel do que já está em execução.

Comandos:
  status [--json] [--follow]   mostra o temporizador; --follow imprime uma linha por mudança
  pause [DURAÇÃO|indefinitely] suspende por um tempo como 90s, 15m ou 1h30m,
                               ou sem fim quando nenhum é informado
  resume                       retoma o temporizador suspenso
  break [micro|long]           inicia uma pausa agora (por padrão, a próxima prevista)
  skip                         pula a pausa atual ou a próxima
  postpone                     adia a pausa atual ou a próxima
  reset                        reinicia o temporizador de foco
  stats [--json] [--days N]    estatísticas dos últimos N dias (7 por padrão)
  --help                       mostra esta ajuda
  --version                    mostra a versão
</translation>
    </message>
    <message>
        <source>Nothing to do.</source>
        <translation>Nada a fazer.</translation>
    </message>
    <message>
        <source>Tavelo is not running.</source>
        <translation>O Tavelo não está em execução.</translation>
    </message>
    <message>
        <source>Tavelo did not answer: %1</source>
        <translation>O Tavelo não respondeu: %1</translation>
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
        <translation>Não foi possível atualizar o serviço de login: </translation>
    </message>
    <message>
        <source>Launch at login is available only when Tavelo is installed.</source>
        <translation>Iniciar ao entrar só está disponível quando o Tavelo está instalado.</translation>
    </message>
    <message>
        <source>Missing application ID. Reinstall Tavelo with its desktop entry.</source>
        <translation>ID do aplicativo ausente. Reinstale o Tavelo com sua entrada de desktop.</translation>
    </message>
</context>
<context>
    <name>tavelo::LaunchAtLoginService</name>
    <message>
        <source>Install Tavelo to enable this option.</source>
        <translation>Instale o Tavelo para ativar esta opção.</translation>
    </message>
    <message>
        <source>Enabled. Approve in your desktop&apos;s startup settings if needed.</source>
        <translation>Ativado. Aprove nas configurações de inicialização do seu ambiente de trabalho, se necessário.</translation>
    </message>
    <message>
        <source>Enabled via systemd user service fallback.</source>
        <translation>Ativado por meio de um serviço de usuário do systemd alternativo.</translation>
    </message>
    <message>
        <source>systemctl exit </source>
        <translation>código de saída do systemctl </translation>
    </message>
    <message numerus="yes">
        <source>systemctl did not finish within %n s and was stopped.</source>
        <translation>
            <numerusform>O systemctl não terminou em %n s e foi interrompido.</numerusform>
            <numerusform>O systemctl não terminou em %n s e foi interrompido.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingPresentation</name>
    <message>
        <source>Take breaks without thinking about them</source>
        <translation>Faça pausas sem precisar pensar nelas</translation>
    </message>
    <message>
        <source>Tavelo lives in your menu bar and alternates focus sessions with restorative breaks.</source>
        <translation>O Tavelo fica na área de status e alterna sessões de foco com pausas restauradoras.</translation>
    </message>
    <message>
        <source>A rhythm that fits your day</source>
        <translation>Um ritmo que combina com o seu dia</translation>
    </message>
    <message>
        <source>Your current schedule — change it anytime in Settings.</source>
        <translation>Sua programação atual — altere quando quiser nas Configurações.</translation>
    </message>
    <message>
        <source>You&apos;re always in control</source>
        <translation>Você sempre está no controle</translation>
    </message>
    <message>
        <source>Breaks are firm but never trap you.</source>
        <translation>As pausas são firmes, mas nunca prendem você.</translation>
    </message>
    <message>
        <source>Skip the current break, or skip the upcoming one</source>
        <translation>Pular a pausa atual ou a próxima</translation>
    </message>
    <message>
        <source>Step away freely</source>
        <translation>Afaste-se à vontade</translation>
    </message>
    <message>
        <source>Only input timing is observed — never what you type.</source>
        <translation>Só o momento da digitação é observado — nunca o que você digita.</translation>
    </message>
    <message>
        <source>The focus timer freezes while you&apos;re away</source>
        <translation>O temporizador de foco congela enquanto você está ausente</translation>
    </message>
    <message>
        <source>Stepping away during a break counts as taking it</source>
        <translation>Afastar-se durante uma pausa conta como fazê-la</translation>
    </message>
    <message>
        <source>Closing the lid pauses time — no ambush breaks on wake</source>
        <translation>Fechar a tampa para o tempo — sem pausas de surpresa ao acordar</translation>
    </message>
    <message>
        <source>Get a heads-up before each break</source>
        <translation>Receba um aviso antes de cada pausa</translation>
    </message>
    <message>
        <source>Start Focusing</source>
        <translation>Começar a focar</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Go to step %1</source>
        <translation>Ir para a etapa %1</translation>
    </message>
    <message numerus="yes">
        <source>%n min of focus</source>
        <translation>
            <numerusform>%n min de foco</numerusform>
            <numerusform>%n min de foco</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sec microbreak to blink and breathe</source>
        <translation>
            <numerusform>Micropausa de %n s para piscar e respirar</numerusform>
            <numerusform>Micropausa de %n s para piscar e respirar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n sessions, a %1 min long break</source>
        <translation>
            <numerusform>A cada %n sessão, uma pausa longa de %1 min</numerusform>
            <numerusform>A cada %n sessões, uma pausa longa de %1 min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Postpone a break by %n min — Esc always postpones</source>
        <translation>
            <numerusform>Adie uma pausa em %n min — Esc sempre adia</numerusform>
            <numerusform>Adie uma pausa em %n min — Esc sempre adia</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tavelo warns you %n seconds ahead so breaks never ambush you.</source>
        <translation>
            <numerusform>O Tavelo avisa %n segundo antes, para que nenhuma pausa pegue você de surpresa.</numerusform>
            <numerusform>O Tavelo avisa %n segundos antes, para que nenhuma pausa pegue você de surpresa.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pause for 5–60 minutes, or indefinitely</source>
        <translation>Suspender por 5–60 minutos ou sem prazo</translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingView</name>
    <message>
        <source>Enable Notifications</source>
        <translation>Ativar notificações</translation>
    </message>
    <message>
        <source>If notifications were denied, this opens System Settings instead.</source>
        <translation>Se as notificações foram negadas, isto abre as configurações do sistema.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Skip tour</source>
        <translation>Pular o tour</translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingWindowController</name>
    <message>
        <source>Welcome to Tavelo</source>
        <translation>Boas-vindas ao Tavelo</translation>
    </message>
    <message>
        <source>What&apos;s New in Tavelo</source>
        <translation>Novidades do Tavelo</translation>
    </message>
</context>
<context>
    <name>tavelo::PlatformStartup</name>
    <message>
        <source>no graphical display found (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>nenhuma tela gráfica encontrada (DISPLAY e WAYLAND_DISPLAY não estão definidas)</translation>
    </message>
</context>
<context>
    <name>tavelo::QtProcessRunner</name>
    <message>
        <source>Could not start %1: %2</source>
        <translation>Não foi possível iniciar %1: %2</translation>
    </message>
</context>
<context>
    <name>tavelo::ReleaseNotes</name>
    <message>
        <source>Idle-aware timing and a respectful break overlay</source>
        <translation>Tempo que percebe sua ausência e uma tela de pausa respeitosa</translation>
    </message>
    <message>
        <source>Focus timer freezes while you&apos;re away — no more ambush breaks after coffee.</source>
        <translation>O temporizador de foco congela enquanto você está ausente — chega de pausas de surpresa depois do café.</translation>
    </message>
    <message>
        <source>Stepping away during a break counts as taking it.</source>
        <translation>Afastar-se durante uma pausa conta como fazê-la.</translation>
    </message>
    <message>
        <source>Esc always postpones; fullscreen apps and screen shares are never interrupted.</source>
        <translation>Esc sempre adia; aplicativos em tela cheia e compartilhamentos de tela nunca são interrompidos.</translation>
    </message>
    <message>
        <source>New Strict/Gentle break mode and idle-pause setting.</source>
        <translation>Novo modo de pausa rígido ou suave e opção de suspender na ausência.</translation>
    </message>
    <message>
        <source>Welcome to Tavelo</source>
        <translation>Boas-vindas ao Tavelo</translation>
    </message>
    <message>
        <source>Focus, microbreak, and long-break scheduling from the menu bar.</source>
        <translation>Agendamento de foco, micropausas e pausas longas pela área de status.</translation>
    </message>
    <message>
        <source>Fullscreen break overlay with skip and postpone.</source>
        <translation>Tela de pausa em tela cheia com pular e adiar.</translation>
    </message>
    <message>
        <source>Persistent settings and launch-at-login support.</source>
        <translation>Configurações persistentes e início ao entrar.</translation>
    </message>
</context>
<context>
    <name>tavelo::SettingsView</name>
    <message>
        <source>Focus duration</source>
        <translation>Duração do foco</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Microbreak duration</source>
        <translation>Duração da micropausa</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Long break duration</source>
        <translation>Duração da pausa longa</translation>
    </message>
    <message>
        <source>Long break every</source>
        <translation>Pausa longa a cada</translation>
    </message>
    <message>
        <source>sessions</source>
        <translation>sessões</translation>
    </message>
    <message>
        <source>Postpone by</source>
        <translation>Adiar em</translation>
    </message>
    <message>
        <source>Break warning</source>
        <translation>Aviso de pausa</translation>
    </message>
    <message>
        <source>0 = off</source>
        <translation>0 = desligado</translation>
    </message>
    <message>
        <source>Pause when away</source>
        <translation>Suspender na ausência</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>When no keyboard or mouse input is seen for this long, the focus timer freezes. Only input timing is observed, never content. 0 disables it.</source>
        <translation>Quando não houver uso de teclado ou mouse por esse tempo, o temporizador de foco congela. Só o momento do uso é observado, nunca o conteúdo. 0 desativa.</translation>
    </message>
    <message>
        <source>Tavelo Settings</source>
        <translation>Configurações do Tavelo</translation>
    </message>
    <message>
        <source>Changes apply to future intervals. Your current countdown is preserved.</source>
        <translation>As mudanças valem para os próximos intervalos. A contagem regressiva atual é mantida.</translation>
    </message>
    <message>
        <source>Strict fullscreen breaks</source>
        <translation>Pausas rígidas em tela cheia</translation>
    </message>
    <message>
        <source>On: breaks cover every display and take focus. Off: breaks appear as normal windows and never steal focus. Esc always postpones.</source>
        <translation>Ligado: as pausas cobrem todas as telas e tomam o foco. Desligado: as pausas aparecem como janelas normais e nunca roubam o foco. Esc sempre adia.</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Iniciar ao entrar</translation>
    </message>
    <message>
        <source>Changes applied.</source>
        <translation>Mudanças aplicadas.</translation>
    </message>
    <message>
        <source>Defaults restored.</source>
        <translation>Padrões restaurados.</translation>
    </message>
    <message>
        <source>Could not save: %1.</source>
        <translation>Não foi possível salvar: %1.</translation>
    </message>
    <message>
        <source>Launch-at-login updated.</source>
        <translation>Início ao entrar atualizado.</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Restaurado</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>Applied</source>
        <translation>Aplicado</translation>
    </message>
    <message>
        <source>Apply Changes</source>
        <translation>Aplicar mudanças</translation>
    </message>
</context>
<context>
    <name>tavelo::SettingsWindowController</name>
    <message>
        <source>Tavelo Settings</source>
        <translation>Configurações do Tavelo</translation>
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
        <translation>%1  feitas %2, puladas %3, adiadas %4, foco %5</translation>
    </message>
    <message>
        <source>Today, %1</source>
        <translation>Hoje, %1</translation>
    </message>
    <message>
        <source>Breaks taken: %1</source>
        <translation>Pausas feitas: %1</translation>
    </message>
    <message>
        <source>Breaks skipped: %1</source>
        <translation>Pausas puladas: %1</translation>
    </message>
    <message>
        <source>Breaks postponed: %1</source>
        <translation>Pausas adiadas: %1</translation>
    </message>
    <message>
        <source>Breaks kept: %1</source>
        <translation>Pausas cumpridas: %1</translation>
    </message>
    <message>
        <source>Focus time: %1</source>
        <translation>Tempo de foco: %1</translation>
    </message>
    <message>
        <source>Longest stretch without a break: %1</source>
        <translation>Maior período sem pausa: %1</translation>
    </message>
</context>
<context>
    <name>tavelo::StatisticsView</name>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation>7 dias</translation>
    </message>
    <message>
        <source>30 Days</source>
        <translation>30 dias</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportar CSV…</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Feitas</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Puladas</translation>
    </message>
    <message>
        <source>Postponed</source>
        <translation>Adiadas</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Cumpridas</translation>
    </message>
    <message>
        <source>Focus time</source>
        <translation>Tempo de foco</translation>
    </message>
    <message>
        <source>Longest stretch</source>
        <translation>Maior período</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Breaks per day</source>
        <translation>Pausas por dia</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::StatsCommand</name>
    <message>
        <source>--days takes a number from 1 to 366.</source>
        <translation>--days aceita um número de 1 a 366.</translation>
    </message>
    <message>
        <source>cannot read the history: </source>
        <translation>não foi possível ler o histórico: </translation>
    </message>
</context>
<context>
    <name>tavelo::StatusItem</name>
    <message>
        <source>Open Tavelo</source>
        <translation>Abrir o Tavelo</translation>
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
        <translation>Pausa longa</translation>
    </message>
    <message>
        <source>Tavelo %1</source>
        <translation>Tavelo %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Suspenso</translation>
    </message>
    <message>
        <source>Paused %1</source>
        <translation>Suspenso %1</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Ausente</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Suspenso até %1</translation>
    </message>
    <message>
        <source>Away — focus resumes when you&apos;re back</source>
        <translation>Ausente — o foco continua quando você voltar</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 até %2</translation>
    </message>
    <message>
        <source>Next: %1 at %2</source>
        <translation>Próxima: %1 às %2</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>Temporizador suspenso</translation>
    </message>
    <message>
        <source>Timer paused · %1</source>
        <translation>Temporizador suspenso · %1</translation>
    </message>
    <message>
        <source>Away — timer frozen</source>
        <translation>Ausente — temporizador congelado</translation>
    </message>
    <message>
        <source>Focus in progress</source>
        <translation>Foco em andamento</translation>
    </message>
    <message>
        <source>%1 in progress</source>
        <translation>%1 em andamento</translation>
    </message>
    <message>
        <source>%1 ends in %2</source>
        <translation>%1 termina em %2</translation>
    </message>
    <message>
        <source>Next: %1 in %2</source>
        <translation>Próxima: %1 em %2</translation>
    </message>
    <message>
        <source>Paused — resumes in %1</source>
        <translation>Suspenso — retoma em %1</translation>
    </message>
    <message>
        <source>Paused — timer frozen</source>
        <translation>Suspenso — temporizador congelado</translation>
    </message>
    <message>
        <source>Paused %1 ago — timer frozen</source>
        <translation>Suspenso há %1 — temporizador congelado</translation>
    </message>
    <message>
        <source>Session %1 of %2 • %3 completed</source>
        <translation>Sessão %1 de %2 • %3 concluídas</translation>
    </message>
    <message>
        <source>Skip Current Break</source>
        <translation>Pular a pausa atual</translation>
    </message>
    <message>
        <source>Skip Next Break (%1)</source>
        <translation>Pular a próxima pausa (%1)</translation>
    </message>
    <message>
        <source>Resume Timer (%1)</source>
        <translation>Retomar temporizador (%1)</translation>
    </message>
    <message>
        <source>Resume Timer</source>
        <translation>Retomar temporizador</translation>
    </message>
    <message>
        <source>Resume Timer (paused %1)</source>
        <translation>Retomar temporizador (suspenso há %1)</translation>
    </message>
    <message numerus="yes">
        <source>Postpone %n min</source>
        <translation>
            <numerusform>Adiar %n min</numerusform>
            <numerusform>Adiar %n min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::StatusMenuView</name>
    <message>
        <source>Pause 5 min</source>
        <translation>Suspender 5 min</translation>
    </message>
    <message>
        <source>Pause 15 min</source>
        <translation>Suspender 15 min</translation>
    </message>
    <message>
        <source>Pause 30 min</source>
        <translation>Suspender 30 min</translation>
    </message>
    <message>
        <source>Pause 1 hr</source>
        <translation>Suspender 1 h</translation>
    </message>
    <message>
        <source>Pause Timer</source>
        <translation>Suspender temporizador</translation>
    </message>
    <message>
        <source>Pause Indefinitely</source>
        <translation>Suspender sem prazo</translation>
    </message>
    <message>
        <source>Start Microbreak</source>
        <translation>Iniciar micropausa</translation>
    </message>
    <message>
        <source>Start Long Break</source>
        <translation>Iniciar pausa longa</translation>
    </message>
    <message>
        <source>Reset Focus Timer</source>
        <translation>Reiniciar temporizador de foco</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Estatísticas…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configurações…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Procurar atualizações…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Take the Tour…</source>
        <translation>Fazer o tour…</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Novidades</translation>
    </message>
    <message>
        <source>Check now for a new version of Tavelo.</source>
        <translation>Procurar agora uma nova versão do Tavelo.</translation>
    </message>
    <message>
        <source>Update checks are unavailable outside an installed build.</source>
        <translation>A busca por atualizações só está disponível em uma versão instalada.</translation>
    </message>
</context>
<context>
    <name>tavelo::StatusReport</name>
    <message>
        <source>Completed focus sessions: %1</source>
        <translation>Sessões de foco concluídas: %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Suspenso</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Ausente</translation>
    </message>
    <message>
        <source>Break %1</source>
        <translation>Pausa %1</translation>
    </message>
    <message>
        <source>Tavelo is not running.</source>
        <translation>O Tavelo não está em execução.</translation>
    </message>
    <message numerus="yes">
        <source>Paused %n min</source>
        <translation>
            <numerusform>Suspenso %n min</numerusform>
            <numerusform>Suspenso %n min</numerusform>
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
        <translation>Não foi possível remover %1: %2</translation>
    </message>
</context>
<context>
    <name>tavelo::TimerControl</name>
    <message>
        <source>The timer is already paused. Resume it first.</source>
        <translation>O temporizador já está suspenso. Retome-o primeiro.</translation>
    </message>
    <message>
        <source>The timer is not paused.</source>
        <translation>O temporizador não está suspenso.</translation>
    </message>
    <message>
        <source>Unknown kind of break &quot;%1&quot;: use &quot;micro&quot; or &quot;long&quot;.</source>
        <translation>Tipo de pausa desconhecido &quot;%1&quot;: use &quot;micro&quot; ou &quot;long&quot;.</translation>
    </message>
    <message>
        <source>This kind of break is already running.</source>
        <translation>Este tipo de pausa já está em andamento.</translation>
    </message>
    <message>
        <source>There is no panel to open.</source>
        <translation>Não há painel para abrir.</translation>
    </message>
    <message numerus="yes">
        <source>A pause lasts from 1 second to 10 years (%n seconds), or 0 for no end.</source>
        <translation>
            <numerusform>Uma suspensão dura de 1 segundo a 10 anos (%n segundo), ou 0 para não ter fim.</numerusform>
            <numerusform>Uma suspensão dura de 1 segundo a 10 anos (%n segundos), ou 0 para não ter fim.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::WhatsNewView</name>
    <message>
        <source>Back to Focus</source>
        <translation>Voltar ao foco</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Novidades</translation>
    </message>
    <message>
        <source>Tavelo just got better.</source>
        <translation>O Tavelo ficou ainda melhor.</translation>
    </message>
    <message>
        <source>Version %1 — %2</source>
        <translation>Versão %1 — %2</translation>
    </message>
</context>
<context>
    <name>tavelo::XdgAutostartLoginItem</name>
    <message>
        <source>The user&apos;s configuration folder is unknown.</source>
        <translation>A pasta de configuração do usuário é desconhecida.</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>Não foi possível remover %1: %2</translation>
    </message>
</context>
</TS>
