#include "ui/project/project_dialog.h"

#include <QFileDialog>
#include <QMenu>
#include <QPushButton>

#include "ui/core/language.h"

namespace tessaro {

namespace {

constexpr int kButtonWidth = 121;
constexpr int kButtonHeight = 33;
constexpr int kLeftColumn = 16;
constexpr int kRightColumn = 160;
constexpr int kRowStep = 40;
constexpr int kHeight = 68 + 3 * kRowStep;

QString AskFile(QWidget* parent, bool save, const QString& folder) {
  const QString filter = ProjectDialog::tr("Projecten (*.txt)");
  if (save) {
    QString file =
        QFileDialog::getSaveFileName(parent, ProjectDialog::tr("Opslaan als"), folder, filter);
    // A name typed without its ending gets the projects' ending.
    if (!file.isEmpty() && !file.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)) {
      file += QStringLiteral(".txt");
    }
    return file;
  }
  return QFileDialog::getOpenFileName(parent, ProjectDialog::tr("Openen"), folder, filter);
}

}  // namespace

ProjectDialog::ProjectDialog(Actions actions, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      actions_(std::move(actions)),
      chooser_(AskFile) {
  setObjectName(QStringLiteral("TForm21"));
  setWindowTitle(tr("Opslaan/Inlezen"));
  setModal(false);
  // Three rows below the first hold the new actions; the first row stays where it was.
  setFixedSize(306, kHeight);
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
      {"Button1", tr("Opslaan"), kLeftColumn, 0, &ProjectDialog::Opslaan},
      {"Button2", tr("Inlezen"), kRightColumn, 0, &ProjectDialog::Inlezen},
      {"OpslaanAlsButton", tr("Opslaan als…"), kLeftColumn, 1, &ProjectDialog::OpslaanAls},
      {"OpenenButton", tr("Openen…"), kRightColumn, 1, &ProjectDialog::Openen},
      {"NieuwButton", tr("Nieuw"), kLeftColumn, 2, &ProjectDialog::Nieuw},
      {"VoorbeeldenButton", tr("Voorbeelden"), kRightColumn, 2, nullptr},
      //: The projects saved or opened last
      {"RecentButton", tr("Recent"), kLeftColumn, 3, nullptr},
      //: The lesson document; F1 opens it too
      {"LesButton", tr("Les (F1)"), kRightColumn, 3, &ProjectDialog::Les},
      //: Runs the lesson's check on the project
      {"ControleerButton", tr("Controleer"), kLeftColumn, 4, &ProjectDialog::Controleer},
  };
  for (const ButtonDesign& design : buttons) {
    auto* button = new QPushButton(design.text, this);
    button->setObjectName(QString::fromLatin1(design.name));
    button->setGeometry(design.left, 16 + design.row * kRowStep, kButtonWidth, kButtonHeight);
    GrowToText(*button);
    button->setAutoDefault(false);
    if (design.click == &ProjectDialog::Controleer) check_button_ = button;
    if (design.click != nullptr) {
      connect(button, &QPushButton::clicked, this, design.click);
    } else {
      // The two lists are looked up each time their menu opens, so they are never stale.
      const bool examples = design.row == 2;
      QMenu*& menu = examples ? examples_menu_ : recent_menu_;
      menu = new QMenu(button);
      menu->setObjectName(examples ? QStringLiteral("VoorbeeldenMenu")
                                   : QStringLiteral("RecentMenu"));
      connect(menu, &QMenu::aboutToShow, this,
              examples ? &ProjectDialog::FillExamplesMenu : &ProjectDialog::FillRecentMenu);
      button->setMenu(menu);
    }
  }
  FillExamplesMenu();
  FillRecentMenu();
  ShowCheckButton();
}

void ProjectDialog::showEvent(QShowEvent* event) {
  ShowCheckButton();
  QDialog::showEvent(event);
}

void ProjectDialog::ShowCheckButton() {
  const bool shown = actions_.has_check && actions_.has_check();
  check_button_->setVisible(shown);
  setFixedSize(306, kHeight + (shown ? kRowStep : 0));
}

void ProjectDialog::Done(bool completed) {
  if (completed) hide();
  ShowCheckButton();
}

void ProjectDialog::Opslaan() { Done(actions_.save()); }

void ProjectDialog::Inlezen() { Done(actions_.load()); }

QString ProjectDialog::ChooseFile(bool save) {
  return chooser_(this, save, actions_.start_folder());
}

void ProjectDialog::OpslaanAls() {
  const QString file = ChooseFile(true);
  if (!file.isEmpty()) Done(actions_.save_as(file));
}

void ProjectDialog::Openen() {
  const QString file = ChooseFile(false);
  if (!file.isEmpty()) Done(actions_.open(file));
}

void ProjectDialog::Nieuw() { Done(actions_.new_project()); }

void ProjectDialog::Controleer() { Done(actions_.check()); }

void ProjectDialog::Les() {
  if (actions_.lesson) actions_.lesson();
}

void ProjectDialog::FillRecentMenu() {
  recent_menu_->clear();
  const std::vector<Example> recent = actions_.recent ? actions_.recent() : std::vector<Example>{};
  if (recent.empty()) {
    recent_menu_->addAction(tr("(nog geen projecten)"))->setEnabled(false);
    return;
  }
  for (const Example& project : recent) {
    QAction* entry = recent_menu_->addAction(project.name);
    entry->setToolTip(project.file);
    connect(entry, &QAction::triggered, this,
            [this, file = project.file] { Done(actions_.open(file)); });
  }
}

void ProjectDialog::FillExamplesMenu() {
  examples_menu_->clear();
  const std::vector<Example> examples = actions_.examples();
  if (examples.empty()) {
    examples_menu_->addAction(tr("(geen voorbeelden gevonden)"))->setEnabled(false);
    return;
  }
  for (const Example& example : examples) {
    connect(examples_menu_->addAction(example.name), &QAction::triggered, this,
            [this, file = example.file] { Done(actions_.open_example(file)); });
  }
}

}  // namespace tessaro
