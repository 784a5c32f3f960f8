#pragma once

#include <cstdint>
#include <string>

namespace vorlane {

// What a screen reader is told a control is. The Win32 glue maps each to its
// Active Accessibility role.
enum class AccessibleRole { kPushButton, kCheckButton, kProgressBar, kLink };

// The states a control reports, as bits that the Win32 glue maps one to one.
namespace accessible_state {
inline constexpr std::uint32_t kFocusable = 1u << 0;
inline constexpr std::uint32_t kFocused = 1u << 1;
inline constexpr std::uint32_t kPressed = 1u << 2;
inline constexpr std::uint32_t kChecked = 1u << 3;
inline constexpr std::uint32_t kUnavailable = 1u << 4;
inline constexpr std::uint32_t kDefault = 1u << 5;
inline constexpr std::uint32_t kLinked = 1u << 6;
inline constexpr std::uint32_t kReadOnly = 1u << 7;
}  // namespace accessible_state

// Everything a screen reader may ask of one control, read from the control's
// own model on every question so the answer is never stale.
class AccessibleProvider {
 public:
  virtual ~AccessibleProvider() = default;
  virtual AccessibleRole role() const = 0;
  virtual std::string name() const = 0;
  // Empty when the control has no access key.
  virtual std::string keyboardShortcut() const { return {}; }
  virtual std::uint32_t states() const = 0;
  // Empty when the control has no value.
  virtual std::string value() const { return {}; }
  // The name of the default action ("Press", "Click"); empty when there is none.
  virtual std::string defaultAction() const { return {}; }
  // Performs the default action; the glue calls it from the control's own
  // message loop, never inside a screen reader's call.
  virtual void doDefaultAction() {}
};

// A caption as it reads: each "&" that marks an access key dropped, "&&" kept
// as one "&" ("Ap&ply" -> "Apply", "Save && Exit" -> "Save & Exit").
std::string textWithoutAccessMarks(const std::string& caption);
// "Alt+P" for the access key 'p'; empty for none ('\0').
std::string accessKeyShortcut(char key);
// `value` in percent of `min`..`max`, rounded half to even and held to 0..100
// as the bar shows it: "45%". An empty range reads full once value reaches max.
std::string percentText(double value, double min, double max);

}  // namespace vorlane
