// pz_sprites: renders the computed play-field sprites into the data root.
//   pz_sprites balls <ball list> <data root>
//   pz_sprites robot <data root>
//   pz_sprites effects <data root>
#include <cstdio>
#include <string>

#include "common/ParamFile.h"
#include "common/ToolError.h"
#include "sprites/BallStrip.h"
#include "sprites/Effects.h"
#include "sprites/Robot.h"

namespace {

constexpr int kBallColours = 8;

void BuildBalls(const std::string& list, const std::string& root) {
    bool seen[kBallColours] = {};
    BallLook looks[kBallColours];
    // Every line is checked before the first strip is rendered.
    for (const ParamLine& line : ReadParamFile(list)) {
        if (line.command != "ball") line.Fail("unknown command \"" + line.command + "\"");
        line.AllowOnly({"index", "body", "marking", "shape"});
        int index = int(line.RequiredNumber("index"));
        if (index < 1 || index > kBallColours) line.Fail("index must be 1 ... 8");
        if (seen[index - 1]) line.Fail("ball " + std::to_string(index) + " given twice");
        seen[index - 1] = true;
        BallLook& look = looks[index - 1];
        line.Colour("body", look.body);
        line.Colour("marking", look.marking);
        if (!MarkingFromName(line.Text("shape", ""), look.shape)) line.Fail("unknown shape");
    }
    for (int i = 0; i < kBallColours; ++i)
        if (!seen[i]) FailAt(list, 0, "ball " + std::to_string(i + 1) + " is missing");
    for (int i = 0; i < kBallColours; ++i)
        WritePng(root + "/Graphics/balls/" + std::to_string(i + 1) + ".png", RenderBallStrip(looks[i]));
}

}  // namespace

int main(int argc, char** argv) {
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "balls" && argc == 4) {
        BuildBalls(argv[2], argv[3]);
    } else if (mode == "robot" && argc == 3) {
        WritePng(std::string(argv[2]) + "/Graphics/Robot.png", RenderRobotStrip());
    } else if (mode == "effects" && argc == 3) {
        for (const ComputedSprite& sprite : ComputedSprites())
            WritePng(std::string(argv[2]) + "/" + sprite.file + ".png", sprite.make());
    } else {
        std::fprintf(stderr, "usage: pz_sprites balls <ball list> <data root> | robot <data root> | effects <data root>\n");
        return 2;
    }
    return 0;
}
