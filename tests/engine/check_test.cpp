// Checking a project with a script, as tessaro-sim's batch and "Controleer" do: the checks are
// named by the comments above their expects, a script is refused whole before any project
// runs, and each check's verdict follows from its own expects only.
#include "engine/script/check.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <sstream>

#include "project_test_support.h"

namespace tessaro {
namespace {

using sim::Check;
using sim::ProjectResult;
using sim::Verdict;

// A program folder with a project in it: recorder 1 with unit "C" in field (1, 2).
class CheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ostringstream out;
    std::ostringstream err;
    sim::Simulator maker(out, root_.path());
    std::istringstream script("editor Edit1 C\nplace 1 2 Rec1\nsave\n");
    ASSERT_EQ(maker.Run(script, err), 0) << err.str();
  }

  Check Read(const std::string& text) {
    Check check;
    const std::string error = sim::ReadCheck(text, check);
    EXPECT_EQ(error, "");
    return check;
  }

  TempRoot root_;
  const fs::path project_ = root_.data_file();
};

TEST_F(CheckTest, ChecksAreNamedByTheNearestCommentAbove) {
  const Check check = Read(
      "expect range 1 unit=C\n"       // line 1: no comment above
      "# Exercise 1: the recorder\n"  // a comment over two lines is one name
      "#   shows degrees\n"
      "expect range 1 unit=C\n"  // line 4
      "tick\n"
      "expect field 1 2 key=Rec1\n"  // line 6: still under the same comment
      "#\n"                          // an empty comment names nothing
      "# Exercise 2\n"
      "\n"
      "  # indented, after a blank line: the nearest one counts\n"
      "\n"
      "expect field 1 1 key=-  # a comment after a command is no name\n"  // line 12
      "# Exercise 1: the recorder shows degrees\n"
      "expect range 1 low=0\n");  // line 14: the same name again is the same check
  EXPECT_EQ(check.names,
            (std::vector<std::string>{"line 1", "Exercise 1: the recorder shows degrees",
                                      "indented, after a blank line: the nearest one counts"}));
  EXPECT_EQ(check.NameOf(4), check.NameOf(6));
  EXPECT_EQ(check.NameOf(14), check.NameOf(4));
  EXPECT_EQ(check.NameOf(12), check.names[2]);
}

TEST_F(CheckTest, AScriptIsRefusedWholeAtItsFirstBadLine) {
  Check check;
  // A command that does not exist, found though the lines before it are fine.
  EXPECT_EQ(sim::ReadCheck("# the fan\nplant heater\nbuton 1\nrun 5000\n", check),
            "error 3: unknown command 'buton'");
  // What only running finds: a word out of range, a key that the print does not show,
  // even after a long run.
  EXPECT_EQ(sim::ReadCheck("run 900000\nknob 9 10\n", check), "error 2: knob must be 1..5, got 9");
  EXPECT_EQ(sim::ReadCheck("run 60000\nexpect pid 1 colour=red\n", check),
            "error 2: 'print pid 1' shows no colour");
  // A failed expect or a message is the project's business, not an error of the script.
  EXPECT_EQ(sim::ReadCheck("expect range 1 unit=C\nload missing.txt\n", check), "");
}

TEST_F(CheckTest, EachCheckHasItsOwnVerdict) {
  const Check check = Read(
      "# unit\nexpect range 1 unit=C\n"
      "# field and unit\nexpect field 1 2 key=Rec1\nexpect range 1 unit=F\n"
      "# first field\nexpect field 1 1 key=A1in\n");
  const ProjectResult r = sim::CheckProject(check, project_);
  EXPECT_EQ(r.outcome, ProjectResult::Outcome::Failed);
  EXPECT_EQ(r.verdicts, (std::vector<Verdict>{Verdict::Passed, Verdict::Failed, Verdict::Failed}));
  EXPECT_EQ(r.passed(), 2);
  ASSERT_EQ(r.failures().size(), 2u);
  EXPECT_EQ(r.failures()[0].line, 5);
  EXPECT_EQ(r.failures()[0].expected, "range 1 unit=F");
  EXPECT_EQ(r.failures()[0].got, "range 1 unit=C");
  EXPECT_EQ(check.NameOf(r.failures()[1].line), "first field");
}

TEST_F(CheckTest, ACheckCutShortByAScriptErrorIsNotPassed) {
  // An error that only this project brings about stops the run after the first of the two
  // expects of "both"; that check was not reached whole, so it has no verdict.
  Check check = Read("# first\nexpect range 1 unit=C\n# both\nexpect range 1 unit=C\n"
                     "expect range 1 unit=C\n");
  check.text = "# first\nexpect range 1 unit=C\n# both\nexpect range 1 unit=C\nknob 9 1\n";
  const ProjectResult r = sim::CheckProject(check, project_);
  EXPECT_EQ(r.outcome, ProjectResult::Outcome::ScriptError);
  EXPECT_EQ(r.reason, "error 5: knob must be 1..5, got 9");
  EXPECT_EQ(r.verdicts, (std::vector<Verdict>{Verdict::Passed, Verdict::NotRun}));
}

TEST_F(CheckTest, AProjectThatDoesNotLoadRunsNoCheck) {
  // A number the file must hold is no number.
  std::string text = ReadBytes(project_);
  size_t at = 0;
  for (int line = 1; line < 444; ++line) at = text.find('\n', at) + 1;
  WriteBytes(project_, text.replace(at, text.find('\r', at) - at, "x1"));
  const Check check = Read("# unit\nexpect range 1 unit=C\n");
  const ProjectResult r = sim::CheckProject(check, project_);
  EXPECT_EQ(r.outcome, ProjectResult::Outcome::NotLoaded);
  EXPECT_EQ(r.reason.rfind("not loaded: ", 0), 0u) << r.reason;
  EXPECT_EQ(r.verdicts, std::vector<Verdict>{Verdict::NotRun});
  EXPECT_TRUE(r.expectations.empty());
}

TEST_F(CheckTest, TheCheckWorksOnACopyAndReportsItsProgress) {
  const std::string before = ReadBytes(project_);
  const Check check = Read(
      "load\n# the student's recorder\nexpect range 1 unit=C\nplace 1 2 Leeg\nsave\nrun 1000\n");
  std::vector<double> progress;
  const ProjectResult r =
      sim::CheckProject(check, project_, [&](double done) { progress.push_back(done); });
  EXPECT_EQ(r.outcome, ProjectResult::Outcome::Passed);
  EXPECT_EQ(ReadBytes(project_), before);  // the script's save went to its own folder
  ASSERT_FALSE(progress.empty());
  EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
  EXPECT_DOUBLE_EQ(progress.back(), 1.0);
}

TEST_F(CheckTest, TheCheckOfAProjectIsInChecksBesideItOrBesideIt) {
  const fs::path folder = root_.path() / "lesson";
  fs::create_directories(folder / "checks");
  const fs::path project = folder / "heater.txt";
  EXPECT_FALSE(sim::CheckFileFor(project));
  EXPECT_FALSE(sim::CheckFileFor(""));
  // A script beside the project that checks nothing (the one that made the lesson) is no
  // check.
  WriteBytes(folder / "heater.sim", "place 1 1 A1in\nsave\n");
  EXPECT_FALSE(sim::CheckFileFor(project));
  WriteBytes(folder / "heater.sim", "place 1 1 A1in\n  expect field 1 1 key=A1in\n");
  EXPECT_EQ(sim::CheckFileFor(project), folder / "heater.sim");
#ifndef _WIN32
  // A FIFO under the name is passed over at once, not waited on.
  ASSERT_EQ(::mkfifo((folder / "checks" / "heater.sim").c_str(), 0600), 0);
  EXPECT_EQ(sim::CheckFileFor(project), folder / "heater.sim");
  fs::remove(folder / "checks" / "heater.sim");
#endif
  WriteBytes(folder / "checks" / "heater.sim", "expect field 1 1 key=A1in\n");
  EXPECT_EQ(sim::CheckFileFor(project), folder / "checks" / "heater.sim");
}

TEST(ShippedLessonChecks, EveryExpectHasACommentRightAboveItsGroup) {
  for (const auto& entry : fs::directory_iterator(fs::path(TESSARO_EXAMPLES) / "checks")) {
    const std::string lesson = entry.path().filename().string();
    const std::string text = ReadBytes(entry.path());
    Check check;
    ASSERT_EQ(sim::ReadCheck(text, check), "") << lesson;
    for (const std::string& name : check.names) {
      EXPECT_NE(name.rfind("line ", 0), 0u) << lesson << ": an expect without a comment";
      EXPECT_NE(name.rfind("Check of the", 0), 0u) << lesson << ": named by the file's header";
    }
  }
}

}  // namespace
}  // namespace tessaro
