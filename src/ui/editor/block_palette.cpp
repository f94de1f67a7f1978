#include "ui/editor/block_palette.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <string>

#include "engine/core/messages.h"
#include "engine/core/process_image.h"
#include "engine/editor/block_help.h"
#include "engine/editor/placement.h"
#include "ui/core/click_label.h"
#include "ui/core/fonts.h"
#include "ui/core/language.h"
#include "ui/core/owned_window.h"
#include "ui/core/picture_loader.h"
#include "ui/editor/logic_grid_window.h"
#include "ui/editor/palette_entries.h"
#include "ui/editor/palette_pictures.h"

namespace tessaro {

namespace {

constexpr int kFontPixels = 11;
const QColor kBackground(128, 128, 128);

// An entry's picture. Some entries also take a double click as their choice.
class EntryPicture : public ClickLabel {
  Q_OBJECT

 public:
  EntryPicture(bool double_click, QWidget* parent)
      : ClickLabel(parent), double_click_(double_click) {}

 signals:
  void doubleClicked();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    if (double_click_ && event->button() == Qt::LeftButton) {
      emit doubleClicked();
      return;
    }
    ClickLabel::mouseDoubleClickEvent(event);
  }

 private:
  const bool double_click_;
};

}  // namespace

BlockPalette::BlockPalette(Palette palette, const PaletteDesign& design, ProcessImage& image,
                           Messages& messages, PictureLoader& pictures, LogicGridWindow& grid,
                           QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      palette_(palette),
      image_(image),
      messages_(messages),
      pictures_(pictures),
      grid_(grid) {
  setObjectName(QString::fromLatin1(design.name));
  setWindowTitle(QCoreApplication::translate("Palette", design.title));
  setFont(TahomaFont(kFontPixels));
  setAutoFillBackground(true);
  QPalette colours = this->palette();
  colours.setColor(QPalette::Window, kBackground);
  setPalette(colours);
  setFixedSize(design.size);
  move(design.position);
  setFocusPolicy(Qt::ClickFocus);
  AddEntries();
}

void BlockPalette::AddEntries() {
  for (const PaletteEntry& entry : PaletteEntries(palette_)) {
    auto* picture = new EntryPicture(entry.double_click, this);
    picture->setObjectName(QStringLiteral("Image%1").arg(entry.picture));
    picture->setGeometry(entry.place);
    picture->setPixmap(PaletteEntryPicture(entry.key, entry.place.size()));
    // The entry's name, and what the block does.
    const QString help = TranslatedText(BlockHelp(entry.key));
    picture->setToolTip(entry.tooltip.isEmpty() ? help : entry.tooltip + QLatin1Char('\n') + help);
    const std::string key = entry.key;
    connect(picture, &ClickLabel::clicked, this, [this, key] { Choose(key); });
    connect(picture, &EntryPicture::doubleClicked, this, [this, key] { Choose(key); });
  }
}

void BlockPalette::ShowOnTop() {
  ShowToFront(*this);
  // The palette itself takes the keys, not a setting editor, so that the grid's undo keys
  // work right after the click that opened it; a click into an editor still edits.
  setFocus(Qt::OtherFocusReason);
}

void BlockPalette::Choose(std::string_view key) {
  const int row = image_.SelectedRow;
  const int column = image_.SelectedColumn;
  const PlacementResult result =
      PlaceBlock(image_, palette_, key, [this, row, column](const std::string& file) {
        const QPixmap picture = pictures_.Load(file);
        if (picture.isNull()) return false;
        grid_.SetFieldPicture(row, column, picture);
        return true;
      });
  if (!result.message.empty()) messages_.Information(messages_.Render(result.message));
  if (result.palette_closes) hide();
}

}  // namespace tessaro

#include "block_palette.moc"
