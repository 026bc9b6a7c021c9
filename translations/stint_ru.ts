<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AppDelegate</name>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="108"/>
        <source>Countdown Timer</source>
        <translation>Таймер обратного отсчёта</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="112"/>
        <source>Open Stint</source>
        <translation>Открыть Stint</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="114"/>
        <source>Exit</source>
        <translation>Завершить</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="235"/>
        <source>Welcome to the App!</source>
        <translation>Добро пожаловать в приложение!</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="236"/>
        <source>This is the first time you&apos;ve launched the app.</source>
        <translation>Это первый запуск приложения.</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="237"/>
        <source>Get Started</source>
        <translation>Начать</translation>
    </message>
</context>
<context>
    <name>CircularProgressView</name>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="99"/>
        <source>Stay focused</source>
        <translation>Фокус</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="99"/>
        <source>Rest</source>
        <translation>Отдых</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="124"/>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="124"/>
        <source>Start</source>
        <translation>Запустить</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <location filename="../src/ui/ContentView.qml" line="66"/>
        <source>Timer</source>
        <translation>Таймер</translation>
    </message>
    <message>
        <location filename="../src/ui/ContentView.qml" line="70"/>
        <source>Events</source>
        <translation>События</translation>
    </message>
</context>
<context>
    <name>Formatters</name>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Вчера</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Завтра</translation>
    </message>
</context>
<context>
    <name>GoogleSignIn</name>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="563"/>
        <source>This answer does not belong to the sign-in that Stint started. Go back to Stint and sign in again.</source>
        <translation>Этот ответ не относится ко входу, начатому в Stint. Вернитесь в Stint и войдите снова.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="570"/>
        <source>The sign-in was cancelled. You can close this tab.</source>
        <translation>Вход отменён. Эту вкладку можно закрыть.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="576"/>
        <source>The sign-in did not complete. Go back to Stint and sign in again.</source>
        <translation>Вход не завершён. Вернитесь в Stint и войдите снова.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="582"/>
        <source>You are signed in to Stint. You can close this tab.</source>
        <translation>Вход в Stint выполнен. Эту вкладку можно закрыть.</translation>
    </message>
</context>
<context>
    <name>GoogleSignInButton</name>
    <message>
        <location filename="../src/ui/GoogleSignInButton.qml" line="15"/>
        <source>Sign in with Google</source>
        <translation>Войти через Google</translation>
    </message>
    <message>
        <location filename="../src/ui/GoogleSignInButton.qml" line="18"/>
        <source>Sign in with Google button.</source>
        <translation>Кнопка «Войти через Google».</translation>
    </message>
</context>
<context>
    <name>ListEventsView</name>
    <message>
        <location filename="../src/ui/ListEventsView.qml" line="86"/>
        <source>Join Meeting</source>
        <translation>Подключиться</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>События</translation>
    </message>
</context>
<context>
    <name>ListItemView</name>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="71"/>
        <source>Open %1</source>
        <translation>Открыть %1</translation>
    </message>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="81"/>
        <source>Start %1</source>
        <translation>Запустить %1</translation>
    </message>
</context>
<context>
    <name>PhaseNotifier</name>
    <message>
        <source>Focus phase over</source>
        <translation>Фокус завершён</translation>
    </message>
    <message>
        <source>Rest over</source>
        <translation>Отдых окончен</translation>
    </message>
    <message>
        <source>Open Stint</source>
        <translation>Открыть Stint</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>TaskListView</name>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="69"/>
        <source>Enter task name</source>
        <translation>Название задачи</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Задачи</translation>
    </message>
</context>
<context>
    <name>TimerView</name>
    <message>
        <location filename="../src/ui/TimerView.qml" line="75"/>
        <source>Add task</source>
        <translation>Добавить задачу</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="102"/>
        <source>Is the task now done?</source>
        <translation>Задача выполнена?</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="116"/>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="122"/>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="134"/>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="164"/>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="214"/>
        <source>Sign in to Google to use the app fully and synchronize the Google Calendar tasks &amp; events</source>
        <translation>Войдите в Google, чтобы пользоваться всеми возможностями приложения и синхронизировать задачи и события Google Календаря</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="234"/>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="263"/>
        <source>Sign Out</source>
        <translation>Выйти из аккаунта</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="271"/>
        <source>Privacy Policy</source>
        <translation>Конфиденциальность</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="278"/>
        <source>Exit</source>
        <translation>Завершить</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Запускать при входе</translation>
    </message>
</context>
<context>
    <name>TrayCountdown</name>
    <message numerus="yes">
        <source>Focus · %n min left</source>
        <translation>
            <numerusform>Фокус · осталась %n мин</numerusform>
            <numerusform>Фокус · осталось %n мин</numerusform>
            <numerusform>Фокус · осталось %n мин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Rest · %n min left</source>
        <translation>
            <numerusform>Отдых · осталась %n мин</numerusform>
            <numerusform>Отдых · осталось %n мин</numerusform>
            <numerusform>Отдых · осталось %n мин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paused · %n min left</source>
        <translation>
            <numerusform>Пауза · осталась %n мин</numerusform>
            <numerusform>Пауза · осталось %n мин</numerusform>
            <numerusform>Пауза · осталось %n мин</numerusform>
        </translation>
    </message>
</context>
</TS>
