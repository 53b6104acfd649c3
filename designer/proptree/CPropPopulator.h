#pragma once

// Property populators: each builds the property items of one kind of
// template entity in the property tree, loads the entity's values into them
// and writes the user's edits back.
//
// Writing back takes one undo snapshot and marks the template modified, and
// writes only the values that differ from what the entity shows, so an
// unchanged entity never moves by the rounding of its edges. An entity that
// has left its container meanwhile (deleted, undone) is not touched.
//
// The tree owns the items; a populator keeps pointers to them that are valid
// until the tree is filled by another populator.

#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "designer/proptree/CPropTree.h"
#include "designer/proptree/PropTreeItems.h"
#include "template/diagram/CDiagramEntity.h"

class CDiagramEntityContainer;
class CReportTextEntity;

namespace designer {

class CPropPopulator {
public:
  virtual ~CPropPopulator() = default;

  // The entity edited from now on, with the container it is in.
  void SetEntity(CDiagramEntity* entity);
  CDiagramEntity* GetEntity() const { return m_entity; }
  // What repaints the template after an edit; may be empty.
  void SetRedraw(std::function<void()> redraw) { m_redraw = std::move(redraw); }

  // Empties the tree and creates the items under the root "General", one
  // for each row of the kind's table, in the table's order.
  virtual void Populate(CPropTree& tree);
  // Loads the entity's values into the items.
  virtual void UpdateFromEntity();
  // Writes the values that changed to the entity (see above), then repaints.
  void ApplyToEntity();
  // Whether the entity is still the one its container holds.
  bool IsEntityAlive() const;

  // Runs each setter whose value differs, the first after an undo snapshot.
  class Writer {
  public:
    explicit Writer(CDiagramEntityContainer* container) : m_container(container) {}
    // Whether the setter ran.
    template <class T, class Set>
    bool Write(const T& now, const T& wanted, Set set) {
      if (now == wanted) return false;
      Begin();
      set();
      return true;
    }
    bool HasChanged() const { return m_changed; }

  private:
    void Begin();
    CDiagramEntityContainer* m_container;
    bool m_changed = false;
  };

  // Which property a row edits.
  enum class PropertyId { Text, X1, Y1, X2, Y2, Thickness, FontColor, Font, Align, BorderColor, Picture };
  // Whose property it is: the entity's own, or one of the entity whose text
  // attributes the populator edits (see TextEntity).
  enum class Owner { Entity, Text };

  // One property of a kind: its id, the caption and description of its
  // item, the kind of item, and how its value moves between the entity and
  // the item. A row of the entity's own fits only an entity of its class.
  struct Row {
    PropertyId id;
    const wchar_t* label;
    const wchar_t* info;
    Owner owner;
    std::function<std::unique_ptr<CPropTreeItem>(CPropPopulator*)> make;
    std::function<bool(const CDiagramEntity&)> fits;
    std::function<void(CPropTreeItem&, const CDiagramEntity&)> show;
    // Whether the entity took a new value.
    std::function<bool(Writer&, const CPropTreeItem&, CDiagramEntity&)> write;
  };

protected:
  // The kind's rows, in the order the tree lists them.
  virtual std::span<const Row> Rows() const = 0;
  // The entity whose text attributes the rows of Owner::Text edit; null when
  // there is none.
  virtual CReportTextEntity* TextEntity() const;
  // Whether the second point lies right of and below the first (a box);
  // a line runs either way.
  virtual bool Ordered() const { return true; }

private:
  struct Shown {
    const Row* row;
    CPropTreeItem* item;
  };
  // Whether every row of the entity's own fits it: a populator given an
  // entity of another kind leaves it alone.
  bool Fits() const;
  // The entity a row reads and writes; null when there is none.
  CDiagramEntity* OwnerOf(const Row& row) const;
  CPropTreeItem* ItemOf(PropertyId id) const;
  // Whether what the items hold may be written; when not, the user has been
  // told why and the items show the entity again. Each position a whole
  // number on the paper and, when Ordered, X1 not right of X2 and Y1 not
  // below Y2; tells the user the first that is not.
  bool CheckInput() const;
  // Writes the rows; the positions last, so that the entity's attributes
  // are in place before it (and a child it places) moves. A field with
  // children (a repeat field's header) places them again after a move.
  void Apply(Writer& writer);

  CDiagramEntity* m_entity = nullptr;
  int32_t m_entityId = 0;
  CDiagramEntityContainer* m_container = nullptr;
  std::function<void()> m_redraw;
  std::vector<Shown> m_items;
};

class CInvFieldPropPopulator : public CPropPopulator {
protected:
  std::span<const Row> Rows() const override;
};

// The positions are the repeat field's; colour, font and alignment its
// header's.
class CInvRepeatFieldPropPopulator : public CInvFieldPropPopulator {
protected:
  CReportTextEntity* TextEntity() const override;
};

class CLabelPropPopulator : public CPropPopulator {
protected:
  std::span<const Row> Rows() const override;
};

// A line's pen width, the positions and the pen colour; the points may lie
// either way.
class CLinePropPopulator : public CPropPopulator {
protected:
  std::span<const Row> Rows() const override;
  bool Ordered() const override { return false; }
};

// A box's border thickness, the positions and the border colour.
class CRectPropPopulator : public CPropPopulator {
protected:
  std::span<const Row> Rows() const override;
};

class CPicturePropPopulator : public CPropPopulator {
public:
  static constexpr wchar_t kFilter[] = L"Bitmap (*.bmp)|*.bmp|";

protected:
  std::span<const Row> Rows() const override;
};

// The populator of a kind; null for PopulatorKind::None.
std::unique_ptr<CPropPopulator> MakePopulator(PopulatorKind kind);

}  // namespace designer
