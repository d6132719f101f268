; Before the files are replaced (an install over an earlier one that was not removed
; first): stops the per-application counter's service and waits, up to ten seconds,
; until its executable may be written. Windows keeps a running program's file from
; being written, and the install would otherwise stop at it.
ExecWait '"$SYSDIR\sc.exe" stop bytelora-countd'
IfFileExists "$INSTDIR\bin\bytelora-countd.exe" 0 countd_free
StrCpy $R0 0
countd_wait_free:
  ClearErrors
  FileOpen $R1 "$INSTDIR\bin\bytelora-countd.exe" a
  IfErrors 0 countd_opened
  IntOp $R0 $R0 + 1
  IntCmp $R0 20 countd_free
  Sleep 500
  Goto countd_wait_free
countd_opened:
  FileClose $R1
countd_free:
