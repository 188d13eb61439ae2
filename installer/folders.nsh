; Where quorvel goes. The program folder is Program Files\quorvel, or one the parent chooses: new, empty, or
; the one this setup program installed into before (its own record says so, never the names of the files
; in it). The data folder is quorvel's folder in ProgramData, beside every other program's shared data.
; Every refusal comes before anything changes.

!define DEFAULT_FOLDER "$PROGRAMFILES\quorvel"
; 3: DRIVE_FIXED and the like; 0 and 1: no such drive; 4: a network drive
!define DRIVE_NO_ROOT_DIR 1
!define DRIVE_REMOTE 4

Var MadeFolder    ; 1: this run made the program folder

!macro StopUnlessAdministrator un
Function ${un}StopUnlessAdministrator
  System::Call 'shell32::IsUserAnAdmin() i .r0'
  ${If} $0 = 0
    !if "${un}" == "un."
      MessageBox MB_ICONSTOP "$(UnNeedAdministrator)" /SD IDOK
    !else
      MessageBox MB_ICONSTOP "$(NeedAdministrator)" /SD IDOK
    !endif
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd
!macroend
!insertmacro StopUnlessAdministrator ""
!insertmacro StopUnlessAdministrator "un."

Function FindEarlierInstall
  StrCpy $DataFolder "$APPDATA\quorvel"
  ReadRegStr $Record HKLM "${POLICY_KEY}" "ProgramFolder"
  StrCpy $Earlier $Record
  ${If} $Earlier == ""
    ; version 1.0 left only the entry among the installed programs
    ReadRegStr $Earlier HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $Earlier != ""
      StrCpy $EarlierIsOpen 1
    ${EndIf}
  ${EndIf}
FunctionEnd

Function ChooseProgramFolder
  ${If} $INSTDIR == ""
    StrCpy $INSTDIR $Record
  ${EndIf}
  ${If} $INSTDIR == ""
    StrCpy $INSTDIR "${DEFAULT_FOLDER}"
  ${EndIf}
FunctionEnd

; Sets $0 to the reason why $INSTDIR cannot be the program folder, or to "" and $INSTDIR to its full, long
; path when it can.
Function CheckFolder
  Push $1
  Push $2
  Push $3
  StrCpy $0 ""
  StrCpy $1 $INSTDIR

  StrCpy $2 $1 2
  StrCpy $3 $1 2 1
  ${If} $2 == "\\"
  ${OrIf} $2 == "//"
    StrCpy $0 "$(RefusedNetwork)"
  ${ElseIf} $3 != ":\"
    StrCpy $0 "$(RefusedPath)"
  ${EndIf}
  ${If} $0 == ""
    StrCpy $2 $1 3
    System::Call 'kernel32::GetDriveTypeW(w r2) i .r3'
    ${If} $3 <= ${DRIVE_NO_ROOT_DIR}
      StrCpy $0 "$(RefusedNoDrive)"
    ${ElseIf} $3 = ${DRIVE_REMOTE}
      StrCpy $0 "$(RefusedNetwork)"
    ${EndIf}
  ${EndIf}
  ${If} $0 == ""
    System::Call 'kernel32::GetFullPathNameW(w r1, i ${NSIS_MAX_STRLEN}, w .r2, p 0) i .r3'
    ${If} $3 = 0
      StrCpy $0 "$(RefusedPath)"
    ${Else}
      StrCpy $1 $2
      System::Call 'kernel32::GetLongPathNameW(w r1, w .r2, i ${NSIS_MAX_STRLEN}) i .r3'
      ${If} $3 > 0
      ${AndIf} $3 < ${NSIS_MAX_STRLEN}
        StrCpy $1 $2
      ${EndIf}
      ${Do}
        StrLen $2 $1
        StrCpy $3 $1 1 -1
        ${If} $2 > 3
        ${AndIf} $3 == "\"
          StrCpy $1 $1 -1
        ${Else}
          ${Break}
        ${EndIf}
      ${Loop}
    ${EndIf}
  ${EndIf}
  ${If} $0 == ""
    Call CheckPlace
  ${EndIf}
  ${If} $0 == ""
    StrCpy $INSTDIR $1
  ${EndIf}
  Pop $3
  Pop $2
  Pop $1
FunctionEnd

; The refusals of a full path $1, in $0: folders that are not a place for a program, and folders that hold
; what is not ours.
Function CheckPlace
  StrLen $2 $1
  StrLen $3 $WINDIR
  IntOp $3 $3 + 1
  StrCpy $3 $1 $3
  ${If} $2 <= 3
    StrCpy $0 "$(RefusedRoot)"
    Return
  ${EndIf}
  ${If} $1 == $WINDIR
  ${OrIf} $3 == "$WINDIR\"
  ${OrIf} $1 == $PROGRAMFILES
  ${OrIf} $1 == $PROGRAMFILES32
  ${OrIf} $1 == $PROGRAMFILES64
  ${OrIf} $1 == $APPDATA
    StrCpy $0 "$(RefusedSystem)"
    Return
  ${EndIf}
  StrLen $3 $DataFolder
  IntOp $3 $3 + 1
  StrCpy $3 $1 $3
  ${If} $1 == $DataFolder
  ${OrIf} $3 == "$DataFolder\"
    StrCpy $0 "$(RefusedData)"
    Return
  ${EndIf}
  Push $DataFolder
  Call Kind
  ${If} $0 == 3
    StrCpy $0 "$(RefusedDataBlocked)"
    Return
  ${EndIf}
  StrCpy $0 ""

  ; A file where the folder or one of the folders above it would be.
  StrCpy $2 $1
  ${Do}
    Push $2
    Call Kind
    ${If} $0 == 3
      StrCpy $0 "$(RefusedFile)"
      Return
    ${EndIf}
    ${If} $0 != 0
      ${Break}
    ${EndIf}
    ${GetParent} $2 $2
  ${LoopUntil} $2 == ""
  StrCpy $0 ""

  ; Version 1.0's folder could be changed by every account: anything in it may have been planted. It takes
  ; the program only when the upgrade leaves nothing in it; a folder inside it never.
  ${If} $EarlierIsOpen == 1
    StrLen $3 $Earlier
    IntOp $3 $3 + 1
    StrCpy $3 $1 $3
    ${If} $3 == "$Earlier\"
      StrCpy $0 "$(RefusedOld)"
      Return
    ${EndIf}
    ${If} $1 == $Earlier
      StrCpy $OldFolder $Earlier
      Call OldFolderEmpties
      ${If} $0 != 1
        StrCpy $0 "$(RefusedOld)"
      ${Else}
        StrCpy $0 ""
      ${EndIf}
      Return
    ${EndIf}
  ${EndIf}

  Push $1
  Call Kind
  ${If} $0 == 1
    StrCpy $0 "$(RefusedLink)"
    Return
  ${EndIf}
  StrCpy $0 ""
  ${If} $1 == $Record
    Return
  ${EndIf}
  FindFirst $2 $3 "$1\*.*"
  ${DoWhile} $3 != ""
    ${If} $3 != "."
    ${AndIf} $3 != ".."
      StrCpy $0 "$(RefusedForeign)"
      ${Break}
    ${EndIf}
    FindNext $2 $3
  ${Loop}
  FindClose $2
FunctionEnd

Function FolderLeave
  Call CheckFolder
  ${If} $0 != ""
    MessageBox MB_ICONEXCLAMATION "$0"
    Abort
  ${EndIf}
FunctionEnd

; The program folder, made anew unless it is ours, with only administrators allowed to change it. A folder
; that someone else made (empty, or version 1.0's once the upgrade emptied it) goes first, and with it the
; owner and the rights it had.
Function MakeProgramFolder
  ${If} $EarlierIsOpen == 1
  ${AndIf} $INSTDIR == $Earlier
    Call MoveFamilyFiles
    Call ClearOldFolder
  ${EndIf}
  ${If} ${FileExists} "$INSTDIR\*.*"
  ${AndIf} $INSTDIR != $Record
    RMDir "$INSTDIR"
  ${EndIf}
  StrCpy $MadeFolder 0
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    ClearErrors
    CreateDirectory "$INSTDIR"
    ${If} ${Errors}
      Abort "$(FolderNotCreated)"
    ${EndIf}
    StrCpy $MadeFolder 1
  ${ElseIf} $INSTDIR != $Record
    Abort "$(FolderNotCreated)"
  ${EndIf}
  ; The program knows itself by its long path: so does the record.
  System::Call 'kernel32::GetLongPathNameW(w "$INSTDIR", w .r1, i ${NSIS_MAX_STRLEN}) i .r2'
  ${If} $2 > 0
  ${AndIf} $2 < ${NSIS_MAX_STRLEN}
    StrCpy $INSTDIR $1
  ${EndIf}

  Call LockProgramFolder
  ${If} $0 != 0
    ${If} $MadeFolder == 1
      RMDir "$INSTDIR"
    ${EndIf}
    Abort "$(RightsNotSet)"
  ${EndIf}
  ; Its parent may let every account add files: one added before the rights were set is not ours.
  ${If} $MadeFolder == 1
    FindFirst $0 $1 "$INSTDIR\*.*"
    ${DoWhile} $1 != ""
      ${If} $1 != "."
      ${AndIf} $1 != ".."
        FindClose $0
        Abort "$(FolderChanged)"
      ${EndIf}
      FindNext $0 $1
    ${Loop}
    FindClose $0
  ${EndIf}
FunctionEnd

; The data folder: a link planted in its place goes (never what it leads to), and it belongs to the
; administrators, whoever made it.
Function MakeDataFolder
  Push $DataFolder
  Call Kind
  ${If} $0 == 1
    RMDir "$DataFolder"
    Delete "$DataFolder"
    DetailPrint "$(LinkRemoved)"
    StrCpy $0 0
  ${EndIf}
  StrCpy $1 0
  ${If} $0 != 2
    CreateDirectory "$DataFolder"
    StrCpy $1 1
  ${EndIf}
  Push $DataFolder
  Call Kind
  ${If} $0 != 2
    Abort "$(DataFolderNotMade)"
  ${EndIf}
  Push $1
  Call OpenDataFolder
  Pop $1
  ${If} $0 != 0
    ${If} $1 == 1
      RMDir "$DataFolder"
    ${EndIf}
    Abort "$(RightsNotSet)"
  ${EndIf}
FunctionEnd
