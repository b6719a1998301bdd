// The properties every visible control shares, kept beside the Qt widget
// that shows it.
#ifndef LUMENFOLD_VCL_CONTROL_H_
#define LUMENFOLD_VCL_CONTROL_H_

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "vcl/graphics.h"

class QWidget;

namespace vcl {

using TObject = QObject;
// A handler of a plain event: it gets the object that raised it.
using TNotifyEvent = std::function<void(TObject* Sender)>;

// Runs `handler` for `sender` the way the message loop runs every handler:
// an exception escaping it goes to the application's standard exception
// display and is not passed on. An empty handler does nothing.
void RaiseEvent(const TNotifyEvent& handler, TObject* sender);

// Mixed into each control class next to its Qt widget base.
class TControl {
 public:
  explicit TControl(QWidget* self);
  virtual ~TControl();
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  // Place and outer size in the parent's client area.
  void SetBounds(int left, int top, int width, int height);
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;

  bool Enabled() const;
  void SetEnabled(bool enabled);

  // The hint is shown as a tool tip only while ShowHint is on.
  QString Hint() const { return hint_; }
  void SetHint(const QString& hint);
  bool ShowHint() const { return show_hint_; }
  void SetShowHint(bool show);

  // Whether Tab stops here; the place in the Tab cycle is TabOrder, counted
  // within the parent. Controls that never take focus have no tab order.
  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool tab_stop);
  int TabOrder() const { return tab_order_; }
  void SetTabOrder(int order) { tab_order_ = order; }

  // An own background colour, painted behind the whole control; without
  // one, the control shows its parent's or its class's usual background.
  std::optional<TColor> Color() const { return color_; }
  virtual void SetColor(TColor color);

  const TFontDesc& Font() const { return font_; }
  virtual void SetFont(const TFontDesc& font);

  TNotifyEvent OnClick;

  QWidget* Widget() const { return self_; }

 protected:
  // Raises OnClick.
  void Click();
  // Sets the widget's focus policy from TabStop; a control with its own
  // focus rules overrides it.
  virtual void ApplyTabStop();

 private:
  QWidget* self_;
  QString hint_;
  bool show_hint_ = false;
  bool tab_stop_ = false;
  int tab_order_ = -1;
  std::optional<TColor> color_;
  TFontDesc font_{"", 0, clBlack, TFontStyle::Regular};
};

// The control part of `widget`, or null for a widget that is no control.
TControl* AsControl(QWidget* widget);

}  // namespace vcl

#endif  // LUMENFOLD_VCL_CONTROL_H_
