#!/usr/bin/env python3
# Makes the game's short sound effects (16-bit mono WAV) so that they need no
# recording tool: each one is a few summed sine tones under a decaying envelope.
import math
import os
import struct
import wave

TAUX = 22050


def sauver(nom, echantillons):
    chemin = os.path.join(os.path.dirname(os.path.abspath(__file__)), nom)
    os.makedirs(os.path.dirname(chemin), exist_ok=True)
    with wave.open(chemin, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(TAUX)
        w.writeframes(struct.pack("<%dh" % len(echantillons), *echantillons))


def musique_fin(nom, tempo=0.5):
    """The fanfare of a won chrono level: a rising brass-like arpeggio over held chords."""
    accords = [(261.63, 329.63, 392.00), (349.23, 440.00, 523.25), (392.00, 493.88, 587.33),
               (261.63, 329.63, 392.00)]
    echantillons = []
    for accord in accords:
        for k in range(4):
            note = accord[k % 3] * (2 if k == 3 else 1)
            n = int(TAUX * tempo)
            for i in range(n):
                t = i / TAUX
                attaque = min(1.0, i / 600.0) * (1.0 - 0.5 * i / n)
                v = 0.5 * sum(math.sin(2 * math.pi * f * t) for f in accord) / 3
                v += 0.5 * attaque * (math.sin(2 * math.pi * note * t) + 0.3 * math.sin(4 * math.pi * note * t))
                echantillons.append(int(max(-1.0, min(1.0, v * 0.5)) * 32767))
    sauver(nom, echantillons)


def ecrire(nom, duree, frequences, glissement=0.0, bruit=0.0):
    n = int(TAUX * duree)
    graine = 12345
    echantillons = []
    for i in range(n):
        t = i / TAUX
        enveloppe = (1.0 - i / n) ** 2
        v = 0.0
        for f in frequences:
            f_t = f * (1.0 + glissement * t / duree)
            v += math.sin(2 * math.pi * f_t * t)
        v /= len(frequences)
        if bruit:
            graine = (graine * 1103515245 + 12345) & 0x7FFFFFFF
            v = v * (1 - bruit) + bruit * (graine / 0x3FFFFFFF - 1.0)
        echantillons.append(int(max(-1.0, min(1.0, v * enveloppe * 0.6)) * 32767))
    sauver(nom, echantillons)


def tonnerre(nom, duree, grondement, graine):
    """Thunder: low-passed noise with a sharp crack and a long rumbling tail."""
    n = int(TAUX * duree)
    echantillons = []
    filtre = 0.0
    for i in range(n):
        t = i / TAUX
        graine = (graine * 1103515245 + 12345) & 0x7FFFFFFF
        bruit = graine / 0x3FFFFFFF - 1.0
        # The more it rumbles, the lower the noise.
        filtre += (bruit - filtre) * (0.5 if t < 0.05 else grondement)
        enveloppe = min(1.0, i / 200.0) * (1.0 - i / n) ** 1.5 * (1.0 + 0.3 * math.sin(2 * math.pi * 3.0 * t))
        echantillons.append(int(max(-1.0, min(1.0, filtre * enveloppe * 1.8)) * 32767))
    sauver(nom, echantillons)


ecrire("menu.wav", 0.08, [880.0, 1320.0])
ecrire("saut.wav", 0.18, [330.0], glissement=1.0)
ecrire("tir.wav", 0.15, [180.0, 95.0], glissement=-0.5, bruit=0.5)
ecrire("explosion.wav", 0.40, [60.0, 45.0], bruit=0.8)
ecrire("choc.wav", 0.22, [110.0, 70.0], glissement=-0.6, bruit=0.45)
tonnerre("tonerre1.wav", 1.2, 0.08, 4242)
tonnerre("tonerre2.wav", 2.0, 0.04, 777)
# The shots' sounds: an empty click, a missile's ignition, a grenade's bounce, an arrow
# striking, the rocker's rumble, a turret taken, and the explosions of explos.ini.
ecrire("tirvide.wav", 0.05, [1500.0, 2200.0])
ecrire("missile.wav", 0.50, [120.0, 240.0], glissement=0.8, bruit=0.6)
ecrire("rebond_grenade.wav", 0.10, [520.0, 760.0], glissement=-0.3)
ecrire("impact_fleche.wav", 0.12, [300.0, 610.0], glissement=-0.6, bruit=0.3)
ecrire("rocker_propagation.wav", 0.60, [40.0, 55.0, 70.0], glissement=0.2, bruit=0.7)
ecrire("tourelle.wav", 0.25, [220.0, 330.0], glissement=0.4)
ecrire("explosion_grosse.wav", 0.80, [40.0, 30.0], bruit=0.9)
ecrire("fumee.wav", 0.35, [90.0], bruit=0.9)
musique_fin("../musiques/blockbuster_orchestral.wav")
# Hits and deaths: a dull thud, the whoosh of a push back, a wet splash, the spirit's rising
# wail, its fury, the kick, a shot ringing on a helmet and the head shot's crack.
ecrire("touche.wav", 0.12, [140.0, 90.0], glissement=-0.4, bruit=0.3)
ecrire("dash.wav", 0.20, [500.0], glissement=-0.7, bruit=0.7)
ecrire("splash.wav", 0.35, [120.0, 70.0], glissement=-0.3, bruit=0.85)
ecrire("fantome.wav", 0.90, [440.0, 443.0, 660.0], glissement=0.6)
ecrire("fureur.wav", 0.50, [110.0, 116.0, 220.0], glissement=0.3, bruit=0.2)
ecrire("kickass.wav", 0.18, [90.0, 180.0], glissement=-0.6, bruit=0.4)
ecrire("tirdanscasque.wav", 0.30, [1800.0, 2710.0, 3300.0])
ecrire("headshot.wav", 0.25, [240.0, 1200.0], glissement=-0.8, bruit=0.6)


def bruit_filtre(nom, duree, coupure, enveloppe, graine, ton=None):
    """Noise through a one-pole low-pass filter, shaped by `enveloppe(t)` (t from 0 to 1),
    with an optional tone (frequency in Hz, or a function of t) under it."""
    n = int(TAUX * duree)
    filtre, phase, echantillons = 0.0, 0.0, []
    for i in range(n):
        t = i / n
        graine = (graine * 1103515245 + 12345) & 0x7FFFFFFF
        filtre += (graine / 0x3FFFFFFF - 1.0 - filtre) * (coupure(t) if callable(coupure) else coupure)
        v = filtre * 2.0
        if ton:
            phase += 2 * math.pi * (ton(t) if callable(ton) else ton) / TAUX
            v = 0.6 * v + 0.5 * math.sin(phase)
        echantillons.append(int(max(-1.0, min(1.0, v * enveloppe(t) * 0.7)) * 32767))
    sauver(nom, echantillons)


def carillon(nom, notes, duree_note, timbre=3):
    """Bell-like notes one after the other, each ringing on under the next."""
    n = int(TAUX * duree_note * (len(notes) + 2))
    somme = [0.0] * n
    for k, f in enumerate(notes):
        debut = int(TAUX * duree_note * k)
        for i in range(n - debut):
            t = i / TAUX
            a = math.exp(-t * 5.0)
            somme[debut + i] += a * (math.sin(2 * math.pi * f * t) + 0.4 * math.sin(2 * math.pi * f * timbre * t))
    sauver(nom, [int(max(-1.0, min(1.0, v * 0.35)) * 32767) for v in somme])


def applaudissements(nom, duree, graine):
    """Many claps: short bursts of bright noise at random moments, a crowd swelling and fading."""
    n = int(TAUX * duree)
    somme = [0.0] * n
    for _ in range(int(duree * 60)):
        graine = (graine * 1103515245 + 12345) & 0x7FFFFFFF
        debut = graine % (n - 800)
        for i in range(700):
            graine = (graine * 1103515245 + 12345) & 0x7FFFFFFF
            somme[debut + i] += (graine / 0x3FFFFFFF - 1.0) * math.exp(-i / 120.0)
    foule = [min(1.0, 3 * i / n) * min(1.0, 2.5 * (1 - i / n)) for i in range(n)]
    sauver(nom, [int(max(-1.0, min(1.0, somme[i] * foule[i] * 0.25)) * 32767) for i in range(n)])


# The menus' doors: sliding shut, and the clang of closing; the applause of a won level.
bruit_filtre("portes.wav", 0.9, 0.05, lambda t: min(1.0, t * 8) * (1 - t), 31, ton=lambda t: 70 + 30 * t)
bruit_filtre("portes_fermeture.wav", 0.5, lambda t: 0.6 if t < 0.04 else 0.08,
             lambda t: (1 - t) ** 3, 32, ton=55)
applaudissements("applaudissements.wav", 2.5, 33)
# The levels' decor: a torch's crackle, a fan's wind, a bounce pad's spring, a slab
# crumbling, a door opening, a flag raised, the exit, a weapon taken, a pickup, the vortex
# of the two-player rounds.
bruit_filtre("feu.wav", 1.0, 0.3, lambda t: 0.5 + 0.5 * abs(math.sin(t * 37)) ** 8, 34)
bruit_filtre("vent.wav", 1.2, lambda t: 0.02 + 0.03 * math.sin(t * math.pi), lambda t: math.sin(t * math.pi), 35)
ecrire("rebond.wav", 0.30, [220.0, 330.0], glissement=2.0)
bruit_filtre("eboulement.wav", 0.7, 0.12, lambda t: (1 - t) ** 1.5, 36, ton=lambda t: 60 - 20 * t)
bruit_filtre("porte_ouverture.wav", 0.6, 0.06, lambda t: min(1.0, t * 20) * (1 - t), 37,
             ton=lambda t: 90 + 60 * t)
carillon("drapeau.wav", [523.25, 659.25, 783.99], 0.09)
carillon("sortie.wav", [392.0, 523.25, 659.25, 783.99, 1046.5], 0.08)
carillon("arme_prise.wav", [659.25, 987.77], 0.06, timbre=2)
carillon("pastille.wav", [880.0, 1318.5], 0.05, timbre=5)
bruit_filtre("vortex.wav", 1.0, lambda t: 0.02 + 0.2 * t, lambda t: math.sin(t * math.pi), 38,
             ton=lambda t: 200 + 600 * t)
