; SPDX-FileCopyrightText: 2026 The Quimbra developers
; SPDX-License-Identifier: GPL-3.0-or-later
;
; The Windows installer of Quimbra, built by scripts/windows.sh with
;   makensis -DVERSION=1.00 -DVERSION4=1.0.0.0 -DSOURCE_DIR=<deployed folder>
;            -DFILES_DIR=<folder with the generated file lists>
;            -DTOP_DIR=<source tree> -DOUTFILE=<setup.exe> quimbra.nsi
; It installs the deployed folder into Program Files for all users, adds the
; Start-menu entry "Quimbra" and registers the uninstaller with Windows.
; Italian is the first language, English the second; /S installs silently.

Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "x64.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Quimbra"
!define PUBLISHER "prof. Orvalde"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quimbra"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION4}"
VIFileVersion "${VERSION4}"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} ${VERSION} - installazione"
VIAddVersionKey /LANG=0 "LegalCopyright" "GPL-3.0-or-later"

!define MUI_ICON "${TOP_DIR}\packaging\icons\quimbra.ico"
!define MUI_UNICON "${TOP_DIR}\packaging\icons\quimbra.ico"
!define MUI_ABORTWARNING
; The chosen language is remembered beside the uninstaller's registration,
; so the uninstaller speaks it too and goes away with that key.
!define MUI_LANGDLL_REGISTRY_ROOT HKLM
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "Installer Language"
!define MUI_LANGDLL_WINDOWTITLE "Quimbra ${VERSION}"
!define MUI_LANGDLL_INFO "Scegli la lingua dell'installazione.$\r$\nPlease select a language."

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "$(LicenseFile)"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "English"
; The GNU GPL is legally binding only in English, in either language.
LicenseLangString LicenseFile ${LANG_ITALIAN} "${TOP_DIR}\LICENSE"
LicenseLangString LicenseFile ${LANG_ENGLISH} "${TOP_DIR}\LICENSE"

LangString NeedsWin64 ${LANG_ITALIAN} "Quimbra richiede Windows a 64 bit."
LangString NeedsWin64 ${LANG_ENGLISH} "Quimbra needs 64-bit Windows."

Function .onInit
    SetRegView 64
    ${IfNot} ${RunningX64}
        MessageBox MB_OK|MB_ICONSTOP "$(NeedsWin64)" /SD IDOK
        Abort
    ${EndIf}
    !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Section "Quimbra" SecMain
    SectionIn RO
    SetShellVarContext all
    ; The deployed files, one by one, as the uninstaller removes them.
    !include "${FILES_DIR}\install-files.nsh"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\quimbra.exe" "" "$INSTDIR\quimbra.exe" 0

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quimbra.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
    !insertmacro MUI_LANGDLL_SAVELANGUAGE
SectionEnd

Function un.onInit
    SetRegView 64
    !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

; Removes exactly what the installer put there, never the folder's other
; contents, so that a folder chosen by mistake (C:\ itself) loses nothing else.
Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    !include "${FILES_DIR}\uninstall-files.nsh"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
