<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>NotificationService</name>
    <message>
        <source>about an hour</source>
        <translation>約 1 時間</translation>
    </message>
    <message>
        <source>Break coming up</source>
        <translation>まもなく休憩です</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>長い休憩</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>小休憩</translation>
    </message>
    <message>
        <source>Look away from your screen for a moment.</source>
        <translation>少しのあいだ画面から目を離しましょう。</translation>
    </message>
    <message>
        <source>Break complete</source>
        <translation>休憩が終わりました</translation>
    </message>
    <message>
        <source>Focus session resumed.</source>
        <translation>集中セッションを再開しました。</translation>
    </message>
    <message>
        <source>Timer still paused</source>
        <translation>タイマーは一時停止中です</translation>
    </message>
    <message>
        <source>You&apos;ve been paused for %1. Resume from the menu bar when you&apos;re ready.</source>
        <translation>%1 一時停止しています。準備ができたらステータスアイコンから再開してください。</translation>
    </message>
    <message>
        <source>Settings could not be read</source>
        <translation>設定を読み込めませんでした</translation>
    </message>
    <message>
        <source>Using the defaults. Your file was copied to %1.</source>
        <translation>既定値を使用します。ファイルは %1 にコピーしました。</translation>
    </message>
    <message>
        <source>Tavelo is running</source>
        <translation>Tavelo は実行中です</translation>
    </message>
    <message>
        <source>Your desktop shows no status icons. Launch Tavelo again from the applications menu to open it. On GNOME, the AppIndicator extension adds the icon.</source>
        <translation>お使いのデスクトップはステータスアイコンを表示しません。アプリケーションメニューから Tavelo をもう一度起動すると開きます。GNOME では AppIndicator 拡張機能でアイコンが表示されます。</translation>
    </message>
    <message>
        <source>Break history not saved</source>
        <translation>休憩の履歴を保存できませんでした</translation>
    </message>
    <message>
        <source>Tavelo could not write %1. Your breaks go on as usual.</source>
        <translation>Tavelo は %1 に書き込めませんでした。休憩はこれまでどおり続きます。</translation>
    </message>
    <message numerus="yes">
        <source>about %n hours</source>
        <translation>
            <numerusform>約 %n 時間</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your break will start in %n seconds.</source>
        <translation>
            <numerusform>%n 秒後に休憩が始まります。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Step away for about %n minutes.</source>
        <translation>
            <numerusform>%n 分ほど席を離れましょう。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatisticsWindowController</name>
    <message>
        <source>Tavelo Statistics</source>
        <translation>Tavelo の統計</translation>
    </message>
</context>
<context>
    <name>UpdateService</name>
    <message>
        <source>Tavelo v%1 is ready to download.</source>
        <translation>Tavelo v%1 をダウンロードできます。</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>アップデートがあります</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>アップデートを確認しています…</translation>
    </message>
    <message>
        <source>Tavelo is looking for a newer version.</source>
        <translation>Tavelo は新しいバージョンを探しています。</translation>
    </message>
    <message>
        <source>Tavelo v%1 is the latest version.</source>
        <translation>Tavelo v%1 が最新バージョンです。</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>最新の状態です</translation>
    </message>
    <message>
        <source>Update check failed</source>
        <translation>アップデートの確認に失敗しました</translation>
    </message>
    <message>
        <source>Tavelo could not find out whether a newer version exists. Try again later.</source>
        <translation>Tavelo は新しいバージョンがあるかどうかを確認できませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tavelo is already running.</source>
        <translation>Tavelo はすでに実行中です。</translation>
    </message>
</context>
<context>
    <name>tavelo::AppModel</name>
    <message>
        <source>Allow notifications when your desktop asks.</source>
        <translation>デスクトップから確認されたら通知を許可してください。</translation>
    </message>
    <message>
        <source>Opening Notification Settings…</source>
        <translation>通知の設定を開いています…</translation>
    </message>
    <message>
        <source>Notifications are on ✓</source>
        <translation>通知はオンです ✓</translation>
    </message>
    <message>
        <source>Notifications are not available on this desktop.</source>
        <translation>このデスクトップでは通知を利用できません。</translation>
    </message>
</context>
<context>
    <name>tavelo::AtomicFileWriter</name>
    <message>
        <source>Could not create the folder %1: %2</source>
        <translation>フォルダー %1 を作成できませんでした：%2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 に書き込めませんでした：%2</translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayController</name>
    <message>
        <source>Tavelo break</source>
        <translation>Tavelo の休憩</translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayPresentation</name>
    <message>
        <source>Break</source>
        <translation>休憩</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>長い休憩</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>小休憩</translation>
    </message>
    <message>
        <source>Step away from the screen. Move, blink, and breathe.</source>
        <translation>画面から離れましょう。体を動かし、まばたきをして、深呼吸を。</translation>
    </message>
    <message>
        <source>End Break</source>
        <translation>休憩を終了</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Esc postpones • Ctrl+↵ skips</source>
        <translation>Esc で延期 • Ctrl+↵ でスキップ</translation>
    </message>
    <message>
        <source>Back at %1</source>
        <translation>%1 に再開</translation>
    </message>
    <message>
        <source>Break %1 of %2</source>
        <translation>休憩 %1 / %2</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds remaining</source>
        <translation>
            <numerusform>残り %n 秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Postpone %n min</source>
        <translation>
            <numerusform>%n 分延期</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Long break • %n focus sessions done</source>
        <translation>
            <numerusform>長い休憩 • 集中セッション %n 回完了</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::BreakOverlayView</name>
    <message>
        <source>Break progress</source>
        <translation>休憩の進み具合</translation>
    </message>
</context>
<context>
    <name>tavelo::CommandLine</name>
    <message>
        <source>status: unknown option &apos;%1&apos;</source>
        <translation>status: 不明なオプション「%1」</translation>
    </message>
    <message>
        <source>pause: give one length at most</source>
        <translation>pause: 時間は 1 つまでしか指定できません</translation>
    </message>
    <message>
        <source>pause: &apos;%1&apos; is not a length such as 90s, 15m or 1h, or &apos;indefinitely&apos;</source>
        <translation>pause: 「%1」は 90s、15m、1h のような時間でも「indefinitely」でもありません</translation>
    </message>
    <message>
        <source>break: give one kind at most</source>
        <translation>break: 種類は 1 つまでしか指定できません</translation>
    </message>
    <message>
        <source>break: &apos;%1&apos; is not &apos;micro&apos; or &apos;long&apos;</source>
        <translation>break: 「%1」は「micro」でも「long」でもありません</translation>
    </message>
    <message>
        <source>stats: unknown option &apos;%1&apos;</source>
        <translation>stats: 不明なオプション「%1」</translation>
    </message>
    <message>
        <source>stats: --days takes a number from 1 to %1</source>
        <translation>stats: --days には 1 から %1 までの数値を指定してください</translation>
    </message>
    <message>
        <source>--version takes no arguments</source>
        <translation>--version は引数を取りません</translation>
    </message>
    <message>
        <source>%1: takes no arguments</source>
        <translation>%1: 引数を取りません</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>不明なオプション「%1」</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>不明なコマンド「%1」</translation>
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
        <translation>使い方: tavelo [コマンド]
コマンドなしでは Tavelo を起動するか、実行中の Tavelo のパネルを開きます。

コマンド:
  status [--json] [--follow]   タイマーを表示します。--follow は変化のたびに 1 行出力します
  pause [時間|indefinitely]    90s、15m、1h30m のような時間だけ一時停止します。
                               時間を指定しなければ無期限に停止します
  resume                       一時停止中のタイマーを再開します
  break [micro|long]           今すぐ休憩を始めます (既定では次の休憩)
  skip                         現在の休憩、または次の休憩をスキップします
  postpone                     現在の休憩、または次の休憩を延期します
  reset                        集中タイマーをやり直します
  stats [--json] [--days N]    過去 N 日間の統計 (既定は 7 日)
  --help                       このヘルプを表示します
  --version                    バージョンを表示します
</translation>
    </message>
    <message>
        <source>Nothing to do.</source>
        <translation>何もすることがありません。</translation>
    </message>
    <message>
        <source>Tavelo is not running.</source>
        <translation>Tavelo は実行されていません。</translation>
    </message>
    <message>
        <source>Tavelo did not answer: %1</source>
        <translation>Tavelo から応答がありません：%1</translation>
    </message>
</context>
<context>
    <name>tavelo::DurationFormat</name>
    <message>
        <source>%1m</source>
        <translation>%1 分</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <translation>%1 時間 %2 分</translation>
    </message>
</context>
<context>
    <name>tavelo::FreedesktopNotificationCenter</name>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
</context>
<context>
    <name>tavelo::LaunchAtLoginError</name>
    <message>
        <source>Could not update login service: </source>
        <translation>ログインサービスを更新できませんでした：</translation>
    </message>
    <message>
        <source>Launch at login is available only when Tavelo is installed.</source>
        <translation>ログイン時の起動は Tavelo がインストールされている場合のみ使えます。</translation>
    </message>
    <message>
        <source>Missing application ID. Reinstall Tavelo with its desktop entry.</source>
        <translation>アプリケーション ID がありません。デスクトップエントリーと一緒に Tavelo を再インストールしてください。</translation>
    </message>
</context>
<context>
    <name>tavelo::LaunchAtLoginService</name>
    <message>
        <source>Install Tavelo to enable this option.</source>
        <translation>このオプションを有効にするには Tavelo をインストールしてください。</translation>
    </message>
    <message>
        <source>Enabled. Approve in your desktop&apos;s startup settings if needed.</source>
        <translation>有効にしました。必要に応じてデスクトップの自動起動設定で承認してください。</translation>
    </message>
    <message>
        <source>Enabled via systemd user service fallback.</source>
        <translation>代替手段の systemd ユーザーサービスで有効にしました。</translation>
    </message>
    <message>
        <source>systemctl exit </source>
        <translation>systemctl の終了コード </translation>
    </message>
    <message numerus="yes">
        <source>systemctl did not finish within %n s and was stopped.</source>
        <translation>
            <numerusform>systemctl が %n 秒以内に終わらなかったため停止しました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingPresentation</name>
    <message>
        <source>Take breaks without thinking about them</source>
        <translation>休憩のことを考えずに休憩を</translation>
    </message>
    <message>
        <source>Tavelo lives in your menu bar and alternates focus sessions with restorative breaks.</source>
        <translation>Tavelo はステータス領域に常駐し、集中セッションと回復のための休憩を交互に繰り返します。</translation>
    </message>
    <message>
        <source>A rhythm that fits your day</source>
        <translation>あなたの一日に合うリズム</translation>
    </message>
    <message>
        <source>Your current schedule — change it anytime in Settings.</source>
        <translation>現在のスケジュールです。設定でいつでも変更できます。</translation>
    </message>
    <message>
        <source>You&apos;re always in control</source>
        <translation>いつでもあなたが主導権を</translation>
    </message>
    <message>
        <source>Breaks are firm but never trap you.</source>
        <translation>休憩はしっかり取らせますが、閉じ込めることはありません。</translation>
    </message>
    <message>
        <source>Skip the current break, or skip the upcoming one</source>
        <translation>現在の休憩、または次の休憩をスキップ</translation>
    </message>
    <message>
        <source>Step away freely</source>
        <translation>気兼ねなく離席を</translation>
    </message>
    <message>
        <source>Only input timing is observed — never what you type.</source>
        <translation>記録するのは入力のタイミングだけで、入力内容は一切見ません。</translation>
    </message>
    <message>
        <source>The focus timer freezes while you&apos;re away</source>
        <translation>離席中は集中タイマーが止まります</translation>
    </message>
    <message>
        <source>Stepping away during a break counts as taking it</source>
        <translation>休憩中に離席すれば、休憩を取ったことになります</translation>
    </message>
    <message>
        <source>Closing the lid pauses time — no ambush breaks on wake</source>
        <translation>ふたを閉じると時間も止まり、復帰直後に不意の休憩はありません</translation>
    </message>
    <message>
        <source>Get a heads-up before each break</source>
        <translation>休憩の前にお知らせ</translation>
    </message>
    <message>
        <source>Start Focusing</source>
        <translation>集中を始める</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続ける</translation>
    </message>
    <message>
        <source>Go to step %1</source>
        <translation>ステップ %1 へ移動</translation>
    </message>
    <message numerus="yes">
        <source>%n min of focus</source>
        <translation>
            <numerusform>%n 分の集中</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sec microbreak to blink and breathe</source>
        <translation>
            <numerusform>まばたきと深呼吸のための %n 秒の小休憩</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n sessions, a %1 min long break</source>
        <translation>
            <numerusform>%n セッションごとに %1 分の長い休憩</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Postpone a break by %n min — Esc always postpones</source>
        <translation>
            <numerusform>休憩を %n 分延期 — Esc でいつでも延期</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tavelo warns you %n seconds ahead so breaks never ambush you.</source>
        <translation>
            <numerusform>Tavelo は %n 秒前にお知らせするので、休憩が不意に始まることはありません。</numerusform>
        </translation>
    </message>
    <message>
        <source>Pause for 5–60 minutes, or indefinitely</source>
        <translation>5～60 分、または無期限に一時停止</translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingView</name>
    <message>
        <source>Enable Notifications</source>
        <translation>通知を有効にする</translation>
    </message>
    <message>
        <source>If notifications were denied, this opens System Settings instead.</source>
        <translation>通知が拒否されている場合は、代わりにシステム設定を開きます。</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Skip tour</source>
        <translation>ツアーをスキップ</translation>
    </message>
</context>
<context>
    <name>tavelo::OnboardingWindowController</name>
    <message>
        <source>Welcome to Tavelo</source>
        <translation>Tavelo へようこそ</translation>
    </message>
    <message>
        <source>What&apos;s New in Tavelo</source>
        <translation>Tavelo の新機能</translation>
    </message>
</context>
<context>
    <name>tavelo::PlatformStartup</name>
    <message>
        <source>no graphical display found (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>グラフィカルなディスプレイが見つかりません (DISPLAY と WAYLAND_DISPLAY が設定されていません)</translation>
    </message>
</context>
<context>
    <name>tavelo::QtProcessRunner</name>
    <message>
        <source>Could not start %1: %2</source>
        <translation>%1 を起動できませんでした：%2</translation>
    </message>
</context>
<context>
    <name>tavelo::ReleaseNotes</name>
    <message>
        <source>Idle-aware timing and a respectful break overlay</source>
        <translation>離席を考慮したタイミングと、さりげない休憩画面</translation>
    </message>
    <message>
        <source>Focus timer freezes while you&apos;re away — no more ambush breaks after coffee.</source>
        <translation>離席中は集中タイマーが止まります。コーヒーから戻った途端の不意の休憩はもうありません。</translation>
    </message>
    <message>
        <source>Stepping away during a break counts as taking it.</source>
        <translation>休憩中に離席すれば、休憩を取ったことになります。</translation>
    </message>
    <message>
        <source>Esc always postpones; fullscreen apps and screen shares are never interrupted.</source>
        <translation>Esc でいつでも延期。全画面アプリや画面共有を中断することはありません。</translation>
    </message>
    <message>
        <source>New Strict/Gentle break mode and idle-pause setting.</source>
        <translation>厳格／穏やかの休憩モードと、離席時の一時停止設定を追加。</translation>
    </message>
    <message>
        <source>Welcome to Tavelo</source>
        <translation>Tavelo へようこそ</translation>
    </message>
    <message>
        <source>Focus, microbreak, and long-break scheduling from the menu bar.</source>
        <translation>ステータス領域から集中、小休憩、長い休憩をスケジュール。</translation>
    </message>
    <message>
        <source>Fullscreen break overlay with skip and postpone.</source>
        <translation>スキップと延期ができる全画面の休憩画面。</translation>
    </message>
    <message>
        <source>Persistent settings and launch-at-login support.</source>
        <translation>設定の保存とログイン時の起動に対応。</translation>
    </message>
</context>
<context>
    <name>tavelo::SettingsView</name>
    <message>
        <source>Focus duration</source>
        <translation>集中時間</translation>
    </message>
    <message>
        <source>min</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Microbreak duration</source>
        <translation>小休憩の長さ</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Long break duration</source>
        <translation>長い休憩の長さ</translation>
    </message>
    <message>
        <source>Long break every</source>
        <translation>長い休憩の間隔</translation>
    </message>
    <message>
        <source>sessions</source>
        <translation>セッションごと</translation>
    </message>
    <message>
        <source>Postpone by</source>
        <translation>延期する時間</translation>
    </message>
    <message>
        <source>Break warning</source>
        <translation>休憩前の通知</translation>
    </message>
    <message>
        <source>0 = off</source>
        <translation>0 = オフ</translation>
    </message>
    <message>
        <source>Pause when away</source>
        <translation>離席時に一時停止</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>When no keyboard or mouse input is seen for this long, the focus timer freezes. Only input timing is observed, never content. 0 disables it.</source>
        <translation>キーボードやマウスの入力がこの時間ないと、集中タイマーが止まります。記録するのは入力のタイミングだけで、内容は見ません。0 で無効になります。</translation>
    </message>
    <message>
        <source>Tavelo Settings</source>
        <translation>Tavelo の設定</translation>
    </message>
    <message>
        <source>Changes apply to future intervals. Your current countdown is preserved.</source>
        <translation>変更は次の区間から適用されます。現在のカウントダウンはそのまま続きます。</translation>
    </message>
    <message>
        <source>Strict fullscreen breaks</source>
        <translation>全画面で厳格に休憩</translation>
    </message>
    <message>
        <source>On: breaks cover every display and take focus. Off: breaks appear as normal windows and never steal focus. Esc always postpones.</source>
        <translation>オン：休憩はすべてのディスプレイを覆い、フォーカスを取ります。オフ：休憩は通常のウィンドウとして表示され、フォーカスを奪いません。Esc でいつでも延期できます。</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>Changes applied.</source>
        <translation>変更を適用しました。</translation>
    </message>
    <message>
        <source>Defaults restored.</source>
        <translation>既定値に戻しました。</translation>
    </message>
    <message>
        <source>Could not save: %1.</source>
        <translation>保存できませんでした：%1。</translation>
    </message>
    <message>
        <source>Launch-at-login updated.</source>
        <translation>ログイン時の起動を更新しました。</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>戻しました</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>既定値に戻す</translation>
    </message>
    <message>
        <source>Applied</source>
        <translation>適用しました</translation>
    </message>
    <message>
        <source>Apply Changes</source>
        <translation>変更を適用</translation>
    </message>
</context>
<context>
    <name>tavelo::SettingsWindowController</name>
    <message>
        <source>Tavelo Settings</source>
        <translation>Tavelo の設定</translation>
    </message>
</context>
<context>
    <name>tavelo::StatisticsReport</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1～%2</translation>
    </message>
    <message>
        <source>%1  taken %2, skipped %3, postponed %4, focus %5</source>
        <translation>%1  取得 %2、スキップ %3、延期 %4、集中 %5</translation>
    </message>
    <message>
        <source>Today, %1</source>
        <translation>今日 (%1)</translation>
    </message>
    <message>
        <source>Breaks taken: %1</source>
        <translation>取った休憩：%1</translation>
    </message>
    <message>
        <source>Breaks skipped: %1</source>
        <translation>スキップした休憩：%1</translation>
    </message>
    <message>
        <source>Breaks postponed: %1</source>
        <translation>延期した休憩：%1</translation>
    </message>
    <message>
        <source>Breaks kept: %1</source>
        <translation>休憩の達成率：%1</translation>
    </message>
    <message>
        <source>Focus time: %1</source>
        <translation>集中時間：%1</translation>
    </message>
    <message>
        <source>Longest stretch without a break: %1</source>
        <translation>休憩なしの最長時間：%1</translation>
    </message>
</context>
<context>
    <name>tavelo::StatisticsView</name>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation>7 日間</translation>
    </message>
    <message>
        <source>30 Days</source>
        <translation>30 日間</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV を書き出す…</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>取得</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Postponed</source>
        <translation>延期</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>達成率</translation>
    </message>
    <message>
        <source>Focus time</source>
        <translation>集中時間</translation>
    </message>
    <message>
        <source>Longest stretch</source>
        <translation>休憩なしの最長時間</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV を書き出す</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 に書き込めませんでした：%2</translation>
    </message>
    <message>
        <source>Breaks per day</source>
        <translation>1 日あたりの休憩</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n 日</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::StatsCommand</name>
    <message>
        <source>--days takes a number from 1 to 366.</source>
        <translation>--days には 1 から 366 までの数値を指定してください。</translation>
    </message>
    <message>
        <source>cannot read the history: </source>
        <translation>履歴を読み込めません：</translation>
    </message>
</context>
<context>
    <name>tavelo::StatusItem</name>
    <message>
        <source>Open Tavelo</source>
        <translation>Tavelo を開く</translation>
    </message>
</context>
<context>
    <name>tavelo::StatusMenuPresentation</name>
    <message>
        <source>Break</source>
        <translation>休憩</translation>
    </message>
    <message>
        <source>Microbreak</source>
        <translation>小休憩</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>長い休憩</translation>
    </message>
    <message>
        <source>Tavelo %1</source>
        <translation>Tavelo %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Paused %1</source>
        <translation>一時停止中 %1</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>離席中</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>%1 まで一時停止</translation>
    </message>
    <message>
        <source>Away — focus resumes when you&apos;re back</source>
        <translation>離席中 — 戻ると集中を再開します</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 は %2 まで</translation>
    </message>
    <message>
        <source>Next: %1 at %2</source>
        <translation>次：%2 に%1</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>タイマー一時停止中</translation>
    </message>
    <message>
        <source>Timer paused · %1</source>
        <translation>タイマー一時停止中 · %1</translation>
    </message>
    <message>
        <source>Away — timer frozen</source>
        <translation>離席中 — タイマー停止</translation>
    </message>
    <message>
        <source>Focus in progress</source>
        <translation>集中しています</translation>
    </message>
    <message>
        <source>%1 in progress</source>
        <translation>%1中</translation>
    </message>
    <message>
        <source>%1 ends in %2</source>
        <translation>%1 はあと %2 で終了</translation>
    </message>
    <message>
        <source>Next: %1 in %2</source>
        <translation>次：%2 後に%1</translation>
    </message>
    <message>
        <source>Paused — resumes in %1</source>
        <translation>一時停止中 — %1 後に再開</translation>
    </message>
    <message>
        <source>Paused — timer frozen</source>
        <translation>一時停止中 — タイマー停止</translation>
    </message>
    <message>
        <source>Paused %1 ago — timer frozen</source>
        <translation>%1 前から一時停止中 — タイマー停止</translation>
    </message>
    <message>
        <source>Session %1 of %2 • %3 completed</source>
        <translation>セッション %1 / %2 • %3 回完了</translation>
    </message>
    <message>
        <source>Skip Current Break</source>
        <translation>現在の休憩をスキップ</translation>
    </message>
    <message>
        <source>Skip Next Break (%1)</source>
        <translation>次の休憩をスキップ (%1)</translation>
    </message>
    <message>
        <source>Resume Timer (%1)</source>
        <translation>タイマーを再開 (%1)</translation>
    </message>
    <message>
        <source>Resume Timer</source>
        <translation>タイマーを再開</translation>
    </message>
    <message>
        <source>Resume Timer (paused %1)</source>
        <translation>タイマーを再開 (%1 一時停止中)</translation>
    </message>
    <message numerus="yes">
        <source>Postpone %n min</source>
        <translation>
            <numerusform>%n 分延期</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::StatusMenuView</name>
    <message>
        <source>Pause 5 min</source>
        <translation>5 分間一時停止</translation>
    </message>
    <message>
        <source>Pause 15 min</source>
        <translation>15 分間一時停止</translation>
    </message>
    <message>
        <source>Pause 30 min</source>
        <translation>30 分間一時停止</translation>
    </message>
    <message>
        <source>Pause 1 hr</source>
        <translation>1 時間一時停止</translation>
    </message>
    <message>
        <source>Pause Timer</source>
        <translation>タイマーを一時停止</translation>
    </message>
    <message>
        <source>Pause Indefinitely</source>
        <translation>無期限に一時停止</translation>
    </message>
    <message>
        <source>Start Microbreak</source>
        <translation>小休憩を始める</translation>
    </message>
    <message>
        <source>Start Long Break</source>
        <translation>長い休憩を始める</translation>
    </message>
    <message>
        <source>Reset Focus Timer</source>
        <translation>集中タイマーをリセット</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>統計…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>アップデートを確認…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Take the Tour…</source>
        <translation>ツアーを見る…</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>新機能</translation>
    </message>
    <message>
        <source>Check now for a new version of Tavelo.</source>
        <translation>Tavelo の新しいバージョンを今すぐ確認します。</translation>
    </message>
    <message>
        <source>Update checks are unavailable outside an installed build.</source>
        <translation>アップデートの確認はインストール版でのみ利用できます。</translation>
    </message>
</context>
<context>
    <name>tavelo::StatusReport</name>
    <message>
        <source>Completed focus sessions: %1</source>
        <translation>完了した集中セッション：%1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>離席中</translation>
    </message>
    <message>
        <source>Break %1</source>
        <translation>休憩 %1</translation>
    </message>
    <message>
        <source>Tavelo is not running.</source>
        <translation>Tavelo は実行されていません。</translation>
    </message>
    <message numerus="yes">
        <source>Paused %n min</source>
        <translation>
            <numerusform>一時停止中 %n 分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n 分</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::SystemdUserUnitStore</name>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>%1 を削除できませんでした：%2</translation>
    </message>
</context>
<context>
    <name>tavelo::TimerControl</name>
    <message>
        <source>The timer is already paused. Resume it first.</source>
        <translation>タイマーはすでに一時停止しています。先に再開してください。</translation>
    </message>
    <message>
        <source>The timer is not paused.</source>
        <translation>タイマーは一時停止していません。</translation>
    </message>
    <message>
        <source>Unknown kind of break &quot;%1&quot;: use &quot;micro&quot; or &quot;long&quot;.</source>
        <translation>不明な休憩の種類「%1」です。「micro」か「long」を指定してください。</translation>
    </message>
    <message>
        <source>This kind of break is already running.</source>
        <translation>この種類の休憩はすでに進行中です。</translation>
    </message>
    <message>
        <source>There is no panel to open.</source>
        <translation>開くパネルがありません。</translation>
    </message>
    <message numerus="yes">
        <source>A pause lasts from 1 second to 10 years (%n seconds), or 0 for no end.</source>
        <translation>
            <numerusform>一時停止は 1 秒から 10 年 (%n 秒) まで、0 なら無期限です。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavelo::WhatsNewView</name>
    <message>
        <source>Back to Focus</source>
        <translation>集中に戻る</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>新機能</translation>
    </message>
    <message>
        <source>Tavelo just got better.</source>
        <translation>Tavelo がさらに良くなりました。</translation>
    </message>
    <message>
        <source>Version %1 — %2</source>
        <translation>バージョン %1 — %2</translation>
    </message>
</context>
<context>
    <name>tavelo::XdgAutostartLoginItem</name>
    <message>
        <source>The user&apos;s configuration folder is unknown.</source>
        <translation>ユーザーの設定フォルダーが不明です。</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>%1 を削除できませんでした：%2</translation>
    </message>
</context>
</TS>
