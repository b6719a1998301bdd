// What the window's scan and generate suites share: a fresh window on a
// fresh script, a folder of its own, scripted picks, and a way to act as
// an unprivileged user so that file permissions bind even under root.
#ifndef LUMENFOLD_TESTS_GUI_WINDOW_FIXTURE_H_
#define LUMENFOLD_TESTS_GUI_WINDOW_FIXTURE_H_

#include <unistd.h>

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "../core/temp_dir.h"
#include "form1.h"
#include "gui_test_main.h"

namespace lumenfold::testing {

// The next file dialog is confirmed with `path` under filter `filter_index`.
inline void Pick(const std::string& path, int filter_index) {
  Dialogs().file_answers.push_back(vcl::FileDialogAnswer{QFile::decodeName(path.c_str()), filter_index});
}

// The next file dialog is cancelled.
inline void Cancel() { Dialogs().file_answers.push_back(std::nullopt); }

inline void Touch(const test::TempDir& dir, std::initializer_list<std::string> names) {
  for (const std::string& name : names) test::WriteFile(dir / name, "x");
}

// The texts of every message box shown so far, in order.
inline QStringList Shown() {
  QStringList texts;
  for (const vcl::MessageBoxRequest& box : Dialogs().boxes) texts << box.text;
  return texts;
}

// While it lives, a process running as root acts as the unprivileged user
// (uid and gid 65534) for file access; any other process stays as it is.
class AsNobody {
 public:
  AsNobody() : root_(geteuid() == 0) {
    if (root_ && (setegid(65534) != 0 || seteuid(65534) != 0)) root_ = false;
  }
  ~AsNobody() {
    if (root_ && (seteuid(0) != 0 || setegid(0) != 0)) std::abort();
  }
  AsNobody(const AsNobody&) = delete;
  AsNobody& operator=(const AsNobody&) = delete;

 private:
  bool root_;
};

// One window and one folder per test.
class WindowFixture {
 protected:
  std::unique_ptr<TForm1> form_;
  std::unique_ptr<test::TempDir> dir_;

  void SetUpWindow() {
    ResetDialogs();
    vcl::Application->SetCommandLine({QStringLiteral("lumenfold")});
    dir_ = std::make_unique<test::TempDir>();
    form_ = std::make_unique<TForm1>(vcl::Application);
  }
  void TearDownWindow() {
    form_.reset();
    dir_.reset();
  }

  // Picks a file (that need not exist) in `folder` and scans under `filter_index`.
  void Scan(const std::string& folder, int filter_index) {
    Pick(folder + "any.jpg", filter_index);
    form_->BitBtn2->click();
  }
  std::vector<std::string> Listed() const { return form_->ListBox1->Items(); }
};

}  // namespace lumenfold::testing

#endif  // LUMENFOLD_TESTS_GUI_WINDOW_FIXTURE_H_
