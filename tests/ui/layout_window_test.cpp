// The screen layout editor: its design, selecting, showing and moving items on the operator
// screen, and the wiring drawing with its libjpeg decoder.
#include "ui/screen/layout_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "engine/board/simulated_board.h"
#include "engine/core/process_image.h"
#include "engine/screen/screen_items.h"
#include "support/recording_messages.h"
#include "support/test_pictures.h"
#include "ui/core/main_window.h"
#include "ui/core/trainer.h"
#include "ui/screen/jpeg_image.h"

using tessaro::LayoutWindow;
using tessaro::testing::RecordingMessages;
using tessaro::testing::SamePixels;
using tessaro::testing::TestDataRoot;

namespace {

const QString kDrawing = QStringLiteral(":/screen/Bedrading.jpg");

// The running trainer with its operator screen shown and its timers stopped, so that nothing
// but the test's own clicks changes the screen.
struct Rig {
  TestDataRoot root;
  tessaro::ProcessImage image;
  tessaro::SimulatedBoard board;
  RecordingMessages messages;
  std::unique_ptr<tessaro::Trainer> trainer;

  Rig() {
    trainer = std::make_unique<tessaro::Trainer>(image, board, messages, root.path());
    main().Timer1()->stop();
    main().Timer2()->stop();
    main().show();
  }
  tessaro::MainWindow& main() { return trainer->main_window(); }
  LayoutWindow& layout() { return trainer->layout_window(); }

  template <typename Control = QWidget>
  Control* Editor(const QString& name) {
    auto* control = layout().findChild<Control*>(name);
    if (control == nullptr) qFatal("no control %s", qPrintable(name));
    return control;
  }
  template <typename Control = QWidget>
  Control* Screen(const QString& name) {
    auto* control = main().findChild<Control*>(name);
    if (control == nullptr) qFatal("no control %s", qPrintable(name));
    return control;
  }
  QSpinBox* SpinEdit(int n) { return Editor<QSpinBox>(QStringLiteral("SpinEdit%1").arg(n)); }
  QCheckBox* Visible() { return Editor<QCheckBox>(QStringLiteral("Visible")); }

  void Select(int button) {
    QTest::mouseClick(Editor(QStringLiteral("RadioButton%1").arg(button)), Qt::LeftButton);
  }
  void TickVisible() { QTest::mouseClick(Visible(), Qt::LeftButton); }
  // One step by the keyboard's up key.
  void StepUp(int spin) { QTest::keyClick(SpinEdit(spin), Qt::Key_Up); }
  QImage Preview() { return Editor<QLabel>(QStringLiteral("Image1"))->pixmap().toImage(); }
};

// Whether every pixel of `picture` has one colour.
bool Plain(const QImage& picture) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < rgb.height(); ++y) {
    for (int x = 0; x < rgb.width(); ++x) {
      if (rgb.pixel(x, y) != rgb.pixel(0, 0)) return false;
    }
  }
  return true;
}

// The screen-item table entries that differ between two images.
QStringList ChangedEntries(const tessaro::ProcessImage& a, const tessaro::ProcessImage& b) {
  QStringList changed;
  for (int i = 0; i < tessaro::kScreenEntries; ++i) {
    if (a.ItemLeft[i] != b.ItemLeft[i]) changed << QStringLiteral("ItemLeft[%1]").arg(i);
    if (a.ItemTop[i] != b.ItemTop[i]) changed << QStringLiteral("ItemTop[%1]").arg(i);
    if (a.ItemVisible[i] != b.ItemVisible[i]) changed << QStringLiteral("ItemVisible[%1]").arg(i);
  }
  return changed;
}

QByteArray ReadAll(const QString& file) {
  QFile in(file);
  return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

}  // namespace

class LayoutWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void WindowFollowsTheDesign();
  void ScreenButtonShowsTheEditorAndBringsItToTheFront();
  void SelectingAnItemMovesItAndVisibleShowsIt();
  void NextItemIsMovedOnlyWhereTheShownValueChanges();
  void OneStepMovesOnePixelAndChangesOneEntry();
  void PositionBoxesStepButRefuseTyping();
  void WithoutASelectionNothingMoves();
  void ClickOnTheSelectedButtonDoesNothing();
  void StoredPositionBeyondTheRangeIsLimited();
  void PreviewKeepsItsPictureWhenOneIsMissing();
  void WiringDrawingIsDecodedFromTheBuiltInJpeg();
  void BrokenOrMissingJpegGivesAGreyPicture();
};

void LayoutWindowTest::WindowFollowsTheDesign() {
  Rig rig;
  LayoutWindow& w = rig.layout();
  QCOMPARE(w.objectName(), QStringLiteral("TForm2"));
  QCOMPARE(w.windowTitle(), QStringLiteral("Screen, maak hier je items zichtbaar"));
  QVERIFY(!w.isVisible());
  QCOMPARE(w.pos(), QPoint(237, 228));
  QCOMPARE(w.size(), QSize(1125, 406));
  QCOMPARE(w.maximumSize(), QSize(1125, 406));
  QCOMPARE(w.windowModality(), Qt::NonModal);
  QCOMPARE(w.palette().color(QPalette::Window), QColor(192, 192, 192));

  const struct {
    const char* name;
    const char* text;
    QPoint at;
  } headings[] = {
      {"Label1", "Analoge ingangen 0 - 5 Volt", {8, 16}},
      {"Label2", "Digitale ingangen high/low", {8, 384}},
      {"Label3", "Spinknoppen 0 - 255", {184, 240}},
      {"Label4", "Digitale uitgangen high/low", {536, 240}},
      {"Label5", "beeldschermknoppen", {400, 384}},
      {"Label6", "Regelaars", {352, 224}},
      {"Label7", "Recorders", {208, 208}},
  };
  for (const auto& heading : headings) {
    auto* label = rig.Editor<QLabel>(QString::fromLatin1(heading.name));
    QCOMPARE(label->text(), QString::fromLatin1(heading.text));
    QCOMPARE(label->pos(), heading.at);
    QVERIFY(label->font().bold());
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::blue));
    // Nothing of the heading hides under the drawing or past the window.
    QVERIFY(label->geometry().right() < 720);
    QVERIFY(label->geometry().bottom() < 406);
  }

  // One group of 47: none selected, and selecting one clears the one before.
  const auto& items = tessaro::ScreenItems();
  QButtonGroup* group = nullptr;
  for (int n = 1; n <= 47; ++n) {
    auto* radio = rig.Editor<QRadioButton>(QStringLiteral("RadioButton%1").arg(n));
    const auto& item = items[static_cast<size_t>(n - 1)];
    QCOMPARE(radio->text(), QString::fromStdString(tessaro::Say(tessaro::ItemCaption(item))));
    QCOMPARE(radio->pos(), QPoint(item.radio_left, item.radio_top));
    QVERIFY(radio->font().bold());
    QVERIFY(!radio->isChecked());
    QVERIFY(radio->group() != nullptr);
    if (group == nullptr) group = radio->group();
    QCOMPARE(radio->group(), group);
  }
  QVERIFY(group->exclusive());
  // The names as the program has always written them.
  QCOMPARE(rig.Editor<QRadioButton>(QStringLiteral("RadioButton9"))->text(),
           QStringLiteral("Analoge Ingang1"));
  QCOMPARE(rig.Editor<QRadioButton>(QStringLiteral("RadioButton35"))->text(),
           QStringLiteral("PID Regelaar cascade"));
  QCOMPARE(rig.Editor<QRadioButton>(QStringLiteral("RadioButton47"))->text(),
           QStringLiteral("Aan/uit Regelaar 9"));

  auto* preview = rig.Editor<QLabel>(QStringLiteral("Image1"));
  QCOMPARE(preview->geometry(), QRect(568, 40, 71, 71));
  QVERIFY(Plain(preview->pixmap().toImage()));
  QCOMPARE(preview->pixmap().size(), QSize(71, 71));

  QCOMPARE(rig.SpinEdit(1)->geometry(), QRect(568, 16, 57, 22));
  QCOMPARE(rig.SpinEdit(1)->toolTip(), QStringLiteral("Verschuiven naar rechts"));
  QCOMPARE(rig.SpinEdit(1)->maximum(), 2000);
  QCOMPARE(rig.SpinEdit(2)->geometry(), QRect(648, 88, 57, 22));
  QCOMPARE(rig.SpinEdit(2)->toolTip(), QStringLiteral("Verschuiven naar onderen"));
  QCOMPARE(rig.SpinEdit(2)->maximum(), 1200);
  for (int n = 1; n <= 2; ++n) {
    QCOMPARE(rig.SpinEdit(n)->minimum(), 0);
    QCOMPARE(rig.SpinEdit(n)->value(), 0);
  }
  QCOMPARE(rig.Visible()->text(), QStringLiteral("Visible"));
  QCOMPARE(rig.Visible()->pos(), QPoint(568, 120));
  QVERIFY(!rig.Visible()->isChecked());

  auto* drawing = rig.Editor<QLabel>(QStringLiteral("Image2"));
  QCOMPARE(drawing->geometry(), QRect(720, 0, 404, 406));
  QCOMPARE(drawing->pixmap().size(), QSize(404, 406));
  QVERIFY(!Plain(drawing->pixmap().toImage()));
}

void LayoutWindowTest::ScreenButtonShowsTheEditorAndBringsItToTheFront() {
  Rig rig;
  auto* screen = rig.Screen<QPushButton>(QStringLiteral("Button2"));
  QTest::mouseClick(screen, Qt::LeftButton);
  QVERIFY(rig.layout().isVisible());
  // A second press keeps it shown; closing only hides it, and it keeps its state.
  QTest::mouseClick(screen, Qt::LeftButton);
  QVERIFY(rig.layout().isVisible());
  rig.Select(3);
  rig.layout().close();
  QVERIFY(!rig.layout().isVisible());
  QTest::mouseClick(screen, Qt::LeftButton);
  QVERIFY(rig.layout().isVisible());
  QVERIFY(rig.Editor<QRadioButton>(QStringLiteral("RadioButton3"))->isChecked());
  QCOMPARE(rig.SpinEdit(2)->value(), 150);
}

void LayoutWindowTest::SelectingAnItemMovesItAndVisibleShowsIt() {
  Rig rig;
  QWidget* label10 = rig.Screen(QStringLiteral("Label10"));
  QCOMPARE(label10->pos(), QPoint(904, 32));  // its design place until the editor applies
  rig.Select(1);                              // "Recorder1"
  QVERIFY(!rig.Visible()->isChecked());
  QVERIFY(!label10->isVisible());
  QCOMPARE(rig.SpinEdit(1)->value(), 900);
  QCOMPARE(rig.SpinEdit(2)->value(), 50);
  QCOMPARE(label10->pos(), QPoint(900, 50));
  QCOMPARE(rig.image.ItemLeft[0], 900);
  QCOMPARE(rig.image.ItemTop[0], 50);

  rig.TickVisible();
  QVERIFY(label10->isVisible());
  QCOMPARE(rig.image.ItemVisible[0], 1);
  rig.TickVisible();
  QVERIFY(!label10->isVisible());
  QCOMPARE(rig.image.ItemVisible[0], 0);
}

void LayoutWindowTest::NextItemIsMovedOnlyWhereTheShownValueChanges() {
  Rig rig;
  rig.Select(1);
  rig.TickVisible();
  QWidget* label11 = rig.Screen(QStringLiteral("Label11"));
  const int design_left = label11->x();
  QCOMPARE(design_left, 904);
  label11->show();  // to see that clearing the box hides it
  rig.Select(2);    // "Recorder2", stored hidden at (900, 100)
  QVERIFY(!rig.Editor<QRadioButton>(QStringLiteral("RadioButton1"))->isChecked());
  QVERIFY(!rig.Visible()->isChecked());
  QVERIFY(!label11->isVisible());
  QCOMPARE(rig.image.ItemVisible[1], 0);
  QVERIFY(rig.Screen(QStringLiteral("Label10"))->isVisible());
  // SpinEdit1 already showed 900: Label11 keeps its left edge. SpinEdit2 went 50 -> 100.
  QCOMPARE(rig.SpinEdit(1)->value(), 900);
  QCOMPARE(label11->pos(), QPoint(design_left, 100));
  QCOMPARE(rig.image.ItemTop[1], 100);
}

void LayoutWindowTest::OneStepMovesOnePixelAndChangesOneEntry() {
  Rig rig;
  rig.Select(40);  // "Knop2"
  tessaro::ProcessImage before = rig.image;
  rig.StepUp(2);
  QCOMPARE(rig.Screen(QStringLiteral("Image8"))->pos(), QPoint(216, 251));
  QCOMPARE(ChangedEntries(before, rig.image), QStringList{QStringLiteral("ItemTop[39]")});

  rig.Select(47);  // "Aan/uit Regelaar 9"
  before = rig.image;
  // This time by the up arrow of the box.
  QSpinBox* spin = rig.SpinEdit(1);
  QStyleOptionSpinBox option;
  option.initFrom(spin);
  option.subControls = QStyle::SC_SpinBoxUp;
  option.buttonSymbols = spin->buttonSymbols();
  option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
  const QRect up =
      spin->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, spin);
  QTest::mouseClick(spin, Qt::LeftButton, {}, up.center());
  QCOMPARE(spin->value(), 441);
  QCOMPARE(rig.Screen(QStringLiteral("Label26"))->x(), 441);
  QCOMPARE(ChangedEntries(before, rig.image), QStringList{QStringLiteral("ItemLeft[46]")});
}

void LayoutWindowTest::PositionBoxesStepButRefuseTyping() {
  Rig rig;
  rig.Select(9);  // "Analoge Ingang1" at (25, 200)
  QSpinBox* spin = rig.SpinEdit(1);
  spin->setFocus();
  QTest::keyClick(spin, Qt::Key_End);
  QTest::keyClicks(spin, QStringLiteral("7"));
  QTest::keyClick(spin, Qt::Key_Return);
  QCOMPARE(spin->text(), QStringLiteral("25"));
  QCOMPARE(spin->value(), 25);
  QCOMPARE(rig.image.ItemLeft[8], 25);
  QTest::keyClick(spin, Qt::Key_Down);
  QCOMPARE(spin->value(), 24);
  QCOMPARE(rig.image.ItemLeft[8], 24);
  QCOMPARE(rig.Screen(QStringLiteral("Label2"))->x(), 24);
}

void LayoutWindowTest::WithoutASelectionNothingMoves() {
  Rig rig;
  const tessaro::ProcessImage before = rig.image;
  const QPoint label10 = rig.Screen(QStringLiteral("Label10"))->pos();
  rig.StepUp(1);
  rig.StepUp(2);
  rig.TickVisible();
  QCOMPARE(rig.SpinEdit(1)->value(), 1);
  QCOMPARE(rig.SpinEdit(2)->value(), 1);
  QVERIFY(rig.Visible()->isChecked());
  QVERIFY(ChangedEntries(before, rig.image).isEmpty());
  for (int i = 0; i < tessaro::kScreenItems; ++i) QVERIFY(!rig.main().ItemControl(i)->isVisible());
  QCOMPARE(rig.Screen(QStringLiteral("Label10"))->pos(), label10);
}

void LayoutWindowTest::ClickOnTheSelectedButtonDoesNothing() {
  Rig rig;
  rig.Select(1);
  // Tables replaced behind the editor's back, as a project load does.
  rig.image.ItemLeft[0] = 700;
  rig.image.ItemVisible[0] = 1;
  rig.Select(1);
  QVERIFY(rig.Editor<QRadioButton>(QStringLiteral("RadioButton1"))->isChecked());
  QCOMPARE(rig.SpinEdit(1)->value(), 900);
  QVERIFY(!rig.Visible()->isChecked());
  QCOMPARE(rig.Screen(QStringLiteral("Label10"))->x(), 900);
  // Selected again after another, it takes the stored values.
  rig.Select(2);
  rig.Select(1);
  QCOMPARE(rig.SpinEdit(1)->value(), 700);
  QVERIFY(rig.Visible()->isChecked());
  QCOMPARE(rig.Screen(QStringLiteral("Label10"))->x(), 700);
  QVERIFY(rig.Screen(QStringLiteral("Label10"))->isVisible());
}

void LayoutWindowTest::StoredPositionBeyondTheRangeIsLimited() {
  Rig rig;
  rig.image.ItemLeft[3] = 2500;
  rig.Select(4);  // "Recorder4"
  QCOMPARE(rig.SpinEdit(1)->value(), 2000);
  QCOMPARE(rig.Screen(QStringLiteral("Label13"))->x(), 2000);
  QCOMPARE(rig.image.ItemLeft[3], 2000);
}

void LayoutWindowTest::PreviewKeepsItsPictureWhenOneIsMissing() {
  Rig rig;
  rig.messages.informations.clear();  // the test folder has no process plate
  const QImage rec1 = rig.root.WritePicture(QStringLiteral("Velden/REC1.bmp"), Qt::red, {71, 71});
  rig.Select(1);
  QVERIFY(SamePixels(rig.Preview(), rec1));
  rig.Select(2);  // no Velden/Rec2.bmp
  QVERIFY(SamePixels(rig.Preview(), rec1));
  QVERIFY(rig.messages.errors.empty());
  QVERIFY(rig.messages.informations.empty());
  // The item itself was still edited.
  QCOMPARE(rig.image.ItemTop[1], 100);
}

void LayoutWindowTest::WiringDrawingIsDecodedFromTheBuiltInJpeg() {
  // The English drawing is the same drawing with other words.
  const QImage english = tessaro::LoadJpeg(QStringLiteral(":/screen/Bedrading-en.jpg"));
  QCOMPARE(english.size(), QSize(404, 406));
  QVERIFY(english != tessaro::LoadJpeg(kDrawing));

  const QImage drawing = tessaro::LoadJpeg(kDrawing);
  QCOMPARE(drawing.size(), QSize(404, 406));
  // White paper with dark ink: the corners are white, and a good share of pixels is ink.
  const QColor corner = drawing.pixelColor(1, 404);
  QVERIFY(corner.red() > 240 && corner.green() > 240 && corner.blue() > 240);
  int ink = 0;
  for (int y = 0; y < drawing.height(); ++y) {
    for (int x = 0; x < drawing.width(); ++x) {
      if (qGray(drawing.pixel(x, y)) < 100) ++ink;
    }
  }
  QVERIFY2(ink > 2000, qPrintable(QString::number(ink)));
  // Decoding agrees with another decoder to within JPEG rounding.
  QImage reference;
  QVERIFY(reference.loadFromData(ReadAll(kDrawing), "JPEG"));
  reference = reference.convertToFormat(QImage::Format_RGB888);
  int worst = 0;
  for (int y = 0; y < drawing.height(); y += 3) {
    for (int x = 0; x < drawing.width(); x += 3) {
      const QRgb a = drawing.pixel(x, y);
      const QRgb b = reference.pixel(x, y);
      worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                        std::abs(qBlue(a) - qBlue(b))});
    }
  }
  QVERIFY2(worst <= 4, qPrintable(QString::number(worst)));
}

void LayoutWindowTest::BrokenOrMissingJpegGivesAGreyPicture() {
  const QByteArray whole = ReadAll(kDrawing);
  QVERIFY(!tessaro::DecodeJpeg(whole).isNull());
  QVERIFY(tessaro::DecodeJpeg(whole.left(whole.size() / 2)).isNull());  // cut off
  QVERIFY(tessaro::DecodeJpeg(whole.left(300)).isNull());               // header only
  QVERIFY(tessaro::DecodeJpeg(QByteArray()).isNull());
  QVERIFY(tessaro::DecodeJpeg(QByteArray("not a picture at all")).isNull());
  QByteArray damaged = whole;
  for (qsizetype i = damaged.size() / 3; i < damaged.size() / 3 + 64; ++i) damaged[i] = '\xff';
  QVERIFY(tessaro::DecodeJpeg(damaged).isNull());
  // A header claiming a huge picture is refused before anything is allocated.
  QByteArray huge = whole;
  const qsizetype frame = huge.indexOf(QByteArray("\xff\xc0", 2));
  QVERIFY(frame > 0);
  huge[frame + 5] = '\x7f';  // height 0x7f..
  QVERIFY(tessaro::DecodeJpeg(huge).isNull());

  TestDataRoot root;
  const QString broken = QString::fromStdString((root.path() / "broken.jpg").string());
  QFile out(broken);
  QVERIFY(out.open(QIODevice::WriteOnly));
  out.write(whole.left(whole.size() / 2));
  out.close();
  for (const QString& file : {broken, QStringLiteral("/no/such/file.jpg")}) {
    const QPixmap shown = LayoutWindow::WiringPicture(file);
    QCOMPARE(shown.size(), QSize(404, 406));
    QVERIFY(Plain(shown.toImage()));
  }
}

QTEST_MAIN(LayoutWindowTest)
#include "layout_window_test.moc"
