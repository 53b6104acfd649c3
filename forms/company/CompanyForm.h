#pragma once

// The tabbed form of one company in its CompanyFrame: "Details" always, and
// for a stored company "Contact Info", "Invoices" and "Finance Info". Pages
// are made when first shown; Save saves every made page in one unit of work
// (details first, so a new company's id reaches the other pages), then adds
// the tabs a newly stored company gains and tells the lists.

#include <cstdint>

#include "shell/ui/BaseTabForm.h"

class CompanyFrame;

class CompanyForm : public BaseTabForm {
public:
  static constexpr unsigned kTemplateId = 117;
  // The frame's commands: the system's numbers less 0x4000, as wx takes menu
  // ids below 0x7fff only.
  static constexpr int kCommandOffset = 0x4000;
  enum Command : int {
    ID_SAVE_COMPANY = 32807 - kCommandOffset,
    ID_CLOSE_COMPANY = 32838 - kCommandOffset,
  };

  explicit CompanyForm(wxWindow* frame);

  // Loads the company, adds its tabs and shows the frame's initial page.
  void OnInitialUpdate() override;
  // The tabs the company has now, keeping the selected page.
  void RebuildTabs();
  // The "Save" command: true when saved.
  bool SaveCompany();
  bool CanSave();

  CompanyFrame* GetCompanyFrame();

protected:
  BaseTabPage* CreatePage(uint32_t pageId, wxWindow* parent) override;
};
