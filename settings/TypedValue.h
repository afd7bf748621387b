#pragma once

#include <string>

#include "controller/Tsterownik.h"
#include "settings/EditorView.h"

// A setting's value as an installer types it on the command line: as the program prints it (a
// number with its decimals, an option text, yes or no, a trouble code), or as the raw byte.
// Either way it goes through set-value, so the editor's rules and dependants apply.

enum class TypedRefusal {
  None,
  NoSuchSetting,   // outside 0..511, or no name in this controller's catalogue
  Hidden,          // not offered for this controller as it is set now
  Administrators,  // offered only in administrator mode, and the view is not in it
  NotAValue,       // no value of the setting reads like this
  OutsideLimits,   // a value of the setting, but beyond its minimum or maximum
  Locked,          // kept in the image, not sent: the controller is password-protected
};

struct TypedChange {
  TypedRefusal refusal = TypedRefusal::None;
  SettingChange change;
};

TypedChange SetTypedValue(TSterownik& link, const EditorView& view, int setting,
                          const std::string& typed);
TypedChange SetRawValue(TSterownik& link, const EditorView& view, int setting, int raw);
