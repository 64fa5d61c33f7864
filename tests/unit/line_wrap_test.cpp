#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "display/info_block.h"
#include "display/line_wrap.h"
#include "fakes/fake_block_surface.h"
#include "probes/processor_readings.h"

namespace kelvor {
namespace {

// 10 pixels a character, as the fake surface measures.
int32_t Measure(std::string_view text) { return 10 * static_cast<int32_t>(text.size()); }

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (const char c : text) {
        if (c == '\r') lines.emplace_back();
        else lines.back() += c;
    }
    return lines;
}

std::string ProcessorLine(size_t processors) {
    std::vector<int32_t> loads(processors);
    for (size_t i = 0; i < processors; ++i) loads[i] = static_cast<int32_t>(i * 37 % 101);
    return "CPU usage: " + ProcessorLoadText(loads);
}

TEST(WrapAtBlanks, ALineThatFitsStaysAsItIs) {
    const std::string line = ProcessorLine(8);
    EXPECT_EQ(WrapAtBlanks(line, 11, Measure(line), Measure), line);
    EXPECT_EQ(WrapAtBlanks(line, 11, 0, Measure), line);  // no width known yet
}

TEST(WrapAtBlanks, SixtyFourProcessorsFillEachLineAndLoseNoFigure) {
    const std::string line = ProcessorLine(64);
    for (const int32_t width : {1280, 400, 157}) {
        const std::string wrapped = WrapAtBlanks(line, 11, width, Measure);
        const std::vector<std::string> lines = Lines(wrapped);
        ASSERT_GT(lines.size(), 1u);
        EXPECT_EQ(lines.front().rfind("CPU usage: ", 0), 0u) << "the caption begins the first line";
        std::string joined = wrapped;
        std::replace(joined.begin(), joined.end(), '\r', ' ');
        EXPECT_EQ(joined, line);
        for (size_t i = 0; i < lines.size(); ++i) {
            EXPECT_LE(Measure(lines[i]), width) << lines[i];
            // Filled: the next line's first figure would not have fitted.
            if (i + 1 < lines.size()) {
                const std::string next = lines[i + 1].substr(0, lines[i + 1].find(' '));
                EXPECT_GT(Measure(lines[i] + " " + next), width);
            }
        }
    }
    // Narrower than the caption and its first figure: that much still goes together, then a
    // figure a line.
    const std::vector<std::string> narrow = Lines(WrapAtBlanks(ProcessorLine(3), 11, 30, Measure));
    EXPECT_EQ(narrow, (std::vector<std::string>{"CPU usage: 00%", "37%", "74%"}));
}

TEST(InfoBlockWrap, WrapsToThePrimaryMonitorsWidthElseTheArea) {
    FakeBlockSurface surface;
    InfoBlock block(surface);
    const std::string line = ProcessorLine(64);  // 267 characters: 2670 pixels
    EXPECT_EQ(Lines(block.WrapToPrimaryWidth(InfoLabel::Info, line, 11)).size(), 2u);  // the 1536-pixel area
    block.SetMonitors({{{0, 0, 1024, 768}, {-640, 0, 0, 480}}, 1});
    for (const std::string& part : Lines(block.WrapToPrimaryWidth(InfoLabel::Info, line, 11)))
        EXPECT_LE(Measure(part), 640);
}

}  // namespace
}  // namespace kelvor
