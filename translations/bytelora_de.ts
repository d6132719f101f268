<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>GlanceMenus</name>
    <message>
        <source>Icon Shows</source>
        <translation>Symbol zeigt</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Datenraten</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Bytes per second</source>
        <translation>Bytes pro Sekunde</translation>
    </message>
    <message>
        <source>Bits per second</source>
        <translation>Bits pro Sekunde</translation>
    </message>
</context>
<context>
    <name>bytelora::AppsWindow</name>
    <message>
        <source> - Applications</source>
        <translation> - Anwendungen</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Received and sent: since the per-application counter started</source>
        <translation>Empfangen und gesendet: seit dem Start des Zählers pro Anwendung</translation>
    </message>
    <message>
        <source>Received today</source>
        <translation>Heute empfangen</translation>
    </message>
    <message>
        <source>Sent today</source>
        <translation>Heute gesendet</translation>
    </message>
    <message>
        <source>Received and sent: today, since midnight</source>
        <translation>Empfangen und gesendet: heute, seit Mitternacht</translation>
    </message>
    <message>
        <source>The per-application counter is not available.</source>
        <translation>Der Zähler pro Anwendung ist nicht verfügbar.</translation>
    </message>
    <message numerus="yes">
        <source>%n programs could not be told apart; their bytes are in Other</source>
        <translation>
            <numerusform>%n Programm konnte nicht unterschieden werden; seine Bytes stehen unter „Sonstiges“</numerusform>
            <numerusform>%n Programme konnten nicht unterschieden werden; ihre Bytes stehen unter „Sonstiges“</numerusform>
        </translation>
    </message>
    <message>
        <source>Kb/s</source>
        <translation>KB/s</translation>
    </message>
</context>
<context>
    <name>bytelora::ByteAmount</name>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>PB</source>
        <translation>PB</translation>
    </message>
    <message>
        <source>EB</source>
        <translation>EB</translation>
    </message>
</context>
<context>
    <name>bytelora::DataUsage</name>
    <message>
        <source>The data usage of more than a day ago (%1, %2 bytes) could not be stored in %3 and is given up. Later usage is still kept while the database cannot be written.</source>
        <translation>Die Datennutzung von vor mehr als einem Tag (%1, %2 Bytes) konnte nicht in %3 gespeichert werden und wird verworfen. Spätere Nutzung wird weiterhin aufbewahrt, solange die Datenbank nicht beschrieben werden kann.</translation>
    </message>
    <message>
        <source> The data usage is kept in memory (for up to a day) and written as soon as it can be.</source>
        <translation> Die Datennutzung wird (bis zu einem Tag) im Speicher gehalten und geschrieben, sobald das möglich ist.</translation>
    </message>
    <message>
        <source>The data usage database %1 is locked by another program.</source>
        <translation>Die Datennutzungsdatenbank %1 ist von einem anderen Programm gesperrt.</translation>
    </message>
    <message>
        <source>The disk that holds the data usage database %1 is full.</source>
        <translation>Der Datenträger mit der Datennutzungsdatenbank %1 ist voll.</translation>
    </message>
    <message>
        <source>The data usage database %1 cannot be written (read-only).</source>
        <translation>Die Datennutzungsdatenbank %1 kann nicht beschrieben werden (schreibgeschützt).</translation>
    </message>
    <message>
        <source>The data usage database %1 comes from a newer Bytelora. It is shown but not changed; data usage is not recorded.</source>
        <translation>Die Datennutzungsdatenbank %1 stammt von einer neueren Version von Bytelora. Sie wird angezeigt, aber nicht verändert; die Datennutzung wird nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>The data usage database %1 is damaged.</source>
        <translation>Die Datennutzungsdatenbank %1 ist beschädigt.</translation>
    </message>
    <message>
        <source>The data usage could not be written to %1.</source>
        <translation>Die Datennutzung konnte nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>The data usage not yet stored (%1, %2 bytes) could not be written to %3 and is lost.</source>
        <translation>Die noch nicht gespeicherte Datennutzung (%1, %2 Bytes) konnte nicht in %3 geschrieben werden und ist verloren.</translation>
    </message>
    <message>
        <source>Another Bytelora records the data usage; this one does not.</source>
        <translation>Ein anderes Bytelora zeichnet die Datennutzung auf; dieses nicht.</translation>
    </message>
    <message>
        <source>The data usage for Prometheus cannot be written: %1.</source>
        <translation>Die Datennutzung für Prometheus kann nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>The data usage database %1 was damaged. It was kept as %2 and a new database was started.</source>
        <translation>Die Datennutzungsdatenbank %1 war beschädigt. Sie wurde als %2 aufbewahrt, und eine neue Datenbank wurde angelegt.</translation>
    </message>
    <message>
        <source>The data usage database %1 is damaged and could not be moved aside (%2). Data usage is not recorded.</source>
        <translation>Die Datennutzungsdatenbank %1 ist beschädigt und konnte nicht beiseitegelegt werden (%2). Die Datennutzung wird nicht aufgezeichnet.</translation>
    </message>
</context>
<context>
    <name>bytelora::ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an </translation>
    </message>
</context>
<context>
    <name>bytelora::GraphWindow</name>
    <message>
        <source>Bandwidth Graph</source>
        <translation>Bandbreitendiagramm</translation>
    </message>
</context>
<context>
    <name>bytelora::HistoryLog</name>
    <message>
        <source>Cannot write to the history log &quot;%1&quot;: %2</source>
        <translation>In das Verlaufsprotokoll „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot read the history log &quot;%1&quot;: %2</source>
        <translation>Das Verlaufsprotokoll „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link, which is not followed</source>
        <translation>es ist ein symbolischer Link, dem nicht gefolgt wird</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>es gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>%1; the line was not added</source>
        <translation>%1; die Zeile wurde nicht hinzugefügt</translation>
    </message>
</context>
<context>
    <name>bytelora::InterfaceText</name>
    <message>
        <source>hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>default route</source>
        <translation>Standardroute</translation>
    </message>
    <message>
        <source>every interface</source>
        <translation>alle Schnittstellen</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>ausgewählt</translation>
    </message>
    <message>
        <source>virtual</source>
        <translation>virtuell</translation>
    </message>
    <message>
        <source>no default route</source>
        <translation>keine Standardroute</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>nicht ausgewählt</translation>
    </message>
    <message>
        <source>loopback</source>
        <translation>Loopback</translation>
    </message>
    <message>
        <source>filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>ppp</source>
        <translation>PPP</translation>
    </message>
    <message>
        <source>wireless</source>
        <translation>WLAN</translation>
    </message>
    <message>
        <source>tunnel</source>
        <translation>Tunnel</translation>
    </message>
    <message>
        <source>up</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <source>down</source>
        <translation>inaktiv</translation>
    </message>
    <message>
        <source>testing</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>dormant</source>
        <translation>ruhend</translation>
    </message>
    <message>
        <source>notpresent</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message>
        <source>lowerlayerdown</source>
        <translation>Unterbau aus</translation>
    </message>
    <message>
        <source>non-operational</source>
        <translation>außer Betrieb</translation>
    </message>
    <message>
        <source>unreachable</source>
        <translation>unerreichbar</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>getrennt</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>verbindet</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>verbunden</translation>
    </message>
    <message>
        <source>operational</source>
        <translation>in Betrieb</translation>
    </message>
</context>
<context>
    <name>bytelora::InterfacesDialog</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Interfaces</source>
        <translation>Schnittstellen</translation>
    </message>
    <message>
        <source>Use the automatic choice</source>
        <translation>Automatische Auswahl verwenden</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Gezählt</translation>
    </message>
    <message>
        <source>The automatic choice counts the interfaces with hardware behind them; without any, those with a default route; without those, all. Received and sent are counted since the system started.</source>
        <translation>Die automatische Auswahl zählt die Schnittstellen, hinter denen Hardware steht; gibt es keine, die mit einer Standardroute; gibt es auch diese nicht, alle. Empfangene und gesendete Daten werden seit dem Systemstart gezählt.</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message>
        <source>No (not present)</source>
        <translation>Nein (nicht vorhanden)</translation>
    </message>
</context>
<context>
    <name>bytelora::IntervalTable</name>
    <message>
        <source>Log every 1 second</source>
        <translation>Jede Sekunde protokollieren</translation>
    </message>
    <message>
        <source>Log every 5 seconds</source>
        <translation>Alle 5 Sekunden protokollieren</translation>
    </message>
    <message>
        <source>Log every 10 seconds</source>
        <translation>Alle 10 Sekunden protokollieren</translation>
    </message>
    <message>
        <source>Log every 30 seconds</source>
        <translation>Alle 30 Sekunden protokollieren</translation>
    </message>
    <message>
        <source>Log every 1 minute</source>
        <translation>Jede Minute protokollieren</translation>
    </message>
    <message>
        <source>Log every 5 minutes</source>
        <translation>Alle 5 Minuten protokollieren</translation>
    </message>
    <message>
        <source>Log every 10 minutes</source>
        <translation>Alle 10 Minuten protokollieren</translation>
    </message>
    <message>
        <source>Log every 30 minutes</source>
        <translation>Alle 30 Minuten protokollieren</translation>
    </message>
    <message>
        <source>Log every 1 hour</source>
        <translation>Jede Stunde protokollieren</translation>
    </message>
    <message>
        <source>Log every 6 hours</source>
        <translation>Alle 6 Stunden protokollieren</translation>
    </message>
    <message>
        <source>Log every 12 hours</source>
        <translation>Alle 12 Stunden protokollieren</translation>
    </message>
    <message>
        <source>Log every 24 hours</source>
        <translation>Alle 24 Stunden protokollieren</translation>
    </message>
    <message>
        <source>How often would you like to log bandwidth usage?</source>
        <translation>Wie oft möchten Sie die Bandbreitennutzung protokollieren?</translation>
    </message>
    <message>
        <source>Bandwidth Usage</source>
        <translation>Bandbreitennutzung</translation>
    </message>
</context>
<context>
    <name>bytelora::LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>A new language shows at the next start.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start.</translation>
    </message>
</context>
<context>
    <name>bytelora::MainWindow</name>
    <message>
        <source>Next bandwidth usage snapshot will occur in </source>
        <translation>Nächste Momentaufnahme der Bandbreitennutzung in </translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Fortschrittsbalken</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Startoptionen</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Mit Windows starten</translation>
    </message>
    <message>
        <source>Minimized to system tray</source>
        <translation>Im Infobereich starten</translation>
    </message>
    <message>
        <source>Turn On Automatic Logging</source>
        <translation>Protokollierung einschalten</translation>
    </message>
    <message>
        <source>View History Graph</source>
        <translation>Verlaufsdiagramm anzeigen</translation>
    </message>
    <message>
        <source>View History Log</source>
        <translation>Verlaufsprotokoll anzeigen</translation>
    </message>
    <message>
        <source>Copy History To Clipboard</source>
        <translation>Verlauf kopieren</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Clear History Log</source>
        <translation>Verlaufsprotokoll leeren</translation>
    </message>
    <message>
        <source>Data usage…</source>
        <translation>Datennutzung…</translation>
    </message>
    <message>
        <source>Applications…</source>
        <translation>Anwendungen…</translation>
    </message>
    <message>
        <source>Data usage: </source>
        <translation>Datennutzung: </translation>
    </message>
    <message>
        <source>Data usage cannot be recorded:<byte value="xd"/>
</source>
        <translation>Die Datennutzung kann nicht aufgezeichnet werden:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Automatic Log is Turned Off.</source>
        <translation>Das Auto-Protokoll wurde ausgeschaltet.</translation>
    </message>
    <message>
        <source>Logging bandwidth usage is running in background...</source>
        <translation>Die Bandbreitennutzung wird im Hintergrund protokolliert...</translation>
    </message>
    <message>
        <source>Automatic Logging Bandwidth Usage Complete at </source>
        <translation>Automatische Protokollierung abgeschlossen am </translation>
    </message>
    <message>
        <source>Automatic Log is Off.</source>
        <translation>Das Auto-Protokoll ist aus.</translation>
    </message>
    <message>
        <source>Turn On Automatic Log</source>
        <translation>Auto-Protokoll einschalten</translation>
    </message>
    <message>
        <source>Turn Off Automatic Log</source>
        <translation>Auto-Protokoll ausschalten</translation>
    </message>
</context>
<context>
    <name>bytelora::RatesWindow</name>
    <message>
        <source>Bytelora Rates</source>
        <translation>Bytelora – Datenraten</translation>
    </message>
</context>
<context>
    <name>bytelora::Settings</name>
    <message>
        <source>line %1 %2</source>
        <translation>hat in Zeile %1 einen Fehler (%2)</translation>
    </message>
    <message>
        <source>holds binary data</source>
        <translation>enthält Binärdaten</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>is not a complete [section] line</source>
        <translation>unvollständige [section]-Zeile</translation>
    </message>
    <message>
        <source>is not a [section] or a key=value line</source>
        <translation>weder [section]- noch key=value-Zeile</translation>
    </message>
    <message>
        <source>has a value without a key</source>
        <translation>Wert ohne Schlüssel</translation>
    </message>
    <message>
        <source>cannot be looked at (%1)</source>
        <translation>kann nicht untersucht werden (%1)</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>cannot be opened for reading</source>
        <translation>kann nicht zum Lesen geöffnet werden</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The stored choice of interfaces (&quot;%1&quot;) cannot be read, so Bytelora counts the interfaces it picks itself. The stored value is kept as it is; choose the interfaces again under &quot;Interfaces...&quot; in the tray icon&apos;s menu to replace it.</source>
        <translation>Die gespeicherte Auswahl der Schnittstellen („%1“) kann nicht gelesen werden, daher zählt Bytelora die Schnittstellen, die es selbst auswählt. Der gespeicherte Wert bleibt unverändert; wählen Sie die Schnittstellen im Menü des Symbols im Infobereich unter „Schnittstellen…“ erneut aus, um ihn zu ersetzen.</translation>
    </message>
    <message>
        <source>the registry key %1</source>
        <translation>der Registrierungsschlüssel %1</translation>
    </message>
    <message>
        <source>the settings file %1</source>
        <translation>die Einstellungsdatei %1</translation>
    </message>
    <message>
        <source> (%1 is a file, so the folder cannot be made)</source>
        <translation> (%1 ist eine Datei, daher kann der Ordner nicht angelegt werden)</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; was not saved: %2</source>
        <translation>Die Einstellung „%1“ wurde nicht gespeichert: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid settings name (it is empty or holds a &quot;/&quot; or &quot;\&quot;).</source>
        <translation>„%1“ ist kein gültiger Einstellungsname (er ist leer oder enthält „/“ oder „\“).</translation>
    </message>
    <message>
        <source>no folder for settings was found (neither XDG_CONFIG_HOME nor HOME names one).</source>
        <translation>es wurde kein Ordner für Einstellungen gefunden (weder XDG_CONFIG_HOME noch HOME nennt einen).</translation>
    </message>
    <message>
        <source>%1 %2. It was left as it is; repair or remove it, then try again.</source>
        <translation>%1 %2. Die Datei wurde nicht verändert; reparieren oder entfernen Sie sie und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>%1 is damaged. It was left as it is; repair or remove it, then try again.</source>
        <translation>%1 ist beschädigt und wurde nicht verändert. Bitte reparieren oder entfernen und dann erneut versuchen.</translation>
    </message>
    <message>
        <source>%1 could not be written%2.</source>
        <translation>%1 konnte nicht geschrieben werden%2.</translation>
    </message>
    <message>
        <source>Bytelora could not write the registry value &quot;%1&quot; under %2: %3</source>
        <translation>Bytelora konnte den Registrierungswert „%1“ unter %2 nicht schreiben: %3</translation>
    </message>
    <message>
        <source>Bytelora could not delete the registry value &quot;%1&quot; under %2: %3</source>
        <translation>Bytelora konnte den Registrierungswert „%1“ unter %2 nicht löschen: %3</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be saved:<byte value="xd"/>
%2</source>
        <translation>Die Einstellung „%1“ konnte nicht gespeichert werden:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>write its autostart entry</source>
        <translation>Schreiben seines Autostart-Eintrags</translation>
    </message>
    <message>
        <source>put its autostart entry in place</source>
        <translation>Ablegen seines Autostart-Eintrags</translation>
    </message>
    <message>
        <source>find its own program file</source>
        <translation>Suchen seiner eigenen Programmdatei</translation>
    </message>
    <message>
        <source>make the autostart folder</source>
        <translation>Anlegen des Autostart-Ordners</translation>
    </message>
    <message>
        <source>remove its autostart entry</source>
        <translation>Entfernen seines Autostart-Eintrags</translation>
    </message>
    <message>
        <source>Bytelora could not %1: %2: %3.</source>
        <translation>Bytelora ist beim %1 gescheitert: %2: %3.</translation>
    </message>
    <message>
        <source>Bytelora could not find the folder for autostart entries: neither XDG_CONFIG_HOME nor HOME names one.</source>
        <translation>Bytelora konnte den Ordner für Autostart-Einträge nicht finden: weder XDG_CONFIG_HOME noch HOME nennt einen.</translation>
    </message>
</context>
<context>
    <name>bytelora::SingleInstance</name>
    <message>
        <source>The instance lock %1 cannot be made; Bytelora runs without it, so a second start is not caught.</source>
        <translation>Die Instanzsperre %1 kann nicht angelegt werden; Bytelora läuft ohne sie, daher wird ein zweiter Start nicht erkannt.</translation>
    </message>
    <message>
        <source>Bytelora cannot listen on %1 (%2); a second start cannot bring this window forward.</source>
        <translation>Bytelora kann nicht auf %1 lauschen (%2); ein zweiter Start kann dieses Fenster nicht in den Vordergrund holen.</translation>
    </message>
</context>
<context>
    <name>bytelora::StartupOptions</name>
    <message>
        <source>Bytelora could not be set to start with your session:<byte value="xd"/>
</source>
        <translation>Bytelora konnte nicht für den Start mit Ihrer Sitzung eingerichtet werden:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Bytelora could not stop starting with your session:<byte value="xd"/>
</source>
        <translation>Der Start von Bytelora mit Ihrer Sitzung konnte nicht abgeschaltet werden:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayBehaviour</name>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;Q&apos; icon (Q for Quillmark) to bring the software back.</source>
        <translation>wurde in den Infobereich minimiert.<byte value="xd"/>
Klicken Sie auf das blaue „Q“-Symbol (Q für Quillmark), um die Software zurückzuholen.</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayIcon</name>
    <message>
        <source>%1 — Download: %2, Upload: %3</source>
        <translation>%1 — Download: %2, Upload: %3</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayMenu</name>
    <message>
        <source>Show Bytelora</source>
        <translation>Bytelora anzeigen</translation>
    </message>
    <message>
        <source>Interfaces…</source>
        <translation>Schnittstellen…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Rates Window</source>
        <translation>Datenraten-Fenster</translation>
    </message>
    <message>
        <source>Rates Window Chart</source>
        <translation>Datenraten-Diagramm</translation>
    </message>
</context>
<context>
    <name>bytelora::UsageLimit</name>
    <message>
        <source>about %1 by the %2th</source>
        <translation>etwa %1 bis zum %2.</translation>
    </message>
    <message>
        <source>about %1 by the %2st</source>
        <translation>etwa %1 bis zum %2.</translation>
    </message>
    <message>
        <source>about %1 by the %2nd</source>
        <translation>etwa %1 bis zum %2.</translation>
    </message>
    <message>
        <source>about %1 by the %2rd</source>
        <translation>etwa %1 bis zum %2.</translation>
    </message>
    <message>
        <source>The monthly data limit is reached: %1 of %2 used this month.</source>
        <translation>Das monatliche Datenlimit ist erreicht: %1 von %2 in diesem Monat verbraucht.</translation>
    </message>
    <message>
        <source>90 % of the monthly data limit is used: %1 of %2 this month.</source>
        <translation>90 % des monatlichen Datenlimits sind verbraucht: %1 von %2 in diesem Monat.</translation>
    </message>
</context>
<context>
    <name>bytelora::UsageTable</name>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>bytelora::UsageWindow</name>
    <message>
        <source>Data usage - Bytelora</source>
        <translation>Datennutzung - Bytelora</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>All counted interfaces</source>
        <translation>Alle gezählten Schnittstellen</translation>
    </message>
    <message>
        <source>By application</source>
        <translation>Nach Anwendung</translation>
    </message>
    <message>
        <source>Each application&apos;s bytes today or this month, where the per-application counter ran while they were recorded</source>
        <translation>Die Bytes jeder Anwendung heute oder in diesem Monat, soweit der Zähler pro Anwendung bei der Aufzeichnung lief</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV exportieren…</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Kein Limit</translation>
    </message>
    <message>
        <source>Alert at 90 % and at 100 %</source>
        <translation>Warnung bei 90 % und bei 100 %</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>Schnittstelle:</translation>
    </message>
    <message>
        <source>Monthly limit</source>
        <translation>Monatliches Limit</translation>
    </message>
    <message>
        <source>Data limit:</source>
        <translation>Datenlimit:</translation>
    </message>
    <message>
        <source>Month starts on day:</source>
        <translation>Monat beginnt am Tag:</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>This month: %1</source>
        <translation>In diesem Monat: %1</translation>
    </message>
    <message>
        <source> of %1 (%2 %)</source>
        <translation> von %1 (%2 %)</translation>
    </message>
    <message>
        <source>The data usage could not be exported to %1:<byte value="xd"/>
%2</source>
        <translation>Die Datennutzung konnte nicht nach %1 exportiert werden:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>bytelora::cli</name>
    <message>
        <source>Usage: bytelora-cli COMMAND [OPTIONS]

Commands:
  interfaces         read the interface table once and list it with the totals
  watch [--interface NAME]...
                     print the download and upload rates once a second
  log [--every E] [--interface NAME]...
                     take bandwidth usage snapshots into the history log;
                     E is one of the intervals below (default: the one chosen
                     in the window); also records the data usage when
                     no other Bytelora does
  log ... --textfile-dir DIR
                     also write the data usage for Prometheus into DIR
                     once a minute (node_exporter&apos;s textfile collector)
  usage [VIEW] [--begin DATE] [--end DATE] [--interface NAME] [--json|--csv]
                     the data usage; VIEW is one of
    --hours          the last 24 hours by hour
    --days           this accounting month by day, up to today (the default)
    --months         the last 24 accounting months
    --years          every year with usage
    --top N          the N busiest days
                     DATE is YYYY-MM-DD, local time; --begin and --end pick
                     the days any view covers (both included)
  usage --limit [--interface NAME]
                     one line on this accounting month against the monthly
                     limit; exits 1 when the limit is reached, else 0
  usage --prometheus [--interface NAME]
                     the all-time totals per interface in Prometheus&apos;s text
                     format
  usage --apps [--hours|--days|--months|--years] [--begin DATE] [--end DATE]
        [--json|--csv]
                     each application&apos;s bytes over the view, busiest first
                     (recorded where the per-application counter runs)
  apps [--json]      each application&apos;s bytes since the per-application
                     counter (bytelora-countd) started, and the traffic no
                     local program owns

--interface counts only the named interfaces (names match exactly); without it
the interfaces chosen in the window count, or else those Bytelora picks itself.
  --help             show this text
  --version          show the version

Intervals:
</source>
        <translation>Aufruf: bytelora-cli COMMAND [OPTIONS]

Befehle:
  interfaces         liest die Schnittstellentabelle einmal und listet sie mit
                     den Summen auf
  watch [--interface NAME]...
                     gibt jede Sekunde die Download- und die Uploadrate aus
  log [--every E] [--interface NAME]...
                     schreibt Momentaufnahmen der Bandbreitennutzung in das
                     Verlaufsprotokoll; E ist eines der Intervalle unten
                     (Standard: das im Fenster gewählte); zeichnet auch die
                     Datennutzung auf, wenn kein anderes Bytelora das tut
  log ... --textfile-dir DIR
                     schreibt außerdem einmal pro Minute die Datennutzung für
                     Prometheus nach DIR (Textfile-Collector von node_exporter)
  usage [VIEW] [--begin DATE] [--end DATE] [--interface NAME] [--json|--csv]
                     die Datennutzung; VIEW ist eines von
    --hours          die letzten 24 Stunden nach Stunden
    --days           dieser Abrechnungsmonat nach Tagen, bis heute (Standard)
    --months         die letzten 24 Abrechnungsmonate
    --years          jedes Jahr mit Nutzung
    --top N          die N Tage mit dem meisten Datenverkehr
                     DATE ist YYYY-MM-DD, Ortszeit; --begin und --end wählen
                     die Tage, die jede Ansicht abdeckt (beide eingeschlossen)
  usage --limit [--interface NAME]
                     eine Zeile zu diesem Abrechnungsmonat im Vergleich zum
                     monatlichen Limit; endet mit 1, wenn das Limit erreicht
                     ist, sonst mit 0
  usage --prometheus [--interface NAME]
                     die Gesamtsummen aller Zeiten je Schnittstelle im
                     Textformat von Prometheus
  usage --apps [--hours|--days|--months|--years] [--begin DATE] [--end DATE]
        [--json|--csv]
                     die Bytes jeder Anwendung in der Ansicht, größte zuerst
                     (aufgezeichnet, wo der Zähler pro Anwendung läuft)
  apps [--json]      die Bytes jeder Anwendung seit dem Start des Zählers pro
                     Anwendung (bytelora-countd) und der Datenverkehr, der
                     keinem lokalen Programm gehört

--interface zählt nur die genannten Schnittstellen (Namen genau wie angegeben);
ohne diese Option zählen die im Fenster gewählten Schnittstellen, sonst die,
die Bytelora selbst auswählt.
  --help             zeigt diesen Text
  --version          zeigt die Version

Intervalle:
</translation>
    </message>
    <message>
        <source>
watch and log run until interrupted (Ctrl-C).
</source>
        <translation>
watch und log laufen, bis sie unterbrochen werden (Strg+C).
</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Executable</source>
        <translation>Programmdatei</translation>
    </message>
    <message>
        <source>Other (traffic no local program owns: forwarded, bridged)</source>
        <translation>Sonstiges (Datenverkehr ohne lokales Programm: weitergeleitet, überbrückt)</translation>
    </message>
    <message>
        <source>Other (traffic none of your programs owns: other users&apos;, forwarded, bridged)</source>
        <translation>Sonstiges (Datenverkehr, der keinem Ihrer Programme gehört: andere Benutzer, weitergeleitet, überbrückt)</translation>
    </message>
    <message>
        <source>%1 received, %2 sent</source>
        <translation>%1 empfangen, %2 gesendet</translation>
    </message>
    <message>
        <source>not known (the counter left no record of the interfaces at its start)</source>
        <translation>unbekannt (der Zähler hat bei seinem Start die Schnittstellen nicht festgehalten)</translation>
    </message>
    <message>
        <source>%1 and %2 cannot go together</source>
        <translation>%1 und %2 können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>--top needs a number of days (1 or more)</source>
        <translation>--top braucht eine Anzahl von Tagen (1 oder mehr)</translation>
    </message>
    <message>
        <source>%1 needs a date as YYYY-MM-DD</source>
        <translation>%1 braucht ein Datum im Format YYYY-MM-DD</translation>
    </message>
    <message>
        <source>--interface needs a name</source>
        <translation>--interface braucht einen Namen</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--begin is after --end</source>
        <translation>--begin liegt nach --end</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--every needs an interval</source>
        <translation>--every braucht ein Intervall</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not one of the intervals</source>
        <translation>&apos;%1&apos; ist keines der Intervalle</translation>
    </message>
    <message>
        <source>--textfile-dir needs a folder</source>
        <translation>--textfile-dir braucht einen Ordner</translation>
    </message>
    <message>
        <source>The stored interval &quot;%1&quot; is not one of the choices; using &quot;%2&quot;.</source>
        <translation>Das gespeicherte Intervall &quot;%1&quot; ist keine der Auswahlmöglichkeiten; verwendet wird &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Total received: %1 bytes</source>
        <translation>Insgesamt empfangen: %1 Bytes</translation>
    </message>
    <message>
        <source>Total sent: %1 bytes</source>
        <translation>Insgesamt gesendet: %1 Bytes</translation>
    </message>
    <message>
        <source>Taking a bandwidth usage snapshot every %1 s into %2 (Ctrl-C ends).</source>
        <translation>Alle %1 s eine Momentaufnahme der Bandbreitennutzung nach %2 (Strg+C beendet).</translation>
    </message>
    <message>
        <source>the data usage has no interface &apos;%1&apos;; it has none yet.</source>
        <translation>die Datennutzung hat keine Schnittstelle &apos;%1&apos;; sie hat noch keine.</translation>
    </message>
    <message>
        <source>the data usage has no interface &apos;%1&apos;; it has %2.</source>
        <translation>die Datennutzung hat keine Schnittstelle &apos;%1&apos;; sie hat %2.</translation>
    </message>
    <message>
        <source>No monthly limit is set: %1 used since %2.</source>
        <translation>Kein monatliches Limit festgelegt: %1 verbraucht seit %2.</translation>
    </message>
    <message>
        <source>The monthly limit is reached: %1 of %2 used since %3.</source>
        <translation>Das monatliche Limit ist erreicht: %1 von %2 verbraucht seit %3.</translation>
    </message>
    <message>
        <source>Within the monthly limit: %1 of %2 used since %3.</source>
        <translation>Innerhalb des monatlichen Limits: %1 von %2 verbraucht seit %3.</translation>
    </message>
    <message>
        <source>the data usage database %1 cannot be read: %2. Bytelora moves it aside and starts a new one when it next records.</source>
        <translation>die Datennutzungsdatenbank %1 kann nicht gelesen werden: %2. Bytelora legt sie beiseite und beginnt eine neue, wenn es das nächste Mal aufzeichnet.</translation>
    </message>
    <message>
        <source>the data usage database %1 cannot be read: %2.</source>
        <translation>die Datennutzungsdatenbank %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>1 program could not be told apart; its bytes are in Other</source>
        <translation>1 Programm konnte nicht unterschieden werden; seine Bytes stehen unter Sonstiges</translation>
    </message>
    <message>
        <source>yes (%1)</source>
        <translation>ja (%1)</translation>
    </message>
    <message>
        <source>no (%1)</source>
        <translation>nein (%1)</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Gezählt</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message numerus="yes">
        <source>%n programs could not be told apart; their bytes are in Other</source>
        <translation>
            <numerusform>%n Programm konnte nicht unterschieden werden; seine Bytes stehen unter Sonstiges</numerusform>
            <numerusform>%n Programme konnten nicht unterschieden werden; ihre Bytes stehen unter Sonstiges</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Bytelora is already running but does not answer. Close it, or end it, and start it again.</source>
        <translation>Bytelora läuft bereits, reagiert aber nicht. Schließen oder beenden Sie es und starten Sie es dann erneut.</translation>
    </message>
</context>
</TS>
