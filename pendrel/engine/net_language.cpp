#include "pendrel/engine/net_language.h"

#include "pendrel/engine/text.h"

#include <charconv>
#include <cstdint>
#include <cstring>

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) < 33;
}

// Collects characters into the item buffer, dropping those beyond its end.
struct ItemWriter {
    char* out;
    int n = 0;
    void Put(char c) {
        if (n < kItemBuffer - 1) out[n++] = c;
    }
    void Finish() { out[n] = 0; }
};

} // namespace

vItemKind vvPROCnextitem(const char* text, int* pos, char* item) {
    item[0] = 0;
    int p = *pos;
    while (text[p] && IsBlank(text[p])) {
        if (text[p++] == '\n') {
            *pos = p;
            return vItemKind::EmptyLine;
        }
    }
    if (!text[p]) {
        *pos = p;
        return vItemKind::End;
    }
    ItemWriter w{item};
    bool quoted = false;
    bool inQuote = false;
    int label = 0;   // depth of an open label
    char opener = 0; // '<', '!' (non-triggering) or '{'
    int square = 0;  // depth of square brackets
    bool first = true;
    while (text[p]) {
        char c = text[p];
        if (inQuote) {
            ++p;
            if (c == '"') {
                if (text[p] == '"') {
                    w.Put('"');
                    ++p;
                } else {
                    inQuote = false;
                }
            } else {
                w.Put(c);
            }
        } else if (label > 0) {
            ++p;
            if (c == '<' || c == '{') ++label;
            if (c == '>' || c == '}') --label;
            if (label > 0) w.Put(c);
        } else if (square > 0) {
            ++p;
            if (c == '[') ++square;
            if (c == ']') --square;
            w.Put(c);
        } else if (IsBlank(c)) {
            break; // a blank at top level ends the item once something was read
        } else if (c == '"') {
            ++p;
            quoted = inQuote = true;
        } else if (first && (c == '<' || c == '{')) {
            ++p;
            label = 1;
            opener = c;
            if (c == '<' && text[p] == '!') {
                opener = '!';
                ++p;
            }
        } else {
            ++p;
            if (c == '[') square = 1;
            w.Put(c);
        }
        first = false;
    }
    w.Finish();
    while (text[p] && IsBlank(text[p])) {
        if (text[p++] == '\n') break;
    }
    *pos = p;
    if (quoted) return vItemKind::Quoted;
    if (opener == '{') return vItemKind::HeldLabel;
    if (opener == '!') return vItemKind::NonTriggeringLabel;
    if (opener == '<') return vItemKind::Label;
    char c0 = item[0];
    if ((c0 >= '0' && c0 <= '9') || c0 == '.' || c0 == '[' ||
        ((c0 == '-' || c0 == '+') && item[1] != 0))
        return vItemKind::Constant;
    return vItemKind::Word;
}

vARRAY* vvPROCconstant(const char* item) {
    constexpr int kMaxDepth = 4;
    std::uint32_t commas[kMaxDepth + 1] = {};
    bool closed[kMaxDepth + 1] = {};
    int depth = 0;
    int deepest = 0;
    bool isFloat = false;
    for (const char* c = item; *c; ++c) {
        if (*c == '[') {
            if (++depth > kMaxDepth) return nullptr;
            if (depth > deepest) deepest = depth;
        } else if (*c == ']') {
            if (depth > 0) closed[depth--] = true;
        } else if (*c == ',') {
            if (depth > 0 && !closed[depth]) ++commas[depth];
        } else if (*c == '.') {
            isFloat = true;
        }
    }
    // The innermost depth is the first dimension.
    unsigned long dims[kMaxDepth];
    for (int d = 0; d < deepest; ++d)
        dims[d] = 1ul + commas[deepest - d];
    short type = isFloat ? kTypeF : kTypeL;
    vARRAY* a = vArrayCreate(type, static_cast<short>(deepest > 0 ? deepest : 1),
                             deepest > 0 ? dims : nullptr);
    if (!a) return nullptr;
    std::uint32_t next = 0;
    const char* c = item;
    while (*c) {
        if (!std::strchr(".-0123456789", *c)) {
            ++c;
            continue;
        }
        char run[41];
        int n = 0;
        for (; *c && std::strchr(".-0123456789", *c); ++c)
            if (n < 40) run[n++] = *c;
        run[n] = 0;
        if (next >= a->count) continue;
        if (isFloat) {
            float v = 0;
            std::from_chars(run, run + n, v);
            static_cast<float*>(a->data)[next++] = v;
        } else {
            long long v = 0;
            auto [end, error] = std::from_chars(run, run + n, v);
            // A number beyond 32 bits is held at the nearest end of the range.
            if (error == std::errc::result_out_of_range) v = run[0] == '-' ? INT64_MIN : INT64_MAX;
            if (v > INT32_MAX) v = INT32_MAX;
            if (v < INT32_MIN) v = INT32_MIN;
            (void)end;
            static_cast<std::int32_t*>(a->data)[next++] = static_cast<std::int32_t>(v);
        }
    }
    return a;
}

vLIST* vvProcessAscii2Data(const char* text) {
    vLIST* list = vListCreate();
    if (!list || !text) return list;
    char item[kItemBuffer];
    int pos = 0;
    for (;;) {
        vItemKind kind = vvPROCnextitem(text, &pos, item);
        if (kind == vItemKind::End) break;
        vOBJECT* data = nullptr;
        if (kind == vItemKind::Quoted)
            data = vTextCreate(item);
        else if (kind == vItemKind::Constant)
            data = vvPROCconstant(item);
        if (data && !vvInsert(list, data)) vvDestroy(data);
    }
    return list;
}

vOBJECT* vAscii2Data(const char* text) {
    vLIST* list = vvProcessAscii2Data(text);
    vOBJECT* first = vvRemoveFirst(list);
    vvDestroy(list);
    vvDecOwners(first); // handed over with no owner
    return first;
}
