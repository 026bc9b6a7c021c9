<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AppDelegate</name>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="108"/>
        <source>Countdown Timer</source>
        <translation>Minutnik</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="112"/>
        <source>Open Stint</source>
        <translation>Otwórz Stint</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="114"/>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="235"/>
        <source>Welcome to the App!</source>
        <translation>Witamy w aplikacji!</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="236"/>
        <source>This is the first time you&apos;ve launched the app.</source>
        <translation>To pierwsze uruchomienie aplikacji.</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="237"/>
        <source>Get Started</source>
        <translation>Zaczynamy</translation>
    </message>
</context>
<context>
    <name>CircularProgressView</name>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="99"/>
        <source>Stay focused</source>
        <translation>Skupienie</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="99"/>
        <source>Rest</source>
        <translation>Przerwa</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="124"/>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="124"/>
        <source>Start</source>
        <translation>Rozpocznij</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <location filename="../src/ui/ContentView.qml" line="66"/>
        <source>Timer</source>
        <translation>Minutnik</translation>
    </message>
    <message>
        <location filename="../src/ui/ContentView.qml" line="70"/>
        <source>Events</source>
        <translation>Wydarzenia</translation>
    </message>
</context>
<context>
    <name>Formatters</name>
    <message>
        <source>Today</source>
        <translation>Dzisiaj</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Wczoraj</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Jutro</translation>
    </message>
</context>
<context>
    <name>GoogleSignIn</name>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="563"/>
        <source>This answer does not belong to the sign-in that Stint started. Go back to Stint and sign in again.</source>
        <translation>Ta odpowiedź nie należy do logowania rozpoczętego przez Stint. Wróć do Stint i zaloguj się ponownie.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="570"/>
        <source>The sign-in was cancelled. You can close this tab.</source>
        <translation>Logowanie zostało anulowane. Można zamknąć tę kartę.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="576"/>
        <source>The sign-in did not complete. Go back to Stint and sign in again.</source>
        <translation>Logowanie nie zostało ukończone. Wróć do Stint i zaloguj się ponownie.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="582"/>
        <source>You are signed in to Stint. You can close this tab.</source>
        <translation>Zalogowano do Stint. Można zamknąć tę kartę.</translation>
    </message>
</context>
<context>
    <name>GoogleSignInButton</name>
    <message>
        <location filename="../src/ui/GoogleSignInButton.qml" line="15"/>
        <source>Sign in with Google</source>
        <translation>Zaloguj się przez Google</translation>
    </message>
    <message>
        <location filename="../src/ui/GoogleSignInButton.qml" line="18"/>
        <source>Sign in with Google button.</source>
        <translation>Przycisk „Zaloguj się przez Google”.</translation>
    </message>
</context>
<context>
    <name>ListEventsView</name>
    <message>
        <location filename="../src/ui/ListEventsView.qml" line="86"/>
        <source>Join Meeting</source>
        <translation>Dołącz</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Wydarzenia</translation>
    </message>
</context>
<context>
    <name>ListItemView</name>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="71"/>
        <source>Open %1</source>
        <translation>Otwórz %1</translation>
    </message>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="81"/>
        <source>Start %1</source>
        <translation>Rozpocznij %1</translation>
    </message>
</context>
<context>
    <name>PhaseNotifier</name>
    <message>
        <source>Focus phase over</source>
        <translation>Koniec skupienia</translation>
    </message>
    <message>
        <source>Rest over</source>
        <translation>Koniec przerwy</translation>
    </message>
    <message>
        <source>Open Stint</source>
        <translation>Otwórz Stint</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
</context>
<context>
    <name>TaskListView</name>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="69"/>
        <source>Enter task name</source>
        <translation>Nazwa zadania</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Zadania</translation>
    </message>
</context>
<context>
    <name>TimerView</name>
    <message>
        <location filename="../src/ui/TimerView.qml" line="75"/>
        <source>Add task</source>
        <translation>Dodaj zadanie</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="102"/>
        <source>Is the task now done?</source>
        <translation>Czy zadanie jest już wykonane?</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="116"/>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="122"/>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="134"/>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="164"/>
        <source>Retry</source>
        <translation>Spróbuj ponownie</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="214"/>
        <source>Sign in to Google to use the app fully and synchronize the Google Calendar tasks &amp; events</source>
        <translation>Zaloguj się do Google, aby w pełni korzystać z aplikacji i synchronizować zadania oraz wydarzenia z Kalendarza Google</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="234"/>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="263"/>
        <source>Sign Out</source>
        <translation>Wyloguj się</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="271"/>
        <source>Privacy Policy</source>
        <translation>Polityka prywatności</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="278"/>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Uruchom przy logowaniu</translation>
    </message>
</context>
<context>
    <name>TrayCountdown</name>
    <message numerus="yes">
        <source>Focus · %n min left</source>
        <translation>
            <numerusform>Skupienie · została %n min</numerusform>
            <numerusform>Skupienie · zostały %n min</numerusform>
            <numerusform>Skupienie · zostało %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Rest · %n min left</source>
        <translation>
            <numerusform>Przerwa · została %n min</numerusform>
            <numerusform>Przerwa · zostały %n min</numerusform>
            <numerusform>Przerwa · zostało %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paused · %n min left</source>
        <translation>
            <numerusform>Wstrzymano · została %n min</numerusform>
            <numerusform>Wstrzymano · zostały %n min</numerusform>
            <numerusform>Wstrzymano · zostało %n min</numerusform>
        </translation>
    </message>
</context>
</TS>
