// picture_choice.cpp: per-frame picture names with lookups only on change.
#include "adventure/picture_choice.h"

#include "adventure/game_window.h"
#include "graphics/image_catalogue.h"
#include "sprites/image_sprite.h"


void AppendDecimal(std::string& text, int32_t value) {
    char digits[12];
    int n = 0;
    int64_t v = value;
    bool negative = v < 0;
    if (negative) v = -v;
    do {
        digits[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    if (negative) text.push_back('-');
    while (n > 0) text.push_back(digits[--n]);
}

void TPictureChoice::Want(std::string_view stem, int32_t number) {
    wanted_.assign(stem);
    if (number >= 0) AppendDecimal(wanted_, number);
}

TPictureCollectionItem* TPictureChoice::Item(std::string_view fallback) {
    if (resolved_ && wanted_ == resolvedName_) return item_;
    item_ = FindPicture(wanted_);
    if (item_ == nullptr && !fallback.empty()) item_ = FindPicture(std::string(fallback));
    resolvedName_ = wanted_;
    resolved_ = true;
    return item_;
}

TPictureCollectionItem* FindPicture(const std::string& name) {
    IGameWindow* window = GameWindow();
    if (window == nullptr) return nullptr;
    TPictureCollection& pictures = window->PictureCatalogue();
    const int32_t index = pictures.IndexOf(name);
    return index < 0 ? nullptr : &pictures.Items(index);
}

TPictureCollectionItem* NothingPicture() {
    static const std::string kNothing = "nic";
    return FindPicture(kNothing);
}

TPictureCollectionItem* PictureOrNothing(const std::string& name) {
    TPictureCollectionItem* picture = FindPicture(name);
    return picture != nullptr ? picture : NothingPicture();
}

void SetPictureAndSize(TImageSpriteEx& sprite, const std::string& name) {
    sprite.Image = PictureOrNothing(name);
    sprite.Width = sprite.Image != nullptr ? sprite.Image->Width() : 0;
    sprite.Height = sprite.Image != nullptr ? sprite.Image->Height() : 0;
}
