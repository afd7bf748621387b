#pragma once

// What the settings editor is showing: its view level (0 basic, 1 full, 2 advanced), its mode
// (0 the main page, 1, 4 and 20..28 embedded panels, 51 the OBD panel, 1000 + n the help
// panel of setting n) and whether administrator cells are shown.
struct EditorView {
  static constexpr int kMainPage = 0;
  static constexpr int kCalibrationPanel = 1;
  static constexpr int kObdPanel = 51;
  static constexpr int kHelpPanels = 1000;

  int viewLevel = 1;
  int mode = kMainPage;
  bool administrator = false;

  bool HelpPanel() const { return mode >= kHelpPanels; }
};
