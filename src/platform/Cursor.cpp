#include "platform/Cursor.h"

#include <SDL.h>

namespace {
SDL_Cursor* ToSdl(CursorHandle cursor) { return reinterpret_cast<SDL_Cursor*>(cursor); }
CursorHandle FromSdl(SDL_Cursor* cursor) { return reinterpret_cast<CursorHandle>(cursor); }
}  // namespace

CursorHandle LoadSystemCursor(SystemCursorKind kind) {
    SDL_SystemCursor id = SDL_SYSTEM_CURSOR_ARROW;
    switch (kind) {
    case SystemCursorKind::Arrow: id = SDL_SYSTEM_CURSOR_ARROW; break;
    case SystemCursorKind::Wait: id = SDL_SYSTEM_CURSOR_WAIT; break;
    case SystemCursorKind::Hand: id = SDL_SYSTEM_CURSOR_HAND; break;
    case SystemCursorKind::Text: id = SDL_SYSTEM_CURSOR_IBEAM; break;
    }
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return nullptr;
    return FromSdl(SDL_CreateSystemCursor(id));
}

CursorHandle CreateBitmapCursor(const uint8_t* data, const uint8_t* mask, int32_t width, int32_t height,
                                int32_t hotX, int32_t hotY) {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return nullptr;
    return FromSdl(SDL_CreateCursor(data, mask, width, height, hotX, hotY));
}

void FreeCursor(CursorHandle cursor) {
    if (cursor) SDL_FreeCursor(ToSdl(cursor));
}

void ShowCursor(CursorHandle cursor) {
    if (cursor) SDL_SetCursor(ToSdl(cursor));
}
