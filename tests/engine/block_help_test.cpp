#include "engine/editor/block_help.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/core/block_keys.h"
#include "engine/core/process_image.h"
#include "engine/core/texts.h"

namespace tessaro {
namespace {

bool Contains(const Message& text, const std::string& part) {
  return Say(text).find(part) != std::string::npos;
}

TEST(BlockHelp, EveryPaletteEntryExplainsItself) {
  for (const BlockKeyInfo& info : BlockKeys()) {
    SCOPED_TRACE(std::string(info.key));
    EXPECT_FALSE(Say(BlockHelp(info.key)).empty());
  }
  EXPECT_EQ(Say(BlockHelp("and1")), "");  // keys are compared exactly
}

TEST(BlockHelp, TheInputsNamedAreTheSidesTheBlockReads) {
  EXPECT_TRUE(Contains(BlockHelp("AND1"), "Leest: links, onder"));
  EXPECT_TRUE(Contains(BlockHelp("OR2"), "Leest: links, boven"));
  EXPECT_TRUE(Contains(BlockHelp("NAND3"), "Leest: links, boven, onder"));
  EXPECT_TRUE(Contains(BlockHelp("XOR"), "Leest: boven, onder"));
  EXPECT_TRUE(Contains(BlockHelp("Reg3"), "Leest: links, boven"));
  EXPECT_TRUE(Contains(BlockHelp("Reg5"), "Schrijft: rechts, naar onder"));
  EXPECT_TRUE(Contains(BlockHelp("Draad12"), "Leest: onder\nSchrijft: rechts, naar boven"));
  EXPECT_TRUE(Contains(BlockHelp("ADS"), "A: bovenschakelpunt, B: onderschakelpunt"));
  EXPECT_FALSE(Contains(BlockHelp("D3in"), "Leest"));
}

TEST(BlockHelp, AFieldShowsItsLiveValuesAndParameters) {
  ProcessImage image;
  image.FieldGrid[4][3] = "ADS";
  image.FieldParamA[4][3] = 200;
  image.FieldParamB[4][3] = 50;
  image.OutRight[4][2] = 153;  // left input
  image.OutDown[3][3] = 9;     // upper input, not read by ADS
  image.OutRight[4][3] = 255;
  image.DecimalSeparator = ',';
  EXPECT_EQ(Say(FieldHoverText(image, 4, 3)),
            "Veld 4,3: ADS\n"
            "In links: 153 (60,0 %)\n"
            "In boven: 9 (3,5 %) (niet gelezen)\n"
            "In onder: 0 (0,0 %) (niet gelezen)\n"
            "Uit rechts: 255\n"
            "A (bovenschakelpunt) = 200\n"
            "B (onderschakelpunt) = 50");

  // A digital gate shows bytes only; an instrument its range.
  image.FieldGrid[5][2] = "AND1";
  EXPECT_FALSE(Contains(FieldHoverText(image, 5, 2), "%"));
  image.FieldGrid[6][4] = "Rec2";
  image.RangeLow[2] = 10;
  image.RangeHigh[2] = 90;
  image.RangeUnit[2] = "graden";
  EXPECT_TRUE(Contains(FieldHoverText(image, 6, 4), "Bereik 10..90 graden"));
  // A recorder or controller whose label is hidden does not run, and says so.
  EXPECT_TRUE(Contains(FieldHoverText(image, 6, 4), "loopt niet: label verborgen, zie Screen"));
  image.ItemVisible[1] = 1;  // "Rec2"
  EXPECT_FALSE(Contains(FieldHoverText(image, 6, 4), "loopt niet"));
  image.FieldGrid[7][3] = "Reg9";
  EXPECT_TRUE(Contains(FieldHoverText(image, 7, 3), "loopt niet"));
  image.ItemVisible[46] = 1;  // "Reg9"
  EXPECT_FALSE(Contains(FieldHoverText(image, 7, 3), "loopt niet"));
  // An input field has nothing on its left; an output field nothing on its right.
  image.FieldGrid[1][1] = "A1in";
  EXPECT_FALSE(Contains(FieldHoverText(image, 1, 1), "In links"));
  EXPECT_FALSE(Contains(FieldHoverText(image, 1, 7), "Uit"));
  EXPECT_EQ(Say(FieldHoverText(image, 0, 3)), "");
  EXPECT_EQ(Say(FieldHoverText(image, 3, 8)), "");
}

}  // namespace
}  // namespace tessaro
