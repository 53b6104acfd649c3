#pragma once

// Message boxes behind a seam: tests queue answers and read back every box
// that was shown, so no dialog ever opens under test.

#include <deque>
#include <string>
#include <vector>

class wxWindow;

namespace platform {

// Style bits, as the system combines them.
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_YESNOCANCEL = 0x3;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_DEFBUTTON2 = 0x100;

// Answers.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Shows a modal box and returns the button pressed. An empty caption shows
// the application's name. With an owner the box stands over the owner's
// window, and afterwards that window is in front again with the focus where
// it was (or on the owner). Without one, the window that has the focus (else
// the active one) is the owner.
int ShowMessageBox(const std::wstring& text, const std::wstring& caption, unsigned style,
                   wxWindow* owner = nullptr);

// The wx dialog style for a box style, and the answer for the wx dialog's
// result (a box closed without a button answers Cancel, else No, else OK).
long ToWxMessageStyle(unsigned style);
// The owner of a box shown without one: the top-level window holding the
// focus, else the active one, else the one that last held the focus; null
// when none of them is shown.
wxWindow* DefaultMessageOwner();
int ToMessageBoxResult(int wxId, unsigned style);

struct ShownMessage {
  std::wstring text;
  std::wstring caption;  // as the caller passed it (empty stays empty)
  unsigned style = 0;
  wxWindow* owner = nullptr;  // the window that asked
};

// Test seam. While installed, ShowMessageBox records each box and answers
// with the next queued answer (IDOK, or IDNO for Yes/No boxes, when the queue
// is empty) instead of opening a window.
class MessageBoxRecorder {
public:
  MessageBoxRecorder();
  ~MessageBoxRecorder();
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  void QueueAnswer(int answer) { m_answers.push_back(answer); }
  const std::vector<ShownMessage>& Shown() const { return m_shown; }

  int Answer(const ShownMessage& message);

private:
  std::deque<int> m_answers;
  std::vector<ShownMessage> m_shown;
  MessageBoxRecorder* m_previous;
};

}  // namespace platform
