#include "app_icon.h"

#include <QImage>
#include <QPainterPath>
#include <QSvgGenerator>
#include <system_error>

#include "canvas.h"

namespace tessaro::assets {

namespace fs = std::filesystem;

namespace {

// The drawing's own size; every other size is this one scaled.
constexpr int kDesign = 256;
constexpr int kPngSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// A grid of fields on dark blue: a signal runs from an input terminal through an AND gate to a
// lit output lamp, over a trend line, the trainer in one picture.
void DrawAppIcon(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(26, 54, 98));
  p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);

  p.setPen(QPen(QColor(62, 96, 146), 3));
  for (int i = 1; i < 4; ++i) {
    p.drawLine(QPointF(8 + 60 * i, 20), QPointF(8 + 60 * i, 236));
    p.drawLine(QPointF(20, 8 + 60 * i), QPointF(236, 8 + 60 * i));
  }

  // The trend of a controlled value settling on its setpoint.
  QPainterPath trend;
  trend.moveTo(30, 212);
  trend.cubicTo(70, 212, 80, 160, 110, 170);
  trend.cubicTo(140, 180, 150, 186, 226, 184);
  p.setPen(QPen(QColor(90, 200, 120), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(trend);

  const QPen wire(colour::kPaper, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(wire);
  p.drawLine(QPointF(52, 92), QPointF(96, 92));
  p.drawLine(QPointF(52, 132), QPointF(96, 132));
  p.drawLine(QPointF(156, 112), QPointF(178, 112));

  // The AND gate: a flat back and a round front.
  QPainterPath gate;
  gate.moveTo(96, 72);
  gate.lineTo(124, 72);
  gate.arcTo(QRectF(84, 72, 80, 80), 90, -180);
  gate.lineTo(96, 152);
  gate.closeSubpath();
  p.setBrush(colour::kBox);
  p.drawPath(gate);

  p.setPen(QPen(colour::kPaper, 6));
  p.setBrush(colour::kTerminalGrey);
  p.drawEllipse(QPointF(44, 92), 12, 12);
  p.drawEllipse(QPointF(44, 132), 12, 12);
  p.setBrush(colour::kYellow);
  p.drawEllipse(QPointF(200, 112), 24, 24);
}

}  // namespace

std::optional<std::string> WriteAppIcons(const fs::path& folder, const QString& name) {
  std::error_code ec;
  const fs::path scalable = folder / "hicolor" / "scalable" / "apps";
  fs::create_directories(scalable, ec);
  if (ec) return "cannot make " + scalable.string() + ": " + ec.message();
  QSvgGenerator svg;
  svg.setFileName(QString::fromStdString((scalable / (name.toStdString() + ".svg")).string()));
  svg.setSize(QSize(kDesign, kDesign));
  svg.setViewBox(QRect(0, 0, kDesign, kDesign));
  svg.setTitle(QStringLiteral("Tessaro"));
  {
    QPainter painter;
    if (!painter.begin(&svg)) return "cannot write " + svg.fileName().toStdString();
    DrawAppIcon(painter);
  }

  for (int size : kPngSizes) {
    const QString dir_name = QStringLiteral("%1x%1").arg(size);
    const fs::path dir = folder / "hicolor" / dir_name.toStdString() / "apps";
    fs::create_directories(dir, ec);
    if (ec) return "cannot make " + dir.string() + ": " + ec.message();
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      painter.scale(static_cast<double>(size) / kDesign, static_cast<double>(size) / kDesign);
      DrawAppIcon(painter);
    }
    const fs::path file = dir / (name.toStdString() + ".png");
    if (!image.save(QString::fromStdString(file.string()), "PNG")) {
      return "cannot write " + file.string();
    }
  }
  return std::nullopt;
}

}  // namespace tessaro::assets
