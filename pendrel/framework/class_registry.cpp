// The class tables: one model instance and one parent identifier per class identifier.
#include "pendrel/framework/g0.h"

#include <array>

void RegisterFrameworkClasses(); // framework_classes.cpp

namespace {

struct ClassEntry {
    std::unique_ptr<G0> model;
    GClassID parent = 0;
};

std::array<ClassEntry, gid::kMaxClassID + 1>& Table() {
    static std::array<ClassEntry, gid::kMaxClassID + 1> table;
    return table;
}

void EnsureFrameworkClasses() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    RegisterFrameworkClasses();
}

} // namespace

void RegisterClass(GClassID id, GClassID parent, std::unique_ptr<G0> model) {
    if (id == 0 || id > gid::kMaxClassID) return;
    EnsureFrameworkClasses();
    Table()[id] = ClassEntry{std::move(model), parent};
}

const G0* GetModelFromID(unsigned id) {
    if (id == 0 || id > gid::kMaxClassID) return nullptr;
    EnsureFrameworkClasses();
    return Table()[id].model.get();
}

GClassID GetParentID(unsigned id) {
    if (id == 0 || id > gid::kMaxClassID) return 0;
    EnsureFrameworkClasses();
    return Table()[id].parent;
}
