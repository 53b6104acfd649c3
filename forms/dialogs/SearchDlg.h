#pragma once

// Picks one client, item or account: the user types part of its name, presses
// "Search!" and chooses a row; or picks one item of a preset list. Run it
// with DoModal and read GetChosenId after IDOK:
//
//   SearchDlg search(kSearchClients, nullptr, this);
//   if (search.DoModal() == platform::IDOK) companyId = search.GetChosenId();
//
//   Invoice::Searches::PriceListDef priceList(priceGroupId);
//   SearchDlg items(kSearchItems, &priceList, this);

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "forms/dialogs/SearchQuery.h"
#include "common/ui/BaseDialog.h"
#include "shell/ui/BaseListCtrl.h"

class wxButton;
class wxComboBox;
class wxStaticText;

class SearchDlg : public BaseDialog {
public:
  enum ControlId : int {
    kTemplateId = 122,
    kSearchText = 1107,
    kSearchButton = 1108,
    kResultList = 1109,
    kLabel = 1110,
  };

  // A search; the definition (may be null) is not owned and must outlive the dialog.
  SearchDlg(int mode, const Invoice::Searches::SearchDef* definition, wxWindow* parent);
  // A search without a definition.
  SearchDlg(int mode, std::nullptr_t, wxWindow* parent)
      : SearchDlg(mode, static_cast<const Invoice::Searches::SearchDef*>(nullptr), parent) {}
  // A chooser over the caller's item ids, which must outlive the dialog. An
  // empty list makes it a plain search.
  SearchDlg(int mode, const std::vector<int32_t>* presetIds, wxWindow* parent);

  // Texts, columns and the preset rows; run by the first show.
  bool OnInitDialog();
  // Searches with the text of the search box and shows what it found.
  void RunSearch();
  // With a row selected: chooses it and ends with IDOK; else searches.
  void OnOK() override;

  // The object id of the chosen row; 0 until one was chosen.
  int32_t GetChosenId() const { return m_chosenId; }

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  BaseListCtrl* GetList() const { return m_list; }
  wxComboBox* GetSearchBox() const { return m_searchBox; }

private:
  void CreateControls();
  void ShowRows(const std::vector<ListRow>& rows);

  int m_mode;
  SearchQuery m_query;
  int32_t m_chosenId = 0;
  BaseListCtrl* m_list = nullptr;
  wxComboBox* m_searchBox = nullptr;
  wxStaticText* m_label = nullptr;
  wxButton* m_searchButton = nullptr;
  std::wstring m_labelText = L"Search text:";
  std::wstring m_searchText;
  std::vector<int32_t> m_ownPresets;
  const std::vector<int32_t>* m_presetIds;
};
