; The parents' setup program. quorvel.exe starts at every account's log-on with that account's rights, a
; parent's too, so it and its uninstaller go into a program folder that only administrators may change; what
; the program writes (settings, journal, report) and the dictionary that parents edit go into a data folder
; that every account may change. The values under HKLM\Software\quorvel (32-bit view) tell the program
; where that folder is and what a parent chose for the whole computer.
;
; CMake builds it (`--target installer`) and defines:
;   VERSION   x.y.z, from project()        VERSION4  x.y.z.0
;   EXE       the quorvel.exe to ship      DIST      the folder of readme.txt and quorvel_vcb.ini
;   RESOURCES the folder of quorvel.ico and the wizard pages' picture
;   OUTFILE   the setup program to write
;
; Command line, besides NSIS's own /S (silent) and /D=folder (last, unquoted):
;   /NOSTART      no start-up value (and an upgrade removes its own)
;   /SUBJECT=N    the subject of a new quorvel.ini: 0 multiplication, 1 Eng>R, 2 Rus>E
;   /SKIPME       the account the setup program runs for never sees the quiz (silent: only with it)
;   /PRACTICE     the quiz deals what the child finds hard more often
; Exit code 0 on success, 2 when a choice is refused or a part of the installation failed.
;
; The parts, each in a file of its own:
;   wizard.nsh   the pages and the options page                texts.nsh    every Russian text
;   folders.nsh  the program folder and the data folder: which one, and the refusals
;   rights.nsh   who may change them (icacls)                    files.nsh    files: links, the shipped ones
;   startup.nsh  the start-up value and the running quiz         choices.nsh  the values of the options page
;   accounts.nsh the accounts left out of the quiz
;   upgrade.nsh  what an earlier version left                    record.nsh   registry entries, Start menu
;   uninstall.nsh  the uninstaller

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
; The program reads its key in the 32-bit view, where a 32-bit setup program writes anyway.
!define POLICY_KEY "Software\quorvel"
!define MENU_FOLDER "$SMPROGRAMS\quorvel"

Name "quorvel"
OutFile "${OUTFILE}"
BrandingText "quorvel ${VERSION}"
; No InstallDir: .onInit picks the folder of the last install, or a new one in Program Files.
; Roots are refused by CheckFolder, with a reason, instead of by a silent fall-back to the default folder.
AllowRootDirInstall true

VIProductVersion "${VERSION4}"
VIFileVersion "${VERSION4}"

Var DataFolder   ; where the program keeps every file it reads and writes
Var Record       ; the program folder that this setup program last installed into, from its own record
Var Earlier      ; the program folder of an earlier install: $Record, or version 1.0's; empty for none
Var EarlierIsOpen  ; 1: $Earlier is version 1.0's, which every account could write to
Var OldFolder    ; $Earlier where it is to be emptied: 1.0's, or another folder than $INSTDIR
Var FinishText

!include "${__FILEDIR__}/accounts.nsh"
!include "${__FILEDIR__}/choices.nsh"
!include "${__FILEDIR__}/files.nsh"
!include "${__FILEDIR__}/startup.nsh"
!include "${__FILEDIR__}/wizard.nsh"
!include "${__FILEDIR__}/folders.nsh"
!include "${__FILEDIR__}/rights.nsh"
!include "${__FILEDIR__}/upgrade.nsh"
!include "${__FILEDIR__}/record.nsh"
!include "${__FILEDIR__}/uninstall.nsh"

; quorvel.exe carries no copyright line either.
!pragma warning disable 9100
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductName" "quorvel"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileDescription" "Установка quorvel"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductVersion" "${VERSION4}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileVersion" "${VERSION4}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "OriginalFilename" "quorvel-setup.exe"

Function .onInit
  SetShellVarContext all
  Call StopUnlessAdministrator
  !insertmacro UnpackShipped
  Call FindEarlierInstall
  Call ReadCommandLine
  Call ChooseProgramFolder

  ; A silent run has no folder page to refuse a folder on.
  ${If} ${Silent}
    Call CheckFolder
    ${If} $0 != ""
      MessageBox MB_ICONSTOP "$0" /SD IDOK
      SetErrorLevel 2
      Quit
    ${EndIf}
  ${EndIf}
FunctionEnd

Section
  ${If} $ChoicesFor != $INSTDIR
    Call ChooseDefaults
  ${EndIf}

  Push $INSTDIR
  Call EndRunningQuiz
  ${If} $OldFolder != ""
    Push $OldFolder
    Call EndRunningQuiz
  ${EndIf}

  ; The folders and their rights come first: nothing is copied into a folder that is still open to others.
  Call MakeDataFolder
  Call MakeProgramFolder

  SetOutPath "$INSTDIR"
  ; A silent run ignores a file it cannot write; the old program must not pass for the new one.
  ClearErrors
  File "/oname=quorvel.exe" "${EXE}"
  File "/oname=readme.txt" "${DIST}/readme.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ${If} ${Errors}
    Abort "$(FilesNotWritten)"
  ${EndIf}

  Call MoveFamilyFiles
  Call WriteMissingDataFiles
  Call WriteChoices
  Call WriteStartUp
  Call WriteRecord
  Call MakeMenu
  Call ClearOldFolder

  StrCpy $FinishText "$(FinishText)"
  ${If} $StartUp == 1
    StrCpy $FinishText "$FinishText$(FinishStartUp)"
  ${EndIf}
  StrCpy $FinishText "$FinishText$(FinishSettings)"
  Call ListOldFolder
SectionEnd
