#include "engine/core/texts.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "engine/control/modes.h"

namespace tessaro {
namespace {

TEST(Texts, FillPutsEachArgumentWhereItsNumberStands) {
  EXPECT_EQ(Fill("%2 voor %1", {"a", "b"}), "b voor a");
  // A placeholder without an argument and a lone % stay as they are.
  EXPECT_EQ(Fill("%1 of %2, 100%", {"x"}), "x of %2, 100%");
  // An argument that holds a placeholder is not filled again.
  EXPECT_EQ(Fill("%1 en %2", {"%2", "y"}), "%2 en y");
}

TEST(Texts, ListsAreJoinedAsTheLanguageJoinsTwo) {
  EXPECT_EQ(Say(ListOf({"1"})), "1");
  EXPECT_EQ(Say(ListOf({"1", "3"})), "1 en 3");
  EXPECT_EQ(Say(ListOf({"0", "1", "3"})), "0, 1 en 3");
  EXPECT_EQ(Say(ListOf({"0", "1", "3"}), Language::kEnglish), "0, 1 and 3");
  const Message board{Phrase{TextId::kBoardsElsewhere, {ListOf({"1", "2"})}}};
  EXPECT_EQ(Say(board, Language::kEnglish),
            "There are boards at addresses 1 and 2; the jumpers SK5 and SK6 on the board set "
            "the address.");
}

TEST(Texts, EveryEnglishPatternKeepsTheDutchPlaceholders) {
  const std::regex placeholder("%[1-9]");
  const auto placeholders = [&](const char* pattern) {
    std::multiset<std::string> found;
    const std::string text(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder);
         it != std::sregex_iterator(); ++it) {
      found.insert(it->str());
    }
    return found;
  };
  for (int i = 0; i < static_cast<int>(TextId::kCount); ++i) {
    const auto id = static_cast<TextId>(i);
    EXPECT_EQ(placeholders(Pattern(id)), placeholders(Pattern(id, Language::kEnglish)))
        << Pattern(id);
    EXPECT_STRNE(Pattern(id, Language::kEnglish), "") << Pattern(id);
  }
}

TEST(Texts, LanguageNamesOfOptionsAndLocales) {
  Language language = Language::kDutch;
  EXPECT_TRUE(LanguageFromName("en_GB.UTF-8", &language));
  EXPECT_EQ(language, Language::kEnglish);
  EXPECT_TRUE(LanguageFromName("nl_BE", &language));
  EXPECT_EQ(language, Language::kDutch);
  EXPECT_FALSE(LanguageFromName("fr", &language));
  EXPECT_FALSE(LanguageFromName("", &language));
  EXPECT_EQ(language, Language::kDutch);
}

TEST(Modes, StoredWordsReadBackAndUnknownWordsAreTheStartUpState) {
  for (ControllerMode mode : {ControllerMode::kHand, ControllerMode::kAuto,
                              ControllerMode::kCascade, ControllerMode::kBypass}) {
    EXPECT_EQ(ModeOf(StoredWord(mode)), mode);
  }
  for (ViewSize size : {ViewSize::kSmall, ViewSize::kLarge, ViewSize::kSuper}) {
    EXPECT_EQ(ViewSizeOf(StoredWord(size)), size);
  }
  EXPECT_STREQ(StoredWord(ControllerMode::kBypass), "byps");
  EXPECT_STREQ(StoredWord(ViewSize::kSuper), "super");
  // A caption is no stored word: "Auto" and "Bypas" are what a faceplate shows.
  EXPECT_EQ(ModeOf("Auto"), ControllerMode::kHand);
  EXPECT_EQ(ViewSizeOf(""), ViewSize::kSmall);
}

}  // namespace
}  // namespace tessaro
