; Windows installer of Zentrabel, built on any host with makensis:
;
;   makensis -DVERSION=1.2.3 -DPROGRAM=zentrabel.exe -DCLI=zentrabel-cli.exe
;            -DHELP=help.html -DICON=zentrabel.ico -DOUTFILE=setup.exe zentrabel.nsi
;
; It installs for the current user only, so it needs no administrator rights
; and the program can write its settings file (zbl.cfg) beside itself: the
; Start-menu shortcut starts the program in its own folder, and the program
; reads and writes zbl.cfg in the folder it was started in.
;
; Silent use: setup.exe /S [/D=C:\path\to\folder] (the /D must come last),
; uninstall.exe /S.

!ifndef VERSION | PROGRAM | CLI | HELP | ICON | OUTFILE
  !error "define VERSION, PROGRAM, CLI, HELP, ICON and OUTFILE"
!endif

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define PRODUCT "Zentrabel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zentrabel"
!define SHORTCUT "$SMPROGRAMS\Zentrabel.lnk"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Zentrabel"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

; The installer's own version resource. It carries no copyright line, which
; makensis would otherwise warn about.
!pragma warning disable 9100
VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"

!include "MUI2.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\zentrabel.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT}"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\help.html"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Open the help page"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

Section "Zentrabel" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "/oname=zentrabel.exe" "${PROGRAM}"
  File "/oname=zentrabel-cli.exe" "${CLI}"
  File "/oname=help.html" "${HELP}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The working folder of a shortcut is the output path: the install folder.
  CreateShortCut "${SHORTCUT}" "$INSTDIR\zentrabel.exe" "" "$INSTDIR\zentrabel.exe" 0 SW_SHOWNORMAL "" \
    "Scientific calculator that understands chemical formulas"

  ; The entry of the system's list of installed programs.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zentrabel.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the installer put there and the settings file the program
; wrote beside itself; other files a user saved in the folder stay, and with
; them the folder.
Section "Uninstall"
  Delete "${SHORTCUT}"
  Delete "$INSTDIR\zentrabel.exe"
  Delete "$INSTDIR\zentrabel-cli.exe"
  Delete "$INSTDIR\help.html"
  Delete "$INSTDIR\zbl.cfg"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
