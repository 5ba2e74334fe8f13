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

#include "adventure/inventory.h"
#include "adventure/puzzles.h"
#include "adventure/rules.h"
#include "adventure/step_queue.h"

namespace {

// Scenes: the room, the player and the three companions speaking, the
// boiler room, the phone game and the ending pictures.
constexpr int32_t kRoom = 57;
constexpr int32_t kPlayer = 58;
constexpr int32_t kGamer = 59;
constexpr int32_t kScout = 60;
constexpr int32_t kPatient = 61;
constexpr int32_t kGamerWithJar = 67;
constexpr int32_t kBoilerRoom = 65;
constexpr int32_t kPhoneGame = 5;

constexpr uint16_t kJar = 230;
constexpr uint16_t kTap = 231;
constexpr uint16_t kMallet = 232;

constexpr int32_t kGamerId = 162;
constexpr int32_t kScoutId = 163;
constexpr int32_t kPatientId = 164;

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
    QueueStep({.to = kPlayer, .text = 284});
    const std::string challenge = ChallengeText();
    QueueStep({.to = kGamer, .literal = challenge.c_str()});
    QueueStep({.to = kPlayer, .text = 286});
    QueueStep({.to = kGamer, .text = 287});
    QueueStep({.to = kPlayer, .text = 288});
    QueueStep({.to = kGamer, .text = 289});
    QueueStep({.to = kPhoneGame, .literal = "0"});  // the phone game starts
}

void ClickGamer() {
    const uint8_t state = P().gamerState;
    if (Carried() == 0) {
        if (state == 0) {
            QueueStep({.to = kPlayer, .text = 279});
            QueueStep({.to = kGamer, .text = 280});
            QueueStep({.to = kPlayer, .text = 281});
            QueueStep({.to = kGamer, .text = 282});
            QueueStep({.to = kRoom});
            P().talkedToGamer = 1;
        } else if (state == 1 || state == 3) {
            QueueStep({.text = 283});
        } else if (state == 2) {
            AskForTheMallet();
        }
        return;
    }
    if (Carried() == kJar && AllGreetedOnce()) {
        QueueStep({.to = kPlayer, .text = 290});
        QueueStep({.to = kGamerWithJar, .text = 291});
        QueueStep({.to = kPatient, .text = 292});
        QueueStep({.to = kRoom});
        RemoveItem(kJar);
        P().patientState = 1;
        P().gamerState = 1;
    }
}

void ClickScout() {
    if (Carried() != 0) return;
    static constexpr TextId kTalk[] = {293, 294, 295, 296, 297, 298, 299, 300};
    for (int i = 0; i < 8; ++i) QueueStep({.to = i % 2 == 0 ? kPlayer : kScout, .text = kTalk[i]});
    QueueStep({.to = kRoom});
    P().talkedToScout = 1;
}

// The patient's last talk: the shower, the walk home and the end picture.
void PlayTheEnding() {
    static constexpr struct {
        int32_t scene;
        TextId text;
    } kEnding[] = {{58, 305}, {61, 306}, {69, 307}, {70, 308}, {71, 309}, {72, 310},
                   {73, 311}, {74, 312}, {75, 313}, {76, 314}, {77, 315}, {78, 316},
                   {79, 317}, {78, 318}, {77, 319}, {59, 320}, {58, 321}, {77, 322},
                   {59, 323}, {58, 324}, {80, 325}, {81, 326}, {82, 327}};
    for (const auto& step : kEnding) QueueStep({.to = step.scene, .text = step.text});
}

void ClickPatient() {
    if (Carried() != 0) return;
    switch (P().patientState) {
    case 0:
        QueueStep({.to = kPlayer, .text = 301});
        QueueStep({.to = kPatient, .text = 302});
        QueueStep({.to = kRoom});
        P().talkedToPatient = 1;
        break;
    case 1:
        QueueStep({.to = kPatient, .text = 303});
        QueueStep({.to = kPlayer, .text = 304});
        QueueStep({.to = kRoom});
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
        QueueStep({.to = kBoilerRoom, .text = 330, .sound = 4});
        QueueStep({.item = kTap});
        P().valveState = 0;
        if (P().gamerState == 1) P().gamerState = 2;
        break;
    case 2:  // the water runs; the valve's spot goes with the next build
        QueueStep({.to = kBoilerRoom, .text = 331});
        P().valveState = 3;
        break;
    default:
        break;
    }
}

}  // namespace

void ClickCompanion(int32_t hotspotId) {
    switch (hotspotId) {
    case kGamerId: ClickGamer(); break;
    case kScoutId: ClickScout(); break;
    case kPatientId: ClickPatient(); break;
    default: break;
    }
}

void ClickValve() {
    if (Carried() == 0) {
        TurnValve();
    } else if (Carried() == kTap) {
        QueueStep({.to = kBoilerRoom, .text = 332});
        QueueStep({.text = 333, .sound = 4});
        QueueStep({});
        P().valveState = 1;
        RemoveItem(kTap);
    } else if (Carried() == kMallet && P().valveState == 1) {
        QueueStep({.to = kBoilerRoom, .text = 334, .sound = 5});
        RemoveItem(kMallet);
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
