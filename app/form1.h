// The program's one window.
#ifndef LUMENFOLD_APP_FORM1_H_
#define LUMENFOLD_APP_FORM1_H_

#include <cstdint>
#include <memory>

#include "lumenfold/page_request.h"

#include "vcl/buttons.h"
#include "vcl/dialogs.h"
#include "vcl/ext_ctrls.h"
#include "vcl/forms.h"
#include "vcl/std_ctrls.h"

namespace lumenfold {

class TForm1 : public vcl::TForm {
  Q_OBJECT
 public:
  // The controls, created by the window's description. The window owns
  // them; they live as long as it does.
  vcl::TLabel* Label1;
  vcl::TLabel* Label2;
  vcl::TLabel* Label3;
  vcl::TLabel* Label4;
  vcl::TLabel* Label5;
  vcl::TLabel* Label6;
  vcl::TLabel* Label7;
  vcl::TLabel* Label8;
  vcl::TLabel* Label9;
  vcl::TLabel* Label10;
  vcl::TLabel* Label11;
  vcl::TEdit* Edit1;
  vcl::TEdit* Edit2;
  vcl::TEdit* Edit3;
  vcl::TEdit* Edit5;
  vcl::TEdit* Edit4;
  vcl::TBitBtn* BitBtn1;
  vcl::TBitBtn* BitBtn2;
  vcl::TBitBtn* BitBtn3;
  vcl::TBitBtn* BitBtn4;
  vcl::TOpenDialog* OpenDialog1;
  vcl::TSaveDialog* SaveDialog1;
  vcl::TListBox* ListBox1;
  vcl::TGroupBox* GroupBox1;
  vcl::TImage* Image1;
  vcl::TRadioGroup* RadioGroup1;
  vcl::TRadioGroup* RadioGroup2;
  vcl::TCheckBox* CheckBox1;
  vcl::TCheckBox* CheckBox2;
  vcl::TCheckBox* CheckBox3;
  vcl::TCheckBox* CheckBox4;

  // Takes the command line's folder, holds back the generate button until
  // a folder is chosen and shows the swatch.
  void FormCreate(vcl::TObject* Sender);
  // Ends the process at once with status 0; never returns.
  [[noreturn]] void BitBtn1Click(vcl::TObject* Sender);
  // Lists the picture files of the folder of a file the user picks, counts
  // them and makes the page ready to be generated. Cancelled, it does nothing.
  void BitBtn2Click(vcl::TObject* Sender);
  // Puts the path of a file the user picks into the wallpaper box.
  void BitBtn3Click(vcl::TObject* Sender);
  // Asks for the page file, forces its extension, shows its name in Edit5
  // and writes the page of the listed names and the window's choices,
  // asking before it replaces a file and reporting how it ended.
  void BitBtn4Click(vcl::TObject* Sender);
  // Moves the background colour choice on to the next colour.
  void Image1Click(vcl::TObject* Sender);
  void RadioGroup1Click(vcl::TObject* Sender);

  // Builds the window and its controls, then runs FormCreate.
  explicit TForm1(vcl::TComponent* Owner);
  ~TForm1() override;

  // The folder scan's results; both 0 until the first scan.
  std::int32_t ScanFilterValue() const { return ScanFilter; }
  std::int32_t FileCountValue() const { return FileCount; }

 private:
  std::int32_t ScanFilter = 0;
  std::int32_t FileCount = 0;
  // Shows the selected background colour's name and colour on Label10.
  void UpdateColorSwatch();
  // The page as the window stands: the listed names and every text and choice.
  PageRequest RequestFromWindow() const;

  void FindControls();
  void BindEvents();

  std::unique_ptr<vcl::TOpenDialog> open_dialog_;
  std::unique_ptr<vcl::TSaveDialog> save_dialog_;
};

// The main window, once the application has created it.
extern TForm1* Form1;

}  // namespace lumenfold

#endif  // LUMENFOLD_APP_FORM1_H_
