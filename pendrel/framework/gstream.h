#pragma once
// GStream: objects, with references between them, as little-endian bytes. The variants supply
// Read and Write; this class keeps the objects received so far (by the serial they were
// written with) and the references that wait for an object not yet read.
//
// A damaged stream never crashes a reader: the first short read, unknown class or absurd
// length marks the stream failed, every later read gives zeros, and the object being read is
// discarded.
#include "pendrel/framework/g0.h"

#include <string>
#include <unordered_map>
#include <vector>

class GStream : public G0 {
public:
    static constexpr short kReferenceMark = -1;
    static constexpr long kStringLimit = 32000;
    // Objects nest at most this deep; deeper data is treated as damaged.
    static constexpr int kMaxDepth = 200;

    GStream();
    ~GStream() override;

    std::unique_ptr<G0> CreateUninitInstance() const override { return nullptr; }
    static constexpr GClassID kClassID = gid::kStream;
    GClassID GetClassID() const override { return kClassID; }

    // Raw bytes; both return how many were moved.
    virtual long Read(void* bytes, long count) = 0;
    virtual long Write(const void* bytes, long count) = 0;
    virtual long Length() const = 0;
    // Bytes left to read; bounds every length read from the data.
    virtual long Remaining() const = 0;
    // Back to the start; pending references are resolved and the bookkeeping cleared.
    virtual void Rewind();

    bool IsOK() const { return usable_ && !failed_; }
    bool IsUsable() const { return usable_; }
    void MarkFailed() { failed_ = true; }

    void SendChar(char value);
    void SendBoolean(bool value);
    void SendShort(short value);
    void SendLong(long value);
    void SendDouble(double value);
    void SendString(std::string_view text);
    void SendReference(const G0* object);
    void SendObject(const G0* object);
    void SendBytes(const void* bytes, long count);

    char ReceiveChar();
    bool ReceiveBoolean();
    short ReceiveShort();
    long ReceiveLong();
    double ReceiveDouble();
    std::string ReceiveString();
    bool ReceiveBytes(void* bytes, long count);

    // A reference resolved from the objects read so far, or none.
    G0* ReceiveReference();
    // A reference stored into *slot now, or later when the object arrives. The holder is the
    // object that contains the slot.
    void ReceiveReference(G0** slot, G0* holder);
    std::unique_ptr<G0> ReceiveObject();
    // An object its holder keeps for itself, outside every list (a graphic's adorners, a tie's
    // held data): no reference may name it, since a list holding it by a reference would delete
    // it under its holder. A written file never refers to such an object; a damaged one that
    // does gets its reference dropped as one to an object that never arrived.
    std::unique_ptr<G0> ReceiveOwnObject();
    // An object whose class identifier has already been read.
    std::unique_ptr<G0> ReceiveObjectBody(GClassID id);
    // Either form: a reference fills *slot (now or later) and returns none; an object is
    // returned to the caller and also stored into *slot.
    std::unique_ptr<G0> ReceiveReferenceOrObject(G0** slot, G0* holder);

    G0* ReferenceToPointer(long serial) const;
    void AddPendingReference(long serial, G0* holder, G0** slot);
    // Fills every waiting reference whose object has arrived.
    void ResolveReferences();
    // Fills what can be filled and drops the rest.
    void ResolveAllReferences();
    int PendingReferences() const { return static_cast<int>(pending_.size()); }

    // Called when an object goes away, so that no stream keeps a pointer to it.
    static void ForgetObject(const G0* object);
    static void ForgetHolder(const G0* holder);
    static void ForgetSlot(G0* const* slot);

protected:
    void MarkUnusable() { usable_ = false; }
    void MarkUsable() { usable_ = true; }
    void ClearBookkeeping();

private:
    // No reference of this stream resolves to the object any more.
    void UnlistReceived(const G0* object);

    struct Pending {
        long serial;
        G0* holder;
        G0** slot;
    };
    void SendInteger(std::uint32_t value, int bytes);
    std::uint32_t ReceiveInteger(int bytes);

    bool usable_ = true;
    bool failed_ = false;
    int depth_ = 0;
    std::unordered_map<long, G0*> received_;
    std::unordered_map<const G0*, long> receivedSerialOf_;
    std::vector<Pending> pending_;
    // Every live stream, in a plain linked list that needs no destruction at exit.
    GStream* previousLive_ = nullptr;
    GStream* nextLive_ = nullptr;
};
