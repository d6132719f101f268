// What one table read costs: the live read that runs four times a second, against a plain
// read of /proc/net/dev as the yardstick, and the IP Helper table parse on its own.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "netstats/IfTableReader.h"
#include "netstats/InterfaceSelection.h"
#include "netstats/InterfaceTotals.h"
#include "tests/netstats/IfTableImage.h"
#include "tests/netstats/ProcNetDev.h"

namespace bytelora {
namespace {

void LiveInterfacesRead(benchmark::State& state) {
    auto source = MakeSystemInterfaceTable();
    InterfaceTotals helper(*source);
    for (auto _ : state) {
        auto table = helper.Interfaces();
        benchmark::DoNotOptimize(table);
        benchmark::DoNotOptimize(helper.BytesReceived());
    }
    state.counters["rows"] = helper.Interfaces()->Count();
}
BENCHMARK(LiveInterfacesRead);

void ProcNetDevYardstick(benchmark::State& state) {
    std::vector<testing::ProcNetDevRow> rows;
    std::string buffer;
    for (auto _ : state) {
        testing::ReadProcNetDev(rows, buffer);
        std::uint64_t total = 0;
        for (const auto& row : rows) total += row.rxBytes + row.txBytes;
        benchmark::DoNotOptimize(total);
    }
    state.counters["rows"] = static_cast<double>(rows.size());
}
BENCHMARK(ProcNetDevYardstick);

// A Windows-like table: adapters with their filter-layer rows, realistic texts.
std::vector<std::uint8_t> HundredRowImage() {
    std::vector<testing::IfRowFields> rows(100);
    for (std::uint32_t i = 0; i < rows.size(); ++i) {
        auto& row = rows[i];
        const std::string n = std::to_string(i);
        row.name = u"ethernet_" + std::u16string(n.begin(), n.end());
        row.index = i + 1;
        row.physAddr = {0x00, 0x15, 0x5D, 0x00, 0x00, static_cast<std::uint8_t>(i / 4)};
        row.descr = "Intel(R) Ethernet Connection I219-V #" + std::to_string(i / 4);
        if (i % 4 != 0) row.descr += "-QoS Packet Scheduler-000" + std::to_string(i % 4);
        row.descr.push_back('\0');
        row.inOctets = 1000 * i;
        row.outOctets = 100 * i;
    }
    return testing::MakeIfTableImage(rows);
}

void ParseHundredRowIfTable(benchmark::State& state) {
    const auto image = HundredRowImage();
    for (auto _ : state) {
        InterfaceTable table;
        ParseIfTable(image, table);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(ParseHundredRowIfTable);

// The whole read over the same table: probe, buffer, fill, parse and totals.
void ReadHundredRowIfTableWithTotals(benchmark::State& state) {
    testing::FakeGetIfTable call(HundredRowImage());
    class Source final : public InterfaceTableSource {
      public:
        explicit Source(testing::FakeGetIfTable& c) : call_(c) {}
        TableReadResult Read(InterfaceTable& into) override {
            return ReadIfTable(std::ref(call_), into);
        }
        unsigned CounterBits() const override { return 32; }

      private:
        testing::FakeGetIfTable& call_;
    } source(call);
    InterfaceTotals helper(source);
    for (auto _ : state) {
        benchmark::DoNotOptimize(helper.Interfaces());
        benchmark::DoNotOptimize(helper.BytesReceived());
    }
}
BENCHMARK(ReadHundredRowIfTableWithTotals);

// What deciding the counted interfaces adds to each read of an unchanged table: the
// probe is not asked, only the interfaces are compared with the previous read's.
void DecideCountedInterfacesOfASteadyTable(benchmark::State& state) {
    auto source = MakeSystemInterfaceTable();
    InterfaceTotals helper(*source);
    const auto table = helper.Interfaces();
    InterfaceSelection selection(source->Probe());
    selection.Update(*table);
    for (auto _ : state) {
        selection.Update(*table);
        benchmark::DoNotOptimize(selection.Counts(0));
    }
    state.counters["rows"] = table->Count();
    state.counters["probes"] = static_cast<double>(selection.Probes());
}
BENCHMARK(DecideCountedInterfacesOfASteadyTable);

// The probe itself, made only when the set of interfaces changes: sysfs look-ups for new
// interfaces and one route dump.
void ProbeTheLiveInterfaces(benchmark::State& state) {
    auto source = MakeSystemInterfaceTable();
    InterfaceTotals helper(*source);
    const auto table = helper.Interfaces();
    std::vector<InterfaceFacts> facts;
    for (auto _ : state) {
        if (InterfaceProbe* probe = source->Probe()) probe->Probe(*table, facts);
        benchmark::DoNotOptimize(facts);
    }
}
BENCHMARK(ProbeTheLiveInterfaces);

}  // namespace
}  // namespace bytelora

BENCHMARK_MAIN();
