#pragma once

#include <string>

#include "files/FileIo.h"
#include "scope/ScopeNavigation.h"

class TSterownik;
class UiServices;

// The scope's tool commands and file actions, shared by its buttons, the File menu and the
// command line. The recording itself is the link's; the view state is the caller's.
namespace scope {

// Tool numbers of the buttons (1, 2, 3, 5 are the tools of ViewState).
enum ToolCommand {
  kStart = 1,
  kPause = 2,
  kStop = 3,
  kRecordingFile = 4,
  kOpenFile = 5,
  kClear = 6,
  kExportCsv = 7,
  kOneBand = 10,
  kFiveBands = 11,
  kBandPerTrace = 12,
  kSlowerTimeBase = 20,
  kFasterTimeBase = 21,
  kShortRecords = 128,
  kLongRecords = 129,
};

struct ToolContext {
  UiServices& ui;
  std::string documentsFolder;
  int viewWidth = 0;
};

// Runs a tool command; true when the trace selection changed (the channel list follows).
bool RunTool(TSterownik& link, ViewState& view, int tool, const ToolContext& context);

// Opens a recording, asking for it when path names no file; on success the view shows its end.
// The number of records, -1 when nothing was loaded.
int OpenRecording(TSterownik& link, ViewState& view, const std::string& path,
                  const std::string& documentsFolder);

// Starts a recording file, or closes the one open (or leaves the loaded file's view).
void StartOrStopRecordingFile(TSterownik& link, const ViewState& view,
                              const std::string& documentsFolder);

// Status frames become records while the view is live or paused.
bool Recording(const ViewState& view);

// The CSV export, asked for with the save dialog; a failure is told in a message box.
bool ExportCsv(const TSterownik& link, UiServices& ui);
FileResult SaveCsv(const TSterownik& link, const std::string& path, char decimalSeparator);

// "12.3 [s]": the recording's length.
std::string RecordingLengthText(const TSterownik& link);

}  // namespace scope
