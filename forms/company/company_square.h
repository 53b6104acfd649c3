#pragma once

// A contact card and the container cell that holds it.
//
// base_draw_square is one card (one contact record): it measures and draws
// itself and edits or deletes its record on the contact page's change set.
// company_square is the cell of the card container (squares.h): position,
// size and layout state, owning its card and forwarding to it.

#include <cstdint>
#include <memory>

#include "forms/company/squares.h"

class ChangeSet;
class CMappedDC;
class company_square;

class base_draw_square {
public:
  explicit base_draw_square(company_square* owner) : m_owner(owner) {}
  virtual ~base_draw_square() = default;

  void SetChangeSet(ChangeSet* changeSet) { m_changeSet = changeSet; }
  ChangeSet* GetChangeSet() const { return m_changeSet; }
  company_square* GetOwner() const { return m_owner; }

  // 1 when ready to measure.
  virtual int Prepare() = 0;
  // The card's size; 2 when measured.
  virtual int Measure(platform::gdi::Canvas& dc, SquareSize& size) = 0;
  virtual void Draw(CMappedDC& dc, int32_t x, int32_t y, int index) = 0;
  // The owning cell's rectangle less its 20-pixel margin: what a click hits.
  virtual platform::gdi::Rect GetContentRect() const;
  // A left click at the point (content coordinates): edits the record.
  // Always false: a card that saved an edit has asked the page to rebuild
  // the cards, which happens after this returns.
  virtual bool OnClick(wxWindow* page, const wxPoint& point) = 0;
  // The cursor over the card.
  virtual const wxCursor& GetCursor(const wxPoint& point) = 0;
  // The record's edit dialog; true when it ended with OK.
  virtual bool Edit(wxWindow*) { return false; }
  // Deletes the record in the change set after the question; true when deleted.
  virtual bool Delete() { return false; }

private:
  ChangeSet* m_changeSet = nullptr;
  company_square* m_owner;
};

class company_square : public square<company_square> {
public:
  company_square() = default;

  // The size from state 2 on; a new cell is prepared and measured first
  // ((0, 0) when that fails).
  SquareSize GetSize(platform::gdi::Canvas& dc);

  // The card's.
  int Prepare() override;
  int Measure(platform::gdi::Canvas& dc, SquareSize& size) override;
  void Draw(CMappedDC& dc, int32_t x, int32_t y, int index) override;
  platform::gdi::Rect GetContentRect() const override;
  const wxCursor& GetCursor(const wxPoint& point) override;
  bool OnClick(wxWindow* page, const wxPoint& point) override;

  void SetCard(std::unique_ptr<base_draw_square> card) { m_card = std::move(card); }
  base_draw_square* GetCard() const { return m_card.get(); }

  int state = 0;  // 0 new, 1 prepared, 2 measured, 3 placed
  squares<company_square>* container = nullptr;
  int32_t x = 0;
  int32_t y = 0;
  int32_t cx = 0;
  int32_t cy = 0;
  int id = 0;

private:
  std::unique_ptr<base_draw_square> m_card;
};
