// SPDX-License-Identifier: GPL-2.0-or-later
// Every vector level of the engine's passes against the scalar reference, on
// random data of many widths (below, at and past the vector widths, and
// widths that are no multiple of 16 or 32), and whole fires frame by frame.
#include "engine/FirePasses.h"
#include "engine/GlowSpot.h"
#include "engine/ShuffleRuns.h"
#include "engine/TurbulenceMap.h"
#include "tests/TestSupport.h"
#include "tools/frames/Fnv1a.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {
const PassLevel kVectorLevels[] = {PassLevel::Sse2, PassLevel::Ssse3, PassLevel::Avx2, PassLevel::Avx512};

std::vector<int> TestWidths() {
    std::vector<int> widths;
    for (int w = 1; w <= 70; ++w) widths.push_back(w);
    for (int w : {95, 96, 97, 127, 129, 255, 1366, 4096}) widths.push_back(w);
    return widths;
}

std::vector<std::uint8_t> RandomBytes(std::mt19937& generator, std::size_t count, int low, int high) {
    std::uniform_int_distribution<int> value(low, high);
    std::vector<std::uint8_t> bytes(count);
    for (std::uint8_t& byte : bytes) byte = static_cast<std::uint8_t>(value(generator));
    return bytes;
}

// The passes of one vector level beside the scalar ones; skipped where the
// build or the processor lacks the level.
class VectorPasses : public testing::TestWithParam<PassLevel> {
protected:
    void SetUp() override {
        m_pVector = FirePassesOf(GetParam());
        if (!m_pVector) GTEST_SKIP() << PassLevelName(GetParam()) << " is not available here";
    }

    const FirePasses& Scalar() const { return *FirePassesOf(PassLevel::Scalar); }
    const FirePasses& Vector() const { return *m_pVector; }

    std::mt19937 m_Random{12345};
    const FirePasses* m_pVector = nullptr;
};
}  // namespace

TEST_P(VectorPasses, AverageUpwardMatchesTheScalarPassAtEveryWidth) {
    for (int width : TestWidths())
        for (int height : {2, 3, 9}) {
            // Values up to 255 reach the top of the byte range; the spare row stays 0.
            std::vector<std::uint8_t> field = RandomBytes(m_Random, static_cast<std::size_t>(width) * (height + 1), 0, 255);
            std::fill(field.end() - width, field.end(), 0);
            std::vector<std::uint8_t> expected = field;
            Scalar().averageUpward(expected.data(), width, height);
            Vector().averageUpward(field.data(), width, height);
            ASSERT_EQ(field, expected) << width << " x " << height;
        }
}

TEST_P(VectorPasses, RemapAndPaletteLookUpMatchTheScalarPasses) {
    for (int count : TestWidths()) {
        // Sources near their pixels, as in a turbulence map, and anywhere.
        const std::size_t n = static_cast<std::size_t>(count) * 3;
        const std::vector<std::uint8_t> field = RandomBytes(m_Random, n + 15, 0, 255);
        std::vector<int> map(n);
        std::uniform_int_distribution<int> near(-20, 20), anywhere(0, static_cast<int>(n) - 1);
        for (std::size_t i = 0; i < n; ++i) {
            const int source = static_cast<int>(i) + near(m_Random);
            map[i] = i % 7 == 3 || source < 0 || source >= static_cast<int>(n) ? anywhere(m_Random) : source;
        }
        ShuffleRuns runs;
        ASSERT_TRUE(runs.Build(map.data(), n));
        const ShuffleRunsView view = runs.View();
        std::vector<std::uint8_t> expected(n), out(n), withoutRuns(n);
        Scalar().remap(field.data(), map.data(), nullptr, n, expected.data());
        Vector().remap(field.data(), map.data(), &view, n, out.data());
        Vector().remap(field.data(), map.data(), nullptr, n, withoutRuns.data());
        ASSERT_EQ(out, expected) << count;
        ASSERT_EQ(withoutRuns, expected) << count;

        std::vector<std::uint32_t> table(256), words(n), expectedWords(n);
        for (std::uint32_t& entry : table) entry = static_cast<std::uint32_t>(m_Random());
        Scalar().lookUpWords(field.data(), n, table.data(), expectedWords.data());
        Vector().lookUpWords(field.data(), n, table.data(), words.data());
        ASSERT_EQ(words, expectedWords) << count;
    }
}

TEST_P(VectorPasses, PixelRowBlendsOfTheUpscalerMatchTheScalarPasses) {
    std::uniform_int_distribution<int> weight(0, 256);
    for (int count : TestWidths()) {
        const std::size_t n = static_cast<std::size_t>(count);
        std::vector<std::uint32_t> top(n + 1), bottom(n), expected(n), out(n);
        for (std::uint32_t& pixel : top) pixel = static_cast<std::uint32_t>(m_Random());
        for (std::uint32_t& pixel : bottom) pixel = static_cast<std::uint32_t>(m_Random());
        for (int w : {0, 1, 64, 255, 256}) {
            Scalar().blendPixelRows(top.data(), bottom.data(), w, count, expected.data());
            Vector().blendPixelRows(top.data(), bottom.data(), w, count, out.data());
            ASSERT_EQ(out, expected) << count << " at " << w;
        }
        std::vector<int> first(n);
        std::vector<std::uint16_t> weights(4 * n);
        std::uniform_int_distribution<int> column(0, count - 1);
        for (std::size_t x = 0; x < n; ++x) {
            first[x] = column(m_Random);
            std::fill_n(&weights[4 * x], 4, static_cast<std::uint16_t>(weight(m_Random)));
        }
        Scalar().stretchPixelRow(top.data(), first.data(), weights.data(), count, expected.data());
        Vector().stretchPixelRow(top.data(), first.data(), weights.data(), count, out.data());
        ASSERT_EQ(out, expected) << count;

        // Doubling is the stretch whose taps sit a quarter and three quarters
        // between each pixel and the next.
        std::vector<int> pairFirst(2 * n);
        std::vector<std::uint16_t> pairWeights(8 * n);
        for (std::size_t i = 0; i < 2 * n; ++i) {
            pairFirst[i] = static_cast<int>(i / 2);
            std::fill_n(&pairWeights[4 * i], 4, static_cast<std::uint16_t>(i % 2 ? 192 : 64));
        }
        std::vector<std::uint32_t> doubled(2 * n), expectedDoubled(2 * n);
        Scalar().stretchPixelRow(top.data(), pairFirst.data(), pairWeights.data(), 2 * count, expectedDoubled.data());
        Scalar().doublePixelRow(top.data(), count, doubled.data());
        ASSERT_EQ(doubled, expectedDoubled) << count;
        Vector().doublePixelRow(top.data(), count, doubled.data());
        ASSERT_EQ(doubled, expectedDoubled) << count;
    }
}

TEST_P(VectorPasses, GlowStampsMatchTheScalarPass) {
    // The real stamp and one with zeros scattered over it, on hot and cold
    // pixels, added and written, including values the vectors leave to scalar.
    std::uint8_t spotty[9][9];
    for (auto& row : spotty)
        for (std::uint8_t& entry : row) entry = m_Random() % 3 == 0 ? 0 : static_cast<std::uint8_t>(m_Random());
    const int width = 23;
    for (const auto* stamp : {kGlowStamp, static_cast<const std::uint8_t(*)[9]>(spotty)})
        for (int size : {5, 9})
            for (int value : {1, 60, 247, 256, 300})
                for (int additive : {0, 1}) {
                    std::vector<std::uint8_t> field = RandomBytes(m_Random, width * 12, 0, 255);
                    std::vector<std::uint8_t> expected = field;
                    Scalar().stampGlow(&expected[width + 3], width, stamp, size, value, additive);
                    Vector().stampGlow(&field[width + 3], width, stamp, size, value, additive);
                    ASSERT_EQ(field, expected) << size << " at " << value << (additive ? " added" : " written");
                }
}

TEST_P(VectorPasses, MixedOutputMatchesTheScalarPassAlsoWhereBytesCarryOver) {
    for (int width : TestWidths())
        for (int height : {1, 2, 7}) {
            // Rows alternate between low fire and fire near 255, whose carry
            // overflows into the next byte; the layer holds any bytes.
            const std::size_t pixels = static_cast<std::size_t>(width) * height;
            std::vector<std::uint8_t> fire = RandomBytes(m_Random, pixels + width, 0, 247);
            for (int y = 1; y < height; y += 2)
                for (int x = 0; x < width; x += 3) fire[static_cast<std::size_t>(y) * width + x] = 248 + x % 8;
            const std::vector<std::uint8_t> layer = RandomBytes(m_Random, pixels + width + 66, 0, 255);
            std::vector<std::uint8_t> expected(pixels), out(pixels);
            Scalar().mixDesktop(fire.data(), layer.data(), width, height, expected.data());
            Vector().mixDesktop(fire.data(), layer.data(), width, height, out.data());
            ASSERT_EQ(out, expected) << width << " x " << height;
        }
}

TEST_P(VectorPasses, BurningColumnsMatchTheScalarSearch) {
    const int ranges[][2] = {{0, 8}, {100, 8}, {248, 8}, {250, 6}, {0, 1}, {255, 1}};
    for (int width : TestWidths())
        for (const auto& range : ranges)
            for (int parity : {0, 1}) {
                const std::vector<std::uint8_t> row = RandomBytes(m_Random, static_cast<std::size_t>(width), 0, 255);
                std::vector<int> expected(static_cast<std::size_t>(width)), found(static_cast<std::size_t>(width));
                const int count = Scalar().findInRange(row.data(), width, parity, range[0], range[1], expected.data());
                ASSERT_EQ(Vector().findInRange(row.data(), width, parity, range[0], range[1], found.data()), count)
                    << width << " from " << range[0];
                found.resize(static_cast<std::size_t>(count));
                expected.resize(static_cast<std::size_t>(count));
                ASSERT_EQ(found, expected) << width << " from " << range[0];
            }
}

TEST_P(VectorPasses, TurbulenceMapsAreTheSameMapWithTheSameDraws) {
    // Heights of few values make many rays tie: the first angle must win.
    for (const auto& size : {std::pair<int, int>{1, 1}, {7, 9}, {8, 8}, {9, 9}, {12, 10}, {23, 17}, {70, 31}, {133, 45}})
        for (int top : {3, 255}) {
            const auto [width, height] = size;
            const std::vector<std::uint8_t> heights =
                RandomBytes(m_Random, static_cast<std::size_t>(width) * height, 0, top);
            std::vector<int> expected(heights.size()), map(heights.size());
            auto scalarRun = FreshRun(5);
            scalarRun->passes = &Scalar();
            DeriveTurbulenceMap(*scalarRun, heights.data(), width, height, expected.data(), nullptr);
            auto vectorRun = FreshRun(5);
            vectorRun->passes = &Vector();
            DeriveTurbulenceMap(*vectorRun, heights.data(), width, height, map.data(), nullptr);
            ASSERT_EQ(map, expected) << width << " x " << height;
            ASSERT_EQ(vectorRun->random.Cursor(), scalarRun->random.Cursor());
        }
}

namespace {
// Frame and palette hashes of a fire run with the passes of one level.
std::vector<std::uint64_t> FireHashes(PassLevel level, Settings settings, int frames) {
    auto run = FreshRun(3);
    run->passes = FirePassesOf(level);
    CFireEngine engine(*run);
    engine.SetCacheDirectory(FreshTestFolder(std::string("passes-") + PassLevelName(level)));
    std::vector<std::uint64_t> hashes;
    if (!engine.Create(settings)) return hashes;
    std::vector<std::uint8_t> frame(static_cast<std::size_t>(engine.Width()) * engine.Height());
    for (int k = 0; k < frames && engine.Step(); ++k) {
        engine.RenderTo(frame.data());
        hashes.push_back(Fnv1a64(frame.data(), frame.size()));
    }
    return hashes;
}
}  // namespace

TEST_P(VectorPasses, WholeFiresComeOutTheSameFrameByFrame) {
    // The default fire with turbulence, the desktop blend and the paper burn
    // (burning from frame 90), at sizes no multiple of the vector widths.
    for (const auto& size : {std::pair<int, int>{83, 61}, {37, 20}, {5, 3}}) {
        Settings settings = DefaultSettings(size.first, size.second);
        settings.SetInt(SettingId::FadeScreen, 60);
        const std::vector<std::uint64_t> expected = FireHashes(PassLevel::Scalar, settings, 140);
        ASSERT_EQ(expected.size(), 140u);
        EXPECT_EQ(FireHashes(GetParam(), settings, 140), expected) << size.first << " x " << size.second;
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, VectorPasses, testing::ValuesIn(kVectorLevels),
                         [](const testing::TestParamInfo<PassLevel>& info) { return PassLevelName(info.param); });

TEST(PassLevels, TheScalarLevelIsAlwaysThereAndNamesRoundTrip) {
    ASSERT_NE(FirePassesOf(PassLevel::Scalar), nullptr);
    EXPECT_EQ(FirePassesOf(BestPassLevel()), &BestFirePasses());
    for (PassLevel level : {PassLevel::Scalar, PassLevel::Sse2, PassLevel::Ssse3, PassLevel::Avx2, PassLevel::Avx512}) {
        PassLevel parsed = PassLevel::Scalar;
        EXPECT_TRUE(ParsePassLevel(PassLevelName(level), parsed));
        EXPECT_EQ(parsed, level);
    }
    PassLevel unchanged = PassLevel::Avx2;
    EXPECT_FALSE(ParsePassLevel("sse3", unchanged));
    EXPECT_EQ(unchanged, PassLevel::Avx2);
}
