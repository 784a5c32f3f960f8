#pragma once

namespace vorlane {

// The start controller as the splash hands over to it.
class StartController {
 public:
  virtual ~StartController() = default;
  // The ordinary hand-over, once, when the splash ends. Never throws.
  virtual void start() = 0;
  // A second copy's way back to the options: the screen without `start`.
  virtual void showOptionsScreen() = 0;
};

}  // namespace vorlane
