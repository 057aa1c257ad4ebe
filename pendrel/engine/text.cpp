#include "pendrel/engine/text.h"

#include "pendrel/engine/strings.h"
#include "pendrel/engine/sys.h"

#include <cstring>

CLASSdum* vTextClass = nullptr;

namespace {

// Creation arguments: the string, and whether its escapes are resolved.
struct TextArgument {
    const char* text;
    long length;
    bool escapes;
};

// Copies `length` bytes of src to dst, resolving escapes when asked; returns the new length.
long CopyText(const char* src, long length, char* dst, bool escapes) {
    long n = 0;
    for (long i = 0; i < length; ++i) {
        char c = src[i];
        if (!escapes || c != '\\') {
            dst[n++] = c;
            continue;
        }
        if (i + 1 >= length) break; // a lone backslash at the end is dropped
        char next = src[++i];
        if (next == '\\')
            dst[n++] = '\\';
        else if (next == 'n')
            dst[n++] = '\n';
        else if (next == 'r')
            dst[n++] = '\r';
    }
    dst[n] = 0;
    return n;
}

int vvTEXTinitdata(vOBJECT* obj, int argc, void** argv) {
    auto* t = static_cast<vTEXT*>(obj);
    t->text = nullptr;
    if (argc < 1 || !argv[0]) return -1;
    const auto* arg = static_cast<const TextArgument*>(argv[0]);
    t->text = static_cast<char*>(sysMalloc(static_cast<unsigned long>(arg->length) + 1));
    if (!t->text) return -1;
    CopyText(arg->text, arg->length, t->text, arg->escapes);
    return 1;
}

void vvTEXTdestroy(vOBJECT* obj) {
    auto* t = static_cast<vTEXT*>(obj);
    sysFree(t->text);
    t->text = nullptr;
}

int vvTEXTsend(vOBJECT* stream, vOBJECT* obj) {
    auto* t = static_cast<vTEXT*>(obj);
    if (!t->text) return 1;
    long n = static_cast<long>(std::strlen(t->text)) + 1;
    return vWrite(stream, kTypeUC, t->text, n) == n;
}

int vvTEXTreceive(vOBJECT* stream, vOBJECT* obj) {
    auto* t = static_cast<vTEXT*>(obj);
    char bytes[kTextStreamLimit + 1];
    long got = vRead(stream, kTypeUC, bytes, kTextStreamLimit + 1);
    long length = 0;
    while (length < got && length < kTextStreamLimit && bytes[length])
        ++length;
    t->text = static_cast<char*>(sysMalloc(static_cast<unsigned long>(length) + 1));
    if (!t->text) return 0;
    // The bytes were stored with their escapes already resolved; they are taken as they are.
    CopyText(bytes, length, t->text, false);
    return 1;
}

void vvTEXTdescribe(vOBJECT* obj, char* buf, int* pos, int limit) {
    igAddWord("\n", buf, pos, limit);
    igAddWord(static_cast<vTEXT*>(obj)->text, buf, pos, limit);
}

void vvTEXTtoascii(vOBJECT* obj, char* buf, int* pos, int limit) {
    igAddWord(static_cast<vTEXT*>(obj)->text, buf, pos, limit);
}

void* vvTEXTgetdata(vOBJECT* obj) {
    return static_cast<vTEXT*>(obj)->text;
}

long vvTEXTgetsize(vOBJECT* obj) {
    const char* s = static_cast<vTEXT*>(obj)->text;
    return s ? static_cast<long>(std::strlen(s)) : 0;
}

int vvTEXTgettype(vOBJECT*) {
    return kTypeText;
}

vTEXT* Create(const char* text, long length, bool escapes) {
    TextArgument arg{text ? text : "", text ? length : 0, escapes};
    void* argv[] = {&arg, nullptr};
    return static_cast<vTEXT*>(vCreate(vTextClass, 1, argv));
}

} // namespace

int vTextInitialize() {
    vTextClass = vClassInitialize(vObjectClass, sizeof(vTEXT), kClassText, "Text");
    if (!vTextClass) return 0;
    vClassSetFunction(vTextClass, kSlotInitData, &vvTEXTinitdata);
    vClassSetFunction(vTextClass, kSlotDestroy, &vvTEXTdestroy);
    vClassSetFunction(vTextClass, kSlotSend, &vvTEXTsend);
    vClassSetFunction(vTextClass, kSlotReceive, &vvTEXTreceive);
    vClassSetFunction(vTextClass, kSlotDescribe, &vvTEXTdescribe);
    vClassSetFunction(vTextClass, kSlotToAscii, &vvTEXTtoascii);
    vClassSetFunction(vTextClass, kSlotGetData, &vvTEXTgetdata);
    vClassSetFunction(vTextClass, kSlotGetSize, &vvTEXTgetsize);
    vClassSetFunction(vTextClass, kSlotGetType, &vvTEXTgettype);
    return 1;
}

vTEXT* vTextCreate(const char* text) {
    return Create(text, text ? static_cast<long>(std::strlen(text)) : 0, true);
}

vTEXT* vTextCreateRaw(const char* text, long length) {
    return Create(text, length < 0 ? 0 : length, false);
}

const char* vTextGet(const vTEXT* text) {
    return text ? text->text : nullptr;
}

const char* vTextUpper(const vTEXT* text) {
    static char buffer[256];
    buffer[0] = 0;
    if (!text || !text->text) return buffer;
    int n = 0;
    for (; n < 255 && text->text[n]; ++n) {
        char c = text->text[n];
        buffer[n] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    buffer[n] = 0;
    return buffer;
}
