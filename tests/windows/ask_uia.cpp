// ask_uia.exe: asks each shown Qt window for its UI Automation root, as a
// screen reader does when it starts, so that Qt turns its accessibility on
// and loads UIAutomationCore.dll. Exits with 0 once one has been asked, 1 if
// no Qt window appeared within 10 s.
#include <windows.h>

namespace {

constexpr LPARAM kUiaRootObjectId = -25;

BOOL CALLBACK ask(HWND window, LPARAM asked) {
  wchar_t type[64] = L"";
  GetClassNameW(window, type, 64);
  if (!IsWindowVisible(window) || wcsncmp(type, L"Qt", 2) != 0) return TRUE;
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, WM_GETOBJECT, 0, kUiaRootObjectId,
                      SMTO_ABORTIFHUNG, 5000, &result);
  *reinterpret_cast<bool*>(asked) = true;
  return TRUE;
}

}  // namespace

int main() {
  for (int i = 0; i < 100; ++i) {
    bool asked = false;
    EnumWindows(ask, reinterpret_cast<LPARAM>(&asked));
    if (asked) return 0;
    Sleep(100);
  }
  return 1;
}
