// The screen layout editor: one radio button per screen item, a preview of the item's block
// picture, a check box that shows or hides it and two spin boxes that move it, beside the
// wiring drawing of the analog multiplexer. The engine decides what each click does; this
// window forwards the clicks and shows the editor's state.
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

#include "engine/screen/layout_editor.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QSpinBox;

namespace tessaro {

class PictureLoader;
class ScreenView;
struct ProcessImage;

class LayoutWindow : public QWidget {
  Q_OBJECT

 public:
  // Item changes go to `view` (the operator screen); item pictures come through `pictures`.
  LayoutWindow(ProcessImage& image, ScreenView& view, PictureLoader& pictures,
               QWidget* parent = nullptr);

  // "Screen": shows the editor, or brings it to the front when it is already shown.
  void ShowEditor();

  const LayoutEditor& editor() const { return editor_; }

  // The wiring drawing in `file`, or a plain grey picture of the same size when the file is
  // missing or not a sound JPEG.
  static QPixmap WiringPicture(const QString& file);

 private:
  void BuildControls(QWidget* content);
  void Wie(int button);
  // Puts the editor's state into its controls without running their handlers again.
  void ShowState();

  ProcessImage& image_;
  ScreenView& view_;
  PictureLoader& pictures_;
  LayoutEditor editor_;

  QButtonGroup* radios_ = nullptr;
  QLabel* preview_ = nullptr;       // Image1
  QSpinBox* horizontal_ = nullptr;  // SpinEdit1
  QSpinBox* vertical_ = nullptr;    // SpinEdit2
  QCheckBox* visible_ = nullptr;
};

}  // namespace tessaro
