<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AppDelegate</name>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="116"/>
        <source>Countdown Timer</source>
        <translation>Afteltimer</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="120"/>
        <source>Open Stint</source>
        <translation>Stint openen</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="122"/>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="243"/>
        <source>Welcome to the App!</source>
        <translation>Welkom in de app!</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="244"/>
        <source>This is the first time you&apos;ve launched the app.</source>
        <translation>Dit is de eerste keer dat u de app start.</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="245"/>
        <source>Get Started</source>
        <translation>Aan de slag</translation>
    </message>
</context>
<context>
    <name>CircularProgressView</name>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="100"/>
        <source>Stay focused</source>
        <translation>Focus</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="100"/>
        <source>Rest</source>
        <translation>Rust</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="125"/>
        <source>Pause</source>
        <translation>Pauzeren</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="125"/>
        <source>Start</source>
        <translation>Starten</translation>
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
        <translation>Afspraken</translation>
    </message>
</context>
<context>
    <name>Formatters</name>
    <message>
        <source>Today</source>
        <translation type="vanished">Vandaag</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation type="vanished">Gisteren</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation type="vanished">Morgen</translation>
    </message>
</context>
<context>
    <name>GoogleSignIn</name>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="632"/>
        <source>This answer does not belong to the sign-in that Stint started. Go back to Stint and sign in again.</source>
        <translation>Dit antwoord hoort niet bij het inloggen dat Stint heeft gestart. Ga terug naar Stint en log opnieuw in.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="641"/>
        <source>The sign-in was cancelled. You can close this tab.</source>
        <translation>Het inloggen is geannuleerd. U kunt dit tabblad sluiten.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="647"/>
        <source>The sign-in did not complete. Go back to Stint and sign in again.</source>
        <translation>Het inloggen is niet voltooid. Ga terug naar Stint en log opnieuw in.</translation>
    </message>
    <message>
        <location filename="../src/accounts/googlesignin.cpp" line="654"/>
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
        <location filename="../src/ui/ListEventsView.qml" line="90"/>
        <source>Join Meeting</source>
        <translation>Deelnemen</translation>
    </message>
    <message>
        <location filename="../src/ui/ListEventsView.qml" line="43"/>
        <source>Events</source>
        <translation>Afspraken</translation>
    </message>
</context>
<context>
    <name>ListItemView</name>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="73"/>
        <source>Open %1</source>
        <translation>%1 openen</translation>
    </message>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="83"/>
        <source>Start %1</source>
        <translation>%1 starten</translation>
    </message>
</context>
<context>
    <name>PhaseNotifier</name>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="55"/>
        <source>Focus phase over</source>
        <translation>Focustijd voorbij</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="56"/>
        <source>Rest over</source>
        <translation>Rust voorbij</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="52"/>
        <source>Open Stint</source>
        <translation>Stint openen</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="54"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="54"/>
        <source>No</source>
        <translation>Nee</translation>
    </message>
</context>
<context>
    <name>TaskListView</name>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="81"/>
        <source>Enter task name</source>
        <translation>Naam van de taak</translation>
    </message>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="50"/>
        <source>Tasks</source>
        <translation>Taken</translation>
    </message>
</context>
<context>
    <name>TimerView</name>
    <message>
        <location filename="../src/ui/TimerView.qml" line="69"/>
        <source>Add task</source>
        <translation>Taak toevoegen</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="98"/>
        <source>Is the task now done?</source>
        <translation>Is de taak nu klaar?</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="112"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="118"/>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="130"/>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="160"/>
        <source>Retry</source>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="212"/>
        <source>Sign in to Google to use the app fully and synchronize the Google Calendar tasks &amp; events</source>
        <translation>Log in bij Google om de app volledig te gebruiken en taken en afspraken uit Google Agenda te synchroniseren</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="232"/>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="263"/>
        <source>Sign Out</source>
        <translation>Uitloggen</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="282"/>
        <source>Privacy Policy</source>
        <translation>Privacybeleid</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="289"/>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="272"/>
        <source>Start at Login</source>
        <translation>Starten bij inloggen</translation>
    </message>
</context>
<context>
    <name>TrayCountdown</name>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="88"/>
        <source>Focus · %n min left</source>
        <translation>
            <numerusform>Focus · nog %n min</numerusform>
            <numerusform>Focus · nog %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="90"/>
        <source>Rest · %n min left</source>
        <translation>
            <numerusform>Rust · nog %n min</numerusform>
            <numerusform>Rust · nog %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="92"/>
        <source>Paused · %n min left</source>
        <translation>
            <numerusform>Gepauzeerd · nog %n min</numerusform>
            <numerusform>Gepauzeerd · nog %n min</numerusform>
        </translation>
    </message>
</context>
</TS>
