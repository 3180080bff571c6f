// Windows only, for the tests: stands in for Windows' UI Automation core
// (uiautomationcore.dll) beside the game, where Windows looks first, and
// writes down every notification the game raises, as a screen reader would
// receive it: one line a notification, its text in UTF-8, into the file
// that UIA_SPY_LOG names. It says that a client is listening, and answers
// the game's other calls as a UI Automation core with nothing more to ask.
// (Handing them on to the real core would load a second DLL of the same
// name, which the game's later look-ups might find instead.)

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(size > 0 ? size - 1 : 0, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
  return utf8;
}

// The text with its line breaks written as \n, so that it stays one line.
std::string OneLine(const std::string& text) {
  std::string line;
  for (const char c : text) {
    line += c == '\n' ? std::string("\\n") : c == '\r' ? std::string() : std::string(1, c);
  }
  return line;
}

// UI Automation's types, as far as these calls need them: the providers are
// the game's own objects, left untouched.
using Provider = void*;
using Identifier = int;

}  // namespace

extern "C" {

__declspec(dllexport) BOOL WINAPI UiaClientsAreListening() {
  return TRUE;
}

__declspec(dllexport) HRESULT WINAPI
    UiaRaiseNotificationEvent(Provider /*provider*/, int kind, int processing, BSTR text,
                              BSTR /*activity*/) {
  const char* log = std::getenv("UIA_SPY_LOG");
  if (FILE* file = log != nullptr ? std::fopen(log, "ab") : nullptr) {
    std::fprintf(file, "%d %d %s\n", kind, processing,
                 OneLine(Utf8(text != nullptr ? text : L"")).c_str());
    std::fclose(file);
  }
  return S_OK;
}

__declspec(dllexport) LRESULT WINAPI
    UiaReturnRawElementProvider(HWND /*window*/, WPARAM /*w*/, LPARAM /*l*/,
                                Provider /*provider*/) {
  return 0;
}

__declspec(dllexport) HRESULT WINAPI UiaHostProviderFromHwnd(HWND /*window*/, Provider* provider) {
  *provider = nullptr;
  return E_NOTIMPL;
}

__declspec(dllexport) HRESULT WINAPI
    UiaRaiseAutomationEvent(Provider /*provider*/, Identifier /*event*/) {
  return S_OK;
}

__declspec(dllexport) HRESULT WINAPI
    UiaRaiseAutomationPropertyChangedEvent(Provider /*provider*/, Identifier /*property*/,
                                           VARIANT /*before*/, VARIANT /*after*/) {
  return S_OK;
}

}  // extern "C"
