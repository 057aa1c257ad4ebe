#pragma once
// Starts the splash program olvsplash, found beside the olvide executable, as a process of its
// own that is never waited for. False when it could not be started (olvide goes on without).
namespace olvide::editor {

bool startSplash();

} // namespace olvide::editor
