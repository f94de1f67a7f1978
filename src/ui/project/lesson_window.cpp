#include "ui/project/lesson_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/core/owned_window.h"

namespace tessaro {

namespace {

constexpr QSize kSize(520, 420);
// The command row of the operator screen and a window manager's title bar stay clear.
constexpr int kTopMargin = 64;

}  // namespace

LessonWindow::LessonWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("LessonWindow"));
  setWindowTitle(tr("Lessen"));
  browser_->setObjectName(QStringLiteral("LessonText"));
  browser_->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  // Bottom right, over the part of the process picture the lessons use least.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect room = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1366, 768);
  const QSize size = kSize.boundedTo(room.size() - QSize(16, kTopMargin));
  resize(size);
  move(room.right() - size.width() - 12, room.bottom() - size.height() - 40);
}

void LessonWindow::ShowLesson(const QString& file, const QString& lesson) {
  const QUrl url = QUrl::fromLocalFile(file);
  if (browser_->source() != url) browser_->setSource(url);
  ShowToFront(*this);
  // Each lesson's section carries its name as an anchor; the document begins at "begin".
  const QString anchor = lesson.isEmpty() ? QStringLiteral("begin") : lesson;
  browser_->scrollToAnchor(anchor);
  // Once more when the window has been laid out at its size.
  QTimer::singleShot(0, browser_, [this, anchor] { browser_->scrollToAnchor(anchor); });
}

}  // namespace tessaro
