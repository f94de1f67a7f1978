// The save/load dialog: "Opslaan" and "Inlezen" of the one project file. It closes after
// a save or load that completed and stays open after a failure, so the user can try again.
#pragma once

#include <QDialog>
#include <functional>

namespace tessaro {

class ProjectDialog : public QDialog {
  Q_OBJECT

 public:
  // Each action returns whether it completed.
  ProjectDialog(std::function<bool()> save, std::function<bool()> load,
                QWidget* parent = nullptr);

  void Opslaan();
  void Inlezen();

 private:
  std::function<bool()> save_;
  std::function<bool()> load_;
};

}  // namespace tessaro
