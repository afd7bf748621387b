// The axes of the 16 x 16 tables by kind and settings, the breakpoints and cells the installer
// types, and the automatic range, through links read out from simulated controllers.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "charts/TableAxes.h"
#include "charts/TableTyping.h"
#include "lang/Langtext.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/MemoryLink.h"

namespace {

using chart::RowStore;
using chart::TableEdit;
using Settings = std::vector<std::pair<int, int>>;

constexpr int kRumo = 2;
constexpr int kKavi = 255;

// A controller read out, its breakpoints at known values (load 25, 30, ... 100; voltage 50,
// 60, ... 200; time 15, 30, ... 240) and the given settings, nothing waiting to be written.
struct Controller {
  Controller(int family, int firmware, const Settings& settings) : m(IdentityOf(family, firmware)) {
    EXPECT_TRUE(m.ReadOut());
    uint8_t* s = LinkTestAccess::Nastawy(m.link);
    for (int k = 0; k < 16; ++k) {
      s[224 + k] = static_cast<uint8_t>(25 + 5 * k);
      s[140 + k] = static_cast<uint8_t>(50 + 10 * k);
      if (family != kKavi) s[272 + k] = static_cast<uint8_t>(15 + 15 * k);
    }
    for (const auto& [number, value] : settings)
      s[number] = static_cast<uint8_t>(value);
    LinkTestAccess::FlagiZapisu(m.link) = 0;
  }
  TSterownik& link() { return m.link; }
  MemoryLink m;
};

struct AxisCase {
  const char* name;
  int family, firmware;
  Settings settings;
  int kind;
  bool upper;
  RowStore store;
  const char* bottomRow;
  const char* topRow;
  int corner;
  bool typeable;
};

// clang-format off
const AxisCase kAxisCases[] = {
  {"RpmCorrectionsByLoad", kRumo, 15, {{76, 0}}, 1, false, RowStore::Load, "0.25", "1.00", 961, true},
  {"RpmCorrectionsByMaf", kRumo, 15, {{76, 0}, {4, 2}}, 1, false, RowStore::Load, "0.50", "2.00", 962, true},
  {"UpperGridAlwaysByLoad", kRumo, 15, {{76, 1}}, 1, true, RowStore::Load, "0.25", "1.00", 961, false},
  {"RpmCorrectionsByTime", kRumo, 15, {{76, 1}}, 1, false, RowStore::Time, "1.5", "24.0", 960, true},
  {"OldFirmwareTimeSteps", kRumo, 13, {{76, 1}}, 1, false, RowStore::Fixed, "1.6", "25.6", 960, false},
  // The KAVI's settings 272.. are others of its own: its time rows are fixed steps.
  {"KaviTimeSteps", kKavi, 17, {{76, 1}}, 1, false, RowStore::Fixed, "1.6", "25.6", 960, false},
  {"EmulatorHiSteps", kRumo, 15, {{48, 0}}, 5, false, RowStore::Fixed, "0.8", "12.8", 962, false},
  {"EmulatorHiFineSteps", kRumo, 15, {{48, 1}}, 5, false, RowStore::Fixed, "0.32", "5.12", 962, false},
  {"EmulatorHiByVoltage", kRumo, 15, {{48, 2}}, 5, false, RowStore::Voltage, "1.00", "4.00", 962, true},
  {"KaviEmulatorHiByVoltage", kKavi, 17, {{48, 2}}, 6, false, RowStore::Voltage, "1.00", "4.00", 962, true},
  {"KaviEmulatorHiByLoadNotTyped", kKavi, 17, {{48, 0}}, 6, false, RowStore::Load, "0.25", "1.00", 961, false},
  {"InjectionOffsets", kRumo, 15, {}, 8, false, RowStore::Load, "0.25", "1.00", 961, true},
  {"AdmixtureByVoltage", kKavi, 17, {{12, 0}}, 9, false, RowStore::Voltage, "1.00", "4.00", 962, true},
  {"AdmixtureByLoad", kKavi, 17, {{12, 1}}, 9, false, RowStore::Load, "0.25", "1.00", 961, true},
  {"PetrolAdditionByTime", kRumo, 15, {{76, 1}}, 11, false, RowStore::Time, "1.5", "24.0", 960, true},
  {"PetrolAdditionByLoadUpTo14", kRumo, 14, {{76, 1}}, 11, false, RowStore::Load, "0.25", "1.00", 961, true},
  {"GasAdvance", kKavi, 17, {}, 13, false, RowStore::Load, "0.25", "1.00", 961, true},
  {"PetrolDoseByLoad", kKavi, 17, {{295, 0}}, 14, false, RowStore::Load, "0.25", "1.00", 961, true},
  {"PetrolDoseByVoltage", kKavi, 17, {{295, 1}}, 14, false, RowStore::Voltage, "1.00", "4.00", 962, true},
  {"PetrolDoseByDose", kKavi, 17, {{295, 2}}, 14, false, RowStore::Fixed, "16", "256", 967, false},
  {"EmulatorLo", kKavi, 17, {}, 15, false, RowStore::Fixed, "0.32", "5.12", 962, false},
  {"SecondEmulatorLo", kKavi, 17, {}, 16, false, RowStore::Voltage, "1.00", "4.00", 962, true},
};
// clang-format on

class AxisTest : public ::testing::TestWithParam<AxisCase> {};

TEST_P(AxisTest, RowsCornerAndTyping) {
  const AxisCase& c = GetParam();
  Controller k(c.family, c.firmware, c.settings);
  const chart::RowAxis axis = chart::RowAxisOf(k.link(), c.kind, c.upper);
  EXPECT_EQ(axis.store, c.store);
  EXPECT_EQ(chart::RowHeaderText(k.link(), axis, 0), c.bottomRow);
  EXPECT_EQ(chart::RowHeaderText(k.link(), axis, 15), c.topRow);
  EXPECT_EQ(axis.cornerTextId, c.corner);
  if (!c.upper) {
    EXPECT_EQ(chart::TypeableOf(k.link(), c.kind).rowHeaders, c.typeable);
  }
}

INSTANTIATE_TEST_SUITE_P(Kinds, AxisTest, ::testing::ValuesIn(kAxisCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TableAxesTest, ColumnsShowTheRpmBreakpointsAndOnlyKind12TakesTypedCells) {
  Controller k(kKavi, 17, {{240, 16}, {255, 130}});
  EXPECT_EQ(chart::ColumnHeaderText(k.link(), 0), "800");
  EXPECT_EQ(chart::ColumnHeaderText(k.link(), 15), "6500");
  for (int kind : {1, 5, 6, 8, 9, 10, 11, 13, 14, 15, 16})
    EXPECT_FALSE(chart::TypeableOf(k.link(), kind).cells) << kind;
  EXPECT_TRUE(chart::TypeableOf(k.link(), 12).cells);
  EXPECT_TRUE(chart::TypeableOf(k.link(), 12).columnHeaders);
  EXPECT_FALSE(chart::TypeableOf(k.link(), 7).columnHeaders) << "a plot kind has no grid";
}

struct RowTypingCase {
  const char* name;
  int family, firmware;
  Settings settings;
  int kind, row;
  const char* text;
  int setting, stored;
  uint32_t write;  // 0: nothing sent
};

// clang-format off
const RowTypingCase kRowTypingCases[] = {
  {"TimeWithDecimalComma", kRumo, 15, {{76, 1}}, 1, 3, "2,5", 275, 25, AreaBit::Settings2},
  {"TimeHeldTo25Point5", kRumo, 15, {{76, 1}}, 1, 3, "30", 275, 255, AreaBit::Settings2},
  {"NegativeTimeIsZeroAndKeeps", kRumo, 15, {{76, 1}}, 1, 3, "-3", 275, 60, 0},
  {"ZeroIntoTheBottomLoadStores", kRumo, 15, {}, 8, 0, "0", 224, 0, AreaBit::Settings},
  {"ZeroElsewhereKeeps", kRumo, 15, {}, 8, 5, "0", 229, 50, 0},
  {"UnreadableIsZeroAndKeeps", kRumo, 15, {}, 8, 5, "1.2.3", 229, 50, 0},
  {"FiveVoltsWithMaf", kRumo, 15, {{4, 2}}, 8, 4, "5", 228, 250, AreaBit::Settings},
  {"LoadAsShown", kRumo, 15, {}, 8, 4, "0.29", 228, 29, AreaBit::Settings},
  {"LoadHeldTo2Point55", kRumo, 15, {}, 10, 4, "3", 228, 255, AreaBit::Settings},
  {"VoltageHeldTo5Point1", kKavi, 17, {{12, 0}}, 9, 2, "5.2", 142, 255, AreaBit::Settings},
  {"DoseByVoltageTakesVolts", kKavi, 17, {{295, 1}}, 14, 1, "1,3", 141, 65, AreaBit::Settings},
  {"FixedStepsTakeNothing", kKavi, 17, {{76, 1}}, 1, 1, "2", 225, 30, 0},
};
// clang-format on

class RowTypingTest : public ::testing::TestWithParam<RowTypingCase> {};

TEST_P(RowTypingTest, StoresIntoTheAxisShown) {
  const RowTypingCase& c = GetParam();
  Controller k(c.family, c.firmware, c.settings);
  const bool typeable = chart::TypeableOf(k.link(), c.kind).rowHeaders;
  EXPECT_EQ(chart::CommitRowHeader(k.link(), c.kind, c.row, c.text),
            typeable ? TableEdit::Refill : TableEdit::Beep);
  EXPECT_EQ(k.link().Nastawy()[c.setting], c.stored);
  EXPECT_EQ(k.link().FlagiZapisu(), c.write);
}

INSTANTIATE_TEST_SUITE_P(Breakpoints, RowTypingTest, ::testing::ValuesIn(kRowTypingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TableAxesTest, TypedRpmIsAWholeNumberHeldTo50To10000) {
  Controller k(kRumo, 15, {{243, 40}});
  const std::pair<const char*, int> cases[] = {{"1234", 24},   {"1,5", 40}, {"abc", 40},
                                               {"20000", 200}, {"10", 1},   {"-100", 1}};
  for (const auto& [text, stored] : cases) {
    LinkTestAccess::Nastawy(k.link())[243] = 40;
    EXPECT_EQ(chart::CommitColumnHeader(k.link(), 3, text), TableEdit::Refill);
    EXPECT_EQ(k.link().Nastawy()[243], stored) << text;
  }
  EXPECT_EQ(k.link().FlagiZapisu(), AreaBit::Settings);
}

TEST(TableAxesTest, TypedNumbersReadTheFirstCommaAsAPoint) {
  EXPECT_DOUBLE_EQ(chart::TypedNumber(" 2,5 ").value(), 2.5);
  EXPECT_DOUBLE_EQ(chart::TypedNumber("-0.8").value(), -0.8);
  EXPECT_DOUBLE_EQ(chart::TypedNumber("1,5,3").value(), 0);
  EXPECT_DOUBLE_EQ(chart::TypedNumber("1e3").value(), 0);
  EXPECT_DOUBLE_EQ(chart::TypedNumber("").value(), 0);
  // A number beyond a double is no 0: it is refused.
  EXPECT_FALSE(chart::TypedNumber("1" + std::string(400, '0')));
}

// A number beyond a double typed into a cell or a breakpoint changes nothing; one merely far
// beyond the table is held to its range like any other, not taken for its lowest value.
TEST(TableAxesTest, TypedNumbersBeyondADoubleAreRefused) {
  Controller k(kKavi, 17, {{12, 0}, {141, 60}});
  const chart::TableView view = chart::MainTableInView(k.link(), *chart::GridKindOf(12));
  auto& cell = LinkTestAccess::ObrazSterownika(k.link())[img::MapaCis];
  for (const std::string& text : {"1" + std::string(400, '0'), "-1" + std::string(400, '0'),
                                  "0," + std::string(400, '0') + "1"}) {
    cell = 100;
    EXPECT_EQ(chart::CommitCell(k.link(), view, 0, 0, text), TableEdit::Beep);
    EXPECT_EQ(cell, 100);
    EXPECT_EQ(chart::CommitRowHeader(k.link(), 9, 1, text), TableEdit::Beep);
    EXPECT_EQ(k.link().Nastawy()[141], 60);
  }
  EXPECT_EQ(k.link().FlagiZapisu(), 0u);
  EXPECT_EQ(chart::CommitCell(k.link(), view, 0, 0, "99999999999999999999"), TableEdit::Refill);
  EXPECT_EQ(cell, 255);
  EXPECT_EQ(chart::CommitCell(k.link(), view, 0, 0, "-99999999999999999999"), TableEdit::Refill);
  EXPECT_EQ(cell, 0);
  EXPECT_EQ(chart::CommitRowHeader(k.link(), 9, 1, "99999999999999999999"), TableEdit::Refill);
  EXPECT_EQ(k.link().Nastawy()[141], 255);
}

TEST(TableAxesTest, AutomaticRangeSwapsTheEndsAndSpacesEvenly) {
  Controller k(kRumo, 15, {{224, 120}, {239, 20}});
  chart::AutomaticRange(k.link(), 8);
  const int expected[] = {20, 26, 33, 40, 46, 53, 60, 66, 73, 80, 86, 93, 100, 106, 113, 120};
  for (int e = 0; e < 16; ++e)
    EXPECT_EQ(k.link().Nastawy()[224 + e], expected[e]) << e;
  EXPECT_EQ(k.link().FlagiZapisu(), AreaBit::Settings);
}

TEST(TableAxesTest, AutomaticRangeRespacesTheVoltageAxisShown) {
  Controller k(kKavi, 17, {{12, 0}, {141, 0}});
  chart::AutomaticRange(k.link(), 9);
  EXPECT_EQ(k.link().Nastawy()[141], 60);
  EXPECT_EQ(k.link().Nastawy()[225], 30) << "the load breakpoints are not shown";
}

// Typed data cells of kind 12 and the learned maps above the RPM corrections.
struct CellTypingCase {
  const char* name;
  chart::UpperTable upper;  // None: kind 12's pressure map
  chart::MapShown shown;
  int bank;
  const char* text;
  int area, stored;
  uint32_t write;
};

// clang-format off
const CellTypingCase kCellTypingCases[] = {
  {"PetrolTime", chart::UpperTable::InjectionTimes, chart::MapShown::Petrol, 0, "2,5", img::MapaEcuBen, 25, AreaBit::PetrolMap},
  {"GasTimeHeldTo254", chart::UpperTable::InjectionTimes, chart::MapShown::Gas, 0, "30", img::MapaEcuGaz, 254, AreaBit::GasMap},
  {"NegativeTimeIsZero", chart::UpperTable::InjectionTimes, chart::MapShown::Petrol, 0, "-1", img::MapaEcuBen, 0, AreaBit::PetrolMap},
  {"ObdLowest", chart::UpperTable::ObdCorrections, chart::MapShown::Petrol, 1, "-200", img::MapaObdBen1, 1, AreaBit::ObdPetrolMap1},
  {"ObdHighest", chart::UpperTable::ObdCorrections, chart::MapShown::Gas, 1, "+200", img::MapaObdGaz1, 254, AreaBit::ObdGasMap1},
  {"ObdAsShown", chart::UpperTable::ObdCorrections, chart::MapShown::Petrol, 2, "-0,8", img::MapaObdBen2, 127, AreaBit::ObdPetrolMap2},
  {"ObdBank2Gas", chart::UpperTable::ObdCorrections, chart::MapShown::Gas, 2, "10", img::MapaObdGaz2, 141, AreaBit::ObdGasMap2},
  {"PressureMapVolts", chart::UpperTable::None, chart::MapShown::Petrol, 0, "1,5", img::MapaCis, 75, AreaBit::PressureMap},
  {"PressureMapHeldTo255", chart::UpperTable::None, chart::MapShown::Petrol, 0, "6", img::MapaCis, 255, AreaBit::PressureMap},
};
// clang-format on

class CellTypingTest : public ::testing::TestWithParam<CellTypingCase> {};

TEST_P(CellTypingTest, StoresTheNearestByteInRange) {
  const CellTypingCase& c = GetParam();
  Controller k(kKavi, 17, {});
  k.link().ZmienBank(c.bank);
  const chart::TableView view = c.upper == chart::UpperTable::None
                                    ? chart::MainTableInView(k.link(), *chart::GridKindOf(12))
                                    : chart::UpperTableInView(k.link(), c.upper, c.shown);
  LinkTestAccess::ObrazSterownika(k.link())[static_cast<size_t>(c.area + 2 * 16 + 5)] = 100;
  EXPECT_EQ(chart::CommitCell(k.link(), view, 2, 5, c.text), TableEdit::Refill);
  EXPECT_EQ(k.link().ObrazSterownika()[static_cast<size_t>(c.area + 2 * 16 + 5)], c.stored);
  EXPECT_EQ(k.link().FlagiZapisu(), c.write);
}

INSTANTIATE_TEST_SUITE_P(Cells, CellTypingTest, ::testing::ValuesIn(kCellTypingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TableAxesTest, RetypingTheShownTextKeepsTheCell) {
  Controller k(kKavi, 17, {});
  const chart::TableView view = chart::MainTableInView(k.link(), *chart::GridKindOf(6));
  // 0.0078125 per unit in two decimals: 2 and 3 both read "0.02".
  LinkTestAccess::ObrazSterownika(k.link())[img::EmulacjaHi] = 3;
  ASSERT_EQ(chart::CellText(view.cells, 3), "0.02");
  chart::CommitCell(k.link(), view, 0, 0, "0.02");
  EXPECT_EQ(k.link().ObrazSterownika()[img::EmulacjaHi], 3);
  EXPECT_EQ(k.link().FlagiZapisu(), 0u);
}

}  // namespace
