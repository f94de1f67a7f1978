// The recorder windows: as designed, their pictures after samples, the paper sizing, the
// missing paper, their captions, and the scan and the operator screen reaching them.
#include "ui/control/recorder_window.h"

#include <QLabel>
#include <QtTest>
#include <memory>

#include "engine/board/simulated_board.h"
#include "engine/control/recorder.h"
#include "engine/core/operator_screen.h"
#include "engine/screen/screen_items.h"
#include "support/faceplate_support.h"
#include "support/recording_messages.h"
#include "ui/core/main_window.h"
#include "ui/core/trainer.h"

using tessaro::RecorderWindow;
using tessaro::testing::AnyInk;
using tessaro::testing::Find;
using tessaro::testing::Instruments;
using tessaro::testing::RunningInstrument;
using tessaro::testing::kTrendPaperColour;
using tessaro::testing::Pixel;
using tessaro::testing::Shown;

namespace {

const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);

struct Recorder : Instruments {
  explicit Recorder(int n) : n(n), window(image, pictures, n) {}
  // Opened, so that every sample is drawn at once.
  static std::unique_ptr<Recorder> Open(int n) {
    auto r = std::make_unique<Recorder>(n);
    r->window.show();
    return r;
  }

  void Sample(uint8_t v) {
    tessaro::RecorderCycle(image, n, v);
    window.Sampled();
  }
  QImage Chart() const { return Shown(window, "Image1"); }

  int n;
  RecorderWindow window;
};

}  // namespace

class RecorderWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void StartAsDesigned();
  void SomePicturesTakeThePaperSize();
  void SamplesDrawTheRedLineNewestAtTheRight();
  void ScaleShowsTheRange();
  void MissingPaperGivesWhitePaperWithoutOldLines();
  void CaptionIsTheNameOnceThePlacementGivesIt();
  void ScanAndOperatorScreenReachTheRecorders();
  void HiddenRecorderDrawsNothingAndShowsTheWholeHistoryWhenOpened();
};

void RecorderWindowTest::StartAsDesigned() {
  const QPoint positions[] = {{998, 145}, {212, 379}, {358, 357}, {198, 250},
                              {240, 403}, {192, 125}, {402, 194}, {927, 517}};
  for (int n = 1; n <= 8; ++n) {
    Recorder r(n);
    const QString form = QStringLiteral("Form%1").arg(n + 6);
    QCOMPARE(r.window.objectName(), QStringLiteral("T") + form);
    QCOMPARE(r.window.windowTitle(), form);
    QVERIFY(!r.window.isVisible());
    QCOMPARE(r.window.pos(), positions[n - 1]);
    QCOMPARE(r.window.size(), QSize(584, 308));
    QCOMPARE(r.window.minimumSize(), r.window.maximumSize());
    QCOMPARE(Find(r.window, "Image1")->geometry(), QRect(0, 0, 584, 308));
    // Before the first sample: the bare paper.
    QCOMPARE(Pixel(r.Chart(), 480, 280), kTrendPaperColour);
  }
}

void RecorderWindowTest::SomePicturesTakeThePaperSize() {
  const bool fits[] = {true, true, false, false, false, true, true, true};
  for (int n = 1; n <= 8; ++n) {
    auto opened = Recorder::Open(n);
    Recorder& r = *opened;
    r.root.WritePicture("Velden/Papier40.bmp", kTrendPaperColour, {600, 320});
    r.Sample(10);
    const QSize picture = fits[n - 1] ? QSize(600, 320) : QSize(584, 308);
    QCOMPARE(Find(r.window, "Image1")->size(), picture);
    QCOMPARE(r.window.size(), QSize(584, 308));
  }
}

void RecorderWindowTest::SamplesDrawTheRedLineNewestAtTheRight() {
  auto opened = Recorder::Open(3);
  Recorder& r = *opened;
  r.Sample(200);
  QImage chart = r.Chart();
  // Flat at the sample from x = 480 to 479, then down to 0 and along the bottom.
  QCOMPARE(Pixel(chart, 480, 80), kRed);
  QCOMPARE(Pixel(chart, 479, 80), kRed);
  QCOMPARE(Pixel(chart, 470, 280), kRed);
  QCOMPARE(Pixel(chart, 1, 280), kRed);
  QCOMPARE(Pixel(chart, 470, 80), kTrendPaperColour);

  for (int i = 0; i < 10; ++i) r.Sample(128);
  chart = r.Chart();
  QCOMPARE(Pixel(chart, 480, 152), kRed);
  QCOMPARE(Pixel(chart, 472, 152), kRed);
  QCOMPARE(Pixel(chart, 469, 80), kRed);  // the first sample has moved ten places left
  QCOMPARE(Pixel(chart, 480, 80), kTrendPaperColour);

  // A jump from full scale to nothing is one unbroken stroke, two pixels wide.
  r.Sample(255);
  r.Sample(0);
  chart = r.Chart();
  for (int y = 25; y <= 280; ++y) {
    int red = 0;
    for (int x = 476; x <= 480; ++x) red += Pixel(chart, x, y) == kRed ? 1 : 0;
    QVERIFY2(red >= 2, qPrintable(QStringLiteral("gap at y = %1").arg(y)));
  }
}

void RecorderWindowTest::ScaleShowsTheRange() {
  auto opened = Recorder::Open(1);
  Recorder& r = *opened;
  r.Sample(0);
  const QImage bare = r.Chart();
  r.image.RangeLow[1] = -100;
  r.image.RangeHigh[1] = 500;
  r.image.RangeUnit[1] = "kPa";
  r.Sample(0);
  const QImage scaled = r.Chart();
  // Longer texts reach further right at the top ("500 kPa") than the bare "0 " did.
  QVERIFY(AnyInk(scaled, {495, 21, 60, 13}));
  QVERIFY(AnyInk(scaled, {495, 273, 60, 13}));
  QVERIFY(!AnyInk(bare, {515, 21, 40, 13}));
  QVERIFY(AnyInk(scaled, {515, 21, 40, 13}));
}

void RecorderWindowTest::MissingPaperGivesWhitePaperWithoutOldLines() {
  auto opened = Recorder::Open(5);
  Recorder& r = *opened;
  r.root.Remove("Velden/Papier40.bmp");
  r.Sample(255);
  QImage chart = r.Chart();
  QCOMPARE(chart.size(), QSize(584, 308));
  QCOMPARE(Pixel(chart, 480, 25), kRed);
  QCOMPARE(Pixel(chart, 200, 100), kWhite);

  r.Sample(100);
  chart = r.Chart();
  QCOMPARE(Pixel(chart, 480, 180), kRed);
  QCOMPARE(Pixel(chart, 480, 25), kWhite);  // not drawn over the last picture
  QCOMPARE(Pixel(chart, 478, 25), kRed);

  // Once the paper is back, it is used again.
  r.root.WritePicture("Velden/Papier40.bmp", kTrendPaperColour, {584, 308});
  r.Sample(100);
  QCOMPARE(Pixel(r.Chart(), 200, 100), kTrendPaperColour);
}

void RecorderWindowTest::CaptionIsTheNameOnceThePlacementGivesIt() {
  Recorder r(4);
  QCOMPARE(r.window.windowTitle(), QStringLiteral("Form10"));
  r.image.InstrumentTitle[4] = "Niveau";
  r.window.show();
  QCOMPARE(r.window.windowTitle(), QStringLiteral("Niveau"));
}

void RecorderWindowTest::ScanAndOperatorScreenReachTheRecorders() {
  RunningInstrument s(2, "Rec2", 128);
  tessaro::Trainer& trainer = s.trainer;
  s.Ticks(16);

  RecorderWindow& window = trainer.recorder_window(2);
  QCOMPARE(window.objectName(), QStringLiteral("TForm8"));
  QVERIFY(!window.isVisible());
  QTest::mouseClick(Find(trainer.main_window(), "Label11"), Qt::LeftButton);
  QVERIFY(window.isVisible());
  QCOMPARE(Pixel(Shown(window, "Image1"), 480, 152), kRed);
  QVERIFY(!trainer.recorder_window(1).isVisible());
}

// A recorder nobody looks at costs no drawing; opened after an hour it shows all it kept.
void RecorderWindowTest::HiddenRecorderDrawsNothingAndShowsTheWholeHistoryWhenOpened() {
  Recorder hidden(6);
  auto opened = Recorder::Open(6);
  for (int i = 0; i < 900; ++i) {  // a sample every four seconds: an hour
    const auto v = static_cast<uint8_t>(i % 2 == 0 ? 40 + i / 6 : 200 - i / 6);
    hidden.Sample(v);
    opened->Sample(v);
  }
  QCOMPARE(Pixel(hidden.Chart(), 480, 280), kTrendPaperColour);  // still the bare paper
  QVERIFY(hidden.Chart() != opened->Chart());
  hidden.window.show();
  QCOMPARE(hidden.Chart(), opened->Chart());
}

QTEST_MAIN(RecorderWindowTest)
#include "recorder_window_test.moc"
