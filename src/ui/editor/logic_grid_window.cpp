#include "ui/editor/logic_grid_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/core/messages.h"
#include "engine/editor/block_help.h"
#include "engine/editor/grid.h"
#include "ui/core/click_label.h"
#include "ui/core/fonts.h"
#include "ui/core/language.h"
#include "ui/core/owned_window.h"
#include "ui/core/picture_loader.h"
#include "ui/editor/input_palette.h"
#include "ui/editor/output_palette.h"
#include "ui/editor/processing_palette.h"

namespace tessaro {

namespace {

constexpr int kFieldSize = 71;
constexpr int kFontPixels = 11;
// 536 x 800 on screen, window frame included.
constexpr QSize kInnerSize(528, 770);
constexpr QPoint kPosition(475, 56);
constexpr int kLabelTop = 1144;
constexpr int kBottomMargin = 8;
const QColor kSilver(192, 192, 192);

size_t Index(Palette palette) { return static_cast<size_t>(palette); }

}  // namespace

QPixmap StartFieldPicture() {
  // As many device pixels as the screen has for the field: sharp on a dense screen.
  const qreal ratio = std::max<qreal>(1, qApp->devicePixelRatio());
  const int size = qRound(kFieldSize * ratio);
  QImage picture(size, size, QImage::Format_RGB888);
  constexpr int kDark[] = {11, 10, 11};
  constexpr int kLight[] = {150, 149, 150};
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double t = (x + y) / (2.0 * (size - 1));
      int rgb[3];
      for (int i = 0; i < 3; ++i) rgb[i] = kDark[i] + qRound(t * (kLight[i] - kDark[i]));
      picture.setPixel(x, y, qRgb(rgb[0], rgb[1], rgb[2]));
    }
  }
  picture.setDevicePixelRatio(ratio);
  return QPixmap::fromImage(picture);
}

LogicGridWindow::LogicGridWindow(ProcessImage& image, Messages& messages, PictureLoader& pictures,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window), image_(image), messages_(messages), pictures_(pictures) {
  setObjectName(QStringLiteral("TForm3"));
  setWindowTitle(tr("Logics, bouw hier je logisch schema op"));
  setFont(TahomaFont(kFontPixels));
  resize(kInnerSize);
  move(kPosition);

  auto* scroll = new QScrollArea(this);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll);

  auto* grid = new QWidget;
  BuildFields(grid);
  auto* label = new QLabel(QStringLiteral("Logics"), grid);
  label->setObjectName(QStringLiteral("Label1"));
  label->move(0, kLabelTop);
  label->adjustSize();
  grid->resize(kColumns * kFieldSize, label->geometry().bottom() + 1 + kBottomMargin);
  scroll->setWidget(grid);

  palettes_[Index(Palette::Processing)] =
      std::make_unique<ProcessingPalette>(image, messages, pictures, *this, parent);
  palettes_[Index(Palette::Input)] =
      std::make_unique<InputPalette>(image, messages, pictures, *this, parent);
  palettes_[Index(Palette::Output)] =
      std::make_unique<OutputPalette>(image, messages, pictures, *this, parent);
  BuildUndoActions();
}

LogicGridWindow::~LogicGridWindow() = default;

void LogicGridWindow::BuildFields(QWidget* grid) {
  const QPixmap start = StartFieldPicture();
  for (int row = 1; row <= kRows; ++row) {
    for (int column = 1; column <= kColumns; ++column) {
      auto* field = new ClickLabel(grid);
      field->setObjectName(QStringLiteral("Image%1").arg((row - 1) * kColumns + column));
      field->setGeometry((column - 1) * kFieldSize, (row - 1) * kFieldSize, kFieldSize, kFieldSize);
      field->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      field->setPixmap(start);
      connect(field, &ClickLabel::clicked, this, [this, row, column] { VeldClick(row, column); });
      field->setProperty("row", row);
      field->setProperty("column", column);
      field->installEventFilter(this);
      fields_[static_cast<size_t>(row)][static_cast<size_t>(column)] = field;
    }
  }
}

void LogicGridWindow::BuildUndoActions() {
  auto* undo = new QAction(tr("Ongedaan maken"), this);
  undo->setObjectName(QStringLiteral("UndoAction"));
  undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  connect(undo, &QAction::triggered, this, &LogicGridWindow::UndoClick);
  auto* redo = new QAction(tr("Opnieuw"), this);
  redo->setObjectName(QStringLiteral("RedoAction"));
  redo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  connect(redo, &QAction::triggered, this, &LogicGridWindow::RedoClick);
  addAction(undo);
  addAction(redo);
  setContextMenuPolicy(Qt::ActionsContextMenu);
  // A click opens a palette, which then has the focus: the keys work there as well.
  for (const auto& palette : palettes_) palette->addActions({undo, redo});
}

void LogicGridWindow::UndoClick() { ShowUndone(Undo(image_)); }

void LogicGridWindow::RedoClick() { ShowUndone(Redo(image_)); }

void LogicGridWindow::ShowUndone(const UndoResult& result) {
  if (!result.done) return;
  const QPixmap picture =
      result.picture.empty() ? StartFieldPicture() : pictures_.Load(result.picture);
  if (picture.isNull()) {
    messages_.Error(CannotOpenText(result.picture).toStdString());
    return;
  }
  SetFieldPicture(result.row, result.column, picture);
}

QString LogicGridWindow::HoverText(int row, int column) const {
  return TranslatedText(FieldHoverText(image_, row, column));
}

void LogicGridWindow::RefreshHover() {
  if (hover_row_ == 0 || !QToolTip::isVisible()) return;
  QLabel* field = Field(hover_row_, hover_column_);
  // Renewed while the pointer stays on the field. Once it has gone, to another window that
  // tells this one nothing of its moves, the text goes with it instead of being kept up.
  if (!field->rect().contains(field->mapFromGlobal(QCursor::pos()))) {
    hover_row_ = 0;
    QToolTip::hideText();
    return;
  }
  QToolTip::showText(hover_at_, HoverText(hover_row_, hover_column_), field);
}

bool LogicGridWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::eventFilter(watched, event);
  auto* field = static_cast<QWidget*>(watched);
  hover_row_ = field->property("row").toInt();
  hover_column_ = field->property("column").toInt();
  hover_at_ = static_cast<QHelpEvent*>(event)->globalPos();
  QToolTip::showText(hover_at_, HoverText(hover_row_, hover_column_), field);
  return true;
}

void LogicGridWindow::ShowLogics() {
  ShowToFront(*this);
  LogicsShown(image_);
}

void LogicGridWindow::VeldClick(int row, int column) {
  const FieldClick click = tessaro::VeldClick(image_, row, column);
  if (!click.valid) return;
  PaletteWindow(click.palette).ShowOnTop();
  const QPixmap blank = pictures_.Load(click.picture);
  if (blank.isNull()) {
    // The palette is open and the field selected: placing a block still works.
    messages_.Error(CannotOpenText(click.picture).toStdString());
    return;
  }
  SetFieldPicture(row, column, blank);
}

void LogicGridWindow::ShowStartFields() {
  const QPixmap start = StartFieldPicture();
  for (int r = 1; r <= kRows; ++r) {
    for (int c = 1; c <= kColumns; ++c) SetFieldPicture(r, c, start);
  }
  painted_ = {};
}

void LogicGridWindow::ShowPaletteEditors() {
  static_cast<ProcessingPalette&>(PaletteWindow(Palette::Processing)).ShowEditors();
}

BlockPalette& LogicGridWindow::PaletteWindow(Palette palette) const {
  return *palettes_[Index(palette)];
}

QLabel* LogicGridWindow::Field(int row, int column) const {
  if (row < 1 || row > kRows || column < 1 || column > kColumns) return nullptr;
  return fields_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

void LogicGridWindow::SetFieldPicture(int row, int column, const QPixmap& picture) {
  if (QLabel* field = Field(row, column)) field->setPixmap(picture);
}

void LogicGridWindow::FieldTextPainted(int row, int column, int x, int y, const std::string& text,
                                       bool silver) {
  QLabel* field = Field(row, column);
  if (field == nullptr) return;
  // Painting detaches the field's copy; a cached picture stays as its file holds it.
  QPixmap picture = field->pixmap();
  if (picture.isNull()) return;
  Painted& painted = painted_[static_cast<size_t>(row)][static_cast<size_t>(column)];
  if (painted.picture != picture.cacheKey()) painted = Painted{};  // a new picture was loaded
  const std::string mark = text + (silver ? "|s" : "|w");
  auto slot = std::find_if(painted.captions.begin(), painted.captions.end(),
                           [y](const auto& c) { return c.first == y || c.second.empty(); });
  if (slot != painted.captions.end() && slot->first == y && slot->second == mark) return;
  const QString shown = QString::fromStdString(text);
  const QFontMetrics metrics(font());
  const QRect box(x, y, metrics.horizontalAdvance(shown), metrics.height());
  {
    QPainter painter(&picture);
    painter.setFont(font());
    // The box is opaque, so the trailing blanks wipe out the digits of a longer old value.
    painter.fillRect(box, silver ? kSilver : QColor(Qt::white));
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, shown);
  }
  field->setPixmap(picture);
  painted.picture = field->pixmap().cacheKey();
  if (slot != painted.captions.end()) *slot = {y, mark};
}

void LogicGridWindow::closeEvent(QCloseEvent* event) {
  sluiten(image_);
  QWidget::closeEvent(event);
}

}  // namespace tessaro
