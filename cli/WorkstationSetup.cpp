#include "cli/WorkstationSetup.h"

#include <cstdio>
#include <ctime>

#include "app/Workstation.h"
#include "files/DataFolders.h"
#include "files/DocumentsFolder.h"

void UseWorkstation(TSterownik& link) {
  link.SetPasswordFile(PasswordFilePath(UserDocumentsFolder()));
  link.CzytajPlikHaslo();
  if (uint32_t id = 0; WorkstationIdentifier(id)) link.SetWorkstation(id);
  const std::time_t now = std::time(nullptr);
  if (const std::tm* today = std::localtime(&now))
    link.SetToday(today->tm_year + 1900, today->tm_mon + 1, today->tm_mday);
}

void LogTransmission(TSterownik& link) {
  link.OnTekst = [](const TSerial*, const std::string& text, uint32_t) {
    std::fprintf(stderr, "%s\n", text.c_str());
  };
  link.SetLogParamBiez(true);
}
