// scene_object.h: `TPredmet`, a scene object: a small picture on a scene.
//
// Menu entries, save-slot thumbnails, puzzle tiles, stone buttons, cards,
// dial digits and items still lying in a scene are TPredmet sprites (Z 2),
// created only by DejPredmet (below) and freed by the next scene
// build. An object decides nothing about the story: every frame it looks at
// GameState and the hover state and picks the picture that shows the current
// state, so puzzles drawn by the build keep up with the player's clicks
// without a rebuild. Its `id` selects that behaviour; 0 and ids without a
// behaviour are plain pictures. Object ids and hotspot ids are separate name
// spaces, though a scene often gives an object the id of the spot over it.
//
// The per-frame move, in order: the animation step (objects never animate),
// the picture choice by id, then the size (the picture's pattern size; 68x34
// for a save slot while the save/load list is open). Objects play no part in
// collisions as probes.
//
// A picture name the catalogue does not hold (only a damaged saved game can
// ask for one) keeps the object's current picture; a save slot whose scene
// has no picture shows "empty".
#pragma once
#include <cstdint>
#include <string>

#include "adventure/picture_choice.h"
#include "sprites/block_recycler.h"
#include "sprites/image_sprite.h"

// Objects come and go with every build: their memory is recycled.
class TPredmet : public TImageSpriteEx, public TRecycledBlocks<TPredmet> {
public:
    explicit TPredmet(TSprite* parent) : TImageSpriteEx(parent) {}

    uint16_t id = 0;  // fixed for the object's life

protected:
    void DoMove(int32_t MoveCount) override;

private:
    // Sets choice_ to this frame's picture; false for a plain picture.
    bool ChoosePicture();
    bool ChooseSlotPicture(int slot);
    bool IsOpenSaveSlot() const;

    TPictureChoice choice_;
};

// Gives a sprite of the scene picture `name` (the empty picture when the
// catalogue has none) with its pattern size, at (originX + x, originY + y), Z 2.
void PlaceOnScene(TImageSpriteEx& sprite, const std::string& name, int32_t x, int32_t y);

// Creates a scene object placed by PlaceOnScene with the given id. Returns
// the object (callers may ignore it).
TPredmet* DejPredmet(const std::string& name, int32_t x, int32_t y, uint16_t id);

// The sprite engine every scene's sprites live in.
TSpriteEngine& SceneEngine();
