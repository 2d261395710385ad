; Kalvora's installer for Windows (NSIS 3). Per user and without administrator rights by default:
; into %LOCALAPPDATA%\Programs\Kalvora, with a Start-menu entry, a desktop shortcut on request and
; an uninstaller that takes away everything it put in place.
; makensis -DVERSION=... -DSTAGE=<folder with the files> -DICON=<icon> -DOUTFILE=<setup.exe> kalvora.nsi
; A 64-bit installer for the 64-bit program.
Target amd64-unicode
!include "MUI2.nsh"

Name "Kalvora ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Kalvora"
InstallDirRegKey HKCU "Software\Kalvora" "InstallDir"
SetCompressor /SOLID lzma
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kalvora"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\kalvora.exe"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Czech"

Section "Kalvora" SectionProgram
  SectionIn RO
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "${STAGE}\kalvora.exe"
  File "${STAGE}\kalvora-calc.exe"
  File "${STAGE}\toolbar508.bmp"
  File "${STAGE}\toolbar508@2x.bmp"
  File "${STAGE}\kalvora-napoveda.html"
  File "${STAGE}\LICENSE.txt"
  File "${STAGE}\CTI-MNE.txt"
  WriteUninstaller "$INSTDIR\Odinstalovat.exe"
  CreateDirectory "$SMPROGRAMS\Kalvora"
  CreateShortcut "$SMPROGRAMS\Kalvora\Kalvora.lnk" "$INSTDIR\kalvora.exe"
  CreateShortcut "$SMPROGRAMS\Kalvora\Nápověda Kalvory.lnk" "$INSTDIR\kalvora-napoveda.html"
  CreateShortcut "$SMPROGRAMS\Kalvora\Odinstalovat Kalvoru.lnk" "$INSTDIR\Odinstalovat.exe"
  WriteRegStr HKCU "Software\Kalvora" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Kalvora ${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Kalvora"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kalvora.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Odinstalovat.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Odinstalovat.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section /o "Zástupce na ploše" SectionDesktop
  SetShellVarContext current
  CreateShortcut "$DESKTOP\Kalvora.lnk" "$INSTDIR\kalvora.exe"
SectionEnd

LangString DESC_Program ${LANG_CZECH} "Program Kalvora, výpočty z příkazové řádky, nápověda a licence."
LangString DESC_Desktop ${LANG_CZECH} "Zástupce programu na pracovní ploše."
!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionProgram} $(DESC_Program)
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionDesktop} $(DESC_Desktop)
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "Uninstall"
  SetShellVarContext current
  Delete "$INSTDIR\kalvora.exe"
  Delete "$INSTDIR\kalvora-calc.exe"
  Delete "$INSTDIR\toolbar508.bmp"
  Delete "$INSTDIR\toolbar508@2x.bmp"
  Delete "$INSTDIR\kalvora-napoveda.html"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\CTI-MNE.txt"
  Delete "$INSTDIR\Odinstalovat.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Kalvora\Kalvora.lnk"
  Delete "$SMPROGRAMS\Kalvora\Nápověda Kalvory.lnk"
  Delete "$SMPROGRAMS\Kalvora\Odinstalovat Kalvoru.lnk"
  RMDir "$SMPROGRAMS\Kalvora"
  Delete "$DESKTOP\Kalvora.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "Software\Kalvora"
SectionEnd
