// Registers a model instance and the parent of every framework class, once at start-up.
#include "pendrel/framework/glist.h"
#include "pendrel/framework/gstring.h"

void RegisterFrameworkClasses() {
    RegisterClass(gid::kG0, 0, std::make_unique<G0>());
    RegisterClass(gid::kList, gid::kG0, std::make_unique<GList>());
    RegisterClass(gid::kSortedList, gid::kList, std::make_unique<GSortedList>());
    RegisterClass(gid::kString, gid::kG0, std::make_unique<GString>());
    // Streams are never stored; only their ancestry is known.
    RegisterClass(gid::kStream, gid::kG0, nullptr);
    RegisterClass(gid::kStreamMemory, gid::kStream, nullptr);
    RegisterClass(gid::kStreamReadFile, gid::kStream, nullptr);
    RegisterClass(gid::kStreamWriteFile, gid::kStreamReadFile, nullptr);
    RegisterClass(gid::kSocket, gid::kStream, nullptr);
    RegisterClass(gid::kSocketUDP, gid::kSocket, nullptr);
    RegisterClass(gid::kSocketTCP, gid::kSocket, nullptr);
}
