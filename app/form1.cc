#include "form1.h"

#include <cstdlib>

#include "form1_build.h"

namespace lumenfold {

TForm1* Form1 = nullptr;

TForm1::TForm1(vcl::TComponent* Owner)
    : vcl::TForm(Owner),
      open_dialog_(std::make_unique<vcl::TOpenDialog>()),
      save_dialog_(std::make_unique<vcl::TSaveDialog>()) {
  form1::BuildWindow(*this);
  FindControls();
  form1::ApplyDialogSettings(form1::kOpenDialog1, *OpenDialog1);
  form1::ApplyDialogSettings(form1::kSaveDialog1, *SaveDialog1);
  BindEvents();
  DoCreate();
}

TForm1::~TForm1() = default;

namespace {

template <class T>
T* Child(const QWidget& form, const char* name) {
  return form.findChild<T*>(QString::fromLatin1(name));
}

}  // namespace

void TForm1::FindControls() {
  Label1 = Child<vcl::TLabel>(*this, "Label1");
  Label2 = Child<vcl::TLabel>(*this, "Label2");
  Label3 = Child<vcl::TLabel>(*this, "Label3");
  Label4 = Child<vcl::TLabel>(*this, "Label4");
  Label5 = Child<vcl::TLabel>(*this, "Label5");
  Label6 = Child<vcl::TLabel>(*this, "Label6");
  Label7 = Child<vcl::TLabel>(*this, "Label7");
  Label8 = Child<vcl::TLabel>(*this, "Label8");
  Label9 = Child<vcl::TLabel>(*this, "Label9");
  Label10 = Child<vcl::TLabel>(*this, "Label10");
  Label11 = Child<vcl::TLabel>(*this, "Label11");
  Edit1 = Child<vcl::TEdit>(*this, "Edit1");
  Edit2 = Child<vcl::TEdit>(*this, "Edit2");
  Edit3 = Child<vcl::TEdit>(*this, "Edit3");
  Edit5 = Child<vcl::TEdit>(*this, "Edit5");
  Edit4 = Child<vcl::TEdit>(*this, "Edit4");
  BitBtn1 = Child<vcl::TBitBtn>(*this, "BitBtn1");
  BitBtn2 = Child<vcl::TBitBtn>(*this, "BitBtn2");
  BitBtn3 = Child<vcl::TBitBtn>(*this, "BitBtn3");
  BitBtn4 = Child<vcl::TBitBtn>(*this, "BitBtn4");
  OpenDialog1 = open_dialog_.get();
  SaveDialog1 = save_dialog_.get();
  ListBox1 = Child<vcl::TListBox>(*this, "ListBox1");
  GroupBox1 = Child<vcl::TGroupBox>(*this, "GroupBox1");
  Image1 = Child<vcl::TImage>(*this, "Image1");
  RadioGroup1 = Child<vcl::TRadioGroup>(*this, "RadioGroup1");
  RadioGroup2 = Child<vcl::TRadioGroup>(*this, "RadioGroup2");
  CheckBox1 = Child<vcl::TCheckBox>(*this, "CheckBox1");
  CheckBox2 = Child<vcl::TCheckBox>(*this, "CheckBox2");
  CheckBox3 = Child<vcl::TCheckBox>(*this, "CheckBox3");
  CheckBox4 = Child<vcl::TCheckBox>(*this, "CheckBox4");
}

void TForm1::BindEvents() {
  OnCreate = [this](vcl::TObject* sender) { FormCreate(sender); };
  BitBtn1->OnClick = [this](vcl::TObject* sender) { BitBtn1Click(sender); };
  BitBtn2->OnClick = [this](vcl::TObject* sender) { BitBtn2Click(sender); };
  BitBtn3->OnClick = [this](vcl::TObject* sender) { BitBtn3Click(sender); };
  BitBtn4->OnClick = [this](vcl::TObject* sender) { BitBtn4Click(sender); };
  Image1->OnClick = [this](vcl::TObject* sender) { Image1Click(sender); };
  Label10->OnClick = [this](vcl::TObject* sender) { Image1Click(sender); };
  RadioGroup1->OnClick = [this](vcl::TObject* sender) { RadioGroup1Click(sender); };
}

void TForm1::FormCreate(vcl::TObject* /*Sender*/) {
  // The argument goes to the dialogs as it is; whether it names a folder is
  // for them to find out.
  const QString folder = vcl::Application->ParamStr(1);
  if (!folder.isEmpty()) {
    OpenDialog1->InitialDir = folder;
    SaveDialog1->InitialDir = folder;
  }
  // Nothing can be generated before a folder has been scanned.
  BitBtn4->SetTabStop(false);
  BitBtn4->SetEnabled(false);
  Label6->SetEnabled(false);
  Label8->SetEnabled(false);
  UpdateColorSwatch();
}

void TForm1::BitBtn1Click(vcl::TObject* /*Sender*/) {
  // Nothing is kept from the window, so there is nothing to ask or save.
  std::exit(0);
}

}  // namespace lumenfold
