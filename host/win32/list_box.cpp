#include "host/win32/list_box.h"

namespace vorlane::win32 {

ListBox::ListBox(Container& container, const TwipsRect& bounds, bool visible)
    : Control(container, bounds) {
  const RECT box = pixelBounds();
  createSystem(
      "LISTBOX", WS_EX_CLIENTEDGE,
      WS_CHILD | WS_CLIPSIBLINGS | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | (visible ? WS_VISIBLE : 0),
      "", box.left, box.top, box.right - box.left, box.bottom - box.top,
      container.containerHandle());
}

ListBox::~ListBox() { destroyWindow(); }

void ListBox::addItem(const std::string& item) {
  ::SendMessageA(handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int ListBox::count() const {
  const LRESULT count = ::SendMessageA(handle(), LB_GETCOUNT, 0, 0);
  return count == LB_ERR ? 0 : static_cast<int>(count);
}

std::string ListBox::item(int index) const {
  const LRESULT length = ::SendMessageA(handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR || index < 0) {
    return {};
  }
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = ::SendMessageA(handle(), LB_GETTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
  return text;
}

void ListBox::clear() { ::SendMessageA(handle(), LB_RESETCONTENT, 0, 0); }

}  // namespace vorlane::win32
