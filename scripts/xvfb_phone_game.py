#!/usr/bin/env python3
"""The helper of xvfb_phone_game.sh.

  xvfb_phone_game.py save FILE   writes a save.qzd with the two bunker games
  xvfb_phone_game.py play OUTDIR drives the running program on $DISPLAY
"""
import os
import struct
import subprocess
import sys
import time

# save.qzd: resolution, language, sound, 5 bytes of padding, then six 288-byte
# games: savedAt (double), scene (int32), 201 progress bytes, 71 inventory
# bytes, the map's return scene and 3 bytes of padding.
PROGRESS = {"keyTaken": 1, "corridorLightOn": 85, "groupGreeted": 87, "boxOpened": 88,
            "talkedToGamer": 3, "talkedToScout": 89, "talkedToPatient": 90,
            "patientState": 91, "bathroomOpen": 92, "gamerState": 93, "tapFound": 94,
            "valveState": 95}


def saved_game(flags, inventory, scene=57):
    progress = bytearray(201)
    for name, value in flags.items():
        progress[PROGRESS[name]] = value
    items = bytearray(71)
    items[:len(inventory)] = bytes(inventory)
    return struct.pack("<di", 46000.5, scene) + bytes(progress) + bytes(items) + bytes(4)


def write_save(path):
    room = {"keyTaken": 1, "corridorLightOn": 1, "groupGreeted": 1, "boxOpened": 1,
            "talkedToGamer": 1, "talkedToScout": 1, "talkedToPatient": 1, "patientState": 1,
            "bathroomOpen": 1, "tapFound": 1}
    ask = dict(room, gamerState=2, valveState=0)            # the tap in hand, the gamer ready
    end = dict(room, gamerState=3, valveState=3, patientState=2)  # the water runs
    data = bytes([0, 1, 0]) + bytes(5) + saved_game(ask, [206, 205, 231]) + \
        saved_game(end, [206, 205]) + bytes(288 * 4)
    assert len(data) == 1736
    with open(path, "wb") as f:
        f.write(data)


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True, text=True).stdout


class Game:
    def __init__(self, out):
        self.out = out
        wid = xdotool("search", "--onlyvisible", "--name", ".").split()[0]
        geometry = xdotool("getwindowgeometry", "--shell", wid)
        values = dict(line.split("=") for line in geometry.split())
        # The 535x270 picture is centred on the 640x480 window.
        self.ox = int(values["X"]) + 53
        self.oy = int(values["Y"]) + 105
        self.wx, self.wy = int(values["X"]), int(values["Y"])

    def click(self, px, py, pause=0.35):
        xdotool("mousemove", self.ox + px, self.oy + py)
        time.sleep(0.1)
        xdotool("click", "1")
        time.sleep(pause)

    def shot(self, name):
        subprocess.run(["import", "-window", "root", "-crop", f"640x480+{self.wx}+{self.wy}",
                        os.path.join(self.out, name)], check=True)

    def load(self, slot_x):
        self.click(260, -90)     # the strip along the top: the game menu
        self.click(85, 142)      # Load game
        self.click(slot_x, 132)  # the slot
        self.click(260, 200)     # the message goes

    # The lane of the game, picture x 170..387, y 33..162: where the rocket
    # must be for its shots to meet the lowest green enemy (a shot leaves the
    # rocket's X + 4 and is 10 wide: its middle is the rocket's X + 9), or None.
    def lowest_enemy(self):
        x0, y0, w, h = 170, 33, 218, 130
        raw = subprocess.run(["import", "-window", "root", "-crop",
                              f"{w}x{h}+{self.ox + x0}+{self.oy + y0}", "rgb:-"],
                             check=True, capture_output=True).stdout

        def green(row, col):
            r, g, b = raw[(row * w + col) * 3: (row * w + col) * 3 + 3]
            return g > 110 and g > r + 30 and g > b + 30

        for row in range(h - 1, -1, -1):
            cols = [c for c in range(w) if green(row, c)]
            if cols:
                run_end = cols[0]
                while run_end + 1 < w and green(row, run_end + 1):
                    run_end += 1
                return x0 + (cols[0] + run_end) // 2 - 9
        return None

    def play_phone_game(self, seconds):
        start = time.time()
        shot_taken = False
        aims = 0
        while time.time() - start < seconds:
            x = self.lowest_enemy()
            if x is not None:
                xdotool("mousemove", self.ox + x, self.oy + 200)
                aims += 1
            if not shot_taken and time.time() - start > 25:
                self.shot("phone-game-running.png")
                shot_taken = True
        return aims


def play(out):
    g = Game(out)
    g.shot("menu.png")
    g.load(304)                  # slot 0: the gamer is ready
    g.shot("room-before.png")
    for _ in range(7):           # ask him: his challenge, and the game starts
        g.click(158, 190, 0.5)
    g.shot("phone-game-start.png")
    aims = g.play_phone_game(95)
    g.shot("phone-game-over.png")
    print(f"phone game: {aims} aims")
    for _ in range(4):           # the outcome's dialogue back to the room
        g.click(260, 200, 0.5)
    g.shot("room-after.png")
    g.load(388)                  # slot 1: the water runs
    g.click(430, 120, 0.5)       # the patient: the ending, 23 pictures
    for _ in range(22):
        g.click(260, 200, 0.4)
    g.shot("ending-last-words.png")
    g.click(260, 200, 0.5)
    g.shot("the-end.png")


if __name__ == "__main__":
    if sys.argv[1] == "save":
        write_save(sys.argv[2])
    else:
        play(sys.argv[2])
