#include "shell/ui/BaseTabForm.h"

#include <algorithm>

#include <wx/notebook.h>
#include <wx/sizer.h>

#include "data/DbException.h"
#include "platform/MessageBox.h"
#include "shell/ui/BaseTabFrame.h"
#include "shell/ui/BaseTabPage.h"
#include "shell/ui/StaleSave.h"
#include "shell/ui/UnitOfWork.h"

BaseTabForm::BaseTabForm(uint32_t formTemplateId, wxWindow* parent)
    : wxPanel(parent, wxID_ANY), m_formTemplateId(formTemplateId) {
  m_tabs = new wxNotebook(this, kTabControlId);
  // The tab control sits 5 pixels inside the form on every side and the form
  // never scrolls.
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(m_tabs, 1, wxEXPAND | wxALL, 5);
  SetSizer(sizer);
  m_tabs->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, &BaseTabForm::OnPageChanged, this);
}

BaseTabForm::~BaseTabForm() = default;  // the pages are child windows

BaseTabFrame* BaseTabForm::GetTabFrame() {
  return dynamic_cast<BaseTabFrame*>(GetParentFrame());
}

void BaseTabForm::OnInitialUpdate() {
  View::OnInitialUpdate();
  if (BaseTabFrame* frame = GetTabFrame()) {
    frame->LoadEditedObject();
    frame->UpdateFrameCaption();
  }
  Layout();
}

int BaseTabForm::FindTab(uint32_t pageId) const {
  auto found = std::find(m_tabPageIds.begin(), m_tabPageIds.end(), pageId);
  return found == m_tabPageIds.end() ? -1 : static_cast<int>(found - m_tabPageIds.begin());
}

bool BaseTabForm::HasTab(uint32_t pageId) const {
  return FindTab(pageId) >= 0;
}

int BaseTabForm::GetTabCount() const {
  return static_cast<int>(m_tabPageIds.size());
}

uint32_t BaseTabForm::GetTabPageId(int tabIndex) const {
  return tabIndex >= 0 && tabIndex < GetTabCount() ? m_tabPageIds[tabIndex] : 0;
}

uint32_t BaseTabForm::GetCurrentPageId() const {
  return GetTabPageId(m_tabs->GetSelection());
}

void BaseTabForm::AddTab(uint32_t pageId, const std::wstring& caption) {
  if (HasTab(pageId)) return;
  // Each tab holds a bare panel; the page is created inside it on first use.
  auto* holder = new wxPanel(m_tabs);
  holder->SetSizer(new wxBoxSizer(wxVERTICAL));
  m_tabPageIds.push_back(pageId);
  m_tabs->AddPage(holder, wxString(caption), false);
}

void BaseTabForm::RemoveTab(uint32_t pageId) {
  int index;
  while ((index = FindTab(pageId)) >= 0) {
    m_pages.erase(pageId);
    // The notebook moves the selection while it deletes; the owner selects
    // the page to show next.
    m_removingTab = true;
    m_tabs->DeletePage(index);  // the holder and the page in it
    m_removingTab = false;
    m_tabPageIds.erase(m_tabPageIds.begin() + index);
  }
}

BaseTabPage* BaseTabForm::GetPage(uint32_t pageId) {
  if (auto found = m_pages.find(pageId); found != m_pages.end()) return found->second;
  int index = FindTab(pageId);
  if (index < 0) return nullptr;
  wxWindow* holder = m_tabs->GetPage(index);
  BaseTabPage* page = CreatePage(pageId, holder);
  if (!page) return nullptr;
  holder->GetSizer()->Add(page, 1, wxEXPAND);
  holder->Layout();
  m_pages[pageId] = page;
  return page;
}

void BaseTabForm::SelectPage(uint32_t pageId) {
  BaseTabPage* page = GetPage(pageId);
  int index = FindTab(pageId);
  if (index >= 0 && m_tabs->GetSelection() != index) m_tabs->ChangeSelection(index);
  if (page) {
    page->Show();
    page->Refresh();
  }
}

void BaseTabForm::OnPageChanged(wxBookCtrlEvent& event) {
  event.Skip();
  if (event.GetEventObject() != m_tabs || m_removingTab) return;
  SelectPage(GetTabPageId(event.GetSelection()));
}

bool BaseTabForm::SavePages(const std::vector<BaseTabFun*>& pages, const std::function<void()>& afterCommit,
                            const std::function<void(const Invoice::StaleRowException&)>& onStale) {
  try {
    std::unique_ptr<UnitOfWork> unit = UnitOfWork::Open();
    std::vector<BaseTabFun*> reload;
    for (BaseTabFun* page : pages) {
      bool wantsReload = false;
      if (!page->SaveData(wantsReload)) return false;  // the unit rolls back
      if (wantsReload) reload.push_back(page);
    }
    unit->Commit();
    unit.reset();
    if (afterCommit) afterCommit();
    for (BaseTabFun* page : reload) page->LoadData();
    return true;
  } catch (const Invoice::StaleRowException& e) {
    if (onStale)
      onStale(e);
    else
      platform::ShowMessageBox(e.GetText(), L"Corvane", platform::MB_ICONERROR);
    return false;
  } catch (const Invoice::DbException& e) {
    platform::ShowMessageBox(e.GetText(), L"Corvane", platform::MB_ICONERROR);
    return false;
  }
}

bool BaseTabForm::SaveAllPages() {
  std::vector<BaseTabFun*> pages;
  for (const auto& [id, page] : m_pages) pages.push_back(page);
  return SavePages(
      pages,
      [this] {
        if (BaseSaveFrame* frame = GetTabFrame()) frame->SetModified(false);
      },
      [this](const Invoice::StaleRowException& refusal) {
        if (AskToLoadAfterStaleSave(refusal, this)) ReloadStored();
      });
}

void BaseTabForm::ReloadStored() {
  BaseTabFrame* frame = GetTabFrame();
  if (!frame) return;
  try {
    frame->LoadEditedObject();
    frame->UpdateFrameCaption();
  } catch (const Invoice::DbException& e) {
    platform::ShowMessageBox(e.GetText(), L"Corvane", platform::MB_ICONERROR, this);
    return;
  }
  for (const auto& [id, page] : m_pages) {
    page->LoadData();
    page->TransferDataToWindow();
  }
  frame->SetModified(false);
}
