#pragma once
// The application on windows that draw nowhere, with scripted file dialogs and its palette
// file in a folder of the test's own.
#include "pendrel/app/app_zez.h"
#include "pendrel/framework/focus.h"
#include "pendrel/framework/gsys.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

// Answers file dialogs from a queue (an empty queue cancels) and records what was asked.
class ScriptedDialogs : public GFileDialogs {
public:
    std::optional<std::string> Ask(const GFileRequest& request) override {
        asked.push_back(request);
        if (answers.empty()) return std::nullopt;
        std::optional<std::string> answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    std::vector<GFileRequest> asked;
    std::vector<std::optional<std::string>> answers;
};

class AppTest : public ::testing::Test {
protected:
    AppTest() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = std::filesystem::temp_directory_path() /
                 ("pendrel_app_" + std::to_string(::getpid()) + "_" + info->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        system.SetFileDialogs(&dialogs);
    }
    ~AppTest() override {
        app.reset();
        SetFocusedObject(nullptr);
        std::filesystem::remove_all(folder);
    }
    std::string File(const std::string& name) const { return (folder / name).string(); }
    vplapp::PalettePlaces Places() const {
        return vplapp::FindPaletteFile((folder / "data").string(), folder.string());
    }
    GAppZEZ& Start() {
        app = std::make_unique<GAppZEZ>(&system, Places());
        return *app;
    }
    // Ends the application as the program does at its end.
    void Stop() {
        app.reset();
        SetFocusedObject(nullptr);
    }

    std::filesystem::path folder;
    GSys system;
    ScriptedDialogs dialogs;
    std::unique_ptr<GAppZEZ> app;
};
