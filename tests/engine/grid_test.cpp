#include "engine/editor/grid.h"

#include <gtest/gtest.h>

#include "engine/core/process_image.h"

namespace tessaro {
namespace {

TEST(GridTest, AClickSelectsTheFieldAndOpensThePaletteOfItsColumn) {
  ProcessImage image;
  image.FieldGrid[10][1] = "A1in";
  const FieldClick input = VeldClick(image, 10, 1);
  EXPECT_TRUE(input.valid);
  EXPECT_EQ(input.palette, Palette::Input);
  EXPECT_EQ(input.picture, "velden/Blanco.bmp");
  EXPECT_EQ(image.SelectedRow, 10);
  EXPECT_EQ(image.SelectedColumn, 1);
  EXPECT_EQ(image.FieldGrid[10][1], "A1in");  // the block works on until one is chosen

  for (int column = 2; column <= 6; ++column) {
    EXPECT_EQ(VeldClick(image, 16, column).palette, Palette::Processing) << column;
  }
  EXPECT_EQ(VeldClick(image, 1, 7).palette, Palette::Output);
  EXPECT_EQ(image.SelectedRow, 1);
  EXPECT_EQ(image.SelectedColumn, 7);
}

TEST(GridTest, AFieldOffTheGridLeavesTheSelection) {
  ProcessImage image;
  VeldClick(image, 3, 4);
  for (auto [row, column] : {std::pair{0, 1}, {17, 1}, {1, 0}, {1, 8}, {-1, -1}}) {
    EXPECT_FALSE(VeldClick(image, row, column).valid);
  }
  EXPECT_EQ(image.SelectedRow, 3);
  EXPECT_EQ(image.SelectedColumn, 4);
}

TEST(GridTest, TheWindowFlagFollowsShowingAndClosing) {
  ProcessImage image;
  ApplyStartupDefaults(image);
  EXPECT_EQ(image.LogicsOpen, 0);
  LogicsShown(image);
  EXPECT_EQ(image.LogicsOpen, 1);
  LogicsShown(image);
  EXPECT_EQ(image.LogicsOpen, 1);
  sluiten(image);
  EXPECT_EQ(image.LogicsOpen, 0);
}

}  // namespace
}  // namespace tessaro
