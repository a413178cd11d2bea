#include "core/List.h"

#include <algorithm>
#include <cstring>

List::List(int32_t capacity, bool unique, bool fixed)
    : mCapacity(std::max(capacity, 0)), mUnique(unique), mFixed(fixed) {
    mItems.reserve(static_cast<size_t>(mCapacity));
}

void* List::At(int32_t index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return mItems[static_cast<size_t>(index)];
}

void List::Set(int32_t index, void* item) {
    if (index >= 0 && index < Count() && item) mItems[static_cast<size_t>(index)] = item;
}

void List::Grow(int32_t needed) {
    if (needed <= mCapacity) return;
    mCapacity = needed + mCapacity / 2;
    mItems.reserve(static_cast<size_t>(mCapacity));
}

int32_t List::Add(void* item) { return Insert(Count(), item); }

int32_t List::Insert(int32_t index, void* item) {
    if (!item) return -1;
    if (mUnique) {
        int32_t existing = Find(item);
        if (existing >= 0) return existing;
    }
    if (mFixed && Count() >= mCapacity) return -1;
    Grow(Count() + 1);
    index = std::clamp(index, 0, Count());
    mItems.insert(mItems.begin() + index, item);
    for (Cursor& c : mCursors) {
        if (c.position > index) ++c.position;
    }
    return index;
}

void List::RemoveAt(int32_t index) {
    if (index < 0 || index >= Count()) return;
    for (Cursor& c : mCursors) {
        if (c.position >= index && c.position > 0) --c.position;
    }
    mItems.erase(mItems.begin() + index);
    if (!mFixed && Count() < mCapacity / 2) {
        mCapacity = std::max(Count(), 1);
        mItems.shrink_to_fit();
    }
}

bool List::Remove(const void* item) {
    int32_t index = Find(item);
    if (index < 0) return false;
    RemoveAt(index);
    return true;
}

int32_t List::Find(const void* item) const {
    auto it = std::find(mItems.begin(), mItems.end(), item);
    return it == mItems.end() ? -1 : static_cast<int32_t>(it - mItems.begin());
}

void List::Clear() {
    mItems.clear();
    if (!mFixed) mCapacity = 0;
    for (Cursor& c : mCursors) c.position = 0;
}

List::Cursor& List::CursorFor(const char* key, int32_t keyNumber) {
    for (Cursor& c : mCursors) {
        if (c.keyNumber == keyNumber && c.key == key) return c;
    }
    mCursors.push_back(Cursor{key ? key : "", keyNumber, 0});
    return mCursors.back();
}
