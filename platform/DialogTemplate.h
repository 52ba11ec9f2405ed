#pragma once
// Dialog templates as data: what the resource compiler's templates held, read by
// CDialogBuilder to create the Qt child widgets at their places.
#include <cstdint>
#include <vector>

namespace platform {

enum class ControlKind {
  GroupBox,
  Static,       // text label
  StaticIcon,   // picture control showing an icon
  StaticCustom, // an empty static that a custom control (chart, ruler, knob) replaces
  PushButton,
  DefPushButton, // default push button (Enter)
  OwnerDrawButton,
  RadioButton,
  CheckBox,
  Edit,
  DropList, // drop-down list combo box
  ListView, // report-style list
  Led,      // the lamp control
};

// Style bits that the widgets honour; they mirror the template's window styles.
enum ControlStyle : std::uint32_t {
  kNoStyle = 0,
  kReadOnly = 1u << 0,
  kCentered = 1u << 1,   // static text centred
  kNotify = 1u << 2,     // static receives mouse input
  kGroupStart = 1u << 3, // first radio button of a group
  kSorted = 1u << 4,     // combo box keeps its items sorted
  kBorder = 1u << 5,
  kAutoHScroll = 1u << 6,
  kTabStop = 1u << 7,
};

struct ControlTemplate {
  int id = 0;
  ControlKind kind = ControlKind::Static;
  const char *caption = "";         // UTF-8
  int x = 0, y = 0, cx = 0, cy = 0; // dialog units
  std::uint32_t styles = kNoStyle;
  std::vector<const char *> items = {}; // initial list strings of a combo box
};

struct DialogTemplate {
  int id = 0;
  const char *caption = "";
  int cx = 0, cy = 0; // dialog units
  const char *fontFace = "";
  int fontPoints = 9;
  std::vector<ControlTemplate> controls;

  const ControlTemplate *Find(int controlId) const {
    for (const auto &c : controls)
      if (c.id == controlId)
        return &c;
    return nullptr;
  }
};

} // namespace platform
