// bunker_household.cpp: the three companions in the bunker room, the water
// valve in the boiler room and the shower, the last chapter's puzzle.
//
// Three small machines carry it (all in the progress bytes):
//   gamerState   0 not yet talked, 1 busy with his phone, 2 may be asked for
//                the mallet (his phone game decides), 3 has lent the mallet;
//   valveState   0 no tap on the valve, 1 tap set on loosely, 2 tap knocked
//                on with the mallet, 3 water on;
//   patientState 0 not yet talked, 1 has asked for the shower, 2 the water
//                runs (the next talk plays the ending).
// The jar given to the gamer after all three first talks makes him busy and
// the patient ask for a shower; the loose tap coming off the valve while the
// gamer is busy makes him approachable; his phone game (phone_game.h), won,
// lends the mallet; the water running and seen in the shower lets the
// patient close the story in scene 82.
#include <string>

#include "adventure/game_ids.h"
#include "adventure/inventory.h"
#include "adventure/bunker_household.h"
#include "adventure/rules.h"
#include "adventure/step_queue.h"

namespace {

// The score the gamer asks for, put into his challenge (text 285).
constexpr const char* kTargetScore = "100";

bool AllGreetedOnce() {
    return P().talkedToGamer == 1 && P().talkedToScout == 1 && P().talkedToPatient == 1;
}

// Text 285 with its %d replaced by the target score (only the first %d).
std::string ChallengeText() {
    std::string text = Text(285);
    const std::size_t at = text.find("%d");
    if (at != std::string::npos) text.replace(at, 2, kTargetScore);
    return text;
}

void AskForTheMallet() {
    QueueStep({.to = Scene::PlayerInBunker, .text = 284});
    const std::string challenge = ChallengeText();
    QueueStep({.to = Scene::Gamer, .literal = challenge.c_str()});
    QueueStep({.to = Scene::PlayerInBunker, .text = 286});
    QueueStep({.to = Scene::Gamer, .text = 287});
    QueueStep({.to = Scene::PlayerInBunker, .text = 288});
    QueueStep({.to = Scene::Gamer, .text = 289});
    QueueStep({.to = Scene::PhoneGame, .literal = "0"});  // the phone game starts
}

void ClickGamer() {
    const uint8_t state = P().gamerState;
    if (Carried() == 0) {
        if (state == 0) {
            QueueStep({.to = Scene::PlayerInBunker, .text = 279});
            QueueStep({.to = Scene::Gamer, .text = 280});
            QueueStep({.to = Scene::PlayerInBunker, .text = 281});
            QueueStep({.to = Scene::Gamer, .text = 282});
            QueueStep({.to = Scene::BunkerRoom});
            P().talkedToGamer = 1;
        } else if (state == 1 || state == 3) {
            QueueStep({.text = 283});
        } else if (state == 2) {
            AskForTheMallet();
        }
        return;
    }
    if (Carried() == Item::Jar && AllGreetedOnce()) {
        QueueStep({.to = Scene::PlayerInBunker, .text = 290});
        QueueStep({.to = Scene::GamerEatingPickles, .text = 291});
        QueueStep({.to = Scene::Patient, .text = 292});
        QueueStep({.to = Scene::BunkerRoom});
        RemoveItem(Item::Jar);
        P().patientState = 1;
        P().gamerState = 1;
    }
}

void ClickScout() {
    if (Carried() != 0) return;
    static constexpr TextId kTalk[] = {293, 294, 295, 296, 297, 298, 299, 300};
    for (int i = 0; i < 8; ++i)
        QueueStep({.to = i % 2 == 0 ? Scene::PlayerInBunker : Scene::Scout, .text = kTalk[i]});
    QueueStep({.to = Scene::BunkerRoom});
    P().talkedToScout = 1;
}

// The patient's last talk: the shower, the walk home and the end picture.
void PlayTheEnding() {
    static constexpr struct {
        int32_t scene;
        TextId text;
    } kEnding[] = {
        {Scene::PlayerInBunker, 305},
        {Scene::Patient, 306},
        {Scene::EndingShower, 307},
        {Scene::EndingSupper, 308},
        {Scene::EndingGhostStories, 309},
        {Scene::EndingMidnight, 310},
        {Scene::EndingTorch, 311},
        {Scene::EndingAsleep, 312},
        {Scene::EndingSnowyMorning, 313},
        {Scene::EndingShuttingGate, 314},
        {Scene::EndingBench, 315},
        {Scene::EndingEmptyTracks, 316},
        {Scene::EndingTimetable, 317},
        {Scene::EndingEmptyTracks, 318},
        {Scene::EndingBench, 319},
        {Scene::Gamer, 320},
        {Scene::PlayerInBunker, 321},
        {Scene::EndingBench, 322},
        {Scene::Gamer, 323},
        {Scene::PlayerInBunker, 324},
        {Scene::EndingTrain, 325},
        {Scene::EndingHome, 326},
        {Scene::TheEnd, 327},
    };
    for (const auto& step : kEnding) QueueStep({.to = step.scene, .text = step.text});
}

void ClickPatient() {
    if (Carried() != 0) return;
    switch (P().patientState) {
    case 0:
        QueueStep({.to = Scene::PlayerInBunker, .text = 301});
        QueueStep({.to = Scene::Patient, .text = 302});
        QueueStep({.to = Scene::BunkerRoom});
        P().talkedToPatient = 1;
        break;
    case 1:
        QueueStep({.to = Scene::Patient, .text = 303});
        QueueStep({.to = Scene::PlayerInBunker, .text = 304});
        QueueStep({.to = Scene::BunkerRoom});
        P().bathroomOpen = 1;
        break;
    case 2:
        PlayTheEnding();
        break;
    default:
        break;
    }
}

// Turning the valve with an empty hand.
void TurnValve() {
    switch (P().valveState) {
    case 0:
        QueueStep({.text = 329});
        break;
    case 1:  // the loose tap comes off into the hand
        QueueStep({.to = Scene::BoilerRoom, .text = 330, .sound = 4});
        QueueStep({.item = Item::Tap});
        P().valveState = 0;
        if (P().gamerState == 1) P().gamerState = 2;
        break;
    case 2:  // the water runs; the valve's spot goes with the next build
        QueueStep({.to = Scene::BoilerRoom, .text = 331});
        P().valveState = 3;
        break;
    default:
        break;
    }
}

}  // namespace

void ClickCompanion(int32_t hotspotId) {
    switch (hotspotId) {
    case Spot::Gamer: ClickGamer(); break;
    case Spot::Scout: ClickScout(); break;
    case Spot::Patient: ClickPatient(); break;
    default: break;
    }
}

void ClickValve() {
    if (Carried() == 0) {
        TurnValve();
    } else if (Carried() == Item::Tap) {
        QueueStep({.to = Scene::BoilerRoom, .text = 332});
        QueueStep({.text = 333, .sound = 4});
        QueueStep({});
        P().valveState = 1;
        RemoveItem(Item::Tap);
    } else if (Carried() == Item::Mallet && P().valveState == 1) {
        QueueStep({.to = Scene::BoilerRoom, .text = 334, .sound = 5});
        RemoveItem(Item::Mallet);
        P().valveState = 2;
    }
}

void ClickShower() {
    if (Carried() != 0) return;
    if (P().valveState == 3) {
        QueueStep({.text = 335});
        P().patientState = 2;
    } else {
        QueueStep({.text = 336});
    }
}
