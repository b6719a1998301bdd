// The window as it looks after a scan, for the screenshot script: the
// program's own start-up, with the folder button's dialog answered by a
// script that picks a file in the folder given as the only argument.
// Built with the tests and never installed, so the program itself has no
// such way in.
#include <QTimer>
#include <memory>

#include "form1.h"
#include "form1_build.h"
#include "scripted_dialogs.h"

int main(int argc, char** argv) {
  using namespace lumenfold;
  vcl::TApplication application(argc, argv);
  if (application.ParamCount() != 1) return 2;
  application.SetTitle(QStringLiteral("Lumenfold"));
  QApplication::setWindowIcon(form1::ProgramIcon());
  auto dialogs = std::make_unique<testing::ScriptedDialogs>();
  QString folder = application.ParamStr(1);
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  dialogs->file_answers.push_back(vcl::FileDialogAnswer{folder + QStringLiteral("any.jpg"), 1});
  application.SetDialogHost(std::move(dialogs));
  application.CreateForm(Form1);
  QTimer::singleShot(0, Form1, [] { Form1->BitBtn2->click(); });
  application.Run();
  return 0;
}
