// main() for the window's Qt Test suites: the application object exists
// for the whole run, titled as the program titles it, with scripted dialogs.
#ifndef LUMENFOLD_TESTS_GUI_GUI_TEST_MAIN_H_
#define LUMENFOLD_TESTS_GUI_GUI_TEST_MAIN_H_

#include <QTest>
#include <memory>

#include "scripted_dialogs.h"
#include "vcl/forms.h"

namespace lumenfold::testing {

// The scripted host of the running test's application.
inline ScriptedDialogs& Dialogs() { return static_cast<ScriptedDialogs&>(vcl::Application->Dialogs()); }

// Starts a fresh script for one test.
inline ScriptedDialogs& ResetDialogs() {
  vcl::Application->SetDialogHost(std::make_unique<ScriptedDialogs>());
  return Dialogs();
}

template <class TestObject>
int RunGuiTests(int argc, char** argv) {
  vcl::TApplication application(argc, argv);
  application.SetTitle(QStringLiteral("Lumenfold"));
  ResetDialogs();
  TestObject tests;
  return QTest::qExec(&tests, argc, argv);
}

}  // namespace lumenfold::testing

#define LUMENFOLD_GUI_TEST_MAIN(TestObject) \
  int main(int argc, char** argv) { return lumenfold::testing::RunGuiTests<TestObject>(argc, argv); }

#endif  // LUMENFOLD_TESTS_GUI_GUI_TEST_MAIN_H_
