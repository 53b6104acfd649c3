#include "designer/bars/ToolBoxContent.h"

namespace designer {

const std::vector<ToolBoxFolder>& ToolBoxFolders() {
  static const std::vector<ToolBoxFolder> folders = {
      {L"Invoice Fields",
       0,
       {{L"Invoice Number", 50},
        {L"Date", 51},
        {L"Total Tax", 52},
        {L"Invoice Total", 53},
        {L"Invoice Discount %", 54},
        {L"Invoice Discount", 55},
        {L"To (Client Name)", 61},
        {L"To (Client Address)", 56},
        {L"From (Vendor Name)", 62},
        {L"From (Vendor Address)", 60},
        {L"Paid date", 57},
        {L"Allowed Delay", 58},
        {L"Total without Tax", 59}}},
      {L"Repeatable Fields",
       1,
       {{L"Item's Name", 100},
        {L"Code", 101},
        {L"Price", 102},
        {L"Quantity", 103},
        {L"Base Unit", 104},
        {L"Sum", 105},
        {L"Discount %", 106},
        {L"Discount", 107},
        {L"Tax %", 108},
        {L"Tax", 109},
        {L"Total", 110}}},
      {L"Drawing", 2, {{L"Text", 1}, {L"Rectangle", 2}, {L"Line", 3}, {L"Picture", 4}}},
  };
  return folders;
}

}  // namespace designer
