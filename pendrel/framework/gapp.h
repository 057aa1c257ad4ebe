#pragma once
// The application object: it works with a system object, holds its windows (so that events
// not handled by a window reach the application), makes documents and runs the application
// commands and idle processing.
#include "pendrel/framework/geventhandler.h"
#include "pendrel/framework/gstream.h"

#include <memory>
#include <optional>
#include <string>

class GGraphic;
class GSys;
class GWindow;

namespace gcmd {
inline constexpr int kOpen = 178;
inline constexpr int kNew = 179;
inline constexpr int kClose = 181;
inline constexpr int kQuit = 225;
} // namespace gcmd

// GDoc: one open document with the stream it was read from (none for a new one).
class GDoc : public GEventHandler {
public:
    GDoc() = default;
    explicit GDoc(std::unique_ptr<GStream> stream);
    ~GDoc() override;
    std::unique_ptr<G0> CreateUninitInstance() const override { return std::make_unique<GDoc>(); }
    static constexpr GClassID kClassID = gid::kDoc;
    GClassID GetClassID() const override { return kClassID; }
    GStream* Stream() const { return stream_.get(); }
    void SetStream(std::unique_ptr<GStream> stream);
    GWindow* Window() const { return window_; }
    void SetWindow(GWindow* window) { window_ = window; }

private:
    std::unique_ptr<GStream> stream_;
    GWindow* window_ = nullptr;
};

class GApp : public GEventHandler {
public:
    static constexpr long kDocumentWidth = 400;
    static constexpr long kDocumentHeight = 200;

    explicit GApp(GSys* system = nullptr);
    ~GApp() override;

    std::unique_ptr<G0> CreateUninitInstance() const override { return nullptr; }
    static constexpr GClassID kClassID = gid::kApp;
    GClassID GetClassID() const override { return kClassID; }

    // The application in use (the one created last).
    static GApp* Current();
    GSys* System() const { return system_; }

    // Adds the menu item and records its Ctrl+letter shortcut (key 0 for none).
    void AddMenuItem(std::string_view menu, std::string_view item, int command, int key);
    // A new window from the system object, kept in the application's list of windows.
    GWindow* GetNewWindow(GGraphic* owner, long kind, long x, long y, long width, long height);
    std::vector<GWindow*> Windows() const;
    std::vector<GWindow*> DocumentWindows() const;
    // Closes (destroys) a window and whatever it shows.
    void CloseWindow(GWindow* window);

    // Opens a stream on the name and makes a document from it.
    GDoc* OpenOldDoc(std::string_view name);
    GDoc* OpenNewDoc();
    // Makes a document and its window; the stream, when there is one, is read by a derived
    // application. The plain application opens an empty document window.
    virtual GDoc* MakeDoc(std::unique_ptr<GStream> stream);
    std::optional<std::string> GetSaveDocumentName(std::string_view currentName);
    // Opens a new document when no document window exists, then runs the event loop.
    void Run();

    void DoIdle() override;
    void MenuEvent(int command) override;
    void DoSetupMenus(GEventHandler* focus) override;
    // Reads the object in the paste buffer and drops it on the object under the mouse.
    void Paste();

private:
    GSys* system_;
    GApp* previous_ = nullptr;
    int documentsMade_ = 0;
};

class GDrawingApp : public GApp {
public:
    using GApp::GApp;
    static constexpr GClassID kClassID = gid::kDrawingApp;
    GClassID GetClassID() const override { return kClassID; }
};
