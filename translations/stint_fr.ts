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
        <location filename="../src/app/appdelegate.cpp" line="334"/>
        <source>Welcome to the App!</source>
        <translation>Bienvenue dans l’application&#xa0;!</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="335"/>
        <source>This is the first time you&apos;ve launched the app.</source>
        <translation>C’est la première fois que vous lancez l’application.</translation>
    </message>
    <message>
        <location filename="../src/app/appdelegate.cpp" line="336"/>
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
        <location filename="../src/app/commandline.cpp" line="14"/>
        <source>A calm focus timer. Without options, starts Stint or brings the running Stint forward.</source>
        <translation>Un minuteur de concentration paisible. Sans option, lance Stint ou met au premier plan le Stint en cours.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="19"/>
        <source>A sign-in address to hand to Stint.</source>
        <translation>Une adresse de connexion à transmettre à Stint.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="47"/>
        <location filename="../src/app/commandline.cpp" line="60"/>
        <source>Try &apos;stint --help&apos;.</source>
        <translation>Essayez &apos;stint --help&apos;.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="72"/>
        <source>Start or resume the countdown; with a title, start focusing on that task.</source>
        <translation>Démarre ou reprend le compte à rebours ; avec un titre, commence à se concentrer sur cette tâche.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="75"/>
        <source>Pause the countdown.</source>
        <translation>Met le compte à rebours en pause.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="77"/>
        <source>Pause the countdown, or start or resume it.</source>
        <translation>Met le compte à rebours en pause, ou le démarre ou le reprend.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="79"/>
        <source>Stop the phase and get the next one ready.</source>
        <translation>Arrête la phase et prépare la suivante.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="82"/>
        <source>Print the phase, the time left and the task. Exit status 0 while counting, 1 when paused or ready, 3 when Stint is not running.</source>
        <translation>Affiche la phase, le temps restant et la tâche. Code de sortie 0 pendant le décompte, 1 en pause ou prêt, 3 si Stint ne tourne pas.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="86"/>
        <source>Print the status again at each change, until interrupted.</source>
        <translation>Affiche à nouveau l&apos;état à chaque changement, jusqu&apos;à interruption.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="90"/>
        <source>With --status or --follow: print JSON objects, as waybar reads them.</source>
        <translation>Avec --status ou --follow : affiche des objets JSON, tels que waybar les lit.</translation>
    </message>
    <message>
        <location filename="../src/app/commandline.cpp" line="129"/>
        <source>--json goes with --status or --follow.</source>
        <translation>--json va avec --status ou --follow.</translation>
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
        <location filename="../src/app/commandline.cpp" line="98"/>
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
        <location filename="../src/ui/TimerView.qml" line="175"/>
        <source>Paused while the screen was locked</source>
        <translation>En pause pendant que l&apos;écran était verrouillé</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="186"/>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="216"/>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="283"/>
        <source>Sign in to Google to use the app fully and synchronize the Google Calendar tasks &amp; events</source>
        <translation>Connectez-vous à Google pour profiter de toute l’application et synchroniser les tâches et événements de Google Agenda</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="303"/>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="339"/>
        <source>Sign Out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="349"/>
        <source>Google Client…</source>
        <translation>Client Google…</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="370"/>
        <source>Silence Notifications While Focusing</source>
        <translation>Couper les notifications pendant la concentration</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="388"/>
        <source>Pause When the Screen Locks</source>
        <translation>Mettre en pause au verrouillage de l&apos;écran</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="396"/>
        <source>Privacy Policy</source>
        <translation>Politique de confidentialité</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="403"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location filename="../src/ui/TimerView.qml" line="357"/>
        <source>Start at Login</source>
        <translation>Lancer à la connexion</translation>
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
