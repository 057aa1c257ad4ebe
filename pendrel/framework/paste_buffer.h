#pragma once
// The paste buffer shared by every window: a list that owns what was copied.
#include "pendrel/framework/glist.h"

GList& PasteBuffer();
void AddToPasteBuffer(std::unique_ptr<G0> object);
void ClearPasteBuffer();
// Its first object, or none.
G0* GetFromPasteBuffer();
