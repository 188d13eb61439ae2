; What an earlier install left. Version 1.0 kept the program and the family's files together in a folder
; that every account could change: the family's files (settings, a changed dictionary, the journal, the
; report) move to the data folder, its program goes, and so do the rights it gave; files it did not install
; stay where they are and are named on the last page. An install of this version in another folder loses
; its program files only. Nothing from there is ever run.

Var OldCleared    ; 1: ClearOldFolder has run

!define OLD_SHORTCUT "$SMPROGRAMS\quorvel - памятка для родителей.lnk"

; Sets $OldFolder for $INSTDIR: 1.0's folder always (even when it becomes the program folder once empty),
; this version's when the program moves elsewhere.
Function FindOldFolder
  StrCpy $OldFolder ""
  ${If} $EarlierIsOpen == 1
  ${OrIf} $Earlier != $INSTDIR
    StrCpy $OldFolder $Earlier
  ${EndIf}
FunctionEnd

; Sets $0 to what becomes of the file named on the stack in $OldFolder: "remove", "move" (to the data
; folder) or "stay".
Function OldFileFate
  Exch $R0
  Push $R1
  StrCpy $R1 "stay"
  ${If} $R0 == "quorvel.exe"
  ${OrIf} $R0 == "uninstall.exe"
  ${OrIf} $R0 == "readme.txt"
    StrCpy $R1 "remove"
  ${ElseIf} $EarlierIsOpen == 1
    Push "$OldFolder\$R0"
    Call Kind
    ${If} $0 == 3
      ; what a power cut left of a save
      ${If} $R0 == "quorvel.ini.tmp"
      ${OrIf} $R0 == "quorvel_journal.txt.tmp"
      ${OrIf} $R0 == "quorvel_report.html.tmp"
        StrCpy $R1 "remove"
      ${ElseIf} $R0 == "quorvel_vcb.ini"
        Push "$OldFolder\$R0"
        Push "$PLUGINSDIR\quorvel_vcb.ini"
        Call SameBytes
        ${If} $0 == 1
          StrCpy $R1 "remove"
        ${EndIf}
      ${EndIf}
      ${If} $R1 == "stay"
      ${AndIfNot} ${FileExists} "$DataFolder\$R0"
        ${If} $R0 == "quorvel.ini"
        ${OrIf} $R0 == "quorvel_vcb.ini"
        ${OrIf} $R0 == "quorvel_journal.txt"
        ${OrIf} $R0 == "quorvel_report.html"
          StrCpy $R1 "move"
        ${EndIf}
      ${EndIf}
    ${EndIf}
  ${EndIf}
  StrCpy $0 $R1
  Pop $R1
  Pop $R0
FunctionEnd

; Sets $0 to 1 when nothing would stay in $OldFolder.
Function OldFolderEmpties
  Push $R0
  Push $R1
  StrCpy $0 1
  FindFirst $R0 $R1 "$OldFolder\*.*"
  ${DoWhile} $R1 != ""
    ${If} $R1 != "."
    ${AndIf} $R1 != ".."
      Push $R1
      Call OldFileFate
      ${If} $0 == "stay"
        StrCpy $0 0
        ${Break}
      ${EndIf}
      StrCpy $0 1
    ${EndIf}
    FindNext $R0 $R1
  ${Loop}
  FindClose $R0
  Pop $R1
  Pop $R0
FunctionEnd

!macro MoveFamilyFile name
  Push "${name}"
  Call OldFileFate
  ${If} $0 == "move"
    ClearErrors
    Rename "$OldFolder\${name}" "$DataFolder\${name}"
    ${IfNot} ${Errors}
      DetailPrint "$(FileMoved) ${name}"
    ${EndIf}
  ${EndIf}
!macroend

!macro RemoveOldFile name
  Push "${name}"
  Call OldFileFate
  ${If} $0 == "remove"
    Delete "$OldFolder\${name}"
  ${EndIf}
!macroend

; A rename moves the file's name, never what a link would lead to.
Function MoveFamilyFiles
  ${If} $OldFolder == ""
  ${OrIf} $OldCleared == 1
    Return
  ${EndIf}
  !insertmacro MoveFamilyFile "quorvel.ini"
  !insertmacro MoveFamilyFile "quorvel_vcb.ini"
  !insertmacro MoveFamilyFile "quorvel_journal.txt"
  !insertmacro MoveFamilyFile "quorvel_report.html"
FunctionEnd

Function ClearOldFolder
  ${If} $OldFolder == ""
  ${OrIf} $OldCleared == 1
    Return
  ${EndIf}
  StrCpy $OldCleared 1
  !insertmacro RemoveOldFile "quorvel.exe"
  !insertmacro RemoveOldFile "uninstall.exe"
  !insertmacro RemoveOldFile "readme.txt"
  !insertmacro RemoveOldFile "quorvel.ini.tmp"
  !insertmacro RemoveOldFile "quorvel_journal.txt.tmp"
  !insertmacro RemoveOldFile "quorvel_report.html.tmp"
  !insertmacro RemoveOldFile "quorvel_vcb.ini"
  RMDir "$OldFolder"
  ${If} $EarlierIsOpen == 1
  ${AndIf} ${FileExists} "$OldFolder\*.*"
    Call TakeBackOldRights
  ${EndIf}
FunctionEnd

Function ListOldFolder
  ${If} $OldFolder != ""
  ${AndIf} ${FileExists} "$OldFolder\*.*"
    StrCpy $FinishText "$FinishText$\r$\n$\r$\n$(OldFolderKept)"
    Push $OldFolder
    Call ListLeft
  ${EndIf}
FunctionEnd
