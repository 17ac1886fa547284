<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AtomicFile</name>
    <message>
        <source>it is a directory</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a link to a file that does not exist</source>
        <translation>es ist ein Link auf eine Datei, die es nicht gibt</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>es kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>es ist schreibgeschützt</translation>
    </message>
    <message>
        <source>cannot replace %1</source>
        <translation>%1 kann nicht ersetzt werden</translation>
    </message>
    <message>
        <source>cannot follow the link %1</source>
        <translation>dem Link %1 kann nicht gefolgt werden</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot create the folder %1: something else is there</source>
        <translation>der Ordner %1 kann nicht angelegt werden: Dort liegt bereits etwas anderes</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Corvellan Error</source>
        <translation>Corvellan-Fehler</translation>
    </message>
    <message>
        <source>ERROR : %1 (%2).</source>
        <translation>FEHLER: %1 (%2).</translation>
    </message>
    <message>
        <source>no free name</source>
        <translation>kein freier Name</translation>
    </message>
    <message>
        <source>Corvellan could not move %1 aside</source>
        <translation>Corvellan konnte %1 nicht beiseitelegen</translation>
    </message>
    <message>
        <source>%1 was not written by Corvellan. It was kept as %2.</source>
        <translation>%1 wurde nicht von Corvellan geschrieben. Die Datei wurde als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>Corvellan cannot be started when you log in</source>
        <translation>Corvellan kann nicht bei der Anmeldung gestartet werden</translation>
    </message>
    <message>
        <source>its path cannot be written in %1: %2</source>
        <translation>sein Pfad kann nicht in %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Corvellan could not be removed from the programs started when you log in</source>
        <translation>Corvellan konnte nicht aus den Programmen entfernt werden, die bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Corvellan could not be added to the programs started when you log in</source>
        <translation>Corvellan konnte nicht zu den Programmen hinzugefügt werden, die bei der Anmeldung starten</translation>
    </message>
</context>
<context>
    <name>BillingPeriod</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message numerus="yes">
        <source>%n %1</source>
        <comment>day and month</comment>
        <extracomment>the day of the month, then the month&apos;s name: &quot;5 March&quot;</extracomment>
        <translation>
            <numerusform>%n. %1</numerusform>
            <numerusform>%n. %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Corvellan</source>
        <translation>Über Corvellan</translation>
    </message>
    <message>
        <source>Corvellan Version %1</source>
        <translation>Corvellan Version %1</translation>
    </message>
</context>
<context>
    <name>CBillingPage</name>
    <message>
        <source>Always round call duration to a </source>
        <translation>Anrufdauer immer runden auf eine </translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Werktage</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Wochenende</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeiten</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>morgens</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>abends</translation>
    </message>
    <message>
        <source>- minute intervals</source>
        <translation>-Minuten-Intervallen</translation>
    </message>
    <message>
        <source>Billing period</source>
        <translation>Abrechnungszeitraum</translation>
    </message>
    <message>
        <source>of the month</source>
        <translation>des Monats</translation>
    </message>
    <message>
        <source>Every call</source>
        <translation>Jeder Anruf</translation>
    </message>
    <message>
        <source>Weekend days</source>
        <translation>Wochenendtage</translation>
    </message>
    <message>
        <source>Holidays, priced as weekend days</source>
        <translation>Feiertage, berechnet wie Wochenendtage</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>jedes Jahr</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>&quot;&amp;Daytime&quot; starts at</source>
        <translation>„Ta&amp;g“ beginnt um</translation>
    </message>
    <message>
        <source>&quot;Ni&amp;ght&quot; starts at</source>
        <translation>„Na&amp;cht“ beginnt um</translation>
    </message>
    <message>
        <source>w&amp;hole number of </source>
        <translation>ganze &amp;Zahl von </translation>
    </message>
    <message>
        <source>Currency &amp;symbol:</source>
        <translation>Währungs&amp;symbol:</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Feiertage</translation>
    </message>
    <message>
        <source>Holiday to add</source>
        <translation>Hinzuzufügender Feiertag</translation>
    </message>
</context>
<context>
    <name>CCallListModel</name>
    <message>
        <source>Call started at</source>
        <translation>Anruf begonnen um</translation>
    </message>
    <message>
        <source>Call Duration</source>
        <translation>Anrufdauer</translation>
    </message>
    <message>
        <source>Call Cost </source>
        <translation>Anrufkosten </translation>
    </message>
</context>
<context>
    <name>CChartPage</name>
    <message>
        <source>Cost of each day of the month</source>
        <translation>Kosten jedes Tages des Monats</translation>
    </message>
</context>
<context>
    <name>CConnectionPage</name>
    <message>
        <source>Start and stop the timer when this network link goes up and down</source>
        <translation>Timer starten und stoppen, wenn diese Netzwerkverbindung auf- und abgebaut wird</translation>
    </message>
    <message>
        <source>&amp;Pick the link of your modem, or type its name if it is not there yet: ppp0 exists only while you are connected.</source>
        <translation>&amp;Wählen Sie die Verbindung Ihres Modems, oder geben Sie ihren Namen ein, wenn sie noch nicht in der Liste steht: ppp0 gibt es nur, solange Sie verbunden sind.</translation>
    </message>
    <message>
        <source>Network link</source>
        <translation>Netzwerkverbindung</translation>
    </message>
</context>
<context>
    <name>CGeneralPage</name>
    <message>
        <source>Start Corvellan when I log in</source>
        <translation>Corvellan bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Corvellan then starts hidden in the notification area, or shown when your desktop has none.</source>
        <translation>Corvellan startet dann ausgeblendet im Benachrichtigungsbereich, oder mit sichtbarem Fenster, wenn Ihre Arbeitsumgebung keinen hat.</translation>
    </message>
</context>
<context>
    <name>CHelpViewer</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>Corvellan Help</source>
        <translation>Corvellan-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>There is no help topic %1.</source>
        <translation>Es gibt kein Hilfethema %1.</translation>
    </message>
</context>
<context>
    <name>CLimitsPage</name>
    <message>
        <source>Call Limit</source>
        <translation>Anruflimit</translation>
    </message>
    <message>
        <source>Warn me when I reach call limit</source>
        <translation>Warnen, wenn das Anruflimit erreicht ist</translation>
    </message>
    <message>
        <source>Day limit</source>
        <translation>Tageslimit</translation>
    </message>
    <message>
        <source>Warn me when I reach day limit</source>
        <translation>Warnen, wenn das Tageslimit erreicht ist</translation>
    </message>
    <message>
        <source>Month Limit</source>
        <translation>Monatslimit</translation>
    </message>
    <message>
        <source>Warn me when I reach month limit</source>
        <translation>Warnen, wenn das Monatslimit erreicht ist</translation>
    </message>
    <message>
        <source>I can afford to spend</source>
        <translation>Ich kann</translation>
    </message>
    <message>
        <source>% of each limit (0: no early warning)</source>
        <translation>% jedes Limits (0: keine frühe Warnung)</translation>
    </message>
    <message>
        <source>on &amp;each call.</source>
        <translation>pro Anr&amp;uf ausgeben.</translation>
    </message>
    <message>
        <source>every &amp;day.</source>
        <translation>pro &amp;Tag ausgeben.</translation>
    </message>
    <message>
        <source>every &amp;month.</source>
        <translation>pro &amp;Monat ausgeben.</translation>
    </message>
    <message>
        <source>&amp;Also warn at</source>
        <translation>Auch &amp;warnen bei</translation>
    </message>
</context>
<context>
    <name>CLogPage</name>
    <message>
        <source>WARNING: It is highly unrecommended to clear the call log for the current month, since you will then lose all information about the calls you have made and their total cost. Are you sure you want to do this ?</source>
        <translation>WARNUNG: Es wird dringend davon abgeraten, das Anrufprotokoll des laufenden Monats zu löschen, denn Sie verlieren dann alle Angaben über Ihre Anrufe und deren Gesamtkosten. Möchten Sie das wirklich tun?</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>List of calls made during this month (in chronological order) :</source>
        <translation>Liste der Anrufe dieses Monats (in zeitlicher Reihenfolge):</translation>
    </message>
    <message>
        <source>Clear Call Log ?</source>
        <translation>Anrufprotokoll löschen?</translation>
    </message>
    <message>
        <source>Calls of the month</source>
        <translation>Anrufe des Monats</translation>
    </message>
    <message>
        <source>C&amp;lear Log ...</source>
        <translation>Protokoll &amp;löschen ...</translation>
    </message>
    <message>
        <source>&amp;Total calls made:</source>
        <translation>A&amp;nrufe insgesamt:</translation>
    </message>
    <message>
        <source>Time s&amp;pent online:</source>
        <translation>Online &amp;verbrachte Zeit:</translation>
    </message>
    <message>
        <source>Total co&amp;st:</source>
        <translation>&amp;Gesamtkosten:</translation>
    </message>
</context>
<context>
    <name>CLogindWatcher</name>
    <message>
        <source>A call is being timed; it is saved before the computer goes to sleep</source>
        <translation>Ein Anruf wird gemessen; er wird gespeichert, bevor der Computer in den Ruhezustand geht</translation>
    </message>
</context>
<context>
    <name>CLogsAndReportsSheet</name>
    <message>
        <source>Logs and Reports</source>
        <translation>Protokolle und Berichte</translation>
    </message>
    <message>
        <source>This month: %1</source>
        <translation>Dieser Monat: %1</translation>
    </message>
    <message>
        <source>%1 (damaged)</source>
        <translation>%1 (beschädigt)</translation>
    </message>
    <message>
        <source>          Call Log          </source>
        <translation>          Anrufprotokoll          </translation>
    </message>
    <message>
        <source>            Report            </source>
        <translation>            Bericht            </translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Monat:</translation>
    </message>
    <message>
        <source>List of calls made during this month (in chronological order) :</source>
        <translation>Liste der Anrufe dieses Monats (in zeitlicher Reihenfolge):</translation>
    </message>
    <message>
        <source>List of calls made during %1 (in chronological order) :</source>
        <translation>Liste der Anrufe im Zeitraum %1 (in zeitlicher Reihenfolge):</translation>
    </message>
    <message>
        <source>%1
The calls that could be read from it:</source>
        <translation>%1
Die Anrufe, die daraus gelesen werden konnten:</translation>
    </message>
</context>
<context>
    <name>CMessagesPage</name>
    <message>
        <source>Ca&amp;ll Limit reached :</source>
        <translation>A&amp;nruflimit erreicht:</translation>
    </message>
    <message>
        <source>&amp;Day Limit reached :</source>
        <translation>&amp;Tageslimit erreicht:</translation>
    </message>
    <message>
        <source>&amp;Month Limit reached :</source>
        <translation>&amp;Monatslimit erreicht:</translation>
    </message>
</context>
<context>
    <name>CMonitorApp</name>
    <message>
        <source>Times your metered calls and shows what they cost.</source>
        <translation>Misst die Dauer Ihrer nach Minuten bezahlten Anrufe und zeigt, was sie kosten.</translation>
    </message>
    <message>
        <source>Start hidden in the notification area (shown when the desktop has none).</source>
        <translation>Ausgeblendet im Benachrichtigungsbereich starten (mit sichtbarem Fenster, wenn die Arbeitsumgebung keinen hat).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>corvellan: %1 (see corvellan --help)
</source>
        <translation>corvellan: %1 (siehe corvellan --help)
</translation>
    </message>
    <message>
        <source>Corvellan Error</source>
        <translation>Corvellan-Fehler</translation>
    </message>
    <message>
        <source>Corvellan is already running.
</source>
        <translation>Corvellan läuft bereits.
</translation>
    </message>
    <message>
        <source>corvellan: no control socket: %1
</source>
        <translation>corvellan: kein Steuer-Socket: %1
</translation>
    </message>
    <message>
        <source>corvellan: %1 could not be written; the calls of this run are lost
</source>
        <translation>corvellan: %1 konnte nicht geschrieben werden; die Anrufe dieses Laufs sind verloren
</translation>
    </message>
    <message>
        <source>corvellan: %1 could not be written; its calls were kept in %2
</source>
        <translation>corvellan: %1 konnte nicht geschrieben werden; seine Anrufe wurden in %2 aufbewahrt
</translation>
    </message>
</context>
<context>
    <name>CMonitorDlg</name>
    <message>
        <source>WARNING: If you exit Corvellan now, your calls will not be logged until you start this program again. I suggest you press the &quot;Minimize&quot; button instead, to close the window and let Corvellan run in background.
Are you sure you want to stop Corvellan ?</source>
        <translation>WARNUNG: Wenn Sie Corvellan jetzt beenden, werden Ihre Anrufe nicht protokolliert, bis Sie das Programm wieder starten. Drücken Sie besser „Fenster ausblenden“: Das Fenster wird geschlossen und Corvellan läuft im Hintergrund weiter.
Möchten Sie Corvellan wirklich beenden?</translation>
    </message>
    <message>
        <source>%1 / min</source>
        <translation>%1 / Min.</translation>
    </message>
    <message>
        <source>STOP Timer</source>
        <translation>Timer STOPPEN</translation>
    </message>
    <message>
        <source>START Timer</source>
        <translation>Timer STARTEN</translation>
    </message>
    <message>
        <source>&amp;About Corvellan...</source>
        <translation>&amp;Über Corvellan...</translation>
    </message>
    <message>
        <source>This Call</source>
        <translation>Dieser Anruf</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>Startzeit:</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Preis:</translation>
    </message>
    <message>
        <source>Total call cost:</source>
        <translation>Gesamtkosten des Anrufs:</translation>
    </message>
    <message>
        <source>Time online:</source>
        <translation>Online-Zeit:</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Spent today:</source>
        <translation>Heute ausgegeben:</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Spent this month:</source>
        <translation>Diesen Monat ausgegeben:</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Fenster ausblenden</translation>
    </message>
    <message>
        <source>Start or stop the call timer</source>
        <translation>Den Timer für den Anruf starten oder stoppen</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>Fenster ausblenden</translation>
    </message>
    <message>
        <source>&amp;Customize ...</source>
        <translation>&amp;Einstellungen ...</translation>
    </message>
    <message>
        <source>&amp;Logs and Reports</source>
        <translation>&amp;Protokolle und Berichte</translation>
    </message>
    <message>
        <source>&amp;Help Contents...</source>
        <translation>&amp;Hilfe-Inhalt...</translation>
    </message>
    <message>
        <source>E&amp;xit Corvellan</source>
        <translation>Corvellan &amp;beenden</translation>
    </message>
    <message>
        <source>Minimize: Corvellan goes on in the notification area</source>
        <translation>Ausblenden: Corvellan läuft im Benachrichtigungsbereich weiter</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Price per minute</source>
        <translation>Preis pro Minute</translation>
    </message>
    <message>
        <source>Total call cost</source>
        <translation>Gesamtkosten des Anrufs</translation>
    </message>
    <message>
        <source>Time online</source>
        <translation>Online-Zeit</translation>
    </message>
    <message>
        <source>Spent today</source>
        <translation>Heute ausgegeben</translation>
    </message>
    <message>
        <source>Spent this month</source>
        <translation>Diesen Monat ausgegeben</translation>
    </message>
    <message>
        <source>This call against the call limit</source>
        <translation>Dieser Anruf gemessen am Anruflimit</translation>
    </message>
    <message>
        <source>Today against the day limit</source>
        <translation>Heute gemessen am Tageslimit</translation>
    </message>
    <message>
        <source>This month against the month limit</source>
        <translation>Dieser Monat gemessen am Monatslimit</translation>
    </message>
</context>
<context>
    <name>CPreferencesSheet</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Billing System</source>
        <translation>Abrechnung</translation>
    </message>
    <message>
        <source>Time Limits</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
</context>
<context>
    <name>CReportPage</name>
    <message>
        <source>Report of the month</source>
        <translation>Bericht des Monats</translation>
    </message>
</context>
<context>
    <name>CSingleInstance</name>
    <message>
        <source>ERROR : Corvellan cannot start: its lock file %1 cannot be used (%2). Corvellan needs it to be sure that only one window records your calls, or two could write over each other&apos;s calls. Remove or repair what is there, then start Corvellan again.</source>
        <translation>FEHLER: Corvellan kann nicht starten: Seine Sperrdatei %1 ist nicht verwendbar (%2). Corvellan braucht sie, damit sicher nur ein Fenster Ihre Anrufe aufzeichnet; sonst könnten zwei Fenster gegenseitig ihre Anrufe überschreiben. Entfernen oder reparieren Sie, was dort liegt, und starten Sie Corvellan dann erneut.</translation>
    </message>
</context>
<context>
    <name>CSpendingChart</name>
    <message>
        <source>Day of the month</source>
        <translation>Tag des Monats</translation>
    </message>
    <message>
        <source>Earlier days</source>
        <translation>Frühere Tage</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Day limit</source>
        <translation>Tageslimit</translation>
    </message>
    <message>
        <source>Month the billing period starts in</source>
        <translation>Monat, in dem der Abrechnungszeitraum beginnt</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Month limit</source>
        <translation>Monatslimit</translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message>
        <source>Left-click: show/hide window.  Right-click: START timer</source>
        <translation>Linksklick: Fenster zeigen/ausblenden.  Rechtsklick: Timer STARTEN</translation>
    </message>
    <message>
        <source>Left-click: show/hide window.  Right-click: STOP timer</source>
        <translation>Linksklick: Fenster zeigen/ausblenden.  Rechtsklick: Timer STOPPEN</translation>
    </message>
</context>
<context>
    <name>CYearPage</name>
    <message>
        <source>Billing period</source>
        <translation>Abrechnungszeitraum</translation>
    </message>
    <message>
        <source>Calls made</source>
        <translation>Anrufe</translation>
    </message>
    <message>
        <source>Time spent online</source>
        <translation>Online verbrachte Zeit</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message numerus="yes">
        <source>%1 in all: %n calls made, %2 online, %3</source>
        <translation>
            <numerusform>%1 insgesamt: %n Anruf, %2 online, %3</numerusform>
            <numerusform>%1 insgesamt: %n Anrufe, %2 online, %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Cost of each month of the year</source>
        <translation>Kosten jedes Monats des Jahres</translation>
    </message>
    <message>
        <source>Billing periods of the year</source>
        <translation>Abrechnungszeiträume des Jahres</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Jahr:</translation>
    </message>
</context>
<context>
    <name>CallHistory</name>
    <message>
        <source>%1 is far too large to be a call log</source>
        <translation>%1 ist viel zu groß für ein Anrufprotokoll</translation>
    </message>
    <message>
        <source>%1 could not be read (%2)</source>
        <translation>%1 konnte nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1 holds what Corvellan does not write, so it is left as it is</source>
        <translation>%1 enthält, was Corvellan nicht schreibt, und bleibt daher, wie es ist</translation>
    </message>
    <message>
        <source>%1 could not be kept as it was before calls were added (%2)</source>
        <translation>%1 konnte nicht im Zustand vor dem Hinzufügen der Anrufe aufbewahrt werden (%2)</translation>
    </message>
    <message>
        <source>%1 could not be written (%2)</source>
        <translation>%1 konnte nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
</context>
<context>
    <name>CallLog</name>
    <message>
        <source>Corvellan Error</source>
        <translation>Corvellan-Fehler</translation>
    </message>
    <message>
        <source>ERROR : Log file could not be created</source>
        <translation>FEHLER: Die Protokolldatei konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source> The original file will be kept beside the new log when the log is next saved.</source>
        <translation> Die ursprüngliche Datei wird beim nächsten Speichern neben dem neuen Protokoll aufbewahrt.</translation>
    </message>
    <message>
        <source>Since a new month has started, Corvellan will clear the call log for %1. Corvellan can save this old log under a different filename, so that you can access it later. Do you wish to save the log for %1?</source>
        <translation>Da ein neuer Monat begonnen hat, leert Corvellan das Anrufprotokoll für %1. Corvellan kann dieses alte Protokoll unter einem anderen Dateinamen speichern, damit Sie später darauf zugreifen können. Möchten Sie das Protokoll für %1 speichern?</translation>
    </message>
    <message>
        <source>1 entry of the call log could not be read and was left out.</source>
        <translation>1 Eintrag des Anrufprotokolls konnte nicht gelesen werden und wurde ausgelassen.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries of the call log could not be read and were left out.</source>
        <translation>
            <numerusform>%n Eintrag des Anrufprotokolls konnte nicht gelesen werden und wurde ausgelassen.</numerusform>
            <numerusform>%n Einträge des Anrufprotokolls konnten nicht gelesen werden und wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>it is far too large to be a call log</source>
        <translation>die Datei ist viel zu groß für ein Anrufprotokoll</translation>
    </message>
    <message>
        <source>The calls of ended months could not all be put into the history folder %1, so Corvellan keeps them in Calls.log until they can be; nothing is lost.</source>
        <translation>Die Anrufe abgelaufener Monate konnten nicht alle in den Verlaufsordner %1 gelegt werden; Corvellan behält sie daher in Calls.log, bis das möglich ist. Es geht nichts verloren.</translation>
    </message>
    <message>
        <source>Calls that could not be written to the call log before were kept in:</source>
        <translation>Anrufe, die zuvor nicht ins Anrufprotokoll geschrieben werden konnten, wurden aufbewahrt in:</translation>
    </message>
    <message>
        <source>This month&apos;s calls among them are back in the list.</source>
        <translation>Die Anrufe dieses Monats darunter stehen wieder in der Liste.</translation>
    </message>
    <message>
        <source>This month&apos;s calls among them are back in the list; once the log has been saved, the files that held only those are removed.</source>
        <translation>Die Anrufe dieses Monats darunter stehen wieder in der Liste; sobald das Protokoll gespeichert ist, werden die Dateien entfernt, die nur diese enthielten.</translation>
    </message>
    <message>
        <source>Files that also hold calls of other months are kept:</source>
        <translation>Dateien, die auch Anrufe anderer Monate enthalten, werden aufbewahrt:</translation>
    </message>
    <message>
        <source>Corvellan times your calls all the same, but cannot save them until files can be written there.</source>
        <translation>Corvellan misst Ihre Anrufe trotzdem, kann sie aber erst speichern, wenn dort Dateien geschrieben werden können.</translation>
    </message>
    <message>
        <source>The call log %1 cannot be replaced (%2), so Corvellan leaves it as it is and keeps this month&apos;s calls in %3.</source>
        <translation>Das Anrufprotokoll %1 kann nicht ersetzt werden (%2); Corvellan lässt es daher, wie es ist, und bewahrt die Anrufe dieses Monats in %3 auf.</translation>
    </message>
    <message>
        <source>ERROR: For some reason the call log file is corrupt. Information about the calls you have made this month will not be available.</source>
        <translation>FEHLER: Die Protokolldatei ist aus irgendeinem Grund beschädigt. Angaben zu den Anrufen, die Sie in diesem Monat geführt haben, sind nicht verfügbar.</translation>
    </message>
    <message>
        <source>Part of the call log is not in the form Corvellan writes and could not be read.</source>
        <translation>Ein Teil des Anrufprotokolls hat nicht die Form, in der Corvellan schreibt, und konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>ERROR : The call log %1 could not be read (%2). Corvellan leaves it as it is. Information about the calls you have made this month will not be available.</source>
        <translation>FEHLER: Das Anrufprotokoll %1 konnte nicht gelesen werden (%2). Corvellan lässt es, wie es ist. Angaben zu den Anrufen, die Sie in diesem Monat geführt haben, sind nicht verfügbar.</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt | All Files(*.*)|*.*|</source>
        <translation>Textdateien(*.txt)|*.txt | Alle Dateien(*.*)|*.*|</translation>
    </message>
    <message>
        <source>ERROR : The old call log could not be saved as %1 (%2).</source>
        <translation>FEHLER: Das alte Anrufprotokoll konnte nicht als %1 gespeichert werden (%2).</translation>
    </message>
</context>
<context>
    <name>CallMeter</name>
    <message>
        <source>Call since %1: %2, %3</source>
        <translation>Anruf seit %1: %2, %3</translation>
    </message>
    <message>
        <source>You have used %1 % of your call limit: %2 of %3.</source>
        <translation>Sie haben %1 % Ihres Anruflimits verbraucht: %2 von %3.</translation>
    </message>
    <message>
        <source>You have used %1 % of your day limit: %2 of %3.</source>
        <translation>Sie haben %1 % Ihres Tageslimits verbraucht: %2 von %3.</translation>
    </message>
    <message>
        <source>You have used %1 % of your month limit: %2 of %3.</source>
        <translation>Sie haben %1 % Ihres Monatslimits verbraucht: %2 von %3.</translation>
    </message>
</context>
<context>
    <name>CallsCsv</name>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>CSV Files(*.csv)|*.csv|All Files(*.*)|*.*|</source>
        <translation>CSV-Dateien(*.csv)|*.csv|Alle Dateien(*.*)|*.*|</translation>
    </message>
    <message>
        <source>Corvellan Error</source>
        <translation>Corvellan-Fehler</translation>
    </message>
    <message>
        <source>ERROR : The list of calls could not be saved as %1 (%2).</source>
        <translation>FEHLER: Die Anrufliste konnte nicht als %1 gespeichert werden (%2).</translation>
    </message>
</context>
<context>
    <name>ControlClient</name>
    <message>
        <source>cannot use %1: %2</source>
        <translation>%1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>others may enter it</source>
        <translation>andere Benutzer haben Zugriff darauf</translation>
    </message>
    <message>
        <source>%1 is served by another user (uid %2)</source>
        <translation>%1 gehört zu einem anderen Benutzer (UID %2)</translation>
    </message>
    <message>
        <source>%1 is served by another user</source>
        <translation>%1 gehört zu einem anderen Benutzer</translation>
    </message>
    <message>
        <source>Corvellan&apos;s answer is too long</source>
        <translation>Die Antwort von Corvellan ist zu lang</translation>
    </message>
    <message>
        <source>Corvellan closed the connection without an answer</source>
        <translation>Corvellan hat die Verbindung ohne Antwort geschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Corvellan did not answer within %n seconds</source>
        <translation>
            <numerusform>Corvellan hat nicht innerhalb von %n Sekunde geantwortet</numerusform>
            <numerusform>Corvellan hat nicht innerhalb von %n Sekunden geantwortet</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ControlProtocol</name>
    <message>
        <source>no reason given</source>
        <translation>kein Grund angegeben</translation>
    </message>
    <message>
        <source>an answer that is neither ok nor error: %1</source>
        <translation>eine Antwort, die weder ok noch error ist: %1</translation>
    </message>
</context>
<context>
    <name>CtlCommands</name>
    <message>
        <source>START and END</source>
        <translation>START und END</translation>
    </message>
    <message>
        <source>; nothing was added</source>
        <translation>; es wurde nichts hinzugefügt</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>the settings in %1 cannot be used (%2); no figures are given, they would follow a tariff you never set</source>
        <translation>die Einstellungen in %1 können nicht verwendet werden (%2); es werden keine Zahlen ausgegeben, sie folgten einem Tarif, den Sie nie festgelegt haben</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 braucht %2</translation>
    </message>
    <message>
        <source>too many arguments for %1 (a time goes in quotes: &quot;2024-03-05 10:00:00&quot;)</source>
        <translation>zu viele Argumente für %1 (eine Zeit steht in Anführungszeichen: &quot;2024-03-05 10:00:00&quot;)</translation>
    </message>
    <message>
        <source>--raw goes with price only</source>
        <translation>--raw gibt es nur mit price</translation>
    </message>
    <message>
        <source>--now does not go with %1</source>
        <translation>--now passt nicht zu %1</translation>
    </message>
    <message>
        <source>--csv goes with calls, months and chart only</source>
        <translation>--csv gibt es nur mit calls, months und chart</translation>
    </message>
    <message>
        <source>--json goes with report, calls, months, chart and status only</source>
        <translation>--json gibt es nur mit report, calls, months, chart und status</translation>
    </message>
    <message>
        <source>--month goes with report, calls and chart only</source>
        <translation>--month gibt es nur mit report, calls und chart</translation>
    </message>
    <message>
        <source>--csv and --json do not go together</source>
        <translation>--csv und --json lassen sich nicht kombinieren</translation>
    </message>
    <message>
        <source>not a month: &apos;%1&apos; (expected YYYY-MM)</source>
        <translation>kein Monat: „%1“ (erwartet wird YYYY-MM)</translation>
    </message>
    <message>
        <source>Total calls made:</source>
        <translation>Anrufe insgesamt:</translation>
    </message>
    <message>
        <source>Time spent online:</source>
        <translation>Online verbrachte Zeit:</translation>
    </message>
    <message>
        <source>Total cost:</source>
        <translation>Gesamtkosten:</translation>
    </message>
    <message>
        <source>no calls are kept for %1 (corvellanctl months lists the months there are)</source>
        <translation>für %1 sind keine Anrufe gespeichert (corvellanctl months listet die vorhandenen Monate auf)</translation>
    </message>
    <message>
        <source>another corvellanctl is still changing Calls.log</source>
        <translation>ein anderes corvellanctl ändert Calls.log noch</translation>
    </message>
    <message>
        <source>cannot create the lock file %1 (%2)</source>
        <translation>die Sperrdatei %1 kann nicht angelegt werden (%2)</translation>
    </message>
    <message>
        <source>Calls.log cannot be replaced (%1)</source>
        <translation>Calls.log kann nicht ersetzt werden (%1)</translation>
    </message>
    <message>
        <source>Calls.log was left as it is: start Corvellan to deal with it, then add the call</source>
        <translation>Calls.log wurde gelassen, wie es ist: Starten Sie Corvellan, um das zu klären, und fügen Sie den Anruf dann hinzu</translation>
    </message>
    <message>
        <source>END is before START</source>
        <translation>END liegt vor START</translation>
    </message>
    <message>
        <source>not a local time: &apos;%1&apos; (expected &quot;YYYY-MM-DD HH:MM:SS&quot;)</source>
        <translation>keine lokale Zeit: „%1“ (erwartet wird &quot;YYYY-MM-DD HH:MM:SS&quot;)</translation>
    </message>
    <message>
        <source>%1 (see corvellanctl --help)</source>
        <translation>%1 (siehe corvellanctl --help)</translation>
    </message>
    <message>
        <source>Usage: corvellanctl COMMAND [ARGUMENTS] [--now TIME]
</source>
        <translation>Aufruf: corvellanctl BEFEHL [ARGUMENTE] [--now TIME]
</translation>
    </message>
    <message>
        <source>Corvellan&apos;s command-line companion. It reads the same Corvellan.ini and Calls.log as the
window. Times are local, written &quot;YYYY-MM-DD HH:MM:SS&quot; (in quotes).
</source>
        <translation>Corvellan für die Befehlszeile. Es liest dieselben Dateien Corvellan.ini und Calls.log wie das
Fenster. Zeiten sind lokal und werden &quot;YYYY-MM-DD HH:MM:SS&quot; geschrieben (in Anführungszeichen).
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
        <translation>Befehle:
  price START END [--raw]  die Kosten eines Anrufs von START bis END nach dem aktuellen Tarif;
                           --raw: ungerundet, bis zu 15 signifikante Stellen
  rate [AT]                der Preis, der zum Zeitpunkt AT (Vorgabe: jetzt) gilt, Tag oder
                           Nacht, Werktag oder Wochenende, und an einem Feiertag der Feiertag
                           (MM-DD oder YYYY-MM-DD)
  report [--json]          der Bericht des Monats, mit dem, was Sie pro Tag noch ausgeben
                           können, wenn ein Monatslimit festgelegt ist; --json: seine Zahlen
                           für Skripte
  calls [--csv|--json]     die Anrufe des Monats (Beginn, Dauer, Kosten), dann die Zahl der
                           Anrufe, die gesamte Online-Zeit und die Gesamtkosten; --csv: ein
                           Datensatz pro Anruf (Zeiten nach ISO 8601, Sekunden, Kosten);
                           --json: dasselbe für Skripte
  add START END            einen nicht gemessenen Anruf eintragen; nur beendete Anrufe des
                           laufenden Monats, die sich mit keinem protokollierten Anruf
                           überschneiden; ein laufendes Corvellan-Fenster bekommt den Anruf
                           und trägt ihn selbst ein
  months [--csv|--json]    dieser Monat und die Monate des Verlaufs, der neueste zuerst: der
                           Abrechnungszeitraum, die Zahl der Anrufe, die Online-Zeit und die
                           Kosten
  chart [--csv|--json]     was jeder Tag des Monats gekostet hat, wie das Diagramm es zeigt
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
        <translation>Befehle für das laufende Corvellan-Fenster (jeder wartet höchstens 2 Sekunden):
  start                    einen Anruf messen, wie es die Schaltfläche des Fensters tut
  stop                     den Anruf stoppen und eintragen
  toggle                   starten oder stoppen, je nachdem, was die Schaltfläche täte
  status [--json]          &quot;läuft seit HH:MM:SS, bisher COST&quot; oder &quot;gestoppt&quot;;
                           --json: {&quot;running&quot;:true,&quot;start&quot;:...,&quot;cost&quot;:...,&quot;rate&quot;:...}
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
        <translation>Optionen:
  --now TIME               TIME als aktuelle Zeit nehmen (rate, report, calls, add, months,
                           chart)
  --month YYYY-MM          report, calls und chart des Monats, der in YYYY-MM beginnt
  -h, --help               diese Hilfe zeigen
  -v, --version            die Version zeigen
</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 refused or failed (or no window for start, stop and toggle),
2 bad command line, 3 status found no window running (it prints &quot;not running&quot;).
Files: $XDG_CONFIG_HOME/Corvellan.ini (default ~/.config/Corvellan.ini),
       $XDG_DATA_HOME/corvellan/Calls.log (default ~/.local/share/corvellan/Calls.log),
       the window&apos;s socket in $XDG_RUNTIME_DIR/corvellan/ (default /tmp/corvellan-UID/).
</source>
        <translation>Exit-Status: 0 erledigt, 1 abgelehnt oder fehlgeschlagen (oder kein Fenster bei start, stop
und toggle), 2 fehlerhafte Befehlszeile, 3 status fand kein laufendes Fenster (es gibt
&quot;läuft nicht&quot; aus).
Dateien: $XDG_CONFIG_HOME/Corvellan.ini (Vorgabe ~/.config/Corvellan.ini),
         $XDG_DATA_HOME/corvellan/Calls.log (Vorgabe ~/.local/share/corvellan/Calls.log),
         der Socket des Fensters in $XDG_RUNTIME_DIR/corvellan/ (Vorgabe /tmp/corvellan-UID/).
</translation>
    </message>
</context>
<context>
    <name>DataLock</name>
    <message>
        <source>it cannot be locked: %1</source>
        <translation>sie lässt sich nicht sperren: %1</translation>
    </message>
</context>
<context>
    <name>FileLock</name>
    <message>
        <source>it is a symbolic link</source>
        <translation>es ist ein symbolischer Link</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>Holiday</name>
    <message>
        <source>%-d %B</source>
        <translation>%-d. %B</translation>
    </message>
    <message>
        <source>%-d %B %Y</source>
        <translation>%-d. %B %Y</translation>
    </message>
    <message>
        <source>%1, every year</source>
        <translation>%1, jedes Jahr</translation>
    </message>
</context>
<context>
    <name>LinkFollower</name>
    <message>
        <source>&quot;%1&quot; in the Preferences is not the name of a network link, so the timer does not follow it.</source>
        <translation>„%1“ in den Einstellungen ist nicht der Name einer Netzwerkverbindung; der Timer folgt ihr daher nicht.</translation>
    </message>
    <message>
        <source>The link %1 was already up: timing from now</source>
        <translation>Die Verbindung %1 war bereits aufgebaut: Die Messung läuft ab jetzt</translation>
    </message>
    <message>
        <source>Corvellan cannot watch the network links (%1), so the timer does not follow %2.</source>
        <translation>Corvellan kann die Netzwerkverbindungen nicht beobachten (%1); der Timer folgt %2 daher nicht.</translation>
    </message>
</context>
<context>
    <name>Monitor</name>
    <message>
        <source>the call ends before it starts</source>
        <translation>der Anruf endet, bevor er beginnt</translation>
    </message>
    <message>
        <source>only calls of the current month (%1) can be added</source>
        <translation>nur Anrufe des laufenden Monats (%1) können hinzugefügt werden</translation>
    </message>
    <message>
        <source>the call cannot end later than now</source>
        <translation>der Anruf kann nicht später als jetzt enden</translation>
    </message>
    <message>
        <source>the call log has not been read yet</source>
        <translation>das Anrufprotokoll wurde noch nicht gelesen</translation>
    </message>
    <message>
        <source>the call overlaps the call being timed since %1</source>
        <translation>der Anruf überschneidet sich mit dem Anruf, der seit %1 gemessen wird</translation>
    </message>
    <message>
        <source>the call overlaps the logged call from %1 to %2</source>
        <translation>der Anruf überschneidet sich mit dem protokollierten Anruf von %1 bis %2</translation>
    </message>
    <message>
        <source>Calls.log could not be written (%1)</source>
        <translation>Calls.log konnte nicht geschrieben werden (%1)</translation>
    </message>
</context>
<context>
    <name>MonthList</name>
    <message>
        <source>this month</source>
        <translation>dieser Monat</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>&quot;Daytime&quot; starts at (minutes)</source>
        <translation>„Tag“ beginnt um (Minuten)</translation>
    </message>
    <message>
        <source>&quot;Daytime&quot; starts at (hour)</source>
        <translation>„Tag“ beginnt um (Stunde)</translation>
    </message>
    <message>
        <source>&quot;Night&quot; starts at (hour, PM)</source>
        <translation>„Nacht“ beginnt um (Stunde, abends)</translation>
    </message>
    <message>
        <source>&quot;Night&quot; starts at (minutes)</source>
        <translation>„Nacht“ beginnt um (Minuten)</translation>
    </message>
    <message>
        <source>&amp;Weekday daytime rate:</source>
        <translation>&amp;Tagpreis werktags:</translation>
    </message>
    <message>
        <source>Weekday &amp;nighttime rate:</source>
        <translation>&amp;Nachtpreis werktags:</translation>
    </message>
    <message>
        <source>Weekend da&amp;ytime rate:</source>
        <translation>Tagpreis am &amp;Wochenende:</translation>
    </message>
    <message>
        <source>Weekend nigh&amp;ttime rate:</source>
        <translation>Nachtpreis am Wochen&amp;ende:</translation>
    </message>
    <message>
        <source>Rounding interval (minutes)</source>
        <translation>Rundungsintervall (Minuten)</translation>
    </message>
    <message>
        <source>&amp;Billing period starts on day</source>
        <translation>Abrechnungszeitraum &amp;beginnt am Tag</translation>
    </message>
    <message>
        <source>&amp;Fee per call:</source>
        <translation>Gebü&amp;hr pro Anruf:</translation>
    </message>
    <message>
        <source>&amp;Minimum charge per call:</source>
        <translation>&amp;Mindestpreis pro Anruf:</translation>
    </message>
    <message>
        <source>I can afford to spend on each call</source>
        <translation>Ich kann pro Anruf ausgeben</translation>
    </message>
    <message>
        <source>I can afford to spend every day</source>
        <translation>Ich kann pro Tag ausgeben</translation>
    </message>
    <message>
        <source>I can afford to spend every month</source>
        <translation>Ich kann pro Monat ausgeben</translation>
    </message>
    <message>
        <source>Also warn at (% of each limit)</source>
        <translation>Auch warnen bei (% jedes Limits)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>PreferencesFields</name>
    <message>
        <source>The night cannot begin after midnight: please enter 12:00 PM at the latest.</source>
        <translation>Die Nacht kann nicht nach Mitternacht beginnen: Bitte geben Sie höchstens 12:00 ein (ab Mittag gezählt).</translation>
    </message>
    <message>
        <source>Please enter a currency symbol of at most 8 characters, or nothing for your locale&apos;s.</source>
        <translation>Bitte geben Sie ein Währungssymbol mit höchstens 8 Zeichen ein oder nichts für das Ihres Gebietsschemas.</translation>
    </message>
    <message>
        <source>There is no such date as %1.</source>
        <translation>Das Datum %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>Please enter the name of a network link, such as ppp0: 1 to 15 characters, without blanks, &apos;/&apos; or &apos;:&apos;.</source>
        <translation>Bitte geben Sie den Namen einer Netzwerkverbindung ein, etwa ppp0: 1 bis 15 Zeichen, ohne Leerzeichen, „/“ oder „:“.</translation>
    </message>
    <message>
        <source>Every moment is charged at the night rate with these times</source>
        <translation>Mit diesen Zeiten wird jeder Moment zum Nachtpreis berechnet</translation>
    </message>
    <message>
        <source>Day rate from %1 to %2, night rate from %2 to %1</source>
        <translation>Tagpreis von %1 bis %2, Nachtpreis von %2 bis %1</translation>
    </message>
    <message>
        <source>This period: %1</source>
        <translation>Dieser Zeitraum: %1</translation>
    </message>
</context>
<context>
    <name>ReplyText</name>
    <message>
        <source>started at %1</source>
        <translation>gestartet um %1</translation>
    </message>
    <message>
        <source>already running since %1</source>
        <translation>läuft bereits seit %1</translation>
    </message>
    <message>
        <source>stopped at %1: %2</source>
        <translation>gestoppt um %1: %2</translation>
    </message>
    <message>
        <source>no call was being timed</source>
        <translation>es wurde kein Anruf gemessen</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>gestoppt</translation>
    </message>
    <message>
        <source>running since %1, %2 so far</source>
        <translation>läuft seit %1, bisher %2</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>You shouldn&apos;t have any worries so far !</source>
        <translation>Bisher müssen Sie sich keine Sorgen machen!</translation>
    </message>
    <message>
        <source>If you go on using the Net in the same way you have done so far, you will end up with a telephone bill somewhere about %1 , which is well within the month limit that you have set (%2)</source>
        <translation>Wenn Sie das Netz weiter so nutzen wie bisher, wird Ihre Telefonrechnung am Ende etwa %1 betragen, was deutlich unter dem Monatslimit liegt, das Sie festgelegt haben (%2)</translation>
    </message>
    <message>
        <source>If you go on using the Net in the same way you have done so far, you will end up with a telephone bill somewhere about %1 , which is just under the month limit that you have set (%2)</source>
        <translation>Wenn Sie das Netz weiter so nutzen wie bisher, wird Ihre Telefonrechnung am Ende etwa %1 betragen, was knapp unter dem Monatslimit liegt, das Sie festgelegt haben (%2)</translation>
    </message>
    <message>
        <source>If you go on using the Net in the same way you have done so far, you will end up with a telephone bill somewhere about %1 , which is exactly as much as the month limit that you have set (%2)</source>
        <translation>Wenn Sie das Netz weiter so nutzen wie bisher, wird Ihre Telefonrechnung am Ende etwa %1 betragen, was genau dem Monatslimit entspricht, das Sie festgelegt haben (%2)</translation>
    </message>
    <message>
        <source>If you go on using the Net in the same way you have done so far, you will end up with a telephone bill somewhere about %1 , which is just above the month limit that you have set (%2)</source>
        <translation>Wenn Sie das Netz weiter so nutzen wie bisher, wird Ihre Telefonrechnung am Ende etwa %1 betragen, was knapp über dem Monatslimit liegt, das Sie festgelegt haben (%2)</translation>
    </message>
    <message>
        <source>You shouldn&apos;t have any serious worries so far !</source>
        <translation>Bisher müssen Sie sich keine ernsthaften Sorgen machen!</translation>
    </message>
    <message>
        <source>If you go on using the Net in the same way you have done so far, you will end up with a telephone bill somewhere about %1 , which is WAY ABOVE the month limit that you have set (%2)</source>
        <translation>Wenn Sie das Netz weiter so nutzen wie bisher, wird Ihre Telefonrechnung am Ende etwa %1 betragen, was WEIT ÜBER dem Monatslimit liegt, das Sie festgelegt haben (%2)</translation>
    </message>
    <message>
        <source>I suggest you IMMEDIATELY reconsider and optimize the time you spend online, otherwise be prepared for a FAT telephone bill !</source>
        <translation>Ich empfehle Ihnen, Ihre Online-Zeit SOFORT zu überdenken und einzuschränken, sonst müssen Sie sich auf eine SAFTIGE Telefonrechnung gefasst machen!</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 und %3</translation>
    </message>
    <message numerus="yes">
        <source>during the %n days of this month (%1)</source>
        <translation>
            <numerusform>an dem %n Tag dieses Monats (%1)</numerusform>
            <numerusform>in den %n Tagen dieses Monats (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>- Report for %1 %2 :</source>
        <translation>- Bericht für %1 %2:</translation>
    </message>
    <message numerus="yes">
        <source>You made %n call(s) %1.</source>
        <translation>
            <numerusform>Sie haben %1 %n Anruf getätigt.</numerusform>
            <numerusform>Sie haben %1 %n Anrufe getätigt.</numerusform>
        </translation>
    </message>
    <message>
        <source>You spent a total of %1, for which you pay %2.</source>
        <translation>Sie waren insgesamt %1 online, wofür Sie %2 bezahlen.</translation>
    </message>
    <message>
        <source>You spent a total of %1, for which you pay %2, more than the month limit that you have set (%3).</source>
        <translation>Sie waren insgesamt %1 online, wofür Sie %2 bezahlen, mehr als das Monatslimit, das Sie festgelegt haben (%3).</translation>
    </message>
    <message>
        <source>You spent a total of %1, for which you pay %2, within the month limit that you have set (%3).</source>
        <translation>Sie waren insgesamt %1 online, wofür Sie %2 bezahlen, innerhalb des Monatslimits, das Sie festgelegt haben (%3).</translation>
    </message>
    <message numerus="yes">
        <source>during the first %n days of this month</source>
        <translation>
            <numerusform>am ersten Tag dieses Monats</numerusform>
            <numerusform>in den ersten %n Tagen dieses Monats</numerusform>
        </translation>
    </message>
    <message>
        <source>- Brief report for %1 :</source>
        <translation>- Kurzbericht für %1:</translation>
    </message>
    <message numerus="yes">
        <source>You have made %n call(s) %1.</source>
        <translation>
            <numerusform>Sie haben %1 %n Anruf getätigt.</numerusform>
            <numerusform>Sie haben %1 %n Anrufe getätigt.</numerusform>
        </translation>
    </message>
    <message>
        <source>You have spent a total of %1, for which you will pay %2</source>
        <translation>Sie waren insgesamt %1 online, wofür Sie %2 bezahlen werden</translation>
    </message>
    <message>
        <source>If you go on using the Net in the same way you have done so far, you will end up with a telephone bill somewhere about %1.</source>
        <translation>Wenn Sie das Netz weiter so nutzen wie bisher, wird Ihre Telefonrechnung am Ende etwa %1 betragen.</translation>
    </message>
    <message>
        <source>You have not set a month limit.</source>
        <translation>Sie haben kein Monatslimit festgelegt.</translation>
    </message>
    <message>
        <source>You have already spent more than your month limit</source>
        <translation>Sie haben bereits mehr als Ihr Monatslimit ausgegeben</translation>
    </message>
    <message>
        <source>To stay within your month limit you can spend %1 a day for the rest of the month</source>
        <translation>Um innerhalb Ihres Monatslimits zu bleiben, können Sie für den Rest des Monats %1 pro Tag ausgeben</translation>
    </message>
    <message>
        <source>Bill for %1: %2</source>
        <translation>Rechnung für %1: %2</translation>
    </message>
    <message>
        <source>Projected bill for %1: %2</source>
        <translation>Voraussichtliche Rechnung für %1: %2</translation>
    </message>
    <message>
        <source>Bill for %1: %2 (month limit %3)</source>
        <translation>Rechnung für %1: %2 (Monatslimit %3)</translation>
    </message>
    <message>
        <source>Projected bill for %1: %2 (month limit %3)</source>
        <translation>Voraussichtliche Rechnung für %1: %2 (Monatslimit %3)</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RuntimeDir</name>
    <message>
        <source>it is a symbolic link</source>
        <translation>es ist ein symbolischer Link</translation>
    </message>
    <message>
        <source>it is not a directory</source>
        <translation>es ist kein Ordner</translation>
    </message>
    <message>
        <source>it belongs to uid %1, not to uid %2</source>
        <translation>es gehört UID %1, nicht UID %2</translation>
    </message>
    <message>
        <source>cannot use %1: %2</source>
        <translation>%1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>cannot make it private: %1</source>
        <translation>es kann nicht privat gemacht werden: %1</translation>
    </message>
    <message>
        <source>the control socket&apos;s path %1 is longer than the %2 bytes a Unix socket&apos;s address may have (set XDG_RUNTIME_DIR to a shorter path)</source>
        <translation>der Pfad %1 des Steuer-Sockets ist länger als die %2 Bytes, die die Adresse eines Unix-Sockets haben darf (setzen Sie XDG_RUNTIME_DIR auf einen kürzeren Pfad)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>1 line that is not a setting</source>
        <translation>1 Zeile, die keine Einstellung ist</translation>
    </message>
    <message numerus="yes">
        <source>%n lines that are not settings</source>
        <translation>
            <numerusform>%n Zeile, die keine Einstellung ist</numerusform>
            <numerusform>%n Zeilen, die keine Einstellungen sind</numerusform>
        </translation>
    </message>
    <message>
        <source>, and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>values that are not usable amounts %1</source>
        <translation>Werte %1, die keine brauchbaren Beträge sind</translation>
    </message>
    <message>
        <source>values Corvellan cannot read %1</source>
        <translation>Werte %1, die Corvellan nicht lesen kann</translation>
    </message>
    <message>
        <source>%1 holds %2. Corvellan uses its built-in values for what it could not read, and keeps a copy of the file before it next saves the settings.</source>
        <translation>%1 enthält %2. Corvellan verwendet für das, was es nicht lesen konnte, seine eingebauten Werte und bewahrt eine Kopie der Datei auf, bevor es die Einstellungen das nächste Mal speichert.</translation>
    </message>
    <message>
        <source>Since this is the first time you start Corvellan, have to provide Corvellan with information such as the billing system that your telephone company uses, your personal preferences, etc.</source>
        <translation>Da Sie Corvellan zum ersten Mal starten, müssen Sie Corvellan einige Angaben machen, etwa zum Abrechnungssystem Ihrer Telefongesellschaft, zu Ihren persönlichen Vorlieben usw.</translation>
    </message>
    <message>
        <source>it is far too large to be a settings file</source>
        <translation>die Datei ist viel zu groß für eine Einstellungsdatei</translation>
    </message>
    <message>
        <source>Corvellan Error</source>
        <translation>Corvellan-Fehler</translation>
    </message>
    <message>
        <source>ERROR : Settings could not be read from %1 (%2). Corvellan uses its built-in settings for this run and leaves the file as it is.</source>
        <translation>FEHLER: Die Einstellungen konnten nicht aus %1 gelesen werden (%2). Corvellan verwendet bei diesem Start seine eingebauten Einstellungen und lässt die Datei, wie sie ist.</translation>
    </message>
    <message>
        <source>it holds %1</source>
        <translation>die Datei enthält %1</translation>
    </message>
    <message>
        <source>ERROR : Settings could not be saved: %1 could not be read, so it was left as it is.</source>
        <translation>FEHLER: Die Einstellungen konnten nicht gespeichert werden: %1 konnte nicht gelesen werden und bleibt daher, wie es ist.</translation>
    </message>
    <message>
        <source>ERROR : Settings could not be saved: no copy of %1 could be kept.</source>
        <translation>FEHLER: Die Einstellungen konnten nicht gespeichert werden: Es konnte keine Kopie von %1 aufbewahrt werden.</translation>
    </message>
    <message>
        <source>ERROR : Settings could not be saved</source>
        <translation>FEHLER: Die Einstellungen konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Hey, your call limit is reached how about stopping now and finding something else to do ?</source>
        <translation>Hallo, Ihr Limit pro Anruf ist erreicht. Wie wäre es, jetzt aufzuhören und etwas anderes zu tun?</translation>
    </message>
    <message>
        <source>Sorry, your day limit is reached now, so let&apos;s turn that modem off now and find something else to do, shall we ?!</source>
        <translation>Tut mir leid, Ihr Tageslimit ist jetzt erreicht. Schalten wir das Modem aus und tun etwas anderes, einverstanden?!</translation>
    </message>
    <message>
        <source>Oh Oh! You have reached your month limit, so unless you are prepared to foot the huge telephone bill once again, I suggest you turn off the modem right NOW !!</source>
        <translation>Oh oh! Sie haben Ihr Monatslimit erreicht. Wenn Sie nicht wieder eine riesige Telefonrechnung bezahlen möchten, schalten Sie das Modem am besten SOFORT aus!!</translation>
    </message>
</context>
<context>
    <name>SettingsFields</name>
    <message>
        <source>Please enter a whole number from %1 to %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl von %1 bis %2 ein.</translation>
    </message>
    <message>
        <source>Please enter a number from 0 to 1000000.</source>
        <translation>Bitte geben Sie eine Zahl von 0 bis 1000000 ein.</translation>
    </message>
    <message>
        <source>Please enter 0 for no early warning, or a whole number from 50 to 99.</source>
        <translation>Bitte geben Sie 0 für keine frühe Warnung ein oder eine ganze Zahl von 50 bis 99.</translation>
    </message>
    <message>
        <source>Please enter an hour after noon, from 0 to 12 (or from 13 to 24, as on a 24-hour clock).</source>
        <translation>Bitte geben Sie eine Stunde nach Mittag ein, von 0 bis 12 (oder von 13 bis 24 wie auf einer 24-Stunden-Uhr).</translation>
    </message>
    <message>
        <source>Please enter a number of 0 or more.</source>
        <translation>Bitte geben Sie eine Zahl von 0 oder mehr ein.</translation>
    </message>
</context>
<context>
    <name>SleepGuard</name>
    <message>
        <source>The call was stopped at %H:%M when the computer went to sleep</source>
        <translation>Der Anruf wurde um %H:%M gestoppt, als der Computer in den Ruhezustand ging</translation>
    </message>
    <message>
        <source>The call was stopped at %H:%M when the computer began to shut down</source>
        <translation>Der Anruf wurde um %H:%M gestoppt, als der Computer herunterfuhr</translation>
    </message>
</context>
<context>
    <name>StderrPrompter</name>
    <message>
        <source> [answered No]</source>
        <translation> [mit Nein beantwortet]</translation>
    </message>
</context>
<context>
    <name>UnixSocket</name>
    <message>
        <source>%1 is too long for a socket address</source>
        <translation>%1 ist zu lang für eine Socket-Adresse</translation>
    </message>
    <message>
        <source>%1 is there and is not a socket</source>
        <translation>%1 existiert und ist kein Socket</translation>
    </message>
    <message>
        <source>cannot make a socket</source>
        <translation>es kann kein Socket angelegt werden</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot listen at %1</source>
        <translation>an %1 kann nicht gelauscht werden</translation>
    </message>
    <message>
        <source>cannot connect to %1</source>
        <translation>keine Verbindung zu %1 möglich</translation>
    </message>
</context>
<context>
    <name>WindowCommands</name>
    <message>
        <source>Corvellan is not running</source>
        <translation>Corvellan läuft nicht</translation>
    </message>
    <message>
        <source>an answer it does not understand: %1</source>
        <translation>eine Antwort, die es nicht versteht: %1</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>läuft nicht</translation>
    </message>
    <message>
        <source>Corvellan holds Calls.log but does not answer on its control socket</source>
        <translation>Corvellan hält Calls.log, antwortet aber nicht auf seinem Steuer-Socket</translation>
    </message>
    <message>
        <source>; the call may be added all the same (corvellanctl calls lists it)</source>
        <translation>; der Anruf wird womöglich trotzdem hinzugefügt (corvellanctl calls listet ihn auf)</translation>
    </message>
</context>
</TS>
