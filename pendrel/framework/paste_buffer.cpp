#include "pendrel/framework/paste_buffer.h"

GList& PasteBuffer() {
    static GList buffer;
    return buffer;
}

void AddToPasteBuffer(std::unique_ptr<G0> object) {
    PasteBuffer().InsertOwned(std::move(object));
}

void ClearPasteBuffer() {
    PasteBuffer().DeleteAll();
}

G0* GetFromPasteBuffer() {
    return PasteBuffer().First();
}
