<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AtomicFile</name>
    <message>
        <source>it is a directory</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a link to a file that does not exist</source>
        <translation>c’est un lien vers un fichier qui n’existe pas</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>il est en lecture seule</translation>
    </message>
    <message>
        <source>cannot replace %1</source>
        <translation>impossible de remplacer %1</translation>
    </message>
    <message>
        <source>cannot follow the link %1</source>
        <translation>impossible de suivre le lien %1</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d’écrire %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>cannot create the folder %1: something else is there</source>
        <translation>impossible de créer le dossier %1&#xa0;: il y a déjà autre chose à cet endroit</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Corvellan Error</source>
        <translation>Erreur de Corvellan</translation>
    </message>
    <message>
        <source>ERROR : %1 (%2).</source>
        <translation>ERREUR&#xa0;: %1 (%2).</translation>
    </message>
    <message>
        <source>no free name</source>
        <translation>aucun nom libre</translation>
    </message>
    <message>
        <source>Corvellan could not move %1 aside</source>
        <translation>Corvellan n’a pas pu mettre %1 de côté</translation>
    </message>
    <message>
        <source>%1 was not written by Corvellan. It was kept as %2.</source>
        <translation>%1 n’a pas été écrit par Corvellan. Il a été conservé sous le nom %2.</translation>
    </message>
    <message>
        <source>Corvellan cannot be started when you log in</source>
        <translation>Corvellan ne peut pas être lancé à l’ouverture de session</translation>
    </message>
    <message>
        <source>its path cannot be written in %1: %2</source>
        <translation>son chemin ne peut pas être écrit dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Corvellan could not be removed from the programs started when you log in</source>
        <translation>Corvellan n’a pas pu être retiré des programmes lancés à l’ouverture de session</translation>
    </message>
    <message>
        <source>Corvellan could not be added to the programs started when you log in</source>
        <translation>Corvellan n’a pas pu être ajouté aux programmes lancés à l’ouverture de session</translation>
    </message>
</context>
<context>
    <name>BillingPeriod</name>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message numerus="yes">
        <source>%n %1</source>
        <comment>day and month</comment>
        <extracomment>the day of the month, then the month&apos;s name: &quot;5 March&quot;</extracomment>
        <translation>
            <numerusform>%ner %1</numerusform>
            <numerusform>%n %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Corvellan</source>
        <translation>À propos de Corvellan</translation>
    </message>
    <message>
        <source>Corvellan Version %1</source>
        <translation>Corvellan version %1</translation>
    </message>
</context>
<context>
    <name>CBillingPage</name>
    <message>
        <source>Always round call duration to a </source>
        <translation>Toujours arrondir la durée des appels à un </translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>En semaine</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Week-end</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Horaires</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>du matin</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>du soir</translation>
    </message>
    <message>
        <source>- minute intervals</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Billing period</source>
        <translation>Période de facturation</translation>
    </message>
    <message>
        <source>of the month</source>
        <translation>du mois</translation>
    </message>
    <message>
        <source>Every call</source>
        <translation>Chaque appel</translation>
    </message>
    <message>
        <source>Weekend days</source>
        <translation>Jours de week-end</translation>
    </message>
    <message>
        <source>Holidays, priced as weekend days</source>
        <translation>Jours fériés, facturés comme le week-end</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>chaque année</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>&quot;&amp;Daytime&quot; starts at</source>
        <translation>Le « &amp;jour » commence à</translation>
    </message>
    <message>
        <source>&quot;Ni&amp;ght&quot; starts at</source>
        <translation>La « n&amp;uit » commence à</translation>
    </message>
    <message>
        <source>w&amp;hole number of </source>
        <translation>nombre &amp;entier d’intervalles de </translation>
    </message>
    <message>
        <source>Currency &amp;symbol:</source>
        <translation>&amp;Symbole monétaire :</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Jours fériés</translation>
    </message>
    <message>
        <source>Holiday to add</source>
        <translation>Jour férié à ajouter</translation>
    </message>
</context>
<context>
    <name>CCallListModel</name>
    <message>
        <source>Call started at</source>
        <translation>Début de l’appel</translation>
    </message>
    <message>
        <source>Call Duration</source>
        <translation>Durée de l’appel</translation>
    </message>
    <message>
        <source>Call Cost </source>
        <translation>Coût de l’appel </translation>
    </message>
</context>
<context>
    <name>CChartPage</name>
    <message>
        <source>Cost of each day of the month</source>
        <translation>Coût de chaque jour du mois</translation>
    </message>
</context>
<context>
    <name>CConnectionPage</name>
    <message>
        <source>Start and stop the timer when this network link goes up and down</source>
        <translation>Démarrer et arrêter le chronomètre quand cette liaison réseau s’établit et se coupe</translation>
    </message>
    <message>
        <source>&amp;Pick the link of your modem, or type its name if it is not there yet: ppp0 exists only while you are connected.</source>
        <translation>&amp;Choisissez la liaison de votre modem, ou saisissez son nom si elle n’y figure pas encore : ppp0 n’existe que pendant que vous êtes connecté.</translation>
    </message>
    <message>
        <source>Network link</source>
        <translation>Liaison réseau</translation>
    </message>
</context>
<context>
    <name>CGeneralPage</name>
    <message>
        <source>Start Corvellan when I log in</source>
        <translation>Démarrer Corvellan à l’ouverture de session</translation>
    </message>
    <message>
        <source>Corvellan then starts hidden in the notification area, or shown when your desktop has none.</source>
        <translation>Corvellan démarre alors masqué dans la zone de notification, ou affiché si votre bureau n’en a pas.</translation>
    </message>
</context>
<context>
    <name>CHelpViewer</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>S&amp;uivant</translation>
    </message>
    <message>
        <source>Corvellan Help</source>
        <translation>Aide de Corvellan</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>There is no help topic %1.</source>
        <translation>Il n’existe pas de rubrique d’aide %1.</translation>
    </message>
</context>
<context>
    <name>CLimitsPage</name>
    <message>
        <source>Call Limit</source>
        <translation>Limite par appel</translation>
    </message>
    <message>
        <source>Warn me when I reach call limit</source>
        <translation>M’avertir quand la limite par appel est atteinte</translation>
    </message>
    <message>
        <source>Day limit</source>
        <translation>Limite journalière</translation>
    </message>
    <message>
        <source>Warn me when I reach day limit</source>
        <translation>M’avertir quand la limite journalière est atteinte</translation>
    </message>
    <message>
        <source>Month Limit</source>
        <translation>Limite mensuelle</translation>
    </message>
    <message>
        <source>Warn me when I reach month limit</source>
        <translation>M’avertir quand la limite mensuelle est atteinte</translation>
    </message>
    <message>
        <source>I can afford to spend</source>
        <translation>Je peux dépenser</translation>
    </message>
    <message>
        <source>% of each limit (0: no early warning)</source>
        <translation>% de chaque limite (0 : aucun avertissement anticipé)</translation>
    </message>
    <message>
        <source>on &amp;each call.</source>
        <translation>par app&amp;el.</translation>
    </message>
    <message>
        <source>every &amp;day.</source>
        <translation>par &amp;jour.</translation>
    </message>
    <message>
        <source>every &amp;month.</source>
        <translation>par &amp;mois.</translation>
    </message>
    <message>
        <source>&amp;Also warn at</source>
        <translation>A&amp;vertir aussi à</translation>
    </message>
</context>
<context>
    <name>CLogPage</name>
    <message>
        <source>WARNING: It is highly unrecommended to clear the call log for the current month, since you will then lose all information about the calls you have made and their total cost. Are you sure you want to do this ?</source>
        <translation>AVERTISSEMENT : il est vivement déconseillé d’effacer le journal des appels du mois en cours, car vous perdrez alors toutes les informations sur les appels que vous avez passés et leur coût total. Voulez-vous vraiment le faire ?</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <source>List of calls made during this month (in chronological order) :</source>
        <translation>Liste des appels de ce mois (dans l’ordre chronologique) :</translation>
    </message>
    <message>
        <source>Clear Call Log ?</source>
        <translation>Effacer le journal des appels ?</translation>
    </message>
    <message>
        <source>Calls of the month</source>
        <translation>Appels du mois</translation>
    </message>
    <message>
        <source>C&amp;lear Log ...</source>
        <translation>&amp;Effacer le journal ...</translation>
    </message>
    <message>
        <source>&amp;Total calls made:</source>
        <translation>&amp;Nombre total d’appels :</translation>
    </message>
    <message>
        <source>Time s&amp;pent online:</source>
        <translation>&amp;Temps passé en ligne :</translation>
    </message>
    <message>
        <source>Total co&amp;st:</source>
        <translation>&amp;Coût total :</translation>
    </message>
</context>
<context>
    <name>CLogindWatcher</name>
    <message>
        <source>A call is being timed; it is saved before the computer goes to sleep</source>
        <translation>Un appel est chronométré ; il est enregistré avant la mise en veille de l’ordinateur</translation>
    </message>
</context>
<context>
    <name>CLogsAndReportsSheet</name>
    <message>
        <source>Logs and Reports</source>
        <translation>Journaux et rapports</translation>
    </message>
    <message>
        <source>This month: %1</source>
        <translation>Ce mois-ci : %1</translation>
    </message>
    <message>
        <source>%1 (damaged)</source>
        <translation>%1 (endommagé)</translation>
    </message>
    <message>
        <source>          Call Log          </source>
        <translation>          Journal des appels          </translation>
    </message>
    <message>
        <source>            Report            </source>
        <translation>            Rapport            </translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Mois :</translation>
    </message>
    <message>
        <source>List of calls made during this month (in chronological order) :</source>
        <translation>Liste des appels de ce mois (dans l’ordre chronologique) :</translation>
    </message>
    <message>
        <source>List of calls made during %1 (in chronological order) :</source>
        <translation>Liste des appels de la période %1 (dans l’ordre chronologique) :</translation>
    </message>
    <message>
        <source>%1
The calls that could be read from it:</source>
        <translation>%1
Les appels qui ont pu en être lus :</translation>
    </message>
</context>
<context>
    <name>CMessagesPage</name>
    <message>
        <source>Ca&amp;ll Limit reached :</source>
        <translation>Limite par a&amp;ppel atteinte :</translation>
    </message>
    <message>
        <source>&amp;Day Limit reached :</source>
        <translation>Limite &amp;journalière atteinte :</translation>
    </message>
    <message>
        <source>&amp;Month Limit reached :</source>
        <translation>Limite &amp;mensuelle atteinte :</translation>
    </message>
</context>
<context>
    <name>CMonitorApp</name>
    <message>
        <source>Times your metered calls and shows what they cost.</source>
        <translation>Chronomètre vos appels payés à la minute et indique ce qu’ils coûtent.</translation>
    </message>
    <message>
        <source>Start hidden in the notification area (shown when the desktop has none).</source>
        <translation>Démarrer masqué dans la zone de notification (affiché si le bureau n’en a pas).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>corvellan: %1 (see corvellan --help)
</source>
        <translation>corvellan : %1 (voir corvellan --help)
</translation>
    </message>
    <message>
        <source>Corvellan Error</source>
        <translation>Erreur de Corvellan</translation>
    </message>
    <message>
        <source>Corvellan is already running.
</source>
        <translation>Corvellan est déjà en cours d’exécution.
</translation>
    </message>
    <message>
        <source>corvellan: no control socket: %1
</source>
        <translation>corvellan : pas de socket de contrôle : %1
</translation>
    </message>
    <message>
        <source>corvellan: %1 could not be written; the calls of this run are lost
</source>
        <translation>corvellan : %1 n’a pas pu être écrit ; les appels de cette exécution sont perdus
</translation>
    </message>
    <message>
        <source>corvellan: %1 could not be written; its calls were kept in %2
</source>
        <translation>corvellan : %1 n’a pas pu être écrit ; ses appels ont été conservés dans %2
</translation>
    </message>
</context>
<context>
    <name>CMonitorDlg</name>
    <message>
        <source>WARNING: If you exit Corvellan now, your calls will not be logged until you start this program again. I suggest you press the &quot;Minimize&quot; button instead, to close the window and let Corvellan run in background.
Are you sure you want to stop Corvellan ?</source>
        <translation>AVERTISSEMENT : si vous quittez Corvellan maintenant, vos appels ne seront plus enregistrés tant que vous n’aurez pas relancé ce programme. Appuyez plutôt sur « Masquer la fenêtre » pour fermer la fenêtre et laisser Corvellan fonctionner en arrière-plan.
Voulez-vous vraiment arrêter Corvellan ?</translation>
    </message>
    <message>
        <source>%1 / min</source>
        <translation>%1 / min</translation>
    </message>
    <message>
        <source>STOP Timer</source>
        <translation>ARRÊTER le chronomètre</translation>
    </message>
    <message>
        <source>START Timer</source>
        <translation>DÉMARRER le chronomètre</translation>
    </message>
    <message>
        <source>&amp;About Corvellan...</source>
        <translation>À &amp;propos de Corvellan...</translation>
    </message>
    <message>
        <source>This Call</source>
        <translation>Cet appel</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>Heure de début :</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Prix :</translation>
    </message>
    <message>
        <source>Total call cost:</source>
        <translation>Coût total de l’appel :</translation>
    </message>
    <message>
        <source>Time online:</source>
        <translation>Temps en ligne :</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Spent today:</source>
        <translation>Dépensé aujourd’hui :</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>Spent this month:</source>
        <translation>Dépensé ce mois-ci :</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Masquer la fenêtre</translation>
    </message>
    <message>
        <source>Start or stop the call timer</source>
        <translation>Démarrer ou arrêter le chronomètre de l’appel</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>Masquer la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Customize ...</source>
        <translation>&amp;Personnaliser ...</translation>
    </message>
    <message>
        <source>&amp;Logs and Reports</source>
        <translation>&amp;Journaux et rapports</translation>
    </message>
    <message>
        <source>&amp;Help Contents...</source>
        <translation>&amp;Sommaire de l’aide...</translation>
    </message>
    <message>
        <source>E&amp;xit Corvellan</source>
        <translation>&amp;Quitter Corvellan</translation>
    </message>
    <message>
        <source>Minimize: Corvellan goes on in the notification area</source>
        <translation>Masquer : Corvellan continue dans la zone de notification</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>Price per minute</source>
        <translation>Prix à la minute</translation>
    </message>
    <message>
        <source>Total call cost</source>
        <translation>Coût total de l’appel</translation>
    </message>
    <message>
        <source>Time online</source>
        <translation>Temps en ligne</translation>
    </message>
    <message>
        <source>Spent today</source>
        <translation>Dépensé aujourd’hui</translation>
    </message>
    <message>
        <source>Spent this month</source>
        <translation>Dépensé ce mois-ci</translation>
    </message>
    <message>
        <source>This call against the call limit</source>
        <translation>Cet appel par rapport à la limite par appel</translation>
    </message>
    <message>
        <source>Today against the day limit</source>
        <translation>Aujourd’hui par rapport à la limite journalière</translation>
    </message>
    <message>
        <source>This month against the month limit</source>
        <translation>Ce mois-ci par rapport à la limite mensuelle</translation>
    </message>
</context>
<context>
    <name>CPreferencesSheet</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Billing System</source>
        <translation>Facturation</translation>
    </message>
    <message>
        <source>Time Limits</source>
        <translation>Limites</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
</context>
<context>
    <name>CReportPage</name>
    <message>
        <source>Report of the month</source>
        <translation>Rapport du mois</translation>
    </message>
</context>
<context>
    <name>CSingleInstance</name>
    <message>
        <source>ERROR : Corvellan cannot start: its lock file %1 cannot be used (%2). Corvellan needs it to be sure that only one window records your calls, or two could write over each other&apos;s calls. Remove or repair what is there, then start Corvellan again.</source>
        <translation>ERREUR : Corvellan ne peut pas démarrer : son fichier de verrou %1 est inutilisable (%2). Corvellan en a besoin pour s’assurer qu’une seule fenêtre enregistre vos appels, sans quoi deux fenêtres pourraient écraser les appels l’une de l’autre. Supprimez ou réparez ce qui s’y trouve, puis relancez Corvellan.</translation>
    </message>
</context>
<context>
    <name>CSpendingChart</name>
    <message>
        <source>Day of the month</source>
        <translation>Jour du mois</translation>
    </message>
    <message>
        <source>Earlier days</source>
        <translation>Jours précédents</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Day limit</source>
        <translation>Limite journalière</translation>
    </message>
    <message>
        <source>Month the billing period starts in</source>
        <translation>Mois où commence la période de facturation</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>Month limit</source>
        <translation>Limite mensuelle</translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message>
        <source>Left-click: show/hide window.  Right-click: START timer</source>
        <translation>Clic gauche : afficher/masquer la fenêtre.  Clic droit : DÉMARRER le chronomètre</translation>
    </message>
    <message>
        <source>Left-click: show/hide window.  Right-click: STOP timer</source>
        <translation>Clic gauche : afficher/masquer la fenêtre.  Clic droit : ARRÊTER le chronomètre</translation>
    </message>
</context>
<context>
    <name>CYearPage</name>
    <message>
        <source>Billing period</source>
        <translation>Période de facturation</translation>
    </message>
    <message>
        <source>Calls made</source>
        <translation>Appels passés</translation>
    </message>
    <message>
        <source>Time spent online</source>
        <translation>Temps passé en ligne</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message numerus="yes">
        <source>%1 in all: %n calls made, %2 online, %3</source>
        <translation>
            <numerusform>%1 au total : %n appel passé, %2 en ligne, %3</numerusform>
            <numerusform>%1 au total : %n appels passés, %2 en ligne, %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Cost of each month of the year</source>
        <translation>Coût de chaque mois de l’année</translation>
    </message>
    <message>
        <source>Billing periods of the year</source>
        <translation>Périodes de facturation de l’année</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>An&amp;née :</translation>
    </message>
</context>
<context>
    <name>CallHistory</name>
    <message>
        <source>%1 is far too large to be a call log</source>
        <translation>%1 est bien trop gros pour être un journal des appels</translation>
    </message>
    <message>
        <source>%1 could not be read (%2)</source>
        <translation>%1 n’a pas pu être lu (%2)</translation>
    </message>
    <message>
        <source>%1 holds what Corvellan does not write, so it is left as it is</source>
        <translation>%1 contient ce que Corvellan n’écrit pas&#xa0;; il est donc laissé tel quel</translation>
    </message>
    <message>
        <source>%1 could not be kept as it was before calls were added (%2)</source>
        <translation>%1 n’a pas pu être conservé tel qu’il était avant l’ajout des appels (%2)</translation>
    </message>
    <message>
        <source>%1 could not be written (%2)</source>
        <translation>%1 n’a pas pu être écrit (%2)</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n’est pas un dossier</translation>
    </message>
</context>
<context>
    <name>CallLog</name>
    <message>
        <source>Corvellan Error</source>
        <translation>Erreur de Corvellan</translation>
    </message>
    <message>
        <source>ERROR : Log file could not be created</source>
        <translation>ERREUR&#xa0;: le fichier journal n’a pas pu être créé</translation>
    </message>
    <message>
        <source> The original file will be kept beside the new log when the log is next saved.</source>
        <translation> Le fichier d’origine sera conservé à côté du nouveau journal lors du prochain enregistrement.</translation>
    </message>
    <message>
        <source>Since a new month has started, Corvellan will clear the call log for %1. Corvellan can save this old log under a different filename, so that you can access it later. Do you wish to save the log for %1?</source>
        <translation>Comme un nouveau mois a commencé, Corvellan va vider le journal des appels de %1. Corvellan peut enregistrer cet ancien journal sous un autre nom de fichier, pour que vous puissiez le consulter plus tard. Voulez-vous enregistrer le journal de %1&#xa0;?</translation>
    </message>
    <message>
        <source>1 entry of the call log could not be read and was left out.</source>
        <translation>1 entrée du journal des appels n’a pas pu être lue et a été ignorée.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries of the call log could not be read and were left out.</source>
        <translation>
            <numerusform>%n entrée du journal des appels n’a pas pu être lue et a été ignorée.</numerusform>
            <numerusform>%n entrées du journal des appels n’ont pas pu être lues et ont été ignorées.</numerusform>
        </translation>
    </message>
    <message>
        <source>it is far too large to be a call log</source>
        <translation>le fichier est bien trop gros pour être un journal des appels</translation>
    </message>
    <message>
        <source>The calls of ended months could not all be put into the history folder %1, so Corvellan keeps them in Calls.log until they can be; nothing is lost.</source>
        <translation>Les appels des mois écoulés n’ont pas tous pu être placés dans le dossier d’historique %1&#xa0;; Corvellan les garde donc dans Calls.log jusqu’à ce que ce soit possible. Rien n’est perdu.</translation>
    </message>
    <message>
        <source>Calls that could not be written to the call log before were kept in:</source>
        <translation>Les appels qui n’avaient pas pu être écrits dans le journal des appels ont été conservés dans&#xa0;:</translation>
    </message>
    <message>
        <source>This month&apos;s calls among them are back in the list.</source>
        <translation>Les appels de ce mois qui s’y trouvaient sont de retour dans la liste.</translation>
    </message>
    <message>
        <source>This month&apos;s calls among them are back in the list; once the log has been saved, the files that held only those are removed.</source>
        <translation>Les appels de ce mois qui s’y trouvaient sont de retour dans la liste&#xa0;; une fois le journal enregistré, les fichiers qui ne contenaient qu’eux sont supprimés.</translation>
    </message>
    <message>
        <source>Files that also hold calls of other months are kept:</source>
        <translation>Les fichiers qui contiennent aussi des appels d’autres mois sont conservés&#xa0;:</translation>
    </message>
    <message>
        <source>Corvellan times your calls all the same, but cannot save them until files can be written there.</source>
        <translation>Corvellan chronomètre quand même vos appels, mais ne peut pas les enregistrer tant qu’aucun fichier ne peut y être écrit.</translation>
    </message>
    <message>
        <source>The call log %1 cannot be replaced (%2), so Corvellan leaves it as it is and keeps this month&apos;s calls in %3.</source>
        <translation>Le journal des appels %1 ne peut pas être remplacé (%2)&#xa0;; Corvellan le laisse donc tel quel et garde les appels de ce mois dans %3.</translation>
    </message>
    <message>
        <source>ERROR: For some reason the call log file is corrupt. Information about the calls you have made this month will not be available.</source>
        <translation>ERREUR&#xa0;: pour une raison inconnue, le fichier journal des appels est endommagé. Les informations sur les appels que vous avez passés ce mois-ci ne seront pas disponibles.</translation>
    </message>
    <message>
        <source>Part of the call log is not in the form Corvellan writes and could not be read.</source>
        <translation>Une partie du journal des appels n’a pas la forme qu’écrit Corvellan et n’a pas pu être lue.</translation>
    </message>
    <message>
        <source>ERROR : The call log %1 could not be read (%2). Corvellan leaves it as it is. Information about the calls you have made this month will not be available.</source>
        <translation>ERREUR&#xa0;: le journal des appels %1 n’a pas pu être lu (%2). Corvellan le laisse tel quel. Les informations sur les appels que vous avez passés ce mois-ci ne seront pas disponibles.</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt | All Files(*.*)|*.*|</source>
        <translation>Fichiers texte(*.txt)|*.txt | Tous les fichiers(*.*)|*.*|</translation>
    </message>
    <message>
        <source>ERROR : The old call log could not be saved as %1 (%2).</source>
        <translation>ERREUR&#xa0;: l’ancien journal des appels n’a pas pu être enregistré sous %1 (%2).</translation>
    </message>
</context>
<context>
    <name>CallMeter</name>
    <message>
        <source>Call since %1: %2, %3</source>
        <translation>Appel depuis %1&#xa0;: %2, %3</translation>
    </message>
    <message>
        <source>You have used %1 % of your call limit: %2 of %3.</source>
        <translation>Vous avez utilisé %1&#xa0;% de votre limite par appel&#xa0;: %2 sur %3.</translation>
    </message>
    <message>
        <source>You have used %1 % of your day limit: %2 of %3.</source>
        <translation>Vous avez utilisé %1&#xa0;% de votre limite journalière&#xa0;: %2 sur %3.</translation>
    </message>
    <message>
        <source>You have used %1 % of your month limit: %2 of %3.</source>
        <translation>Vous avez utilisé %1&#xa0;% de votre limite mensuelle&#xa0;: %2 sur %3.</translation>
    </message>
</context>
<context>
    <name>CallsCsv</name>
    <message>
        <source>not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>CSV Files(*.csv)|*.csv|All Files(*.*)|*.*|</source>
        <translation>Fichiers CSV(*.csv)|*.csv|Tous les fichiers(*.*)|*.*|</translation>
    </message>
    <message>
        <source>Corvellan Error</source>
        <translation>Erreur de Corvellan</translation>
    </message>
    <message>
        <source>ERROR : The list of calls could not be saved as %1 (%2).</source>
        <translation>ERREUR&#xa0;: la liste des appels n’a pas pu être enregistrée sous %1 (%2).</translation>
    </message>
</context>
<context>
    <name>ControlClient</name>
    <message>
        <source>cannot use %1: %2</source>
        <translation>impossible d’utiliser %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>others may enter it</source>
        <translation>d’autres utilisateurs y ont accès</translation>
    </message>
    <message>
        <source>%1 is served by another user (uid %2)</source>
        <translation>%1 est servi par un autre utilisateur (uid %2)</translation>
    </message>
    <message>
        <source>%1 is served by another user</source>
        <translation>%1 est servi par un autre utilisateur</translation>
    </message>
    <message>
        <source>Corvellan&apos;s answer is too long</source>
        <translation>La réponse de Corvellan est trop longue</translation>
    </message>
    <message>
        <source>Corvellan closed the connection without an answer</source>
        <translation>Corvellan a fermé la connexion sans répondre</translation>
    </message>
    <message numerus="yes">
        <source>Corvellan did not answer within %n seconds</source>
        <translation>
            <numerusform>Corvellan n’a pas répondu en %n seconde</numerusform>
            <numerusform>Corvellan n’a pas répondu en %n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ControlProtocol</name>
    <message>
        <source>no reason given</source>
        <translation>aucune raison donnée</translation>
    </message>
    <message>
        <source>an answer that is neither ok nor error: %1</source>
        <translation>une réponse qui n’est ni ok ni error&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CtlCommands</name>
    <message>
        <source>START and END</source>
        <translation>START et END</translation>
    </message>
    <message>
        <source>; nothing was added</source>
        <translation>&#xa0;; rien n’a été ajouté</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>the settings in %1 cannot be used (%2); no figures are given, they would follow a tariff you never set</source>
        <translation>les réglages de %1 ne sont pas utilisables (%2)&#xa0;; aucun chiffre n’est donné, ils suivraient un tarif que vous n’avez jamais fixé</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 a besoin de %2</translation>
    </message>
    <message>
        <source>too many arguments for %1 (a time goes in quotes: &quot;2024-03-05 10:00:00&quot;)</source>
        <translation>trop d’arguments pour %1 (une heure s’écrit entre guillemets&#xa0;: &quot;2024-03-05 10:00:00&quot;)</translation>
    </message>
    <message>
        <source>--raw goes with price only</source>
        <translation>--raw ne va qu’avec price</translation>
    </message>
    <message>
        <source>--now does not go with %1</source>
        <translation>--now ne va pas avec %1</translation>
    </message>
    <message>
        <source>--csv goes with calls, months and chart only</source>
        <translation>--csv ne va qu’avec calls, months et chart</translation>
    </message>
    <message>
        <source>--json goes with report, calls, months, chart and status only</source>
        <translation>--json ne va qu’avec report, calls, months, chart et status</translation>
    </message>
    <message>
        <source>--month goes with report, calls and chart only</source>
        <translation>--month ne va qu’avec report, calls et chart</translation>
    </message>
    <message>
        <source>--csv and --json do not go together</source>
        <translation>--csv et --json ne vont pas ensemble</translation>
    </message>
    <message>
        <source>not a month: &apos;%1&apos; (expected YYYY-MM)</source>
        <translation>pas un mois&#xa0;: «&#xa0;%1&#xa0;» (format attendu&#xa0;: YYYY-MM)</translation>
    </message>
    <message>
        <source>Total calls made:</source>
        <translation>Nombre total d’appels&#xa0;:</translation>
    </message>
    <message>
        <source>Time spent online:</source>
        <translation>Temps passé en ligne&#xa0;:</translation>
    </message>
    <message>
        <source>Total cost:</source>
        <translation>Coût total&#xa0;:</translation>
    </message>
    <message>
        <source>no calls are kept for %1 (corvellanctl months lists the months there are)</source>
        <translation>aucun appel n’est conservé pour %1 (corvellanctl months liste les mois disponibles)</translation>
    </message>
    <message>
        <source>another corvellanctl is still changing Calls.log</source>
        <translation>un autre corvellanctl est encore en train de modifier Calls.log</translation>
    </message>
    <message>
        <source>cannot create the lock file %1 (%2)</source>
        <translation>impossible de créer le fichier de verrou %1 (%2)</translation>
    </message>
    <message>
        <source>Calls.log cannot be replaced (%1)</source>
        <translation>Calls.log ne peut pas être remplacé (%1)</translation>
    </message>
    <message>
        <source>Calls.log was left as it is: start Corvellan to deal with it, then add the call</source>
        <translation>Calls.log a été laissé tel quel&#xa0;: lancez Corvellan pour régler cela, puis ajoutez l’appel</translation>
    </message>
    <message>
        <source>END is before START</source>
        <translation>END est avant START</translation>
    </message>
    <message>
        <source>not a local time: &apos;%1&apos; (expected &quot;YYYY-MM-DD HH:MM:SS&quot;)</source>
        <translation>pas une heure locale&#xa0;: «&#xa0;%1&#xa0;» (format attendu&#xa0;: &quot;YYYY-MM-DD HH:MM:SS&quot;)</translation>
    </message>
    <message>
        <source>%1 (see corvellanctl --help)</source>
        <translation>%1 (voir corvellanctl --help)</translation>
    </message>
    <message>
        <source>Usage: corvellanctl COMMAND [ARGUMENTS] [--now TIME]
</source>
        <translation>Usage&#xa0;: corvellanctl COMMANDE [ARGUMENTS] [--now TIME]
</translation>
    </message>
    <message>
        <source>Corvellan&apos;s command-line companion. It reads the same Corvellan.ini and Calls.log as the
window. Times are local, written &quot;YYYY-MM-DD HH:MM:SS&quot; (in quotes).
</source>
        <translation>Corvellan en ligne de commande. Il lit les mêmes Corvellan.ini et Calls.log que la fenêtre.
Les heures sont locales et s’écrivent &quot;YYYY-MM-DD HH:MM:SS&quot; (entre guillemets).
</translation>
    </message>
    <message>
        <source>Commands:
  price START END [--raw]  the cost of a call from START to END under the current tariff;
                           --raw: unrounded, up to 15 significant digits
  rate [AT]                the rate in force at AT (default now), day or night, weekday or
                           weekend, and the holiday (MM-DD or YYYY-MM-DD) on a holiday
  report [--json]          the report of the month, with the daily allowance when a month
                           limit is set; --json: its figures for scripts
  calls [--csv|--json]     the month&apos;s calls (start, duration, cost), then the number of
                           calls, the total online time and the total cost; --csv: one
                           call a record (ISO 8601 times, seconds, cost); --json: the same
                           for scripts
  add START END            record a call that was not timed; only calls of the current
                           month that have ended and overlap no logged call; a running
                           Corvellan window is handed the call and adds it itself
  months [--csv|--json]    this month and those of the history, newest first: the billing
                           period, the number of calls, the online time and the cost
  chart [--csv|--json]     what each day of the month cost, as the chart shows it
</source>
        <translation>Commandes&#xa0;:
  price START END [--raw]  le coût d’un appel de START à END selon le tarif actuel&#xa0;;
                           --raw&#xa0;: non arrondi, jusqu’à 15 chiffres significatifs
  rate [AT]                le tarif en vigueur à AT (par défaut maintenant), jour ou nuit,
                           semaine ou week-end, et le jour férié (MM-DD ou YYYY-MM-DD) un
                           jour férié
  report [--json]          le rapport du mois, avec ce que vous pouvez encore dépenser par
                           jour quand une limite mensuelle est fixée&#xa0;; --json&#xa0;: ses chiffres
                           pour les scripts
  calls [--csv|--json]     les appels du mois (début, durée, coût), puis le nombre d’appels,
                           le temps total en ligne et le coût total&#xa0;; --csv&#xa0;: un
                           enregistrement par appel (heures ISO 8601, secondes, coût)&#xa0;;
                           --json&#xa0;: la même chose pour les scripts
  add START END            enregistrer un appel qui n’a pas été chronométré&#xa0;; seulement des
                           appels terminés du mois en cours qui ne chevauchent aucun appel du
                           journal&#xa0;; une fenêtre Corvellan ouverte reçoit l’appel et l’ajoute
                           elle-même
  months [--csv|--json]    ce mois-ci et ceux de l’historique, du plus récent au plus ancien&#xa0;:
                           la période de facturation, le nombre d’appels, le temps en ligne et
                           le coût
  chart [--csv|--json]     ce que chaque jour du mois a coûté, comme le montre le graphique
</translation>
    </message>
    <message>
        <source>Commands for the running Corvellan window (each waits at most 2 seconds):
  start                    start timing a call, as the window&apos;s button does
  stop                     stop the call and record it
  toggle                   start or stop, whichever the button would do
  status [--json]          &quot;running since HH:MM:SS, COST so far&quot; or &quot;stopped&quot;;
                           --json: {&quot;running&quot;:true,&quot;start&quot;:...,&quot;cost&quot;:...,&quot;rate&quot;:...}
</source>
        <translation>Commandes pour la fenêtre Corvellan ouverte (chacune attend au plus 2 secondes)&#xa0;:
  start                    démarrer le chronométrage d’un appel, comme le bouton de la fenêtre
  stop                     arrêter l’appel et l’enregistrer
  toggle                   démarrer ou arrêter, selon ce que ferait le bouton
  status [--json]          «&#xa0;en cours depuis HH:MM:SS, COST jusqu’ici&#xa0;» ou «&#xa0;arrêté&#xa0;»&#xa0;;
                           --json&#xa0;: {&quot;running&quot;:true,&quot;start&quot;:...,&quot;cost&quot;:...,&quot;rate&quot;:...}
</translation>
    </message>
    <message>
        <source>Options:
  --now TIME               take TIME as the current time (rate, report, calls, add,
                           months, chart)
  --month YYYY-MM          report, calls and chart of the month that starts in YYYY-MM
  -h, --help               show this help
  -v, --version            show the version
</source>
        <translation>Options&#xa0;:
  --now TIME               prendre TIME comme heure actuelle (rate, report, calls, add,
                           months, chart)
  --month YYYY-MM          report, calls et chart du mois qui commence en YYYY-MM
  -h, --help               afficher cette aide
  -v, --version            afficher la version
</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 refused or failed (or no window for start, stop and toggle),
2 bad command line, 3 status found no window running (it prints &quot;not running&quot;).
Files: $XDG_CONFIG_HOME/Corvellan.ini (default ~/.config/Corvellan.ini),
       $XDG_DATA_HOME/corvellan/Calls.log (default ~/.local/share/corvellan/Calls.log),
       the window&apos;s socket in $XDG_RUNTIME_DIR/corvellan/ (default /tmp/corvellan-UID/).
</source>
        <translation>Code de sortie&#xa0;: 0 fait, 1 refusé ou échoué (ou pas de fenêtre pour start, stop et toggle),
2 ligne de commande incorrecte, 3 status n’a trouvé aucune fenêtre ouverte (il affiche
«&#xa0;non lancé&#xa0;»).
Fichiers&#xa0;: $XDG_CONFIG_HOME/Corvellan.ini (par défaut ~/.config/Corvellan.ini),
           $XDG_DATA_HOME/corvellan/Calls.log (par défaut ~/.local/share/corvellan/Calls.log),
           le socket de la fenêtre dans $XDG_RUNTIME_DIR/corvellan/ (par défaut
           /tmp/corvellan-UID/).
</translation>
    </message>
</context>
<context>
    <name>DataLock</name>
    <message>
        <source>it cannot be locked: %1</source>
        <translation>impossible de le verrouiller&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>FileLock</name>
    <message>
        <source>it is a symbolic link</source>
        <translation>c’est un lien symbolique</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>Holiday</name>
    <message>
        <source>%-d %B</source>
        <translation>%-d %B</translation>
    </message>
    <message>
        <source>%-d %B %Y</source>
        <translation>%-d %B %Y</translation>
    </message>
    <message>
        <source>%1, every year</source>
        <translation>%1, chaque année</translation>
    </message>
</context>
<context>
    <name>LinkFollower</name>
    <message>
        <source>&quot;%1&quot; in the Preferences is not the name of a network link, so the timer does not follow it.</source>
        <translation>«&#xa0;%1&#xa0;» dans les préférences n’est pas le nom d’une liaison réseau&#xa0;; le chronomètre ne la suit donc pas.</translation>
    </message>
    <message>
        <source>The link %1 was already up: timing from now</source>
        <translation>La liaison %1 était déjà active&#xa0;: chronométrage à partir de maintenant</translation>
    </message>
    <message>
        <source>Corvellan cannot watch the network links (%1), so the timer does not follow %2.</source>
        <translation>Corvellan ne peut pas surveiller les liaisons réseau (%1)&#xa0;; le chronomètre ne suit donc pas %2.</translation>
    </message>
</context>
<context>
    <name>Monitor</name>
    <message>
        <source>the call ends before it starts</source>
        <translation>l’appel se termine avant de commencer</translation>
    </message>
    <message>
        <source>only calls of the current month (%1) can be added</source>
        <translation>seuls les appels du mois en cours (%1) peuvent être ajoutés</translation>
    </message>
    <message>
        <source>the call cannot end later than now</source>
        <translation>l’appel ne peut pas se terminer plus tard que maintenant</translation>
    </message>
    <message>
        <source>the call log has not been read yet</source>
        <translation>le journal des appels n’a pas encore été lu</translation>
    </message>
    <message>
        <source>the call overlaps the call being timed since %1</source>
        <translation>l’appel chevauche l’appel chronométré depuis %1</translation>
    </message>
    <message>
        <source>the call overlaps the logged call from %1 to %2</source>
        <translation>l’appel chevauche l’appel du journal de %1 à %2</translation>
    </message>
    <message>
        <source>Calls.log could not be written (%1)</source>
        <translation>Calls.log n’a pas pu être écrit (%1)</translation>
    </message>
</context>
<context>
    <name>MonthList</name>
    <message>
        <source>this month</source>
        <translation>ce mois-ci</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>&quot;Daytime&quot; starts at (minutes)</source>
        <translation>Le « jour » commence à (minutes)</translation>
    </message>
    <message>
        <source>&quot;Daytime&quot; starts at (hour)</source>
        <translation>Le « jour » commence à (heure)</translation>
    </message>
    <message>
        <source>&quot;Night&quot; starts at (hour, PM)</source>
        <translation>La « nuit » commence à (heure, du soir)</translation>
    </message>
    <message>
        <source>&quot;Night&quot; starts at (minutes)</source>
        <translation>La « nuit » commence à (minutes)</translation>
    </message>
    <message>
        <source>&amp;Weekday daytime rate:</source>
        <translation>&amp;Tarif de jour en semaine :</translation>
    </message>
    <message>
        <source>Weekday &amp;nighttime rate:</source>
        <translation>Tarif de &amp;nuit en semaine :</translation>
    </message>
    <message>
        <source>Weekend da&amp;ytime rate:</source>
        <translation>Tarif de jour le &amp;week-end :</translation>
    </message>
    <message>
        <source>Weekend nigh&amp;ttime rate:</source>
        <translation>Tarif de nuit le wee&amp;k-end :</translation>
    </message>
    <message>
        <source>Rounding interval (minutes)</source>
        <translation>Intervalle d’arrondi (minutes)</translation>
    </message>
    <message>
        <source>&amp;Billing period starts on day</source>
        <translation>La &amp;période de facturation commence le jour</translation>
    </message>
    <message>
        <source>&amp;Fee per call:</source>
        <translation>&amp;Frais par appel :</translation>
    </message>
    <message>
        <source>&amp;Minimum charge per call:</source>
        <translation>&amp;Montant minimal par appel :</translation>
    </message>
    <message>
        <source>I can afford to spend on each call</source>
        <translation>Je peux dépenser par appel</translation>
    </message>
    <message>
        <source>I can afford to spend every day</source>
        <translation>Je peux dépenser par jour</translation>
    </message>
    <message>
        <source>I can afford to spend every month</source>
        <translation>Je peux dépenser par mois</translation>
    </message>
    <message>
        <source>Also warn at (% of each limit)</source>
        <translation>Avertir aussi à (% de chaque limite)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>PreferencesFields</name>
    <message>
        <source>The night cannot begin after midnight: please enter 12:00 PM at the latest.</source>
        <translation>La nuit ne peut pas commencer après minuit&#xa0;: veuillez saisir 12:00 au plus (compté à partir de midi).</translation>
    </message>
    <message>
        <source>Please enter a currency symbol of at most 8 characters, or nothing for your locale&apos;s.</source>
        <translation>Veuillez saisir un symbole monétaire de 8 caractères au plus, ou rien pour celui de vos paramètres régionaux.</translation>
    </message>
    <message>
        <source>There is no such date as %1.</source>
        <translation>La date %1 n’existe pas.</translation>
    </message>
    <message>
        <source>Please enter the name of a network link, such as ppp0: 1 to 15 characters, without blanks, &apos;/&apos; or &apos;:&apos;.</source>
        <translation>Veuillez saisir le nom d’une liaison réseau, par exemple ppp0&#xa0;: 1 à 15 caractères, sans espace, «&#xa0;/&#xa0;» ni «&#xa0;:&#xa0;».</translation>
    </message>
    <message>
        <source>Every moment is charged at the night rate with these times</source>
        <translation>Avec ces heures, tout est facturé au tarif de nuit</translation>
    </message>
    <message>
        <source>Day rate from %1 to %2, night rate from %2 to %1</source>
        <translation>Tarif de jour de %1 à %2, tarif de nuit de %2 à %1</translation>
    </message>
    <message>
        <source>This period: %1</source>
        <translation>Cette période&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ReplyText</name>
    <message>
        <source>started at %1</source>
        <translation>démarré à %1</translation>
    </message>
    <message>
        <source>already running since %1</source>
        <translation>déjà en cours depuis %1</translation>
    </message>
    <message>
        <source>stopped at %1: %2</source>
        <translation>arrêté à %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no call was being timed</source>
        <translation>aucun appel n’était chronométré</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>running since %1, %2 so far</source>
        <translation>en cours depuis %1, %2 jusqu’ici</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>You shouldn&apos;t have any worries so far !</source>
        <translation>Pour l’instant, vous n’avez aucune raison de vous inquiéter&#xa0;!</translation>
    </message>
    <message>
        <source>If you go on using the Net in the same way you have done so far, you will end up with a telephone bill somewhere about %1 , which is well within the month limit that you have set (%2)</source>
        <translation>Si vous continuez à utiliser Internet comme jusqu’à présent, votre facture de téléphone s’élèvera à environ %1, ce qui est bien en deçà de la limite mensuelle que vous avez fixée (%2)</translation>
    </message>
    <message>
        <source>If you go on using the Net in the same way you have done so far, you will end up with a telephone bill somewhere about %1 , which is just under the month limit that you have set (%2)</source>
        <translation>Si vous continuez à utiliser Internet comme jusqu’à présent, votre facture de téléphone s’élèvera à environ %1, ce qui est juste en dessous de la limite mensuelle que vous avez fixée (%2)</translation>
    </message>
    <message>
        <source>If you go on using the Net in the same way you have done so far, you will end up with a telephone bill somewhere about %1 , which is exactly as much as the month limit that you have set (%2)</source>
        <translation>Si vous continuez à utiliser Internet comme jusqu’à présent, votre facture de téléphone s’élèvera à environ %1, ce qui correspond exactement à la limite mensuelle que vous avez fixée (%2)</translation>
    </message>
    <message>
        <source>If you go on using the Net in the same way you have done so far, you will end up with a telephone bill somewhere about %1 , which is just above the month limit that you have set (%2)</source>
        <translation>Si vous continuez à utiliser Internet comme jusqu’à présent, votre facture de téléphone s’élèvera à environ %1, ce qui est juste au-dessus de la limite mensuelle que vous avez fixée (%2)</translation>
    </message>
    <message>
        <source>You shouldn&apos;t have any serious worries so far !</source>
        <translation>Pour l’instant, vous n’avez pas de raison sérieuse de vous inquiéter&#xa0;!</translation>
    </message>
    <message>
        <source>If you go on using the Net in the same way you have done so far, you will end up with a telephone bill somewhere about %1 , which is WAY ABOVE the month limit that you have set (%2)</source>
        <translation>Si vous continuez à utiliser Internet comme jusqu’à présent, votre facture de téléphone s’élèvera à environ %1, ce qui est BIEN AU-DESSUS de la limite mensuelle que vous avez fixée (%2)</translation>
    </message>
    <message>
        <source>I suggest you IMMEDIATELY reconsider and optimize the time you spend online, otherwise be prepared for a FAT telephone bill !</source>
        <translation>Je vous conseille de revoir IMMÉDIATEMENT le temps que vous passez en ligne et de le réduire, sinon attendez-vous à une facture de téléphone SALÉE&#xa0;!</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 et %3</translation>
    </message>
    <message numerus="yes">
        <source>during the %n days of this month (%1)</source>
        <translation>
            <numerusform>au cours de l’unique jour de ce mois (%1)</numerusform>
            <numerusform>au cours des %n jours de ce mois (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>- Report for %1 %2 :</source>
        <translation>- Rapport de %1 %2&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>You made %n call(s) %1.</source>
        <translation>
            <numerusform>Vous avez passé %n appel %1.</numerusform>
            <numerusform>Vous avez passé %n appels %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>You spent a total of %1, for which you pay %2.</source>
        <translation>Vous avez passé %1 en ligne au total, ce qui vous coûte %2.</translation>
    </message>
    <message>
        <source>You spent a total of %1, for which you pay %2, more than the month limit that you have set (%3).</source>
        <translation>Vous avez passé %1 en ligne au total, ce qui vous coûte %2, plus que la limite mensuelle que vous avez fixée (%3).</translation>
    </message>
    <message>
        <source>You spent a total of %1, for which you pay %2, within the month limit that you have set (%3).</source>
        <translation>Vous avez passé %1 en ligne au total, ce qui vous coûte %2, sans dépasser la limite mensuelle que vous avez fixée (%3).</translation>
    </message>
    <message numerus="yes">
        <source>during the first %n days of this month</source>
        <translation>
            <numerusform>au cours du premier jour de ce mois</numerusform>
            <numerusform>au cours des %n premiers jours de ce mois</numerusform>
        </translation>
    </message>
    <message>
        <source>- Brief report for %1 :</source>
        <translation>- Bref rapport de %1&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>You have made %n call(s) %1.</source>
        <translation>
            <numerusform>Vous avez passé %n appel %1.</numerusform>
            <numerusform>Vous avez passé %n appels %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>You have spent a total of %1, for which you will pay %2</source>
        <translation>Vous avez passé %1 en ligne au total, ce qui vous coûtera %2</translation>
    </message>
    <message>
        <source>If you go on using the Net in the same way you have done so far, you will end up with a telephone bill somewhere about %1.</source>
        <translation>Si vous continuez à utiliser Internet comme jusqu’à présent, votre facture de téléphone s’élèvera à environ %1.</translation>
    </message>
    <message>
        <source>You have not set a month limit.</source>
        <translation>Vous n’avez pas fixé de limite mensuelle.</translation>
    </message>
    <message>
        <source>You have already spent more than your month limit</source>
        <translation>Vous avez déjà dépensé plus que votre limite mensuelle</translation>
    </message>
    <message>
        <source>To stay within your month limit you can spend %1 a day for the rest of the month</source>
        <translation>Pour rester dans votre limite mensuelle, vous pouvez dépenser %1 par jour jusqu’à la fin du mois</translation>
    </message>
    <message>
        <source>Bill for %1: %2</source>
        <translation>Facture de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Projected bill for %1: %2</source>
        <translation>Facture prévue pour %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Bill for %1: %2 (month limit %3)</source>
        <translation>Facture de %1&#xa0;: %2 (limite mensuelle %3)</translation>
    </message>
    <message>
        <source>Projected bill for %1: %2 (month limit %3)</source>
        <translation>Facture prévue pour %1&#xa0;: %2 (limite mensuelle %3)</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RuntimeDir</name>
    <message>
        <source>it is a symbolic link</source>
        <translation>c’est un lien symbolique</translation>
    </message>
    <message>
        <source>it is not a directory</source>
        <translation>ce n’est pas un dossier</translation>
    </message>
    <message>
        <source>it belongs to uid %1, not to uid %2</source>
        <translation>il appartient à l’uid %1, pas à l’uid %2</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>impossible d’utiliser %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot make it private: %1</source>
        <translation>impossible de le rendre privé&#xa0;: %1</translation>
    </message>
    <message>
        <source>the control socket&apos;s path %1 is longer than the %2 bytes a Unix socket&apos;s address may have (set XDG_RUNTIME_DIR to a shorter path)</source>
        <translation>le chemin %1 du socket de contrôle dépasse les %2 octets permis pour l’adresse d’un socket Unix (donnez à XDG_RUNTIME_DIR un chemin plus court)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>1 line that is not a setting</source>
        <translation>1 ligne qui n’est pas un réglage</translation>
    </message>
    <message numerus="yes">
        <source>%n lines that are not settings</source>
        <translation>
            <numerusform>%n ligne qui n’est pas un réglage</numerusform>
            <numerusform>%n lignes qui ne sont pas des réglages</numerusform>
        </translation>
    </message>
    <message>
        <source>, and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>values that are not usable amounts %1</source>
        <translation>des valeurs %1 qui ne sont pas des montants utilisables</translation>
    </message>
    <message>
        <source>values Corvellan cannot read %1</source>
        <translation>des valeurs %1 que Corvellan ne sait pas lire</translation>
    </message>
    <message>
        <source>%1 holds %2. Corvellan uses its built-in values for what it could not read, and keeps a copy of the file before it next saves the settings.</source>
        <translation>%1 contient %2. Corvellan utilise ses valeurs par défaut pour ce qu’il n’a pas pu lire, et garde une copie du fichier avant d’enregistrer de nouveau les réglages.</translation>
    </message>
    <message>
        <source>Since this is the first time you start Corvellan, have to provide Corvellan with information such as the billing system that your telephone company uses, your personal preferences, etc.</source>
        <translation>Comme c’est la première fois que vous lancez Corvellan, vous devez lui fournir des informations comme le système de facturation de votre opérateur téléphonique, vos préférences personnelles, etc.</translation>
    </message>
    <message>
        <source>it is far too large to be a settings file</source>
        <translation>le fichier est bien trop gros pour être un fichier de réglages</translation>
    </message>
    <message>
        <source>Corvellan Error</source>
        <translation>Erreur de Corvellan</translation>
    </message>
    <message>
        <source>ERROR : Settings could not be read from %1 (%2). Corvellan uses its built-in settings for this run and leaves the file as it is.</source>
        <translation>ERREUR&#xa0;: les réglages n’ont pas pu être lus dans %1 (%2). Corvellan utilise ses réglages par défaut pour cette session et laisse le fichier tel quel.</translation>
    </message>
    <message>
        <source>it holds %1</source>
        <translation>le fichier contient %1</translation>
    </message>
    <message>
        <source>ERROR : Settings could not be saved: %1 could not be read, so it was left as it is.</source>
        <translation>ERREUR&#xa0;: les réglages n’ont pas pu être enregistrés&#xa0;: %1 n’a pas pu être lu, il a donc été laissé tel quel.</translation>
    </message>
    <message>
        <source>ERROR : Settings could not be saved: no copy of %1 could be kept.</source>
        <translation>ERREUR&#xa0;: les réglages n’ont pas pu être enregistrés&#xa0;: aucune copie de %1 n’a pu être conservée.</translation>
    </message>
    <message>
        <source>ERROR : Settings could not be saved</source>
        <translation>ERREUR&#xa0;: les réglages n’ont pas pu être enregistrés</translation>
    </message>
    <message>
        <source>Hey, your call limit is reached how about stopping now and finding something else to do ?</source>
        <translation>Eh, votre limite par appel est atteinte&#xa0;: et si vous arrêtiez maintenant pour faire autre chose&#xa0;?</translation>
    </message>
    <message>
        <source>Sorry, your day limit is reached now, so let&apos;s turn that modem off now and find something else to do, shall we ?!</source>
        <translation>Désolé, votre limite journalière est atteinte&#xa0;: éteignons ce modem et faisons autre chose, d’accord&#xa0;?!</translation>
    </message>
    <message>
        <source>Oh Oh! You have reached your month limit, so unless you are prepared to foot the huge telephone bill once again, I suggest you turn off the modem right NOW !!</source>
        <translation>Oh oh&#xa0;! Vous avez atteint votre limite mensuelle&#xa0;: à moins d’être prêt à payer une fois de plus une énorme facture de téléphone, je vous conseille d’éteindre le modem TOUT DE SUITE&#xa0;!!</translation>
    </message>
</context>
<context>
    <name>SettingsFields</name>
    <message>
        <source>Please enter a whole number from %1 to %2.</source>
        <translation>Veuillez saisir un nombre entier de %1 à %2.</translation>
    </message>
    <message>
        <source>Please enter a number from 0 to 1000000.</source>
        <translation>Veuillez saisir un nombre de 0 à 1000000.</translation>
    </message>
    <message>
        <source>Please enter 0 for no early warning, or a whole number from 50 to 99.</source>
        <translation>Veuillez saisir 0 pour aucun avertissement anticipé, ou un nombre entier de 50 à 99.</translation>
    </message>
    <message>
        <source>Please enter an hour after noon, from 0 to 12 (or from 13 to 24, as on a 24-hour clock).</source>
        <translation>Veuillez saisir une heure de l’après-midi, de 0 à 12 (ou de 13 à 24, comme sur une horloge de 24 heures).</translation>
    </message>
    <message>
        <source>Please enter a number of 0 or more.</source>
        <translation>Veuillez saisir un nombre supérieur ou égal à 0.</translation>
    </message>
</context>
<context>
    <name>SleepGuard</name>
    <message>
        <source>The call was stopped at %H:%M when the computer went to sleep</source>
        <translation>L’appel a été arrêté à %H:%M quand l’ordinateur s’est mis en veille</translation>
    </message>
    <message>
        <source>The call was stopped at %H:%M when the computer began to shut down</source>
        <translation>L’appel a été arrêté à %H:%M quand l’ordinateur a commencé à s’éteindre</translation>
    </message>
</context>
<context>
    <name>StderrPrompter</name>
    <message>
        <source> [answered No]</source>
        <translation> [réponse&#xa0;: Non]</translation>
    </message>
</context>
<context>
    <name>UnixSocket</name>
    <message>
        <source>%1 is too long for a socket address</source>
        <translation>%1 est trop long pour une adresse de socket</translation>
    </message>
    <message>
        <source>%1 is there and is not a socket</source>
        <translation>%1 existe et n’est pas un socket</translation>
    </message>
    <message>
        <source>cannot make a socket</source>
        <translation>impossible de créer un socket</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <source>cannot listen at %1</source>
        <translation>impossible d’écouter sur %1</translation>
    </message>
    <message>
        <source>cannot connect to %1</source>
        <translation>impossible de se connecter à %1</translation>
    </message>
</context>
<context>
    <name>WindowCommands</name>
    <message>
        <source>Corvellan is not running</source>
        <translation>Corvellan n’est pas lancé</translation>
    </message>
    <message>
        <source>an answer it does not understand: %1</source>
        <translation>une réponse qu’il ne comprend pas&#xa0;: %1</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>non lancé</translation>
    </message>
    <message>
        <source>Corvellan holds Calls.log but does not answer on its control socket</source>
        <translation>Corvellan tient Calls.log mais ne répond pas sur son socket de contrôle</translation>
    </message>
    <message>
        <source>; the call may be added all the same (corvellanctl calls lists it)</source>
        <translation>&#xa0;; l’appel sera peut-être ajouté malgré tout (corvellanctl calls le liste)</translation>
    </message>
</context>
</TS>
