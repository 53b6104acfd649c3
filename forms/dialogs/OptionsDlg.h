#pragma once

// The business options kept in the database, on one tab "Main". OK writes
// them all in one unit of work; a failure keeps the dialog open.
//
//   OptionsDlg options(mainFrame);
//   options.DoModal();

#include "common/ui/BaseDialog.h"

class OptionsPage1;
class wxNotebook;

class OptionsDlg : public BaseDialog {
public:
  enum ControlId : int {
    kTemplateId = 0,  // the template is known by its name, "Options"
    kTabs = 1144,
  };

  explicit OptionsDlg(wxWindow* parent);

  // Creates the page under the tab "Main" and fills it; run by the first show.
  bool OnInitDialog();
  void OnOK() override;

  // Null until the dialog was initialised.
  OptionsPage1* GetPage() const { return m_page; }

private:
  wxNotebook* m_tabs = nullptr;
  OptionsPage1* m_page = nullptr;
};
