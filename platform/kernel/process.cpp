// Starting the device's help viewer: the desktop's own viewer opens the document from the
// resource folder beside the program, as a process of its own. When the desktop has none
// (no xdg-open, or no browser behind it), the layers above say where the page is instead.
#include <algorithm>
#include <string>

#include "host/document.h"
#include "host/path.h"
#include "host/program.h"
#include "kernel/handles.h"
#include "kernel/upcalls.h"
#include "platform/winbase.h"

namespace {

constexpr std::u16string_view HelpViewer = u"peghelp.exe";

// The document named on the command line: a device path as it stands, a bare name in the
// resource folder; surrounding quotes are dropped.
std::string Document(LPCWSTR commandLine) {
  std::u16string name = commandLine == nullptr ? u"" : commandLine;
  if (name.size() >= 2 && name.front() == u'"' && name.back() == u'"') name = name.substr(1, name.size() - 2);
  if (!name.empty() && name.front() == u'\\') return HostPath(name.c_str());
  return HostProgramFolder() + "/res/" + HostPath(name.c_str());
}

}  // namespace

BOOL CreateProcessW(LPCWSTR applicationName, LPWSTR commandLine, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES,
                    BOOL, DWORD, LPVOID, LPCWSTR, LPSTARTUPINFOW, LPPROCESS_INFORMATION processInformation) {
  if (applicationName == nullptr) return FALSE;
  std::u16string program = applicationName;
  program = program.substr(program.rfind(u'\\') + 1);
  std::transform(program.begin(), program.end(), program.begin(), [](char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
  });
  if (program != HelpViewer) return FALSE;

  const DWORD pid = static_cast<DWORD>(HostOpenDocument(Document(commandLine), KernelAbove.helpNotShown));
  if (processInformation != nullptr) {
    processInformation->hProcess = NewKernelHandle(pid);
    processInformation->hThread = NewKernelHandle(pid);
    processInformation->dwProcessId = pid;
    processInformation->dwThreadId = pid;
  }
  return TRUE;
}
