// "Controleer": runs the lesson's check on a copy of the project on the screen, in a trainer
// of its own beside the running one, and shows each check by its name: passed, or failed
// with what was expected and what was found. The check runs on a thread of its own; a bar
// shows its progress when it takes longer than half a second.
#pragma once

#include <QDialog>
#include <QString>
#include <filesystem>
#include <memory>

class QLabel;
class QProgressDialog;
class QThread;
class QTreeWidget;

namespace tessaro {

class Messages;
struct ProcessImage;

namespace sim {
struct Check;
struct ProjectResult;
}  // namespace sim

class CheckWindow : public QDialog {
  Q_OBJECT

 public:
  explicit CheckWindow(Messages& messages, QWidget* parent = nullptr);
  ~CheckWindow() override;  // waits for a check under way

  // Checks a copy of the project in `image` with the check in `check_file`. The window
  // opens with the outcome; a check that cannot run says why in a message box.
  void Start(const ProcessImage& image, const std::filesystem::path& check_file,
             const QString& project_name);
  bool Running() const { return thread_ != nullptr; }

  // The checks, one row each: its name and "✔ geslaagd" or "✘ niet geslaagd", with what
  // was expected and what was found below a failed one.
  QTreeWidget* Results() const { return results_; }
  QString Summary() const;

 signals:
  // The outcome is shown, in the window or in a message box.
  void Finished();

 private:
  struct Outcome;
  void Done(const Outcome& outcome);
  void Fill(const sim::Check& check, const sim::ProjectResult& result);

  Messages& messages_;
  QLabel* summary_ = nullptr;
  QTreeWidget* results_ = nullptr;
  QProgressDialog* progress_ = nullptr;
  QThread* thread_ = nullptr;
  QString project_name_;
};

}  // namespace tessaro
