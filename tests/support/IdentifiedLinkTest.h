#pragma once

#include <gtest/gtest.h>

#include "lang/Langtext.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/OfflineLink.h"

// A link without a port, identified as a controller of the family, firmware, model, injector
// count, board variant and special version: what the editor's rules read.
class IdentifiedLinkTest : public ::testing::Test {
 protected:
  IdentifiedLinkTest() { Texts().LanguageIndex = 0; }
  void Identify(int family, int firmware, int model = 3, int injectors = 4, int variant = 0,
                int special = 0) {
    auto& image = LinkTestAccess::ObrazSterownika(link);
    image[img::Schemat] = static_cast<uint8_t>(family);
    image[img::Wersja] = static_cast<uint8_t>(firmware);
    image[img::Wyrob] = static_cast<uint8_t>(model);
    image[img::IleWtr] = static_cast<uint8_t>(injectors);
    image[img::WariantPlytki] = static_cast<uint8_t>(variant);
    image[img::Opis] = static_cast<uint8_t>(special);
    link.ListaNastawWykresyOdPlytki(0);
  }
  uint8_t& S(int setting) { return LinkTestAccess::Nastawy(link)[setting]; }

  OfflineLink offline;
  TSterownik& link = offline.link;
};
