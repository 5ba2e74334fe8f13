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


SCREEN_WIDTH = 1024  # the Xvfb screen of xvfb_phone_game.sh


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True, text=True).stdout


def windows():
    """The visible windows as (id, x, y, width, height)."""
    found = []
    for wid in xdotool("search", "--onlyvisible", "--name", ".").split():
        values = dict(line.split("=") for line in xdotool("getwindowgeometry", "--shell", wid).split())
        found.append((wid, int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])))
    return found


def press_start():
    """The start panel (428x270), when the program shows one: its start button."""
    for _, x, y, w, h in windows():
        if (w, h) == (428, 270):
            xdotool("mousemove", x + 243, y + 249)
            time.sleep(0.2)
            xdotool("click", "1")
            time.sleep(1.5)
            return


class Game:
    def __init__(self, out):
        self.out = out
        game = [w for w in windows() if (w[3], w[4]) == (640, 480)]
        if not game:
            raise SystemExit("no 640x480 game window: " + repr(windows()))
        _, self.wx, self.wy, _, _ = game[0]
        # The 535x270 picture is centred on the 640x480 window.
        self.ox = self.wx + 53
        self.oy = self.wy + 105

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

    def grab(self):
        return subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"],
                              check=True, capture_output=True).stdout

    def pixel(self, screen, px, py):
        at = ((self.oy + py) * SCREEN_WIDTH + self.ox + px) * 3
        return screen[at: at + 3]

    # The lane of the game, picture x 170..387, y 33..162: where the rocket
    # must be for its shots to meet the lowest green enemy (a shot leaves the
    # rocket's X + 4 and is 10 wide: its middle is the rocket's X + 9), or None.
    def lowest_enemy(self, screen):
        x0, y0, w, h = 170, 33, 218, 130

        def green(row, col):
            r, g, b = self.pixel(screen, x0 + col, y0 + row)
            return g > 110 and g > r + 30 and g > b + 30

        for row in range(h - 1, -1, -1):
            cols = [c for c in range(w) if green(row, c)]
            if cols:
                run_end = cols[0]
                while run_end + 1 < w and green(row, run_end + 1):
                    run_end += 1
                return x0 + (cols[0] + run_end) // 2 - 9
        return None

    # The status line under the picture shows the score while the game runs
    # (a few digits) and a sentence once it is over: wider than 45 pixels.
    def game_over(self, screen):
        cols = [x for x in range(-53, 587) for y in range(311, 327)
                if min(self.pixel(screen, x, y)) > 200]
        return bool(cols) and max(cols) - min(cols) > 45

    # The phone's red dashed line across the lane (picture y 157..158).
    def in_phone_game(self, screen):
        reds = 0
        for px in range(170, 388):
            r, g, b = self.pixel(screen, px, 158)
            reds += r > 150 and g < 90 and b < 90
        return reds > 20

    def play_phone_game(self, seconds):
        start = time.time()
        shot_taken = False
        aims = 0
        while time.time() - start < seconds:
            screen = self.grab()
            if self.game_over(screen):
                return aims, True
            x = self.lowest_enemy(screen)
            if x is not None:
                xdotool("mousemove", self.ox + x, self.oy + 200)
                aims += 1
            if not shot_taken and time.time() - start > 25:
                self.shot("phone-game-running.png")
                shot_taken = True
        return aims, False


def play(out):
    press_start()
    g = Game(out)
    g.shot("menu.png")
    g.load(304)                  # slot 0: the gamer is ready
    g.shot("room-before.png")
    for _ in range(7):           # ask him: his challenge, and the game starts
        g.click(158, 190, 0.5)
    g.shot("phone-game-start.png")
    if not g.in_phone_game(g.grab()):
        raise SystemExit("the phone game did not start: the saved game must load from the menu "
                         "(see room-before.png)")
    aims, over = g.play_phone_game(400)
    g.shot("phone-game-over.png")
    print(f"phone game: {aims} aims, {'over' if over else 'still running after 400 s'}")
    if not over:
        raise SystemExit("the phone game did not end")
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
