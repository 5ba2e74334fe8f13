#!/usr/bin/env python3
# cut_tiles.py: writes the tablet's nine picture pieces p0..p8 (80x80 each) and the
# whole painting (shared/tile-painting.svg, 240x240) from the one painting below.
# Run from anywhere after changing the painting:  python3 assets/pictures/shared/cut_tiles.py
# The fresco in scena25.svg is a small copy of the same painting: update it too.
import os
OUT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PAINTING = r'''
    <!-- sky: dusk blue at the upper left, warming towards the low sun at the right -->
    <rect x="0" y="0" width="242" height="242" fill="url(#sky)" stroke="none"/>
    <circle cx="164" cy="76" r="96" fill="url(#sun-glow)" stroke="none"/>
    <!-- the sun, sitting across the seam between the middle and right columns -->
    <circle cx="164" cy="76" r="17" fill="#f4c04e" stroke="#e08a2e" stroke-width="1.5"/>
    <circle cx="159" cy="71" r="7" fill="#fbe3a0" stroke="none"/>
    <path d="M164,49 V42 M137,76 H130 M198,76 H191 M145,57 L140,52 M183,57 L188,52 M145,95 L140,100 M183,95 L188,100" stroke="#e08a2e" stroke-width="2.5" stroke-linecap="round"/>
    <!-- a long cloud drifting across the top seam -->
    <path d="M54,96 Q60,84 74,88 Q82,76 98,82 Q110,74 120,84 Q134,82 136,94 Z" fill="#dde7f2" stroke-width="1.2"/>
    <path d="M6,30 q4,-4 8,0 q4,-4 8,0 M96,20 q3,-3 6,0 q3,-3 6,0 M214,122 q3,-3 6,0 q3,-3 6,0" fill="none" stroke-width="1.5" stroke-linecap="round"/>
    <!-- far blue mountains, a slanting line from high at the left to low at the right -->
    <path d="M-2,70 L14,58 L30,72 L52,50 L72,78 L96,74 L120,96 L150,92 L176,112 L200,104 L222,124 L244,118 V242 H-2 Z" fill="#7d97bf" stroke-width="1"/>
    <path d="M14,58 L20,64 L24,62 L30,72 Z M52,50 L60,60 L64,58 L72,78 L58,62 Z M176,112 L184,116 L200,104 L190,114 Z" fill="#eef3f8" stroke="none"/>
    <!-- the river, from the mountains at the right winding down to the lower left -->
    <path d="M244,128 Q214,134 200,150 Q186,166 160,170 Q124,176 110,196 Q96,220 60,228 Q30,236 -2,236 V252 H-2 Q40,252 74,242 Q112,232 128,206 Q140,190 170,184 Q204,178 214,160 Q224,146 244,142 Z" fill="#5b7bab" stroke-width="1.2"/>
    <path d="M236,135 Q216,142 206,156 M178,176 Q150,178 132,190 M116,214 Q100,232 70,236" fill="none" stroke="#a9bfdc" stroke-width="2" stroke-linecap="round"/>
    <!-- the castle hill: high at the left, falling to the river at the right -->
    <path d="M-2,112 Q30,92 70,100 Q110,106 136,128 Q150,142 168,150 L160,170 Q124,176 110,196 Q98,214 72,224 Q30,232 -2,232 Z" fill="#4f8a5c" stroke-width="1.5"/>
    <path d="M70,104 Q108,110 132,132 Q148,146 162,152 L158,166 Q120,172 104,190 Q94,206 76,214 Q84,170 70,104 Z" fill="#2f5a3e" stroke="none" opacity="0.55"/>
    <!-- the fields and the village on the far bank at the lower right -->
    <path d="M244,142 Q224,146 214,160 Q204,178 170,184 Q140,190 128,206 Q112,232 74,242 H244 Z" fill="#c9a13a" stroke-width="1.5"/>
    <path d="M150,200 Q190,190 244,190 M136,218 Q190,206 244,208 M112,236 Q180,224 244,226" fill="none" stroke="#a8733f" stroke-width="1.5"/>
    <!-- the castle as it once stood, on the hilltop across the seams of the top-left
         pieces: a tall round tower, the curtain wall with the gate, the keep -->
    <path d="M28,112 V66 H124 V116 Z" fill="#c9ced6" stroke-width="1.5"/>
    <path d="M28,66 v-6 h8 v6 h8 v-6 h8 v6 h8 v-6 h8 v6 h8 v-6 h8 v6 h8 v-6 h8 v6 h8 v-6 h8 v6 h8 v-6 h8 v6" fill="#c9ced6" stroke-width="1.2"/>
    <path d="M60,116 V96 Q70,84 80,96 V116 Z" fill="#4a2e1e" stroke-width="1.5"/>
    <path d="M64,116 V98 M70,116 V92 M76,116 V98 M61,106 H79" stroke="#a8733f" stroke-width="1.2"/>
    <!-- the tall tower at the left, its red roof high in the top row -->
    <path d="M34,114 V30 H58 V114 Z" fill="#dde7f2" stroke-width="1.5"/>
    <path d="M50,30 H58 V114 H50 Z" fill="#9ea4ad" stroke="none"/>
    <path d="M30,32 L46,2 L62,32 Z" fill="#b4563c" stroke-width="1.5"/>
    <path d="M46,2 L62,32 H52 Z" fill="#8e3b2c" stroke="none"/>
    <path d="M40,44 h6 v10 h-6 Z M40,74 h6 v10 h-6 Z" fill="#f4c04e" stroke-width="1"/>
    <!-- the keep, straddling the first vertical seam, with the count's banner -->
    <path d="M72,70 V20 H112 V70 Z" fill="#dde7f2" stroke-width="1.5"/>
    <path d="M102,20 H112 V70 H102 Z" fill="#9ea4ad" stroke="none"/>
    <path d="M71,20 V12 H79 V20 M86,20 V12 H94 V20 M102,20 V12 H110 V20" fill="#dde7f2" stroke-width="1.2"/>
    <path d="M70,20 H114" stroke-width="1.5"/>
    <path d="M92,12 V2" stroke-width="1.5"/>
    <path d="M92,2 H110 L106,6 L110,10 H92 Z" fill="#1b2540" stroke-width="1"/>
    <path d="M80,30 H104 V50 L92,58 L80,50 Z" fill="#1b2540" stroke-width="1.5"/>
    <path d="M85,34 L92,48 L99,34" fill="none" stroke="#c9a13a" stroke-width="3" stroke-linecap="round" stroke-linejoin="round"/>
    <!-- the road: from the castle gate down the hill, over the bridge, through the
         fields to the village; it crosses the seams one after another -->
    <path d="M66,116 Q58,134 80,146 Q104,158 118,172 Q128,182 140,186 Q170,196 196,196 Q220,196 244,204 V214 Q218,206 196,207 Q166,208 136,197 Q120,190 110,180 Q96,166 74,154 Q50,138 60,116 Z" fill="#cbbd98" stroke-width="1.2"/>
    <!-- the bridge where the road crosses the river -->
    <path d="M116,168 L150,184 L146,194 L112,178 Z" fill="#9ea4ad" stroke-width="1.2"/>
    <path d="M118,172 Q130,186 146,188" fill="none" stroke="#3c4048" stroke-width="1.5"/>
    <!-- the village on the far bank: church with its steeple across the lower seam -->
    <path d="M188,196 V160 H208 V196 Z" fill="#efe6cf" stroke-width="1.5"/>
    <path d="M186,162 L198,132 L210,162 Z" fill="#6e2a20" stroke-width="1.5"/>
    <path d="M198,132 V120 M194,124 H202" stroke-width="1.5"/>
    <path d="M194,170 h8 v10 h-8 Z" fill="#f4c04e" stroke-width="1"/>
    <path d="M212,198 V174 H236 V198 Z" fill="#efe6cf" stroke-width="1.5"/>
    <path d="M208,176 L224,160 L240,176 Z" fill="#8e3b2c" stroke-width="1.5"/>
    <path d="M218,182 h7 v7 h-7 Z" fill="#f4c04e" stroke-width="1"/>
    <path d="M166,190 V176 H184 V190 Z" fill="#efe6cf" stroke-width="1.2"/>
    <path d="M162,178 L175,166 L188,178 Z" fill="#b4563c" stroke-width="1.2"/>
    <!-- the railway stop at the bottom left and the red path from it to the village -->
    <path d="M8,224 V204 H38 V224 Z" fill="#8e3b2c" stroke-width="1.5"/>
    <path d="M2,206 L23,192 L44,206 Z" fill="#6e2a20" stroke-width="1.5"/>
    <path d="M14,210 h8 v7 h-8 Z" fill="#f4c04e" stroke-width="1"/>
    <path d="M44,226 Q70,214 92,196 Q110,180 140,192 Q170,204 196,200" fill="none" stroke="#c0392b" stroke-width="2.5" stroke-dasharray="4 4" stroke-linecap="round"/>
    <!-- pines on the near slope, across the left seams -->
    <path d="M62,170 l9,-24 l9,24 Z M74,188 l10,-26 l10,26 Z M88,160 l8,-22 l8,22 Z" fill="#1f3d2c" stroke-width="1.2"/>
    <path d="M20,176 l8,-22 l8,22 Z M4,164 l7,-18 l7,18 Z" fill="#1f3d2c" stroke-width="1.2"/>
'''
DEFS = '''  <defs>
    <linearGradient id="sky" gradientUnits="userSpaceOnUse" x1="0" y1="0" x2="240" y2="150">
      <stop offset="0" stop-color="#1b2540"/>
      <stop offset="0.45" stop-color="#3f5a86"/>
      <stop offset="1" stop-color="#a9bfdc"/>
    </linearGradient>
    <radialGradient id="sun-glow" gradientUnits="userSpaceOnUse" cx="164" cy="76" r="96">
      <stop offset="0" stop-color="#fbe3a0" stop-opacity="0.95"/>
      <stop offset="0.35" stop-color="#f4c04e" stop-opacity="0.6"/>
      <stop offset="1" stop-color="#e08a2e" stop-opacity="0"/>
    </radialGradient>
  </defs>
'''
DESC = ["the sky, the tall tower's roof and the keep's left half",
        "the keep's right half, the cloud and the sun's left side",
        "the sun's right side and its glow over the mountains",
        "the castle hill with the gate and the road leaving it",
        "the road, the bridge over the river and the hill's shadow",
        "the river bend, the church steeple and the far fields",
        "the railway stop and the river's lower reach",
        "the red path, the bridge's end and the road into the fields",
        "the village houses and the fields at the lower right"]
for k in range(9):
    r, c = divmod(k, 3)
    s = f'''<svg xmlns="http://www.w3.org/2000/svg" width="80" height="80" viewBox="0 0 80 80">
  <!-- Tablet piece "p{k}" (row {r+1}, column {c+1}): {DESC[k]}.
       The nine pieces p0..p8 are cut from one 240x240 painting of the count's
       castle as it once stood at sunset, with the river, the road over the bridge
       and the red path from the railway stop to the village; each piece shows the
       80x80 square at (80*column, 80*row). The painting's shapes cross every inner
       seam and it runs from sky at the top to fields at the bottom, so only the
       pieces in their own places make it whole (tests/graphics/tile_seams_test.cpp
       checks this). Made by shared/cut_tiles.py: change the painting there, and the
       fresco in scena25.svg with it. -->
{DEFS}  <g transform="translate({-80*c},{-80*r})" stroke="#141a2a" stroke-linejoin="round">{PAINTING}  </g>
</svg>
'''
    open(os.path.join(OUT, f"p{k}.svg"), "w").write(s)
open(os.path.join(OUT, "shared", "tile-painting.svg"), "w").write(f'''<svg xmlns="http://www.w3.org/2000/svg" width="240" height="240" viewBox="0 0 240 240">
  <!-- The tablet's whole picture, from which p0..p8 are cut (made by cut_tiles.py). -->
{DEFS}  <g stroke="#141a2a" stroke-linejoin="round">{PAINTING}  </g>
</svg>
''')
