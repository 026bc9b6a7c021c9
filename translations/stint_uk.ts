<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>AppDelegate</name>
    <message>
        <source>Countdown Timer</source>
        <translation type="vanished">Таймер зворотного відліку</translation>
    </message>
    <message>
        <source>Open Stint</source>
        <translation type="vanished">Відкрити Stint</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="vanished">Завершити</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="328"/>
        <source>Welcome to the App!</source>
        <translation>Ласкаво просимо до застосунку!</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="329"/>
        <source>This is the first time you&apos;ve launched the app.</source>
        <translation>Це перший запуск застосунку.</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="330"/>
        <source>Get Started</source>
        <translation>Почати</translation>
    </message>
</context>
<context>
    <name>CircularProgressView</name>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="100"/>
        <source>Stay focused</source>
        <translation>Фокус</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="100"/>
        <source>Rest</source>
        <translation>Відпочинок</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="125"/>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="125"/>
        <source>Start</source>
        <translation>Запустити</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="15"/>
        <source>A calm focus timer. Without options, starts Stint or brings the running Stint forward.</source>
        <translation>Спокійний таймер зосередження. Без параметрів запускає Stint або виводить на передній план уже запущений.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="20"/>
        <source>A sign-in address to hand to Stint.</source>
        <translation>Адреса входу, яку треба передати Stint.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="50"/>
        <location filename="../src/app/commandline.cpp" line="63"/>
        <source>Try &apos;stint --help&apos;.</source>
        <translation>Див. &apos;stint --help&apos;.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="75"/>
        <source>Start or resume the countdown; with a title, start focusing on that task.</source>
        <translation>Запустити або продовжити відлік; з назвою — почати зосередження на цьому завданні.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="78"/>
        <source>Pause the countdown.</source>
        <translation>Призупинити відлік.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="80"/>
        <source>Pause the countdown, or start or resume it.</source>
        <translation>Призупинити відлік або запустити/продовжити його.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="82"/>
        <source>Stop the phase and get the next one ready.</source>
        <translation>Зупинити фазу й підготувати наступну.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="85"/>
        <source>Print the phase, the time left and the task. Exit status 0 while counting, 1 when paused or ready, 3 when Stint is not running.</source>
        <translation>Вивести фазу, час, що залишився, і завдання. Код виходу 0 під час відліку, 1 на паузі або в очікуванні, 3 якщо Stint не запущено.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="89"/>
        <source>Print the status again at each change, until interrupted.</source>
        <translation>Виводити стан знову при кожній зміні, доки не перервуть.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="92"/>
        <source>With --status or --follow: print JSON objects, as waybar reads them; with --history, JSON lines.</source>
        <translation>З --status або --follow: виводити об’єкти JSON у вигляді, який читає waybar; з --history — рядки JSON.</translation>
    </message>
    <message>
        <source>With --status or --follow: print JSON objects, as waybar reads them.</source>
        <translation type="vanished">З --status або --follow: виводити об’єкти JSON у вигляді, який читає waybar.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="132"/>
        <source>--json goes with --status or --follow.</source>
        <translation>--json використовується з --status або --follow.</translation>
    </message>
    <message>
        <location filename="../src/app/historycommand.cpp" line="15"/>
        <source>Print every phase of the focus history as CSV; with --json, as JSON lines.</source>
        <translation>Виводити всі фази історії зосередження у форматі CSV; з --json — рядками JSON.</translation>
    </message>
</context>
<context>
    <name>ConnectGoogleView</name>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="24"/>
        <source>Connect Google</source>
        <translation>Підключити Google</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="30"/>
        <source>Stint reaches your tasks and calendar through a Google client of your own.</source>
        <translation>Stint отримує доступ до ваших завдань і календаря через ваш власний клієнт Google.</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="40"/>
        <source>Client ID</source>
        <translation>Ідентифікатор клієнта</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="51"/>
        <source>Client secret</source>
        <translation>Секрет клієнта</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="76"/>
        <source>How do I get these?</source>
        <translation>Де їх узяти?</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="102"/>
        <source>Remove</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="110"/>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="116"/>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <location filename="../src/ui/ContentView.qml" line="99"/>
        <source>Timer</source>
        <translation>Таймер</translation>
    </message>
    <message>
        <location filename="../src/ui/ContentView.qml" line="103"/>
        <source>Events</source>
        <translation>Події</translation>
    </message>
</context>
<context>
    <name>DoNotDisturb</name>
    <message>
        <location filename="../src/app/donotdisturb.cpp" line="195"/>
        <source>Focusing</source>
        <translation>Зосередження</translation>
    </message>
    <message>
        <location filename="../src/app/donotdisturb.cpp" line="274"/>
        <source>This desktop&apos;s Do Not Disturb is not one Stint knows (GNOME, Plasma, Xfce or dunst).</source>
        <translation>Режим «Не турбувати» цього робочого столу Stint не знає (GNOME, Plasma, Xfce або dunst).</translation>
    </message>
</context>
<context>
    <name>FetchFailure</name>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="11"/>
        <source>Stint&apos;s own server took too long to start. Retry may help.</source>
        <translation>Власний сервер Stint запускався надто довго. Повтор може допомогти.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="12"/>
        <source>Stint&apos;s own server could not be started.</source>
        <translation>Не вдалося запустити власний сервер Stint.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="15"/>
        <source>The server did not answer in time. Retry may help.</source>
        <translation>Сервер не відповів вчасно. Повтор може допомогти.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="16"/>
        <source>The server could not be reached. Retry may help.</source>
        <translation>Не вдалося зв’язатися із сервером. Повтор може допомогти.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="23"/>
        <source>The server did not accept your sign-in. Retry may help; if not, sign out and in again.</source>
        <translation>Сервер не прийняв ваш вхід. Повтор може допомогти; якщо ні, вийдіть і увійдіть знову.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="25"/>
        <source>Google refused access to your tasks.</source>
        <translation>Google відмовив у доступі до ваших завдань.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="27"/>
        <source>Too many requests for now. Retry in a minute.</source>
        <translation>Забагато запитів. Повторіть за хвилину.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="29"/>
        <source>The server could not get your tasks from Google. Retry may help.</source>
        <translation>Серверу не вдалося отримати ваші завдання від Google. Повтор може допомогти.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="31"/>
        <source>Google took too long to answer the server. Retry may help.</source>
        <translation>Google надто довго відповідав серверу. Повтор може допомогти.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="33"/>
        <source>The server failed. Retry may help.</source>
        <translation>На сервері сталася помилка. Повтор може допомогти.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="33"/>
        <source>The server refused the request.</source>
        <translation>Сервер відхилив запит.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="37"/>
        <source>The server&apos;s answer could not be read.</source>
        <translation>Не вдалося прочитати відповідь сервера.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="38"/>
        <source>The tasks could not be fetched. Retry may help.</source>
        <translation>Не вдалося отримати завдання. Повтор може допомогти.</translation>
    </message>
</context>
<context>
    <name>FocusHistory</name>
    <message>
        <location filename="../src/app/focushistory.cpp" line="72"/>
        <source>Focus History</source>
        <translation>Історія зосередження</translation>
    </message>
</context>
<context>
    <name>FocusHistoryModel</name>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="46"/>
        <source>under way</source>
        <translation>триває</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="48"/>
        <source>ran out</source>
        <translation>завершилася</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="50"/>
        <source>stopped</source>
        <translation>зупинена</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="52"/>
        <source>Stint quit</source>
        <translation>Stint закрито</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="54"/>
        <source>interrupted</source>
        <translation>перервана</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="80"/>
        <source>This week</source>
        <translation>Цей тиждень</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="182"/>
        <source>No task</source>
        <translation>Без завдання</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="183"/>
        <source>1 phase</source>
        <translation>1 фаза</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/focushistorymodel.cpp" line="183"/>
        <source>%n phases</source>
        <translation>
            <numerusform>%n фаза</numerusform>
            <numerusform>%n фази</numerusform>
            <numerusform>%n фаз</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="194"/>
        <source>Focus</source>
        <translation>Зосередження</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="194"/>
        <source>Rest</source>
        <translation>Відпочинок</translation>
    </message>
</context>
<context>
    <name>FocusHistoryView</name>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="85"/>
        <location filename="../src/ui/FocusHistoryView.qml" line="88"/>
        <source>Previous Week</source>
        <translation>Попередній тиждень</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="103"/>
        <location filename="../src/ui/FocusHistoryView.qml" line="106"/>
        <source>Next Week</source>
        <translation>Наступний тиждень</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="111"/>
        <source>Today</source>
        <translation>Сьогодні</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="120"/>
        <source>Focused this week: %1</source>
        <translation>Зосередження цього тижня: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="229"/>
        <source>Whole Week</source>
        <translation>Увесь тиждень</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="236"/>
        <source>No focus recorded.</source>
        <translation>Зосередження не записано.</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="237"/>
        <source>The focus history is off: its file is from a newer version of Stint.</source>
        <translation>Історію зосередження вимкнено: її файл створено новішою версією Stint.</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="271"/>
        <source>Today’s Phases</source>
        <translation>Фази за сьогодні</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="277"/>
        <source>No phases today yet.</source>
        <translation>Сьогодні фаз ще немає.</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="316"/>
        <source>Your focus history stays on this computer: it never leaves the machine.</source>
        <translation>Ваша історія зосередження зберігається на цьому комп’ютері й ніколи його не залишає.</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="328"/>
        <source>Export…</source>
        <translation>Експорт…</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="340"/>
        <source>Clear History…</source>
        <translation>Очистити історію…</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="351"/>
        <source>Export Focus History</source>
        <translation>Експорт історії зосередження</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="354"/>
        <source>CSV files (*.csv)</source>
        <translation>Файли CSV (*.csv)</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="363"/>
        <source>Clear the focus history?</source>
        <translation>Очистити історію зосередження?</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="368"/>
        <source>Every recorded phase is removed from this computer. This cannot be undone.</source>
        <translation>Усі записані фази буде вилучено з цього комп’ютера. Цю дію не можна скасувати.</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="372"/>
        <source>Clear History</source>
        <translation>Очистити історію</translation>
    </message>
</context>
<context>
    <name>Formatters</name>
    <message>
        <source>Today</source>
        <translation type="vanished">Сьогодні</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation type="vanished">Вчора</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation type="vanished">Завтра</translation>
    </message>
</context>
<context>
    <name>GoogleClientForm</name>
    <message>
        <location filename="../src/ui/googleclientform.cpp" line="56"/>
        <source>Enter the client ID.</source>
        <translation>Введіть ідентифікатор клієнта.</translation>
    </message>
    <message>
        <location filename="../src/ui/googleclientform.cpp" line="60"/>
        <source>A client ID ends in .apps.googleusercontent.com.</source>
        <translation>Ідентифікатор клієнта закінчується на .apps.googleusercontent.com.</translation>
    </message>
    <message>
        <location filename="../src/ui/googleclientform.cpp" line="64"/>
        <source>Enter the client secret.</source>
        <translation>Введіть секрет клієнта.</translation>
    </message>
</context>
<context>
    <name>GoogleSignIn</name>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="215"/>
        <source>This answer does not belong to the sign-in that Stint started. Go back to Stint and sign in again.</source>
        <translation>Ця відповідь не стосується входу, розпочатого в Stint. Поверніться до Stint і увійдіть знову.</translation>
    </message>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="224"/>
        <source>The sign-in was cancelled. You can close this tab.</source>
        <translation>Вхід скасовано. Цю вкладку можна закрити.</translation>
    </message>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="230"/>
        <source>The sign-in did not complete. Go back to Stint and sign in again.</source>
        <translation>Вхід не завершено. Поверніться до Stint і увійдіть знову.</translation>
    </message>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="237"/>
        <source>You are signed in to Stint. You can close this tab.</source>
        <translation>Вхід у Stint виконано. Цю вкладку можна закрити.</translation>
    </message>
</context>
<context>
    <name>GoogleSignInButton</name>
    <message>
        <location filename="../src/ui/GoogleSignInButton.qml" line="15"/>
        <source>Sign in with Google</source>
        <translation>Увійти через Google</translation>
    </message>
    <message>
        <location filename="../src/ui/GoogleSignInButton.qml" line="18"/>
        <source>Sign in with Google button.</source>
        <translation>Кнопка «Увійти через Google».</translation>
    </message>
</context>
<context>
    <name>ListEventsView</name>
    <message>
        <location filename="../src/ui/ListEventsView.qml" line="94"/>
        <source>Join Meeting</source>
        <translation>Приєднатися</translation>
    </message>
    <message>
        <location filename="../src/ui/ListEventsView.qml" line="45"/>
        <source>Events</source>
        <translation>Події</translation>
    </message>
</context>
<context>
    <name>ListItemView</name>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="73"/>
        <source>Open %1</source>
        <translation>Відкрити %1</translation>
    </message>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="83"/>
        <source>Start %1</source>
        <translation>Запустити %1</translation>
    </message>
</context>
<context>
    <name>MeetingLine</name>
    <message numerus="yes">
        <location filename="../src/timer/meetingrule.cpp" line="67"/>
        <source>%1 starts %n min before this focus phase ends</source>
        <translation>
            <numerusform>%1 почнеться за %n хв до кінця фокусу</numerusform>
            <numerusform>%1 почнеться за %n хв до кінця фокусу</numerusform>
            <numerusform>%1 почнеться за %n хв до кінця фокусу</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/timer/meetingrule.cpp" line="82"/>
        <source>%1 now</source>
        <translation>%1 триває зараз</translation>
    </message>
    <message>
        <location filename="../src/timer/meetingrule.cpp" line="88"/>
        <source>%1 at %2</source>
        <translation>%1 о %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/timer/meetingrule.cpp" line="93"/>
        <source>%1 in %n min</source>
        <translation>
            <numerusform>%1 через %n хв</numerusform>
            <numerusform>%1 через %n хв</numerusform>
            <numerusform>%1 через %n хв</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MeetingReminders</name>
    <message>
        <location filename="../src/timer/meetingreminders.cpp" line="47"/>
        <source>%1 has started</source>
        <translation>Уже почалося: %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/timer/meetingreminders.cpp" line="48"/>
        <source>%1 starts in %n min</source>
        <translation>
            <numerusform>%1 почнеться через %n хв</numerusform>
            <numerusform>%1 почнеться через %n хв</numerusform>
            <numerusform>%1 почнеться через %n хв</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhaseNotifier</name>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="43"/>
        <source>Focus phase over</source>
        <translation>Фокус завершено</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="43"/>
        <source>Rest over</source>
        <translation>Відпочинок завершено</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="39"/>
        <source>Open Stint</source>
        <translation>Відкрити Stint</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="41"/>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="41"/>
        <source>No</source>
        <translation>Ні</translation>
    </message>
</context>
<context>
    <name>ReminderNotifier</name>
    <message>
        <location filename="../src/app/remindernotifier.cpp" line="40"/>
        <source>Open Stint</source>
        <translation>Відкрити Stint</translation>
    </message>
    <message>
        <location filename="../src/app/remindernotifier.cpp" line="40"/>
        <source>Join Meeting</source>
        <translation>Приєднатися</translation>
    </message>
</context>
<context>
    <name>TaskCompletion</name>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="19"/>
        <source>sign in again</source>
        <translation>увійдіть знову</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="21"/>
        <source>the task is no longer in Google Tasks</source>
        <translation>завдання більше немає в Google Tasks</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="22"/>
        <source>the server answered with error %1</source>
        <translation>сервер відповів помилкою %1</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="25"/>
        <source>the server could not be reached</source>
        <translation>не вдалося зв’язатися із сервером</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="26"/>
        <source>the server&apos;s answer could not be read</source>
        <translation>не вдалося прочитати відповідь сервера</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="121"/>
        <source>“%1” was not completed: %2.</source>
        <translation>«%1» не позначено виконаним: %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="122"/>
        <source>“%1” was not reopened: %2.</source>
        <translation>«%1» не повернуто в роботу: %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="139"/>
        <source>“%1” completed in Google Tasks.</source>
        <translation>«%1» виконано в Google Tasks.</translation>
    </message>
</context>
<context>
    <name>TaskDraft</name>
    <message>
        <location filename="../src/timer/taskdraft.cpp" line="16"/>
        <source>Not added: the server could not be reached</source>
        <translation>Не додано: не вдалося зв’язатися із сервером</translation>
    </message>
    <message>
        <location filename="../src/timer/taskdraft.cpp" line="18"/>
        <source>Not added: the server did not accept your sign-in</source>
        <translation>Не додано: сервер не прийняв ваш вхід</translation>
    </message>
    <message>
        <location filename="../src/timer/taskdraft.cpp" line="19"/>
        <source>Not added: the server reported an error</source>
        <translation>Не додано: сервер повідомив про помилку</translation>
    </message>
</context>
<context>
    <name>TaskListView</name>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="88"/>
        <source>Enter task name</source>
        <translation>Назва завдання</translation>
    </message>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="52"/>
        <source>Tasks</source>
        <translation>Завдання</translation>
    </message>
</context>
<context>
    <name>TimerClient</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="101"/>
        <location filename="../src/app/timerclient.cpp" line="84"/>
        <source>Stint is not running</source>
        <translation>Stint не запущено</translation>
    </message>
</context>
<context>
    <name>TimerView</name>
    <message>
        <location filename="../src/ui/TimerView.qml" line="102"/>
        <source>Join Meeting</source>
        <translation>Приєднатися</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="114"/>
        <source>Add task</source>
        <translation>Додати завдання</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="143"/>
        <source>Is the task now done?</source>
        <translation>Завдання виконано?</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="157"/>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="163"/>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="193"/>
        <source>Undo</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="204"/>
        <source>Paused while the screen was locked</source>
        <translation>Призупинено, поки екран був заблокований</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="215"/>
        <source>Stop</source>
        <translation>Зупинити</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="270"/>
        <source>Retry</source>
        <translation>Повторити</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="337"/>
        <source>Sign in to Google to use the app fully and synchronize the Google Calendar tasks &amp; events</source>
        <translation>Увійдіть у Google, щоб користуватися всіма можливостями застосунку й синхронізувати завдання та події Google Календаря</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="357"/>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="393"/>
        <source>Sign Out</source>
        <translation>Вийти з акаунта</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="403"/>
        <source>Google Client…</source>
        <translation>Клієнт Google…</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="424"/>
        <source>Silence Notifications While Focusing</source>
        <translation>Вимикати сповіщення під час зосередження</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="442"/>
        <source>Pause When the Screen Locks</source>
        <translation>Пауза під час блокування екрана</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="451"/>
        <source>Complete the Task in Google Tasks When I Answer Yes</source>
        <translation>Позначати завдання виконаним у Google Tasks, коли я відповідаю «Так»</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="459"/>
        <source>Focus History…</source>
        <translation>Історія зосередження…</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="466"/>
        <source>Privacy Policy</source>
        <translation>Конфіденційність</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="473"/>
        <source>Exit</source>
        <translation>Завершити</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="411"/>
        <source>Start at Login</source>
        <translation>Запуск під час входу</translation>
    </message>
</context>
<context>
    <name>TodaySummary</name>
    <message numerus="yes">
        <location filename="../src/history/todaysummary.cpp" line="21"/>
        <source>%n min</source>
        <translation>
            <numerusform>%n хв</numerusform>
            <numerusform>%n хв</numerusform>
            <numerusform>%n хв</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/history/todaysummary.cpp" line="22"/>
        <source>%1 h %2 min</source>
        <translation>%1 год %2 хв</translation>
    </message>
    <message>
        <location filename="../src/history/todaysummary.cpp" line="60"/>
        <source>Today: no focus phases yet</source>
        <translation>Сьогодні: зосередження ще не було</translation>
    </message>
    <message>
        <location filename="../src/history/todaysummary.cpp" line="63"/>
        <source>Today: 1 focus phase</source>
        <translation>Сьогодні: 1 фаза зосередження</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/history/todaysummary.cpp" line="63"/>
        <source>Today: %n focus phases</source>
        <translation>
            <numerusform>Сьогодні: %n фаза зосередження</numerusform>
            <numerusform>Сьогодні: %n фази зосередження</numerusform>
            <numerusform>Сьогодні: %n фаз зосередження</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrayCountdown</name>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="84"/>
        <source>Focus · %n min left</source>
        <translation>
            <numerusform>Фокус · залишилася %n хв</numerusform>
            <numerusform>Фокус · залишилося %n хв</numerusform>
            <numerusform>Фокус · залишилося %n хв</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="86"/>
        <source>Rest · %n min left</source>
        <translation>
            <numerusform>Відпочинок · залишилася %n хв</numerusform>
            <numerusform>Відпочинок · залишилося %n хв</numerusform>
            <numerusform>Відпочинок · залишилося %n хв</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="88"/>
        <source>Paused · %n min left</source>
        <translation>
            <numerusform>Пауза · залишилася %n хв</numerusform>
            <numerusform>Пауза · залишилося %n хв</numerusform>
            <numerusform>Пауза · залишилося %n хв</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <location filename="../src/app/trayicon.cpp" line="19"/>
        <source>Open Stint</source>
        <translation>Відкрити Stint</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="20"/>
        <source>Focus History…</source>
        <translation>Історія зосередження…</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="22"/>
        <source>Exit</source>
        <translation>Завершити</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="29"/>
        <source>Countdown Timer</source>
        <translation>Таймер зворотного відліку</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="62"/>
        <source>Stop</source>
        <translation>Зупинити</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/trayicon.cpp" line="88"/>
        <source>Focus · %n min</source>
        <translation>
            <numerusform>Фокус · %n хв</numerusform>
            <numerusform>Фокус · %n хв</numerusform>
            <numerusform>Фокус · %n хв</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/trayicon.cpp" line="89"/>
        <source>Rest · %n min</source>
        <translation>
            <numerusform>Відпочинок · %n хв</numerusform>
            <numerusform>Відпочинок · %n хв</numerusform>
            <numerusform>Відпочинок · %n хв</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="95"/>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="97"/>
        <source>Resume</source>
        <translation>Продовжити</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="98"/>
        <source>Start Focus</source>
        <translation>Почати зосередження</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="98"/>
        <source>Start Rest</source>
        <translation>Почати відпочинок</translation>
    </message>
</context>
</TS>
