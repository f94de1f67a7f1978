// The picture loader: names matched without regard to case, and a cache that never shows
// anything other than what the file holds now.
#include "ui/core/picture_loader.h"

#include <QFile>
#include <QtTest>

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
  void MissingBrokenOrOutsideFilesGiveNoPicture();
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

QTEST_MAIN(PictureLoaderTest)
#include "picture_loader_test.moc"
