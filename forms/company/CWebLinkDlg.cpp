#include "forms/company/CWebLinkDlg.h"

CWebLinkDlg::CWebLinkDlg(ChangeSet* changes, int32_t webId, int32_t companyId, wxWindow* parent)
    : CaptionTextDlg(kTemplateId, changes, webId, companyId, parent,
                     webId != 0 ? L"Edit Web Link" : L"New Web Link",
                     {kLinkLabel, kLink, L"Web Link:", L"Please, specify a Web Link.", &Invoice::GetWebNames,
                      &Invoice::Web::GetWeb, &Invoice::Web::SetWeb}) {}
