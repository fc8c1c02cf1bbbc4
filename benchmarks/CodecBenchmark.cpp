// SPDX-License-Identifier: GPL-3.0-or-later
// Round trip of a full template through the codec: decode, encode, validate.
#include "image/KeyTextDecoder.h"
#include "image/KeyTextEncoder.h"
#include "image/TemplateImage.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

// The machine's speed varies from moment to moment: with --benchmark_repetitions, the
// fastest repetition shows the code's own time.
double fastest(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

vorn::TemplateImage fullTemplate() {
    // Mixed ASCII and scan-code texts, chosen to fill most of the key area.
    static const char* const texts[] = {"[F1]",       "Hello[CR]",       "[Ctrl][C]",
                                        "[Delay5]12", "[PrintScreen]",   "[PAD7][PAD8]",
                                        "a[[b]]",     "[Mute][VolumeUp]"};
    vorn::KeyTexts keyText;
    for (int key = 0; key < vorn::keyNumberCount; ++key)
        keyText[key] = texts[key % std::size(texts)];
    vorn::TemplateImage image = vorn::newTemplateImage(2013);
    vorn::encodeImage(image, keyText, 2013);
    return image;
}

void BM_DecodeEncodeValidate(benchmark::State& state) {
    vorn::TemplateImage image = fullTemplate();
    vorn::KeyTexts keyText;
    for (auto _ : state) {
        vorn::decodeImage(image, 2013, keyText);
        vorn::encodeImage(image, keyText, 2013);
        benchmark::DoNotOptimize(vorn::validateImage(image));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DecodeEncodeValidate)->ComputeStatistics("min", fastest);

// The three parts of the round trip on their own, to see where the time goes.
void BM_Decode(benchmark::State& state) {
    const vorn::TemplateImage image = fullTemplate();
    vorn::KeyTexts keyText;
    for (auto _ : state) {
        vorn::decodeImage(image, 2013, keyText);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Decode)->ComputeStatistics("min", fastest);

void BM_Encode(benchmark::State& state) {
    vorn::TemplateImage image = fullTemplate();
    vorn::KeyTexts keyText;
    vorn::decodeImage(image, 2013, keyText);
    for (auto _ : state) {
        vorn::encodeImage(image, keyText, 2013);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Encode)->ComputeStatistics("min", fastest);

void BM_Validate(benchmark::State& state) {
    const vorn::TemplateImage image = fullTemplate();
    for (auto _ : state)
        benchmark::DoNotOptimize(vorn::validateImage(image));
}
BENCHMARK(BM_Validate)->ComputeStatistics("min", fastest);

} // namespace
