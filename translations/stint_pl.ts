<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AppDelegate</name>
    <message>
        <source>Countdown Timer</source>
        <translation type="vanished">Minutnik</translation>
    </message>
    <message>
        <source>Open Stint</source>
        <translation type="vanished">Otwórz Stint</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="vanished">Zakończ</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="328"/>
        <source>Welcome to the App!</source>
        <translation>Witamy w aplikacji!</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="329"/>
        <source>This is the first time you&apos;ve launched the app.</source>
        <translation>To pierwsze uruchomienie aplikacji.</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="330"/>
        <source>Get Started</source>
        <translation>Zaczynamy</translation>
    </message>
</context>
<context>
    <name>CircularProgressView</name>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="100"/>
        <source>Stay focused</source>
        <translation>Skupienie</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="100"/>
        <source>Rest</source>
        <translation>Przerwa</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="125"/>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="125"/>
        <source>Start</source>
        <translation>Rozpocznij</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="15"/>
        <source>A calm focus timer. Without options, starts Stint or brings the running Stint forward.</source>
        <translation>Spokojny minutnik skupienia. Bez opcji uruchamia Stint lub wysuwa na wierzch działający Stint.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="20"/>
        <source>A sign-in address to hand to Stint.</source>
        <translation>Adres logowania do przekazania Stint.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="50"/>
        <location filename="../src/app/commandline.cpp" line="63"/>
        <source>Try &apos;stint --help&apos;.</source>
        <translation>Zobacz &apos;stint --help&apos;.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="75"/>
        <source>Start or resume the countdown; with a title, start focusing on that task.</source>
        <translation>Rozpoczyna lub wznawia odliczanie; z tytułem rozpoczyna skupienie na tym zadaniu.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="78"/>
        <source>Pause the countdown.</source>
        <translation>Wstrzymuje odliczanie.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="80"/>
        <source>Pause the countdown, or start or resume it.</source>
        <translation>Wstrzymuje odliczanie albo je rozpoczyna lub wznawia.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="82"/>
        <source>Stop the phase and get the next one ready.</source>
        <translation>Zatrzymuje fazę i przygotowuje następną.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="85"/>
        <source>Print the phase, the time left and the task. Exit status 0 while counting, 1 when paused or ready, 3 when Stint is not running.</source>
        <translation>Wypisuje fazę, pozostały czas i zadanie. Kod wyjścia 0 podczas odliczania, 1 po wstrzymaniu lub w gotowości, 3 gdy Stint nie działa.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="89"/>
        <source>Print the status again at each change, until interrupted.</source>
        <translation>Wypisuje stan ponownie przy każdej zmianie, aż do przerwania.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="92"/>
        <source>With --status or --follow: print JSON objects, as waybar reads them; with --history, JSON lines.</source>
        <translation>Z --status lub --follow: wypisuje obiekty JSON w postaci czytanej przez waybar; z --history wiersze JSON.</translation>
    </message>
    <message>
        <source>With --status or --follow: print JSON objects, as waybar reads them.</source>
        <translation type="vanished">Z --status lub --follow: wypisuje obiekty JSON w postaci czytanej przez waybar.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="132"/>
        <source>--json goes with --status or --follow.</source>
        <translation>--json działa z --status lub --follow.</translation>
    </message>
    <message>
        <location filename="../src/app/historycommand.cpp" line="15"/>
        <source>Print every phase of the focus history as CSV; with --json, as JSON lines.</source>
        <translation>Wypisuje każdą fazę historii skupienia jako CSV; z --json jako wiersze JSON.</translation>
    </message>
</context>
<context>
    <name>ConnectGoogleView</name>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="24"/>
        <source>Connect Google</source>
        <translation>Połącz z Google</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="30"/>
        <source>Stint reaches your tasks and calendar through a Google client of your own.</source>
        <translation>Stint łączy się z Twoimi zadaniami i kalendarzem przez Twojego własnego klienta Google.</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="40"/>
        <source>Client ID</source>
        <translation>Identyfikator klienta</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="51"/>
        <source>Client secret</source>
        <translation>Tajny klucz klienta</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="76"/>
        <source>How do I get these?</source>
        <translation>Skąd je wziąć?</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="102"/>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="110"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="116"/>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <location filename="../src/ui/ContentView.qml" line="99"/>
        <source>Timer</source>
        <translation>Minutnik</translation>
    </message>
    <message>
        <location filename="../src/ui/ContentView.qml" line="103"/>
        <source>Events</source>
        <translation>Wydarzenia</translation>
    </message>
</context>
<context>
    <name>DoNotDisturb</name>
    <message>
        <location filename="../src/app/donotdisturb.cpp" line="195"/>
        <source>Focusing</source>
        <translation>Skupienie</translation>
    </message>
    <message>
        <location filename="../src/app/donotdisturb.cpp" line="274"/>
        <source>This desktop&apos;s Do Not Disturb is not one Stint knows (GNOME, Plasma, Xfce or dunst).</source>
        <translation>Stint nie zna trybu Nie przeszkadzać tego pulpitu (GNOME, Plasma, Xfce lub dunst).</translation>
    </message>
</context>
<context>
    <name>FetchFailure</name>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="11"/>
        <source>Stint&apos;s own server took too long to start. Retry may help.</source>
        <translation>Własny serwer Stint uruchamiał się zbyt długo. Ponowna próba może pomóc.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="12"/>
        <source>Stint&apos;s own server could not be started.</source>
        <translation>Nie udało się uruchomić własnego serwera Stint.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="15"/>
        <source>The server did not answer in time. Retry may help.</source>
        <translation>Serwer nie odpowiedział na czas. Ponowna próba może pomóc.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="16"/>
        <source>The server could not be reached. Retry may help.</source>
        <translation>Nie można połączyć się z serwerem. Ponowna próba może pomóc.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="23"/>
        <source>The server did not accept your sign-in. Retry may help; if not, sign out and in again.</source>
        <translation>Serwer nie przyjął Twojego logowania. Ponowna próba może pomóc; jeśli nie, wyloguj się i zaloguj ponownie.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="25"/>
        <source>Google refused access to your tasks.</source>
        <translation>Google odmówił dostępu do Twoich zadań.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="27"/>
        <source>Too many requests for now. Retry in a minute.</source>
        <translation>Na razie zbyt wiele żądań. Spróbuj ponownie za minutę.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="29"/>
        <source>The server could not get your tasks from Google. Retry may help.</source>
        <translation>Serwer nie mógł pobrać Twoich zadań z Google. Ponowna próba może pomóc.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="31"/>
        <source>Google took too long to answer the server. Retry may help.</source>
        <translation>Google zbyt długo odpowiadał serwerowi. Ponowna próba może pomóc.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="33"/>
        <source>The server failed. Retry may help.</source>
        <translation>Wystąpił błąd serwera. Ponowna próba może pomóc.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="33"/>
        <source>The server refused the request.</source>
        <translation>Serwer odrzucił żądanie.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="37"/>
        <source>The server&apos;s answer could not be read.</source>
        <translation>Nie udało się odczytać odpowiedzi serwera.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="38"/>
        <source>The tasks could not be fetched. Retry may help.</source>
        <translation>Nie udało się pobrać zadań. Ponowna próba może pomóc.</translation>
    </message>
</context>
<context>
    <name>FocusHistory</name>
    <message>
        <location filename="../src/app/focushistory.cpp" line="72"/>
        <source>Focus History</source>
        <translation>Historia skupienia</translation>
    </message>
</context>
<context>
    <name>FocusHistoryModel</name>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="46"/>
        <source>under way</source>
        <translation>w toku</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="48"/>
        <source>ran out</source>
        <translation>zakończona</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="50"/>
        <source>stopped</source>
        <translation>zatrzymana</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="52"/>
        <source>Stint quit</source>
        <translation>Stint zamknięty</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="54"/>
        <source>interrupted</source>
        <translation>przerwana</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="80"/>
        <source>This week</source>
        <translation>Ten tydzień</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="182"/>
        <source>No task</source>
        <translation>Bez zadania</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="183"/>
        <source>1 phase</source>
        <translation>1 faza</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/focushistorymodel.cpp" line="183"/>
        <source>%n phases</source>
        <translation>
            <numerusform>%n faza</numerusform>
            <numerusform>%n fazy</numerusform>
            <numerusform>%n faz</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="194"/>
        <source>Focus</source>
        <translation>Skupienie</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="194"/>
        <source>Rest</source>
        <translation>Przerwa</translation>
    </message>
</context>
<context>
    <name>FocusHistoryView</name>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="85"/>
        <location filename="../src/ui/FocusHistoryView.qml" line="88"/>
        <source>Previous Week</source>
        <translation>Poprzedni tydzień</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="103"/>
        <location filename="../src/ui/FocusHistoryView.qml" line="106"/>
        <source>Next Week</source>
        <translation>Następny tydzień</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="111"/>
        <source>Today</source>
        <translation>Dzisiaj</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="120"/>
        <source>Focused this week: %1</source>
        <translation>Skupienie w tym tygodniu: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="229"/>
        <source>Whole Week</source>
        <translation>Cały tydzień</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="236"/>
        <source>No focus recorded.</source>
        <translation>Brak zapisanego skupienia.</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="237"/>
        <source>The focus history is off: its file is from a newer version of Stint.</source>
        <translation>Historia skupienia jest wyłączona: jej plik pochodzi z nowszej wersji Stint.</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="271"/>
        <source>Today’s Phases</source>
        <translation>Dzisiejsze fazy</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="277"/>
        <source>No phases today yet.</source>
        <translation>Dziś jeszcze brak faz.</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="316"/>
        <source>Your focus history stays on this computer: it never leaves the machine.</source>
        <translation>Twoja historia skupienia pozostaje na tym komputerze: nigdy go nie opuszcza.</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="328"/>
        <source>Export…</source>
        <translation>Eksportuj…</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="340"/>
        <source>Clear History…</source>
        <translation>Wyczyść historię…</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="351"/>
        <source>Export Focus History</source>
        <translation>Eksportuj historię skupienia</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="354"/>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="363"/>
        <source>Clear the focus history?</source>
        <translation>Wyczyścić historię skupienia?</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="368"/>
        <source>Every recorded phase is removed from this computer. This cannot be undone.</source>
        <translation>Wszystkie zapisane fazy zostaną usunięte z tego komputera. Tego nie można cofnąć.</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="372"/>
        <source>Clear History</source>
        <translation>Wyczyść historię</translation>
    </message>
</context>
<context>
    <name>Formatters</name>
    <message>
        <source>Today</source>
        <translation type="vanished">Dzisiaj</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation type="vanished">Wczoraj</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation type="vanished">Jutro</translation>
    </message>
</context>
<context>
    <name>GoogleClientForm</name>
    <message>
        <location filename="../src/ui/googleclientform.cpp" line="56"/>
        <source>Enter the client ID.</source>
        <translation>Wpisz identyfikator klienta.</translation>
    </message>
    <message>
        <location filename="../src/ui/googleclientform.cpp" line="60"/>
        <source>A client ID ends in .apps.googleusercontent.com.</source>
        <translation>Identyfikator klienta kończy się na .apps.googleusercontent.com.</translation>
    </message>
    <message>
        <location filename="../src/ui/googleclientform.cpp" line="64"/>
        <source>Enter the client secret.</source>
        <translation>Wpisz tajny klucz klienta.</translation>
    </message>
</context>
<context>
    <name>GoogleSignIn</name>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="215"/>
        <source>This answer does not belong to the sign-in that Stint started. Go back to Stint and sign in again.</source>
        <translation>Ta odpowiedź nie należy do logowania rozpoczętego przez Stint. Wróć do Stint i zaloguj się ponownie.</translation>
    </message>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="224"/>
        <source>The sign-in was cancelled. You can close this tab.</source>
        <translation>Logowanie zostało anulowane. Można zamknąć tę kartę.</translation>
    </message>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="230"/>
        <source>The sign-in did not complete. Go back to Stint and sign in again.</source>
        <translation>Logowanie nie zostało ukończone. Wróć do Stint i zaloguj się ponownie.</translation>
    </message>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="237"/>
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
        <location filename="../src/ui/ListEventsView.qml" line="94"/>
        <source>Join Meeting</source>
        <translation>Dołącz</translation>
    </message>
    <message>
        <location filename="../src/ui/ListEventsView.qml" line="45"/>
        <source>Events</source>
        <translation>Wydarzenia</translation>
    </message>
</context>
<context>
    <name>ListItemView</name>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="73"/>
        <source>Open %1</source>
        <translation>Otwórz %1</translation>
    </message>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="83"/>
        <source>Start %1</source>
        <translation>Rozpocznij %1</translation>
    </message>
</context>
<context>
    <name>MeetingLine</name>
    <message numerus="yes">
        <location filename="../src/timer/meetingrule.cpp" line="67"/>
        <source>%1 starts %n min before this focus phase ends</source>
        <translation>
            <numerusform>%1 zaczyna się %n min przed końcem tego skupienia</numerusform>
            <numerusform>%1 zaczyna się %n min przed końcem tego skupienia</numerusform>
            <numerusform>%1 zaczyna się %n min przed końcem tego skupienia</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/timer/meetingrule.cpp" line="82"/>
        <source>%1 now</source>
        <translation>%1 trwa</translation>
    </message>
    <message>
        <location filename="../src/timer/meetingrule.cpp" line="88"/>
        <source>%1 at %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/timer/meetingrule.cpp" line="93"/>
        <source>%1 in %n min</source>
        <translation>
            <numerusform>%1 za %n min</numerusform>
            <numerusform>%1 za %n min</numerusform>
            <numerusform>%1 za %n min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MeetingReminders</name>
    <message>
        <location filename="../src/timer/meetingreminders.cpp" line="47"/>
        <source>%1 has started</source>
        <translation>Już trwa: %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/timer/meetingreminders.cpp" line="48"/>
        <source>%1 starts in %n min</source>
        <translation>
            <numerusform>%1 zaczyna się za %n min</numerusform>
            <numerusform>%1 zaczyna się za %n min</numerusform>
            <numerusform>%1 zaczyna się za %n min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhaseNotifier</name>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="43"/>
        <source>Focus phase over</source>
        <translation>Koniec skupienia</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="43"/>
        <source>Rest over</source>
        <translation>Koniec przerwy</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="39"/>
        <source>Open Stint</source>
        <translation>Otwórz Stint</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="41"/>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="41"/>
        <source>No</source>
        <translation>Nie</translation>
    </message>
</context>
<context>
    <name>ReminderNotifier</name>
    <message>
        <location filename="../src/app/remindernotifier.cpp" line="40"/>
        <source>Open Stint</source>
        <translation>Otwórz Stint</translation>
    </message>
    <message>
        <location filename="../src/app/remindernotifier.cpp" line="40"/>
        <source>Join Meeting</source>
        <translation>Dołącz</translation>
    </message>
</context>
<context>
    <name>TaskCompletion</name>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="19"/>
        <source>sign in again</source>
        <translation>zaloguj się ponownie</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="21"/>
        <source>the task is no longer in Google Tasks</source>
        <translation>zadania nie ma już w Google Tasks</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="22"/>
        <source>the server answered with error %1</source>
        <translation>serwer odpowiedział błędem %1</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="25"/>
        <source>the server could not be reached</source>
        <translation>nie można połączyć się z serwerem</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="26"/>
        <source>the server&apos;s answer could not be read</source>
        <translation>nie można odczytać odpowiedzi serwera</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="121"/>
        <source>“%1” was not completed: %2.</source>
        <translation>„%1” nie zostało ukończone: %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="122"/>
        <source>“%1” was not reopened: %2.</source>
        <translation>„%1” nie zostało ponownie otwarte: %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="139"/>
        <source>“%1” completed in Google Tasks.</source>
        <translation>„%1” ukończono w Google Tasks.</translation>
    </message>
</context>
<context>
    <name>TaskDraft</name>
    <message>
        <location filename="../src/timer/taskdraft.cpp" line="16"/>
        <source>Not added: the server could not be reached</source>
        <translation>Nie dodano: nie można połączyć się z serwerem</translation>
    </message>
    <message>
        <location filename="../src/timer/taskdraft.cpp" line="18"/>
        <source>Not added: the server did not accept your sign-in</source>
        <translation>Nie dodano: serwer nie zaakceptował logowania</translation>
    </message>
    <message>
        <location filename="../src/timer/taskdraft.cpp" line="19"/>
        <source>Not added: the server reported an error</source>
        <translation>Nie dodano: serwer zgłosił błąd</translation>
    </message>
</context>
<context>
    <name>TaskListView</name>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="88"/>
        <source>Enter task name</source>
        <translation>Nazwa zadania</translation>
    </message>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="52"/>
        <source>Tasks</source>
        <translation>Zadania</translation>
    </message>
</context>
<context>
    <name>TimerClient</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="101"/>
        <location filename="../src/app/timerclient.cpp" line="84"/>
        <source>Stint is not running</source>
        <translation>Stint nie działa</translation>
    </message>
</context>
<context>
    <name>TimerView</name>
    <message>
        <location filename="../src/ui/TimerView.qml" line="102"/>
        <source>Join Meeting</source>
        <translation>Dołącz</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="114"/>
        <source>Add task</source>
        <translation>Dodaj zadanie</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="143"/>
        <source>Is the task now done?</source>
        <translation>Czy zadanie jest już wykonane?</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="157"/>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="163"/>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="193"/>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="204"/>
        <source>Paused while the screen was locked</source>
        <translation>Wstrzymano podczas blokady ekranu</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="215"/>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="270"/>
        <source>Retry</source>
        <translation>Spróbuj ponownie</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="337"/>
        <source>Sign in to Google to use the app fully and synchronize the Google Calendar tasks &amp; events</source>
        <translation>Zaloguj się do Google, aby w pełni korzystać z aplikacji i synchronizować zadania oraz wydarzenia z Kalendarza Google</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="357"/>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="393"/>
        <source>Sign Out</source>
        <translation>Wyloguj się</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="403"/>
        <source>Google Client…</source>
        <translation>Klient Google…</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="424"/>
        <source>Silence Notifications While Focusing</source>
        <translation>Wycisz powiadomienia podczas skupienia</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="442"/>
        <source>Pause When the Screen Locks</source>
        <translation>Wstrzymaj po zablokowaniu ekranu</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="451"/>
        <source>Complete the Task in Google Tasks When I Answer Yes</source>
        <translation>Oznacz zadanie jako wykonane w Google Tasks, gdy odpowiem Tak</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="459"/>
        <source>Focus History…</source>
        <translation>Historia skupienia…</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="466"/>
        <source>Privacy Policy</source>
        <translation>Polityka prywatności</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="473"/>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="411"/>
        <source>Start at Login</source>
        <translation>Uruchom przy logowaniu</translation>
    </message>
</context>
<context>
    <name>TodaySummary</name>
    <message numerus="yes">
        <location filename="../src/history/todaysummary.cpp" line="21"/>
        <source>%n min</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/history/todaysummary.cpp" line="22"/>
        <source>%1 h %2 min</source>
        <translation>%1 godz. %2 min</translation>
    </message>
    <message>
        <location filename="../src/history/todaysummary.cpp" line="60"/>
        <source>Today: no focus phases yet</source>
        <translation>Dzisiaj: jeszcze bez skupienia</translation>
    </message>
    <message>
        <location filename="../src/history/todaysummary.cpp" line="63"/>
        <source>Today: 1 focus phase</source>
        <translation>Dzisiaj: 1 faza skupienia</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/history/todaysummary.cpp" line="63"/>
        <source>Today: %n focus phases</source>
        <translation>
            <numerusform>Dzisiaj: %n faza skupienia</numerusform>
            <numerusform>Dzisiaj: %n fazy skupienia</numerusform>
            <numerusform>Dzisiaj: %n faz skupienia</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrayCountdown</name>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="84"/>
        <source>Focus · %n min left</source>
        <translation>
            <numerusform>Skupienie · została %n min</numerusform>
            <numerusform>Skupienie · zostały %n min</numerusform>
            <numerusform>Skupienie · zostało %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="86"/>
        <source>Rest · %n min left</source>
        <translation>
            <numerusform>Przerwa · została %n min</numerusform>
            <numerusform>Przerwa · zostały %n min</numerusform>
            <numerusform>Przerwa · zostało %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="88"/>
        <source>Paused · %n min left</source>
        <translation>
            <numerusform>Wstrzymano · została %n min</numerusform>
            <numerusform>Wstrzymano · zostały %n min</numerusform>
            <numerusform>Wstrzymano · zostało %n min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <location filename="../src/app/trayicon.cpp" line="19"/>
        <source>Open Stint</source>
        <translation>Otwórz Stint</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="20"/>
        <source>Focus History…</source>
        <translation>Historia skupienia…</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="22"/>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="29"/>
        <source>Countdown Timer</source>
        <translation>Minutnik</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="62"/>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/trayicon.cpp" line="88"/>
        <source>Focus · %n min</source>
        <translation>
            <numerusform>Skupienie · %n min</numerusform>
            <numerusform>Skupienie · %n min</numerusform>
            <numerusform>Skupienie · %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/trayicon.cpp" line="89"/>
        <source>Rest · %n min</source>
        <translation>
            <numerusform>Przerwa · %n min</numerusform>
            <numerusform>Przerwa · %n min</numerusform>
            <numerusform>Przerwa · %n min</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="95"/>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="97"/>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="98"/>
        <source>Start Focus</source>
        <translation>Rozpocznij skupienie</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="98"/>
        <source>Start Rest</source>
        <translation>Rozpocznij przerwę</translation>
    </message>
</context>
</TS>
