// Asks a window to close as a window manager does when its close button is
// pressed: a WM_DELETE_WINDOW client message.
//   close_window <window id>
// Exit status 0 when the message was sent, 2 otherwise.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
  if (argc != 2)
  {
    fprintf(stderr, "usage: close_window <window id>\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display)
  {
    fprintf(stderr, "close_window: cannot open the display\n");
    return 2;
  }
  XEvent message = {};
  message.xclient.type = ClientMessage;
  message.xclient.window = static_cast<Window>(strtoul(argv[1], nullptr, 0));
  message.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  message.xclient.format = 32;
  message.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  message.xclient.data.l[1] = CurrentTime;
  const Status sent = XSendEvent(display, message.xclient.window, False, NoEventMask, &message);
  XSync(display, False);
  XCloseDisplay(display);
  return sent ? 0 : 2;
}
