// Xlib reads of the window system's state and XTest input. The stacking a person sees is the
// order of the root window's children (window-manager frames and unmanaged pop-ups), so stacking
// questions are answered from it rather than from what the window manager says it did.
#include "XDesktop.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sstream>
#include <thread>

namespace {

struct XImageDeleter {
  void operator()(XImage* Image) const {
    if (Image) XDestroyImage(Image);
  }
};
using XImagePtr = std::unique_ptr<XImage, XImageDeleter>;

struct XFreeDeleter {
  void operator()(void* p) const {
    if (p) XFree(p);
  }
};

// A property of 32-bit items (windows, atoms) as a list.
std::vector<unsigned long> ListProperty(Display* D, Window W, const char* Name, Atom Type) {
  Atom actual = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* raw = nullptr;
  std::vector<unsigned long> items;
  if (XGetWindowProperty(D, W, XInternAtom(D, Name, False), 0, 4096, False, Type, &actual, &format, &count, &after, &raw) == Success &&
      raw && format == 32) {
    const auto* values = reinterpret_cast<const unsigned long*>(raw);
    items.assign(values, values + count);
  }
  if (raw) XFree(raw);
  return items;
}

// Errors about windows that vanished between two requests are expected while the program opens
// and closes windows; they must not end the test program.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

std::vector<XWindowId> XDesktop::Clients() {
  XSetErrorHandler(IgnoreErrors);
  std::vector<XWindowId> clients;
  for (unsigned long w : ListProperty(FDisplay, DefaultRootWindow(FDisplay), "_NET_CLIENT_LIST_STACKING", XA_WINDOW))
    if (IsShown(w)) clients.push_back(w);
  return clients;
}

XWindowId XDesktop::FindClient(const std::string& Title) {
  XWindowId found = 0;
  for (XWindowId w : Clients())
    if (this->Title(w) == Title) found = w;
  return found;
}

std::string XDesktop::Title(XWindowId Wnd) {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* raw = nullptr;
  std::string title;
  if (XGetWindowProperty(FDisplay, Wnd, XInternAtom(FDisplay, "_NET_WM_NAME", False), 0, 1024, False,
                         XInternAtom(FDisplay, "UTF8_STRING", False), &type, &format, &count, &after, &raw) == Success && raw)
    title.assign(reinterpret_cast<const char*>(raw), count);
  if (raw) XFree(raw);
  return title;
}

XWindowId XDesktop::TransientFor(XWindowId Wnd) {
  Window owner = 0;
  return XGetTransientForHint(FDisplay, Wnd, &owner) ? owner : 0;
}

XWindowId XDesktop::ActiveWindow() {
  const auto active = ListProperty(FDisplay, DefaultRootWindow(FDisplay), "_NET_ACTIVE_WINDOW", XA_WINDOW);
  return active.empty() ? 0 : active.front();
}

bool XDesktop::IsShown(XWindowId Wnd) {
  XSetErrorHandler(IgnoreErrors);
  XWindowAttributes a{};
  return XGetWindowAttributes(FDisplay, Wnd, &a) && a.map_state == IsViewable;
}

XRect XDesktop::Geometry(XWindowId Wnd) {
  XWindowAttributes a{};
  if (!XGetWindowAttributes(FDisplay, Wnd, &a)) return {};
  int x = 0, y = 0;
  Window child = 0;
  XTranslateCoordinates(FDisplay, Wnd, DefaultRootWindow(FDisplay), 0, 0, &x, &y, &child);
  return XRect{x, y, a.width, a.height};
}

std::vector<std::string> XDesktop::AllowedActions(XWindowId Wnd) {
  std::vector<std::string> names;
  for (unsigned long atom : ListProperty(FDisplay, Wnd, "_NET_WM_ALLOWED_ACTIONS", XA_ATOM)) {
    std::unique_ptr<char, XFreeDeleter> name(XGetAtomName(FDisplay, atom));
    std::string text = name ? name.get() : "";
    const std::string prefix = "_NET_WM_ACTION_";
    if (text.starts_with(prefix)) names.push_back(text.substr(prefix.size()));
  }
  return names;
}

unsigned long XDesktop::MotifFunctions(XWindowId Wnd) {
  const Atom hints = XInternAtom(FDisplay, "_MOTIF_WM_HINTS", False);
  const std::vector<unsigned long> fields = ListProperty(FDisplay, Wnd, "_MOTIF_WM_HINTS", hints);
  constexpr unsigned long kFunctionsSet = 1;
  return fields.size() >= 2 && (fields[0] & kFunctionsSet) ? fields[1] : kMotifAll;
}

XWindowId XDesktop::TopLevelOf(XWindowId Wnd) {
  const Window root = DefaultRootWindow(FDisplay);
  for (Window w = Wnd;;) {
    Window rootReturn = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(FDisplay, w, &rootReturn, &parent, &children, &count)) return 0;
    if (children) XFree(children);
    if (parent == root || !parent) return w;
    w = parent;
  }
}

std::vector<XWindowId> XDesktop::ScreenStacking() {
  Window rootReturn = 0, parent = 0, *children = nullptr;
  unsigned count = 0;
  std::vector<XWindowId> order;
  if (XQueryTree(FDisplay, DefaultRootWindow(FDisplay), &rootReturn, &parent, &children, &count) && children)
    order.assign(children, children + count);
  if (children) XFree(children);
  return order;
}

bool XDesktop::IsAbove(XWindowId A, XWindowId B) {
  const std::vector<XWindowId> order = ScreenStacking();
  const auto a = std::find(order.begin(), order.end(), TopLevelOf(A));
  const auto b = std::find(order.begin(), order.end(), TopLevelOf(B));
  return a != order.end() && b != order.end() && a > b;
}

XWindowId XDesktop::WindowAt(int X, int Y) {
  const std::vector<XWindowId> order = ScreenStacking();
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    if (!IsShown(*it) || !Geometry(*it).Contains(X, Y)) continue;
    for (XWindowId client : Clients())
      if (TopLevelOf(client) == *it) return client;
    return *it;
  }
  return 0;
}

std::vector<XWindowId> XDesktop::UnmanagedWindows() {
  std::vector<XWindowId> windows;
  for (XWindowId w : ScreenStacking()) {
    XWindowAttributes a{};
    if (XGetWindowAttributes(FDisplay, w, &a) && a.map_state == IsViewable && a.override_redirect) windows.push_back(w);
  }
  return windows;
}

XColour XDesktop::Pixel(int X, int Y) {
  const std::vector<XColour> pixel = Pixels(XRect{X, Y, 1, 1});
  return pixel.empty() ? XColour{} : pixel.front();
}

std::vector<XColour> XDesktop::Pixels(const XRect& Area) {
  std::vector<XColour> pixels;
  const XImagePtr image(
      XGetImage(FDisplay, DefaultRootWindow(FDisplay), Area.X, Area.Y, Area.Width, Area.Height, AllPlanes, ZPixmap));
  if (!image) return pixels;
  pixels.reserve(static_cast<size_t>(Area.Width) * Area.Height);
  for (int y = 0; y < Area.Height; ++y)
    for (int x = 0; x < Area.Width; ++x) {
      const unsigned long p = XGetPixel(image.get(), x, y);
      pixels.push_back(XColour{static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF)});
    }
  return pixels;
}

bool XDesktop::HasPixel(const XRect& Area, XColour Colour) {
  const std::vector<XColour> pixels = Pixels(Area);
  return std::find(pixels.begin(), pixels.end(), Colour) != pixels.end();
}

void XDesktop::SaveScreen(const std::string& Path) {
  const int w = XSession::kScreenWidth, h = XSession::kScreenHeight;
  const XImagePtr image(XGetImage(FDisplay, DefaultRootWindow(FDisplay), 0, 0, w, h, AllPlanes, ZPixmap));
  std::unique_ptr<FILE, int (*)(FILE*)> file(fopen(Path.c_str(), "wb"), fclose);
  if (!image || !file) return;
  fprintf(file.get(), "P6\n%d %d\n255\n", w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const unsigned long p = XGetPixel(image.get(), x, y);
      const unsigned char rgb[3] = {static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
                                    static_cast<unsigned char>(p)};
      fwrite(rgb, 1, 3, file.get());
    }
}

// --- input ---------------------------------------------------------------------------------------

void XDesktop::Flush() { XSync(FDisplay, False); }

void XDesktop::MoveTo(int X, int Y) {
  XTestFakeMotionEvent(FDisplay, -1, X, Y, CurrentTime);
  Flush();
}

void XDesktop::ButtonDown(int X, int Y) {
  MoveTo(X, Y);
  XTestFakeButtonEvent(FDisplay, 1, True, CurrentTime);
  Flush();
}

void XDesktop::ButtonUp() {
  XTestFakeButtonEvent(FDisplay, 1, False, CurrentTime);
  Flush();
}

void XDesktop::Click(int X, int Y) {
  ButtonDown(X, Y);
  ButtonUp();
}

void XDesktop::RightClick(int X, int Y) {
  MoveTo(X, Y);
  XTestFakeButtonEvent(FDisplay, 3, True, CurrentTime);
  XTestFakeButtonEvent(FDisplay, 3, False, CurrentTime);
  Flush();
}

void XDesktop::Glide(int ToX, int ToY, int Steps) {
  Window root = 0, child = 0;
  int x = 0, y = 0, wx = 0, wy = 0;
  unsigned mask = 0;
  XQueryPointer(FDisplay, DefaultRootWindow(FDisplay), &root, &child, &x, &y, &wx, &wy, &mask);
  for (int i = 1; i <= Steps; ++i) {
    MoveTo(x + (ToX - x) * i / Steps, y + (ToY - y) * i / Steps);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

namespace {

// The key code of a key symbol and whether Shift types it.
std::pair<KeyCode, bool> KeyOf(Display* D, KeySym Sym) {
  const KeyCode code = XKeysymToKeycode(D, Sym);
  return {code, code && XkbKeycodeToKeysym(D, code, 0, 0) != Sym && XkbKeycodeToKeysym(D, code, 0, 1) == Sym};
}

void PressKey(Display* D, KeySym Sym, std::vector<KeySym> Modifiers) {
  const auto [code, shifted] = KeyOf(D, Sym);
  if (shifted) Modifiers.push_back(XK_Shift_L);
  for (KeySym m : Modifiers) XTestFakeKeyEvent(D, XKeysymToKeycode(D, m), True, CurrentTime);
  XTestFakeKeyEvent(D, code, True, CurrentTime);
  XTestFakeKeyEvent(D, code, False, CurrentTime);
  for (auto it = Modifiers.rbegin(); it != Modifiers.rend(); ++it) XTestFakeKeyEvent(D, XKeysymToKeycode(D, *it), False, CurrentTime);
  XSync(D, False);
}

}  // namespace

void XDesktop::Key(const std::string& Combo) {
  std::vector<KeySym> modifiers;
  std::stringstream parts(Combo);
  std::string part, key;
  while (std::getline(parts, part, '+')) {
    if (!key.empty()) {
      modifiers.push_back(key == "ctrl" ? XK_Control_L : key == "alt" ? XK_Alt_L : XK_Shift_L);
    }
    key = part;
  }
  PressKey(FDisplay, XStringToKeysym(key.c_str()), modifiers);
}

void XDesktop::Type(const std::string& Text) {
  for (const char c : Text) PressKey(FDisplay, static_cast<KeySym>(static_cast<unsigned char>(c)), {});
}
