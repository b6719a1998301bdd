// Builds the main window's controls from the tables in form1_tables.h.
#ifndef LUMENFOLD_APP_FORM1_BUILD_H_
#define LUMENFOLD_APP_FORM1_BUILD_H_

#include <QIcon>

#include "vcl/dialogs.h"
#include "vcl/forms.h"
#include "form1_tables.h"

namespace lumenfold::form1 {

// Gives `form` its own settings and creates every control in table order,
// each with its place, texts, font, colours and settings, then chains the
// Tab key. No handler is bound and no event is raised.
void BuildWindow(vcl::TForm& form);

// The program's own icon, 32 x 32 and 16 x 16.
QIcon ProgramIcon();

// Gives `dialog` the stored settings.
void ApplyDialogSettings(const FileDialogSettings& settings, vcl::TCommonFileDialog& dialog);

}  // namespace lumenfold::form1

#endif  // LUMENFOLD_APP_FORM1_BUILD_H_
