// The default 256-entry palette and the 256 named colours.
#include <array>
#include <cstdint>

#include "graph/graph.h"

namespace graph {
namespace {

// One hue ring of the VGA default palette: 24 hues walking round the colour
// circle between a low and a high 6-bit value through three steps.
void AddRing(std::array<std::uint32_t, 256>& pal, int first, int lo, int a, int b, int c, int hi) {
  const int v[5] = {lo, a, b, c, hi};
  int r, g, bl;
  for (int i = 0; i < 24; ++i) {
    if (i <= 4) { r = v[i]; g = lo; bl = hi; }                // red rises
    else if (i <= 8) { r = hi; g = lo; bl = v[8 - i]; }      // blue falls
    else if (i <= 12) { r = hi; g = v[i - 8]; bl = lo; }     // green rises
    else if (i <= 16) { r = v[16 - i]; g = hi; bl = lo; }    // red falls
    else if (i <= 20) { r = lo; g = hi; bl = v[i - 16]; }    // blue rises
    else { r = lo; g = v[24 - i]; bl = hi; }                 // green falls
    pal[first + i] = static_cast<std::uint32_t>((r * 4) << 16 | (g * 4) << 8 | (bl * 4));
  }
}

std::array<std::uint32_t, 256> BuildPalette() {
  std::array<std::uint32_t, 256> pal{};
  const std::uint32_t first16[16] = {0x000000, 0x0000A8, 0x00A800, 0x00A8A8, 0xA80000, 0xA800A8,
                                     0xA85400, 0xA8A8A8, 0x545454, 0x8484FC, 0x54FC54, 0x54FCFC,
                                     0xFC5454, 0xFC54FC, 0xFCFC54, 0xFCFCFC};
  const std::uint32_t greys[16] = {0x00, 0x14, 0x20, 0x2C, 0x38, 0x44, 0x50, 0x60,
                                   0x70, 0x80, 0x90, 0xA0, 0xB4, 0xC8, 0xE0, 0xFC};
  for (int i = 0; i < 16; ++i) {
    pal[i] = first16[i];
    pal[16 + i] = greys[i] << 16 | greys[i] << 8 | greys[i];
  }
  // High, medium and low intensity; each at full, half and quarter saturation.
  AddRing(pal, 32, 0, 16, 31, 47, 63);
  AddRing(pal, 56, 31, 39, 47, 55, 63);
  AddRing(pal, 80, 45, 49, 54, 58, 63);
  AddRing(pal, 104, 0, 7, 14, 21, 28);
  AddRing(pal, 128, 14, 17, 21, 24, 28);
  AddRing(pal, 152, 20, 22, 24, 26, 28);
  AddRing(pal, 176, 0, 4, 8, 12, 16);
  AddRing(pal, 200, 8, 10, 12, 14, 16);
  AddRing(pal, 224, 11, 12, 13, 15, 16);
  // 248-255 stay black.
  return pal;
}

struct Named {
  const char* name;
  std::uint32_t rgb;
};

const Named kNamed[256] = {
    {"ALICEBLUE", 0xF0F8FF}, {"ALIZARINCRIMSON", 0xE32636}, {"AMBER", 0xFFBF00},
    {"AMETHYST", 0x9966CC}, {"ANTIQUEWHITE", 0xFAEBD7}, {"AQUAMARINE", 0x7FFFD4},
    {"ASPARAGUS", 0x7BA05B}, {"AZURE", 0xF0FFFF}, {"BEIGE", 0xF5F5DC}, {"BISQUE", 0xFFE4C4},
    {"BISTRE", 0x3D2B1F}, {"BITTERLEMON", 0xCAE00D}, {"BLACK", 0x000000},
    {"BLANCHEDALMOND", 0xFFEBCD}, {"BLAZEORANGE", 0xFF9900}, {"BLUE", 0x0000FF},
    {"BLUEVIOLET", 0x8A2BE2}, {"BONDIBLUE", 0x0095B6}, {"BRASS", 0xB5A642},
    {"BRIGHTGREEN", 0x66FF00}, {"BRIGHTTURQUOISE", 0x08E8DE}, {"BRIGHTVIOLET", 0xCD00CD},
    {"BRONZE", 0xCD7F32}, {"BROWN", 0xA52A2A}, {"BUFF", 0xF0DC82}, {"BURGUNDY", 0x900020},
    {"BURLYWOOD", 0xDEB887}, {"BURNTORANGE", 0xCC5500}, {"BURNTSIENNA", 0xE97451},
    {"BURNTUMBER", 0x8A3324}, {"CADETBLUE", 0x5F9EA0}, {"CAMOUFLAGEGREEN", 0x78866B},
    {"CARDINAL", 0xC41E3A}, {"CARMINE", 0x960018}, {"CARROT", 0xED9121}, {"CASPER", 0xADBED1},
    {"CELADON", 0xACE1AF}, {"CERISE", 0xDE3163}, {"CERULEAN", 0x007BA7},
    {"CERULEANBLUE", 0x2A52BE}, {"CHARTREUSE", 0x7FFF00}, {"CHOCOLATE", 0xD2691E},
    {"CINNAMON", 0x7B3F00}, {"COBALT", 0x0047AB}, {"COPPER", 0xB87333}, {"CORAL", 0xFF7F50},
    {"CORN", 0xFBEC5D}, {"CORNFLOWERBLUE", 0x6495ED}, {"CORNSILK", 0xFFF8DC},
    {"CREAM", 0xFFFDD0}, {"CRIMSON", 0xDC143C}, {"CYAN", 0x00FFFF}, {"DARKBLUE", 0x00008B},
    {"DARKBROWN", 0x654321}, {"DARKCERULEAN", 0x08457E}, {"DARKCHESTNUT", 0x986960},
    {"DARKCORAL", 0xCD5B45}, {"DARKCYAN", 0x008B8B}, {"DARKGOLDENROD", 0xB8860B},
    {"DARKGRAY", 0x545454}, {"DARKGREEN", 0x006400}, {"DARKINDIGO", 0x310062},
    {"DARKKHAKI", 0xBDB76B}, {"DARKMAGENTA", 0x8B008B}, {"DARKOLIVE", 0x556832},
    {"DARKOLIVEGREEN", 0x556B2F}, {"DARKORANGE", 0xFF8C00}, {"DARKORCHID", 0x9932CC},
    {"DARKPASTELGREEN", 0x03C03C}, {"DARKPINK", 0xE75480}, {"DARKRED", 0x8B0000},
    {"DARKSALMON", 0xE9967A}, {"DARKSCARLET", 0x560319}, {"DARKSEAGREEN", 0x8FBC8F},
    {"DARKSLATEBLUE", 0x483D8B}, {"DARKSLATEGRAY", 0x2F4F4F}, {"DARKSPRINGGREEN", 0x177245},
    {"DARKTAN", 0x918151}, {"DARKTANGERINE", 0xFFA812}, {"DARKTEAGREEN", 0xBADBAD},
    {"DARKTERRACOTTA", 0xCC4E5C}, {"DARKTURQUOISE", 0x00CED1}, {"DARKVIOLET", 0x9400D3},
    {"DEEPPINK", 0xFF1493}, {"DEEPSKYBLUE", 0x00BFFF}, {"DENIM", 0x1560BD},
    {"DIMGRAY", 0x696969}, {"DODGERBLUE", 0x1E90FF}, {"EMERALD", 0x50C878},
    {"EGGPLANT", 0x990066}, {"FERNGREEN", 0x4F7942}, {"FIREBRICK", 0xB22222},
    {"FLAX", 0xEEDC82}, {"FLORALWHITE", 0xFFFAF0}, {"FORESTGREEN", 0x228B22},
    {"FRACTAL", 0x808080}, {"FUCHSIA", 0xF400A1}, {"GAINSBORO", 0xDCDCDC},
    {"GAMBOGE", 0xE49B0F}, {"GHOSTWHITE", 0xF8F8FF}, {"GOLD", 0xFFD700},
    {"GOLDENROD", 0xDAA520}, {"GRAY", 0x7E7E7E}, {"GRAYASPARAGUS", 0x465945},
    {"GRAYTEAGREEN", 0xCADABA}, {"GREEN", 0x008000}, {"GREENYELLOW", 0xADFF2F},
    {"HELIOTROPE", 0xDF73FF}, {"HONEYDEW", 0xF0FFF0}, {"HOTPINK", 0xFF69B4},
    {"INDIANRED", 0xCD5C5C}, {"INDIGO", 0x4B0082}, {"INTERNATIONALKLEINBLUE", 0x002FA7},
    {"INTERNATIONALORANGE", 0xFF4F00}, {"IVORY", 0xFFFFF0}, {"JADE", 0x00A86B},
    {"KHAKI", 0xF0E68C}, {"LAVENDER", 0xE6E6FA}, {"LAVENDERBLUSH", 0xFFF0F5},
    {"LAWNGREEN", 0x7CFC00}, {"LEMON", 0xFDE910}, {"LEMONCHIFFON", 0xFFFACD},
    {"LIGHTBLUE", 0xADD8E6}, {"LIGHTBROWN", 0xD2B48C}, {"LIGHTCORAL", 0xF08080},
    {"LIGHTCYAN", 0xE0FFFF}, {"LIGHTGOLDENRODYELLOW", 0xFAFAD2}, {"LIGHTGRAY", 0xA8A8A8},
    {"LIGHTGREEN", 0x90EE90}, {"LIGHTMAGENTA", 0xFF80FF}, {"LIGHTPINK", 0xFFB6C1},
    {"LIGHTRED", 0xFF8080}, {"LIGHTSALMON", 0xFFA07A}, {"LIGHTSEAGREEN", 0x20B2AA},
    {"LIGHTSKYBLUE", 0x87CEFA}, {"LIGHTSLATEGRAY", 0x778899}, {"LIGHTSTEELBLUE", 0xB0C4DE},
    {"LIGHTYELLOW", 0xFFFFE0}, {"LILAC", 0xC8A2C8}, {"LIME", 0x00FF00},
    {"LIMEGREEN", 0x32CD32}, {"LINEN", 0xFAF0E6}, {"MAGENTA", 0xFF00FF},
    {"MALACHITE", 0x0BDA51}, {"MAROON", 0x800000}, {"MAUVE", 0xE0B0FF},
    {"MEDIUMAQUAMARINE", 0x66CDAA}, {"MEDIUMBLUE", 0x0000CD}, {"MEDIUMORCHID", 0xBA55D3},
    {"MEDIUMPURPLE", 0x9370DB}, {"MEDIUMSEAGREEN", 0x3CB371}, {"MEDIUMSLATEBLUE", 0x7B68EE},
    {"MEDIUMSPRINGGREEN", 0x00FA9A}, {"MEDIUMTURQUOISE", 0x48D1CC},
    {"MEDIUMVIOLETRED", 0xC71585}, {"MIDNIGHTBLUE", 0x191970}, {"MINTCREAM", 0xF5FFFA},
    {"MISTYROSE", 0xFFE4E1}, {"MOCCASIN", 0xFFE4B5}, {"MONEYGREEN", 0xC0DCC0},
    {"MONZA", 0xC7031E}, {"MOSSGREEN", 0xADDFAD}, {"MOUNTBATTENPINK", 0x997A8D},
    {"MUSTARD", 0xFFDB58}, {"NAVAJOWHITE", 0xFFDEAD}, {"NAVY", 0x000080}, {"OCHRE", 0xCC7722},
    {"OLDGOLD", 0xCFB53B}, {"OLDLACE", 0xFDF5E6}, {"OLIVE", 0x808000}, {"OLIVEDRAB", 0x6B8E23},
    {"ORANGE", 0xFFA500}, {"ORANGERED", 0xFF4500}, {"ORCHID", 0xDA70D6},
    {"PALEBROWN", 0x987654}, {"PALECARMINE", 0xAF4035}, {"PALECHESTNUT", 0xDDADAF},
    {"PALECORNFLOWERBLUE", 0xABCDEF}, {"PALEGOLDENROD", 0xEEE8AA}, {"PALEGREEN", 0x98FB98},
    {"PALEMAGENTA", 0xF984E5}, {"PALEMAUVE", 0x996666}, {"PALEPINK", 0xFADADD},
    {"PALESANDYBROWN", 0xDABDAB}, {"PALETURQUOISE", 0xAFEEEE}, {"PALEVIOLETRED", 0xDB7093},
    {"PAPAYAWHIP", 0xFFEFD5}, {"PASTELGREEN", 0x77DD77}, {"PASTELPINK", 0xFFD1DC},
    {"PEACH", 0xFFE5B4}, {"PEACHORANGE", 0xFFCC99}, {"PEACHPUFF", 0xFFDAB9},
    {"PEACHYELLOW", 0xFADFAD}, {"PEAR", 0xD1E231}, {"PERIWINKLE", 0xCCCCFF},
    {"PERSIANBLUE", 0x6600FF}, {"PERU", 0xCD853F}, {"PINEGREEN", 0x01796F}, {"PINK", 0xFFC0CB},
    {"PINKORANGE", 0xFF9966}, {"PLUM", 0xDDA0DD}, {"POWDERBLUE", 0xB0E0E6},
    {"PRUSSIANBLUE", 0x003153}, {"PUCE", 0xCC8899}, {"PUMPKIN", 0xFF7518},
    {"PURPLE", 0x800080}, {"RAWUMBER", 0x734A12}, {"RED", 0xFF0000}, {"REEF", 0xC9FFA2},
    {"ROBINEGGBLUE", 0x00CCCC}, {"ROSYBROWN", 0xBC8F8F}, {"ROYALBLUE", 0x4169E1},
    {"RUSSET", 0x80461B}, {"RUST", 0xB7410E}, {"SADDLEBROWN", 0x8B4513}, {"SAFFRON", 0xF4C430},
    {"SALMON", 0xFA8072}, {"SANDYBROWN", 0xF4A460}, {"SANGRIA", 0x92000A},
    {"SAPPHIRE", 0x082567}, {"SCARLET", 0xFF2400}, {"SCHOOLBUSYELLOW", 0xFFD800},
    {"SEAGREEN", 0x2E8B57}, {"SEASHELL", 0xFFF5EE}, {"SELECTIVEYELLOW", 0xFFBA00},
    {"SEPIA", 0x704214}, {"SIENNA", 0xA0522D}, {"SILVER", 0xC0C0C0}, {"SKYBLUE", 0x87CEEB},
    {"SLATEBLUE", 0x6A5ACD}, {"SLATEGRAY", 0x708090}, {"SNOW", 0xFFFAFA},
    {"SPRINGGREEN", 0x00FF7F}, {"STEELBLUE", 0x4682B4}, {"SWAMPGREEN", 0xACB78E},
    {"TAUPE", 0xBC987E}, {"TANGERINE", 0xFFCC00}, {"TEAL", 0x008080}, {"TEAGREEN", 0xD0F0C0},
    {"TENNE", 0xCD5700}, {"TERRACOTTA", 0xE2725B}, {"THISTLE", 0xD8BFD8}, {"TOMATO", 0xFF6347},
    {"TURQUOISE", 0x40E0D0}, {"ULTRAMARINE", 0x120A8F}, {"VERMILION", 0xFF4D00},
    {"VIOLET", 0xEE82EE}, {"VIOLETEGGPLANT", 0x991199}, {"VIRIDIAN", 0x40826D},
    {"WHEAT", 0xF5DEB3}, {"WHITE", 0xFFFFFF}, {"WHITESMOKE", 0xF5F5F5},
    {"WISTERIA", 0xC9A0DC}, {"YELLOW", 0xFFFF00}, {"YELLOWGREEN", 0x9ACD32},
    {"ZINNWALDITE", 0xEBC2AF},
};

}  // namespace

std::uint32_t DefaultPalette(int entry) {
  static const std::array<std::uint32_t, 256> pal = BuildPalette();
  return pal[static_cast<unsigned>(entry) & 0xFF];
}

std::uint32_t NamedColorRgb(int index) { return kNamed[static_cast<unsigned>(index) & 0xFF].rgb; }
const char* NamedColorName(int index) { return kNamed[static_cast<unsigned>(index) & 0xFF].name; }

// Nearest by squared RGB distance; ties go to the lowest entry. Only the
// first `entries` entries are candidates (the palette size of the driver).
int NearestPaletteEntry(std::uint32_t rgb, int entries) {
  int best = 0;
  long bestD = -1;
  for (int i = 0; i < entries && i < 256; ++i) {
    std::uint32_t p = DefaultPalette(i);
    long dr = long(p >> 16 & 0xFF) - long(rgb >> 16 & 0xFF);
    long dg = long(p >> 8 & 0xFF) - long(rgb >> 8 & 0xFF);
    long db = long(p & 0xFF) - long(rgb & 0xFF);
    long d = dr * dr + dg * dg + db * db;
    if (bestD < 0 || d < bestD) {
      bestD = d;
      best = i;
    }
  }
  return best;
}

}  // namespace graph
