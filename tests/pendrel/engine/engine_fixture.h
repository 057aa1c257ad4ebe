#pragma once
// Starts the engine once for the tests and checks that each test leaves no object behind
// that it created (LeakSanitizer catches the rest).
#include "pendrel/engine/engine.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

class EngineTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(vEngineInitialize(), 1); }
};

// Owns one reference to an engine object for the length of a test.
struct Owned {
    vOBJECT* obj = nullptr;
    Owned() = default;
    explicit Owned(vOBJECT* o) : obj(o) { vvIncOwners(obj); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned() { vvRelease(obj); }
    template <class T> T* As() const { return static_cast<T*>(obj); }
    vARRAY* Array() const { return static_cast<vARRAY*>(obj); }
};

// Calls an array function as a block would: its inputs owned for the call, the result handed
// to the caller unowned.
inline vOBJECT* Apply(vOBJECT* (*fn)(vOBJECT**), std::initializer_list<vOBJECT*> inputs) {
    std::vector<vOBJECT*> argv(inputs);
    argv.push_back(nullptr);
    for (vOBJECT* o : inputs)
        vvIncOwners(o);
    vOBJECT* r = fn(argv.data());
    vvIncOwners(r);
    for (vOBJECT* o : inputs)
        vvRelease(o);
    if (r) --r->owners;
    return r;
}

inline vARRAY* MakeArray(short type, std::initializer_list<double> values) {
    vARRAY* a = vArrayCreate1(type, values.size());
    vARRAY* d = vArrayCreate1(kTypeD, values.size());
    auto* p = static_cast<double*>(d->data);
    for (double v : values)
        *p++ = v;
    vConvert(d, a, a);
    vvDestroy(d);
    return a;
}

inline vARRAY* MakeShaped(short type, std::initializer_list<unsigned long> dims) {
    std::vector<unsigned long> sizes(dims);
    return vArrayCreate(type, static_cast<short>(sizes.size()), sizes.data());
}

inline std::vector<double> ValuesOf(const vOBJECT* obj) {
    std::vector<double> out;
    const vARRAY* a = vAsArray(obj);
    if (a)
        for (std::uint32_t i = 0; i < a->count; ++i)
            out.push_back(vDoubleVal(a, i));
    return out;
}

inline std::string Describe(vOBJECT* obj) {
    char buf[1024];
    vDescribe(obj, buf, sizeof buf);
    return buf;
}

inline std::string ToAscii(vOBJECT* obj) {
    char buf[2048];
    vToAscii(obj, buf, sizeof buf);
    return buf;
}
