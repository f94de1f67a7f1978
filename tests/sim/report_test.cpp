// The reports of `tessaro-sim --project` are read by other programs: the JUnit report must be
// well-formed XML whatever the student files and their texts hold, and its counts must agree
// with its test cases; the TAP report must keep one line per result.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

class ReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(QDir(dir_.path()).mkdir("Velden"));
  }

  std::string Path(const std::string& name) const {
    return QFile::encodeName(dir_.path()).toStdString() + "/" + name;
  }

  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
  }

  std::string Read(const std::string& name) const {
    QFile file(QString::fromStdString(Path(name)));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
  }

  // Runs tessaro-sim in the folder; the arguments are raw bytes, as a shell would pass them.
  int Sim(const std::vector<std::string>& args) const {
    QProcess sim;
    sim.setWorkingDirectory(dir_.path());
    QStringList list;
    for (const std::string& a : args) list << QFile::decodeName(QByteArray::fromStdString(a));
    sim.start(TESSARO_SIM, list);
    EXPECT_TRUE(sim.waitForFinished(60000));
    return sim.exitCode();
  }

  // A project whose recorder 1 has `unit`, saved by the runner itself under `name`.
  void SaveProject(const std::string& name, const std::string& unit) {
    Write("make.sim", "editor Edit1 " + unit + "\nplace 1 2 Rec1\nsave\n");
    ASSERT_EQ(Sim({"make.sim"}), 0);
    ASSERT_TRUE(QFile::rename(dir_.filePath("Velden/data1.txt"),
                              QFile::decodeName(QByteArray::fromStdString(Path(name)))));
  }

  QTemporaryDir dir_;
};

struct Case {
  QString name;
  QString outcome;  // "", "failure" or "error"
  QString message;
  QString detail;
};

struct Suite {
  std::map<QString, int> counts;  // tests, failures, errors
  std::vector<Case> cases;
};

Suite ParseJUnit(const std::string& xml, QString& error) {
  Suite suite;
  QXmlStreamReader reader(QByteArray::fromStdString(xml));
  while (!reader.atEnd()) {
    if (reader.readNext() != QXmlStreamReader::StartElement) continue;
    const auto attributes = reader.attributes();
    if (reader.name() == u"testsuite") {
      for (const char* key : {"tests", "failures", "errors"}) {
        suite.counts[key] = attributes.value(QLatin1String(key)).toInt();
      }
    } else if (reader.name() == u"testcase") {
      suite.cases.push_back({attributes.value("name").toString(), {}, {}, {}});
    } else if (reader.name() == u"failure" || reader.name() == u"error") {
      Case& c = suite.cases.back();
      c.outcome = reader.name().toString();
      c.message = attributes.value("message").toString();
      c.detail = reader.readElementText();
    }
  }
  if (reader.hasError()) error = reader.errorString();
  return suite;
}

TEST_F(ReportTest, JUnitStaysWellFormedWithAnyTextAndCountsItsCases) {
  // Markup characters and a control character in a text that a failed expectation shows,
  // and bytes that are no UTF-8 in a file name. (A project holding such bytes is refused.)
  const std::string odd_unit = "<&\"'>\x01";
  SaveProject("good.txt", "C");
  SaveProject("odd &<\xfe.txt", odd_unit);
  Write("check.sim", "expect range 1 unit=C\n");

  ASSERT_EQ(Sim({"--project", "good.txt", "odd &<\xfe.txt", "missing.txt", "--report", "junit",
                 "r.xml", "check.sim"}),
            1);
  QString error;
  const Suite suite = ParseJUnit(Read("r.xml"), error);
  ASSERT_TRUE(error.isEmpty()) << error.toStdString();
  ASSERT_EQ(suite.cases.size(), 3u);
  EXPECT_EQ(suite.counts.at("tests"), 3);
  EXPECT_EQ(suite.counts.at("failures"), 2);
  EXPECT_EQ(suite.counts.at("errors"), 0);

  EXPECT_EQ(suite.cases[0].name, "good.txt");
  EXPECT_EQ(suite.cases[0].outcome, "");
  EXPECT_EQ(suite.cases[1].name, QString::fromUtf8("odd &<\xEF\xBF\xBD.txt"));
  EXPECT_EQ(suite.cases[1].outcome, "failure");
  EXPECT_EQ(suite.cases[1].message, "1 of 1 expectations failed");
  EXPECT_EQ(suite.cases[1].detail,
            QString::fromUtf8("fail 1: expected range 1 unit=C, got range 1 unit=<&\"'>"
                              "\xEF\xBF\xBD\n"));
  EXPECT_EQ(suite.cases[2].outcome, "failure");
  EXPECT_EQ(suite.cases[2].message, "not loaded: File not found: missing.txt.");
}

TEST_F(ReportTest, AScriptErrorStopsTheBatchBeforeAnyProjectAndWritesNoReport) {
  // A key the print does not show is found before any project runs: the teacher's mistake
  // is not written down as every student's error.
  SaveProject("good.txt", "C");
  Write("check.sim", "expect range 1 unit=C\nexpect range 1 colour=red\n");
  ASSERT_EQ(Sim({"--project", "good.txt", "--report", "junit", "r.xml", "--report", "tap", "r.tap",
                 "check.sim"}),
            2);
  EXPECT_FALSE(QFile::exists(dir_.filePath("r.xml")));
  EXPECT_FALSE(QFile::exists(dir_.filePath("r.tap")));
}

TEST_F(ReportTest, TapKeepsOneLinePerResultAndEscapesDirectives) {
  SaveProject("a#b.txt", "C");
  SaveProject("new\nline.txt", "D");
  Write("check.sim", "expect range 1 unit=C\n");
  ASSERT_EQ(Sim({"--project", "a#b.txt", "new\nline.txt", "--report", "tap", "r.tap", "check.sim"}),
            1);
  EXPECT_EQ(Read("r.tap"),
            "TAP version 13\n1..2\nok 1 - a\\#b.txt\nnot ok 2 - new line.txt\n"
            "# fail 1: expected range 1 unit=C, got range 1 unit=D\n");
}

TEST_F(ReportTest, UnwritableReportIsAScriptFaultAndLeavesNoPart) {
  SaveProject("good.txt", "C");
  Write("check.sim", "expect range 1 unit=C\n");
  ASSERT_TRUE(QDir(dir_.path()).mkdir("report.xml"));
  EXPECT_EQ(Sim({"--project", "good.txt", "--report", "junit", "report.xml", "check.sim"}), 2);
  EXPECT_FALSE(QFile::exists(dir_.filePath("report.xml.part")));
}

}  // namespace
