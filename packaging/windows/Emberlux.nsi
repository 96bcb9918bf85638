; SPDX-License-Identifier: GPL-2.0-or-later
; The Windows installer of Emberlux!: puts the screen saver of the machine's
; architecture into the folder Windows lists screen savers from, the sample
; palettes and the documents into a program folder, points InstallPath at that
; folder for every user (HKLM) and for the installing user (HKCU), and leaves
; an uninstaller that Apps & features lists.
;
; Built by packaging/windows/CMakeLists.txt; makensis gets these defines:
;   VERSION        x.y.z             VERSION_QUAD  x.y.z.0
;   SCR_X86_64     the x86_64 Emberlux.scr
;   SCR_I686       the i686 one (not needed with TARGET amd64-unicode)
;   PALETTES       the folder of the sample *.pal files
;   PALETTE_LIST   an include that calls SAMPLE_PALETTE once per sample palette
;   SOURCE_DIR     the repository (README.md, LICENSE, notices, icon, picture)
;   OUTFILE        the installer to write
;   TARGET         optional: amd64-unicode for a 64-bit-only build that runs
;                  where 32-bit programs cannot (the installer test uses it)

!ifdef TARGET
  Target ${TARGET}
!else
  Target x86-unicode
!endif

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh

!define PRODUCT "Emberlux!"
!define PUBLISHER "Norvane"
!define APP_KEY "Software\Norvane\Emberlux!"
!define VENDOR_KEY "Software\Norvane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Emberlux"
!define DESKTOP_KEY "Control Panel\Desktop"
!define SCR_NAME "Emberlux.scr"
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_SENDWININICHANGE 2

Name "${PRODUCT}"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} fire screen saver setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) Norvane. Free software under the GNU GPL, version 2 or (at your option) any later version"

BrandingText "${PRODUCT} ${VERSION}"
!define MUI_ICON "${SOURCE_DIR}\resources\icons\emberlux.ico"
!define MUI_UNICON "${SOURCE_DIR}\resources\icons\emberlux.ico"
!define MUI_ABORTWARNING
!define MUI_WELCOMEFINISHPAGE_BITMAP "${SOURCE_DIR}\resources\installer\finish.bmp"

!define MUI_LICENSEPAGE_TEXT_TOP "${PRODUCT} is free software: you may use, share and change it under these terms."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "Nothing here needs accepting to use ${PRODUCT}; the terms apply when you share it."
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${SOURCE_DIR}\LICENSE"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "${PRODUCT} is installed. Choose it in the Screen Saver Settings of Windows."
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Make ${PRODUCT} my screen saver"
!define MUI_FINISHPAGE_RUN_FUNCTION MakeCurrentScreenSaver
!define MUI_FINISHPAGE_SHOWREADME
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Open the Screen Saver Settings"
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION OpenScreenSaverSettings
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; The registry view where 64-bit programs look: an installer built for x86
; would otherwise write below WOW6432Node on 64-bit Windows.
!macro UseNativeRegistryView
  ${If} ${RunningX64}
    SetRegView 64
  ${EndIf}
!macroend

Function .onInit
  !insertmacro UseNativeRegistryView
  ${If} $INSTDIR == ""
    ReadRegStr $0 HKLM "${APP_KEY}" "InstallPath"
    StrCpy $1 $0 "" -1
    ${If} $1 == "\"
      StrCpy $0 $0 -1
    ${EndIf}
    ${If} $0 != ""
      StrCpy $INSTDIR $0  ; where an earlier installation went
    ${ElseIf} ${RunningX64}
      StrCpy $INSTDIR "$PROGRAMFILES64\Emberlux"
    ${Else}
      StrCpy $INSTDIR "$PROGRAMFILES\Emberlux"
    ${EndIf}
  ${EndIf}
FunctionEnd

Function un.onInit
  !insertmacro UseNativeRegistryView
FunctionEnd

Section "Emberlux!"
  ; The saver goes where Windows lists screen savers: the system folder, and on
  ; 64-bit Windows the real one, not the SysWOW64 that a 32-bit installer's
  ; file operations are redirected to.
  ${DisableX64FSRedirection}
  SetOutPath "$SYSDIR"
  !if ${NSIS_PTR_SIZE} > 4
    File "/oname=${SCR_NAME}" "${SCR_X86_64}"  ; a 64-bit installer runs on 64-bit Windows only
  !else
    ${If} ${RunningX64}
      File "/oname=${SCR_NAME}" "${SCR_X86_64}"
    ${Else}
      File "/oname=${SCR_NAME}" "${SCR_I686}"
    ${EndIf}
  !endif
  ${EnableX64FSRedirection}

  SetOutPath "$INSTDIR"
  File "/oname=README.md" "${SOURCE_DIR}\README.md"
  File "/oname=LICENSE.txt" "${SOURCE_DIR}\LICENSE"
  File "/oname=THIRD-PARTY-NOTICES.md" "${SOURCE_DIR}\THIRD-PARTY-NOTICES.md"
  File "/oname=Emberlux.ico" "${SOURCE_DIR}\resources\icons\emberlux.ico"
  SetOutPath "$INSTDIR\Palettes"
  !macro SAMPLE_PALETTE NAME
    File "${PALETTES}\${NAME}"
  !macroend
  !include "${PALETTE_LIST}"
  !macroundef SAMPLE_PALETTE  ; the uninstaller defines its own
  SetOutPath "$INSTDIR"

  ; InstallPath ends in a backslash: the saver appends "Palettes\" to it as it is.
  WriteRegStr HKLM "${APP_KEY}" "InstallPath" "$INSTDIR\"
  WriteRegStr HKCU "${APP_KEY}" "InstallPath" "$INSTDIR\"

  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} fire screen saver"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Emberlux.ico"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  ${DisableX64FSRedirection}
  FileOpen $1 "$SYSDIR\${SCR_NAME}" r
  FileSeek $1 0 END $3
  FileClose $1
  ${EnableX64FSRedirection}
  IntOp $3 $3 / 1024
  IntOp $0 $0 + $3
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function MakeCurrentScreenSaver
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$SYSDIR\${SCR_NAME}"
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
  System::Call "user32::SystemParametersInfo(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i ${SPIF_SENDWININICHANGE})"
FunctionEnd

Function OpenScreenSaverSettings
  ${DisableX64FSRedirection}
  Exec '"$SYSDIR\control.exe" desk.cpl,,@screensaver'
  ${EnableX64FSRedirection}
FunctionEnd

Section "Uninstall"
  ; Silently the user's settings and own palettes stay.
  StrCpy $R0 keep
  MessageBox MB_YESNO|MB_ICONQUESTION \
    "Keep your ${PRODUCT} settings and the palettes you made?$\n$\nChoose No to remove them as well." \
    /SD IDYES IDYES +2
  StrCpy $R0 remove

  ${DisableX64FSRedirection}
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${If} $0 == "$SYSDIR\${SCR_NAME}"
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${EndIf}
  Delete /REBOOTOK "$SYSDIR\${SCR_NAME}"
  ${EnableX64FSRedirection}

  !macro SAMPLE_PALETTE NAME
    Delete "$INSTDIR\Palettes\${NAME}"
  !macroend
  !include "${PALETTE_LIST}"
  Delete "$INSTDIR\README.md"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\THIRD-PARTY-NOTICES.md"
  Delete "$INSTDIR\Emberlux.ico"
  Delete "$INSTDIR\Uninstall.exe"

  DeleteRegValue HKCU "${APP_KEY}" "InstallPath"
  ${If} $R0 == remove
    RMDir /r "$INSTDIR\Palettes"
    DeleteRegKey HKCU "${APP_KEY}"
  ${Else}
    RMDir "$INSTDIR\Palettes"
    DeleteRegKey /ifempty HKCU "${APP_KEY}"
  ${EndIf}
  DeleteRegKey /ifempty HKCU "${VENDOR_KEY}"
  RMDir "$INSTDIR"

  DeleteRegKey HKLM "${APP_KEY}"
  DeleteRegKey /ifempty HKLM "${VENDOR_KEY}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
