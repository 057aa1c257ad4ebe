#pragma once
// The bridge between one drawn program and its engine process. The binding owns the process
// "MAIN_Process", its outer path "ProcessToUif" (with "Error", "Status", "Message" and one path
// per output box) and the tick array; it sends net text, values and ticks in, and lets the
// process run queued calls. Results that reach the outer path are handed to every registered
// result receiver until one takes them.
#include "pendrel/engine/net_runner.h"
#include "pendrel/engine/process.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class GData;

namespace vpl {

class TickSource;

// Whoever shows results: asked, with the name of the path a result arrived on, whether it has
// an output of that name; if so it gets the result wrapped in a GData (it keeps the engine
// object by taking an owner count or a copy of the handle).
class ResultReceiver {
public:
    virtual ~ResultReceiver() = default;
    virtual bool ReceiveResult(std::string_view path, GData& data) = 0;
};

void AddResultReceiver(ResultReceiver* receiver);
void RemoveResultReceiver(ResultReceiver* receiver);

// Where every object that reaches a path of the outer path goes: to the receiver that has an
// output of the path's name; an object nobody takes is freed.
void zezSendToPath(std::string_view path, vOBJECT* obj);

class ZezBinding {
public:
    ZezBinding();
    ZezBinding(const ZezBinding&) = delete;
    ZezBinding& operator=(const ZezBinding&) = delete;
    ~ZezBinding();

    // Starts the engine (once for the whole program), builds the outer path and the process
    // with the built-in functions, and the tick array. Later calls do nothing. False when the
    // engine could not be started.
    bool zez_main();
    // Throws the net away: a fresh public path, the timer counter back to 0.
    void zez_reset();
    // Switches the process to running, counting elapsed ticks from `now`.
    void zez_run(unsigned long now);
    void zez_halt();
    bool zez_runstatus() const;

    void zez_registerpath(std::string_view name);
    // Hands net text to the process, which interprets it at once.
    void zez_sendcommands(std::string_view text);
    // Sends the data items of the text (quoted texts and constants), in order, to the named
    // path; false when there is no such path.
    bool zez_send(std::string_view name, std::string_view text);
    // Sends the object (the caller keeps its own owner count); false when there is no path.
    bool zez_sendobject(std::string_view name, vOBJECT* obj);
    // The first object waiting on the named public path, or none; and how many wait there.
    vOBJECT* zez_getheldobject(std::string_view name) const;
    long zez_pathsize(std::string_view name) const;

    int zez_reportfunctions(int i) const;
    int zez_funcfromlabel(std::string_view prefix, int* inputs) const;
    int zez_labelfromfunc(int function, std::string* keyword, int* inputs) const;

    // Sends the ticks elapsed since the last one to the timer path; true when calls are queued.
    bool zez_checkque(unsigned long now);
    // Runs two queued calls.
    void zez_doidle();
    // Runs one queued call; false when none was run (the queue is empty or the run stopped).
    bool zez_nextcall();
    // Why the engine stopped the run (none while it may go on), and what to tell the user.
    pendrel::NetRunner::Stop Stopped() const;
    std::string StopMessage() const;
    // How many calls may wait at once before the run stops: a net whose calls multiply would
    // otherwise take all memory.
    void SetWaitingLimit(long limit);

    // The timer counter of the current setup: each translated timer takes the next number.
    long NextTimerNumber() { return ++timerCounter_; }
    long TimerCounter() const { return timerCounter_; }
    // Every net text sent since the last reset, in order.
    const std::vector<std::string>& SentCommands() const { return sent_; }
    vPROC* Process() const { return runner_ ? runner_->Process() : nullptr; }
    vPATH* UifPath() const { return runner_ ? runner_->UifPath() : nullptr; }

private:
    vPATH* FindPublicPath(std::string_view name) const;

    // The process with its outer path, shared with pendrel's net runner.
    std::unique_ptr<pendrel::NetRunner> runner_;
    unsigned long lastTick_ = 0;
    long timerCounter_ = 0;
    std::vector<std::string> sent_;
};

// The keyword of a function number, asked of every binding in turn until one knows it.
bool vplglobal_labelfromfunc(int function, std::string* keyword, int* inputs);
// The function whose keyword alone begins with the prefix, 0 when none or several do.
int vplglobal_funcfromlabel(std::string_view prefix, int* inputs);

} // namespace vpl
