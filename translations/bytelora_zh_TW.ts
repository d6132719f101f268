<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>GlanceMenus</name>
    <message>
        <source>Icon Shows</source>
        <translation>圖示顯示</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>標誌</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>速率</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>圖表</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>單位</translation>
    </message>
    <message>
        <source>Bytes per second</source>
        <translation>位元組/秒</translation>
    </message>
    <message>
        <source>Bits per second</source>
        <translation>位元/秒</translation>
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
        <translation>
            <numerusform>有 %n 個程式無法區分；它們的位元組數計入「其他」</numerusform>
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
        <translation>一天多以前的資料使用量（%1，%2 位元組）無法存入 %3，已被捨棄。資料庫無法寫入期間，之後的使用量仍會保留。</translation>
    </message>
    <message>
        <source> The data usage is kept in memory (for up to a day) and written as soon as it can be.</source>
        <translation> 資料使用量會暫存在記憶體中（最多一天），並在可以寫入時立即寫入。</translation>
    </message>
    <message>
        <source>The data usage database %1 is locked by another program.</source>
        <translation>資料使用量資料庫 %1 被另一個程式鎖定。</translation>
    </message>
    <message>
        <source>The disk that holds the data usage database %1 is full.</source>
        <translation>存放資料使用量資料庫 %1 的磁碟已滿。</translation>
    </message>
    <message>
        <source>The data usage database %1 cannot be written (read-only).</source>
        <translation>無法寫入資料使用量資料庫 %1（唯讀）。</translation>
    </message>
    <message>
        <source>The data usage database %1 comes from a newer Bytelora. It is shown but not changed; data usage is not recorded.</source>
        <translation>資料使用量資料庫 %1 來自較新版本的 Bytelora。它只會被顯示，不會被修改；資料使用量不會被記錄。</translation>
    </message>
    <message>
        <source>The data usage database %1 is damaged.</source>
        <translation>資料使用量資料庫 %1 已損毀。</translation>
    </message>
    <message>
        <source>The data usage could not be written to %1.</source>
        <translation>無法將資料使用量寫入 %1。</translation>
    </message>
    <message>
        <source>The data usage not yet stored (%1, %2 bytes) could not be written to %3 and is lost.</source>
        <translation>尚未儲存的資料使用量（%1，%2 位元組）無法寫入 %3，已遺失。</translation>
    </message>
    <message>
        <source>Another Bytelora records the data usage; this one does not.</source>
        <translation>另一個 Bytelora 正在記錄資料使用量；此 Bytelora 不再記錄。</translation>
    </message>
    <message>
        <source>The data usage for Prometheus cannot be written: %1.</source>
        <translation>無法寫入供 Prometheus 讀取的資料使用量：%1。</translation>
    </message>
    <message>
        <source>The data usage database %1 was damaged. It was kept as %2 and a new database was started.</source>
        <translation>資料使用量資料庫 %1 已損毀。它已保留為 %2，並已建立新的資料庫。</translation>
    </message>
    <message>
        <source>The data usage database %1 is damaged and could not be moved aside (%2). Data usage is not recorded.</source>
        <translation>資料使用量資料庫 %1 已損毀，且無法移到一旁（%2）。資料使用量不會被記錄。</translation>
    </message>
</context>
<context>
    <name>bytelora::ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>請將此訊息的螢幕擷取畫面以電子郵件寄至 </translation>
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
        <translation>無法寫入歷史記錄檔「%1」：%2</translation>
    </message>
    <message>
        <source>Cannot read the history log &quot;%1&quot;: %2</source>
        <translation>無法讀取歷史記錄檔「%1」：%2</translation>
    </message>
    <message>
        <source>it is a symbolic link, which is not followed</source>
        <translation>它是符號連結，不會被追蹤</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是一般檔案</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>它屬於另一個使用者</translation>
    </message>
    <message>
        <source>%1; the line was not added</source>
        <translation>%1；該行未加入</translation>
    </message>
</context>
<context>
    <name>bytelora::InterfaceText</name>
    <message>
        <source>hardware</source>
        <translation>硬體</translation>
    </message>
    <message>
        <source>default route</source>
        <translation>預設路由</translation>
    </message>
    <message>
        <source>every interface</source>
        <translation>所有介面</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>已選</translation>
    </message>
    <message>
        <source>virtual</source>
        <translation>虛擬</translation>
    </message>
    <message>
        <source>no default route</source>
        <translation>無預設路由</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>未選</translation>
    </message>
    <message>
        <source>loopback</source>
        <translation>回送</translation>
    </message>
    <message>
        <source>filter</source>
        <translation>篩選器</translation>
    </message>
    <message>
        <source>other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>ethernet</source>
        <translation>乙太網路</translation>
    </message>
    <message>
        <source>ppp</source>
        <translation>PPP</translation>
    </message>
    <message>
        <source>wireless</source>
        <translation>無線</translation>
    </message>
    <message>
        <source>tunnel</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>up</source>
        <translation>已啟用</translation>
    </message>
    <message>
        <source>down</source>
        <translation>已停用</translation>
    </message>
    <message>
        <source>testing</source>
        <translation>測試中</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>dormant</source>
        <translation>休眠</translation>
    </message>
    <message>
        <source>notpresent</source>
        <translation>不存在</translation>
    </message>
    <message>
        <source>lowerlayerdown</source>
        <translation>下層已停用</translation>
    </message>
    <message>
        <source>non-operational</source>
        <translation>無法運作</translation>
    </message>
    <message>
        <source>unreachable</source>
        <translation>無法連線</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>已中斷連線</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>正在連線</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>已連線</translation>
    </message>
    <message>
        <source>operational</source>
        <translation>運作中</translation>
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
        <translation>每 1 秒記錄一次</translation>
    </message>
    <message>
        <source>Log every 5 seconds</source>
        <translation>每 5 秒記錄一次</translation>
    </message>
    <message>
        <source>Log every 10 seconds</source>
        <translation>每 10 秒記錄一次</translation>
    </message>
    <message>
        <source>Log every 30 seconds</source>
        <translation>每 30 秒記錄一次</translation>
    </message>
    <message>
        <source>Log every 1 minute</source>
        <translation>每 1 分鐘記錄一次</translation>
    </message>
    <message>
        <source>Log every 5 minutes</source>
        <translation>每 5 分鐘記錄一次</translation>
    </message>
    <message>
        <source>Log every 10 minutes</source>
        <translation>每 10 分鐘記錄一次</translation>
    </message>
    <message>
        <source>Log every 30 minutes</source>
        <translation>每 30 分鐘記錄一次</translation>
    </message>
    <message>
        <source>Log every 1 hour</source>
        <translation>每 1 小時記錄一次</translation>
    </message>
    <message>
        <source>Log every 6 hours</source>
        <translation>每 6 小時記錄一次</translation>
    </message>
    <message>
        <source>Log every 12 hours</source>
        <translation>每 12 小時記錄一次</translation>
    </message>
    <message>
        <source>Log every 24 hours</source>
        <translation>每 24 小時記錄一次</translation>
    </message>
    <message>
        <source>How often would you like to log bandwidth usage?</source>
        <translation>您希望多久記錄一次頻寬使用量？</translation>
    </message>
    <message>
        <source>Bandwidth Usage</source>
        <translation>頻寬使用量</translation>
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
        <translation>自動記錄已被停用。</translation>
    </message>
    <message>
        <source>Logging bandwidth usage is running in background...</source>
        <translation>正在背景記錄頻寬使用量...</translation>
    </message>
    <message>
        <source>Automatic Logging Bandwidth Usage Complete at </source>
        <translation>自動記錄頻寬使用量完成於 </translation>
    </message>
    <message>
        <source>Automatic Log is Off.</source>
        <translation>自動記錄已停用。</translation>
    </message>
    <message>
        <source>Turn On Automatic Log</source>
        <translation>啟用自動記錄</translation>
    </message>
    <message>
        <source>Turn Off Automatic Log</source>
        <translation>停用自動記錄</translation>
    </message>
</context>
<context>
    <name>bytelora::RatesWindow</name>
    <message>
        <source>Bytelora Rates</source>
        <translation>Bytelora 速率</translation>
    </message>
</context>
<context>
    <name>bytelora::Settings</name>
    <message>
        <source>line %1 %2</source>
        <translation>第 %1 行%2</translation>
    </message>
    <message>
        <source>holds binary data</source>
        <translation>含有二進位資料</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>不是 UTF-8 文字</translation>
    </message>
    <message>
        <source>is not a complete [section] line</source>
        <translation>不是完整的 [section] 行</translation>
    </message>
    <message>
        <source>is not a [section] or a key=value line</source>
        <translation>既不是 [section] 行，也不是 key=value 行</translation>
    </message>
    <message>
        <source>has a value without a key</source>
        <translation>有值但沒有鍵</translation>
    </message>
    <message>
        <source>cannot be looked at (%1)</source>
        <translation>無法查看（%1）</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>是資料夾，而不是檔案</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>不是一般檔案</translation>
    </message>
    <message>
        <source>cannot be opened for reading</source>
        <translation>無法開啟以讀取</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>無法讀取</translation>
    </message>
    <message>
        <source>The stored choice of interfaces (&quot;%1&quot;) cannot be read, so Bytelora counts the interfaces it picks itself. The stored value is kept as it is; choose the interfaces again under &quot;Interfaces...&quot; in the tray icon&apos;s menu to replace it.</source>
        <translation>無法讀取已儲存的介面選擇（「%1」），因此 Bytelora 將統計它自行選取的介面。已儲存的值保持不變；請在系統匣圖示選單的「網路介面…」中重新選擇介面以取代它。</translation>
    </message>
    <message>
        <source>the registry key %1</source>
        <translation>登錄機碼 %1</translation>
    </message>
    <message>
        <source>the settings file %1</source>
        <translation>設定檔 %1</translation>
    </message>
    <message>
        <source> (%1 is a file, so the folder cannot be made)</source>
        <translation> （%1 是檔案，因此無法建立資料夾）</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; was not saved: %2</source>
        <translation>設定「%1」未儲存：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid settings name (it is empty or holds a &quot;/&quot; or &quot;\&quot;).</source>
        <translation>「%1」不是有效的設定名稱（它是空的，或含有「/」或「\」）。</translation>
    </message>
    <message>
        <source>no folder for settings was found (neither XDG_CONFIG_HOME nor HOME names one).</source>
        <translation>找不到存放設定的資料夾（XDG_CONFIG_HOME 和 HOME 皆未指定）。</translation>
    </message>
    <message>
        <source>%1 %2. It was left as it is; repair or remove it, then try again.</source>
        <translation>%1 %2。該檔案保持原樣未作變更；請修復或移除它，然後再試一次。</translation>
    </message>
    <message>
        <source>%1 is damaged. It was left as it is; repair or remove it, then try again.</source>
        <translation>%1 已損毀。它保持原樣未作變更；請修復或移除它，然後再試一次。</translation>
    </message>
    <message>
        <source>%1 could not be written%2.</source>
        <translation>無法寫入%1%2。</translation>
    </message>
    <message>
        <source>Bytelora could not write the registry value &quot;%1&quot; under %2: %3</source>
        <translation>Bytelora 無法寫入 %2 下的登錄值「%1」：%3</translation>
    </message>
    <message>
        <source>Bytelora could not delete the registry value &quot;%1&quot; under %2: %3</source>
        <translation>Bytelora 無法刪除 %2 下的登錄值「%1」：%3</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be saved:<byte value="xd"/>
%2</source>
        <translation>無法儲存設定「%1」：<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>write its autostart entry</source>
        <translation>寫入其自動啟動項目</translation>
    </message>
    <message>
        <source>put its autostart entry in place</source>
        <translation>放置其自動啟動項目</translation>
    </message>
    <message>
        <source>find its own program file</source>
        <translation>找到其自身的程式檔</translation>
    </message>
    <message>
        <source>make the autostart folder</source>
        <translation>建立自動啟動資料夾</translation>
    </message>
    <message>
        <source>remove its autostart entry</source>
        <translation>移除其自動啟動項目</translation>
    </message>
    <message>
        <source>Bytelora could not %1: %2: %3.</source>
        <translation>Bytelora 無法%1：%2：%3。</translation>
    </message>
    <message>
        <source>Bytelora could not find the folder for autostart entries: neither XDG_CONFIG_HOME nor HOME names one.</source>
        <translation>Bytelora 找不到存放自動啟動項目的資料夾：XDG_CONFIG_HOME 和 HOME 皆未指定。</translation>
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
        <translation>速率視窗</translation>
    </message>
    <message>
        <source>Rates Window Chart</source>
        <translation>速率視窗圖表</translation>
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
        <translation>應用程式</translation>
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
        <source>Hour</source>
        <translation>小時</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月份</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年份</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
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
        <translation>應用程式</translation>
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
        <source>Executable</source>
        <translation>執行檔</translation>
    </message>
    <message>
        <source>Other (traffic no local program owns: forwarded, bridged)</source>
        <translation>其他（不屬於任何本機程式的流量：轉送、橋接）</translation>
    </message>
    <message>
        <source>Other (traffic none of your programs owns: other users&apos;, forwarded, bridged)</source>
        <translation>其他（不屬於您任何程式的流量：其他使用者的、轉送、橋接）</translation>
    </message>
    <message>
        <source>%1 received, %2 sent</source>
        <translation>已接收 %1，已傳送 %2</translation>
    </message>
    <message>
        <source>not known (the counter left no record of the interfaces at its start)</source>
        <translation>未知（計數器啟動時未留下介面記錄）</translation>
    </message>
    <message>
        <source>%1 and %2 cannot go together</source>
        <translation>%1 和 %2 不能同時使用</translation>
    </message>
    <message>
        <source>--top needs a number of days (1 or more)</source>
        <translation>--top 需要一個天數（1 或以上）</translation>
    </message>
    <message>
        <source>%1 needs a date as YYYY-MM-DD</source>
        <translation>%1 需要 YYYY-MM-DD 格式的日期</translation>
    </message>
    <message>
        <source>--interface needs a name</source>
        <translation>--interface 需要一個名稱</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知的選項「%1」</translation>
    </message>
    <message>
        <source>--begin is after --end</source>
        <translation>--begin 晚於 --end</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>未指定命令</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>未知的命令「%1」</translation>
    </message>
    <message>
        <source>--every needs an interval</source>
        <translation>--every 需要一個間隔</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not one of the intervals</source>
        <translation>「%1」不是可用的間隔之一</translation>
    </message>
    <message>
        <source>--textfile-dir needs a folder</source>
        <translation>--textfile-dir 需要一個資料夾</translation>
    </message>
    <message>
        <source>The stored interval &quot;%1&quot; is not one of the choices; using &quot;%2&quot;.</source>
        <translation>已儲存的間隔「%1」不是可選項目之一；改用「%2」。</translation>
    </message>
    <message>
        <source>Total received: %1 bytes</source>
        <translation>總接收：%1 位元組</translation>
    </message>
    <message>
        <source>Total sent: %1 bytes</source>
        <translation>總傳送：%1 位元組</translation>
    </message>
    <message>
        <source>Taking a bandwidth usage snapshot every %1 s into %2 (Ctrl-C ends).</source>
        <translation>每 %1 秒將頻寬使用量快照寫入 %2（按 Ctrl-C 結束）。</translation>
    </message>
    <message>
        <source>the data usage has no interface &apos;%1&apos;; it has none yet.</source>
        <translation>資料使用量中沒有介面「%1」；目前還沒有任何介面。</translation>
    </message>
    <message>
        <source>the data usage has no interface &apos;%1&apos;; it has %2.</source>
        <translation>資料使用量中沒有介面「%1」；現有介面：%2。</translation>
    </message>
    <message>
        <source>No monthly limit is set: %1 used since %2.</source>
        <translation>未設定每月限制：自 %2 以來已使用 %1。</translation>
    </message>
    <message>
        <source>The monthly limit is reached: %1 of %2 used since %3.</source>
        <translation>已達到每月限制：自 %3 以來已使用 %1，限制為 %2。</translation>
    </message>
    <message>
        <source>Within the monthly limit: %1 of %2 used since %3.</source>
        <translation>未超過每月限制：自 %3 以來已使用 %1，限制為 %2。</translation>
    </message>
    <message>
        <source>the data usage database %1 cannot be read: %2. Bytelora moves it aside and starts a new one when it next records.</source>
        <translation>無法讀取資料使用量資料庫 %1：%2。Bytelora 下次記錄時會將其移到一旁並建立新的資料庫。</translation>
    </message>
    <message>
        <source>the data usage database %1 cannot be read: %2.</source>
        <translation>無法讀取資料使用量資料庫 %1：%2。</translation>
    </message>
    <message>
        <source>1 program could not be told apart; its bytes are in Other</source>
        <translation>有 1 個程式無法區分；它的位元組數計入「其他」</translation>
    </message>
    <message>
        <source>yes (%1)</source>
        <translation>是（%1）</translation>
    </message>
    <message>
        <source>no (%1)</source>
        <translation>否（%1）</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
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
        <source>Speed</source>
        <translation>速率</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>計入</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message numerus="yes">
        <source>%n programs could not be told apart; their bytes are in Other</source>
        <translation>
            <numerusform>有 %n 個程式無法區分；它們的位元組數計入「其他」</numerusform>
        </translation>
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
