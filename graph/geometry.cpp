// Window sizes by graphics mode.
#include "graph/graph.h"
#include "graph/window.h"

namespace graph::detail {

bool IsKnownMode(int mode) { return (mode >= 1 && mode <= 8) || (mode >= 10 && mode <= 13); }

WindowGeometry ComputeWindowGeometry(int mode, int sw, int sh) {
  WindowGeometry g;
  const int frameW = 2 * kDialogFrame, frameH = 2 * kDialogFrame + kCaptionHeight;
  int w = 0, h = 0;
  switch (mode) {
    case 1: w = 320; h = 200; break;
    case 2: w = 640; h = 200; break;
    case 3: w = 640; h = 350; break;
    case 4: w = 640; h = 480; break;
    case 5: w = 720; h = 350; break;
    case 6: w = 800; h = 600; break;
    case 7: w = 1024; h = 768; break;
    case 8: w = 1280; h = 1024; break;
    case 10: case 11: case 13:  // the largest framed window
      w = sw - frameW; h = sh - frameH; break;
    case 12: w = sw; h = sh; break;
    default: g.result = grInvalidMode; return g;
  }
  if (w <= 0 || h <= 0 || w > sw || h > sh) {
    g.result = grInvalidMode;
    return g;
  }
  g.clientWidth = w;
  g.clientHeight = h;
  if (w + frameW <= sw && h + frameH <= sh) {
    g.outerWidth = w + frameW;
    g.outerHeight = h + frameH;
    g.style = kStyleFramed;
  } else {
    g.outerWidth = w;
    g.outerHeight = h;
    g.style = kStylePopup;
  }
  return g;
}

}  // namespace graph::detail
