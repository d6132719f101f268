; The per-application counter as a Windows service, run as LocalSystem: the kernel's
; trace session needs an administrator or a service account, and only LocalSystem may
; read every user's processes (their user and executable), which LocalService may not.
; The service starts with Windows and, should it crash, is started again.
; /REPLAY=<file> on the installer's command line makes it count a recorded event file
; instead (the checks of an installation where no trace session can run).
${GetParameters} $R0
ClearErrors
${GetOptions} $R0 "/REPLAY=" $R1
StrCpy $R2 ""
IfErrors +2
StrCpy $R2 ' --replay \"$R1\"'
; A service manager still starting up (a first boot, wine) may lose a new entry, and
; refuses to start a service while it starts the system's own (1055) or gives up on one
; that comes up slowly (1053): the entry is made again and started until the service
; starts, for up to about a minute.
StrCpy $R3 0
countd_create:
  ExecWait '"$SYSDIR\sc.exe" create bytelora-countd binPath= "\"$INSTDIR\bin\bytelora-countd.exe\"$R2" start= auto obj= LocalSystem DisplayName= "Bytelora per-application counter"'
  ExecWait '"$SYSDIR\sc.exe" description bytelora-countd "Counts the network bytes of each program for Bytelora."'
  ExecWait '"$SYSDIR\sc.exe" failure bytelora-countd reset= 86400 actions= restart/5000/restart/10000/restart/60000'
  ExecWait '"$SYSDIR\sc.exe" start bytelora-countd' $R4
  IntCmp $R4 0 countd_started
  ; 1056: running already (an install over one that could not be stopped)
  IntCmp $R4 1056 countd_started
  IntOp $R3 $R3 + 1
  IntCmp $R3 20 countd_started
  Sleep 2000
  Goto countd_create
countd_started:
