#pragma once
// In-memory byte stream for every binary record and small file of the game:
// typed little-endian writes append, reads advance a position. A read that
// does not fit sets the error flag and yields the empty value (0, 0.0, false,
// "", zero bytes); once set, every later read yields the empty value too.

#include <cstdint>
#include <vector>

#include "core/String.h"

class IOBuffer {
public:
    // Files larger than this are not loaded (LoadFile answers false).
    static constexpr int64_t kMaxFileBytes = 256LL * 1024 * 1024;

    virtual ~IOBuffer() = default;

    // Replaces the contents with the whole file; empty when it cannot be read.
    bool LoadFile(const String& path);
    // Writes the contents to a temporary file beside `path` and renames it over
    // `path`, so a crash or a full disk never leaves half a file.
    bool SaveFile(const String& path) const;

    void WriteInt(int32_t value);
    void WriteFloat(float value);
    void WriteBool(bool value);
    void WriteString(const String& text);  // int32 length counting the zero, the text, the zero
    void WriteBytes(const void* data, int32_t count);
    void WriteByte(uint8_t value);

    int32_t ReadInt();
    float ReadFloat();
    bool ReadBool();  // only the byte 1 reads as true
    String ReadString();
    void ReadBytes(void* out, int32_t count);
    uint8_t ReadByte();
    // Bytes up to the next CR (consumed), every LF left out.
    String ReadLine();

    int32_t Size() const { return static_cast<int32_t>(mData.size()); }
    int32_t Position() const { return mPosition; }
    int32_t Remaining() const { return Size() - mPosition; }
    bool HasError() const { return mError; }
    bool AtEnd() const { return mError || mPosition >= Size(); }
    const uint8_t* Data() const { return mData.data(); }
    void SetPosition(int32_t position);
    void Clear();
    void SetData(const void* data, int32_t count);

private:
    // Answers false and sets the error flag when `count` bytes do not fit.
    bool Take(int32_t count);

    std::vector<uint8_t> mData;
    int32_t mPosition = 0;
    bool mError = false;
};

// Writes `bytes` to `path` through a temporary file renamed over it.
bool WriteFileAtomically(const String& path, const void* bytes, size_t count);
