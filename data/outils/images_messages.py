"""The level messages' pictures, drawn by generer_images_hud.py (run that from data/): the
message box and the speech bubble, two speakers, the pad pictures and the prompt's tilde, and
the anchor of key points."""
import math


def dessiner(g):
    """The level scripts' message box and speech bubble, two speakers (a still one and an
    animated one of four frames), the pad pictures of the texts' "~" marker with the
    prompt's tilde, and the anchor of key points."""
    # The message box holds three lines 35 pixels apart and the prompt 105 pixels under the
    # first line. Opaque: the game draws it nine tenths covering, and a box drawn over another
    # left open lets the older lines show through that little.
    fond = g.Image(780, 160)
    fond.rect(4, 4, 772, 152, (18, 26, 52, 255))
    fond.cadre(1, 1, 778, 158, (190, 205, 235, 255), 3)
    fond.cadre(7, 7, 766, 146, (70, 90, 140, 255), 1)
    fond.png("menus/fond_message.png")

    def arrondi(img, x, y, l, h, r, c):
        for j in range(h):
            for i in range(l):
                dx, dy = max(r - i, 0, i - (l - 1 - r)), max(r - j, 0, j - (h - 1 - r))
                if dx * dx + dy * dy <= r * r:
                    img.mettre(x + i, y + j, c)

    # The speech bubble: three lines 40 pixels apart from 50 pixels under its top, 420 pixels
    # wide from 100 pixels in. It stands where the hero often walks: its paper lets him show
    # through, the dark text stays readable on it.
    bulle = g.Image(540, 190)
    bord, papier = (60, 60, 70, 255), (250, 248, 238, 150)
    for k in range(30):  # the tail, down to the speaker on the left, outlined
        bulle.rect(38 - k, 156 + k, 34 - k, 1, bord)
    arrondi(bulle, 0, 0, 540, 160, 22, bord)
    arrondi(bulle, 2, 2, 536, 156, 20, papier)
    for k in range(27):
        bulle.rect(40 - k, 156 + k, 29 - k, 1, papier)
    bulle.png("menus/bulle.png")
    g.personnage((240, 205, 170, 255), (70, 110, 190, 255), (30, 50, 100, 255), (120, 80, 40, 255),
                 False).png("menus/parleur_guide.png")
    robot = g.Image(4 * 64, 64)
    for f in range(4):
        x = f * 64
        robot.rect(x + 10, 8, 44, 48, (150, 160, 175, 255))
        robot.cadre(x + 10, 8, 44, 48, (60, 65, 80, 255), 2)
        robot.rect(x + 30, 0, 4, 8, (60, 65, 80, 255))
        g.disque(robot, x + 32, 2, 3, (230, 60, 60, 255) if f % 2 else (90, 30, 30, 255))
        robot.rect(x + 18, 20, 8, 8, (40, 200, 240, 255))
        robot.rect(x + 38, 20, 8, 8, (40, 200, 240, 255))
        bouche = (2, 6, 10, 6)[f]
        robot.rect(x + 22, 40 - bouche // 2, 20, bouche, (30, 30, 40, 255))
    robot.png("menus/parleur_robot.png")
    g.dec_anime("menus/parleur_robot.dec", "./menus/parleur_robot.png", "PARLEUR_ROBOT", 4, 64, 64, 0.25, 0)

    def bouton(nom, lettre, teinte):
        img = g.Image(28, 28)
        g.disque(img, 14, 14, 13, (20, 20, 24, 255))
        g.disque(img, 14, 14, 11, teinte)
        if lettre:
            img.texte(9, 7, lettre, 2, (255, 255, 255, 255))
        return img

    bouton("A", "A", (60, 170, 70, 255)).png("menus/info_a.png")
    bouton("B", "B", (210, 50, 50, 255)).png("menus/info_b.png")
    bouton("X", "X", (50, 110, 220, 255)).png("menus/info_x.png")
    bouton("Y", "Y", (225, 190, 40, 255)).png("menus/info_y.png")
    joy = bouton("Joy", "", (110, 110, 120, 255))
    g.disque(joy, 14, 14, 5, (200, 200, 210, 255))
    joy.png("menus/info_joy.png")
    tilde = g.Image(28, 28)
    for i in range(4, 24):
        tilde.rect(i, int(round(14 + 4 * math.sin((i - 4) * math.pi / 10))), 2, 3, (235, 235, 235, 255))
    tilde.png("menus/info_tilde.png")
    ancre = g.Image(16, 16)
    for k in range(8):
        ancre.rect(7 - k, 8 - 1, 2 * k + 2, 2, (250, 210, 40, 255))
        ancre.rect(7, 7 - k, 2, 2 * k + 2, (250, 210, 40, 255))
    ancre.cadre(0, 0, 16, 16, (120, 90, 10, 255))
    g.ecrire(ancre, "effets", "ancrage_kp", "SPRITE_ANCRAGE_KP", (8, 8))
