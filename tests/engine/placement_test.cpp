#include "engine/editor/placement.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine/core/block_table.h"
#include "engine/core/process_image.h"

namespace tessaro {
namespace {

class PlacementTest : public ::testing::Test {
 protected:
  PlacementResult Choose(int r, int c, Palette palette, const std::string& key,
                         const FieldPictureLoad& load = {}) {
    image.SelectedRow = r;
    image.SelectedColumn = c;
    return PlaceBlock(image, palette, key, load);
  }
  int32_t A(int r, int c) const { return image.FieldParamA[r][c]; }
  int32_t B(int r, int c) const { return image.FieldParamB[r][c]; }

  ProcessImage image;
};

TEST_F(PlacementTest, BlocksWithSettingsTakeTheEditorValues) {
  Choose(1, 2, Palette::Processing, "ADS");
  EXPECT_EQ(A(1, 2), 200);
  EXPECT_EQ(B(1, 2), 50);
  Choose(2, 2, Palette::Processing, "RR1");
  EXPECT_EQ(A(2, 2), 100);
  EXPECT_EQ(B(2, 2), 0);
  for (const char* key : {"Tup", "Taf", "Soff"}) {
    image.FieldParamB[3][4] = 7;
    Choose(3, 4, Palette::Processing, key);
    EXPECT_EQ(A(3, 4), 10) << key;
    EXPECT_EQ(B(3, 4), 7) << key;  // the running count is left alone
  }
  image.FieldParamA[4][5] = 5;
  const PlacementResult blinker = Choose(4, 5, Palette::Processing, "Blinker");
  EXPECT_EQ(B(4, 5), 10);
  EXPECT_EQ(A(4, 5), 0);
  EXPECT_TRUE(blinker.settings_copied);
  EXPECT_EQ(blinker.picture, "Velden/Blinker.bmp");
  EXPECT_TRUE(blinker.palette_closes);
  EXPECT_EQ(image.FieldGrid[4][5], "Blinker");
  EXPECT_EQ(image.ChosenKey, "Blinker");
}

TEST_F(PlacementTest, EachBlockCopiesItsOwnBoxes) {
  // A different value in every box, so a block reading a neighbour's box is seen.
  const std::array<int32_t, 10> boxes{0, 0, 0, 203, 54, 15, -60, 77, 18, 19};
  for (int n = 3; n <= 9; ++n) SetSpinEdit(image, n, boxes[static_cast<size_t>(n)]);
  struct Expected {
    const char* key;
    int32_t a, b;
  };
  const Expected expected[] = {{"ADS", 203, 54}, {"RR1", -60, 77}, {"Tup", 15, -1},
                               {"Taf", 15, -1},  {"Soff", 19, -1}, {"Blinker", 0, 18}};
  int row = 1;
  for (const Expected& e : expected) {
    image.FieldParamB[row][3] = -1;
    Choose(row, 3, Palette::Processing, e.key);
    EXPECT_EQ(A(row, 3), e.a) << e.key;
    EXPECT_EQ(B(row, 3), e.b) << e.key;
    ++row;
  }
}

TEST_F(PlacementTest, BlocksWithoutSettingsKeepTheFieldsParameters) {
  Choose(1, 2, Palette::Processing, "ADS");
  const PlacementResult r = Choose(1, 2, Palette::Processing, "AND1");
  EXPECT_FALSE(r.settings_copied);
  EXPECT_EQ(A(1, 2), 200);
  EXPECT_EQ(B(1, 2), 50);
}

TEST_F(PlacementTest, InstrumentsFillTheirRangeSlotAndWindowTitle) {
  const PlacementResult rec = Choose(1, 3, Palette::Processing, "Rec3");
  EXPECT_EQ(rec.instrument_slot, 3);
  EXPECT_EQ(image.RangeLow[3], 0);
  EXPECT_EQ(image.RangeHigh[3], 100);
  EXPECT_EQ(image.RangeUnit[3], "eenheid");
  EXPECT_EQ(image.InstrumentTitle[3], "Naam");
  SetSpinEdit(image, 1, -20);
  SetSpinEdit(image, 2, 400);
  image.Editors.Edit1 = "kPa";
  image.Editors.Edit2 = "Druk";
  const PlacementResult reg = Choose(2, 3, Palette::Processing, "Reg7");
  EXPECT_EQ(reg.instrument_slot, 15);
  EXPECT_EQ(image.RangeLow[15], -20);
  EXPECT_EQ(image.RangeHigh[15], 400);
  EXPECT_EQ(image.RangeUnit[15], "kPa");
  EXPECT_EQ(image.InstrumentTitle[15], "Druk");
  EXPECT_EQ(image.InstrumentTitle[3], "Naam");
  EXPECT_EQ(image.FieldParamA[2][3], 0);
}

TEST_F(PlacementTest, TheLaterPlacementOfAnInstrumentHolds) {
  Choose(1, 2, Palette::Processing, "Rec1");
  SetSpinEdit(image, 2, 250);
  Choose(9, 6, Palette::Processing, "Rec1");
  EXPECT_EQ(image.RangeHigh[1], 250);
}

TEST_F(PlacementTest, EditorTextsAndValuesStayWithinTheirRanges) {
  SetSpinEditText(image, 3, "abc");
  EXPECT_EQ(image.Editors.SpinEdit[3], 1);
  Choose(1, 2, Palette::Processing, "ADS");
  EXPECT_EQ(A(1, 2), 1);
  SetSpinEditText(image, 7, " -120 ");
  EXPECT_EQ(image.Editors.SpinEdit[7], -120);
  SetSpinEditText(image, 7, "12.5");
  EXPECT_EQ(image.Editors.SpinEdit[7], -9999);
  SetSpinEditText(image, 6, "99999999999");
  EXPECT_EQ(image.Editors.SpinEdit[6], -5000);
  SetSpinEditText(image, 3, "300");
  EXPECT_EQ(image.Editors.SpinEdit[3], 255);
  SetSpinEditText(image, 4, "");
  EXPECT_EQ(image.Editors.SpinEdit[4], 0);
  for (int time_box : {5, 8, 9}) {  // no time can be set to zero
    SetSpinEdit(image, time_box, 0);
    EXPECT_EQ(image.Editors.SpinEdit[static_cast<size_t>(time_box)], 1) << time_box;
  }
  SetSpinEdit(image, SpinEditCount() + 1, 5);  // no such editor
  const std::vector<int32_t> expected = {0, 0, 100, 255, 0, 1, -5000, -9999, 1, 1};
  const auto& boxes = image.Editors.SpinEdit;
  EXPECT_EQ(std::vector<int32_t>(boxes.begin(), boxes.begin() + 10), expected);
  EXPECT_EQ(boxes.size(), static_cast<size_t>(SpinEditCount()) + 1);
}

TEST_F(PlacementTest, AKeyGoesIntoAnyColumnButShowsItsPictureOnlyInItsOwn) {
  const PlacementResult r = Choose(6, 4, Palette::Input, "A1in");
  EXPECT_EQ(image.FieldGrid[6][4], "A1in");
  EXPECT_EQ(r.picture, "");
  EXPECT_TRUE(r.message.empty());
  EXPECT_TRUE(r.palette_closes);
  const PlacementResult own = Choose(6, 1, Palette::Input, "A1in");
  EXPECT_EQ(own.picture, "Velden/A1in.bmp");
  const PlacementResult out = Choose(6, 7, Palette::Output, "Leeg");
  EXPECT_EQ(out.picture, "Velden/Leeg.bmp");
  EXPECT_EQ(image.FieldGrid[6][7], "Leeg");
}

TEST_F(PlacementTest, SettingsChosenForColumnOneOrSevenAreDropped) {
  const ProcessImage before = image;
  for (int c : {1, 7}) {
    for (const char* key : {"ADS", "Tup", "Taf", "RR1", "Blinker", "Soff"}) {
      const PlacementResult r = Choose(5, c, Palette::Processing, key);
      EXPECT_TRUE(r.placed);
      EXPECT_FALSE(r.settings_copied);
      EXPECT_EQ(r.picture, "");
      EXPECT_EQ(image.FieldGrid[5][c], key);
    }
  }
  EXPECT_EQ(image.FieldParamA, before.FieldParamA);
  EXPECT_EQ(image.FieldParamB, before.FieldParamB);
  EXPECT_EQ(image.RangeHigh, before.RangeHigh);
}

TEST_F(PlacementTest, AMissingPictureIsReportedAndThePlacementCompletes) {
  auto missing = [](const std::string&) { return false; };
  const PlacementResult in = Choose(2, 1, Palette::Input, "Sinus", missing);
  EXPECT_EQ(Say(in.message), "Geen Sinus.bmp gevonden");
  EXPECT_EQ(in.picture, "");
  EXPECT_TRUE(in.palette_closes);
  EXPECT_EQ(image.FieldGrid[2][1], "Sinus");
  const PlacementResult out = Choose(2, 7, Palette::Output, "D6uit", missing);
  EXPECT_EQ(Say(out.message), "Geen D6uit.bmp gevonden");
  EXPECT_TRUE(out.palette_closes);

  // A processing block gets its settings all the same: the scan must not run the new key
  // with the parameters of the block that stood there before.
  image.FieldParamA[2][2] = 33;
  image.FieldParamB[2][2] = 44;
  const PlacementResult proc = Choose(2, 2, Palette::Processing, "ADS", missing);
  EXPECT_TRUE(proc.picture_failed);
  EXPECT_EQ(proc.picture, "");
  EXPECT_EQ(Say(proc.message), "Geen ADS.bmp gevonden");
  EXPECT_TRUE(proc.palette_closes);
  EXPECT_TRUE(proc.settings_copied);
  EXPECT_EQ(image.FieldGrid[2][2], "ADS");
  EXPECT_EQ(A(2, 2), 200);
  EXPECT_EQ(B(2, 2), 50);
  image.Editors.Edit2 = "Oven";
  const PlacementResult rec = Choose(3, 2, Palette::Processing, "Rec2", missing);
  EXPECT_EQ(Say(rec.message), "Geen Rec2.bmp gevonden");
  EXPECT_EQ(image.InstrumentTitle[2], "Oven");

  // Only the field's own picture is asked for, and only in the palette's columns.
  std::vector<std::string> asked;
  auto record = [&](const std::string& file) {
    asked.push_back(file);
    return true;
  };
  Choose(4, 3, Palette::Processing, "Flipflop", record);
  Choose(4, 1, Palette::Processing, "Flipflop", record);
  EXPECT_EQ(asked, std::vector<std::string>{"Velden/Flipflop.bmp"});
}

TEST_F(PlacementTest, NothingIsPlacedWithoutASelectionOrForAForeignKey) {
  EXPECT_FALSE(Choose(0, 0, Palette::Processing, "AND1").placed);
  EXPECT_FALSE(Choose(17, 2, Palette::Processing, "AND1").placed);
  EXPECT_FALSE(Choose(3, 2, Palette::Processing, "A1in").placed);
  EXPECT_FALSE(Choose(3, 2, Palette::Input, "and1").placed);
  EXPECT_EQ(image.FieldGrid[3][2], "");
  EXPECT_EQ(image.FieldGrid[0][0], "");
  EXPECT_EQ(image.ChosenKey, "");
}

}  // namespace
}  // namespace tessaro
