#include "app/ConnectionSupervisor.h"

#include "controller/Tsterownik.h"

ConnectionSupervisor::Actions ConnectionSupervisor::Tick(TSterownik& link, bool autoReconnect,
                                                         bool errorListShown) {
  Actions a;
  tick_ = (tick_ + 1) % 8;
  seconds_ = (seconds_ + 1) % 6;
  if (errorListShown && seconds_ == 0) link.RozkazDoSterownika(CommandBit::ReadErrors);

  if (link.ConnectionLost()) {
    link.KasujFlagiTransmisji("LiczDoBrakuPolaczenia > 8");
    a.connectionLost = true;
    a.beep = beepPending_;
    beepPending_ = false;
    a.reopenPort = tick_ == 1 && autoReconnect;
  }
  a.busy = link.PortConnected() && (link.FlagiCzytania() != 0 || link.FlagiZapisu() != 0);
  return a;
}

bool ConnectionSupervisor::AskToGiveUp(bool opened, int64_t tookMs) {
  constexpr int64_t kSlowOpenMs = 3000;
  constexpr int kAskEvery = 10;
  if (opened) {
    slowFailures_ = 0;
    return false;
  }
  if (tookMs <= kSlowOpenMs) return false;
  if (slowFailures_ == 0) return true;
  slowFailures_ = (slowFailures_ + 1) % kAskEvery;
  return false;
}
