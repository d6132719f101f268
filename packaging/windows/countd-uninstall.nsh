; Stops and removes the per-application counter's service, and the line it leaves
; beside itself. Its executable can be deleted once the service has stopped: that is
; waited for, up to ten seconds.
ExecWait '"$SYSDIR\sc.exe" stop bytelora-countd'
StrCpy $R0 0
countd_wait_stopped:
  ClearErrors
  Delete "$INSTDIR\bin\bytelora-countd.exe"
  IfErrors 0 countd_stopped
  IntOp $R0 $R0 + 1
  IntCmp $R0 20 countd_stopped
  Sleep 500
  Goto countd_wait_stopped
countd_stopped:
ExecWait '"$SYSDIR\sc.exe" delete bytelora-countd'
Delete "$INSTDIR\bin\bytelora-countd.log"
