#pragma once

// The base of every object on the diagram canvas. An entity owns its
// rectangle (paper pixels at zoom 1, kept as doubles), its selection flag,
// its size limits, its texts (type, title, name) and its group, and gives the
// common part of hit testing, drawing, the one-line text record and the
// TemplateItem properties.
//
// An entity does not own its container or its parent. Clones are new heap
// objects owned by whoever asked for them; the container owns what it holds.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/TemplateItem.h"
#include "platform/gdi/Canvas.h"
#include "template/diagram/HitCodes.h"

class CDiagramEntityContainer;
class ReportEditorNotifications;

// The cursor an entity asks for over one of its hit codes.
enum class DiagramCursor { None, SizeAll, SizeNWSE, SizeNESW, SizeNS, SizeWE };

// Which property populator of the designer edits an entity.
enum class PopulatorKind { None, Label, InvoiceField, Rect, Line, Picture, RepeatField };

// What an entity needs of the editor window that shows it.
class CDiagramParent {
public:
  virtual ~CDiagramParent() = default;
  virtual bool GetSnapToGrid() const = 0;
  virtual platform::gdi::Size GetGridSize() const = 0;
};

// Units of the four coordinates in a text record: the base entity writes
// paper pixels, the template entities inches.
enum class RecordUnits { Pixels, Inches };

class CDiagramEntity {
public:
  CDiagramEntity();
  virtual ~CDiagramEntity();
  CDiagramEntity(const CDiagramEntity&) = delete;
  CDiagramEntity& operator=(const CDiagramEntity&) = delete;

  // Whether the Control key is down at this moment; the window layer sets
  // the query (none: never down). Selecting with Control puts the entity at
  // the front of its container's selection order.
  static void SetControlKeyQuery(std::function<bool()> query);
  static bool IsControlKeyDown();

  // Rectangle 0, markers 8 x 8, limits 1 x 1 to none, unselected, no
  // container, empty name.
  virtual void Clear();
  // A new entity of the same class, copied from this one.
  virtual std::unique_ptr<CDiagramEntity> Clone() const;
  // Clear, then the other's marker size, limits, selection, container,
  // parent, type, title, name, rectangle, id and group.
  virtual void Copy(const CDiagramEntity& other);

  // Reads one text record of this entity's type; false for any other.
  virtual bool FromString(const std::wstring& record);
  virtual std::wstring Export() const { return {}; }
  // The text record: the common head followed by ";".
  virtual std::wstring GetString() const;

  // A filled clone when the item is of this class's type, else null.
  virtual std::unique_ptr<CDiagramEntity> LoadTemplateItem(const TemplateItem& item);
  // The item to save, or none (the base and the repeat header save nothing).
  virtual std::optional<TemplateItem> MakeTemplateItem() const;

  // The rectangle as integers, each truncated toward zero.
  virtual platform::gdi::Rect GetRect() const;
  // Stores the rectangle, then applies the minimum and maximum size by
  // moving the right and bottom edges.
  virtual void SetRect(double left, double top, double right, double bottom);
  // SetRect after ordering the edges (left <= right, top <= bottom).
  virtual void SetRectPixels(int32_t left, int32_t top, int32_t right, int32_t bottom);
  virtual void MoveRect(double dx, double dy);
  // One coordinate, no limits applied.
  virtual void SetLeft(double left) { m_left = left; }
  virtual void SetRight(double right) { m_right = right; }
  virtual void SetTop(double top) { m_top = top; }
  virtual void SetBottom(double bottom) { m_bottom = bottom; }

  // Width and height; -1 means no limit.
  virtual void SetMinimumSize(platform::gdi::Size size) { m_minimumSize = size; }
  virtual platform::gdi::Size GetMinimumSize() const { return m_minimumSize; }
  virtual void SetMaximumSize(platform::gdi::Size size) { m_maximumSize = size; }
  virtual platform::gdi::Size GetMaximumSize() const { return m_maximumSize; }
  virtual void SetConstraints(platform::gdi::Size minimum, platform::gdi::Size maximum);

  // Stores the flag and keeps the container's selection order; selecting an
  // entity of a group also marks the rest of its group selected.
  virtual void Select(bool selected);
  virtual bool IsSelected() const { return m_selected; }
  // Whether the rectangle and the given one (both ordered) overlap.
  virtual bool BodyInRect(platform::gdi::Rect rect) const;
  virtual bool CanMove() const { return true; }
  // The editor also asks this before reordering an entity.
  virtual bool CanDelete() const { return true; }
  // True for an entity owned by another entity; undo snapshots and the
  // paste buffer leave it out, its owner rebuilds it.
  virtual bool IsChild() const { return false; }

  // Hit code of a point against a rectangle in the same coordinates: body
  // (left and top inclusive, right and bottom exclusive), then each marker
  // 2..9 in turn, a later one winning.
  virtual int GetHitCodeInRect(platform::gdi::Point point, platform::gdi::Rect rect) const;
  virtual int GetHitCode(platform::gdi::Point point) const;

  // Shows this entity in the property bar, or empties the bar; nothing for
  // an entity without a populator.
  virtual void ShowProperties(ReportEditorNotifications* editor, bool show);
  // The entity the property bar edits when this one is chosen: itself, or
  // the entity it belongs to (a repeat field for its header).
  virtual CDiagramEntity* GetEditedEntity() { return this; }

  // Draws at the given (already zoomed) screen rectangle.
  virtual void Draw(platform::gdi::Canvas& dc, platform::gdi::Rect rect);
  virtual DiagramCursor GetCursor(int hitCode) const;
  // Outline, Draw and, when selected, the markers, at the rectangle times zoom.
  virtual void DrawObject(platform::gdi::Canvas& dc, double zoom);

  virtual std::wstring GetTitle() const { return m_title; }
  virtual void SetTitle(const std::wstring& title) { m_title = title; }
  virtual std::wstring GetName() const { return m_name; }
  virtual void SetName(const std::wstring& name) { m_name = name; }

  virtual void DrawSelectionMarkers(platform::gdi::Canvas& dc, platform::gdi::Rect rect);
  // Where DrawObject at the zoom may leave ink: the zoomed rectangle with its
  // markers and room for pens and glyphs that reach past its edges. A paint
  // skips the entities whose bounds miss what it repaints.
  platform::gdi::Rect GetDrawnBounds(double zoom) const;
  virtual platform::gdi::Rect GetSelectionMarkerRect(int hitCode, platform::gdi::Rect rect) const;

  // Called by the container's Add, which returns what this returns.
  virtual bool OnAdd() { return true; }
  virtual void DrawOutline(platform::gdi::Canvas& dc, platform::gdi::Rect rect);
  virtual void OnMoveStart(CDiagramEntityContainer* container) {}
  // Called for every selected entity after a mouse move ends.
  virtual void OnMoveEnd(CDiagramEntityContainer* container) {}
  virtual void PlaceChildren() {}
  virtual void OnCreated() {}
  virtual PopulatorKind GetPopulator() const { return PopulatorKind::None; }

  double GetLeft() const { return m_left; }
  double GetRight() const { return m_right; }
  double GetTop() const { return m_top; }
  double GetBottom() const { return m_bottom; }

  const std::wstring& GetType() const { return m_type; }
  void SetType(const std::wstring& type) { m_type = type; }
  int32_t GetGroup() const { return m_group; }
  // A group id other than 0 is noted, so new groups never take it.
  void SetGroup(int32_t group);
  double GetZoom() const { return m_zoom; }

  CDiagramParent* GetParent() const { return m_parent; }
  void SetParent(CDiagramParent* parent) { m_parent = parent; }
  CDiagramEntityContainer* GetContainer() const { return m_container; }
  void SetContainer(CDiagramEntityContainer* container) { m_container = container; }

  // Set once the user has placed the entity; setting it runs OnCreated.
  void SetCreated(bool created);
  bool GetCreated() const { return m_created; }

  int32_t GetId() const { return m_id; }
  void SetId(int32_t id) { m_id = id; }

  platform::gdi::Size GetMarkerSize() const { return m_markerSize; }
  void SetMarkerSize(platform::gdi::Size size) { m_markerSize = size; }

  // Properties 19-22 (the rectangle in inches), 2 title, 3 name, 4 group.
  void WriteCommonProperties(TemplateItem& item) const;
  // Reads them back; a missing or mistyped property reads as 0 or empty.
  void ReadCommonProperties(const TemplateItem& item);

protected:
  // "type:left,top,right,bottom,title,name,group" with six decimals and
  // the title and name escaped.
  std::wstring GetDefaultGetString(RecordUnits units = RecordUnits::Pixels) const;
  // Splits "type:attributes" at its one colon, trimming both; false (and an
  // empty type) unless there is exactly one colon.
  static bool GetHeaderFromString(const std::wstring& record, std::wstring& type,
                                  std::wstring& attributes);
  // Reads the seven common attributes and leaves the rest (joined by ",")
  // in attributes. The coordinates are converted to pixels before the size
  // limits apply. False for an empty text or fewer than seven fields.
  bool GetDefaultFromString(std::wstring& attributes, RecordUnits units = RecordUnits::Pixels);
  // Reads the head of a record of this entity's type; false for any other.
  bool ReadRecordHead(const std::wstring& record, std::wstring& rest, RecordUnits units);

  // Sets the selected flag alone, touching neither the selection order nor
  // the group.
  void SetSelectedFlag(bool selected) { m_selected = selected; }

private:
  double m_left = 0;
  double m_right = 0;
  double m_top = 0;
  double m_bottom = 0;
  platform::gdi::Size m_markerSize{8, 8};
  platform::gdi::Size m_minimumSize{1, 1};
  platform::gdi::Size m_maximumSize{-1, -1};
  double m_zoom = 1.0;
  bool m_selected = false;
  std::wstring m_type = L"basic";
  std::wstring m_title;
  std::wstring m_name;
  int32_t m_group = 0;
  CDiagramEntityContainer* m_container = nullptr;
  CDiagramParent* m_parent = nullptr;
  bool m_created = true;
  int32_t m_id = 0;
};
