// A C++ consumer that extends the stream writer: every request is written as
// RIB on the standard output, and the writer also keeps a copy of the last
// surface shader's parameters, which it describes in comments.
#include <quillet/DeclTable.h>
#include <quillet/ParamDecl.h>
#include <quillet/ParamValue.h>
#include <quillet/RibWriter.h>
#include <quillet/SymbolTable.h>
#include <ri.h>

namespace {

class KeepingWriter : public quillet::RibWriter {
public:
    KeepingWriter() : RibWriter(RI_NULL, RI_NULL) {}

    RtVoid SurfaceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override {
        RibWriter::SurfaceV(name, n, tokens, values);
        surface.clear();
        for (RtInt i = 0; i < n; ++i) {
            const quillet::ParamDecl *declaration = quillet::DeclTable::lookup(tokens[i]);
            if (!declaration || declaration->type == quillet::ParamType::String) continue;
            int words = declaration->valueBytes() / quillet::ParamValue::kWordBytes;
            surface.append(new quillet::ParamValue(declaration->tokenName, declaration->type, declaration->paramClass,
                                                   declaration->arrayLength, values[i], words));
        }
    }

    // One comment per kept parameter: its declaration and its first value.
    void describeSurface() {
        for (const quillet::ParamValue *item = surface.head; item; item = item->next) {
            char declaration[64];
            quillet::formatDeclaration(declaration, sizeof declaration, static_cast<int>(item->paramClass),
                                       static_cast<int>(item->type), item->count);
            ArchiveRecord(RI_COMMENT, "kept %s: %s, first value %g, key hash %u", item->token, declaration,
                          static_cast<const RtFloat *>(item->values)[0], quillet::SymbolTable::hash(item->token));
        }
    }

    quillet::ParamValueList surface;
};

}  // namespace

int main() {
    KeepingWriter writer;
    RtContextHandle previous = RiGetContext();
    RiContext(&writer);  // the C entry points now reach this writer

    RtFloat kd = 0.75f;
    RtColor specular = {1, 0.5f, 0.25f};
    RtToken declared = RiDeclare("glow", "uniform float[2]");
    RtFloat glow[2] = {2, 3};
    RiWorldBegin();
    writer.Surface("plastic", RI_KD, &kd, "specularcolor", specular, declared, glow, RI_NULL);
    writer.describeSurface();
    RiSphere(1, -1, 1, 360, RI_NULL);
    RiWorldEnd();

    RiContext(previous);
    return 0;
}
