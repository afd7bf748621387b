// The map view's window tests: the plot kinds, the correction curves, then the grid kinds.

#include <QApplication>

int RunMapViewTests(int argc, char** argv);
int RunCurveViewTests(int argc, char** argv);
int RunTableViewTests(int argc, char** argv);

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const int plots = RunMapViewTests(argc, argv);
  const int curves = RunCurveViewTests(argc, argv);
  const int tables = RunTableViewTests(argc, argv);
  return plots != 0 || curves != 0 || tables != 0;
}
