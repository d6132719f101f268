<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>GlanceMenus</name>
    <message>
        <source>Icon Shows</source>
        <translation>图标显示</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>徽标</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>速率</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>图表</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Bytes per second</source>
        <translation>字节/秒</translation>
    </message>
    <message>
        <source>Bits per second</source>
        <translation>比特/秒</translation>
    </message>
</context>
<context>
    <name>bytelora::AppsWindow</name>
    <message>
        <source> - Applications</source>
        <translation> - 应用程序</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>上传</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>已接收</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>已发送</translation>
    </message>
    <message>
        <source>Received and sent: since the per-application counter started</source>
        <translation>已接收和已发送：自按应用程序计数器启动以来</translation>
    </message>
    <message>
        <source>Received today</source>
        <translation>今日接收</translation>
    </message>
    <message>
        <source>Sent today</source>
        <translation>今日发送</translation>
    </message>
    <message>
        <source>Received and sent: today, since midnight</source>
        <translation>已接收和已发送：今天零点以来</translation>
    </message>
    <message>
        <source>The per-application counter is not available.</source>
        <translation>按应用程序计数器不可用。</translation>
    </message>
    <message numerus="yes">
        <source>%n programs could not be told apart; their bytes are in Other</source>
        <translation>
            <numerusform>有 %n 个程序无法区分；它们的字节数计入“其他”</numerusform>
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
        <translation>一天多以前的数据使用量（%1，%2 字节）无法存入 %3，已被放弃。数据库无法写入期间，之后的使用量仍会保留。</translation>
    </message>
    <message>
        <source> The data usage is kept in memory (for up to a day) and written as soon as it can be.</source>
        <translation> 数据使用量会暂存在内存中（最多一天），并在可以写入时立即写入。</translation>
    </message>
    <message>
        <source>The data usage database %1 is locked by another program.</source>
        <translation>数据使用量数据库 %1 被另一个程序锁定。</translation>
    </message>
    <message>
        <source>The disk that holds the data usage database %1 is full.</source>
        <translation>存放数据使用量数据库 %1 的磁盘已满。</translation>
    </message>
    <message>
        <source>The data usage database %1 cannot be written (read-only).</source>
        <translation>无法写入数据使用量数据库 %1（只读）。</translation>
    </message>
    <message>
        <source>The data usage database %1 comes from a newer Bytelora. It is shown but not changed; data usage is not recorded.</source>
        <translation>数据使用量数据库 %1 来自较新版本的 Bytelora。它只会被显示，不会被修改；数据使用量不会被记录。</translation>
    </message>
    <message>
        <source>The data usage database %1 is damaged.</source>
        <translation>数据使用量数据库 %1 已损坏。</translation>
    </message>
    <message>
        <source>The data usage could not be written to %1.</source>
        <translation>无法将数据使用量写入 %1。</translation>
    </message>
    <message>
        <source>The data usage not yet stored (%1, %2 bytes) could not be written to %3 and is lost.</source>
        <translation>尚未存储的数据使用量（%1，%2 字节）无法写入 %3，已丢失。</translation>
    </message>
    <message>
        <source>Another Bytelora records the data usage; this one does not.</source>
        <translation>另一个 Bytelora 正在记录数据使用量；此 Bytelora 不再记录。</translation>
    </message>
    <message>
        <source>The data usage for Prometheus cannot be written: %1.</source>
        <translation>无法写入供 Prometheus 读取的数据使用量：%1。</translation>
    </message>
    <message>
        <source>The data usage database %1 was damaged. It was kept as %2 and a new database was started.</source>
        <translation>数据使用量数据库 %1 已损坏。它已保存为 %2，并已新建一个数据库。</translation>
    </message>
    <message>
        <source>The data usage database %1 is damaged and could not be moved aside (%2). Data usage is not recorded.</source>
        <translation>数据使用量数据库 %1 已损坏，且无法移到一旁（%2）。数据使用量不会被记录。</translation>
    </message>
</context>
<context>
    <name>bytelora::ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>请将此消息的截图通过电子邮件发送至 </translation>
    </message>
</context>
<context>
    <name>bytelora::GraphWindow</name>
    <message>
        <source>Bandwidth Graph</source>
        <translation>带宽图表</translation>
    </message>
</context>
<context>
    <name>bytelora::HistoryLog</name>
    <message>
        <source>Cannot write to the history log &quot;%1&quot;: %2</source>
        <translation>无法写入历史日志“%1”：%2</translation>
    </message>
    <message>
        <source>Cannot read the history log &quot;%1&quot;: %2</source>
        <translation>无法读取历史日志“%1”：%2</translation>
    </message>
    <message>
        <source>it is a symbolic link, which is not followed</source>
        <translation>它是符号链接，不会被跟随</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>它属于另一个用户</translation>
    </message>
    <message>
        <source>%1; the line was not added</source>
        <translation>%1；该行未添加</translation>
    </message>
</context>
<context>
    <name>bytelora::InterfaceText</name>
    <message>
        <source>hardware</source>
        <translation>硬件</translation>
    </message>
    <message>
        <source>default route</source>
        <translation>默认路由</translation>
    </message>
    <message>
        <source>every interface</source>
        <translation>所有接口</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>已选</translation>
    </message>
    <message>
        <source>virtual</source>
        <translation>虚拟</translation>
    </message>
    <message>
        <source>no default route</source>
        <translation>无默认路由</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>未选</translation>
    </message>
    <message>
        <source>loopback</source>
        <translation>环回</translation>
    </message>
    <message>
        <source>filter</source>
        <translation>筛选器</translation>
    </message>
    <message>
        <source>other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>ethernet</source>
        <translation>以太网</translation>
    </message>
    <message>
        <source>ppp</source>
        <translation>PPP</translation>
    </message>
    <message>
        <source>wireless</source>
        <translation>无线</translation>
    </message>
    <message>
        <source>tunnel</source>
        <translation>隧道</translation>
    </message>
    <message>
        <source>up</source>
        <translation>已启用</translation>
    </message>
    <message>
        <source>down</source>
        <translation>已停用</translation>
    </message>
    <message>
        <source>testing</source>
        <translation>测试中</translation>
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
        <translation>下层已停用</translation>
    </message>
    <message>
        <source>non-operational</source>
        <translation>不可运行</translation>
    </message>
    <message>
        <source>unreachable</source>
        <translation>不可达</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>已断开</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>正在连接</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>operational</source>
        <translation>运行中</translation>
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
        <translation>网络接口</translation>
    </message>
    <message>
        <source>Use the automatic choice</source>
        <translation>使用自动选择</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>接口</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>已接收</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>已发送</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>计入</translation>
    </message>
    <message>
        <source>The automatic choice counts the interfaces with hardware behind them; without any, those with a default route; without those, all. Received and sent are counted since the system started.</source>
        <translation>自动选择会统计有实际硬件的接口；没有这类接口时，统计有默认路由的接口；这类接口也没有时，统计全部接口。已接收和已发送从系统启动时开始计算。</translation>
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
        <translation>每 1 秒记录一次</translation>
    </message>
    <message>
        <source>Log every 5 seconds</source>
        <translation>每 5 秒记录一次</translation>
    </message>
    <message>
        <source>Log every 10 seconds</source>
        <translation>每 10 秒记录一次</translation>
    </message>
    <message>
        <source>Log every 30 seconds</source>
        <translation>每 30 秒记录一次</translation>
    </message>
    <message>
        <source>Log every 1 minute</source>
        <translation>每 1 分钟记录一次</translation>
    </message>
    <message>
        <source>Log every 5 minutes</source>
        <translation>每 5 分钟记录一次</translation>
    </message>
    <message>
        <source>Log every 10 minutes</source>
        <translation>每 10 分钟记录一次</translation>
    </message>
    <message>
        <source>Log every 30 minutes</source>
        <translation>每 30 分钟记录一次</translation>
    </message>
    <message>
        <source>Log every 1 hour</source>
        <translation>每 1 小时记录一次</translation>
    </message>
    <message>
        <source>Log every 6 hours</source>
        <translation>每 6 小时记录一次</translation>
    </message>
    <message>
        <source>Log every 12 hours</source>
        <translation>每 12 小时记录一次</translation>
    </message>
    <message>
        <source>Log every 24 hours</source>
        <translation>每 24 小时记录一次</translation>
    </message>
    <message>
        <source>How often would you like to log bandwidth usage?</source>
        <translation>您希望多久记录一次带宽使用情况？</translation>
    </message>
    <message>
        <source>Bandwidth Usage</source>
        <translation>带宽使用情况</translation>
    </message>
</context>
<context>
    <name>bytelora::LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>System</source>
        <translation>跟随系统</translation>
    </message>
    <message>
        <source>A new language shows at the next start.</source>
        <translation>新语言将在下次启动时生效。</translation>
    </message>
</context>
<context>
    <name>bytelora::MainWindow</name>
    <message>
        <source>Next bandwidth usage snapshot will occur in </source>
        <translation>距下一次带宽使用快照还有 </translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>进度条</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>启动选项</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Windows 启动时加载本软件</translation>
    </message>
    <message>
        <source>Minimized to system tray</source>
        <translation>最小化到系统托盘</translation>
    </message>
    <message>
        <source>Turn On Automatic Logging</source>
        <translation>开启自动记录</translation>
    </message>
    <message>
        <source>View History Graph</source>
        <translation>查看历史图表</translation>
    </message>
    <message>
        <source>View History Log</source>
        <translation>查看历史日志</translation>
    </message>
    <message>
        <source>Copy History To Clipboard</source>
        <translation>复制历史到剪贴板</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Clear History Log</source>
        <translation>清除历史日志</translation>
    </message>
    <message>
        <source>Data usage…</source>
        <translation>数据使用量…</translation>
    </message>
    <message>
        <source>Applications…</source>
        <translation>应用程序…</translation>
    </message>
    <message>
        <source>Data usage: </source>
        <translation>数据使用量: </translation>
    </message>
    <message>
        <source>Data usage cannot be recorded:<byte value="xd"/>
</source>
        <translation>无法记录数据使用量：<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Automatic Log is Turned Off.</source>
        <translation>自动日志已被关闭。</translation>
    </message>
    <message>
        <source>Logging bandwidth usage is running in background...</source>
        <translation>正在后台记录带宽使用情况...</translation>
    </message>
    <message>
        <source>Automatic Logging Bandwidth Usage Complete at </source>
        <translation>自动记录带宽使用情况完成于 </translation>
    </message>
    <message>
        <source>Automatic Log is Off.</source>
        <translation>自动日志已关闭。</translation>
    </message>
    <message>
        <source>Turn On Automatic Log</source>
        <translation>开启自动日志</translation>
    </message>
    <message>
        <source>Turn Off Automatic Log</source>
        <translation>关闭自动日志</translation>
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
        <translation>含有二进制数据</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>不是 UTF-8 文本</translation>
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
        <translation>有值但没有键</translation>
    </message>
    <message>
        <source>cannot be looked at (%1)</source>
        <translation>无法查看（%1）</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>是文件夹，而不是文件</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>cannot be opened for reading</source>
        <translation>无法打开以读取</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>The stored choice of interfaces (&quot;%1&quot;) cannot be read, so Bytelora counts the interfaces it picks itself. The stored value is kept as it is; choose the interfaces again under &quot;Interfaces...&quot; in the tray icon&apos;s menu to replace it.</source>
        <translation>无法读取已存储的接口选择（“%1”），因此 Bytelora 将统计它自行选取的接口。已存储的值保持不变；请在托盘图标菜单的“网络接口…”中重新选择接口以替换它。</translation>
    </message>
    <message>
        <source>the registry key %1</source>
        <translation>注册表项 %1</translation>
    </message>
    <message>
        <source>the settings file %1</source>
        <translation>设置文件 %1</translation>
    </message>
    <message>
        <source> (%1 is a file, so the folder cannot be made)</source>
        <translation> （%1 是文件，因此无法创建文件夹）</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; was not saved: %2</source>
        <translation>设置“%1”未保存：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid settings name (it is empty or holds a &quot;/&quot; or &quot;\&quot;).</source>
        <translation>“%1”不是有效的设置名称（它为空，或含有“/”或“\”）。</translation>
    </message>
    <message>
        <source>no folder for settings was found (neither XDG_CONFIG_HOME nor HOME names one).</source>
        <translation>找不到存放设置的文件夹（XDG_CONFIG_HOME 和 HOME 均未指定）。</translation>
    </message>
    <message>
        <source>%1 %2. It was left as it is; repair or remove it, then try again.</source>
        <translation>%1 %2。该文件保持原样未作改动；请修复或删除它，然后重试。</translation>
    </message>
    <message>
        <source>%1 is damaged. It was left as it is; repair or remove it, then try again.</source>
        <translation>%1 已损坏。它保持原样未作改动；请修复或删除它，然后重试。</translation>
    </message>
    <message>
        <source>%1 could not be written%2.</source>
        <translation>无法写入%1%2。</translation>
    </message>
    <message>
        <source>Bytelora could not write the registry value &quot;%1&quot; under %2: %3</source>
        <translation>Bytelora 无法写入 %2 下的注册表值“%1”：%3</translation>
    </message>
    <message>
        <source>Bytelora could not delete the registry value &quot;%1&quot; under %2: %3</source>
        <translation>Bytelora 无法删除 %2 下的注册表值“%1”：%3</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be saved:<byte value="xd"/>
%2</source>
        <translation>无法保存设置“%1”：<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>write its autostart entry</source>
        <translation>写入其自动启动项</translation>
    </message>
    <message>
        <source>put its autostart entry in place</source>
        <translation>放置其自动启动项</translation>
    </message>
    <message>
        <source>find its own program file</source>
        <translation>找到其自身的程序文件</translation>
    </message>
    <message>
        <source>make the autostart folder</source>
        <translation>创建自动启动文件夹</translation>
    </message>
    <message>
        <source>remove its autostart entry</source>
        <translation>删除其自动启动项</translation>
    </message>
    <message>
        <source>Bytelora could not %1: %2: %3.</source>
        <translation>Bytelora 无法%1：%2：%3。</translation>
    </message>
    <message>
        <source>Bytelora could not find the folder for autostart entries: neither XDG_CONFIG_HOME nor HOME names one.</source>
        <translation>Bytelora 找不到存放自动启动项的文件夹：XDG_CONFIG_HOME 和 HOME 均未指定。</translation>
    </message>
</context>
<context>
    <name>bytelora::SingleInstance</name>
    <message>
        <source>The instance lock %1 cannot be made; Bytelora runs without it, so a second start is not caught.</source>
        <translation>无法创建实例锁 %1；Bytelora 将在没有实例锁的情况下运行，因此无法发现重复启动。</translation>
    </message>
    <message>
        <source>Bytelora cannot listen on %1 (%2); a second start cannot bring this window forward.</source>
        <translation>Bytelora 无法在 %1 上监听（%2）；再次启动时无法将此窗口调到前台。</translation>
    </message>
</context>
<context>
    <name>bytelora::StartupOptions</name>
    <message>
        <source>Bytelora could not be set to start with your session:<byte value="xd"/>
</source>
        <translation>无法将 Bytelora 设置为登录时自动启动：<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Bytelora could not stop starting with your session:<byte value="xd"/>
</source>
        <translation>无法取消 Bytelora 的登录时自动启动：<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayBehaviour</name>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;Q&apos; icon (Q for Quillmark) to bring the software back.</source>
        <translation>已最小化到系统托盘。<byte value="xd"/>
单击蓝色的“Q”图标（Q 代表 Quillmark）即可恢复本软件。</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayIcon</name>
    <message>
        <source>%1 — Download: %2, Upload: %3</source>
        <translation>%1 — 下载：%2，上传：%3</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayMenu</name>
    <message>
        <source>Show Bytelora</source>
        <translation>显示 Bytelora</translation>
    </message>
    <message>
        <source>Interfaces…</source>
        <translation>网络接口…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Rates Window</source>
        <translation>速率窗口</translation>
    </message>
    <message>
        <source>Rates Window Chart</source>
        <translation>速率窗口图表</translation>
    </message>
</context>
<context>
    <name>bytelora::UsageLimit</name>
    <message>
        <source>about %1 by the %2th</source>
        <translation>预计到 %2 日约 %1</translation>
    </message>
    <message>
        <source>about %1 by the %2st</source>
        <translation>预计到 %2 日约 %1</translation>
    </message>
    <message>
        <source>about %1 by the %2nd</source>
        <translation>预计到 %2 日约 %1</translation>
    </message>
    <message>
        <source>about %1 by the %2rd</source>
        <translation>预计到 %2 日约 %1</translation>
    </message>
    <message>
        <source>The monthly data limit is reached: %1 of %2 used this month.</source>
        <translation>已达到每月数据限制：本月已使用 %1，限制为 %2。</translation>
    </message>
    <message>
        <source>90 % of the monthly data limit is used: %1 of %2 this month.</source>
        <translation>已使用每月数据限制的 90%：本月已使用 %1，限制为 %2。</translation>
    </message>
</context>
<context>
    <name>bytelora::UsageTable</name>
    <message>
        <source>Application</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>已接收</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>已发送</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>总计</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>小时</translation>
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
        <translation>数据使用量 - Bytelora</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>导出 CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
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
        <translation>所有计入的接口</translation>
    </message>
    <message>
        <source>By application</source>
        <translation>按应用程序</translation>
    </message>
    <message>
        <source>Each application&apos;s bytes today or this month, where the per-application counter ran while they were recorded</source>
        <translation>每个应用程序今天或本月的字节数（仅含记录时按应用程序计数器正在运行的部分）</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>导出 CSV…</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>无限制</translation>
    </message>
    <message>
        <source>Alert at 90 % and at 100 %</source>
        <translation>在 90% 和 100% 时提醒</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>接口：</translation>
    </message>
    <message>
        <source>Monthly limit</source>
        <translation>每月限制</translation>
    </message>
    <message>
        <source>Data limit:</source>
        <translation>数据限制：</translation>
    </message>
    <message>
        <source>Month starts on day:</source>
        <translation>每月起始日：</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>小时</translation>
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
        <translation>已发送</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>总计</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>应用程序</translation>
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
        <translation>无法将数据使用量导出到 %1：<byte value="xd"/>
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
  interfaces         读取一次接口表，列出各接口及其总量
  watch [--interface NAME]...
                     每秒输出一次下载和上传速率
  log [--every E] [--interface NAME]...
                     将带宽使用快照写入历史日志；E 为下列间隔之一
                     （默认为窗口中选定的间隔）；没有其他 Bytelora
                     记录时，也记录数据使用量
  log ... --textfile-dir DIR
                     另外每分钟一次，将供 Prometheus 读取的数据使用量
                     写入 DIR（node_exporter 的 textfile 收集器）
  usage [VIEW] [--begin DATE] [--end DATE] [--interface NAME] [--json|--csv]
                     数据使用量；VIEW 为以下之一
    --hours          最近 24 小时，按小时
    --days           本计费月至今天，按天（默认）
    --months         最近 24 个计费月
    --years          有使用量的每一年
    --top N          使用量最大的 N 天
                     DATE 格式为 YYYY-MM-DD，本地时间；--begin 和 --end
                     限定任一视图所含的日期（含首尾两天）
  usage --limit [--interface NAME]
                     用一行显示本计费月相对每月限制的用量；
                     达到限制时退出码为 1，否则为 0
  usage --prometheus [--interface NAME]
                     以 Prometheus 文本格式输出各接口的历史累计总量
  usage --apps [--hours|--days|--months|--years] [--begin DATE] [--end DATE]
        [--json|--csv]
                     视图范围内每个应用程序的字节数，从多到少排列
                     （仅含按应用程序计数器运行期间记录的数据）
  apps [--json]      自按应用程序计数器（bytelora-countd）启动以来
                     每个应用程序的字节数，以及不属于任何本地程序的流量

--interface 只统计指定名称的接口（名称须完全一致）；不指定时，统计
窗口中选定的接口，若未选定，则统计 Bytelora 自行选取的接口。
  --help             显示本帮助
  --version          显示版本

间隔：
</translation>
    </message>
    <message>
        <source>
watch and log run until interrupted (Ctrl-C).
</source>
        <translation>
watch 和 log 会一直运行，直到被中断（Ctrl-C）。
</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>已接收</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>已发送</translation>
    </message>
    <message>
        <source>Executable</source>
        <translation>可执行文件</translation>
    </message>
    <message>
        <source>Other (traffic no local program owns: forwarded, bridged)</source>
        <translation>其他（不属于任何本地程序的流量：转发、桥接）</translation>
    </message>
    <message>
        <source>Other (traffic none of your programs owns: other users&apos;, forwarded, bridged)</source>
        <translation>其他（不属于您任何程序的流量：其他用户的、转发、桥接）</translation>
    </message>
    <message>
        <source>%1 received, %2 sent</source>
        <translation>已接收 %1，已发送 %2</translation>
    </message>
    <message>
        <source>not known (the counter left no record of the interfaces at its start)</source>
        <translation>未知（计数器启动时未留下接口记录）</translation>
    </message>
    <message>
        <source>%1 and %2 cannot go together</source>
        <translation>%1 和 %2 不能同时使用</translation>
    </message>
    <message>
        <source>--top needs a number of days (1 or more)</source>
        <translation>--top 需要一个天数（1 或更大）</translation>
    </message>
    <message>
        <source>%1 needs a date as YYYY-MM-DD</source>
        <translation>%1 需要 YYYY-MM-DD 格式的日期</translation>
    </message>
    <message>
        <source>--interface needs a name</source>
        <translation>--interface 需要一个名称</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>--begin is after --end</source>
        <translation>--begin 晚于 --end</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>未指定命令</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>未知命令“%1”</translation>
    </message>
    <message>
        <source>--every needs an interval</source>
        <translation>--every 需要一个间隔</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not one of the intervals</source>
        <translation>“%1”不是可用的间隔之一</translation>
    </message>
    <message>
        <source>--textfile-dir needs a folder</source>
        <translation>--textfile-dir 需要一个文件夹</translation>
    </message>
    <message>
        <source>The stored interval &quot;%1&quot; is not one of the choices; using &quot;%2&quot;.</source>
        <translation>已存储的间隔“%1”不是可选项之一；改用“%2”。</translation>
    </message>
    <message>
        <source>Total received: %1 bytes</source>
        <translation>总接收：%1 字节</translation>
    </message>
    <message>
        <source>Total sent: %1 bytes</source>
        <translation>总发送：%1 字节</translation>
    </message>
    <message>
        <source>Taking a bandwidth usage snapshot every %1 s into %2 (Ctrl-C ends).</source>
        <translation>每 %1 秒将带宽使用快照写入 %2（按 Ctrl-C 结束）。</translation>
    </message>
    <message>
        <source>the data usage has no interface &apos;%1&apos;; it has none yet.</source>
        <translation>数据使用量中没有接口“%1”；目前还没有任何接口。</translation>
    </message>
    <message>
        <source>the data usage has no interface &apos;%1&apos;; it has %2.</source>
        <translation>数据使用量中没有接口“%1”；现有接口：%2。</translation>
    </message>
    <message>
        <source>No monthly limit is set: %1 used since %2.</source>
        <translation>未设置每月限制：自 %2 以来已使用 %1。</translation>
    </message>
    <message>
        <source>The monthly limit is reached: %1 of %2 used since %3.</source>
        <translation>已达到每月限制：自 %3 以来已使用 %1，限制为 %2。</translation>
    </message>
    <message>
        <source>Within the monthly limit: %1 of %2 used since %3.</source>
        <translation>未超过每月限制：自 %3 以来已使用 %1，限制为 %2。</translation>
    </message>
    <message>
        <source>the data usage database %1 cannot be read: %2. Bytelora moves it aside and starts a new one when it next records.</source>
        <translation>无法读取数据使用量数据库 %1：%2。Bytelora 下次记录时会将其移到一旁并新建一个数据库。</translation>
    </message>
    <message>
        <source>the data usage database %1 cannot be read: %2.</source>
        <translation>无法读取数据使用量数据库 %1：%2。</translation>
    </message>
    <message>
        <source>1 program could not be told apart; its bytes are in Other</source>
        <translation>有 1 个程序无法区分；它的字节数计入“其他”</translation>
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
        <translation>序号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速率</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>计入</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message numerus="yes">
        <source>%n programs could not be told apart; their bytes are in Other</source>
        <translation>
            <numerusform>有 %n 个程序无法区分；它们的字节数计入“其他”</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Bytelora is already running but does not answer. Close it, or end it, and start it again.</source>
        <translation>Bytelora 已在运行，但没有响应。请关闭或结束它，然后重新启动。</translation>
    </message>
</context>
</TS>
