// The control library's own promises that the window relies on: the file
// dialogs keep their answers, the message boxes are asked for as the
// program needs them, events and their errors, and the command line.
#include <QTest>
#include <stdexcept>

#include "gui_test_main.h"
#include "vcl/dialogs.h"
#include "vcl/ext_ctrls.h"
#include "vcl/forms.h"
#include "vcl/qt_dialog_host.h"

namespace lumenfold {
namespace {

class FailingForm : public vcl::TForm {
 public:
  bool after_create = false;
  explicit FailingForm(vcl::TComponent* owner) : vcl::TForm(owner) {
    OnCreate = [](vcl::TObject*) { throw std::runtime_error("Cannot create the window"); };
    DoCreate();
    after_create = true;
  }
};

}  // namespace

class PlatformTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { testing::ResetDialogs(); }

  void fileDialogKeepsConfirmedAnswers() {
    vcl::TOpenDialog dialog;
    dialog.Title = QStringLiteral("Pick");
    dialog.Filter = QStringLiteral("*.jpg|*jpg;*jpeg|*.*|*.*");
    dialog.InitialDir = QStringLiteral("/srv");
    testing::Dialogs().file_answers = {vcl::FileDialogAnswer{QStringLiteral("/srv/a.jpg"), 2}, std::nullopt};

    QVERIFY(dialog.Execute());
    const vcl::FileDialogRequest& first = testing::Dialogs().file_dialogs[0];
    QCOMPARE(first.kind, vcl::TFileDialogKind::Open);
    QCOMPARE(first.title, QStringLiteral("Pick"));
    QCOMPARE(first.filter_index, 1);  // the first entry the first time
    QCOMPARE(first.initial_dir, QStringLiteral("/srv"));
    QCOMPARE(first.filters.size(), size_t{2});
    QCOMPARE(first.filters[0].patterns, (std::vector<QString>{"*jpg", "*jpeg"}));
    QCOMPARE(dialog.FileName, QStringLiteral("/srv/a.jpg"));
    QCOMPARE(dialog.FilterIndex, 2);

    // Cancelled: neither the entry nor the name changes.
    QVERIFY(!dialog.Execute());
    const vcl::FileDialogRequest& second = testing::Dialogs().file_dialogs[1];
    QCOMPARE(second.filter_index, 2);
    QCOMPARE(second.file_name, QStringLiteral("/srv/a.jpg"));
    QCOMPARE(dialog.FileName, QStringLiteral("/srv/a.jpg"));
    QCOMPARE(dialog.FilterIndex, 2);
  }

  void saveDialogProposesItsName() {
    vcl::TSaveDialog dialog;
    dialog.FileName = QStringLiteral("DSC.htm");
    dialog.Options = static_cast<unsigned>(vcl::TOpenOption::ofHideReadOnly);
    QVERIFY(!dialog.Execute());
    const vcl::FileDialogRequest& request = testing::Dialogs().file_dialogs[0];
    QCOMPARE(request.kind, vcl::TFileDialogKind::Save);
    QCOMPARE(request.file_name, QStringLiteral("DSC.htm"));
    QVERIFY(request.title.isEmpty());
    QVERIFY(request.hide_read_only);
  }

  void parseFilter_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("last_patterns");
    QTest::newRow("pairs") << "*.htm *.html|*.htm;*.html|*.*|*.*" << QStringList{"*.htm *.html", "*.*"} << 1;
    QTest::newRow("dangling text") << "A|*.a|B" << QStringList{"A"} << 1;
    QTest::newRow("empty") << "" << QStringList{} << 0;
  }
  void parseFilter() {
    QFETCH(QString, filter);
    QFETCH(QStringList, shown);
    QFETCH(int, last_patterns);
    const std::vector<vcl::FilterEntry> entries = vcl::ParseFilter(filter);
    QStringList texts;
    for (const vcl::FilterEntry& entry : entries) texts << entry.shown;
    QCOMPARE(texts, shown);
    if (!entries.empty()) QCOMPARE(static_cast<int>(entries.back().patterns.size()), last_patterns);
  }

  void qtFilterKeepsTheShownTextAndThePatterns() {
    QCOMPARE(vcl::QtNameFilter({QStringLiteral("*.jpg *.jpeg *.gif"), {"*jpg", "*jpeg", "*gif"}}),
             QStringLiteral("*.jpg *.jpeg *.gif (*jpg *jpeg *gif)"));
  }

  void plainMessage() {
    vcl::ShowMessage(QStringLiteral("変換終了"));
    const vcl::MessageBoxRequest& box = testing::Dialogs().boxes.at(0);
    QCOMPARE(box.caption, QStringLiteral("Lumenfold"));
    QCOMPARE(box.text, QStringLiteral("変換終了"));
    QCOMPARE(box.icon, vcl::TMsgIcon::None);
    QCOMPARE(box.buttons, vcl::TMsgButtons::Ok);
  }

  void yesNoQuestion_data() {
    QTest::addColumn<vcl::TModalResult>("answer");
    QTest::newRow("yes") << vcl::TModalResult::Yes;
    QTest::newRow("no") << vcl::TModalResult::No;
  }
  void yesNoQuestion() {
    QFETCH(vcl::TModalResult, answer);
    testing::Dialogs().box_answers = {answer};
    vcl::MessageBoxRequest request;
    request.caption = QStringLiteral("Lumenfold");
    request.text = QStringLiteral("/srv/DSC.htm exists. Overwrite?");
    request.icon = vcl::TMsgIcon::Exclamation;
    request.buttons = vcl::TMsgButtons::YesNo;
    request.default_button = vcl::TModalResult::No;
    QCOMPARE(vcl::MessageBox(request), answer);
    const vcl::MessageBoxRequest& asked = testing::Dialogs().boxes.at(0);
    QCOMPARE(asked.icon, vcl::TMsgIcon::Exclamation);
    QCOMPARE(asked.default_button, vcl::TModalResult::No);
  }

  void exceptionInOnCreateIsShownAndCreationGoesOn() {
    FailingForm form(vcl::Application);
    QVERIFY(form.after_create);
    const vcl::MessageBoxRequest& box = testing::Dialogs().boxes.at(0);
    QCOMPARE(box.text, QStringLiteral("Cannot create the window."));
    QCOMPARE(box.icon, vcl::TMsgIcon::Stop);
  }

  void commandLine_data() {
    QTest::addColumn<QStringList>("line");
    QTest::addColumn<QString>("first");
    QTest::addColumn<int>("count");
    QTest::newRow("program only") << QStringList{"prog"} << QString() << 0;
    QTest::newRow("two") << QStringList{"prog", "a b", "c"} << "a b" << 2;
    QTest::newRow("empty ones skipped") << QStringList{"prog", "", "c", ""} << "c" << 1;
  }
  void commandLine() {
    QFETCH(QStringList, line);
    QFETCH(QString, first);
    QFETCH(int, count);
    const QStringList saved{QCoreApplication::arguments()};
    vcl::Application->SetCommandLine(line);
    QCOMPARE(vcl::Application->ParamStr(1), first);
    QCOMPARE(vcl::Application->ParamCount(), count);
    QCOMPARE(vcl::Application->ParamStr(0), QStringLiteral("prog"));
    QVERIFY(vcl::Application->ParamStr(count + 1).isEmpty());
    vcl::Application->SetCommandLine(saved);
  }

  void radioGroupReportsEveryChangeOfSelection() {
    QWidget parent;
    vcl::TRadioGroup group(&parent);
    group.SetBounds(0, 0, 145, 33);
    group.SetItems({"a", "b", "c"});
    int clicks = 0;
    group.OnClick = [&clicks](vcl::TObject*) { ++clicks; };
    group.SetItemIndex(1);
    QCOMPARE(clicks, 1);
    group.SetItemIndex(1);  // no change, no click
    QCOMPARE(clicks, 1);
    group.SetItemIndex(-1);
    QCOMPARE(group.ItemIndex(), -1);
    for (int i = 0; i < 3; ++i) QVERIFY(!group.Button(i)->isChecked());
    group.SetItemIndex(2);
    QCOMPARE(group.ItemIndex(), 2);
    QCOMPARE(clicks, 2);
  }
};

}  // namespace lumenfold

LUMENFOLD_GUI_TEST_MAIN(lumenfold::PlatformTest)
#include "platform_test.moc"
