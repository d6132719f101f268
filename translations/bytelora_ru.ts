<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>GlanceMenus</name>
    <message>
        <source>Icon Shows</source>
        <translation>Значок показывает</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Логотип</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>График</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Единицы</translation>
    </message>
    <message>
        <source>Bytes per second</source>
        <translation>Байты в секунду</translation>
    </message>
    <message>
        <source>Bits per second</source>
        <translation>Биты в секунду</translation>
    </message>
</context>
<context>
    <name>bytelora::AppsWindow</name>
    <message>
        <source> - Applications</source>
        <translation> - Приложения</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Отдача</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Принято</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Отправлено</translation>
    </message>
    <message>
        <source>Received and sent: since the per-application counter started</source>
        <translation>Принято и отправлено: с запуска счётчика по приложениям</translation>
    </message>
    <message>
        <source>Received today</source>
        <translation>Принято сегодня</translation>
    </message>
    <message>
        <source>Sent today</source>
        <translation>Отправлено сегодня</translation>
    </message>
    <message>
        <source>Received and sent: today, since midnight</source>
        <translation>Принято и отправлено: сегодня, с полуночи</translation>
    </message>
    <message>
        <source>The per-application counter is not available.</source>
        <translation>Счётчик по приложениям недоступен.</translation>
    </message>
    <message numerus="yes">
        <source>%n programs could not be told apart; their bytes are in Other</source>
        <translation>
            <numerusform>Не удалось различить %n программу; её байты учтены в строке «Прочее»</numerusform>
            <numerusform>Не удалось различить %n программы; их байты учтены в строке «Прочее»</numerusform>
            <numerusform>Не удалось различить %n программ; их байты учтены в строке «Прочее»</numerusform>
        </translation>
    </message>
    <message>
        <source>Kb/s</source>
        <translation>Кбит/с</translation>
    </message>
</context>
<context>
    <name>bytelora::ByteAmount</name>
    <message>
        <source>B</source>
        <translation>Б</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>КБ</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>ГБ</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>ТБ</translation>
    </message>
    <message>
        <source>PB</source>
        <translation>ПБ</translation>
    </message>
    <message>
        <source>EB</source>
        <translation>ЭБ</translation>
    </message>
</context>
<context>
    <name>bytelora::DataUsage</name>
    <message>
        <source>The data usage of more than a day ago (%1, %2 bytes) could not be stored in %3 and is given up. Later usage is still kept while the database cannot be written.</source>
        <translation>Расход трафика более чем суточной давности (%1, %2 байт) не удалось сохранить в %3, и он отброшен. Более поздний расход по-прежнему хранится, пока запись в базу данных невозможна.</translation>
    </message>
    <message>
        <source> The data usage is kept in memory (for up to a day) and written as soon as it can be.</source>
        <translation> Расход трафика хранится в памяти (не более суток) и будет записан, как только это станет возможно.</translation>
    </message>
    <message>
        <source>The data usage database %1 is locked by another program.</source>
        <translation>База данных расхода трафика %1 заблокирована другой программой.</translation>
    </message>
    <message>
        <source>The disk that holds the data usage database %1 is full.</source>
        <translation>Диск, на котором находится база данных расхода трафика %1, заполнен.</translation>
    </message>
    <message>
        <source>The data usage database %1 cannot be written (read-only).</source>
        <translation>Не удаётся записать в базу данных расхода трафика %1 (только для чтения).</translation>
    </message>
    <message>
        <source>The data usage database %1 comes from a newer Bytelora. It is shown but not changed; data usage is not recorded.</source>
        <translation>База данных расхода трафика %1 создана более новой версией Bytelora. Она показывается, но не изменяется; расход трафика не записывается.</translation>
    </message>
    <message>
        <source>The data usage database %1 is damaged.</source>
        <translation>База данных расхода трафика %1 повреждена.</translation>
    </message>
    <message>
        <source>The data usage could not be written to %1.</source>
        <translation>Не удалось записать расход трафика в %1.</translation>
    </message>
    <message>
        <source>The data usage not yet stored (%1, %2 bytes) could not be written to %3 and is lost.</source>
        <translation>Ещё не сохранённый расход трафика (%1, %2 байт) не удалось записать в %3, и он потерян.</translation>
    </message>
    <message>
        <source>Another Bytelora records the data usage; this one does not.</source>
        <translation>Расход трафика записывает другой экземпляр Bytelora; этот экземпляр его не записывает.</translation>
    </message>
    <message>
        <source>The data usage for Prometheus cannot be written: %1.</source>
        <translation>Не удаётся записать расход трафика для Prometheus: %1.</translation>
    </message>
    <message>
        <source>The data usage database %1 was damaged. It was kept as %2 and a new database was started.</source>
        <translation>База данных расхода трафика %1 была повреждена. Она сохранена как %2, и начата новая база данных.</translation>
    </message>
    <message>
        <source>The data usage database %1 is damaged and could not be moved aside (%2). Data usage is not recorded.</source>
        <translation>База данных расхода трафика %1 повреждена, и её не удалось переместить (%2). Расход трафика не записывается.</translation>
    </message>
</context>
<context>
    <name>bytelora::ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Пожалуйста, отправьте снимок экрана с этим сообщением по адресу </translation>
    </message>
</context>
<context>
    <name>bytelora::GraphWindow</name>
    <message>
        <source>Bandwidth Graph</source>
        <translation>График трафика</translation>
    </message>
</context>
<context>
    <name>bytelora::HistoryLog</name>
    <message>
        <source>Cannot write to the history log &quot;%1&quot;: %2</source>
        <translation>Не удаётся записать в журнал истории «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read the history log &quot;%1&quot;: %2</source>
        <translation>Не удаётся прочитать журнал истории «%1»: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link, which is not followed</source>
        <translation>это символическая ссылка, а по ссылкам переход не выполняется</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>он принадлежит другому пользователю</translation>
    </message>
    <message>
        <source>%1; the line was not added</source>
        <translation>%1; строка не добавлена</translation>
    </message>
</context>
<context>
    <name>bytelora::InterfaceText</name>
    <message>
        <source>hardware</source>
        <translation>оборудование</translation>
    </message>
    <message>
        <source>default route</source>
        <translation>маршрут по умолчанию</translation>
    </message>
    <message>
        <source>every interface</source>
        <translation>все интерфейсы</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>выбран</translation>
    </message>
    <message>
        <source>virtual</source>
        <translation>виртуальный</translation>
    </message>
    <message>
        <source>no default route</source>
        <translation>нет маршрута по умолчанию</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>не выбран</translation>
    </message>
    <message>
        <source>loopback</source>
        <translation>петлевой</translation>
    </message>
    <message>
        <source>filter</source>
        <translation>фильтр</translation>
    </message>
    <message>
        <source>other</source>
        <translation>другой</translation>
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
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>tunnel</source>
        <translation>туннель</translation>
    </message>
    <message>
        <source>up</source>
        <translation>активен</translation>
    </message>
    <message>
        <source>down</source>
        <translation>неактивен</translation>
    </message>
    <message>
        <source>testing</source>
        <translation>тестирование</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>dormant</source>
        <translation>ожидание</translation>
    </message>
    <message>
        <source>notpresent</source>
        <translation>отсутствует</translation>
    </message>
    <message>
        <source>lowerlayerdown</source>
        <translation>канал отключён</translation>
    </message>
    <message>
        <source>non-operational</source>
        <translation>не работает</translation>
    </message>
    <message>
        <source>unreachable</source>
        <translation>недоступен</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>отключён</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>подключается</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>подключён</translation>
    </message>
    <message>
        <source>operational</source>
        <translation>работает</translation>
    </message>
</context>
<context>
    <name>bytelora::InterfacesDialog</name>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Interfaces</source>
        <translation>Сетевые интерфейсы</translation>
    </message>
    <message>
        <source>Use the automatic choice</source>
        <translation>Выбирать автоматически</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Интерфейс</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Принято</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Отправлено</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Учёт</translation>
    </message>
    <message>
        <source>The automatic choice counts the interfaces with hardware behind them; without any, those with a default route; without those, all. Received and sent are counted since the system started.</source>
        <translation>При автоматическом выборе учитываются интерфейсы с реальным оборудованием; если таких нет — интерфейсы с маршрутом по умолчанию; если нет и таких — все. Принятое и отправленное считается с момента запуска системы.</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>отсутствует</translation>
    </message>
    <message>
        <source>No (not present)</source>
        <translation>Нет (отсутствует)</translation>
    </message>
</context>
<context>
    <name>bytelora::IntervalTable</name>
    <message>
        <source>Log every 1 second</source>
        <translation>Записывать каждую секунду</translation>
    </message>
    <message>
        <source>Log every 5 seconds</source>
        <translation>Записывать каждые 5 секунд</translation>
    </message>
    <message>
        <source>Log every 10 seconds</source>
        <translation>Записывать каждые 10 секунд</translation>
    </message>
    <message>
        <source>Log every 30 seconds</source>
        <translation>Записывать каждые 30 секунд</translation>
    </message>
    <message>
        <source>Log every 1 minute</source>
        <translation>Записывать каждую минуту</translation>
    </message>
    <message>
        <source>Log every 5 minutes</source>
        <translation>Записывать каждые 5 минут</translation>
    </message>
    <message>
        <source>Log every 10 minutes</source>
        <translation>Записывать каждые 10 минут</translation>
    </message>
    <message>
        <source>Log every 30 minutes</source>
        <translation>Записывать каждые 30 минут</translation>
    </message>
    <message>
        <source>Log every 1 hour</source>
        <translation>Записывать каждый час</translation>
    </message>
    <message>
        <source>Log every 6 hours</source>
        <translation>Записывать каждые 6 часов</translation>
    </message>
    <message>
        <source>Log every 12 hours</source>
        <translation>Записывать каждые 12 часов</translation>
    </message>
    <message>
        <source>Log every 24 hours</source>
        <translation>Записывать каждые 24 часа</translation>
    </message>
    <message>
        <source>How often would you like to log bandwidth usage?</source>
        <translation>Как часто записывать трафик?</translation>
    </message>
    <message>
        <source>Bandwidth Usage</source>
        <translation>Трафик</translation>
    </message>
</context>
<context>
    <name>bytelora::LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>A new language shows at the next start.</source>
        <translation>Новый язык будет применён при следующем запуске.</translation>
    </message>
</context>
<context>
    <name>bytelora::MainWindow</name>
    <message>
        <source>Next bandwidth usage snapshot will occur in </source>
        <translation>Следующий снимок трафика будет сделан через </translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Индикатор выполнения</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Параметры запуска</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Загружать при запуске Windows</translation>
    </message>
    <message>
        <source>Minimized to system tray</source>
        <translation>Запускать в трее</translation>
    </message>
    <message>
        <source>Turn On Automatic Logging</source>
        <translation>Включить автозапись</translation>
    </message>
    <message>
        <source>View History Graph</source>
        <translation>Показать график истории</translation>
    </message>
    <message>
        <source>View History Log</source>
        <translation>Показать журнал истории</translation>
    </message>
    <message>
        <source>Copy History To Clipboard</source>
        <translation>Копировать историю в буфер</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Clear History Log</source>
        <translation>Очистить журнал истории</translation>
    </message>
    <message>
        <source>Data usage…</source>
        <translation>Расход трафика…</translation>
    </message>
    <message>
        <source>Applications…</source>
        <translation>Приложения…</translation>
    </message>
    <message>
        <source>Data usage: </source>
        <translation>Расход трафика: </translation>
    </message>
    <message>
        <source>Data usage cannot be recorded:<byte value="xd"/>
</source>
        <translation>Не удаётся записать расход трафика:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Automatic Log is Turned Off.</source>
        <translation>Автозапись остановлена.</translation>
    </message>
    <message>
        <source>Logging bandwidth usage is running in background...</source>
        <translation>Запись трафика выполняется в фоновом режиме...</translation>
    </message>
    <message>
        <source>Automatic Logging Bandwidth Usage Complete at </source>
        <translation>Автозапись трафика завершена: </translation>
    </message>
    <message>
        <source>Automatic Log is Off.</source>
        <translation>Автозапись выключена.</translation>
    </message>
    <message>
        <source>Turn On Automatic Log</source>
        <translation>Запустить автозапись</translation>
    </message>
    <message>
        <source>Turn Off Automatic Log</source>
        <translation>Остановить автозапись</translation>
    </message>
</context>
<context>
    <name>bytelora::RatesWindow</name>
    <message>
        <source>Bytelora Rates</source>
        <translation>Скорость — Bytelora</translation>
    </message>
</context>
<context>
    <name>bytelora::Settings</name>
    <message>
        <source>line %1 %2</source>
        <translation>строка %1 %2</translation>
    </message>
    <message>
        <source>holds binary data</source>
        <translation>содержит двоичные данные</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>не является текстом в UTF-8</translation>
    </message>
    <message>
        <source>is not a complete [section] line</source>
        <translation>не является полной строкой [section]</translation>
    </message>
    <message>
        <source>is not a [section] or a key=value line</source>
        <translation>не является ни строкой [section], ни строкой key=value</translation>
    </message>
    <message>
        <source>has a value without a key</source>
        <translation>содержит значение без ключа</translation>
    </message>
    <message>
        <source>cannot be looked at (%1)</source>
        <translation>недоступен для проверки (%1)</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>это папка, а не файл</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>не является обычным файлом</translation>
    </message>
    <message>
        <source>cannot be opened for reading</source>
        <translation>не открывается для чтения</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>не читается</translation>
    </message>
    <message>
        <source>The stored choice of interfaces (&quot;%1&quot;) cannot be read, so Bytelora counts the interfaces it picks itself. The stored value is kept as it is; choose the interfaces again under &quot;Interfaces...&quot; in the tray icon&apos;s menu to replace it.</source>
        <translation>Не удаётся прочитать сохранённый выбор интерфейсов («%1»), поэтому Bytelora учитывает интерфейсы, выбранные ею самой. Сохранённое значение оставлено как есть; чтобы заменить его, снова выберите интерфейсы в пункте «Интерфейсы…» меню значка в трее.</translation>
    </message>
    <message>
        <source>the registry key %1</source>
        <translation>раздел реестра %1</translation>
    </message>
    <message>
        <source>the settings file %1</source>
        <translation>файл настроек %1</translation>
    </message>
    <message>
        <source> (%1 is a file, so the folder cannot be made)</source>
        <translation> (%1 — файл, поэтому папку создать нельзя)</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; was not saved: %2</source>
        <translation>Параметр «%1» не сохранён: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid settings name (it is empty or holds a &quot;/&quot; or &quot;\&quot;).</source>
        <translation>«%1» — недопустимое имя параметра (оно пустое или содержит «/» или «\»).</translation>
    </message>
    <message>
        <source>no folder for settings was found (neither XDG_CONFIG_HOME nor HOME names one).</source>
        <translation>не найдена папка для настроек (ни XDG_CONFIG_HOME, ни HOME её не указывают).</translation>
    </message>
    <message>
        <source>%1 %2. It was left as it is; repair or remove it, then try again.</source>
        <translation>%1: %2. Он оставлен без изменений; исправьте или удалите его и повторите попытку.</translation>
    </message>
    <message>
        <source>%1 is damaged. It was left as it is; repair or remove it, then try again.</source>
        <translation>%1 повреждён. Он оставлен без изменений; исправьте или удалите его и повторите попытку.</translation>
    </message>
    <message>
        <source>%1 could not be written%2.</source>
        <translation>не удалось записать %1%2.</translation>
    </message>
    <message>
        <source>Bytelora could not write the registry value &quot;%1&quot; under %2: %3</source>
        <translation>Программе Bytelora не удалось записать значение реестра «%1» в разделе %2: %3</translation>
    </message>
    <message>
        <source>Bytelora could not delete the registry value &quot;%1&quot; under %2: %3</source>
        <translation>Программе Bytelora не удалось удалить значение реестра «%1» в разделе %2: %3</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be saved:<byte value="xd"/>
%2</source>
        <translation>Не удалось сохранить параметр «%1»:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>write its autostart entry</source>
        <translation>записать свой элемент автозапуска</translation>
    </message>
    <message>
        <source>put its autostart entry in place</source>
        <translation>поместить свой элемент автозапуска на место</translation>
    </message>
    <message>
        <source>find its own program file</source>
        <translation>найти собственный исполняемый файл</translation>
    </message>
    <message>
        <source>make the autostart folder</source>
        <translation>создать папку автозапуска</translation>
    </message>
    <message>
        <source>remove its autostart entry</source>
        <translation>удалить свой элемент автозапуска</translation>
    </message>
    <message>
        <source>Bytelora could not %1: %2: %3.</source>
        <translation>Программе Bytelora не удалось %1: %2: %3.</translation>
    </message>
    <message>
        <source>Bytelora could not find the folder for autostart entries: neither XDG_CONFIG_HOME nor HOME names one.</source>
        <translation>Программе Bytelora не удалось найти папку для элементов автозапуска: ни XDG_CONFIG_HOME, ни HOME её не указывают.</translation>
    </message>
</context>
<context>
    <name>bytelora::SingleInstance</name>
    <message>
        <source>The instance lock %1 cannot be made; Bytelora runs without it, so a second start is not caught.</source>
        <translation>Не удаётся создать блокировку экземпляра %1; Bytelora работает без неё, поэтому повторный запуск не будет обнаружен.</translation>
    </message>
    <message>
        <source>Bytelora cannot listen on %1 (%2); a second start cannot bring this window forward.</source>
        <translation>Bytelora не может ожидать подключений на %1 (%2); при повторном запуске это окно не будет выведено на передний план.</translation>
    </message>
</context>
<context>
    <name>bytelora::StartupOptions</name>
    <message>
        <source>Bytelora could not be set to start with your session:<byte value="xd"/>
</source>
        <translation>Не удалось включить запуск Bytelora при входе в систему:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Bytelora could not stop starting with your session:<byte value="xd"/>
</source>
        <translation>Не удалось отключить запуск Bytelora при входе в систему:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayBehaviour</name>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;Q&apos; icon (Q for Quillmark) to bring the software back.</source>
        <translation>свёрнута в системный трей.<byte value="xd"/>
Щёлкните синий значок «Q» (Q — от Quillmark), чтобы снова открыть программу.</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayIcon</name>
    <message>
        <source>%1 — Download: %2, Upload: %3</source>
        <translation>%1 — Загрузка: %2, Отдача: %3</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayMenu</name>
    <message>
        <source>Show Bytelora</source>
        <translation>Показать Bytelora</translation>
    </message>
    <message>
        <source>Interfaces…</source>
        <translation>Интерфейсы…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Rates Window</source>
        <translation>Окно скорости</translation>
    </message>
    <message>
        <source>Rates Window Chart</source>
        <translation>График в окне скорости</translation>
    </message>
</context>
<context>
    <name>bytelora::UsageLimit</name>
    <message>
        <source>about %1 by the %2th</source>
        <translation>около %1 к %2-му числу</translation>
    </message>
    <message>
        <source>about %1 by the %2st</source>
        <translation>около %1 к %2-му числу</translation>
    </message>
    <message>
        <source>about %1 by the %2nd</source>
        <translation>около %1 к %2-му числу</translation>
    </message>
    <message>
        <source>about %1 by the %2rd</source>
        <translation>около %1 к %2-му числу</translation>
    </message>
    <message>
        <source>The monthly data limit is reached: %1 of %2 used this month.</source>
        <translation>Месячный лимит трафика исчерпан: в этом месяце израсходовано %1 из %2.</translation>
    </message>
    <message>
        <source>90 % of the monthly data limit is used: %1 of %2 this month.</source>
        <translation>Израсходовано 90 % месячного лимита трафика: %1 из %2 в этом месяце.</translation>
    </message>
</context>
<context>
    <name>bytelora::UsageTable</name>
    <message>
        <source>Application</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Принято</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Отправлено</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Всего</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
</context>
<context>
    <name>bytelora::UsageWindow</name>
    <message>
        <source>Data usage - Bytelora</source>
        <translation>Расход трафика - Bytelora</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Экспорт в CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Этот месяц</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>По месяцам</translation>
    </message>
    <message>
        <source>All counted interfaces</source>
        <translation>Все учитываемые интерфейсы</translation>
    </message>
    <message>
        <source>By application</source>
        <translation>По приложениям</translation>
    </message>
    <message>
        <source>Each application&apos;s bytes today or this month, where the per-application counter ran while they were recorded</source>
        <translation>Байты каждого приложения за сегодня или за этот месяц — за то время, когда при записи работал счётчик по приложениям</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Экспорт в CSV…</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Без лимита</translation>
    </message>
    <message>
        <source>Alert at 90 % and at 100 %</source>
        <translation>Предупреждать при 90 % и 100 %</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>Интерфейс:</translation>
    </message>
    <message>
        <source>Monthly limit</source>
        <translation>Месячный лимит</translation>
    </message>
    <message>
        <source>Data limit:</source>
        <translation>Лимит трафика:</translation>
    </message>
    <message>
        <source>Month starts on day:</source>
        <translation>Первый день месяца:</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Принято</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Отправлено</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Всего</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>This month: %1</source>
        <translation>В этом месяце: %1</translation>
    </message>
    <message>
        <source> of %1 (%2 %)</source>
        <translation> из %1 (%2 %)</translation>
    </message>
    <message>
        <source>The data usage could not be exported to %1:<byte value="xd"/>
%2</source>
        <translation>Не удалось экспортировать расход трафика в %1:<byte value="xd"/>
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
        <translation>Использование: bytelora-cli COMMAND [OPTIONS]

Команды:
  interfaces         один раз прочитать таблицу интерфейсов и вывести её
                     с итогами
  watch [--interface NAME]...
                     выводить скорость загрузки и отдачи раз в секунду
  log [--every E] [--interface NAME]...
                     записывать снимки трафика в журнал истории;
                     E — один из интервалов ниже (по умолчанию выбранный
                     в окне); также записывает расход трафика, когда
                     его не записывает другой экземпляр Bytelora
  log ... --textfile-dir DIR
                     также раз в минуту записывать расход трафика для
                     Prometheus в DIR (textfile collector в node_exporter)
  usage [VIEW] [--begin DATE] [--end DATE] [--interface NAME] [--json|--csv]
                     расход трафика; VIEW — одно из следующих
    --hours          последние 24 часа по часам
    --days           текущий учётный месяц по дням до сегодня (по умолчанию)
    --months         последние 24 учётных месяца
    --years          все годы, в которых был расход
    --top N          N дней с наибольшим расходом
                     DATE в формате YYYY-MM-DD, местное время; --begin и
                     --end задают дни, которые охватывает любое
                     представление (включительно)
  usage --limit [--interface NAME]
                     одна строка о текущем учётном месяце относительно
                     месячного лимита; код выхода 1, если лимит
                     исчерпан, иначе 0
  usage --prometheus [--interface NAME]
                     итоги за всё время по каждому интерфейсу
                     в текстовом формате Prometheus
  usage --apps [--hours|--days|--months|--years] [--begin DATE] [--end DATE]
        [--json|--csv]
                     байты каждого приложения за период, по убыванию
                     (учитываются, пока работает счётчик по приложениям)
  apps [--json]      байты каждого приложения с запуска счётчика
                     по приложениям (bytelora-countd) и трафик, который
                     не принадлежит ни одной локальной программе

--interface учитывает только названные интерфейсы (имена должны совпадать
точно); без него учитываются интерфейсы, выбранные в окне, а если их нет —
те, которые Bytelora выбирает сама.
  --help             показать эту справку
  --version          показать версию

Интервалы:
</translation>
    </message>
    <message>
        <source>
watch and log run until interrupted (Ctrl-C).
</source>
        <translation>
watch и log работают, пока их не прервут (Ctrl-C).
</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Принято</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Отправлено</translation>
    </message>
    <message>
        <source>Executable</source>
        <translation>Исполняемый файл</translation>
    </message>
    <message>
        <source>Other (traffic no local program owns: forwarded, bridged)</source>
        <translation>Прочее (трафик, не принадлежащий ни одной локальной программе: пересылаемый, через мост)</translation>
    </message>
    <message>
        <source>Other (traffic none of your programs owns: other users&apos;, forwarded, bridged)</source>
        <translation>Прочее (трафик, не принадлежащий ни одной из ваших программ: других пользователей, пересылаемый, через мост)</translation>
    </message>
    <message>
        <source>%1 received, %2 sent</source>
        <translation>принято %1, отправлено %2</translation>
    </message>
    <message>
        <source>not known (the counter left no record of the interfaces at its start)</source>
        <translation>неизвестно (счётчик не сохранил сведений об интерфейсах при своём запуске)</translation>
    </message>
    <message>
        <source>%1 and %2 cannot go together</source>
        <translation>%1 и %2 нельзя использовать вместе</translation>
    </message>
    <message>
        <source>--top needs a number of days (1 or more)</source>
        <translation>для --top нужно число дней (1 или больше)</translation>
    </message>
    <message>
        <source>%1 needs a date as YYYY-MM-DD</source>
        <translation>для %1 нужна дата в формате YYYY-MM-DD</translation>
    </message>
    <message>
        <source>--interface needs a name</source>
        <translation>для --interface нужно имя</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>неизвестный параметр &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--begin is after --end</source>
        <translation>--begin позже, чем --end</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>команда не указана</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>неизвестная команда &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--every needs an interval</source>
        <translation>для --every нужен интервал</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not one of the intervals</source>
        <translation>&apos;%1&apos; не входит в список интервалов</translation>
    </message>
    <message>
        <source>--textfile-dir needs a folder</source>
        <translation>для --textfile-dir нужна папка</translation>
    </message>
    <message>
        <source>The stored interval &quot;%1&quot; is not one of the choices; using &quot;%2&quot;.</source>
        <translation>Сохранённый интервал «%1» не входит в список вариантов; используется «%2».</translation>
    </message>
    <message>
        <source>Total received: %1 bytes</source>
        <translation>Всего принято: %1 байт</translation>
    </message>
    <message>
        <source>Total sent: %1 bytes</source>
        <translation>Всего отправлено: %1 байт</translation>
    </message>
    <message>
        <source>Taking a bandwidth usage snapshot every %1 s into %2 (Ctrl-C ends).</source>
        <translation>Снимок трафика записывается в %2 каждые %1 с (Ctrl-C — завершить).</translation>
    </message>
    <message>
        <source>the data usage has no interface &apos;%1&apos;; it has none yet.</source>
        <translation>в расходе трафика нет интерфейса &apos;%1&apos;; интерфейсов в нём пока нет.</translation>
    </message>
    <message>
        <source>the data usage has no interface &apos;%1&apos;; it has %2.</source>
        <translation>в расходе трафика нет интерфейса &apos;%1&apos;; есть только: %2.</translation>
    </message>
    <message>
        <source>No monthly limit is set: %1 used since %2.</source>
        <translation>Месячный лимит не задан: с %2 израсходовано %1.</translation>
    </message>
    <message>
        <source>The monthly limit is reached: %1 of %2 used since %3.</source>
        <translation>Месячный лимит исчерпан: с %3 израсходовано %1 из %2.</translation>
    </message>
    <message>
        <source>Within the monthly limit: %1 of %2 used since %3.</source>
        <translation>В пределах месячного лимита: с %3 израсходовано %1 из %2.</translation>
    </message>
    <message>
        <source>the data usage database %1 cannot be read: %2. Bytelora moves it aside and starts a new one when it next records.</source>
        <translation>не удаётся прочитать базу данных расхода трафика %1: %2. При следующей записи Bytelora переместит её и начнёт новую.</translation>
    </message>
    <message>
        <source>the data usage database %1 cannot be read: %2.</source>
        <translation>не удаётся прочитать базу данных расхода трафика %1: %2.</translation>
    </message>
    <message>
        <source>1 program could not be told apart; its bytes are in Other</source>
        <translation>Не удалось различить 1 программу; её байты учтены в строке Прочее</translation>
    </message>
    <message>
        <source>yes (%1)</source>
        <translation>да (%1)</translation>
    </message>
    <message>
        <source>no (%1)</source>
        <translation>нет (%1)</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скор.</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Учёт</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message numerus="yes">
        <source>%n programs could not be told apart; their bytes are in Other</source>
        <translation>
            <numerusform>Не удалось различить %n программу; её байты учтены в строке Прочее</numerusform>
            <numerusform>Не удалось различить %n программы; их байты учтены в строке Прочее</numerusform>
            <numerusform>Не удалось различить %n программ; их байты учтены в строке Прочее</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Bytelora is already running but does not answer. Close it, or end it, and start it again.</source>
        <translation>Программа Bytelora уже запущена, но не отвечает. Закройте или завершите её, затем запустите снова.</translation>
    </message>
</context>
</TS>
