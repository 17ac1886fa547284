<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
</TS>
