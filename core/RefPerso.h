#pragma once
// A checked reference to a character that the holder does not own: the last hitter, the
// detected player, a turret link, the game's player and editor selections, a shot's shooter.
// It reads as the character while that character is alive and as null once it is freed,
// even when a new character has since been made at the same address: every character gets a
// serial number at construction, and the reference remembers the one it was given.
#include <cstddef>
#include <cstdint>

class CPerso;

class RefPerso {
public:
    RefPerso() = default;
    RefPerso(std::nullptr_t) {}
    RefPerso(CPerso* p) { *this = p; }
    RefPerso& operator=(CPerso* p);
    RefPerso& operator=(std::nullptr_t)
    {
        ptr = nullptr;
        serie = 0;
        return *this;
    }

    // The character, or null when it is gone (or was never set). Inline for the empty
    // reference, which most holders keep most of the time.
    CPerso* get() const { return ptr ? vivant() : nullptr; }
    operator CPerso*() const { return get(); }
    CPerso* operator->() const { return get(); }
    CPerso& operator*() const { return *get(); }
    explicit operator bool() const { return get() != nullptr; }

    // Comparisons with null, plain pointers (const or not, either side) and other references:
    // one exact overload for each, so that no compiler finds two equally good.
    friend bool operator==(const RefPerso& a, std::nullptr_t) { return a.get() == nullptr; }
    friend bool operator!=(const RefPerso& a, std::nullptr_t) { return a.get() != nullptr; }
    friend bool operator==(std::nullptr_t, const RefPerso& a) { return a.get() == nullptr; }
    friend bool operator!=(std::nullptr_t, const RefPerso& a) { return a.get() != nullptr; }
    friend bool operator==(const RefPerso& a, CPerso* p) { return a.get() == p; }
    friend bool operator!=(const RefPerso& a, CPerso* p) { return a.get() != p; }
    friend bool operator==(CPerso* p, const RefPerso& a) { return a.get() == p; }
    friend bool operator!=(CPerso* p, const RefPerso& a) { return a.get() != p; }
    friend bool operator==(const RefPerso& a, const CPerso* p) { return a.get() == p; }
    friend bool operator!=(const RefPerso& a, const CPerso* p) { return a.get() != p; }
    friend bool operator==(const CPerso* p, const RefPerso& a) { return a.get() == p; }
    friend bool operator!=(const CPerso* p, const RefPerso& a) { return a.get() != p; }
    friend bool operator==(const RefPerso& a, const RefPerso& b) { return a.get() == b.get(); }
    friend bool operator!=(const RefPerso& a, const RefPerso& b) { return a.get() != b.get(); }

    // The registry of live characters, kept by CPerso's constructors and destructor.
    static void enregistrer(const CPerso* p);
    static void oublier(const CPerso* p);
    // Serial number of a live character; 0 when the address holds none.
    static uint64_t serieDe(const CPerso* p);

private:
    // ptr while it still holds the character it was given, null otherwise.
    CPerso* vivant() const;

    CPerso* ptr = nullptr;
    uint64_t serie = 0;
};
