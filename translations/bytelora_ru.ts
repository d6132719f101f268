<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
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
</context>
<context>
    <name>bytelora::GraphWindow</name>
    <message>
        <source>Bandwidth Graph</source>
        <translation>График трафика</translation>
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
</context>
<context>
    <name>main</name>
    <message>
        <source>Bytelora is already running but does not answer. Close it, or end it, and start it again.</source>
        <translation>Программа Bytelora уже запущена, но не отвечает. Закройте или завершите её, затем запустите снова.</translation>
    </message>
</context>
</TS>
