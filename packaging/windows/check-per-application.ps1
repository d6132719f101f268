<#
.SYNOPSIS
  Checks Bytelora's per-application counter (the bytelora-countd service) on a real
  Windows, where its tests under wine cannot reach: the kernel's trace session.

.DESCRIPTION
  Run as an administrator, with Bytelora installed and its service running:
    powershell -ExecutionPolicy Bypass -File check-per-application.ps1 [-Url <url>] [-SecondUser <name>]
  1. Downloads a file of known size with curl.exe and compares the bytes the counter gave
     curl.exe with the file's size and with the interfaces' deltas (GetIfTable2, through
     Get-NetAdapterStatistics).
  2. Moves 50 MB over loopback and checks that no program's count grew by it.
  3. Loads the machine with parallel downloads and reads the "lost" line.
  4. With -SecondUser, asks as that user (runas prompts for the password) and checks that
     its reply holds none of this user's programs.
  5. Saves what the service saw as a recording for the tests (-Recording), made from a
     private trace session of its own (logman) while the download runs.
  Prints PASS or FAIL a line, and exits with the number of failures.
#>
param(
    [string]$Url = "https://speed.hetzner.de/100MB.bin",
    [string]$SecondUser = "",
    [string]$Recording = "$PSScriptRoot\recorded.events",
    [string]$Cli = "$PSScriptRoot\..\bin\bytelora-cli.exe"
)
$ErrorActionPreference = "Stop"
$failures = 0
function Check($ok, $what) {
    if ($ok) { Write-Output "PASS $what" } else { Write-Output "FAIL $what"; $script:failures++ }
}
function Apps() {
    $json = & $Cli apps --json
    if ($LASTEXITCODE -ne 0) { throw "bytelora-cli apps failed: $json" }
    return $json | ConvertFrom-Json
}
function Bytes($apps, $exe) {
    $r = 0; $s = 0
    foreach ($a in $apps.applications) {
        if ($a.executable -like "*\$exe") { $r += $a.received; $s += $a.sent }
    }
    return @($r, $s)
}
function InterfaceBytes() {
    $t = 0
    foreach ($a in Get-NetAdapterStatistics) { $t += $a.ReceivedBytes }
    return $t
}
function RawLine($text) {
    # The reply's own lines, for "lost": through the pipe as the clients ask.
    $pipe = New-Object System.IO.Pipes.NamedPipeClientStream(".", "bytelora-countd", [System.IO.Pipes.PipeDirection]::InOut)
    $pipe.Connect(3000)
    $w = New-Object System.IO.StreamWriter($pipe); $w.NewLine = "`n"; $w.WriteLine("list"); $w.Flush()
    $r = New-Object System.IO.StreamReader($pipe)
    $lines = @()
    while (($line = $r.ReadLine()) -ne $null) { $lines += $line; if ($line -eq "end") { break } }
    $pipe.Dispose()
    return $lines | Where-Object { $_ -like "$text*" }
}

Check ((Get-Service bytelora-countd).Status -eq "Running") "the service runs"

# 1. A download of known size. The counter counts payload; the interfaces count packets
#    with their headers: the program's bytes are a little below the interfaces' delta.
$file = Join-Path $env:TEMP "bytelora-check.bin"
$trace = Join-Path $env:TEMP "bytelora-check.etl"
logman stop bytelora-check -ets 2>$null | Out-Null
logman start bytelora-check -p "{7DD42A49-5329-4832-8DFD-43D979153A88}" 0x30 -o $trace -ets | Out-Null
$before = Bytes (Apps) "curl.exe"
$ifBefore = InterfaceBytes
& curl.exe -s -o $file $Url
$size = (Get-Item $file).Length
Start-Sleep 3
$after = Bytes (Apps) "curl.exe"
$ifDelta = (InterfaceBytes) - $ifBefore
logman stop bytelora-check -ets | Out-Null
$got = $after[0] - $before[0]
Write-Output ("file {0} B, curl.exe received {1} B, interfaces received {2} B" -f $size, $got, $ifDelta)
Check ($got -ge $size -and $got -le $size * 1.02) "curl.exe's bytes match the file's size within 2 %"
Check ($got -le $ifDelta) "curl.exe's bytes are at most the interfaces' delta"

# 2. Loopback: a local listener and 50 MB sent to it.
$before = Apps
$listener = [System.Net.Sockets.TcpListener]::new([System.Net.IPAddress]::Loopback, 0)
$listener.Start()
$port = $listener.LocalEndpoint.Port
$job = Start-Job { param($p) $c = [System.Net.Sockets.TcpClient]::new("127.0.0.1", $p); $s = $c.GetStream(); $buf = New-Object byte[] 65536; for ($i = 0; $i -lt 800; $i++) { $s.Write($buf, 0, $buf.Length) }; $c.Close() } -ArgumentList $port
$server = $listener.AcceptTcpClient(); $stream = $server.GetStream(); $buf = New-Object byte[] 65536
while ($stream.Read($buf, 0, $buf.Length) -gt 0) { }
$server.Close(); $listener.Stop(); Receive-Job -Wait $job | Out-Null
Start-Sleep 2
$grew = 0
foreach ($a in (Apps).applications) {
    $old = $before.applications | Where-Object { $_.executable -eq $a.executable } | Select-Object -First 1
    $delta = $a.received - $(if ($old) { $old.received } else { 0 })
    if ($delta -gt $grew) { $grew = $delta }
}
Check ($grew -lt 10MB) "50 MB over loopback is not counted (largest growth $grew B)"

# 3. Load: eight downloads at once; the reply says how many events were lost.
$jobs = 1..8 | ForEach-Object { Start-Job { param($u) & curl.exe -s -o NUL $u } -ArgumentList $Url }
$jobs | Wait-Job | Out-Null
$lost = RawLine "lost"
Write-Output "under load: $lost"
Check ($lost -ne $null) "the reply reports lost events"

# 4. A second user sees none of this user's programs.
if ($SecondUser) {
    $out = Join-Path $env:PUBLIC "bytelora-second.json"
    runas /user:$SecondUser "cmd /c `"$Cli`" apps --json > `"$out`""
    Start-Sleep 5
    $theirs = Get-Content $out | ConvertFrom-Json
    $mine = (Apps).applications | Where-Object { $_.executable -like "*\curl.exe" }
    Check (-not ($theirs.applications | Where-Object { $_.executable -like "*\curl.exe" })) "$SecondUser does not see this user's curl.exe"
}

# 5. The recording: each Kernel-Network event of the download, as the tests read them.
$lines = @("# recorded by check-per-application.ps1 on $(Get-Date -Format s)")
$procs = @{}
Get-WinEvent -Path $trace -Oldest | ForEach-Object {
    $xml = [xml]$_.ToXml()
    $pidText = ($xml.Event.EventData.Data | Where-Object { $_.Name -eq "PID" }).'#text'
    if ($pidText) { $procs[[int]$pidText] = $true }
}
foreach ($p in $procs.Keys) {
    $proc = Get-CimInstance Win32_Process -Filter "ProcessId=$p" -ErrorAction SilentlyContinue
    if ($proc) {
        $owner = Invoke-CimMethod -InputObject $proc -MethodName GetOwnerSid
        $created = ([datetime]$proc.CreationDate).ToFileTimeUtc()
        $lines += "process $p $created $($owner.Sid) $($proc.ExecutablePath)"
    }
}
# The payloads as written: tracerpt's raw dump holds each event's user data in hex.
$dump = Join-Path $env:TEMP "bytelora-check.xml"
tracerpt $trace -o $dump -of XML -y | Out-Null
foreach ($e in ([xml](Get-Content $dump)).Events.Event) {
    $id = $e.System.EventID; $ver = $e.System.Version
    $hex = $e.BinaryEventData
    if ($hex) { $lines += "{7DD42A49-5329-4832-8DFD-43D979153A88} $id $ver $($hex.ToLower())" }
}
$lines | Set-Content -Encoding ascii $Recording
Write-Output "recording saved to $Recording ($($lines.Count) lines)"
exit $failures
