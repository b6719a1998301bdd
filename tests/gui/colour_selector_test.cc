// The background colour choice: the swatch follows the selection, and a
// click on the strip or the swatch moves on to the next colour.
#include <QTest>
#include <memory>

#include "form1.h"
#include "gui_test_main.h"

namespace lumenfold {

class ColourSelectorTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TForm1> form_;

  QString Swatch() const { return form_->Label10->Caption(); }
  QColor SwatchColour() const { return form_->Label10->palette().color(QPalette::Window); }
  void ClickOn(const char* control) {
    QWidget* widget = form_->findChild<QWidget*>(QString::fromLatin1(control));
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2));
  }

 private slots:
  void init() { form_ = std::make_unique<TForm1>(vcl::Application); }
  void cleanup() { form_.reset(); }

  void swatchFollowsEveryButton_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("white") << 0 << QStringLiteral("ホワイト") << QColor(255, 255, 255);
    QTest::newRow("cyan") << 1 << QStringLiteral("シアン") << QColor(0, 255, 255);
    QTest::newRow("magenta") << 2 << QStringLiteral("マゼンタ") << QColor(255, 0, 255);
    QTest::newRow("yellow") << 3 << QStringLiteral("イエロー") << QColor(255, 255, 0);
    QTest::newRow("red") << 4 << QStringLiteral("レッド") << QColor(255, 0, 0);
    QTest::newRow("green") << 5 << QStringLiteral("グリーン") << QColor(0, 255, 0);
    QTest::newRow("blue") << 6 << QStringLiteral("ブルー") << QColor(0, 0, 255);
    QTest::newRow("grey") << 7 << QStringLiteral("グレー") << QColor(128, 128, 128);
  }
  void swatchFollowsEveryButton() {
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    // The user's own click on the radio button.
    QTest::mouseClick(form_->RadioGroup1->Button(index), Qt::LeftButton, {}, QPoint(7, 7));
    QCOMPARE(form_->RadioGroup1->ItemIndex(), index);
    QCOMPARE(Swatch(), text);
    QCOMPARE(SwatchColour(), colour);
    QCOMPARE(form_->Label10->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    QCOMPARE(form_->Label10->size(), QSize(81, 25));
  }

  void clicksCycleThroughTheColours_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("Image1") << QStringLiteral("Image1");
    QTest::newRow("Label10") << QStringLiteral("Label10");
  }
  void clicksCycleThroughTheColours() {
    QFETCH(QString, control);
    static const char* const names[8] = {"ホワイト", "シアン", "マゼンタ", "イエロー",
                                         "レッド",   "グリーン", "ブルー", "グレー"};
    QCOMPARE(form_->RadioGroup1->ItemIndex(), 3);
    for (int click = 1; click <= 8; ++click) {
      ClickOn(qPrintable(control));
      const int expected = (3 + click) % 8;
      QCOMPARE(form_->RadioGroup1->ItemIndex(), expected);
      QCOMPARE(form_->RadioGroup1->Button(expected)->isChecked(), true);
      QCOMPARE(Swatch(), QString::fromUtf8(names[expected]));
    }
  }

  void clickPlaceDoesNotMatter() {
    // Yellow is selected; the white square at the strip's left end still
    // only moves on by one, to red.
    QTest::mouseClick(form_->Image1, Qt::LeftButton, {}, QPoint(7, 8));
    QCOMPARE(form_->RadioGroup1->ItemIndex(), 4);
    QCOMPARE(Swatch(), QStringLiteral("レッド"));
    QTest::mouseClick(form_->Label10, Qt::LeftButton, {}, QPoint(80, 24));
    QCOMPARE(form_->RadioGroup1->ItemIndex(), 5);
  }

  void noSelection() {
    form_->RadioGroup1->SetItemIndex(-1);
    QCOMPARE(form_->RadioGroup1->ItemIndex(), -1);
    form_->RadioGroup1Click(form_->RadioGroup1);
    QCOMPARE(Swatch(), QStringLiteral("イエロー"));
    QCOMPARE(SwatchColour(), QColor(255, 255, 0));
    ClickOn("Label10");
    QCOMPARE(form_->RadioGroup1->ItemIndex(), 0);
    QCOMPARE(Swatch(), QStringLiteral("ホワイト"));
    QCOMPARE(SwatchColour(), QColor(255, 255, 255));
  }

  void selectorTouchesNothingElse() {
    const QString edit5 = form_->Edit5->Text();
    const int size = form_->RadioGroup2->ItemIndex();
    ClickOn("Image1");
    ClickOn("Label10");
    QCOMPARE(form_->Edit5->Text(), edit5);
    QCOMPARE(form_->RadioGroup2->ItemIndex(), size);
    QVERIFY(!form_->BitBtn4->isEnabled());
    QVERIFY(testing::Dialogs().boxes.empty());
  }
};

}  // namespace lumenfold

LUMENFOLD_GUI_TEST_MAIN(lumenfold::ColourSelectorTest)
#include "colour_selector_test.moc"
