// Buying a ticket (the draw, and the draw with the composition) and one scratch move.
#include "ticket/draw.h"
#include "ticket/pictures.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_DrawTicket(benchmark::State &state)
{
    Generator generator;
    std::time_t second = 1765400000;
    for (auto _ : state) {
        const std::time_t now = second++;
        benchmark::DoNotOptimize(DrawTicket(generator, [now] { return now; }));
    }
}
BENCHMARK(BM_DrawTicket);

void BM_BuyTicket(benchmark::State &state)
{
    TicketImageLists lists;
    lists.Load();
    QImage visible(TicketWidth, TicketHeight, QImage::Format_RGB32);
    QImage base(TicketWidth, TicketHeight, QImage::Format_RGB32);
    SymbolSlotTable slotTable {};
    Generator generator;
    std::time_t second = 1765400000;
    for (auto _ : state) {
        const std::time_t now = second++;
        const TicketDraw draw = DrawTicket(generator, [now] { return now; });
        ComposeTicket(lists, draw.design, draw.symbols, slotTable, visible, base, {});
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BuyTicket)->Unit(benchmark::kMicrosecond);

void BM_ScratchMove(benchmark::State &state)
{
    QImage visible(TicketWidth, TicketHeight, QImage::Format_RGB32);
    QImage base(TicketWidth, TicketHeight, QImage::Format_RGB32);
    visible.fill(Qt::white);
    base.fill(Qt::black);
    Generator generator;
    int x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ApplyBrush(visible, base, 10 + x, 200, generator));
        x = (x + 1) % 230;
    }
}
BENCHMARK(BM_ScratchMove);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
