// The map view's correction curves (chart kinds 2, 3 and 4): their keys and presses, the
// installer's reset, and the reset of a record that has too few nodes to be drawn.

#include "charts/CorrectionCurve.h"
#include "charts/Tgrafika.h"

void TGrafika::KasujKrzywa() {
  const chart::CurveKind* kind = chart::CurveKindOf(rodzajWykresu_);
  if (!kind) return;
  chart::KasujKrzywa(link_, *kind);
  wybranyPunkt_ = -1;  // the inner nodes are gone
  emit DataChanged();
  Odswiez();
}

void TGrafika::KeyOnCurve(chart::NodeKey key, bool ctrl) {
  chart::CorrectionCurve curve = chart::CurveInView(link_, *chart::CurveKindOf(rodzajWykresu_));
  Apply(chart::KeyOnCurve(curve, wybranyPunkt_, key, ctrl),
        [&] { chart::StoreCurve(link_, curve); });
}

void TGrafika::PressOnCurve(QPoint at, bool rightButton) {
  chart::CorrectionCurve curve = chart::CurveInView(link_, *chart::CurveKindOf(rodzajWykresu_));
  const chart::CurvePress press =
      chart::PressOnCurve(curve, wybranyPunkt_, plot_, at.x(), at.y(), rightButton);
  if (press.focus) DajFokus();
  Apply(press.edit, [&] { chart::StoreCurve(link_, curve); });
}

// Runs as the curve is composed, so that a record read with too few nodes repairs itself as
// soon as it is shown.
void TGrafika::RepairCurve() {
  const chart::CurveKind* kind = chart::CurveKindOf(rodzajWykresu_);
  if (!kind || !chart::CurveNeedsReset(link_, *kind)) return;
  chart::KasujKrzywa(link_, *kind);
  wybranyPunkt_ = -1;
  emit DataChanged();
}
