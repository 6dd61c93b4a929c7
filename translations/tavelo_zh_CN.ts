<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>NotificationService</name>
    <message>
        <source>about an hour</source>
        <translation>约一小时</translation>
    </message>
    <message>
        <source>Break coming up</source>
        <translation>即将休息</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>长休息</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>微休息</translation>
    </message>
    <message>
        <source>Look away from your screen for a moment.</source>
        <translation>请让眼睛离开屏幕片刻。</translation>
    </message>
    <message>
        <source>Break complete</source>
        <translation>休息结束</translation>
    </message>
    <message>
        <source>Focus session resumed.</source>
        <translation>专注时段已继续。</translation>
    </message>
    <message>
        <source>Timer still paused</source>
        <translation>计时器仍处于暂停状态</translation>
    </message>
    <message>
        <source>You&apos;ve been paused for %1. Resume from the menu bar when you&apos;re ready.</source>
        <translation>计时器已暂停 %1。准备好后，请从状态图标继续。</translation>
    </message>
    <message>
        <source>Settings could not be read</source>
        <translation>无法读取设置</translation>
    </message>
    <message>
        <source>Using the defaults. Your file was copied to %1.</source>
        <translation>正在使用默认值。你的文件已复制到 %1。</translation>
    </message>
    <message>
        <source>Tavelo is running</source>
        <translation>Tavelo 正在运行</translation>
    </message>
    <message>
        <source>Your desktop shows no status icons. Launch Tavelo again from the applications menu to open it. On GNOME, the AppIndicator extension adds the icon.</source>
        <translation>你的桌面不显示状态图标。请从应用程序菜单再次启动 Tavelo 以打开它。在 GNOME 中，AppIndicator 扩展可以显示该图标。</translation>
    </message>
    <message>
        <source>Break history not saved</source>
        <translation>休息记录未保存</translation>
    </message>
    <message>
        <source>Tavelo could not write %1. Your breaks go on as usual.</source>
        <translation>Tavelo 无法写入 %1。你的休息照常进行。</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <translation>
            <numerusform>约 %n 小时</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your break will start in %n seconds.</source>
        <translation>
            <numerusform>休息将在 %n 秒后开始。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Step away for about %n minutes.</source>
        <translation>
            <numerusform>请离开约 %n 分钟。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatisticsWindowController</name>
    <message>
        <source>Tavelo Statistics</source>
        <translation>Tavelo 统计</translation>
    </message>
</context>
<context>
    <name>UpdateService</name>
    <message>
        <source>Tavelo v%1 is ready to download.</source>
        <translation>Tavelo v%1 已可下载。</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>有可用更新</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>正在检查更新…</translation>
    </message>
    <message>
        <source>Tavelo is looking for a newer version.</source>
        <translation>Tavelo 正在查找新版本。</translation>
    </message>
    <message>
        <source>Tavelo v%1 is the latest version.</source>
        <translation>Tavelo v%1 是最新版本。</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>已是最新版本</translation>
    </message>
    <message>
        <source>Update check failed</source>
        <translation>检查更新失败</translation>
    </message>
    <message>
        <source>Tavelo could not find out whether a newer version exists. Try again later.</source>
        <translation>Tavelo 无法确定是否有新版本。请稍后再试。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tavelo is already running.</source>
        <translation>Tavelo 已在运行。</translation>
    </message>
</context>
<context>
    <name>tavelo::AppModel</name>
    <message>
        <source>Allow notifications when your desktop asks.</source>
        <translation>桌面询问时，请允许通知。</translation>
    </message>
    <message>
        <source>Opening Notification Settings…</source>
        <translation>正在打开通知设置…</translation>
    </message>
    <message>
        <source>Notifications are on ✓</source>
        <translation>通知已开启 ✓</translation>
    </message>
    <message>
        <source>Notifications are not available on this desktop.</source>
        <translation>此桌面不支持通知。</translation>
    </message>
</context>
<context>
    <name>tavelo::AtomicFileWriter</name>
    <message>
        <source>Could not create the folder %1: %2</source>
        <translation>无法创建文件夹 %1：%2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayController</name>
    <message>
        <source>Tavelo break</source>
        <translation>Tavelo 休息</translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayPresentation</name>
    <message>
        <source>Break</source>
        <translation>休息</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>长休息</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>微休息</translation>
    </message>
    <message>
        <source>Step away from the screen. Move, blink, and breathe.</source>
        <translation>离开屏幕。活动一下，眨眨眼，深呼吸。</translation>
    </message>
    <message>
        <source>End Break</source>
        <translation>结束休息</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>Esc postpones • Ctrl+↵ skips</source>
        <translation>Esc 推迟 • Ctrl+↵ 跳过</translation>
    </message>
    <message>
        <source>Back at %1</source>
        <translation>%1 回来</translation>
    </message>
    <message>
        <source>Break %1 of %2</source>
        <translation>第 %1 次休息，共 %2 次</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds remaining</source>
        <translation>
            <numerusform>剩余 %n 秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Postpone %n min</source>
        <translation>
            <numerusform>推迟 %n 分钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Long break • %n focus sessions done</source>
        <translation>
            <numerusform>长休息 • 已完成 %n 个专注时段</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayView</name>
    <message>
        <source>Break progress</source>
        <translation>休息进度</translation>
    </message>
</context>
<context>
    <name>tavelo::CommandLine</name>
    <message>
        <source>status: unknown option &apos;%1&apos;</source>
        <translation>status：未知选项“%1”</translation>
    </message>
    <message>
        <source>pause: give one length at most</source>
        <translation>pause：最多只能指定一个时长</translation>
    </message>
    <message>
        <source>pause: &apos;%1&apos; is not a length such as 90s, 15m or 1h, or &apos;indefinitely&apos;</source>
        <translation>pause：“%1”不是 90s、15m 或 1h 这样的时长，也不是“indefinitely”</translation>
    </message>
    <message>
        <source>break: give one kind at most</source>
        <translation>break：最多只能指定一种类型</translation>
    </message>
    <message>
        <source>break: &apos;%1&apos; is not &apos;micro&apos; or &apos;long&apos;</source>
        <translation>break：“%1”既不是“micro”也不是“long”</translation>
    </message>
    <message>
        <source>stats: unknown option &apos;%1&apos;</source>
        <translation>stats：未知选项“%1”</translation>
    </message>
    <message>
        <source>stats: --days takes a number from 1 to %1</source>
        <translation>stats：--days 需要 1 到 %1 之间的数字</translation>
    </message>
    <message>
        <source>--version takes no arguments</source>
        <translation>--version 不接受参数</translation>
    </message>
    <message>
        <source>%1: takes no arguments</source>
        <translation>%1：不接受参数</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>未知命令“%1”</translation>
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
        <translation>用法：tavelo [命令]
不带命令时启动 Tavelo，或打开正在运行的 Tavelo 的面板。

命令：
  status [--json] [--follow]   显示计时器；--follow 在每次变化时输出一行
  pause [时长|indefinitely]    暂停一段时间，如 90s、15m 或 1h30m，
                               未给出时长时无限期暂停
  resume                       继续已暂停的计时器
  break [micro|long]           立即开始休息（默认为下一次休息）
  skip                         跳过当前休息或下一次休息
  postpone                     推迟当前休息或下一次休息
  reset                        重新开始专注计时
  stats [--json] [--days N]    最近 N 天的统计（默认 7 天）
  --help                       显示此帮助
  --version                    显示版本
</translation>
    </message>
    <message>
        <source>Nothing to do.</source>
        <translation>无事可做。</translation>
    </message>
    <message>
        <source>Tavelo is not running.</source>
        <translation>Tavelo 未在运行。</translation>
    </message>
    <message>
        <source>Tavelo did not answer: %1</source>
        <translation>Tavelo 没有响应：%1</translation>
    </message>
</context>
<context>
    <name>tavelo::DurationFormat</name>
    <message>
        <source>%1m</source>
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <translation>%1 小时 %2 分钟</translation>
    </message>
</context>
<context>
    <name>tavelo::FreedesktopNotificationCenter</name>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
</context>
<context>
    <name>tavelo::LaunchAtLoginError</name>
    <message>
        <source>Could not update login service: </source>
        <translation>无法更新登录服务：</translation>
    </message>
    <message>
        <source>Launch at login is available only when Tavelo is installed.</source>
        <translation>只有安装 Tavelo 后才能在登录时启动。</translation>
    </message>
    <message>
        <source>Missing application ID. Reinstall Tavelo with its desktop entry.</source>
        <translation>缺少应用程序 ID。请连同桌面项一起重新安装 Tavelo。</translation>
    </message>
</context>
<context>
    <name>tavelo::LaunchAtLoginService</name>
    <message>
        <source>Install Tavelo to enable this option.</source>
        <translation>安装 Tavelo 后才能启用此选项。</translation>
    </message>
    <message>
        <source>Enabled. Approve in your desktop&apos;s startup settings if needed.</source>
        <translation>已启用。如有需要，请在桌面的启动设置中批准。</translation>
    </message>
    <message>
        <source>Enabled via systemd user service fallback.</source>
        <translation>已通过备用的 systemd 用户服务启用。</translation>
    </message>
    <message>
        <source>systemctl exit </source>
        <translation>systemctl 退出码 </translation>
    </message>
    <message numerus="yes">
        <source>systemctl did not finish within %n s and was stopped.</source>
        <translation>
            <numerusform>systemctl 未在 %n 秒内完成，已被停止。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingPresentation</name>
    <message>
        <source>Take breaks without thinking about them</source>
        <translation>无需操心，自然休息</translation>
    </message>
    <message>
        <source>Tavelo lives in your menu bar and alternates focus sessions with restorative breaks.</source>
        <translation>Tavelo 常驻状态区域，让专注时段与恢复性休息交替进行。</translation>
    </message>
    <message>
        <source>A rhythm that fits your day</source>
        <translation>契合你一天的节奏</translation>
    </message>
    <message>
        <source>Your current schedule — change it anytime in Settings.</source>
        <translation>这是你当前的安排——随时可在设置中更改。</translation>
    </message>
    <message>
        <source>You&apos;re always in control</source>
        <translation>一切由你掌控</translation>
    </message>
    <message>
        <source>Breaks are firm but never trap you.</source>
        <translation>休息很坚定，但绝不会困住你。</translation>
    </message>
    <message>
        <source>Skip the current break, or skip the upcoming one</source>
        <translation>跳过当前休息，或跳过下一次休息</translation>
    </message>
    <message>
        <source>Step away freely</source>
        <translation>放心离开</translation>
    </message>
    <message>
        <source>Only input timing is observed — never what you type.</source>
        <translation>只记录输入的时间——绝不记录你输入的内容。</translation>
    </message>
    <message>
        <source>The focus timer freezes while you&apos;re away</source>
        <translation>你离开时，专注计时器会冻结</translation>
    </message>
    <message>
        <source>Stepping away during a break counts as taking it</source>
        <translation>休息期间离开也算作休息</translation>
    </message>
    <message>
        <source>Closing the lid pauses time — no ambush breaks on wake</source>
        <translation>合上盖子时间也会暂停——唤醒后不会突然休息</translation>
    </message>
    <message>
        <source>Get a heads-up before each break</source>
        <translation>每次休息前提醒你</translation>
    </message>
    <message>
        <source>Start Focusing</source>
        <translation>开始专注</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Go to step %1</source>
        <translation>转到第 %1 步</translation>
    </message>
    <message numerus="yes">
        <source>%n min of focus</source>
        <translation>
            <numerusform>%n 分钟专注</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sec microbreak to blink and breathe</source>
        <translation>
            <numerusform>%n 秒微休息，眨眨眼、深呼吸</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n sessions, a %1 min long break</source>
        <translation>
            <numerusform>每 %n 个时段后进行一次 %1 分钟的长休息</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Postpone a break by %n min — Esc always postpones</source>
        <translation>
            <numerusform>将休息推迟 %n 分钟——Esc 总是推迟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tavelo warns you %n seconds ahead so breaks never ambush you.</source>
        <translation>
            <numerusform>Tavelo 会提前 %n 秒提醒你，休息绝不会突然袭来。</numerusform>
        </translation>
    </message>
    <message>
        <source>Pause for 5–60 minutes, or indefinitely</source>
        <translation>暂停 5–60 分钟，或无限期暂停</translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingView</name>
    <message>
        <source>Enable Notifications</source>
        <translation>启用通知</translation>
    </message>
    <message>
        <source>If notifications were denied, this opens System Settings instead.</source>
        <translation>如果通知已被拒绝，这里会改为打开系统设置。</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Skip tour</source>
        <translation>跳过导览</translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingWindowController</name>
    <message>
        <source>Welcome to Tavelo</source>
        <translation>欢迎使用 Tavelo</translation>
    </message>
    <message>
        <source>What&apos;s New in Tavelo</source>
        <translation>Tavelo 新功能</translation>
    </message>
</context>
<context>
    <name>tavelo::PlatformStartup</name>
    <message>
        <source>no graphical display found (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>未找到图形显示（DISPLAY 和 WAYLAND_DISPLAY 均未设置）</translation>
    </message>
</context>
<context>
    <name>tavelo::QtProcessRunner</name>
    <message>
        <source>Could not start %1: %2</source>
        <translation>无法启动 %1：%2</translation>
    </message>
</context>
<context>
    <name>tavelo::ReleaseNotes</name>
    <message>
        <source>Idle-aware timing and a respectful break overlay</source>
        <translation>感知离开的计时和体贴的休息界面</translation>
    </message>
    <message>
        <source>Focus timer freezes while you&apos;re away — no more ambush breaks after coffee.</source>
        <translation>你离开时专注计时器会冻结——喝完咖啡回来不再突然休息。</translation>
    </message>
    <message>
        <source>Stepping away during a break counts as taking it.</source>
        <translation>休息期间离开也算作休息。</translation>
    </message>
    <message>
        <source>Esc always postpones; fullscreen apps and screen shares are never interrupted.</source>
        <translation>Esc 总是推迟；全屏应用和屏幕共享绝不会被打断。</translation>
    </message>
    <message>
        <source>New Strict/Gentle break mode and idle-pause setting.</source>
        <translation>新增严格／温和休息模式和离开时暂停设置。</translation>
    </message>
    <message>
        <source>Welcome to Tavelo</source>
        <translation>欢迎使用 Tavelo</translation>
    </message>
    <message>
        <source>Focus, microbreak, and long-break scheduling from the menu bar.</source>
        <translation>从状态区域安排专注、微休息和长休息。</translation>
    </message>
    <message>
        <source>Fullscreen break overlay with skip and postpone.</source>
        <translation>可跳过和推迟的全屏休息界面。</translation>
    </message>
    <message>
        <source>Persistent settings and launch-at-login support.</source>
        <translation>持久保存的设置和登录时启动。</translation>
    </message>
</context>
<context>
    <name>tavelo::SettingsView</name>
    <message>
        <source>Focus duration</source>
        <translation>专注时长</translation>
    </message>
    <message>
        <source>min</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Microbreak duration</source>
        <translation>微休息时长</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Long break duration</source>
        <translation>长休息时长</translation>
    </message>
    <message>
        <source>Long break every</source>
        <translation>长休息间隔</translation>
    </message>
    <message>
        <source>sessions</source>
        <translation>个时段</translation>
    </message>
    <message>
        <source>Postpone by</source>
        <translation>推迟时长</translation>
    </message>
    <message>
        <source>Break warning</source>
        <translation>休息提醒</translation>
    </message>
    <message>
        <source>0 = off</source>
        <translation>0 = 关闭</translation>
    </message>
    <message>
        <source>Pause when away</source>
        <translation>离开时暂停</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>When no keyboard or mouse input is seen for this long, the focus timer freezes. Only input timing is observed, never content. 0 disables it.</source>
        <translation>若这段时间内没有键盘或鼠标输入，专注计时器会冻结。只记录输入的时间，绝不记录内容。设为 0 即停用。</translation>
    </message>
    <message>
        <source>Tavelo Settings</source>
        <translation>Tavelo 设置</translation>
    </message>
    <message>
        <source>Changes apply to future intervals. Your current countdown is preserved.</source>
        <translation>更改将应用于之后的时段。当前倒计时保持不变。</translation>
    </message>
    <message>
        <source>Strict fullscreen breaks</source>
        <translation>严格全屏休息</translation>
    </message>
    <message>
        <source>On: breaks cover every display and take focus. Off: breaks appear as normal windows and never steal focus. Esc always postpones.</source>
        <translation>开启：休息覆盖所有显示器并获取焦点。关闭：休息以普通窗口显示，绝不抢占焦点。Esc 总是推迟。</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>Changes applied.</source>
        <translation>已应用更改。</translation>
    </message>
    <message>
        <source>Defaults restored.</source>
        <translation>已恢复默认值。</translation>
    </message>
    <message>
        <source>Could not save: %1.</source>
        <translation>无法保存：%1。</translation>
    </message>
    <message>
        <source>Launch-at-login updated.</source>
        <translation>登录时启动已更新。</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>已恢复</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>恢复默认值</translation>
    </message>
    <message>
        <source>Applied</source>
        <translation>已应用</translation>
    </message>
    <message>
        <source>Apply Changes</source>
        <translation>应用更改</translation>
    </message>
</context>
<context>
    <name>tavelo::SettingsWindowController</name>
    <message>
        <source>Tavelo Settings</source>
        <translation>Tavelo 设置</translation>
    </message>
</context>
<context>
    <name>tavelo::StatisticsReport</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>%1  taken %2, skipped %3, postponed %4, focus %5</source>
        <translation>%1  已休息 %2，已跳过 %3，已推迟 %4，专注 %5</translation>
    </message>
    <message>
        <source>Today, %1</source>
        <translation>今天，%1</translation>
    </message>
    <message>
        <source>Breaks taken: %1</source>
        <translation>已完成休息：%1</translation>
    </message>
    <message>
        <source>Breaks skipped: %1</source>
        <translation>已跳过休息：%1</translation>
    </message>
    <message>
        <source>Breaks postponed: %1</source>
        <translation>已推迟休息：%1</translation>
    </message>
    <message>
        <source>Breaks kept: %1</source>
        <translation>休息完成率：%1</translation>
    </message>
    <message>
        <source>Focus time: %1</source>
        <translation>专注时间：%1</translation>
    </message>
    <message>
        <source>Longest stretch without a break: %1</source>
        <translation>最长连续无休息：%1</translation>
    </message>
</context>
<context>
    <name>tavelo::StatisticsView</name>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation>7 天</translation>
    </message>
    <message>
        <source>30 Days</source>
        <translation>30 天</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>导出 CSV…</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>已休息</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>已跳过</translation>
    </message>
    <message>
        <source>Postponed</source>
        <translation>已推迟</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>完成率</translation>
    </message>
    <message>
        <source>Focus time</source>
        <translation>专注时间</translation>
    </message>
    <message>
        <source>Longest stretch</source>
        <translation>最长连续</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>导出 CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Breaks per day</source>
        <translation>每日休息次数</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n 天</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::StatsCommand</name>
    <message>
        <source>--days takes a number from 1 to 366.</source>
        <translation>--days 需要 1 到 366 之间的数字。</translation>
    </message>
    <message>
        <source>cannot read the history: </source>
        <translation>无法读取历史记录：</translation>
    </message>
</context>
<context>
    <name>tavelo::StatusItem</name>
    <message>
        <source>Open Tavelo</source>
        <translation>打开 Tavelo</translation>
    </message>
</context>
<context>
    <name>tavelo::StatusMenuPresentation</name>
    <message>
        <source>Break</source>
        <translation>休息</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>微休息</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>长休息</translation>
    </message>
    <message>
        <source>Tavelo %1</source>
        <translation>Tavelo %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Paused %1</source>
        <translation>已暂停 %1</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>已离开</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>暂停至 %1</translation>
    </message>
    <message>
        <source>Away — focus resumes when you&apos;re back</source>
        <translation>已离开——回来后继续专注</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>Next: %1 at %2</source>
        <translation>下一次：%2 %1</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>计时器已暂停</translation>
    </message>
    <message>
        <source>Timer paused · %1</source>
        <translation>计时器已暂停 · %1</translation>
    </message>
    <message>
        <source>Away — timer frozen</source>
        <translation>已离开——计时器已冻结</translation>
    </message>
    <message>
        <source>Focus in progress</source>
        <translation>专注中</translation>
    </message>
    <message>
        <source>%1 in progress</source>
        <translation>%1进行中</translation>
    </message>
    <message>
        <source>%1 ends in %2</source>
        <translation>%1 将在 %2 后结束</translation>
    </message>
    <message>
        <source>Next: %1 in %2</source>
        <translation>下一次：%2 后%1</translation>
    </message>
    <message>
        <source>Paused — resumes in %1</source>
        <translation>已暂停——%1 后继续</translation>
    </message>
    <message>
        <source>Paused — timer frozen</source>
        <translation>已暂停——计时器已冻结</translation>
    </message>
    <message>
        <source>Paused %1 ago — timer frozen</source>
        <translation>已暂停 %1——计时器已冻结</translation>
    </message>
    <message>
        <source>Session %1 of %2 • %3 completed</source>
        <translation>第 %1 / %2 个时段 • 已完成 %3 个</translation>
    </message>
    <message>
        <source>Skip Current Break</source>
        <translation>跳过当前休息</translation>
    </message>
    <message>
        <source>Skip Next Break (%1)</source>
        <translation>跳过下一次休息（%1）</translation>
    </message>
    <message>
        <source>Resume Timer (%1)</source>
        <translation>继续计时（%1）</translation>
    </message>
    <message>
        <source>Resume Timer</source>
        <translation>继续计时</translation>
    </message>
    <message>
        <source>Resume Timer (paused %1)</source>
        <translation>继续计时（已暂停 %1）</translation>
    </message>
    <message numerus="yes">
        <source>Postpone %n min</source>
        <translation>
            <numerusform>推迟 %n 分钟</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::StatusMenuView</name>
    <message>
        <source>Pause 5 min</source>
        <translation>暂停 5 分钟</translation>
    </message>
    <message>
        <source>Pause 15 min</source>
        <translation>暂停 15 分钟</translation>
    </message>
    <message>
        <source>Pause 30 min</source>
        <translation>暂停 30 分钟</translation>
    </message>
    <message>
        <source>Pause 1 hr</source>
        <translation>暂停 1 小时</translation>
    </message>
    <message>
        <source>Pause Timer</source>
        <translation>暂停计时器</translation>
    </message>
    <message>
        <source>Pause Indefinitely</source>
        <translation>无限期暂停</translation>
    </message>
    <message>
        <source>Start Microbreak</source>
        <translation>开始微休息</translation>
    </message>
    <message>
        <source>Start Long Break</source>
        <translation>开始长休息</translation>
    </message>
    <message>
        <source>Reset Focus Timer</source>
        <translation>重置专注计时器</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>统计…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>设置…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>检查更新…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Take the Tour…</source>
        <translation>查看导览…</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>新功能</translation>
    </message>
    <message>
        <source>Check now for a new version of Tavelo.</source>
        <translation>立即检查 Tavelo 的新版本。</translation>
    </message>
    <message>
        <source>Update checks are unavailable outside an installed build.</source>
        <translation>只有安装版才能检查更新。</translation>
    </message>
</context>
<context>
    <name>tavelo::StatusReport</name>
    <message>
        <source>Completed focus sessions: %1</source>
        <translation>已完成的专注时段：%1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>已离开</translation>
    </message>
    <message>
        <source>Break %1</source>
        <translation>休息 %1</translation>
    </message>
    <message>
        <source>Tavelo is not running.</source>
        <translation>Tavelo 未在运行。</translation>
    </message>
    <message numerus="yes">
        <source>Paused %n min</source>
        <translation>
            <numerusform>已暂停 %n 分钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n 分钟</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::SystemdUserUnitStore</name>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>无法删除 %1：%2</translation>
    </message>
</context>
<context>
    <name>tavelo::TimerControl</name>
    <message>
        <source>The timer is already paused. Resume it first.</source>
        <translation>计时器已暂停。请先继续计时。</translation>
    </message>
    <message>
        <source>The timer is not paused.</source>
        <translation>计时器未暂停。</translation>
    </message>
    <message>
        <source>Unknown kind of break &quot;%1&quot;: use &quot;micro&quot; or &quot;long&quot;.</source>
        <translation>未知的休息类型“%1”：请使用“micro”或“long”。</translation>
    </message>
    <message>
        <source>This kind of break is already running.</source>
        <translation>此类休息已在进行中。</translation>
    </message>
    <message>
        <source>There is no panel to open.</source>
        <translation>没有可打开的面板。</translation>
    </message>
    <message numerus="yes">
        <source>A pause lasts from 1 second to 10 years (%n seconds), or 0 for no end.</source>
        <translation>
            <numerusform>暂停时长为 1 秒到 10 年（%n 秒），或 0 表示不限时。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::WhatsNewView</name>
    <message>
        <source>Back to Focus</source>
        <translation>回到专注</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>新功能</translation>
    </message>
    <message>
        <source>Tavelo just got better.</source>
        <translation>Tavelo 变得更好了。</translation>
    </message>
    <message>
        <source>Version %1 — %2</source>
        <translation>版本 %1 — %2</translation>
    </message>
</context>
<context>
    <name>tavelo::XdgAutostartLoginItem</name>
    <message>
        <source>The user&apos;s configuration folder is unknown.</source>
        <translation>用户的配置文件夹未知。</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>无法删除 %1：%2</translation>
    </message>
</context>
</TS>
