#include "ui/project/check_window.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <fstream>
#include <sstream>

#include "engine/core/messages.h"
#include "engine/project/project_file.h"
#include "engine/script/check.h"
#include "ui/core/file_names.h"

namespace tessaro {

namespace {

constexpr int kProgressSteps = 100;

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

// What the thread hands back: the check as read and the project's result, or why the check
// could not run.
struct CheckWindow::Outcome {
  sim::Check check;
  sim::ProjectResult result;
  std::string script_error;  // "error LINE: WHY" of a check that does not read
  std::string failure;       // nothing could run (no folder for the run)
};

CheckWindow::CheckWindow(Messages& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog), messages_(messages) {
  setObjectName(QStringLiteral("CheckWindow"));
  setWindowTitle(tr("Controleer"));
  setModal(false);
  resize(720, 440);

  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("CheckSummary"));
  summary_->setWordWrap(true);
  QFont bold = summary_->font();
  bold.setBold(true);
  summary_->setFont(bold);

  results_ = new QTreeWidget(this);
  results_->setObjectName(QStringLiteral("CheckResults"));
  results_->setColumnCount(2);
  results_->setHeaderLabels({tr("Controle"), tr("Uitkomst")});
  results_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  results_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  results_->header()->setStretchLastSection(false);
  results_->setRootIsDecorated(false);
  // A name is the teacher's whole sentence: wrapped, never cut.
  results_->setWordWrap(true);
  results_->setTextElideMode(Qt::ElideNone);
  results_->setSelectionMode(QAbstractItemView::NoSelection);
  results_->setFocusPolicy(Qt::NoFocus);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* close = buttons->addButton(tr("Sluiten"), QDialogButtonBox::AcceptRole);
  close->setObjectName(QStringLiteral("SluitenButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::hide);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(results_, 1);
  layout->addWidget(buttons);
}

CheckWindow::~CheckWindow() {
  if (thread_ != nullptr) thread_->wait();
}

QString CheckWindow::Summary() const { return summary_->text(); }

void CheckWindow::Start(const ProcessImage& image, const std::filesystem::path& check_file,
                        const QString& project_name) {
  if (Running()) return;
  std::ifstream file(check_file, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  if (!file) {
    messages_.Error(tr("De controle %1 kan niet worden gelezen.")
                        .arg(Text(check_file.filename().string()))
                        .toStdString());
    return emit Finished();
  }
  // The copy is the project as it is now on the screen, saved or not; the running trainer
  // is only read, here on its own thread, before the check starts.
  auto folder = std::make_shared<QTemporaryDir>();
  const std::filesystem::path copy = ToPath(folder->path()) / "project.txt";
  if (!folder->isValid() || !SaveProjectAs(image, copy, messages_)) return emit Finished();

  project_name_ = project_name;
  progress_ = new QProgressDialog(tr("Controleren…"), QString(), 0, kProgressSteps, this);
  progress_->setWindowTitle(tr("Controleer"));
  progress_->setCancelButton(nullptr);
  progress_->setMinimumDuration(500);
  progress_->setValue(0);

  auto outcome = std::make_shared<Outcome>();
  thread_ = QThread::create([this, outcome, folder, copy, script = text.str()] {
    try {
      outcome->script_error = sim::ReadCheck(script, outcome->check);
      if (!outcome->script_error.empty()) return;
      outcome->result = sim::CheckProject(outcome->check, copy, [this](double done) {
        QMetaObject::invokeMethod(
            this,
            [this, done] {
              if (progress_ != nullptr)
                progress_->setValue(static_cast<int>(done * kProgressSteps));
            },
            Qt::QueuedConnection);
      });
    } catch (const std::exception& e) {
      outcome->failure = e.what();
    }
  });
  thread_->setParent(this);
  connect(thread_, &QThread::finished, this, [this, outcome] {
    thread_->deleteLater();
    thread_ = nullptr;
    delete progress_;
    progress_ = nullptr;
    Done(*outcome);
  });
  thread_->start();
}

void CheckWindow::Done(const Outcome& outcome) {
  if (!outcome.failure.empty()) {
    messages_.Error(
        tr("De controle kon niet starten: %1").arg(Text(outcome.failure)).toStdString());
  } else if (!outcome.script_error.empty()) {
    messages_.Error(tr("De controle zelf bevat een fout; vraag je docent ernaar.\n%1")
                        .arg(Text(outcome.script_error))
                        .toStdString());
  } else {
    Fill(outcome.check, outcome.result);
    show();
    raise();
    activateWindow();
  }
  emit Finished();
}

void CheckWindow::Fill(const sim::Check& check, const sim::ProjectResult& result) {
  using Outcome = sim::ProjectResult::Outcome;
  setWindowTitle(tr("Controleer - %1").arg(project_name_));
  const int total = static_cast<int>(check.names.size());
  const int failed = static_cast<int>(
      std::count(result.verdicts.begin(), result.verdicts.end(), sim::Verdict::Failed));
  switch (result.outcome) {
    case Outcome::Passed:
      summary_->setText(tr("Alle %1 controles geslaagd.").arg(total));
      break;
    case Outcome::Failed:
      summary_->setText(tr("%1 van de %2 controles niet geslaagd.").arg(failed).arg(total));
      break;
    case Outcome::NotLoaded:
      summary_->setText(
          tr("Het project kon niet worden gecontroleerd: %1").arg(Text(result.reason)));
      break;
    case Outcome::ScriptError:
      summary_->setText(
          tr("De controle stopte bij een fout in de controle zelf: %1").arg(Text(result.reason)));
      break;
  }

  results_->clear();
  const QColor passed_colour(29, 94, 23);
  const QColor failed_colour(138, 28, 17);
  for (size_t i = 0; i < check.names.size(); ++i) {
    const sim::Verdict verdict = result.verdicts[i];
    auto* row = new QTreeWidgetItem(results_);
    row->setText(0, Text(check.names[i]));
    row->setText(1, verdict == sim::Verdict::Passed   ? tr("✔ geslaagd")
                    : verdict == sim::Verdict::Failed ? tr("✘ niet geslaagd")
                                                      : tr("niet gecontroleerd"));
    row->setForeground(1, verdict == sim::Verdict::Passed ? passed_colour : failed_colour);
    if (verdict != sim::Verdict::Passed) {
      QFont bold = row->font(0);
      bold.setBold(true);
      row->setFont(0, bold);
    }
    for (const sim::Expectation& e : result.failures()) {
      if (check.check_of_line.at(e.line) != i) continue;
      new QTreeWidgetItem(row, {tr("verwacht: %1").arg(Text(e.expected))});
      new QTreeWidgetItem(row, {tr("gevonden: %1").arg(Text(e.got))});
    }
  }
  results_->expandAll();
}

}  // namespace tessaro
