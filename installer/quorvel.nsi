; The parents' setup program: puts quorvel.exe, its readme and the sample dictionary into a folder that a
; standard user may write to, registers the start-up value that the program's own settings dialog writes,
; and leaves an uninstaller listed among the installed programs.
;
; CMake builds it (`--target installer`) and defines:
;   VERSION   x.y.z, from project()        VERSION4  x.y.z.0
;   EXE       the quorvel.exe to ship      DIST      the folder of readme.txt and quorvel_vcb.ini
;   RESOURCES the folder of quorvel.ico and the wizard pages' picture
;   OUTFILE   the setup program to write
;
; Command line, besides NSIS's own /S (silent) and /D=folder (last):
;   /NOSTART      no start-up value (and an upgrade removes this folder's one)
;   /SUBJECT=N    the subject of a new quorvel.ini: 0 multiplication, 1 Eng>R, 2 Rus>E
; Exit code 0 on success, 2 when a choice is refused or a part of the installation failed.

Unicode true
!include "${__FILEDIR__}/release.nsh"
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include MUI2.nsh
!include nsDialogs.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The name that the program's settings dialog gives the value; its "Да" and "Нет" then act on this one.
!define RUN_VALUE "Таблица умножения"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\quorvel"
!define SHORTCUT "$SMPROGRAMS\$(ShortcutName).lnk"
!define PROCESS_TERMINATE_SYNCHRONIZE_QUERY 0x101001

Name "quorvel"
OutFile "${OUTFILE}"
BrandingText "quorvel ${VERSION}"
; No InstallDir: .onInit picks the root of the system drive, whatever its letter.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
; Roots are refused by CheckFolder, with a reason, instead of by a silent fall-back to the default folder.
AllowRootDirInstall true

VIProductVersion "${VERSION4}"
VIFileVersion "${VERSION4}"

Var StartUp       ; 1: register the start-up value
Var Subject       ; the subject written into a new quorvel.ini
Var ChoicesFor    ; the folder that StartUp and Subject were chosen for
Var NoStart       ; 1: /NOSTART was given
Var SubjectArg    ; the value of /SUBJECT=, or empty
Var StartBox
Var SubjectButton0
Var SubjectButton1
Var SubjectButton2
Var FinishText
Var DictionaryKept

; --- pages ---------------------------------------------------------------------------------------------------

!define MUI_ICON "${RESOURCES}/quorvel.ico"
!define MUI_UNICON "${RESOURCES}/quorvel.ico"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${RESOURCES}/installer-wizard.bmp"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${RESOURCES}/installer-wizard.bmp"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_NOAUTOCLOSE
!define MUI_UNFINISHPAGE_NOAUTOCLOSE

!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"
!insertmacro MUI_PAGE_WELCOME
!define MUI_DIRECTORYPAGE_TEXT_TOP "$(FolderText)"
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE FolderLeave
!insertmacro MUI_PAGE_DIRECTORY
Page custom OptionsPage OptionsLeave
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "$FinishText"
!define MUI_FINISHPAGE_TEXT_LARGE
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\readme.txt"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "$(FinishReadme)"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "$FinishText"
!insertmacro MUI_UNPAGE_FINISH

!insertmacro MUI_LANGUAGE "Russian"
!include "${__FILEDIR__}/texts.nsh"

; quorvel.exe carries no copyright line either.
!pragma warning disable 9100
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductName" "quorvel"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileDescription" "Установка quorvel"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductVersion" "${VERSION4}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileVersion" "${VERSION4}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "OriginalFilename" "quorvel-setup.exe"

; --- shared by the setup program and the uninstaller ---------------------------------------------------------

; Ends every running copy of this folder's quorvel.exe. It has no close button and ignores WM_CLOSE, so its
; process is ended outright; the exe can then be replaced or removed.
!macro EndRunningQuiz un
Function ${un}EndRunningQuiz
  Push $R0
  Push $R1
  Push $R2
  Push $R3
  Push $R4
  Push $R5
  Push $R6
  Push $R9
  GetFullPathName /SHORT $R9 "$INSTDIR\quorvel.exe"
  ${If} $R9 != ""
    System::Call 'kernel32::CreateToolhelp32Snapshot(i 2, i 0) p .R0'
    ${If} $R0 <> -1
      ; PROCESSENTRY32W: nine 32-bit fields, then the exe's file name
      System::Call '*(i 556, i, i, p, i, i, i, i, i, &w260) p .R1'
      System::Call 'kernel32::Process32FirstW(p R0, p R1) i .R2'
      ${DoWhile} $R2 <> 0
        System::Call '*$R1(i, i, i .R3, p, i, i, i, i, i, &w260 .R4)'
        ${If} $R4 == "quorvel.exe"
          System::Call 'kernel32::OpenProcess(i ${PROCESS_TERMINATE_SYNCHRONIZE_QUERY}, i 0, i R3) p .R5'
          ${If} $R5 <> 0
            System::Call 'kernel32::QueryFullProcessImageNameW(p R5, i 0, w .R6, *i ${NSIS_MAX_STRLEN}) i .R2'
            GetFullPathName /SHORT $R6 $R6
            ${If} $R6 == $R9
              System::Call 'kernel32::TerminateProcess(p R5, i 1)'
              System::Call 'kernel32::WaitForSingleObject(p R5, i 10000)'
              DetailPrint "$(QuizEnded)"
            ${EndIf}
            System::Call 'kernel32::CloseHandle(p R5)'
          ${EndIf}
        ${EndIf}
        System::Call 'kernel32::Process32NextW(p R0, p R1) i .R2'
      ${Loop}
      System::Free $R1
      System::Call 'kernel32::CloseHandle(p R0)'
    ${EndIf}
  ${EndIf}
  Pop $R9
  Pop $R6
  Pop $R5
  Pop $R4
  Pop $R3
  Pop $R2
  Pop $R1
  Pop $R0
FunctionEnd
!macroend
!insertmacro EndRunningQuiz ""
!insertmacro EndRunningQuiz "un."

; Sets $0 to 1 when the start-up value names this folder's quorvel.exe, quoted or not, by its long or its
; short path: another copy's value is left alone.
!macro RunValueIsOurs un
Function ${un}RunValueIsOurs
  Push $1
  Push $2
  StrCpy $0 0
  ReadRegStr $1 HKLM "${RUN_KEY}" "${RUN_VALUE}"
  StrCpy $2 $1 1
  ${If} $2 == '"'
    StrCpy $1 $1 "" 1
    StrCpy $2 $1 1 -1
    ${If} $2 == '"'
      StrCpy $1 $1 -1
    ${EndIf}
  ${EndIf}
  ${If} $1 == "$INSTDIR\quorvel.exe"
    StrCpy $0 1
  ${ElseIf} $1 != ""
    GetFullPathName /SHORT $1 $1
    GetFullPathName /SHORT $2 "$INSTDIR\quorvel.exe"
    ${If} $1 != ""
    ${AndIf} $1 == $2
      StrCpy $0 1
    ${EndIf}
  ${EndIf}
  Pop $2
  Pop $1
FunctionEnd
!macroend
!insertmacro RunValueIsOurs ""
!insertmacro RunValueIsOurs "un."

; --- the setup program ---------------------------------------------------------------------------------------

Function .onInit
  SetShellVarContext all
  ${If} $INSTDIR == ""
    StrCpy $0 $WINDIR 2
    StrCpy $INSTDIR "$0\quorvel"
  ${EndIf}

  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/NOSTART" $1
  ${IfNot} ${Errors}
    StrCpy $NoStart 1
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

  ; A silent run has no folder page to refuse a folder on.
  ${If} ${Silent}
    Call CheckFolder
    ${If} $0 != 1
      SetErrorLevel 2
      Quit
    ${EndIf}
  ${EndIf}
FunctionEnd

; Sets $0 to 1 when $INSTDIR may take quorvel. Every user gets the right to change the folder, so it must not
; be a drive's root, the Windows folder or a Program Files folder, nor a folder of other files with no
; quorvel in it.
Function CheckFolder
  Push $1
  Push $2
  Push $3
  StrCpy $0 1
  GetFullPathName $1 $INSTDIR
  ${If} $1 == ""
    StrCpy $1 $INSTDIR
  ${EndIf}
  ; $3: the folder's path as far as the Windows folder's path and one more character
  StrLen $2 $WINDIR
  IntOp $2 $2 + 1
  StrCpy $3 $1 $2
  StrLen $2 $1
  ${If} $2 <= 3
  ${OrIf} $1 == $PROGRAMFILES
  ${OrIf} $1 == $PROGRAMFILES64
  ${OrIf} $1 == $WINDIR
  ${OrIf} $3 == "$WINDIR\"
    StrCpy $0 0
  ${ElseIf} ${FileExists} "$1\*.*"
  ${AndIfNot} ${FileExists} "$1\quorvel.exe"
  ${AndIfNot} ${FileExists} "$1\quorvel.ini"
  ${AndIfNot} ${FileExists} "$1\quorvel_vcb.ini"
    FindFirst $2 $3 "$1\*.*"
    ${DoWhile} $3 != ""
      ${If} $3 != "."
      ${AndIf} $3 != ".."
        StrCpy $0 0
        ${Break}
      ${EndIf}
      FindNext $2 $3
    ${Loop}
    FindClose $2
  ${EndIf}
  Pop $3
  Pop $2
  Pop $1
FunctionEnd

Function FolderLeave
  Call CheckFolder
  ${If} $0 != 1
    MessageBox MB_ICONEXCLAMATION "$(FolderRefused)"
    Abort
  ${EndIf}
FunctionEnd

; The page's defaults for $INSTDIR: a new folder starts with quorvel, an upgrade keeps the start-up choice the
; parent last made there, and an existing quorvel.ini keeps its subject.
Function ChooseDefaults
  StrCpy $ChoicesFor $INSTDIR
  StrCpy $StartUp 1
  ${If} ${FileExists} "$INSTDIR\quorvel.exe"
    Call RunValueIsOurs
    StrCpy $StartUp $0
  ${EndIf}
  ${If} $NoStart == 1
    StrCpy $StartUp 0
  ${EndIf}
  StrCpy $Subject 0
  ${If} $SubjectArg != ""
    StrCpy $Subject $SubjectArg
  ${EndIf}
  ${If} ${FileExists} "$INSTDIR\quorvel.ini"
    Call ReadSubject
  ${EndIf}
FunctionEnd

; Sets $Subject to the subject of the folder's quorvel.ini, read as the program reads it: the first line's
; text after its first "=" (all of it without one). Anything but 0, 1 or 2 selects no subject.
Function ReadSubject
  Push $0
  Push $1
  Push $2
  StrCpy $Subject ""
  ClearErrors
  FileOpen $0 "$INSTDIR\quorvel.ini" r
  ${IfNot} ${Errors}
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
  ${EndIf}
  Pop $2
  Pop $1
  Pop $0
FunctionEnd

Function OptionsPage
  ${If} $ChoicesFor != $INSTDIR
    Call ChooseDefaults
  ${EndIf}
  !insertmacro MUI_HEADER_TEXT "$(OptionsTitle)" "$(OptionsSubtitle)"
  nsDialogs::Create 1018
  Pop $0
  ${If} $0 == error
    Abort
  ${EndIf}

  ${NSD_CreateCheckbox} 0 0 100% 12u "$(StartUpOption)"
  Pop $StartBox
  ${NSD_AddStyle} $StartBox ${WS_GROUP}
  ${If} $StartUp == 1
    ${NSD_Check} $StartBox
  ${EndIf}
  ${NSD_CreateLabel} 12u 13u -12u 10u "$(StartUpNote)"
  Pop $0

  ${NSD_CreateLabel} 0 38u 100% 10u "$(SubjectQuestion)"
  Pop $0
  ${NSD_CreateRadioButton} 12u 51u 64u 12u "Табл.умн."
  Pop $SubjectButton0
  ${NSD_AddStyle} $SubjectButton0 ${WS_GROUP}
  ${NSD_CreateRadioButton} 84u 51u 52u 12u "Eng>R"
  Pop $SubjectButton1
  ${NSD_CreateRadioButton} 144u 51u 52u 12u "Rus>E"
  Pop $SubjectButton2
  ${Select} $Subject
  ${Case} 0
    ${NSD_Check} $SubjectButton0
  ${Case} 1
    ${NSD_Check} $SubjectButton1
  ${Case} 2
    ${NSD_Check} $SubjectButton2
  ${EndSelect}
  ${If} ${FileExists} "$INSTDIR\quorvel.ini"
    EnableWindow $SubjectButton0 0
    EnableWindow $SubjectButton1 0
    EnableWindow $SubjectButton2 0
    ${NSD_CreateLabel} 12u 66u -12u 20u "$(SubjectKept)"
    Pop $0
  ${EndIf}

  ${NSD_CreateLabel} 0 100u 100% 20u "$(OptionsLater)"
  Pop $0
  nsDialogs::Show
FunctionEnd

Function OptionsLeave
  ${NSD_GetState} $StartBox $StartUp
  ${If} ${FileExists} "$INSTDIR\quorvel.ini"
    Return
  ${EndIf}
  ${NSD_GetState} $SubjectButton1 $0
  ${NSD_GetState} $SubjectButton2 $1
  ${If} $0 == ${BST_CHECKED}
    StrCpy $Subject 1
  ${ElseIf} $1 == ${BST_CHECKED}
    StrCpy $Subject 2
  ${Else}
    StrCpy $Subject 0
  ${EndIf}
FunctionEnd

Section
  ${If} $ChoicesFor != $INSTDIR
    Call ChooseDefaults
  ${EndIf}

  StrCpy $1 0
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    StrCpy $1 1
  ${EndIf}
  ClearErrors
  CreateDirectory "$INSTDIR"
  ${If} ${Errors}
    Abort "$(FolderNotCreated)"
  ${EndIf}
  Call GrantUsersModify

  Call EndRunningQuiz
  SetOutPath "$INSTDIR"
  ; A silent run ignores a file it cannot write; the old program must not pass for the new one.
  ClearErrors
  File "/oname=quorvel.exe" "${EXE}"
  File "/oname=readme.txt" "${DIST}/readme.txt"
  ${If} ${Errors}
    Abort "$(FilesNotWritten)"
  ${EndIf}
  ; A parent's dictionary and settings are theirs: only missing ones are written.
  ${IfNot} ${FileExists} "$INSTDIR\quorvel_vcb.ini"
    File "/oname=quorvel_vcb.ini" "${DIST}/quorvel_vcb.ini"
  ${EndIf}
  ${IfNot} ${FileExists} "$INSTDIR\quorvel.ini"
    ClearErrors
    FileOpen $0 "$INSTDIR\quorvel.ini" w
    ${If} ${Errors}
      DetailPrint "$(SettingsNotWritten)"
      SetErrorLevel 2
    ${Else}
      FileWrite $0 "Predmet=$Subject$\r$\nFont=14,25$\r$\n"
      FileClose $0
    ${EndIf}
  ${EndIf}
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ${If} $StartUp == 1
    ClearErrors
    WriteRegStr HKLM "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\quorvel.exe"'
    ${If} ${Errors}
      DetailPrint "$(StartUpNotWritten)"
      MessageBox MB_ICONEXCLAMATION "$(StartUpNotWritten)" /SD IDOK
      SetErrorLevel 2
    ${EndIf}
  ${Else}
    Call RunValueIsOurs
    ${If} $0 == 1
      DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"
    ${EndIf}
  ${EndIf}

  CreateShortCut "${SHORTCUT}" "$INSTDIR\readme.txt"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "quorvel"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "quorvel"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quorvel.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $2 $3
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0

  StrCpy $FinishText "$(FinishText)"
  ${If} $StartUp == 1
    StrCpy $FinishText "$FinishText$(FinishStartUp)"
  ${EndIf}
  StrCpy $FinishText "$FinishText$(FinishSettings)"
SectionEnd

; A folder that this run made at the root of the system drive inherits the users' right to change it; any
; other one gets that right here, because quorvel writes its settings beside itself. $1 is 1 for a new folder.
Function GrantUsersModify
  StrCpy $2 $WINDIR 3
  GetFullPathName $3 "$INSTDIR\.."
  ${If} $1 == 1
  ${AndIf} $3 == $2
    Return
  ${EndIf}
  ; S-1-5-32-545 is the local Users group, whatever the system's language calls it.
  nsExec::Exec '"$SYSDIR\icacls.exe" "$INSTDIR" /grant *S-1-5-32-545:(OI)(CI)M'
  Pop $0
  ${If} $0 == 0
    DetailPrint "$(RightsGranted)"
  ${Else}
    DetailPrint "$(RightsNotGranted)"
  ${EndIf}
FunctionEnd

; --- the uninstaller -----------------------------------------------------------------------------------------

Function un.onInit
  SetShellVarContext all
FunctionEnd

; Sets $0 to 1 when the folder's quorvel_vcb.ini is byte for byte the sample that this version ships.
Function un.IsSampleDictionary
  Push $1
  Push $2
  Push $3
  Push $4
  Push $5
  StrCpy $0 0
  InitPluginsDir
  File "/oname=$PLUGINSDIR\sample_vcb.ini" "${DIST}/quorvel_vcb.ini"
  ClearErrors
  FileOpen $1 "$INSTDIR\quorvel_vcb.ini" r
  FileOpen $2 "$PLUGINSDIR\sample_vcb.ini" r
  ${IfNot} ${Errors}
    ${Do}
      ClearErrors
      FileReadByte $1 $3
      StrCpy $5 0
      ${If} ${Errors}
        StrCpy $5 1
      ${EndIf}
      ClearErrors
      FileReadByte $2 $4
      ${If} ${Errors}
        ${If} $5 == 1
          StrCpy $0 1
        ${EndIf}
        ${Break}
      ${EndIf}
      ${If} $5 == 1
      ${OrIf} $3 != $4
        ${Break}
      ${EndIf}
    ${Loop}
  ${EndIf}
  FileClose $1
  FileClose $2
  Pop $5
  Pop $4
  Pop $3
  Pop $2
  Pop $1
FunctionEnd

; Adds the names of what is left in the folder to $FinishText, a line each; six fit on the page.
Function un.ListLeftFiles
  Push $1
  Push $2
  Push $3
  StrCpy $3 0
  FindFirst $1 $2 "$INSTDIR\*.*"
  ${DoWhile} $2 != ""
    ${If} $2 != "."
    ${AndIf} $2 != ".."
      ${If} $3 == 6
        StrCpy $FinishText "$FinishText$\r$\n      $(MoreFiles)"
        ${Break}
      ${EndIf}
      StrCpy $FinishText "$FinishText$\r$\n      $2"
      ${If} $2 == "quorvel_vcb.ini"
      ${AndIf} $DictionaryKept == 1
        StrCpy $FinishText "$FinishText $(DictionaryChanged)"
      ${EndIf}
      IntOp $3 $3 + 1
    ${EndIf}
    FindNext $1 $2
  ${Loop}
  FindClose $1
  Pop $3
  Pop $2
  Pop $1
FunctionEnd

Section Uninstall
  Call un.EndRunningQuiz
  Call un.RunValueIsOurs
  ${If} $0 == 1
    DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}

  Delete "$INSTDIR\quorvel.exe"
  Delete "$INSTDIR\readme.txt"
  Delete "$INSTDIR\quorvel.ini"
  ${If} ${FileExists} "$INSTDIR\quorvel_vcb.ini"
    Call un.IsSampleDictionary
    ${If} $0 == 1
      Delete "$INSTDIR\quorvel_vcb.ini"
    ${Else}
      StrCpy $DictionaryKept 1
    ${EndIf}
  ${EndIf}
  Delete "${SHORTCUT}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  ${If} ${FileExists} "$INSTDIR\*.*"
    StrCpy $FinishText "$(UninstallKept)"
    Call un.ListLeftFiles
    StrCpy $FinishText "$FinishText$\r$\n$\r$\n$(UninstallKeptEnd)"
    DetailPrint "$(UninstallKept)"
  ${Else}
    StrCpy $FinishText "$(UninstallDone)"
  ${EndIf}

  ; A second copy in another folder may have taken the entry over since.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == ""
  ${OrIf} $0 == $INSTDIR
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ${EndIf}
SectionEnd
