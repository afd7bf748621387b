#include "app/ConnectionSupervisor.h"

#include "controller/Tsterownik.h"

ConnectionSupervisor::Actions ConnectionSupervisor::Tick(TSterownik& link, bool autoReconnect,
                                                         bool errorListShown) {
  Actions a;
  tick_ = (tick_ + 1) % 8;
  seconds_ = (seconds_ + 1) % 6;
  if (errorListShown && seconds_ == 0) link.RozkazDoSterownika(0x2);

  if (link.LiczDoBrakuPolaczenia > 8 || !link.PortConnected()) {
    link.KasujFlagiTransmisji("LiczDoBrakuPolaczenia > 8");
    a.connectionLost = true;
    a.beep = beepPending_;
    beepPending_ = false;
    a.reopenPort = tick_ == 1 && autoReconnect;
  }
  a.busy = link.PortConnected() && (link.FlagiCzytania != 0 || link.FlagiZapisu != 0);
  return a;
}
