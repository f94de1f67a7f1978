#include "ui/screen/layout_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "engine/screen/screen_items.h"
#include "ui/control/faceplate_controls.h"
#include "ui/core/fonts.h"
#include "ui/core/language.h"
#include "ui/core/owned_window.h"
#include "ui/core/picture_loader.h"
#include "ui/screen/jpeg_image.h"

namespace tessaro {

namespace {

constexpr int kClientWidth = 1125;
constexpr int kClientHeight = 406;
constexpr int kFirstLeft = 237;
constexpr int kFirstTop = 228;
constexpr int kFontPixels = 11;
constexpr int kRadioHeight = 17;
const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);
const QColor kHeadingBlue(0, 0, 255);

// The wiring drawing in the language the program speaks (its words are drawn in), or its copy
// at twice the size.
QString WiringFile(bool dense) {
  return QStringLiteral(":/screen/Bedrading%1%2.jpg")
      .arg(CurrentLanguage() == Language::kEnglish ? QStringLiteral("-en") : QString(),
           dense ? QStringLiteral("@2x") : QString());
}
constexpr QSize kWiringSize(404, 406);
constexpr QSize kPreviewSize(71, 71);

struct Heading {
  const char* name;
  const char* text;
  int left, top;
};

constexpr Heading kHeadings[] = {
    {"Label1", QT_TRANSLATE_NOOP("LayoutWindow", "Analoge ingangen 0 - 5 Volt"), 8, 16},
    {"Label2", QT_TRANSLATE_NOOP("LayoutWindow", "Digitale ingangen high/low"), 8, 384},
    {"Label3", QT_TRANSLATE_NOOP("LayoutWindow", "Spinknoppen 0 - 255"), 184, 240},
    {"Label4", QT_TRANSLATE_NOOP("LayoutWindow", "Digitale uitgangen high/low"), 536, 240},
    {"Label5", QT_TRANSLATE_NOOP("LayoutWindow", "beeldschermknoppen"), 400, 384},
    {"Label6", QT_TRANSLATE_NOOP("LayoutWindow", "Regelaars"), 352, 224},
    {"Label7", QT_TRANSLATE_NOOP("LayoutWindow", "Recorders"), 208, 208},
};

QPixmap Plain(QSize size) {
  QPixmap picture(size);
  picture.fill(kGrey);
  return picture;
}

template <typename Control>
Control* Place(Control* control, const QString& name, int left, int top) {
  control->setObjectName(name);
  control->move(left, top);
  return control;
}

}  // namespace

LayoutWindow::LayoutWindow(ProcessImage& image, ScreenView& view, PictureLoader& pictures,
                           QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      image_(image),
      view_(view),
      pictures_(pictures) {
  setObjectName(QStringLiteral("TForm2"));
  setWindowTitle(tr("Screen, maak hier je items zichtbaar"));
  setFont(TahomaFont(kFontPixels));
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kSilver);
  setPalette(palette);
  // Never larger than its design; on a smaller screen the controls scroll.
  setMaximumSize(kClientWidth, kClientHeight);
  resize(kClientWidth, kClientHeight);
  move(kFirstLeft, kFirstTop);
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("ScrollBox"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setBackgroundRole(QPalette::Window);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll);
  auto* content = new QWidget;
  content->setFixedSize(kClientWidth, kClientHeight);
  BuildControls(content);
  scroll->setWidget(content);
}

void LayoutWindow::BuildControls(QWidget* content) {
  for (const Heading& heading : kHeadings) {
    auto* label =
        Place(new QLabel(QCoreApplication::translate("LayoutWindow", heading.text), content),
              QString::fromLatin1(heading.name), heading.left, heading.top);
    label->setFont(TahomaFont(kFontPixels, true));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kHeadingBlue);
    label->setPalette(palette);
    label->adjustSize();
  }

  // One group: selecting one button clears the others; none is selected at start.
  radios_ = new QButtonGroup(this);
  radios_->setExclusive(true);
  const auto& items = ScreenItems();
  for (int n = 1; n <= static_cast<int>(items.size()); ++n) {
    const ScreenItemInfo& item = items[static_cast<size_t>(n - 1)];
    auto* radio = Place(new QRadioButton(TranslatedText(ItemCaption(item)), content),
                        QStringLiteral("RadioButton%1").arg(n), item.radio_left, item.radio_top);
    radio->setFont(TahomaFont(kFontPixels, true));
    radio->resize(radio->sizeHint().width(), kRadioHeight);
    radios_->addButton(radio, n);
  }
  // Wie runs only when a button becomes selected, not on a click on the selected one.
  connect(radios_, &QButtonGroup::idToggled, this, [this](int button, bool checked) {
    if (checked) Wie(button);
  });

  preview_ = Place(new QLabel(content), QStringLiteral("Image1"), 568, 40);
  preview_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  preview_->resize(kPreviewSize);
  preview_->setPixmap(Plain(kPreviewSize));

  // Both boxes step by their arrows, keys and wheel only, faster while held.
  horizontal_ = Place(new ArrowSpinBox(content), QStringLiteral("SpinEdit1"), 568, 16);
  horizontal_->setRange(0, kMaxItemLeft);
  horizontal_->resize(57, 22);
  horizontal_->setToolTip(tr("Verschuiven naar rechts"));
  connect(horizontal_, &QSpinBox::valueChanged, this, [this](int value) {
    SetSpinEdit1(image_, view_, editor_, value);
    ShowState();
  });

  vertical_ = Place(new ArrowSpinBox(content), QStringLiteral("SpinEdit2"), 648, 88);
  vertical_->setRange(0, kMaxItemTop);
  vertical_->resize(57, 22);
  vertical_->setToolTip(tr("Verschuiven naar onderen"));
  connect(vertical_, &QSpinBox::valueChanged, this, [this](int value) {
    SetSpinEdit2(image_, view_, editor_, value);
    ShowState();
  });

  visible_ = Place(new QCheckBox(tr("Visible"), content), QStringLiteral("Visible"), 568, 120);
  visible_->adjustSize();
  connect(visible_, &QCheckBox::toggled, this, [this](bool ticked) {
    SetVisibleBox(image_, view_, editor_, ticked);
    ShowState();
  });

  auto* wiring = Place(new QLabel(content), QStringLiteral("Image2"), 720, 0);
  wiring->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  wiring->resize(kWiringSize);
  // On a dense screen its copy at twice the size, drawn for it.
  QPixmap drawing;
  if (qApp->devicePixelRatio() > 1) {
    const QImage dense = LoadJpeg(WiringFile(true));
    if (dense.size() == kWiringSize * 2) {
      drawing = QPixmap::fromImage(dense);
      drawing.setDevicePixelRatio(2);
    }
  }
  wiring->setPixmap(drawing.isNull() ? WiringPicture(WiringFile(false)) : drawing);
}

QPixmap LayoutWindow::WiringPicture(const QString& file) {
  const QImage drawing = LoadJpeg(file);
  return drawing.isNull() ? Plain(kWiringSize) : QPixmap::fromImage(drawing);
}

void LayoutWindow::ShowEditor() { ShowToFront(*this); }

void LayoutWindow::Wie(int button) {
  tessaro::Wie(image_, view_, editor_, button);
  if (!editor_.EditedItemPicture.empty()) {
    // A missing picture is passed over: the preview keeps what it showed.
    const QPixmap picture = pictures_.Load(editor_.EditedItemPicture);
    if (!picture.isNull()) preview_->setPixmap(picture);
  }
  ShowState();
}

void LayoutWindow::ShowState() {
  const QSignalBlocker quiet_box(visible_);
  const QSignalBlocker quiet_left(horizontal_);
  const QSignalBlocker quiet_top(vertical_);
  visible_->setChecked(editor_.Visible);
  horizontal_->setValue(editor_.SpinEdit1);
  vertical_->setValue(editor_.SpinEdit2);
}

}  // namespace tessaro
