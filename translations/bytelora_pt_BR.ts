<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>GlanceMenus</name>
    <message>
        <source>Icon Shows</source>
        <translation>O ícone mostra</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Velocidade</translation>
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
        <translation> - Aplicativos</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicativo</translation>
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
        <translation>Recebido</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Received and sent: since the per-application counter started</source>
        <translation>Recebido e enviado: desde que o contador por aplicativo foi iniciado</translation>
    </message>
    <message>
        <source>Received today</source>
        <translation>Recebido hoje</translation>
    </message>
    <message>
        <source>Sent today</source>
        <translation>Enviado hoje</translation>
    </message>
    <message>
        <source>Received and sent: today, since midnight</source>
        <translation>Recebido e enviado: hoje, desde a meia-noite</translation>
    </message>
    <message>
        <source>The per-application counter is not available.</source>
        <translation>O contador por aplicativo não está disponível.</translation>
    </message>
    <message numerus="yes">
        <source>%n programs could not be told apart; their bytes are in Other</source>
        <translation>
            <numerusform>%n programa não pôde ser distinguido; seus bytes estão em Outros</numerusform>
            <numerusform>%n programas não puderam ser distinguidos; seus bytes estão em Outros</numerusform>
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
        <translation>O uso de dados de mais de um dia atrás (%1, %2 bytes) não pôde ser armazenado em %3 e foi descartado. O uso posterior continua sendo mantido enquanto não for possível gravar no banco de dados.</translation>
    </message>
    <message>
        <source> The data usage is kept in memory (for up to a day) and written as soon as it can be.</source>
        <translation> O uso de dados é mantido na memória (por até um dia) e gravado assim que possível.</translation>
    </message>
    <message>
        <source>The data usage database %1 is locked by another program.</source>
        <translation>O banco de dados do uso de dados %1 está bloqueado por outro programa.</translation>
    </message>
    <message>
        <source>The disk that holds the data usage database %1 is full.</source>
        <translation>O disco que contém o banco de dados do uso de dados %1 está cheio.</translation>
    </message>
    <message>
        <source>The data usage database %1 cannot be written (read-only).</source>
        <translation>Não é possível gravar no banco de dados do uso de dados %1 (somente leitura).</translation>
    </message>
    <message>
        <source>The data usage database %1 comes from a newer Bytelora. It is shown but not changed; data usage is not recorded.</source>
        <translation>O banco de dados do uso de dados %1 vem de uma versão mais recente do Bytelora. Ele é exibido, mas não é alterado; o uso de dados não é registrado.</translation>
    </message>
    <message>
        <source>The data usage database %1 is damaged.</source>
        <translation>O banco de dados do uso de dados %1 está danificado.</translation>
    </message>
    <message>
        <source>The data usage could not be written to %1.</source>
        <translation>Não foi possível gravar o uso de dados em %1.</translation>
    </message>
    <message>
        <source>The data usage not yet stored (%1, %2 bytes) could not be written to %3 and is lost.</source>
        <translation>O uso de dados ainda não armazenado (%1, %2 bytes) não pôde ser gravado em %3 e foi perdido.</translation>
    </message>
    <message>
        <source>Another Bytelora records the data usage; this one does not.</source>
        <translation>Outra instância do Bytelora registra o uso de dados; esta não.</translation>
    </message>
    <message>
        <source>The data usage for Prometheus cannot be written: %1.</source>
        <translation>Não é possível gravar o uso de dados para o Prometheus: %1.</translation>
    </message>
    <message>
        <source>The data usage database %1 was damaged. It was kept as %2 and a new database was started.</source>
        <translation>O banco de dados do uso de dados %1 estava danificado. Ele foi mantido como %2 e um novo banco de dados foi iniciado.</translation>
    </message>
    <message>
        <source>The data usage database %1 is damaged and could not be moved aside (%2). Data usage is not recorded.</source>
        <translation>O banco de dados do uso de dados %1 está danificado e não pôde ser movido para outro lugar (%2). O uso de dados não é registrado.</translation>
    </message>
</context>
<context>
    <name>bytelora::ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Envie uma captura de tela desta mensagem por e-mail para </translation>
    </message>
</context>
<context>
    <name>bytelora::GraphWindow</name>
    <message>
        <source>Bandwidth Graph</source>
        <translation>Gráfico de largura de banda</translation>
    </message>
</context>
<context>
    <name>bytelora::HistoryLog</name>
    <message>
        <source>Cannot write to the history log &quot;%1&quot;: %2</source>
        <translation>Não é possível gravar no registro do histórico “%1”: %2</translation>
    </message>
    <message>
        <source>Cannot read the history log &quot;%1&quot;: %2</source>
        <translation>Não é possível ler o registro do histórico “%1”: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link, which is not followed</source>
        <translation>é um link simbólico, que não é seguido</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertence a outro usuário</translation>
    </message>
    <message>
        <source>%1; the line was not added</source>
        <translation>%1; a linha não foi adicionada</translation>
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
        <translation>rota padrão</translation>
    </message>
    <message>
        <source>every interface</source>
        <translation>todas as interfaces</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>escolhida</translation>
    </message>
    <message>
        <source>virtual</source>
        <translation>virtual</translation>
    </message>
    <message>
        <source>no default route</source>
        <translation>sem rota padrão</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>não escolhida</translation>
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
        <translation>outra</translation>
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
        <translation>wi-fi</translation>
    </message>
    <message>
        <source>tunnel</source>
        <translation>túnel</translation>
    </message>
    <message>
        <source>up</source>
        <translation>ativa</translation>
    </message>
    <message>
        <source>down</source>
        <translation>inativa</translation>
    </message>
    <message>
        <source>testing</source>
        <translation>em teste</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecida</translation>
    </message>
    <message>
        <source>dormant</source>
        <translation>dormente</translation>
    </message>
    <message>
        <source>notpresent</source>
        <translation>ausente</translation>
    </message>
    <message>
        <source>lowerlayerdown</source>
        <translation>cam. inf. caída</translation>
    </message>
    <message>
        <source>non-operational</source>
        <translation>não operacional</translation>
    </message>
    <message>
        <source>unreachable</source>
        <translation>inacessível</translation>
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
        <translation>operacional</translation>
    </message>
</context>
<context>
    <name>bytelora::InterfacesDialog</name>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Interfaces</source>
        <translation>Interfaces</translation>
    </message>
    <message>
        <source>Use the automatic choice</source>
        <translation>Usar a seleção automática</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Recebido</translation>
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
        <translation>A seleção automática conta as interfaces que têm hardware por trás; se não houver nenhuma, as que têm uma rota padrão; se também não houver, todas. Os dados recebidos e enviados são contados desde a inicialização do sistema.</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>ausente</translation>
    </message>
    <message>
        <source>No (not present)</source>
        <translation>Não (ausente)</translation>
    </message>
</context>
<context>
    <name>bytelora::IntervalTable</name>
    <message>
        <source>Log every 1 second</source>
        <translation>Registrar a cada segundo</translation>
    </message>
    <message>
        <source>Log every 5 seconds</source>
        <translation>Registrar a cada 5 segundos</translation>
    </message>
    <message>
        <source>Log every 10 seconds</source>
        <translation>Registrar a cada 10 segundos</translation>
    </message>
    <message>
        <source>Log every 30 seconds</source>
        <translation>Registrar a cada 30 segundos</translation>
    </message>
    <message>
        <source>Log every 1 minute</source>
        <translation>Registrar a cada minuto</translation>
    </message>
    <message>
        <source>Log every 5 minutes</source>
        <translation>Registrar a cada 5 minutos</translation>
    </message>
    <message>
        <source>Log every 10 minutes</source>
        <translation>Registrar a cada 10 minutos</translation>
    </message>
    <message>
        <source>Log every 30 minutes</source>
        <translation>Registrar a cada 30 minutos</translation>
    </message>
    <message>
        <source>Log every 1 hour</source>
        <translation>Registrar a cada hora</translation>
    </message>
    <message>
        <source>Log every 6 hours</source>
        <translation>Registrar a cada 6 horas</translation>
    </message>
    <message>
        <source>Log every 12 hours</source>
        <translation>Registrar a cada 12 horas</translation>
    </message>
    <message>
        <source>Log every 24 hours</source>
        <translation>Registrar a cada 24 horas</translation>
    </message>
    <message>
        <source>How often would you like to log bandwidth usage?</source>
        <translation>Com que frequência você deseja registrar o uso de largura de banda?</translation>
    </message>
    <message>
        <source>Bandwidth Usage</source>
        <translation>Uso de largura de banda</translation>
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
        <translation>O novo idioma será aplicado na próxima inicialização.</translation>
    </message>
</context>
<context>
    <name>bytelora::MainWindow</name>
    <message>
        <source>Next bandwidth usage snapshot will occur in </source>
        <translation>Próximo instantâneo do uso de largura de banda em </translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Barra de progresso</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Opções de inicialização</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Iniciar com o Windows</translation>
    </message>
    <message>
        <source>Minimized to system tray</source>
        <translation>Iniciar minimizado</translation>
    </message>
    <message>
        <source>Turn On Automatic Logging</source>
        <translation>Ativar registro automático</translation>
    </message>
    <message>
        <source>View History Graph</source>
        <translation>Ver gráfico do histórico</translation>
    </message>
    <message>
        <source>View History Log</source>
        <translation>Ver registro do histórico</translation>
    </message>
    <message>
        <source>Copy History To Clipboard</source>
        <translation>Copiar histórico</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Clear History Log</source>
        <translation>Limpar registro do histórico</translation>
    </message>
    <message>
        <source>Data usage…</source>
        <translation>Uso de dados…</translation>
    </message>
    <message>
        <source>Applications…</source>
        <translation>Aplicativos…</translation>
    </message>
    <message>
        <source>Data usage: </source>
        <translation>Uso de dados: </translation>
    </message>
    <message>
        <source>Data usage cannot be recorded:<byte value="xd"/>
</source>
        <translation>Não é possível registrar o uso de dados:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Automatic Log is Turned Off.</source>
        <translation>O registro automático está desativado.</translation>
    </message>
    <message>
        <source>Logging bandwidth usage is running in background...</source>
        <translation>O registro do uso de largura de banda está em execução em segundo plano...</translation>
    </message>
    <message>
        <source>Automatic Logging Bandwidth Usage Complete at </source>
        <translation>Registro automático do uso de largura de banda concluído em </translation>
    </message>
    <message>
        <source>Automatic Log is Off.</source>
        <translation>Registro automático desativado.</translation>
    </message>
    <message>
        <source>Turn On Automatic Log</source>
        <translation>Ativar o registro automático</translation>
    </message>
    <message>
        <source>Turn Off Automatic Log</source>
        <translation>Desativar o registro automático</translation>
    </message>
</context>
<context>
    <name>bytelora::RatesWindow</name>
    <message>
        <source>Bytelora Rates</source>
        <translation>Bytelora: velocidade</translation>
    </message>
</context>
<context>
    <name>bytelora::Settings</name>
    <message>
        <source>line %1 %2</source>
        <translation>(linha %1) %2</translation>
    </message>
    <message>
        <source>holds binary data</source>
        <translation>contém dados binários</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>não é texto UTF-8</translation>
    </message>
    <message>
        <source>is not a complete [section] line</source>
        <translation>contém uma linha [section] incompleta</translation>
    </message>
    <message>
        <source>is not a [section] or a key=value line</source>
        <translation>contém uma linha que não é nem [section] nem key=value</translation>
    </message>
    <message>
        <source>has a value without a key</source>
        <translation>tem um valor sem chave</translation>
    </message>
    <message>
        <source>cannot be looked at (%1)</source>
        <translation>não pode ser examinado (%1)</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>cannot be opened for reading</source>
        <translation>não pode ser aberto para leitura</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>The stored choice of interfaces (&quot;%1&quot;) cannot be read, so Bytelora counts the interfaces it picks itself. The stored value is kept as it is; choose the interfaces again under &quot;Interfaces...&quot; in the tray icon&apos;s menu to replace it.</source>
        <translation>A seleção de interfaces salva (“%1”) não pode ser lida, então o Bytelora conta as interfaces que ele mesmo escolhe. O valor salvo é mantido como está; para substituí-lo, escolha as interfaces novamente em “Interfaces…” no menu do ícone da área de notificação.</translation>
    </message>
    <message>
        <source>the registry key %1</source>
        <translation>a chave do registro %1</translation>
    </message>
    <message>
        <source>the settings file %1</source>
        <translation>o arquivo de configurações %1</translation>
    </message>
    <message>
        <source> (%1 is a file, so the folder cannot be made)</source>
        <translation> (%1 é um arquivo, portanto a pasta não pode ser criada)</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; was not saved: %2</source>
        <translation>A configuração “%1” não foi salva: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid settings name (it is empty or holds a &quot;/&quot; or &quot;\&quot;).</source>
        <translation>“%1” não é um nome de configuração válido (está vazio ou contém “/” ou “\”).</translation>
    </message>
    <message>
        <source>no folder for settings was found (neither XDG_CONFIG_HOME nor HOME names one).</source>
        <translation>nenhuma pasta para as configurações foi encontrada (nem XDG_CONFIG_HOME nem HOME indicam uma).</translation>
    </message>
    <message>
        <source>%1 %2. It was left as it is; repair or remove it, then try again.</source>
        <translation>%1 %2. Ele foi deixado como está; repare-o ou remova-o e tente novamente.</translation>
    </message>
    <message>
        <source>%1 is damaged. It was left as it is; repair or remove it, then try again.</source>
        <translation>%1 está danificado. Ele foi deixado como está; repare-o ou remova-o e tente novamente.</translation>
    </message>
    <message>
        <source>%1 could not be written%2.</source>
        <translation>não foi possível gravar %1%2.</translation>
    </message>
    <message>
        <source>Bytelora could not write the registry value &quot;%1&quot; under %2: %3</source>
        <translation>O Bytelora não conseguiu gravar o valor do registro “%1” em %2: %3</translation>
    </message>
    <message>
        <source>Bytelora could not delete the registry value &quot;%1&quot; under %2: %3</source>
        <translation>O Bytelora não conseguiu excluir o valor do registro “%1” em %2: %3</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be saved:<byte value="xd"/>
%2</source>
        <translation>Não foi possível salvar a configuração “%1”:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>write its autostart entry</source>
        <translation>gravar sua entrada de inicialização automática</translation>
    </message>
    <message>
        <source>put its autostart entry in place</source>
        <translation>colocar sua entrada de inicialização automática no lugar</translation>
    </message>
    <message>
        <source>find its own program file</source>
        <translation>encontrar seu próprio arquivo de programa</translation>
    </message>
    <message>
        <source>make the autostart folder</source>
        <translation>criar a pasta de inicialização automática</translation>
    </message>
    <message>
        <source>remove its autostart entry</source>
        <translation>remover sua entrada de inicialização automática</translation>
    </message>
    <message>
        <source>Bytelora could not %1: %2: %3.</source>
        <translation>O Bytelora não conseguiu %1: %2: %3.</translation>
    </message>
    <message>
        <source>Bytelora could not find the folder for autostart entries: neither XDG_CONFIG_HOME nor HOME names one.</source>
        <translation>O Bytelora não conseguiu encontrar a pasta das entradas de inicialização automática: nem XDG_CONFIG_HOME nem HOME indicam uma.</translation>
    </message>
</context>
<context>
    <name>bytelora::SingleInstance</name>
    <message>
        <source>The instance lock %1 cannot be made; Bytelora runs without it, so a second start is not caught.</source>
        <translation>Não é possível criar o bloqueio de instância %1; o Bytelora é executado sem ele, portanto uma segunda inicialização não será detectada.</translation>
    </message>
    <message>
        <source>Bytelora cannot listen on %1 (%2); a second start cannot bring this window forward.</source>
        <translation>O Bytelora não pode escutar em %1 (%2); uma segunda inicialização não poderá trazer esta janela para a frente.</translation>
    </message>
</context>
<context>
    <name>bytelora::StartupOptions</name>
    <message>
        <source>Bytelora could not be set to start with your session:<byte value="xd"/>
</source>
        <translation>Não foi possível configurar o Bytelora para iniciar com a sua sessão:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Bytelora could not stop starting with your session:<byte value="xd"/>
</source>
        <translation>Não foi possível impedir que o Bytelora inicie com a sua sessão:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayBehaviour</name>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;Q&apos; icon (Q for Quillmark) to bring the software back.</source>
        <translation>foi minimizado para a área de notificação.<byte value="xd"/>
Clique no ícone azul “Q” (Q de Quillmark) para restaurar o programa.</translation>
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
        <translation>Mostrar Bytelora</translation>
    </message>
    <message>
        <source>Interfaces…</source>
        <translation>Interfaces…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Rates Window</source>
        <translation>Janela de velocidade</translation>
    </message>
    <message>
        <source>Rates Window Chart</source>
        <translation>Gráfico de velocidade</translation>
    </message>
</context>
<context>
    <name>bytelora::UsageLimit</name>
    <message>
        <source>about %1 by the %2th</source>
        <translation>cerca de %1 até o dia %2</translation>
    </message>
    <message>
        <source>about %1 by the %2st</source>
        <translation>cerca de %1 até o dia %2</translation>
    </message>
    <message>
        <source>about %1 by the %2nd</source>
        <translation>cerca de %1 até o dia %2</translation>
    </message>
    <message>
        <source>about %1 by the %2rd</source>
        <translation>cerca de %1 até o dia %2</translation>
    </message>
    <message>
        <source>The monthly data limit is reached: %1 of %2 used this month.</source>
        <translation>O limite mensal de dados foi atingido: %1 de %2 usados este mês.</translation>
    </message>
    <message>
        <source>90 % of the monthly data limit is used: %1 of %2 this month.</source>
        <translation>90 % do limite mensal de dados foi usado: %1 de %2 este mês.</translation>
    </message>
</context>
<context>
    <name>bytelora::UsageTable</name>
    <message>
        <source>Application</source>
        <translation>Aplicativo</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Recebido</translation>
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
        <translation>Mês</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>bytelora::UsageWindow</name>
    <message>
        <source>Data usage - Bytelora</source>
        <translation>Uso de dados - Bytelora</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Este mês</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>All counted interfaces</source>
        <translation>Todas as interfaces contadas</translation>
    </message>
    <message>
        <source>By application</source>
        <translation>Por aplicativo</translation>
    </message>
    <message>
        <source>Each application&apos;s bytes today or this month, where the per-application counter ran while they were recorded</source>
        <translation>Os bytes de cada aplicativo hoje ou neste mês, onde o contador por aplicativo estava em execução quando foram registrados</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportar CSV…</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sem limite</translation>
    </message>
    <message>
        <source>Alert at 90 % and at 100 %</source>
        <translation>Alertar em 90 % e em 100 %</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>Interface:</translation>
    </message>
    <message>
        <source>Monthly limit</source>
        <translation>Limite mensal</translation>
    </message>
    <message>
        <source>Data limit:</source>
        <translation>Limite de dados:</translation>
    </message>
    <message>
        <source>Month starts on day:</source>
        <translation>O mês começa no dia:</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Recebido</translation>
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
        <translation>Aplicativo</translation>
    </message>
    <message>
        <source>This month: %1</source>
        <translation>Este mês: %1</translation>
    </message>
    <message>
        <source> of %1 (%2 %)</source>
        <translation> de %1 (%2 %)</translation>
    </message>
    <message>
        <source>The data usage could not be exported to %1:<byte value="xd"/>
%2</source>
        <translation>Não foi possível exportar o uso de dados para %1:<byte value="xd"/>
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
  interfaces         lê a tabela de interfaces uma vez e a lista com os totais
  watch [--interface NAME]...
                     mostra as taxas de download e upload a cada segundo
  log [--every E] [--interface NAME]...
                     grava instantâneos do uso de largura de banda no registro
                     do histórico; E é um dos intervalos abaixo (padrão: o
                     escolhido na janela); também registra o uso de dados
                     quando nenhum outro Bytelora o faz
  log ... --textfile-dir DIR
                     também grava o uso de dados para o Prometheus em DIR uma
                     vez por minuto (coletor textfile do node_exporter)
  usage [VIEW] [--begin DATE] [--end DATE] [--interface NAME] [--json|--csv]
                     o uso de dados; VIEW é um destes
    --hours          as últimas 24 horas, por hora
    --days           este mês de faturamento, por dia, até hoje (o padrão)
    --months         os últimos 24 meses de faturamento
    --years          cada ano com uso
    --top N          os N dias de maior tráfego
                     DATE é YYYY-MM-DD, hora local; --begin e --end escolhem
                     os dias que qualquer visão abrange (ambos incluídos)
  usage --limit [--interface NAME]
                     uma linha sobre este mês de faturamento em relação ao
                     limite mensal; sai com 1 quando o limite é atingido,
                     senão com 0
  usage --prometheus [--interface NAME]
                     os totais de todo o período por interface no formato de
                     texto do Prometheus
  usage --apps [--hours|--days|--months|--years] [--begin DATE] [--end DATE]
        [--json|--csv]
                     os bytes de cada aplicativo na visão, do maior para o
                     menor (registrados onde o contador por aplicativo roda)
  apps [--json]      os bytes de cada aplicativo desde que o contador por
                     aplicativo (bytelora-countd) foi iniciado, e o tráfego
                     que não pertence a nenhum programa local

--interface conta apenas as interfaces indicadas (os nomes devem coincidir
exatamente); sem essa opção, contam as interfaces escolhidas na janela ou, se
não houver, as que o Bytelora escolhe por conta própria.
  --help             mostra este texto
  --version          mostra a versão

Intervalos:
</translation>
    </message>
    <message>
        <source>
watch and log run until interrupted (Ctrl-C).
</source>
        <translation>
watch e log são executados até serem interrompidos (Ctrl-C).
</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicativo</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Recebido</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Executable</source>
        <translation>Executável</translation>
    </message>
    <message>
        <source>Other (traffic no local program owns: forwarded, bridged)</source>
        <translation>Outros (tráfego que não pertence a nenhum programa local: encaminhado, em ponte)</translation>
    </message>
    <message>
        <source>Other (traffic none of your programs owns: other users&apos;, forwarded, bridged)</source>
        <translation>Outros (tráfego que não pertence a nenhum dos seus programas: de outros usuários, encaminhado, em ponte)</translation>
    </message>
    <message>
        <source>%1 received, %2 sent</source>
        <translation>%1 recebidos, %2 enviados</translation>
    </message>
    <message>
        <source>not known (the counter left no record of the interfaces at its start)</source>
        <translation>desconhecido (o contador não deixou registro das interfaces ao iniciar)</translation>
    </message>
    <message>
        <source>%1 and %2 cannot go together</source>
        <translation>%1 e %2 não podem ser usados juntos</translation>
    </message>
    <message>
        <source>--top needs a number of days (1 or more)</source>
        <translation>--top precisa de um número de dias (1 ou mais)</translation>
    </message>
    <message>
        <source>%1 needs a date as YYYY-MM-DD</source>
        <translation>%1 precisa de uma data no formato YYYY-MM-DD</translation>
    </message>
    <message>
        <source>--interface needs a name</source>
        <translation>--interface precisa de um nome</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--begin is after --end</source>
        <translation>--begin é posterior a --end</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nenhum comando informado</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconhecido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--every needs an interval</source>
        <translation>--every precisa de um intervalo</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not one of the intervals</source>
        <translation>&apos;%1&apos; não é um dos intervalos</translation>
    </message>
    <message>
        <source>--textfile-dir needs a folder</source>
        <translation>--textfile-dir precisa de uma pasta</translation>
    </message>
    <message>
        <source>The stored interval &quot;%1&quot; is not one of the choices; using &quot;%2&quot;.</source>
        <translation>O intervalo salvo &quot;%1&quot; não é uma das opções; usando &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Total received: %1 bytes</source>
        <translation>Total recebido: %1 bytes</translation>
    </message>
    <message>
        <source>Total sent: %1 bytes</source>
        <translation>Total enviado: %1 bytes</translation>
    </message>
    <message>
        <source>Taking a bandwidth usage snapshot every %1 s into %2 (Ctrl-C ends).</source>
        <translation>Registrando um instantâneo do uso de largura de banda a cada %1 s em %2 (Ctrl-C encerra).</translation>
    </message>
    <message>
        <source>the data usage has no interface &apos;%1&apos;; it has none yet.</source>
        <translation>o uso de dados não tem nenhuma interface &apos;%1&apos;; ainda não tem nenhuma.</translation>
    </message>
    <message>
        <source>the data usage has no interface &apos;%1&apos;; it has %2.</source>
        <translation>o uso de dados não tem nenhuma interface &apos;%1&apos;; tem %2.</translation>
    </message>
    <message>
        <source>No monthly limit is set: %1 used since %2.</source>
        <translation>Nenhum limite mensal definido: %1 usados desde %2.</translation>
    </message>
    <message>
        <source>The monthly limit is reached: %1 of %2 used since %3.</source>
        <translation>O limite mensal foi atingido: %1 de %2 usados desde %3.</translation>
    </message>
    <message>
        <source>Within the monthly limit: %1 of %2 used since %3.</source>
        <translation>Dentro do limite mensal: %1 de %2 usados desde %3.</translation>
    </message>
    <message>
        <source>the data usage database %1 cannot be read: %2. Bytelora moves it aside and starts a new one when it next records.</source>
        <translation>não é possível ler o banco de dados do uso de dados %1: %2. O Bytelora o moverá para outro lugar e criará um novo na próxima vez que registrar.</translation>
    </message>
    <message>
        <source>the data usage database %1 cannot be read: %2.</source>
        <translation>não é possível ler o banco de dados do uso de dados %1: %2.</translation>
    </message>
    <message>
        <source>1 program could not be told apart; its bytes are in Other</source>
        <translation>1 programa não pôde ser distinguido; seus bytes estão em Outros</translation>
    </message>
    <message>
        <source>yes (%1)</source>
        <translation>sim (%1)</translation>
    </message>
    <message>
        <source>no (%1)</source>
        <translation>não (%1)</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índ.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
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
        <translation>Descrição</translation>
    </message>
    <message numerus="yes">
        <source>%n programs could not be told apart; their bytes are in Other</source>
        <translation>
            <numerusform>%n programa não pôde ser distinguido; seus bytes estão em Outros</numerusform>
            <numerusform>%n programas não puderam ser distinguidos; seus bytes estão em Outros</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Bytelora is already running but does not answer. Close it, or end it, and start it again.</source>
        <translation>O Bytelora já está em execução, mas não responde. Feche-o ou encerre-o e inicie-o novamente.</translation>
    </message>
</context>
</TS>
