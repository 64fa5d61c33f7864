#include <gtest/gtest.h>

#include "common/date_time_format.h"
#include "common/geometry.h"
#include "common/locale_info.h"
#include "common/number_format.h"
#include "common/random_generator.h"
#include "common/rounding.h"
#include "common/run_time_error.h"
#include "fakes/fake_locale.h"

namespace kelvor {
namespace {

void ExpectOverflow(void (*call)()) {
    try {
        call();
        ADD_FAILURE() << "no overflow raised";
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.Number(), 6);
        EXPECT_EQ(error.Description(), "Overflow");
    }
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(3.5), 4.0);
    EXPECT_EQ(RoundHalfEven(-112.5), -112.0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
    EXPECT_EQ(RoundHalfEven(0.49999999), 0.0);
    EXPECT_EQ(RoundHalfEven(1.5000001), 2.0);
    EXPECT_EQ(Int(-2.5), -3.0);
    EXPECT_EQ(Int(-150.5), -151.0);
    EXPECT_EQ(Int(2.999), 2.0);
}

TEST(Rounding, NarrowingChecksTheRangeAfterRounding) {
    EXPECT_EQ(RoundToByte(254.5), 254);
    EXPECT_EQ(RoundToByte(-0.5), 0);
    EXPECT_EQ(RoundToInt16(32767.4), 32767);
    EXPECT_EQ(RoundToInt16(-32768.5), -32768);
    EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(NarrowToByte(255), 255);
    EXPECT_EQ(NarrowToInt16(-32768), -32768);
    EXPECT_EQ(NarrowToInt32(-2147483648LL), INT32_MIN);
    ExpectOverflow([] { RoundToByte(255.5); });
    ExpectOverflow([] { RoundToByte(-0.6); });
    ExpectOverflow([] { RoundToInt16(32767.5); });
    ExpectOverflow([] { RoundToInt32(2147483647.5); });
    ExpectOverflow([] { RoundToInt32(std::numeric_limits<double>::quiet_NaN()); });
    ExpectOverflow([] { RoundToInt64(1e19); });
    ExpectOverflow([] { NarrowToByte(256); });
    ExpectOverflow([] { NarrowToByte(-1); });
    ExpectOverflow([] { NarrowToInt16(40000); });
    ExpectOverflow([] { NarrowToInt32(2147483648LL); });
}

TEST(NumberFormat, TwoDigitPattern) {
    EXPECT_EQ(FormatAtLeastTwoDigits(7), "07");
    EXPECT_EQ(FormatAtLeastTwoDigits(0), "00");
    EXPECT_EQ(FormatAtLeastTwoDigits(42), "42");
    EXPECT_EQ(FormatAtLeastTwoDigits(100), "100");
    EXPECT_EQ(FormatAtLeastTwoDigits(-3), "-03");
}

TEST(NumberFormat, GroupedThousandsUseTheGivenSeparator) {
    EXPECT_EQ(FormatGroupedThousands(0, ","), "");
    EXPECT_EQ(FormatGroupedThousands(2, ","), "2");
    EXPECT_EQ(FormatGroupedThousands(999, ","), "999");
    EXPECT_EQ(FormatGroupedThousands(1000, ","), "1,000");
    EXPECT_EQ(FormatGroupedThousands(262144, ","), "262,144");
    EXPECT_EQ(FormatGroupedThousands(1234567, "."), "1.234.567");
    EXPECT_EQ(FormatGroupedThousands(-1234, ","), "-1,234");
    EXPECT_EQ(FormatGroupedThousands(INT64_MIN, ","), "-9,223,372,036,854,775,808");
}

TEST(DateTimeFormat, BothTimePatterns) {
    const LocalDateTime afternoon{2026, 12, 6, 15, 6, 10, 0};
    EXPECT_EQ(FormatTime24(afternoon), "15:06:10");
    EXPECT_EQ(FormatTime12(afternoon), "3:06:10 pm");
    EXPECT_EQ(FormatTimeOfDay(afternoon, 1), "15:06:10");
    EXPECT_EQ(FormatTimeOfDay(afternoon, 2), "3:06:10 pm");
    EXPECT_EQ(FormatTime12({2026, 1, 1, 0, 0, 5, 0}), "12:00:05 am");
    EXPECT_EQ(FormatTime12({2026, 1, 1, 12, 30, 0, 0}), "12:30:00 pm");
    EXPECT_EQ(FormatTime24({2026, 1, 1, 7, 5, 9, 0}), "07:05:09");
}

TEST(DateTimeFormat, DateUsesTheLocaleMonthName) {
    FakeLocale locale;
    EXPECT_EQ(FormatDateDdMmmYy({2026, 12, 6, 0, 0, 0, 0}, locale), "06-Dec-26");
    EXPECT_EQ(FormatDateDdMmmYy({2000, 1, 31, 0, 0, 0, 0}, locale), "31-Jan-00");
    locale.months[4] = "Mai";
    EXPECT_EQ(FormatDateDdMmmYy({2009, 5, 1, 0, 0, 0, 0}, locale), "01-Mai-09");
}

TEST(DateTimeFormat, SubtractingSecondsCarriesAcrossDaysMonthsAndYears) {
    const LocalDateTime start = SubtractSeconds({2026, 12, 7, 15, 6, 10, 0}, 86400);
    EXPECT_EQ(start.day, 6);
    EXPECT_EQ(start.hour, 15);
    const LocalDateTime newYear = SubtractSeconds({2027, 1, 1, 0, 0, 5, 0}, 10);
    EXPECT_EQ(newYear.year, 2026);
    EXPECT_EQ(newYear.month, 12);
    EXPECT_EQ(newYear.day, 31);
    EXPECT_EQ(FormatTime24(newYear), "23:59:55");
    const LocalDateTime leap = SubtractSeconds({2024, 3, 1, 0, 0, 0, 0}, 1);
    EXPECT_EQ(leap.month, 2);
    EXPECT_EQ(leap.day, 29);
    const LocalDateTime longAgo = SubtractSeconds({2026, 12, 7, 0, 0, 0, 0}, 400LL * 86400);
    EXPECT_EQ(longAgo.year, 2025);
    EXPECT_EQ(longAgo.month, 11);
    EXPECT_EQ(longAgo.day, 2);
    EXPECT_DOUBLE_EQ(SecondsSinceMidnight({2026, 1, 1, 1, 2, 3, 500}), 3723.5);
}

TEST(RandomGenerator, ValuesStayInTheHalfOpenUnitRangeAndFollowTheSeed) {
    SeededRandom first(1234);
    SeededRandom second(1234);
    SeededRandom other(4321);
    bool differs = false;
    for (int i = 0; i < 10000; ++i) {
        const float value = first.Next();
        ASSERT_GE(value, 0.0f);
        ASSERT_LT(value, 1.0f);
        EXPECT_EQ(value, second.Next());
        differs = differs || value != other.Next();
    }
    EXPECT_TRUE(differs);
}

TEST(Geometry, StripsAroundAndTheInsideCoverTheAreaOnceEach) {
    const PixelRect area{10, 20, 110, 70};
    // Inside in the middle, in a corner, along one edge, and the whole area.
    for (const PixelRect& inside : {PixelRect{30, 30, 60, 50}, PixelRect{10, 20, 40, 35}, PixelRect{90, 20, 110, 70},
                                    area}) {
        const auto strips = StripsAround(area, inside);
        for (int y = area.top - 1; y <= area.bottom; ++y) {
            for (int x = area.left - 1; x <= area.right; ++x) {
                const auto covers = [&](const PixelRect& r) {
                    return !r.IsEmpty() && x >= r.left && x < r.right && y >= r.top && y < r.bottom;
                };
                int count = covers(inside) ? 1 : 0;
                for (const PixelRect& strip : strips) count += covers(strip) ? 1 : 0;
                const bool inArea = covers(area);
                ASSERT_EQ(count, inArea ? 1 : 0) << "pixel " << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace kelvor
