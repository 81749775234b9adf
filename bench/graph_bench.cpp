// Drawing costs on a headless 1920x1080 screen: what a full kiosk screen of
// boxes, text and pictures takes to draw. The Cairo* cases are the peers:
// the same work done straight with cairo, to compare in the same run.
#include <benchmark/benchmark.h>

#include <cairo.h>

#include <vector>

#include "graph/graph.h"

namespace {

void Open() {
  graph::ResetForTest();
  graph::UseHeadless(1920, 1080);
  graph::InitGraph(3, 12, "");
}

void BM_ClearDevice(benchmark::State& state) {
  Open();
  for (auto _ : state) graph::ClearDevice();
}
BENCHMARK(BM_ClearDevice);

void BM_HatchedBar(benchmark::State& state) {
  Open();
  graph::SetFillStyle(4, 40);
  for (auto _ : state) graph::Bar(100, 100, 400, 300);
}
BENCHMARK(BM_HatchedBar);

void BM_DottedLine(benchmark::State& state) {
  Open();
  graph::SetLineStyle(1, 0, 1);
  for (auto _ : state) graph::Line(0, 0, 1919, 1079);
}
BENCHMARK(BM_DottedLine);

void BM_WideRectangle(benchmark::State& state) {
  Open();
  graph::SetLineStyle(0, 0, 3);
  for (auto _ : state) graph::Rectangle(2, 0, 1919, 1079);
}
BENCHMARK(BM_WideRectangle);

void BM_Circle(benchmark::State& state) {
  Open();
  for (auto _ : state) graph::Circle(500, 500, 200);
}
BENCHMARK(BM_Circle);

void BM_FillPoly(benchmark::State& state) {
  Open();
  graph::SetFillStyle(1, 40);
  graph::PointType p[] = {{100, 100}, {300, 120}, {280, 300}, {90, 280}, {100, 100}};
  for (auto _ : state) graph::FillPoly(5, p);
}
BENCHMARK(BM_FillPoly);

// A slanted map box in every hatch: the tile must not be rebuilt per fill.
void BM_HatchedSlantedBox(benchmark::State& state) {
  Open();
  graph::PointType p[] = {{400, 300}, {470, 230}, {440, 200}, {370, 270}, {400, 300}};
  int style = 2;
  for (auto _ : state) {
    graph::SetFillStyle(static_cast<std::uint16_t>(style), 40);
    graph::FillPoly(5, p);
    style = style == 7 ? 2 : style + 1;
  }
}
BENCHMARK(BM_HatchedSlantedBox);

// Screens set a style before nearly every text.
void BM_TextStyleChanges(benchmark::State& state) {
  Open();
  int i = 0;
  for (auto _ : state) {
    graph::SetTextStyle(static_cast<std::uint16_t>(i % 4), 0, static_cast<std::uint16_t>(20 + i % 12));
    graph::OutTextXY(50, 200, "Aisle 12 - Bakery");
    ++i;
  }
}
BENCHMARK(BM_TextStyleChanges);

void BM_TextLine(benchmark::State& state) {
  Open();
  graph::SetTextStyle(1, 0, 30);
  for (auto _ : state) graph::OutTextXY(50, 200, "Type a word such as milk, bread or batteries");
}
BENCHMARK(BM_TextLine);

// Peer of TextLine: cairo drawing the same string in the same face and
// size on a 1920x1080 surface, in one call.
void BM_CairoTextLine(benchmark::State& state) {
  Open();
  graph::SetTextStyle(1, 0, 30);
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1920, 1080);
  cairo_t* cr = cairo_create(surface);
  cairo_select_font_face(cr, graph::ResolvedFamily(1).c_str(), CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, options);
  // The kiosk's text size is the height of the character cell.
  cairo_set_font_size(cr, 1000);
  cairo_font_extents_t cell;
  cairo_font_extents(cr, &cell);
  cairo_set_font_size(cr, 30 * 1000 / (cell.ascent + cell.descent));
  cairo_set_source_rgb(cr, 1, 1, 1);
  for (auto _ : state) {
    cairo_move_to(cr, 50, 230);
    cairo_show_text(cr, "Type a word such as milk, bread or batteries");
    cairo_surface_flush(surface);
  }
  cairo_font_options_destroy(options);
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
}
BENCHMARK(BM_CairoTextLine);

void BM_WholeScreenImage(benchmark::State& state) {
  Open();
  std::vector<std::uint8_t> img;
  for (auto _ : state) {
    graph::GetImage(0, 0, 1919, 1079, img);
    graph::PutImage(0, 0, img.data(), img.size(), 0);
  }
}
BENCHMARK(BM_WholeScreenImage);

// Peer of WholeScreenImage: a whole 1920x1080 surface copied out to another
// surface and back with cairo.
void BM_CairoWholeScreenCopy(benchmark::State& state) {
  cairo_surface_t* screen = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1920, 1080);
  cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1920, 1080);
  cairo_t* toCopy = cairo_create(copy);
  cairo_t* toScreen = cairo_create(screen);
  cairo_set_operator(toCopy, CAIRO_OPERATOR_SOURCE);
  cairo_set_operator(toScreen, CAIRO_OPERATOR_SOURCE);
  for (auto _ : state) {
    cairo_set_source_surface(toCopy, screen, 0, 0);
    cairo_paint(toCopy);
    cairo_surface_flush(copy);
    cairo_set_source_surface(toScreen, copy, 0, 0);
    cairo_paint(toScreen);
    cairo_surface_flush(screen);
  }
  cairo_destroy(toScreen);
  cairo_destroy(toCopy);
  cairo_surface_destroy(copy);
  cairo_surface_destroy(screen);
}
BENCHMARK(BM_CairoWholeScreenCopy);

}  // namespace

BENCHMARK_MAIN();
