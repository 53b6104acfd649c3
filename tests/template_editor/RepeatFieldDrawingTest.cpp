// Drawing a repeat field with the mouse: the copy of the tool's prototype is
// still "not created" when it is added, so releasing the button sizes its
// header.
#include <gtest/gtest.h>

#include "template/CInvoiceRepeatField.h"
#include "template/editor/DiagramEditorCore.h"

using platform::gdi::Rect;
using platform::gdi::Size;

namespace {

TEST(RepeatFieldDrawing, ANewlyDrawnRepeatFieldGetsItsHeader) {
  CDiagramEntityContainer container;
  DiagramEditorCore core;
  core.SetDiagramEntityContainer(&container);
  core.SetVirtualSize(Size{850, 1100});
  core.SetClientSize(Size{1000, 1200});

  core.StartDrawingObject(std::make_unique<CInvoiceRepeatField>(2));
  core.OnLButtonDown({100, 100}, false, 0);
  core.OnMouseMove({200, 250}, 5);
  core.OnLButtonUp({200, 250}, false, 10);
  ASSERT_TRUE(core.MarkCreated()) << "the drawn field waits to be marked created";

  CInvoiceRepeatField* field = nullptr;
  for (int i = 0; CDiagramEntity* entity = container.GetAt(i); ++i) {
    if (auto* repeat = dynamic_cast<CInvoiceRepeatField*>(entity)) field = repeat;
  }
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(field->GetRect(), (Rect{100, 100, 200, 250}));
  ASSERT_NE(field->GetHeader(), nullptr);
  EXPECT_EQ(field->GetHeader()->GetRect(), (Rect{100, 100, 200, 130})) << "the header is one row of 30 pixels";
  EXPECT_EQ(field->GetRowCount(), 5);
  EXPECT_NE(container.Find(field->GetHeader()), -1) << "the header is on the canvas with its field";
}

}  // namespace
