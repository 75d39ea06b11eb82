; The setup program of Aerolap for Windows, made by `make windows` (packaging/windows/CMakeLists.txt
; passes VERSION, STAGE, ICON and OUTFILE).
; A 64-bit setup program for a 64-bit program: it installs into the 64-bit Program Files and
; registry without redirection.
Target amd64-unicode
!include "MUI2.nsh"

Name "Aerolap ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Aerolap"
InstallDirRegKey HKLM "Software\Aerolap" "InstallDir"
; The program's folder and the firewall need an administrator.
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Aerolap"
!define FIREWALL_RULE "Aerolap pilots' display"

!insertmacro MUI_PAGE_LICENSE "${STAGE}\COPYING.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The shortcuts are every user's: the director may not be the one who installed it.
Section "Aerolap"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  ; The default sound set of each language goes beside the program, which plays the director's
  ; language's set unless C:\reriva3rira holds a club's own recordings: those are never touched.
  File /r "${STAGE}\*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\Aerolap"
  CreateShortcut "$SMPROGRAMS\Aerolap\Aerolap.lnk" "$INSTDIR\aerolap.exe" "" "$INSTDIR\aerolap.exe" 0
  CreateShortcut "$SMPROGRAMS\Aerolap\Uninstall Aerolap.lnk" "$INSTDIR\uninstall.exe"

  ; Phones on the field's network reach the pilots' page; private networks only.
  nsExec::Exec 'netsh advfirewall firewall delete rule name="${FIREWALL_RULE}"'
  Pop $0
  nsExec::Exec 'netsh advfirewall firewall add rule name="${FIREWALL_RULE}" dir=in action=allow \
    program="$INSTDIR\aerolap.exe" enable=yes profile=private'
  Pop $0

  WriteRegStr HKLM "Software\Aerolap" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Aerolap"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\aerolap.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The fixed sound folders on C:\ stay: they hold a club's own recordings.
Section "Uninstall"
  SetShellVarContext all
  nsExec::Exec 'netsh advfirewall firewall delete rule name="${FIREWALL_RULE}"'
  Pop $0
  Delete "$SMPROGRAMS\Aerolap\Aerolap.lnk"
  Delete "$SMPROGRAMS\Aerolap\Uninstall Aerolap.lnk"
  RMDir "$SMPROGRAMS\Aerolap"
  RMDir /r "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\Aerolap"
SectionEnd
