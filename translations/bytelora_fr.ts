<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>Reçu et envoyé : depuis le démarrage du compteur par application</translation>
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
        <translation>Reçu et envoyé : aujourd&apos;hui, depuis minuit</translation>
    </message>
    <message>
        <source>The per-application counter is not available.</source>
        <translation>Le compteur par application n&apos;est pas disponible.</translation>
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
        <translation>Le choix automatique compte les interfaces qui reposent sur un matériel ; à défaut, celles qui ont une route par défaut ; à défaut, toutes. Les données reçues et envoyées sont comptées depuis le démarrage du système.</translation>
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
        <translation>Utilisation des données : </translation>
    </message>
    <message>
        <source>Data usage cannot be recorded:<byte value="xd"/>
</source>
        <translation>Impossible d&apos;enregistrer l&apos;utilisation des données :<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>bytelora::SingleInstance</name>
    <message>
        <source>The instance lock %1 cannot be made; Bytelora runs without it, so a second start is not caught.</source>
        <translation>Le verrou d&apos;instance %1 ne peut pas être créé ; Bytelora fonctionne sans lui, un second lancement ne sera donc pas détecté.</translation>
    </message>
    <message>
        <source>Bytelora cannot listen on %1 (%2); a second start cannot bring this window forward.</source>
        <translation>Bytelora ne peut pas écouter sur %1 (%2) ; un second lancement ne pourra pas ramener cette fenêtre au premier plan.</translation>
    </message>
</context>
<context>
    <name>bytelora::StartupOptions</name>
    <message>
        <source>Bytelora could not be set to start with your session:<byte value="xd"/>
</source>
        <translation>Impossible de configurer Bytelora pour qu&apos;il démarre avec votre session :<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Bytelora could not stop starting with your session:<byte value="xd"/>
</source>
        <translation>Impossible d&apos;empêcher Bytelora de démarrer avec votre session :<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayBehaviour</name>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;Q&apos; icon (Q for Quillmark) to bring the software back.</source>
        <translation>a été réduit dans la zone de notification.<byte value="xd"/>
Cliquez sur l&apos;icône bleue « Q » (Q pour Quillmark) pour faire réapparaître le logiciel.</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayIcon</name>
    <message>
        <source>%1 — Download: %2, Upload: %3</source>
        <translation>%1 — Réception : %2, Envoi : %3</translation>
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
        <translation>La limite de données mensuelle est atteinte : %1 utilisés sur %2 ce mois-ci.</translation>
    </message>
    <message>
        <source>90 % of the monthly data limit is used: %1 of %2 this month.</source>
        <translation>La limite de données mensuelle est utilisée à 90 % : %1 sur %2 ce mois-ci.</translation>
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
        <translation>Alerte à 90 % et à 100 %</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>Interface :</translation>
    </message>
    <message>
        <source>Monthly limit</source>
        <translation>Limite mensuelle</translation>
    </message>
    <message>
        <source>Data limit:</source>
        <translation>Limite de données :</translation>
    </message>
    <message>
        <source>Month starts on day:</source>
        <translation>Le mois commence le jour :</translation>
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
        <translation>Ce mois-ci : %1</translation>
    </message>
    <message>
        <source> of %1 (%2 %)</source>
        <translation> sur %1 (%2 %)</translation>
    </message>
    <message>
        <source>The data usage could not be exported to %1:<byte value="xd"/>
%2</source>
        <translation>Impossible d&apos;exporter l&apos;utilisation des données vers %1 :<byte value="xd"/>
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
</context>
<context>
    <name>main</name>
    <message>
        <source>Bytelora is already running but does not answer. Close it, or end it, and start it again.</source>
        <translation>Bytelora est déjà en cours d&apos;exécution mais ne répond pas. Fermez-le ou arrêtez-le, puis relancez-le.</translation>
    </message>
</context>
</TS>
