// The token variables whose names are this library's own choice, and a few
// standard ones, hold their texts (before or after predeclaration alike).
#include <gtest/gtest.h>

#include "quillet/ri.h"

namespace {

TEST(TokenVariables, HoldTheirTexts) {
    const struct {
        const RtToken &variable;
        const char *text;
    } kTable[] = {
        {RI_NONDIFFUSE, "__nondiffuse"},
        {RI_NONSPECULAR, "__nonspecular"},
        {RI_BOX, "box"},
        {RI_CATMULLROM, "catmull-rom"},
        {RI_SINC, "sinc"},
        {RI_GAUSSIAN, "gaussian"},
        {RI_TRIANGLE, "triangle"},
        {RI_FILTER, "filter"},
        {RI_SWIDTH, "swidth"},
        {RI_TWIDTH, "twidth"},
        {RI_FILL, "fill"},
        {RI_FIDELITY, "fidelity"},
        {RI_SAMPLES, "samples"},
        {RI_BLUR, "blur"},
        {RI_SBLUR, "sblur"},
        {RI_TBLUR, "tblur"},
        {RI_BIAS, "bias"},
        {RI_LERP, "lerp"},
        {RI_GAPBIAS, "gapbias"},
        {RI_SOURCE, "source"},
        {RI_GAPOPT, "gapopt"},
        {RI_REFBLUR, "refblur"},
        {RI_SREFBLUR, "srefblur"},
        {RI_TREFBLUR, "trefblur"},
        {RI_IGNOREABOVE, "ignoreabove"},
        {RI_CATEGORY, "__category"},
        {RI_W_HOMOGENEOUS, "_$w"},
        {RI_MATTE, "matte"},
        {RI_KA, "Ka"},
        {RI_NDC, "NDC"},
        {RI_PZ, "Pz"},
        {RI_NP, "Np"},
        {RI_CONEDELTAANGLE, "conedeltaangle"},
        {RI_INTERPOLATEBOUNDARY, "interpolateboundary"},
    };
    for (const auto &entry : kTable) EXPECT_STREQ(entry.variable, entry.text);
}

}  // namespace
