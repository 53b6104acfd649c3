#include "forms/items/ItemInputDlg.h"

namespace {

const StockLineDlgLayout kLayout{
    ItemInputDlg::kTemplateId,
    {ItemInputDlg::kItemLabel, L"&Item:", ItemInputDlg::kItemName},
    ItemInputDlg::kItemButton,
    {ItemInputDlg::kTypeLabel, L"Income &from:", ItemInputDlg::kTypeList},
    {ItemInputDlg::kQuantityLabel, L"&Quantity:", ItemInputDlg::kQuantity},
    ItemInputDlg::kUnitList,
    {ItemInputDlg::kPiecesLabel, L"Pi&eces:", ItemInputDlg::kPieces},
    {ItemInputDlg::kPriceLabel, L"&Price:", ItemInputDlg::kPrice},
    {ItemInputDlg::kDiscountLabel, L"&Discount:", ItemInputDlg::kDiscount},
    {ItemInputDlg::kTaxLabel, L"&Tax:", ItemInputDlg::kTax},
    {ItemInputDlg::kTotalLabel, L"Total:", ItemInputDlg::kTotal},
};

}  // namespace

ItemInputDlg::ItemInputDlg(ChangeSet* changeSet, int32_t incomeId, const std::vector<long>* presetIds,
                           int32_t incomeType, wxWindow* parent)
    : StockLineDlg(kLayout, std::make_unique<ItemInputLogic>(changeSet, incomeId, presetIds, incomeType),
                   parent) {}
