#include "ui/core/qt_messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include "ui/core/language.h"
#include "ui/core/owned_window.h"

namespace tessaro {

namespace {

constexpr int kMaxBoxChars = 600;
constexpr int kMaxDetailChars = 100000;
constexpr int kLongestWord = 48;

// The program's window the user works in, so that the box stands right over it.
QWidget* Owner(QWidget* fallback) {
  if (QWidget* active = QApplication::activeWindow()) return active;
  return fallback;
}

}  // namespace

QString BoxText(const std::string& text, int max_chars, bool* cut) {
  const QString source = QString::fromStdString(text);
  QString shown;
  int word = 0;
  bool left_out = false;
  for (QChar ch : source) {
    if (shown.size() >= max_chars) {
      left_out = true;
      break;
    }
    if (ch == u'\n') {
      shown += ch;
      word = 0;
      continue;
    }
    if (ch.category() == QChar::Other_Control) {
      shown += QStringLiteral("\\x%1").arg(ch.unicode(), 2, 16, QLatin1Char('0'));
      word += 4;
    } else {
      shown += ch;
      word = ch.isSpace() ? 0 : word + 1;
    }
    // A zero-width space lets the box wrap a word that would make it wider than the screen.
    if (word >= kLongestWord) {
      shown += QChar(0x200B);
      word = 0;
    }
  }
  if (left_out) shown += QChar(0x2026);
  if (cut != nullptr) *cut = left_out;
  return shown;
}

QMessageBox::StandardButton QtMessages::Show(QMessageBox::Icon icon, const QString& title,
                                             const std::string& text,
                                             QMessageBox::StandardButtons buttons,
                                             const std::string& details,
                                             const QList<QPair<QMessageBox::StandardButton,
                                                               QString>>& button_texts) {
  bool cut = false;
  // A dialog of the window it comes from, so in front of it and of the operator screen that
  // owns that window; nothing else takes a click meanwhile.
  QMessageBox box(icon, title, BoxText(text, kMaxBoxChars, &cut), buttons, Owner(parent_),
                  Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  box.setTextFormat(Qt::PlainText);
  for (const auto& [button, name] : button_texts) {
    if (QAbstractButton* shown = box.button(button)) shown->setText(name);
  }
  box.setWindowModality(Qt::ApplicationModal);
  const std::string& more = details.empty() && cut ? text : details;
  if (!more.empty()) box.setDetailedText(BoxText(more, kMaxDetailChars));
  QTimer::singleShot(0, &box, [&box] {
    FitOnScreen(box);
    box.raise();
    box.activateWindow();
  });
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

std::string QtMessages::Render(const Message& message) { return Translated(message); }

void QtMessages::Information(const std::string& text) {
  Show(QMessageBox::Information, QApplication::applicationName(), text, QMessageBox::Ok);
}

bool QtMessages::Question(const std::string& text, const std::string& title) {
  return Show(QMessageBox::Question, QString::fromStdString(title), text,
              QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

SaveAnswer QtMessages::SaveQuestion(const std::string& text, const std::string& title) {
  switch (Show(QMessageBox::Question, QString::fromStdString(title), text,
               QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, {},
               {{QMessageBox::Save, QApplication::translate("Messages", "Opslaan")},
                {QMessageBox::Discard, QApplication::translate("Messages", "Niet opslaan")},
                {QMessageBox::Cancel, QApplication::translate("Messages", "Annuleren")}})) {
    case QMessageBox::Save:
      return SaveAnswer::Save;
    case QMessageBox::Discard:
      return SaveAnswer::DontSave;
    default:
      return SaveAnswer::Cancel;  // Cancel, Escape, or the box closed
  }
}

void QtMessages::Error(const std::string& text) {
  Show(QMessageBox::Critical, QApplication::applicationName(), text, QMessageBox::Ok);
}

void QtMessages::ErrorWithDetails(const std::string& text, const std::string& details) {
  Show(QMessageBox::Critical, QApplication::applicationName(), text, QMessageBox::Ok, details);
}

}  // namespace tessaro
