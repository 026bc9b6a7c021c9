<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AppDelegate</name>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="116"/>
        <source>Countdown Timer</source>
        <translation>Conto alla rovescia</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="120"/>
        <source>Open Stint</source>
        <translation>Apri Stint</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="122"/>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="243"/>
        <source>Welcome to the App!</source>
        <translation>Benvenuto nell&apos;app!</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="244"/>
        <source>This is the first time you&apos;ve launched the app.</source>
        <translation>È la prima volta che avvii l&apos;app.</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="245"/>
        <source>Get Started</source>
        <translation>Inizia</translation>
    </message>
</context>
<context>
    <name>CircularProgressView</name>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="100"/>
        <source>Stay focused</source>
        <translation>Concentrazione</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="100"/>
        <source>Rest</source>
        <translation>Riposo</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="125"/>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="125"/>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <location filename="../src/ui/ContentView.qml" line="93"/>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <location filename="../src/ui/ContentView.qml" line="97"/>
        <source>Events</source>
        <translation>Eventi</translation>
    </message>
</context>
<context>
    <name>Formatters</name>
    <message>
        <source>Today</source>
        <translation type="vanished">Oggi</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation type="vanished">Ieri</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation type="vanished">Domani</translation>
    </message>
</context>
<context>
    <name>GoogleSignIn</name>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="632"/>
        <source>This answer does not belong to the sign-in that Stint started. Go back to Stint and sign in again.</source>
        <translation>Questa risposta non appartiene all&apos;accesso avviato da Stint. Torna a Stint e accedi di nuovo.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="641"/>
        <source>The sign-in was cancelled. You can close this tab.</source>
        <translation>L&apos;accesso è stato annullato. Puoi chiudere questa scheda.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="647"/>
        <source>The sign-in did not complete. Go back to Stint and sign in again.</source>
        <translation>L&apos;accesso non è stato completato. Torna a Stint e accedi di nuovo.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="654"/>
        <source>You are signed in to Stint. You can close this tab.</source>
        <translation>Accesso a Stint effettuato. Puoi chiudere questa scheda.</translation>
    </message>
</context>
<context>
    <name>GoogleSignInButton</name>
    <message>
        <location filename="../src/ui/GoogleSignInButton.qml" line="15"/>
        <source>Sign in with Google</source>
        <translation>Accedi con Google</translation>
    </message>
    <message>
        <location filename="../src/ui/GoogleSignInButton.qml" line="18"/>
        <source>Sign in with Google button.</source>
        <translation>Pulsante «Accedi con Google».</translation>
    </message>
</context>
<context>
    <name>ListEventsView</name>
    <message>
        <location filename="../src/ui/ListEventsView.qml" line="90"/>
        <source>Join Meeting</source>
        <translation>Partecipa</translation>
    </message>
    <message>
        <location filename="../src/ui/ListEventsView.qml" line="43"/>
        <source>Events</source>
        <translation>Eventi</translation>
    </message>
</context>
<context>
    <name>ListItemView</name>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="73"/>
        <source>Open %1</source>
        <translation>Apri %1</translation>
    </message>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="83"/>
        <source>Start %1</source>
        <translation>Avvia %1</translation>
    </message>
</context>
<context>
    <name>PhaseNotifier</name>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="55"/>
        <source>Focus phase over</source>
        <translation>Fine della concentrazione</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="56"/>
        <source>Rest over</source>
        <translation>Fine del riposo</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="52"/>
        <source>Open Stint</source>
        <translation>Apri Stint</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="54"/>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="54"/>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>TaskListView</name>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="81"/>
        <source>Enter task name</source>
        <translation>Nome dell&apos;attività</translation>
    </message>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="50"/>
        <source>Tasks</source>
        <translation>Attività</translation>
    </message>
</context>
<context>
    <name>TimerView</name>
    <message>
        <location filename="../src/ui/TimerView.qml" line="69"/>
        <source>Add task</source>
        <translation>Aggiungi attività</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="98"/>
        <source>Is the task now done?</source>
        <translation>Hai completato l&apos;attività?</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="112"/>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="118"/>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="130"/>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="160"/>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="212"/>
        <source>Sign in to Google to use the app fully and synchronize the Google Calendar tasks &amp; events</source>
        <translation>Accedi a Google per usare l&apos;app al completo e sincronizzare attività ed eventi di Google Calendar</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="232"/>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="263"/>
        <source>Sign Out</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="282"/>
        <source>Privacy Policy</source>
        <translation>Informativa sulla privacy</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="289"/>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="272"/>
        <source>Start at Login</source>
        <translation>Avvia all&apos;accesso</translation>
    </message>
</context>
<context>
    <name>TrayCountdown</name>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="88"/>
        <source>Focus · %n min left</source>
        <translation>
            <numerusform>Concentrazione · manca %n min</numerusform>
            <numerusform>Concentrazione · mancano %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="90"/>
        <source>Rest · %n min left</source>
        <translation>
            <numerusform>Riposo · manca %n min</numerusform>
            <numerusform>Riposo · mancano %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="92"/>
        <source>Paused · %n min left</source>
        <translation>
            <numerusform>In pausa · manca %n min</numerusform>
            <numerusform>In pausa · mancano %n min</numerusform>
        </translation>
    </message>
</context>
</TS>
