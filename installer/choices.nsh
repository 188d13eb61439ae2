; The choices of the options page and the command line: start-up, subject, the parent's own account left
; out of the quiz (its list in accounts.nsh), practice. An upgrade offers what the family chose before.

Var StartUp       ; 1: register the start-up value
Var Subject       ; the subject written into a new quorvel.ini
Var SettingsKept  ; the quorvel.ini that stays (its subject with it), or empty
Var SkipMe        ; 1: leave $Account out of the quiz, 0: take it off the list, empty: leave the list alone
Var Practice      ; 1: practice on
Var ChoicesFor    ; the folder that the choices were made for
Var NoStart       ; 1: /NOSTART was given
Var SubjectArg    ; the value of /SUBJECT=, or empty
Var SkipMeArg     ; 1: /SKIPME was given
Var PracticeArg   ; 1: /PRACTICE was given
Var FolderArg     ; the text of /D= as given, which NSIS empties when it finds no folder in it


Function ReadCommandLine
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/NOSTART" $1
  ${IfNot} ${Errors}
    StrCpy $NoStart 1
  ${EndIf}
  ClearErrors
  ${GetOptions} $0 "/SKIPME" $1
  ${IfNot} ${Errors}
    StrCpy $SkipMeArg 1
  ${EndIf}
  ClearErrors
  ${GetOptions} $0 "/PRACTICE" $1
  ${IfNot} ${Errors}
    StrCpy $PracticeArg 1
  ${EndIf}
  ClearErrors
  ${GetOptions} $0 "/SUBJECT=" $1
  ${IfNot} ${Errors}
    ${If} $1 S== "0"
    ${OrIf} $1 S== "1"
    ${OrIf} $1 S== "2"
      StrCpy $SubjectArg $1
    ${Else}
      MessageBox MB_ICONSTOP "$(SubjectRefused)" /SD IDOK
      SetErrorLevel 2
      Quit
    ${EndIf}
  ${EndIf}

  ; NSIS cuts /D= off $CMDLINE and leaves $INSTDIR empty when the text names no usable folder (a missing
  ; drive, a network path, a file): the refusal needs the text itself, from the process's command line.
  System::Call 'kernel32::GetCommandLineW() w .r0'
  StrLen $2 $0
  StrCpy $1 0
  ${DoWhile} $1 < $2
    StrCpy $3 $0 4 $1
    ${If} $3 S== " /D="
      IntOp $1 $1 + 4
      StrCpy $FolderArg $0 "" $1
      ${Break}
    ${EndIf}
    IntOp $1 $1 + 1
  ${Loop}
  ${If} $FolderArg != ""
  ${AndIf} $INSTDIR == ""
    StrCpy $INSTDIR $FolderArg
  ${EndIf}
FunctionEnd

; The page's defaults for $INSTDIR: a new install starts with quorvel and leaves the parent out; an upgrade
; keeps the start-up, the subject, the list and the practice as the family left them.
Function ChooseDefaults
  StrCpy $ChoicesFor $INSTDIR
  Call FindOldFolder

  StrCpy $StartUp 1
  ${If} $Earlier != ""
    Push $Earlier
    Call RunValueNames
    StrCpy $StartUp $0
  ${EndIf}
  ${If} $NoStart == 1
    StrCpy $StartUp 0
  ${EndIf}

  StrCpy $Subject 0
  ${If} $SubjectArg != ""
    StrCpy $Subject $SubjectArg
  ${EndIf}
  StrCpy $SettingsKept ""
  ${If} ${FileExists} "$DataFolder\quorvel.ini"
    StrCpy $SettingsKept "$DataFolder\quorvel.ini"
  ${ElseIf} $EarlierIsOpen == 1
  ${AndIf} ${FileExists} "$Earlier\quorvel.ini"
    StrCpy $SettingsKept "$Earlier\quorvel.ini"
  ${EndIf}
  ${If} $SettingsKept != ""
    Call ReadSubject
  ${EndIf}

  Call FindAccount
  Call ReadSkipList
  ${If} ${Silent}
    StrCpy $SkipMe ""
  ${ElseIf} $Record == ""
    StrCpy $SkipMe 1
  ${Else}
    Call AccountListed
    StrCpy $SkipMe $0
  ${EndIf}
  ${If} $SkipMeArg == 1
    StrCpy $SkipMe 1
  ${EndIf}

  ReadRegDWORD $Practice HKLM "${POLICY_KEY}" "Practice"
  ${If} $Practice != 1
  ${OrIf} $PracticeArg == 1
    StrCpy $Practice $PracticeArg
  ${EndIf}
  ${If} $Practice != 1
    StrCpy $Practice 0
  ${EndIf}
FunctionEnd

; Sets $Subject to the subject of $SettingsKept, read as the program reads it: the first line's text after
; its first "=" (all of it without one). Anything but 0, 1 or 2 selects no subject.
Function ReadSubject
  StrCpy $Subject ""
  ClearErrors
  FileOpen $0 "$SettingsKept" r
  ${If} ${Errors}
    Return
  ${EndIf}
  FileRead $0 $1
  FileClose $0
  StrCpy $2 0
  ${Do}
    StrCpy $0 $1 1 $2
    ${If} $0 == "="
      IntOp $2 $2 + 1
      StrCpy $1 $1 "" $2
      ${Break}
    ${EndIf}
    IntOp $2 $2 + 1
  ${LoopUntil} $0 == ""
  ; the line end and the blanks around the number
  ${Do}
    StrCpy $0 $1 1 -1
    ${If} $0 == "$\r"
    ${OrIf} $0 == "$\n"
    ${OrIf} $0 == " "
      StrCpy $1 $1 -1
    ${Else}
      ${Break}
    ${EndIf}
  ${Loop}
  ${Do}
    StrCpy $0 $1 1
    ${If} $0 == " "
      StrCpy $1 $1 "" 1
    ${Else}
      ${Break}
    ${EndIf}
  ${Loop}
  ${If} $1 S== "0"
  ${OrIf} $1 S== "1"
  ${OrIf} $1 S== "2"
    StrCpy $Subject $1
  ${EndIf}
FunctionEnd

; The list gains $Account (once) or loses every name that stands for it; other names stay as they are.
Function WriteChoices
  ClearErrors
  WriteRegDWORD HKLM "${POLICY_KEY}" "Practice" $Practice
  ${If} ${Errors}
    DetailPrint "$(ChoicesNotWritten)"
    SetErrorLevel 2
  ${EndIf}

  ${If} $SkipMe == ""
  ${OrIf} $Account == ""
    Return
  ${EndIf}
  Call ReadSkipList
  StrCpy $Rest $SkipList
  StrCpy $SkipList ""
  ${Do}
    Call NextListed
    ${If} $0 == ""
      ${Break}
    ${EndIf}
    StrCpy $8 $0
    Call IsThisAccount
    ${If} $0 != 1
      StrCpy $SkipList "$SkipList$8|"
    ${EndIf}
  ${Loop}
  ${If} $SkipMe == 1
    StrCpy $SkipList "$SkipList$Account|"
  ${EndIf}
  Call WriteSkipList
FunctionEnd
