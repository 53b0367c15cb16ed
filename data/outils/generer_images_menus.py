#!/usr/bin/env python3
"""Draws the menus' own images: the panels behind the menu lines, the cursor beside the
active line, the volume bar, the icons of the score screens (stars, shield, clock, lost
clone), the door of the transitions, the killcam's film frame and the editor's icon menu.
Run from data/:

    python3 outils/generer_images_menus.py

Only the standard library (the PNG writer of generer_images_hud.py)."""
import math
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from generer_images_hud import Image, icone  # noqa: E402


def fond(l, h, bande=100, alpha=235, bande2=None):
    """A night-blue panel going to violet, with a double frame, a band under the title and
    another at bande2 when given; the game shows a little through it unless alpha is 255."""
    img = Image(l, h)
    haut, bas = (18, 24, 64, alpha), (52, 20, 70, alpha)
    for j in range(h):
        t = j / max(1, h - 1)
        c = tuple(int(haut[k] * (1 - t) + bas[k] * t) for k in range(4))
        img.rect(0, j, l, 1, c)
    # Faint diagonal stripes give the panel some texture.
    for j in range(0, h):
        for i in range((j * 2) % 24, l, 24):
            p = img.px[j * l + i]
            img.px[j * l + i] = [min(255, p[0] + 10), min(255, p[1] + 10), min(255, p[2] + 18), p[3]]
    img.cadre(0, 0, l, h, (230, 190, 90, 255), 4)
    img.cadre(8, 8, l - 16, h - 16, (150, 110, 60, 255), 1)
    for b in (bande, bande2):
        if b:
            img.rect(24, b, l - 48, 2, (230, 190, 90, 200))
    return img


def curseur(largeur, hauteur, milieu):
    """An arrow pointing right, gold with a dark outline. The menu draws the image 3 pixels
    above the line's y: the tip sits level with the middle of a text of about 30 pixels."""
    img = Image(largeur, hauteur)
    for j in range(hauteur):
        for i in range(largeur):
            # Triangle: x from 4 to the tip, half height shrinking towards the tip.
            demi = (largeur - 4 - i) * 0.5
            dedans = 4 <= i <= largeur - 4 and abs(j - milieu) <= demi
            bord = 2 <= i <= largeur - 2 and abs(j - milieu) <= demi + 2
            if dedans:
                lum = 1 - 0.35 * abs(j - milieu) / max(1, demi)
                img.mettre(i, j, (int(255 * lum), int(200 * lum), int(60 * lum), 255))
            elif bord:
                img.mettre(i, j, (60, 30, 10, 255))
    return img


def barre(l, h):
    """The frame of a volume bar: drawn centred over the bar, so its inside stays clear."""
    img = Image(l, h)
    img.cadre(0, 0, l, h, (60, 30, 10, 255), 3)
    img.cadre(3, 3, l - 6, h - 6, (240, 200, 100, 255), 2)
    for k in range(1, 10):
        img.rect(k * l // 10 - 1, h - 9, 2, 6, (240, 200, 100, 200))
    return img


def etoile(taille, pleine):
    """A five-pointed star; gold when earned, a grey outline otherwise."""
    img = Image(taille, taille)
    c = taille / 2.0
    rayons = [(c - 1) if k % 2 == 0 else (c - 1) * 0.45 for k in range(10)]
    pts = [(c + rayons[k] * math.sin(k * math.pi / 5), c - rayons[k] * math.cos(k * math.pi / 5) + 1)
           for k in range(10)]

    def dedans(x, y):
        n = False
        for a in range(10):
            (x0, y0), (x1, y1) = pts[a], pts[(a + 1) % 10]
            if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                n = not n
        return n
    for j in range(taille):
        for i in range(taille):
            if not dedans(i + 0.5, j + 0.5):
                continue
            bord = not all(dedans(i + 0.5 + dx, j + 0.5 + dy) for dx, dy in ((1.5, 0), (-1.5, 0), (0, 1.5), (0, -1.5)))
            if pleine:
                lum = 1 - 0.4 * j / taille
                img.mettre(i, j, (120, 60, 0, 255) if bord else (255, int(215 * lum), int(60 * lum), 255))
            elif bord:
                img.mettre(i, j, (150, 150, 160, 255))
            else:
                img.mettre(i, j, (60, 60, 70, 120))
    return img


def bouclier(l, h):
    """A round-bottomed shield with a cross band."""
    img = Image(l, h)
    for j in range(h):
        demi = l / 2 - 2 if j < h * 0.45 else (l / 2 - 2) * max(0.0, 1 - ((j - h * 0.45) / (h * 0.55)) ** 1.6)
        for i in range(l):
            d = abs(i + 0.5 - l / 2)
            if d <= demi:
                bord = d > demi - 2.5 or j < 3
                img.mettre(i, j, (40, 40, 70, 255) if bord else (70, 130, 220, 255))
    img.rect(l // 2 - 2, 4, 4, h - 10, (230, 230, 240, 255))
    img.rect(5, h // 3, l - 10, 4, (230, 230, 240, 255))
    return img


def avec_marge(img, gauche, haut):
    """The picture with a transparent margin at its left and top: an icon placed by its top
    left corner shows that much further right and lower."""
    grande = Image(img.l + gauche, img.h + haut)
    grande.coller(img, gauche, haut)
    return grande


def horloge(t):
    img = Image(t, t)
    c = t / 2.0
    img.disque(c, c, c - 1, (60, 40, 20, 255))
    img.disque(c, c, c - 3, (250, 240, 210, 255))
    img.trait(int(c), int(c), int(c), 5, (40, 40, 40, 255), 2)
    img.trait(int(c), int(c), int(c + 6), int(c + 3), (200, 40, 40, 255), 2)
    return img


def croix(t):
    """A lost clone: a grey head with two crossed eyes."""
    img = Image(t, t)
    c = t / 2.0
    img.disque(c, c, c - 1, (40, 30, 30, 255))
    img.disque(c, c, c - 3, (200, 200, 200, 255))
    for ox in (-5, 5):
        img.trait(int(c + ox - 3), int(c - 5), int(c + ox + 3), int(c + 1), (180, 30, 30, 255), 2)
        img.trait(int(c + ox + 3), int(c - 5), int(c + ox - 3), int(c + 1), (180, 30, 30, 255), 2)
    img.rect(int(c - 5), int(c + 5), 10, 2, (40, 30, 30, 255))
    return img


def porte(l, h):
    """The left half of the door transition: riveted steel plates, the meeting edge on the
    right with a bolt bar (the game mirrors it for the right half)."""
    img = Image(l, h)
    for j in range(h):
        for i in range(l):
            v = 70 + int(25 * math.sin(i * 0.02) + 8 * math.sin(j * 0.13 + i * 0.01))
            img.mettre(i, j, (v, v + 6, v + 14, 255))
    for y in range(0, h, 180):
        img.rect(0, y, l, 6, (40, 44, 52, 255))
        img.rect(0, y + 6, l, 2, (130, 136, 150, 255))
        for x in range(20, l - 40, 60):
            img.disque(x, y + 24, 5, (150, 155, 165, 255))
            img.disque(x - 1, y + 23, 2, (220, 225, 235, 255))
    img.rect(l - 48, 0, 48, h, (110, 80, 30, 255))
    img.rect(l - 44, 0, 4, h, (200, 160, 60, 255))
    img.rect(l - 10, 0, 10, h, (30, 25, 20, 255))
    for y in (h // 3, 2 * h // 3):
        img.rect(l - 160, y - 14, 150, 28, (50, 40, 30, 255))
        img.rect(l - 156, y - 10, 142, 20, (200, 170, 80, 255))
    return img


def film(l, h):
    """The killcam's frame: two dark bands with sprocket holes, the picture clear between
    them and a faint darkening towards the corners."""
    img = Image(l, h)
    for j in range(h):
        for i in range(0, l, 4):
            d = ((i - l / 2) / (l / 2)) ** 2 + ((j - h / 2) / (h / 2)) ** 2
            if d > 0.7:
                a = int(min(120, (d - 0.7) * 200))
                for k in range(4):
                    img.px[j * l + i + k] = [20, 15, 10, a]
    for y0 in (0, h - 60):
        img.rect(0, y0, l, 60, (15, 12, 10, 235))
        for x in range(16, l, 48):
            img.rect(x, y0 + 20, 24, 20, (0, 0, 0, 0))
    return img


def icones_editeur():
    """The editor's icon menu: eight 32 x 32 cells; cell 5 shows and hides the masks."""
    c = (230, 230, 230, 255)
    dessins = [
        lambda i: i.cadre(8, 8, 16, 16, c, 2),
        lambda i: i.trait(8, 24, 24, 8, c),
        lambda i: i.disque(16, 16, 8, c, 5),
        lambda i: (i.rect(8, 14, 16, 4, c), i.rect(14, 8, 4, 16, c)),
        lambda i: i.rect(8, 20, 16, 4, c),
        lambda i: (i.rect(7, 7, 18, 18, (0, 255, 0, 255)), i.rect(11, 11, 10, 10, (0, 0, 255, 255)),
                   i.cadre(7, 7, 18, 18, c, 1)),
        lambda i: (i.trait(8, 8, 24, 24, c), i.trait(24, 8, 8, 24, c)),
        lambda i: i.disque(16, 16, 3, c),
    ]
    planche = Image(32 * len(dessins), 32)
    for k, d in enumerate(dessins):
        planche.coller(icone(d), 32 * k, 0)
    return planche


def ecrire_dec(img, dossier, nom, ident, origine=None):
    os.makedirs(dossier, exist_ok=True)
    img.png(os.path.join(dossier, nom + ".png"))
    lignes = ["# Generated by outils/generer_images_menus.py", "ID=" + ident,
              "PLANCHE=./%s/%s.png" % (dossier, nom), "SPRITE=0;0;1;%d;%d;0;0" % (img.l, img.h)]
    if origine:
        lignes.append("ORIGINE=%d;%d" % origine)
    with open(os.path.join(dossier, nom + ".dec"), "w") as f:
        f.write("\n".join(lignes) + "\n")


def attente(l, h, bandeau):
    """The screen before a level starts: the closed doors of the transitions, which then open
    over the level, and the band of the prompt at (x, y, width, height)."""
    img = Image(l, h)
    gauche = porte(l // 2, h)
    img.coller(gauche, 0, 0)
    for j in range(h):
        for i in range(l // 2):
            img.px[j * l + l - 1 - i] = list(gauche.px[j * gauche.l + i])
    x, y, lb, hb = bandeau
    b = fond(lb, hb, None)
    for j in range(hb):
        for i in range(lb):
            dessus, dessous = b.px[j * lb + i], img.px[(y + j) * l + x + i]
            a = dessus[3] / 255.0
            img.px[(y + j) * l + x + i] = [int(dessus[k] * a + dessous[k] * (1 - a)) for k in range(3)] + [255]
    return img


def main():
    os.makedirs("menus", exist_ok=True)
    fond(600, 560).png(os.path.join("menus", "fond_menu.png"))
    # The main menu is wider: the active player's name stands right of its lines.
    fond(880, 560).png(os.path.join("menus", "fond_principal.png"))
    curseur(32, 44, 25).png(os.path.join("menus", "curseur.png"))
    fond(1000, 640).png(os.path.join("menus", "fond_large.png"))
    # The two-player options: the portraits, the nine weapons and the hats' values reach
    # x = 1230 and the rows fill the height of the window.
    fond(1230, 710, 62).png(os.path.join("menus", "fond_options_multi.png"))
    fond(560, 380, 52).png(os.path.join("menus", "fond_pause.png"))
    # A lost level: the lit windows of a town behind would read through the text.
    fond(560, 380, 52, 255).png(os.path.join("menus", "fond_echec.png"))
    # A won level: its title, time, stars and record above the rule.
    fond(700, 380, 116).png(os.path.join("menus", "fond_victoire.png"))
    # The end of a round: the game draws the eliminated players' pictures, 200 pixels high,
    # from y = 470; the panel (from y = 100) holds them under a second band, rather than
    # leaving them over the closed doors like holes cut into them.
    fond(920, 590, 62, 235, 345).png(os.path.join("menus", "fond_manche.png"))
    attente(1280, 720, (340, 600, 600, 70)).png(os.path.join("menus", "fond_attente.png"))
    fond(600, 70, None).png(os.path.join("menus", "fond_bandeau.png"))
    icones_editeur().png(os.path.join("menus", "menusediteur.png"))
    # The volume bar's frame is placed by its centre (menus 6, 7 and 60 scale it).
    ecrire_dec(barre(520, 32), "menus", "barre_progression", "BARRE_PROGRESSION", (260, 16))
    ecrire_dec(etoile(28, True), "niveaux", "star", "ETOILE")
    ecrire_dec(etoile(28, False), "niveaux", "star-vide", "ETOILE_VIDE")
    # The screens place the shield 16 pixels right of the third star's left edge, a star of
    # 28 pixels: the margin keeps it clear of that star and of the player's name above it.
    ecrire_dec(avec_marge(bouclier(26, 30), 16, 4), "niveaux", "bouclier", "BOUCLIER")
    ecrire_dec(horloge(26), "niveaux", "temps", "TEMPS")
    ecrire_dec(croix(26), "niveaux", "mort", "MORT")
    ecrire_dec(porte(640, 720), "niveaux", "transition", "TRANSITION")
    ecrire_dec(film(1280, 720), "effets", "film", "FILM")


if __name__ == "__main__":
    main()
