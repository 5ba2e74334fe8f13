// picture_choice.h: a sprite's picture chosen by name every frame, cheaply.
//
// Scene objects, bar items and the cursor rebuild the name of the picture
// they should show in every frame ("tlac" + 2, "inv" + 205, ...). TPictureChoice
// builds that name in a buffer it keeps and looks it up in the catalogue
// (the window's picture catalogue) only when the name differs from the last one, so a
// frame allocates nothing and searches nothing while nothing changes.
//
// A name the catalogue does not hold resolves to nullptr; callers then keep
// or substitute a picture, so a damaged saved game can never stop the game.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

class TPictureCollectionItem;

class TPictureChoice {
public:
    // Sets the wanted name to stem followed by decimal(number); a negative
    // number adds nothing.
    void Want(std::string_view stem, int32_t number = -1);
    // The catalogue item of the wanted name; when there is none, the item
    // named `fallback` (if given), else nullptr (also without a window).
    // Looks up only when the wanted name changed since the last call, so a
    // missing picture costs no search per frame either.
    TPictureCollectionItem* Item(std::string_view fallback = {});
    const std::string& Name() const { return wanted_; }

private:
    std::string wanted_;
    std::string resolvedName_;
    TPictureCollectionItem* item_ = nullptr;
    bool resolved_ = false;
};

// The catalogue item called `name`, or nullptr (also without a window).
TPictureCollectionItem* FindPicture(const std::string& name);

// The empty picture "nic" (nothing drawn); nullptr only without a catalogue.
TPictureCollectionItem* NothingPicture();
// The catalogue item called `name`, or the empty picture when there is none.
TPictureCollectionItem* PictureOrNothing(const std::string& name);

// Appends decimal(value) to text without any allocation beyond text's own growth.
void AppendDecimal(std::string& text, int32_t value);

class TImageSpriteEx;
// Gives a sprite the picture called `name` (the empty picture when the
// catalogue has none) and that picture's pattern size.
void SetPictureAndSize(TImageSpriteEx& sprite, const std::string& name);
