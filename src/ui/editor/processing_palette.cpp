#include "ui/editor/processing_palette.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "engine/core/block_table.h"
#include "engine/core/process_image.h"
#include "engine/editor/placement.h"
#include "ui/core/fonts.h"

namespace tessaro {

namespace {

const PaletteDesign kDesign{
    "TForm4", QT_TRANSLATE_NOOP("Palette", "Plaats de verwerkingsblokken"), {998, 461}, {207, 344}};

struct GroupTitle {
  const char* text;
  int left;
  int top;
};

constexpr GroupTitle kGroupTitles[] = {
    {QT_TRANSLATE_NOOP("Palette", "Logische poorten"), 520, 16},
    {QT_TRANSLATE_NOOP("Palette", "Set off schakelaar"), 816, 104},
    {QT_TRANSLATE_NOOP("Palette", "Regelaars"), 320, 216},
    {QT_TRANSLATE_NOOP("Palette", "Knipperautomaat"), 816, 272},
    {QT_TRANSLATE_NOOP("Palette", "Recorders"), 96, 264},
    {QT_TRANSLATE_NOOP("Palette", "Timers"), 440, 336},
};
constexpr int kTitlePixels = 13;

// The text boxes, by their names in the block table's editor boxes.
std::string PaletteEditors::*TextOf(const EditorBox& box) {
  return std::string_view(box.name) == "Edit1" ? &PaletteEditors::Edit1 : &PaletteEditors::Edit2;
}

// Editor heights for their two font sizes.
int EditorHeight(int font_pixels) { return font_pixels + 11; }

}  // namespace

ProcessingPalette::ProcessingPalette(ProcessImage& image, Messages& messages,
                                     PictureLoader& pictures, LogicGridWindow& grid,
                                     QWidget* parent)
    : BlockPalette(Palette::Processing, kDesign, image, messages, pictures, grid, parent) {
  AddGroupTitles();
  AddEditors();
}

void ProcessingPalette::AddGroupTitles() {
  for (const GroupTitle& title : kGroupTitles) {
    auto* label = new QLabel(QCoreApplication::translate("Palette", title.text), this);
    label->setFont(TahomaFont(kTitlePixels, true));
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, Qt::yellow);
    label->setPalette(colours);
    label->move(title.left, title.top);
    label->adjustSize();
  }
}

void ProcessingPalette::AddEditors() {
  // Every change is mirrored into the image at once, so a placement never asks a widget.
  const PaletteEditors start;
  for (const EditorBox& design : EditorBoxes()) {
    QWidget* editor = nullptr;
    if (design.spin == 0) {
      const auto text = TextOf(design);
      auto* box = new QLineEdit(QString::fromStdString(start.*text), this);
      image().Editors.*text = start.*text;
      connect(box, &QLineEdit::textChanged, this, [this, edit = text](const QString& now) {
        SetEditText(image(), edit, now.toStdString());
      });
      editor = box;
    } else {
      auto* box = new QSpinBox(this);
      const int n = design.spin;
      const EditorRange range = SpinEditRange(n);
      box->setRange(range.min, range.max);
      box->setValue(start.SpinEdit[static_cast<size_t>(n)]);
      SetSpinEdit(image(), n, box->value());
      // The box reports its values, set or typed; its line edit also reports typed text
      // that is no number, about which the box stays silent; and when the box gives up
      // such text for its last value, the image follows what it shows again.
      const auto mirror = [this, n](const QString& now) {
        SetSpinEditText(image(), n, now.toStdString());
      };
      connect(box, &QSpinBox::textChanged, this, mirror);
      connect(box->findChild<QLineEdit*>(), &QLineEdit::textChanged, this, mirror);
      connect(box, &QSpinBox::editingFinished, this, [box, mirror] { mirror(box->text()); });
      editor = box;
    }
    editor->setObjectName(QString::fromLatin1(design.name));
    editor->setFont(TahomaFont(design.font_pixels, true));
    editor->setToolTip(QCoreApplication::translate("Palette", design.hint));
    editor->setGeometry(design.left, design.top, design.width, EditorHeight(design.font_pixels));
    // The calculation block's editors stand on its picture.
    editor->raise();
  }
}

void ProcessingPalette::ShowEditors() {
  // Copies first: each box mirrors what it now shows back into the image.
  const PaletteEditors values = image().Editors;
  for (const EditorBox& design : EditorBoxes()) {
    const QString name = QString::fromLatin1(design.name);
    if (design.spin == 0) {
      findChild<QLineEdit*>(name)->setText(QString::fromStdString(values.*TextOf(design)));
    } else {
      findChild<QSpinBox*>(name)->setValue(values.SpinEdit[static_cast<size_t>(design.spin)]);
    }
  }
}

}  // namespace tessaro
