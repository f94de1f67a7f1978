// The charts' context menu in the running trainer: on every recorder and faceplate, its
// exports writing what the engine builds, and a logbook shown in the caption.
#include "ui/control/chart_menu.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QtTest>

#include "engine/control/export.h"
#include "support/faceplate_support.h"
#include "ui/control/faceplate_window.h"
#include "ui/control/recorder_window.h"

using tessaro::ChartMenu;
using tessaro::FileChooser;
using tessaro::testing::RunningInstrument;

namespace {

// Answers every file question with the next of its paths.
class FixedFiles : public FileChooser {
 public:
  QString SaveFile(QWidget*, const QString&, const QString& suggested, const QString&,
                   bool appending) override {
    suggestions.append(suggested);
    appends.append(appending);
    return paths.isEmpty() ? QString() : paths.takeFirst();
  }
  QStringList paths;
  QStringList suggestions;
  QList<bool> appends;
};

// Opens the menu as a right click in the middle of the chart does.
QMenu* OpenMenu(tessaro::ChartView& chart) {
  emit chart.customContextMenuRequested(chart.rect().center());
  QMenu* menu = nullptr;
  for (QMenu* m : chart.findChildren<QMenu*>(QStringLiteral("ChartMenu"))) menu = m;
  return menu;
}

QStringList Texts(const QMenu& menu) {
  QStringList texts;
  for (QAction* a : menu.actions()) {
    if (!a->isSeparator()) texts.append(a->text());
  }
  return texts;
}

void Choose(QMenu& menu, const QString& text) {
  for (QAction* a : menu.actions()) {
    if (a->text() == text) return a->trigger();
  }
  QFAIL(qPrintable("no entry " + text));
}

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ChartMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryChartHasTheMenu();
  void ExportsWriteTheEngineCsvAndTheChartPicture();
  void ALogbookShowsInTheCaptionAndAFailureIsToldOnce();
  void ANameFromTheProjectIsOfferedAsAFileNameOnly();
};

void ChartMenuTest::EveryChartHasTheMenu() {
  RunningInstrument lab(1, "Rec1", 100);
  const QStringList entries = {
      QStringLiteral("Exporteer als CSV\u2026"), QStringLiteral("Bewaar als PNG\u2026"),
      QStringLiteral("Kopieer afbeelding"), QStringLiteral("Start logboek\u2026")};
  QList<tessaro::ChartView*> charts;
  for (int n = 1; n <= 8; ++n) charts.append(&lab.trainer.recorder_window(n).chart());
  for (int n = 1; n <= 9; ++n) charts.append(&lab.trainer.faceplate(n).chart());
  for (tessaro::ChartView* chart : charts) {
    QCOMPARE(chart->objectName(), QStringLiteral("Image1"));
    QCOMPARE(chart->contextMenuPolicy(), Qt::CustomContextMenu);
    QMenu* menu = OpenMenu(*chart);
    QVERIFY(menu != nullptr);
    QCOMPARE(Texts(*menu), entries);
    menu->close();
  }
}

void ChartMenuTest::ExportsWriteTheEngineCsvAndTheChartPicture() {
  RunningInstrument lab(1, "Rec1", 100);
  lab.image.InstrumentTitle[1] = "Temperatuur";
  lab.Ticks(4 * 12);  // three samples
  FixedFiles files;
  lab.trainer.chart_menu().SetFileChooser(files);
  const QString csv = QString::fromStdString((lab.root.path() / "rec.csv").string());
  const QString png = QString::fromStdString((lab.root.path() / "rec.png").string());
  files.paths = {csv, png};
  tessaro::ChartView& chart = lab.trainer.recorder_window(1).chart();

  Choose(*OpenMenu(chart), QStringLiteral("Exporteer als CSV\u2026"));
  const QByteArray written = Read(csv);
  QCOMPARE(written, QByteArray::fromStdString(
                        tessaro::InstrumentCsv(lab.image, 1, tessaro::SampleClock::Wall)));
  QCOMPARE(written.count('\n'), 4);  // the header and three samples
  QCOMPARE(files.suggestions.value(0), QStringLiteral("Temperatuur.csv"));

  Choose(*OpenMenu(chart), QStringLiteral("Bewaar als PNG\u2026"));
  QImage saved(png);
  QCOMPARE(saved.size(), chart.chart().size());
  QCOMPARE(saved.text(QStringLiteral("Title")), QStringLiteral("Temperatuur"));
  // The chart itself, with the name written in the margin above the paper's lines.
  const QImage shown = chart.chart();
  QCOMPARE(saved.pixelColor(480, 200), shown.pixelColor(480, 200));
  QVERIFY(tessaro::testing::AnyInk(saved, QRect(4, 1, 60, 12)));

  Choose(*OpenMenu(chart), QStringLiteral("Kopieer afbeelding"));
  QCOMPARE(QGuiApplication::clipboard()->image().size(), chart.chart().size());

  // A cancelled question writes nothing; a file that cannot be written is told.
  Choose(*OpenMenu(chart), QStringLiteral("Exporteer als CSV\u2026"));
  files.paths = {QString::fromStdString((lab.root.path() / "no" / "x.csv").string())};
  Choose(*OpenMenu(lab.trainer.faceplate(2).chart()), QStringLiteral("Exporteer als CSV\u2026"));
  QCOMPARE(lab.messages.errors.size(), size_t{1});
  QVERIFY(lab.messages.errors[0].find("x.csv") != std::string::npos);
}

void ChartMenuTest::ALogbookShowsInTheCaptionAndAFailureIsToldOnce() {
  RunningInstrument lab(1, "Reg7", 100);
  FixedFiles files;
  lab.trainer.chart_menu().SetFileChooser(files);
  const QString log = QString::fromStdString((lab.root.path() / "reg7.csv").string());
  files.paths = {log, QStringLiteral("/dev/full")};
  tessaro::FaceplateWindow& plate = lab.trainer.faceplate(7);

  Choose(*OpenMenu(plate.chart()), QStringLiteral("Start logboek\u2026"));
  QVERIFY(files.appends.value(0));
  QVERIFY(plate.windowTitle().endsWith(QStringLiteral("\u2014 logboek reg7.csv")));
  lab.Ticks(4 * 5);
  QMenu* menu = OpenMenu(plate.chart());
  QVERIFY(Texts(*menu).contains(QStringLiteral("Stop logboek")));
  Choose(*menu, QStringLiteral("Stop logboek"));
  QVERIFY(!plate.windowTitle().contains(QStringLiteral("logboek")));
  QCOMPARE(Read(log).count('\n'), 6);  // the header and five cycles

  Choose(*OpenMenu(plate.chart()), QStringLiteral("Start logboek\u2026"));  // onto /dev/full
  for (int i = 0; i < 40; ++i) {
    lab.Ticks(4);
    QCoreApplication::processEvents();
    QTest::qWait(5);
  }
  QCOMPARE(lab.messages.errors.size(), size_t{1});
  QVERIFY(!plate.windowTitle().contains(QStringLiteral("logboek")));
  QVERIFY(!lab.trainer.logs().Logging(tessaro::ControllerSlot(7)));
}

void ChartMenuTest::ANameFromTheProjectIsOfferedAsAFileNameOnly() {
  RunningInstrument lab(1, "Rec1", 100);
  lab.image.InstrumentTitle[1] = "../../somewhere/owned";
  FixedFiles files;
  lab.trainer.chart_menu().SetFileChooser(files);
  tessaro::ChartView& chart = lab.trainer.recorder_window(1).chart();
  for (const char* entry :
       {"Exporteer als CSV\u2026", "Bewaar als PNG\u2026", "Start logboek\u2026"}) {
    Choose(*OpenMenu(chart), QString::fromUtf8(entry));
  }
  QCOMPARE(files.suggestions, QStringList({QStringLiteral("_.._somewhere_owned.csv"),
                                           QStringLiteral("_.._somewhere_owned.png"),
                                           QStringLiteral("_.._somewhere_owned-logboek.csv")}));
}

QTEST_MAIN(ChartMenuTest)
#include "chart_menu_test.moc"
