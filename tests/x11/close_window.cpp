// Waits for a top-level window with the given caption to be mapped on the
// X server, checks that it is fixed at the given size, and asks it to close
// as a window manager's close box would (WM_DELETE_WINDOW).
//
//   close_window CAPTION WIDTH HEIGHT TIMEOUT_SECONDS

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

namespace {

std::string Caption(Display* display, Window window) {
  const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  std::string caption;
  if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                         &remaining, &data) == Success &&
      data != nullptr) {
    caption.assign(reinterpret_cast<const char*>(data), count);
  }
  if (data != nullptr) {
    XFree(data);
  }
  return caption;
}

std::optional<Window> FindMapped(Display* display, const std::string& caption) {
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  std::optional<Window> found;
  if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) != 0) {
    for (unsigned int i = 0; i < count && !found; ++i) {
      XWindowAttributes attributes;
      if (XGetWindowAttributes(display, children[i], &attributes) != 0 &&
          attributes.map_state == IsViewable && Caption(display, children[i]) == caption) {
        found = children[i];
      }
    }
  }
  if (children != nullptr) {
    XFree(children);
  }
  return found;
}

bool IsFixedAt(Display* display, Window window, int width, int height) {
  XWindowAttributes attributes;
  XGetWindowAttributes(display, window, &attributes);
  XSizeHints hints{};
  long supplied = 0;
  XGetWMNormalHints(display, window, &hints, &supplied);
  std::printf("window %dx%d, min %dx%d, max %dx%d\n", attributes.width, attributes.height,
              hints.min_width, hints.min_height, hints.max_width, hints.max_height);
  const bool minMax = (hints.flags & PMinSize) != 0 && (hints.flags & PMaxSize) != 0;
  return attributes.width == width && attributes.height == height && minMax &&
         hints.min_width == width && hints.max_width == width && hints.min_height == height &&
         hints.max_height == height;
}

void AskToClose(Display* display, Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s CAPTION WIDTH HEIGHT TIMEOUT_SECONDS\n", argv[0]);
    return 2;
  }
  const std::string caption = argv[1];
  const int width = std::atoi(argv[2]);
  const int height = std::atoi(argv[3]);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[4]));

  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "cannot open the X display\n");
    return 1;
  }
  std::optional<Window> window;
  while (!(window = FindMapped(display, caption)) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  if (!window) {
    std::fprintf(stderr, "no mapped window captioned \"%s\"\n", caption.c_str());
    XCloseDisplay(display);
    return 1;
  }
  const bool fixed = IsFixedAt(display, *window, width, height);
  AskToClose(display, *window);
  XCloseDisplay(display);
  if (!fixed) {
    std::fprintf(stderr, "the window is not fixed at %dx%d\n", width, height);
    return 1;
  }
  return 0;
}
