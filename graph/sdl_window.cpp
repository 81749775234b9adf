// The SDL2 window and its thread. SDL wants video calls on the thread that
// started video, so one window thread starts SDL, creates the window, pumps
// its events into the key queue and repaints it from the off-screen copy
// whenever drawing has marked it dirty (about 60 times a second at most).
#include <SDL2/SDL.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

#include "common/cp1252.h"
#include "graph/device.h"
#include "graph/graph.h"
#include "graph/keyboard.h"
#include "graph/keymap.h"
#include "graph/window.h"

namespace graph::detail {
namespace {

std::thread g_thread;
std::mutex g_startLock;
std::condition_variable g_started;
bool g_ready = false;
std::atomic<bool> g_quit{false};
OpenedWindow g_opened;
cairo_surface_t* g_shown = nullptr;  // the scaled picture, at the window's size

// Copies an RGB24 cairo surface onto an SDL surface of at least its size.
void BlitInto(SDL_Surface* target, cairo_surface_t* from) {
  SDL_Surface* src = SDL_CreateRGBSurfaceWithFormatFrom(
      cairo_image_surface_get_data(from), cairo_image_surface_get_width(from),
      cairo_image_surface_get_height(from), 32, cairo_image_surface_get_stride(from),
      SDL_PIXELFORMAT_RGB888);
  if (!src) return;
  SDL_BlitSurface(src, nullptr, target, nullptr);
  SDL_FreeSurface(src);
}

// The off-screen copy in the window: as it is when the sizes agree (pixel
// for pixel), else scaled to fill it with bars (shown.cpp), the scaling done
// on a copy so that drawing goes on meanwhile.
void Repaint(SDL_Window* win) {
  SDL_Surface* target = SDL_GetWindowSurface(win);
  if (!target) return;
  Device& d = Dev();
  {
    std::lock_guard<std::mutex> g(d.lock);
    if (!d.surface) return;
    if (d.width == target->w && d.height == target->h) {
      d.dirty = false;
      cairo_surface_flush(d.surface);
      BlitInto(target, d.surface);
      SDL_UpdateWindowSurface(win);
      return;
    }
  }
  cairo_surface_t* picture = CopyOfScreen();
  if (!picture) return;
  if (!g_shown || cairo_image_surface_get_width(g_shown) != target->w ||
      cairo_image_surface_get_height(g_shown) != target->h) {
    if (g_shown) cairo_surface_destroy(g_shown);
    g_shown = cairo_image_surface_create(CAIRO_FORMAT_RGB24, target->w, target->h);
  }
  if (cairo_surface_status(g_shown) == CAIRO_STATUS_SUCCESS) {
    PaintShown(picture, g_shown);
    BlitInto(target, g_shown);
  }
  cairo_surface_destroy(picture);
  SDL_UpdateWindowSurface(win);
}

// Keys: a key-down that the table translates queues its character or code;
// the text event the same press may bring (Alt+letter does) is dropped when
// it comes next in line. Other text is typed characters, queued as
// Windows-1252 bytes.
void HandleEvent(const SDL_Event& e, bool& dropText, SDL_Window* win) {
  if (e.type == SDL_TEXTINPUT) {
    if (dropText) {
      dropText = false;
      return;
    }
    for (char c : kiosk::Utf8ToCp1252(e.text.text)) PushChar(c);
    return;
  }
  dropText = false;
  switch (e.type) {
    case SDL_KEYDOWN: {
      KeyOutput out = TranslateKey(KeyPressFromSdl(e.key.keysym.sym, e.key.keysym.mod));
      if (out.kind == KeyOutput::kChar) PushChar(static_cast<char>(out.value));
      if (out.kind == KeyOutput::kCode) PushCode(out.value);
      dropText = out.kind != KeyOutput::kNothing;
      break;
    }
    case SDL_QUIT:
      PushCode(107);  // the close button: the kiosk decides
      break;
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
        // SDL_QUIT follows for the last window; queue the key only once.
      } else if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
                 e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        Dev().dirty = true;
      }
      (void)win;
      break;
    default:
      break;
  }
}

void Signal(const OpenedWindow& w) {
  std::lock_guard<std::mutex> g(g_startLock);
  g_opened = w;
  g_ready = true;
  g_started.notify_all();
}

void WindowThread(int mode, std::string title) {
  OpenedWindow w;
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  // The window surface is a plain software framebuffer: no GL underneath.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  SDL_SetThreadPriority(SDL_THREAD_PRIORITY_HIGH);
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    w.result = grWindowFailed;
    Signal(w);
    return;
  }
  const char* driver = SDL_GetCurrentVideoDriver();
  SDL_DisplayMode dm;
  // SDL falls back to drivers that show nothing when there is no display.
  if (!driver || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0 ||
      SDL_GetDesktopDisplayMode(0, &dm) != 0) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    w.result = grWindowFailed;
    Signal(w);
    return;
  }
  w.screenWidth = dm.w;
  w.screenHeight = dm.h;
  w.depth = SDL_BITSPERPIXEL(dm.format);
  w.geometry = ComputeWindowGeometry(mode, dm.w, dm.h);
  if (w.geometry.result != 0) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    w.result = w.geometry.result;
    Signal(w);
    return;
  }
  bool popup = w.geometry.style == kStylePopup;
  Uint32 flags = SDL_WINDOW_SHOWN | (popup ? SDL_WINDOW_BORDERLESS : 0);
  int x = popup ? 0 : SDL_WINDOWPOS_CENTERED, y = popup ? 0 : SDL_WINDOWPOS_CENTERED;
  SDL_Window* win = SDL_CreateWindow(title.c_str(), x, y, w.geometry.clientWidth, w.geometry.clientHeight, flags);
  if (!win) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    w.result = grWindowFailed;
    Signal(w);
    return;
  }
  SDL_RaiseWindow(win);
  SDL_StartTextInput();
  ResetKeyQueue();
  Signal(w);

  bool dropText = false;
  // Polled rather than waited for: SDL's waiting wakes itself with an event
  // sent to the window, which can outlive the window at shutdown.
  while (!g_quit) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) HandleEvent(e, dropText, win);
    if (Dev().dirty) Repaint(win);
    SDL_Delay(8);
  }
  // Text input ends with the window: stopping it first makes the input
  // method send to a window that is going away.
  SDL_DestroyWindow(win);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  if (g_shown) cairo_surface_destroy(g_shown);
  g_shown = nullptr;
}

}  // namespace

OpenedWindow OpenSdlWindow(int mode, const std::string& title) {
  {
    std::lock_guard<std::mutex> g(g_startLock);
    g_ready = false;
  }
  g_quit = false;
  g_thread = std::thread(WindowThread, mode, title);
  std::unique_lock<std::mutex> lk(g_startLock);
  g_started.wait(lk, [] { return g_ready; });
  OpenedWindow w = g_opened;
  lk.unlock();
  if (w.result != 0) g_thread.join();
  return w;
}

void CloseSdlWindow() {
  if (!g_thread.joinable()) return;
  g_quit = true;
  g_thread.join();
}

}  // namespace graph::detail
