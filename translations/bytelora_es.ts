<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>GlanceMenus</name>
    <message>
        <source>Icon Shows</source>
        <translation>El icono muestra</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Bytes per second</source>
        <translation>Bytes por segundo</translation>
    </message>
    <message>
        <source>Bits per second</source>
        <translation>Bits por segundo</translation>
    </message>
</context>
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
    <message numerus="yes">
        <source>%n programs could not be told apart; their bytes are in Other</source>
        <translation>
            <numerusform>%n programa no se pudo distinguir; sus bytes están en Otros</numerusform>
            <numerusform>%n programas no se pudieron distinguir; sus bytes están en Otros</numerusform>
        </translation>
    </message>
    <message>
        <source>Kb/s</source>
        <translation>Kb/s</translation>
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
        <translation>El uso de datos de hace más de un día (%1, %2 bytes) no se pudo guardar en %3 y se descarta. El uso posterior se sigue conservando mientras no se pueda escribir en la base de datos.</translation>
    </message>
    <message>
        <source> The data usage is kept in memory (for up to a day) and written as soon as it can be.</source>
        <translation> El uso de datos se conserva en memoria (hasta un día) y se escribirá en cuanto sea posible.</translation>
    </message>
    <message>
        <source>The data usage database %1 is locked by another program.</source>
        <translation>La base de datos del uso de datos %1 está bloqueada por otro programa.</translation>
    </message>
    <message>
        <source>The disk that holds the data usage database %1 is full.</source>
        <translation>El disco que contiene la base de datos del uso de datos %1 está lleno.</translation>
    </message>
    <message>
        <source>The data usage database %1 cannot be written (read-only).</source>
        <translation>No se puede escribir en la base de datos del uso de datos %1 (solo lectura).</translation>
    </message>
    <message>
        <source>The data usage database %1 comes from a newer Bytelora. It is shown but not changed; data usage is not recorded.</source>
        <translation>La base de datos del uso de datos %1 procede de una versión más reciente de Bytelora. Se muestra, pero no se modifica; el uso de datos no se registra.</translation>
    </message>
    <message>
        <source>The data usage database %1 is damaged.</source>
        <translation>La base de datos del uso de datos %1 está dañada.</translation>
    </message>
    <message>
        <source>The data usage could not be written to %1.</source>
        <translation>No se pudo escribir el uso de datos en %1.</translation>
    </message>
    <message>
        <source>The data usage not yet stored (%1, %2 bytes) could not be written to %3 and is lost.</source>
        <translation>El uso de datos aún no guardado (%1, %2 bytes) no se pudo escribir en %3 y se ha perdido.</translation>
    </message>
    <message>
        <source>Another Bytelora records the data usage; this one does not.</source>
        <translation>Otra instancia de Bytelora registra el uso de datos; esta no.</translation>
    </message>
    <message>
        <source>The data usage for Prometheus cannot be written: %1.</source>
        <translation>No se puede escribir el uso de datos para Prometheus: %1.</translation>
    </message>
    <message>
        <source>The data usage database %1 was damaged. It was kept as %2 and a new database was started.</source>
        <translation>La base de datos del uso de datos %1 estaba dañada. Se ha conservado como %2 y se ha creado una base de datos nueva.</translation>
    </message>
    <message>
        <source>The data usage database %1 is damaged and could not be moved aside (%2). Data usage is not recorded.</source>
        <translation>La base de datos del uso de datos %1 está dañada y no se pudo apartar (%2). El uso de datos no se registra.</translation>
    </message>
</context>
<context>
    <name>bytelora::ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Envía una captura de pantalla de este mensaje por correo electrónico a </translation>
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
    <name>bytelora::HistoryLog</name>
    <message>
        <source>Cannot write to the history log &quot;%1&quot;: %2</source>
        <translation>No se puede escribir en el registro del historial «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read the history log &quot;%1&quot;: %2</source>
        <translation>No se puede leer el registro del historial «%1»: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link, which is not followed</source>
        <translation>es un enlace simbólico, que no se sigue</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message>
        <source>%1; the line was not added</source>
        <translation>%1; no se añadió la línea</translation>
    </message>
</context>
<context>
    <name>bytelora::InterfaceText</name>
    <message>
        <source>hardware</source>
        <translation>hardware</translation>
    </message>
    <message>
        <source>default route</source>
        <translation>ruta predeterminada</translation>
    </message>
    <message>
        <source>every interface</source>
        <translation>todas las interfaces</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>elegida</translation>
    </message>
    <message>
        <source>virtual</source>
        <translation>virtual</translation>
    </message>
    <message>
        <source>no default route</source>
        <translation>sin ruta predeterminada</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>no elegida</translation>
    </message>
    <message>
        <source>loopback</source>
        <translation>loopback</translation>
    </message>
    <message>
        <source>filter</source>
        <translation>filtro</translation>
    </message>
    <message>
        <source>other</source>
        <translation>otra</translation>
    </message>
    <message>
        <source>ethernet</source>
        <translation>ethernet</translation>
    </message>
    <message>
        <source>ppp</source>
        <translation>ppp</translation>
    </message>
    <message>
        <source>wireless</source>
        <translation>wifi</translation>
    </message>
    <message>
        <source>tunnel</source>
        <translation>túnel</translation>
    </message>
    <message>
        <source>up</source>
        <translation>activa</translation>
    </message>
    <message>
        <source>down</source>
        <translation>inactiva</translation>
    </message>
    <message>
        <source>testing</source>
        <translation>en pruebas</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocida</translation>
    </message>
    <message>
        <source>dormant</source>
        <translation>latente</translation>
    </message>
    <message>
        <source>notpresent</source>
        <translation>no presente</translation>
    </message>
    <message>
        <source>lowerlayerdown</source>
        <translation>capa inf. caída</translation>
    </message>
    <message>
        <source>non-operational</source>
        <translation>no operativa</translation>
    </message>
    <message>
        <source>unreachable</source>
        <translation>inaccesible</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>desconectada</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>conectando</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>conectada</translation>
    </message>
    <message>
        <source>operational</source>
        <translation>operativa</translation>
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
    <name>bytelora::IntervalTable</name>
    <message>
        <source>Log every 1 second</source>
        <translation>Registrar cada segundo</translation>
    </message>
    <message>
        <source>Log every 5 seconds</source>
        <translation>Registrar cada 5 segundos</translation>
    </message>
    <message>
        <source>Log every 10 seconds</source>
        <translation>Registrar cada 10 segundos</translation>
    </message>
    <message>
        <source>Log every 30 seconds</source>
        <translation>Registrar cada 30 segundos</translation>
    </message>
    <message>
        <source>Log every 1 minute</source>
        <translation>Registrar cada minuto</translation>
    </message>
    <message>
        <source>Log every 5 minutes</source>
        <translation>Registrar cada 5 minutos</translation>
    </message>
    <message>
        <source>Log every 10 minutes</source>
        <translation>Registrar cada 10 minutos</translation>
    </message>
    <message>
        <source>Log every 30 minutes</source>
        <translation>Registrar cada 30 minutos</translation>
    </message>
    <message>
        <source>Log every 1 hour</source>
        <translation>Registrar cada hora</translation>
    </message>
    <message>
        <source>Log every 6 hours</source>
        <translation>Registrar cada 6 horas</translation>
    </message>
    <message>
        <source>Log every 12 hours</source>
        <translation>Registrar cada 12 horas</translation>
    </message>
    <message>
        <source>Log every 24 hours</source>
        <translation>Registrar cada 24 horas</translation>
    </message>
    <message>
        <source>How often would you like to log bandwidth usage?</source>
        <translation>¿Con qué frecuencia quieres registrar el uso de ancho de banda?</translation>
    </message>
    <message>
        <source>Bandwidth Usage</source>
        <translation>Uso de ancho de banda</translation>
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
    <message>
        <source>Automatic Log is Turned Off.</source>
        <translation>El registro automático está desactivado.</translation>
    </message>
    <message>
        <source>Logging bandwidth usage is running in background...</source>
        <translation>El registro del uso de ancho de banda se está ejecutando en segundo plano...</translation>
    </message>
    <message>
        <source>Automatic Logging Bandwidth Usage Complete at </source>
        <translation>Registro automático del uso de ancho de banda completado el </translation>
    </message>
    <message>
        <source>Automatic Log is Off.</source>
        <translation>Registro automático desactivado.</translation>
    </message>
    <message>
        <source>Turn On Automatic Log</source>
        <translation>Activar el registro automático</translation>
    </message>
    <message>
        <source>Turn Off Automatic Log</source>
        <translation>Desactivar el registro automático</translation>
    </message>
</context>
<context>
    <name>bytelora::RatesWindow</name>
    <message>
        <source>Bytelora Rates</source>
        <translation>Bytelora: velocidad</translation>
    </message>
</context>
<context>
    <name>bytelora::Settings</name>
    <message>
        <source>line %1 %2</source>
        <translation>(línea %1) %2</translation>
    </message>
    <message>
        <source>holds binary data</source>
        <translation>contiene datos binarios</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
    <message>
        <source>is not a complete [section] line</source>
        <translation>contiene una línea [section] incompleta</translation>
    </message>
    <message>
        <source>is not a [section] or a key=value line</source>
        <translation>contiene una línea que no es ni [section] ni key=value</translation>
    </message>
    <message>
        <source>has a value without a key</source>
        <translation>tiene un valor sin clave</translation>
    </message>
    <message>
        <source>cannot be looked at (%1)</source>
        <translation>no se puede examinar (%1)</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>cannot be opened for reading</source>
        <translation>no se puede abrir para lectura</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>The stored choice of interfaces (&quot;%1&quot;) cannot be read, so Bytelora counts the interfaces it picks itself. The stored value is kept as it is; choose the interfaces again under &quot;Interfaces...&quot; in the tray icon&apos;s menu to replace it.</source>
        <translation>La selección de interfaces guardada («%1») no se puede leer, así que Bytelora cuenta las interfaces que elige por sí mismo. El valor guardado se conserva tal cual; para reemplazarlo, vuelve a elegir las interfaces en «Interfaces…» del menú del icono del área de notificación.</translation>
    </message>
    <message>
        <source>the registry key %1</source>
        <translation>la clave del registro %1</translation>
    </message>
    <message>
        <source>the settings file %1</source>
        <translation>el archivo de configuración %1</translation>
    </message>
    <message>
        <source> (%1 is a file, so the folder cannot be made)</source>
        <translation> (%1 es un archivo, así que no se puede crear la carpeta)</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; was not saved: %2</source>
        <translation>El ajuste «%1» no se guardó: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid settings name (it is empty or holds a &quot;/&quot; or &quot;\&quot;).</source>
        <translation>«%1» no es un nombre de ajuste válido (está vacío o contiene «/» o «\»).</translation>
    </message>
    <message>
        <source>no folder for settings was found (neither XDG_CONFIG_HOME nor HOME names one).</source>
        <translation>no se encontró ninguna carpeta para los ajustes (ni XDG_CONFIG_HOME ni HOME indican una).</translation>
    </message>
    <message>
        <source>%1 %2. It was left as it is; repair or remove it, then try again.</source>
        <translation>%1 %2. Se ha dejado tal como está; repáralo o elimínalo y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>%1 is damaged. It was left as it is; repair or remove it, then try again.</source>
        <translation>%1 está dañado. Se ha dejado tal como está; repáralo o elimínalo y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>%1 could not be written%2.</source>
        <translation>no se pudo escribir %1%2.</translation>
    </message>
    <message>
        <source>Bytelora could not write the registry value &quot;%1&quot; under %2: %3</source>
        <translation>Bytelora no pudo escribir el valor del registro «%1» en %2: %3</translation>
    </message>
    <message>
        <source>Bytelora could not delete the registry value &quot;%1&quot; under %2: %3</source>
        <translation>Bytelora no pudo eliminar el valor del registro «%1» en %2: %3</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be saved:<byte value="xd"/>
%2</source>
        <translation>No se pudo guardar el ajuste «%1»:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>write its autostart entry</source>
        <translation>escribir su entrada de inicio automático</translation>
    </message>
    <message>
        <source>put its autostart entry in place</source>
        <translation>colocar su entrada de inicio automático en su sitio</translation>
    </message>
    <message>
        <source>find its own program file</source>
        <translation>encontrar su propio archivo de programa</translation>
    </message>
    <message>
        <source>make the autostart folder</source>
        <translation>crear la carpeta de inicio automático</translation>
    </message>
    <message>
        <source>remove its autostart entry</source>
        <translation>eliminar su entrada de inicio automático</translation>
    </message>
    <message>
        <source>Bytelora could not %1: %2: %3.</source>
        <translation>Bytelora no pudo %1: %2: %3.</translation>
    </message>
    <message>
        <source>Bytelora could not find the folder for autostart entries: neither XDG_CONFIG_HOME nor HOME names one.</source>
        <translation>Bytelora no pudo encontrar la carpeta de las entradas de inicio automático: ni XDG_CONFIG_HOME ni HOME indican una.</translation>
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
    <message>
        <source>Rates Window</source>
        <translation>Ventana de velocidad</translation>
    </message>
    <message>
        <source>Rates Window Chart</source>
        <translation>Gráfico de velocidad</translation>
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
    <name>bytelora::UsageTable</name>
    <message>
        <source>Application</source>
        <translation>Aplicación</translation>
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
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
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
    <message>
        <source>Application</source>
        <translation>Aplicación</translation>
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
        <source>Executable</source>
        <translation>Ejecutable</translation>
    </message>
    <message>
        <source>Other (traffic no local program owns: forwarded, bridged)</source>
        <translation>Otros (tráfico que no pertenece a ningún programa local: reenviado, en puente)</translation>
    </message>
    <message>
        <source>Other (traffic none of your programs owns: other users&apos;, forwarded, bridged)</source>
        <translation>Otros (tráfico que no pertenece a ninguno de tus programas: de otros usuarios, reenviado, en puente)</translation>
    </message>
    <message>
        <source>%1 received, %2 sent</source>
        <translation>%1 recibidos, %2 enviados</translation>
    </message>
    <message>
        <source>not known (the counter left no record of the interfaces at its start)</source>
        <translation>desconocido (el contador no dejó constancia de las interfaces al iniciarse)</translation>
    </message>
    <message>
        <source>%1 and %2 cannot go together</source>
        <translation>%1 y %2 no se pueden usar juntos</translation>
    </message>
    <message>
        <source>--top needs a number of days (1 or more)</source>
        <translation>--top necesita un número de días (1 o más)</translation>
    </message>
    <message>
        <source>%1 needs a date as YYYY-MM-DD</source>
        <translation>%1 necesita una fecha con el formato YYYY-MM-DD</translation>
    </message>
    <message>
        <source>--interface needs a name</source>
        <translation>--interface necesita un nombre</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--begin is after --end</source>
        <translation>--begin es posterior a --end</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se indicó ningún comando</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconocido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--every needs an interval</source>
        <translation>--every necesita un intervalo</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not one of the intervals</source>
        <translation>&apos;%1&apos; no es uno de los intervalos</translation>
    </message>
    <message>
        <source>--textfile-dir needs a folder</source>
        <translation>--textfile-dir necesita una carpeta</translation>
    </message>
    <message>
        <source>The stored interval &quot;%1&quot; is not one of the choices; using &quot;%2&quot;.</source>
        <translation>El intervalo guardado &quot;%1&quot; no es una de las opciones; se usa &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Total received: %1 bytes</source>
        <translation>Total recibido: %1 bytes</translation>
    </message>
    <message>
        <source>Total sent: %1 bytes</source>
        <translation>Total enviado: %1 bytes</translation>
    </message>
    <message>
        <source>Taking a bandwidth usage snapshot every %1 s into %2 (Ctrl-C ends).</source>
        <translation>Tomando una instantánea del uso de ancho de banda cada %1 s en %2 (Ctrl-C termina).</translation>
    </message>
    <message>
        <source>the data usage has no interface &apos;%1&apos;; it has none yet.</source>
        <translation>el uso de datos no tiene ninguna interfaz &apos;%1&apos;; todavía no tiene ninguna.</translation>
    </message>
    <message>
        <source>the data usage has no interface &apos;%1&apos;; it has %2.</source>
        <translation>el uso de datos no tiene ninguna interfaz &apos;%1&apos;; tiene %2.</translation>
    </message>
    <message>
        <source>No monthly limit is set: %1 used since %2.</source>
        <translation>No hay ningún límite mensual: %1 usados desde el %2.</translation>
    </message>
    <message>
        <source>The monthly limit is reached: %1 of %2 used since %3.</source>
        <translation>Se ha alcanzado el límite mensual: %1 de %2 usados desde el %3.</translation>
    </message>
    <message>
        <source>Within the monthly limit: %1 of %2 used since %3.</source>
        <translation>Dentro del límite mensual: %1 de %2 usados desde el %3.</translation>
    </message>
    <message>
        <source>the data usage database %1 cannot be read: %2. Bytelora moves it aside and starts a new one when it next records.</source>
        <translation>no se puede leer la base de datos del uso de datos %1: %2. Bytelora la apartará y creará una nueva la próxima vez que registre.</translation>
    </message>
    <message>
        <source>the data usage database %1 cannot be read: %2.</source>
        <translation>no se puede leer la base de datos del uso de datos %1: %2.</translation>
    </message>
    <message>
        <source>1 program could not be told apart; its bytes are in Other</source>
        <translation>1 programa no se pudo distinguir; sus bytes están en Otros</translation>
    </message>
    <message>
        <source>yes (%1)</source>
        <translation>sí (%1)</translation>
    </message>
    <message>
        <source>no (%1)</source>
        <translation>no (%1)</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índ.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
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
        <source>Speed</source>
        <translation>Veloc.</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Contada</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message numerus="yes">
        <source>%n programs could not be told apart; their bytes are in Other</source>
        <translation>
            <numerusform>%n programa no se pudo distinguir; sus bytes están en Otros</numerusform>
            <numerusform>%n programas no se pudieron distinguir; sus bytes están en Otros</numerusform>
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
