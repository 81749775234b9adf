#include "screen/keys.h"
#include "tests/screen/primitives_fixture.h"

using namespace screen;
using namespace primitives_test;

TEST_F(PrimitivesTest, KeysFoldIntoOneCode) {
  graph::PushChar('a');
  EXPECT_EQ(ONKEY(), 'a');
  EXPECT_EQ(CH, 'a');
  EXPECT_EQ(ANS, "a");
  EXPECT_EQ(VALANS, 'a');

  graph::PushCode(72);  // up
  EXPECT_EQ(static_cast<unsigned char>(ONKEY()), screen::key::kUp);
  EXPECT_EQ(VALANS, screen::key::kUp);
  EXPECT_EQ(ANS.size(), 1u);
  EXPECT_EQ(static_cast<unsigned char>(ANS[0]), 200);

  graph::PushCode(12);  // Pause
  ONKEY();
  EXPECT_EQ(VALANS, screen::key::kPause);
  graph::PushCode(59);  // F1
  ONKEY();
  EXPECT_EQ(VALANS, screen::key::kF1);
  graph::PushChar(27);
  ONKEY();
  EXPECT_EQ(VALANS, screen::key::kEscape);
  // Code 128 folds to 0 and is passed over.
  graph::PushCode(128);
  graph::PushChar(13);
  EXPECT_EQ(ONKEY(), 13);
  EXPECT_FALSE(graph::KeyPressed());
}
