; The Windows installer: ringcoil.exe for all users under Program Files or
; for the current user only under the user's own programs folder (no
; administrator rights needed), a Start-menu entry, and an uninstaller listed
; among the installed programs (in HKLM or in HKCU, as installed).
; `setup.exe /S` installs without asking, for all users where it may,
; `/S /CurrentUser` or `/S /AllUsers` chooses; `uninstall.exe /S` removes the
; same way. Installing over an installed copy, of the same or an older
; version, replaces it in its folder, under the same entry.
; Neither touches a file while ringcoil runs (the program holds a mutex named
; RingcoilRunning): interactively they ask to close it and try again;
; silently they change nothing and end with status 2.
; makensis is handed VERSION, EXE, ICON, LICENSE_FILE, OUTFILE and SIZE_FILE
; (which defines SIZE_KB, the program's size) with -D.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!include "LogicLib.nsh"
!include "${SIZE_FILE}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ringcoil"

; MultiUser.nsh: per-machine into $PROGRAMFILES64\Ringcoil with rights, else
; per-user into the user's programs folder (%LOCALAPPDATA%\Programs\Ringcoil);
; the folder and the mode of an earlier install are read from its entry.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "Ringcoil"
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!include "MultiUser.nsh"
!include "MUI2.nsh"

Name "Ringcoil"
Caption "Ringcoil ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "Ringcoil ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1049 "ProductName" "Ringcoil"
VIAddVersionKey /LANG=1049 "FileDescription" "Установка Ringcoil"
VIAddVersionKey /LANG=1049 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "LegalCopyright" "© 2026 ringcoil developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_LICENSE "${LICENSE_FILE}"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\ringcoil.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

LangString RUNNING ${LANG_RUSSIAN} "Ringcoil запущен. Закройте его и нажмите «Повтор»."
LangString NOT_REMOVED ${LANG_RUSSIAN} \
  "Не удалось удалить $INSTDIR\ringcoil.exe: файл занят. Закройте Ringcoil и запустите удаление снова."

; The check both run, before they change anything: while ringcoil runs,
; asks to close it and try again; gives up with status 2 on «Отмена», and at
; once when silent. The program holds the mutex in its session and in the
; global namespace, so that an install for all users made from another
; session sees it too.
!macro RUNNING_CHECK PREFIX
Function ${PREFIX}RingcoilRuns
  StrCpy $R9 ""
  System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "RingcoilRunning") p.r0'
  ${If} $0 != 0
    System::Call 'kernel32::CloseHandle(p r0)'
    StrCpy $R9 1
  ${EndIf}
  System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "Global\RingcoilRunning") p.r0'
  ${If} $0 != 0
    System::Call 'kernel32::CloseHandle(p r0)'
    StrCpy $R9 1
  ${EndIf}
FunctionEnd

Function ${PREFIX}WaitUntilClosed
  ${Do}
    Call ${PREFIX}RingcoilRuns
    ${If} $R9 == ""
      Return
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(RUNNING)" /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Quit
    retry:
  ${Loop}
FunctionEnd
!macroend
!insertmacro RUNNING_CHECK ""
!insertmacro RUNNING_CHECK "un."

Function .onInit
  SetRegView 64
  ; A folder given with /D= wins over the mode's and an earlier install's.
  StrCpy $R8 $INSTDIR
  !insertmacro MULTIUSER_INIT
  ${If} $R8 != ""
    StrCpy $INSTDIR $R8
  ${EndIf}
  Call WaitUntilClosed
FunctionEnd

Function un.onInit
  SetRegView 64
  StrCpy $R8 $INSTDIR
  !insertmacro MULTIUSER_UNINIT
  ; This uninstaller's folder, and the mode of the install it belongs to: a
  ; per-user install if the current user's entry names this folder.
  StrCpy $INSTDIR $R8
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    Call un.MultiUser.InstallMode.CurrentUser
  ${EndIf}
  Call un.WaitUntilClosed
FunctionEnd

Section
  ; The program may have been started since the wizard opened.
  Call WaitUntilClosed
  SetOutPath "$INSTDIR"
  File "${EXE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Ringcoil.lnk" "$INSTDIR\ringcoil.exe" "" "$INSTDIR\ringcoil.exe" 0 \
    SW_SHOWNORMAL "" "Расчёт катушки на ферритовом кольце"
  ; SHCTX: HKLM for all users, HKCU for the current user (MultiUser's
  ; SetShellVarContext).
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Ringcoil"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "ringcoil developers"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\ringcoil.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
  Call un.WaitUntilClosed
  ; The program first: while it is there (in use, started after the check),
  ; the Start-menu entry, the uninstaller and the uninstall entry stay, so
  ; that it can still be found and removed.
  Delete "$INSTDIR\ringcoil.exe"
  ${If} ${FileExists} "$INSTDIR\ringcoil.exe"
    MessageBox MB_OK|MB_ICONSTOP "$(NOT_REMOVED)" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  Delete "$SMPROGRAMS\Ringcoil.lnk"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
