#include "ui/core/owned_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "engine/screen/window_fit.h"

namespace tessaro {

namespace {

// The frame a window manager put around one of our windows last; until one is known, room
// for a title bar and thin borders.
QMargins& LastFrame() {
  static QMargins frame(4, 28, 4, 4);
  return frame;
}

QMargins FrameOf(const QWidget& window) {
  if (window.windowFlags() & Qt::FramelessWindowHint) return {};
  const QRect frame = window.frameGeometry();
  const QRect inside = window.geometry();
  if (frame == inside) return LastFrame();  // not known before the window is mapped
  const QMargins known(inside.left() - frame.left(), inside.top() - frame.top(),
                       frame.right() - inside.right(), frame.bottom() - inside.bottom());
  LastFrame() = known;
  return known;
}

ScreenRect Rect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

// Follows the shows and size changes of one window.
class ScreenKeeper : public QObject {
 public:
  explicit ScreenKeeper(QWidget& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("ScreenKeeper"));
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && !fitting_ &&
        (event->type() == QEvent::Show || event->type() == QEvent::Resize)) {
      fitting_ = true;
      FitOnScreen(window_);
      fitting_ = false;
    }
    return false;
  }

 private:
  QWidget& window_;
  bool fitting_ = false;  // our own resize and move are not new requests
};

bool OnWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

}  // namespace

void OwnWindow(QWidget& window, QWidget& owner) {
  // A dialog of its owner: on X11 a transient window, on Wayland a child toplevel. The old
  // stay-on-top hint floated the windows over every other program as well.
  const Qt::WindowFlags kept =
      window.windowFlags() & ~(Qt::WindowType_Mask | Qt::WindowStaysOnTopHint);
  window.setParent(&owner, kept | Qt::Dialog);
  KeepOnScreen(window);
}

void KeepOnScreen(QWidget& window) {
  if (window.findChild<QObject*>(QStringLiteral("ScreenKeeper"), Qt::FindDirectChildrenOnly))
    return;
  window.installEventFilter(new ScreenKeeper(window));
}

void FitOnScreen(QWidget& window) {
  const QMargins frame = FrameOf(window);
  // A window's position is its frame's, also as move() asked it before the frame is known.
  const QRect wanted(window.pos(), window.size().grownBy(frame));
  QScreen* screen = QGuiApplication::screenAt(wanted.center());
  if (screen == nullptr) screen = window.screen();
  if (screen == nullptr) return;
  const QSize extra(frame.left() + frame.right(), frame.top() + frame.bottom());
  const ScreenRect fitted =
      FitWindow(Rect(wanted), Rect(screen->availableGeometry()),
                {window.minimumWidth() + extra.width(), window.minimumHeight() + extra.height()});
  if (fitted == Rect(wanted)) return;
  const QSize inside(fitted.width - extra.width(), fitted.height - extra.height());
  if (inside != window.size()) window.resize(inside);
  if (fitted.left != wanted.left() || fitted.top != wanted.top()) {
    window.move(fitted.left, fitted.top);
  }
}

void ShowToFront(QWidget& window) {
  // A Wayland compositor lets no program raise its own window; a window mapped anew comes
  // up in front of its owner.
  if (window.isVisible() && OnWayland() && !window.isActiveWindow()) window.hide();
  // Fitted before it is shown, so that it comes up whole at its place, its layout laid out
  // for the size it gets.
  if (!window.isVisible()) FitOnScreen(window);
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace tessaro
