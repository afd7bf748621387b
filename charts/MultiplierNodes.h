#pragma once

#include <array>
#include <cstdint>

#include "charts/PlotGeometry.h"
#include "controller/Multiplier.h"

class TSterownik;

// The multiplier in view as the map view edits it: the installer moves, adds, removes and raises
// its nodes with the mouse and the keys; an edit that changes the multiplier is stored through
// the link, which rebuilds the table and writes it.
namespace chart {

struct MultiplierNodes {
  std::array<int, multiplier::kNodes> x{};      // 0.1 ms; 0 = absent, except node 0
  std::array<uint8_t, img::kAreaSize> table{};  // the table the nodes stand on
  int range = 200;                              // ZakresMnoznika, where node 25 sits
  multiplier::Range values{50, 150};
  bool extended = false;
  int offset = 0;  // the controller's learned offset, added to every value shown

  bool Present(int i) const { return i == 0 || x[static_cast<size_t>(i)] != 0; }
  int Value(int i) const { return table[static_cast<size_t>(x[static_cast<size_t>(i)])]; }
  int Shown(int i) const { return Value(i) + offset; }
};

// The multiplier of the bank the link has in view.
MultiplierNodes NodesInView(const TSterownik& link);

// What an edit asks of the view: nothing, a repaint (the selection moved), storing the nodes
// and a repaint, or the warning beep.
enum class Edit { None, Redraw, Store, Beep };

// Node 0 at 0 and node 25 at the end, the present nodes in order of position, none sharing one;
// the selection follows its node.
void PorzadkujWezly(MultiplierNodes& nodes, int& selected);
// Adds delta to the selected node's value, or to every present node's when none is selected.
Edit ZmienWezly(MultiplierNodes& nodes, int& selected, int delta);

enum class NodeKey { PageUp, PageDown, Home, End, Left, Right, Up, Down, Insert, Delete };
Edit KeyOnNodes(MultiplierNodes& nodes, int& selected, NodeKey key, bool ctrl);

// A press inside the plot: the right button adds a node there, the others select the node under
// the pointer (or none).
Edit PressOnNodes(MultiplierNodes& nodes, int& selected, const PlotGeometry& plot, int x, int y,
                  bool rightButton);

void StoreNodes(TSterownik& link, const MultiplierNodes& nodes);

}  // namespace chart
