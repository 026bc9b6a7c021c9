<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>AppDelegate</name>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="116"/>
        <source>Countdown Timer</source>
        <translation>Таймер зворотного відліку</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="120"/>
        <source>Open Stint</source>
        <translation>Відкрити Stint</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="122"/>
        <source>Exit</source>
        <translation>Завершити</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="243"/>
        <source>Welcome to the App!</source>
        <translation>Ласкаво просимо до застосунку!</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="244"/>
        <source>This is the first time you&apos;ve launched the app.</source>
        <translation>Це перший запуск застосунку.</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="245"/>
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
    <name>ContentView</name>
    <message>
        <location filename="../src/ui/ContentView.qml" line="93"/>
        <source>Timer</source>
        <translation>Таймер</translation>
    </message>
    <message>
        <location filename="../src/ui/ContentView.qml" line="97"/>
        <source>Events</source>
        <translation>Події</translation>
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
    <name>GoogleSignIn</name>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="632"/>
        <source>This answer does not belong to the sign-in that Stint started. Go back to Stint and sign in again.</source>
        <translation>Ця відповідь не стосується входу, розпочатого в Stint. Поверніться до Stint і увійдіть знову.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="641"/>
        <source>The sign-in was cancelled. You can close this tab.</source>
        <translation>Вхід скасовано. Цю вкладку можна закрити.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="647"/>
        <source>The sign-in did not complete. Go back to Stint and sign in again.</source>
        <translation>Вхід не завершено. Поверніться до Stint і увійдіть знову.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="654"/>
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
        <location filename="../src/ui/ListEventsView.qml" line="90"/>
        <source>Join Meeting</source>
        <translation>Приєднатися</translation>
    </message>
    <message>
        <location filename="../src/ui/ListEventsView.qml" line="43"/>
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
    <name>PhaseNotifier</name>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="55"/>
        <source>Focus phase over</source>
        <translation>Фокус завершено</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="56"/>
        <source>Rest over</source>
        <translation>Відпочинок завершено</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="52"/>
        <source>Open Stint</source>
        <translation>Відкрити Stint</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="54"/>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="54"/>
        <source>No</source>
        <translation>Ні</translation>
    </message>
</context>
<context>
    <name>TaskListView</name>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="81"/>
        <source>Enter task name</source>
        <translation>Назва завдання</translation>
    </message>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="50"/>
        <source>Tasks</source>
        <translation>Завдання</translation>
    </message>
</context>
<context>
    <name>TimerView</name>
    <message>
        <location filename="../src/ui/TimerView.qml" line="69"/>
        <source>Add task</source>
        <translation>Додати завдання</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="98"/>
        <source>Is the task now done?</source>
        <translation>Завдання виконано?</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="112"/>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="118"/>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="130"/>
        <source>Stop</source>
        <translation>Зупинити</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="160"/>
        <source>Retry</source>
        <translation>Повторити</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="212"/>
        <source>Sign in to Google to use the app fully and synchronize the Google Calendar tasks &amp; events</source>
        <translation>Увійдіть у Google, щоб користуватися всіма можливостями застосунку й синхронізувати завдання та події Google Календаря</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="232"/>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="263"/>
        <source>Sign Out</source>
        <translation>Вийти з акаунта</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="282"/>
        <source>Privacy Policy</source>
        <translation>Конфіденційність</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="289"/>
        <source>Exit</source>
        <translation>Завершити</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="272"/>
        <source>Start at Login</source>
        <translation>Запуск під час входу</translation>
    </message>
</context>
<context>
    <name>TrayCountdown</name>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="88"/>
        <source>Focus · %n min left</source>
        <translation>
            <numerusform>Фокус · залишилася %n хв</numerusform>
            <numerusform>Фокус · залишилося %n хв</numerusform>
            <numerusform>Фокус · залишилося %n хв</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="90"/>
        <source>Rest · %n min left</source>
        <translation>
            <numerusform>Відпочинок · залишилася %n хв</numerusform>
            <numerusform>Відпочинок · залишилося %n хв</numerusform>
            <numerusform>Відпочинок · залишилося %n хв</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="92"/>
        <source>Paused · %n min left</source>
        <translation>
            <numerusform>Пауза · залишилася %n хв</numerusform>
            <numerusform>Пауза · залишилося %n хв</numerusform>
            <numerusform>Пауза · залишилося %n хв</numerusform>
        </translation>
    </message>
</context>
</TS>
