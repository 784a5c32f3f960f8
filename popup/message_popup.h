#pragma once

#include <cstdint>
#include <string>

namespace vorlane {

// The five operations of the shared notification pop-up, as every part of the
// main program calls them. `mention` and `showmsg` return only after the user's
// click on the link ("Next" / "Close"); the others return at once.
class MessagePopup {
 public:
  virtual ~MessagePopup() = default;
  virtual void mention(const std::string& msg) = 0;
  virtual void showmsg(const std::string& msg) = 0;
  virtual void viewmsg(const std::string& msg) = 0;
  virtual void timemsg(const std::string& msg, const std::int32_t& time) = 0;
  virtual void hidemsg() = 0;
};

}  // namespace vorlane
