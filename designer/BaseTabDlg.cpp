#include "designer/BaseTabDlg.h"

#include <wx/button.h>
#include <wx/notebook.h>
#include <wx/sizer.h>

#include "platform/MessageBox.h"

namespace designer {

BaseDlgTabPage::BaseDlgTabPage(uint32_t templateId, wxWindow* parent)
    : wxPanel(parent, wxID_ANY), m_templateId(templateId) {}

BaseTabDlg::BaseTabDlg(uint32_t templateId, wxWindow* parent, const std::wstring& title)
    : BaseDialog(templateId, parent, title) {
  m_tabs = new wxNotebook(this, 1056);
  // OK and Cancel keep their dialog ids (1 and 2), which a standard button
  // sizer would not place: a plain row, right-aligned.
  auto* ok = new wxButton(this, platform::IDOK, "OK");
  ok->SetDefault();
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->AddStretchSpacer();
  buttons->Add(ok, 0, wxRIGHT, 5);
  buttons->Add(new wxButton(this, platform::IDCANCEL, "Cancel"));
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(m_tabs, 1, wxEXPAND | wxALL, 5);
  sizer->Add(buttons, 0, wxEXPAND | wxALL, 5);
  SetSizer(sizer);
  m_tabs->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, [this](wxBookCtrlEvent& event) {
    if (event.GetSelection() >= 0) ShowPage(static_cast<size_t>(event.GetSelection()));
    event.Skip();
  });
}

void BaseTabDlg::AddTab(const std::wstring& caption, uint32_t pageId) {
  m_pageIds.push_back(pageId);
  // The page itself comes on first display: a placeholder holds the tab.
  m_tabs->AddPage(new wxPanel(m_tabs), wxString(caption));
}

BaseDlgTabPage* BaseTabDlg::ShowPage(size_t index) {
  if (index >= m_pageIds.size()) return nullptr;
  const uint32_t id = m_pageIds[index];
  BaseDlgTabPage* page = GetCreatedPage(id);
  if (!page) {
    page = CreatePage(index);
    if (!page) return nullptr;
    m_pages[id] = page;
    wxWindow* placeholder = m_tabs->GetPage(index);
    const wxString caption = m_tabs->GetPageText(index);
    m_tabs->RemovePage(index);
    placeholder->Destroy();
    m_tabs->InsertPage(index, page, caption, false);
    page->Fill();
  }
  if (m_tabs->GetSelection() != static_cast<int>(index)) m_tabs->ChangeSelection(index);
  page->Show();
  return page;
}

BaseDlgTabPage* BaseTabDlg::GetCreatedPage(uint32_t pageId) const {
  auto found = m_pages.find(pageId);
  return found == m_pages.end() ? nullptr : found->second;
}

bool BaseTabDlg::ApplyPages() {
  for (auto& [id, page] : m_pages)
    if (!page->Apply()) return false;
  for (auto& [id, page] : m_pages) {
    if (page->m_refresh) {
      page->m_refresh = false;
      page->Fill();
    }
  }
  return true;
}

void BaseTabDlg::OnOK() {
  if (ApplyPages()) EndDialog(platform::IDOK);
}

}  // namespace designer
