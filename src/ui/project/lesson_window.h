// The lessons as a document of their own: the three example lessons step by step and the
// teachers' notes, opened with F1 or "Les" at the section of the lesson that is open.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace tessaro {

class LessonWindow : public QWidget {
  Q_OBJECT

 public:
  explicit LessonWindow(QWidget* parent = nullptr);

  // Shows the document in `file`, scrolled to the section named `lesson` ("" for the
  // beginning), and brings the window to the front.
  void ShowLesson(const QString& file, const QString& lesson);

  QTextBrowser& browser() const { return *browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace tessaro
