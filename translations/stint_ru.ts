<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AppDelegate</name>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="116"/>
        <source>Countdown Timer</source>
        <translation>Таймер обратного отсчёта</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="120"/>
        <source>Open Stint</source>
        <translation>Открыть Stint</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="122"/>
        <source>Exit</source>
        <translation>Завершить</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="243"/>
        <source>Welcome to the App!</source>
        <translation>Добро пожаловать в приложение!</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="244"/>
        <source>This is the first time you&apos;ve launched the app.</source>
        <translation>Это первый запуск приложения.</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="245"/>
        <source>Get Started</source>
        <translation>Начать</translation>
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
        <translation>Отдых</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="125"/>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="125"/>
        <source>Start</source>
        <translation>Запустить</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <location filename="../src/ui/ContentView.qml" line="93"/>
        <source>Timer</source>
        <translation>Таймер</translation>
    </message>
    <message>
        <location filename="../src/ui/ContentView.qml" line="97"/>
        <source>Events</source>
        <translation>События</translation>
    </message>
</context>
<context>
    <name>Formatters</name>
    <message>
        <source>Today</source>
        <translation type="vanished">Сегодня</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation type="vanished">Вчера</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation type="vanished">Завтра</translation>
    </message>
</context>
<context>
    <name>GoogleSignIn</name>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="632"/>
        <source>This answer does not belong to the sign-in that Stint started. Go back to Stint and sign in again.</source>
        <translation>Этот ответ не относится ко входу, начатому в Stint. Вернитесь в Stint и войдите снова.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="641"/>
        <source>The sign-in was cancelled. You can close this tab.</source>
        <translation>Вход отменён. Эту вкладку можно закрыть.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="647"/>
        <source>The sign-in did not complete. Go back to Stint and sign in again.</source>
        <translation>Вход не завершён. Вернитесь в Stint и войдите снова.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="654"/>
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
        <location filename="../src/ui/ListEventsView.qml" line="90"/>
        <source>Join Meeting</source>
        <translation>Подключиться</translation>
    </message>
    <message>
        <location filename="../src/ui/ListEventsView.qml" line="43"/>
        <source>Events</source>
        <translation>События</translation>
    </message>
</context>
<context>
    <name>ListItemView</name>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="73"/>
        <source>Open %1</source>
        <translation>Открыть %1</translation>
    </message>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="83"/>
        <source>Start %1</source>
        <translation>Запустить %1</translation>
    </message>
</context>
<context>
    <name>PhaseNotifier</name>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="55"/>
        <source>Focus phase over</source>
        <translation>Фокус завершён</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="56"/>
        <source>Rest over</source>
        <translation>Отдых окончен</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="52"/>
        <source>Open Stint</source>
        <translation>Открыть Stint</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="54"/>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="54"/>
        <source>No</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>TaskListView</name>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="81"/>
        <source>Enter task name</source>
        <translation>Название задачи</translation>
    </message>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="50"/>
        <source>Tasks</source>
        <translation>Задачи</translation>
    </message>
</context>
<context>
    <name>TimerView</name>
    <message>
        <location filename="../src/ui/TimerView.qml" line="69"/>
        <source>Add task</source>
        <translation>Добавить задачу</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="98"/>
        <source>Is the task now done?</source>
        <translation>Задача выполнена?</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="112"/>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="118"/>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="130"/>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="160"/>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="212"/>
        <source>Sign in to Google to use the app fully and synchronize the Google Calendar tasks &amp; events</source>
        <translation>Войдите в Google, чтобы пользоваться всеми возможностями приложения и синхронизировать задачи и события Google Календаря</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="232"/>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="263"/>
        <source>Sign Out</source>
        <translation>Выйти из аккаунта</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="282"/>
        <source>Privacy Policy</source>
        <translation>Конфиденциальность</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="289"/>
        <source>Exit</source>
        <translation>Завершить</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="272"/>
        <source>Start at Login</source>
        <translation>Запускать при входе</translation>
    </message>
</context>
<context>
    <name>TrayCountdown</name>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="88"/>
        <source>Focus · %n min left</source>
        <translation>
            <numerusform>Фокус · осталась %n мин</numerusform>
            <numerusform>Фокус · осталось %n мин</numerusform>
            <numerusform>Фокус · осталось %n мин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="90"/>
        <source>Rest · %n min left</source>
        <translation>
            <numerusform>Отдых · осталась %n мин</numerusform>
            <numerusform>Отдых · осталось %n мин</numerusform>
            <numerusform>Отдых · осталось %n мин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="92"/>
        <source>Paused · %n min left</source>
        <translation>
            <numerusform>Пауза · осталась %n мин</numerusform>
            <numerusform>Пауза · осталось %n мин</numerusform>
            <numerusform>Пауза · осталось %n мин</numerusform>
        </translation>
    </message>
</context>
</TS>
