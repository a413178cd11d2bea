#pragma once
// Ordered list of non-owned pointers whose iteration cursors survive inserts
// and removals made while a loop runs. The list never deletes what it holds.
//
// Loop pattern (each loop uses its own key so nested loops keep their place):
//   List::Cursor& c = list.CursorFor("ObjectManager::Update", 0);
//   for (c.position = 0; c.position < list.Count();) { void* item = list.At(c.position++); ... }

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

class List {
public:
    struct Cursor {
        std::string key;
        int32_t keyNumber = 0;
        int32_t position = 0;
    };

    explicit List(int32_t capacity = 0, bool unique = false, bool fixed = false);

    int32_t Count() const { return static_cast<int32_t>(mItems.size()); }
    int32_t Capacity() const { return mCapacity; }
    bool IsEmpty() const { return mItems.empty(); }
    // Index must be 0 .. Count()-1; anything else answers null.
    void* At(int32_t index) const;
    // Replaces the item at `index` (0 .. Count()-1); cursors are untouched.
    void Set(int32_t index, void* item);
    template <class T> T* AtAs(int32_t index) const { return static_cast<T*>(At(index)); }

    // Appends; null is ignored. A unique list answers the index of an item
    // already present. Answers the index, or -1 when nothing was added.
    int32_t Add(void* item);
    // Inserts before `index` (past the end appends).
    int32_t Insert(int32_t index, void* item);
    void RemoveAt(int32_t index);
    // Removes the first occurrence; answers whether it was present.
    bool Remove(const void* item);
    int32_t Find(const void* item) const;
    bool Contains(const void* item) const { return Find(item) >= 0; }
    void Clear();

    Cursor& CursorFor(const char* key, int32_t keyNumber = 0);

private:
    void Grow(int32_t needed);

    std::vector<void*> mItems;
    std::deque<Cursor> mCursors;  // deque: a cursor reference stays valid as others are added
    int32_t mCapacity;
    bool mUnique;
    bool mFixed;
};
