<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>GlanceMenus</name>
    <message>
        <source>Icon Shows</source>
        <translation>L&apos;icône affiche</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Débits</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Bytes per second</source>
        <translation>Octets par seconde</translation>
    </message>
    <message>
        <source>Bits per second</source>
        <translation>Bits par seconde</translation>
    </message>
</context>
<context>
    <name>bytelora::AppsWindow</name>
    <message>
        <source> - Applications</source>
        <translation> - Applications</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Réception</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Envoi</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Reçu</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoyé</translation>
    </message>
    <message>
        <source>Received and sent: since the per-application counter started</source>
        <translation>Reçu et envoyé&#xa0;: depuis le démarrage du compteur par application</translation>
    </message>
    <message>
        <source>Received today</source>
        <translation>Reçu aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Sent today</source>
        <translation>Envoyé aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Received and sent: today, since midnight</source>
        <translation>Reçu et envoyé&#xa0;: aujourd&apos;hui, depuis minuit</translation>
    </message>
    <message>
        <source>The per-application counter is not available.</source>
        <translation>Le compteur par application n&apos;est pas disponible.</translation>
    </message>
    <message numerus="yes">
        <source>%n programs could not be told apart; their bytes are in Other</source>
        <translation>
            <numerusform>%n programme n&apos;a pas pu être distingué&#xa0;; ses octets sont dans «&#xa0;Autre&#xa0;»</numerusform>
            <numerusform>%n programmes n&apos;ont pas pu être distingués&#xa0;; leurs octets sont dans «&#xa0;Autre&#xa0;»</numerusform>
        </translation>
    </message>
    <message>
        <source>Kb/s</source>
        <translation>Ko/s</translation>
    </message>
</context>
<context>
    <name>bytelora::ByteAmount</name>
    <message>
        <source>B</source>
        <translation>o</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>To</translation>
    </message>
    <message>
        <source>PB</source>
        <translation>Po</translation>
    </message>
    <message>
        <source>EB</source>
        <translation>Eo</translation>
    </message>
</context>
<context>
    <name>bytelora::DataUsage</name>
    <message>
        <source>The data usage of more than a day ago (%1, %2 bytes) could not be stored in %3 and is given up. Later usage is still kept while the database cannot be written.</source>
        <translation>L&apos;utilisation des données d&apos;il y a plus d&apos;un jour (%1, %2 octets) n&apos;a pas pu être enregistrée dans %3 et est abandonnée. L&apos;utilisation ultérieure reste conservée tant que la base de données ne peut pas être écrite.</translation>
    </message>
    <message>
        <source> The data usage is kept in memory (for up to a day) and written as soon as it can be.</source>
        <translation> L&apos;utilisation des données est conservée en mémoire (jusqu&apos;à un jour) et écrite dès que possible.</translation>
    </message>
    <message>
        <source>The data usage database %1 is locked by another program.</source>
        <translation>La base de données d&apos;utilisation %1 est verrouillée par un autre programme.</translation>
    </message>
    <message>
        <source>The disk that holds the data usage database %1 is full.</source>
        <translation>Le disque qui contient la base de données d&apos;utilisation %1 est plein.</translation>
    </message>
    <message>
        <source>The data usage database %1 cannot be written (read-only).</source>
        <translation>La base de données d&apos;utilisation %1 ne peut pas être écrite (lecture seule).</translation>
    </message>
    <message>
        <source>The data usage database %1 comes from a newer Bytelora. It is shown but not changed; data usage is not recorded.</source>
        <translation>La base de données d&apos;utilisation %1 provient d&apos;une version plus récente de Bytelora. Elle est affichée mais pas modifiée&#xa0;; l&apos;utilisation des données n&apos;est pas enregistrée.</translation>
    </message>
    <message>
        <source>The data usage database %1 is damaged.</source>
        <translation>La base de données d&apos;utilisation %1 est endommagée.</translation>
    </message>
    <message>
        <source>The data usage could not be written to %1.</source>
        <translation>L&apos;utilisation des données n&apos;a pas pu être écrite dans %1.</translation>
    </message>
    <message>
        <source>The data usage not yet stored (%1, %2 bytes) could not be written to %3 and is lost.</source>
        <translation>L&apos;utilisation des données pas encore enregistrée (%1, %2 octets) n&apos;a pas pu être écrite dans %3 et est perdue.</translation>
    </message>
    <message>
        <source>Another Bytelora records the data usage; this one does not.</source>
        <translation>Un autre Bytelora enregistre l&apos;utilisation des données&#xa0;; celui-ci ne le fait pas.</translation>
    </message>
    <message>
        <source>The data usage for Prometheus cannot be written: %1.</source>
        <translation>L&apos;utilisation des données pour Prometheus ne peut pas être écrite&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The data usage database %1 was damaged. It was kept as %2 and a new database was started.</source>
        <translation>La base de données d&apos;utilisation %1 était endommagée. Elle a été conservée sous le nom %2 et une nouvelle base de données a été créée.</translation>
    </message>
    <message>
        <source>The data usage database %1 is damaged and could not be moved aside (%2). Data usage is not recorded.</source>
        <translation>La base de données d&apos;utilisation %1 est endommagée et n&apos;a pas pu être mise de côté (%2). L&apos;utilisation des données n&apos;est pas enregistrée.</translation>
    </message>
</context>
<context>
    <name>bytelora::ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Veuillez envoyer une capture d&apos;écran de ce message par e-mail à </translation>
    </message>
</context>
<context>
    <name>bytelora::GraphWindow</name>
    <message>
        <source>Bandwidth Graph</source>
        <translation>Graphique de la bande passante</translation>
    </message>
</context>
<context>
    <name>bytelora::HistoryLog</name>
    <message>
        <source>Cannot write to the history log &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire dans le journal «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot read the history log &quot;%1&quot;: %2</source>
        <translation>Impossible de lire le journal «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link, which is not followed</source>
        <translation>c&apos;est un lien symbolique, qui n&apos;est pas suivi</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>%1; the line was not added</source>
        <translation>%1&#xa0;; la ligne n&apos;a pas été ajoutée</translation>
    </message>
</context>
<context>
    <name>bytelora::InterfaceText</name>
    <message>
        <source>hardware</source>
        <translation>matériel</translation>
    </message>
    <message>
        <source>default route</source>
        <translation>route par défaut</translation>
    </message>
    <message>
        <source>every interface</source>
        <translation>toutes les interfaces</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>choisie</translation>
    </message>
    <message>
        <source>virtual</source>
        <translation>virtuelle</translation>
    </message>
    <message>
        <source>no default route</source>
        <translation>sans route par défaut</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>non choisie</translation>
    </message>
    <message>
        <source>loopback</source>
        <translation>bouclage</translation>
    </message>
    <message>
        <source>filter</source>
        <translation>filtre</translation>
    </message>
    <message>
        <source>other</source>
        <translation>autre</translation>
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
        <translation>sans fil</translation>
    </message>
    <message>
        <source>tunnel</source>
        <translation>tunnel</translation>
    </message>
    <message>
        <source>up</source>
        <translation>active</translation>
    </message>
    <message>
        <source>down</source>
        <translation>inactive</translation>
    </message>
    <message>
        <source>testing</source>
        <translation>en test</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>dormant</source>
        <translation>en veille</translation>
    </message>
    <message>
        <source>notpresent</source>
        <translation>absente</translation>
    </message>
    <message>
        <source>lowerlayerdown</source>
        <translation>sous-couche HS</translation>
    </message>
    <message>
        <source>non-operational</source>
        <translation>hors service</translation>
    </message>
    <message>
        <source>unreachable</source>
        <translation>injoignable</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>déconnectée</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>en connexion</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>connectée</translation>
    </message>
    <message>
        <source>operational</source>
        <translation>opérationnelle</translation>
    </message>
</context>
<context>
    <name>bytelora::InterfacesDialog</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Interfaces</source>
        <translation>Interfaces</translation>
    </message>
    <message>
        <source>Use the automatic choice</source>
        <translation>Utiliser le choix automatique</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Reçu</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoyé</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Comptée</translation>
    </message>
    <message>
        <source>The automatic choice counts the interfaces with hardware behind them; without any, those with a default route; without those, all. Received and sent are counted since the system started.</source>
        <translation>Le choix automatique compte les interfaces qui reposent sur un matériel&#xa0;; à défaut, celles qui ont une route par défaut&#xa0;; à défaut, toutes. Les données reçues et envoyées sont comptées depuis le démarrage du système.</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>absente</translation>
    </message>
    <message>
        <source>No (not present)</source>
        <translation>Non (absente)</translation>
    </message>
</context>
<context>
    <name>bytelora::IntervalTable</name>
    <message>
        <source>Log every 1 second</source>
        <translation>Journaliser chaque seconde</translation>
    </message>
    <message>
        <source>Log every 5 seconds</source>
        <translation>Journaliser toutes les 5 secondes</translation>
    </message>
    <message>
        <source>Log every 10 seconds</source>
        <translation>Journaliser toutes les 10 secondes</translation>
    </message>
    <message>
        <source>Log every 30 seconds</source>
        <translation>Journaliser toutes les 30 secondes</translation>
    </message>
    <message>
        <source>Log every 1 minute</source>
        <translation>Journaliser chaque minute</translation>
    </message>
    <message>
        <source>Log every 5 minutes</source>
        <translation>Journaliser toutes les 5 minutes</translation>
    </message>
    <message>
        <source>Log every 10 minutes</source>
        <translation>Journaliser toutes les 10 minutes</translation>
    </message>
    <message>
        <source>Log every 30 minutes</source>
        <translation>Journaliser toutes les 30 minutes</translation>
    </message>
    <message>
        <source>Log every 1 hour</source>
        <translation>Journaliser chaque heure</translation>
    </message>
    <message>
        <source>Log every 6 hours</source>
        <translation>Journaliser toutes les 6 heures</translation>
    </message>
    <message>
        <source>Log every 12 hours</source>
        <translation>Journaliser toutes les 12 heures</translation>
    </message>
    <message>
        <source>Log every 24 hours</source>
        <translation>Journaliser toutes les 24 heures</translation>
    </message>
    <message>
        <source>How often would you like to log bandwidth usage?</source>
        <translation>À quelle fréquence voulez-vous journaliser l&apos;utilisation de la bande passante&#xa0;?</translation>
    </message>
    <message>
        <source>Bandwidth Usage</source>
        <translation>Utilisation de la bande passante</translation>
    </message>
</context>
<context>
    <name>bytelora::LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>A new language shows at the next start.</source>
        <translation>La nouvelle langue s&apos;applique au prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>bytelora::MainWindow</name>
    <message>
        <source>Next bandwidth usage snapshot will occur in </source>
        <translation>Prochain instantané de la bande passante dans </translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Barre de progression</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Options de démarrage</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Démarrer avec Windows</translation>
    </message>
    <message>
        <source>Minimized to system tray</source>
        <translation>Démarrer réduit</translation>
    </message>
    <message>
        <source>Turn On Automatic Logging</source>
        <translation>Activer la journalisation</translation>
    </message>
    <message>
        <source>View History Graph</source>
        <translation>Afficher le graphique</translation>
    </message>
    <message>
        <source>View History Log</source>
        <translation>Afficher le journal</translation>
    </message>
    <message>
        <source>Copy History To Clipboard</source>
        <translation>Copier l&apos;historique</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Clear History Log</source>
        <translation>Effacer le journal</translation>
    </message>
    <message>
        <source>Data usage…</source>
        <translation>Utilisation des données…</translation>
    </message>
    <message>
        <source>Applications…</source>
        <translation>Applications…</translation>
    </message>
    <message>
        <source>Data usage: </source>
        <translation>Utilisation des données&#xa0;: </translation>
    </message>
    <message>
        <source>Data usage cannot be recorded:<byte value="xd"/>
</source>
        <translation>Impossible d&apos;enregistrer l&apos;utilisation des données&#xa0;:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Automatic Log is Turned Off.</source>
        <translation>Le journal automatique a été désactivé.</translation>
    </message>
    <message>
        <source>Logging bandwidth usage is running in background...</source>
        <translation>Journalisation de la bande passante en arrière-plan...</translation>
    </message>
    <message>
        <source>Automatic Logging Bandwidth Usage Complete at </source>
        <translation>Journalisation automatique terminée le </translation>
    </message>
    <message>
        <source>Automatic Log is Off.</source>
        <translation>Le journal automatique est désactivé.</translation>
    </message>
    <message>
        <source>Turn On Automatic Log</source>
        <translation>Activer le journal automatique</translation>
    </message>
    <message>
        <source>Turn Off Automatic Log</source>
        <translation>Désactiver le journal automatique</translation>
    </message>
</context>
<context>
    <name>bytelora::RatesWindow</name>
    <message>
        <source>Bytelora Rates</source>
        <translation>Bytelora – Débits</translation>
    </message>
</context>
<context>
    <name>bytelora::Settings</name>
    <message>
        <source>line %1 %2</source>
        <translation>comporte une erreur à la ligne %1 (%2)</translation>
    </message>
    <message>
        <source>holds binary data</source>
        <translation>contient des données binaires</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>is not a complete [section] line</source>
        <translation>ligne [section] incomplète</translation>
    </message>
    <message>
        <source>is not a [section] or a key=value line</source>
        <translation>ni ligne [section] ni ligne key=value</translation>
    </message>
    <message>
        <source>has a value without a key</source>
        <translation>valeur sans clé</translation>
    </message>
    <message>
        <source>cannot be looked at (%1)</source>
        <translation>ne peut pas être examiné (%1)</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>cannot be opened for reading</source>
        <translation>ne peut pas être ouvert en lecture</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>ne peut pas être lu</translation>
    </message>
    <message>
        <source>The stored choice of interfaces (&quot;%1&quot;) cannot be read, so Bytelora counts the interfaces it picks itself. The stored value is kept as it is; choose the interfaces again under &quot;Interfaces...&quot; in the tray icon&apos;s menu to replace it.</source>
        <translation>Le choix enregistré des interfaces («&#xa0;%1&#xa0;») ne peut pas être lu&#xa0;; Bytelora compte donc les interfaces qu&apos;il choisit lui-même. La valeur enregistrée est conservée telle quelle&#xa0;; choisissez de nouveau les interfaces sous «&#xa0;Interfaces…&#xa0;» dans le menu de l&apos;icône de la zone de notification pour la remplacer.</translation>
    </message>
    <message>
        <source>the registry key %1</source>
        <translation>la clé de registre %1</translation>
    </message>
    <message>
        <source>the settings file %1</source>
        <translation>le fichier de paramètres %1</translation>
    </message>
    <message>
        <source> (%1 is a file, so the folder cannot be made)</source>
        <translation> (%1 est un fichier, le dossier ne peut donc pas être créé)</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; was not saved: %2</source>
        <translation>Le paramètre «&#xa0;%1&#xa0;» n&apos;a pas été enregistré&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid settings name (it is empty or holds a &quot;/&quot; or &quot;\&quot;).</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nom de paramètre valide (il est vide ou contient «&#xa0;/&#xa0;» ou «&#xa0;\&#xa0;»).</translation>
    </message>
    <message>
        <source>no folder for settings was found (neither XDG_CONFIG_HOME nor HOME names one).</source>
        <translation>aucun dossier de paramètres n&apos;a été trouvé (ni XDG_CONFIG_HOME ni HOME n&apos;en indique un).</translation>
    </message>
    <message>
        <source>%1 %2. It was left as it is; repair or remove it, then try again.</source>
        <translation>%1 %2. Le fichier a été laissé tel quel&#xa0;; réparez-le ou supprimez-le, puis réessayez.</translation>
    </message>
    <message>
        <source>%1 is damaged. It was left as it is; repair or remove it, then try again.</source>
        <translation>%1&#xa0;: contenu endommagé. Rien n&apos;a été modifié&#xa0;; réparez ou supprimez ce contenu, puis réessayez.</translation>
    </message>
    <message>
        <source>%1 could not be written%2.</source>
        <translation>Impossible d&apos;écrire %1%2.</translation>
    </message>
    <message>
        <source>Bytelora could not write the registry value &quot;%1&quot; under %2: %3</source>
        <translation>Bytelora n&apos;a pas pu écrire la valeur de registre «&#xa0;%1&#xa0;» sous %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Bytelora could not delete the registry value &quot;%1&quot; under %2: %3</source>
        <translation>Bytelora n&apos;a pas pu supprimer la valeur de registre «&#xa0;%1&#xa0;» sous %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be saved:<byte value="xd"/>
%2</source>
        <translation>Le paramètre «&#xa0;%1&#xa0;» n&apos;a pas pu être enregistré&#xa0;:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>write its autostart entry</source>
        <translation>écrire son entrée de démarrage automatique</translation>
    </message>
    <message>
        <source>put its autostart entry in place</source>
        <translation>mettre en place son entrée de démarrage automatique</translation>
    </message>
    <message>
        <source>find its own program file</source>
        <translation>trouver son propre fichier programme</translation>
    </message>
    <message>
        <source>make the autostart folder</source>
        <translation>créer le dossier de démarrage automatique</translation>
    </message>
    <message>
        <source>remove its autostart entry</source>
        <translation>supprimer son entrée de démarrage automatique</translation>
    </message>
    <message>
        <source>Bytelora could not %1: %2: %3.</source>
        <translation>Bytelora n&apos;a pas pu %1&#xa0;: %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Bytelora could not find the folder for autostart entries: neither XDG_CONFIG_HOME nor HOME names one.</source>
        <translation>Bytelora n&apos;a pas trouvé le dossier des entrées de démarrage automatique&#xa0;: ni XDG_CONFIG_HOME ni HOME n&apos;en indique un.</translation>
    </message>
</context>
<context>
    <name>bytelora::SingleInstance</name>
    <message>
        <source>The instance lock %1 cannot be made; Bytelora runs without it, so a second start is not caught.</source>
        <translation>Le verrou d&apos;instance %1 ne peut pas être créé&#xa0;; Bytelora fonctionne sans lui, un second lancement ne sera donc pas détecté.</translation>
    </message>
    <message>
        <source>Bytelora cannot listen on %1 (%2); a second start cannot bring this window forward.</source>
        <translation>Bytelora ne peut pas écouter sur %1 (%2)&#xa0;; un second lancement ne pourra pas ramener cette fenêtre au premier plan.</translation>
    </message>
</context>
<context>
    <name>bytelora::StartupOptions</name>
    <message>
        <source>Bytelora could not be set to start with your session:<byte value="xd"/>
</source>
        <translation>Impossible de configurer Bytelora pour qu&apos;il démarre avec votre session&#xa0;:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Bytelora could not stop starting with your session:<byte value="xd"/>
</source>
        <translation>Impossible d&apos;empêcher Bytelora de démarrer avec votre session&#xa0;:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayBehaviour</name>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;Q&apos; icon (Q for Quillmark) to bring the software back.</source>
        <translation>a été réduit dans la zone de notification.<byte value="xd"/>
Cliquez sur l&apos;icône bleue «&#xa0;Q&#xa0;» (Q pour Quillmark) pour faire réapparaître le logiciel.</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayIcon</name>
    <message>
        <source>%1 — Download: %2, Upload: %3</source>
        <translation>%1 — Réception&#xa0;: %2, Envoi&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayMenu</name>
    <message>
        <source>Show Bytelora</source>
        <translation>Afficher Bytelora</translation>
    </message>
    <message>
        <source>Interfaces…</source>
        <translation>Interfaces…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Rates Window</source>
        <translation>Fenêtre des débits</translation>
    </message>
    <message>
        <source>Rates Window Chart</source>
        <translation>Graphique des débits</translation>
    </message>
</context>
<context>
    <name>bytelora::UsageLimit</name>
    <message>
        <source>about %1 by the %2th</source>
        <translation>environ %1 d&apos;ici le %2</translation>
    </message>
    <message>
        <source>about %1 by the %2st</source>
        <translation>environ %1 d&apos;ici le %2</translation>
    </message>
    <message>
        <source>about %1 by the %2nd</source>
        <translation>environ %1 d&apos;ici le %2</translation>
    </message>
    <message>
        <source>about %1 by the %2rd</source>
        <translation>environ %1 d&apos;ici le %2</translation>
    </message>
    <message>
        <source>The monthly data limit is reached: %1 of %2 used this month.</source>
        <translation>La limite de données mensuelle est atteinte&#xa0;: %1 utilisés sur %2 ce mois-ci.</translation>
    </message>
    <message>
        <source>90 % of the monthly data limit is used: %1 of %2 this month.</source>
        <translation>La limite de données mensuelle est utilisée à 90&#xa0;%&#xa0;: %1 sur %2 ce mois-ci.</translation>
    </message>
</context>
<context>
    <name>bytelora::UsageTable</name>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Reçu</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoyé</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>bytelora::UsageWindow</name>
    <message>
        <source>Data usage - Bytelora</source>
        <translation>Utilisation des données - Bytelora</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>All counted interfaces</source>
        <translation>Toutes les interfaces comptées</translation>
    </message>
    <message>
        <source>By application</source>
        <translation>Par application</translation>
    </message>
    <message>
        <source>Each application&apos;s bytes today or this month, where the per-application counter ran while they were recorded</source>
        <translation>Les octets de chaque application aujourd&apos;hui ou ce mois-ci, là où le compteur par application fonctionnait lors de leur enregistrement</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Aucune limite</translation>
    </message>
    <message>
        <source>Alert at 90 % and at 100 %</source>
        <translation>Alerte à 90&#xa0;% et à 100&#xa0;%</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>Interface&#xa0;:</translation>
    </message>
    <message>
        <source>Monthly limit</source>
        <translation>Limite mensuelle</translation>
    </message>
    <message>
        <source>Data limit:</source>
        <translation>Limite de données&#xa0;:</translation>
    </message>
    <message>
        <source>Month starts on day:</source>
        <translation>Le mois commence le jour&#xa0;:</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Reçu</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoyé</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>This month: %1</source>
        <translation>Ce mois-ci&#xa0;: %1</translation>
    </message>
    <message>
        <source> of %1 (%2 %)</source>
        <translation> sur %1 (%2&#xa0;%)</translation>
    </message>
    <message>
        <source>The data usage could not be exported to %1:<byte value="xd"/>
%2</source>
        <translation>Impossible d&apos;exporter l&apos;utilisation des données vers %1&#xa0;:<byte value="xd"/>
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
        <translation>Utilisation : bytelora-cli COMMAND [OPTIONS]

Commandes :
  interfaces         lit une fois la table des interfaces et l&apos;affiche avec
                     les totaux
  watch [--interface NAME]...
                     affiche chaque seconde les débits de réception et d&apos;envoi
  log [--every E] [--interface NAME]...
                     enregistre des instantanés de la bande passante dans le
                     journal ; E est l&apos;un des intervalles ci-dessous (par
                     défaut : celui choisi dans la fenêtre) ; enregistre aussi
                     l&apos;utilisation des données si aucun autre Bytelora ne le
                     fait
  log ... --textfile-dir DIR
                     écrit aussi l&apos;utilisation des données pour Prometheus
                     dans DIR une fois par minute (collecteur textfile de
                     node_exporter)
  usage [VIEW] [--begin DATE] [--end DATE] [--interface NAME] [--json|--csv]
                     l&apos;utilisation des données ; VIEW est l&apos;un des choix
                     suivants
    --hours          les 24 dernières heures, par heure
    --days           ce mois de facturation, par jour, jusqu&apos;à aujourd&apos;hui
                     (par défaut)
    --months         les 24 derniers mois de facturation
    --years          chaque année avec une utilisation
    --top N          les N jours les plus chargés
                     DATE est au format YYYY-MM-DD, heure locale ; --begin et
                     --end choisissent les jours couverts par toute vue (tous
                     deux inclus)
  usage --limit [--interface NAME]
                     une ligne sur ce mois de facturation par rapport à la
                     limite mensuelle ; code de sortie 1 si la limite est
                     atteinte, sinon 0
  usage --prometheus [--interface NAME]
                     les totaux depuis toujours par interface, au format texte
                     de Prometheus
  usage --apps [--hours|--days|--months|--years] [--begin DATE] [--end DATE]
        [--json|--csv]
                     les octets de chaque application sur la vue, les plus
                     gros d&apos;abord (enregistrés là où le compteur par
                     application fonctionne)
  apps [--json]      les octets de chaque application depuis le démarrage du
                     compteur par application (bytelora-countd), et le trafic
                     qui n&apos;appartient à aucun programme local

--interface ne compte que les interfaces nommées (noms exacts) ; sans cette
option, ce sont les interfaces choisies dans la fenêtre qui comptent, sinon
celles que Bytelora choisit lui-même.
  --help             affiche ce texte
  --version          affiche la version

Intervalles :
</translation>
    </message>
    <message>
        <source>
watch and log run until interrupted (Ctrl-C).
</source>
        <translation>
watch et log s&apos;exécutent jusqu&apos;à leur interruption (Ctrl-C).
</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Reçu</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoyé</translation>
    </message>
    <message>
        <source>Executable</source>
        <translation>Exécutable</translation>
    </message>
    <message>
        <source>Other (traffic no local program owns: forwarded, bridged)</source>
        <translation>Autre (trafic qui n&apos;appartient à aucun programme local : transféré, ponté)</translation>
    </message>
    <message>
        <source>Other (traffic none of your programs owns: other users&apos;, forwarded, bridged)</source>
        <translation>Autre (trafic qui n&apos;appartient à aucun de vos programmes : autres utilisateurs, transféré, ponté)</translation>
    </message>
    <message>
        <source>%1 received, %2 sent</source>
        <translation>%1 reçus, %2 envoyés</translation>
    </message>
    <message>
        <source>not known (the counter left no record of the interfaces at its start)</source>
        <translation>inconnu (le compteur n&apos;a gardé aucune trace des interfaces à son démarrage)</translation>
    </message>
    <message>
        <source>%1 and %2 cannot go together</source>
        <translation>%1 et %2 ne peuvent pas être utilisés ensemble</translation>
    </message>
    <message>
        <source>--top needs a number of days (1 or more)</source>
        <translation>--top demande un nombre de jours (1 ou plus)</translation>
    </message>
    <message>
        <source>%1 needs a date as YYYY-MM-DD</source>
        <translation>%1 demande une date au format YYYY-MM-DD</translation>
    </message>
    <message>
        <source>--interface needs a name</source>
        <translation>--interface demande un nom</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--begin is after --end</source>
        <translation>--begin est après --end</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--every needs an interval</source>
        <translation>--every demande un intervalle</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not one of the intervals</source>
        <translation>&apos;%1&apos; ne fait pas partie des intervalles</translation>
    </message>
    <message>
        <source>--textfile-dir needs a folder</source>
        <translation>--textfile-dir demande un dossier</translation>
    </message>
    <message>
        <source>The stored interval &quot;%1&quot; is not one of the choices; using &quot;%2&quot;.</source>
        <translation>L&apos;intervalle enregistré &quot;%1&quot; ne fait pas partie des choix ; utilisation de &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Total received: %1 bytes</source>
        <translation>Total reçu : %1 octets</translation>
    </message>
    <message>
        <source>Total sent: %1 bytes</source>
        <translation>Total envoyé : %1 octets</translation>
    </message>
    <message>
        <source>Taking a bandwidth usage snapshot every %1 s into %2 (Ctrl-C ends).</source>
        <translation>Instantané de l&apos;utilisation de la bande passante toutes les %1 s dans %2 (Ctrl-C pour arrêter).</translation>
    </message>
    <message>
        <source>the data usage has no interface &apos;%1&apos;; it has none yet.</source>
        <translation>l&apos;utilisation des données n&apos;a pas d&apos;interface &apos;%1&apos; ; elle n&apos;en a encore aucune.</translation>
    </message>
    <message>
        <source>the data usage has no interface &apos;%1&apos;; it has %2.</source>
        <translation>l&apos;utilisation des données n&apos;a pas d&apos;interface &apos;%1&apos; ; elle a %2.</translation>
    </message>
    <message>
        <source>No monthly limit is set: %1 used since %2.</source>
        <translation>Aucune limite mensuelle n&apos;est définie : %1 utilisés depuis le %2.</translation>
    </message>
    <message>
        <source>The monthly limit is reached: %1 of %2 used since %3.</source>
        <translation>La limite mensuelle est atteinte : %1 utilisés sur %2 depuis le %3.</translation>
    </message>
    <message>
        <source>Within the monthly limit: %1 of %2 used since %3.</source>
        <translation>Dans la limite mensuelle : %1 utilisés sur %2 depuis le %3.</translation>
    </message>
    <message>
        <source>the data usage database %1 cannot be read: %2. Bytelora moves it aside and starts a new one when it next records.</source>
        <translation>la base de données d&apos;utilisation %1 ne peut pas être lue : %2. Bytelora la met de côté et en commence une nouvelle lors de son prochain enregistrement.</translation>
    </message>
    <message>
        <source>the data usage database %1 cannot be read: %2.</source>
        <translation>la base de données d&apos;utilisation %1 ne peut pas être lue : %2.</translation>
    </message>
    <message>
        <source>1 program could not be told apart; its bytes are in Other</source>
        <translation>1 programme n&apos;a pas pu être distingué ; ses octets sont dans Autre</translation>
    </message>
    <message>
        <source>yes (%1)</source>
        <translation>oui (%1)</translation>
    </message>
    <message>
        <source>no (%1)</source>
        <translation>non (%1)</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Comptée</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message numerus="yes">
        <source>%n programs could not be told apart; their bytes are in Other</source>
        <translation>
            <numerusform>%n programme n&apos;a pas pu être distingué ; ses octets sont dans Autre</numerusform>
            <numerusform>%n programmes n&apos;ont pas pu être distingués ; leurs octets sont dans Autre</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Bytelora is already running but does not answer. Close it, or end it, and start it again.</source>
        <translation>Bytelora est déjà en cours d&apos;exécution mais ne répond pas. Fermez-le ou arrêtez-le, puis relancez-le.</translation>
    </message>
</context>
</TS>
