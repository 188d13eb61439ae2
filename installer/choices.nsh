; The choices of the options page and the command line: start-up, subject, the parent's own account left
; out of the quiz, practice. An upgrade offers what the family chose before.

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
Var Account       ; the account the setup program runs for: COMPUTER\name or DOMAIN\name, else the name
Var AccountName   ; its name alone
Var SkipList      ; the names on the SkipAccounts list, each followed by "|" (no account name holds one)
Var Rest          ; what NextListed has not yet taken of a list

!define HKLM_HANDLE 0x80000002
!define REG_SZ 1
!define REG_MULTI_SZ 7
!define KEY_READ 0x20019
!define KEY_SET_VALUE 0x0002

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

; The account the setup program runs for: the administrator who confirmed it, not necessarily the one
; who started it.
Function FindAccount
  StrCpy $Account ""
  ; 2: NameSamCompatible, COMPUTER\name for a local account
  System::Call 'secur32::GetUserNameExW(i 2, w .r0, *i ${NSIS_MAX_STRLEN}) i .r1'
  ${If} $1 != 0
    StrCpy $Account $0
  ${Else}
    System::Call 'advapi32::GetUserNameW(w .r0, *i ${NSIS_MAX_STRLEN}) i .r1'
    ${If} $1 != 0
      StrCpy $Account $0
    ${EndIf}
  ${EndIf}
  StrCpy $AccountName $Account
  StrLen $1 $Account
  ${DoWhile} $1 > 0
    IntOp $1 $1 - 1
    StrCpy $0 $Account 1 $1
    ${If} $0 == "\"
      IntOp $1 $1 + 1
      StrCpy $AccountName $Account "" $1
      ${Break}
    ${EndIf}
  ${Loop}
FunctionEnd

; Takes the first name off $Rest into $0; empty when there is none.
Function NextListed
  StrCpy $0 ""
  StrCpy $1 0
  ${Do}
    StrCpy $2 $Rest 1 $1
    ${If} $2 == ""
      StrCpy $Rest ""
      Return
    ${EndIf}
    ${If} $2 == "|"
      StrCpy $0 $Rest $1
      IntOp $1 $1 + 1
      StrCpy $Rest $Rest "" $1
      Return
    ${EndIf}
    IntOp $1 $1 + 1
  ${Loop}
FunctionEnd

; Sets $0 to 1 when the name $0 stands for $Account as the program matches it: the same name, with no
; prefix, ".", or the account's own computer or domain.
Function IsThisAccount
  Push $1
  Push $2
  StrCpy $1 $0
  StrCpy $0 0
  ${If} $1 == $AccountName
  ${OrIf} $1 == $Account
  ${OrIf} $1 == ".\$AccountName"
    StrCpy $0 1
  ${EndIf}
  Pop $2
  Pop $1
FunctionEnd

; Sets $0 to 1 when $Account is on $SkipList.
Function AccountListed
  StrCpy $Rest $SkipList
  StrCpy $3 0
  ${Do}
    Call NextListed
    ${If} $0 == ""
      ${Break}
    ${EndIf}
    Call IsThisAccount
    ${If} $0 == 1
      StrCpy $3 1
    ${EndIf}
  ${Loop}
  StrCpy $0 $3
FunctionEnd

; $SkipList from the registry: a list, or one name typed as a plain string.
Function ReadSkipList
  StrCpy $SkipList ""
  System::Call 'advapi32::RegOpenKeyExW(p ${HKLM_HANDLE}, w "${POLICY_KEY}", i 0, i ${KEY_READ}, *p .r1) i .r0'
  ${If} $0 != 0
    Return
  ${EndIf}
  System::Call 'advapi32::RegQueryValueExW(p r1, w "SkipAccounts", p 0, *i .r2, p 0, *i .r3) i .r0'
  ${If} $0 == 0
  ${AndIf} $3 > 0
  ${AndIf} $3 < 65536
    ; Room for the terminating zeros that a value typed by hand may lack.
    IntOp $4 $3 + 4
    System::Alloc $4
    Pop $4
    System::Call 'advapi32::RegQueryValueExW(p r1, w "SkipAccounts", p 0, *i .r2, p r4, *i r3) i .r0'
    ${If} $0 != 0
      StrCpy $2 0
    ${EndIf}
    ${If} $2 == ${REG_MULTI_SZ}
    ${OrIf} $2 == ${REG_SZ}
      StrCpy $5 $4
      IntOp $6 $4 + $3
      ${DoWhile} $5 < $6
        System::Call 'kernel32::lstrcpynW(w .r7, p r5, i ${NSIS_MAX_STRLEN})'
        StrLen $8 $7
        ${If} $8 == 0
          ${Break}
        ${EndIf}
        StrCpy $SkipList "$SkipList$7|"
        ${If} $2 == ${REG_SZ}
          ${Break}
        ${EndIf}
        IntOp $8 $8 + 1
        IntOp $8 $8 * 2
        IntOp $5 $5 + $8
      ${Loop}
    ${EndIf}
    System::Free $4
  ${EndIf}
  System::Call 'advapi32::RegCloseKey(p r1)'
FunctionEnd

; Writes $SkipList back as the program reads it (REG_MULTI_SZ), or removes the value when it is empty.
Function WriteSkipList
  ${If} $SkipList == ""
    DeleteRegValue HKLM "${POLICY_KEY}" "SkipAccounts"
    Return
  ${EndIf}
  ; every "|" becomes a zero, and one more zero ends the list
  StrLen $3 $SkipList
  IntOp $3 $3 + 1
  IntOp $3 $3 * 2
  System::Alloc $3
  Pop $4
  StrCpy $5 $4
  StrCpy $Rest $SkipList
  ${Do}
    Call NextListed
    ${If} $0 == ""
      ${Break}
    ${EndIf}
    StrLen $6 $0
    IntOp $6 $6 + 1
    System::Call "*$5(&w$6 r0)"
    IntOp $6 $6 * 2
    IntOp $5 $5 + $6
  ${Loop}
  System::Call 'advapi32::RegOpenKeyExW(p ${HKLM_HANDLE}, w "${POLICY_KEY}", i 0, i ${KEY_SET_VALUE}, *p .r1) i .r0'
  ${If} $0 == 0
    System::Call 'advapi32::RegSetValueExW(p r1, w "SkipAccounts", i 0, i ${REG_MULTI_SZ}, p r4, i r3) i .r0'
    System::Call 'advapi32::RegCloseKey(p r1)'
  ${EndIf}
  ${If} $0 != 0
    DetailPrint "$(ChoicesNotWritten)"
    SetErrorLevel 2
  ${EndIf}
  System::Free $4
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
