#pragma once

// A repeat field ("inv_repeat_fld", item type 7): one item-row field placed
// as a column that the preview library fills with one row per invoice line.
// Its header is the first row; the row height is the header's height and the
// row count the field's height divided by it (the preview prints at most
// that many rows).
//
// The field and its header are one: the header lies on the field's top edge
// across its whole width, whatever sets either rectangle, and the field is at
// least one header height tall, so it always holds a row.

#include <memory>

#include "template/CInvoiceRepeatHeaderField.h"
#include "template/diagram/CDiagramEntity.h"

class CInvoiceRepeatField : public CDiagramEntity {
public:
  static constexpr int32_t kMinimumRowHeight = 10;
  static constexpr int32_t kCreatedRowHeight = 30;

  // A field of row 0 of the field number, with its header.
  explicit CInvoiceRepeatField(int32_t field = FieldId::kFirstInvoiceField);
  // Removes the header from the container that holds it (which deletes it),
  // or deletes it when no container holds it yet.
  ~CInvoiceRepeatField() override;

  // Null only while the header's container is being emptied.
  CInvoiceRepeatHeaderField* GetHeader() const { return m_header; }
  // The header's height.
  int32_t GetRowHeight() const;
  // The field's height divided by the row height; 0 without a row height.
  int32_t GetRowCount() const;

  std::unique_ptr<CDiagramEntity> Clone() const override;
  // The base Copy for the field, then the other's header into this header.
  void Copy(const CDiagramEntity& other) override;
  bool FromString(const std::wstring& record) override;
  std::wstring GetString() const override;
  std::unique_ptr<CDiagramEntity> LoadTemplateItem(const TemplateItem& item) override;
  std::optional<TemplateItem> MakeTemplateItem() const override;
  // Also limits and places the header.
  void SetRect(double left, double top, double right, double bottom) override;
  // One edge, through SetRect, so that the header follows.
  void SetLeft(double left) override;
  void SetTop(double top) override;
  void SetRight(double right) override;
  void SetBottom(double bottom) override;
  // The dotted row lines.
  void Draw(platform::gdi::Canvas& dc, platform::gdi::Rect rect) override;
  // Puts the header on the field's top edge, keeping its height, and hands
  // it to the container.
  bool OnAdd() override;
  // The header takes its first height: min(30, the field's height).
  void OnCreated() override;
  // The header keeps its size and moves to the field's top-left corner.
  void PlaceChildren() override;
  PopulatorKind GetPopulator() const override { return PopulatorKind::RepeatField; }

private:
  friend class CInvoiceRepeatHeaderField;

  class LooseHeader;

  std::unique_ptr<CInvoiceRepeatHeaderField> m_ownedHeader;  // until a container takes it
  CInvoiceRepeatHeaderField* m_header = nullptr;
};
