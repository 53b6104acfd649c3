#pragma once

// What the e-mail, web-link and phone dialogs share: a caption chosen from
// the captions already used (combo box 1185, label 1192 "Caption:"), the
// record's id in the change set and its owner company. OK needs the
// dialog's main text; without it the dialog says what is missing and stays
// open.

#include <cstdint>
#include <set>
#include <string>

#include "common/ui/BaseDialog.h"

class ChangeSet;
class wxComboBox;

class ContactDlgBase : public BaseDialog {
public:
  enum ControlId : int { kCaptionLabel = 1192, kCaption = 1185 };

  int32_t GetObjectId() const { return m_objectId; }
  int32_t GetCompanyId() const { return m_companyId; }
  wxComboBox* GetCaptionCombo() const { return m_caption; }

  // Fills the lists and loads the record; run by the first show.
  virtual bool OnInitDialog() = 0;

protected:
  ContactDlgBase(uint32_t templateId, ChangeSet* changes, int32_t objectId, int32_t companyId,
                 wxWindow* parent, const std::wstring& title);

  // The caption label and combo at that place, in dialog units.
  void CreateCaption(int y, int labelWidth, int comboWidth);
  // The captions into the combo, sorted and without repeats.
  void FillCaptions(const std::set<std::wstring>& names);
  std::wstring GetCaptionText() const;
  void SetCaptionText(const std::wstring& text);
  // "Please, specify ..." with the information icon, over this dialog.
  void ShowMissing(const std::wstring& text);

  ChangeSet* m_changes;
  int32_t m_objectId;
  int32_t m_companyId;
  wxComboBox* m_caption = nullptr;
};
