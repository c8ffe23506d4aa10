// A stream context for tests: a RibWriter writing to /dev/null that records
// what reaches a few of its operations, with copies of the lists it gets.
#ifndef QUILLET_TESTS_RECORDINGCONTEXT_H
#define QUILLET_TESTS_RECORDINGCONTEXT_H

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "quillet/GlobalNames.h"
#include "quillet/RibWriter.h"

class RecordingContext : public RibWriter {
public:
    struct Call {
        std::string operation;
        std::string name;
        std::vector<RtFloat> numbers;
        std::vector<RtToken> tokens;
        std::vector<RtPointer> values;
    };

    static RtLightHandle lightHandle() { return reinterpret_cast<RtLightHandle>(std::intptr_t{42}); }

    RecordingContext() : RibWriter("/dev/null", RI_NULL) {}

    RtVoid SphereV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                   RtPointer values[]) override {
        record("SphereV", "", {radius, zmin, zmax, thetamax}, n, tokens, values);
    }
    RtVoid OptionV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override {
        record("OptionV", name, {}, n, tokens, values);
    }
    RtLightHandle LightSourceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override {
        record("LightSourceV", name, {}, n, tokens, values);
        return lightHandle();
    }
    RtVoid MotionBeginV(RtInt n, RtFloat times[]) override {
        record("MotionBeginV", "", std::vector<RtFloat>(times, times + (n > 0 ? n : 0)), 0, nullptr, nullptr);
    }
    RtVoid MakeTextureV(const char *picturename, const char *texturename, RtToken swrap, RtToken twrap, RtFilterFunc,
                        RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[], RtPointer values[]) override {
        record("MakeTextureV", joined({picturename, texturename, swrap, twrap}), {swidth, twidth}, n, tokens, values);
    }
    RtVoid MakeLatLongEnvironmentV(const char *picturename, const char *texturename, RtFilterFunc, RtFloat swidth,
                                   RtFloat twidth, RtInt n, RtToken tokens[], RtPointer values[]) override {
        record("MakeLatLongEnvironmentV", joined({picturename, texturename}), {swidth, twidth}, n, tokens, values);
    }
    RtVoid MakeCubeFaceEnvironmentV(const char *px, const char *nx, const char *py, const char *ny, const char *pz,
                                    const char *nz, const char *texturename, RtFloat fov, RtFilterFunc, RtFloat swidth,
                                    RtFloat twidth, RtInt n, RtToken tokens[], RtPointer values[]) override {
        record("MakeCubeFaceEnvironmentV", joined({px, nx, py, ny, pz, nz, texturename}), {fov, swidth, twidth}, n,
               tokens, values);
    }
    RtVoid MakeShadowV(const char *picturename, const char *texturename, RtInt n, RtToken tokens[],
                       RtPointer values[]) override {
        record("MakeShadowV", joined({picturename, texturename}), {}, n, tokens, values);
    }
    RtVoid VArchiveRecord(RtToken type, const char *format, va_list args) override {
        char text[256];
        std::vsnprintf(text, sizeof text, format, args);
        record("VArchiveRecord", std::string(type) + ":" + text, {}, 0, nullptr, nullptr);
    }

    std::vector<Call> calls;

private:
    static std::string joined(std::initializer_list<const char *> names) {
        std::string text;
        for (const char *name : names) text += std::string(text.empty() ? "" : " ") + name;
        return text;
    }
    void record(const char *operation, const std::string &name, std::vector<RtFloat> numbers, RtInt n, RtToken tokens[],
                RtPointer values[]) {
        Call call{operation, name, std::move(numbers), {}, {}};
        for (RtInt i = 0; i < n; ++i) {
            call.tokens.push_back(tokens[i]);
            call.values.push_back(values[i]);
        }
        calls.push_back(std::move(call));
    }
};

#endif
