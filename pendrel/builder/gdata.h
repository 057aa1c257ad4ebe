#pragma once
// GData: the framework's handle on one dataflow engine object. It holds one owner count of
// the object and gives it back when it goes. GArray only adds ways to make engine arrays.
#include "pendrel/framework/g0.h"

#include <string_view>

struct vOBJECT;

class GData : public G0 {
public:
    // The engine stream a value is written into starts at this capacity.
    static constexpr long kStreamCapacity = 4096;

    GData();
    // Takes one owner count of the object (none gives an empty handle).
    explicit GData(vOBJECT* object);
    // The first quoted text or constant of the text, as the net language reads it.
    explicit GData(std::string_view text);
    ~GData() override;

    std::unique_ptr<G0> CreateUninitInstance() const override { return std::make_unique<GData>(); }
    static constexpr GClassID kClassID = gid::kData;
    GClassID GetClassID() const override { return kClassID; }

    vOBJECT* Object() const { return object_; }
    void* Payload() const { return payload_; }
    bool IsEmpty() const { return object_ == nullptr; }

    // The engine object's type code and size (0 for an empty handle).
    int GetType() const;
    long GetSize() const;
    // An array's number of dimensions, 1 for other objects.
    int GetNoDimensions() const;
    // An array's size in dimension d (0-based), 0 for other objects.
    long GetDimensionSize(int d) const;
    // Calls an operation slot of the object's class (or its nearest ancestor that fills it)
    // with the object (and the other's) as arguments; none without a function or a result.
    std::unique_ptr<GData> CallFunction(int slot) const;
    std::unique_ptr<GData> CallFunction(int slot, const GData* other) const;

    // The header, then the long n and n bytes: the buffer of an engine stream holding the
    // value written with vSend, padded with zeros to the stream's capacity.
    void Send(GStream& stream) const override;
    // A value the engine cannot read back leaves the handle empty; the stream stays usable.
    bool Receive(GStream& stream) override;

protected:
    void Take(vOBJECT* object);

private:
    void Release();

    vOBJECT* object_ = nullptr;
    void* payload_ = nullptr;
};

// A copy of its own of an engine value that nobody else can change. None when the value cannot
// be copied whole because memory ran out: the caller drops it.
std::unique_ptr<GData> CopyOfValue(vOBJECT* object);

class GArray : public GData {
public:
    // A zero-filled engine array of the type code and shape (up to four dimensions).
    GArray(short type, short ndims, const long* dims);
    // A one-element array of type L (53) or D (56).
    explicit GArray(long value);
    explicit GArray(double value);
};
