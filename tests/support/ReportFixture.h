// A fresh App on the headless platform with its own temporary folder, for the tests of
// the output document, the reports and the help texts.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "app/outputcontext.h"
#include "app/startup.h"
#include "project/calculation.h"
#include "platform/headless/FilePortWriter.h"
#include "support/tempfolder.h"
#include "testing/FixedClock.h"
#include "testing/RecordingLauncher.h"
#include "testing/RecordingPrinter.h"
#include "testing/ScriptedUi.h"

namespace vak1::test {

class ReportFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = std::make_unique<TempFolder>("vak1-report");
        dir = folder->path();
        app.Env.ui = &ui;
        app.Env.clock = &clock;
        app.Env.printer = &printer;
        app.Env.launcher = &launcher;
        app.Env.ports = &ports;
        app.Config.TempDir = dir;
        app.Config.PltDir = dir;
        app.State.ProjectDir = dir;
    }
    void TearDown() override { folder.reset(); }

    // The output document's and the help's view of app, as the commands make them.
    OutputContext Out() { return OutputContextOf(app); }
    HelpContext Help() { return HelpContextOf(app); }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // The test's folder as start, settings and data folder too.
    void AllFoldersInDir() {
        app.State.StartDir = dir;
        app.Config.SettingsFolder = dir;
        app.Config.DataDir = dir;
    }
    // A job of the command line run in the test's folder, with its standard error.
    struct JobRun {
        StartResult result;
        std::string err;
    };
    JobRun RunJob(std::vector<std::string> args) {
        app.State.CommandLine = std::move(args);
        std::FILE* out = std::tmpfile();
        std::FILE* errFile = std::tmpfile();
        const std::filesystem::path cwd = std::filesystem::current_path();
        std::filesystem::current_path(dir);
        JobRun run{StartUp(app, out, errFile), {}};
        std::filesystem::current_path(cwd);
        std::rewind(errFile);
        for (int c; (c = std::fgetc(errFile)) != EOF;)
            run.err += static_cast<char>(c);
        std::fclose(out);
        std::fclose(errFile);
        return run;
    }

    // Lines without their CR LF.
    static std::vector<std::string> Lines(const std::string& bytes) {
        std::vector<std::string> out;
        std::size_t start = 0;
        while (start < bytes.size()) {
            std::size_t nl = bytes.find("\r\n", start);
            if (nl == std::string::npos) {
                out.push_back(bytes.substr(start));
                break;
            }
            out.push_back(bytes.substr(start, nl - start));
            start = nl + 2;
        }
        return out;
    }
    static int Count(const std::string& text, const std::string& what) {
        int n = 0;
        for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
            ++n;
        return n;
    }

    // The L-profile of the examples: 100 x 80, 10 thick, inner fillet of radius 10.
    void LoadLProfile() {
        const long double quarter = std::numbers::pi_v<long double> / 2;
        const TPosition contour[] = {{0, 0, 0},   {100, 0, 0}, {100, 10, 0}, {20, 10, -quarter},
                                     {10, 20, 0}, {10, 80, 0}, {0, 80, 0}};
        app.Project.ResetContour();
        for (const auto& pos : contour)
            app.Project.Positions.push_back(pos);
        CalcSection(app.Project, app.Messages, app.Config);
    }

    App app;
    ScriptedUi ui;
    FixedClock clock;
    RecordingPrinter printer;
    RecordingLauncher launcher;
    FilePortWriter ports;
    std::unique_ptr<TempFolder> folder;
    std::string dir;
};

} // namespace vak1::test
