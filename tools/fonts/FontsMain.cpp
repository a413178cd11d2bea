// pz_fonts <font list> <TrueType folder> <data root>: bakes every font of the list.
#include <cstdio>
#include <string>

#include "common/ParamFile.h"
#include "fonts/FontBaker.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: pz_fonts <font list> <TrueType folder> <data root>\n");
        return 2;
    }
    for (const ParamLine& line : ReadParamFile(argv[1])) {
        if (line.command != "font") line.Fail("unknown command \"" + line.command + "\"");
        line.AllowOnly({"name", "file", "size", "outline", "embolden"});
        FontRecipe recipe;
        recipe.name = line.Text("name", "");
        if (recipe.name.empty()) line.Fail("missing name=");
        recipe.ttfPath = std::string(argv[2]) + "/" + line.Text("file", "");
        recipe.pixelSize = int(line.RequiredNumber("size"));
        if (recipe.pixelSize < 6 || recipe.pixelSize > 96) line.Fail("size must be 6 ... 96 pixels");
        recipe.outline = float(line.Number("outline", 0));
        recipe.embolden = float(line.Number("embolden", 0));
        if (recipe.outline < 0 || recipe.outline > 6 || recipe.embolden < 0 || recipe.embolden > 4)
            line.Fail("outline must be 0 ... 6 and embolden 0 ... 4 pixels");
        BakeFont(recipe, argv[3], line.file, line.line);
    }
    return 0;
}
