// The layer's globals, opening and closing the window, result codes.
#include <cairo.h>

#include "graph/device.h"
#include "graph/fillcache.h"
#include "graph/tilefill.h"
#include "graph/graph.h"
#include "graph/shown.h"
#include "graph/keyboard.h"
#include "graph/window.h"

namespace graph {

bool GrEnabled = false;
std::int16_t GrResult = 0;
std::int16_t GrDriver = 0, GrMode = 0;
std::int32_t ScreenWidth = 0, ScreenHeight = 0;
std::int32_t WindowWidth = 0, WindowHeight = 0, WindowStyle = 0;
std::uint8_t BitPixel = 0;
bool PalExist = false;
std::int16_t MaxColors = 0, PalSize = 0;
std::uint32_t NamedColor[256] = {};

void InstallDefaultFonts();  // text.cpp

namespace {
bool g_headless = false;
int g_headlessWidth = 0, g_headlessHeight = 0;
int g_layoutWidth = 0, g_layoutHeight = 0;  // 0: the window's own size
}  // namespace

namespace detail {

Device& Dev() {
  static Device d;
  return d;
}
DrawState& St() {
  static DrawState s;
  return s;
}

bool Begin() {
  GrResult = grOk;
  if (!GrEnabled) {
    GrResult = grNoInitGraph;
    return false;
  }
  return true;
}

void Fail(std::int16_t code) { GrResult = code; }

std::uint32_t ColorRgb(std::uint32_t c) {
  if (PalExist && PalSize > 0) return DefaultPalette(static_cast<int>(c % static_cast<std::uint32_t>(PalSize)));
  return c & 0xFFFFFF;
}

Box ClipBox() {
  const Device& d = Dev();
  Box b{0, 0, d.width - 1, d.height - 1};
  const DrawState& s = St();
  if (s.clip) {
    if (s.vx1 > b.x1) b.x1 = s.vx1;
    if (s.vy1 > b.y1) b.y1 = s.vy1;
    if (s.vx2 < b.x2) b.x2 = s.vx2;
    if (s.vy2 < b.y2) b.y2 = s.vy2;
  }
  return b;
}

bool g_fillThroughCairo = false;

Drawing::Drawing() : guard_(Dev().lock) {}

cairo_t* Drawing::cr() {
  cairo_t* c = Dev().cr;
  if (prepared_) return c;
  prepared_ = true;
  cairo_save(c);
  cairo_identity_matrix(c);
  cairo_reset_clip(c);
  Box b = ClipBox();
  // The surface bounds drawing anyway; a clip of the whole screen would
  // only cost time on every primitive.
  if (b.x1 != 0 || b.y1 != 0 || b.x2 != Dev().width - 1 || b.y2 != Dev().height - 1) {
    cairo_rectangle(c, b.x1, b.y1, b.Empty() ? 0 : b.x2 - b.x1 + 1, b.Empty() ? 0 : b.y2 - b.y1 + 1);
    cairo_clip(c);
  }
  cairo_set_antialias(c, CAIRO_ANTIALIAS_NONE);
  cairo_set_operator(c, CAIRO_OPERATOR_OVER);
  return c;
}

Drawing::~Drawing() {
  if (prepared_) cairo_restore(Dev().cr);
  // Pens write pixels behind cairo's back.
  cairo_surface_mark_dirty(Dev().surface);
  Dev().dirty = true;
}

void SetSourceRgb(cairo_t* cr, std::uint32_t rgb) {
  cairo_set_source_rgb(cr, (rgb >> 16 & 0xFF) / 255.0, (rgb >> 8 & 0xFF) / 255.0, (rgb & 0xFF) / 255.0);
}

OpenedWindow OpenBackend(int mode, const std::string& title) {
  if (!g_headless) return OpenSdlWindow(mode, title);
  OpenedWindow w;
  w.screenWidth = g_headlessWidth;
  w.screenHeight = g_headlessHeight;
  w.geometry = ComputeWindowGeometry(mode, w.screenWidth, w.screenHeight);
  w.result = w.geometry.result;
  if (w.result == 0) ResetKeyQueue();  // as a new window's queue starts empty
  return w;
}

void CloseBackend() {
  if (!g_headless) CloseSdlWindow();
}

}  // namespace detail

using namespace detail;

void UseHeadless(int desktopWidth, int desktopHeight) {
  g_headless = true;
  g_headlessWidth = desktopWidth;
  g_headlessHeight = desktopHeight;
}
void UseWindow() { g_headless = false; }
void SetLayoutSize(int width, int height) {
  const bool both = width > 0 && height > 0;
  g_layoutWidth = both ? width : 0;
  g_layoutHeight = both ? height : 0;
}
bool IsHeadless() { return g_headless; }

void InitGraph(std::int16_t driver, std::int16_t mode, std::string_view title) {
  if (GrEnabled) {
    GrResult = grError;
    return;
  }
  GrResult = grOk;
  if (driver == 0) {
    driver = 9;
    mode = 10;
  }
  int depth = 0;
  switch (driver) {
    case 1: depth = 1; break;
    case 2: depth = 4; break;
    case 3: depth = 8; break;
    case 9: depth = 0; break;
    default: GrResult = grInvalidDriver; return;
  }
  if (!IsKnownMode(mode)) {
    GrResult = grInvalidMode;
    return;
  }
  std::string caption = title.empty() ? std::string("Graph Window 1.1") : std::string(title);
  OpenedWindow w = OpenBackend(mode, caption);
  if (w.result != grOk) {
    GrResult = w.result;
    return;
  }
  GrDriver = driver;
  GrMode = mode;
  ScreenWidth = w.screenWidth;
  ScreenHeight = w.screenHeight;
  WindowWidth = w.geometry.outerWidth;
  WindowHeight = w.geometry.outerHeight;
  WindowStyle = w.geometry.style;
  PalExist = depth != 0;
  BitPixel = static_cast<std::uint8_t>(depth != 0 ? depth : w.depth);
  MaxColors = PalExist ? static_cast<std::int16_t>(1 << depth) : 0;
  PalSize = MaxColors;

  {
    Device& d = Dev();
    std::lock_guard<std::mutex> g(d.lock);
    // Drawn at the layout size when there is one; the window scales it.
    d.width = g_layoutWidth > 0 ? g_layoutWidth : w.geometry.clientWidth;
    d.height = g_layoutHeight > 0 ? g_layoutHeight : w.geometry.clientHeight;
    d.surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, d.width, d.height);
    d.cr = cairo_create(d.surface);
    d.dirty = true;
  }
  for (int i = 0; i < 256; ++i)
    NamedColor[i] = PalExist ? static_cast<std::uint32_t>(NearestPaletteEntry(NamedColorRgb(i), PalSize))
                             : NamedColorRgb(i);
  GrEnabled = true;

  DrawState& s = St();
  s = DrawState{};
  s.color = NamedColor[kWhite];
  s.bkColor = NamedColor[kBlack];
  s.fillColor = NamedColor[kWhite];
  s.vx2 = static_cast<std::int16_t>(Dev().width - 1);
  s.vy2 = static_cast<std::int16_t>(Dev().height - 1);
  ResetFonts();
  InstallDefaultFonts();
  ClearDevice();
  GrResult = grOk;
}

void CloseGraph() {
  if (!Begin()) return;
  GrEnabled = false;
  CloseBackend();
  Device& d = Dev();
  std::lock_guard<std::mutex> g(d.lock);
  if (d.cr) cairo_destroy(d.cr);
  if (d.surface) cairo_surface_destroy(d.surface);
  d.cr = nullptr;
  d.surface = nullptr;
  d.width = d.height = 0;
  ResetFillCache();
  ResetTileFill();
}

std::int16_t GraphResult() {
  std::int16_t r = GrResult;
  GrResult = grOk;
  return r;
}

bool GraphEnabled() { return GrEnabled; }

std::string GraphErrorMsg(std::int16_t code) {
  const char* text;
  switch (code) {
    case grOk: return "";
    case grNoInitGraph: text = "Graphics window not initialized. Use InitGraph"; break;
    case grInvalidDriver: text = "Invalid graphics driver"; break;
    case grInvalidMode: text = "Invalid graphics mode"; break;
    case grWindowFailed: text = "Creation of graphics window failed"; break;
    case grInvalidFont: text = "Invalid font selection"; break;
    case grInvalidFontNum: text = "Invalid font number"; break;
    case grInvalidParam: text = "Invalid parameter value"; break;
    case grNoPalette: text = "No palette available. Change graphics driver"; break;
    case grNoOpenGL: text = "OpenGL driver not initialized"; break;
    case grError: text = "General graphics error"; break;
    default: text = "Unrecognized error code"; break;
  }
  return std::string("Error: ") + text;
}

std::int32_t GetMaxX() {
  if (!Begin()) return 0;
  return Dev().width - 1;
}

std::int32_t GetMaxY() {
  if (!Begin()) return 0;
  return Dev().height - 1;
}

void ResetForTest() {
  if (GrEnabled) CloseGraph();
  GrEnabled = false;
  GrResult = 0;
  GrDriver = GrMode = 0;
  ScreenWidth = ScreenHeight = WindowWidth = WindowHeight = WindowStyle = 0;
  BitPixel = 0;
  PalExist = false;
  MaxColors = PalSize = 0;
  for (auto& c : NamedColor) c = 0;
  St() = DrawState{};
  ResetFonts();
  ResetKeyQueue();
  SetKeyDemandHook(nullptr);
  g_headless = false;
  g_layoutWidth = g_layoutHeight = 0;
}

}  // namespace graph

// Fontconfig keeps pieces of its parsed configuration unreachable for the
// life of the process, and the X and SDL libraries hold their connection
// data the same way. Leak checking (sanitizer builds) reads this list; it is
// defined here because every program that draws links this file.
extern "C" __attribute__((visibility("default"), used)) const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n"
         "leak:libSDL2\n"
         "leak:libX11.so\n"
         "leak:libdbus-1.so\n";
}
