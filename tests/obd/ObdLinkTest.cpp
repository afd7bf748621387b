#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "obd/EcuSearch.h"
#include "obd/ElmReply.h"
#include "obd/Telmobd.h"
#include "sim/ElmAdapter.h"
#include "sim/ElmPairing.h"

namespace {

// Feeds the chunks in order; the reply the assembler completed, or "(none)".
std::string Assemble(ElmReply& reply, const std::vector<std::string>& chunks) {
  for (const std::string& chunk : chunks)
    if (reply.Take(reinterpret_cast<const unsigned char*>(chunk.data()), chunk.size()))
      return reply.Odpowiedz();
  return "(none)";
}

struct AssemblyCase {
  const char* name;
  std::vector<std::string> chunks;
  std::string expected;
};

TEST(ElmReplyAssembly, CompletesAtThePromptHoweverTheBytesArrive) {
  const std::vector<AssemblyCase> cases = {
      {"whole", {"0100\r41 00 BE 3F A8 13\r\r>"}, "0100\r41 00 BE 3F A8 13\r\r>"},
      {"split", {"01", "00\r41 00 ", "BE 3F A8 13\r", "\r", ">"}, "0100\r41 00 BE 3F A8 13\r\r>"},
      {"no prompt yet", {"0100\r41 00 BE 3F A8 13\r\r"}, "(none)"},
      {"noise kept as received", {"\x13\xF7#!\x01OK", "\r>"}, "\x13\xF7#!\x01OK\r>"},
      // Bytes after the prompt belong to nothing the link asked for.
      {"prompt ends it", {"OK\r>tail"}, "OK\r>"},
  };
  for (const AssemblyCase& c : cases) {
    ElmReply reply;
    reply.Start("0100\r");
    EXPECT_EQ(Assemble(reply, c.chunks), c.expected) << c.name;
  }
}

TEST(ElmReplyAssembly, AnOverlongReplyIsDroppedWholeAndCountsAsAnError) {
  ElmReply reply;
  reply.Start("0100\r");
  const std::string flood(3000, 'A');
  EXPECT_EQ(Assemble(reply, {flood, "\r>"}), "");
  EXPECT_TRUE(reply.Przepelniona());
  EXPECT_TRUE(reply.CzyBlad());

  // The next exchange starts clean.
  reply.Start("ATRV\r");
  EXPECT_EQ(Assemble(reply, {"12.6V\r\r>"}), "12.6V\r\r>");
  EXPECT_FALSE(reply.Przepelniona());
}

TEST(ElmReplyAssembly, ATimedOutPartialReplyDoesNotRunIntoTheNextOne) {
  ElmReply reply;
  reply.Start("0100\r");
  Assemble(reply, {"41 00 BE"});
  int ticks = 0;
  while (!reply.Tick(100))
    ++ticks;
  EXPECT_EQ(ticks, 30);  // 3000 ms at the 100 ms tick
  EXPECT_FALSE(reply.CzekaNaOdpowiedz());
  // The rest of the late reply arrives outside any exchange and is ignored.
  EXPECT_EQ(Assemble(reply, {" 3F\r>"}), "(none)");
  reply.Start("ATRV\r");
  EXPECT_EQ(Assemble(reply, {"12.6V\r>"}), "12.6V\r>");
}

TEST(ElmReplyAssembly, TranscriptShowsControlCharactersAsDotsAndStaysWithinItsSize) {
  ElmReply reply;
  reply.Start("ATZ\r");
  Assemble(reply, {"ATZ\r\rELM327 v1.5\r\r>"});
  EXPECT_EQ(reply.Zapis(), "ATZ.ATZ..ELM327 v1.5..>");

  reply.Start("0100\r");
  Assemble(reply, {std::string(1020, '4'), "\r>"});
  EXPECT_EQ(reply.Zapis().size(), ElmReply::kRozmiarZapisu);
}

TEST(ElmReplyErrors, TheAdaptersRefusalsAndSilenceAreErrors) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"0100\rNO DATA\r\r>", true},
      {"0100\rCAN ERROR\r\r>", true},
      {"0100\rSEARCHING...\rUNABLE TO CONNECT\r\r>", true},
      {"0100\r7E8 06 41 00 BE 3F A8 13\r\r>", false},
  };
  for (const auto& [text, error] : cases) {
    ElmReply reply;
    reply.Start("0100\r");
    Assemble(reply, {text});
    EXPECT_EQ(reply.CzyBlad(), error) << text;
  }
  ElmReply silent;
  silent.Start("0100\r");
  while (!silent.Tick(100)) {
  }
  EXPECT_TRUE(silent.CzyBlad());
}

struct EcuCase {
  int protocol;
  std::string reply;
  std::vector<int> addresses;
};

TEST(EcuSearch, FindsTheAnsweringEcusInEveryHeaderForm) {
  const std::vector<EcuCase> cases = {
      {6, "7E8 06 41 00 BE 3F A8 13\r7E9 06 41 00 80 00 00 00\r\r>", {0x7E8, 0x7E9}},
      {9, "18 DA F1 10 06 41 00 BE 3F A8 13\r\r>", {0x10}},
      {7, "18DAF117 06 41 00 BE 3F A8 13\r\r>", {0x17}},  // header without spaces
      {3, "48 6B 10 41 00 BE 3F A8 13 AA\r48 6B 1A 41 00 80 00 00 00 AA\r\r>", {0x10, 0x1A}},
      {5, "86 F1 11 41 00 BE 3F A8 13 CS\r\r>", {0x11}},
      // A line of another form ends the walk, as does a line cut before its bitmap.
      {4, "86 F1 11 41 00 BE 3F A8 13 CS\rBUS BUSY\r86 F1 12 41 00 BE 3F A8 13 CS\r\r>", {0x11}},
      {6, "7E8 06 41 00 BE 3F\r\r>", {}},
      {0, "7E8 06 41 00 BE 3F A8 13\r\r>", {}},  // no parser for an unknown protocol
  };
  for (const EcuCase& c : cases) {
    std::vector<int> found;
    for (const Ecu& e : ZnajdzEcu(c.reply, c.protocol))
      found.push_back(e.adres);
    EXPECT_EQ(found, c.addresses) << c.reply;
  }
}

// The link against the simulated adapter, with everything it reports recorded.
class ObdLink : public ::testing::Test {
 protected:
  ObdLink() : adapter(6) {}

  void Connect() {
    link.OnZdarzenie = [this](int code, int aux, int length) {
      events.emplace_back(code, aux, length);
    };
    link.OnTekst = [this](const std::string& text, uint32_t colour) {
      log.emplace_back(text, colour);
    };
    pairing = std::make_unique<sim::ElmPairing>(link, adapter);
  }
  bool RunUntilState(int state, int maxTicks = 2000) {
    return pairing->TickUntil([&] { return link.Zadanie() == state; }, maxTicks);
  }
  int Attempts() const {
    return static_cast<int>(
        std::count_if(adapter.commands.begin(), adapter.commands.end(),
                      [](const std::string& c) { return c.rfind("ATTP", 0) == 0; }));
  }
  bool Logged(const std::string& text, uint32_t colour) const {
    return std::find(log.begin(), log.end(), std::make_pair(text, colour)) != log.end();
  }
  const std::string& Row(int row) const { return link.Status().Wartosc(row); }

  TObd link;
  sim::ElmAdapter adapter;
  std::unique_ptr<sim::ElmPairing> pairing;
  std::vector<std::tuple<int, int, int>> events;
  std::vector<std::pair<std::string, uint32_t>> log;
};

struct ProtocolCase {
  int protocol;
  int attempt;  // the search attempt that finds it
  int ecu;
  const char* row;
};

TEST_F(ObdLink, FindsEveryProtocolOfTheSearchAtItsTurnAndPollsIt) {
  const std::vector<ProtocolCase> cases = {
      {6, 1, 0x7E8, "CAN (11 bit ID, 500 kb)"},
      {7, 2, 0x10, "CAN (29 bit ID, 500 kb)"},
      {2, 3, 0x10, "SAE J1850 VPW"},
      {1, 4, 0x10, "SAE J1850 PWM"},
      {3, 5, 0x10, "ISO 9141-2 (KL)"},
      {4, 6, 0x10, "ISO 14230-4 (KWP slow init)"},
      {5, 7, 0x10, "ISO 14230-4 (KWP fast init)"},
      {8, 10, 0x7E8, "CAN (11 bit ID, 250 kb)"},
      {9, 11, 0x10, "CAN (29 bit ID, 250 kb)"},
  };
  for (const ProtocolCase& c : cases) {
    TObd obd;
    sim::ElmAdapter car(c.protocol);
    sim::ElmPairing line(obd, car);
    ASSERT_TRUE(line.TickUntil([&] { return obd.Zadanie() == 400; }, 2000)) << c.protocol;
    const auto attempts =
        std::count_if(car.commands.begin(), car.commands.end(),
                      [](const std::string& cmd) { return cmd.rfind("ATTP", 0) == 0; });
    EXPECT_EQ(attempts, c.attempt) << c.protocol;
    EXPECT_EQ(obd.Protokol(), c.protocol);
    EXPECT_EQ(obd.StanObd(), c.protocol);
    EXPECT_EQ(obd.Status().Wartosc(ElmStatusGrid::kObd), c.row);
    EXPECT_EQ(obd.AdresEcu(), c.ecu) << c.protocol;
    EXPECT_EQ(obd.IleEcu(), 1) << c.protocol;
    EXPECT_EQ(obd.RekordObd()[0], c.protocol);
    EXPECT_EQ(obd.RekordObd()[1], 0xC0);
    // Bitmaps 01-20 (PIDs 01, 03-07 ...), 21-40 (0x21 and the next bitmap), 41-60 (0x41 only).
    EXPECT_TRUE(obd.Obslugiwany(0x01));
    EXPECT_TRUE(obd.Obslugiwany(0x06));
    EXPECT_FALSE(obd.Obslugiwany(0x02));
    EXPECT_TRUE(obd.Obslugiwany(0x21));
    EXPECT_TRUE(obd.Obslugiwany(0x41));
    EXPECT_FALSE(obd.Obslugiwany(0x42));
    // And the polling reads the fuel system from this bus's answers.
    ASSERT_TRUE(line.TickUntil([&] { return obd.WartoscPid(0x03) == "CL"; }, 100)) << c.protocol;
  }
}

TEST_F(ObdLink, ShowsTheAdapterTheVoltageTheEcuAndTheTroubleCodeStatus) {
  Connect();
  ASSERT_TRUE(RunUntilState(400));
  EXPECT_EQ(Row(ElmStatusGrid::kPort), "COMM 1");
  EXPECT_EQ(Row(ElmStatusGrid::kElm), "ELM327 v1.5");
  EXPECT_EQ(Row(ElmStatusGrid::kPwr), "12.6V");
  EXPECT_EQ(Row(ElmStatusGrid::kEcu), "7E8h ");
  EXPECT_EQ(Row(ElmStatusGrid::kDtc), "3");
  EXPECT_EQ(Row(ElmStatusGrid::kMil), "on");
  EXPECT_TRUE(Logged("ECU: 7E8h", log_colour::kGreen));
  EXPECT_TRUE(Logged("status 0x83076504", log_colour::kGreen));
  const std::vector<std::tuple<int, int, int>> expected = {
      {100, 0, 0}, {101, 0, -1}, {102, 1, 0}, {102, 0, 6}};
  EXPECT_EQ(events, expected);
  const std::vector<std::string> setup(adapter.commands.begin(), adapter.commands.begin() + 7);
  EXPECT_EQ(setup,
            (std::vector<std::string>{"ATZ", "ATE1", "ATL0", "ATCAF1", "ATH1", "ATM0", "ATRV"}));
}

// The simulated adapter, except that one command gets the reply given.
class OneReplyReplaced : public sim::ByteDevice {
 public:
  OneReplyReplaced(sim::ElmAdapter& adapter, std::string command, std::string reply)
      : adapter_(adapter), command_(std::move(command)), reply_(std::move(reply)) {}
  void Receive(const uint8_t* bytes, size_t count) override {
    if (std::string(bytes, bytes + count) == command_)
      replaced_ = true;
    else
      adapter_.Receive(bytes, count);
  }
  std::vector<uint8_t> TakeOutput() override {
    if (!replaced_) return adapter_.TakeOutput();
    replaced_ = false;
    return std::vector<uint8_t>(reply_.begin(), reply_.end());
  }

 private:
  sim::ElmAdapter& adapter_;
  std::string command_, reply_;
  bool replaced_ = false;
};

TEST(ObdProtocolNumber, ReadFromTheAdaptersDescriptionOfTheProtocol) {
  const std::vector<std::tuple<std::string, int, std::string>> cases = {
      {"ATDPN\r6\r\r>", 6, "CAN (11 bit ID, 500 kb)"},
      {"ATDPN\rA7\r\r>", 7, "CAN (29 bit ID, 500 kb)"},
      {"ATDPN\rA\r\r>", 0, "?"},  // SAE J1939: no number the parsers know
      {"ATDPN\r12\r\r>", 12, "USER2"},
      {"ATDPN\r?\r\r>", 0, "?"},
  };
  for (const auto& [reply, number, row] : cases) {
    TObd obd;
    sim::ElmAdapter car(6);
    OneReplyReplaced adapter(car, "ATDPN\r", reply);
    sim::ElmPairing line(obd, adapter);
    ASSERT_TRUE(line.TickUntil([&] { return obd.Zadanie() == 302; }, 500)) << reply;
    EXPECT_EQ(obd.Protokol(), number) << reply;
    EXPECT_EQ(obd.StanObd(), number) << reply;
    EXPECT_EQ(obd.Status().Wartosc(ElmStatusGrid::kObd), row) << reply;
  }
}

TEST_F(ObdLink, TheEngineEcuIsTheOneWithFuelTrims) {
  adapter.ecus = {{0x7E9, {0x80000000, 0, 0, 0}}, {0x7E8, {0xBE3FA813, 0, 0, 0}}};
  Connect();
  ASSERT_TRUE(RunUntilState(400));
  EXPECT_EQ(Row(ElmStatusGrid::kEcu), "7E9h 7E8h ");
  EXPECT_EQ(link.AdresEcu(), 0x7E8);
  EXPECT_EQ(link.IleEcu(), 2);
  EXPECT_TRUE(link.Obslugiwany(0x06));
  EXPECT_FALSE(link.Obslugiwany(0x21));
}

TEST_F(ObdLink, NoCarEndsTheSearchAndResetsTheAdapter) {
  adapter.protocol = 0;
  Connect();
  ASSERT_TRUE(RunUntilState(223));
  EXPECT_EQ(Attempts(), 11);
  ASSERT_TRUE(RunUntilState(3));
  EXPECT_EQ(Row(ElmStatusGrid::kObd), "no protocol");
  EXPECT_EQ(adapter.commands.back(), "ATZ");
  EXPECT_EQ(adapter.commands[adapter.commands.size() - 2], "ATM1");
  EXPECT_EQ(link.StanObd(), 0);
  // And the search begins again, with the record for the controller cleared.
  ASSERT_TRUE(RunUntilState(100));
  EXPECT_EQ(link.StanObd(), -1);
  EXPECT_EQ(link.RekordObd()[1], 0);
}

TEST_F(ObdLink, AnAdapterThatSaysNothingUsefulIsLookedForAgain) {
  for (const bool silent : {true, false}) {
    TObd obd;
    sim::ElmAdapter dud;
    dud.silent = silent;
    dud.garbage = !silent;
    std::vector<std::pair<std::string, uint32_t>> lines;
    obd.OnTekst = [&](const std::string& text, uint32_t colour) {
      lines.emplace_back(text, colour);
    };
    sim::ElmPairing line(obd, dud);
    ASSERT_TRUE(line.TickUntil([&] { return obd.Zadanie() == 101; }, 100));
    ASSERT_TRUE(line.TickUntil([&] { return obd.Zadanie() == 3; }, 100));
    EXPECT_EQ(obd.Status().Wartosc(ElmStatusGrid::kElm), "?");
    EXPECT_EQ(obd.StanObd(), -1);
    const bool timedOut = std::find(lines.begin(), lines.end(),
                                    std::make_pair(std::string("Przekroczenie czasu"),
                                                   log_colour::kRed)) != lines.end();
    EXPECT_EQ(timedOut, silent);
    // Another reset after the pause.
    ASSERT_TRUE(line.TickUntil([&] { return obd.Zadanie() == 101; }, 100));
    EXPECT_EQ(std::count(dud.commands.begin(), dud.commands.end(), "ATZ"), 2);
  }
}

TEST_F(ObdLink, AnAdapterUnpluggedMidSearchIsReportedAndTheLinkGoesIdle) {
  Connect();
  ASSERT_TRUE(RunUntilState(201));
  pairing->Line().Disconnect();
  ASSERT_TRUE(RunUntilState(0, 200));
  EXPECT_EQ(Row(ElmStatusGrid::kPort), "no connect");
  EXPECT_EQ(link.StanObd(), -1);
  EXPECT_EQ(events.back(), std::make_tuple(101, 0, -1));
  EXPECT_EQ(link.RekordObd()[1], 0);
  // Nothing more happens until the port opens again.
  const size_t sent = adapter.commands.size();
  for (int i = 0; i < 100; ++i)
    pairing->Tick();
  EXPECT_EQ(link.Zadanie(), 0);
  EXPECT_EQ(adapter.commands.size(), sent);
}

TEST_F(ObdLink, ATickFromInsideATickDoesNothing) {
  // The log callback stands for a window pumping its messages, which can fire the timer again.
  link.OnTekst = [this](const std::string&, uint32_t) { link.Timer1OnTimer(); };
  pairing = std::make_unique<sim::ElmPairing>(link, adapter);
  ASSERT_TRUE(RunUntilState(400));
  const std::vector<std::string> setup(adapter.commands.begin(), adapter.commands.begin() + 8);
  EXPECT_EQ(setup, (std::vector<std::string>{"ATZ", "ATE1", "ATL0", "ATCAF1", "ATH1", "ATM0",
                                             "ATRV", "ATTP6"}));
  EXPECT_EQ(link.Protokol(), 6);
}

}  // namespace
