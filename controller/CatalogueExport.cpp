#include "controller/CatalogueExport.h"

#include <cctype>
#include <filesystem>
#include <sstream>

#include "controller/NumberText.h"
#include "files/PrintableText.h"
#include "lang/Langtext.h"

namespace {

constexpr int kEnglish = 0;
constexpr int kUnitTexts = 1049;  // + the unit code

std::string EnglishText(int id) {
  return id == 0 ? std::string() : Texts().Text(id, kEnglish);
}

// A name as a C identifier: letters and digits upper-cased, anything else one underscore.
std::string Identifier(const std::string& name) {
  std::string id;
  for (unsigned char c : name) {
    if (std::isalnum(c))
      id += static_cast<char>(std::toupper(c));
    else if (!id.empty() && id.back() != '_')
      id += '_';
  }
  while (!id.empty() && id.back() == '_')
    id.pop_back();
  return id.empty() ? "UNNAMED" : id;
}

}  // namespace

std::string CatalogueList(const Katalog& catalogue) {
  std::ostringstream out;
  for (size_t n = 0; n < catalogue.size(); ++n) {
    const Nastawa& s = catalogue[n];
    if (s.nazwa == 0) continue;
    out << n << '\t' << EnglishText(static_cast<int>(s.nazwa)) << '\t' << int{s.min} << '\t'
        << int{s.domyslna} << '\t' << int{s.max} << '\t' << FormatNumber(s.skala, 0) << '\t'
        << (s.jednostka ? EnglishText(kUnitTexts + s.jednostka) : std::string()) << '\n';
  }
  return out.str();
}

std::string CatalogueHeader(const Katalog& catalogue, const std::string& prefix) {
  const std::string guard = prefix + "_SETTINGS_H";
  std::ostringstream out;
  out << "#ifndef " << guard << "\n#define " << guard << "\n\n";
  for (size_t n = 0; n < catalogue.size(); ++n) {
    if (catalogue[n].nazwa == 0) continue;
    const std::string name = EnglishText(static_cast<int>(catalogue[n].nazwa));
    out << "#define " << prefix << '_' << Identifier(name) << '_' << n << ' ' << n << "  // "
        << name << '\n';
  }
  out << "\n#endif\n";
  return out.str();
}

namespace {

FileResult WriteInto(const std::string& folder,
                     std::initializer_list<std::pair<const char*, std::string>> files) {
  if (!std::filesystem::is_directory(folder))
    return {false, Printable(folder) + ": no such folder"};
  for (const auto& [name, text] : files) {
    const FileResult r = WriteFileAtomically(folder + "/" + name, text);
    if (!r.ok) return r;
  }
  return {};
}

}  // namespace

FileResult ExportCatalogueList(const std::string& folder, int firmware) {
  return WriteInto(
      folder, {{"Lista nastaw.txt", "MALVER\n" + CatalogueList(MalverCatalogue(firmware)) +
                                        "\nKAVI\n" + CatalogueList(KaviCatalogue(firmware, 0))}});
}

FileResult ExportCatalogueHeaders(const std::string& folder, int firmware) {
  return WriteInto(folder,
                   {{"Nastawy MALVER.h", CatalogueHeader(MalverCatalogue(firmware), "MALVER")},
                    {"Nastawy KAVI.h", CatalogueHeader(KaviCatalogue(firmware, 0), "KAVI")}});
}
