// One request as read from the stream: its fixed arguments and its
// parameters, with every value in a typed pool so that the operations get
// plain arrays.
#ifndef QUILLET_PARSE_PARSEDREQUEST_H
#define QUILLET_PARSE_PARSEDREQUEST_H

#include <cstddef>
#include <vector>

#include "quillet/ParamDecl.h"
#include "parse/RequestShapes.h"
#include "parse/ValuePool.h"
#include "decl/ValueShape.h"

namespace quillet {

struct ParsedRequest {
    // kind: 'i' and 'I' in ints, 'n' and 'F' in floats, 's' and 'S' in strings.
    struct Arg {
        char kind;
        size_t offset;
        size_t count;
    };
    struct Param {
        RtToken token;
        const ParamDecl *decl;
        ValueShape::Kind kind;
        size_t offset;
        size_t count;
    };

    const RequestShape *shape = nullptr;
    size_t line = 0;
    size_t offset = 0;
    std::vector<Arg> args;
    ValuePool<Param> params;
    ValuePool<RtFloat> floats;
    ValuePool<RtInt> ints;
    ValuePool<RtToken> strings;

    // Every pool that grows with the input charges the budget.
    void setBudget(Budget *memory) {
        params.setBudget(memory);
        floats.setBudget(memory);
        ints.setBudget(memory);
        strings.setBudget(memory);
    }
    // Emptied, with the pools' memory freed.
    void release() {
        args.clear();
        params.release();
        floats.release();
        ints.release();
        strings.release();
    }

    void clear() {
        args.clear();
        params.clear();
        floats.clear();
        ints.clear();
        strings.clear();
    }

    size_t size(size_t k) const { return args[k].count; }
    RtInt count(size_t k) const { return static_cast<RtInt>(args[k].count); }
    bool isString(size_t k) const { return args[k].kind == 's'; }
    RtInt i(size_t k) const { return ints[args[k].offset]; }
    RtFloat n(size_t k) const { return floats[args[k].offset]; }
    RtToken s(size_t k) const { return strings[args[k].offset]; }
    RtInt *I(size_t k) { return ints.data() + args[k].offset; }
    RtFloat *F(size_t k) { return floats.data() + args[k].offset; }
    RtToken *S(size_t k) { return strings.data() + args[k].offset; }
};

}  // namespace quillet

#endif
