// Start-up, the window's initial state, keyboard order, errors and the two
// ways out. The ways out end the process, so they run in a child process:
// this test program started again with --child=exit-button or
// --child=close-window.
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

#include "form1.h"
#include "gui_test_main.h"
#include "lumenfold_main.h"

namespace lumenfold {
namespace {

// The name a Tab stop stands for: a radio button stands for its group.
QString StopName(QWidget* widget) {
  if (!widget) return QStringLiteral("(none)");
  if (qobject_cast<QRadioButton*>(widget)) return widget->parentWidget()->objectName();
  return widget->objectName();
}

QStringList Walk(Qt::Key key, Qt::KeyboardModifiers modifiers, int presses) {
  QStringList stops;
  for (int i = 0; i < presses; ++i) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    stops << StopName(QApplication::focusWidget());
  }
  return stops;
}

}  // namespace

class WindowStartupTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TForm1> form_;

  void ShowActive() {
    form_->show();
    QApplication::setActiveWindow(form_.get());
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  }

  static int RunChild(const QString& mode) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child=") + mode});
    if (!child.waitForFinished(60000)) {
      child.kill();
      child.waitForFinished();
      return -1;
    }
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -2;
  }

 private slots:
  void init() {
    testing::ResetDialogs();
    vcl::Application->SetCommandLine({QStringLiteral("lumenfold")});
  }
  void cleanup() { form_.reset(); }

  void initialState() {
    form_ = std::make_unique<TForm1>(vcl::Application);
    QVERIFY(!form_->BitBtn4->Enabled());
    QVERIFY(!form_->BitBtn4->TabStop());
    QVERIFY(!form_->Label6->Enabled());
    QVERIFY(!form_->Label8->Enabled());
    QCOMPARE(form_->RadioGroup1->ItemIndex(), 3);
    QCOMPARE(form_->RadioGroup2->ItemIndex(), 3);
    QCOMPARE(form_->Label10->Caption(), QStringLiteral("イエロー"));
    QCOMPARE(form_->Label10->palette().color(QPalette::Window), QColor(255, 255, 0));
    QCOMPARE(form_->Edit5->Text(), QStringLiteral("DSC.htm"));
    QCOMPARE(form_->ScanFilterValue(), 0);
    QCOMPARE(form_->FileCountValue(), 0);
    for (vcl::TLabel* label : {form_->Label5, form_->Label7, form_->Label9, form_->Label11}) {
      QVERIFY(label->Caption().isEmpty());
    }
    // Every other control is usable.
    for (QWidget* widget : form_->findChildren<QWidget*>()) {
      if (widget == form_->BitBtn4 || widget == form_->Label6 || widget == form_->Label8) continue;
      QVERIFY2(widget->isEnabled(), qPrintable(widget->objectName()));
    }
    // The generate button cannot be clicked.
    bool clicked = false;
    form_->BitBtn4->OnClick = [&clicked](vcl::TObject*) { clicked = true; };
    QTest::mouseClick(form_->BitBtn4, Qt::LeftButton);
    QVERIFY(!clicked);
    QVERIFY(testing::Dialogs().boxes.empty());
  }

  void commandLineFolder_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("folder");
    QTest::newRow("none") << QStringList{} << QString();
    QTest::newRow("folder") << QStringList{"/srv/pictures"} << "/srv/pictures";
    QTest::newRow("blank inside") << QStringList{"/srv/my pictures"} << "/srv/my pictures";
    QTest::newRow("two, first used") << QStringList{"/srv/a", "/srv/b"} << "/srv/a";
    QTest::newRow("missing, unchanged") << QStringList{"/no/such/folder/"} << "/no/such/folder/";
    QTest::newRow("a file, unchanged") << QStringList{"/etc/hostname"} << "/etc/hostname";
    QTest::newRow("empty does not count") << QStringList{"", "/srv/a"} << "/srv/a";
    QTest::newRow("only empty") << QStringList{""} << QString();
    QTest::newRow("non-ASCII") << QStringList{"/srv/写真"} << "/srv/写真";
  }
  void commandLineFolder() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, folder);
    vcl::Application->SetCommandLine(QStringList{QStringLiteral("lumenfold")} + arguments);
    form_ = std::make_unique<TForm1>(vcl::Application);
    QCOMPARE(form_->OpenDialog1->InitialDir, folder);
    QCOMPARE(form_->SaveDialog1->InitialDir, folder);
    QVERIFY(testing::Dialogs().boxes.empty());  // nothing is said about it
    // The dialogs start there.
    form_->OpenDialog1->Execute();
    QCOMPARE(testing::Dialogs().file_dialogs.back().initial_dir, folder);
  }

  void tabOrder_data() {
    QTest::addColumn<bool>("scanned");
    QTest::newRow("before the first scan") << false;
    QTest::newRow("after the first scan") << true;
  }
  void tabOrder() {
    QFETCH(bool, scanned);
    form_ = std::make_unique<TForm1>(vcl::Application);
    if (scanned) {  // a scan that finds nothing still readies the button
      testing::Dialogs().file_answers.push_back(
          vcl::FileDialogAnswer{QStringLiteral("/no/such/folder/any.jpg"), 1});
      form_->BitBtn2->click();
    }
    ShowActive();
    form_->Edit1->setFocus();
    QStringList cycle{"Edit2",     "Edit3",   "CheckBox1", "CheckBox2", "CheckBox3",   "CheckBox4",
                      "BitBtn2",   "BitBtn3", "Edit4",     "RadioGroup1", "RadioGroup2"};
    if (scanned) cycle << "BitBtn4";
    cycle << "Edit5" << "BitBtn1" << "Edit1";
    QCOMPARE(Walk(Qt::Key_Tab, Qt::NoModifier, static_cast<int>(cycle.size())), cycle);
    QStringList back;
    for (qsizetype i = cycle.size() - 2; i >= 0; --i) back << cycle[i];
    back << "Edit1";
    QCOMPARE(Walk(Qt::Key_Backtab, Qt::ShiftModifier, static_cast<int>(back.size())), back);
  }

  void tabEntersAColourGroupAtItsSelection() {
    form_ = std::make_unique<TForm1>(vcl::Application);
    form_->RadioGroup1->SetItemIndex(6);
    ShowActive();
    form_->Edit4->setFocus();
    QTest::keyClick(form_->Edit4, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form_->RadioGroup1->Button(6));
  }

  void exceptionInAHandlerIsShownAndTheLoopGoesOn() {
    form_ = std::make_unique<TForm1>(vcl::Application);
    form_->BitBtn2->OnClick = [](vcl::TObject*) { throw std::runtime_error("Disk not ready"); };
    QTest::mouseClick(form_->BitBtn2, Qt::LeftButton);
    QCOMPARE(testing::Dialogs().boxes.size(), size_t{1});
    const vcl::MessageBoxRequest& box = testing::Dialogs().boxes[0];
    QCOMPARE(box.text, QStringLiteral("Disk not ready."));
    QCOMPARE(box.caption, QStringLiteral("Lumenfold"));
    QCOMPARE(box.icon, vcl::TMsgIcon::Stop);
    QCOMPARE(box.buttons, vcl::TMsgButtons::Ok);
    // Handling goes on with the next message.
    QTest::mouseClick(form_->Label10, Qt::LeftButton);
    QCOMPARE(form_->RadioGroup1->ItemIndex(), 4);
  }

  void exitButtonEndsTheProcessWithStatus0() { QCOMPARE(RunChild(QStringLiteral("exit-button")), 0); }
  void closingTheWindowEndsTheProcessWithStatus0() {
    QCOMPARE(RunChild(QStringLiteral("close-window")), 0);
  }
};

namespace {

// Child mode: runs the real main routine and, once the window is up, does
// what `mode` says. Any way of getting back here is a failure of the exit
// button; for closing, the main routine's own status is the result.
int ChildMain(const char* mode, int argc, char** argv) {
  static bool exit_button = std::strcmp(mode, "exit-button") == 0;
  qAddPreRoutine([] {
    QTimer::singleShot(0, [] {
      if (exit_button) {
        QTest::mouseClick(Form1->BitBtn1, Qt::LeftButton);
        std::fputs("the exit button returned\n", stderr);
        QCoreApplication::exit(0);
      } else {
        Form1->close();
      }
    });
    QTimer::singleShot(30000, [] { std::_Exit(4); });  // the loop never ended
  });
  const int status = RunLumenfold(argc, argv);
  return exit_button ? 3 : status;
}

}  // namespace
}  // namespace lumenfold

int main(int argc, char** argv) {
  if (argc == 2 && std::strncmp(argv[1], "--child=", 8) == 0) {
    int child_argc = 1;  // the window must not take the mode for a folder
    return lumenfold::ChildMain(argv[1] + 8, child_argc, argv);
  }
  return lumenfold::testing::RunGuiTests<lumenfold::WindowStartupTest>(argc, argv);
}

#include "window_startup_test.moc"
