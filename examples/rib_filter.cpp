// A RIB filter: reads a stream (the file named on the command line, or the
// standard input) through the library's parser and writes it on the
// standard output through the library's writer, with one change: every
// surface shader becomes "constant", keeping its parameters.
#include <quillet/ForwardingContext.h>
#include <quillet/RibParser.h>
#include <quillet/RibWriter.h>
#include <ri.h>

namespace {

class ConstantSurfaces : public quillet::ForwardingContext {
public:
    explicit ConstantSurfaces(quillet::RenderContext &writer) : ForwardingContext(&writer) {}

    RtVoid SurfaceV(RtToken, RtInt n, RtToken tokens[], RtPointer values[]) override {
        ForwardingContext::SurfaceV("constant", n, tokens, values);
    }
};

}  // namespace

int main(int argc, char **argv) {
    quillet::RibWriter writer(RI_NULL, RI_NULL);
    ConstantSurfaces filter(writer);
    quillet::RibDiagnostics diagnostics;  // prints each problem on standard error
    quillet::RibParseResult result = quillet::parseRib(argc > 1 ? argv[1] : "-", filter, diagnostics);
    return result.errors == 0 ? 0 : 1;
}
