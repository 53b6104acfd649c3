#pragma once

// Edits one e-mail address of a company: a caption and the address. OK
// records it in the caller's change set (nothing is written here); an empty
// address is refused. Opened through DlgLauncher::RunEmailDlg.

#include "data/objects/Email.h"
#include "forms/company/CaptionTextDlg.h"

class CEmailDlg : public CaptionTextDlg<Invoice::Email> {
public:
  enum : int { kTemplateId = 142, kAddressLabel = 1216, kAddress = 1217 };

  CEmailDlg(ChangeSet* changes, int32_t emailId, int32_t companyId, wxWindow* parent);
};
