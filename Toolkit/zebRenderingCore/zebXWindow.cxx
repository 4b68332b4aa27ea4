// The X11 window of the interactor, on libX11 loaded at run time.
#include "zebXWindow.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <dlfcn.h>
#include <poll.h>

#include <cerrno>
#include <cstdlib>

namespace
{
// The libX11 functions the window calls; the rest of Xlib it uses are
// macros over the Display and XImage structures.
#define ZEB_XLIB_FUNCTIONS(F)                                                                      \
  F(XOpenDisplay)                                                                                  \
  F(XCloseDisplay)                                                                                 \
  F(XCreateSimpleWindow)                                                                           \
  F(XStoreName)                                                                                    \
  F(XInternAtom)                                                                                   \
  F(XSetWMProtocols)                                                                               \
  F(XSelectInput)                                                                                  \
  F(XMapWindow)                                                                                    \
  F(XFlush)                                                                                        \
  F(XPending)                                                                                      \
  F(XNextEvent)                                                                                    \
  F(XLookupString)                                                                                 \
  F(XCreateImage)                                                                                  \
  F(XPutImage)                                                                                     \
  F(XSetErrorHandler)                                                                              \
  F(XSetIOErrorHandler)                                                                            \
  F(XSetIOErrorExitHandler)

struct Xlib
{
#define ZEB_XLIB_POINTER(name) decltype(&::name) name = nullptr;
  ZEB_XLIB_FUNCTIONS(ZEB_XLIB_POINTER)
#undef ZEB_XLIB_POINTER
};

// libX11 stays loaded once loaded: it keeps process-wide state (its error
// handlers, its thread locks) that outlives any one display.
const Xlib* LoadXlib(std::string& error)
{
  static Xlib xlib;
  static bool loaded = false;
  if (loaded)
  {
    return &xlib;
  }
  void* library = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
  if (!library)
  {
    error = std::string("cannot load libX11.so.6: ") + dlerror();
    return nullptr;
  }
#define ZEB_XLIB_LOAD(name)                                                                        \
  xlib.name = reinterpret_cast<decltype(xlib.name)>(dlsym(library, #name));                        \
  if (!xlib.name)                                                                                  \
  {                                                                                                \
    error = "libX11.so.6 lacks " #name;                                                            \
    return nullptr;                                                                                \
  }
  ZEB_XLIB_FUNCTIONS(ZEB_XLIB_LOAD)
#undef ZEB_XLIB_LOAD
  loaded = true;
  return &xlib;
}

// Xlib's default handlers end the process: on a protocol error (such as a
// request to a window that another client destroyed) and when the
// connection is lost. The window ignores the first and turns the second
// into a lost display that WaitEvent reports.
int IgnoreProtocolError(Display*, XErrorEvent*)
{
  return 0;
}

int IgnoreConnectionError(Display*)
{
  return 0;
}

void MarkDisplayLost(Display*, void* lost)
{
  *static_cast<bool*>(lost) = true;
}

// The pixel value of an 8-bit channel in the bits of mask.
unsigned long ChannelBits(unsigned char value, unsigned long mask)
{
  if (!mask)
  {
    return 0;
  }
  int shift = 0;
  while (!((mask >> shift) & 1))
  {
    ++shift;
  }
  int bits = 0;
  while ((mask >> (shift + bits)) & 1)
  {
    ++bits;
  }
  const unsigned long scaled = bits >= 8 ? static_cast<unsigned long>(value) << (bits - 8)
                                         : static_cast<unsigned long>(value) >> (8 - bits);
  return (scaled << shift) & mask;
}
}

struct zebXWindow::State
{
  const Xlib* Lib = nullptr;
  Display* Connection = nullptr;
  Window Handle = 0;
  Visual* DefaultVisual = nullptr;
  int Depth = 0;
  Atom DeleteWindow = 0;
  XImage* Image = nullptr;
  bool Lost = false;
  XErrorHandler PreviousErrorHandler = nullptr;
  XIOErrorHandler PreviousIOErrorHandler = nullptr;
};

zebXWindow::zebXWindow()
  : Native(nullptr)
{
}

zebXWindow::~zebXWindow()
{
  this->Close();
}

bool zebXWindow::Open(const char* display,
                      int width,
                      int height,
                      const char* title,
                      std::string& error)
{
  this->Close();
  const Xlib* x = LoadXlib(error);
  if (!x)
  {
    return false;
  }
  Display* connection = x->XOpenDisplay(display);
  if (!connection)
  {
    error = std::string("cannot open display \"") + display + "\"";
    return false;
  }
  this->Native = new State;
  State& s = *this->Native;
  s.Lib = x;
  s.Connection = connection;
  s.PreviousErrorHandler = x->XSetErrorHandler(IgnoreProtocolError);
  s.PreviousIOErrorHandler = x->XSetIOErrorHandler(IgnoreConnectionError);
  x->XSetIOErrorExitHandler(connection, MarkDisplayLost, &s.Lost);

  const int screen = DefaultScreen(connection);
  s.DefaultVisual = DefaultVisual(connection, screen);
  s.Depth = DefaultDepth(connection, screen);
  if (s.DefaultVisual->c_class != TrueColor)
  {
    error = std::string("the default visual of display \"") + display + "\" is not true colour";
    this->Close();
    return false;
  }
  s.Handle = x->XCreateSimpleWindow(connection,
                                    RootWindow(connection, screen),
                                    0,
                                    0,
                                    static_cast<unsigned int>(width),
                                    static_cast<unsigned int>(height),
                                    0,
                                    BlackPixel(connection, screen),
                                    BlackPixel(connection, screen));
  x->XStoreName(connection, s.Handle, title);
  s.DeleteWindow = x->XInternAtom(connection, "WM_DELETE_WINDOW", False);
  x->XSetWMProtocols(connection, s.Handle, &s.DeleteWindow, 1);
  x->XSelectInput(connection,
                  s.Handle,
                  ExposureMask | StructureNotifyMask | KeyPressMask | ButtonPressMask |
                    ButtonReleaseMask | ButtonMotionMask);
  x->XMapWindow(connection, s.Handle);
  x->XFlush(connection);
  return true;
}

void zebXWindow::Show(const std::vector<unsigned char>& rgb, int width, int height)
{
  if (!this->Native || this->Native->Lost || rgb.size() != static_cast<size_t>(width) * height * 3)
  {
    return;
  }
  State& s = *this->Native;
  if (s.Image && (s.Image->width != width || s.Image->height != height))
  {
    XDestroyImage(s.Image);
    s.Image = nullptr;
  }
  if (!s.Image)
  {
    s.Image = s.Lib->XCreateImage(s.Connection,
                                  s.DefaultVisual,
                                  static_cast<unsigned int>(s.Depth),
                                  ZPixmap,
                                  0,
                                  nullptr,
                                  static_cast<unsigned int>(width),
                                  static_cast<unsigned int>(height),
                                  32,
                                  0);
    if (!s.Image)
    {
      return;
    }
    // XDestroyImage frees the pixels with free().
    s.Image->data =
      static_cast<char*>(calloc(static_cast<size_t>(s.Image->bytes_per_line), height));
  }
  const unsigned char* pixel = rgb.data();
  for (int y = 0; y < height; ++y)
  {
    for (int x = 0; x < width; ++x, pixel += 3)
    {
      XPutPixel(s.Image,
                x,
                y,
                ChannelBits(pixel[0], s.Image->red_mask) |
                  ChannelBits(pixel[1], s.Image->green_mask) |
                  ChannelBits(pixel[2], s.Image->blue_mask));
    }
  }
  this->Repaint();
}

void zebXWindow::Repaint()
{
  if (!this->Native || this->Native->Lost || !this->Native->Image)
  {
    return;
  }
  State& s = *this->Native;
  s.Lib->XPutImage(s.Connection,
                   s.Handle,
                   DefaultGC(s.Connection, DefaultScreen(s.Connection)),
                   s.Image,
                   0,
                   0,
                   0,
                   0,
                   static_cast<unsigned int>(s.Image->width),
                   static_cast<unsigned int>(s.Image->height));
  s.Lib->XFlush(s.Connection);
}

bool zebXWindow::HasPendingEvent()
{
  return this->Native && !this->Native->Lost &&
         this->Native->Lib->XPending(this->Native->Connection) > 0;
}

bool zebXWindow::WaitEvent(zebXWindowEvent& event)
{
  if (!this->Native)
  {
    return false;
  }
  State& s = *this->Native;
  // XPending reads what the server sent without blocking; only an empty
  // queue waits, in poll, so that a lost connection is seen by XPending
  // (through MarkDisplayLost) rather than inside a blocking Xlib call.
  while (!s.Lost)
  {
    if (s.Lib->XPending(s.Connection) > 0)
    {
      XEvent xevent;
      s.Lib->XNextEvent(s.Connection, &xevent);
      if (this->Translate(&xevent, event))
      {
        return true;
      }
      continue;
    }
    if (s.Lost)
    {
      break;
    }
    pollfd connection = { ConnectionNumber(s.Connection), POLLIN, 0 };
    if (poll(&connection, 1, -1) < 0 && errno != EINTR)
    {
      s.Lost = true;
    }
  }
  return false;
}

bool zebXWindow::Translate(const void* xevent, zebXWindowEvent& event)
{
  const XEvent& e = *static_cast<const XEvent*>(xevent);
  State& s = *this->Native;
  event = zebXWindowEvent();
  switch (e.type)
  {
    case ButtonPress:
    case ButtonRelease:
      event.Type = e.type == ButtonPress ? zebXWindowEvent::ButtonDown : zebXWindowEvent::ButtonUp;
      event.X = e.xbutton.x;
      event.Y = e.xbutton.y;
      event.Button = static_cast<int>(e.xbutton.button);
      event.Shift = (e.xbutton.state & ShiftMask) != 0;
      return true;
    case MotionNotify:
      event.Type = zebXWindowEvent::PointerMoved;
      event.X = e.xmotion.x;
      event.Y = e.xmotion.y;
      event.Shift = (e.xmotion.state & ShiftMask) != 0;
      return true;
    case KeyPress:
    {
      char text[8] = "";
      XKeyEvent key = e.xkey;
      event.Type = zebXWindowEvent::KeyTyped;
      if (s.Lib->XLookupString(&key, text, sizeof(text), nullptr, nullptr) > 0)
      {
        event.Character = text[0];
      }
      return true;
    }
    case Expose:
      event.Type = zebXWindowEvent::Exposed;
      return e.xexpose.count == 0;
    case ConfigureNotify:
      event.Type = zebXWindowEvent::Resized;
      event.Width = e.xconfigure.width;
      event.Height = e.xconfigure.height;
      return true;
    case ClientMessage:
      event.Type = zebXWindowEvent::Closed;
      return e.xclient.format == 32 && static_cast<Atom>(e.xclient.data.l[0]) == s.DeleteWindow;
    case DestroyNotify:
      event.Type = zebXWindowEvent::Closed;
      return e.xdestroywindow.window == s.Handle;
    default:
      return false;
  }
}

void zebXWindow::Close()
{
  if (!this->Native)
  {
    return;
  }
  State& s = *this->Native;
  if (s.Image)
  {
    XDestroyImage(s.Image);
  }
  // Closing the connection destroys the window; on a lost connection it only
  // frees Xlib's structures.
  s.Lib->XCloseDisplay(s.Connection);
  s.Lib->XSetIOErrorHandler(s.PreviousIOErrorHandler);
  s.Lib->XSetErrorHandler(s.PreviousErrorHandler);
  delete this->Native;
  this->Native = nullptr;
}
