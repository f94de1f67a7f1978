// What a message box shows of a text that comes from a file: readable, wrappable and short.
#include <QtTest>

#include "ui/core/qt_messages.h"

namespace tessaro {

class MessageTextTest : public QObject {
  Q_OBJECT

 private slots:
  void ControlCharactersShowAsEscapes() {
    QCOMPARE(BoxText("a\x07"
                     "b\x1b[2J\nnext",
                     600),
             QStringLiteral("a\\x07b\\x1b[2J\nnext"));
  }

  void AWordTooLongToWrapGetsBreakPoints() {
    const QString shown = BoxText(std::string(100, 'x'), 600);
    QCOMPARE(shown.count(QChar(0x200B)), 2);
    QCOMPARE(shown.size(), 102);
    // Ordinary words are left alone.
    QCOMPARE(BoxText("Cannot open file \"Velden/AND1.bmp\".", 600),
             QStringLiteral("Cannot open file \"Velden/AND1.bmp\"."));
  }

  void ALongTextIsCutAndSaysSo() {
    bool cut = false;
    const QString shown = BoxText(std::string(2000, 'y') + " end", 600, &cut);
    QVERIFY(cut);
    QVERIFY(shown.endsWith(QChar(0x2026)));
    QVERIFY(shown.size() <= 601);
    BoxText("short", 600, &cut);
    QVERIFY(!cut);
  }
};

}  // namespace tessaro

QTEST_MAIN(tessaro::MessageTextTest)
#include "message_text_test.moc"
