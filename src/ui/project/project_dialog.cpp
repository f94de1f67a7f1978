#include "ui/project/project_dialog.h"

#include <QPushButton>

namespace tessaro {

ProjectDialog::ProjectDialog(std::function<bool()> save, std::function<bool()> load,
                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint),
      save_(std::move(save)),
      load_(std::move(load)) {
  setObjectName(QStringLiteral("TForm21"));
  setWindowTitle(QStringLiteral("Opslaan/Inlezen"));
  setModal(false);
  setFixedSize(306, 68);
  move(472, 415);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(128, 128, 128));
  setPalette(palette);

  auto* opslaan = new QPushButton(QStringLiteral("Opslaan"), this);
  opslaan->setObjectName(QStringLiteral("Button1"));
  opslaan->setGeometry(16, 16, 121, 33);
  opslaan->setAutoDefault(false);
  connect(opslaan, &QPushButton::clicked, this, &ProjectDialog::Opslaan);
  auto* inlezen = new QPushButton(QStringLiteral("Inlezen"), this);
  inlezen->setObjectName(QStringLiteral("Button2"));
  inlezen->setGeometry(160, 16, 121, 33);
  inlezen->setAutoDefault(false);
  connect(inlezen, &QPushButton::clicked, this, &ProjectDialog::Inlezen);
}

void ProjectDialog::Opslaan() {
  if (save_()) hide();
}

void ProjectDialog::Inlezen() {
  if (load_()) hide();
}

}  // namespace tessaro
