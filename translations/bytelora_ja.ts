<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>GlanceMenus</name>
    <message>
        <source>Icon Shows</source>
        <translation>アイコン表示</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>ロゴ</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>グラフ</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>単位</translation>
    </message>
    <message>
        <source>Bytes per second</source>
        <translation>バイト/秒</translation>
    </message>
    <message>
        <source>Bits per second</source>
        <translation>ビット/秒</translation>
    </message>
</context>
<context>
    <name>bytelora::AppsWindow</name>
    <message>
        <source> - Applications</source>
        <translation> - アプリケーション</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>アップロード</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>受信</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Received and sent: since the per-application counter started</source>
        <translation>受信と送信: アプリケーション別カウンターの開始以降</translation>
    </message>
    <message>
        <source>Received today</source>
        <translation>今日の受信</translation>
    </message>
    <message>
        <source>Sent today</source>
        <translation>今日の送信</translation>
    </message>
    <message>
        <source>Received and sent: today, since midnight</source>
        <translation>受信と送信: 今日の午前 0 時以降</translation>
    </message>
    <message>
        <source>The per-application counter is not available.</source>
        <translation>アプリケーション別カウンターを利用できません。</translation>
    </message>
    <message numerus="yes">
        <source>%n programs could not be told apart; their bytes are in Other</source>
        <translation>
            <numerusform>%n 個のプログラムを区別できませんでした。それらのバイト数は「その他」に含まれています</numerusform>
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
        <translation>1 日以上前のデータ使用量 (%1、%2 バイト) を %3 に保存できなかったため、破棄しました。データベースに書き込めない間も、それ以降の使用量は保持されます。</translation>
    </message>
    <message>
        <source> The data usage is kept in memory (for up to a day) and written as soon as it can be.</source>
        <translation> データ使用量はメモリ内に (最大 1 日分) 保持され、書き込めるようになり次第書き込まれます。</translation>
    </message>
    <message>
        <source>The data usage database %1 is locked by another program.</source>
        <translation>データ使用量データベース %1 は別のプログラムによってロックされています。</translation>
    </message>
    <message>
        <source>The disk that holds the data usage database %1 is full.</source>
        <translation>データ使用量データベース %1 があるディスクの空き容量がありません。</translation>
    </message>
    <message>
        <source>The data usage database %1 cannot be written (read-only).</source>
        <translation>データ使用量データベース %1 に書き込めません (読み取り専用)。</translation>
    </message>
    <message>
        <source>The data usage database %1 comes from a newer Bytelora. It is shown but not changed; data usage is not recorded.</source>
        <translation>データ使用量データベース %1 は新しいバージョンの Bytelora で作成されています。表示はしますが変更はしません。データ使用量は記録されません。</translation>
    </message>
    <message>
        <source>The data usage database %1 is damaged.</source>
        <translation>データ使用量データベース %1 は破損しています。</translation>
    </message>
    <message>
        <source>The data usage could not be written to %1.</source>
        <translation>データ使用量を %1 に書き込めませんでした。</translation>
    </message>
    <message>
        <source>The data usage not yet stored (%1, %2 bytes) could not be written to %3 and is lost.</source>
        <translation>未保存のデータ使用量 (%1、%2 バイト) を %3 に書き込めなかったため、失われました。</translation>
    </message>
    <message>
        <source>Another Bytelora records the data usage; this one does not.</source>
        <translation>データ使用量は別の Bytelora が記録しているため、この Bytelora は記録しません。</translation>
    </message>
    <message>
        <source>The data usage for Prometheus cannot be written: %1.</source>
        <translation>Prometheus 用のデータ使用量を書き込めません: %1。</translation>
    </message>
    <message>
        <source>The data usage database %1 was damaged. It was kept as %2 and a new database was started.</source>
        <translation>データ使用量データベース %1 は破損していました。%2 として保存し、新しいデータベースを開始しました。</translation>
    </message>
    <message>
        <source>The data usage database %1 is damaged and could not be moved aside (%2). Data usage is not recorded.</source>
        <translation>データ使用量データベース %1 は破損しており、退避できませんでした (%2)。データ使用量は記録されません。</translation>
    </message>
</context>
<context>
    <name>bytelora::ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>このメッセージのスクリーンショットをメールでお送りください。送付先: </translation>
    </message>
</context>
<context>
    <name>bytelora::GraphWindow</name>
    <message>
        <source>Bandwidth Graph</source>
        <translation>帯域幅グラフ</translation>
    </message>
</context>
<context>
    <name>bytelora::HistoryLog</name>
    <message>
        <source>Cannot write to the history log &quot;%1&quot;: %2</source>
        <translation>履歴ログ「%1」に書き込めません: %2</translation>
    </message>
    <message>
        <source>Cannot read the history log &quot;%1&quot;: %2</source>
        <translation>履歴ログ「%1」を読み取れません: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link, which is not followed</source>
        <translation>シンボリック リンクのため、リンク先は開きません</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>別のユーザーが所有しています</translation>
    </message>
    <message>
        <source>%1; the line was not added</source>
        <translation>%1 (行は追加されませんでした)</translation>
    </message>
</context>
<context>
    <name>bytelora::InterfaceText</name>
    <message>
        <source>hardware</source>
        <translation>ハードウェア</translation>
    </message>
    <message>
        <source>default route</source>
        <translation>既定のルート</translation>
    </message>
    <message>
        <source>every interface</source>
        <translation>すべてのインターフェイス</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>選択済み</translation>
    </message>
    <message>
        <source>virtual</source>
        <translation>仮想</translation>
    </message>
    <message>
        <source>no default route</source>
        <translation>既定のルートなし</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>未選択</translation>
    </message>
    <message>
        <source>loopback</source>
        <translation>Loopback</translation>
    </message>
    <message>
        <source>filter</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>other</source>
        <translation>その他</translation>
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
        <translation>無線</translation>
    </message>
    <message>
        <source>tunnel</source>
        <translation>トンネル</translation>
    </message>
    <message>
        <source>up</source>
        <translation>アップ</translation>
    </message>
    <message>
        <source>down</source>
        <translation>ダウン</translation>
    </message>
    <message>
        <source>testing</source>
        <translation>テスト中</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>dormant</source>
        <translation>休止</translation>
    </message>
    <message>
        <source>notpresent</source>
        <translation>存在しない</translation>
    </message>
    <message>
        <source>lowerlayerdown</source>
        <translation>下位層ダウン</translation>
    </message>
    <message>
        <source>non-operational</source>
        <translation>動作不可</translation>
    </message>
    <message>
        <source>unreachable</source>
        <translation>到達不能</translation>
    </message>
    <message>
        <source>disconnected</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>接続中</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>接続済み</translation>
    </message>
    <message>
        <source>operational</source>
        <translation>動作中</translation>
    </message>
</context>
<context>
    <name>bytelora::InterfacesDialog</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Interfaces</source>
        <translation>インターフェイス</translation>
    </message>
    <message>
        <source>Use the automatic choice</source>
        <translation>自動選択を使用する</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>インターフェイス</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>受信</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>集計対象</translation>
    </message>
    <message>
        <source>The automatic choice counts the interfaces with hardware behind them; without any, those with a default route; without those, all. Received and sent are counted since the system started.</source>
        <translation>自動選択では、実際のハードウェアを持つインターフェイスを集計します。それがなければ既定のルートを持つもの、それもなければすべてを集計します。受信と送信はシステムの起動時からの量です。</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>存在しない</translation>
    </message>
    <message>
        <source>No (not present)</source>
        <translation>いいえ (存在しない)</translation>
    </message>
</context>
<context>
    <name>bytelora::IntervalTable</name>
    <message>
        <source>Log every 1 second</source>
        <translation>1 秒ごとに記録</translation>
    </message>
    <message>
        <source>Log every 5 seconds</source>
        <translation>5 秒ごとに記録</translation>
    </message>
    <message>
        <source>Log every 10 seconds</source>
        <translation>10 秒ごとに記録</translation>
    </message>
    <message>
        <source>Log every 30 seconds</source>
        <translation>30 秒ごとに記録</translation>
    </message>
    <message>
        <source>Log every 1 minute</source>
        <translation>1 分ごとに記録</translation>
    </message>
    <message>
        <source>Log every 5 minutes</source>
        <translation>5 分ごとに記録</translation>
    </message>
    <message>
        <source>Log every 10 minutes</source>
        <translation>10 分ごとに記録</translation>
    </message>
    <message>
        <source>Log every 30 minutes</source>
        <translation>30 分ごとに記録</translation>
    </message>
    <message>
        <source>Log every 1 hour</source>
        <translation>1 時間ごとに記録</translation>
    </message>
    <message>
        <source>Log every 6 hours</source>
        <translation>6 時間ごとに記録</translation>
    </message>
    <message>
        <source>Log every 12 hours</source>
        <translation>12 時間ごとに記録</translation>
    </message>
    <message>
        <source>Log every 24 hours</source>
        <translation>24 時間ごとに記録</translation>
    </message>
    <message>
        <source>How often would you like to log bandwidth usage?</source>
        <translation>帯域幅使用量を記録する間隔を選んでください。</translation>
    </message>
    <message>
        <source>Bandwidth Usage</source>
        <translation>帯域幅使用量</translation>
    </message>
</context>
<context>
    <name>bytelora::LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システムに従う</translation>
    </message>
    <message>
        <source>A new language shows at the next start.</source>
        <translation>新しい言語は次回の起動時に反映されます。</translation>
    </message>
</context>
<context>
    <name>bytelora::MainWindow</name>
    <message>
        <source>Next bandwidth usage snapshot will occur in </source>
        <translation>次の帯域幅使用量スナップショットまで </translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>進行状況バー</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>起動オプション</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Windows の起動時に読み込む</translation>
    </message>
    <message>
        <source>Minimized to system tray</source>
        <translation>システムトレイに最小化</translation>
    </message>
    <message>
        <source>Turn On Automatic Logging</source>
        <translation>自動記録をオンにする</translation>
    </message>
    <message>
        <source>View History Graph</source>
        <translation>履歴グラフを表示</translation>
    </message>
    <message>
        <source>View History Log</source>
        <translation>履歴ログを表示</translation>
    </message>
    <message>
        <source>Copy History To Clipboard</source>
        <translation>履歴をクリップボードにコピー</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Clear History Log</source>
        <translation>履歴ログを消去</translation>
    </message>
    <message>
        <source>Data usage…</source>
        <translation>データ使用量…</translation>
    </message>
    <message>
        <source>Applications…</source>
        <translation>アプリケーション…</translation>
    </message>
    <message>
        <source>Data usage: </source>
        <translation>データ使用量: </translation>
    </message>
    <message>
        <source>Data usage cannot be recorded:<byte value="xd"/>
</source>
        <translation>データ使用量を記録できません:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Automatic Log is Turned Off.</source>
        <translation>自動ログはオフに設定されています。</translation>
    </message>
    <message>
        <source>Logging bandwidth usage is running in background...</source>
        <translation>帯域幅使用量をバックグラウンドで記録しています...</translation>
    </message>
    <message>
        <source>Automatic Logging Bandwidth Usage Complete at </source>
        <translation>帯域幅使用量の自動記録が完了しました: </translation>
    </message>
    <message>
        <source>Automatic Log is Off.</source>
        <translation>自動ログはオフです。</translation>
    </message>
    <message>
        <source>Turn On Automatic Log</source>
        <translation>自動ログをオンにする</translation>
    </message>
    <message>
        <source>Turn Off Automatic Log</source>
        <translation>自動ログをオフにする</translation>
    </message>
</context>
<context>
    <name>bytelora::RatesWindow</name>
    <message>
        <source>Bytelora Rates</source>
        <translation>Bytelora 転送速度</translation>
    </message>
</context>
<context>
    <name>bytelora::Settings</name>
    <message>
        <source>line %1 %2</source>
        <translation>の %1 行目%2</translation>
    </message>
    <message>
        <source>holds binary data</source>
        <translation>はバイナリ データを含んでいます</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>は UTF-8 のテキストではありません</translation>
    </message>
    <message>
        <source>is not a complete [section] line</source>
        <translation>は不完全な [section] 行です</translation>
    </message>
    <message>
        <source>is not a [section] or a key=value line</source>
        <translation>は [section] 行でも key=value 行でもありません</translation>
    </message>
    <message>
        <source>has a value without a key</source>
        <translation>にキーのない値があります</translation>
    </message>
    <message>
        <source>cannot be looked at (%1)</source>
        <translation>を確認できません (%1)</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>はファイルではなくフォルダーです</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>は通常のファイルではありません</translation>
    </message>
    <message>
        <source>cannot be opened for reading</source>
        <translation>を読み取り用に開けません</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>を読み取れません</translation>
    </message>
    <message>
        <source>The stored choice of interfaces (&quot;%1&quot;) cannot be read, so Bytelora counts the interfaces it picks itself. The stored value is kept as it is; choose the interfaces again under &quot;Interfaces...&quot; in the tray icon&apos;s menu to replace it.</source>
        <translation>保存されているインターフェイスの選択 (「%1」) を読み取れないため、Bytelora は自分で選んだインターフェイスを集計します。保存されている値はそのまま残してあります。置き換えるには、トレイ アイコンのメニューの「インターフェイス…」でインターフェイスを選び直してください。</translation>
    </message>
    <message>
        <source>the registry key %1</source>
        <translation>レジストリ キー %1</translation>
    </message>
    <message>
        <source>the settings file %1</source>
        <translation>設定ファイル %1</translation>
    </message>
    <message>
        <source> (%1 is a file, so the folder cannot be made)</source>
        <translation> (%1 がファイルのため、フォルダーを作成できません)</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; was not saved: %2</source>
        <translation>設定「%1」は保存されませんでした: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid settings name (it is empty or holds a &quot;/&quot; or &quot;\&quot;).</source>
        <translation>「%1」は有効な設定名ではありません (空であるか、「/」または「\」を含んでいます)。</translation>
    </message>
    <message>
        <source>no folder for settings was found (neither XDG_CONFIG_HOME nor HOME names one).</source>
        <translation>設定用のフォルダーが見つかりませんでした (XDG_CONFIG_HOME も HOME も設定されていません)。</translation>
    </message>
    <message>
        <source>%1 %2. It was left as it is; repair or remove it, then try again.</source>
        <translation>%1 %2。そのままにしてあります。修復するか削除してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>%1 is damaged. It was left as it is; repair or remove it, then try again.</source>
        <translation>%1 は破損しています。そのままにしてあります。修復するか削除してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>%1 could not be written%2.</source>
        <translation>%1 に書き込めませんでした%2。</translation>
    </message>
    <message>
        <source>Bytelora could not write the registry value &quot;%1&quot; under %2: %3</source>
        <translation>Bytelora は %2 のレジストリ値「%1」を書き込めませんでした: %3</translation>
    </message>
    <message>
        <source>Bytelora could not delete the registry value &quot;%1&quot; under %2: %3</source>
        <translation>Bytelora は %2 のレジストリ値「%1」を削除できませんでした: %3</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be saved:<byte value="xd"/>
%2</source>
        <translation>設定「%1」を保存できませんでした:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>write its autostart entry</source>
        <translation>自動起動エントリを書き込む</translation>
    </message>
    <message>
        <source>put its autostart entry in place</source>
        <translation>自動起動エントリを配置する</translation>
    </message>
    <message>
        <source>find its own program file</source>
        <translation>自身のプログラム ファイルを見つける</translation>
    </message>
    <message>
        <source>make the autostart folder</source>
        <translation>自動起動フォルダーを作成する</translation>
    </message>
    <message>
        <source>remove its autostart entry</source>
        <translation>自動起動エントリを削除する</translation>
    </message>
    <message>
        <source>Bytelora could not %1: %2: %3.</source>
        <translation>Bytelora は%1ことができませんでした: %2: %3。</translation>
    </message>
    <message>
        <source>Bytelora could not find the folder for autostart entries: neither XDG_CONFIG_HOME nor HOME names one.</source>
        <translation>Bytelora は自動起動エントリ用のフォルダーを見つけられませんでした: XDG_CONFIG_HOME も HOME も設定されていません。</translation>
    </message>
</context>
<context>
    <name>bytelora::SingleInstance</name>
    <message>
        <source>The instance lock %1 cannot be made; Bytelora runs without it, so a second start is not caught.</source>
        <translation>インスタンス ロック %1 を作成できません。Bytelora はロックなしで実行されるため、二重起動を検出できません。</translation>
    </message>
    <message>
        <source>Bytelora cannot listen on %1 (%2); a second start cannot bring this window forward.</source>
        <translation>Bytelora は %1 で待ち受けできません (%2)。もう一度起動しても、このウィンドウを前面に表示できません。</translation>
    </message>
</context>
<context>
    <name>bytelora::StartupOptions</name>
    <message>
        <source>Bytelora could not be set to start with your session:<byte value="xd"/>
</source>
        <translation>Bytelora をログイン時に起動するよう設定できませんでした:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Bytelora could not stop starting with your session:<byte value="xd"/>
</source>
        <translation>Bytelora のログイン時の起動を解除できませんでした:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayBehaviour</name>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;Q&apos; icon (Q for Quillmark) to bring the software back.</source>
        <translation>システムトレイに最小化されました。<byte value="xd"/>
青い「Q」アイコン (Quillmark の Q) をクリックすると元に戻ります。</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayIcon</name>
    <message>
        <source>%1 — Download: %2, Upload: %3</source>
        <translation>%1 — ダウンロード: %2、アップロード: %3</translation>
    </message>
</context>
<context>
    <name>bytelora::TrayMenu</name>
    <message>
        <source>Show Bytelora</source>
        <translation>Bytelora を表示</translation>
    </message>
    <message>
        <source>Interfaces…</source>
        <translation>インターフェイス…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Rates Window</source>
        <translation>速度ウィンドウ</translation>
    </message>
    <message>
        <source>Rates Window Chart</source>
        <translation>速度ウィンドウのグラフ</translation>
    </message>
</context>
<context>
    <name>bytelora::UsageLimit</name>
    <message>
        <source>about %1 by the %2th</source>
        <translation>%2 日までに約 %1 の見込み</translation>
    </message>
    <message>
        <source>about %1 by the %2st</source>
        <translation>%2 日までに約 %1 の見込み</translation>
    </message>
    <message>
        <source>about %1 by the %2nd</source>
        <translation>%2 日までに約 %1 の見込み</translation>
    </message>
    <message>
        <source>about %1 by the %2rd</source>
        <translation>%2 日までに約 %1 の見込み</translation>
    </message>
    <message>
        <source>The monthly data limit is reached: %1 of %2 used this month.</source>
        <translation>月間データ上限に達しました: 今月の使用量は %1 / %2 です。</translation>
    </message>
    <message>
        <source>90 % of the monthly data limit is used: %1 of %2 this month.</source>
        <translation>月間データ上限の 90% を使用しました: 今月の使用量は %1 / %2 です。</translation>
    </message>
</context>
<context>
    <name>bytelora::UsageTable</name>
    <message>
        <source>Application</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>受信</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
</context>
<context>
    <name>bytelora::UsageWindow</name>
    <message>
        <source>Data usage - Bytelora</source>
        <translation>データ使用量 - Bytelora</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV のエクスポート</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>今月</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>月別</translation>
    </message>
    <message>
        <source>All counted interfaces</source>
        <translation>集計対象のすべてのインターフェイス</translation>
    </message>
    <message>
        <source>By application</source>
        <translation>アプリケーション別</translation>
    </message>
    <message>
        <source>Each application&apos;s bytes today or this month, where the per-application counter ran while they were recorded</source>
        <translation>今日または今月の各アプリケーションのバイト数 (記録時にアプリケーション別カウンターが動作していた分のみ)</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV をエクスポート…</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>上限なし</translation>
    </message>
    <message>
        <source>Alert at 90 % and at 100 %</source>
        <translation>90% と 100% で通知する</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>インターフェイス:</translation>
    </message>
    <message>
        <source>Monthly limit</source>
        <translation>月間データ上限</translation>
    </message>
    <message>
        <source>Data limit:</source>
        <translation>データ上限:</translation>
    </message>
    <message>
        <source>Month starts on day:</source>
        <translation>月の開始日:</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>受信</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>This month: %1</source>
        <translation>今月: %1</translation>
    </message>
    <message>
        <source> of %1 (%2 %)</source>
        <translation> / %1 (%2%)</translation>
    </message>
    <message>
        <source>The data usage could not be exported to %1:<byte value="xd"/>
%2</source>
        <translation>データ使用量を %1 にエクスポートできませんでした:<byte value="xd"/>
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
        <translation>使い方: bytelora-cli COMMAND [OPTIONS]

コマンド:
  interfaces         インターフェイス表を一度読み取り、合計とともに一覧表示
  watch [--interface NAME]...
                     ダウンロードとアップロードの速度を毎秒表示
  log [--every E] [--interface NAME]...
                     帯域幅使用量のスナップショットを履歴ログに記録。
                     E は下記の間隔のいずれか (既定: ウィンドウで選んだ
                     間隔)。ほかの Bytelora が記録していなければ、
                     データ使用量も記録
  log ... --textfile-dir DIR
                     さらに 1 分ごとに Prometheus 用のデータ使用量を
                     DIR に書き込む (node_exporter の textfile collector)
  usage [VIEW] [--begin DATE] [--end DATE] [--interface NAME] [--json|--csv]
                     データ使用量。VIEW は次のいずれか
    --hours          直近 24 時間を時間別に
    --days           今の集計月を今日まで日別に (既定)
    --months         直近 24 か月の集計月
    --years          使用量のあるすべての年
    --top N          使用量の多い上位 N 日
                     DATE は YYYY-MM-DD (ローカル時刻)。--begin と --end
                     で、どのビューでも対象の日を選べる (両端を含む)
  usage --limit [--interface NAME]
                     今の集計月の使用量を月間上限と比べて 1 行で表示。
                     上限に達していれば終了コード 1、それ以外は 0
  usage --prometheus [--interface NAME]
                     インターフェイスごとの累計を Prometheus の
                     テキスト形式で出力
  usage --apps [--hours|--days|--months|--years] [--begin DATE] [--end DATE]
        [--json|--csv]
                     ビュー内の各アプリケーションのバイト数を多い順に
                     (アプリケーション別カウンターの動作中に記録した分)
  apps [--json]      アプリケーション別カウンター (bytelora-countd) の
                     起動以降の各アプリケーションのバイト数と、
                     どのローカルプログラムにも属さない通信量

--interface は指定した名前のインターフェイスだけを集計 (名前は完全一致)。
指定しなければウィンドウで選んだインターフェイス、それもなければ Bytelora
が自分で選んだインターフェイスを集計します。
  --help             このヘルプを表示
  --version          バージョンを表示

間隔:
</translation>
    </message>
    <message>
        <source>
watch and log run until interrupted (Ctrl-C).
</source>
        <translation>
watch と log は中断されるまで (Ctrl-C) 実行し続けます。
</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>受信</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Executable</source>
        <translation>実行ファイル</translation>
    </message>
    <message>
        <source>Other (traffic no local program owns: forwarded, bridged)</source>
        <translation>その他 (どのローカル プログラムにも属さない通信: 転送、ブリッジ)</translation>
    </message>
    <message>
        <source>Other (traffic none of your programs owns: other users&apos;, forwarded, bridged)</source>
        <translation>その他 (あなたのどのプログラムにも属さない通信: 他のユーザーの通信、転送、ブリッジ)</translation>
    </message>
    <message>
        <source>%1 received, %2 sent</source>
        <translation>受信 %1、送信 %2</translation>
    </message>
    <message>
        <source>not known (the counter left no record of the interfaces at its start)</source>
        <translation>不明 (カウンターの開始時のインターフェイスの記録がありません)</translation>
    </message>
    <message>
        <source>%1 and %2 cannot go together</source>
        <translation>%1 と %2 は同時に指定できません</translation>
    </message>
    <message>
        <source>--top needs a number of days (1 or more)</source>
        <translation>--top には日数 (1 以上) を指定してください</translation>
    </message>
    <message>
        <source>%1 needs a date as YYYY-MM-DD</source>
        <translation>%1 には YYYY-MM-DD 形式の日付を指定してください</translation>
    </message>
    <message>
        <source>--interface needs a name</source>
        <translation>--interface には名前を指定してください</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>不明なオプション &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--begin is after --end</source>
        <translation>--begin が --end より後になっています</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>コマンドが指定されていません</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>不明なコマンド &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--every needs an interval</source>
        <translation>--every には間隔を指定してください</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not one of the intervals</source>
        <translation>&apos;%1&apos; は指定できる間隔ではありません</translation>
    </message>
    <message>
        <source>--textfile-dir needs a folder</source>
        <translation>--textfile-dir にはフォルダーを指定してください</translation>
    </message>
    <message>
        <source>The stored interval &quot;%1&quot; is not one of the choices; using &quot;%2&quot;.</source>
        <translation>保存されている間隔 &quot;%1&quot; は選択肢にありません。&quot;%2&quot; を使用します。</translation>
    </message>
    <message>
        <source>Total received: %1 bytes</source>
        <translation>受信の合計: %1 バイト</translation>
    </message>
    <message>
        <source>Total sent: %1 bytes</source>
        <translation>送信の合計: %1 バイト</translation>
    </message>
    <message>
        <source>Taking a bandwidth usage snapshot every %1 s into %2 (Ctrl-C ends).</source>
        <translation>%1 秒ごとに帯域幅使用量のスナップショットを %2 に記録します (Ctrl-C で終了)。</translation>
    </message>
    <message>
        <source>the data usage has no interface &apos;%1&apos;; it has none yet.</source>
        <translation>データ使用量にインターフェイス &apos;%1&apos; はありません。まだインターフェイスが 1 つもありません。</translation>
    </message>
    <message>
        <source>the data usage has no interface &apos;%1&apos;; it has %2.</source>
        <translation>データ使用量にインターフェイス &apos;%1&apos; はありません。あるのは %2 です。</translation>
    </message>
    <message>
        <source>No monthly limit is set: %1 used since %2.</source>
        <translation>月間データ上限は設定されていません: %2 以降の使用量は %1 です。</translation>
    </message>
    <message>
        <source>The monthly limit is reached: %1 of %2 used since %3.</source>
        <translation>月間データ上限に達しました: %3 以降の使用量は %1 / %2 です。</translation>
    </message>
    <message>
        <source>Within the monthly limit: %1 of %2 used since %3.</source>
        <translation>月間データ上限内です: %3 以降の使用量は %1 / %2 です。</translation>
    </message>
    <message>
        <source>the data usage database %1 cannot be read: %2. Bytelora moves it aside and starts a new one when it next records.</source>
        <translation>データ使用量データベース %1 を読み取れません: %2。Bytelora は次回の記録時にこれを退避し、新しいデータベースを開始します。</translation>
    </message>
    <message>
        <source>the data usage database %1 cannot be read: %2.</source>
        <translation>データ使用量データベース %1 を読み取れません: %2。</translation>
    </message>
    <message>
        <source>1 program could not be told apart; its bytes are in Other</source>
        <translation>1 個のプログラムを区別できませんでした。そのバイト数は「その他」に含まれています</translation>
    </message>
    <message>
        <source>yes (%1)</source>
        <translation>はい (%1)</translation>
    </message>
    <message>
        <source>no (%1)</source>
        <translation>いいえ (%1)</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>集計対象</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message numerus="yes">
        <source>%n programs could not be told apart; their bytes are in Other</source>
        <translation>
            <numerusform>%n 個のプログラムを区別できませんでした。それらのバイト数は「その他」に含まれています</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Bytelora is already running but does not answer. Close it, or end it, and start it again.</source>
        <translation>Bytelora は既に実行中ですが、応答しません。閉じるか終了させてから、もう一度起動してください。</translation>
    </message>
</context>
</TS>
