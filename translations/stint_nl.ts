<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AppDelegate</name>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="108"/>
        <source>Countdown Timer</source>
        <translation>Afteltimer</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="112"/>
        <source>Open Stint</source>
        <translation>Stint openen</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="114"/>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="235"/>
        <source>Welcome to the App!</source>
        <translation>Welkom in de app!</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="236"/>
        <source>This is the first time you&apos;ve launched the app.</source>
        <translation>Dit is de eerste keer dat u de app start.</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="237"/>
        <source>Get Started</source>
        <translation>Aan de slag</translation>
    </message>
</context>
<context>
    <name>CircularProgressView</name>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="99"/>
        <source>Stay focused</source>
        <translation>Focus</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="99"/>
        <source>Rest</source>
        <translation>Rust</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="124"/>
        <source>Pause</source>
        <translation>Pauzeren</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="124"/>
        <source>Start</source>
        <translation>Starten</translation>
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
        <translation>Afspraken</translation>
    </message>
</context>
<context>
    <name>Formatters</name>
    <message>
        <source>Today</source>
        <translation>Vandaag</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Gisteren</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
</context>
<context>
    <name>GoogleSignIn</name>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="563"/>
        <source>This answer does not belong to the sign-in that Stint started. Go back to Stint and sign in again.</source>
        <translation>Dit antwoord hoort niet bij het inloggen dat Stint heeft gestart. Ga terug naar Stint en log opnieuw in.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="570"/>
        <source>The sign-in was cancelled. You can close this tab.</source>
        <translation>Het inloggen is geannuleerd. U kunt dit tabblad sluiten.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="576"/>
        <source>The sign-in did not complete. Go back to Stint and sign in again.</source>
        <translation>Het inloggen is niet voltooid. Ga terug naar Stint en log opnieuw in.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="582"/>
        <source>You are signed in to Stint. You can close this tab.</source>
        <translation>U bent ingelogd bij Stint. U kunt dit tabblad sluiten.</translation>
    </message>
</context>
<context>
    <name>GoogleSignInButton</name>
    <message>
        <location filename="../src/ui/GoogleSignInButton.qml" line="15"/>
        <source>Sign in with Google</source>
        <translation>Inloggen met Google</translation>
    </message>
    <message>
        <location filename="../src/ui/GoogleSignInButton.qml" line="18"/>
        <source>Sign in with Google button.</source>
        <translation>Knop ‘Inloggen met Google’.</translation>
    </message>
</context>
<context>
    <name>ListEventsView</name>
    <message>
        <location filename="../src/ui/ListEventsView.qml" line="86"/>
        <source>Join Meeting</source>
        <translation>Deelnemen</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Afspraken</translation>
    </message>
</context>
<context>
    <name>ListItemView</name>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="71"/>
        <source>Open %1</source>
        <translation>%1 openen</translation>
    </message>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="81"/>
        <source>Start %1</source>
        <translation>%1 starten</translation>
    </message>
</context>
<context>
    <name>PhaseNotifier</name>
    <message>
        <source>Focus phase over</source>
        <translation>Focustijd voorbij</translation>
    </message>
    <message>
        <source>Rest over</source>
        <translation>Rust voorbij</translation>
    </message>
    <message>
        <source>Open Stint</source>
        <translation>Stint openen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
</context>
<context>
    <name>TaskListView</name>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="69"/>
        <source>Enter task name</source>
        <translation>Naam van de taak</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Taken</translation>
    </message>
</context>
<context>
    <name>TimerView</name>
    <message>
        <location filename="../src/ui/TimerView.qml" line="75"/>
        <source>Add task</source>
        <translation>Taak toevoegen</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="102"/>
        <source>Is the task now done?</source>
        <translation>Is de taak nu klaar?</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="116"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="122"/>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="134"/>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="164"/>
        <source>Retry</source>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="214"/>
        <source>Sign in to Google to use the app fully and synchronize the Google Calendar tasks &amp; events</source>
        <translation>Log in bij Google om de app volledig te gebruiken en taken en afspraken uit Google Agenda te synchroniseren</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="234"/>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="263"/>
        <source>Sign Out</source>
        <translation>Uitloggen</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="271"/>
        <source>Privacy Policy</source>
        <translation>Privacybeleid</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="278"/>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Starten bij inloggen</translation>
    </message>
</context>
<context>
    <name>TrayCountdown</name>
    <message numerus="yes">
        <source>Focus · %n min left</source>
        <translation>
            <numerusform>Focus · nog %n min</numerusform>
            <numerusform>Focus · nog %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Rest · %n min left</source>
        <translation>
            <numerusform>Rust · nog %n min</numerusform>
            <numerusform>Rust · nog %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paused · %n min left</source>
        <translation>
            <numerusform>Gepauzeerd · nog %n min</numerusform>
            <numerusform>Gepauzeerd · nog %n min</numerusform>
        </translation>
    </message>
</context>
</TS>
