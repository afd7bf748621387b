#include "files/DocumentsFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(DocumentsFolderTest, TheDesktopsDocumentsFolderElseDocumentsAtHome) {
  struct Case {
    const char* what;
    std::string home, userDirs, folder;
  };
  const Case cases[] = {
      {"no user-dirs file", "/home/a", "", "/home/a/Documents"},
      {"relative to home", "/home/a", "# written by xdg\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumenty\"\n",
       "/home/a/Dokumenty"},
      {"absolute", "/home/a", "XDG_DOCUMENTS_DIR=\"/data/docs\"", "/data/docs"},
      {"unquoted", "/home/a", "XDG_DOCUMENTS_DIR=$HOME/Docs", "/home/a/Docs"},
      {"other folders only", "/home/a", "XDG_MUSIC_DIR=\"$HOME/Music\"", "/home/a/Documents"},
      {"neither home nor absolute", "/home/a", "XDG_DOCUMENTS_DIR=\"docs\"", "/home/a/Documents"},
      {"commented out", "/home/a", "#XDG_DOCUMENTS_DIR=\"/x\"", "/home/a/Documents"},
      {"no home", "", "XDG_DOCUMENTS_DIR=\"/data/docs\"", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DocumentsFolderOf(c.home, c.userDirs), c.folder) << c.what;
}

}  // namespace
