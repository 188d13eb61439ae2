; What the system keeps of the install: the record that tells the program where its data folder is (and
; tells the next setup program which folder is ours), the entry among the installed programs, and the
; parents' Start menu.

Function WriteRecord
  ClearErrors
  WriteRegStr HKLM "${POLICY_KEY}" "ProgramFolder" "$INSTDIR"
  WriteRegStr HKLM "${POLICY_KEY}" "DataFolder" "$DataFolder"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "quorvel"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "quorvel"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quorvel.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  ${If} ${Errors}
    DetailPrint "$(RecordNotWritten)"
    SetErrorLevel 2
  ${EndIf}
FunctionEnd

; The parents' readme, the report in the default browser and the dictionary in Notepad. The quiz itself
; has no entry: it starts with Windows, and a child should not find it there.
Function MakeMenu
  Delete "${OLD_SHORTCUT}"
  CreateDirectory "${MENU_FOLDER}"
  CreateShortCut "${MENU_FOLDER}\$(ReadmeShortcut).lnk" "$INSTDIR\readme.txt"
  CreateShortCut "${MENU_FOLDER}\$(ReportShortcut).lnk" "$DataFolder\quorvel_report.html"
  CreateShortCut "${MENU_FOLDER}\$(DictionaryShortcut).lnk" "$WINDIR\notepad.exe" '"$DataFolder\quorvel_vcb.ini"'
FunctionEnd
