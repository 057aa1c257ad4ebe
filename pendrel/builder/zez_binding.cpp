#include "pendrel/builder/zez_binding.h"

#include "pendrel/builder/gdata.h"
#include "pendrel/builder/run_log.h"
#include "pendrel/engine/engine.h"
#include "pendrel/engine/net_language.h"

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

} // namespace

void AddResultReceiver(ResultReceiver* receiver) {
    if (std::find(Receivers().begin(), Receivers().end(), receiver) == Receivers().end())
        Receivers().push_back(receiver);
}

void RemoveResultReceiver(ResultReceiver* receiver) {
    std::erase(Receivers(), receiver);
}

void zezSendToPath(std::string_view path, vOBJECT* obj) {
    if (obj == nullptr) return;
    // The wrapper's owner count keeps the object alive while the receivers look at it.
    GData data(obj);
    const std::string name(path);
    const std::vector<ResultReceiver*> receivers = Receivers();
    for (ResultReceiver* receiver : receivers)
        if (receiver->ReceiveResult(name, data)) return;
}

ZezBinding::ZezBinding() {
    Bindings().push_back(this);
}

ZezBinding::~ZezBinding() {
    std::erase(Bindings(), this);
    if (runner_) runner_->Halt();
}

bool ZezBinding::zez_main() {
    if (runner_ && runner_->IsOK()) return true;
    runner_ = std::make_unique<pendrel::NetRunner>(zezSendToPath);
    if (!runner_->IsOK()) {
        runner_.reset();
        return false;
    }
    return true;
}

void ZezBinding::zez_reset() {
    if (!runner_) return;
    runner_->Reset();
    timerCounter_ = 0;
    sent_.clear();
}

void ZezBinding::zez_run(unsigned long now) {
    lastTick_ = now;
    if (runner_) runner_->Run();
}

void ZezBinding::zez_halt() {
    if (runner_) runner_->Halt();
}

bool ZezBinding::zez_runstatus() const {
    return runner_ && runner_->IsRunning();
}

void ZezBinding::zez_registerpath(std::string_view name) {
    TheRunLog().PathRegistered(name);
    if (runner_) runner_->RegisterPath(name);
}

void ZezBinding::zez_sendcommands(std::string_view text) {
    TheRunLog().CommandSent(text);
    if (!runner_ || text.empty()) return;
    sent_.emplace_back(text);
    runner_->SendCommands(text);
}

vPATH* ZezBinding::FindPublicPath(std::string_view name) const {
    vPROC* process = Process();
    if (process == nullptr || process->publicPath == nullptr) return nullptr;
    const std::string key(name);
    return vAsPath(vvPathGetSub(process->publicPath, key.c_str()));
}

bool ZezBinding::zez_send(std::string_view name, std::string_view text) {
    return runner_ && runner_->Send(name, text);
}

bool ZezBinding::zez_sendobject(std::string_view name, vOBJECT* obj) {
    return runner_ && obj != nullptr && runner_->SendObject(name, obj);
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
    return Process() != nullptr ? vProcessReportFunction(Process(), i) : 0;
}

int ZezBinding::zez_funcfromlabel(std::string_view prefix, int* inputs) const {
    if (Process() == nullptr) return 0;
    const std::string copy(prefix);
    return vProcessFuncFromPartLabel(Process(), copy.c_str(), inputs);
}

int ZezBinding::zez_labelfromfunc(int function, std::string* keyword, int* inputs) const {
    if (Process() == nullptr) return 0;
    char buf[16] = {};
    const int found = vProcessLabelFromFunc(Process(), function, buf, inputs);
    if (found != 0 && keyword != nullptr) *keyword = buf;
    return found;
}

bool ZezBinding::zez_checkque(unsigned long now) {
    if (!runner_) return false;
    const long elapsed = static_cast<long>(now - lastTick_);
    if (elapsed > 0) {
        lastTick_ += static_cast<unsigned long>(elapsed);
        runner_->Tick(static_cast<std::uint32_t>(elapsed));
    }
    return !runner_->QueueEmpty();
}

void ZezBinding::zez_doidle() {
    zez_nextcall();
    zez_nextcall();
}

bool ZezBinding::zez_nextcall() {
    return runner_ && runner_->RunNext();
}

pendrel::NetRunner::Stop ZezBinding::Stopped() const {
    return runner_ ? runner_->Stopped() : pendrel::NetRunner::Stop::None;
}

std::string ZezBinding::StopMessage() const {
    return runner_ ? runner_->StopMessage() : std::string();
}

void ZezBinding::SetWaitingLimit(long limit) {
    if (runner_) runner_->SetWaitingLimit(limit);
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
