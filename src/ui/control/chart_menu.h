// The context menu of every chart picture (recorder paper, faceplate trend): the data out as
// CSV, the picture as PNG or on the clipboard, and a logbook that keeps the samples in a file
// while the trainer runs. The rows and the files' text come from the engine; this only asks
// for file names and puts the picture out.
#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <functional>

class QMenu;
class QWidget;

namespace tessaro {

class ChartView;

class InstrumentLogs;
class Messages;
struct ProcessImage;

// Asks the user for a file to write; "" when cancelled.
class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // `appending`: the file is added to, so choosing an existing one needs no warning.
  virtual QString SaveFile(QWidget* parent, const QString& title, const QString& suggested,
                           const QString& filter, bool appending) = 0;
};

class ChartMenu : public QObject {
  Q_OBJECT

 public:
  ChartMenu(ProcessImage& image, InstrumentLogs& logs, Messages& messages);
  ~ChartMenu() override;

  // Gives chart picture `chart` of instrument `slot` (recorders 1..8, controllers 9..17)
  // the menu; `refresh` shows the window's caption afresh after a logbook starts or stops.
  void Install(ChartView& chart, int slot, std::function<void()> refresh);

  // Tests choose the files themselves.
  void SetFileChooser(FileChooser& files) { files_ = &files; }

  // The menu of instrument `slot`, as a right click on its chart opens it.
  QMenu* MenuFor(ChartView& chart, int slot, const std::function<void()>& refresh);

  // The chart as its window shows it, with the instrument's name in the top margin.
  QImage ChartPicture(const ChartView& chart, int slot) const;

 private:
  void ExportCsv(QWidget* parent, int slot);
  void SavePng(ChartView& chart, int slot);
  void StartLog(QWidget* parent, int slot);
  QString Name(int slot) const;

  ProcessImage& image_;
  InstrumentLogs& logs_;
  Messages& messages_;
  FileChooser* files_;
};

}  // namespace tessaro
