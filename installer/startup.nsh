; The start-up value that the program's own settings dialog writes, and the quiz that may be running while
; its exe is replaced or removed. Both the setup program and the uninstaller use them.

; Ends every running copy of the quorvel.exe in the folder on the stack. It has no close button and ignores
; WM_CLOSE, so its process is ended outright; the exe can then be replaced or removed.
!macro EndRunningQuiz un
Function ${un}EndRunningQuiz
  Exch $R9
  Push $R0
  Push $R1
  Push $R2
  Push $R3
  Push $R4
  Push $R5
  Push $R6
  GetFullPathName /SHORT $R9 "$R9\quorvel.exe"
  ${If} $R9 != ""
    System::Call 'kernel32::CreateToolhelp32Snapshot(i 2, i 0) p .R0'
    ${If} $R0 <> -1
      ; PROCESSENTRY32W: nine 32-bit fields, then the exe's file name
      System::Call '*(i 556, i, i, p, i, i, i, i, i, &w260) p .R1'
      System::Call 'kernel32::Process32FirstW(p R0, p R1) i .R2'
      ${DoWhile} $R2 <> 0
        System::Call '*$R1(i, i, i .R3, p, i, i, i, i, i, &w260 .R4)'
        ${If} $R4 == "quorvel.exe"
          ; PROCESS_TERMINATE, SYNCHRONIZE, PROCESS_QUERY_LIMITED_INFORMATION
          System::Call 'kernel32::OpenProcess(i 0x101001, i 0, i R3) p .R5'
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
  Pop $R6
  Pop $R5
  Pop $R4
  Pop $R3
  Pop $R2
  Pop $R1
  Pop $R0
  Pop $R9
FunctionEnd
!macroend
!insertmacro EndRunningQuiz ""
!insertmacro EndRunningQuiz "un."

; Sets $0 to 1 when the start-up value names the quorvel.exe of the folder on the stack, quoted or not, by
; its long or its short path: another copy's value is left alone.
!macro RunValueNames un
Function ${un}RunValueNames
  Exch $3
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
  ${If} $1 == "$3\quorvel.exe"
    StrCpy $0 1
  ${ElseIf} $1 != ""
    GetFullPathName /SHORT $1 $1
    GetFullPathName /SHORT $2 "$3\quorvel.exe"
    ${If} $1 != ""
    ${AndIf} $1 == $2
      StrCpy $0 1
    ${EndIf}
  ${EndIf}
  Pop $2
  Pop $1
  Pop $3
FunctionEnd
!macroend
!insertmacro RunValueNames ""
!insertmacro RunValueNames "un."

; The value names the new exe when the family wants the quiz at start-up; otherwise a value of this install
; (or of the one it replaces) goes, and another copy's stays.
Function WriteStartUp
  ${If} $StartUp == 1
    ClearErrors
    WriteRegStr HKLM "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\quorvel.exe"'
    ${If} ${Errors}
      DetailPrint "$(StartUpNotWritten)"
      MessageBox MB_ICONEXCLAMATION "$(StartUpNotWritten)" /SD IDOK
      SetErrorLevel 2
    ${EndIf}
    Return
  ${EndIf}
  Push $INSTDIR
  Call RunValueNames
  ${If} $0 != 1
  ${AndIf} $Earlier != ""
    Push $Earlier
    Call RunValueNames
  ${EndIf}
  ${If} $0 == 1
    DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}
FunctionEnd
