#include "controller/PortProblem.h"

#include "lang/Langtext.h"
#include "serial/Tserial.h"

namespace {

constexpr int kNoPermissionText = 6300;
constexpr int kBusyText = 6301;

}  // namespace

std::string PortOpenProblem(const TSerial& port) {
  switch (port.OpenError) {
    case PortOpenError::kNoPermission:
      return port.PortName + ": " + LangText(kNoPermissionText);
    case PortOpenError::kBusy:
      return port.PortName + ": " + LangText(kBusyText);
    default:
      return {};
  }
}
