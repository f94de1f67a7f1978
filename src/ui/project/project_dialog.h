// The project dialog: "Opslaan" and "Inlezen" of the one project file, where they have always
// been, and below them "Opslaan als…" and "Openen…" of any project file, "Nieuw" and the
// example lessons ("Voorbeelden"), the projects saved or opened last ("Recent"), and
// "Controleer" when the project has a check. It closes after an action that completed and
// stays open after a failure, so the user can try again.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

class QMenu;
class QPushButton;

namespace tessaro {

class ProjectDialog : public QDialog {
  Q_OBJECT

 public:
  struct Example {
    QString name;  // shown in the menu
    QString file;
  };
  // Each action returns whether it completed.
  struct Actions {
    std::function<bool()> save;
    std::function<bool()> load;
    std::function<bool(const QString&)> save_as;
    std::function<bool(const QString&)> open;
    std::function<bool()> new_project;
    std::function<bool(const QString&)> open_example;
    std::function<std::vector<Example>()> examples;
    std::function<std::vector<Example>()> recent;  // the projects last saved or opened
    std::function<QString()> start_folder;  // where the file dialog opens
    std::function<void()> lesson;           // the open lesson's page
    std::function<bool()> has_check;        // whether "Controleer" is offered
    std::function<bool()> check;
  };
  // Asks the user for a project file to save (`save`) or to open, starting in `folder`;
  // "" when the user gave none.
  using FileChooser = std::function<QString(QWidget* parent, bool save, const QString& folder)>;

  explicit ProjectDialog(Actions actions, QWidget* parent = nullptr);

  // Tests answer the file dialog themselves.
  void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
  QMenu* ExamplesMenu() const { return examples_menu_; }
  QMenu* RecentMenu() const { return recent_menu_; }
  // Asks for a project file to save in (`save`) or to open, in the folder the file dialogs
  // start in; "" when the user gave none.
  QString ChooseFile(bool save);

  void Opslaan();
  void Inlezen();
  void OpslaanAls();
  void Openen();
  void Nieuw();
  void Les();
  void Controleer();
  // Shows "Controleer", in a row of its own below the others, only when there is a check.
  void ShowCheckButton();

 private:
  void showEvent(QShowEvent* event) override;
  void Done(bool completed);
  void FillExamplesMenu();
  void FillRecentMenu();

  Actions actions_;
  FileChooser chooser_;
  QMenu* examples_menu_ = nullptr;
  QMenu* recent_menu_ = nullptr;
  QPushButton* check_button_ = nullptr;
};

}  // namespace tessaro
