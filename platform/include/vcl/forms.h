// Windows and the application object.
#ifndef LUMENFOLD_VCL_FORMS_H_
#define LUMENFOLD_VCL_FORMS_H_

#include <QApplication>
#include <QIcon>
#include <QStringList>
#include <QWidget>
#include <exception>
#include <memory>
#include <vector>

#include "vcl/control.h"
#include "vcl/dialog_host.h"

namespace vcl {

using TComponent = QObject;

// A top-level window whose controls sit at fixed places; nothing moves them
// when the window changes size.
class TForm : public QWidget {
  Q_OBJECT
 public:
  explicit TForm(TComponent* owner);

  TComponent* Owner() const { return owner_; }
  QString Caption() const { return windowTitle(); }
  void SetCaption(const QString& caption) { setWindowTitle(caption); }
  // Screen place of the window's outer top left corner.
  void SetPosition(int left, int top) { move(left, top); }
  // Size of the area inside the frame and title bar.
  void SetClientSize(int width, int height) { resize(width, height); }
  void SetIcon(const QIcon& icon) { setWindowIcon(icon); }
  const TFontDesc& Font() const { return font_; }
  void SetFont(const TFontDesc& font);

  TNotifyEvent OnCreate;

  // Chains the Tab key through the controls by their tab orders, the
  // controls inside a group at the group's place.
  void UpdateTabOrder();

 protected:
  // Raises OnCreate. An exception escaping it is shown by the standard
  // exception display, and the creation goes on.
  void DoCreate();

 private:
  TComponent* owner_;
  TFontDesc font_{"", 0, clBlack, TFontStyle::Regular};
};

// Owns the Qt application, the forms, the title and the dialog host.
class TApplication : public QObject {
  Q_OBJECT
 public:
  // Starts Qt with the process's arguments (Qt takes out its own options)
  // and makes this object the one `Application`.
  TApplication(int& argc, char** argv);
  ~TApplication() override;

  void Initialize() {}
  QString Title() const { return title_; }
  void SetTitle(const QString& title) { title_ = title; }

  // Creates a form of class T owned by this object and points `reference`
  // at it. The first form created becomes the main form.
  template <class T>
  void CreateForm(T*& reference) {
    auto form = std::make_unique<T>(this);
    reference = form.get();
    if (!main_form_) main_form_ = form.get();
    forms_.push_back(std::move(form));
  }
  TForm* MainForm() const { return main_form_; }

  // Shows the main form and handles messages until the main form closes.
  void Run();

  // The standard exception display: the message with "." appended, the
  // title as caption, a stop icon and one OK button.
  void ShowException(const std::exception& error);

  // Argument `index` of the command line, 0 being the program. Empty
  // arguments do not count; past the last argument the result is empty.
  QString ParamStr(int index) const;
  int ParamCount() const;
  // Replaces the command line that ParamStr reads (the program included).
  void SetCommandLine(const QStringList& arguments) { arguments_ = arguments; }

  DialogHost& Dialogs() { return *dialogs_; }
  void SetDialogHost(std::unique_ptr<DialogHost> host) { dialogs_ = std::move(host); }

 private:
  std::unique_ptr<QApplication> qt_;
  QString title_;
  QStringList arguments_;
  std::unique_ptr<DialogHost> dialogs_;
  std::vector<std::unique_ptr<TForm>> forms_;
  TForm* main_form_ = nullptr;
};

// The one application object, while it exists.
extern TApplication* Application;

}  // namespace vcl

#endif  // LUMENFOLD_VCL_FORMS_H_
