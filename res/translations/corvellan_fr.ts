<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
</TS>
