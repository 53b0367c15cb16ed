#!/usr/bin/env python3
"""Draws the menus' own images: the panel behind the menu lines and the cursor beside the
active line. Run from data/:

    python3 outils/generer_images_menus.py

Only the standard library (the PNG writer of generer_images_hud.py)."""
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from generer_images_hud import Image  # noqa: E402


def fond(l, h):
    """A night-blue panel going to violet, with a double frame and a band under the title."""
    img = Image(l, h)
    haut, bas = (18, 24, 64, 235), (52, 20, 70, 235)
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
    img.rect(24, 100, l - 48, 2, (230, 190, 90, 200))
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


def main():
    os.makedirs("menus", exist_ok=True)
    fond(600, 560).png(os.path.join("menus", "fond_menu.png"))
    curseur(32, 44, 25).png(os.path.join("menus", "curseur.png"))


if __name__ == "__main__":
    main()
