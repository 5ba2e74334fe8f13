// game_state.h: the one record of every game variable, GameState.
//
// There is exactly one instance for the whole run, in three parts: the saved
// record, the running game's interface state (ui) and the phone game's state
// (phone). The saved record's two stretches are byte images of the settings
// file "save.qzd":
//   - live (TLiveRecord, 288 bytes): the running game; a saved game (SaveSlot)
//     is a byte-for-byte copy of it;
//   - settings (TSettingsBlock, 1736 bytes): the three settings bytes and the
//     six save slots, exactly the content of "save.qzd".
// Their layouts are fixed: every offset the file relies on is checked at
// compile time below. Everything starts as 0, empty text or zero bytes.
//
// Strings are 8-bit Windows-1250 text in std::string.
#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

// The in-memory records mirror the little-endian byte images stored in
// "save.qzd" (savedAt is an IEEE 754 double). The file helpers below convert
// field by field, but the rest of the game treats the records as those images
// (slot <-> live copies, offsets in tools), so a big-endian host is refused.
static_assert(std::endian::native == std::endian::little,
              "the game's records are little-endian byte images");

// ---- Sizes -----------------------------------------------------------------

inline constexpr size_t kProgressSize = 201;      // progress bytes, index 0..200
inline constexpr size_t kInventorySize = 71;      // inventory places
inline constexpr size_t kLiveRecordSize = 288;    // live record == one save slot
inline constexpr size_t kSlotCount = 6;           // save slots in the file
inline constexpr size_t kSettingsBlockSize = 1736;
inline constexpr size_t kHotspotCount = 26;       // hotspot records of a scene
inline constexpr size_t kStepCount = 26;          // queued step records
inline constexpr size_t kMessageLineCount = 3;    // lines of the on-screen message

// ---- Scene hotspot and queued step -----------------------------------------

// One hotspot of the current scene. The rectangle is in picture coordinates
// (relative to originX/originY) and inclusive on all edges; id 0 marks a free
// record. The operations live with the scene builder.
struct TPomocnyObjekt {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    int32_t id = 0;
    uint8_t cursorKind = 0;  // CursorKind shown while hovering
    std::string label;       // drawn under the cursor; may be empty
};

// One queued step of a click sequence. The operations live with the click
// handling.
struct TSekvence {
    int32_t scene = 0;   // scene to switch to first; -1 = stay
    std::string text;    // message to show; empty clears the message
    bool pending = false;
    uint16_t item = 0;   // ItemId to add to the inventory; 0 = none
    uint8_t sound = 0;   // sample 1..11; 0 = none
};

// ---- Story and puzzle progress ---------------------------------------------

// The 201 progress bytes. Each named entry sits at its index (the byte offset
// in this struct); the index in the live record is index + 12. Indices 0 and
// 97..200 are never used by the game but are saved like the rest.
struct TProgress {
    uint8_t unused0;
    uint8_t keyTaken;              // 1
    uint8_t toiletPaperTaken;      // 2
    uint8_t talkedToGamer;         // 3
    uint8_t flushCount;            // 4
    uint8_t saveMenuMode;          // 5: 0 none, 1 load list, 2 save list
    uint8_t knowsCoinsOnly;        // 6
    uint8_t wireTaken;             // 7
    uint8_t coinSlotJamSeen;       // 8
    uint8_t coinSlotCleared;       // 9
    uint8_t holeBlock[4];          // 10..13: block item in hole 1..4, 0 empty
    uint8_t holeOrderCount;        // 14
    uint8_t ruinVisited;           // 15
    uint8_t excavatorVisited;      // 16
    uint8_t rodTaken;              // 17
    uint8_t rodTriedOnBase;        // 18
    uint8_t baseOpened;            // 19
    uint8_t stonesBlockTaken;      // 20
    uint8_t hayBlockTaken;         // 21
    uint8_t secretPlaceOpen;       // 22
    uint8_t tabletUnlocked;        // 23
    uint8_t dialCode[3];           // 24..26: bunker code digits 1..9
    uint8_t tombOpened;            // 27
    uint8_t tombVisited;           // 28
    uint8_t cemeteryVisited;       // 29
    uint8_t tankRefilling;         // 30
    uint8_t glassPattern[9];       // 31..39: 3x3 row-major, 1 = pane shown
    uint8_t gravesVisited;         // 40
    uint8_t photoTaken;            // 41
    uint8_t magnetTaken;           // 42
    uint8_t scraperTaken;          // 43
    uint8_t cardFace[4];           // 44..47: face 0..3 of card 1..4
    uint8_t cardRiddleState;       // 48: 0 not offered, 1 offered, 2 solved
    uint8_t tombstoneRead;         // 49
    uint8_t whiteHouseKnown;       // 50
    uint8_t stone[9];              // 51..59: 0 out, 1 in, 2 held by the match
    uint8_t stoneJammed;           // 60
    uint8_t penTaken;              // 61
    uint8_t glassPatternSet;       // 62
    uint8_t mechanismSolved;       // 63
    uint8_t sculptureTaken;        // 64
    uint8_t flatStoneTaken;        // 65
    uint8_t axeTaken;              // 66
    uint8_t streetReached;         // 67
    uint8_t pictureSolved;         // 68
    uint8_t tabletDone;            // 69
    uint8_t businessCardStudied;   // 70
    uint8_t letterTaken;           // 71
    uint8_t tile[9];               // 72..80: picture 0..8 shown by tile 1..9
    uint8_t businessCardTaken;     // 81
    uint8_t dialDigits[3];         // 82..84: last three dial buttons, oldest first
    uint8_t corridorLightOn;       // 85
    uint8_t bunkerFound;           // 86
    uint8_t groupGreeted;          // 87
    uint8_t boxOpened;             // 88
    uint8_t talkedToScout;         // 89
    uint8_t talkedToPatient;       // 90
    uint8_t patientState;          // 91
    uint8_t bathroomOpen;          // 92
    uint8_t gamerState;            // 93
    uint8_t tapFound;              // 94
    uint8_t valveState;            // 95
    uint8_t mapStudied;            // 96
    uint8_t unused97[104];         // 97..200

    // Byte `index` of the 201, for code that addresses progress by number
    // (tools, scripts). An index past 200 never touches the record: it yields
    // a scratch byte that reads 0 and swallows writes.
    uint8_t& operator[](size_t index);
    const uint8_t& operator[](size_t index) const;
};

// A named progress entry: `count` bytes from `index` (count > 1 for arrays).
struct TProgressName {
    std::string_view name;
    uint8_t index;
    uint8_t count;
};

// Every named progress entry, in index order; the list the compile-time
// offset checks and the name lookup use.
#define VK3_PROGRESS_ENTRIES(X)                                                \
    X(keyTaken, 1, 1) X(toiletPaperTaken, 2, 1) X(talkedToGamer, 3, 1)         \
    X(flushCount, 4, 1) X(saveMenuMode, 5, 1) X(knowsCoinsOnly, 6, 1)          \
    X(wireTaken, 7, 1) X(coinSlotJamSeen, 8, 1) X(coinSlotCleared, 9, 1)       \
    X(holeBlock, 10, 4) X(holeOrderCount, 14, 1) X(ruinVisited, 15, 1)         \
    X(excavatorVisited, 16, 1) X(rodTaken, 17, 1) X(rodTriedOnBase, 18, 1)     \
    X(baseOpened, 19, 1) X(stonesBlockTaken, 20, 1) X(hayBlockTaken, 21, 1)    \
    X(secretPlaceOpen, 22, 1) X(tabletUnlocked, 23, 1) X(dialCode, 24, 3)      \
    X(tombOpened, 27, 1) X(tombVisited, 28, 1) X(cemeteryVisited, 29, 1)       \
    X(tankRefilling, 30, 1) X(glassPattern, 31, 9) X(gravesVisited, 40, 1)     \
    X(photoTaken, 41, 1) X(magnetTaken, 42, 1) X(scraperTaken, 43, 1)          \
    X(cardFace, 44, 4) X(cardRiddleState, 48, 1) X(tombstoneRead, 49, 1)       \
    X(whiteHouseKnown, 50, 1) X(stone, 51, 9) X(stoneJammed, 60, 1)            \
    X(penTaken, 61, 1) X(glassPatternSet, 62, 1) X(mechanismSolved, 63, 1)     \
    X(sculptureTaken, 64, 1) X(flatStoneTaken, 65, 1) X(axeTaken, 66, 1)       \
    X(streetReached, 67, 1) X(pictureSolved, 68, 1) X(tabletDone, 69, 1)       \
    X(businessCardStudied, 70, 1) X(letterTaken, 71, 1) X(tile, 72, 9)         \
    X(businessCardTaken, 81, 1) X(dialDigits, 82, 3) X(corridorLightOn, 85, 1) \
    X(bunkerFound, 86, 1) X(groupGreeted, 87, 1) X(boxOpened, 88, 1)           \
    X(talkedToScout, 89, 1) X(talkedToPatient, 90, 1) X(patientState, 91, 1)   \
    X(bathroomOpen, 92, 1) X(gamerState, 93, 1) X(tapFound, 94, 1)             \
    X(valveState, 95, 1) X(mapStudied, 96, 1)

#define VK3_PROGRESS_NAME_ROW(name, index, count) TProgressName{#name, index, count},
inline constexpr TProgressName kProgressNames[] = {VK3_PROGRESS_ENTRIES(VK3_PROGRESS_NAME_ROW)};
#undef VK3_PROGRESS_NAME_ROW

// Index of a progress entry given as "name" or "name[k]" (k decimal, within
// the entry's count), as tools and scripts write it; a bare array name gives
// its first byte. -1 when the text names no entry or k is out of range.
int ProgressIndexOf(std::string_view text);

// ---- Live game record and settings block (file images) ---------------------

// The running game; a save slot has the same layout and is a copy of it.
struct TLiveRecord {
    double savedAt;           // 0: save time, days since 30.12.1899; 0.0 = empty slot
    int32_t scene;            // 8: current scene (in a slot: the scene to resume in)
    TProgress progress;       // 12
    uint8_t inventory[71];    // 213: ItemIds in pick-up order, 0 = free place
    uint8_t mapReturnScene;   // 284: scene to go back to from the map view
    uint8_t padding[3];       // 285: copied with the record, never used
};
using SaveSlot = TLiveRecord;

// The settings and the six saved games: the whole of "save.qzd".
struct TSettingsBlock {
    uint8_t resolution;       // 0: display mode 0..3
    uint8_t language;         // 1: 0 Czech, 1 English
    uint8_t soundOn;          // 2
    uint8_t padding[5];       // 3: kept as read from the file
    TLiveRecord slots[6];     // 8 + 288 * k
};
using SaveFile = TSettingsBlock;

// ---- The game state --------------------------------------------------------

// The running game's interface: pointer, hover, hotspots, messages and the
// queued steps of a click sequence. Not saved.
struct TInterfaceState {
    int32_t mouseX = 0, mouseY = 0;
    std::string hoverLabel;
    std::string messageLines[3];      // line 0 non-empty = a message is shown
    TPomocnyObjekt hotspots[26];
    TSekvence steps[26];
    uint8_t menuOpen = 0;
    uint16_t hoverId = 0, originX = 0, originY = 0, selectedItem = 0;
    int32_t menuReturnScene = 0;      // 0 = no game running
    uint8_t hoverCursor = 0, messageLineCount = 0;
    bool hoverStale = false;          // the mouse moved since the hover was found
};

// The phone game's counters and its status line. Not saved; a build of the
// game's scene starts them afresh.
struct TPhoneGameState {
    int32_t rocketX = 0;
    uint16_t shotTimer = 0, spawnTimer = 0;
    uint8_t spawnInterval = 0, shooterScore = 0, shooterResult = 0, shooterOver = 0;
    std::string shooterStatus;        // the score, then the result
};

// Every game variable: the saved record (the running game and the settings
// block, the byte images of "save.qzd"), the interface state and the phone
// game's state, each a part of its own.
struct TGameState {
    TInterfaceState ui;
    TLiveRecord live{};
    TSettingsBlock settings{};
    TPhoneGameState phone;

    // Run-time values (not saved).
    std::string programDir;           // with a trailing separator
    std::string scratchText;          // emptied every frame
};

extern TGameState GameState;

// Puts every variable back to its program-start value (zero or empty). For
// tests and the play harness; the game itself never calls it.
void ResetGameState();

// Clears a live record or a slot for a new game: savedAt 0.0, scene 0, every
// progress and inventory byte 0. mapReturnScene and the padding keep their
// values. Used at start, for a new game and for each slot of fresh settings.
void ClearSavedGame(TLiveRecord& record);

// Byte images as stored in "save.qzd", every byte included (the padding
// too), in little-endian order field by field. Cannot fail: the spans have
// the exact record size.
void LiveRecordToBytes(const TLiveRecord& record, std::span<uint8_t, kLiveRecordSize> out);
void LiveRecordFromBytes(TLiveRecord& record, std::span<const uint8_t, kLiveRecordSize> in);
void SettingsBlockToBytes(const TSettingsBlock& block, std::span<uint8_t, kSettingsBlockSize> out);
void SettingsBlockFromBytes(TSettingsBlock& block, std::span<const uint8_t, kSettingsBlockSize> in);

// ---- Layout checks ---------------------------------------------------------

static_assert(std::is_standard_layout_v<TProgress> && std::is_trivially_copyable_v<TProgress>);
static_assert(std::is_standard_layout_v<TLiveRecord> && std::is_trivially_copyable_v<TLiveRecord>);
static_assert(std::is_standard_layout_v<TSettingsBlock> &&
              std::is_trivially_copyable_v<TSettingsBlock>);
static_assert(sizeof(TProgress) == kProgressSize);
static_assert(sizeof(TLiveRecord) == kLiveRecordSize && alignof(TLiveRecord) == 8);
static_assert(sizeof(TSettingsBlock) == kSettingsBlockSize);

static_assert(offsetof(TProgress, unused0) == 0 && offsetof(TProgress, unused97) == 97);
#define VK3_PROGRESS_OFFSET_CHECK(name, index, count)        \
    static_assert(offsetof(TProgress, name) == (index) &&    \
                  sizeof(TProgress::name) == (count), #name " is misplaced");
VK3_PROGRESS_ENTRIES(VK3_PROGRESS_OFFSET_CHECK)
#undef VK3_PROGRESS_OFFSET_CHECK

static_assert(offsetof(TLiveRecord, savedAt) == 0 && offsetof(TLiveRecord, scene) == 8 &&
              offsetof(TLiveRecord, progress) == 12 && offsetof(TLiveRecord, inventory) == 213 &&
              offsetof(TLiveRecord, mapReturnScene) == 284 && offsetof(TLiveRecord, padding) == 285);
static_assert(sizeof(TLiveRecord::inventory) == kInventorySize);
static_assert(offsetof(TSettingsBlock, resolution) == 0 && offsetof(TSettingsBlock, language) == 1 &&
              offsetof(TSettingsBlock, soundOn) == 2 && offsetof(TSettingsBlock, padding) == 3 &&
              offsetof(TSettingsBlock, slots) == 8);
static_assert(sizeof(TSettingsBlock::slots) == kSlotCount * kLiveRecordSize);  // slot k at 8 + 288k
