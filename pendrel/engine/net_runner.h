#pragma once
// The engine binding of one dataflow program, as a program view has it: the "ProcessToUif"
// path with "Error", "Status" and "Message", the process "MAIN_Process" with the built-in
// functions, result paths, commands, data sends, timer ticks and the running of queued calls.
// The command-line runner of pendrel is built on it.
#include "pendrel/engine/process.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace pendrel {

class NetRunner {
public:
    // Called with the path name for every object that reaches a path of the uif path; the
    // object is released after the call (the sink takes an owner count to keep it).
    using ResultSink = std::function<void(std::string_view name, vOBJECT* obj)>;

    explicit NetRunner(ResultSink sink);
    ~NetRunner();
    NetRunner(const NetRunner&) = delete;
    NetRunner& operator=(const NetRunner&) = delete;

    // False when the engine could not be set up (no memory).
    bool IsOK() const { return process_ != nullptr; }
    vPROC* Process() const { return process_; }
    vPATH* UifPath() const { return uif_; }

    // A result path of that name in the uif path (once: a second call changes nothing).
    void RegisterPath(std::string_view name);
    // Hands net description text to the process, which builds its net at once.
    void SendCommands(std::string_view text);
    // Converts the text into data items and sends each to the named path, as an input box
    // does; false when there is no such path.
    bool Send(std::string_view name, std::string_view text);
    bool SendObject(std::string_view name, vOBJECT* obj);
    // Sends a one-element UL array holding the tenths of seconds to the timer path.
    void Tick(std::uint32_t tenths);
    void Reset();
    void Run() { vProcessSetRunning(process_, 1); }
    void Halt() { vProcessSetRunning(process_, 0); }
    bool IsRunning() const { return process_ && process_->running; }
    bool QueueEmpty() const { return !vProcessCheckQue(process_); }
    // Runs queued calls until the queue is empty or `budget` calls have run; returns the
    // number run. Stops early, and marks the net as flooded, when more than kMaxWaitingCalls
    // calls wait at once (a net whose calls multiply would otherwise exhaust memory).
    long RunQueue(long budget);
    bool IsFlooded() const { return flooded_; }
    static constexpr long kMaxWaitingCalls = 1'000'000;
    void SetWaitingLimit(long limit) { waitingLimit_ = limit; }

private:
    vPATH* FindPath(std::string_view name) const;
    static int SendToPath(vPATH* path, vOBJECT* obj);

    ResultSink sink_;
    vPATH* uif_ = nullptr;
    vPROC* process_ = nullptr;
    bool flooded_ = false;
    long waitingLimit_ = kMaxWaitingCalls;
    // Every live runner, in a plain linked list that needs no destruction at exit: runners
    // kept by objects with static lifetime go after any registry would.
    NetRunner* previousLive_ = nullptr;
    NetRunner* nextLive_ = nullptr;
};

// The form in which pendrel prints a result: the object's to-text form (a text as it is) with
// each line feed written as backslash and n.
std::string ResultText(vOBJECT* obj);

// pendrel's command line. `--net FILE` runs a net (see the usage text); `--help` prints the
// usage; anything else without `--net` prints the usage and gives 1. Returns the exit status:
// 0 done, 1 bad option or unreadable file, 3 the call limit was reached.
int RunCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                   std::ostream& err);
extern const char* const kUsage;

} // namespace pendrel
