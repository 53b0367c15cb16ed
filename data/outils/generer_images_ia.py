#!/usr/bin/env python3
"""Draws the AI characters' sheets and writes their ".per" files (a ground shooter, an
erratic flyer, an ambient bird, a rotating cannon on its base), the alert's exclamation mark,
and the inventory's images (the discovery burst and one picture per object) with their ".dec"
files. Run from data/:

    python3 outils/generer_images_ia.py

Only the standard library: it reuses the PNG writer of generer_images_hud.py."""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from generer_images_hud import Image, dec, dec_anime, ecrire  # noqa: E402


# An enemy's collision mode: shot at and hurting on contact. The editor's character picker
# places a model with this value, as the shipped levels place their enemies.
CONTACT = "COLLISIONS=1"


def ecrire_per(chemin, titre, lignes):
    entete = ["#" * 65, "# " + titre, "# Genere par outils/generer_images_ia.py.", "#" * 65]
    with open(chemin, "w") as f:
        f.write("\n".join(entete + lignes) + "\n")


def exclamation():
    """A yellow exclamation mark in a red-rimmed circle, 24 x 32, its origin at the bottom."""
    img = Image(24, 32)
    img.disque(11.5, 15.5, 11.5, (200, 30, 20, 255))
    img.disque(11.5, 15.5, 9.5, (255, 220, 40, 255))
    img.rect(10, 6, 4, 13, (40, 20, 10, 255))
    img.rect(10, 22, 4, 4, (40, 20, 10, 255))
    ecrire(img, "effets", "exclamation", "EXCLAMATION", (12, 32))


def tireur():
    """A stocky soldier, 32 x 48, facing right: two standing frames, then two walking ones."""
    img = Image(64, 96)
    for a in range(2):
        for f in range(2):
            x, y = f * 32, a * 48
            jambe = 3 if a == 1 and f == 1 else 0
            img.rect(x + 10, y + 32, 5, 16 - jambe, (50, 60, 40, 255))
            img.rect(x + 17, y + 32 + jambe, 5, 16 - jambe, (50, 60, 40, 255))
            img.rect(x + 8, y + 14, 16, 19, (90, 110, 60, 255))
            img.disque(x + 16, y + 8, 6, (230, 190, 150, 255))
            img.rect(x + 9, y + 1, 14, 4, (60, 80, 40, 255))
            img.rect(x + 18, y + 20 + f, 14, 4, (40, 40, 45, 255))
    img.png("personnages/tireur.png")
    ecrire_per("personnages/tireur.per", "Un tireur au sol (IA 100) : il avance et tire de temps en temps.", [
        "ID=TIREUR", "PLANCHE=./personnages/tireur.png;", "DIRECTION_PLANCHE=0", "IA=100", "VIE=40;40",
        "VITESSE=3", "POSITIONTETE=44;30", "DEGATS=10;0", CONTACT,
        "# 0 arret, 1 marche : gauche;haut;largeur;hauteur;images;vitesse;option.",
        "SPRITE=0;0;32;48;2;0.1;0", "SPRITE=0;48;32;48;2;0.25;0", "ANIM_PERSO_MARCHE=1",
        "ARME=2;1;0;0", "XYTIRDEBOUT90=24;-26"])


def volant():
    """A wasp, 40 x 24, wings up then down."""
    img = Image(80, 24)
    for f in range(2):
        x = f * 40
        img.disque(x + 20, 14, 7, (230, 190, 30, 255))
        img.rect(x + 15, 10, 3, 9, (40, 30, 20, 255))
        img.rect(x + 22, 10, 3, 9, (40, 30, 20, 255))
        img.disque(x + 30, 13, 4, (40, 30, 20, 255))
        haut = 2 if f == 0 else 12
        img.disque(x + 18, haut + 3, 5, (200, 230, 255, 180))
    img.png("personnages/volant.png")
    ecrire_per("personnages/volant.per", "Un insecte volant (IA 104) : les autres deviennent 105 quand il meurt.", [
        "ID=VOLANT", "PLANCHE=./personnages/volant.png;", "DIRECTION_PLANCHE=0", "IA=104", "VIE=10;10",
        "VITESSE=4", "POSITIONTETE=20;20", "DEGATS=8;0", CONTACT, "SPRITE=0;0;40;24;2;0.5;0"])


def oiseau():
    """A bird, 48 x 32: two flapping frames (animation 0), one gliding frame (animation 1)."""
    img = Image(96, 64)
    for a in range(2):
        for f in range(2):
            x, y = f * 48, a * 32
            img.disque(x + 24, y + 18, 8, (70, 70, 90, 255))
            img.disque(x + 34, y + 14, 5, (70, 70, 90, 255))
            img.trait(x + 38, y + 14, x + 44, y + 16, (240, 170, 40, 255), 2)
            aile = -10 if (a == 0 and f == 0) else (8 if a == 0 else 0)
            img.trait(x + 22, y + 16, x + 4, y + 16 + aile, (50, 50, 70, 255), 4)
    img.png("personnages/oiseau.png")
    ecrire_per("personnages/oiseau.per", "Un oiseau d'ambiance (IA 300) : il traverse la vue, plane et remonte.", [
        "ID=OISEAU", "PLANCHE=./personnages/oiseau.png;", "DIRECTION_PLANCHE=0", "IA=300", "VIE=1;1",
        "VITESSE=4", "POSITIONTETE=20;20", "SPRITE=0;0;48;32;2;0.3;0", "SPRITE=0;32;48;32;2;0.1;0"])


def canon():
    """A rotating cannon: its base (320 x 64) is a long emplacement whose turret rides from the
    left end (frame 0) to the right one (frame 7), and the barrel (48 x 20) points left, the side
    it covers while not turned. The cannon stands on the turret: at the base's foot x - 135, 40 px
    up, and 270 px further right once turned, so the turret's ends are 135 px each side of the
    middle, 24 px from the top."""
    largeur, hauteur, demi_course = 320, 64, 135
    base = Image(largeur * 8, hauteur)
    for f in range(8):
        x = f * largeur
        base.rect(x + 8, 44, largeur - 16, 20, (90, 95, 100, 255))
        base.cadre(x + 8, 44, largeur - 16, 20, (50, 52, 56, 255), 2)
        for k in range(6):
            base.disque(x + 40 + k * 48, 54, 3, (60, 62, 66, 255))
        # The turret rides along the base from left to right over the eight frames.
        cx = x + largeur / 2 + (f / 7.0 - 0.5) * 2 * demi_course
        base.rect(round(cx) - 10, 24, 20, 21, (70, 74, 78, 255))
        base.disque(cx, 24, 16, (120, 125, 130, 255))
        base.disque(cx, 24, 7, (60, 62, 66, 255))
    base.png("personnages/canon_base.png")
    tube = Image(48, 20)
    tube.disque(38, 10, 9, (100, 105, 110, 255))
    tube.rect(0, 6, 36, 8, (60, 62, 66, 255))
    tube.rect(0, 5, 4, 10, (40, 40, 44, 255))
    tube.png("personnages/canon.png")
    ecrire_per("personnages/canon.per", "Le tube d'un canon rotatif (IA 421), porte par son socle.", [
        "ID=CANON", "PLANCHE=./personnages/canon.png;", "DIRECTION_PLANCHE=0", "IA=421", "VIE=120;120",
        "VITESSE=0", "POSITIONTETE=10;10", "ORIGINE=38;10", "SPRITE=0;0;48;20;1;0;0"])
    ecrire_per("personnages/canon_base.per", "Le socle d'un canon rotatif : son animation 0 le tourne (images 0 a 7).", [
        "ID=CANON_BASE", "PLANCHE=./personnages/canon_base.png;", "DIRECTION_PLANCHE=0", "IA=420",
        "VIE=300;300", "VITESSE=0", "POSITIONTETE=40;40", CONTACT, "SPRITE=0;0;320;64;8;1;0",
        "# Le tube : fichier;cle, puis modele;;x;y;direction;echelle x;echelle y;;;;flottant;contact.",
        "TEXTURE_PER_PART=./personnages/canon.per;CANON",
        "IAPART=CANON;;-135;-40;0;1;1;0;0;0;1;0"])


def objets():
    """The discovery burst (4 frames of 64 x 64) and one 48 x 48 picture per object."""
    os.makedirs("objets", exist_ok=True)
    eclat = Image(256, 64)
    for f in range(4):
        r = 10 + 6 * f
        for k in range(8):
            a = k * math.pi / 4 + f * 0.2
            eclat.trait(f * 64 + 32, 32, f * 64 + 32 + round(r * math.cos(a)), 32 + round(r * math.sin(a)), (255, 230, 90, 255), 3)
        eclat.disque(f * 64 + 32, 32, 6, (255, 255, 200, 255))
    eclat.png("objets/trouve.png")
    dec_anime("objets/trouve.dec", "./objets/trouve.png", "TROUVE", 4, 64, 64, "0.25", 0)
    dessins = {
        "bonmiam": lambda i: (i.rect(8, 22, 32, 18, (200, 140, 80, 255)), i.rect(8, 16, 32, 8, (250, 240, 240, 255)),
                              i.disque(24, 12, 4, (220, 30, 40, 255))),
        "mousse": lambda i: (i.disque(16, 30, 12, (60, 150, 60, 255)), i.disque(30, 26, 13, (80, 180, 70, 255))),
        "pomme": lambda i: (i.disque(24, 28, 14, (200, 40, 40, 255)), i.rect(23, 8, 3, 8, (90, 60, 30, 255))),
        "cle": lambda i: (i.disque(14, 24, 9, (230, 190, 40, 255), 4), i.rect(22, 22, 20, 4, (230, 190, 40, 255)),
                          i.rect(36, 26, 3, 7, (230, 190, 40, 255))),
    }
    for nom, dessin in dessins.items():
        img = Image(48, 48)
        dessin(img)
        ecrire(img, "objets", nom, nom.upper())


def main():
    os.makedirs("personnages", exist_ok=True)
    exclamation()
    tireur()
    volant()
    oiseau()
    canon()
    objets()


if __name__ == "__main__":
    main()
