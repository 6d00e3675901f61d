// The handheld's kernel calls the program uses: pauses, threads, processes, its own path.
#pragma once

#include "platform/windef.h"

// Blocks the calling thread. Tests and benchmarks switch pauses off (platform/emulator.h).
void Sleep(DWORD milliseconds);

// The program's own file name, as the device writes paths: "\usr\games\marlix-pentro".
// Cut to nSize - 1 characters when it does not fit; returns the characters written.
DWORD GetModuleFileNameW(HMODULE module, LPWSTR fileName, DWORD nSize);

// What a path names: FILE_ATTRIBUTE_DIRECTORY for a folder, FILE_ATTRIBUTE_NORMAL for a
// file, INVALID_FILE_ATTRIBUTES when there is nothing by that name.
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;
DWORD GetFileAttributesW(LPCWSTR fileName);

// Threads. A thread runs at once and on its own; closing its handle does not stop it.
struct SECURITY_ATTRIBUTES;
typedef SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;
typedef DWORD (*LPTHREAD_START_ROUTINE)(LPVOID parameter);
// Creation flags other than 0 are not offered; such a request fails with a null handle.
HANDLE CreateThread(LPSECURITY_ATTRIBUTES security, size_t stackSize, LPTHREAD_START_ROUTINE start,
                    LPVOID parameter, DWORD creationFlags, LPDWORD threadId);
// Closes thread and process handles alike.
BOOL CloseHandle(HANDLE handle);

// Processes. Of the device's programs only the help viewer "peghelp.exe" is offered: its
// command line names a document in the resource folder beside the program ("res"), which
// the desktop's viewer opens (xdg-open). The help viewer always starts; when the desktop
// cannot show the page (no xdg-open, or no browser behind it) it shows a message box with
// the page's path. FALSE for any other program.
struct STARTUPINFOW;
typedef STARTUPINFOW* LPSTARTUPINFOW;
struct PROCESS_INFORMATION {
  HANDLE hProcess;
  HANDLE hThread;
  DWORD dwProcessId;
  DWORD dwThreadId;
};
typedef PROCESS_INFORMATION* LPPROCESS_INFORMATION;
BOOL CreateProcessW(LPCWSTR applicationName, LPWSTR commandLine, LPSECURITY_ATTRIBUTES processAttributes,
                    LPSECURITY_ATTRIBUTES threadAttributes, BOOL inheritHandles, DWORD creationFlags,
                    LPVOID environment, LPCWSTR currentDirectory, LPSTARTUPINFOW startupInfo,
                    LPPROCESS_INFORMATION processInformation);

// A module's resources, as its resource script lists them: the type and the name are
// MAKEINTRESOURCE numbers or strings. The data's form goes by type: a string (RT_STRING,
// size in characters), ACCEL records (RT_ACCELERATOR), MENUTEMPLATEITEM records (RT_MENU),
// a DLGTEMPLATE (RT_DIALOG), WORD values (RT_RCDATA), bitmap file bytes (RT_BITMAP,
// RT_GROUP_ICON); sizes in bytes.
struct RESOURCE {
  LPCWSTR type;
  LPCWSTR name;
  LPCVOID data;
  DWORD size;
};
// The program's module, null for the program itself.
HMODULE GetModuleHandleW(LPCWSTR moduleName);
HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
LPVOID LockResource(HGLOBAL data);
DWORD SizeofResource(HMODULE module, HRSRC resource);
