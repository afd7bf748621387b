#pragma once

class TSterownik;

// What the RPM corrections go by down their rows: the load, or the petrol injection time.
namespace chart {

// Switches the axis and reads both banks' corrections again, which the controller keeps apart
// for each axis.
void ZmienOsKorekt(TSterownik& link);
// The text id of the button that switches the axis: the axis it switches to.
int TekstOsiKorekt(const TSterownik& link);

}  // namespace chart
