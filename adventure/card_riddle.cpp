// card_riddle.cpp: the local's card riddle in the pub.
//
// The Cards spot deals four cards, each face drawn 1..3 from the game's
// random source, so the table never starts solved. A click turns a card to
// its next face (0..3, then 0). All four on face 0 solve the riddle and the
// local starts to talk; giving up keeps the faces, and the next deal draws
// them anew.
#include <cstdint>

#include "adventure/game_ids.h"
#include "adventure/puzzle_values.h"
#include "adventure/card_riddle.h"
#include "adventure/rules.h"
#include "core/random.h"

namespace {

constexpr int kCardCount = 4;

bool AllFacesZero() {
    for (int k = 0; k < kCardCount; ++k)
        if (CardFace(k) != 0) return false;
    return true;
}

}  // namespace

void ClickCards() {
    if (Carried() != 0) return;
    QueueStep({.to = Scene::LocalTalking, .text = 257});
    QueueStep({.to = Scene::PlayerInPub, .text = 258});
    QueueStep({.to = Scene::CardTable});
    for (int k = 0; k < kCardCount; ++k) P().cardFace[k] = static_cast<uint8_t>(Random(3) + 1);
}

void CycleCard(int card) {
    if (Carried() != 0 || card < 0 || card >= kCardCount) return;
    uint8_t face = CardFace(card);
    P().cardFace[card] = face >= kLastCardFace ? 0 : static_cast<uint8_t>(face + 1);
    PlayNow(8);
    if (!AllFacesZero()) return;
    QueueStep({.to = Scene::CardTable, .text = 136});
    QueueStep({.to = Scene::PlayerInPub, .text = 137});
    QueueStep({.to = Scene::Pub});
    P().cardRiddleState = 2;
}

void GiveUpCards() {
    if (Carried() != 0) return;
    QueueStep({.to = Scene::LocalTalking, .text = 255});
    QueueStep({.to = Scene::PlayerInPub, .text = 256});
    QueueStep({.to = Scene::Pub});
}
