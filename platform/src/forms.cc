#include "vcl/forms.h"

#include <algorithm>

#include "vcl/ext_ctrls.h"
#include "vcl/qt_dialog_host.h"

namespace vcl {

TApplication* Application = nullptr;

void RaiseEvent(const TNotifyEvent& handler, TObject* sender) {
  if (!handler) return;
  try {
    handler(sender);
  } catch (const std::exception& error) {
    // Qt cannot carry an exception through its event loop; showing it here
    // keeps the loop going, as the program expects.
    if (!Application) throw;
    Application->ShowException(error);
  }
}

TForm::TForm(TComponent* owner) : QWidget(nullptr), owner_(owner) {}

void TForm::SetFont(const TFontDesc& font) {
  font_ = font;
  setFont(ToQFont(font));
}

void TForm::DoCreate() { RaiseEvent(OnCreate, this); }

namespace {

// The widgets that take focus for the controls of `parent`, in tab order.
void CollectTabChain(QWidget* parent, std::vector<QWidget*>& chain) {
  std::vector<TControl*> controls;
  for (QObject* child : parent->children()) {
    TControl* control = child->isWidgetType() ? AsControl(static_cast<QWidget*>(child)) : nullptr;
    if (control && control->TabOrder() >= 0) controls.push_back(control);
  }
  std::stable_sort(controls.begin(), controls.end(), [](TControl* a, TControl* b) {
    return a->TabOrder() < b->TabOrder();
  });
  for (TControl* control : controls) {
    if (auto* group = dynamic_cast<TRadioGroup*>(control)) {
      for (int i = 0; group->Button(i); ++i) chain.push_back(group->Button(i));
    } else if (control->Widget()->focusPolicy() == Qt::NoFocus) {
      CollectTabChain(control->Widget(), chain);  // a container: its controls
    } else {
      chain.push_back(control->Widget());
    }
  }
}

}  // namespace

void TForm::UpdateTabOrder() {
  std::vector<QWidget*> chain;
  CollectTabChain(this, chain);
  for (size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

TApplication::TApplication(int& argc, char** argv)
    : qt_(std::make_unique<QApplication>(argc, argv)),
      arguments_(QCoreApplication::arguments()),
      dialogs_(std::make_unique<QtDialogHost>()) {
  Application = this;
}

TApplication::~TApplication() {
  forms_.clear();
  Application = nullptr;
}

void TApplication::Run() {
  if (!main_form_) return;
  main_form_->show();
  QApplication::exec();
}

void TApplication::ShowException(const std::exception& error) {
  MessageBoxRequest request;
  request.caption = title_;
  request.text = QString::fromLocal8Bit(error.what()) + QLatin1Char('.');
  request.icon = TMsgIcon::Stop;
  dialogs_->ShowMessageBox(request);
}

QString TApplication::ParamStr(int index) const {
  if (index == 0) return arguments_.value(0);
  int seen = 0;
  for (qsizetype i = 1; i < arguments_.size(); ++i) {
    if (arguments_[i].isEmpty()) continue;
    if (++seen == index) return arguments_[i];
  }
  return {};
}

int TApplication::ParamCount() const {
  int count = 0;
  for (qsizetype i = 1; i < arguments_.size(); ++i) count += arguments_[i].isEmpty() ? 0 : 1;
  return count;
}

}  // namespace vcl
