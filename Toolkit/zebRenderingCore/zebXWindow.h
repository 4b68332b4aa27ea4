// A top-level X11 window that shows RGB images and reports the pointer,
// key, expose, resize and close events of an interactor. libX11 is loaded on
// the first Open, so programs that never open a window do not load it.
#ifndef ZEB_X_WINDOW_H
#define ZEB_X_WINDOW_H

#include <string>
#include <vector>

struct zebXWindowEvent
{
  enum Kind
  {
    ButtonDown,    // Button 1 left, 2 middle, 3 right, 4 and 5 the wheel
    ButtonUp,      // Button
    PointerMoved,  // X, Y while a button is down
    KeyTyped,      // Character, 0 for keys without one
    Exposed,       // part of the window must be shown again
    Resized,       // Width, Height: the window's new size
    Closed         // the window was closed or destroyed
  };
  Kind Type = Exposed;
  int X = 0;
  int Y = 0;
  int Button = 0;
  bool Shift = false;
  char Character = 0;
  int Width = 0;
  int Height = 0;
};

class zebXWindow
{
public:
  zebXWindow();
  ~zebXWindow();
  zebXWindow(const zebXWindow&) = delete;
  zebXWindow& operator=(const zebXWindow&) = delete;

  // Opens display (an X display name such as ":0") and maps a width by
  // height window titled title. False with the reason in error.
  bool Open(const char* display, int width, int height, const char* title, std::string& error);

  // Shows rgb (width*height*3 bytes, top row first) from the window's top
  // left corner, and keeps it for Expose.
  void Show(const std::vector<unsigned char>& rgb, int width, int height);
  // Shows the last image again.
  void Repaint();

  // True when an event is waiting, so that a caller can draw only once the
  // queue is empty.
  bool HasPendingEvent();
  // Waits for the next event of the window. False when the display went
  // away (the server ended or dropped the connection): the window is then
  // unusable and only Close remains.
  bool WaitEvent(zebXWindowEvent& event);

  // Destroys the window and closes the display; also done on destruction.
  void Close();

private:
  bool Translate(const void* xevent, zebXWindowEvent& event);

  struct State;
  State* Native;
};

#endif
