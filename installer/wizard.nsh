; The wizard's pages: welcome, folder, options, progress, finish; the uninstaller's confirm, progress and
; finish. Every control is reached with Tab and the arrow keys; Enter is the page's default button.

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
!define MUI_PAGE_CUSTOMFUNCTION_SHOW FinishShow
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "$FinishText"
!define MUI_FINISHPAGE_TEXT_LARGE
!insertmacro MUI_UNPAGE_FINISH

!insertmacro MUI_LANGUAGE "Russian"
!include "${__FILEDIR__}/texts.nsh"

Var StartBox
Var SubjectButton0
Var SubjectButton1
Var SubjectButton2
Var SkipMeBox
Var PracticeBox

; Each option is a box with its explanation under it, indented to the box's text.
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

  ${NSD_CreateCheckbox} 0 0 100% 10u "$(StartUpOption)"
  Pop $StartBox
  ${NSD_AddStyle} $StartBox ${WS_GROUP}
  ${If} $StartUp == 1
    ${NSD_Check} $StartBox
  ${EndIf}
  ${NSD_CreateLabel} 12u 11u -12u 9u "$(StartUpNote)"
  Pop $0

  ${NSD_CreateLabel} 0 25u 100% 9u "$(SubjectQuestion)"
  Pop $0
  ${NSD_CreateRadioButton} 12u 35u 64u 10u "Табл.умн."
  Pop $SubjectButton0
  ${NSD_AddStyle} $SubjectButton0 ${WS_GROUP}
  ${NSD_CreateRadioButton} 84u 35u 52u 10u "Eng>R"
  Pop $SubjectButton1
  ${NSD_CreateRadioButton} 144u 35u 52u 10u "Rus>E"
  Pop $SubjectButton2
  ${Select} $Subject
  ${Case} 0
    ${NSD_Check} $SubjectButton0
  ${Case} 1
    ${NSD_Check} $SubjectButton1
  ${Case} 2
    ${NSD_Check} $SubjectButton2
  ${EndSelect}
  ${If} $SettingsKept != ""
    EnableWindow $SubjectButton0 0
    EnableWindow $SubjectButton1 0
    EnableWindow $SubjectButton2 0
    ${NSD_CreateLabel} 12u 46u -12u 9u "$(SubjectKept)"
    Pop $0
  ${EndIf}

  ${NSD_CreateCheckbox} 0 61u 100% 10u "$(SkipMeOption)"
  Pop $SkipMeBox
  ${NSD_AddStyle} $SkipMeBox ${WS_GROUP}
  ${If} $SkipMe == 1
    ${NSD_Check} $SkipMeBox
  ${EndIf}
  ${NSD_CreateLabel} 12u 72u -12u 9u "$(SkipMeNote)"
  Pop $0

  ${NSD_CreateCheckbox} 0 86u 100% 10u "$(PracticeOption)"
  Pop $PracticeBox
  ${NSD_AddStyle} $PracticeBox ${WS_GROUP}
  ${If} $Practice == 1
    ${NSD_Check} $PracticeBox
  ${EndIf}
  ${NSD_CreateLabel} 12u 97u -12u 9u "$(PracticeNote)"
  Pop $0

  ${NSD_CreateLabel} 0 114u 100% 18u "$(OptionsLater)"
  Pop $0
  nsDialogs::Show
FunctionEnd

Function OptionsLeave
  ${NSD_GetState} $StartBox $StartUp
  ${NSD_GetState} $SkipMeBox $SkipMe
  ${NSD_GetState} $PracticeBox $Practice
  ${If} $SettingsKept != ""
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

; The finish page keeps only 60 units for its text above the readme box: the box goes to the page's foot,
; so that the text has room for what stayed in an old folder.
Function FinishShow
  StrCpy $0 $mui.FinishPage.Text
  StrCpy $1 45
  StrCpy $2 125
  Call PlaceOnFinishPage
  StrCpy $0 $mui.FinishPage.ShowReadme
  StrCpy $1 175
  StrCpy $2 10
  Call PlaceOnFinishPage
FunctionEnd

; Moves the control $0 to the finish page's text column, $1 dialog units from the top and $2 high.
Function PlaceOnFinishPage
  IntOp $2 $1 + $2
  System::Call '*(i 120, i r1, i 315, i r2) p .r3'
  System::Call 'user32::MapDialogRect(p $mui.FinishPage, p r3)'
  System::Call '*$3(i .r1, i .r2, i .r4, i .r5)'
  System::Free $3
  IntOp $4 $4 - $1
  IntOp $5 $5 - $2
  ; SWP_NOZORDER | SWP_NOACTIVATE
  System::Call 'user32::SetWindowPos(p r0, p 0, i r1, i r2, i r4, i r5, i 0x14)'
FunctionEnd
