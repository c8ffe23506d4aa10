// The two process-wide tables and the start-up order of the declarations
// subsystem: the string pool's table, then the declaration table, then the
// parameter-list counters. Each table is torn down at exit in reverse order
// of construction; after that it stays usable as an empty table, so a late
// caller during exit finds nothing instead of touching freed memory.
#include "quillet/DeclTable.h"
#include "quillet/ParamValue.h"
#include "decl/StringPool.h"
#include "quillet/SymbolTable.h"

namespace quillet {

namespace {

// Empties its table at exit. The table object itself is never destroyed.
struct TeardownAtExit {
    SymbolTable *table;
    ~TeardownAtExit() { table->release(); }
};

}  // namespace

SymbolTable &StringPool::table() {
    static SymbolTable *const pool = new SymbolTable(kBucketCount);
    static const TeardownAtExit teardown{pool};
    return *pool;
}

SymbolTable &DeclTable::table() {
    static SymbolTable *const declarations = new SymbolTable(kBucketCount);
    static const TeardownAtExit teardown{declarations};
    return *declarations;
}

namespace {

struct StartUp {
    StartUp() {
        StringPool::table();
        DeclTable::table();
        clearParamValueCounters();
    }
};

const StartUp startUp;

}  // namespace

}  // namespace quillet
