// The shopper's search: which products a word finds and in what order, the
// word shortening, the result limit, the browsing of the hits and the map
// hand-over, and the staff code.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "isam/errors.h"
#include "map/locate.h"
#include "screen/keys.h"
#include "storedc_fixture.h"

namespace {

const std::vector<std::string> kShop = {"BREAD", "EGGS",  "TEA",   "MILK",      "COFFEE",
                                        "SUGAR", "RICE",  "FLOUR", "BUTTERMILK"};

// What the location display was handed, one entry per call.
struct MapCall {
  std::string words;
  std::int32_t floor, productFloor, preset;
  double x, y;
  std::int32_t waitMenu = 0, zoomMenu = 0;  // the menu lines under the map
};
std::vector<MapCall> mapCalls;

bool RecordingDisplay(std::int32_t floor, std::int32_t productFloor, std::int32_t preset,
                      double x, double y) {
  mapCalls.push_back({storedc::PRODUCT.KLINE1.str(), floor, productFloor, preset, x, y,
                      dispmap::WAIT_MENU, dispmap::ZOOM_MENU});
  return true;
}

// A display that leaves the store ended, as one that started its own would.
bool StoreEndingDisplay(std::int32_t floor, std::int32_t productFloor, std::int32_t preset,
                        double x, double y) {
  RecordingDisplay(floor, productFloor, preset, x, y);
  isam::BTCloseAllFileBlocks();
  isam::BTExitIsam();
  return true;
}

// A display whose map file could not be opened.
bool FailingDisplay(std::int32_t floor, std::int32_t productFloor, std::int32_t preset, double x,
                    double y) {
  RecordingDisplay(floor, productFloor, preset, x, y);
  isam::IsamOK = false;
  isam::IsamError = isam::err::kFileNotFound;
  return false;
}

std::vector<std::string> Shown() {
  std::vector<std::string> words;
  for (const MapCall& c : mapCalls) words.push_back(c.words);
  return words;
}

class SearchWalkTest : public SearchTest {
 protected:
  void SetUp() override {
    SearchTest::SetUp();
    mapCalls.clear();
  }
  // Searches "milk", shows both hits on the map, leaves the hits and the
  // search.
  void ShowBothMilkHitsOnTheMap() {
    Keys("milk\r");
    Code(kF1);
    Code(kF1);
    Keys("C");
    Keys("~KKKVVV\r");
    storedc::STOREDIR1();
  }
};

TEST_F(SearchWalkTest, HitsComeInWordOrderAndCoverBothWordLines) {
  Products(kShop);
  OpenForSearch();
  EXPECT_EQ(storedc::FINDHITS("milk"), 2);
  EXPECT_EQ(Hits(), (std::vector<std::int32_t>{9, 4}));
  EXPECT_EQ(storedc::CNT1, 2);
  // Case does not matter, nor where in the words the text stands.
  EXPECT_EQ(storedc::FINDHITS("TTERm"), 1);
  EXPECT_EQ(Hits(), std::vector<std::int32_t>{9});
}

TEST_F(SearchWalkTest, DeletedProductsNeverListedHiddenOnesAre) {
  Products({"-MILK GONE", "~MILK STAFF", "MILK", "-OLD MILK"});
  OpenForSearch();
  EXPECT_EQ(storedc::FINDHITS("milk"), 2);
  EXPECT_EQ(Hits(), (std::vector<std::int32_t>{2, 1}));  // "MILK" sorts before "~MILK"
  EXPECT_EQ(storedc::SUPPRESS, 3);  // the hidden product matched
}

TEST_F(SearchWalkTest, ResultLimitKeepsOneMoreAndNeverOverrunsTheList) {
  WriteConfig("2", "");
  Products({"MILK A", "MILK B", "MILK C", "MILK D", "MILK E"});
  OpenForSearch();
  EXPECT_EQ(storedc::FINDHITS("milk"), 3);
  EXPECT_EQ(Hits(), (std::vector<std::int32_t>{1, 2, 3}));

  editprod::RELEASE();
  isam::ResetForTest();
  editprod::ResetForTest();
  std::filesystem::remove(folder_ / "data" / "products.DAT");
  std::filesystem::remove(folder_ / "data" / "products.IX");
  WriteConfig("500", "");
  std::vector<std::string> many;
  for (int i = 0; i < 120; ++i) many.push_back("MILK " + std::to_string(1000 + i));
  Products(many);
  OpenForSearch();
  EXPECT_EQ(storedc::HitLimit(), storedc::kMaxLimit);
  EXPECT_EQ(storedc::FINDHITS("milk"), storedc::kMaxLimit + 1);
  EXPECT_EQ(storedc::REC_FOUND[98], 99);
  EXPECT_EQ(storedc::REC_FOUND[99], 0);
  EXPECT_EQ(storedc::REC_FOUND[100], 0);
}

TEST_F(SearchWalkTest, WordIsShortenedUntilItFindsAndEndsWhenNothingIsLeft) {
  Products(kShop);
  OpenForSearch();
  EXPECT_EQ(storedc::FINDHITS("milkx"), 2);
  EXPECT_EQ(Hits(), (std::vector<std::int32_t>{9, 4}));
  EXPECT_EQ(storedc::FINDHITS("qqqqq"), 0);
  EXPECT_TRUE(Hits().empty());
  // Shortening stops at two letters: "mz" is in no product, and the "m"
  // that many share finds nothing on its own.
  EXPECT_EQ(storedc::FINDHITS("mzzz"), 0);
  EXPECT_TRUE(Hits().empty());
  EXPECT_EQ(storedc::FINDHITS("mix"), 2);  // "mi" of MILK and BUTTERMILK
}

TEST_F(SearchWalkTest, ShortenedWordTakesTheLongestStartEvenWhenShorterOnesFillUp) {
  WriteConfig("0", "");  // one hit per search
  Products({"MILD CHEESE", "FAMILY PACK", "MILK"});
  OpenForSearch();
  EXPECT_EQ(storedc::FINDHITS("milkqq"), 1);
  EXPECT_EQ(Hits(), std::vector<std::int32_t>{3});
  EXPECT_EQ(storedc::FINDHITS("mildew"), 1);
  EXPECT_EQ(Hits(), std::vector<std::int32_t>{1});
}

TEST_F(SearchWalkTest, BothWordLinesMatchWholeInAnyCase) {
  ASSERT_TRUE(editprod::SETUP());
  editprod::OPENITP();
  const char* lines[][2] = {
      {"SOY", "MILK"},
      {"CAF\xC9 AU LAIT", ""},  // Windows-1252 capital E acute
      {"AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA",
       "BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBTEAPOT"},  // past the key's 100 letters
      {"SOAP   ", ""},
  };
  for (const auto& l : lines) {
    editprod::CLEARIT();
    editprod::PRODUCT.KLINE1 = l[0];
    editprod::PRODUCT.KLINE1B = l[1];
    ASSERT_TRUE(editprod::NEWSTRUCTURE());
  }
  editprod::RELEASE();
  OpenForSearch();
  EXPECT_EQ(storedc::FINDHITS("ymil"), 1);
  EXPECT_EQ(Hits(), std::vector<std::int32_t>{1});
  EXPECT_EQ(storedc::FINDHITS("caf\xE9"), 1);
  EXPECT_EQ(Hits(), std::vector<std::int32_t>{2});
  EXPECT_EQ(storedc::WALK("teapot"), 1);
  EXPECT_EQ(storedc::WALK("oap  "), 1);
}

TEST_F(SearchWalkTest, EmptyProductFileFindsNothing) {
  Products({});
  OpenForSearch();
  EXPECT_EQ(storedc::FINDHITS("milk"), 0);
  EXPECT_TRUE(Hits().empty());
}

TEST(SearchWordTest, OnlyWordsOfTwoLettersWithoutStaffCodePartsAreSearched) {
  for (const char* word : {"", "m", "a~b", "xkKkx"}) EXPECT_FALSE(storedc::Searchable(word)) << word;
  for (const char* word : {"mi", "kk k"}) EXPECT_TRUE(storedc::Searchable(word)) << word;
  EXPECT_EQ(storedc::UpperText("caf\xE9 \xFF\x9C"), "CAF\xC9 \x9F\x8C");
}

// ---- The shopper loop on the screen ----

TEST_F(SearchWalkTest, BrowsingStaysOnTheEndsAndTheMapLeadsToTheNextHit) {
  Products(kShop);
  storedc::DISPLAYMAP2 = RecordingDisplay;
  Keys("milk\r");
  Code(kF1);   // BUTTERMILK; then MILK follows
  Code(kF1);   // MILK; the last hit stays
  Code(kF1);   // MILK
  Keys("B");   // BUTTERMILK
  Code(kF1);   // BUTTERMILK; then MILK
  Keys("BB");  // BUTTERMILK, and it stays
  Code(kF1);   // BUTTERMILK
  Keys("C");   // a new search
  Keys("~kkkvvv\r");
  storedc::STOREDIR1();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"BUTTERMILK", "MILK", "MILK", "BUTTERMILK",
                                               "BUTTERMILK"}));
  EXPECT_EQ(screen::VALANS, screen::key::kStaffLeft);
  EXPECT_EQ(screen::EDITOR_FLAG, 1);
  EXPECT_FALSE(isam::IsamIsInitialized());
  ASSERT_FALSE(mapCalls.empty());
  EXPECT_EQ(mapCalls[0].floor, 1);
  EXPECT_EQ(mapCalls[0].productFloor, 1);
  EXPECT_EQ(mapCalls[0].preset, 2);
  EXPECT_DOUBLE_EQ(mapCalls[0].x, 12.5);
  EXPECT_DOUBLE_EQ(mapCalls[0].y, 40);
  // Under the map the shopper reads that the next product follows; the
  // staff screens that show the map keep their own lines.
  EXPECT_EQ(mapCalls[0].waitMenu, dispmap::kShopperWaitMenu);
  EXPECT_EQ(mapCalls[0].zoomMenu, dispmap::kShopperZoomMenu);
  EXPECT_EQ(dispmap::WAIT_MENU, dispmap::kWaitMenu);
  EXPECT_EQ(dispmap::ZOOM_MENU, dispmap::kZoomMenu);
}

TEST_F(SearchWalkTest, ShortWordsAreAskedAgainAndEscapeStartsANewSearch) {
  Products(kShop);
  storedc::DISPLAYMAP2 = RecordingDisplay;
  Keys("m\r");
  Keys("t~\r");
  Keys("tea\r");
  Code(kF1);
  Keys("\x1b");
  Keys("eggs\r");
  Code(kF1);
  Keys("C");
  Keys("~KKKVVV\r");
  storedc::STOREDIR1();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"TEA", "EGGS"}));
  EXPECT_EQ(screen::VALANS, screen::key::kStaffLeft);
}

TEST_F(SearchWalkTest, SearchGoesOnWhenTheDisplayEndedTheStore) {
  Products(kShop);
  storedc::DISPLAYMAP2 = StoreEndingDisplay;
  ShowBothMilkHitsOnTheMap();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"BUTTERMILK", "MILK"}));
  EXPECT_FALSE(isam::IsamIsInitialized());
}

TEST_F(SearchWalkTest, DisplayFailureIsShownAndTheSearchGoesOn) {
  Products(kShop);
  std::vector<std::string> told;
  auto savedTell = editprod::PRODFILE.tell;
  editprod::PRODFILE.tell = [&told](std::string_view t) { told.emplace_back(t); };
  storedc::DISPLAYMAP2 = FailingDisplay;
  ShowBothMilkHitsOnTheMap();
  editprod::PRODFILE.tell = savedTell;
  EXPECT_EQ(Shown(), (std::vector<std::string>{"BUTTERMILK", "MILK"}));
  ASSERT_EQ(told.size(), 2u);
  EXPECT_NE(told[0].find("9903"), std::string::npos) << told[0];
}

TEST_F(SearchWalkTest, LanguageMenuFromAHitLeadsToANewSearch) {
  Products(kShop);
  storedc::DISPLAYMAP2 = RecordingDisplay;
  Keys("milk\r");
  Code(kF1);
  Code(kAltM);
  Keys("BB");  // change, to French; a new search follows
  Keys("tea\r");
  Code(kF1);
  Keys("C");
  Keys("~KKKVVV\r");
  storedc::STOREDIR1();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"BUTTERMILK", "TEA"}));
  EXPECT_EQ(screen::LANGUAGE2, 2);
}

// ---- Logging words not found ----

TEST_F(SearchWalkTest, WordMatchingNothingIsLoggedOnceWithMachineTimeAndDate) {
  // On the 1920 x 1080 screen the search form is laid out for.
  graph::CloseGraph();
  graph::UseHeadless(1920, 1080);
  screen::INIT(3, 12);
  Products({"~STAFF ONLY", "MILK"}, "HIDDEN");  // hidden and excluded, not matching
  storedc::DISPLAYMAP2 = RecordingDisplay;
  // The screen at every wait: the one held 5 seconds shows the message, the
  // one before it the search form alone.
  std::vector<std::uint8_t> form, message, last;
  std::int64_t lastTime = kiosk::clock::NowMs();
  kiosk::clock::SetVirtualSleepHook([&](std::int64_t now) {
    std::vector<std::uint8_t> screen = graph::ScreenRgb();
    if (now - lastTime == 5000 && message.empty()) {
      form = last;
      message = screen;
    }
    last = std::move(screen);
    lastTime = now;
  });
  Keys("zzzz\r");
  Keys("~KKKVVV\r");
  storedc::STOREDIR1();
  kiosk::clock::SetVirtualSleepHook(nullptr);
  ASSERT_FALSE(message.empty()) << "no 5 second wait";
  ASSERT_EQ(form.size(), message.size());
  // The message's pixels, and the form's texts within 12 pixels of them (a
  // line's spacing): the message has a line of its own.
  const int w = screen::MAXX + 1;
  int x1 = w, y1 = screen::MAXY, x2 = -1, y2 = -1, shown = 0;
  for (std::size_t i = 0; i + 2 < form.size(); i += 3) {
    if (std::equal(&form[i], &form[i] + 3, &message[i])) continue;
    const int x = static_cast<int>(i / 3) % w, y = static_cast<int>(i / 3) / w;
    x1 = std::min(x1, x), y1 = std::min(y1, y), x2 = std::max(x2, x), y2 = std::max(y2, y);
    ++shown;
  }
  ASSERT_GT(shown, 100) << "no message held for 5 seconds";
  EXPECT_LT(y2, screen::MAXY - 63) << "the message is on the prompt box";
  int formPixels = 0;
  for (int y = std::max(0, y1 - 12); y <= std::min(screen::MAXY - 64, y2 + 12); ++y)
    for (int x = std::max(0, x1 - 12); x <= std::min(w - 1, x2 + 12); ++x) {
      const std::uint8_t* p = &form[(static_cast<std::size_t>(y) * w + x) * 3];
      formPixels += (p[0] | p[1] | p[2]) != 0;
    }
  EXPECT_EQ(formPixels, 0) << "the message is drawn over the form at (" << x1 << ", " << y1
                           << ")-(" << x2 << ", " << y2 << ")";
  std::vector<editnot::NOTDEF> log = LogEntries();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].KLINE1, "zzzz");
  EXPECT_EQ(log[0].MACHINENO, "KIOSK-07");
  EXPECT_EQ(log[0].TIME, "2:5:9 PM   ");
  EXPECT_EQ(log[0].DATE, screen::GETDATE().view());
  EXPECT_TRUE(Shown().empty());
}

TEST_F(SearchWalkTest, SearchWithoutAnOpenProductFileLogsNothing) {
  storedc::SEARCHKEY2("zzzz", 1);
  EXPECT_FALSE(storedc::NOTFOUNDWORD);
  EXPECT_TRUE(Hits().empty());
  EXPECT_TRUE(LogEntries().empty());
}

TEST_F(SearchWalkTest, ShortenedWordIsLoggedAsTypedAndFoundWordsAreNot) {
  Products(kShop);
  storedc::DISPLAYMAP2 = RecordingDisplay;
  Keys("milkx\r");
  Code(kF1);  // the hits of "milk", read from the product file opened again
  Keys("C");
  Keys("milk\r");
  Keys("C");
  Keys("~KKKVVV\r");
  storedc::STOREDIR1();
  EXPECT_EQ(Shown(), std::vector<std::string>{"BUTTERMILK"});
  std::vector<editnot::NOTDEF> log = LogEntries();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].KLINE1, "milkx");
}

}  // namespace
