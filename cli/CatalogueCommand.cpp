#include "cli/CatalogueCommand.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/LinkRun.h"
#include "controller/CatalogueExport.h"

int Catalogue(std::span<char*> arguments) {
  int firmware = kNewestFirmware;
  bool header = false;
  std::string folder;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string a = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (a == "--header") {
      header = true;
    } else if (a == "--firmware" && hasValue) {
      firmware = std::atoi(arguments[++i]);
    } else if (a == "--out" && hasValue) {
      folder = arguments[++i];
    } else {
      return kUsage;
    }
  }
  if (folder.empty()) {
    const std::string text = header ? CatalogueHeader(MalverCatalogue(firmware), "MALVER") +
                                          CatalogueHeader(KaviCatalogue(firmware, 0), "KAVI")
                                    : CatalogueList(MalverCatalogue(firmware)) +
                                          CatalogueList(KaviCatalogue(firmware, 0));
    std::fputs(text.c_str(), stdout);
    return kOk;
  }
  const FileResult r =
      header ? ExportCatalogueHeaders(folder, firmware) : ExportCatalogueList(folder, firmware);
  if (r.ok) return kOk;
  std::fprintf(stderr, "malver-cli: %s\n", r.error.c_str());
  return kFileError;
}
