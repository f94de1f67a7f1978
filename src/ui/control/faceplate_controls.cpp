#include "ui/control/faceplate_controls.h"

#include <QLineEdit>
#include <QPainter>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolButton>
#include <QWheelEvent>
#include <cstdlib>

namespace tessaro {

namespace {

QToolButton* MakeArrow(QWidget* parent, const char* name, Qt::ArrowType arrow) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setAutoRepeatDelay(400);
  button->setAutoRepeatInterval(80);
  return button;
}

QColor LampQColor(LampColour colour) {
  switch (colour) {
    case LampColour::Yellow:
      return QColor(255, 255, 0);
    case LampColour::Red:
      return QColor(255, 0, 0);
    case LampColour::White:
      break;
  }
  return QColor(255, 255, 255);
}

}  // namespace

ArrowPair::ArrowPair(QWidget* parent)
    : QWidget(parent),
      up_(MakeArrow(this, "Up", Qt::UpArrow)),
      down_(MakeArrow(this, "Down", Qt::DownArrow)) {
  for (QToolButton* arrow : {up_, down_}) {
    const bool up = arrow == up_;
    connect(arrow, &QToolButton::pressed, this, [this] { held_.start(); });
    connect(arrow, &QToolButton::clicked, this, [this, up] {
      Steps(up, held_.isValid() ? RepeatSteps(held_.elapsed()) : 1);
    });
  }
  for (const bool up : {true, false}) {
    auto* page = new QShortcut(QKeySequence(up ? Qt::Key_PageUp : Qt::Key_PageDown), this);
    page->setContext(Qt::WindowShortcut);
    connect(page, &QShortcut::activated, this, [this, up] { Steps(up, 10); });
  }
}

int ArrowPair::RepeatSteps(qint64 held_ms) {
  if (held_ms < 1500) return 1;
  if (held_ms < 3000) return 5;
  return 10;
}

void ArrowPair::Steps(bool up, int count) {
  for (int i = 0; i < count; ++i) up ? emit UpClicked() : emit DownClicked();
}

void ArrowPair::wheelEvent(QWheelEvent* event) {
  wheel_ += event->angleDelta().y();
  const int notches = wheel_ / 120;
  wheel_ -= notches * 120;
  Steps(notches > 0, std::abs(notches));
  event->accept();
}

void ArrowPair::resizeEvent(QResizeEvent* /*event*/) {
  const int upper = height() / 2;
  up_->setGeometry(0, 0, width(), upper);
  down_->setGeometry(0, upper, width(), height() - upper);
}

LampShape::LampShape(QWidget* parent) : QWidget(parent) {}

void LampShape::SetColour(LampColour colour) {
  const QColor shown = LampQColor(colour);
  if (shown == colour_) return;
  colour_ = shown;
  update();
}

void LampShape::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(colour_);
  painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

LampShape* MakeLamp(QWidget* parent, const char* name, int left, int top) {
  auto* lamp = new LampShape(parent);
  lamp->setObjectName(QString::fromLatin1(name));
  lamp->setGeometry(left, top, 33, 33);
  return lamp;
}

ArrowSpinBox::ArrowSpinBox(QWidget* parent) : QSpinBox(parent) {
  lineEdit()->setReadOnly(true);
  setAccelerated(true);
}

void ArrowSpinBox::Mirror(int value) {
  // Setting the value a box already shows still redraws it.
  if (value == this->value()) return;
  const QSignalBlocker quiet(this);
  setValue(value);
}

}  // namespace tessaro
