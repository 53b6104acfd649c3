#pragma once

// The header of a repeat field: one row of it, holding the field key and
// the text attributes. It belongs to its repeat field; once the field is
// added to a container the container holds (and alone deletes) the header.
// It cannot be moved or deleted by itself, is left out of undo snapshots and
// the paste buffer, is never saved by itself, and can be resized only by its
// bottom edge.

#include "template/CReportInvoiceField.h"

class CInvoiceRepeatField;

class CInvoiceRepeatHeaderField : public CReportInvoiceField {
public:
  explicit CInvoiceRepeatHeaderField(int32_t field = FieldId::kFirstInvoiceField);
  ~CInvoiceRepeatHeaderField() override;

  CInvoiceRepeatField* GetOwner() const { return m_owner; }

  std::unique_ptr<CDiagramEntity> Clone() const override;
  bool CanMove() const override { return false; }
  bool CanDelete() const override { return false; }
  bool IsChild() const override { return true; }
  std::optional<TemplateItem> MakeTemplateItem() const override { return std::nullopt; }
  // The property bar edits the owner: the field and its header as one.
  CDiagramEntity* GetEditedEntity() override;
  // Moving follows the owner: the header goes back to the owner's corner.
  void MoveRect(double dx, double dy) override;
  // With an owner only the height is the header's own: it lies on the
  // owner's top edge across the owner's width and ends within the owner.
  void SetRect(double left, double top, double right, double bottom) override;
  // 6 over the bottom marker, 10 elsewhere inside, 0 outside.
  int GetHitCodeInRect(platform::gdi::Point point, platform::gdi::Rect rect) const override;
  void DrawOutline(platform::gdi::Canvas& dc, platform::gdi::Rect rect) override {}
  // Round markers at the bottom corners, a square one at the bottom middle.
  void DrawSelectionMarkers(platform::gdi::Canvas& dc, platform::gdi::Rect rect) override;

private:
  friend class CInvoiceRepeatField;

  CInvoiceRepeatField* m_owner = nullptr;
};
