#pragma once

#include <windows.h>

#include <string>

#include "host/win32/container.h"

namespace vorlane::win32 {

// A list box, hidden unless made visible: a list of texts kept by the system.
class ListBox : public Control {
 public:
  ListBox(Container& container, const TwipsRect& bounds, bool visible = false);
  ~ListBox() override;

  void addItem(const std::string& item);
  int count() const;
  // The item at `index`; empty for an index outside the list.
  std::string item(int index) const;
  void clear();
};

}  // namespace vorlane::win32
