#pragma once
// The net description language: its tokenizer, its constants, and the list of data items of
// a text as input boxes send them.
#include "pendrel/engine/array.h"
#include "pendrel/engine/list.h"
#include "pendrel/engine/strings.h"

enum class vItemKind {
    End,
    EmptyLine,
    Quoted,
    Label,
    HeldLabel,
    NonTriggeringLabel,
    Constant,
    Word,
};

// Reads the next item of text from *pos into item (kItemBuffer characters; longer items are
// cut, the rest of them is passed over). Always advances unless at the end.
vItemKind vvPROCnextitem(const char* text, int* pos, char* item);
// The array of a constant item, none when it is malformed (brackets nested deeper than 4).
vARRAY* vvPROCconstant(const char* item);

// A new list of the data items of the text (quoted texts and constants, in order).
vLIST* vvProcessAscii2Data(const char* text);
// The first data item of the text, or none.
vOBJECT* vAscii2Data(const char* text);
