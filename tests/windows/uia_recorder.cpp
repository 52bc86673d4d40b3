// A stand-in uiautomationcore.dll for the test under Wine: it records what
// the program hands to UI Automation, as a screen reader would take it in,
// one line for each event, in UTF-8, into the file named by
// RINGCOIL_UIA_RECORD:
//
//   focus<TAB>ELEMENT<TAB>NAME<TAB>FULL DESCRIPTION<TAB>HELP TEXT
//       a focus-changed event; ELEMENT tells the providers apart (Qt keeps
//       one for each element)
//   notification<TAB>KIND<TAB>PROCESSING<TAB>WINDOW TITLE<TAB>TEXT
//
// Wine 8.0's own UI Automation cannot be used: walking into Qt's tree hangs,
// and it has no UiaRaiseNotificationEvent. Qt loads this file from the
// system folder (WINEDLLOVERRIDES=uiautomationcore=n makes Wine take it) and
// turns its accessibility on when a client first asks a window for its UI
// Automation root; ask_uia.exe does that.
//
// A screen reader reads an element's name and description (Qt 6.4 gives the
// full description; NVDA reads that, or else the help text) when it handles the
// focus event, in its own process, by calls that Qt's provider answers on
// the GUI thread: once that thread is back in its event loop. So does this
// recorder: the element is read when the thread next handles its messages,
// not while Qt is still raising the event. Line breaks in a text are written
// as \n.
#include <windows.h>
#include <ole2.h>
#include <uiautomationcore.h>

#include <cstdint>
#include <string>

namespace {

constexpr EVENTID kFocusChanged = 20005;      // UIA_AutomationFocusChangedEventId
constexpr PROPERTYID kName = 30005;           // UIA_NamePropertyId
constexpr PROPERTYID kHelpText = 30013;       // UIA_HelpTextPropertyId
constexpr PROPERTYID kFullDescription = 30159;  // UIA_FullDescriptionPropertyId
constexpr UINT kReadFocused = WM_APP + 1;

void append(const std::wstring& line) {
  wchar_t path[MAX_PATH];
  if (!GetEnvironmentVariableW(L"RINGCOIL_UIA_RECORD", path, MAX_PATH)) return;
  std::wstring text = line + L"\n";
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size,
                      nullptr, nullptr);
  HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::wstring oneLine(const wchar_t* text, std::size_t length) {
  std::wstring out;
  for (std::size_t i = 0; i < length; ++i) {
    if (text[i] == L'\n') {
      out += L"\\n";
    } else if (text[i] != L'\r') {
      out += text[i];
    }
  }
  return out;
}

std::wstring stringProperty(IRawElementProviderSimple* element, PROPERTYID id) {
  VARIANT value;
  VariantInit(&value);
  if (FAILED(element->GetPropertyValue(id, &value))) return L"<failed>";
  std::wstring text;
  if (value.vt == VT_BSTR && value.bstrVal) {
    text = oneLine(value.bstrVal, SysStringLen(value.bstrVal));
  }
  VariantClear(&value);
  return text;
}

// The host provider of a window: it only names the window.
class HostProvider final : public IRawElementProviderSimple {
 public:
  explicit HostProvider(HWND window) : window_(window) {}
  HWND window() const { return window_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_INVALIDARG;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IRawElementProviderSimple)) {
      *out = static_cast<IRawElementProviderSimple*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override {
    *options = ProviderOptions_ClientSideProvider;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown** out) override {
    *out = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID, VARIANT* out) override {
    VariantInit(out);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** out) override {
    *out = nullptr;
    return S_OK;
  }

 private:
  LONG references_ = 1;
  HWND window_;
};

LRESULT CALLBACK readerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kReadFocused) return DefWindowProcW(window, message, wParam, lParam);
  auto* element = reinterpret_cast<IRawElementProviderSimple*>(lParam);
  append(L"focus\t" + std::to_wstring(reinterpret_cast<std::uintptr_t>(element)) + L"\t" +
         stringProperty(element, kName) + L"\t" +
         stringProperty(element, kFullDescription) + L"\t" + stringProperty(element, kHelpText));
  element->Release();
  return 0;
}

// A message-only window of the thread that raised the first event.
HWND reader() {
  static HWND window = [] {
    WNDCLASSW type{};
    type.lpfnWndProc = readerProc;
    type.hInstance = GetModuleHandleW(nullptr);
    type.lpszClassName = L"RingcoilUiaRecorder";
    RegisterClassW(&type);
    return CreateWindowExW(0, type.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           type.hInstance, nullptr);
  }();
  return window;
}

}  // namespace

extern "C" {

__declspec(dllexport) BOOL WINAPI UiaClientsAreListening() { return TRUE; }

__declspec(dllexport) LRESULT WINAPI UiaReturnRawElementProvider(HWND, WPARAM, LPARAM,
                                                                 IRawElementProviderSimple*) {
  return 0;
}

__declspec(dllexport) HRESULT WINAPI UiaHostProviderFromHwnd(HWND window,
                                                            IRawElementProviderSimple** out) {
  if (!out) return E_INVALIDARG;
  *out = new HostProvider(window);
  return S_OK;
}

__declspec(dllexport) HRESULT WINAPI UiaRaiseAutomationEvent(IRawElementProviderSimple* element,
                                                            EVENTID id) {
  if (id == kFocusChanged && element) {
    element->AddRef();
    if (!PostMessageW(reader(), kReadFocused, 0, reinterpret_cast<LPARAM>(element))) {
      element->Release();
    }
  }
  return S_OK;
}

__declspec(dllexport) HRESULT WINAPI UiaRaiseAutomationPropertyChangedEvent(
    IRawElementProviderSimple*, PROPERTYID, VARIANT, VARIANT) {
  return S_OK;
}

// Windows 10 1709 on: the source is the element whose host is a window.
__declspec(dllexport) HRESULT WINAPI UiaRaiseNotificationEvent(IRawElementProviderSimple* element,
                                                              int kind, int processing,
                                                              BSTR display, BSTR) {
  std::wstring source = L"<no window>";
  IRawElementProviderSimple* host = nullptr;
  if (element && SUCCEEDED(element->get_HostRawElementProvider(&host)) && host) {
    wchar_t title[256] = L"";
    GetWindowTextW(static_cast<HostProvider*>(host)->window(), title, 256);
    source = title;
    host->Release();
  }
  const std::wstring text = display ? oneLine(display, SysStringLen(display)) : std::wstring();
  append(L"notification\t" + std::to_wstring(kind) + L"\t" + std::to_wstring(processing) + L"\t" +
         source + L"\t" + text);
  return S_OK;
}

}  // extern "C"
