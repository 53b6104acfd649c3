#pragma once

// Edits one web link of a company: a caption and the link. OK records it in
// the caller's change set (nothing is written here); an empty link is
// refused. Opened through DlgLauncher::RunWebLinkDlg.

#include "data/objects/Web.h"
#include "forms/company/CaptionTextDlg.h"

class CWebLinkDlg : public CaptionTextDlg<Invoice::Web> {
public:
  enum : int { kTemplateId = 139, kLinkLabel = 1218, kLink = 1219 };

  CWebLinkDlg(ChangeSet* changes, int32_t webId, int32_t companyId, wxWindow* parent);
};
