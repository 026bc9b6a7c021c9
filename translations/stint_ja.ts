<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AppDelegate</name>
    <message>
        <source>Countdown Timer</source>
        <translation type="vanished">カウントダウンタイマー</translation>
    </message>
    <message>
        <source>Open Stint</source>
        <translation type="vanished">Stint を開く</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="vanished">終了</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="328"/>
        <source>Welcome to the App!</source>
        <translation>アプリへようこそ！</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="329"/>
        <source>This is the first time you&apos;ve launched the app.</source>
        <translation>アプリを初めて起動しました。</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="330"/>
        <source>Get Started</source>
        <translation>始める</translation>
    </message>
</context>
<context>
    <name>CircularProgressView</name>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="100"/>
        <source>Stay focused</source>
        <translation>集中</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="100"/>
        <source>Rest</source>
        <translation>休憩</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="125"/>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="125"/>
        <source>Start</source>
        <translation>開始</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="15"/>
        <source>A calm focus timer. Without options, starts Stint or brings the running Stint forward.</source>
        <translation>落ち着いた集中タイマー。オプションなしでは Stint を起動するか、実行中の Stint を前面に出します。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="20"/>
        <source>A sign-in address to hand to Stint.</source>
        <translation>Stint に渡すサインインのアドレス。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="50"/>
        <location filename="../src/app/commandline.cpp" line="63"/>
        <source>Try &apos;stint --help&apos;.</source>
        <translation>&apos;stint --help&apos; を参照してください。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="75"/>
        <source>Start or resume the countdown; with a title, start focusing on that task.</source>
        <translation>カウントダウンを開始または再開します。タイトルを付けると、そのタスクへの集中を始めます。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="78"/>
        <source>Pause the countdown.</source>
        <translation>カウントダウンを一時停止します。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="80"/>
        <source>Pause the countdown, or start or resume it.</source>
        <translation>カウントダウンを一時停止、または開始・再開します。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="82"/>
        <source>Stop the phase and get the next one ready.</source>
        <translation>フェーズを止め、次のフェーズを準備します。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="85"/>
        <source>Print the phase, the time left and the task. Exit status 0 while counting, 1 when paused or ready, 3 when Stint is not running.</source>
        <translation>フェーズ、残り時間、タスクを表示します。終了ステータスはカウント中 0、一時停止中または準備完了で 1、Stint が実行されていなければ 3 です。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="89"/>
        <source>Print the status again at each change, until interrupted.</source>
        <translation>変化のたびに状態を表示し直します（中断されるまで）。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="92"/>
        <source>With --status or --follow: print JSON objects, as waybar reads them; with --history, JSON lines.</source>
        <translation>--status または --follow と共に：waybar が読む形式の JSON オブジェクトを表示します。--history と共に：JSON Lines で表示します。</translation>
    </message>
    <message>
        <source>With --status or --follow: print JSON objects, as waybar reads them.</source>
        <translation type="vanished">--status または --follow と共に：waybar が読む形式の JSON オブジェクトを表示します。</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="132"/>
        <source>--json goes with --status or --follow.</source>
        <translation>--json は --status または --follow と共に使います。</translation>
    </message>
    <message>
        <location filename="../src/app/historycommand.cpp" line="15"/>
        <source>Print every phase of the focus history as CSV; with --json, as JSON lines.</source>
        <translation>集中の履歴のすべてのフェーズを CSV で表示します。--json と共に：JSON Lines で表示します。</translation>
    </message>
</context>
<context>
    <name>ConnectGoogleView</name>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="24"/>
        <source>Connect Google</source>
        <translation>Google に接続</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="30"/>
        <source>Stint reaches your tasks and calendar through a Google client of your own.</source>
        <translation>Stint は、あなた自身の Google クライアントを通じてタスクとカレンダーにアクセスします。</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="40"/>
        <source>Client ID</source>
        <translation>クライアント ID</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="51"/>
        <source>Client secret</source>
        <translation>クライアント シークレット</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="76"/>
        <source>How do I get these?</source>
        <translation>入手方法</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="102"/>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="110"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="116"/>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <location filename="../src/ui/ContentView.qml" line="99"/>
        <source>Timer</source>
        <translation>タイマー</translation>
    </message>
    <message>
        <location filename="../src/ui/ContentView.qml" line="103"/>
        <source>Events</source>
        <translation>予定</translation>
    </message>
</context>
<context>
    <name>DoNotDisturb</name>
    <message>
        <location filename="../src/app/donotdisturb.cpp" line="195"/>
        <source>Focusing</source>
        <translation>集中</translation>
    </message>
    <message>
        <location filename="../src/app/donotdisturb.cpp" line="274"/>
        <source>This desktop&apos;s Do Not Disturb is not one Stint knows (GNOME, Plasma, Xfce or dunst).</source>
        <translation>このデスクトップのおやすみモードは Stint が対応していないものです（GNOME、Plasma、Xfce、dunst に対応）。</translation>
    </message>
</context>
<context>
    <name>FetchFailure</name>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="11"/>
        <source>Stint&apos;s own server took too long to start. Retry may help.</source>
        <translation>Stint 専用サーバーの起動に時間がかかりすぎました。再試行すると解決する場合があります。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="12"/>
        <source>Stint&apos;s own server could not be started.</source>
        <translation>Stint 専用サーバーを起動できませんでした。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="15"/>
        <source>The server did not answer in time. Retry may help.</source>
        <translation>サーバーが時間内に応答しませんでした。再試行すると解決する場合があります。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="16"/>
        <source>The server could not be reached. Retry may help.</source>
        <translation>サーバーに接続できません。再試行すると解決する場合があります。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="23"/>
        <source>The server did not accept your sign-in. Retry may help; if not, sign out and in again.</source>
        <translation>サーバーがサインインを受け付けませんでした。再試行すると解決する場合があります。解決しない場合はサインアウトしてもう一度サインインしてください。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="25"/>
        <source>Google refused access to your tasks.</source>
        <translation>Google がタスクへのアクセスを拒否しました。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="27"/>
        <source>Too many requests for now. Retry in a minute.</source>
        <translation>リクエストが多すぎます。1 分後に再試行してください。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="29"/>
        <source>The server could not get your tasks from Google. Retry may help.</source>
        <translation>サーバーが Google からタスクを取得できませんでした。再試行すると解決する場合があります。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="31"/>
        <source>Google took too long to answer the server. Retry may help.</source>
        <translation>Google からサーバーへの応答に時間がかかりすぎました。再試行すると解決する場合があります。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="33"/>
        <source>The server failed. Retry may help.</source>
        <translation>サーバーでエラーが発生しました。再試行すると解決する場合があります。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="33"/>
        <source>The server refused the request.</source>
        <translation>サーバーがリクエストを拒否しました。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="37"/>
        <source>The server&apos;s answer could not be read.</source>
        <translation>サーバーの応答を読み取れませんでした。</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="38"/>
        <source>The tasks could not be fetched. Retry may help.</source>
        <translation>タスクを取得できませんでした。再試行すると解決する場合があります。</translation>
    </message>
</context>
<context>
    <name>FocusHistory</name>
    <message>
        <location filename="../src/app/focushistory.cpp" line="72"/>
        <source>Focus History</source>
        <translation>集中の履歴</translation>
    </message>
</context>
<context>
    <name>FocusHistoryModel</name>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="46"/>
        <source>under way</source>
        <translation>進行中</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="48"/>
        <source>ran out</source>
        <translation>時間切れ</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="50"/>
        <source>stopped</source>
        <translation>停止</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="52"/>
        <source>Stint quit</source>
        <translation>Stint を終了</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="54"/>
        <source>interrupted</source>
        <translation>中断</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="80"/>
        <source>This week</source>
        <translation>今週</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="182"/>
        <source>No task</source>
        <translation>タスクなし</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="183"/>
        <source>1 phase</source>
        <translation>1 フェーズ</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/focushistorymodel.cpp" line="183"/>
        <source>%n phases</source>
        <translation>
            <numerusform>%n フェーズ</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="194"/>
        <source>Focus</source>
        <translation>集中</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="194"/>
        <source>Rest</source>
        <translation>休憩</translation>
    </message>
</context>
<context>
    <name>FocusHistoryView</name>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="85"/>
        <location filename="../src/ui/FocusHistoryView.qml" line="88"/>
        <source>Previous Week</source>
        <translation>前の週</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="103"/>
        <location filename="../src/ui/FocusHistoryView.qml" line="106"/>
        <source>Next Week</source>
        <translation>次の週</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="111"/>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="120"/>
        <source>Focused this week: %1</source>
        <translation>今週の集中：%1</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="229"/>
        <source>Whole Week</source>
        <translation>週全体</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="236"/>
        <source>No focus recorded.</source>
        <translation>集中の記録はありません。</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="237"/>
        <source>The focus history is off: its file is from a newer version of Stint.</source>
        <translation>集中の履歴はオフです：ファイルが新しいバージョンの Stint のものです。</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="271"/>
        <source>Today’s Phases</source>
        <translation>今日のフェーズ</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="277"/>
        <source>No phases today yet.</source>
        <translation>今日のフェーズはまだありません。</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="316"/>
        <source>Your focus history stays on this computer: it never leaves the machine.</source>
        <translation>集中の履歴はこのコンピューターに保存され、外部に送信されることはありません。</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="328"/>
        <source>Export…</source>
        <translation>書き出す…</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="340"/>
        <source>Clear History…</source>
        <translation>履歴を消去…</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="351"/>
        <source>Export Focus History</source>
        <translation>集中の履歴を書き出す</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="354"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="363"/>
        <source>Clear the focus history?</source>
        <translation>集中の履歴を消去しますか？</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="368"/>
        <source>Every recorded phase is removed from this computer. This cannot be undone.</source>
        <translation>記録されたすべてのフェーズがこのコンピューターから削除されます。元に戻すことはできません。</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="372"/>
        <source>Clear History</source>
        <translation>履歴を消去</translation>
    </message>
</context>
<context>
    <name>Formatters</name>
    <message>
        <source>Today</source>
        <translation type="vanished">今日</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation type="vanished">昨日</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation type="vanished">明日</translation>
    </message>
</context>
<context>
    <name>GoogleClientForm</name>
    <message>
        <location filename="../src/ui/googleclientform.cpp" line="56"/>
        <source>Enter the client ID.</source>
        <translation>クライアント ID を入力してください。</translation>
    </message>
    <message>
        <location filename="../src/ui/googleclientform.cpp" line="60"/>
        <source>A client ID ends in .apps.googleusercontent.com.</source>
        <translation>クライアント ID は .apps.googleusercontent.com で終わります。</translation>
    </message>
    <message>
        <location filename="../src/ui/googleclientform.cpp" line="64"/>
        <source>Enter the client secret.</source>
        <translation>クライアント シークレットを入力してください。</translation>
    </message>
</context>
<context>
    <name>GoogleSignIn</name>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="215"/>
        <source>This answer does not belong to the sign-in that Stint started. Go back to Stint and sign in again.</source>
        <translation>この応答は Stint が開始したログインのものではありません。Stint に戻って、もう一度ログインしてください。</translation>
    </message>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="224"/>
        <source>The sign-in was cancelled. You can close this tab.</source>
        <translation>ログインはキャンセルされました。このタブは閉じてかまいません。</translation>
    </message>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="230"/>
        <source>The sign-in did not complete. Go back to Stint and sign in again.</source>
        <translation>ログインが完了しませんでした。Stint に戻って、もう一度ログインしてください。</translation>
    </message>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="237"/>
        <source>You are signed in to Stint. You can close this tab.</source>
        <translation>Stint にログインしました。このタブは閉じてかまいません。</translation>
    </message>
</context>
<context>
    <name>GoogleSignInButton</name>
    <message>
        <location filename="../src/ui/GoogleSignInButton.qml" line="15"/>
        <source>Sign in with Google</source>
        <translation>Google でログイン</translation>
    </message>
    <message>
        <location filename="../src/ui/GoogleSignInButton.qml" line="18"/>
        <source>Sign in with Google button.</source>
        <translation>「Google でログイン」ボタン。</translation>
    </message>
</context>
<context>
    <name>ListEventsView</name>
    <message>
        <location filename="../src/ui/ListEventsView.qml" line="94"/>
        <source>Join Meeting</source>
        <translation>参加</translation>
    </message>
    <message>
        <location filename="../src/ui/ListEventsView.qml" line="45"/>
        <source>Events</source>
        <translation>予定</translation>
    </message>
</context>
<context>
    <name>ListItemView</name>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="73"/>
        <source>Open %1</source>
        <translation>%1 を開く</translation>
    </message>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="83"/>
        <source>Start %1</source>
        <translation>%1 を開始</translation>
    </message>
</context>
<context>
    <name>MeetingLine</name>
    <message numerus="yes">
        <location filename="../src/timer/meetingrule.cpp" line="67"/>
        <source>%1 starts %n min before this focus phase ends</source>
        <translation>
            <numerusform>%1 はこの集中時間が終わる %n 分前に始まります</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/timer/meetingrule.cpp" line="82"/>
        <source>%1 now</source>
        <translation>%1 開催中</translation>
    </message>
    <message>
        <location filename="../src/timer/meetingrule.cpp" line="88"/>
        <source>%1 at %2</source>
        <translation>%2 から %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/timer/meetingrule.cpp" line="93"/>
        <source>%1 in %n min</source>
        <translation>
            <numerusform>あと %n 分で %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MeetingReminders</name>
    <message>
        <location filename="../src/timer/meetingreminders.cpp" line="47"/>
        <source>%1 has started</source>
        <translation>%1 が始まりました</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/timer/meetingreminders.cpp" line="48"/>
        <source>%1 starts in %n min</source>
        <translation>
            <numerusform>%1 があと %n 分で始まります</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhaseNotifier</name>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="43"/>
        <source>Focus phase over</source>
        <translation>集中時間が終わりました</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="43"/>
        <source>Rest over</source>
        <translation>休憩が終わりました</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="39"/>
        <source>Open Stint</source>
        <translation>Stint を開く</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="41"/>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="41"/>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>ReminderNotifier</name>
    <message>
        <location filename="../src/app/remindernotifier.cpp" line="40"/>
        <source>Open Stint</source>
        <translation>Stint を開く</translation>
    </message>
    <message>
        <location filename="../src/app/remindernotifier.cpp" line="40"/>
        <source>Join Meeting</source>
        <translation>参加</translation>
    </message>
</context>
<context>
    <name>TaskCompletion</name>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="19"/>
        <source>sign in again</source>
        <translation>もう一度ログインしてください</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="21"/>
        <source>the task is no longer in Google Tasks</source>
        <translation>タスクはもう Google Tasks にありません</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="22"/>
        <source>the server answered with error %1</source>
        <translation>サーバーがエラー %1 を返しました</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="25"/>
        <source>the server could not be reached</source>
        <translation>サーバーに接続できません</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="26"/>
        <source>the server&apos;s answer could not be read</source>
        <translation>サーバーの応答を読み取れません</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="121"/>
        <source>“%1” was not completed: %2.</source>
        <translation>「%1」は完了になりませんでした：%2。</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="122"/>
        <source>“%1” was not reopened: %2.</source>
        <translation>「%1」は未完了に戻せませんでした：%2。</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="139"/>
        <source>“%1” completed in Google Tasks.</source>
        <translation>「%1」を Google Tasks で完了にしました。</translation>
    </message>
</context>
<context>
    <name>TaskDraft</name>
    <message>
        <location filename="../src/timer/taskdraft.cpp" line="16"/>
        <source>Not added: the server could not be reached</source>
        <translation>追加されませんでした：サーバーに接続できません</translation>
    </message>
    <message>
        <location filename="../src/timer/taskdraft.cpp" line="18"/>
        <source>Not added: the server did not accept your sign-in</source>
        <translation>追加されませんでした：サーバーがログインを受け付けませんでした</translation>
    </message>
    <message>
        <location filename="../src/timer/taskdraft.cpp" line="19"/>
        <source>Not added: the server reported an error</source>
        <translation>追加されませんでした：サーバーがエラーを返しました</translation>
    </message>
</context>
<context>
    <name>TaskListView</name>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="88"/>
        <source>Enter task name</source>
        <translation>タスク名を入力</translation>
    </message>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="52"/>
        <source>Tasks</source>
        <translation>タスク</translation>
    </message>
</context>
<context>
    <name>TimerClient</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="101"/>
        <location filename="../src/app/timerclient.cpp" line="84"/>
        <source>Stint is not running</source>
        <translation>Stint は実行されていません</translation>
    </message>
</context>
<context>
    <name>TimerView</name>
    <message>
        <location filename="../src/ui/TimerView.qml" line="102"/>
        <source>Join Meeting</source>
        <translation>参加</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="114"/>
        <source>Add task</source>
        <translation>タスクを追加</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="143"/>
        <source>Is the task now done?</source>
        <translation>タスクは完了しましたか？</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="157"/>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="163"/>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="193"/>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="204"/>
        <source>Paused while the screen was locked</source>
        <translation>画面のロック中に一時停止しました</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="215"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="270"/>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="337"/>
        <source>Sign in to Google to use the app fully and synchronize the Google Calendar tasks &amp; events</source>
        <translation>Google にログインすると、アプリのすべての機能を使えるようになり、Google カレンダーのタスクと予定が同期されます</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="357"/>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="393"/>
        <source>Sign Out</source>
        <translation>ログアウト</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="403"/>
        <source>Google Client…</source>
        <translation>Google クライアント…</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="424"/>
        <source>Silence Notifications While Focusing</source>
        <translation>集中中は通知を止める</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="442"/>
        <source>Pause When the Screen Locks</source>
        <translation>画面のロック時に一時停止</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="451"/>
        <source>Complete the Task in Google Tasks When I Answer Yes</source>
        <translation>「はい」と答えたら Google Tasks のタスクを完了にする</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="459"/>
        <source>Focus History…</source>
        <translation>集中の履歴…</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="466"/>
        <source>Privacy Policy</source>
        <translation>プライバシーポリシー</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="473"/>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="411"/>
        <source>Start at Login</source>
        <translation>ログイン時に起動</translation>
    </message>
</context>
<context>
    <name>TodaySummary</name>
    <message numerus="yes">
        <location filename="../src/history/todaysummary.cpp" line="21"/>
        <source>%n min</source>
        <translation>
            <numerusform>%n 分</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/history/todaysummary.cpp" line="22"/>
        <source>%1 h %2 min</source>
        <translation>%1 時間 %2 分</translation>
    </message>
    <message>
        <location filename="../src/history/todaysummary.cpp" line="60"/>
        <source>Today: no focus phases yet</source>
        <translation>今日：まだ集中していません</translation>
    </message>
    <message>
        <location filename="../src/history/todaysummary.cpp" line="63"/>
        <source>Today: 1 focus phase</source>
        <translation>今日：集中 1 回</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/history/todaysummary.cpp" line="63"/>
        <source>Today: %n focus phases</source>
        <translation>
            <numerusform>今日：集中 %n 回</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrayCountdown</name>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="84"/>
        <source>Focus · %n min left</source>
        <translation>
            <numerusform>集中 · 残り %n 分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="86"/>
        <source>Rest · %n min left</source>
        <translation>
            <numerusform>休憩 · 残り %n 分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="88"/>
        <source>Paused · %n min left</source>
        <translation>
            <numerusform>一時停止中 · 残り %n 分</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <location filename="../src/app/trayicon.cpp" line="19"/>
        <source>Open Stint</source>
        <translation>Stint を開く</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="20"/>
        <source>Focus History…</source>
        <translation>集中の履歴…</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="22"/>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="29"/>
        <source>Countdown Timer</source>
        <translation>カウントダウンタイマー</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="62"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/trayicon.cpp" line="88"/>
        <source>Focus · %n min</source>
        <translation>
            <numerusform>集中 · %n 分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/trayicon.cpp" line="89"/>
        <source>Rest · %n min</source>
        <translation>
            <numerusform>休憩 · %n 分</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="95"/>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="97"/>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="98"/>
        <source>Start Focus</source>
        <translation>集中を開始</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="98"/>
        <source>Start Rest</source>
        <translation>休憩を開始</translation>
    </message>
</context>
</TS>
