<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
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
</context>
<context>
    <name>bytelora::GraphWindow</name>
    <message>
        <source>Bandwidth Graph</source>
        <translation>帯域幅グラフ</translation>
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
</context>
<context>
    <name>main</name>
    <message>
        <source>Bytelora is already running but does not answer. Close it, or end it, and start it again.</source>
        <translation>Bytelora は既に実行中ですが、応答しません。閉じるか終了させてから、もう一度起動してください。</translation>
    </message>
</context>
</TS>
