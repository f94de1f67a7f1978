#include "ui/control/chart_menu.h"

#include <QBuffer>
#include <QClipboard>
#include <QDateTime>
#include <QFile>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>

#include "engine/control/export.h"
#include "engine/control/instrument_log.h"
#include "engine/control/instrument_title.h"
#include "engine/core/file_errors.h"
#include "engine/core/file_write.h"
#include "engine/core/messages.h"
#include "engine/core/paths.h"
#include "engine/core/process_image.h"
#include "ui/control/chart_view.h"
#include "ui/core/file_folders.h"
#include "ui/core/file_names.h"
#include "ui/core/fonts.h"

namespace tessaro {

namespace {

class DialogFileChooser : public FileChooser {
 public:
  QString SaveFile(QWidget* parent, const QString& title, const QString& suggested,
                   const QString& filter, bool appending) override {
    const QString file = QFileDialog::getSaveFileName(
        parent, title, QDir(FileDialogFolder()).filePath(suggested), filter, nullptr,
        appending ? QFileDialog::DontConfirmOverwrite : QFileDialog::Options());
    if (!file.isEmpty()) RememberFolder(QFileInfo(file).absolutePath());
    return file;
  }
};

DialogFileChooser g_dialogs;

int64_t WallClockMs() { return QDateTime::currentMSecsSinceEpoch(); }

// The window's caption before its block is placed names the instrument well enough too.
std::string StartName(int slot) {
  return slot <= 8 ? "Rec" + std::to_string(slot) : "Reg" + std::to_string(slot - 8);
}

}  // namespace

ChartMenu::ChartMenu(ProcessImage& image, InstrumentLogs& logs, Messages& messages)
    : image_(image), logs_(logs), messages_(messages), files_(&g_dialogs) {}

ChartMenu::~ChartMenu() = default;

void ChartMenu::Install(ChartView& chart, int slot, std::function<void()> refresh) {
  chart.setContextMenuPolicy(Qt::CustomContextMenu);
  connect(&chart, &QWidget::customContextMenuRequested, this,
          [this, &chart, slot, refresh = std::move(refresh)](const QPoint& at) {
            MenuFor(chart, slot, refresh)->popup(chart.mapToGlobal(at));
          });
}

QMenu* ChartMenu::MenuFor(ChartView& chart, int slot, const std::function<void()>& refresh) {
  auto* menu = new QMenu(&chart);
  menu->setObjectName(QStringLiteral("ChartMenu"));
  menu->setAttribute(Qt::WA_DeleteOnClose);
  QWidget* window = chart.window();
  menu->addAction(tr("Exporteer als CSV…"), this,
                  [this, window, slot] { ExportCsv(window, slot); });
  menu->addAction(tr("Bewaar als PNG…"), this, [this, &chart, slot] { SavePng(chart, slot); });
  menu->addAction(tr("Kopieer afbeelding"), this, [this, &chart, slot] {
    QGuiApplication::clipboard()->setImage(ChartPicture(chart, slot));
  });
  menu->addSeparator();
  if (logs_.Logging(slot)) {
    menu->addAction(tr("Stop logboek"), this, [this, slot, refresh] {
      logs_.Stop(image_, slot);
      refresh();
    });
  } else {
    menu->addAction(tr("Start logboek…"), this, [this, window, slot, refresh] {
      StartLog(window, slot);
      refresh();
    });
  }
  return menu;
}

QString ChartMenu::Name(int slot) const {
  return QString::fromStdString(InstrumentName(image_, slot, StartName(slot)));
}

QImage ChartMenu::ChartPicture(const ChartView& chart, int slot) const {
  QImage picture = chart.chart().convertToFormat(QImage::Format_RGB32);
  QPainter painter(&picture);
  painter.setFont(TahomaFont(11));
  painter.setPen(Qt::black);
  painter.drawText(QPoint(4, 1 + painter.fontMetrics().ascent()), Name(slot));
  painter.end();
  picture.setText(QStringLiteral("Title"), Name(slot));
  return picture;
}

QString ChartMenu::Suggested(int slot, const char* ending) const {
  std::string name = FileNameOf(InstrumentName(image_, slot, StartName(slot)));
  if (name.empty()) name = StartName(slot);
  return QString::fromStdString(name + ending);
}

void ChartMenu::ExportCsv(QWidget* parent, int slot) {
  const QString file = files_->SaveFile(parent, tr("Exporteer als CSV"), Suggested(slot, ".csv"),
                                        QStringLiteral("CSV (*.csv)"), false);
  if (file.isEmpty()) return;
  const int err = WriteFileWhole(ToPath(file), InstrumentCsv(image_, slot, SampleClock::Wall));
  if (err != 0) messages_.Error(messages_.Render(ExportFailed(file.toStdString(), err)));
}

void ChartMenu::SavePng(ChartView& chart, int slot) {
  const QString file =
      files_->SaveFile(chart.window(), tr("Bewaar als PNG"), Suggested(slot, ".png"),
                       QStringLiteral("PNG (*.png)"), false);
  if (file.isEmpty()) return;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!ChartPicture(chart, slot).save(&buffer, "PNG")) {
    messages_.Error(messages_.Render(
        FileError(FileVerb::kWrite, file.toStdString(), Phrase{TextId::kPictureNotMade})));
    return;
  }
  const int err = WriteFileWhole(ToPath(file),
                                 std::string_view(bytes.constData(), bytes.size()));
  if (err != 0) messages_.Error(messages_.Render(ExportFailed(file.toStdString(), err)));
}

void ChartMenu::StartLog(QWidget* parent, int slot) {
  const QString file =
      files_->SaveFile(parent, tr("Start logboek"), Suggested(slot, "-logboek.csv"),
                       QStringLiteral("CSV (*.csv)"), true);
  if (file.isEmpty()) return;
  const Message message = logs_.Start(image_, slot, file.toStdString(),
                                      clock_ ? clock_() : WallClockMs(), SampleClock::Wall);
  if (!message.empty()) messages_.Error(messages_.Render(message));
}

}  // namespace tessaro
