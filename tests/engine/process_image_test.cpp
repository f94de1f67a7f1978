#include "engine/core/process_image.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>
#include <utility>

#include "engine/core/block_keys.h"
#include "engine/screen/screen_items.h"

namespace tessaro {
namespace {

TEST(ProcessImage, StartsZeroFilled) {
  ProcessImage image;
  for (int r = 0; r <= kRows + 1; ++r) {
    for (int c = 1; c <= kColumns; ++c) {
      EXPECT_EQ(image.OutRight[r][c], 0);
      EXPECT_EQ(image.OutUp[r][c], 0);
      EXPECT_EQ(image.OutDown[r][c], 0);
      if (r >= 1 && r <= kRows) {
        EXPECT_TRUE(IsEmptyKey(image.FieldGrid[r][c]));
      }
    }
  }
  EXPECT_EQ(image.ScanPhase, 0);
  EXPECT_EQ(image.RangeUnit[17], "");
  EXPECT_EQ(image.ItemVisible[47], 0);
}

TEST(ProcessImage, EmptyTextAndLeegAreBothEmpty) {
  EXPECT_TRUE(IsEmptyKey(""));
  EXPECT_TRUE(IsEmptyKey("Leeg"));
  EXPECT_FALSE(IsEmptyKey("leeg"));  // keys are case-sensitive
  EXPECT_FALSE(IsEmptyKey("AND1"));
}

TEST(ProcessImage, InputsOfAFieldReadTheNeighboursEdges) {
  ProcessImage image;
  image.OutRight[5][2] = 11;
  image.OutDown[4][3] = 22;
  image.OutUp[6][3] = 33;
  EXPECT_EQ(LeftInput(image, 5, 3), 11);
  EXPECT_EQ(UpperInput(image, 5, 3), 22);
  EXPECT_EQ(LowerInput(image, 5, 3), 33);
  // The margin rows make row 1 read 0 from above and row 16 read 0 from below.
  EXPECT_EQ(UpperInput(image, 1, 3), 0);
  EXPECT_EQ(LowerInput(image, 16, 3), 0);
}

TEST(StartupDefaults, ControllersStartInHandWithTheirSettings) {
  ProcessImage image;
  ApplyStartupDefaults(image);
  EXPECT_EQ(image.ScanPhase, 1);
  EXPECT_EQ(image.LogicsOpen, 0);
  for (int n = 1; n <= 3; ++n) {
    const PidState& pid = image.Pid[n];
    EXPECT_EQ(pid.Mode, "hand");
    EXPECT_EQ(pid.ViewSize, "klein");
    EXPECT_EQ(pid.Pb, 100.0);
    EXPECT_EQ(pid.Ti, 60.0);
    EXPECT_EQ(pid.ITerm, 50.0);
    EXPECT_EQ(pid.OutMax, 100.0);
    EXPECT_EQ(pid.OutMin, 0.0);
    EXPECT_EQ(pid.Td, 0.0);
    EXPECT_EQ(pid.PidAction, 1);
    EXPECT_EQ(pid.Sp, 0.0);
    EXPECT_EQ(pid.Out, 0.0);
  }
  for (int n = 4; n <= 6; ++n) {
    EXPECT_EQ(image.Step[n].Mode, "hand");
    EXPECT_EQ(image.Step[n].ViewSize, "klein");
  }
  for (int n = 7; n <= 9; ++n) {
    EXPECT_EQ(image.OnOff[n].Mode, "hand");
    EXPECT_EQ(image.OnOff[n].Gap, 10);
  }
}

// Until a controller's first cycle its faceplate shows the tags where the window has them:
// at the foot of the scale (216), two pixels above where 0 % would put them.
TEST(StartupDefaults, FaceplateTagsStartAtTheFootOfTheScale) {
  ProcessImage image;
  ApplyStartupDefaults(image);
  auto at_foot = [](const Tag& tag, bool visible) {
    return tag.top == 216 && tag.text.empty() && tag.visible == visible;
  };
  for (int n = 1; n <= 3; ++n) {
    const PidState& pid = image.Pid[n];
    EXPECT_TRUE(at_foot(pid.OpTag, true) && at_foot(pid.PvTag, true)) << n;
    EXPECT_TRUE(at_foot(pid.SpTag, false)) << n;
  }
  for (int n = 4; n <= 6; ++n) {
    EXPECT_TRUE(at_foot(image.Step[n].SpTag, true) && at_foot(image.Step[n].PvTag, true)) << n;
  }
  for (int n = 7; n <= 9; ++n) {
    EXPECT_TRUE(at_foot(image.OnOff[n].SpTag, true) && at_foot(image.OnOff[n].PvTag, true)) << n;
  }
}

TEST(StartupDefaults, ItemPositionsFollowTheirGroups) {
  ProcessImage image;
  ApplyStartupDefaults(image);
  struct Expect {
    const char* key;
    int left, top;
  };
  for (const Expect& e :
       {Expect{"Rec1", 900, 50}, Expect{"Rec8", 900, 400}, Expect{"A1in", 25, 200},
        Expect{"A8in", 25, 550}, Expect{"D5in", 100, 400}, Expect{"Spin1", 200, 130},
        Expect{"Spin5", 600, 130}, Expect{"D6uit", 700, 450}, Expect{"Reg1", 1060, 50},
        Expect{"Reg6", 1060, 300}, Expect{"Knop6", 216, 450}, Expect{"Reg7", 440, 210},
        Expect{"Reg9", 440, 290}}) {
    const int i = ItemIndex(e.key);
    ASSERT_GE(i, 0) << e.key;
    EXPECT_EQ(image.ItemLeft[i], e.left) << e.key;
    EXPECT_EQ(image.ItemTop[i], e.top) << e.key;
    EXPECT_EQ(image.ItemVisible[i], 0) << e.key;
  }
  // The spare entry belongs to no item and stays 0.
  EXPECT_EQ(image.ItemLeft[47], 0);
  EXPECT_EQ(image.ItemTop[47], 0);
}

TEST(ScreenItems, KeysAndIndexesAgree) {
  EXPECT_EQ(ItemIndex("Rec1"), 0);
  EXPECT_EQ(ItemIndex("A1in"), 8);
  EXPECT_EQ(ItemIndex("Knop1"), 38);
  EXPECT_EQ(ItemIndex("Reg9"), 46);
  EXPECT_EQ(ItemIndex("reg9"), -1);
  EXPECT_EQ(ItemIndexOf(ItemKind::ControllerLabel, 7), 44);
  EXPECT_EQ(ItemIndexOf(ItemKind::PushButton, 3), 40);
  EXPECT_EQ(ScreenItems()[44].control, "Label24");
}

TEST(BlockKeys, EachPaletteOffersItsOwnKeys) {
  EXPECT_TRUE(PaletteOffers(Palette::Input, "Sinus"));
  EXPECT_TRUE(PaletteOffers(Palette::Processing, "Flipflop"));
  EXPECT_FALSE(PaletteOffers(Palette::Processing, "FlipFlop"));
  EXPECT_TRUE(PaletteOffers(Palette::Output, "D6uit"));
  EXPECT_FALSE(PaletteOffers(Palette::Output, "D7uit"));
  for (Palette p : {Palette::Input, Palette::Processing, Palette::Output}) {
    EXPECT_TRUE(PaletteOffers(p, "Leeg"));
  }
  // One entry per knob, board input, screen button, recorder and controller, and every key
  // offered once by its palette ("Leeg" once by each).
  const auto offered = [](Palette p, std::string_view prefix) {
    int n = 0;
    for (const auto& info : BlockKeys()) n += info.palette == p && info.key.starts_with(prefix);
    return n;
  };
  EXPECT_EQ(offered(Palette::Input, "Spin"), kValueKnobs);
  EXPECT_EQ(offered(Palette::Input, "Knop"), kScreenButtons);
  EXPECT_EQ(offered(Palette::Input, "A"), kAnalogInputs);
  EXPECT_EQ(offered(Palette::Processing, "Rec"), kRecorders);
  EXPECT_EQ(offered(Palette::Processing, "Reg"), kRangeSlots - kRecorders);
  EXPECT_EQ(offered(Palette::Processing, "Draad"), 13);
  EXPECT_EQ(offered(Palette::Output, "A"), 2);
  EXPECT_EQ(offered(Palette::Output, "D"), 6);
  std::set<std::pair<Palette, std::string_view>> distinct;
  for (const auto& info : BlockKeys()) EXPECT_TRUE(distinct.emplace(info.palette, info.key).second);
  EXPECT_EQ(PaletteForColumn(1), Palette::Input);
  EXPECT_EQ(PaletteForColumn(4), Palette::Processing);
  EXPECT_EQ(PaletteForColumn(7), Palette::Output);
}

}  // namespace
}  // namespace tessaro
