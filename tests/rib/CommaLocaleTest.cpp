// Streams and statistics written under a comma-decimal locale are the bytes
// written under the C locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "quillet/DeclTable.h"
#include "tests/support/ChildProcess.h"
#include "tests/rib/StreamCapture.h"

using namespace quillet;
using namespace quillet_test;

namespace {

const char kCommaLocale[] = "de_DE.UTF-8";
const int kNoSuchLocale = 77;

RtFloat knots[] = {0, 0, 1, 1};
RtFloat color[] = {0.5f, 0.25f, 1.5f};

// Writes a stream of floats in every form to path and the statistics to
// the standard error stream, under the named locale.
ChildResult writeUnder(const char *locale, const std::string &path, RtInt precision) {
    return runChild([=] {
        if (!std::setlocale(LC_ALL, locale)) std::exit(kNoSuchLocale);
        RiOption("rib", "precision", &precision, RI_NULL);
        RiBegin(path.c_str());
        RiArchiveRecord("comment", "scale %g of %f", 2.5, 0.125);
        RiArchiveRecord("verbatim", "Sphere %g %g %g %g\n", 1.5, -1.5, 1.5, 360.0);
        RiSphere(1.5f, -1.5f, 1.5f, 360, RI_NULL);
        RiColor(color);
        RiNuPatch(2, 2, knots, 0.5f, 1, 2, 2, knots, 0.25f, 1, RI_NULL);
        RiEnd();
        DeclTable::table().printStatistics(stderr);
    });
}

struct LocaleCase {
    RtInt precision;
    const char *stream;
};

TEST(CommaLocale, StreamAndStatisticsKeepThePoint) {
    const LocaleCase cases[] = {
        {-1, "# scale 2.5 of 0.125000\n"
             "Sphere 1.5 -1.5 1.5 360\n"
             "Sphere 1.5 -1.5 1.5 360\n"
             "Color [0.5 0.25 1.5]\n"
             "NuPatch 2 2 [0 0 1 1] 0.500000 1.000000 2 2 [0 0 1 1] 0.250000 1.000000 \n"},
        {0, "# scale 2.5 of 0.125000\n"
            "Sphere 1.5 -1.5 1.5 360\n"
            "Sphere 1.5 -1.5 1.5 360\n"
            "Color [0.5 0.25 1.5]\n"
            "NuPatch 2 2 [0 0 1 1] 0.5 1 2 2 [0 0 1 1] 0.25 1 \n"},
    };
    for (const LocaleCase &c : cases) {
        const std::string commaPath = makeTempPath();
        const std::string pointPath = makeTempPath();
        const ChildResult comma = writeUnder(kCommaLocale, commaPath, c.precision);
        if (comma.status == kNoSuchLocale) GTEST_SKIP() << kCommaLocale << " is not installed";
        const ChildResult point = writeUnder("C", pointPath, c.precision);
        EXPECT_EQ(comma.status, 0);
        EXPECT_EQ(readFile(commaPath), wholeStream(c.stream)) << "precision " << c.precision;
        EXPECT_EQ(readFile(pointPath), readFile(commaPath));
        EXPECT_NE(comma.standardError.find("% of buckets used"), std::string::npos);
        EXPECT_EQ(comma.standardError, point.standardError);
        std::remove(commaPath.c_str());
        std::remove(pointPath.c_str());
    }
}

// The locale really is one that writes a comma, so the test above means
// something where it runs.
TEST(CommaLocale, LocaleWritesAComma) {
    const ChildResult child = runChild([] {
        if (!std::setlocale(LC_ALL, kCommaLocale)) std::exit(kNoSuchLocale);
        std::printf("%g", 0.5);
    });
    if (child.status == kNoSuchLocale) GTEST_SKIP() << kCommaLocale << " is not installed";
    EXPECT_EQ(child.standardOutput, "0,5");
}

}  // namespace
