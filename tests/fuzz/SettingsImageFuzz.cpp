// An arbitrary controller image loaded as the command line loads one, then every setting's
// text, the identity's texts, and a status frame (what follows the image) decoded with the
// lists that image gave.

#include "controller/ErrorList.h"
#include "controller/InjectionRows.h"
#include "controller/StatusDecoding.h"
#include "controller/Tsterownik.h"
#include "settings/SettingTexts.h"
#include "settings/SettingVisibility.h"
#include "tests/support/OfflineLink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> image(img::kSize, 0);
  std::copy_n(data, std::min(size, image.size()), image.begin());
  OfflineLink offline;
  TSterownik& link = offline.link;
  if (!link.WczytajObraz(image)) return 0;
  for (int i = 0; i < 512; ++i) {
    link.StrNastawa(i);
    link.UnitText(i);
    IsListed(link, i);
    ValueText(link, i);
    link.OutsideRange(i);
  }
  link.StrNazwaSterownika();
  link.StrWersjaCyframi(0xFF);
  link.StrDataProdukcji();
  link.StrIleWtryskiwaczy();
  link.CzyDotryskiBenzyny();
  link.WyznaczBank();
  const std::span<const uint8_t> frame =
      size > image.size() ? std::span<const uint8_t>(data + image.size(), size - image.size())
                          : std::span<const uint8_t>();
  DecodedStatus status;
  TakeFrame(code::Poll, frame, status);
  DecodeStatus({link.Rodzina(), link.ListaWykresow(), link.Nastawy(), ','}, status);
  link.StrInfoPracy(status);
  for (int row = 0; row < InjectionRowCount(link, false); ++row)
    InjectionRowOf(link, row);
  ErrorListLines(frame, link);
  return 0;
}
