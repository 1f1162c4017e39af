; Setup for Vexor 2003: installs the program for every user of the computer, with its user guide,
; Start-menu shortcuts, the start-with-Windows choice and an entry in Add/Remove Programs.
;
; scripts/package builds it and passes (makensis -D):
;   VERSION       the version users see, 1.1.5: major.minor.fourth of the CMake project version
;   VERSION_QUAD  the CMake project version, 1.1.0.5, for the version resource of setup.exe
;   STAGE         a folder with vexor.exe, user-guide.html and images/*.png
;   ICON          the program's icon
;   OUTFILE       the setup program to write
;   X64           only for the test installer around the 64-bit build, on machines whose Wine
;                 cannot run 32-bit code: it installs into the 64-bit Program Files folder and
;                 writes the native registry view. What ships is always the 32-bit installer.
;
; Exit codes: 0 done; 1 cancelled by the user; 2 failed; 3 Vexor 2003 was running, nothing
; changed. The uninstaller returns the same codes.

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
; Where the program keeps the pop-up titles the user allowed.
!define TITLES_KEY "SOFTWARE\Tessaly\Popup\Windows"
; A standard user's writes to it land in that user's VirtualStore (32-bit programs only).
!define VIRTUAL_STORE "Software\Classes\VirtualStore\MACHINE\SOFTWARE"
; Every running instance holds this mutex in its logon session.
!define INSTANCE_MUTEX "Local\Vexor2003.Instance"
!define EXIT_PROGRAM_RUNNING 3

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
ShowInstDetails show
ShowUninstDetails show

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

!define MUI_WELCOMEPAGE_TEXT "This will install ${PRODUCT} ${VERSION} on your computer. ${PRODUCT} sits in the tray and keeps unwanted pop-up windows of Internet Explorer out of your way.$\r$\n$\r$\nIf ${PRODUCT} is running, exit it from its tray icon's menu before you continue.$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"
!define MUI_FINISHPAGE_RUN_FUNCTION StartWithUserRights
!insertmacro MUI_PAGE_FINISH

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
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\uninstall.exe"

  ; This install's start-with-Windows choice replaces an earlier one: the next component writes
  ; the value again when it is chosen.
  DeleteRegValue HKLM "${RUN_KEY}" "${PRODUCT}"

  ; _?= (last on the command line) runs the uninstaller where it is, so that whoever starts it
  ; waits for the end and gets its exit code; without it, it starts a copy of itself in Temp and
  ; returns 0 at once.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vexor.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" _?=$INSTDIR'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
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
  !insertmacro MUI_DESCRIPTION_TEXT ${SecStartup} "Starts ${PRODUCT} for every user who logs on to this computer."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function .onInit
  SetRegView ${REG_VIEW}
  ; /NOSTARTUP leaves out the start with Windows, also in a silent install.
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/NOSTARTUP" $1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SecStartup}
  ${EndIf}
  ; Before any page: a silent install must end here, having changed nothing.
  Call WaitUntilProgramEnded
FunctionEnd

; The installer runs with administrator rights; the program must not. Explorer, the user's own
; shell, starts it with the user's rights.
Function StartWithUserRights
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\vexor.exe"'
FunctionEnd

; ---------------------------------------------------------------------------------------------
; Uninstaller

; Set when the uninstaller runs in place (_?=) and so could not delete its own file.
Var RemoveUninstallerAfterExit

Function un.onInit
  SetRegView ${REG_VIEW}
  Call un.WaitUntilProgramEnded
FunctionEnd

Section "Uninstall"
  Call un.WaitUntilProgramEnded
  SetShellVarContext all
  SetRegView ${REG_VIEW}

  ; The titles are the user's work: kept unless the user says otherwise; a silent run keeps them.
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(RemoveTitles)" /SD IDNO IDNO keep_titles
    DetailPrint "Removing the list of allowed pop-up titles"
    DeleteRegKey HKLM "${TITLES_KEY}"
    ; This user's copy, written while the program ran without administrator rights. On 64-bit
    ; Windows it lies in the 64-bit view, under WOW6432Node.
    !ifdef X64
      ; The test build runs on 64-bit Windows only, and in the 64-bit view.
      StrCpy $0 "${VIRTUAL_STORE}\WOW6432Node\Tessaly\Popup\Windows"
    !else
      StrCpy $0 "${VIRTUAL_STORE}\Tessaly\Popup\Windows"
      ${If} ${RunningX64}
        StrCpy $0 "${VIRTUAL_STORE}\WOW6432Node\Tessaly\Popup\Windows"
        SetRegView 64
      ${EndIf}
    !endif
    DeleteRegKey HKCU $0
    SetRegView ${REG_VIEW}
  keep_titles:

  DeleteRegValue HKLM "${RUN_KEY}" "${PRODUCT}"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT} User Guide.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  ; Only our own files: the folder may hold the user's, and then it stays. A process's current
  ; folder cannot be removed, so ours moves out of it first.
  SetOutPath "$TEMP"
  Delete "$INSTDIR\vexor.exe"
  Delete "$INSTDIR\user-guide.html"
  Delete "$INSTDIR\images\*.png"
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
; the uninstaller once this process has exited (it tries for about a minute), then the folder if
; it is empty, then its own script.
Function un.RemoveUninstallerAfterExit
  ${If} $RemoveUninstallerAfterExit != 1
    Return
  ${EndIf}
  StrCpy $RemoveUninstallerAfterExit 0
  GetTempFileName $0
  Delete $0
  StrCpy $0 "$0.bat"
  FileOpen $1 $0 w
  FileWrite $1 '@echo off$\r$\n'
  FileWrite $1 'cd /d "%~dp0"$\r$\n'
  FileWrite $1 'set tries=0$\r$\n'
  FileWrite $1 ':wait$\r$\n'
  FileWrite $1 'del "$INSTDIR\uninstall.exe" >nul 2>&1$\r$\n'
  FileWrite $1 'if not exist "$INSTDIR\uninstall.exe" goto removed$\r$\n'
  FileWrite $1 'set /a tries+=1$\r$\n'
  FileWrite $1 'if %tries% geq 60 goto removed$\r$\n'
  ; ping waits a second between its two echoes: the only pause every Windows has.
  FileWrite $1 'ping -n 2 127.0.0.1 >nul$\r$\n'
  FileWrite $1 'goto wait$\r$\n'
  FileWrite $1 ':removed$\r$\n'
  FileWrite $1 'rd "$INSTDIR" >nul 2>&1$\r$\n'
  FileWrite $1 'del "%~f0"$\r$\n'
  FileClose $1
  ExecShell "open" "$SYSDIR\cmd.exe" '/d /c ""$0""' SW_HIDE
FunctionEnd
