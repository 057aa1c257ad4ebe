#include "pendrel/builder/zez_binding.h"

#include "pendrel/builder/run_log.h"
#include "pendrel/engine/engine.h"
#include "pendrel/engine/net_language.h"
#include "pendrel/framework/gdata.h"

#include <algorithm>
#include <vector>

namespace vpl {

namespace {

// Both registries outlive every other static: the program views kept as models in the
// framework's class tables leave them while the program ends. They are never freed.
std::vector<ResultReceiver*>& Receivers() {
    static auto& receivers = *new std::vector<ResultReceiver*>();
    return receivers;
}

std::vector<ZezBinding*>& Bindings() {
    static auto& bindings = *new std::vector<ZezBinding*>();
    return bindings;
}

// Large enough that no consumer of the tick array ever frees it.
constexpr std::int32_t kTickOwners = 10000;

vPATH* NewUifPath(vPATH* uif, const char* name) {
    vPATH* path = vvPathCreate(name);
    if (path == nullptr) return nullptr;
    vvPathSetHandler(path, zezSendToPath);
    vvInsert(uif, path);
    vSetParent(path, uif);
    return path;
}

} // namespace

void AddResultReceiver(ResultReceiver* receiver) {
    if (std::find(Receivers().begin(), Receivers().end(), receiver) == Receivers().end())
        Receivers().push_back(receiver);
}

void RemoveResultReceiver(ResultReceiver* receiver) {
    std::erase(Receivers(), receiver);
}

int zezSendToPath(vPATH* path, vOBJECT* obj) {
    if (path == nullptr || obj == nullptr) return 0;
    // The wrapper's owner count keeps the object alive once the path lets go of it.
    GData data(obj);
    vvRemove(path, obj);
    const char* key = vGetKey(path);
    const std::string name = key != nullptr ? key : "";
    const std::vector<ResultReceiver*> receivers = Receivers();
    for (ResultReceiver* receiver : receivers)
        if (receiver->ReceiveResult(name, data)) return 1;
    return 0;
}

ZezBinding::ZezBinding() {
    Bindings().push_back(this);
}

ZezBinding::~ZezBinding() {
    std::erase(Bindings(), this);
    if (process_ != nullptr) {
        vProcessSetRunning(process_, 0);
        vvRelease(process_);
    }
    vvRelease(uif_);
    if (tick_ != nullptr) {
        tick_->owners = 1;
        vvRelease(tick_);
    }
}

bool ZezBinding::zez_main() {
    if (process_ != nullptr) return true;
    if (vEngineInitialize() != 1) return false;
    uif_ = vvPathCreate("ProcessToUif");
    if (uif_ == nullptr) return false;
    vvIncOwners(uif_);
    for (const char* name : {"Error", "Status", "Message"})
        NewUifPath(uif_, name);
    process_ = vvProcessCreate("MAIN_Process", uif_);
    if (process_ == nullptr) return false;
    vvIncOwners(process_);
    vProcessRegisterBuiltins(process_);
    tick_ = vArrayCreate1(kTypeUL, 1);
    if (tick_ != nullptr) {
        static_cast<std::uint32_t*>(tick_->data)[0] = 1;
        vvIncOwners(tick_);
    }
    commandPath_ = vProcessCommandPath(process_);
    timerPath_ = vProcessTimerPath(process_);
    return true;
}

void ZezBinding::zez_reset() {
    if (process_ == nullptr) return;
    vProcessReset(process_);
    commandPath_ = vProcessCommandPath(process_);
    timerPath_ = vProcessTimerPath(process_);
    timerCounter_ = 0;
    sent_.clear();
}

void ZezBinding::zez_run(unsigned long now) {
    lastTick_ = now;
    if (process_ != nullptr) vProcessSetRunning(process_, 1);
}

void ZezBinding::zez_halt() {
    if (process_ != nullptr) vProcessSetRunning(process_, 0);
}

bool ZezBinding::zez_runstatus() const {
    return process_ != nullptr && process_->running != 0;
}

void ZezBinding::zez_registerpath(std::string_view name) {
    TheRunLog().PathRegistered(name);
    if (uif_ == nullptr) return;
    const std::string key(name);
    // A later setup registers the same outputs again; one path per name is enough.
    if (vListFindKey(uif_, key.c_str()) != nullptr) return;
    NewUifPath(uif_, key.c_str());
}

void ZezBinding::zez_sendcommands(std::string_view text) {
    TheRunLog().CommandSent(text);
    if (commandPath_ == nullptr || text.empty()) return;
    sent_.emplace_back(text);
    // Net text goes in as it is: quoted texts in it resolve their escapes when interpreted.
    vTEXT* command = vTextCreateRaw(text.data(), static_cast<long>(text.size()));
    if (command != nullptr) vvPathSend(commandPath_, command);
}

vPATH* ZezBinding::FindPublicPath(std::string_view name) const {
    if (process_ == nullptr || process_->publicPath == nullptr) return nullptr;
    const std::string key(name);
    return vAsPath(vvPathGetSub(process_->publicPath, key.c_str()));
}

vPATH* ZezBinding::FindPath(std::string_view name) const {
    if (vPATH* path = FindPublicPath(name)) return path;
    if (uif_ == nullptr) return nullptr;
    const std::string key(name);
    return vAsPath(vvPathGetSub(uif_, key.c_str()));
}

bool ZezBinding::zez_send(std::string_view name, std::string_view text) {
    vPATH* path = FindPath(name);
    if (path == nullptr) return false;
    const std::string copy(text);
    vLIST* items = vvProcessAscii2Data(copy.c_str());
    if (items == nullptr) return true;
    vvIncOwners(items);
    for (vNODE* node = items->head; node != nullptr; node = node->next)
        vvPathSend(path, node->object);
    vvRelease(items);
    return true;
}

bool ZezBinding::zez_sendobject(std::string_view name, vOBJECT* obj) {
    vPATH* path = FindPath(name);
    if (path == nullptr || obj == nullptr) return false;
    vvPathSend(path, obj);
    return true;
}

vOBJECT* ZezBinding::zez_getheldobject(std::string_view name) const {
    vPATH* path = FindPublicPath(name);
    return path != nullptr ? vListFirst(path) : nullptr;
}

long ZezBinding::zez_pathsize(std::string_view name) const {
    vPATH* path = FindPublicPath(name);
    return path != nullptr ? vvListSize(path) : 0;
}

int ZezBinding::zez_reportfunctions(int i) const {
    return process_ != nullptr ? vProcessReportFunction(process_, i) : 0;
}

int ZezBinding::zez_funcfromlabel(std::string_view prefix, int* inputs) const {
    if (process_ == nullptr) return 0;
    const std::string copy(prefix);
    return vProcessFuncFromPartLabel(process_, copy.c_str(), inputs);
}

int ZezBinding::zez_labelfromfunc(int function, std::string* keyword, int* inputs) const {
    if (process_ == nullptr) return 0;
    char buf[16] = {};
    const int found = vProcessLabelFromFunc(process_, function, buf, inputs);
    if (found != 0 && keyword != nullptr) *keyword = buf;
    return found;
}

bool ZezBinding::zez_checkque(unsigned long now) {
    if (process_ == nullptr) return false;
    const long elapsed = static_cast<long>(now - lastTick_);
    if (elapsed > 0 && tick_ != nullptr && timerPath_ != nullptr) {
        lastTick_ += static_cast<unsigned long>(elapsed);
        static_cast<std::uint32_t*>(tick_->data)[0] = static_cast<std::uint32_t>(elapsed);
        tick_->owners = kTickOwners;
        vvPathSend(timerPath_, tick_);
    }
    return vProcessCheckQue(process_) != 0;
}

void ZezBinding::zez_doidle() {
    zez_nextcall();
    zez_nextcall();
}

bool ZezBinding::zez_nextcall() {
    return process_ != nullptr && vvProcessNextFunction(process_) != 0;
}

namespace {

// A binding with a process: any program's, else (while the first file is read) one of its
// own. Every process has the same function table.
const ZezBinding& AnyBinding() {
    for (ZezBinding* binding : Bindings())
        if (binding->Process() != nullptr) return *binding;
    static ZezBinding spare;
    spare.zez_main();
    return spare;
}

} // namespace

bool vplglobal_labelfromfunc(int function, std::string* keyword, int* inputs) {
    for (ZezBinding* binding : Bindings())
        if (binding->Process() != nullptr && binding->zez_labelfromfunc(function, keyword, inputs))
            return true;
    return AnyBinding().zez_labelfromfunc(function, keyword, inputs) != 0;
}

int vplglobal_funcfromlabel(std::string_view prefix, int* inputs) {
    return AnyBinding().zez_funcfromlabel(prefix, inputs);
}

} // namespace vpl
