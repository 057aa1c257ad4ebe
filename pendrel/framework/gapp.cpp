#include "pendrel/framework/gapp.h"

#include "pendrel/framework/focus.h"
#include "pendrel/framework/ggraphic.h"
#include "pendrel/framework/gstream_memory.h"
#include "pendrel/framework/gsys.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/paste_buffer.h"
#include "pendrel/framework/properties.h"

namespace {
GApp* gCurrentApp = nullptr;
constexpr long kFirstDocumentX = 100;
constexpr long kFirstDocumentY = 40;
constexpr long kDocumentOffset = 18;
} // namespace

GDoc::GDoc(std::unique_ptr<GStream> stream) : stream_(std::move(stream)) {}
GDoc::~GDoc() = default;
void GDoc::SetStream(std::unique_ptr<GStream> stream) {
    stream_ = std::move(stream);
}

GApp::GApp(GSys* system) : system_(system != nullptr ? system : GSys::Current()) {
    previous_ = gCurrentApp;
    gCurrentApp = this;
}

GApp::~GApp() {
    // Windows go first: their graphics may refer to documents.
    for (GWindow* window : Windows())
        DeleteObject(window);
    DeleteAll();
    if (gCurrentApp == this) gCurrentApp = previous_;
}

GApp* GApp::Current() {
    return gCurrentApp;
}

void GApp::AddMenuItem(std::string_view menu, std::string_view item, int command, int key) {
    if (system_ == nullptr) return;
    system_->CreateMenuItem(menu, item, key, command);
    if (key != 0) system_->SetKeyToMenuEvent(key, command);
}

GWindow* GApp::GetNewWindow(GGraphic* owner, long kind, long x, long y, long width, long height) {
    if (system_ == nullptr) return nullptr;
    auto window = system_->GetNewWindow(owner, kind, x, y, width, height);
    if (!window) return nullptr;
    GWindow* raw = window.get();
    InsertOwned(std::move(window));
    return raw;
}

std::vector<GWindow*> GApp::Windows() const {
    std::vector<GWindow*> out;
    for (G0* object : Objects())
        if (auto* window = As<GWindow>(object)) out.push_back(window);
    return out;
}

std::vector<GWindow*> GApp::DocumentWindows() const {
    std::vector<GWindow*> out;
    for (GWindow* window : Windows())
        if (window->Kind() == GWindow::kDocumentWindow) out.push_back(window);
    return out;
}

void GApp::CloseWindow(GWindow* window) {
    if (window == nullptr || !Holds(window)) return;
    for (G0* object : Objects())
        if (auto* doc = As<GDoc>(object); doc != nullptr && doc->Window() == window)
            DeleteObject(doc);
    DeleteObject(window);
    if (FocusedObject() == nullptr) {
        const auto windows = Windows();
        if (!windows.empty()) SetFocusedObject(windows.front());
    }
}

GDoc* GApp::OpenOldDoc(std::string_view name) {
    if (system_ == nullptr) return nullptr;
    return MakeDoc(system_->NewDocStream(name));
}

GDoc* GApp::OpenNewDoc() {
    return MakeDoc(nullptr);
}

GDoc* GApp::MakeDoc(std::unique_ptr<GStream> stream) {
    const long offset = kDocumentOffset * documentsMade_++;
    GWindow* window = GetNewWindow(nullptr, GWindow::kDocumentWindow, kFirstDocumentX + offset,
                                   kFirstDocumentY + offset, kDocumentWidth, kDocumentHeight);
    auto doc = std::make_unique<GDoc>(std::move(stream));
    doc->SetWindow(window);
    GDoc* raw = doc.get();
    InsertOwned(std::move(doc));
    return raw;
}

std::optional<std::string> GApp::GetSaveDocumentName(std::string_view currentName) {
    if (system_ == nullptr) return std::nullopt;
    return system_->GetSaveDocumentName(currentName);
}

void GApp::Run() {
    if (DocumentWindows().empty()) OpenNewDoc();
    if (system_ != nullptr) system_->MainEventLoop();
}

void GApp::DoIdle() {
    GEventHandler* focus = FocusedObject();
    if (focus != nullptr && focus != this) focus->DoIdle();
    GEventHandler::DoIdle();
}

void GApp::Paste() {
    auto* stream = dynamic_cast<GStreamMemory*>(GetFromPasteBuffer());
    if (stream == nullptr) return;
    stream->Rewind();
    auto object = stream->ReceiveObject();
    stream->ResolveAllReferences();
    if (!object) return;
    GEventHandler* target = GWindow::GetPickedObject();
    if (target == nullptr) target = FocusedObject();
    if (target == nullptr) return;
    G0* raw = object.get();
    target->ObjectEvent(raw);
    // Whoever took the object owns it now; otherwise it goes.
    if (!raw->IsOrphan()) (void)object.release();
}

void GApp::MenuEvent(int command) {
    switch (command) {
    case gcmd::kOpen:
        if (system_ != nullptr)
            if (auto name = system_->GetOpenDocumentName()) OpenOldDoc(*name);
        return;
    case gcmd::kNew:
        OpenNewDoc();
        return;
    case gcmd::kClose: {
        const GGraphic* focus = As<GGraphic>(FocusedObject());
        GWindow* window = focus != nullptr ? focus->Window() : nullptr;
        if (window != nullptr && window->Kind() == GWindow::kDocumentWindow) CloseWindow(window);
        return;
    }
    case gcmd::kQuit:
        if (system_ != nullptr) system_->ExitSystem();
        return;
    case gcmd::kPaste:
        Paste();
        return;
    default:
        GEventHandler::MenuEvent(command);
    }
}

void GApp::DoSetupMenus(GEventHandler* focus) {
    EventEnable(gcmd::kPaste, GetFromPasteBuffer() != nullptr);
    GEventHandler::DoSetupMenus(focus);
}
