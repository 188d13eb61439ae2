; Files: links that a child's account may plant in the data folder, the files this setup program ships there,
; and the list of what is left in a folder for the last page.

!define FILE_ATTRIBUTE_DIRECTORY 0x10
!define FILE_ATTRIBUTE_REPARSE_POINT 0x400
!define REPORT_PAGE "first-report.html"

; Sets $0 to 1 when the path on the stack is a junction, a symbolic link or another reparse point (which
; nothing of quorvel makes), 2 when it is a plain folder, 3 a plain file, 0 when there is nothing there.
!macro Kind un
Function ${un}Kind
  Exch $1
  System::Call 'kernel32::GetFileAttributesW(w r1) i .r0'
  ${If} $0 = -1
    StrCpy $0 0
  ${Else}
    IntOp $1 $0 & ${FILE_ATTRIBUTE_REPARSE_POINT}
    ${If} $1 <> 0
      StrCpy $0 1
    ${Else}
      IntOp $1 $0 & ${FILE_ATTRIBUTE_DIRECTORY}
      ${If} $1 <> 0
        StrCpy $0 2
      ${Else}
        StrCpy $0 3
      ${EndIf}
    ${EndIf}
  ${EndIf}
  Pop $1
FunctionEnd
!macroend
!insertmacro Kind ""
!insertmacro Kind "un."

; Removes the links directly in the folder on the stack: deleting a link never touches what it leads to.
; The program writes nothing through one; the setup program and the uninstaller neither.
!macro RemoveLinks un
Function ${un}RemoveLinks
  Exch $R0
  Push $R1
  Push $R2
  FindFirst $R1 $R2 "$R0\*.*"
  ${DoWhile} $R2 != ""
    ${If} $R2 != "."
    ${AndIf} $R2 != ".."
      Push "$R0\$R2"
      Call ${un}Kind
      ${If} $0 == 1
        ; a junction is a folder to the system, a file's symbolic link a file
        RMDir "$R0\$R2"
        Delete "$R0\$R2"
        DetailPrint "$(LinkRemoved)"
      ${EndIf}
    ${EndIf}
    FindNext $R1 $R2
  ${Loop}
  FindClose $R1
  Pop $R2
  Pop $R1
  Pop $R0
FunctionEnd
!macroend
!insertmacro RemoveLinks ""
!insertmacro RemoveLinks "un."

; Sets $0 to 1 when the file (below on the stack) holds exactly the bytes of the shipped one (on top).
!macro SameBytes un
Function ${un}SameBytes
  Exch $R1
  Exch
  Exch $R0
  Push $R2
  Push $R3
  Push $R4
  Push $R5
  Push $R6
  StrCpy $0 0
  ClearErrors
  FileOpen $R2 "$R0" r
  ${IfNot} ${Errors}
    FileOpen $R3 "$R1" r
    ${IfNot} ${Errors}
      ${Do}
        StrCpy $R5 0
        ClearErrors
        FileReadByte $R2 $R4
        ${If} ${Errors}
          StrCpy $R5 1
        ${EndIf}
        ClearErrors
        FileReadByte $R3 $R6
        ${If} ${Errors}
          ${If} $R5 == 1
            StrCpy $0 1
          ${EndIf}
          ${Break}
        ${EndIf}
        ${If} $R5 == 1
        ${OrIf} $R4 != $R6
          ${Break}
        ${EndIf}
      ${Loop}
      FileClose $R3
    ${EndIf}
    FileClose $R2
  ${EndIf}
  Pop $R6
  Pop $R5
  Pop $R4
  Pop $R3
  Pop $R2
  Pop $R0
  Pop $R1
FunctionEnd
!macroend
!insertmacro SameBytes ""
!insertmacro SameBytes "un."

; The sample dictionary and the report's first page as shipped, for comparing with what is there.
!macro UnpackShipped
  InitPluginsDir
  File "/oname=$PLUGINSDIR\quorvel_vcb.ini" "${DIST}/quorvel_vcb.ini"
  File "/oname=$PLUGINSDIR\${REPORT_PAGE}" "${RESOURCES}/${REPORT_PAGE}"
!macroend

; Only names that are free are written: a file there is the family's, and no write goes through a link.
Function WriteMissingDataFiles
  Push $DataFolder
  Call RemoveLinks
  ${IfNot} ${FileExists} "$DataFolder\quorvel_vcb.ini"
    File "/oname=$DataFolder\quorvel_vcb.ini" "${DIST}/quorvel_vcb.ini"
  ${EndIf}
  ; Until the program writes the report at the first unlock, the Start menu's "Отчёт" opens this page.
  ${IfNot} ${FileExists} "$DataFolder\quorvel_report.html"
    File "/oname=$DataFolder\quorvel_report.html" "${RESOURCES}/${REPORT_PAGE}"
  ${EndIf}
  ${IfNot} ${FileExists} "$DataFolder\quorvel.ini"
    ClearErrors
    FileOpen $0 "$DataFolder\quorvel.ini" w
    ${If} ${Errors}
      DetailPrint "$(SettingsNotWritten)"
      SetErrorLevel 2
    ${Else}
      FileWrite $0 "Predmet=$Subject$\r$\nFont=14,25$\r$\n"
      FileClose $0
    ${EndIf}
  ${EndIf}
FunctionEnd

; Adds the names of what is left in the folder on the stack to $FinishText, a line each, with what each of
; the program's own files is; four fit on the setup program's last page, six on the uninstaller's.
!macro ListLeft un
!if "${un}" == "un."
  !define /redef LIST_MOST 6
!else
  !define /redef LIST_MOST 4
!endif
Function ${un}ListLeft
  Exch $R0
  Push $R1
  Push $R2
  Push $R3
  StrCpy $R3 0
  FindFirst $R1 $R2 "$R0\*.*"
  ${DoWhile} $R2 != ""
    ${If} $R2 != "."
    ${AndIf} $R2 != ".."
      ${If} $R3 == ${LIST_MOST}
        StrCpy $FinishText "$FinishText$\r$\n      $(MoreFiles)"
        ${Break}
      ${EndIf}
      StrCpy $FinishText "$FinishText$\r$\n      $R2"
      ${If} $R2 == "quorvel_vcb.ini"
        ; what the uninstaller leaves of it is a dictionary that the family changed
        !if "${un}" == "un."
          StrCpy $FinishText "$FinishText $(DictionaryChanged)"
        !else
          StrCpy $FinishText "$FinishText $(DictionaryFile)"
        !endif
      ${ElseIf} $R2 == "quorvel_journal.txt"
        StrCpy $FinishText "$FinishText $(JournalFile)"
      ${ElseIf} $R2 == "quorvel_report.html"
        StrCpy $FinishText "$FinishText $(ReportFile)"
      ${ElseIf} $R2 == "quorvel.ini"
        StrCpy $FinishText "$FinishText $(SettingsFile)"
      ${EndIf}
      IntOp $R3 $R3 + 1
    ${EndIf}
    FindNext $R1 $R2
  ${Loop}
  FindClose $R1
  Pop $R3
  Pop $R2
  Pop $R1
  Pop $R0
FunctionEnd
!macroend
!insertmacro ListLeft ""
!insertmacro ListLeft "un."
