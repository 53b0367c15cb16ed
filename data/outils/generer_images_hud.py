#!/usr/bin/env python3
"""Draws the HUD's images (panel backgrounds, countdown digits, start signs, weapon
icons) and the level's (editor icons of a decor sprite, colour filter, step dust, footprint,
particle dot), and writes the ".dec" file that loads each one; also the sample sequence of the image slicer
(Sprites/0001.png to 0012.png); the characters' sheets, the weapons' sheet, the spirit,
the shadow and the characters' icon menu; the online lobby's character pictures and level
miniatures; the weather's images (rain, snow, halos, fog, clouds, stars, the drifting dust
cloud and the lightning) and the fire meteor's sheet; the explosions' sequences, the rocker
weapon's rock and the loot a dead enemy shows; the combat images (the fire of a burnt body,
the empty-weapon rabbit, blood, the two status icons); the check boxes of the editor's
"Options" window; through outils/images_decors.py, the levels' decor sheets and masks,
their mechanisms, backgrounds and list pictures. Run from data/:

    python3 outils/generer_images_hud.py

Only the standard library: a tiny PNG writer and a 5x7 block font."""
import math
import os
import struct
import sys
import zlib

import images_messages

POLICE = {
    "0": ["01110", "10001", "10011", "10101", "11001", "10001", "01110"],
    "1": ["00100", "01100", "00100", "00100", "00100", "00100", "01110"],
    "2": ["01110", "10001", "00001", "00010", "00100", "01000", "11111"],
    "3": ["11110", "00001", "00001", "01110", "00001", "00001", "11110"],
    "4": ["00010", "00110", "01010", "10010", "11111", "00010", "00010"],
    "5": ["11111", "10000", "11110", "00001", "00001", "10001", "01110"],
    "6": ["00110", "01000", "10000", "11110", "10001", "10001", "01110"],
    "7": ["11111", "00001", "00010", "00100", "01000", "01000", "01000"],
    "8": ["01110", "10001", "10001", "01110", "10001", "10001", "01110"],
    "9": ["01110", "10001", "10001", "01111", "00001", "00010", "01100"],
    "G": ["01110", "10001", "10000", "10111", "10001", "10001", "01111"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "D": ["11100", "10010", "10001", "10001", "10001", "10010", "11100"],
    "Y": ["10001", "10001", "01010", "00100", "00100", "00100", "00100"],
    "!": ["00100", "00100", "00100", "00100", "00100", "00000", "00100"],
    "B": ["11110", "10001", "10001", "11110", "10001", "10001", "11110"],
    "X": ["10001", "10001", "01010", "00100", "01010", "10001", "10001"],
}


class Image:
    def __init__(self, l, h, fond=(0, 0, 0, 0)):
        self.l, self.h = l, h
        self.px = [list(fond) for _ in range(l * h)]

    def mettre(self, x, y, c):
        if 0 <= x < self.l and 0 <= y < self.h:
            self.px[y * self.l + x] = list(c)

    def rect(self, x, y, l, h, c):
        for j in range(y, y + h):
            for i in range(x, x + l):
                self.mettre(i, j, c)

    def disque(self, cx, cy, r, c, r_int=-1.0):
        for j in range(int(cy - r) - 1, int(cy + r) + 2):
            for i in range(int(cx - r) - 1, int(cx + r) + 2):
                d = ((i - cx) ** 2 + (j - cy) ** 2) ** 0.5
                if r_int < d <= r:
                    self.mettre(i, j, c)

    def trait(self, x0, y0, x1, y1, c, e=2):
        n = max(abs(x1 - x0), abs(y1 - y0), 1)
        for k in range(n + 1):
            x = x0 + (x1 - x0) * k / n
            y = y0 + (y1 - y0) * k / n
            self.rect(int(round(x - e / 2)), int(round(y - e / 2)), e, e, c)

    def coller(self, autre, x, y):
        for j in range(autre.h):
            for i in range(autre.l):
                self.mettre(x + i, y + j, autre.px[j * autre.l + i])

    def cadre(self, x, y, l, h, c, e=1):
        self.rect(x, y, l, e, c)
        self.rect(x, y + h - e, l, e, c)
        self.rect(x, y, e, h, c)
        self.rect(x + l - e, y, e, h, c)

    def texte(self, x, y, chaine, bloc, c, ombre=None):
        for k, car in enumerate(chaine):
            motif = POLICE[car]
            for j, ligne in enumerate(motif):
                for i, b in enumerate(ligne):
                    if b == "1":
                        px, py = x + (k * 6 + i) * bloc, y + j * bloc
                        if ombre:
                            self.rect(px + bloc // 4 + 1, py + bloc // 4 + 1, bloc, bloc, ombre)
                        self.rect(px, py, bloc, bloc, c)
        return len(chaine) * 6 * bloc - bloc

    def png(self, chemin):
        brut = b"".join(b"\x00" + bytes(v for p in self.px[j * self.l:(j + 1) * self.l] for v in p)
                        for j in range(self.h))

        def bloc(type_, data):
            return (struct.pack(">I", len(data)) + type_ + data +
                    struct.pack(">I", zlib.crc32(type_ + data) & 0xFFFFFFFF))

        with open(chemin, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n")
            f.write(bloc(b"IHDR", struct.pack(">IIBBBBB", self.l, self.h, 8, 6, 0, 0, 0)))
            f.write(bloc(b"IDAT", zlib.compress(brut, 9)))
            f.write(bloc(b"IEND", b""))


def dec(chemin_dec, chemin_png, ident, l, h, origine=None):
    lignes = ["# Generated by outils/generer_images_hud.py", "ID=" + ident,
              "PLANCHE=" + chemin_png, "SPRITE=0;0;1;%d;%d;0;0" % (l, h)]
    if origine:
        lignes.append("ORIGINE=%d;%d" % origine)
    with open(chemin_dec, "w") as f:
        f.write("\n".join(lignes) + "\n")


def ecrire(img, dossier, nom, ident, origine=None):
    os.makedirs(dossier, exist_ok=True)
    img.png(os.path.join(dossier, nom + ".png"))
    dec(os.path.join(dossier, nom + ".dec"), "./" + dossier + "/" + nom + ".png", ident, img.l, img.h, origine)


def dec_anime(chemin_dec, chemin_png, ident, nb, l, h, vitesse, boucles):
    lignes = ["# Generated by outils/generer_images_hud.py", "ID=" + ident,
              "PLANCHE=" + chemin_png + ";", "SPRITE=0;0;%d;%d;%d;%s;%d" % (nb, l, h, vitesse, boucles)]
    with open(chemin_dec, "w") as f:
        f.write("\n".join(lignes) + "\n")


FOND_ICONE = (40, 44, 52, 220)
TRAIT_ICONE = (230, 230, 230, 255)


def fleche(img, x0, y0, x1, y1, c):
    img.trait(x0, y0, x1, y1, c)
    dx, dy = x1 - x0, y1 - y0
    n = max(1.0, (dx * dx + dy * dy) ** 0.5)
    ux, uy = dx / n, dy / n
    for sx, sy in ((-uy, ux), (uy, -ux)):
        img.trait(x1, y1, int(x1 - 6 * ux + 5 * sx), int(y1 - 6 * uy + 5 * sy), c)


def calques(img, x, y, c):
    for k in range(3):
        img.cadre(x + k * 3, y + k * 3, 10, 8, c)


def icone(dessin):
    img = Image(32, 32)
    img.rect(1, 1, 30, 30, FOND_ICONE)
    img.cadre(1, 1, 30, 30, (90, 96, 110, 255))
    dessin(img)
    return img


def icones_decor():
    """The editor's menu of a decor sprite, in the order of its actions: scale, rotate, lock,
    properties, next plane, to front, to back, previous plane, flip horizontally, flip
    vertically, blank, delete."""
    c = TRAIT_ICONE

    def echelle(i):
        i.cadre(6, 14, 12, 12, c)
        fleche(i, 14, 18, 26, 6, c)

    def rotation(i):
        i.disque(16, 16, 10, c, 8)
        i.rect(16, 4, 10, 6, FOND_ICONE)
        fleche(i, 22, 12, 26, 7, c)

    def verrou(i):
        i.disque(16, 12, 6, c, 4)
        i.rect(9, 14, 14, 12, (220, 180, 60, 255))
        i.rect(15, 18, 2, 4, FOND_ICONE)

    def proprietes(i):
        for k in range(3):
            i.rect(7, 8 + k * 7, 4, 4, (120, 200, 240, 255))
            i.rect(13, 9 + k * 7, 13, 2, c)

    def plan_suivant(i):
        calques(i, 5, 6, c)
        fleche(i, 18, 24, 28, 24, c)

    def devant(i):
        i.cadre(6, 6, 13, 13, c)
        i.rect(13, 13, 13, 13, (120, 200, 240, 255))

    def derriere(i):
        i.rect(6, 6, 13, 13, (120, 200, 240, 255))
        i.rect(13, 13, 13, 13, FOND_ICONE)
        i.cadre(13, 13, 13, 13, c)

    def plan_precedent(i):
        calques(i, 13, 6, c)
        fleche(i, 14, 24, 4, 24, c)

    def miroir_h(i):
        i.rect(15, 5, 2, 22, (120, 200, 240, 255))
        fleche(i, 12, 16, 4, 16, c)
        fleche(i, 20, 16, 28, 16, c)

    def miroir_v(i):
        i.rect(5, 15, 22, 2, (120, 200, 240, 255))
        fleche(i, 16, 12, 16, 4, c)
        fleche(i, 16, 20, 16, 28, c)

    def vide(i):
        pass

    def supprimer(i):
        rouge = (230, 60, 50, 255)
        i.trait(8, 8, 24, 24, rouge, 3)
        i.trait(24, 8, 8, 24, rouge, 3)

    dessins = [echelle, rotation, verrou, proprietes, plan_suivant, devant, derriere, plan_precedent,
               miroir_h, miroir_v, vide, supprimer]
    barre = Image(32 * len(dessins), 32)
    for n, d in enumerate(dessins):
        barre.coller(icone(d), 32 * n, 0)
    return barre


def images_niveau():
    os.makedirs("menus", exist_ok=True)
    icones_decor().png("menus/menusdec.png")
    os.makedirs("effets", exist_ok=True)
    # The colour filter: one white pixel that the level tints and stretches over the view.
    Image(1, 1, (255, 255, 255, 255)).png("effets/filtre.png")
    with open("effets/filtre.dec", "w") as f:
        f.write("# Generated by outils/generer_images_hud.py\nID=FILTRE\nPLANCHE=./effets/filtre.png;\n"
                "SPRITE=0;0;1;1;1;0;0\n")
    # Step dust: a grey puff that grows and fades over six frames, played once.
    poussiere = Image(6 * 48, 32)
    for n in range(6):
        r = 5 + n * 2.6
        alpha = int(200 * (1 - n / 6.0))
        for k, (dx, dy) in enumerate(((0, 0), (-r * 0.6, 3), (r * 0.6, 3))):
            ton = 150 + 20 * k
            poussiere.disque(n * 48 + 24 + dx, 20 + dy - n, r * (1 - 0.25 * k), (ton, ton, ton - 10, alpha))
    poussiere.png("effets/poussiere.png")
    dec_anime("effets/poussiere.dec", "./effets/poussiere.png", "POUSSIERE", 6, 48, 32, "0.5", 1)
    # A footprint in sand: 16 x 8, darker sand with a lighter rim.
    pas = Image(16, 8)
    for j in range(8):
        for i in range(16):
            d = ((i - 7.5) / 8.0) ** 2 + ((j - 3.5) / 4.0) ** 2
            if d <= 1.0:
                pas.mettre(i, j, (120, 96, 60, 170) if d < 0.55 else (200, 176, 130, 140))
    pas.png("effets/pasdunes.png")
    # The particle of the "Texture" shape in a fresh editor: a soft white dot, 16 x 16.
    particule = Image(16, 16)
    doux(particule, 7.5, 7.5, 8, (255, 255, 255), 255, 1.2)
    particule.png("effets/particule.png")


def panneau(l, h, haut, bas, bord):
    img = Image(l, h)
    for j in range(h):
        t = j / max(1, h - 1)
        c = tuple(int(haut[k] * (1 - t) + bas[k] * t) for k in range(4))
        img.rect(0, j, l, 1, c)
    img.cadre(0, 0, l, h, bord, 2)
    return img


def signe(chaine, bloc, couleur):
    l = len(chaine) * 6 * bloc - bloc + 2 * bloc
    img = Image(l, 7 * bloc + 2 * bloc)
    img.texte(bloc, bloc, chaine, bloc, couleur, ombre=(60, 0, 10, 255))
    return img


def disque(img, cx, cy, r, c):
    for j in range(cy - r, cy + r + 1):
        for i in range(cx - r, cx + r + 1):
            if (i - cx) ** 2 + (j - cy) ** 2 <= r * r:
                img.mettre(i, j, c)


def sequence_sprites():
    """A walking figure on a transparent 256 x 256 background, 10 pixels further right in
    each image: the slicer's sample, followed with a shift ("Décalage") of 10."""
    os.makedirs("Sprites", exist_ok=True)
    peau, tunique, jambes = (240, 200, 160, 255), (40, 110, 200, 255), (70, 50, 40, 255)
    for n in range(12):
        img = Image(256, 256)
        x = 40 + 10 * n
        pas = (-8, -4, 0, 4, 8, 4, 0, -4)[n % 8]
        img.rect(x + 14 + pas, 150, 8, 50, jambes)
        img.rect(x + 26 - pas, 150, 8, 50, jambes)
        img.rect(x + 10, 90, 28, 64, tunique)
        img.cadre(x + 10, 90, 28, 64, (20, 50, 110, 255))
        img.rect(x + 4 - pas // 2, 96, 6, 40, peau)
        img.rect(x + 38 + pas // 2, 96, 6, 40, peau)
        disque(img, x + 24, 72, 16, peau)
        img.rect(x + 28, 66, 4, 4, (30, 30, 30, 255))
        img.png(os.path.join("Sprites", "%04d.png" % (n + 1)))


def ellipse(img, cx, cy, rx, ry, c):
    """A filled ellipse of radii rx, ry about (cx, cy) (pixel centres tested)."""
    for j in range(img.h):
        for i in range(img.l):
            if ((i + 0.5 - cx) / rx) ** 2 + ((j + 0.5 - cy) / ry) ** 2 <= 1:
                img.mettre(i, j, c)


def planche_perso(peau, corps, jambes):
    """The parts of a character, each drawn upright, then the death overlays: head (0, 0,
    12 x 12), body (12, 0, 14 x 22), front arm (26, 0, 5 x 18), back arm (31, 0, 5 x 18),
    front leg (36, 0, 6 x 26), back leg (42, 0, 6 x 26), weapon (48, 0, 14 x 5); fire (0,
    32, 32 x 32), arrow (32, 32, 24 x 8), arrow in the head (32, 40, 24 x 8), spikes (64, 32,
    32 x 16). personnages/heros.anm and garde.anm cut the sheet at these places."""
    img = Image(96, 64)
    sombre = tuple(max(0, v - 40) if k < 3 else v for k, v in enumerate(corps))
    img.rect(1, 1, 10, 11, peau)                          # head
    img.rect(3, 4, 2, 2, (30, 30, 40, 255))
    img.rect(7, 4, 2, 2, (30, 30, 40, 255))
    img.rect(1, 0, 10, 3, jambes)                         # hair
    img.rect(12, 0, 14, 22, corps)                        # body
    img.rect(12, 18, 14, 4, (60, 40, 20, 255))            # belt
    img.rect(26, 0, 5, 14, corps)                         # front arm
    img.rect(26, 14, 5, 4, peau)
    img.rect(31, 0, 5, 14, sombre)                        # back arm
    img.rect(31, 14, 5, 4, peau)
    img.rect(36, 0, 6, 22, jambes)                        # front leg
    img.rect(36, 22, 6, 4, (30, 20, 10, 255))
    darker = tuple(max(0, v - 25) if k < 3 else v for k, v in enumerate(jambes))
    img.rect(42, 0, 6, 22, darker)                        # back leg
    img.rect(42, 22, 6, 4, (30, 20, 10, 255))
    img.rect(48, 0, 14, 3, (70, 70, 75, 255))             # weapon
    img.rect(48, 3, 4, 2, (90, 60, 30, 255))
    for j in range(32):
        for i in range(32):
            if abs(i - 16) < (j + 2) // 2 and (i * 7 + j * 3) % 5 != 0:
                img.mettre(i, 32 + j, (250, 120 + (j * 4) % 100, 20, 230))
    img.rect(32, 35, 20, 2, (120, 80, 40, 255))
    img.rect(52, 34, 4, 4, (200, 200, 200, 255))
    img.rect(32, 43, 20, 2, (120, 80, 40, 255))
    img.rect(52, 42, 4, 4, (200, 40, 40, 255))
    for k in range(4):
        for j in range(16):
            img.rect(64 + 8 * k + j // 4, 32 + 15 - j, 8 - 2 * (j // 4), 1, (170, 170, 180, 255))
    return img


def planche_esprit():
    """Four 32 x 32 frames of the spirit that leaves a dead player, fading out."""
    img = Image(128, 32)
    for n in range(4):
        alpha = 220 - 50 * n
        ellipse(img, 32 * n + 16, 12, 9, 9, (200, 230, 255, alpha))
        img.rect(32 * n + 8, 12, 17, 14 - 2 * n, (200, 230, 255, alpha))
        img.rect(32 * n + 12, 9, 2, 3, (20, 30, 80, 255))
        img.rect(32 * n + 18, 9, 2, 3, (20, 30, 80, 255))
    return img


def planche_armes():
    """Rows of 16 x 16 frames (four per row): bullet, flame, arrow, grenade, muzzle flash,
    impact on the decor, impact on a character. personnages/armes.arm cuts them."""
    img = Image(64, 112)
    for n in range(4):
        x = 16 * n
        img.rect(x + 4, 6, 8, 4, (255, 230, 80 + 40 * n, 255))                    # bullet
        ellipse(img, x + 8, 16 + 8, 4 + n, 3 + n // 2, (255, 140 - 20 * n, 20, 230))  # flame
        img.rect(x + 1, 32 + 7, 12, 2, (140, 90, 40, 255))                         # arrow
        img.rect(x + 12, 32 + 6, 3, 4, (210, 210, 210, 255))
        ellipse(img, x + 8, 48 + 8, 4, 4, (90 + 20 * n, 100, 90, 255))              # grenade
        ellipse(img, x + 8, 64 + 8, 3 + 2 * n, 2 + n, (255, 250, 180, 240 - 40 * n))  # muzzle flash
        ellipse(img, x + 8, 80 + 8, 2 + 2 * n, 2 + 2 * n, (200, 190, 170, 230 - 50 * n))  # wall
        ellipse(img, x + 8, 96 + 8, 2 + 2 * n, 2 + 2 * n, (220, 30, 30, 230 - 50 * n))    # character
    return img


def menus_perso():
    """The editor's icon menu above each character: ten 32 x 32 cells (overlay, collisions,
    scale, rotation, -, properties, mirror H, mirror V, -, remove)."""
    img = Image(320, 32)
    fond, trait = (40, 40, 48, 220), (230, 230, 230, 255)
    for n in range(10):
        img.rect(32 * n + 1, 1, 30, 30, fond)
        img.cadre(32 * n + 1, 1, 30, 30, (120, 120, 130, 255))
    x = 0
    img.cadre(x + 8, 8, 16, 16, trait)                  # overlay: a frame over the character
    img.rect(x + 12, 12, 8, 8, (120, 200, 255, 255))
    x = 32
    img.rect(x + 6, 18, 20, 6, trait)                   # collisions: a block under a ball
    ellipse(img, x + 16, 12, 5, 5, (255, 200, 60, 255))
    x = 64
    img.cadre(x + 6, 14, 12, 12, trait)                 # scale: a small and a large square
    img.cadre(x + 6, 6, 20, 20, (160, 160, 160, 255))
    x = 96
    for a in range(40):                                 # rotation: an open circle
        t = a / 40 * 5.5
        img.rect(x + 16 + int(9 * math.cos(t)), 16 + int(9 * math.sin(t)), 2, 2, trait)
    x = 160
    img.rect(x + 10, 7, 4, 18, trait)                   # properties: a "P"
    img.cadre(x + 10, 7, 12, 10, trait, 3)
    x = 192
    img.rect(x + 15, 5, 2, 22, (160, 160, 160, 255))   # mirror H: two facing triangles
    for j in range(12):
        img.rect(x + 13 - j // 2 - 1, 10 + j, j // 2 + 1, 1, trait)
        img.rect(x + 18, 10 + j, j // 2 + 1, 1, trait)
    x = 224
    img.rect(x + 5, 15, 22, 2, (160, 160, 160, 255))   # mirror V
    for j in range(6):
        w = 12 - 2 * j
        img.rect(x + 16 - w // 2, 13 - j, w, 1, trait)
        img.rect(x + 16 - w // 2, 18 + j, w, 1, trait)
    x = 288
    for k in range(16):                                 # remove: a red cross
        img.rect(x + 8 + k, 8 + k, 3, 3, (230, 50, 50, 255))
        img.rect(x + 23 - k, 8 + k, 3, 3, (230, 50, 50, 255))
    return img


def ombre():
    img = Image(64, 16)
    for a, (rx, ry) in ((50, (31, 7)), (80, (24, 5)), (110, (16, 3))):
        ellipse(img, 32, 8, rx, ry, (0, 0, 0, a))
    return img


# The plain-sprite character "bloc": its 47 numbered animations, in the order of the ".per"
# animation numbers (the defaults of the ANIM keys, then dash, victory, crouch, fixed, melee).
# Each: (name, colour, height of the block, aim angle or None, how the frames move).
BLOC_L, BLOC_H, BLOC_IMAGES = 32, 48, 3
BLEU, VERT_B, CYAN, VIOLET = (60, 110, 220, 255), (60, 180, 90, 255), (60, 200, 210, 255), (150, 80, 200, 255)
TEAL = (40, 150, 140, 255)


def animations_bloc():
    a = []
    angles = [None, 0, 30, 45, 70, 90, 110, 135, 150, 180]
    for nom, couleur, mouvement in (("ARRET", BLEU, "souffle"), ("MARCHE", VERT_B, "pas")):
        a += [(nom, couleur, 48, ang, mouvement) for ang in angles[:1] + [0, 45, 90, 135, 180]]
    a += [("ACTION", (220, 200, 40, 255), 48, None, "leve"), ("TOUCHE", (220, 50, 40, 255), 48, None, "tremble"),
          ("MORT", (110, 110, 110, 255), 14, None, "immobile")]
    for nom, couleur in (("SAUT_ASC", CYAN), ("SAUT_DSC", VIOLET)):
        a += [(nom, couleur, 44, ang, "immobile") for ang in (None, 0, 45, 90, 135, 180)]
    a += [("RECEPTION", (230, 140, 40, 255), 40, None, "reception"),
          ("RECEPTION_ARME", (230, 140, 40, 255), 40, 90, "reception")]
    a += [("DASH", (235, 235, 235, 255), 40, ang, "trainee") for ang in (0, 45, 90, 135, 180)]
    a += [("VICTOIRE", (240, 200, 60, 255), 48, 0, "leve")]
    a += [("BAISSE", TEAL, 32, None, "descend"), ("BAISSE_MARCHE", TEAL, 30, None, "pas"),
          ("BAISSE_ARRET", TEAL, 30, None, "immobile"), ("BAISSE_VISEE", TEAL, 32, 90, "descend")]
    a += [("BAISSE_ARRET", TEAL, 30, ang, "immobile") for ang in (0, 45, 90, 135, 180)]
    a += [("FIXE", (140, 100, 60, 255), 48, None, "immobile")]
    a += [("COUP", (210, 60, 200, 255), 48, ang, "frappe") for ang in (60, 120)]
    return a


def planche_bloc():
    """Each animation on its own row of three 32 x 48 frames: a block standing on the bottom
    of its frame, facing right (its eye), with a line toward its aim (0 up, 90 ahead, 180 down)."""
    anims = animations_bloc()
    img = Image(BLOC_L * BLOC_IMAGES, BLOC_H * len(anims))
    for n, (nom, couleur, hauteur, angle, mouvement) in enumerate(anims):
        sombre = tuple(max(0, v - 70) if k < 3 else v for k, v in enumerate(couleur))
        for f in range(BLOC_IMAGES):
            x0, y0 = f * BLOC_L, n * BLOC_H
            h, dx, bras = hauteur, 0, 0
            if mouvement == "souffle":
                h -= f % 2
            elif mouvement == "pas":
                dx = (f - 1) * 2
            elif mouvement == "descend":
                h = hauteur + (2 - f) * 6
            elif mouvement == "reception":
                h = hauteur + f * 4
            elif mouvement == "tremble":
                dx = (-2, 2, 0)[f]
            elif mouvement == "leve":
                bras = f * 4
            elif mouvement == "frappe":
                dx = f * 3
            largeur = 28 if nom != "MORT" else 32
            gauche = x0 + (BLOC_L - largeur) // 2 + dx
            haut = y0 + BLOC_H - h
            img.rect(gauche, haut, largeur, h, couleur)
            img.cadre(gauche, haut, largeur, h, sombre, 2)
            if nom != "MORT":
                img.rect(gauche + largeur - 9, haut + 4, 4, 4, (250, 250, 250, 255))   # eye
                img.rect(gauche + largeur - 8, haut + 5, 2, 2, (20, 20, 30, 255))
            if mouvement == "trainee":
                for k in range(3):
                    img.rect(x0, haut + 8 + 8 * k, 4 + 2 * f, 2, sombre)
            if angle is not None:
                cx, cy = gauche + largeur // 2, haut + min(14, h // 2)
                r = math.radians(angle)
                img.trait(cx, cy, cx + round(12 * math.sin(r)), cy - round(12 * math.cos(r)) - bras,
                          (30, 30, 30, 255), 3)
    return img, anims


def per_bloc(anims):
    lignes = ["#" * 65,
              "# Un personnage dessine d'un bloc : des images numerotees d'une planche, sans .anm.",
              "# Genere par outils/generer_images_hud.py.",
              "#" * 65,
              "ID=BLOC",
              "PLANCHE=./personnages/bloc.png;",
              "DIRECTION_PLANCHE=0",
              "VIE=80;80",
              "VITESSE=5",
              "VITESSE_BAS=2",
              "VITESSE_CHUTE=10",
              "VITESSE_SAUT=8",
              "MAX_SAUT=12",
              "MAX_SAUT_AUTO=16",
              "MAX_ESCALIER=14",
              "POSITIONTETE=46;30",
              "POSITIONPIEDS=0",
              "HITBOX=2;0;2;0",
              "# Une animation par ligne de la planche : gauche;haut;largeur;hauteur;images;vitesse;option."]
    for n, (nom, _, _, angle, _) in enumerate(anims):
        lignes.append("# %d %s%s" % (n, nom, "" if angle is None else " %d" % angle))
        lignes.append("SPRITE=0;%d;%d;%d;%d;0.25;0" % (n * BLOC_H, BLOC_L, BLOC_H, BLOC_IMAGES))
    with open("personnages/bloc.per", "w") as f:
        f.write("\n".join(lignes) + "\n")


def planche_tourelle():
    """A turret: a grey base and a barrel pointing right, 64 x 48, and its seat marker, an X
    button shown while the turret is free."""
    img = Image(64, 48)
    img.rect(12, 28, 40, 20, (110, 115, 120, 255))
    img.cadre(12, 28, 40, 20, (60, 62, 66, 255), 2)
    img.disque(32, 26, 10, (140, 145, 150, 255))
    img.rect(32, 22, 30, 7, (70, 72, 76, 255))
    over = Image(24, 24)
    over.disque(11.5, 11.5, 11, (40, 90, 200, 230))
    over.trait(7, 7, 16, 16, (250, 250, 250, 255), 3)
    over.trait(16, 7, 7, 16, (250, 250, 250, 255), 3)
    return img, over


def per_tourelle():
    lignes = ["#" * 65,
              "# Une tourelle qu'un joueur prend et quitte avec l'action.",
              "# Genere par outils/generer_images_hud.py.",
              "#" * 65,
              "ID=TOURELLE_CONTROLABLE",
              "PLANCHE=./personnages/tourelle.png;",
              "DIRECTION_PLANCHE=0",
              "VIE=200;200",
              "VITESSE=0",
              "VITESSE_CHUTE=10",
              "POSITIONTETE=40;40",
              "# Le signe du bouton X au-dessus du siege, cache tant que la tourelle est tenue.",
              "ADD_OVER=OVERXBAS;./personnages/tourelle_x.png;0;0;-64;1;1;0;1",
              "SPRITE=0;0;64;48;1;0;0",
              "ARME=2;1;0;0",
              "XYTIRDEBOUT90=30;-22"]
    with open("personnages/tourelle.per", "w") as f:
        f.write("\n".join(lignes) + "\n")


def bouclier():
    """The shield bubble drawn around a character: 166 x 166, half transparent, lighter at
    its rim, with a highlight at the top left."""
    img = Image(166, 166)
    for j in range(166):
        for i in range(166):
            d = ((i - 82.5) ** 2 + (j - 82.5) ** 2) ** 0.5
            if d <= 82:
                a = 60 + int(100 * (d / 82) ** 4)
                img.mettre(i, j, (120, 190, 255, a))
    img.disque(55, 50, 14, (230, 245, 255, 150))
    return img


def images_personnages():
    os.makedirs("personnages", exist_ok=True)
    planche_perso((250, 210, 170, 255), (60, 120, 220, 255), (40, 50, 90, 255)).png("personnages/heros.png")
    planche_perso((230, 190, 150, 255), (160, 40, 40, 255), (70, 60, 50, 255)).png("personnages/garde.png")
    planche_armes().png("personnages/armes.png")
    bloc, anims = planche_bloc()
    bloc.png("personnages/bloc.png")
    per_bloc(anims)
    tourelle, over = planche_tourelle()
    tourelle.png("personnages/tourelle.png")
    over.png("personnages/tourelle_x.png")
    per_tourelle()
    planche_esprit().png("zeph_esprit.png")
    menus_perso().png("menus/menusperso.png")
    ecrire(ombre(), "effets", "ombre", "OMBRE", (32, 8))
    bouclier().png("personnages/bouclierperso.png")
    dec_anime("personnages/bouclierperso.dec", "./personnages/bouclierperso.png", "BOUCLIERPERSO", 1, 166, 166, 0, 0)


def personnage(peau, corps, bord, cheveux, large):
    """A character's bust on a soft background, 92 x 100 (the lobby's picture)."""
    img = Image(92, 100, (46, 52, 70, 255))
    for j in range(100):
        img.rect(0, j, 92, 1, (46 + j // 4, 52 + j // 5, 70 + j // 3, 255))
    demi = 22 if large else 15
    img.rect(46 - demi, 62, 2 * demi, 38, corps)
    img.cadre(46 - demi, 62, 2 * demi, 38, bord, 2)
    img.rect(40, 52, 12, 12, peau)
    disque(img, 46, 38, 17, peau)
    img.rect(38, 34, 4, 4, (30, 30, 30, 255))
    img.rect(50, 34, 4, 4, (30, 30, 30, 255))
    img.rect(40, 46, 12, 2, (140, 60, 60, 255))
    for i in range(29, 64):
        haut = 18 if large else 14
        img.rect(i, haut + abs(i - 46) // 4, 1, 8, cheveux)
    return img


def miniature(ciel, sol, relief, detail):
    """A level's miniature, 300 x 160: sky, relief, ground and one detail of its own."""
    img = Image(300, 160)
    for j in range(110):
        t = j / 110
        img.rect(0, j, 300, 1, tuple(int(ciel[0][k] * (1 - t) + ciel[1][k] * t) for k in range(3)) + (255,))
    for i in range(300):
        h = relief(i)
        img.rect(i, 110 - h, 1, h, sol[0])
    img.rect(0, 110, 300, 50, sol[1])
    img.rect(0, 110, 300, 3, sol[0])
    detail(img)
    img.cadre(0, 0, 300, 160, (20, 20, 20, 255), 2)
    return img


def images_lobby():
    os.makedirs("personnages/vignettes", exist_ok=True)
    personnage((240, 200, 160, 255), (40, 150, 90, 255), (20, 80, 50, 255), (230, 200, 70, 255),
               False).png("personnages/vignettes/zeph.png")
    personnage((200, 150, 110, 255), (190, 60, 50, 255), (100, 30, 25, 255), (60, 40, 30, 255),
               True).png("personnages/vignettes/vevidiz.png")

    def arbres(img):
        for x in range(20, 300, 55):
            img.rect(x + 8, 78, 6, 32, (90, 60, 30, 255))
            disque(img, x + 11, 70, 16, (40, 130, 50, 255))

    def soleil(img):
        disque(img, 240, 30, 18, (250, 220, 90, 255))
        for x in (60, 140):
            img.rect(x, 70, 8, 40, (60, 150, 70, 255))
            img.rect(x - 8, 82, 8, 4, (60, 150, 70, 255))
            img.rect(x - 8, 74, 4, 10, (60, 150, 70, 255))

    def sapins(img):
        for x in range(30, 300, 70):
            for k in range(4):
                img.rect(x - 4 * k, 78 + 8 * k, 8 * k + 8, 8, (30, 90, 60, 255))
        for x in range(5, 300, 23):
            img.rect(x, (x * 7) % 100, 2, 2, (255, 255, 255, 255))

    def immeubles(img):
        for n, x in enumerate(range(10, 300, 48)):
            h = 40 + (n * 23) % 50
            img.rect(x, 110 - h, 36, h, (40, 40, 60, 255))
            for j in range(110 - h + 6, 104, 10):
                for i in range(x + 5, x + 32, 9):
                    img.rect(i, j, 4, 5, (250, 220, 110, 255))
        disque(img, 50, 25, 12, (235, 235, 220, 255))

    scenes = [
        (((120, 180, 240), (200, 230, 250)), ((70, 150, 60, 255), (110, 80, 50, 255)),
         lambda i: 20 + (i * 13) % 9, arbres),
        (((240, 180, 90), (250, 230, 170)), ((220, 180, 110, 255), (200, 160, 90, 255)),
         lambda i: 10 + abs((i % 120) - 60) // 3, soleil),
        (((150, 170, 210), (230, 235, 245)), ((245, 245, 250, 255), (210, 215, 230, 255)),
         lambda i: 15 + abs((i % 150) - 75) * 2 // 3, sapins),
        (((15, 20, 50), (60, 50, 90)), ((50, 50, 60, 255), (30, 30, 35, 255)),
         lambda i: 0, immeubles),
    ]
    for n, (ciel, sol, relief, detail) in enumerate(scenes):
        dossier = "niveaux/niveau%d" % (1000 + n)
        os.makedirs(dossier, exist_ok=True)
        miniature(ciel, sol, relief, detail).png(os.path.join(dossier, "mini.png"))


def doux(img, cx, cy, r, couleur, alpha_max, puissance=1.5):
    """A soft disc: opaque at the centre, fading to nothing at radius r (added over img)."""
    for j in range(int(cy - r) - 1, int(cy + r) + 2):
        for i in range(int(cx - r) - 1, int(cx + r) + 2):
            if not (0 <= i < img.l and 0 <= j < img.h):
                continue
            d = (((i - cx) ** 2 + (j - cy) ** 2) ** 0.5) / r
            if d >= 1:
                continue
            a = alpha_max * (1 - d) ** puissance
            ancien = img.px[j * img.l + i]
            # Laid over what is there, as a painter would.
            total = a + ancien[3] * (1 - a / 255.0)
            if total <= 0:
                continue
            mix = [int(round((couleur[k] * a + ancien[k] * ancien[3] * (1 - a / 255.0)) / total)) for k in range(3)]
            img.px[j * img.l + i] = mix + [int(round(total))]


def hasard(graine):
    """A repeatable sequence of fractions, so that the images never change between runs."""
    etat = graine
    while True:
        etat = (etat * 1103515245 + 12345) % 2147483648
        yield etat / 2147483648.0


def eclair(img, x0, y0, longueur, couleur, epaisseur, graine):
    """A jagged bolt from (x0, y0) down `longueur` pixels, with one branch; the same seed
    gives the same bolt."""
    tirage = hasard(graine)
    x, y = x0, y0
    points = [(x, y)]
    while y < y0 + longueur:
        x = min(max(x + int(next(tirage) * 24) - 12, x0 - 22), x0 + 22)
        y += 10 + int(next(tirage) * 16)
        points.append((x, y))
    for (xa, ya), (xb, yb) in zip(points, points[1:]):
        img.trait(xa, ya, xb, yb, couleur, epaisseur)
    bx, by = points[len(points) // 3]
    for k in range(4):
        nx, ny = bx + 6 + int(next(tirage) * 6), by + 12 + int(next(tirage) * 8)
        img.trait(bx, by, nx, ny, couleur, max(1, epaisseur - 1))
        bx, by = nx, ny


def images_meteo():
    os.makedirs("effets", exist_ok=True)
    os.makedirs("halos", exist_ok=True)
    # Rain: a thin drop and its splash.
    goutte = Image(4, 24)
    for j in range(24):
        a = int(70 + 170 * j / 23)
        goutte.rect(1, j, 2, 1, (215, 225, 255, a))
    goutte.png("effets/pluie.png")
    eclabousse = Image(16, 8)
    for i, j in ((2, 4), (4, 2), (7, 1), (8, 1), (11, 2), (13, 4)):
        eclabousse.rect(i, j, 2, 2, (210, 225, 255, 220))
    eclabousse.rect(1, 6, 14, 2, (200, 215, 255, 160))
    eclabousse.png("effets/pluie_fin.png")
    # Snow: a soft white flake with six short arms.
    flocon = Image(32, 32)
    doux(flocon, 15.5, 15.5, 9, (255, 255, 255), 255, 1.0)
    for k in range(6):
        a = k * math.pi / 3
        flocon.trait(16, 16, int(16 + 14 * math.cos(a)), int(16 + 14 * math.sin(a)), (255, 255, 255, 230), 2)
    flocon.png("effets/neige.png")
    # A firefly's halo.
    halo = Image(64, 64)
    doux(halo, 31.5, 31.5, 32, (255, 240, 150), 255, 2.0)
    doux(halo, 31.5, 31.5, 6, (255, 255, 230), 255, 0.5)
    halo.png("halos/halo1.png")
    # Fog: soft banks, half transparent at most, over 600 x 400.
    brouillard = Image(600, 400)
    tirage = hasard(7)
    for _ in range(26):
        cx, cy = next(tirage) * 600, 80 + next(tirage) * 260
        doux(brouillard, cx, cy, 40 + next(tirage) * 60, (225, 228, 235), 60, 1.6)
    # The level lays two copies side by side, sliding, each stretched to the level's width:
    # banks cut off at the image's sides would show as hard vertical edges where one copy
    # ends over the other. They thin out to nothing over the outer quarter on each side.
    for i in range(600):
        bord = min(i + 0.5, 599.5 - i) / 150.0
        if bord >= 1:
            continue
        f = bord * bord * (3 - 2 * bord)
        for j in range(400):
            p = brouillard.px[j * 600 + i]
            p[3] = int(round(p[3] * f))
    brouillard.png("effets/brouillard.png")
    # A cloud puff, 50 x 50, drawn about its centre.
    nuage = Image(50, 50)
    doux(nuage, 24.5, 24.5, 25, (255, 255, 255), 255, 1.2)
    nuage.png("effets/nuage.png")
    # Four stars: a dot, a small cross, a four-point star, a bright one with a glow.
    for n, taille in enumerate((4, 8, 12, 16)):
        etoile = Image(taille, taille)
        c = (taille - 1) / 2.0
        doux(etoile, c, c, taille / 2.0, (255, 255, 240), 255, 1.0 + n * 0.5)
        if n >= 1:
            etoile.rect(0, int(c), taille, 1 + (taille > 8), (255, 255, 255, 220))
            etoile.rect(int(c), 0, 1 + (taille > 8), taille, (255, 255, 255, 220))
        etoile.png("halos/etoile%d.png" % n)
    # The dust cloud: eight 128 x 64 frames of puffs drifting left and thinning, looping.
    poussiere = Image(8 * 128, 64)
    tirage = hasard(11)
    bouffees = [(next(tirage) * 70 + 28, next(tirage) * 20 + 22, next(tirage) * 10 + 18) for _ in range(12)]
    for n in range(8):
        for k, (bx, by, r) in enumerate(bouffees):
            x = bx - n * 2 + math.sin((n + k) * math.pi / 4) * 4
            y = by + math.cos((n + k) * math.pi / 4) * 3
            doux(poussiere, n * 128 + x, y, r, (170, 140, 100), 70, 1.0)
    poussiere.png("effets/poussiere2.png")
    with open("effets/poussiere2.dec", "w") as f:
        f.write("ID=NUAGEPOUSSIERE\nPLANCHE=./effets/poussiere2.png;\nSPRITE=0;0;8;128;64;0.05;0\n")
    # Lightning: six 64 x 256 frames; the first is empty (no stroke running), then the bolt
    # strikes and fades.
    foudre = Image(6 * 64, 256)
    for n, alpha in enumerate((0, 255, 255, 200, 130, 60)):
        if alpha:
            eclair(foudre, n * 64 + 30, 0, 240, (200, 210, 255, alpha // 2), 5, 3)
            eclair(foudre, n * 64 + 30, 0, 240, (255, 255, 255, alpha), 2, 3)
    foudre.png("effets/eclair1.png")
    with open("effets/eclair1.dec", "w") as f:
        f.write("ID=ECLAIR\nPLANCHE=./effets/eclair1.png;\nSPRITE=0;0;6;64;256;1;0\n")
    # The fire meteor's sheet: two 48 x 64 frames of a burning rock with its flame above.
    meteore = Image(2 * 48, 64)
    for n in range(2):
        x0 = n * 48
        doux(meteore, x0 + 24, 30 - n * 3, 22, (255, 120, 20), 200, 1.0)
        doux(meteore, x0 + 24, 38, 15, (255, 220, 80), 255, 0.7)
        meteore.disque(x0 + 24, 48, 11, (90, 60, 50, 255))
        meteore.disque(x0 + 21, 45, 4, (140, 100, 80, 255))
    os.makedirs("personnages", exist_ok=True)
    meteore.png("personnages/meteore.png")
def boule_de_feu(taille, n, nb, fumee=False):
    """Frame n of nb of an explosion: a fireball that swells and fades into smoke."""
    img = Image(taille, taille)
    c = taille / 2
    t = (n + 1) / nb
    couches = ((1.0, (90, 85, 80)), (0.75, (230, 110, 30)), (0.45, (255, 220, 90)))
    if fumee:
        couches = ((1.0, (120, 120, 120)), (0.6, (160, 160, 160)))
    for k, (part, (r, g, b)) in enumerate(couches):
        rayon = c * (0.25 + 0.7 * t) * part * (1 - 0.5 * t * k / len(couches))
        alpha = int(max(0, 240 * (1 - t) + 40 * (1 - k)))
        ellipse(img, c, c, max(1.0, rayon), max(1.0, rayon * 0.9), (r, g, b, min(255, alpha)))
    return img


def cristal(couleur):
    """A crystal a dead enemy leaves, 48 x 72, its centre at its middle."""
    img = Image(48, 72)
    r, g, b = couleur
    for j in range(72):
        demi = int(22 * (1 - abs(j - 30) / (30 if j < 30 else 42)))
        img.rect(24 - demi, j, 2 * demi, 1, (r, g, b, 235))
        img.rect(24 - demi // 3, j, max(1, demi // 2), 1, (min(255, r + 90), min(255, g + 90), min(255, b + 90), 255))
    return img


def images_tirs():
    """The explosions' numbered sequences (explos.ini), the rock the rocker weapon leaves and
    the weapon and crystal a dead enemy shows (LOADOVER of jeu.ini)."""
    os.makedirs("explosions", exist_ok=True)
    for nom, taille, nb, fumee in (("explosion1_", 64, 8, False), ("explosion2_", 96, 8, False),
                                   ("fumee_", 48, 6, True)):
        for n in range(nb):
            boule_de_feu(taille, n, nb, fumee).png("explosions/%s%04d.png" % (nom, n))
    rocher = Image(40, 28)
    ellipse(rocher, 20, 18, 19, 10, (110, 100, 90, 255))
    ellipse(rocher, 14, 14, 9, 8, (140, 130, 115, 255))
    ellipse(rocher, 27, 16, 8, 7, (125, 115, 100, 255))
    rocher.rect(16, 10, 6, 2, (175, 165, 150, 255))
    ecrire(rocher, "decors/Divers", "rocker", "ROCKER", (20, 27))
    halo = Image(96, 96)
    for rayon, alpha in ((46, 40), (34, 80), (22, 140), (12, 220)):
        ellipse(halo, 48, 48, rayon, rayon, (255, 240, 160, alpha))
    ecrire(halo, "effets", "lux21", "LUX21", (48, 48))
    for nom, couleur in (("cristal", (120, 220, 255)), ("cristal1", (255, 90, 90)), ("cristal2", (90, 230, 120)),
                         ("cristal3", (250, 210, 70))):
        ecrire(cristal(couleur), "effets", nom, nom.upper(), (24, 36))


def planche_feu():
    """Four 32 x 64 frames of flames licking up from the ground (decors/Feu/feu.anm), as
    large as a character's box, which they cover."""
    img = Image(128, 64)
    for n in range(4):
        for j in range(64):
            for i in range(32):
                onde = math.sin((j + 6 * n) * 0.45) * 3 + math.sin((i + 3 * n) * 0.9)
                largeur = (j / 64.0) * 13 + onde
                if abs(i - 15.5) < largeur:
                    chaud = 1 - abs(i - 15.5) / max(largeur, 1)
                    c = (255, int(90 + 150 * chaud * j / 64), int(40 * chaud), int(140 + 110 * j / 64))
                    img.mettre(32 * n + i, j, c)
    return img


def planche_lapin():
    """Two 24 x 24 frames of the rabbit that pops out of an empty weapon (lapin.anm)."""
    img = Image(48, 24)
    blanc, rose, oeil = (245, 245, 245, 255), (240, 160, 180, 255), (30, 30, 40, 255)
    for n in range(2):
        x = 24 * n
        oreille = 1 if n else 0
        img.rect(x + 8 - oreille, 1, 3, 9, blanc)
        img.rect(x + 13 + oreille, 1, 3, 9, blanc)
        img.rect(x + 9 - oreille, 3, 1, 6, rose)
        img.rect(x + 14 + oreille, 3, 1, 6, rose)
        img.disque(x + 12, 13, 6, blanc)
        img.rect(x + 9, 12, 2, 2, oeil)
        img.rect(x + 14, 12, 2, 2, oeil)
        img.rect(x + 11, 16, 2, 1, rose)
        img.rect(x + 6, 19, 12, 5, blanc)
    return img


def sang():
    """The blood over a body killed in an adventure level: a splash, 32 x 32."""
    img = Image(32, 32)
    graine = hasard(99)
    for k in range(14):
        cx, cy = 16 + (next(graine) - 0.5) * 20, 16 + (next(graine) - 0.5) * 20
        img.disque(cx, cy, 2 + next(graine) * 4, (150 + int(next(graine) * 60), 0, 10, 230))
    return img


def icone_etat(dessin, nb=4):
    """A status icon of nb 24 x 24 frames, pulsing: its drawing over a round badge."""
    img = Image(24 * nb, 24)
    for n in range(nb):
        r = 10 + (1 if n % 2 else 0)
        img.disque(24 * n + 11.5, 11.5, r, (30, 30, 40, 220))
        dessin(img, 24 * n)
    return img


def fleches_inversees(img, x):
    rouge = (240, 80, 60, 255)
    img.trait(x + 5, 8, x + 18, 8, rouge)
    img.trait(x + 5, 8, x + 9, 4, rouge)
    img.trait(x + 5, 8, x + 9, 12, rouge)
    img.trait(x + 5, 15, x + 18, 15, rouge)
    img.trait(x + 18, 15, x + 14, 11, rouge)
    img.trait(x + 18, 15, x + 14, 19, rouge)


def sans_saut(img, x):
    blanc, rouge = (230, 230, 230, 255), (240, 60, 50, 255)
    img.trait(x + 11, 18, x + 11, 6, blanc)
    img.trait(x + 11, 6, x + 7, 10, blanc)
    img.trait(x + 11, 6, x + 15, 10, blanc)
    img.trait(x + 4, 4, x + 19, 19, rouge)


def images_combat():
    os.makedirs("decors/Feu", exist_ok=True)
    planche_feu().png("decors/Feu/feu.png")
    planche_lapin().png("lapin.png")
    ecrire(sang(), "effets", "sang", "SANG", (16, 16))
    icone_etat(fleches_inversees).png("effets/icone_inverse.png")
    dec_anime("effets/icone_inverse.dec", "./effets/icone_inverse.png", "ICONE_INVERSE", 4, 24, 24, "0.25", 0)
    icone_etat(sans_saut).png("effets/icone_sans_saut.png")
    dec_anime("effets/icone_sans_saut.dec", "./effets/icone_sans_saut.png", "ICONE_SANS_SAUT", 4, 24, 24, "0.25", 0)


# The workshop level's decor ("niveaux/atelier.niv"): ground, box and platform, each with its
# mask sheet, opaque green where solid.
def images_atelier():
    vert = (0, 255, 0, 255)
    pieces = (
        ("sol", "SOL", 640, 64, (96, 70, 44, 255), (60, 150, 60, 255)),
        ("caisse", "CAISSE", 64, 64, (170, 120, 60, 255), (110, 70, 30, 255)),
        ("plateforme", "PLATEFORME", 192, 24, (120, 130, 150, 255), (70, 80, 100, 255)),
    )
    os.makedirs("decors", exist_ok=True)
    for nom, ident, l, h, fond, bord in pieces:
        img = Image(l, h)
        img.rect(0, 0, l, h, fond)
        img.cadre(0, 0, l, h, bord, 3)
        if nom == "caisse":
            img.trait(4, 4, l - 5, h - 5, bord, 4)
            img.trait(l - 5, 4, 4, h - 5, bord, 4)
        elif nom == "sol":
            img.rect(0, 0, l, 10, bord)
        masque = Image(l, h)
        masque.rect(0, 0, l, h, vert)
        img.png("decors/%s.png" % nom)
        masque.png("decors/%s_masque.png" % nom)
        with open("decors/%s.dec" % nom, "w") as f:
            f.write("\n".join(["# Generated by outils/generer_images_hud.py", "ID=" + ident,
                               "PLANCHE=./decors/%s.png;./decors/%s_masque.png" % (nom, nom),
                               "SPRITE=0;0;1;%d;%d;0;0" % (l, h), "ORIGINE=%d;0" % (l // 2),
                               "COLLISIONS=1"]) + "\n")


# The check boxes of the editor's stand-alone options window: 15 x 15, light strokes for its
# dark background, ticked and empty.
def cases_options():
    os.makedirs("PLUX_Res/images", exist_ok=True)
    trait = (235, 238, 245, 255)
    for nom, coche in (("bouton_check_on", True), ("bouton_check_off", False)):
        img = Image(15, 15)
        img.cadre(1, 1, 13, 13, trait, 2)
        if coche:
            img.trait(4, 7, 6, 10, trait, 2)
            img.trait(6, 10, 11, 4, trait, 2)
        img.png("PLUX_Res/images/%s.png" % nom)


def main():
    # Player panel: drawn at half height, 300 x 40 on screen.
    # Light, so that the red and blue texts drawn over them read well.
    ecrire(panneau(300, 80, (228, 222, 206, 230), (190, 182, 160, 230), (120, 90, 50, 255)),
           "menus", "multi", "HUD_MULTI")
    ecrire(panneau(260, 110, (215, 210, 196, 220), (180, 172, 152, 220), (120, 90, 50, 255)),
           "menus", "multi_ext", "HUD_MULTI_EXT")
    deg = Image(64, 64)
    for j in range(64):
        for i in range(64):
            if abs(i - 31.5) + abs(j - 31.5) <= 30:
                deg.mettre(i, j, (220, 40, 20, 255))
            if abs(i - 31.5) + abs(j - 31.5) <= 14:
                deg.mettre(i, j, (255, 210, 60, 255))
    ecrire(deg, "menus", "degats", "HUD_DEGATS")
    for chiffre, couleur in (("1", (240, 220, 60, 255)), ("2", (240, 150, 40, 255)),
                             ("3", (230, 60, 40, 255))):
        img = signe(chiffre, 18, couleur)
        ecrire(img, "menus", chiffre, "HUD_" + chiffre, (img.l // 2, img.h // 2))
    img = signe("GO!", 16, (80, 230, 80, 255))
    ecrire(img, "menus", "go", "HUD_GO", (img.l // 2, img.h // 2))
    img = signe("READY", 12, (240, 240, 240, 255))
    ecrire(img, "menus", "ready", "HUD_READY", (img.l // 2, img.h // 2))
    clone = Image(32, 32)
    clone.rect(10, 3, 12, 12, (250, 210, 170, 255))
    clone.rect(7, 16, 18, 14, (60, 120, 220, 255))
    clone.cadre(7, 16, 18, 14, (20, 40, 90, 255))
    os.makedirs("niveaux", exist_ok=True)
    ecrire(clone, "niveaux", "clone", "HUD_CLONE")
    # Weapon icons: 40 x 40, drawn about their centre by the HUD.
    teintes = [(200, 60, 60), (60, 160, 220), (220, 180, 40), (90, 200, 90), (180, 90, 220),
               (230, 120, 40), (60, 200, 190), (200, 200, 200), (240, 90, 160), (120, 120, 240),
               (160, 200, 60), (220, 60, 220), (100, 180, 140)]
    for n, (r, g, b) in enumerate(teintes, start=1):
        img = Image(40, 40)
        img.rect(2, 2, 36, 36, (r // 3, g // 3, b // 3, 230))
        img.cadre(2, 2, 36, 36, (r, g, b, 255), 2)
        chaine = str(n)
        largeur = len(chaine) * 6 * 3 - 3
        img.texte((40 - largeur) // 2, 10, chaine, 3, (r, g, b, 255))
        ecrire(img, "menus/armes", "arme%d" % n, "ARME%d" % n)
    images_niveau()
    sequence_sprites()
    images_personnages()
    images_lobby()
    images_meteo()
    images_tirs()
    images_combat()
    images_messages.dessiner(sys.modules[__name__])
    images_atelier()
    # The levels' decor, mechanisms, halos and list pictures (outils/images_decors.py).
    from images_decors import images_decors
    images_decors()
    # The heroes of the two-player game, their hats and portraits (outils/images_heros.py).
    from images_heros import images_heros
    images_heros()
    cases_options()


if __name__ == "__main__":
    main()
