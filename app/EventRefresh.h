#pragma once

struct LinkEvent;

// What the main window refreshes after an event of the controller link.
struct Refresh {
  bool statusFrame = false;     // the work state, the panels and the information lines
  bool replayedRecord = false;  // the panels show a recorded instant
  bool errorList = false;
  bool panels = false;     // the injectors or the settings changed: rebuild both grids
  bool identity = false;   // adapt the window to the family and re-title it
  bool connected = false;  // a controller has just identified
  bool calibration = false;
  bool baseTitle = false;  // the port was opened again
  bool fileLoaded = false;
  bool recordingFile = false;  // a scope recording file was started or closed
  bool chart = false;          // the map view's data changed: draw it again
  bool obdModule = false;      // the controller's OBD module reported codes or values
  bool firmware = false;       // an upload's progress, its end, or a controller in its bootloader
  bool description = false;    // the controller's description was read
};

Refresh RefreshFor(const LinkEvent& event);
