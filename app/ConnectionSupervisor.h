#pragma once

#include <cstdint>

class TSterownik;

// The main window's one-second watch over the controller link: a lost connection is declared
// and retried every eight seconds, the error list is re-read every six seconds while shown.
class ConnectionSupervisor {
 public:
  struct Actions {
    bool connectionLost = false;  // show "NO CONNECTION"
    bool beep = false;            // once per lost connection
    bool reopenPort = false;
    bool busy = false;  // reads or unsent writes pending: the hourglass
  };

  // One second. autoReconnect: the installer has not refused reconnection; errorListShown:
  // the Diagnostics tab (or the injector window of a FORTIX) is open.
  Actions Tick(TSterownik& link, bool autoReconnect, bool errorListShown);

  // A controller has just identified: its loss will be announced with a beep.
  void Connected() { beepPending_ = true; }

  // After opening the port: true when the installer is to be asked whether to give up, which
  // happens for an open that failed slowly, and then only every tenth time.
  bool AskToGiveUp(bool opened, int64_t tookMs);
  // The installer wants to go on trying.
  void GoOnTrying() { slowFailures_ = 1; }

  int tick() const { return tick_; }

 private:
  int tick_ = 0;     // 0..7
  int seconds_ = 0;  // 0..5
  bool beepPending_ = false;
  int slowFailures_ = 0;
};
