#include "core/IOBuffer.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {
void AppendLittleEndian(std::vector<uint8_t>& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}
}  // namespace

bool WriteFileAtomically(const String& path, const void* bytes, size_t count) {
    String temporary = String::Format("%s.tmp%d", path.c_str(), static_cast<int>(getpid()));
    FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return false;
    bool ok = count == 0 || std::fwrite(bytes, 1, count, file) == count;
    ok = (std::fflush(file) == 0) && ok;
    ok = (fsync(fileno(file)) == 0) && ok;
    ok = (std::fclose(file) == 0) && ok;
    if (ok && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    std::remove(temporary.c_str());
    return false;
}

bool IOBuffer::LoadFile(const String& path) {
    Clear();
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    bool ok = false;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        long size = std::ftell(file);
        if (size >= 0 && size <= kMaxFileBytes && std::fseek(file, 0, SEEK_SET) == 0) {
            mData.resize(static_cast<size_t>(size));
            ok = size == 0 || std::fread(mData.data(), 1, mData.size(), file) == mData.size();
            if (!ok) mData.clear();
        }
    }
    std::fclose(file);
    return ok;
}

bool IOBuffer::SaveFile(const String& path) const { return WriteFileAtomically(path, mData.data(), mData.size()); }

void IOBuffer::WriteInt(int32_t value) { AppendLittleEndian(mData, static_cast<uint32_t>(value)); }

void IOBuffer::WriteFloat(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    AppendLittleEndian(mData, bits);
}

void IOBuffer::WriteBool(bool value) { mData.push_back(value ? 1 : 0); }

void IOBuffer::WriteString(const String& text) {
    WriteInt(text.Length() + 1);
    WriteBytes(text.c_str(), text.Length() + 1);
}

void IOBuffer::WriteBytes(const void* data, int32_t count) {
    if (!data || count <= 0) return;
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    mData.insert(mData.end(), bytes, bytes + count);
}

void IOBuffer::WriteByte(uint8_t value) { mData.push_back(value); }

bool IOBuffer::Take(int32_t count) {
    if (mError || count < 0 || count > Remaining()) {
        mError = true;
        return false;
    }
    return true;
}

int32_t IOBuffer::ReadInt() {
    if (!Take(4)) return 0;
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(mData[static_cast<size_t>(mPosition + i)]) << (8 * i);
    mPosition += 4;
    return static_cast<int32_t>(value);
}

float IOBuffer::ReadFloat() {
    uint32_t bits = static_cast<uint32_t>(ReadInt());
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return mError ? 0.0f : value;
}

bool IOBuffer::ReadBool() { return ReadByte() == 1; }

uint8_t IOBuffer::ReadByte() {
    if (!Take(1)) return 0;
    return mData[static_cast<size_t>(mPosition++)];
}

String IOBuffer::ReadString() {
    int32_t length = ReadInt();
    // The length counts the terminating zero: it is checked against what is
    // left before anything is allocated.
    if (mError || length < 0 || !Take(length)) {
        mError = true;
        return String();
    }
    const char* start = reinterpret_cast<const char*>(mData.data() + mPosition);
    mPosition += length;
    size_t textLength = length > 0 ? strnlen(start, static_cast<size_t>(length - 1)) : 0;
    return String(start, textLength);
}

void IOBuffer::ReadBytes(void* out, int32_t count) {
    if (!out || count <= 0) return;
    if (!Take(count)) {
        std::memset(out, 0, static_cast<size_t>(count));
        return;
    }
    std::memcpy(out, mData.data() + mPosition, static_cast<size_t>(count));
    mPosition += count;
}

String IOBuffer::ReadLine() {
    std::string line;
    while (!mError && mPosition < Size()) {
        char c = static_cast<char>(mData[static_cast<size_t>(mPosition++)]);
        if (c == '\r') break;
        if (c != '\n') line += c;
    }
    return String(std::move(line));
}

void IOBuffer::SetPosition(int32_t position) {
    if (position < 0 || position > Size()) {
        mError = true;
        return;
    }
    mPosition = position;
}

void IOBuffer::Clear() {
    mData.clear();
    mPosition = 0;
    mError = false;
}

void IOBuffer::SetData(const void* data, int32_t count) {
    Clear();
    WriteBytes(data, count);
}
