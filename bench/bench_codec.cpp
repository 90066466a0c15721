// The field codec on 1,000-character values, beside a plain pass over the same bytes (counting
// digits) as the floor. The figure that matters is decode time / floor time.
#include "store/codec.h"

#include <QString>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>

namespace {

QString sampleText() {
    QString text;
    for (int i = 0; i < 1000; ++i)
        text += QChar(u' ' + (i * 7) % 95);
    return text;
}

const QString& sample() {
    static const QString text = sampleText();
    return text;
}
const QString& encodedSample() {
    static const QString encoded = EncodeValue(sample());
    return encoded;
}

long long countDigits(const QString& s) {
    long long n = 0;
    for (QChar c : s)
        n += (c.unicode() >= u'0' && c.unicode() <= u'9');
    return n;
}

void BM_Encode(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeValue(sample()));
    state.SetBytesProcessed(state.iterations() * sample().size());
}
void BM_Decode(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeValue(encodedSample()));
    state.SetBytesProcessed(state.iterations() * sample().size());
}
void BM_FloorCountDigits(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(countDigits(encodedSample()));
    state.SetBytesProcessed(state.iterations() * sample().size());
}
BENCHMARK(BM_Encode);
BENCHMARK(BM_Decode);
BENCHMARK(BM_FloorCountDigits);

template <class F> double nanosPerCall(F f) {
    const int rounds = 20000;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i)
        benchmark::DoNotOptimize(f());
    return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count() /
           rounds;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    const double decode = nanosPerCall([] { return DecodeValue(encodedSample()); });
    const double floor = nanosPerCall([] { return countDigits(encodedSample()); });
    std::printf("decode / floor = %.2f (aim: within 4x)\n", decode / floor);
    benchmark::Shutdown();
    return 0;
}
