<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AppDelegate</name>
    <message>
        <source>Countdown Timer</source>
        <translation type="vanished">Compte à rebours</translation>
    </message>
    <message>
        <source>Open Stint</source>
        <translation type="vanished">Ouvrir Stint</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="vanished">Quitter</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="328"/>
        <source>Welcome to the App!</source>
        <translation>Bienvenue dans l’application&#xa0;!</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="329"/>
        <source>This is the first time you&apos;ve launched the app.</source>
        <translation>C’est la première fois que vous lancez l’application.</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="330"/>
        <source>Get Started</source>
        <translation>Commencer</translation>
    </message>
</context>
<context>
    <name>CircularProgressView</name>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="100"/>
        <source>Stay focused</source>
        <translation>Concentration</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="100"/>
        <source>Rest</source>
        <translation>Repos</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="125"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location filename="../src/ui/CircularProgressView.qml" line="125"/>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="15"/>
        <source>A calm focus timer. Without options, starts Stint or brings the running Stint forward.</source>
        <translation>Un minuteur de concentration paisible. Sans option, lance Stint ou met au premier plan le Stint en cours.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="20"/>
        <source>A sign-in address to hand to Stint.</source>
        <translation>Une adresse de connexion à transmettre à Stint.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="50"/>
        <location filename="../src/app/commandline.cpp" line="63"/>
        <source>Try &apos;stint --help&apos;.</source>
        <translation>Essayez &apos;stint --help&apos;.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="75"/>
        <source>Start or resume the countdown; with a title, start focusing on that task.</source>
        <translation>Démarre ou reprend le compte à rebours ; avec un titre, commence à se concentrer sur cette tâche.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="78"/>
        <source>Pause the countdown.</source>
        <translation>Met le compte à rebours en pause.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="80"/>
        <source>Pause the countdown, or start or resume it.</source>
        <translation>Met le compte à rebours en pause, ou le démarre ou le reprend.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="82"/>
        <source>Stop the phase and get the next one ready.</source>
        <translation>Arrête la phase et prépare la suivante.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="85"/>
        <source>Print the phase, the time left and the task. Exit status 0 while counting, 1 when paused or ready, 3 when Stint is not running.</source>
        <translation>Affiche la phase, le temps restant et la tâche. Code de sortie 0 pendant le décompte, 1 en pause ou prêt, 3 si Stint ne tourne pas.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="89"/>
        <source>Print the status again at each change, until interrupted.</source>
        <translation>Affiche à nouveau l&apos;état à chaque changement, jusqu&apos;à interruption.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="92"/>
        <source>With --status or --follow: print JSON objects, as waybar reads them; with --history, JSON lines.</source>
        <translation>Avec --status ou --follow : affiche des objets JSON, tels que waybar les lit ; avec --history, des lignes JSON.</translation>
    </message>
    <message>
        <source>With --status or --follow: print JSON objects, as waybar reads them.</source>
        <translation type="vanished">Avec --status ou --follow : affiche des objets JSON, tels que waybar les lit.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="132"/>
        <source>--json goes with --status or --follow.</source>
        <translation>--json va avec --status ou --follow.</translation>
    </message>
    <message>
        <location filename="../src/app/historycommand.cpp" line="15"/>
        <source>Print every phase of the focus history as CSV; with --json, as JSON lines.</source>
        <translation>Affiche chaque phase de l’historique de concentration en CSV ; avec --json, en lignes JSON.</translation>
    </message>
</context>
<context>
    <name>ConnectGoogleView</name>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="24"/>
        <source>Connect Google</source>
        <translation>Connecter Google</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="30"/>
        <source>Stint reaches your tasks and calendar through a Google client of your own.</source>
        <translation>Stint accède à vos tâches et à votre agenda par votre propre client Google.</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="40"/>
        <source>Client ID</source>
        <translation>ID client</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="51"/>
        <source>Client secret</source>
        <translation>Code secret du client</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="76"/>
        <source>How do I get these?</source>
        <translation>Comment les obtenir ?</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="102"/>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="110"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../src/ui/ConnectGoogleView.qml" line="116"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <location filename="../src/ui/ContentView.qml" line="99"/>
        <source>Timer</source>
        <translation>Minuteur</translation>
    </message>
    <message>
        <location filename="../src/ui/ContentView.qml" line="103"/>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
</context>
<context>
    <name>DoNotDisturb</name>
    <message>
        <location filename="../src/app/donotdisturb.cpp" line="195"/>
        <source>Focusing</source>
        <translation>Concentration</translation>
    </message>
    <message>
        <location filename="../src/app/donotdisturb.cpp" line="274"/>
        <source>This desktop&apos;s Do Not Disturb is not one Stint knows (GNOME, Plasma, Xfce or dunst).</source>
        <translation>Stint ne connaît pas le mode Ne pas déranger de ce bureau (GNOME, Plasma, Xfce ou dunst).</translation>
    </message>
</context>
<context>
    <name>FetchFailure</name>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="11"/>
        <source>Stint&apos;s own server took too long to start. Retry may help.</source>
        <translation>Le serveur de Stint a mis trop de temps à démarrer. Réessayer peut aider.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="12"/>
        <source>Stint&apos;s own server could not be started.</source>
        <translation>Le serveur de Stint n’a pas pu démarrer.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="15"/>
        <source>The server did not answer in time. Retry may help.</source>
        <translation>Le serveur n’a pas répondu à temps. Réessayer peut aider.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="16"/>
        <source>The server could not be reached. Retry may help.</source>
        <translation>Impossible de joindre le serveur. Réessayer peut aider.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="23"/>
        <source>The server did not accept your sign-in. Retry may help; if not, sign out and in again.</source>
        <translation>Le serveur n’a pas accepté votre connexion. Réessayer peut aider ; sinon, déconnectez-vous puis reconnectez-vous.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="25"/>
        <source>Google refused access to your tasks.</source>
        <translation>Google a refusé l’accès à vos tâches.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="27"/>
        <source>Too many requests for now. Retry in a minute.</source>
        <translation>Trop de requêtes pour le moment. Réessayez dans une minute.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="29"/>
        <source>The server could not get your tasks from Google. Retry may help.</source>
        <translation>Le serveur n’a pas pu obtenir vos tâches auprès de Google. Réessayer peut aider.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="31"/>
        <source>Google took too long to answer the server. Retry may help.</source>
        <translation>Google a mis trop de temps à répondre au serveur. Réessayer peut aider.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="33"/>
        <source>The server failed. Retry may help.</source>
        <translation>Le serveur a rencontré une erreur. Réessayer peut aider.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="33"/>
        <source>The server refused the request.</source>
        <translation>Le serveur a refusé la requête.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="37"/>
        <source>The server&apos;s answer could not be read.</source>
        <translation>La réponse du serveur est illisible.</translation>
    </message>
    <message>
        <location filename="../src/timer/fetchfailure.cpp" line="38"/>
        <source>The tasks could not be fetched. Retry may help.</source>
        <translation>Impossible de récupérer les tâches. Réessayer peut aider.</translation>
    </message>
</context>
<context>
    <name>FocusHistory</name>
    <message>
        <location filename="../src/app/focushistory.cpp" line="72"/>
        <source>Focus History</source>
        <translation>Historique de concentration</translation>
    </message>
</context>
<context>
    <name>FocusHistoryModel</name>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="46"/>
        <source>under way</source>
        <translation>en cours</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="48"/>
        <source>ran out</source>
        <translation>terminée</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="50"/>
        <source>stopped</source>
        <translation>arrêtée</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="52"/>
        <source>Stint quit</source>
        <translation>Stint a quitté</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="54"/>
        <source>interrupted</source>
        <translation>interrompue</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="80"/>
        <source>This week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="182"/>
        <source>No task</source>
        <translation>Aucune tâche</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="183"/>
        <source>1 phase</source>
        <translation>1 phase</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/focushistorymodel.cpp" line="183"/>
        <source>%n phases</source>
        <translation>
            <numerusform>%n phase</numerusform>
            <numerusform>%n phases</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="194"/>
        <source>Focus</source>
        <translation>Concentration</translation>
    </message>
    <message>
        <location filename="../src/ui/focushistorymodel.cpp" line="194"/>
        <source>Rest</source>
        <translation>Repos</translation>
    </message>
</context>
<context>
    <name>FocusHistoryView</name>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="85"/>
        <location filename="../src/ui/FocusHistoryView.qml" line="88"/>
        <source>Previous Week</source>
        <translation>Semaine précédente</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="103"/>
        <location filename="../src/ui/FocusHistoryView.qml" line="106"/>
        <source>Next Week</source>
        <translation>Semaine suivante</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="111"/>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="120"/>
        <source>Focused this week: %1</source>
        <translation>Concentration cette semaine : %1</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="229"/>
        <source>Whole Week</source>
        <translation>Toute la semaine</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="236"/>
        <source>No focus recorded.</source>
        <translation>Aucune concentration enregistrée.</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="237"/>
        <source>The focus history is off: its file is from a newer version of Stint.</source>
        <translation>L’historique de concentration est désactivé : son fichier provient d’une version plus récente de Stint.</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="271"/>
        <source>Today’s Phases</source>
        <translation>Phases du jour</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="277"/>
        <source>No phases today yet.</source>
        <translation>Aucune phase aujourd’hui pour l’instant.</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="316"/>
        <source>Your focus history stays on this computer: it never leaves the machine.</source>
        <translation>Votre historique de concentration reste sur cet ordinateur : il ne quitte jamais la machine.</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="328"/>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="340"/>
        <source>Clear History…</source>
        <translation>Effacer l’historique…</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="351"/>
        <source>Export Focus History</source>
        <translation>Exporter l’historique de concentration</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="354"/>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="363"/>
        <source>Clear the focus history?</source>
        <translation>Effacer l’historique de concentration ?</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="368"/>
        <source>Every recorded phase is removed from this computer. This cannot be undone.</source>
        <translation>Toutes les phases enregistrées sont supprimées de cet ordinateur. Cette action est irréversible.</translation>
    </message>
    <message>
        <location filename="../src/ui/FocusHistoryView.qml" line="372"/>
        <source>Clear History</source>
        <translation>Effacer l’historique</translation>
    </message>
</context>
<context>
    <name>Formatters</name>
    <message>
        <source>Today</source>
        <translation type="vanished">Aujourd’hui</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation type="vanished">Hier</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation type="vanished">Demain</translation>
    </message>
</context>
<context>
    <name>GoogleClientForm</name>
    <message>
        <location filename="../src/ui/googleclientform.cpp" line="56"/>
        <source>Enter the client ID.</source>
        <translation>Saisissez l’ID client.</translation>
    </message>
    <message>
        <location filename="../src/ui/googleclientform.cpp" line="60"/>
        <source>A client ID ends in .apps.googleusercontent.com.</source>
        <translation>Un ID client se termine par .apps.googleusercontent.com.</translation>
    </message>
    <message>
        <location filename="../src/ui/googleclientform.cpp" line="64"/>
        <source>Enter the client secret.</source>
        <translation>Saisissez le code secret du client.</translation>
    </message>
</context>
<context>
    <name>GoogleSignIn</name>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="215"/>
        <source>This answer does not belong to the sign-in that Stint started. Go back to Stint and sign in again.</source>
        <translation>Cette réponse ne correspond pas à la connexion lancée par Stint. Revenez dans Stint et reconnectez-vous.</translation>
    </message>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="224"/>
        <source>The sign-in was cancelled. You can close this tab.</source>
        <translation>La connexion a été annulée. Vous pouvez fermer cet onglet.</translation>
    </message>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="230"/>
        <source>The sign-in did not complete. Go back to Stint and sign in again.</source>
        <translation>La connexion n’a pas abouti. Revenez dans Stint et reconnectez-vous.</translation>
    </message>
    <message>
        <location filename="../src/accounts/signinattempt.cpp" line="237"/>
        <source>You are signed in to Stint. You can close this tab.</source>
        <translation>Vous êtes connecté à Stint. Vous pouvez fermer cet onglet.</translation>
    </message>
</context>
<context>
    <name>GoogleSignInButton</name>
    <message>
        <location filename="../src/ui/GoogleSignInButton.qml" line="15"/>
        <source>Sign in with Google</source>
        <translation>Se connecter avec Google</translation>
    </message>
    <message>
        <location filename="../src/ui/GoogleSignInButton.qml" line="18"/>
        <source>Sign in with Google button.</source>
        <translation>Bouton «&#xa0;Se connecter avec Google&#xa0;».</translation>
    </message>
</context>
<context>
    <name>ListEventsView</name>
    <message>
        <location filename="../src/ui/ListEventsView.qml" line="94"/>
        <source>Join Meeting</source>
        <translation>Rejoindre</translation>
    </message>
    <message>
        <location filename="../src/ui/ListEventsView.qml" line="45"/>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
</context>
<context>
    <name>ListItemView</name>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="73"/>
        <source>Open %1</source>
        <translation>Ouvrir %1</translation>
    </message>
    <message>
        <location filename="../src/ui/ListItemView.qml" line="83"/>
        <source>Start %1</source>
        <translation>Démarrer %1</translation>
    </message>
</context>
<context>
    <name>MeetingLine</name>
    <message numerus="yes">
        <location filename="../src/timer/meetingrule.cpp" line="67"/>
        <source>%1 starts %n min before this focus phase ends</source>
        <translation>
            <numerusform>%1 commence %n min avant la fin de cette concentration</numerusform>
            <numerusform>%1 commence %n min avant la fin de cette concentration</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/timer/meetingrule.cpp" line="82"/>
        <source>%1 now</source>
        <translation>%1 en cours</translation>
    </message>
    <message>
        <location filename="../src/timer/meetingrule.cpp" line="88"/>
        <source>%1 at %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/timer/meetingrule.cpp" line="93"/>
        <source>%1 in %n min</source>
        <translation>
            <numerusform>%1 dans %n min</numerusform>
            <numerusform>%1 dans %n min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MeetingReminders</name>
    <message>
        <location filename="../src/timer/meetingreminders.cpp" line="47"/>
        <source>%1 has started</source>
        <translation>%1 a commencé</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/timer/meetingreminders.cpp" line="48"/>
        <source>%1 starts in %n min</source>
        <translation>
            <numerusform>%1 commence dans %n min</numerusform>
            <numerusform>%1 commence dans %n min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhaseNotifier</name>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="43"/>
        <source>Focus phase over</source>
        <translation>Fin de la concentration</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="43"/>
        <source>Rest over</source>
        <translation>Fin du repos</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="39"/>
        <source>Open Stint</source>
        <translation>Ouvrir Stint</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="41"/>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <location filename="../src/app/phasenotifier.cpp" line="41"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>ReminderNotifier</name>
    <message>
        <location filename="../src/app/remindernotifier.cpp" line="40"/>
        <source>Open Stint</source>
        <translation>Ouvrir Stint</translation>
    </message>
    <message>
        <location filename="../src/app/remindernotifier.cpp" line="40"/>
        <source>Join Meeting</source>
        <translation>Rejoindre</translation>
    </message>
</context>
<context>
    <name>TaskCompletion</name>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="19"/>
        <source>sign in again</source>
        <translation>reconnectez-vous</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="21"/>
        <source>the task is no longer in Google Tasks</source>
        <translation>la tâche n’est plus dans Google Tasks</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="22"/>
        <source>the server answered with error %1</source>
        <translation>le serveur a répondu par l’erreur %1</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="25"/>
        <source>the server could not be reached</source>
        <translation>impossible de joindre le serveur</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="26"/>
        <source>the server&apos;s answer could not be read</source>
        <translation>la réponse du serveur est illisible</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="121"/>
        <source>“%1” was not completed: %2.</source>
        <translation>« %1 » n’a pas été terminée : %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="122"/>
        <source>“%1” was not reopened: %2.</source>
        <translation>« %1 » n’a pas été rouverte : %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/taskcompletion.cpp" line="139"/>
        <source>“%1” completed in Google Tasks.</source>
        <translation>« %1 » terminée dans Google Tasks.</translation>
    </message>
</context>
<context>
    <name>TaskDraft</name>
    <message>
        <location filename="../src/timer/taskdraft.cpp" line="16"/>
        <source>Not added: the server could not be reached</source>
        <translation>Non ajoutée : impossible de joindre le serveur</translation>
    </message>
    <message>
        <location filename="../src/timer/taskdraft.cpp" line="18"/>
        <source>Not added: the server did not accept your sign-in</source>
        <translation>Non ajoutée : le serveur n’a pas accepté votre connexion</translation>
    </message>
    <message>
        <location filename="../src/timer/taskdraft.cpp" line="19"/>
        <source>Not added: the server reported an error</source>
        <translation>Non ajoutée : le serveur a signalé une erreur</translation>
    </message>
</context>
<context>
    <name>TaskListView</name>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="88"/>
        <source>Enter task name</source>
        <translation>Nom de la tâche</translation>
    </message>
    <message>
        <location filename="../src/ui/TaskListView.qml" line="52"/>
        <source>Tasks</source>
        <translation>Tâches</translation>
    </message>
</context>
<context>
    <name>TimerClient</name>
    <message>
        <location filename="../src/app/commandline.cpp" line="101"/>
        <location filename="../src/app/timerclient.cpp" line="84"/>
        <source>Stint is not running</source>
        <translation>Stint n&apos;est pas lancé</translation>
    </message>
</context>
<context>
    <name>TimerView</name>
    <message>
        <location filename="../src/ui/TimerView.qml" line="102"/>
        <source>Join Meeting</source>
        <translation>Rejoindre</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="114"/>
        <source>Add task</source>
        <translation>Ajouter une tâche</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="143"/>
        <source>Is the task now done?</source>
        <translation>La tâche est-elle terminée&#xa0;?</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="157"/>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="163"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="193"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="204"/>
        <source>Paused while the screen was locked</source>
        <translation>En pause pendant que l&apos;écran était verrouillé</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="215"/>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="270"/>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="337"/>
        <source>Sign in to Google to use the app fully and synchronize the Google Calendar tasks &amp; events</source>
        <translation>Connectez-vous à Google pour profiter de toute l’application et synchroniser les tâches et événements de Google Agenda</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="357"/>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="393"/>
        <source>Sign Out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="403"/>
        <source>Google Client…</source>
        <translation>Client Google…</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="424"/>
        <source>Silence Notifications While Focusing</source>
        <translation>Couper les notifications pendant la concentration</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="442"/>
        <source>Pause When the Screen Locks</source>
        <translation>Mettre en pause au verrouillage de l&apos;écran</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="451"/>
        <source>Complete the Task in Google Tasks When I Answer Yes</source>
        <translation>Terminer la tâche dans Google Tasks quand je réponds Oui</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="459"/>
        <source>Focus History…</source>
        <translation>Historique de concentration…</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="466"/>
        <source>Privacy Policy</source>
        <translation>Politique de confidentialité</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="473"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="411"/>
        <source>Start at Login</source>
        <translation>Lancer à la connexion</translation>
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
        <translation>Aujourd’hui : aucune concentration pour l’instant</translation>
    </message>
    <message>
        <location filename="../src/history/todaysummary.cpp" line="63"/>
        <source>Today: 1 focus phase</source>
        <translation>Aujourd’hui : 1 concentration</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/history/todaysummary.cpp" line="63"/>
        <source>Today: %n focus phases</source>
        <translation>
            <numerusform>Aujourd’hui : %n concentration</numerusform>
            <numerusform>Aujourd’hui : %n concentrations</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrayCountdown</name>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="84"/>
        <source>Focus · %n min left</source>
        <translation>
            <numerusform>Concentration · %n min restante</numerusform>
            <numerusform>Concentration · %n min restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="86"/>
        <source>Rest · %n min left</source>
        <translation>
            <numerusform>Repos · %n min restante</numerusform>
            <numerusform>Repos · %n min restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/traycountdown.cpp" line="88"/>
        <source>Paused · %n min left</source>
        <translation>
            <numerusform>En pause · %n min restante</numerusform>
            <numerusform>En pause · %n min restantes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <location filename="../src/app/trayicon.cpp" line="19"/>
        <source>Open Stint</source>
        <translation>Ouvrir Stint</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="20"/>
        <source>Focus History…</source>
        <translation>Historique de concentration…</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="22"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="29"/>
        <source>Countdown Timer</source>
        <translation>Compte à rebours</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="62"/>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/trayicon.cpp" line="88"/>
        <source>Focus · %n min</source>
        <translation>
            <numerusform>Concentration · %n min</numerusform>
            <numerusform>Concentration · %n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/trayicon.cpp" line="89"/>
        <source>Rest · %n min</source>
        <translation>
            <numerusform>Repos · %n min</numerusform>
            <numerusform>Repos · %n min</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="95"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="97"/>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="98"/>
        <source>Start Focus</source>
        <translation>Démarrer la concentration</translation>
    </message>
    <message>
        <location filename="../src/app/trayicon.cpp" line="98"/>
        <source>Start Rest</source>
        <translation>Démarrer le repos</translation>
    </message>
</context>
</TS>
