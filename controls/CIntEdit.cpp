#include "controls/CIntEdit.h"

#include "controls/ControlTexts.h"
#include "platform/CMessageBox.h"

CIntEdit::CIntEdit(QWidget *parent) : CFilterEdit(parent) {}

void CIntEdit::OnChar(char16_t c) {
  if (!controls::IsIntCharSilent(c))
    platform::ShowMessage(QString::fromLatin1(controls::text::kIntWarning));
  PassChar(c);
}
