// The step and on/off controller faceplates: their controls as designed, the width cycles,
// the lamps, the gap box, the mode buttons and the tags and trend after a cycle.
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QWheelEvent>
#include <QtTest>
#include <memory>

#include "engine/control/onoff_controller.h"
#include "engine/control/step_controller.h"
#include "support/faceplate_support.h"
#include "ui/control/faceplate_controls.h"
#include "ui/control/onoff_faceplate.h"
#include "ui/control/step_faceplate.h"

using tessaro::FaceplateWindow;
using tessaro::LampShape;
using tessaro::testing::AnyInk;
using tessaro::testing::ClickArrow;
using tessaro::testing::Find;
using tessaro::testing::Instruments;
using tessaro::testing::Pixel;
using tessaro::testing::Shown;

namespace {

const QColor kRed(255, 0, 0);
const QColor kDarkRed(128, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);
const QColor kSilver(192, 192, 192);

// Faceplate of controller n: a step controller for 4..6, an on/off controller for 7..9.
struct Plate : Instruments {
  explicit Plate(int n) : n(n) {
    if (n <= 6) {
      window = std::make_unique<tessaro::StepFaceplate>(image, pictures, n);
    } else {
      window = std::make_unique<tessaro::OnOffFaceplate>(image, pictures, n);
    }
  }

  void Click(const char* name) { Find<QPushButton>(*window, name)->click(); }
  QLabel* Label(const char* name) { return Find<QLabel>(*window, name); }
  QColor Lamp(const char* name) { return Find<LampShape>(*window, name)->colour(); }
  void Cycle(double pv) {
    if (n <= 6) {
      image.Step[n].Pv = pv;
      tessaro::StepCycle(image, n);
    } else {
      image.OnOff[n].Pv = pv;
      tessaro::OnOffCycle(image, n);
    }
    window->Cycled();
  }

  int n;
  std::unique_ptr<FaceplateWindow> window;
};

}  // namespace

class SetpointFaceplatesTest : public QObject {
  Q_OBJECT

 private slots:
  void StartAsDesigned_data();
  void StartAsDesigned();
  void OnlyTheOnOffFaceplatesHaveTheGapBox();
  void GrafiekCyclesTheWidths_data();
  void GrafiekCyclesTheWidths();
  void StepLampsShowThePulses();
  void OnOffLampShowsTheOutput();
  void GapBoxSetsTheGapAtAnyWidth();
  void AutoShowsTheSetpointAndACycleMovesTheProcessValue();
  void LongValuesWidenTheirTags();
  void PageKeysStepTenAndTheWheelSteps();
};

void SetpointFaceplatesTest::StartAsDesigned_data() {
  QTest::addColumn<int>("n");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QPoint>("position");
  QTest::newRow("4") << 4 << "TForm18" << QPoint(367, 271);
  QTest::newRow("5") << 5 << "TForm19" << QPoint(422, 249);
  QTest::newRow("6") << 6 << "TForm20" << QPoint(271, 279);
  QTest::newRow("7") << 7 << "TForm22" << QPoint(189, 616);
  QTest::newRow("8") << 8 << "TForm23" << QPoint(216, 506);
  QTest::newRow("9") << 9 << "TForm24" << QPoint(213, 233);
}

void SetpointFaceplatesTest::StartAsDesigned() {
  QFETCH(int, n);
  QFETCH(QString, name);
  QFETCH(QPoint, position);
  Plate p(n);
  QWidget& w = *p.window;

  QCOMPARE(w.objectName(), name);
  QVERIFY(!w.isVisible());
  QCOMPARE(w.pos(), position);
  QCOMPARE(w.size(), QSize(198, 249));
  QCOMPARE(w.windowTitle(), QStringLiteral(" (0 tot 0)"));
  // On/off faceplates are silver; step faceplates keep the system's button face.
  QCOMPARE(w.palette().color(QPalette::Window) == kSilver, n >= 7);

  QCOMPARE(Find(w, "Image1")->geometry(), QRect(192, 0, 460, 240));
  QCOMPARE(Find(w, "Shape1")->geometry(), QRect(8, 24, 33, 33));
  QVERIFY(Find(w, "OpLabel") == nullptr);
  QCOMPARE(p.Label("Label1")->text(), QStringLiteral("Hand"));
  QVERIFY(!p.Label("SPLabel")->isHidden());  // the setpoint tag always shows
  QCOMPARE(p.Lamp("Shape1"), kWhite);
  if (n <= 6) {
    QCOMPARE(Find(w, "Shape2")->geometry(), QRect(8, 184, 33, 33));
    QCOMPARE(p.Lamp("Shape2"), kWhite);
  } else {
    QVERIFY(Find(w, "Shape2") == nullptr);
  }
}

void SetpointFaceplatesTest::OnlyTheOnOffFaceplatesHaveTheGapBox() {
  Plate step(5);
  QVERIFY(Find(*step.window, "SpinEdit1") == nullptr);

  for (int n = 7; n <= 9; ++n) {
    Plate p(n);
    auto* gap = Find<QSpinBox>(*p.window, "SpinEdit1");
    QCOMPARE(gap->geometry(), QRect(664, 16, 65, 29));
    QCOMPARE(gap->minimum(), 1);
    QCOMPARE(gap->maximum(), 100);
    QCOMPARE(gap->value(), 10);
    QCOMPARE(gap->toolTip(), QStringLiteral("Hysterese killer"));
    QCOMPARE(p.Label("Label2")->text(), QStringLiteral("Gap %"));
    QCOMPARE(p.Label("Label2")->pos(), QPoint(n == 9 ? 688 : 664, 48));
  }
}

void SetpointFaceplatesTest::GrafiekCyclesTheWidths_data() {
  QTest::addColumn<int>("n");
  QTest::addColumn<QList<int>>("widths");
  QTest::newRow("step") << 4 << QList<int>{660, 198, 660};
  QTest::newRow("on/off") << 9 << QList<int>{660, 764, 198};
}

void SetpointFaceplatesTest::GrafiekCyclesTheWidths() {
  QFETCH(int, n);
  QFETCH(QList<int>, widths);
  Plate p(n);
  p.window->show();
  for (int width : widths) {
    p.Click("GKknop");
    QCOMPARE(p.window->frameGeometry().width(), width);
    QCOMPARE(p.window->height(), 249);
  }
  // Closing only hides the window; it keeps its width.
  QVERIFY(p.window->close());
  QCOMPARE(p.window->frameGeometry().width(), widths.back());
}

void SetpointFaceplatesTest::StepLampsShowThePulses() {
  Plate p(4);
  ClickArrow(*p.window, true);
  p.Cycle(0);
  QCOMPARE(p.Lamp("Shape1"), kYellow);
  QCOMPARE(p.Lamp("Shape2"), kWhite);
  p.Cycle(0);
  QCOMPARE(p.Lamp("Shape1"), kWhite);

  for (int i = 0; i < 2; ++i) p.Cycle(0);
  ClickArrow(*p.window, false);
  p.Cycle(0);
  QCOMPARE(p.Lamp("Shape1"), kWhite);
  QCOMPARE(p.Lamp("Shape2"), kYellow);
}

void SetpointFaceplatesTest::OnOffLampShowsTheOutput() {
  Plate p(8);
  ClickArrow(*p.window, true);
  QCOMPARE(p.Lamp("Shape1"), kWhite);  // the lamp follows at the next cycle
  p.Cycle(0);
  QCOMPARE(p.Lamp("Shape1"), kRed);
  ClickArrow(*p.window, false);
  p.Cycle(0);
  QCOMPARE(p.Lamp("Shape1"), kWhite);
}

void SetpointFaceplatesTest::GapBoxSetsTheGapAtAnyWidth() {
  Plate p(7);
  auto* gap = Find<QSpinBox>(*p.window, "SpinEdit1");
  QVERIFY(gap->isEnabled());
  gap->setValue(25);
  QCOMPARE(p.image.OnOff[7].Gap, 25);
  gap->stepDown();
  QCOMPARE(p.image.OnOff[7].Gap, 24);
}

void SetpointFaceplatesTest::AutoShowsTheSetpointAndACycleMovesTheProcessValue() {
  for (int n : {6, 7}) {
    Plate p(n);
    p.image.RangeHigh[8 + n] = 50;
    p.image.RangeUnit[8 + n] = "bar";
    p.image.OnOff[7].Gap = 100;  // the output stays off whatever the values
    p.Cycle(60.0);
    QCOMPARE(p.Label("PVLabel")->y(), 98);
    QCOMPARE(p.Label("PVLabel")->text(), QStringLiteral("30.0 bar"));

    p.Click("AutoButton");
    QCOMPARE(p.Label("Label1")->text(), QStringLiteral("Auto"));
    QCOMPARE(p.Label("SPLabel")->y(), 98);
    QCOMPARE(p.Label("SPLabel")->text(), QStringLiteral("30 bar"));
    ClickArrow(*p.window, true);
    QCOMPARE(p.Label("SPLabel")->text(), QStringLiteral("30.25 bar"));
    QCOMPARE(p.Label("SPLabel")->y(), 97);
    for (int i = 0; i < 9; ++i) ClickArrow(*p.window, true);
    QCOMPARE(p.Label("SPLabel")->text(), QStringLiteral("32.5 bar"));
    p.Click("ManualButton");
    QCOMPARE(p.Label("Label1")->text(), QStringLiteral("Hand"));

    // Two lines on the trend: setpoint (dark red, thin) under the process value (red).
    p.Cycle(60.0);
    p.window->show();
    const QImage trend = Shown(*p.window, "Image1");
    QCOMPARE(Pixel(trend, 399, 213 - 120), kRed);
    QCOMPARE(Pixel(trend, 399, 213 - 130), kDarkRed);
    QVERIFY(AnyInk(trend, {405, 7, 30, 12}));
  }
}

void SetpointFaceplatesTest::LongValuesWidenTheirTags() {
  Plate p(5);
  p.image.RangeHigh[13] = 1600;
  p.image.RangeUnit[13] = "m3/h";
  p.Cycle(99.5);
  QLabel* pv = p.Label("PVLabel");
  QCOMPARE(pv->text(), QStringLiteral("1.59E3 m3/h"));
  QVERIFY(pv->width() > 51);
  QCOMPARE(pv->x(), 92);

  p.image.RangeUnit[13] = "";
  p.Cycle(10.0);
  QCOMPARE(pv->text(), QStringLiteral("160.0 "));
  QCOMPARE(pv->width(), 51);
}

void SetpointFaceplatesTest::PageKeysStepTenAndTheWheelSteps() {
  Plate p(7);
  p.Cycle(50.0);
  p.Click("AutoButton");
  p.window->show();
  p.window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(p.window.get()));
  QTest::keyClick(p.window.get(), Qt::Key_PageUp);
  QCOMPARE(p.image.OnOff[7].Sp, 55.0);  // ten steps of half a percent
  QTest::keyClick(p.window.get(), Qt::Key_PageDown);
  QTest::keyClick(p.window.get(), Qt::Key_PageDown);
  QCOMPARE(p.image.OnOff[7].Sp, 45.0);

  // Two notches up, one down, over the arrows.
  QWidget* arrows = p.window->findChild<QWidget*>(QStringLiteral("SpinButton1"));
  const auto turn = [&](int delta) {
    QWheelEvent wheel(QPointF(5, 5), arrows->mapToGlobal(QPointF(5, 5)), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(arrows, &wheel);
  };
  turn(240);
  QCOMPARE(p.image.OnOff[7].Sp, 46.0);
  turn(-120);
  QCOMPARE(p.image.OnOff[7].Sp, 45.5);
  turn(60);  // half a notch does nothing yet; the other half makes the step
  QCOMPARE(p.image.OnOff[7].Sp, 45.5);
  turn(60);
  QCOMPARE(p.image.OnOff[7].Sp, 46.0);
}

QTEST_MAIN(SetpointFaceplatesTest)
#include "setpoint_faceplates_test.moc"
