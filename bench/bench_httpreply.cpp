// Reading a large chunked reply of an online service the way the web client
// gets it: 16 KB pieces off the socket, each followed by the completeness
// check. Two sizes, 3 MB and 30 MB (the bound is 32 MB): the larger must
// take about ten times as long, never a hundred.
//
// Every reply is read into memory the process gets afresh from the system,
// as a reply of the program is: otherwise the C library hands the small
// reply's blocks back from its heap, warm, and the large one's (above its
// threshold) fresh each time, which would compare two different things.

#include <malloc.h>

#include <benchmark/benchmark.h>

#include "httpreply.h"

namespace {

// A 200 reply whose body of `size` bytes goes in 8 KB chunks.
QByteArray chunkedReply(int size)
{
    QByteArray reply = "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nTransfer-Encoding: chunked\r\n\r\n";
    reply.reserve(size + size / 64 + 256);
    const QByteArray piece(8192, 'x');
    for (int left = size; left > 0; left -= piece.size()) {
        const int n = qMin(left, piece.size());
        reply += QByteArray::number(n, 16) + "\r\n" + piece.left(n) + "\r\n";
    }
    reply += "0\r\n\r\n";
    return reply;
}

void ReadChunkedReply(benchmark::State& state)
{
    const int size = int(state.range(0)) * 1024 * 1024;
    const QByteArray reply = chunkedReply(size);
    constexpr int kPiece = 16 * 1024;
    for (auto _ : state) {
        HttpReply answer;
        bool complete = false;
        for (int at = 0; at < reply.size() && !complete; at += kPiece) {
            answer.append(QByteArray::fromRawData(reply.constData() + at, qMin(kPiece, reply.size() - at)));
            complete = answer.isComplete(false);
        }
        if (!complete || answer.body().size() != size) state.SkipWithError("the reply was not read whole");
        benchmark::DoNotOptimize(answer.body().constData());
    }
    state.SetBytesProcessed(state.iterations() * qint64(reply.size()));
}
BENCHMARK(ReadChunkedReply)->Arg(3)->Arg(30)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
