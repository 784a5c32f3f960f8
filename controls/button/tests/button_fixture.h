#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "controls/button/tests/fake_button_site.h"
#include "controls/button/xp_button.h"

namespace vorlane::testing {

// A fresh button of the given size, created, laid out and shown as a form
// would do it.
class ButtonTest : public ::testing::Test {
 protected:
  void SetUp() override { create(75, 23); }

  void create(std::int32_t width, std::int32_t height) {
    button.reset();
    site = std::make_unique<FakeButtonSite>(width, height);
    button = std::make_unique<VelkXPButton>(*site);
    site->attach(button.get());
    button->InitProperties();
    button->Resize();
    button->Show();
    site->log.clear();
  }

  // Forces a full redraw in the current state.
  void redraw() { button->Refresh(); }

  Color at(std::int32_t x, std::int32_t y) const { return site->at(x, y); }
  std::int32_t W() const { return site->clientRect().right; }
  std::int32_t H() const { return site->clientRect().bottom; }

  std::unique_ptr<FakeButtonSite> site;
  std::unique_ptr<VelkXPButton> button;
};

}  // namespace vorlane::testing
