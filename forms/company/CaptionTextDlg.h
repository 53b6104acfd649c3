#pragma once

// A contact dialog of a caption and one required text (the e-mail address,
// the web link), both at most 50 characters, over a record that has NAME,
// that text and COMPANY_OBJECT_ID.

#include <set>
#include <string>

#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "data/DbException.h"
#include "forms/company/ContactDlgBase.h"
#include "forms/company/ContactEditing.h"
#include "forms/dialogs/DialogMessages.h"
#include "platform/MessageBox.h"

template <class Record>
class CaptionTextDlg : public ContactDlgBase {
public:
  struct TextField {
    int labelId;
    int textId;
    const wchar_t* label;
    const wchar_t* missingMessage;  // shown when OK finds the text empty
    void (*names)(std::set<std::wstring>&);  // the captions already used
    std::wstring (Record::*get)() const;
    void (Record::*set)(const std::wstring&);
  };

  bool OnInitDialog() override {
    try {
      std::set<std::wstring> names;
      m_field.names(names);
      FillCaptions(names);
      if (m_objectId != 0) {
        m_record = LoadEditedRecord<Record>(m_changes, m_objectId);
        m_companyId = m_record.GetCompanyId();
        SetCaptionText(m_record.GetName());
        m_text->ChangeValue((m_record.*m_field.get)());
      }
    } catch (const Invoice::DbException& error) {
      dialogs::ShowDbError(error, this);
    }
    return true;
  }

  void OnOK() override {
    const std::wstring text = m_text->GetValue().ToStdWstring();
    if (text.empty()) {
      ShowMissing(m_field.missingMessage);
      return;
    }
    m_record.SetName(GetCaptionText());
    (m_record.*m_field.set)(text);
    m_record.SetCompanyId(m_companyId);
    m_objectId = RecordEdit(m_changes, m_record);
    EndDialog(platform::IDOK);
  }

  wxTextCtrl* GetTextCtrl() const { return m_text; }

protected:
  CaptionTextDlg(uint32_t templateId, ChangeSet* changes, int32_t objectId, int32_t companyId, wxWindow* parent,
                 const std::wstring& title, const TextField& field)
      : ContactDlgBase(templateId, changes, objectId, companyId, parent, title), m_field(field) {
    SetDialogClientSize(220, 66);
    CreateCaption(7, 35, 168);
    DialogUnits du(this);
    new wxStaticText(this, field.labelId, field.label, du.Point(7, 27), du.Size(35, 8));
    m_text = new wxTextCtrl(this, field.textId, wxEmptyString, du.Point(45, 25), du.Size(168, 12));
    m_text->SetMaxLength(50);
    new wxButton(this, platform::IDOK, L"OK", du.Point(108, 47), du.Size(50, 14));
    new wxButton(this, platform::IDCANCEL, L"Cancel", du.Point(163, 47), du.Size(50, 14));
  }

private:
  TextField m_field;
  Record m_record;
  wxTextCtrl* m_text = nullptr;
};
