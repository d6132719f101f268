<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>GlanceMenus</name>
    <message>
        <source>Icon Shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits per second</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bytelora::AppsWindow</name>
    <message>
        <source> - Applications</source>
        <translation> - 應用程式</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>上傳</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>已接收</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>已傳送</translation>
    </message>
    <message>
        <source>Received and sent: since the per-application counter started</source>
        <translation>已接收和已傳送：自個別應用程式計數器啟動以來</translation>
    </message>
    <message>
        <source>Received today</source>
        <translation>今日接收</translation>
    </message>
    <message>
        <source>Sent today</source>
        <translation>今日傳送</translation>
    </message>
    <message>
        <source>Received and sent: today, since midnight</source>
        <translation>已接收和已傳送：今天午夜 0 時以來</translation>
    </message>
    <message>
        <source>The per-application counter is not available.</source>
        <translation>無法使用個別應用程式計數器。</translation>
    </message>
    <message numerus="yes">
        <source>%n programs could not be told apart; their bytes are in Other</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Kb/s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bytelora::ByteAmount</name>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bytelora::DataUsage</name>
    <message>
        <source>The data usage of more than a day ago (%1, %2 bytes) could not be stored in %3 and is given up. Later usage is still kept while the database cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The data usage is kept in memory (for up to a day) and written as soon as it can be.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data usage database %1 is locked by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk that holds the data usage database %1 is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data usage database %1 cannot be written (read-only).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data usage database %1 comes from a newer Bytelora. It is shown but not changed; data usage is not recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data usage database %1 is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data usage could not be written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data usage not yet stored (%1, %2 bytes) could not be written to %3 and is lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another Bytelora records the data usage; this one does not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data usage for Prometheus cannot be written: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data usage database %1 was damaged. It was kept as %2 and a new database was started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data usage database %1 is damaged and could not be moved aside (%2). Data usage is not recorded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bytelora::ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bytelora::GraphWindow</name>
    <message>
        <source>Bandwidth Graph</source>
        <translation>頻寬圖表</translation>
    </message>
</context>
<context>
    <name>bytelora::HistoryLog</name>
    <message>
        <source>Cannot write to the history log &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the history log &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a symbolic link, which is not followed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; the line was not added</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bytelora::InterfaceText</name>
    <message>
        <source>hardware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>default route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>virtual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no default route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loopback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ethernet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ppp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wireless</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tunnel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>testing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dormant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>notpresent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lowerlayerdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>non-operational</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreachable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>operational</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bytelora::InterfacesDialog</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Interfaces</source>
        <translation>網路介面</translation>
    </message>
    <message>
        <source>Use the automatic choice</source>
        <translation>使用自動選擇</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>介面</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>已接收</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>已傳送</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>計入</translation>
    </message>
    <message>
        <source>The automatic choice counts the interfaces with hardware behind them; without any, those with a default route; without those, all. Received and sent are counted since the system started.</source>
        <translation>自動選擇會統計有實體硬體的介面；若沒有，則統計有預設路由的介面；若仍沒有，則統計所有介面。已接收和已傳送從系統啟動時開始計算。</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>不存在</translation>
    </message>
    <message>
        <source>No (not present)</source>
        <translation>否（不存在）</translation>
    </message>
</context>
<context>
    <name>bytelora::IntervalTable</name>
    <message>
        <source>Log every 1 second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log every 5 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log every 10 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log every 30 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log every 1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log every 5 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log every 10 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log every 30 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log every 1 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log every 6 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log every 12 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log every 24 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How often would you like to log bandwidth usage?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandwidth Usage</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bytelora::LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>System</source>
        <translation>跟隨系統</translation>
    </message>
    <message>
        <source>A new language shows at the next start.</source>
        <translation>新語言將在下次啟動時生效。</translation>
    </message>
</context>
<context>
    <name>bytelora::MainWindow</name>
    <message>
        <source>Next bandwidth usage snapshot will occur in </source>
        <translation>距離下一次頻寬使用量快照還有 </translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>進度列</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>啟動選項</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Windows 啟動時載入本軟體</translation>
    </message>
    <message>
        <source>Minimized to system tray</source>
        <translation>最小化到系統匣</translation>
    </message>
    <message>
        <source>Turn On Automatic Logging</source>
        <translation>開啟自動記錄</translation>
    </message>
    <message>
        <source>View History Graph</source>
        <translation>檢視歷史圖表</translation>
    </message>
    <message>
        <source>View History Log</source>
        <translation>檢視歷史記錄檔</translation>
    </message>
    <message>
        <source>Copy History To Clipboard</source>
        <translation>複製歷史到剪貼簿</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Clear History Log</source>
        <translation>清除歷史記錄檔</translation>
    </message>
    <message>
        <source>Data usage…</source>
        <translation>資料使用量…</translation>
    </message>
    <message>
        <source>Applications…</source>
        <translation>應用程式…</translation>
    </message>
    <message>
        <source>Data usage: </source>
        <translation>資料使用量: </translation>
    </message>
    <message>
        <source>Data usage cannot be recorded:<byte value="xd"/>
</source>
        <translation>無法記錄資料使用量：<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Automatic Log is Turned Off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logging bandwidth usage is running in background...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic Logging Bandwidth Usage Complete at </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic Log is Off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn On Automatic Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Off Automatic Log</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bytelora::RatesWindow</name>
    <message>
        <source>Bytelora Rates</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bytelora::Settings</name>
    <message>
        <source>line %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds binary data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a complete [section] line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a [section] or a key=value line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has a value without a key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be looked at (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be opened for reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stored choice of interfaces (&quot;%1&quot;) cannot be read, so Bytelora counts the interfaces it picks itself. The stored value is kept as it is; choose the interfaces again under &quot;Interfaces...&quot; in the tray icon&apos;s menu to replace it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the registry key %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (%1 is a file, so the folder cannot be made)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; was not saved: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid settings name (it is empty or holds a &quot;/&quot; or &quot;\&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no folder for settings was found (neither XDG_CONFIG_HOME nor HOME names one).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2. It was left as it is; repair or remove it, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is damaged. It was left as it is; repair or remove it, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytelora could not write the registry value &quot;%1&quot; under %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytelora could not delete the registry value &quot;%1&quot; under %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be saved:<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write its autostart entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>put its autostart entry in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>find its own program file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>make the autostart folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remove its autostart entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytelora could not %1: %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytelora could not find the folder for autostart entries: neither XDG_CONFIG_HOME nor HOME names one.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bytelora::SingleInstance</name>
    <message>
        <source>The instance lock %1 cannot be made; Bytelora runs without it, so a second start is not caught.</source>
        <translation>無法建立執行個體鎖定 %1；Bytelora 將在沒有鎖定的情況下執行，因此無法偵測重複啟動。</translation>
    </message>
    <message>
        <source>Bytelora cannot listen on %1 (%2); a second start cannot bring this window forward.</source>
        <translation>Bytelora 無法在 %1 上接聽（%2）；再次啟動時無法將此視窗帶到前景。</translation>
    </message>
</context>
<context>
    <name>bytelora::StartupOptions</name>
    <message>
        <source>Bytelora could not be set to start with your session:<byte value="xd"/>
</source>
        <translation>無法將 Bytelora 設定為登入時自動啟動：<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Bytelora could not stop starting with your session:<byte value="xd"/>
</source>
        <translation>無法取消 Bytelora 的登入時自動啟動：<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayBehaviour</name>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;Q&apos; icon (Q for Quillmark) to bring the software back.</source>
        <translation>已最小化到系統匣。<byte value="xd"/>
按一下藍色的「Q」圖示（Q 代表 Quillmark）即可還原本軟體。</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayIcon</name>
    <message>
        <source>%1 — Download: %2, Upload: %3</source>
        <translation>%1 — 下載：%2，上傳：%3</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayMenu</name>
    <message>
        <source>Show Bytelora</source>
        <translation>顯示 Bytelora</translation>
    </message>
    <message>
        <source>Interfaces…</source>
        <translation>網路介面…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Rates Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rates Window Chart</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bytelora::UsageLimit</name>
    <message>
        <source>about %1 by the %2th</source>
        <translation>預計到 %2 日約 %1</translation>
    </message>
    <message>
        <source>about %1 by the %2st</source>
        <translation>預計到 %2 日約 %1</translation>
    </message>
    <message>
        <source>about %1 by the %2nd</source>
        <translation>預計到 %2 日約 %1</translation>
    </message>
    <message>
        <source>about %1 by the %2rd</source>
        <translation>預計到 %2 日約 %1</translation>
    </message>
    <message>
        <source>The monthly data limit is reached: %1 of %2 used this month.</source>
        <translation>已達到每月資料限制：本月已使用 %1，限制為 %2。</translation>
    </message>
    <message>
        <source>90 % of the monthly data limit is used: %1 of %2 this month.</source>
        <translation>已使用每月資料限制的 90%：本月已使用 %1，限制為 %2。</translation>
    </message>
</context>
<context>
    <name>bytelora::UsageTable</name>
    <message>
        <source>Application</source>
        <translation type="unfinished">應用程式</translation>
    </message>
    <message>
        <source>Received</source>
        <translation type="unfinished">已接收</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation type="unfinished">已傳送</translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished">總計</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished">小時</translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished">月份</translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished">日期</translation>
    </message>
</context>
<context>
    <name>bytelora::UsageWindow</name>
    <message>
        <source>Data usage - Bytelora</source>
        <translation>資料使用量 - Bytelora</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>匯出 CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 檔案 (*.csv)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>本月</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>按月</translation>
    </message>
    <message>
        <source>All counted interfaces</source>
        <translation>所有計入的介面</translation>
    </message>
    <message>
        <source>By application</source>
        <translation>依應用程式</translation>
    </message>
    <message>
        <source>Each application&apos;s bytes today or this month, where the per-application counter ran while they were recorded</source>
        <translation>每個應用程式今天或本月的位元組數（僅含記錄時個別應用程式計數器正在執行的部分）</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>匯出 CSV…</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>無限制</translation>
    </message>
    <message>
        <source>Alert at 90 % and at 100 %</source>
        <translation>在 90% 和 100% 時提醒</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>介面：</translation>
    </message>
    <message>
        <source>Monthly limit</source>
        <translation>每月限制</translation>
    </message>
    <message>
        <source>Data limit:</source>
        <translation>資料限制：</translation>
    </message>
    <message>
        <source>Month starts on day:</source>
        <translation>每月起始日：</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>小時</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月份</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>已接收</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>已傳送</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>總計</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <source>This month: %1</source>
        <translation>本月：%1</translation>
    </message>
    <message>
        <source> of %1 (%2 %)</source>
        <translation> / %1（%2%）</translation>
    </message>
    <message>
        <source>The data usage could not be exported to %1:<byte value="xd"/>
%2</source>
        <translation>無法將資料使用量匯出到 %1：<byte value="xd"/>
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
        <translation>用法：bytelora-cli COMMAND [OPTIONS]

命令：
  interfaces         讀取一次介面表，列出各介面及其總量
  watch [--interface NAME]...
                     每秒輸出一次下載和上傳速率
  log [--every E] [--interface NAME]...
                     將頻寬使用量快照寫入歷史記錄檔；E 為下列間隔之一
                     （預設為視窗中選定的間隔）；沒有其他 Bytelora
                     記錄時，也記錄資料使用量
  log ... --textfile-dir DIR
                     另外每分鐘一次，將供 Prometheus 讀取的資料使用量
                     寫入 DIR（node_exporter 的 textfile collector）
  usage [VIEW] [--begin DATE] [--end DATE] [--interface NAME] [--json|--csv]
                     資料使用量；VIEW 為以下之一
    --hours          最近 24 小時，按小時
    --days           本計費月至今天，按日（預設）
    --months         最近 24 個計費月
    --years          有使用量的每一年
    --top N          使用量最大的 N 天
                     DATE 格式為 YYYY-MM-DD，當地時間；--begin 和 --end
                     限定任一檢視所含的日期（含首尾兩天）
  usage --limit [--interface NAME]
                     以一行顯示本計費月相對每月限制的用量；
                     達到限制時結束代碼為 1，否則為 0
  usage --prometheus [--interface NAME]
                     以 Prometheus 文字格式輸出各介面的歷史累計總量
  usage --apps [--hours|--days|--months|--years] [--begin DATE] [--end DATE]
        [--json|--csv]
                     檢視範圍內每個應用程式的位元組數，由多到少排列
                     （僅含個別應用程式計數器執行期間記錄的資料）
  apps [--json]      自個別應用程式計數器（bytelora-countd）啟動以來
                     每個應用程式的位元組數，以及不屬於任何本機程式的流量

--interface 只統計指定名稱的介面（名稱須完全相符）；未指定時，統計
視窗中選定的介面，若未選定，則統計 Bytelora 自行選取的介面。
  --help             顯示本說明
  --version          顯示版本

間隔：
</translation>
    </message>
    <message>
        <source>
watch and log run until interrupted (Ctrl-C).
</source>
        <translation>
watch 和 log 會持續執行，直到被中斷（Ctrl-C）。
</translation>
    </message>
    <message>
        <source>Application</source>
        <translation type="unfinished">應用程式</translation>
    </message>
    <message>
        <source>Received</source>
        <translation type="unfinished">已接收</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation type="unfinished">已傳送</translation>
    </message>
    <message>
        <source>Executable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other (traffic no local program owns: forwarded, bridged)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other (traffic none of your programs owns: other users&apos;, forwarded, bridged)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 received, %2 sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not known (the counter left no record of the interfaces at its start)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 cannot go together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--top needs a number of days (1 or more)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a date as YYYY-MM-DD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--interface needs a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--begin is after --end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--every needs an interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not one of the intervals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--textfile-dir needs a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stored interval &quot;%1&quot; is not one of the choices; using &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total received: %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total sent: %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taking a bandwidth usage snapshot every %1 s into %2 (Ctrl-C ends).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data usage has no interface &apos;%1&apos;; it has none yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data usage has no interface &apos;%1&apos;; it has %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No monthly limit is set: %1 used since %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The monthly limit is reached: %1 of %2 used since %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Within the monthly limit: %1 of %2 used since %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data usage database %1 cannot be read: %2. Bytelora moves it aside and starts a new one when it next records.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data usage database %1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Bytelora is already running but does not answer. Close it, or end it, and start it again.</source>
        <translation>Bytelora 已在執行，但沒有回應。請關閉或結束它，然後重新啟動。</translation>
    </message>
</context>
</TS>
