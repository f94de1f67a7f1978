#include "engine/editor/edit_history.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/core/messages.h"
#include "engine/editor/grid.h"
#include "engine/editor/placement.h"
#include "engine/project/project_file.h"
#include "fakes.h"
#include "project_test_support.h"

namespace tessaro {
namespace {

class EditHistoryTest : public ::testing::Test {
 protected:
  EditHistoryTest() { ApplyStartupDefaults(image); }

  // A click on the field and a choice in the palette that offers `key`.
  void Place(int r, int c, const std::string& key) {
    VeldClick(image, r, c);
    Choose(key);
  }
  void Choose(const std::string& key) {
    for (Palette p : {Palette::Input, Palette::Processing, Palette::Output}) {
      if (key != "Leeg" ? PaletteOffers(p, key) : p == PaletteForColumn(image.SelectedColumn)) {
        ASSERT_TRUE(PlaceBlock(image, p, key).placed) << key;
        return;
      }
    }
    FAIL() << "no palette offers " << key;
  }
  std::string Picture(int r, int c) const { return image.History.pictures[r][c]; }

  ProcessImage image;
};

TEST_F(EditHistoryTest, AClickAndThePlacementAfterItAreOneStep) {
  SetSpinEdit(image, 3, 180);
  SetSpinEdit(image, 4, 40);
  Place(3, 4, "AND1");
  Place(3, 4, "ADS");
  EXPECT_EQ(image.History.undo_steps(), 2u);

  UndoResult undone = Undo(image);
  ASSERT_TRUE(undone.done);
  EXPECT_EQ(image.FieldGrid[3][4], "AND1");
  EXPECT_EQ(image.FieldParamA[3][4], 0);  // the settings ADS copied are gone with it
  EXPECT_EQ(image.FieldParamB[3][4], 0);
  EXPECT_EQ(undone.row, 3);
  EXPECT_EQ(undone.column, 4);
  EXPECT_EQ(undone.picture, "Velden/AND1.bmp");  // not the blank of the click

  const UndoResult redone = Redo(image);
  EXPECT_EQ(image.FieldGrid[3][4], "ADS");
  EXPECT_EQ(image.FieldParamA[3][4], 180);
  EXPECT_EQ(image.FieldParamB[3][4], 40);
  EXPECT_EQ(redone.picture, "Velden/ADS.bmp");

  Undo(image);
  undone = Undo(image);
  EXPECT_EQ(image.FieldGrid[3][4], "");
  EXPECT_EQ(undone.picture, "");  // the grey start picture
  EXPECT_FALSE(Undo(image).done);
  EXPECT_EQ(image.History.redo_steps(), 2u);
}

TEST_F(EditHistoryTest, UndoingAClickBringsBackThePictureButNotAnOldCount) {
  SetSpinEdit(image, 5, 10);
  Place(2, 2, "Tup");
  Place(5, 1, "Knop1");  // the selection moves on
  image.FieldParamB[2][2] = 7;  // the timer has been counting
  VeldClick(image, 2, 2);       // a wrong click blanks the field...
  EXPECT_EQ(Picture(2, 2), kBlankFieldPicture);
  image.FieldParamB[2][2] = 8;  // ...and the timer counts on

  const UndoResult undone = Undo(image);
  EXPECT_EQ(undone.picture, "Velden/Tup.bmp");
  EXPECT_EQ(image.FieldGrid[2][2], "Tup");
  EXPECT_EQ(image.FieldParamA[2][2], 10);
  EXPECT_EQ(image.FieldParamB[2][2], 8);  // a click changes no parameter to take back
  EXPECT_EQ(image.SelectedRow, 5);        // the selection before the click
  EXPECT_EQ(image.SelectedColumn, 1);
  // A choice in a palette now goes where it went before the click.
  Choose("Spin1");
  EXPECT_EQ(image.FieldGrid[5][1], "Spin1");
  EXPECT_EQ(image.FieldGrid[2][2], "Tup");
}

TEST_F(EditHistoryTest, AnInstrumentsRangeSlotAndNameComeBack) {
  image.Editors.SpinEdit[1] = 10;
  image.Editors.SpinEdit[2] = 90;
  image.Editors.Edit1 = "graden";
  image.Editors.Edit2 = "Oven";
  Place(4, 3, "Reg7");
  image.Editors.Edit2 = "Ketel";
  image.Editors.SpinEdit[2] = 150;
  Choose("Reg7");  // the same field again, without a click: a step of its own

  UndoResult undone = Undo(image);
  EXPECT_EQ(undone.slot, 15);
  EXPECT_EQ(image.RangeHigh[15], 90);
  EXPECT_EQ(image.InstrumentTitle[15], "Oven");
  undone = Undo(image);
  EXPECT_EQ(image.RangeHigh[15], 0);
  EXPECT_EQ(image.RangeLow[15], 0);
  EXPECT_EQ(image.RangeUnit[15], "");
  EXPECT_EQ(image.InstrumentTitle[15], "");  // the window shows its start caption again
  Redo(image);
  Redo(image);
  EXPECT_EQ(image.RangeHigh[15], 150);
  EXPECT_EQ(image.InstrumentTitle[15], "Ketel");
}

TEST_F(EditHistoryTest, UndoLeavesTheSignalsAlone) {
  Place(1, 1, "Spin1");
  image.OutRight[1][1] = 77;
  image.OutRight[1][2] = 77;
  Place(1, 2, "Draad1");
  Undo(image);
  Undo(image);
  EXPECT_EQ(image.FieldGrid[1][1], "");
  EXPECT_EQ(image.OutRight[1][1], 77);
  EXPECT_EQ(image.OutRight[1][2], 77);
}

TEST_F(EditHistoryTest, AHundredAndMoreStepsAndANewEditDropsTheRedo) {
  // 150 steps, all of them undone back to an empty grid.
  for (int i = 0; i < 150; ++i) Place(1 + i % kRows, 2 + (i / kRows) % 5, i % 2 ? "OR1" : "Not");
  for (int i = 0; i < 150; ++i) ASSERT_TRUE(Undo(image).done) << i;
  for (int r = 1; r <= kRows; ++r) {
    for (int c = 1; c <= kColumns; ++c) EXPECT_EQ(image.FieldGrid[r][c], "");
  }
  // The oldest steps fall away only beyond the depth.
  for (int i = 0; i < static_cast<int>(EditHistory::kDepth) + 20; ++i) Place(1, 2, "Not");
  EXPECT_EQ(image.History.undo_steps(), EditHistory::kDepth);

  Undo(image);
  ASSERT_EQ(image.History.redo_steps(), 1u);
  Place(6, 6, "AND2");
  EXPECT_EQ(image.History.redo_steps(), 0u);
  EXPECT_FALSE(Redo(image).done);
}

TEST_F(EditHistoryTest, AProjectLoadStartsAFreshHistory) {
  TempRoot root;
  RecordingMessages messages;
  RecordingLoadView view;
  Place(2, 3, "AND1");
  ASSERT_TRUE(SaveProject(image, root.path(), messages));
  VeldClick(image, 2, 3);
  Place(7, 7, "D1uit");
  ASSERT_NE(LoadProject(image, root.path(), messages, view), LoadResult::Failed);
  EXPECT_EQ(image.History.undo_steps(), 0u);
  EXPECT_FALSE(Undo(image).done);
  // A field of the loaded project shows its block; an undone click after the load returns to
  // that picture.
  EXPECT_EQ(Picture(2, 3), "Velden/AND1.bmp");
  VeldClick(image, 2, 3);
  EXPECT_EQ(Undo(image).picture, "Velden/AND1.bmp");

  ClearEditHistory(image, GridAfterClear::Fresh);  // "Nieuw"
  EXPECT_EQ(image.History.undo_steps(), 0u);
  EXPECT_EQ(Picture(2, 3), "");
}

}  // namespace
}  // namespace tessaro
