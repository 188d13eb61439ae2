; What makes the setup program a release: the same bytes from every build of one commit, and signatures when
; the build is given a code-signing certificate.
;
; The bytes: NSIS keeps the time of every file it packs, so CMake hands over copies that carry the commit's
; time (EXE, DIST); nothing else that makensis writes depends on the time, the folder or the machine.
;
; The signatures: with QUORVEL_SIGN_PKCS12 in the environment, CMake's release step (RELEASE_STEP, run by
; CMAKE) signs the uninstaller before it is packed, and the setup program once it is written, with
; Authenticode; a failed signature fails the build. Without it nothing is signed, and the uninstaller is
; packed as NSIS always packs it (a finished, signable uninstaller costs the setup program 47 KB).

!ifdef RELEASE_STEP
  !define /redef SIGN_PKCS12 "$%QUORVEL_SIGN_PKCS12%"
  ; makensis leaves an unset variable as it was written.
  !searchparse /noerrors "${SIGN_PKCS12}" "$%QUORVEL_SIGN_PKCS12" SIGN_PKCS12_UNSET
  !ifndef SIGN_PKCS12_UNSET
    !if "${SIGN_PKCS12}" != ""
      !define SIGN_COMMAND '"${CMAKE}" -DSTEP=sign "-DFILE=%1" "-DOSSLSIGNCODE=${OSSLSIGNCODE}" -P "${RELEASE_STEP}"'
      !uninstfinalize '${SIGN_COMMAND}' = 0
      !finalize '${SIGN_COMMAND}' = 0
    !endif
  !endif
!endif

; The version in the setup program's properties and in "Apps and features" is project()'s.
!ifndef VERSION
  !error "VERSION comes from project() in CMakeLists.txt: build with cmake --build ... --target installer"
!endif
