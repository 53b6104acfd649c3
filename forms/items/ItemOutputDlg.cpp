#include "forms/items/ItemOutputDlg.h"

namespace {

const StockLineDlgLayout kLayout{
    ItemOutputDlg::kTemplateId,
    {ItemOutputDlg::kItemLabel, L"&Item:", ItemOutputDlg::kItemName},
    ItemOutputDlg::kItemButton,
    {ItemOutputDlg::kTypeLabel, L"&Outcome:", ItemOutputDlg::kTypeList},
    {ItemOutputDlg::kQuantityLabel, L"&Quantity:", ItemOutputDlg::kQuantity},
    ItemOutputDlg::kUnitList,
    {ItemOutputDlg::kPiecesLabel, L"Pi&eces:", ItemOutputDlg::kPieces},
    {ItemOutputDlg::kPriceLabel, L"&Price:", ItemOutputDlg::kPrice},
    {ItemOutputDlg::kDiscountLabel, L"&Discount %:", ItemOutputDlg::kDiscount},
    {ItemOutputDlg::kTaxLabel, L"Ta&x %", ItemOutputDlg::kTax},
    {ItemOutputDlg::kTotalLabel, L"&Total:", ItemOutputDlg::kTotal},
};

}  // namespace

ItemOutputDlg::ItemOutputDlg(ChangeSet* changeSet, int32_t outcomeId, const std::vector<long>* presetIds,
                             int32_t outcomeType, int32_t priceGroupId, double defaultDiscount,
                             wxWindow* parent)
    : StockLineDlg(kLayout,
                   std::make_unique<ItemOutputLogic>(changeSet, outcomeId, presetIds, outcomeType,
                                                     priceGroupId, defaultDiscount),
                   parent) {}
