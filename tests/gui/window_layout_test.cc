// The main window as built: every control checked against the tables it is
// built from, plus the layout rules that no single row says.
#include <QFontMetrics>
#include <QTest>
#include <algorithm>
#include <memory>

#include "form1.h"
#include "form1_tables.h"
#include "gui_test_main.h"

namespace lumenfold {
namespace {

const char* ClassName(form1::ControlClass cls) {
  switch (cls) {
    case form1::ControlClass::TLabel: return "vcl::TLabel";
    case form1::ControlClass::TEdit: return "vcl::TEdit";
    case form1::ControlClass::TBitBtn: return "vcl::TBitBtn";
    case form1::ControlClass::TListBox: return "vcl::TListBox";
    case form1::ControlClass::TGroupBox: return "vcl::TGroupBox";
    case form1::ControlClass::TImage: return "vcl::TImage";
    case form1::ControlClass::TRadioGroup: return "vcl::TRadioGroup";
    case form1::ControlClass::TCheckBox: return "vcl::TCheckBox";
  }
  return "";
}

QString Text(const QWidget* widget) {
  if (auto* label = qobject_cast<const vcl::TLabel*>(widget)) return label->Caption();
  if (auto* edit = qobject_cast<const vcl::TEdit*>(widget)) return edit->Text();
  if (auto* button = qobject_cast<const vcl::TBitBtn*>(widget)) return button->Caption();
  if (auto* check = qobject_cast<const vcl::TCheckBox*>(widget)) return check->Caption();
  if (auto* group = qobject_cast<const vcl::TGroupBox*>(widget)) return group->Caption();
  if (auto* radio = qobject_cast<const vcl::TRadioGroup*>(widget)) return radio->Caption();
  return {};
}

}  // namespace

class WindowLayoutTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TForm1> form_;

  QWidget* Control(const char* name) const {
    return form_->findChild<QWidget*>(QString::fromUtf8(name));
  }

 private slots:
  void init() { form_ = std::make_unique<TForm1>(vcl::Application); }
  void cleanup() { form_.reset(); }

  void window() {
    QCOMPARE(form_->windowTitle(), QStringLiteral("Lumenfold"));
    QCOMPARE(form_->pos(), QPoint(59, 2));
    // 508 x 451 outside, with a 4-pixel frame and a 19-pixel title bar.
    QCOMPARE(form_->size(), QSize(508 - 2 * 4, 451 - 2 * 4 - 19));
    QCOMPARE(form_->layout(), nullptr);
    const QList<QSize> icon_sizes = form_->windowIcon().availableSizes();
    QVERIFY(icon_sizes.contains(QSize(32, 32)));
    QVERIFY(icon_sizes.contains(QSize(16, 16)));
  }

  void controls_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < static_cast<int>(form1::kControls.size()); ++i) {
      QTest::newRow(form1::kControls[static_cast<size_t>(i)].name) << i;
    }
  }
  void controls() {
    QFETCH(int, row);
    const form1::ControlRow& expected = form1::kControls[static_cast<size_t>(row)];
    QWidget* widget = Control(expected.name);
    QVERIFY(widget);
    QCOMPARE(widget->metaObject()->className(), ClassName(expected.cls));
    QCOMPARE(widget->parentWidget()->objectName(),
             expected.parent ? QString::fromUtf8(expected.parent) : QString());
    QCOMPARE(widget->parentWidget()->window(), form_.get());
    QCOMPARE(widget->pos(), QPoint(expected.left, expected.top));
    vcl::TControl* control = vcl::AsControl(widget);
    QCOMPARE(control->TabOrder(), expected.tab_order);
    auto* label = qobject_cast<vcl::TLabel*>(widget);
    if (label && label->AutoSize()) {
      // A label measures its caption, or one blank when it has none.
      const QFontMetrics metrics(label->font());
      const QString measured = label->Caption().isEmpty() ? QStringLiteral(" ") : label->Caption();
      // It takes in the lean of an italic face, so no letter is cut.
      const int ink_right = metrics.boundingRect(measured).right() + 1;
      QCOMPARE(widget->width(), std::max(metrics.horizontalAdvance(measured), ink_right));
      QCOMPARE(widget->height(), metrics.height());
    } else {
      QCOMPARE(widget->size(), QSize(expected.width, expected.height));
    }
    QVERIFY(widget->isVisibleTo(form_.get()));
  }

  void texts_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < static_cast<int>(form1::kTexts.size()); ++i) {
      QTest::newRow(form1::kTexts[static_cast<size_t>(i)].name) << i;
    }
  }
  void texts() {
    QFETCH(int, row);
    const form1::TextRow& expected = form1::kTexts[static_cast<size_t>(row)];
    QWidget* widget = Control(expected.name);
    const QString hint = expected.hint ? QString::fromUtf8(expected.hint) : QString();
    if (qstrcmp(expected.name, "Label10") != 0) {  // the swatch shows its colour's name
      QCOMPARE(Text(widget), QString::fromUtf8(expected.text));
    }
    QCOMPARE(vcl::AsControl(widget)->Hint(), hint);
    QCOMPARE(widget->toolTip(), expected.show_hint ? hint : QString());
  }

  // Written out here rather than taken from the tables: the twenty
  // controls that show a hint.
  void hintsShowOnTwentyControls() {
    const QStringList expected{
        "Label1",   "Label5",   "Label10", "Label11",  "Edit1",       "Edit2",       "Edit3",
        "Edit4",    "Edit5",    "BitBtn2", "BitBtn3",  "BitBtn4",     "ListBox1",    "Image1",
        "RadioGroup1", "RadioGroup2", "CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4"};
    QStringList showing;
    for (const form1::ControlRow& row : form1::kControls) {
      if (!Control(row.name)->toolTip().isEmpty()) showing << QString::fromUtf8(row.name);
    }
    showing.sort();
    QStringList sorted = expected;
    sorted.sort();
    QCOMPARE(showing, sorted);
  }

  void label1() {
    QCOMPARE(form_->Label1->Caption(), QStringLiteral("Lumenfold"));
    QVERIFY(form_->Label1->Hint().startsWith(QStringLiteral("Ver 1.81 1999-02-02 ")));
    QVERIFY(form_->Label1->font().bold());
    QVERIFY(form_->Label1->font().italic());
    QCOMPARE(form_->Label1->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(form_->Label1->palette().color(QPalette::Window), QColor(0, 255, 255));
    QVERIFY(form_->Label1->autoFillBackground());
  }

  void fonts_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < static_cast<int>(form1::kFonts.size()); ++i) {
      QTest::newRow(form1::kFonts[static_cast<size_t>(i)].name) << i;
    }
  }
  void fonts() {
    QFETCH(int, row);
    const form1::FontRow& expected = form1::kFonts[static_cast<size_t>(row)];
    QWidget* widget = Control(expected.name);
    const bool gothic = qstrcmp(expected.font.face, "ＭＳ ゴシック") == 0;
    QCOMPARE(widget->font().family(), gothic ? QStringLiteral("IPAGothic") : QStringLiteral("IPAPGothic"));
    QCOMPARE(QFontInfo(widget->font()).family(), widget->font().family());  // installed
    QCOMPARE(widget->font().pixelSize(), expected.font.height);
    QCOMPARE(widget->font().bold(), vcl::HasStyle(expected.font.style, vcl::TFontStyle::Bold));
    QCOMPARE(widget->font().italic(), vcl::HasStyle(expected.font.style, vcl::TFontStyle::Italic));
    QCOMPARE(widget->palette().color(QPalette::Active, widget->foregroundRole()),
             vcl::ToQColor(expected.font.color));
    if (expected.background && qstrcmp(expected.name, "Label10") != 0) {
      QVERIFY(widget->autoFillBackground());
      QCOMPARE(widget->palette().color(QPalette::Window), vcl::ToQColor(*expected.background));
    }
    // Every label is opaque, with its own colour or its parent's.
    if (auto* label = qobject_cast<vcl::TLabel*>(widget)) {
      QVERIFY(label->autoFillBackground());
      if (!expected.background) {
        QCOMPARE(label->palette().color(QPalette::Window),
                 label->parentWidget()->palette().color(QPalette::Window));
      }
    }
  }

  void disabledTextIsGreyed() {
    // A font colour must not survive disabling, or Label6 and Label8 would
    // not look greyed.
    QVERIFY(!form_->Label6->isEnabled());
    QVERIFY(form_->Label6->palette().color(QPalette::Disabled, QPalette::WindowText) !=
            QColor(0, 0, 0));
  }

  void radioGroupItems_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < static_cast<int>(form1::kRadioGroups.size()); ++i) {
      QTest::newRow(form1::kRadioGroups[static_cast<size_t>(i)].name) << i;
    }
  }
  void radioGroupItems() {
    QFETCH(int, row);
    const form1::RadioGroupRow& expected = form1::kRadioGroups[static_cast<size_t>(row)];
    auto* group = qobject_cast<vcl::TRadioGroup*>(Control(expected.name));
    QStringList items;
    for (const char* item : expected.items) {
      if (item) items << QString::fromUtf8(item);
    }
    QCOMPARE(group->Items(), items);
    QCOMPARE(group->Columns(), expected.columns);
    QCOMPARE(group->ItemIndex(), expected.item_index);
    QVERIFY(group->TabStop());
  }

  void sizeItemsAreExact() {
    QCOMPARE(form_->RadioGroup2->Items(),
             (QStringList{QStringLiteral("原  寸"), QStringLiteral("256x192 \u00D7 \uFF12"),
                          QStringLiteral("160x120 \u00D7 \uFF13"), QStringLiteral("128x 96 \u00D7 \uFF14")}));
  }

  // The eight bare buttons stand in 16-pixel columns over the eight colour
  // squares, too narrow for any item text to show.
  void colourButtonsStandOverTheirSquares() {
    for (int i = 0; i < 8; ++i) {
      QRadioButton* button = form_->RadioGroup1->Button(i);
      const QRect in_group(button->mapTo(form_->GroupBox1, QPoint(0, 0)), button->size());
      QCOMPARE(in_group.left(), 104 + 16 * i);
      QCOMPARE(in_group.width(), 16);
      const int square_left = form_->Image1->x() + 1 + 16 * i;
      QVERIFY(in_group.left() <= square_left && square_left + 14 <= in_group.right() + 1);
      QStyleOptionButton option;
      option.initFrom(button);
      option.text = button->text();
      const QRect text = button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
      QVERIFY2(text.left() >= button->width() - 1, qPrintable(button->text()));
    }
    // The group's lowest row lies over the strip's top row.
    QCOMPARE(form_->RadioGroup1->geometry().bottom(), form_->Image1->y());
    QCOMPARE(form_->Image1->geometry().bottom(), form_->GroupBox1->height() - 1);
  }

  void label11LiesMostlyUnderEdit5() {
    const QRect label = form_->Label11->geometry();
    const QRect hidden = label.intersected(form_->Edit5->geometry());
    QCOMPARE(hidden.height(), label.height() - 4);
    QCOMPARE(form_->childAt(hidden.center()), form_->Edit5);
    QVERIFY(form_->Label11->Caption().isEmpty());
  }

  void otherSettings() {
    QVERIFY(!form_->Label10->AutoSize());
    QCOMPARE(form_->Label10->size(), QSize(81, 25));
    QVERIFY(form_->ListBox1->Sorted());
    QVERIFY(!form_->ListBox1->TabStop());
    QCOMPARE(form_->ListBox1->ItemHeight(), 15);
    QCOMPARE(form_->ListBox1->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(form_->BitBtn1->NumGlyphs(), 1);
    QCOMPARE(form_->BitBtn2->NumGlyphs(), 2);
    QCOMPARE(form_->BitBtn3->NumGlyphs(), 2);
    QCOMPARE(form_->BitBtn4->NumGlyphs(), 2);
    for (vcl::TCheckBox* box : {form_->CheckBox1, form_->CheckBox2, form_->CheckBox3, form_->CheckBox4}) {
      QVERIFY(!box->Checked());
    }
    for (vcl::TEdit* edit : {form_->Edit1, form_->Edit2, form_->Edit3, form_->Edit4}) {
      QVERIFY(edit->Text().isEmpty());
    }
    QCOMPARE(form_->ListBox1->ItemCount(), 0);
  }

  void listBoxKeepsNamesSortedAndIgnoresClicks() {
    for (const char* name : {"b.jpg", "C.gif", "IMG_10.jpg", "a.jpg", "B.JPG", "IMG_2.jpg"}) {
      form_->ListBox1->AddItem(name);
    }
    const QStringList natural{"a.jpg", "B.JPG", "b.jpg", "C.gif", "IMG_2.jpg", "IMG_10.jpg"};
    for (int i = 0; i < natural.size(); ++i) QCOMPARE(form_->ListBox1->ItemAt(i), natural[i]);
    const QString swatch = form_->Label10->Caption();
    const int colour = form_->RadioGroup1->ItemIndex();
    QTest::mouseClick(form_->ListBox1->viewport(), Qt::LeftButton, {},
                      form_->ListBox1->visualRect(form_->ListBox1->model()->index(2, 0)).center());
    QCOMPARE(form_->ListBox1->ItemIndex(), 2);
    QCOMPARE(form_->Label10->Caption(), swatch);
    QCOMPARE(form_->RadioGroup1->ItemIndex(), colour);
  }

  void dialogs_data() {
    QTest::addColumn<bool>("open");
    QTest::newRow("OpenDialog1") << true;
    QTest::newRow("SaveDialog1") << false;
  }
  void dialogs() {
    QFETCH(bool, open);
    const form1::FileDialogSettings& expected = open ? form1::kOpenDialog1 : form1::kSaveDialog1;
    const vcl::TCommonFileDialog& dialog =
        open ? static_cast<vcl::TCommonFileDialog&>(*form_->OpenDialog1) : *form_->SaveDialog1;
    QCOMPARE(dialog.Title, expected.title ? QString::fromUtf8(expected.title) : QString());
    QCOMPARE(dialog.Filter, QString::fromUtf8(expected.filter));
    QCOMPARE(dialog.Options, expected.options);
    QVERIFY(dialog.HasOption(vcl::TOpenOption::ofHideReadOnly));
    QCOMPARE(dialog.HasOption(vcl::TOpenOption::ofReadOnly), open);
    QCOMPARE(dialog.FileEditStyle, vcl::TFileEditStyle::fsEdit);
    QCOMPARE(dialog.HistoryList.size(), open ? 4 : 0);
    QCOMPARE(dialog.FilterIndex, 1);
    QVERIFY(dialog.FileName.isEmpty());
    QVERIFY(dialog.DefaultExt.isEmpty());
    QVERIFY(dialog.InitialDir.isEmpty());  // no command-line argument here
    const std::vector<vcl::FilterEntry> entries = vcl::ParseFilter(dialog.Filter);
    QCOMPARE(entries.size(), size_t{4});
    QCOMPARE(entries[0].shown, open ? QStringLiteral("*.jpg *.jpeg *.gif") : QStringLiteral("*.htm *.html"));
    QCOMPARE(entries[0].patterns.size(), open ? size_t{3} : size_t{2});
    QCOMPARE(entries[3].shown, QStringLiteral("*.*"));
  }

  void controlsKeepTheirPlacesWhenResized() {
    std::vector<QRect> before;
    for (const form1::ControlRow& row : form1::kControls) before.push_back(Control(row.name)->geometry());
    form_->show();
    form_->resize(900, 700);
    QCoreApplication::processEvents();
    form_->showMaximized();
    QCoreApplication::processEvents();
    for (size_t i = 0; i < form1::kControls.size(); ++i) {
      QCOMPARE(Control(form1::kControls[i].name)->geometry(), before[i]);
    }
  }
};

}  // namespace lumenfold

LUMENFOLD_GUI_TEST_MAIN(lumenfold::WindowLayoutTest)
#include "window_layout_test.moc"
