<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AppDelegate</name>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="108"/>
        <source>Countdown Timer</source>
        <translation>Conto alla rovescia</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="112"/>
        <source>Open Stint</source>
        <translation>Apri Stint</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="114"/>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="235"/>
        <source>Welcome to the App!</source>
        <translation>Benvenuto nell&apos;app!</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="236"/>
        <source>This is the first time you&apos;ve launched the app.</source>
        <translation>È la prima volta che avvii l&apos;app.</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="237"/>
        <source>Get Started</source>
        <translation>Inizia</translation>
    </message>
</context>
<context>
    <name>CircularProgressView</name>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="99"/>
        <source>Stay focused</source>
        <translation>Concentrazione</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="99"/>
        <source>Rest</source>
        <translation>Riposo</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="124"/>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="124"/>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <location filename="../src/ui/ContentView.qml" line="66"/>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <location filename="../src/ui/ContentView.qml" line="70"/>
        <source>Events</source>
        <translation>Eventi</translation>
    </message>
</context>
<context>
    <name>Formatters</name>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ieri</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Domani</translation>
    </message>
</context>
<context>
    <name>GoogleSignIn</name>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="563"/>
        <source>This answer does not belong to the sign-in that Stint started. Go back to Stint and sign in again.</source>
        <translation>Questa risposta non appartiene all&apos;accesso avviato da Stint. Torna a Stint e accedi di nuovo.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="570"/>
        <source>The sign-in was cancelled. You can close this tab.</source>
        <translation>L&apos;accesso è stato annullato. Puoi chiudere questa scheda.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="576"/>
        <source>The sign-in did not complete. Go back to Stint and sign in again.</source>
        <translation>L&apos;accesso non è stato completato. Torna a Stint e accedi di nuovo.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="582"/>
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
        <location filename="../src/ui/ListEventsView.qml" line="86"/>
        <source>Join Meeting</source>
        <translation>Partecipa</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventi</translation>
    </message>
</context>
<context>
    <name>ListItemView</name>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="71"/>
        <source>Open %1</source>
        <translation>Apri %1</translation>
    </message>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="81"/>
        <source>Start %1</source>
        <translation>Avvia %1</translation>
    </message>
</context>
<context>
    <name>PhaseNotifier</name>
    <message>
        <source>Focus phase over</source>
        <translation>Fine della concentrazione</translation>
    </message>
    <message>
        <source>Rest over</source>
        <translation>Fine del riposo</translation>
    </message>
    <message>
        <source>Open Stint</source>
        <translation>Apri Stint</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>TaskListView</name>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="69"/>
        <source>Enter task name</source>
        <translation>Nome dell&apos;attività</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Attività</translation>
    </message>
</context>
<context>
    <name>TimerView</name>
    <message>
        <location filename="../src/ui/TimerView.qml" line="75"/>
        <source>Add task</source>
        <translation>Aggiungi attività</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="102"/>
        <source>Is the task now done?</source>
        <translation>Hai completato l&apos;attività?</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="116"/>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="122"/>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="134"/>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="164"/>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="214"/>
        <source>Sign in to Google to use the app fully and synchronize the Google Calendar tasks &amp; events</source>
        <translation>Accedi a Google per usare l&apos;app al completo e sincronizzare attività ed eventi di Google Calendar</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="234"/>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="263"/>
        <source>Sign Out</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="271"/>
        <source>Privacy Policy</source>
        <translation>Informativa sulla privacy</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="278"/>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Avvia all&apos;accesso</translation>
    </message>
</context>
<context>
    <name>TrayCountdown</name>
    <message numerus="yes">
        <source>Focus · %n min left</source>
        <translation>
            <numerusform>Concentrazione · manca %n min</numerusform>
            <numerusform>Concentrazione · mancano %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Rest · %n min left</source>
        <translation>
            <numerusform>Riposo · manca %n min</numerusform>
            <numerusform>Riposo · mancano %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paused · %n min left</source>
        <translation>
            <numerusform>In pausa · manca %n min</numerusform>
            <numerusform>In pausa · mancano %n min</numerusform>
        </translation>
    </message>
</context>
</TS>
