<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>bytelora::AppsWindow</name>
    <message>
        <source> - Applications</source>
        <translation> - Aplicaciones</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descarga</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Subida</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Recibido</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Received and sent: since the per-application counter started</source>
        <translation>Recibido y enviado: desde que se inició el contador por aplicación</translation>
    </message>
    <message>
        <source>Received today</source>
        <translation>Recibido hoy</translation>
    </message>
    <message>
        <source>Sent today</source>
        <translation>Enviado hoy</translation>
    </message>
    <message>
        <source>Received and sent: today, since midnight</source>
        <translation>Recibido y enviado: hoy, desde la medianoche</translation>
    </message>
    <message>
        <source>The per-application counter is not available.</source>
        <translation>El contador por aplicación no está disponible.</translation>
    </message>
</context>
<context>
    <name>bytelora::GraphWindow</name>
    <message>
        <source>Bandwidth Graph</source>
        <translation>Gráfico de ancho de banda</translation>
    </message>
</context>
<context>
    <name>bytelora::InterfacesDialog</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Interfaces</source>
        <translation>Interfaces</translation>
    </message>
    <message>
        <source>Use the automatic choice</source>
        <translation>Usar la selección automática</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfaz</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Recibido</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Contada</translation>
    </message>
    <message>
        <source>The automatic choice counts the interfaces with hardware behind them; without any, those with a default route; without those, all. Received and sent are counted since the system started.</source>
        <translation>La selección automática cuenta las interfaces que tienen hardware detrás; si no hay ninguna, las que tienen una ruta predeterminada; si tampoco hay de esas, todas. Lo recibido y lo enviado se cuenta desde el inicio del sistema.</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>no presente</translation>
    </message>
    <message>
        <source>No (not present)</source>
        <translation>No (no presente)</translation>
    </message>
</context>
<context>
    <name>bytelora::LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>A new language shows at the next start.</source>
        <translation>El nuevo idioma se aplicará en el próximo inicio.</translation>
    </message>
</context>
<context>
    <name>bytelora::MainWindow</name>
    <message>
        <source>Next bandwidth usage snapshot will occur in </source>
        <translation>Próxima instantánea del uso de ancho de banda en </translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Barra de progreso</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Opciones de inicio</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Iniciar con Windows</translation>
    </message>
    <message>
        <source>Minimized to system tray</source>
        <translation>Iniciar minimizado</translation>
    </message>
    <message>
        <source>Turn On Automatic Logging</source>
        <translation>Activar registro automático</translation>
    </message>
    <message>
        <source>View History Graph</source>
        <translation>Ver gráfico del historial</translation>
    </message>
    <message>
        <source>View History Log</source>
        <translation>Ver registro del historial</translation>
    </message>
    <message>
        <source>Copy History To Clipboard</source>
        <translation>Copiar historial al portapapeles</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Clear History Log</source>
        <translation>Borrar registro del historial</translation>
    </message>
    <message>
        <source>Data usage…</source>
        <translation>Uso de datos…</translation>
    </message>
    <message>
        <source>Applications…</source>
        <translation>Aplicaciones…</translation>
    </message>
    <message>
        <source>Data usage: </source>
        <translation>Uso de datos: </translation>
    </message>
    <message>
        <source>Data usage cannot be recorded:<byte value="xd"/>
</source>
        <translation>No se puede registrar el uso de datos:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>bytelora::SingleInstance</name>
    <message>
        <source>The instance lock %1 cannot be made; Bytelora runs without it, so a second start is not caught.</source>
        <translation>No se puede crear el bloqueo de instancia %1; Bytelora se ejecuta sin él, por lo que no se detectará un segundo inicio.</translation>
    </message>
    <message>
        <source>Bytelora cannot listen on %1 (%2); a second start cannot bring this window forward.</source>
        <translation>Bytelora no puede escuchar en %1 (%2); un segundo inicio no podrá traer esta ventana al frente.</translation>
    </message>
</context>
<context>
    <name>bytelora::StartupOptions</name>
    <message>
        <source>Bytelora could not be set to start with your session:<byte value="xd"/>
</source>
        <translation>No se pudo configurar Bytelora para que se inicie con tu sesión:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Bytelora could not stop starting with your session:<byte value="xd"/>
</source>
        <translation>No se pudo impedir que Bytelora se inicie con tu sesión:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayBehaviour</name>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;Q&apos; icon (Q for Quillmark) to bring the software back.</source>
        <translation>se ha minimizado en el área de notificación.<byte value="xd"/>
Haz clic en el icono azul «Q» (Q de Quillmark) para recuperar el programa.</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayIcon</name>
    <message>
        <source>%1 — Download: %2, Upload: %3</source>
        <translation>%1 — Descarga: %2, Subida: %3</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayMenu</name>
    <message>
        <source>Show Bytelora</source>
        <translation>Mostrar Bytelora</translation>
    </message>
    <message>
        <source>Interfaces…</source>
        <translation>Interfaces…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>bytelora::UsageLimit</name>
    <message>
        <source>about %1 by the %2th</source>
        <translation>unos %1 para el día %2</translation>
    </message>
    <message>
        <source>about %1 by the %2st</source>
        <translation>unos %1 para el día %2</translation>
    </message>
    <message>
        <source>about %1 by the %2nd</source>
        <translation>unos %1 para el día %2</translation>
    </message>
    <message>
        <source>about %1 by the %2rd</source>
        <translation>unos %1 para el día %2</translation>
    </message>
    <message>
        <source>The monthly data limit is reached: %1 of %2 used this month.</source>
        <translation>Se ha alcanzado el límite de datos mensual: %1 de %2 usados este mes.</translation>
    </message>
    <message>
        <source>90 % of the monthly data limit is used: %1 of %2 this month.</source>
        <translation>Se ha usado el 90 % del límite de datos mensual: %1 de %2 este mes.</translation>
    </message>
</context>
<context>
    <name>bytelora::UsageWindow</name>
    <message>
        <source>Data usage - Bytelora</source>
        <translation>Uso de datos - Bytelora</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>All counted interfaces</source>
        <translation>Todas las interfaces contadas</translation>
    </message>
    <message>
        <source>By application</source>
        <translation>Por aplicación</translation>
    </message>
    <message>
        <source>Each application&apos;s bytes today or this month, where the per-application counter ran while they were recorded</source>
        <translation>Los bytes de cada aplicación hoy o este mes, allí donde el contador por aplicación estaba en marcha cuando se registraron</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportar CSV…</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>Alert at 90 % and at 100 %</source>
        <translation>Avisar al 90 % y al 100 %</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>Interfaz:</translation>
    </message>
    <message>
        <source>Monthly limit</source>
        <translation>Límite mensual</translation>
    </message>
    <message>
        <source>Data limit:</source>
        <translation>Límite de datos:</translation>
    </message>
    <message>
        <source>Month starts on day:</source>
        <translation>El mes empieza el día:</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Recibido</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>This month: %1</source>
        <translation>Este mes: %1</translation>
    </message>
    <message>
        <source> of %1 (%2 %)</source>
        <translation> de %1 (%2 %)</translation>
    </message>
    <message>
        <source>The data usage could not be exported to %1:<byte value="xd"/>
%2</source>
        <translation>No se pudo exportar el uso de datos a %1:<byte value="xd"/>
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
        <translation>Uso: bytelora-cli COMMAND [OPTIONS]

Comandos:
  interfaces         lee la tabla de interfaces una vez y la muestra con los
                     totales
  watch [--interface NAME]...
                     muestra cada segundo las velocidades de descarga y subida
  log [--every E] [--interface NAME]...
                     guarda instantáneas del uso de ancho de banda en el
                     registro del historial; E es uno de los intervalos de
                     abajo (predeterminado: el elegido en la ventana); también
                     registra el uso de datos cuando no lo hace ningún otro
                     Bytelora
  log ... --textfile-dir DIR
                     además escribe el uso de datos para Prometheus en DIR
                     una vez por minuto (recolector textfile de node_exporter)
  usage [VIEW] [--begin DATE] [--end DATE] [--interface NAME] [--json|--csv]
                     el uso de datos; VIEW es uno de estos
    --hours          las últimas 24 horas, por hora
    --days           este mes de facturación, por día, hasta hoy
                     (predeterminado)
    --months         los últimos 24 meses de facturación
    --years          cada año con uso
    --top N          los N días de más tráfico
                     DATE es YYYY-MM-DD, hora local; --begin y --end eligen
                     los días que abarca cualquier vista (ambos incluidos)
  usage --limit [--interface NAME]
                     una línea sobre este mes de facturación frente al límite
                     mensual; sale con 1 si se alcanzó el límite, si no con 0
  usage --prometheus [--interface NAME]
                     los totales históricos por interfaz en el formato de
                     texto de Prometheus
  usage --apps [--hours|--days|--months|--years] [--begin DATE] [--end DATE]
        [--json|--csv]
                     los bytes de cada aplicación en la vista, de mayor a
                     menor (registrados donde funciona el contador por
                     aplicación)
  apps [--json]      los bytes de cada aplicación desde que se inició el
                     contador por aplicación (bytelora-countd), y el tráfico
                     que no pertenece a ningún programa local

--interface cuenta solo las interfaces indicadas (los nombres deben coincidir
exactamente); sin esta opción cuentan las interfaces elegidas en la ventana o,
si no las hay, las que Bytelora elige por sí mismo.
  --help             muestra este texto
  --version          muestra la versión

Intervalos:
</translation>
    </message>
    <message>
        <source>
watch and log run until interrupted (Ctrl-C).
</source>
        <translation>
watch y log se ejecutan hasta que se interrumpen (Ctrl-C).
</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Bytelora is already running but does not answer. Close it, or end it, and start it again.</source>
        <translation>Bytelora ya se está ejecutando, pero no responde. Ciérralo o finalízalo, y vuelve a iniciarlo.</translation>
    </message>
</context>
</TS>
