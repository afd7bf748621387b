#include "scope/ScopeTools.h"

#include "controller/FileMessages.h"
#include "controller/Tsterownik.h"
#include "files/ReplacingFile.h"
#include "lang/UiServices.h"
#include "scope/ScopeCsv.h"
#include "scope/TimeBase.h"

namespace scope {

namespace {

bool Clear(TSterownik& link, ViewState& view, int recordSize) {
  link.KasujOscyloskop(recordSize);
  view.first = 0;
  view.end = 0;
  return true;
}

}  // namespace

bool RunTool(TSterownik& link, ViewState& view, int tool, const ToolContext& context) {
  switch (tool) {
    case kStart:
    case kPause:
    case kStop:
      view.tool = static_cast<Tool>(tool);
      return false;
    case kRecordingFile:
      StartOrStopRecordingFile(link, view, context.documentsFolder);
      return false;
    case kOpenFile:
      OpenRecording(link, view, {}, context.documentsFolder);
      return true;
    case kClear:
    case kShortRecords:
      return Clear(link, view, status_frame::kShortRecord);
    case kLongRecords:
      return Clear(link, view, status_frame::kLongRecord);
    case kExportCsv:
      ExportCsv(link, context.ui);
      return false;
    case kOneBand:
    case kFiveBands:
    case kBandPerTrace:
      view.layout = static_cast<Layout>(tool - kOneBand + 1);
      return false;
    case kSlowerTimeBase:
    case kFasterTimeBase:
      StepTimeBase(view, tool == kSlowerTimeBase ? -1 : 1, (context.viewWidth - 120) / 2);
      return false;
    default:
      return false;
  }
}

int OpenRecording(TSterownik& link, ViewState& view, const std::string& path,
                  const std::string& documentsFolder) {
  link.ZamnkijOscyloskop();
  const int records = link.CzytajOscyloskop(path, documentsFolder);
  if (records < 0) return records;
  view.end = records;
  view.tool = Tool::File;
  return records;
}

void StartOrStopRecordingFile(TSterownik& link, const ViewState& view,
                              const std::string& documentsFolder) {
  if (view.tool == Tool::File || link.RecordingFileOpen())
    link.ZamnkijOscyloskop();
  else
    link.ZapiszOscyloskop(documentsFolder);
}

bool Recording(const ViewState& view) {
  return view.tool == Tool::Start || view.tool == Tool::Pause;
}

FileResult SaveCsv(const TSterownik& link, const std::string& path, char decimalSeparator) {
  ReplacingFile file;
  if (const FileResult opened = file.Open(path); !opened.ok) return opened;
  StreamCsv(link.Nagranie(), link.ListaWykresow(), link.Nastawy(), decimalSeparator,
            [&file](std::string_view piece) { return file.Write(piece); });
  return file.Finish();
}

bool ExportCsv(const TSterownik& link, UiServices& ui) {
  const std::string path = ui.SaveFileDialog(CsvFileDialog());
  if (path.empty()) return false;
  if (SaveCsv(link, path, link.DecimalSeparator()).ok) return true;
  ShowFileError(ui, FileError::CsvNotWritten, path);
  return false;
}

std::string RecordingLengthText(const TSterownik& link) {
  return RecordTimeText(link.IleRekordow(), link.DecimalSeparator()) + " [s]";
}

}  // namespace scope
