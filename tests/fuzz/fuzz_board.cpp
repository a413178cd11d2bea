// Board records of arbitrary bytes: loading must answer false or leave a
// board that plays on and saves again, never crash.
#include <cstddef>
#include <cstdint>

#include "board/Board.h"
#include "board/BoardFactory.h"
#include "board/FakeBoardGame.h"
#include "core/IOBuffer.h"

namespace {
constexpr int32_t kTicksAfterLoad = 20;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FakeBoardGame game;
    std::unique_ptr<Board> board = CreateBoard("Blue", game, nullptr);
    board->Start();
    IOBuffer in;
    in.SetData(data, static_cast<int32_t>(size));
    if (!board->Load(in)) return 0;
    for (int32_t i = 0; i < kTicksAfterLoad; ++i) board->Update();
    IOBuffer out;
    board->Save(out);
    return 0;
}
