; The accounts that never see the quiz: the list SkipAccounts (REG_MULTI_SZ) under HKLM\Software\quorvel,
; and the account the setup program runs for, which the options page offers to leave out.

Var Account       ; the account the setup program runs for: COMPUTER\name or DOMAIN\name, else the name
Var AccountName   ; its name alone
Var SkipList      ; the names on the SkipAccounts list, each followed by "|" (no account name holds one)
Var Rest          ; what NextListed has not yet taken of a list

!define HKLM_HANDLE 0x80000002
!define REG_SZ 1
!define REG_MULTI_SZ 7
!define KEY_READ 0x20019
!define KEY_SET_VALUE 0x0002

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
