#pragma once

// Child controls of a page that follow the page's size. Each registered
// control keeps its rectangle at set-up and four edge percentages; when the
// page is w wider and h taller than at set-up, the left and right edges move
// by their percentage of w and the top and bottom edges by theirs of h.
// (0,0,100,0) stretches with the width, (100,0,100,0) keeps the distance to
// the right edge, (0,100,0,100) keeps the distance to the bottom.

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

class wxWindow;

struct LayoutRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const LayoutRect&) const = default;
};

class AnchorLayout {
public:
  struct Entry {
    int controlId = 0;
    LayoutRect initial;  // in the page's client coordinates
    int32_t leftPercent = 0;
    int32_t topPercent = 0;
    int32_t rightPercent = 0;
    int32_t bottomPercent = 0;
  };

  // Records the page and its current client size as the initial size.
  void SetUp(wxWindow* page);
  // Registers the page's child control with its current rectangle; a control
  // that is already registered keeps its first entry.
  void AddControl(int controlId, int32_t leftPercent, int32_t topPercent, int32_t rightPercent,
                  int32_t bottomPercent);
  // Moves the registered controls for the page's current client size.
  void Arrange();

  bool IsSetUp() const { return m_setUp; }

  // The arithmetic, without windows.
  void SetInitialSize(int width, int height);
  void AddEntry(const Entry& entry);
  // The rectangle of every anchored control at this client size.
  std::vector<std::pair<int, LayoutRect>> ComputeMoves(int width, int height) const;

private:
  std::map<int, Entry> m_entries;
  wxWindow* m_window = nullptr;
  int m_initialWidth = 0;
  int m_initialHeight = 0;
  bool m_setUp = false;
};
