// The folder scan and the wallpaper choice: the window's two uses of the
// open dialog.
#include <utility>

#include "form1.h"
#include "lumenfold/folder_scan.h"
#include "lumenfold/name_rules.h"
#include "window_text.h"

namespace lumenfold {

void TForm1::BitBtn2Click(vcl::TObject* /*Sender*/) {
  if (!OpenDialog1->Execute()) return;
  ListBox1->ClearItems();
  // Any file of the folder stands for the folder; the file need not exist.
  const std::string picked = PathBytes(OpenDialog1->FileName);
  const std::string folder(FolderPart(picked, PathSyntax::kHost));
  Label5->SetCaption(PathText(folder));
  // A folder has been chosen, even one without pictures: from now on the
  // page can be generated, and says so itself when there is nothing in it.
  BitBtn4->SetEnabled(true);
  BitBtn4->SetTabStop(true);
  Label6->SetEnabled(true);
  Label8->SetEnabled(true);
  ScanFilter = OpenDialog1->FilterIndex;
  Label7->SetCaption(TextOf(ScanFilterFor(ScanFilter).label));
  FileCount = 0;
  // A folder that cannot be read lists nothing and says nothing: the count
  // 0 tells it, and the generate command reports that there is nothing.
  HostFolderReader reader;
  ScanResult scan = ScanFolder(folder, ScanFilter, reader);
  FileCount = scan.file_count;
  ListBox1->SetItems(std::move(scan.names));
  Label9->SetCaption(QString::number(FileCount) + QStringLiteral(" 個 "));
}

void TForm1::BitBtn3Click(vcl::TObject* /*Sender*/) {
  if (!OpenDialog1->Execute()) return;
  Edit4->SetText(OpenDialog1->FileName);
}

}  // namespace lumenfold
