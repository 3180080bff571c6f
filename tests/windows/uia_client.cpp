// Windows only, for the tests: asks the game's window for its UI Automation
// provider, as UI Automation does on a screen reader's behalf when a window
// comes to the front; from then on the game serves UI Automation. Waits up
// to 30 seconds for the window, and fails when the window does not answer.
//
//   uia_client

#include <windows.h>

#include <cstdio>

namespace {

constexpr LPARAM kUiaRootObjectId = -25;

HWND GameWindow() {
  for (int tries = 0; tries < 300; ++tries) {
    if (HWND window = FindWindowW(nullptr, L"Философия - логика, дилемата")) {
      return window;
    }
    Sleep(100);
  }
  return nullptr;
}

}  // namespace

int main() {
  const HWND window = GameWindow();
  if (window == nullptr) {
    std::puts("no game window");
    return 1;
  }
  DWORD_PTR provider = 0;
  const LRESULT answered = SendMessageTimeoutW(window, WM_GETOBJECT, 0, kUiaRootObjectId,
                                               SMTO_ABORTIFHUNG, 10000, &provider);
  std::puts(answered != 0 ? "the game's window answered UI Automation"
                          : "the game's window did not answer");
  return answered != 0 ? 0 : 1;
}
