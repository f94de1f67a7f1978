// The picture loader: names matched without regard to case, and a cache that never shows
// anything other than what the file holds now.
#include "ui/core/picture_loader.h"

#include <sys/stat.h>

#include <QFile>
#include <QtTest>
#include <chrono>
#include <filesystem>

#include "support/test_pictures.h"

using tessaro::PictureLoader;
using tessaro::testing::SamePixels;
using tessaro::testing::TestDataRoot;

class PictureLoaderTest : public QObject {
  Q_OBJECT

 private slots:
  void FindsFilesWhateverTheirLetterCase();
  void UnchangedFileGivesTheSamePixmap();
  void RewrittenFileShowsItsNewPicture();
  void SettledFileIsReadOnceAndAnEditIsSeen();
  void MissingBrokenOrOutsideFilesGiveNoPicture();
  void ALaterFileOfTheExactSpellingOrANewNameIsFollowed();
  void APipeIsNoPictureAndHoldsNothingUp();
  void ADenseScreenGetsTheCopyAtTwiceTheSize();
};

void PictureLoaderTest::FindsFilesWhateverTheirLetterCase() {
  TestDataRoot root;
  const QImage lamp = root.WritePicture("Teks/d1uitHOOG.bmp", Qt::red);
  PictureLoader loader(root.path());
  QVERIFY(SamePixels(loader.Load("Teks/D1uithoog.bmp").toImage(), lamp));
  QVERIFY(SamePixels(loader.Load("teks/D1UITHOOG.BMP").toImage(), lamp));
}

void PictureLoaderTest::UnchangedFileGivesTheSamePixmap() {
  TestDataRoot root;
  root.WritePicture("Teks/Dig1laag.bmp", Qt::gray);
  PictureLoader loader(root.path());
  const QPixmap first = loader.Load("Teks/Dig1laag.bmp");
  QVERIFY(!first.isNull());
  QCOMPARE(loader.Load("Teks/Dig1laag.bmp").cacheKey(), first.cacheKey());
}

void PictureLoaderTest::RewrittenFileShowsItsNewPicture() {
  TestDataRoot root;
  root.WritePicture("Teks/Knop1aan.bmp", Qt::red);
  PictureLoader loader(root.path());
  QVERIFY(!loader.Load("Teks/Knop1aan.bmp").isNull());

  // Same size, rewritten at once: the file's time stamp may not even have moved.
  const QImage blue = root.WritePicture("Teks/Knop1aan.bmp", Qt::blue);
  QVERIFY(SamePixels(loader.Load("Teks/Knop1aan.bmp").toImage(), blue));
  const QImage larger = root.WritePicture("Teks/Knop1aan.bmp", Qt::green, {40, 30});
  QVERIFY(SamePixels(loader.Load("Teks/Knop1aan.bmp").toImage(), larger));

  root.Remove("Teks/Knop1aan.bmp");
  QVERIFY(loader.Load("Teks/Knop1aan.bmp").isNull());
}

// A picture written long ago is read once however often it is shown; a user's later edit of
// it (a new time stamp, even at the same size) is shown at its next use.
void PictureLoaderTest::SettledFileIsReadOnceAndAnEditIsSeen() {
  namespace fs = std::filesystem;
  TestDataRoot root;
  root.WritePicture("Velden/papier.bmp", Qt::white, {60, 40});
  const fs::path file = root.path() / "Velden" / "papier.bmp";
  const auto written_long_ago = fs::file_time_type::clock::now() - std::chrono::hours(1);
  fs::last_write_time(file, written_long_ago);

  PictureLoader loader(root.path());
  const qint64 key = loader.Load("Velden/papier.bmp").cacheKey();
  for (int i = 0; i < 100; ++i) QCOMPARE(loader.Load("Velden/papier.bmp").cacheKey(), key);
  QCOMPARE(loader.reads(), 1);

  const QImage edited = root.WritePicture("Velden/papier.bmp", Qt::yellow, {60, 40});
  fs::last_write_time(file, written_long_ago + std::chrono::minutes(30));
  QVERIFY(SamePixels(loader.Load("Velden/papier.bmp").toImage(), edited));
  QCOMPARE(loader.reads(), 2);

  // Touched but not changed: the same pixmap as before, without a new decoding.
  const qint64 edited_key = loader.Load("Velden/papier.bmp").cacheKey();
  fs::last_write_time(file, written_long_ago + std::chrono::minutes(40));
  QCOMPARE(loader.Load("Velden/papier.bmp").cacheKey(), edited_key);
}

void PictureLoaderTest::MissingBrokenOrOutsideFilesGiveNoPicture() {
  TestDataRoot root;
  root.WritePicture("Teks/Knop2aan.bmp", Qt::red);
  PictureLoader loader(root.path() / "Velden");
  QVERIFY(loader.Load("../Teks/Knop2aan.bmp").isNull());
  QVERIFY(loader.Load("Knop2aan.bmp").isNull());

  PictureLoader inside(root.path());
  QFile broken(QFile::decodeName((root.path() / "Teks" / "Knop2uit.bmp").c_str()));
  QVERIFY(broken.open(QIODevice::WriteOnly));
  broken.write("BM not really a picture");
  broken.close();
  QVERIFY(inside.Load("Teks/Knop2uit.bmp").isNull());
  QVERIFY(inside.Load("").isNull());
  QVERIFY(inside.Load("/etc/passwd").isNull());
}

// Where a name was found is remembered, but never past what a fresh look would find.
void PictureLoaderTest::ALaterFileOfTheExactSpellingOrANewNameIsFollowed() {
  TestDataRoot root;
  const QImage other_case = root.WritePicture("Teks/d1uitHOOG.bmp", Qt::red);
  PictureLoader loader(root.path());
  QVERIFY(SamePixels(loader.Load("Teks/D1uithoog.bmp").toImage(), other_case));
  const QImage exact = root.WritePicture("Teks/D1uithoog.bmp", Qt::blue);
  QVERIFY(SamePixels(loader.Load("Teks/D1uithoog.bmp").toImage(), exact));

  root.Remove("Teks/D1uithoog.bmp");
  root.Remove("Teks/d1uitHOOG.bmp");
  const QImage renamed = root.WritePicture("Teks/D1UITHOOG.bmp", Qt::green);
  QVERIFY(SamePixels(loader.Load("Teks/D1uithoog.bmp").toImage(), renamed));
}

void PictureLoaderTest::APipeIsNoPictureAndHoldsNothingUp() {
  TestDataRoot root;
  root.WritePicture("Teks/Knop4uit.bmp", Qt::red);
  const auto pipe = root.path() / "Teks" / "Knop4aan.bmp";
  QCOMPARE(::mkfifo(pipe.c_str(), 0600), 0);
  PictureLoader loader(root.path());
  QVERIFY(loader.Load("Teks/Knop4aan.bmp").isNull());  // a read would wait for a writer
  QVERIFY(!loader.Load("Teks/Knop4uit.bmp").isNull());
}

namespace {

// Sets a file's modification time `seconds` from now.
void Touch(const std::filesystem::path& file, int seconds) {
  std::filesystem::last_write_time(
      file, std::filesystem::file_time_type::clock::now() + std::chrono::seconds(seconds));
}

}  // namespace

void PictureLoaderTest::ADenseScreenGetsTheCopyAtTwiceTheSize() {
  TestDataRoot root;
  const QImage single = root.WritePicture("Teks/Knop2aan.bmp", Qt::red, {20, 10});
  const QImage twice = root.WritePicture("Teks/KNOP2AAN@2X.bmp", Qt::blue, {40, 20});
  Touch(root.path() / "Teks/Knop2aan.bmp", -10);
  PictureLoader loader(root.path());

  // A screen of one device pixel per pixel: the picture itself.
  loader.SetDeviceRatio(1);
  QVERIFY(SamePixels(loader.Load("Teks/Knop2aan.bmp").toImage(), single));
  // Twice as dense: the copy, laid out at the picture's size.
  loader.SetDeviceRatio(2);
  const QPixmap dense = loader.Load("Teks/Knop2aan.bmp");
  QVERIFY(SamePixels(dense.toImage(), twice));
  QCOMPARE(dense.devicePixelRatio(), 2.0);
  QCOMPARE(dense.deviceIndependentSize(), QSizeF(20, 10));
  QCOMPARE(loader.Load("Teks/Knop2aan.bmp").cacheKey(), dense.cacheKey());
  // For drawing on, the picture itself.
  QVERIFY(SamePixels(loader.LoadSingle("Teks/Knop2aan.bmp").toImage(), single));
  QCOMPARE(loader.LoadSingle("Teks/Knop2aan.bmp").devicePixelRatio(), 1.0);

  // A picture of the user's own, newer than the shipped copy, is shown as it is.
  const QImage own = root.WritePicture("Teks/Knop2aan.bmp", Qt::green, {20, 10});
  Touch(root.path() / "Teks/Knop2aan.bmp", 10);
  const QPixmap shown = loader.Load("Teks/Knop2aan.bmp");
  QVERIFY(SamePixels(shown.toImage(), own));
  QCOMPARE(shown.devicePixelRatio(), 1.0);

  // No copy, or a copy that holds no picture: the picture itself; and a copy alone serves.
  QVERIFY(SamePixels(loader.Load("Teks/Knop2aan.bmp").toImage(), own));
  root.WritePicture("Teks/Dig3hoog.bmp", Qt::gray);
  QFile broken(QString::fromStdString((root.path() / "Teks/Dig3hoog@2x.bmp").string()));
  QVERIFY(broken.open(QIODevice::WriteOnly));
  broken.write("no picture");
  broken.close();
  QCOMPARE(loader.Load("Teks/Dig3hoog.bmp").devicePixelRatio(), 1.0);
  QVERIFY(!loader.Load("Teks/Dig3hoog.bmp").isNull());
  const QImage alone = root.WritePicture("Teks/Dig4hoog@2x.bmp", Qt::yellow, {40, 20});
  QVERIFY(SamePixels(loader.Load("Teks/Dig4hoog.bmp").toImage(), alone));
}

QTEST_MAIN(PictureLoaderTest)
#include "picture_loader_test.moc"
