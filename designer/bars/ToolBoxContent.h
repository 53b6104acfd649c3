#pragma once

// What the tool box offers: three folders of tools, each tool with the code
// that "CorvaneStartDrawing" carries to the view (EntityForToolCode turns a
// code into the entity to draw).

#include <cstdint>
#include <string>
#include <vector>

namespace designer {

struct ToolBoxTool {
  std::wstring caption;
  int32_t code = 0;
};

struct ToolBoxFolder {
  std::wstring name;
  int32_t data = 0;  // the folder's index
  std::vector<ToolBoxTool> tools;
};

// "Invoice Fields", "Repeatable Fields" and "Drawing", in that order.
const std::vector<ToolBoxFolder>& ToolBoxFolders();

// Slide delay and selected-item timer of the tool box's outlook bar (ms).
inline constexpr int32_t kToolBoxSlideDelay = 20;
inline constexpr int32_t kToolBoxSelectionTimer = 200;

}  // namespace designer
