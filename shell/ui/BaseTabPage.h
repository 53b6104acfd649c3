#pragma once

// A page of a tab form: a child panel built like a dialog (controls in code
// with the system's ids, placed in dialog units), whose controls follow the
// page's size through anchor percentages.
//
//   class ItemPage3 : public BaseTabPage {
//   public:
//     explicit ItemPage3(wxWindow* parent) : BaseTabPage(109, parent) {
//       SetTemplateSize(300, 200);
//       DialogUnits du(this);
//       new wxTextCtrl(this, IDC_NAME, "", du.Point(60, 7), du.Size(200, 14));
//       SetUpAnchors();                           // records the initial size
//       GetAnchors().AddControl(IDC_NAME, 0, 0, 100, 0);  // stretches with the width
//     }
//     void LoadData() override;                   // from the frame's edited object
//     bool SaveData(bool& reload) override;       // into it; false refuses
//   };
//
// Return and escape never end a page.

#include <cstdint>

#include <wx/panel.h>

#include "common/ui/AnchorLayout.h"
#include "shell/ui/BaseTabFun.h"
#include "common/ui/DialogUnits.h"

class BaseTabPage : public wxPanel, public BaseTabFun, public DataExchanger {
public:
  BaseTabPage(uint32_t templateId, wxWindow* parent);

  uint32_t GetTemplateId() const { return m_templateId; }

  void LoadData() override {}
  bool UpdateData(bool save) override { return ExchangeWindowData(this, save); }

  AnchorLayout& GetAnchors() { return m_anchors; }

protected:
  // The page's size in dialog units, before its controls are laid out.
  void SetTemplateSize(int width, int height);
  // Records the page and its current size for the anchors.
  void SetUpAnchors() { m_anchors.SetUp(this); }

private:
  void OnSize(wxSizeEvent& event);

  uint32_t m_templateId;
  AnchorLayout m_anchors;
};
