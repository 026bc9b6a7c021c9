<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AppDelegate</name>
    <message>
        <source>Countdown Timer</source>
        <translation type="vanished">Conto alla rovescia</translation>
    </message>
    <message>
        <source>Open Stint</source>
        <translation type="vanished">Apri Stint</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="vanished">Esci</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="328"/>
        <source>Welcome to the App!</source>
        <translation>Benvenuto nell&apos;app!</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="329"/>
        <source>This is the first time you&apos;ve launched the app.</source>
        <translation>È la prima volta che avvii l&apos;app.</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="330"/>
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
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="15"/>
        <source>A calm focus timer. Without options, starts Stint or brings the running Stint forward.</source>
        <translation>Un timer di concentrazione tranquillo. Senza opzioni avvia Stint o porta in primo piano lo Stint in esecuzione.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="20"/>
        <source>A sign-in address to hand to Stint.</source>
        <translation>Un indirizzo di accesso da passare a Stint.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="50"/>
        <location filename="../src/app/commandline.cpp" line="63"/>
        <source>Try &apos;stint --help&apos;.</source>
        <translation>Prova &apos;stint --help&apos;.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="75"/>
        <source>Start or resume the countdown; with a title, start focusing on that task.</source>
        <translation>Avvia o riprende il conto alla rovescia; con un titolo, inizia a concentrarti su quell&apos;attività.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="78"/>
        <source>Pause the countdown.</source>
        <translation>Mette in pausa il conto alla rovescia.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="80"/>
        <source>Pause the countdown, or start or resume it.</source>
        <translation>Mette in pausa il conto alla rovescia, oppure lo avvia o lo riprende.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="82"/>
        <source>Stop the phase and get the next one ready.</source>
        <translation>Ferma la fase e prepara la successiva.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="85"/>
        <source>Print the phase, the time left and the task. Exit status 0 while counting, 1 when paused or ready, 3 when Stint is not running.</source>
        <translation>Stampa la fase, il tempo rimasto e l&apos;attività. Stato di uscita 0 durante il conteggio, 1 in pausa o pronto, 3 se Stint non è in esecuzione.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="89"/>
        <source>Print the status again at each change, until interrupted.</source>
        <translation>Stampa di nuovo lo stato a ogni cambiamento, fino a interruzione.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="92"/>
        <source>With --status or --follow: print JSON objects, as waybar reads them; with --history, JSON lines.</source>
        <translation>Con --status o --follow: stampa oggetti JSON, come li legge waybar; con --history, righe JSON.</translation>
    </message>
    <message>
        <source>With --status or --follow: print JSON objects, as waybar reads them.</source>
        <translation type="vanished">Con --status o --follow: stampa oggetti JSON, come li legge waybar.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="132"/>
        <source>--json goes with --status or --follow.</source>
        <translation>--json va con --status o --follow.</translation>
    </message>
    <message>
        <location filename="../src/app/historycommand.cpp" line="15"/>
        <source>Print every phase of the focus history as CSV; with --json, as JSON lines.</source>
        <translation>Stampa ogni fase della cronologia di concentrazione in CSV; con --json, come righe JSON.</translation>
    </message>
</context>
<context>
    <name>ConnectGoogleView</name>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="24"/>
        <source>Connect Google</source>
        <translation>Collega Google</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="30"/>
        <source>Stint reaches your tasks and calendar through a Google client of your own.</source>
        <translation>Stint accede alle tue attività e al tuo calendario tramite un tuo client Google.</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="40"/>
        <source>Client ID</source>
        <translation>ID client</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="51"/>
        <source>Client secret</source>
        <translation>Client secret</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="76"/>
        <source>How do I get these?</source>
        <translation>Come li ottengo?</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="102"/>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="110"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="116"/>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <location filename="../src/ui/ContentView.qml" line="99"/>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <location filename="../src/ui/ContentView.qml" line="103"/>
        <source>Events</source>
        <translation>Eventi</translation>
    </message>
</context>
<context>
    <name>DoNotDisturb</name>
    <message>
        <location filename="../src/app/donotdisturb.cpp" line="195"/>
        <source>Focusing</source>
        <translation>Concentrazione</translation>
    </message>
    <message>
        <location filename="../src/app/donotdisturb.cpp" line="274"/>
        <source>This desktop&apos;s Do Not Disturb is not one Stint knows (GNOME, Plasma, Xfce or dunst).</source>
        <translation>Stint non conosce il Non disturbare di questo desktop (GNOME, Plasma, Xfce o dunst).</translation>
    </message>
</context>
<context>
    <name>FetchFailure</name>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="11"/>
        <source>Stint&apos;s own server took too long to start. Retry may help.</source>
        <translation>Il server di Stint ha impiegato troppo ad avviarsi. Riprova potrebbe aiutare.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="12"/>
        <source>Stint&apos;s own server could not be started.</source>
        <translation>Non è stato possibile avviare il server di Stint.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="15"/>
        <source>The server did not answer in time. Retry may help.</source>
        <translation>Il server non ha risposto in tempo. Riprova potrebbe aiutare.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="16"/>
        <source>The server could not be reached. Retry may help.</source>
        <translation>Il server non è raggiungibile. Riprova potrebbe aiutare.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="23"/>
        <source>The server did not accept your sign-in. Retry may help; if not, sign out and in again.</source>
        <translation>Il server non ha accettato il tuo accesso. Riprova potrebbe aiutare; altrimenti esci e accedi di nuovo.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="25"/>
        <source>Google refused access to your tasks.</source>
        <translation>Google ha negato l’accesso alle tue attività.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="27"/>
        <source>Too many requests for now. Retry in a minute.</source>
        <translation>Troppe richieste per ora. Riprova tra un minuto.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="29"/>
        <source>The server could not get your tasks from Google. Retry may help.</source>
        <translation>Il server non è riuscito a ottenere le tue attività da Google. Riprova potrebbe aiutare.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="31"/>
        <source>Google took too long to answer the server. Retry may help.</source>
        <translation>Google ha impiegato troppo a rispondere al server. Riprova potrebbe aiutare.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="33"/>
        <source>The server failed. Retry may help.</source>
        <translation>Si è verificato un errore sul server. Riprova potrebbe aiutare.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="33"/>
        <source>The server refused the request.</source>
        <translation>Il server ha rifiutato la richiesta.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="37"/>
        <source>The server&apos;s answer could not be read.</source>
        <translation>Non è stato possibile leggere la risposta del server.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="38"/>
        <source>The tasks could not be fetched. Retry may help.</source>
        <translation>Non è stato possibile recuperare le attività. Riprova potrebbe aiutare.</translation>
    </message>
</context>
<context>
    <name>FocusHistory</name>
    <message>
        <location filename="../src/app/focushistory.cpp" line="72"/>
        <source>Focus History</source>
        <translation>Cronologia di concentrazione</translation>
    </message>
</context>
<context>
    <name>FocusHistoryModel</name>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="46"/>
        <source>under way</source>
        <translation>in corso</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="48"/>
        <source>ran out</source>
        <translation>completata</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="50"/>
        <source>stopped</source>
        <translation>fermata</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="52"/>
        <source>Stint quit</source>
        <translation>Stint chiuso</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="54"/>
        <source>interrupted</source>
        <translation>interrotta</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="80"/>
        <source>This week</source>
        <translation>Questa settimana</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="182"/>
        <source>No task</source>
        <translation>Nessuna attività</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="183"/>
        <source>1 phase</source>
        <translation>1 fase</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/focushistorymodel.cpp" line="183"/>
        <source>%n phases</source>
        <translation>
            <numerusform>%n fase</numerusform>
            <numerusform>%n fasi</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="194"/>
        <source>Focus</source>
        <translation>Concentrazione</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="194"/>
        <source>Rest</source>
        <translation>Riposo</translation>
    </message>
</context>
<context>
    <name>FocusHistoryView</name>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="85"/>
        <location filename="../src/ui/FocusHistoryView.qml" line="88"/>
        <source>Previous Week</source>
        <translation>Settimana precedente</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="103"/>
        <location filename="../src/ui/FocusHistoryView.qml" line="106"/>
        <source>Next Week</source>
        <translation>Settimana successiva</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="111"/>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="120"/>
        <source>Focused this week: %1</source>
        <translation>Concentrazione questa settimana: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="229"/>
        <source>Whole Week</source>
        <translation>Tutta la settimana</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="236"/>
        <source>No focus recorded.</source>
        <translation>Nessuna concentrazione registrata.</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="237"/>
        <source>The focus history is off: its file is from a newer version of Stint.</source>
        <translation>La cronologia di concentrazione è disattivata: il suo file proviene da una versione più recente di Stint.</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="271"/>
        <source>Today’s Phases</source>
        <translation>Fasi di oggi</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="277"/>
        <source>No phases today yet.</source>
        <translation>Ancora nessuna fase oggi.</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="316"/>
        <source>Your focus history stays on this computer: it never leaves the machine.</source>
        <translation>La tua cronologia di concentrazione resta su questo computer: non lascia mai la macchina.</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="328"/>
        <source>Export…</source>
        <translation>Esporta…</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="340"/>
        <source>Clear History…</source>
        <translation>Cancella cronologia…</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="351"/>
        <source>Export Focus History</source>
        <translation>Esporta cronologia di concentrazione</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="354"/>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="363"/>
        <source>Clear the focus history?</source>
        <translation>Cancellare la cronologia di concentrazione?</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="368"/>
        <source>Every recorded phase is removed from this computer. This cannot be undone.</source>
        <translation>Tutte le fasi registrate vengono rimosse da questo computer. L’operazione non può essere annullata.</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="372"/>
        <source>Clear History</source>
        <translation>Cancella cronologia</translation>
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
    <name>GoogleClientForm</name>
    <message>
        <location filename="../src/ui/googleclientform.cpp" line="56"/>
        <source>Enter the client ID.</source>
        <translation>Inserisci l’ID client.</translation>
    </message>
    <message>
        <location filename="../src/ui/googleclientform.cpp" line="60"/>
        <source>A client ID ends in .apps.googleusercontent.com.</source>
        <translation>Un ID client termina con .apps.googleusercontent.com.</translation>
    </message>
    <message>
        <location filename="../src/ui/googleclientform.cpp" line="64"/>
        <source>Enter the client secret.</source>
        <translation>Inserisci il client secret.</translation>
    </message>
</context>
<context>
    <name>GoogleSignIn</name>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="215"/>
        <source>This answer does not belong to the sign-in that Stint started. Go back to Stint and sign in again.</source>
        <translation>Questa risposta non appartiene all&apos;accesso avviato da Stint. Torna a Stint e accedi di nuovo.</translation>
    </message>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="224"/>
        <source>The sign-in was cancelled. You can close this tab.</source>
        <translation>L&apos;accesso è stato annullato. Puoi chiudere questa scheda.</translation>
    </message>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="230"/>
        <source>The sign-in did not complete. Go back to Stint and sign in again.</source>
        <translation>L&apos;accesso non è stato completato. Torna a Stint e accedi di nuovo.</translation>
    </message>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="237"/>
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
        <location filename="../src/ui/ListEventsView.qml" line="94"/>
        <source>Join Meeting</source>
        <translation>Partecipa</translation>
    </message>
    <message>
        <location filename="../src/ui/ListEventsView.qml" line="45"/>
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
    <name>MeetingLine</name>
    <message numerus="yes">
        <location filename="../src/timer/meetingrule.cpp" line="67"/>
        <source>%1 starts %n min before this focus phase ends</source>
        <translation>
            <numerusform>%1 inizia %n min prima della fine di questa concentrazione</numerusform>
            <numerusform>%1 inizia %n min prima della fine di questa concentrazione</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/timer/meetingrule.cpp" line="82"/>
        <source>%1 now</source>
        <translation>%1 in corso</translation>
    </message>
    <message>
        <location filename="../src/timer/meetingrule.cpp" line="88"/>
        <source>%1 at %2</source>
        <translation>%1 alle %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/timer/meetingrule.cpp" line="93"/>
        <source>%1 in %n min</source>
        <translation>
            <numerusform>%1 tra %n min</numerusform>
            <numerusform>%1 tra %n min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MeetingReminders</name>
    <message>
        <location filename="../src/timer/meetingreminders.cpp" line="47"/>
        <source>%1 has started</source>
        <translation>%1 è iniziato</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/timer/meetingreminders.cpp" line="48"/>
        <source>%1 starts in %n min</source>
        <translation>
            <numerusform>%1 inizia tra %n min</numerusform>
            <numerusform>%1 inizia tra %n min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhaseNotifier</name>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="43"/>
        <source>Focus phase over</source>
        <translation>Fine della concentrazione</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="43"/>
        <source>Rest over</source>
        <translation>Fine del riposo</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="39"/>
        <source>Open Stint</source>
        <translation>Apri Stint</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="41"/>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="41"/>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>ReminderNotifier</name>
    <message>
        <location filename="../src/app/remindernotifier.cpp" line="40"/>
        <source>Open Stint</source>
        <translation>Apri Stint</translation>
    </message>
    <message>
        <location filename="../src/app/remindernotifier.cpp" line="40"/>
        <source>Join Meeting</source>
        <translation>Partecipa</translation>
    </message>
</context>
<context>
    <name>TaskCompletion</name>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="19"/>
        <source>sign in again</source>
        <translation>accedi di nuovo</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="21"/>
        <source>the task is no longer in Google Tasks</source>
        <translation>l’attività non è più in Google Tasks</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="22"/>
        <source>the server answered with error %1</source>
        <translation>il server ha risposto con l’errore %1</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="25"/>
        <source>the server could not be reached</source>
        <translation>il server non è raggiungibile</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="26"/>
        <source>the server&apos;s answer could not be read</source>
        <translation>la risposta del server non è leggibile</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="121"/>
        <source>“%1” was not completed: %2.</source>
        <translation>«%1» non è stata completata: %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="122"/>
        <source>“%1” was not reopened: %2.</source>
        <translation>«%1» non è stata riaperta: %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="139"/>
        <source>“%1” completed in Google Tasks.</source>
        <translation>«%1» completata in Google Tasks.</translation>
    </message>
</context>
<context>
    <name>TaskDraft</name>
    <message>
        <location filename="../src/timer/taskdraft.cpp" line="16"/>
        <source>Not added: the server could not be reached</source>
        <translation>Non aggiunta: il server non è raggiungibile</translation>
    </message>
    <message>
        <location filename="../src/timer/taskdraft.cpp" line="18"/>
        <source>Not added: the server did not accept your sign-in</source>
        <translation>Non aggiunta: il server non ha accettato l’accesso</translation>
    </message>
    <message>
        <location filename="../src/timer/taskdraft.cpp" line="19"/>
        <source>Not added: the server reported an error</source>
        <translation>Non aggiunta: il server ha segnalato un errore</translation>
    </message>
</context>
<context>
    <name>TaskListView</name>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="88"/>
        <source>Enter task name</source>
        <translation>Nome dell&apos;attività</translation>
    </message>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="52"/>
        <source>Tasks</source>
        <translation>Attività</translation>
    </message>
</context>
<context>
    <name>TimerClient</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="101"/>
        <location filename="../src/app/timerclient.cpp" line="84"/>
        <source>Stint is not running</source>
        <translation>Stint non è in esecuzione</translation>
    </message>
</context>
<context>
    <name>TimerView</name>
    <message>
        <location filename="../src/ui/TimerView.qml" line="102"/>
        <source>Join Meeting</source>
        <translation>Partecipa</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="114"/>
        <source>Add task</source>
        <translation>Aggiungi attività</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="143"/>
        <source>Is the task now done?</source>
        <translation>Hai completato l&apos;attività?</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="157"/>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="163"/>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="193"/>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="204"/>
        <source>Paused while the screen was locked</source>
        <translation>In pausa mentre lo schermo era bloccato</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="215"/>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="270"/>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="337"/>
        <source>Sign in to Google to use the app fully and synchronize the Google Calendar tasks &amp; events</source>
        <translation>Accedi a Google per usare l&apos;app al completo e sincronizzare attività ed eventi di Google Calendar</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="357"/>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="393"/>
        <source>Sign Out</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="403"/>
        <source>Google Client…</source>
        <translation>Client Google…</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="424"/>
        <source>Silence Notifications While Focusing</source>
        <translation>Silenzia le notifiche durante la concentrazione</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="442"/>
        <source>Pause When the Screen Locks</source>
        <translation>Pausa quando lo schermo si blocca</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="451"/>
        <source>Complete the Task in Google Tasks When I Answer Yes</source>
        <translation>Completa l’attività in Google Tasks quando rispondo Sì</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="459"/>
        <source>Focus History…</source>
        <translation>Cronologia di concentrazione…</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="466"/>
        <source>Privacy Policy</source>
        <translation>Informativa sulla privacy</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="473"/>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="411"/>
        <source>Start at Login</source>
        <translation>Avvia all&apos;accesso</translation>
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
        </translation>
    </message>
    <message>
        <location filename="../src/history/todaysummary.cpp" line="22"/>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <location filename="../src/history/todaysummary.cpp" line="60"/>
        <source>Today: no focus phases yet</source>
        <translation>Oggi: ancora nessuna concentrazione</translation>
    </message>
    <message>
        <location filename="../src/history/todaysummary.cpp" line="63"/>
        <source>Today: 1 focus phase</source>
        <translation>Oggi: 1 concentrazione</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/history/todaysummary.cpp" line="63"/>
        <source>Today: %n focus phases</source>
        <translation>
            <numerusform>Oggi: %n concentrazione</numerusform>
            <numerusform>Oggi: %n concentrazioni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrayCountdown</name>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="84"/>
        <source>Focus · %n min left</source>
        <translation>
            <numerusform>Concentrazione · manca %n min</numerusform>
            <numerusform>Concentrazione · mancano %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="86"/>
        <source>Rest · %n min left</source>
        <translation>
            <numerusform>Riposo · manca %n min</numerusform>
            <numerusform>Riposo · mancano %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="88"/>
        <source>Paused · %n min left</source>
        <translation>
            <numerusform>In pausa · manca %n min</numerusform>
            <numerusform>In pausa · mancano %n min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <location filename="../src/app/trayicon.cpp" line="19"/>
        <source>Open Stint</source>
        <translation>Apri Stint</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="20"/>
        <source>Focus History…</source>
        <translation>Cronologia di concentrazione…</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="22"/>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="29"/>
        <source>Countdown Timer</source>
        <translation>Conto alla rovescia</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="62"/>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/trayicon.cpp" line="88"/>
        <source>Focus · %n min</source>
        <translation>
            <numerusform>Concentrazione · %n min</numerusform>
            <numerusform>Concentrazione · %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/trayicon.cpp" line="89"/>
        <source>Rest · %n min</source>
        <translation>
            <numerusform>Riposo · %n min</numerusform>
            <numerusform>Riposo · %n min</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="95"/>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="97"/>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="98"/>
        <source>Start Focus</source>
        <translation>Avvia concentrazione</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="98"/>
        <source>Start Rest</source>
        <translation>Avvia riposo</translation>
    </message>
</context>
</TS>
