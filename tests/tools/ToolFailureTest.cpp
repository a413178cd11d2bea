// The asset tools stop on bad sources, say which file and line is at fault and
// leave no partial output behind.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "support/TempDir.h"

namespace {

struct ToolRun {
    int status;
    std::string output;  // stdout and stderr
};

ToolRun RunTool(const std::string& tool, const std::string& arguments) {
    std::string command = std::string(PZ_TOOL_DIR) + "/" + tool + " " + arguments + " 2>&1";
    ToolRun run{-1, ""};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[512];
    while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) run.output.append(buffer, n);
    run.status = pclose(pipe);
    return run;
}

int FileCount(const std::string& folder) {
    int count = 0;
    for (const auto& item : std::filesystem::recursive_directory_iterator(folder)) count += item.is_regular_file();
    return count;
}

TEST(ToolFailure, SoundScriptErrorsNameFileAndLine) {
    TempDir dir;
    std::string script = dir.Write("bad.snd", "length seconds=0.5\ntone wave=sine freq=abc dur=0.1\n");
    ToolRun run = RunTool("pz_sounds", script + " " + dir.File("bad.ogg"));
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.output.find(script + ":2:"), std::string::npos) << run.output;
    EXPECT_EQ(FileCount(dir.Path()), 1) << "output or temporary file left behind";
}

TEST(ToolFailure, UnknownSoundSettingsAndCommandsAreRejected) {
    TempDir dir;
    for (const char* text :
         {"tone wave=sine dur=0.1 gian=0.3\n", "wobble dur=1\n", "tone wave=kazoo dur=0.1\n", "noise dur=200\n",
          "notes step=0.1 seq=\"C5 H9\"\n", "reverse source=self.snd\n", "loudness db=-2\n"}) {
        SCOPED_TRACE(text);
        std::string script = dir.Write("self.snd", text);
        ToolRun run = RunTool("pz_sounds", script + " " + dir.File("out.ogg"));
        EXPECT_NE(run.status, 0);
        EXPECT_NE(run.output.find(":1:"), std::string::npos) << run.output;
        EXPECT_FALSE(std::filesystem::exists(dir.File("out.ogg")));
    }
}

TEST(ToolFailure, FailedRunKeepsThePreviousOutput) {
    TempDir dir;
    std::string out = dir.Write("keep.ogg", "previous build");
    std::string script = dir.Write("bad.snd", "tone wave=sine freq=440\n");  // no dur=
    ToolRun run = RunTool("pz_sounds", script + " " + out);
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(dir.Read("keep.ogg"), "previous build");
    EXPECT_EQ(FileCount(dir.Path()), 2);
}

TEST(ToolFailure, GoodScriptWritesOneFile) {
    TempDir dir;
    std::string script = dir.Write("ok.snd", "length seconds=0.2\ntone wave=sine freq=440 dur=0.2\n");
    ToolRun run = RunTool("pz_sounds", script + " " + dir.File("ok.ogg"));
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_GT(std::filesystem::file_size(dir.File("ok.ogg")), 100u);
    EXPECT_EQ(FileCount(dir.Path()), 2);
}

TEST(ToolFailure, MalformedSvgNamesFileAndLine) {
    TempDir dir;
    std::string svg = dir.Write("bad.svg",
                                "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\">\n"
                                "<rect width=\"5\" height=\"5\">\n</svg>\n");
    ToolRun run = RunTool("pz_svg", svg + " " + dir.File("bad.png"));
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.output.find(svg), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("line"), std::string::npos) << run.output;
    EXPECT_EQ(FileCount(dir.Path()), 1);
}

TEST(ToolFailure, SvgWithoutPixelSizeIsRejected) {
    TempDir dir;
    std::string svg = dir.Write("sizeless.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect/></svg>\n");
    ToolRun run = RunTool("pz_svg", svg + " " + dir.File("out.png"));
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.output.find(svg + ":1:"), std::string::npos) << run.output;
}

TEST(ToolFailure, FontAndBallListErrorsNameFileAndLine) {
    TempDir dir;
    std::string fonts = dir.Write("fonts.txt", "# fonts\nfont name=X file=none.ttf size=big\n");
    ToolRun run = RunTool("pz_fonts", fonts + " " + dir.Path() + " " + dir.File("root"));
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.output.find(fonts + ":2:"), std::string::npos) << run.output;

    std::string balls = dir.Write("balls.txt",
                                  "ball index=1 body=#ff0000 marking=#ffffff shape=star\n"
                                  "ball index=2 body=#00ff00 marking=#ffffff shape=blob\n");
    run = RunTool("pz_sprites", "balls " + balls + " " + dir.File("root"));
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.output.find(balls + ":2:"), std::string::npos) << run.output;
}

}  // namespace
