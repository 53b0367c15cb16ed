"""The levels' pictures, called by generer_images_hud.py: the decor sheets of each theme
(meadow, cave, snow, desert, stormy town, star arena) with their collision masks, the
shared mechanisms (seesaw, bounce pad, crumbling slab, moving platform, crate, fan, weapon
fountain, door and its plate, flag, exit, torch, pickups), the level backgrounds and the
pictures of the level lists.

Masks use exactly the three colours of the collisions: green (0, 255, 0) is solid, blue
(0, 0, 255) stops everything but characters, red (255, 0, 0) hurts; the rest is clear."""
import math
import os

from generer_images_hud import Image, doux, hasard

VERT = (0, 255, 0, 255)
ROUGE = (255, 0, 0, 255)


# ---------------------------------------------------------------- drawing helpers

def bruit(x, y, graine):
    """A repeatable value in [0, 1) for a pixel."""
    n = (x * 374761393 + y * 668265263 + graine * 982451653) & 0xFFFFFFFF
    n = ((n ^ (n >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((n ^ (n >> 16)) & 0xFFFF) / 65536.0


def lisse(x, y, echelle, graine):
    """Smooth noise: the value noise of a grid of that step, interpolated."""
    gx, gy = x / echelle, y / echelle
    x0, y0 = int(math.floor(gx)), int(math.floor(gy))
    fx, fy = gx - x0, gy - y0
    fx, fy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
    a = bruit(x0, y0, graine) * (1 - fx) + bruit(x0 + 1, y0, graine) * fx
    b = bruit(x0, y0 + 1, graine) * (1 - fx) + bruit(x0 + 1, y0 + 1, graine) * fx
    return a * (1 - fy) + b * fy


def teinte(c, f):
    return tuple(max(0, min(255, int(c[k] * f))) for k in range(3)) + (c[3] if len(c) > 3 else 255,)


def melange(a, b, t):
    return tuple(int(a[k] * (1 - t) + b[k] * t) for k in range(4))


def poser(img, i, j, c):
    """c laid over the pixel (alpha blending)."""
    if not (0 <= i < img.l and 0 <= j < img.h) or c[3] == 0:
        return
    p = img.px[j * img.l + i]
    a = c[3] / 255.0
    total = a + p[3] / 255.0 * (1 - a)
    if total <= 0:
        return
    img.px[j * img.l + i] = [int((c[k] * a + p[k] * p[3] / 255.0 * (1 - a)) / total) for k in range(3)] + \
                            [int(total * 255)]


def polygone(img, pts, c, masque=None):
    """A filled polygon (even-odd rule on pixel centres), also painted solid into a mask."""
    ys = [p[1] for p in pts]
    for j in range(max(0, int(min(ys))), min(img.h, int(max(ys)) + 1)):
        y = j + 0.5
        xs = []
        for k in range(len(pts)):
            (x0, y0), (x1, y1) = pts[k], pts[(k + 1) % len(pts)]
            if (y0 > y) != (y1 > y):
                xs.append(x0 + (y - y0) * (x1 - x0) / (y1 - y0))
        xs.sort()
        for a, b in zip(xs[0::2], xs[1::2]):
            for i in range(max(0, int(math.ceil(a - 0.5))), min(img.l, int(math.floor(b - 0.5)) + 1)):
                poser(img, i, j, c)
                if masque:
                    masque.mettre(i, j, VERT)


def ecrire_png(img, chemin):
    os.makedirs(os.path.dirname(chemin), exist_ok=True)
    img.png(chemin)


def masque_de(img, seuil=128, depuis=0):
    """The mask of a picture: solid wherever it is opaque enough, from row `depuis` down."""
    m = Image(img.l, img.h)
    for j in range(depuis, img.h):
        for i in range(img.l):
            if img.px[j * img.l + i][3] >= seuil:
                m.mettre(i, j, VERT)
    return m


# ---------------------------------------------------------------- ground and blocks

def bloc_sol(l, h, surface, dessus, terre, graine, bord=None, crete=None, cailloux=True):
    """A block of ground: a top layer (grass, snow, sand, stone) of colour `dessus` from row
    `surface`, earth below with strata and pebbles; `bord` "g" rounds its left end.
    Returns the picture and its mask (solid from the surface down)."""
    img, m = Image(l, h), Image(l, h)
    tirage = hasard(graine)
    hauts = []
    for i in range(l):
        hauts.append(surface + int(2 * math.sin(i * 0.09 + graine) + lisse(i, 0, 9, graine) * 3))
    for i in range(l):
        fin = h
        debut = hauts[i]
        if bord == "g":
            r = min(1.0, i / 40.0)
            debut = hauts[i] + int((1 - math.sqrt(1 - (1 - r) ** 2)) * 60)
            fin = h - int((1 - r) * 20)
        for j in range(debut, fin):
            prof = j - debut
            if prof < 10:
                f = 0.85 + 0.3 * lisse(i, j, 3, graine + 1) + (0.15 if prof < 3 else 0)
                c = teinte(dessus, f)
            else:
                strate = 0.9 + 0.12 * math.sin((j + 6 * lisse(i, j, 20, graine)) * 0.35)
                f = strate * (0.8 + 0.35 * lisse(i, j, 6, graine + 2)) * (1 - 0.25 * (j / h))
                c = teinte(terre, f)
            img.mettre(i, j, c)
            m.mettre(i, j, VERT)
    # Pebbles in the earth.
    for _ in range(l * h // 900 if cailloux else 0):
        x, y = int(next(tirage) * l), int(surface + 14 + next(tirage) * (h - surface - 18))
        if img.px[y * l + x][3]:
            r = 2 + next(tirage) * 3
            img.disque(x, y, r, teinte(terre, 0.75))
            img.disque(x - 0.5, y - 0.5, r * 0.45, teinte(terre, 1.15))
    if crete:
        # Blades or crystals sticking out above the surface (not solid).
        for i in range(0, l, 3):
            n = int(next(tirage) * crete)
            for k in range(n):
                poser(img, i + (k % 2), hauts[i] - k - 1, teinte(dessus, 1.1 - 0.04 * k))
    return img, m


def plateforme(l, h, bois, graine, metal=False):
    """A floating platform: planks (or a riveted plate) with a darker underside."""
    img = Image(l, h)
    for j in range(h):
        for i in range(l):
            if metal:
                f = 1.15 - 0.5 * j / h + 0.08 * math.sin(i * 0.3)
            else:
                f = 0.85 + 0.25 * lisse(i * 0.3, j, 2, graine) - 0.35 * j / h
                if (i + int(graine * 7)) % 40 < 2:
                    f *= 0.6
            img.mettre(i, j, teinte(bois, f))
    img.cadre(0, 0, l, h, teinte(bois, 0.45), 2)
    for x in range(12, l - 6, 40 if not metal else 32):
        img.disque(x, h // 2, 2.5, teinte(bois, 1.5 if metal else 0.5))
    return img


# ---------------------------------------------------------------- plants and props

def arbre(l, h, tronc, feuille, graine, sapin=False):
    img = Image(l, h)
    cx = l / 2
    polygone(img, [(cx - 10, h), (cx - 7, h * 0.45), (cx + 7, h * 0.45), (cx + 10, h)], tronc)
    tirage = hasard(graine)
    if sapin:
        for k in range(5):
            y0 = h * (0.08 + k * 0.15)
            demi = l * (0.18 + 0.07 * k)
            polygone(img, [(cx, y0), (cx - demi, y0 + h * 0.24), (cx + demi, y0 + h * 0.24)], teinte(feuille, 0.8 + 0.06 * k))
            polygone(img, [(cx, y0 + 3), (cx - demi * 0.6, y0 + h * 0.2), (cx, y0 + h * 0.2)], teinte(feuille, 1.15))
        return img
    for _ in range(26):
        a = next(tirage) * math.pi * 2
        d = next(tirage) * l * 0.28
        x, y = cx + math.cos(a) * d, h * 0.33 + math.sin(a) * d * 0.7
        r = l * (0.1 + next(tirage) * 0.1)
        c = teinte(feuille, 0.7 + next(tirage) * 0.5)
        img.disque(x, y, r, tuple(c[:3]) + (255,))
        img.disque(x - r * 0.3, y - r * 0.3, r * 0.5, teinte(c, 1.2))
    return img


def buisson(l, h, feuille, graine, fleurs=None):
    img = Image(l, h)
    tirage = hasard(graine)
    for _ in range(14):
        x, r = l * (0.15 + next(tirage) * 0.7), h * (0.25 + next(tirage) * 0.25)
        img.disque(x, h - r, r, teinte(feuille, 0.7 + next(tirage) * 0.5))
    if fleurs:
        for _ in range(10):
            x, y = int(l * (0.1 + next(tirage) * 0.8)), int(h * (0.2 + next(tirage) * 0.6))
            if img.px[y * l + x][3]:
                img.disque(x, y, 2, fleurs)
    return img


def rocher(l, h, pierre, graine):
    img = Image(l, h)
    pts = []
    tirage = hasard(graine)
    for k in range(12):
        a = math.pi + k * math.pi / 11
        r = 0.85 + 0.15 * next(tirage)
        pts.append((l / 2 + math.cos(a) * l / 2 * r, h - 2 + math.sin(a) * (h - 4) * r))
    polygone(img, pts, pierre)
    for j in range(h):
        for i in range(l):
            p = img.px[j * l + i]
            if p[3]:
                f = 0.75 + 0.45 * lisse(i, j, 7, graine) + 0.2 * (1 - j / h) - 0.2 * (i / l)
                img.px[j * l + i] = list(teinte(pierre, f))
    return img, masque_de(img)


def colline(l, h, couleur, graine, pics=False, dessous=0):
    """A far range of hills (or peaks) for the background planes, `h` high above its base
    line and going on `dessous` pixels below it, so that no parallax step shows its bottom
    edge above the ground. Copies laid side by side, every other one mirrored, join."""
    img = Image(l, h + dessous)
    for i in range(l):
        if pics:
            y = h * (0.15 + 0.35 * abs(math.sin(i * 0.006 + graine)) + 0.15 * lisse(i, 0, 40, graine))
        else:
            y = h * (0.3 + 0.25 * math.sin(i * 0.008 + graine) + 0.15 * lisse(i, 0, 60, graine))
        for j in range(int(y), h + dessous):
            f = 0.9 + 0.15 * lisse(i, j, 25, graine) + 0.15 * min(j - y, h) / h
            c = teinte(couleur, f)
            if pics and j < y + 18 + 10 * lisse(i, 0, 15, graine):
                c = melange(c, (245, 248, 255, 255), 0.8)
            img.mettre(i, j, c)
    return img


def fond_ciel(l, h, haut, bas, graine, soleil=None, etoiles=0, relief=None):
    """A level background: a sky from `haut` to `bas`, a sun or moon, stars and a far
    silhouette."""
    img = Image(l, h)
    for j in range(h):
        c = melange(haut, bas, j / (h - 1))
        for i in range(l):
            img.px[j * l + i] = list(c)
    tirage = hasard(graine)
    for _ in range(etoiles):
        x, y = int(next(tirage) * l), int(next(tirage) * h * 0.7)
        v = 150 + int(next(tirage) * 105)
        img.mettre(x, y, (v, v, v, 255))
    if soleil:
        x, y, r, c = soleil
        doux(img, x, y, r * 3, c, 90)
        img.disque(x, y, r, tuple(c[:3]) + (255,))
    if relief:
        couleur, hauteur = relief
        for i in range(l):
            y = h - hauteur * (0.5 + 0.3 * math.sin(i * 0.01 + graine) + 0.2 * lisse(i, 0, 50, graine))
            for j in range(int(y), h):
                img.px[j * l + i] = list(melange(couleur, bas, 0.3 * (h - j) / hauteur))
    return img


# ---------------------------------------------------------------- mechanisms

def planche_animations(cadres):
    """A sheet of frames of one size in rows: cadres is a list of rows of pictures."""
    l, h = cadres[0][0].l, cadres[0][0].h
    feuille = Image(l * max(len(r) for r in cadres), h * len(cadres))
    for j, rang in enumerate(cadres):
        for i, c in enumerate(rang):
            feuille.coller(c, i * l, j * h)
    return feuille


def bascule():
    """The seesaw's plank, turned about its middle, and its stone pivot (a decor of its own)."""
    planche = plateforme(224, 20, (170, 110, 60, 255), 3)
    planche.rect(104, 4, 16, 12, (90, 60, 30, 255))
    socle = Image(56, 48)
    polygone(socle, [(28, 0), (56, 48), (0, 48)], (130, 125, 120, 255))
    polygone(socle, [(28, 6), (44, 44), (28, 44)], (160, 155, 150, 255))
    return planche, socle


def rebond():
    """A spring pad, its plate flush with the top of the frame (a character stands on the
    frame's top edge): still, then four frames of pressing down and springing back."""
    cadres = []
    for k, e in enumerate((0, 8, 14, 8, 0)):
        img = Image(64, 40)
        img.rect(4, 34, 56, 6, (60, 60, 70, 255))
        for s in range(3):
            y = 34 - (s + 1) * (10 - e / 3.0)
            img.rect(14, int(y), 36, 3, (200, 200, 210, 255))
        img.rect(2, e, 60, 8, (220, 60, 60, 255))
        img.rect(2, e, 60, 2, (255, 150, 150, 255))
        cadres.append(img)
    return planche_animations([[cadres[0]], cadres[1:]])


def effondrement():
    """A crumbling slab: whole, shaking with cracks (two frames), then in pieces (three)."""
    base = plateforme(128, 32, (150, 140, 130, 255), 5)
    fissure = Image(128, 32)
    fissure.coller(base, 0, 0)
    for x0 in (30, 70, 100):
        fissure.trait(x0, 0, x0 + 6, 16, (60, 50, 45, 255), 2)
        fissure.trait(x0 + 6, 16, x0 - 4, 31, (60, 50, 45, 255), 2)
    secousse = Image(128, 32)
    secousse.coller(fissure, 2, 0)
    morceaux = []
    for k in range(3):
        img = Image(128, 32)
        for p in range(4):
            dx, dy = p * 32, k * 6 + (p % 2) * 3
            img.rect(dx + 2, dy, 28, 32 - dy, teinte((150, 140, 130, 255), 0.9 - 0.15 * k))
        morceaux.append(img)
    rangs = [[base, base, base], [fissure, secousse, fissure], morceaux]
    return planche_animations(rangs)


def caisse():
    """A wooden crate and, for the destruction behaviour, its broken planks."""
    bois = (180, 120, 60, 255)
    entiere = Image(64, 64)
    entiere.rect(0, 0, 64, 64, bois)
    for y in (0, 21, 42):
        entiere.rect(0, y, 64, 2, teinte(bois, 0.5))
    entiere.cadre(0, 0, 64, 64, teinte(bois, 0.45), 4)
    entiere.trait(4, 4, 60, 60, teinte(bois, 0.6), 4)
    cassee = Image(64, 64)
    for k, (x, y, a) in enumerate(((6, 50, 0.2), (30, 54, -0.3), (20, 40, 0.6))):
        polygone(cassee, [(x, y), (x + 30 * math.cos(a), y + 30 * math.sin(a)),
                          (x + 30 * math.cos(a) - 6 * math.sin(a), y + 30 * math.sin(a) + 6 * math.cos(a)),
                          (x - 6 * math.sin(a), y + 6 * math.cos(a))], teinte(bois, 0.8 + 0.1 * k))
    masque = Image(64, 128)
    masque.rect(0, 0, 64, 64, VERT)
    return planche_animations([[entiere], [cassee]]), masque


def fontaine():
    """The weapon fountain's pedestal: lit while it holds a weapon (animation 0), dark once
    taken (animation 1)."""
    cadres = []
    for allume in (True, False):
        img = Image(64, 96)
        img.rect(8, 72, 48, 24, (90, 90, 100, 255))
        img.rect(16, 40, 32, 34, (120, 120, 135, 255))
        img.rect(4, 32, 56, 10, (150, 150, 165, 255))
        coeur = (80, 220, 255, 255) if allume else (50, 60, 70, 255)
        img.rect(26, 48, 12, 20, coeur)
        if allume:
            doux(img, 32, 58, 14, (150, 240, 255), 120)
        cadres.append(img)
    return planche_animations([[cadres[0]], [cadres[1]]])


def porte(grille):
    """A door 40 x 160: closed (animation 0, solid) and open (animation 1, slid up into its
    frame, leaving the passage clear). Returns the sheet and its mask sheet."""
    fermee, ouverte = Image(40, 160), Image(40, 160)
    for img, haut in ((fermee, 160), (ouverte, 24)):
        img.rect(0, 0, 40, haut, (70, 75, 90, 255))
        for x in range(5, 40, 10):
            img.rect(x, 0, 3, haut, grille)
        img.rect(0, 0, 40, 6, (40, 40, 50, 255))
        img.rect(0, haut - 6, 40, 6, (40, 40, 50, 255))
    feuille = planche_animations([[fermee], [ouverte]])
    m = Image(40, 320)
    m.rect(0, 0, 40, 160, VERT)
    m.rect(0, 160, 40, 24, VERT)
    return feuille, m


def plaque():
    """The pressure plate that opens a door: up (animation 0), pressed (animation 1)."""
    cadres = []
    for enfonce in (False, True):
        img = Image(64, 16)
        img.rect(0, 10, 64, 6, (70, 70, 80, 255))
        h = 4 if enfonce else 8
        img.rect(6, 10 - h, 52, h, (230, 190, 60, 255) if not enfonce else (120, 200, 90, 255))
        cadres.append(img)
    return planche_animations([[cadres[0]], [cadres[1]]])


def drapeau():
    """The revival flag: lowered and grey (animation 0), raised and waving (animation 1)."""
    bas = Image(48, 128)
    bas.rect(6, 0, 4, 128, (120, 110, 100, 255))
    polygone(bas, [(10, 96), (40, 104), (10, 112)], (140, 140, 140, 255))
    hauts = []
    for k in range(2):
        img = Image(48, 128)
        img.rect(6, 0, 4, 128, (200, 180, 120, 255))
        onde = 4 if k else -4
        polygone(img, [(10, 4), (30, 10 + onde), (46, 14), (26, 20 - onde), (10, 26)], (230, 60, 50, 255))
        hauts.append(img)
    return planche_animations([[bas, bas], hauts])


def sortie():
    """The exit: a stone arch holding a swirl of light, four frames."""
    cadres = []
    for k in range(4):
        img = Image(96, 144)
        polygone(img, [(0, 144), (0, 40), (48, 0), (96, 40), (96, 144), (80, 144), (80, 46), (48, 18), (16, 46), (16, 144)],
                 (120, 110, 100, 255))
        for r in range(6):
            a = k * math.pi / 8 + r * math.pi / 3
            doux(img, 48 + math.cos(a) * 14, 90 + math.sin(a) * 30, 16, (140, 220, 255), 110)
        doux(img, 48, 90, 24, (255, 255, 255), 90)
        cadres.append(img)
    return planche_animations([cadres])


def torche():
    img = Image(24, 72)
    img.rect(9, 20, 6, 52, (110, 70, 40, 255))
    img.rect(5, 14, 14, 8, (80, 80, 90, 255))
    return img


def pastille(couleur):
    """A pickup orb: glowing (animation 0, two frames) and empty (animation 1)."""
    cadres = []
    for k in range(2):
        img = Image(40, 40)
        doux(img, 20, 20, 19, couleur, 150 if k else 210)
        img.disque(20, 20, 9, teinte(couleur + (255,), 1.2))
        img.disque(17, 17, 3, (255, 255, 255, 255))
        cadres.append(img)
    vide = Image(40, 40)
    vide.disque(20, 20, 9, (80, 80, 90, 160), 7)
    return planche_animations([cadres, [vide, vide]])


def ventilateur():
    """A fan in the floor (two frames of its blades) and the rising air above it, the force
    zone's picture."""
    cadres = []
    for k in range(2):
        img = Image(96, 32)
        img.rect(0, 16, 96, 16, (80, 85, 95, 255))
        for b in range(4):
            x = 8 + b * 22 + (k * 11)
            img.rect(x % 88, 6, 10, 12, (170, 175, 185, 255))
        img.rect(0, 14, 96, 3, (50, 50, 60, 255))
        cadres.append(img)
    air = Image(96, 320)
    for j in range(320):
        for i in range(96):
            v = lisse(i, j + 0.0, 10, 77)
            if (i + int(j * 0.15)) % 24 < 3:
                a = int(50 * (1 - j / 320.0) * v)
                air.mettre(i, j, (220, 240, 255, a))
    return planche_animations([cadres]), air


# ---------------------------------------------------------------- the themes

def reduire(img, l, h):
    """The picture shrunk to l x h, each pixel the average of its block."""
    r = Image(l, h)
    fx, fy = img.l / l, img.h / h
    for j in range(h):
        for i in range(l):
            somme, n = [0, 0, 0, 0], 0
            for y in range(int(j * fy), int((j + 1) * fy), max(1, int(fy / 3))):
                for x in range(int(i * fx), int((i + 1) * fx), max(1, int(fx / 3))):
                    p = img.px[y * img.l + x]
                    for k in range(4):
                        somme[k] += p[k]
                    n += 1
            r.px[j * l + i] = [v // max(1, n) for v in somme]
    return r


def superposer(dessous, dessus, x, y):
    for j in range(dessus.h):
        for i in range(dessus.l):
            poser(dessous, x + i, y + j, dessus.px[j * dessus.l + i])


def vignette(fond, decors):
    """The picture of a level in the level lists, 140 x 80: its background with a few of its
    decor pictures (picture, x, y) laid on the 1280 x 720 scene, shrunk."""
    scene = Image(fond.l, fond.h)
    scene.px = [list(p) for p in fond.px]
    for img, x, y in decors:
        superposer(scene, img, x, y)
    petite = reduire(scene, 140, 80)
    petite.cadre(0, 0, 140, 80, (40, 30, 20, 255), 2)
    return petite


def ecrire_theme(dossier, images):
    for nom, img in images.items():
        ecrire_png(img, os.path.join("decors", dossier, nom + ".png"))


def theme_prairie():
    sol, sol_m = bloc_sol(256, 128, 12, (90, 170, 60, 255), (130, 90, 55, 255), 11, crete=6)
    bord, bord_m = bloc_sol(96, 128, 12, (90, 170, 60, 255), (130, 90, 55, 255), 12, bord="g", crete=6)
    roc, roc_m = rocher(112, 72, (140, 135, 125, 255), 13)
    fond = fond_ciel(1280, 720, (90, 150, 230, 255), (200, 230, 250, 255), 14, soleil=(1000, 140, 50, (255, 240, 180)),
                     relief=((120, 160, 190, 255), 220))
    images = {
        "sol": sol, "sol_masque": sol_m, "bord": bord, "bord_masque": bord_m,
        "plateforme": plateforme(160, 28, (170, 115, 60, 255), 1),
        "rocher": roc, "rocher_masque": roc_m,
        "arbre": arbre(200, 280, (100, 70, 40, 255), (60, 140, 50, 255), 15),
        "buisson": buisson(112, 56, (50, 130, 50, 255), 16, fleurs=(240, 90, 120, 255)),
        "fleurs": buisson(96, 32, (70, 160, 60, 255), 17, fleurs=(250, 230, 80, 255)),
        "colline": colline(768, 240, (110, 160, 90, 255), 18, dessous=200),
        "fond": fond,
        "panneau": panneau_bois(),
    }
    ecrire_theme("Prairie", images)
    return images


def panneau_bois():
    img = Image(56, 72)
    img.rect(24, 30, 8, 42, (110, 75, 40, 255))
    polygone(img, [(2, 4), (44, 4), (54, 18), (44, 32), (2, 32)], (180, 130, 70, 255))
    img.cadre(2, 4, 42, 28, (110, 75, 40, 255), 2)
    img.trait(10, 18, 38, 18, (90, 60, 30, 255), 3)
    img.trait(30, 12, 38, 18, (90, 60, 30, 255), 3)
    img.trait(30, 24, 38, 18, (90, 60, 30, 255), 3)
    return img


def pics():
    """Spikes on a stone base: the base is solid (green) and the whole bed above it hurts
    (red), from the tips down: decor damage is looked for 5 pixels above a character's feet,
    and feet standing anywhere among the points, in a valley between two as well, are hurt."""
    img, m = Image(128, 40), Image(128, 40)
    img.rect(0, 30, 128, 10, (90, 85, 80, 255))
    m.rect(0, 30, 128, 10, VERT)
    m.rect(0, 2, 128, 28, ROUGE)
    for k in range(8):
        x = k * 16
        polygone(img, [(x, 31), (x + 8, 2), (x + 16, 31)], (190, 190, 200, 255))
        polygone(img, [(x + 8, 2), (x + 16, 31), (x + 10, 31)], (130, 130, 140, 255))
    return img, m


def theme_grotte():
    roche, roche_m = bloc_sol(256, 128, 8, (110, 100, 110, 255), (75, 65, 75, 255), 21)
    bord, bord_m = bloc_sol(96, 128, 8, (110, 100, 110, 255), (75, 65, 75, 255), 22, bord="g")
    pilier, pilier_m = rocher(96, 256, (95, 85, 95, 255), 23)
    stalactite = Image(48, 120)
    polygone(stalactite, [(0, 0), (48, 0), (26, 120), (22, 120)], (100, 90, 100, 255))
    polygone(stalactite, [(8, 0), (24, 0), (23, 100)], (130, 120, 130, 255))
    cristal = Image(48, 64)
    doux(cristal, 24, 36, 24, (120, 200, 255), 120)
    polygone(cristal, [(24, 4), (34, 30), (28, 62), (18, 62), (12, 30)], (150, 220, 255, 255))
    polygone(cristal, [(24, 4), (28, 62), (22, 62)], (210, 245, 255, 255))
    champignon = Image(64, 48)
    champignon.rect(28, 24, 8, 24, (220, 210, 190, 255))
    polygone(champignon, [(4, 26), (16, 6), (48, 6), (60, 26)], (200, 80, 160, 255))
    doux(champignon, 32, 16, 28, (255, 150, 230), 70)
    piques, piques_m = pics()
    fond = fond_ciel(1280, 720, (20, 15, 30, 255), (60, 45, 60, 255), 24, relief=((35, 28, 40, 255), 300))
    images = {"roche": roche, "roche_masque": roche_m, "bord": bord, "bord_masque": bord_m, "pilier": pilier,
              "pilier_masque": pilier_m, "stalactite": stalactite, "cristal": cristal, "champignon": champignon,
              "pics": piques, "pics_masque": piques_m, "fond": fond,
              "plateforme": plateforme(160, 28, (120, 110, 120, 255), 4, metal=True)}
    ecrire_theme("Grotte", images)
    return images


def theme_neige():
    sol, sol_m = bloc_sol(256, 128, 14, (240, 245, 255, 255), (110, 100, 110, 255), 31, crete=2)
    bord, bord_m = bloc_sol(96, 128, 14, (240, 245, 255, 255), (110, 100, 110, 255), 32, bord="g")
    glace = Image(256, 40)
    for j in range(40):
        for i in range(256):
            f = 0.85 + 0.25 * lisse(i, j, 12, 33) - 0.2 * j / 40
            glace.mettre(i, j, teinte((170, 220, 250, 235), f))
    glace.rect(0, 0, 256, 3, (240, 250, 255, 255))
    fond = fond_ciel(1280, 720, (120, 150, 200, 255), (220, 230, 245, 255), 34, soleil=(300, 160, 40, (250, 250, 240)),
                     relief=((170, 185, 210, 255), 260))
    images = {"sol": sol, "sol_masque": sol_m, "bord": bord, "bord_masque": bord_m, "glace": glace,
              "sapin": arbre(128, 232, (90, 60, 40, 255), (40, 90, 70, 255), 35, sapin=True),
              "congere": buisson(128, 40, (235, 240, 255, 255), 36),
              "montagnes": colline(768, 300, (130, 140, 170, 255), 37, pics=True), "fond": fond,
              "plateforme": plateforme(160, 28, (150, 190, 220, 255), 6, metal=True)}
    ecrire_theme("Neige", images)
    return images


def theme_desert():
    sable, sable_m = bloc_sol(256, 128, 10, (235, 200, 130, 255), (200, 150, 90, 255), 41, cailloux=False)
    bord, bord_m = bloc_sol(96, 128, 10, (235, 200, 130, 255), (200, 150, 90, 255), 42, bord="g", cailloux=False)
    trou = Image(128, 256)
    for j in range(256):
        for i in range(128):
            trou.mettre(i, j, teinte((120, 85, 50, 255), 0.7 + 0.3 * lisse(i, j, 8, 43)))
    bord_trou = Image(128, 32)
    for i in range(128):
        for j in range(int(10 + 8 * math.sin(i * 0.1)), 32):
            bord_trou.mettre(i, j, teinte((235, 200, 130, 255), 0.85 + 0.2 * lisse(i, j, 4, 44)))
    cactus = Image(64, 112)
    cactus.rect(24, 10, 16, 102, (60, 140, 70, 255))
    cactus.rect(8, 40, 10, 30, (60, 140, 70, 255))
    cactus.rect(8, 62, 20, 8, (60, 140, 70, 255))
    cactus.rect(46, 30, 10, 26, (60, 140, 70, 255))
    cactus.rect(36, 50, 20, 8, (60, 140, 70, 255))
    palmier = Image(160, 240)
    for k in range(40):
        palmier.rect(76 + int(6 * math.sin(k * 0.08)), 60 + k * 4, 10, 5, teinte((150, 110, 70, 255), 0.8 + 0.2 * (k % 2)))
    for a in range(7):
        ang = -math.pi + a * math.pi / 6
        for t in range(50):
            x = 80 + math.cos(ang) * t * 1.4
            y = 62 + math.sin(ang) * t * 0.6 + (t / 50.0) ** 2 * 30
            palmier.disque(x, y, 5 - t / 14.0, (70, 150, 60, 255))
    oasis = Image(192, 40)
    for j in range(12, 40):
        demi = 96 * math.sqrt(max(0, 1 - ((j - 26) / 14.0) ** 2))
        for i in range(int(96 - demi), int(96 + demi)):
            oasis.mettre(i, j, teinte((60, 150, 200, 230), 0.9 + 0.2 * math.sin(i * 0.3 + j)))
    fond = fond_ciel(1280, 720, (240, 170, 90, 255), (250, 230, 170, 255), 45, soleil=(640, 200, 70, (255, 250, 210)),
                     relief=((220, 160, 100, 255), 180))
    images = {"sable": sable, "sable_masque": sable_m, "bord": bord, "bord_masque": bord_m, "trou": trou,
              "bord_trou": bord_trou, "cactus": cactus, "palmier": palmier,
              "dune": colline(768, 200, (225, 175, 110, 255), 46), "oasis": oasis, "fond": fond,
              "plateforme": plateforme(160, 28, (160, 120, 70, 255), 7)}
    ecrire_theme("Desert", images)
    return images


def theme_ville():
    toit, toit_m = bloc_sol(256, 96, 8, (120, 60, 55, 255), (70, 70, 80, 255), 51)
    for x in range(16, 256, 48):
        toit.rect(x, 40, 20, 26, (230, 200, 90, 255))
        toit.cadre(x, 40, 20, 26, (40, 40, 50, 255), 2)
    cheminee = Image(48, 96)
    cheminee.rect(6, 10, 36, 86, (150, 80, 60, 255))
    cheminee.rect(2, 4, 44, 10, (90, 90, 100, 255))
    for y in range(20, 96, 12):
        cheminee.rect(6, y, 36, 2, (110, 60, 45, 255))
    immeubles = Image(768, 360)
    tirage = hasard(52)
    x = 0
    while x < 768:
        l, h = 60 + int(next(tirage) * 80), 140 + int(next(tirage) * 200)
        immeubles.rect(x, 360 - h, l, h, (35, 35, 55, 255))
        for fy in range(360 - h + 12, 350, 22):
            for fx in range(x + 8, x + l - 10, 18):
                if next(tirage) < 0.35:
                    immeubles.rect(fx, fy, 8, 10, (240, 210, 110, 255))
        x += l + int(next(tirage) * 12)
    antenne = Image(32, 160)
    antenne.rect(14, 10, 4, 150, (90, 90, 100, 255))
    antenne.trait(16, 40, 2, 70, (90, 90, 100, 255))
    antenne.trait(16, 40, 30, 70, (90, 90, 100, 255))
    antenne.disque(16, 8, 5, (255, 60, 60, 255))
    fond = fond_ciel(1280, 720, (15, 15, 30, 255), (60, 55, 80, 255), 53, soleil=(200, 120, 30, (230, 230, 255)),
                     etoiles=80)
    images = {"toit": toit, "toit_masque": toit_m, "cheminee": cheminee, "cheminee_masque": masque_de(cheminee),
              "immeubles": immeubles, "antenne": antenne, "fond": fond,
              "plateforme": plateforme(160, 28, (120, 120, 130, 255), 8, metal=True)}
    ecrire_theme("Ville", images)
    return images


def theme_arene():
    sol, sol_m = bloc_sol(256, 96, 10, (150, 160, 180, 255), (70, 75, 95, 255), 61)
    for x in range(0, 256, 32):
        sol.rect(x, 10, 2, 86, (50, 55, 70, 255))
    fond = fond_ciel(1280, 720, (5, 5, 20, 255), (40, 20, 60, 255), 62, etoiles=300)
    for k in range(5):
        doux(fond, 300 + k * 180, 250 + 60 * math.sin(k), 160, (120, 60, 160), 40)
    images = {"sol": sol, "sol_masque": sol_m, "fond": fond,
              "plateforme": plateforme(192, 32, (140, 150, 170, 255), 9, metal=True)}
    ecrire_theme("Arene", images)
    return images


def mecanismes():
    planche, socle = bascule()
    caisse_img, caisse_m = caisse()
    porte_img, porte_m = porte((110, 120, 140, 255))
    feuille_vent, air = ventilateur()
    debut = Image(64, 16)
    debut.rect(0, 8, 64, 8, (70, 70, 90, 255))
    doux(debut, 32, 8, 30, (120, 255, 160), 120)
    images = {"bascule": planche, "socle": socle, "rebond": rebond(), "effondrement": effondrement(),
              "plateforme_mobile": plateforme(128, 28, (200, 180, 80, 255), 2, metal=True), "caisse": caisse_img,
              "caisse_masque": caisse_m,
              "fontaine": fontaine(), "porte": porte_img, "porte_masque": porte_m, "plaque": plaque(),
              "drapeau": drapeau(), "sortie": sortie(), "torche": torche(),
              "invertolite": pastille((120, 255, 140)), "padsotolite": pastille((255, 120, 220)),
              "ventilateur": feuille_vent, "courant": air, "debut": debut}
    ecrire_theme("Mecanismes", images)
    vide = Image(32, 32)
    ecrire_png(vide, os.path.join("decors", "Divers", "vide.png"))
    return images


def images_decors():
    meca = mecanismes()
    themes = {"aventure01": theme_prairie(), "aventure02": theme_grotte(), "aventure03": theme_neige(),
              "chrono01": theme_desert(), "chrono02": theme_ville(), "multi02": theme_arene()}
    themes["multi01"] = themes["aventure01"]
    themes["menu"] = themes["aventure01"]
    sols = {"aventure01": "sol", "aventure02": "roche", "aventure03": "sol", "chrono01": "sable",
            "chrono02": "toit", "multi01": "sol", "multi02": "sol"}
    for niveau, t in themes.items():
        if niveau == "menu":
            continue
        sol = t[sols[niveau]]
        decors = [(sol, x, 600) for x in range(0, 1280, 256)]
        decors.append((meca["sortie"], 1000, 456))
        ecrire_png(vignette(t["fond"], decors), os.path.join("niveaux", niveau, "vignette.png"))
