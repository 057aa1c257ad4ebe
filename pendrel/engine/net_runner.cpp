#include "pendrel/engine/net_runner.h"

#include "pendrel/engine/engine.h"
#include "pendrel/engine/failure.h"

#include <cstring>
#include <new>

namespace pendrel {

namespace {

// Result paths carry no pointer back to their runner; the runner is found by its uif path.
NetRunner* gFirstLiveRunner = nullptr;

} // namespace

NetRunner::NetRunner(ResultSink sink) : sink_(std::move(sink)) {
    nextLive_ = gFirstLiveRunner;
    if (nextLive_ != nullptr) nextLive_->previousLive_ = this;
    gFirstLiveRunner = this;
    if (!vEngineInitialize()) return;
    uif_ = static_cast<vPATH*>(vvIncOwners(vvPathCreate("ProcessToUif")));
    if (!uif_) return;
    for (const char* name : {"Error", "Status", "Message"})
        RegisterPath(name);
    process_ = static_cast<vPROC*>(vvIncOwners(vvProcessCreate("MAIN_Process", uif_)));
    if (process_) vProcessRegisterBuiltins(process_);
}

NetRunner::~NetRunner() {
    if (previousLive_ != nullptr)
        previousLive_->nextLive_ = nextLive_;
    else
        gFirstLiveRunner = nextLive_;
    if (nextLive_ != nullptr) nextLive_->previousLive_ = previousLive_;
    vvRelease(process_);
    vvRelease(uif_);
}

int NetRunner::SendToPath(vPATH* path, vOBJECT* obj) {
    if (!obj) return 0;
    vvIncOwners(obj);
    vvRemove(path, obj);
    for (NetRunner* runner = gFirstLiveRunner; runner != nullptr; runner = runner->nextLive_) {
        if (runner->uif_ == path->parent && runner->sink_) {
            // The sink runs inside an engine call: no exception may cross the engine. A result
            // too large to show is dropped and the run stops.
            try {
                runner->sink_(path->key ? path->key : "", obj);
            } catch (const std::bad_alloc&) {
                vNoteFailure(vFailure::OutOfMemory);
            }
            break;
        }
    }
    vvRelease(obj);
    return 1;
}

void NetRunner::RegisterPath(std::string_view name) {
    if (!uif_) return;
    // A program registers its outputs again on every setup; one path per name is enough.
    const std::string key(name);
    if (vListFindKey(uif_, key.c_str())) return;
    vPATH* p = vvPathCreate(key.c_str());
    if (!p) return;
    vvPathSetHandler(p, &NetRunner::SendToPath);
    vSetParent(p, uif_);
    if (!vvInsert(uif_, p)) vvDestroy(p);
}

void NetRunner::SendCommands(std::string_view text) {
    vPATH* command = vProcessCommandPath(process_);
    if (!command) return;
    std::string copy(text);
    vTEXT* t = vTextCreateRaw(copy.c_str(), static_cast<long>(std::strlen(copy.c_str())));
    vvPathSend(command, t);
}

vPATH* NetRunner::FindPath(std::string_view name) const {
    if (!process_) return nullptr;
    std::string key(name);
    if (vPATH* p = vAsPath(vvPathGetSub(process_->publicPath, key.c_str()))) return p;
    return vAsPath(vvPathGetSub(uif_, key.c_str()));
}

bool NetRunner::Send(std::string_view name, std::string_view text) {
    vPATH* path = FindPath(name);
    if (!path) return false;
    std::string copy(text);
    vLIST* items = vvProcessAscii2Data(copy.c_str());
    while (vOBJECT* item = vvRemoveFirst(items)) {
        vvPathSend(path, item);
        vvRelease(item);
    }
    vvDestroy(items);
    return true;
}

bool NetRunner::SendObject(std::string_view name, vOBJECT* obj) {
    vPATH* path = FindPath(name);
    if (!path) return false;
    vvIncOwners(obj);
    vvPathSend(path, obj);
    vvRelease(obj);
    return true;
}

void NetRunner::Tick(std::uint32_t tenths) {
    vPATH* timer = vProcessTimerPath(process_);
    vARRAY* t = vArrayCreate1(kTypeUL, 1);
    if (!t) return;
    *static_cast<std::uint32_t*>(t->data) = tenths;
    vvIncOwners(t);
    vvPathSend(timer, t);
    vvRelease(t);
}

void NetRunner::Reset() {
    vProcessReset(process_);
}

void NetRunner::Run() {
    stop_ = Stop::None;
    // Failures noted outside a run (a damaged value read from a file) are not the run's.
    vTakeFailure();
    vProcessSetRunning(process_, 1);
}

bool NetRunner::RunNext() {
    if (stop_ != Stop::None || !process_ || !vvProcessNextFunction(process_)) return false;
    switch (vTakeFailure()) {
    case vFailure::TooLarge:
        stop_ = Stop::TooLarge;
        break;
    case vFailure::OutOfMemory:
        stop_ = Stop::OutOfMemory;
        break;
    case vFailure::None:
        if (vvListSize(process_->queue) > waitingLimit_) stop_ = Stop::Flooded;
        break;
    }
    // A stopped run's waiting calls would only go on where it stopped: they are dropped, and
    // the memory they hold with them.
    if (stop_ != Stop::None) {
        while (vOBJECT* entry = vvRemoveFirst(process_->queue))
            vvRelease(entry);
    }
    return true;
}

long NetRunner::RunQueue(long budget) {
    long n = 0;
    while (n < budget && RunNext())
        ++n;
    return n;
}

std::string NetRunner::StopMessage() const {
    switch (stop_) {
    case Stop::Flooded:
        return "stopped: more than " + std::to_string(waitingLimit_) + " calls waiting at once";
    case Stop::TooLarge:
        return "stopped: a value would grow beyond the array limit of " +
               std::to_string(kMaxArrayBytes) + " bytes";
    case Stop::OutOfMemory:
        return "stopped: memory ran out while a value was made";
    case Stop::None:
        break;
    }
    return {};
}

int ExitStatusOf(NetRunner::Stop stop) {
    switch (stop) {
    case NetRunner::Stop::Flooded:
        return kExitCallLimit;
    case NetRunner::Stop::TooLarge:
    case NetRunner::Stop::OutOfMemory:
        return kExitValueTooLarge;
    case NetRunner::Stop::None:
        break;
    }
    return kExitDone;
}

std::string ResultText(vOBJECT* obj) {
    int size = 2048;
    if (vvIsClass(obj, vTextClass))
        size = static_cast<int>(std::strlen(vTextGet(static_cast<vTEXT*>(obj)))) + 1;
    std::string buffer(static_cast<size_t>(size), '\0');
    int n = vToAscii(obj, buffer.data(), size);
    buffer.resize(static_cast<size_t>(n));
    std::string out;
    out.reserve(buffer.size());
    for (char c : buffer) {
        if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

} // namespace pendrel
