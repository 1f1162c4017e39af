; Setup for Vexor 2003: installs the program for every user of the computer, with its user guide,
; Start-menu shortcuts, the start-with-Windows choice and an entry in Add/Remove Programs.
;
; scripts/package builds it and passes (makensis -D):
;   VERSION       the version users see, 1.1.5: major.minor.fourth of the CMake project version
;   VERSION_QUAD  the CMake project version, 1.1.0.5, for the version resource of setup.exe
;   STAGE         a folder with vexor.exe, user-guide.html, images/*.png and pictures.nsh, which
;                 deletes each of those pictures by name
;   ICON          the program's icon
;   OUTFILE       the setup program to write
;   X64           only for the test installer around the 64-bit build, on machines whose Wine
;                 cannot run 32-bit code: it installs into the 64-bit Program Files folder and
;                 writes the native registry view. What ships is always the 32-bit installer.
;
; Exit codes: 0 done; 1 cancelled by the user; 2 failed, or a folder outside Program Files given
; with /D= to a silent install; 3 Vexor 2003 was running, nothing changed. The uninstaller
; returns the same codes.
;
; Switches: /S silent; /NOSTARTUP leaves out the start with Windows, /STARTUP chooses it (without
; either, an install over an earlier one keeps that one's choice); /D=FOLDER, last, a folder under
; Program Files.

!ifndef VERSION | VERSION_QUAD | STAGE | ICON | OUTFILE
  !error "scripts/package passes VERSION, VERSION_QUAD, STAGE, ICON and OUTFILE"
!endif

Unicode true
!ifdef X64
  Target amd64-unicode
  !define PROGRAM_FILES "$PROGRAMFILES64"
  !define REG_VIEW 64
!else
  Target x86-unicode
  !define PROGRAM_FILES "$PROGRAMFILES32"
  ; The program is 32-bit: on 64-bit Windows its keys, and so ours, are in the 32-bit view.
  !define REG_VIEW 32
!endif

!define PRODUCT "Vexor 2003"
!define PUBLISHER "Tessaly Software"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The Task Manager's Startup tab keeps its choice about a Run value here, in the native view.
!define APPROVED_KEY "Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved"
; Where the program keeps the pop-up titles the user allowed, and this user's own settings.
!define TITLES_KEY "SOFTWARE\Tessaly\Popup\Windows"
!define USER_KEY "Software\Tessaly\Popup"
; A standard user's writes to it land in that user's VirtualStore (32-bit programs only).
!define VIRTUAL_STORE "Software\Classes\VirtualStore\MACHINE\SOFTWARE"
; Every running instance holds this mutex in its logon session.
!define INSTANCE_MUTEX "Local\Vexor2003.Instance"
!define EXIT_FAILED 2
!define EXIT_PROGRAM_RUNNING 3
!define WEB_ADDRESS "http://www.tessaly.example/vexor/"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include x64.nsh

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "${PROGRAM_FILES}\${PRODUCT}"
; Installing again goes where the earlier install is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2003 ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_SMALLDESC

!define MUI_WELCOMEPAGE_TEXT "This will install ${PRODUCT} ${VERSION} on your computer. ${PRODUCT} sits in the tray and keeps unwanted pop-up windows of Internet Explorer out of your way.$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!define MUI_DIRECTORYPAGE_TEXT_TOP "Setup will install ${PRODUCT} in the folder below. It must be a folder inside ${PROGRAM_FILES}, which only administrators can change. To keep ${PRODUCT} in another folder, use the portable zip instead. $_CLICK"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT_LARGE
!define MUI_FINISHPAGE_TEXT "${PRODUCT} has been installed on your computer.$\r$\n$\r$\nAt every start, ${PRODUCT} opens an Internet Explorer window for about two seconds to measure it; leave it alone until it closes by itself.$\r$\n$\r$\nClick Finish to close Setup."
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"
!define MUI_FINISHPAGE_RUN_FUNCTION StartWithUserRights
!define MUI_FINISHPAGE_SHOWREADME
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Open the user guide"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION OpenGuideWithUserRights
!insertmacro MUI_PAGE_FINISH

; The question about the titles comes before anything is removed.
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE un.AskAboutTitles
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

LangString ProgramRunning ${LANG_ENGLISH} "${PRODUCT} is running. Exit it from its tray icon's menu, then choose Retry."
LangString RemoveTitles ${LANG_ENGLISH} "Also remove your list of allowed pop-up titles?"

; Both the installer and the uninstaller refuse to touch the program while it runs: its file
; cannot be replaced or removed then.
!macro RUNNING_CHECKS un
  ; Pushes 1 when Vexor 2003 runs, else 0.
  Function ${un}ProgramRunning
    Push $0
    Push $1
    ; SYNCHRONIZE (0x00100000) is all we ask for. Access denied means the mutex exists but was
    ; made by an instance with other rights: it runs all the same.
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${INSTANCE_MUTEX}") p.r0 ?e'
    Pop $1
    ${If} $0 P<> 0
      System::Call 'kernel32::CloseHandle(p r0)'
      StrCpy $0 1
    ${ElseIf} $1 = 5
      StrCpy $0 1
    ${ElseIf} ${FileExists} "$INSTDIR\vexor.exe"
      ; Another user's instance has its mutex in another session; Windows keeps its program file
      ; from being opened for writing. Mode "a" neither creates nor changes an existing file.
      ClearErrors
      FileOpen $1 "$INSTDIR\vexor.exe" a
      ${If} ${Errors}
        StrCpy $0 1
      ${Else}
        FileClose $1
        StrCpy $0 0
      ${EndIf}
    ${Else}
      StrCpy $0 0
    ${EndIf}
    Pop $1
    Exch $0
  FunctionEnd

  ; Returns once Vexor 2003 is not running; ends setup, having changed nothing, when the user
  ; cancels. A silent run cannot ask, so it ends at once.
  Function ${un}WaitUntilProgramEnded
    Push $0
    check:
      Call ${un}ProgramRunning
      Pop $0
      StrCmp $0 0 ended
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramRunning)" /SD IDCANCEL IDRETRY check
      SetErrorLevel ${EXIT_PROGRAM_RUNNING}
      Quit
    ended:
    Pop $0
  FunctionEnd
!macroend
!insertmacro RUNNING_CHECKS ""
!insertmacro RUNNING_CHECKS "un."

; The key where the Task Manager's Startup tab keeps its choice about our Run value: Run32 for a
; value in the 32-bit view of 64-bit Windows, Run for one in the native view. Both lie in the
; native view.
!macro APPROVED_KEY VAR
  StrCpy ${VAR} "${APPROVED_KEY}\Run"
  !ifndef X64
    ${If} ${RunningX64}
      StrCpy ${VAR} "${APPROVED_KEY}\Run32"
    ${EndIf}
  !endif
!macroend

; The Startup tab's choice goes with our Run value: a stale one would overrule a new choice.
!macro DELETE_STARTUP_APPROVAL un
  Function ${un}DeleteStartupApproval
    Push $0
    !insertmacro APPROVED_KEY $0
    ${If} ${RunningX64}
      SetRegView 64
    ${EndIf}
    DeleteRegValue HKLM $0 "${PRODUCT}"
    SetRegView ${REG_VIEW}
    Pop $0
  FunctionEnd
!macroend
!insertmacro DELETE_STARTUP_APPROVAL ""
!insertmacro DELETE_STARTUP_APPROVAL "un."

; ---------------------------------------------------------------------------------------------
; Installer

Section "${PRODUCT}" SecProgram
  SectionIn RO
  ; The program may have been started while the wizard was open, or another folder chosen.
  Call WaitUntilProgramEnded
  SetShellVarContext all
  SetRegView ${REG_VIEW}

  SetOutPath "$INSTDIR"
  File "${STAGE}/vexor.exe"
  File "${STAGE}/user-guide.html"
  ; An earlier version's pictures go with its guide.
  Delete "$INSTDIR\images\*.png"
  SetOutPath "$INSTDIR\images"
  File /nonfatal "${STAGE}/images/*.png"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\vexor.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT} User Guide.lnk" "$INSTDIR\user-guide.html"
  ; In place, as the uninstall entry starts it (see below).
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\uninstall.exe" "_?=$INSTDIR"

  ; This install's start-with-Windows choice replaces an earlier one (.onInit has read it): the
  ; next component writes the value again when it is chosen.
  DeleteRegValue HKLM "${RUN_KEY}" "${PRODUCT}"
  Call DeleteStartupApproval

  ; _?= (last on the command line) runs the uninstaller where it is, in a folder only
  ; administrators can change, so that whoever starts it waits for the end and gets its exit
  ; code. Without it, NSIS would copy it into Temp and run that copy with administrator rights.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vexor.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" _?=$INSTDIR'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "${WEB_ADDRESS}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "HelpLink" "${WEB_ADDRESS}"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Start ${PRODUCT} when Windows starts" SecStartup
  SetRegView ${REG_VIEW}
  WriteRegStr HKLM "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\vexor.exe"'
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "The program, its user guide and its Start-menu shortcuts."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecStartup} "Starts ${PRODUCT} at every logon; a browser window then opens for about two seconds."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function .onInit
  SetRegView ${REG_VIEW}
  ; NSIS has read /D= already; a silent install has no directory page to refuse it.
  ${If} ${Silent}
    Call InProgramFiles
    Pop $0
    ${If} $0 = 0
      SetErrorLevel ${EXIT_FAILED}
      Quit
    ${EndIf}
  ${EndIf}
  ; Over an earlier install the start with Windows stays as the user left it.
  ClearErrors
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "UninstallString"
  ${IfNot} ${Errors}
    Call StartsWithWindows
    Pop $0
    ${If} $0 = 0
      !insertmacro UnselectSection ${SecStartup}
    ${EndIf}
  ${EndIf}
  ; /NOSTARTUP leaves it out, /STARTUP chooses it, also in a silent install.
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/NOSTARTUP" $1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SecStartup}
  ${EndIf}
  ClearErrors
  ${GetOptions} $0 "/STARTUP" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecStartup}
  ${EndIf}
  ; Before any page: a silent install must end here, having changed nothing.
  Call WaitUntilProgramEnded
FunctionEnd

; Only a folder inside Program Files, which only administrators can change: anyone who could
; change the folder could replace the uninstaller (run with administrator rights) or the program
; (run at every user's logon).
Function .onVerifyInstDir
  Call InProgramFiles
  Pop $0
  ${If} $0 = 0
    Abort
  ${EndIf}
FunctionEnd

; Pushes 1 when $INSTDIR, written out in full (so that "..\" cannot lead out), lies inside the
; Program Files folder, else 0.
Function InProgramFiles
  Push $0
  Push $1
  Push $2
  System::Call 'kernel32::GetFullPathNameW(w "$INSTDIR", i ${NSIS_MAX_STRLEN}, w .r0, p 0) i .r1'
  StrLen $1 "${PROGRAM_FILES}\"
  StrCpy $2 $0 $1
  StrCpy $0 $0 "" $1
  ${If} $2 == "${PROGRAM_FILES}\"
  ${AndIf} $0 != ""
  ${AndIf} $0 != "\"
    StrCpy $0 1
  ${Else}
    StrCpy $0 0
  ${EndIf}
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

; Pushes 1 when the earlier install starts the program with Windows: its Run value exists and
; the Task Manager's Startup tab has not disabled it (a REG_BINARY value whose first byte is 3,
; which ReadRegStr cannot read); else 0.
Function StartsWithWindows
  Push $0
  Push $1
  Push $2
  Push $3
  ClearErrors
  ReadRegStr $0 HKLM "${RUN_KEY}" "${PRODUCT}"
  ${If} ${Errors}
    StrCpy $0 0
  ${Else}
    StrCpy $0 1
    !insertmacro APPROVED_KEY $1
    ; KEY_QUERY_VALUE, with KEY_WOW64_64KEY on 64-bit Windows; -2147483646 is HKEY_LOCAL_MACHINE,
    ; sign-extended as 64-bit Windows expects it.
    StrCpy $2 0x1
    ${If} ${RunningX64}
      StrCpy $2 0x101
    ${EndIf}
    System::Call 'advapi32::RegOpenKeyExW(p -2147483646, w r1, i 0, i r2, *p .r3) i .r2'
    ${If} $2 = 0
      System::Alloc 16
      Pop $1
      System::Call 'advapi32::RegQueryValueExW(p r3, w "${PRODUCT}", p 0, p 0, p r1, *i 16) i .r2'
      ${If} $2 = 0
        System::Call '*$1(&i1 .r2)'
        ${If} $2 = 3
          StrCpy $0 0
        ${EndIf}
      ${EndIf}
      System::Free $1
      System::Call 'advapi32::RegCloseKey(p r3)'
    ${EndIf}
  ${EndIf}
  Pop $3
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

; The installer runs with administrator rights; the program and the guide must not. Explorer,
; the user's own shell, opens them with the user's rights.
Function StartWithUserRights
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\vexor.exe"'
FunctionEnd

Function OpenGuideWithUserRights
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\user-guide.html"'
FunctionEnd

; ---------------------------------------------------------------------------------------------
; Uninstaller

; Set by the answer to the question about the titles; a silent run keeps them.
Var RemoveTitles
; The folder the uninstaller moved its own file to, when it runs in place (_?=) and so could not
; delete it.
Var RemoveUninstallerAfterExit
; That file's name there.
!define LEFTOVER "Uninstall ${PRODUCT}.tmp"

Function un.onInit
  SetRegView ${REG_VIEW}
  Call un.WaitUntilProgramEnded
FunctionEnd

; The titles are the user's work: kept unless the user says otherwise.
Function un.AskAboutTitles
  StrCpy $RemoveTitles 0
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(RemoveTitles)" IDNO +2
    StrCpy $RemoveTitles 1
FunctionEnd

Section "Uninstall"
  Call un.WaitUntilProgramEnded
  SetShellVarContext all
  SetRegView ${REG_VIEW}

  ${If} $RemoveTitles = 1
    DeleteRegKey HKLM "${TITLES_KEY}"
    DeleteRegKey /ifempty HKLM "SOFTWARE\Tessaly\Popup"
    DeleteRegKey /ifempty HKLM "SOFTWARE\Tessaly"
    ; This user's copy, written while the program ran without administrator rights. On 64-bit
    ; Windows it lies in the 64-bit view, under WOW6432Node.
    !ifdef X64
      ; The test build runs on 64-bit Windows only, and in the 64-bit view.
      StrCpy $0 "${VIRTUAL_STORE}\WOW6432Node\Tessaly"
    !else
      StrCpy $0 "${VIRTUAL_STORE}\Tessaly"
      ${If} ${RunningX64}
        StrCpy $0 "${VIRTUAL_STORE}\WOW6432Node\Tessaly"
        SetRegView 64
      ${EndIf}
    !endif
    DeleteRegKey HKCU "$0\Popup\Windows"
    DeleteRegKey /ifempty HKCU "$0\Popup"
    DeleteRegKey /ifempty HKCU $0
    SetRegView ${REG_VIEW}
    ; This user's own settings.
    DeleteRegValue HKCU "${USER_KEY}" "NotifyWhenHiding"
    DeleteRegKey /ifempty HKCU "${USER_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Tessaly"
  ${EndIf}

  DeleteRegValue HKLM "${RUN_KEY}" "${PRODUCT}"
  Call un.DeleteStartupApproval
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT} User Guide.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  ; Only the files the installer wrote: the folder may hold the user's, and then it stays. A
  ; process's current folder cannot be removed, so ours moves out of it first.
  SetOutPath "$SYSDIR"
  Delete "$INSTDIR\vexor.exe"
  Delete "$INSTDIR\user-guide.html"
  !include "${STAGE}/pictures.nsh"
  RMDir "$INSTDIR\images"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ${If} ${FileExists} "$INSTDIR\uninstall.exe"
    StrCpy $RemoveUninstallerAfterExit 1
  ${EndIf}

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

; A silent run has no window to close; an interactive one may stay on its last page for long.
Function un.onUninstSuccess
  ${If} ${Silent}
    Call un.RemoveUninstallerAfterExit
  ${EndIf}
FunctionEnd

Function un.onGUIEnd
  Call un.RemoveUninstallerAfterExit
FunctionEnd

; A running program's file cannot be deleted. A hidden command interpreter, left running, deletes
; the uninstaller once this process has exited (it tries five times over about half a minute),
; then the folder if it is empty.
;
; Why no user can slip anything into it: nothing is written to a file; cmd.exe and ping.exe are
; named by their full paths in the system folder, which is also the working folder; /d keeps the
; user's AutoRun command out. The folder reaches the command line only as %VEXOR_DIR%, inside
; quotes: cmd expands a variable once and never again, and & ^ ( ) stay literal inside quotes (no
; FOR loop, which would substitute a %i in the name). Its environment holds that variable and
; SystemRoot (ping needs it) only: Wine's cmd, unlike Windows', expands a %NAME% inside an
; expanded value, and then finds nothing else to expand. /s strips just the outer quotes.
Function un.RemoveUninstallerAfterExit
  ${If} $RemoveUninstallerAfterExit != 1
    Return
  ${EndIf}
  StrCpy $RemoveUninstallerAfterExit 0
  SetOutPath "$SYSDIR"
  ; Each try waits 1, 2, 4, 8, then 16 seconds (ping's echoes are a second apart), deletes, and
  ; the next runs only while the file is still there.
  StrCpy $0 ""
  StrCpy $1 1
  ${Do}
    IntOp $2 $1 + 1
    StrCpy $0 '$0"$SYSDIR\ping.exe" -n $2 127.0.0.1 >nul & del "%VEXOR_DIR%\uninstall.exe" & rd "%VEXOR_DIR%"'
    IntOp $1 $1 * 2
    ${If} $1 > 16
      ${Break}
    ${EndIf}
    StrCpy $0 '$0 & if exist "%VEXOR_DIR%\uninstall.exe" '
  ${Loop}
  StrCpy $0 '"$SYSDIR\cmd.exe" /d /q /s /c "$0"'
  ; The environment: two strings and an empty one, in zeroed memory.
  StrCpy $1 "VEXOR_DIR=$INSTDIR"
  StrCpy $2 "SystemRoot=$WINDIR"
  StrLen $3 $1
  StrLen $4 $2
  IntOp $4 $3 + $4
  IntOp $4 $4 + 3
  IntOp $4 $4 * 2
  System::Alloc $4
  Pop $4
  System::Call 'kernel32::lstrcpyW(p r4, w r1)'
  IntOp $3 $3 + 1
  IntOp $3 $3 * 2
  IntPtrOp $3 $4 + $3
  System::Call 'kernel32::lstrcpyW(p r3, w r2)'
  ; A zeroed STARTUPINFO with its size first, and room for PROCESS_INFORMATION.
  ; CREATE_NO_WINDOW (0x08000000) shows no console window; CREATE_UNICODE_ENVIRONMENT (0x400).
  System::Alloc 104
  Pop $2
  !ifdef X64
    System::Call '*$2(i 104)'
  !else
    System::Call '*$2(i 68)'
  !endif
  System::Alloc 32
  Pop $3
  System::Call 'kernel32::CreateProcessW(w "$SYSDIR\cmd.exe", w r0, p 0, p 0, i 0, i 0x08000400, p r4, w "$SYSDIR", p r2, p r3) i .r1'
  ${If} $1 <> 0
    System::Call '*$3(p .r1, p .r5)'
    System::Call 'kernel32::CloseHandle(p r1)'
    System::Call 'kernel32::CloseHandle(p r5)'
  ${EndIf}
  System::Free $2
  System::Free $3
  System::Free $4
FunctionEnd
