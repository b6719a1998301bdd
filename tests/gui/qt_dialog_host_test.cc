// The real dialog host, driven from a timer while its modal dialog runs.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "gui_test_main.h"
#include "vcl/qt_dialog_host.h"

namespace lumenfold {
namespace {

// Runs `act` on the modal dialog of type T once it shows.
template <class T>
void WhenShown(std::function<void(T*)> act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    act(dialog);
  });
}

vcl::FileDialogRequest HtmlRequest(const QString& folder) {
  vcl::FileDialogRequest request;
  request.kind = vcl::TFileDialogKind::Save;
  request.filters = {{QStringLiteral("*.htm *.html"), {"*.htm", "*.html"}},
                     {QStringLiteral("*.html"), {"*.html"}}};
  request.filter_index = 2;
  request.initial_dir = folder;
  request.file_name = QStringLiteral("DSC.htm");
  return request;
}

}  // namespace

class QtDialogHostTest : public QObject {
  Q_OBJECT

 private slots:
  void yesNoBoxDefaultsToNo() {
    vcl::MessageBoxRequest request;
    request.caption = QStringLiteral("Lumenfold");
    request.text = QStringLiteral("Overwrite?");
    request.icon = vcl::TMsgIcon::Exclamation;
    request.buttons = vcl::TMsgButtons::YesNo;
    request.default_button = vcl::TModalResult::No;
    WhenShown<QMessageBox>([](QMessageBox* box) {
      QCOMPARE(box->windowTitle(), QStringLiteral("Lumenfold"));
      QCOMPARE(box->text(), QStringLiteral("Overwrite?"));
      QCOMPARE(box->icon(), QMessageBox::Warning);
      QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
      QTest::keyClick(box, Qt::Key_Return);  // takes the default
    });
    QCOMPARE(vcl::QtDialogHost().ShowMessageBox(request), vcl::TModalResult::No);
  }

  void exceptionBoxHasAStopIconAndOneButton() {
    vcl::MessageBoxRequest request;
    request.text = QStringLiteral("Failed.");
    request.icon = vcl::TMsgIcon::Stop;
    WhenShown<QMessageBox>([](QMessageBox* box) {
      QCOMPARE(box->icon(), QMessageBox::Critical);
      QCOMPARE(box->standardButtons(), QMessageBox::Ok);
      box->accept();
    });
    QCOMPARE(vcl::QtDialogHost().ShowMessageBox(request), vcl::TModalResult::Ok);
  }

  void fileDialogStartsFromTheRequest() {
    QTemporaryDir folder;
    WhenShown<QFileDialog>([&folder](QFileDialog* dialog) {
      QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
      QCOMPARE(dialog->nameFilters().size(), 2);
      QCOMPARE(dialog->selectedNameFilter(), QStringLiteral("*.html (*.html)"));
      QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
      QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
      dialog->reject();
    });
    QVERIFY(!vcl::QtDialogHost().RunFileDialog(HtmlRequest(folder.path())));
  }

  void fileDialogAnswersTheChosenFileAndEntry() {
    QTemporaryDir folder;
    WhenShown<QFileDialog>([](QFileDialog* dialog) {
      dialog->selectNameFilter(QStringLiteral("*.htm *.html (*.htm *.html)"));
      static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides accept()
    });
    const std::optional<vcl::FileDialogAnswer> answer = vcl::QtDialogHost().RunFileDialog(HtmlRequest(folder.path()));
    QVERIFY(answer);
    QCOMPARE(answer->filter_index, 1);
    QCOMPARE(QFileInfo(answer->file_name).fileName(), QStringLiteral("DSC.htm"));
  }
};

}  // namespace lumenfold

LUMENFOLD_GUI_TEST_MAIN(lumenfold::QtDialogHostTest)
#include "qt_dialog_host_test.moc"
