; The uninstaller: it removes the program folder, the start-up value that names this exe, the Start menu
; and the records. In the data folder it removes what the setup program put there and nobody changed; the
; journal, the report, a changed dictionary and every other file stay, and its last page says where.

Function un.onInit
  SetShellVarContext all
  Call un.StopUnlessAdministrator
  ReadRegStr $Record HKLM "${POLICY_KEY}" "ProgramFolder"
  ReadRegStr $DataFolder HKLM "${POLICY_KEY}" "DataFolder"
  ${If} $DataFolder == ""
    StrCpy $DataFolder "$APPDATA\quorvel"
  ${EndIf}
  !insertmacro UnpackShipped
FunctionEnd

; Sets $0 to 1 when the data folder's quorvel.ini is one that the setup program writes.
Function un.SettingsAsWritten
  StrCpy $0 0
  ClearErrors
  FileOpen $1 "$DataFolder\quorvel.ini" r
  ${If} ${Errors}
    Return
  ${EndIf}
  FileRead $1 $2
  FileRead $1 $3
  ClearErrors
  FileRead $1 $4
  ${If} ${Errors}
  ${AndIf} $3 S== "Font=14,25$\r$\n"
    ${If} $2 S== "Predmet=0$\r$\n"
    ${OrIf} $2 S== "Predmet=1$\r$\n"
    ${OrIf} $2 S== "Predmet=2$\r$\n"
      StrCpy $0 1
    ${EndIf}
  ${EndIf}
  FileClose $1
FunctionEnd

!macro RemoveIfShipped name shipped
  Push "$DataFolder\${name}"
  Push "$PLUGINSDIR\${shipped}"
  Call un.SameBytes
  ${If} $0 == 1
    Delete "$DataFolder\${name}"
  ${EndIf}
!macroend

; A link in the data folder's place is removed, and nothing is deleted through it.
Function un.ClearDataFolder
  Push $DataFolder
  Call un.Kind
  ${If} $0 == 1
    RMDir "$DataFolder"
    Return
  ${EndIf}
  Push $DataFolder
  Call un.RemoveLinks
  Call un.SettingsAsWritten
  ${If} $0 == 1
    Delete "$DataFolder\quorvel.ini"
  ${EndIf}
  Delete "$DataFolder\quorvel.ini.tmp"
  Delete "$DataFolder\quorvel_journal.txt.tmp"
  Delete "$DataFolder\quorvel_report.html.tmp"
  !insertmacro RemoveIfShipped "quorvel_vcb.ini" "quorvel_vcb.ini"
  ; The report the program wrote is the family's; the setup program's first page is not.
  !insertmacro RemoveIfShipped "quorvel_report.html" "${REPORT_PAGE}"
  RMDir "$DataFolder"
FunctionEnd

Section Uninstall
  Push $INSTDIR
  Call un.EndRunningQuiz
  Push $INSTDIR
  Call un.RunValueNames
  ${If} $0 == 1
    DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}

  Delete "$INSTDIR\quorvel.exe"
  Delete "$INSTDIR\readme.txt"
  ; This copy runs from the temporary folder; the uninstall.exe that started it may take a moment to end.
  StrCpy $1 0
  ${Do}
    Delete "$INSTDIR\uninstall.exe"
    ${IfNot} ${FileExists} "$INSTDIR\uninstall.exe"
    ${OrIf} $1 >= 50
      ${Break}
    ${EndIf}
    Sleep 100
    IntOp $1 $1 + 1
  ${Loop}
  RMDir "$INSTDIR"

  ; A second install in another folder may have taken the records over since; its data folder and menu
  ; are its own.
  ${If} $Record == ""
  ${OrIf} $Record == $INSTDIR
    Call un.ClearDataFolder
    Delete "${MENU_FOLDER}\$(ReadmeShortcut).lnk"
    Delete "${MENU_FOLDER}\$(ReportShortcut).lnk"
    Delete "${MENU_FOLDER}\$(DictionaryShortcut).lnk"
    RMDir "${MENU_FOLDER}"
    DeleteRegKey HKLM "${POLICY_KEY}"
  ${EndIf}
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == ""
  ${OrIf} $0 == $INSTDIR
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ${EndIf}

  StrCpy $FinishText "$(UninstallDone)"
  ${If} ${FileExists} "$DataFolder\*.*"
    StrCpy $FinishText "$FinishText$\r$\n$\r$\n$(UninstallKeptData)"
    Push $DataFolder
    Call un.ListLeft
  ${EndIf}
  ${If} ${FileExists} "$INSTDIR\*.*"
    StrCpy $FinishText "$FinishText$\r$\n$\r$\n$(UninstallKeptProgram)"
    Push $INSTDIR
    Call un.ListLeft
  ${EndIf}
SectionEnd
