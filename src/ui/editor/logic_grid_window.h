// The logic grid: 16 rows of 7 field pictures on which the user builds the schema. A click
// on a field selects it and opens the palette of its column; the three palettes belong to
// this window and place their blocks into its fields. While the scan runs, wire values and
// block parameters are painted onto the field pictures.
#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "engine/core/block_keys.h"
#include "engine/core/image_sizes.h"
#include "engine/editor/edit_history.h"

class QLabel;

namespace tessaro {

struct ProcessImage;

class BlockPalette;
class Messages;
class PictureLoader;

class LogicGridWindow : public QWidget {
  Q_OBJECT

 public:
  // The window and its palettes are created hidden.
  LogicGridWindow(ProcessImage& image, Messages& messages, PictureLoader& pictures,
                  QWidget* parent = nullptr);
  ~LogicGridWindow() override;

  // The main window's "Logics": shows the window, or brings it to the front.
  void ShowLogics();

  // A click on field (row, column).
  void VeldClick(int row, int column);

  BlockPalette& PaletteWindow(Palette palette) const;

  // The picture control of field (row, column); rows 1..16, columns 1..7.
  QLabel* Field(int row, int column) const;
  void SetFieldPicture(int row, int column, const QPixmap& picture);

  // After "Nieuw" every field shows its start picture again; after a load or "Nieuw" the
  // processing palette's editors show the image's values.
  void ShowStartFields();
  void ShowPaletteEditors();

  // Undo and redo of the grid's edits (Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z, and the window's
  // context menu); the field shows its picture of then.
  void UndoClick();
  void RedoClick();

  // The hover text of a field, and its renewal while it is shown, so that it follows the
  // values as the scan moves them.
  QString HoverText(int row, int column) const;
  void RefreshHover();

  // The scan paints `text` onto a field's picture with its top-left corner at (x, y): on
  // silver, or on the picture's own white.
  void FieldTextPainted(int row, int column, int x, int y, const std::string& text, bool silver);

 protected:
  // "sluiten": the window only hides; fields, selection and palettes stay as they are.
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildFields(QWidget* grid);
  void BuildUndoActions();
  void ShowUndone(const UndoResult& result);

  ProcessImage& image_;
  Messages& messages_;
  PictureLoader& pictures_;
  std::array<std::array<QLabel*, kColumns + 1>, kRows + 1> fields_{};
  std::array<std::unique_ptr<BlockPalette>, 3> palettes_;
  // The field whose hover text is shown, and where.
  int hover_row_ = 0;
  int hover_column_ = 0;
  QPoint hover_at_;

  // What each field's picture carries from the last captions: the picture painted (by its
  // cache key) and the text at each caption position. The scan repaints the same captions
  // every cycle; a caption already standing on the picture is not painted again.
  struct Painted {
    qint64 picture = 0;
    std::array<std::pair<int, std::string>, 2> captions{};  // (y, text + background)
  };
  std::array<std::array<Painted, kColumns + 1>, kRows + 1> painted_{};
};

// The picture every field shows at start: a grey gradient from dark at the top left to mid
// grey at the bottom right.
QPixmap StartFieldPicture();

}  // namespace tessaro
