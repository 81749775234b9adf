// ResetAllModules: every module's reset puts each of its globals back to the
// value it had when the program started, so that no test sees another's
// state (and every staff screen starts as the kiosk does).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "editors/editnot.h"
#include "editors/mapedit.h"
#include "editors/prodfile.h"
#include "editors/prodfile_editor.h"
#include "editors/prodfile_shelf.h"
#include "isam/dberrors.h"
#include "isam/glue.h"
#include "isam/isam.h"
#include "map/editzone.h"
#include "map/help1.h"
#include "map/locate.h"
#include "map/mapfile.h"
#include "map/render.h"
#include "map/storedc.h"
#include "map/zones.h"
#include "screen/primitives.h"
#include "screen/quesans2.h"
#include "screen/secalc4.h"
#include "screen/writescreen.h"
#include "shell/cfgfiles.h"
#include "shell/editcfg.h"
#include "shell/langs.h"
#include "shell/mainloop.h"
#include "tests/testing/kiosk_fixture.h"

namespace {

struct Global {
  const char* name;
  void* at;
  std::size_t size;
};

template <typename T>
Global Make(const char* name, T& var) {
  static_assert(std::is_trivially_copyable_v<T>, "globals are compared byte by byte");
  return {name, &var, sizeof var};
}
#define G(var) Make(#var, var)

// Every plain global of the kiosk's modules (hooks and catalogue states are
// checked on their own below).
const std::vector<Global>& Globals() {
  static const std::vector<Global> globals = {
      G(screen::MAXX),
      G(screen::MAXY),
      G(screen::CH),
      G(screen::KEY_WAS_CODE),
      G(screen::ANS),
      G(screen::VALANS),
      G(screen::EDITOR_FLAG),
      G(screen::LANGUAGE2),
      G(screen::LANG_FLAG),
      G(screen::TEMP),
      G(screen::PROMPT),
      G(screen::ENTRY_TYPE),
      G(screen::MAXLEN),
      G(screen::MINLEN),
      G(screen::MAXVAL),
      G(screen::MINVAL),
      G(screen::NUM),
      G(screen::NAMEADDR),
      G(screen::PASS1),
      G(screen::LANGG),
      G(screen::QUAD),
      G(screen::ST),
      G(screen::LW),
      G(screen::P1),
      G(screen::SHOW_GRID),
      G(quesans2::QUESTION),
      G(quesans2::SCREEN_LABEL),
      G(quesans2::QUESTION_COLOR),
      G(quesans2::LABEL_X),
      G(quesans2::LABEL_Y),
      G(quesans2::ANS_XI),
      G(quesans2::ANS_X),
      G(quesans2::LABEL_COLOR),
      G(quesans2::ANS_TYPE),
      G(quesans2::ANS_COLOR),
      G(quesans2::LOW_LIMIT),
      G(quesans2::UP_LIMIT),
      G(quesans2::MIN_LEN_STR),
      G(quesans2::MAX_LEN_STR),
      G(quesans2::PASS_BACK),
      G(quesans2::PASS_TO),
      G(quesans2::PASS_PARAMETER),
      G(quesans2::RIGHT_JUSTIFY),
      G(quesans2::FONT_SIZE_LABEL),
      G(quesans2::FONT_SIZEA),
      G(quesans2::BIU),
      G(quesans2::ALPHANUMERIC),
      G(quesans2::IFALPHA),
      G(quesans2::ANSL),
      G(quesans2::ANSR),
      G(quesans2::ANSWER),
      G(quesans2::CURSORP),
      G(quesans2::MAXIMUM_LENGTH),
      G(quesans2::TAB_LENGTH),
      G(quesans2::A1),
      G(quesans2::DISPLAYL),
      G(quesans2::DISPLAYA),
      G(quesans2::LABEL_FONT),
      G(quesans2::LABEL_FONT2),
      G(quesans2::LANG_FLAG),
      G(quesans2::ENDED_EARLY),
      G(secalc4::TOTAL),
      G(secalc4::NUMBER),
      G(secalc4::MEMORY1),
      G(secalc4::NUM1),
      G(secalc4::TNUM),
      G(secalc4::DISPLAYSTRING),
      G(secalc4::TOTALS),
      G(secalc4::INP),
      G(secalc4::OLDINP),
      G(secalc4::PREVPREVINP),
      G(secalc4::LASTOPERATOR),
      G(secalc4::NEGATIVE),
      G(secalc4::DECIMALUSED),
      G(secalc4::ERROR),
      G(writescreen::FOOTERSS),
      G(writescreen::HEADERSS),
      G(writescreen::SCREEN1),
      G(writescreen::SCREEN2),
      G(writescreen::SCREEN3),
      G(writescreen::Q_COLOR),
      G(writescreen::LABELX),
      G(writescreen::LABEL_FONT_SIZE),
      G(writescreen::LABELFNT),
      G(writescreen::ANSCOL),
      G(writescreen::ANSX),
      G(writescreen::ANSY),
      G(writescreen::ANSFNT),
      G(writescreen::ANSANG),
      G(writescreen::ANSCARW),
      G(writescreen::ANSH),
      G(writescreen::ANSHORALIGN),
      G(writescreen::ANSVERALIGN),
      G(writescreen::ANSMINLEN),
      G(writescreen::ANSMAXLEN),
      G(writescreen::ANSMINVAL),
      G(writescreen::ANSMAXVAL),
      G(writescreen::A_COLOR),
      G(writescreen::A_X),
      G(writescreen::A_Y),
      G(writescreen::A_FONT),
      G(writescreen::A_FONT_ANGLE),
      G(writescreen::A_FONT_WIDTH),
      G(writescreen::ANSWER_FONT_SIZE),
      G(writescreen::A_MIN_ENTRYN),
      G(writescreen::A_MAX_ENTRYN),
      G(writescreen::A_BIU),
      G(writescreen::A_MIN_ENTRYAN),
      G(writescreen::A_MAX_ENTRYAN),
      G(writescreen::A_MAX_LENGTHAN),
      G(writescreen::A_MIN_LENGTHAN),
      G(writescreen::A_ANS_TYPEAN),
      G(writescreen::A_QUESTION),
      G(writescreen::P1),
      G(writescreen::TA),
      G(writescreen::ANS2),
      G(cfgfiles::WHEREISX),
      G(cfgfiles::WHEREISY),
      G(cfgfiles::FLOORX),
      G(cfgfiles::FLIMITI),
      G(cfgfiles::NOOFFLOORS),
      G(cfgfiles::LANG),
      G(cfgfiles::WHEREXS),
      G(cfgfiles::WHEREYS),
      G(cfgfiles::FLOORXS),
      G(cfgfiles::MACHINENO),
      G(cfgfiles::LANGS),
      G(cfgfiles::FLIMITS),
      G(cfgfiles::EXCLUDE),
      G(cfgfiles::NOOFFLOORSS),
      G(cfgfiles::STORENAME),
      G(cfgfiles::STORECITY),
      G(cfgfiles::STORESTREET),
      G(cfgfiles::STORESTATE),
      G(cfgfiles::SIMPLEPW),
      G(cfgfiles::STRONGPW),
      G(cfgfiles::XFOUND),
      G(cfgfiles::YFOUND),
      G(cfgfiles::TEST_FLAG),
      G(cfgfiles::FLOOR1),
      G(cfgfiles::FLOOR),
      G(cfgfiles::CFLOOR),
      G(cfgfiles::REKEY_FLAG),
      G(cfgfiles::HFLAG),
      G(cfgfiles::MOVE_FLAG),
      G(cfgfiles::XORRIG),
      G(cfgfiles::YORRIG),
      G(cfgfiles::NXORRIG),
      G(cfgfiles::NYORRIG),
      G(cfgfiles::NY2ORRIG),
      G(cfgfiles::AORRIG),
      G(cfgfiles::NAORRIG),
      G(editcfg::WHEREXS),
      G(editcfg::WHEREYS),
      G(editcfg::FLOORXS),
      G(editcfg::MACHINENO),
      G(editcfg::LANGUAGE),
      G(editcfg::FLIMITS),
      G(editcfg::EXCLUDE),
      G(editcfg::NOOFFLOORSS),
      G(editcfg::STORENAME),
      G(editcfg::STORESTREET),
      G(editcfg::STORECITY),
      G(editcfg::STORESTATE),
      G(editcfg::SIMPLEPW),
      G(editcfg::STRONGPW),
      G(editcfg::ANSS),
      G(editcfg::PMPT),
      G(editcfg::CHH),
      G(editcfg::PASSIT),
      G(langs::A),
      G(langs::IOSTATUS),
      G(shell::CHM),
      G(shell::STORENAME),
      G(shell::STORESTREET),
      G(shell::STORECITY),
      G(shell::STORESTATE),
      G(dberrors::IsamErrorText),
      G(dberrors::IsamEMessage),
      G(editprod::PRODUCT),
      G(editprod::PRODUCT2),
      G(editprod::OUTSTR),
      G(editprod::REC_FOUND),
      G(editprod::CNT1),
      G(editprod::REC),
      G(editprod::PKEY1),
      G(editprod::DD),
      G(editprod::NOTSAVE),
      G(editprod::COUNTLOOP),
      G(editnot::NOTFOUND),
      G(editnot::MACHINENO),
      G(editmap::SHELF),
      G(editmap::SHELF2),
      G(editmap::ORIGSHELF),
      G(editmap::NEWSHELF),
      G(editmap::OUTSTR),
      G(editmap::REC_FOUND),
      G(editmap::CNT1),
      G(editmap::DD),
      G(editmap::REC),
      G(editmap::SAVEIT),
      G(editmap::FIRST_FLAG),
      G(editmap::REKEY_FLAG),
      G(editmap::NAMEX),
      G(editmap::OCOLOR),
      G(editmap::OSIZE),
      G(editmap::COLOR_FLAG),
      G(editmap::COUNTLOOP),
      G(zones::SHELFVAR),
      G(zones::NUMOFZONES),
      G(zones::ZONE),
      G(zones::ZOOM),
      G(zones::OFFSETX),
      G(zones::OFFSETY),
      G(zones::ZONEHIGHLIMITY),
      G(zones::ZONEHIGHLIMITX),
      G(zones::ZONELOWLIMITY),
      G(zones::ZONELOWLIMITX),
      G(zones::OFFSETX_CIRCLES),
      G(zones::OFFSETY_CIRCLES),
      G(zones::TARGETMINY),
      G(zones::X_OFFSETX),
      G(zones::X_OFFSETY),
      G(zones::TARGETMINX),
      G(zones::TARGETMAXY),
      G(zones::TARGETMAXX),
      G(zones::LABELOFFSETX),
      G(zones::LABELOFFSETY),
      G(mapview::CHANGEZONE),
      G(mapview::FLOOR),
      G(mapview::PSHELVES),
      G(mapview::PGRID),
      G(mapview::PLABEL),
      G(mapview::SNAMEX),
      G(mapview::FLG),
      G(mapview::F1),
      G(mapview::FG),
      G(mapview::PICKREC),
      G(mapview::PICKED),
      G(mapview::IX),
      G(mapview::IY),
      G(mapview::BL1),
      G(mapview::BW1),
      G(mapview::BAN),
      G(mapview::I2),
      G(mapview::I3),
      G(mapview::I4),
      G(mapview::I5),
      G(mapview::I6),
      G(mapview::FLH),
      G(mapview::SFLOOR),
      G(dispmap::CFLOOR),
      G(dispmap::FLOOR1),
      G(dispmap::OFLOOR),
      G(dispmap::TEST_FLAG),
      G(dispmap::ZOOM_FLAG),
      G(dispmap::PON),
      G(dispmap::CQI),
      G(dispmap::WAIT_MENU),
      G(dispmap::ZOOM_MENU),
      G(storedc::PKEY1),
      G(storedc::REC_FOUND),
      G(storedc::CNT1),
      G(storedc::DD),
      G(storedc::EXCLUDES),
      G(storedc::STORENAME),
      G(storedc::STORESTREET),
      G(storedc::STORECITY),
      G(storedc::STORESTATE),
      G(storedc::PRODUCT),
      G(storedc::FLOOR),
      G(storedc::CFLOOR),
      G(storedc::SUPPRESS),
      G(storedc::NOTFOUNDWORD),
      G(editzone::ZONES),
      G(editzone::LINES),
      G(editzone::NUMOFZONES2),
      G(editzone::ZONE),
      G(editzone::LAYOUTZ),
      G(editzone::FIELD),
      G(help1::SHELF),
      G(isam::IsamOK),
      G(isam::IsamError),
      G(isam::IsamDOSError),
      G(isam::IsamDOSFunc),
  };
  return globals;
}

std::vector<std::string> startValues;

std::string Bytes(const Global& g) { return std::string(static_cast<const char*>(g.at), g.size); }

// Taken once every static initialisation has run and before any test.
class StartValues : public ::testing::Environment {
 public:
  void SetUp() override {
    for (const Global& g : Globals()) startValues.push_back(Bytes(g));
  }
};
[[maybe_unused]] const auto* const kStartValues =
    ::testing::AddGlobalTestEnvironment(new StartValues);

TEST(ResetAllModules, EveryGlobalGoesBackToItsStartValue) {
  ASSERT_EQ(startValues.size(), Globals().size());
  for (const Global& g : Globals()) std::memset(g.at, 0x5A, g.size);
  shell::StoreDirHook = shell::EditShelvesHook = shell::EditProdHook = shell::EditNotHook =
      shell::GuideHook = [] {};
  langs::EditConfigHook = [] {};
  langs::GetPasswordHook = [](std::int32_t) { return true; };
  langs::EditZonesHook = [](std::int32_t) {};
  storedc::DISPLAYMAP2 = [](std::int32_t, std::int32_t, std::int32_t, double, double) {
    return true;
  };
  glue::PROGRESS = [](int, int, int, int, int, int) {};
  editprod::HideShelfElementHook = editprod::UnhideShelfElementHook = [](std::string_view) {};
  editprod::PRODFILE.SMAXREC = editmap::MAPFILE.SMAXREC = editnot::NOTFILE.SMAXREC = 77;

  kiosk_test::ResetAllModules();

  for (std::size_t i = 0; i < Globals().size(); ++i)
    EXPECT_TRUE(Bytes(Globals()[i]) == startValues[i]) << Globals()[i].name << " is not reset";
  EXPECT_FALSE(shell::StoreDirHook || shell::EditShelvesHook || shell::EditProdHook ||
               shell::EditNotHook || shell::GuideHook);
  EXPECT_FALSE(langs::EditConfigHook || langs::GetPasswordHook || langs::EditZonesHook);
  using DisplayFn = bool (*)(std::int32_t, std::int32_t, std::int32_t, double, double);
  ASSERT_NE(storedc::DISPLAYMAP2.target<DisplayFn>(), nullptr);
  EXPECT_EQ(*storedc::DISPLAYMAP2.target<DisplayFn>(), &dispmap::DISPLAYMAP2);
  EXPECT_FALSE(glue::PROGRESS);
  EXPECT_FALSE(editprod::HideShelfElementHook || editprod::UnhideShelfElementHook);
  EXPECT_EQ(editprod::PRODFILE.SMAXREC, 0);
  EXPECT_EQ(editmap::MAPFILE.SMAXREC, 0);
  EXPECT_EQ(editnot::NOTFILE.SMAXREC, 0);
}

}  // namespace
