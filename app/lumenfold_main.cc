#include "lumenfold_main.h"

#include <exception>

#include "form1.h"
#include "form1_build.h"

namespace lumenfold {

int RunLumenfold(int& argc, char** argv) {
  vcl::TApplication application(argc, argv);
  try {
    application.Initialize();
    application.SetTitle(QStringLiteral("Lumenfold"));
    QApplication::setWindowIcon(form1::ProgramIcon());
    application.CreateForm(Form1);
    application.Run();
  } catch (const std::exception& error) {
    application.ShowException(error);
  }
  return 0;
}

}  // namespace lumenfold
