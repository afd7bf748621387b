// An arbitrary configuration file: parsed, applied to a link, and written out again; and the
// machine id the workstation identifier is made of.

#include <string_view>

#include "app/Configuration.h"
#include "app/IniFile.h"
#include "app/Workstation.h"
#include "tests/support/OfflineLink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  IniFile ini;
  ini.Parse(text);
  OfflineLink offline;
  ConfigurationFrom(ini, offline.link, 1920, 1080);
  IniFile again;
  again.Parse(ini.Text());
  uint32_t id = 0;
  WorkstationIdentifierOf(text, id);
  return 0;
}
