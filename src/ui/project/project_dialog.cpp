#include "ui/project/project_dialog.h"

#include <QFileDialog>
#include <QMenu>
#include <QPushButton>

namespace tessaro {

namespace {

constexpr int kButtonWidth = 121;
constexpr int kButtonHeight = 33;
constexpr int kLeftColumn = 16;
constexpr int kRightColumn = 160;
constexpr int kRowStep = 40;

QString AskFile(QWidget* parent, bool save, const QString& folder) {
  const QString filter = QStringLiteral("Projecten (*.txt)");
  if (save) {
    QString file =
        QFileDialog::getSaveFileName(parent, QStringLiteral("Opslaan als"), folder, filter);
    // A name typed without its ending gets the projects' ending.
    if (!file.isEmpty() && !file.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)) {
      file += QStringLiteral(".txt");
    }
    return file;
  }
  return QFileDialog::getOpenFileName(parent, QStringLiteral("Openen"), folder, filter);
}

}  // namespace

ProjectDialog::ProjectDialog(Actions actions, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      actions_(std::move(actions)),
      chooser_(AskFile) {
  setObjectName(QStringLiteral("TForm21"));
  setWindowTitle(QStringLiteral("Opslaan/Inlezen"));
  setModal(false);
  // Two rows below the first hold the new actions; the first row stays where it was.
  setFixedSize(306, 68 + 2 * kRowStep);
  move(472, 415);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(128, 128, 128));
  setPalette(palette);

  struct ButtonDesign {
    const char* name;
    QString text;
    int left;
    int row;
    void (ProjectDialog::*click)();
  };
  const ButtonDesign buttons[] = {
      {"Button1", QStringLiteral("Opslaan"), kLeftColumn, 0, &ProjectDialog::Opslaan},
      {"Button2", QStringLiteral("Inlezen"), kRightColumn, 0, &ProjectDialog::Inlezen},
      {"OpslaanAlsButton", QStringLiteral("Opslaan als…"), kLeftColumn, 1,
       &ProjectDialog::OpslaanAls},
      {"OpenenButton", QStringLiteral("Openen…"), kRightColumn, 1, &ProjectDialog::Openen},
      {"NieuwButton", QStringLiteral("Nieuw"), kLeftColumn, 2, &ProjectDialog::Nieuw},
      {"VoorbeeldenButton", QStringLiteral("Voorbeelden"), kRightColumn, 2, nullptr},
  };
  for (const ButtonDesign& design : buttons) {
    auto* button = new QPushButton(design.text, this);
    button->setObjectName(QString::fromLatin1(design.name));
    button->setGeometry(design.left, 16 + design.row * kRowStep, kButtonWidth, kButtonHeight);
    button->setAutoDefault(false);
    if (design.click != nullptr) {
      connect(button, &QPushButton::clicked, this, design.click);
    } else {
      examples_menu_ = new QMenu(button);
      examples_menu_->setObjectName(QStringLiteral("VoorbeeldenMenu"));
      connect(examples_menu_, &QMenu::aboutToShow, this, &ProjectDialog::FillExamplesMenu);
      button->setMenu(examples_menu_);
    }
  }
  FillExamplesMenu();
}

void ProjectDialog::Done(bool completed) {
  if (completed) hide();
}

void ProjectDialog::Opslaan() { Done(actions_.save()); }

void ProjectDialog::Inlezen() { Done(actions_.load()); }

void ProjectDialog::OpslaanAls() {
  const QString file = chooser_(this, true, actions_.start_folder());
  if (!file.isEmpty()) Done(actions_.save_as(file));
}

void ProjectDialog::Openen() {
  const QString file = chooser_(this, false, actions_.start_folder());
  if (!file.isEmpty()) Done(actions_.open(file));
}

void ProjectDialog::Nieuw() { Done(actions_.new_project()); }

// The lessons are looked up each time the menu opens, so a lesson added meanwhile shows.
void ProjectDialog::FillExamplesMenu() {
  examples_menu_->clear();
  const std::vector<Example> examples = actions_.examples();
  if (examples.empty()) {
    examples_menu_->addAction(QStringLiteral("(geen voorbeelden gevonden)"))->setEnabled(false);
    return;
  }
  for (const Example& example : examples) {
    connect(examples_menu_->addAction(example.name), &QAction::triggered, this,
            [this, file = example.file] { Done(actions_.open_example(file)); });
  }
}

}  // namespace tessaro
