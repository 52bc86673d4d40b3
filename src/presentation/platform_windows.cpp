// Windows: the system draws the title bar and the border, and the window
// draws its texts with FreeType, as on Linux.
#include <windows.h>
#include <ole2.h>
#include <uiautomationcore.h>

#include <QFont>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>
#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <string>

#include "presentation/platform.hpp"

namespace ringcoil {

void preparePlatform() {
  // Qt's own FreeType engine instead of DirectWrite or GDI, which hint and
  // antialias in their own way: the faces are built in, so with the same
  // engine and settings every text has the pixels it has on Linux.
  qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
  // Marks that the program runs, for the installer and the uninstaller
  // (installer.nsi), which leave its files alone meanwhile: in this session,
  // and in the global namespace for an install made from another session.
  // The handles stay open until the process ends.
  CreateMutexW(nullptr, FALSE, L"RingcoilRunning");
  CreateMutexW(nullptr, FALSE, L"Global\\RingcoilRunning");
}

void prepareFontRendering() {}

void adjustFontForPlatform(QFont& font) {
  // Slight hinting and grayscale antialiasing, whatever ClearType is set to.
  font.setHintingPreference(QFont::PreferVerticalHinting);
  font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoSubpixelAntialias));
}

// The system draws the title bar, with minimise and close as the window's
// flags ask; the fixed size keeps maximise off.
std::unique_ptr<QWidget> frameForPlatform(QWidget&) { return nullptr; }

void fitTitleBar(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid) return;
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return;
  // The title as the system draws it: in the caption font.
  const std::wstring title = box.windowTitle().toStdWString();
  SIZE extent{};
  HDC dc = GetDC(nullptr);
  HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
  HGDIOBJ previous = SelectObject(dc, font);
  GetTextExtentPoint32W(dc, title.c_str(), static_cast<int>(title.size()), &extent);
  SelectObject(dc, previous);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  // Inside the border, as wide as the client area, the title bar holds the
  // icon (where the box has one) and the title, then the close button; a
  // second button's width covers the gaps between them.
  const int icon = GetSystemMetrics(SM_CXSMICON);
  const int button = GetSystemMetrics(SM_CXSIZE);
  const int titleBar = icon + extent.cx + 2 * button;
  // The metrics are device pixels, the layout's are Qt's.
  const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
  const QMargins margins = grid->contentsMargins();
  const int inner = static_cast<int>(std::ceil(titleBar / ratio)) - margins.left() -
                    margins.right();
  grid->addItem(new QSpacerItem(std::max(0, inner), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                grid->rowCount(), 0, 1, grid->columnCount());
}

void execMessageBox(QMessageBox& box, QWidget&) { box.exec(); }

namespace {

// What a step that leaves the focus where it is tells Windows screen readers.
//
// Qt 6.4's UI Automation bridge passes focus changes, names and help texts
// on, but not a shown object of role Notification, which is how speech.cpp
// tells such a step to Orca. So the window raises the words itself, as a UI
// Automation notification event, the way Windows' own calculator tells its
// results. As NVDA handles them (NVDAObjects/UIA/__init__.py,
// UIA.event_UIA_notification, and _UIAHandler's notification handler): the
// event's display string is spoken with ui.message, after whatever is being
// said, unless the processing is MostRecent or ImportantMostRecent, for which
// NVDA first cancels all speech; and only while the focus is in the program
// that raised it. Each step is its own message, so a step must never cut off
// the one before it (a reset and the prompt it opens come as two steps when
// keys are typed fast): hence ImportantAll, "deliver all of them", and the
// kind ActionCompleted, as a result is.
//
// Where a step moves the focus, speech.cpp puts its words on the description
// of the element that takes it, which Qt 6.4 hands to UI Automation as the
// element's full description (its help text is QAccessible::Help, which the
// window leaves empty). NVDA speaks a newly focused UIA element's name, role
// and description (UIA._get_description: the full description, or else the
// help text; object descriptions are reported by default), so that step is
// heard there, once, and is not raised here as well (speech.cpp calls this
// only where the focus stays). NVDA reads those properties when it handles
// the focus event, after the event has crossed to its process; Qt's provider
// answers on the GUI thread, so after tellStep has put the words in place.
// (NVDA also drops a focus event for the element that has the focus, so a
// step's words are not read twice where Qt tells the same focus again.)
constexpr int kNotificationKindActionCompleted = 2;
constexpr int kNotificationProcessingImportantAll = 0;

using RaiseNotificationEvent = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int, BSTR, BSTR);
using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);

// UiaRaiseNotificationEvent exists from Windows 10 1709 on (Wine 8.0 has not
// got it), so it is looked up at run time, in the system's own
// UIAutomationCore.dll, which Qt loads from there too.
struct UiaFunctions {
  RaiseNotificationEvent raise = nullptr;
  HostProviderFromHwnd host = nullptr;
};

const UiaFunctions& uiaFunctions() {
  static const UiaFunctions functions = [] {
    UiaFunctions f;
    HMODULE dll = LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!dll) return f;
    f.raise = reinterpret_cast<RaiseNotificationEvent>(
        reinterpret_cast<void*>(GetProcAddress(dll, "UiaRaiseNotificationEvent")));
    f.host = reinterpret_cast<HostProviderFromHwnd>(
        reinterpret_cast<void*>(GetProcAddress(dll, "UiaHostProviderFromHwnd")));
    return f;
  }();
  return functions;
}

// The window as the notification's source. A host provider cannot raise
// events itself, so this one has nothing of its own but its host: UI
// Automation takes the element from the window's handle, and the event comes
// from the window's element, the one whose tree Qt answers for.
class WindowSource final : public IRawElementProviderSimple {
 public:
  WindowSource(HWND window, HostProviderFromHwnd host) : window_(window), host_(host) {}

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
    if (!options) return E_INVALIDARG;
    *options = static_cast<ProviderOptions>(ProviderOptions_ServerSideProvider |
                                            ProviderOptions_UseComThreading);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown** out) override {
    if (!out) return E_INVALIDARG;
    *out = nullptr;
    return S_OK;
  }
  // Every property is the window element's, from its other providers.
  HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID, VARIANT* out) override {
    if (!out) return E_INVALIDARG;
    VariantInit(out);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** out) override {
    if (!out) return E_INVALIDARG;
    *out = nullptr;
    return host_(window_, out);
  }

 private:
  ~WindowSource() = default;

  LONG references_ = 1;
  HWND window_;
  HostProviderFromHwnd host_;
};

}  // namespace

void notifyForPlatform(QWidget& window, const QString& words) {
  const UiaFunctions& uia = uiaFunctions();
  if (!uia.raise || !uia.host || words.isEmpty()) return;
  auto* source = new WindowSource(reinterpret_cast<HWND>(window.window()->winId()), uia.host);
  const std::wstring text = words.toStdWString();
  BSTR display = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  // One activity for every step, so that a tool may group them.
  BSTR activity = SysAllocString(L"Ringcoil.Step");
  uia.raise(source, kNotificationKindActionCompleted, kNotificationProcessingImportantAll, display,
            activity);
  SysFreeString(activity);
  SysFreeString(display);
  source->Release();
}

}  // namespace ringcoil
