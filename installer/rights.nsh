; Who may change the folders. quorvel.exe runs at every account's log-on, a parent's too, so nothing in its
; folder may be changed by a standard account: Program Files gives that by itself, any other folder loses
; what it inherits and gets the same rights explicitly. The data folder is the one place where every account
; may change files. Groups by their SIDs, which icacls takes in any language of the system:
!define SYSTEM "*S-1-5-18"
!define ADMINISTRATORS "*S-1-5-32-544"
!define USERS "*S-1-5-32-545"

; Runs icacls with the arguments on the stack; $0 is its exit code (0: done).
Function Icacls
  Exch $1
  nsExec::Exec '"$SYSDIR\icacls.exe" $1'
  Pop $0
  ${If} $0 != 0
    DetailPrint "$(RightsNotSet) (icacls $1: $0)"
  ${EndIf}
  Pop $1
FunctionEnd

; $0 is 0 when the program folder has the rights of Program Files: read and run for the users, full
; control for the administrators and the system, nothing inherited from a folder that users may change.
Function LockProgramFolder
  StrCpy $0 0
  ${If} $INSTDIR == "${DEFAULT_FOLDER}"
    Return
  ${EndIf}
  Push '"$INSTDIR" /inheritance:r /grant:r ${SYSTEM}:(OI)(CI)F ${ADMINISTRATORS}:(OI)(CI)F ${USERS}:(OI)(CI)RX'
  Call Icacls
FunctionEnd

; $0 is 0 when the data folder belongs to the administrators, whoever made it, and every account may change
; the files in it but not the folder itself: nobody but an administrator can delete it or rename it. The
; right to make files would still let a child's account turn the folder, once emptied, into a junction:
; the program checks every write for that.
Function OpenDataFolder
  Push '"$DataFolder" /setowner ${ADMINISTRATORS}'
  Call Icacls
  ${If} $0 != 0
    Return
  ${EndIf}
  ; rights that an earlier owner gave anybody go
  Push '"$DataFolder" /reset'
  Call Icacls
  ${If} $0 != 0
    Return
  ${EndIf}
  Push '"$DataFolder" /inheritance:r /grant:r ${SYSTEM}:(OI)(CI)F ${ADMINISTRATORS}:(OI)(CI)F ${USERS}:(OI)(CI)(IO)M'
  Call Icacls
  ${If} $0 != 0
    Return
  ${EndIf}
  ; On the folder itself: look and make files. Not folders: the program makes none, and a folder made by
  ; a child could only be turned into a junction.
  Push '"$DataFolder" /grant ${USERS}:(RX,WD)'
  Call Icacls
FunctionEnd

; Version 1.0 gave every user the right to change a folder it was not put at a drive's root; what stays
; there after the upgrade is no longer quorvel's, and the folder goes back to the rights it inherits.
Function TakeBackOldRights
  Push '"$OldFolder" /remove:g ${USERS}'
  Call Icacls
FunctionEnd
