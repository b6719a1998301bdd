// The generate command and the page request it fills from the window.
#include "form1.h"
#include "lumenfold/generate.h"
#include "lumenfold/name_rules.h"
#include "lumenfold/system_date.h"
#include "window_generate_ui.h"
#include "window_text.h"

namespace lumenfold {

void TForm1::BitBtn4Click(vcl::TObject* /*Sender*/) {
  SaveDialog1->FileName = Edit5->Text();
  if (!SaveDialog1->Execute()) return;
  const std::string path = OutputPathFor(PathBytes(SaveDialog1->FileName), SaveDialog1->FilterIndex);
  // Before anything can stop the command: the name shown is the name the
  // page leaves out, and the one the dialog proposes next time.
  Edit5->SetText(PathText(BareName(path, PathSyntax::kHost)));
  WindowGenerateUi ui;
  GeneratePage(path, RequestFromWindow(), ui, DateFromEnvironment());
}

PageRequest TForm1::RequestFromWindow() const {
  PageRequest request;
  request.Names = ListBox1->Items();
  request.FileCount = FileCount;
  request.Title = TextBytes(Edit1->Text());
  request.UpperComment = TextBytes(Edit2->Text());
  request.LowerComment = TextBytes(Edit3->Text());
  request.Wallpaper = TextBytes(Edit4->Text());
  request.OutputName = TextBytes(Edit5->Text());
  request.ColourIndex = RadioGroup1->ItemIndex();
  request.SizeIndex = RadioGroup2->ItemIndex();
  request.AlwaysRule = CheckBox1->Checked();
  request.Spacious = CheckBox2->Checked();
  request.HideNames = CheckBox3->Checked();
  request.StampDate = CheckBox4->Checked();
  return request;
}

}  // namespace lumenfold
