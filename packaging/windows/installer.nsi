; SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
; SPDX-License-Identifier: MIT

; The Windows installer: for the current user (the default: it needs no
; administrator rights) or for all users, chosen on its own page or with
; /CurrentUser and /AllUsers; into the user's own programs folder or Program
; Files unless /D= says otherwise; silent with /S; in French. Built by
; scripts/package-windows.sh:
;   makensis -INPUTCHARSET UTF8 -DSTAGE=<installed folder> -DOUTFILE=<setup.exe>
;            -DFILES=<install list> -DUNFILES=<uninstall list> -DICON=<.ico>
;            -DVERSION=<x.y.z> -DPUBLISHER=<who distributes it>
;            [-DSIGN=<command that signs the file it is given>] installer.nsi
; The two lists name every file of the installed folder, so that the
; uninstaller removes those and nothing else.
Unicode true
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma
; The installed files take the time they are installed at, so that the
; installer itself does not depend on when its files were built.
SetDateSave off

!define APP_NAME "Bandit Manchot et Horloge Numérique"
!define APP_EXE "bandit-manchot.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\fr.banditmanchot.banditmanchot"

!ifdef SIGN
    ; The installer, and the uninstaller it writes, signed as they are made.
    !finalize '"${SIGN}" "%1"' = 0
    !uninstfinalize '"${SIGN}" "%1"' = 0
!endif

; Highest: an administrator may choose all users; anyone else installs for
; themselves without being asked for rights they do not have.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "Bandit Manchot"
; Installed once already, it offers the same choice again.
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_FUNCTION KeepFolderFromCommandLine
!define MULTIUSER_INIT_TEXT_ALLUSERSNOTPOSSIBLE "Votre compte n’a pas les droits nécessaires pour installer $(^Name) pour tous les utilisateurs de cet ordinateur."
!include "MultiUser.nsh"
!include "MUI2.nsh"
!include "WordFunc.nsh"

Name "${APP_NAME}"
OutFile "${OUTFILE}"
BrandingText "${APP_NAME} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1036 "ProductName" "${APP_NAME}"
VIAddVersionKey /LANG=1036 "FileDescription" "Installation de ${APP_NAME}"
VIAddVersionKey /LANG=1036 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1036 "FileVersion" "${VERSION}.0"
VIAddVersionKey /LANG=1036 "ProductVersion" "${VERSION}.0"
VIAddVersionKey /LANG=1036 "LegalCopyright" "Licence MIT"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${APP_EXE}"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENCE.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

; Each choice of users sets its own folder; a folder given with /D= stays.
Var FolderFromCommandLine
Function KeepFolderFromCommandLine
    StrCmp $FolderFromCommandLine "" +2
        StrCpy $INSTDIR $FolderFromCommandLine
FunctionEnd

Function .onInit
    SetRegView 64
    StrCpy $FolderFromCommandLine $INSTDIR
    !insertmacro MULTIUSER_INIT
    Call RefuseDowngrade
FunctionEnd

; A newer version, installed for this user or for all users, stays whole: an
; older installer says so and ends, silent or not, with exit code 2.
Function RefuseDowngrade
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "DisplayVersion"
    ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "DisplayVersion"
    ${VersionCompare} $0 $1 $2
    ${If} $2 == 2
        StrCpy $0 $1
    ${EndIf}
    ${If} $0 != ""
        ${VersionCompare} $0 "${VERSION}" $2
        ${If} $2 == 1
            MessageBox MB_OK|MB_ICONSTOP "La version $0 de ${APP_NAME}, plus récente, est déjà installée sur cet ordinateur. Pour installer la version ${VERSION}, désinstallez d’abord l’autre depuis « Applications »." /SD IDOK
            SetErrorLevel 2
            Quit
        ${EndIf}
    ${EndIf}
FunctionEnd

Function un.onInit
    SetRegView 64
    !insertmacro MULTIUSER_UNINIT
    ; It removes the installation it stands in, whichever else there is.
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        Call un.MultiUser.InstallMode.AllUsers
    ${Else}
        Call un.MultiUser.InstallMode.CurrentUser
    ${EndIf}
FunctionEnd

Section "Programme" Program
    ; The installation this one replaces goes first, by its own uninstaller,
    ; which knows its files: none that this version no longer has stays.
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} ${FileExists} "$0\uninstall.exe"
        DetailPrint "Désinstallation de la version précédente"
        ExecWait '"$0\uninstall.exe" /S _?=$0' $1
        ${If} $1 != 0
            DetailPrint "La version précédente n’a pas pu être entièrement désinstallée ($1)"
        ${EndIf}
        Delete "$0\uninstall.exe"
        RMDir "$0"
    ${EndIf}
    !include "${FILES}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${APP_NAME}.lnk" "$INSTDIR\${APP_EXE}"

    ; SHCTX: HKLM for all users, HKCU for the current user alone.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${APP_EXE},0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    SectionGetSize ${Program} $0
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    !include "${UNFILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${APP_NAME}.lnk"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
