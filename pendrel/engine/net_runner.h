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
    // Starts running queued calls; a stop of an earlier run is forgotten.
    void Run();
    void Halt() { vProcessSetRunning(process_, 0); }
    bool IsRunning() const { return process_ && process_->running; }
    bool QueueEmpty() const { return !vProcessCheckQue(process_); }

    // Why a run was stopped by the runner itself: a net whose calls multiply would exhaust
    // memory (more than the waiting limit of calls wait at once), a value would grow beyond
    // the array limit, or memory ran out while a value was made.
    enum class Stop { None, Flooded, TooLarge, OutOfMemory };
    // Runs the oldest queued call; false when none ran, because the queue is empty or the
    // run has stopped. A call that floods the queue or fails to make a value stops the run.
    bool RunNext();
    // Runs queued calls until the queue is empty, the run stops or `budget` calls have run;
    // returns the number run.
    long RunQueue(long budget);
    Stop Stopped() const { return stop_; }
    bool IsFlooded() const { return stop_ == Stop::Flooded; }
    // What to tell the user about the stop ("stopped: ..."), empty while none.
    std::string StopMessage() const;
    static constexpr long kMaxWaitingCalls = 1'000'000;
    void SetWaitingLimit(long limit) { waitingLimit_ = limit; }

private:
    vPATH* FindPath(std::string_view name) const;
    static int SendToPath(vPATH* path, vOBJECT* obj);

    ResultSink sink_;
    vPATH* uif_ = nullptr;
    vPROC* process_ = nullptr;
    Stop stop_ = Stop::None;
    long waitingLimit_ = kMaxWaitingCalls;
    // Every live runner, in a plain linked list that needs no destruction at exit: runners
    // kept by objects with static lifetime go after any registry would.
    NetRunner* previousLive_ = nullptr;
    NetRunner* nextLive_ = nullptr;
};

// The form in which pendrel prints a result: the object's to-text form (a text as it is) with
// each line feed written as backslash and n.
std::string ResultText(vOBJECT* obj);

// The exit statuses of pendrel's command lines.
inline constexpr int kExitDone = 0;
inline constexpr int kExitBadInput = 1;
inline constexpr int kExitCallLimit = 3;     // also: more than kMaxWaitingCalls calls waiting
inline constexpr int kExitValueTooLarge = 4; // beyond the array limit, or memory ran out
// Calls a command-line run makes at most unless told otherwise.
inline constexpr long kDefaultMaxCalls = 10'000'000;

// The exit status for a run stopped by its runner.
int ExitStatusOf(NetRunner::Stop stop);

// pendrel's command line. `--net FILE` runs a net (see the usage text); `--help` prints the
// usage; anything else without `--net` prints the usage and gives 1. Returns the exit status.
int RunCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                   std::ostream& err);
extern const char* const kUsage;

} // namespace pendrel
