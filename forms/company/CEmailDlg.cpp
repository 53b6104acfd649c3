#include "forms/company/CEmailDlg.h"

CEmailDlg::CEmailDlg(ChangeSet* changes, int32_t emailId, int32_t companyId, wxWindow* parent)
    : CaptionTextDlg(kTemplateId, changes, emailId, companyId, parent, emailId != 0 ? L"Edit Email" : L"New Email",
                     {kAddressLabel, kAddress, L"Email:", L"Please, specify a Email.", &Invoice::GetEmailNames,
                      &Invoice::Email::GetEmail, &Invoice::Email::SetEmail}) {}
