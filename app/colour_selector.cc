// The background colour choice: RadioGroup1, its swatch Label10 and the
// colour strip Image1.
#include "colour_swatch.h"
#include "form1.h"

namespace lumenfold {

void TForm1::UpdateColorSwatch() {
  const int index = RadioGroup1->ItemIndex();
  if (index < 0 || index >= kColourCount) return;
  const SwatchRow& row = kSwatches[static_cast<size_t>(index)];
  Label10->SetCaption(QString::fromUtf8(row.text));
  Label10->SetColor(row.colour);
}

// Where the click falls does not matter: any click moves on by one.
void TForm1::Image1Click(vcl::TObject* /*Sender*/) {
  RadioGroup1->SetItemIndex((RadioGroup1->ItemIndex() + 1) % kColourCount);
  UpdateColorSwatch();
}

void TForm1::RadioGroup1Click(vcl::TObject* /*Sender*/) { UpdateColorSwatch(); }

}  // namespace lumenfold
