#include "engine/screen/layout_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/process_image.h"
#include "engine/core/screen_view.h"

namespace tessaro {
namespace {

// Records the operator-screen moves in the order they happen.
struct MoveLog : ScreenView {
  void ItemVisibilityChanged(int item, bool visible) override {
    calls.push_back("visible " + std::to_string(item) + (visible ? " on" : " off"));
  }
  void ItemLeftChanged(int item, int left) override {
    calls.push_back("left " + std::to_string(item) + " " + std::to_string(left));
  }
  void ItemTopChanged(int item, int top) override {
    calls.push_back("top " + std::to_string(item) + " " + std::to_string(top));
  }
  std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;

class LayoutEditorTest : public testing::Test {
 protected:
  LayoutEditorTest() { ApplyStartupDefaults(image); }

  // Every screen-item table entry that differs from `before`, as "table[i]".
  std::vector<std::string> ChangedEntries(const ProcessImage& before) const {
    std::vector<std::string> changed;
    for (int i = 0; i < kScreenEntries; ++i) {
      if (image.ItemLeft[i] != before.ItemLeft[i])
        changed.push_back("ItemLeft[" + std::to_string(i) + "]");
      if (image.ItemTop[i] != before.ItemTop[i])
        changed.push_back("ItemTop[" + std::to_string(i) + "]");
      if (image.ItemVisible[i] != before.ItemVisible[i]) {
        changed.push_back("ItemVisible[" + std::to_string(i) + "]");
      }
    }
    return changed;
  }

  ProcessImage image;
  MoveLog view;
  LayoutEditor editor;
};

TEST_F(LayoutEditorTest, FirstSelectionMovesTheItemToItsStoredPlaceAndLeavesItHidden) {
  const ProcessImage before = image;
  Wie(image, view, editor, 1);  // "Recorder1"
  EXPECT_EQ(editor.EditedItem, "Rec1");
  EXPECT_EQ(editor.EditedItemPicture, "Velden/Rec1.bmp");
  EXPECT_FALSE(editor.Visible);
  EXPECT_EQ(editor.SpinEdit1, 900);
  EXPECT_EQ(editor.SpinEdit2, 50);
  // The box was clear already: no PasAan. Both spin boxes changed: left, then top.
  EXPECT_EQ(view.calls, (Calls{"left 0 900", "top 0 50"}));
  EXPECT_TRUE(ChangedEntries(before).empty());
}

TEST_F(LayoutEditorTest, NextSelectionRunsOnlyTheHandlersOfControlsThatChange) {
  Wie(image, view, editor, 1);
  SetVisibleBox(image, view, editor, true);
  view.calls.clear();
  const ProcessImage before = image;

  Wie(image, view, editor, 2);  // "Recorder2": hidden, (900, 100)
  EXPECT_EQ(editor.EditedItem, "Rec2");
  EXPECT_FALSE(editor.Visible);
  // The box is cleared, so PasAan hides Rec2; SpinEdit1 stays at 900 and runs nothing, so
  // Rec2 keeps its left edge wherever it stands; SpinEdit2 goes 50 -> 100.
  EXPECT_EQ(view.calls, (Calls{"visible 1 off", "top 1 100"}));
  EXPECT_EQ(image.ItemVisible[0], 1);  // Rec1 stays shown
  EXPECT_TRUE(ChangedEntries(before).empty());
}

TEST_F(LayoutEditorTest, WithoutASelectionTheControlsChangeNothing) {
  const ProcessImage before = image;
  SetVisibleBox(image, view, editor, true);
  SetSpinEdit1(image, view, editor, 5);
  SetSpinEdit2(image, view, editor, 7);
  EXPECT_TRUE(view.calls.empty());
  EXPECT_TRUE(ChangedEntries(before).empty());
  // The controls themselves still show what was set.
  EXPECT_TRUE(editor.Visible);
  EXPECT_EQ(editor.SpinEdit1, 5);
  EXPECT_EQ(editor.SpinEdit2, 7);

  // A button number that is no radio button leaves the editor without an item.
  Wie(image, view, editor, 48);
  EXPECT_TRUE(editor.EditedItem.empty());
  EXPECT_TRUE(editor.EditedItemPicture.empty());
  SetSpinEdit1(image, view, editor, 6);
  EXPECT_TRUE(view.calls.empty());
  EXPECT_TRUE(ChangedEntries(before).empty());
}

TEST_F(LayoutEditorTest, StoredPositionsOutsideTheRangeAreShownLimited) {
  image.ItemLeft[5] = 2500;
  image.ItemTop[5] = 1300;
  image.ItemLeft[6] = -20;
  Wie(image, view, editor, 6);
  EXPECT_EQ(editor.SpinEdit1, 2000);
  EXPECT_EQ(editor.SpinEdit2, 1200);
  // The boxes changed, so the item moves to the limited place and that is stored.
  EXPECT_EQ(view.calls, (Calls{"left 5 2000", "top 5 1200"}));
  EXPECT_EQ(image.ItemLeft[5], 2000);
  EXPECT_EQ(image.ItemTop[5], 1200);

  // A box already at its limit does not change: the stored value beyond it stays.
  image.ItemTop[6] = 1250;
  view.calls.clear();
  Wie(image, view, editor, 7);
  EXPECT_EQ(editor.SpinEdit1, 0);
  EXPECT_EQ(editor.SpinEdit2, 1200);
  EXPECT_EQ(view.calls, Calls{"left 6 0"});
  EXPECT_EQ(image.ItemLeft[6], 0);
  EXPECT_EQ(image.ItemTop[6], 1250);

  // Stepping past the end is limited too.
  SetSpinEdit2(image, view, editor, 1201);
  EXPECT_EQ(editor.SpinEdit2, 1200);
  EXPECT_EQ(image.ItemTop[6], 1250);
}

TEST_F(LayoutEditorTest, ATickedStoredItemTicksTheBoxAndIsShownAgain) {
  // As after a project load: the item is shown and stored as shown, and the box was clear.
  image.ItemVisible[20] = 1;
  Wie(image, view, editor, 21);  // "Digitale Ingang5"
  EXPECT_TRUE(editor.Visible);
  EXPECT_EQ(view.calls, (Calls{"visible 20 on", "left 20 100", "top 20 400"}));
  // Any value but 1 counts as hidden.
  image.ItemVisible[19] = 2;
  view.calls.clear();
  Wie(image, view, editor, 20);
  EXPECT_FALSE(editor.Visible);
  EXPECT_EQ(view.calls, (Calls{"visible 19 off", "top 19 350"}));
  EXPECT_EQ(image.ItemVisible[19], 0);
}

}  // namespace
}  // namespace tessaro
