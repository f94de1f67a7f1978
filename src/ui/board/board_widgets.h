// The board's parts as the panel draws them: a slide switch for a digital input, a lamp for
// a digital output and a bar for an analog output.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QString>
#include <QWidget>

namespace tessaro {

// A slide switch, up for high. Checkable; disabled while a process holds the input.
class SlideSwitch : public QAbstractButton {
  Q_OBJECT

 public:
  explicit SlideSwitch(QWidget* parent = nullptr);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A round lamp: its colour when lit, dark when not.
class BoardLamp : public QWidget {
  Q_OBJECT

 public:
  BoardLamp(QColor lit, QWidget* parent = nullptr);
  void SetOn(bool on);
  bool IsOn() const { return on_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor lit_;
  bool on_ = false;
};

// A horizontal bar for a value 0..255, with a text inside it.
class OutputBar : public QWidget {
  Q_OBJECT

 public:
  explicit OutputBar(QWidget* parent = nullptr);
  void SetValue(int value, const QString& text);
  int Value() const { return value_; }
  const QString& Text() const { return text_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int value_ = 0;
  QString text_;
};

}  // namespace tessaro
