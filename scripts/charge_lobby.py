#!/usr/bin/env python3
"""Load on the lobby server: honest players beside slow and idle connections.

Starts serveur_lobby on a free loopback port with a fresh base, holds --lents connections
that dawdle (half send a request one header line a second, half connect and say nothing),
opening a new one whenever the server closes one, and runs --clients honest players for
--duree seconds. Each player registers once, then asks the list and its address and edits
its record (at most once every 2 s), --pause seconds apart, each request on a new
connection as the game does, or every other player on a kept-open one. Every player and every dawdler speaks from a
loopback address of its own (127.1.x.y and up), as players behind different routers do.

Prints the latency of the players' requests (p50, p99, worst), the errors (any answer
other than 200, or none within 3 s) and the rows lost: records missing or not as their
last accepted edit left them, once in the running server and again after a kill -9 and a
restart on the same base.

--descripteurs runs the descriptor flood instead: 3,000 connections that say nothing, from
as many addresses, against a server limited to 1,024 descriptors; --gouttes the same flood
with half of them sending a header line a second, beside 50 players for 15 s (--lents,
--muets and --limite give other mixes). --pipelines N adds N connections that each send
--par-pipeline list requests at once and never read an answer, beside a list of --lignes
players added first (from as many /16 networks as the server's caps ask: 4 for 10,000 rows,
a list of about 500 KB); the server's memory and its sockets' send queues are then measured.

    scripts/charge_lobby.py                               # 500 dawdlers, 200 players, 30 s
    scripts/charge_lobby.py --descripteurs                # 3,000 silent ones, 1,024 descriptors
    scripts/charge_lobby.py --gouttes                     # 3,000 silent or dripping, 1,024 descriptors
    scripts/charge_lobby.py --lents 0 --lignes 10000 --pipelines 64 --duree 10
    scripts/charge_lobby.py --lents 8 --clients 1 --duree 10   # one player beside 8 dawdlers
    scripts/charge_lobby.py --serveur /tmp/old/serveur_lobby

Standard library only; never run by the tests.
"""
import argparse
import http.client
import multiprocessing
import os
import resource
import select
import selectors
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time

RACINE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CHEMIN = "/duelix"
DELAI_CLIENT = 3.0  # the game's client gives up after 3 s
EDITION_MIN = 2.0  # seconds between two edits of one player


def adresse(bloc, i):
    """The i-th loopback address of a block (127.<bloc>.x.y), never .0 nor .255: the first
    250 each in a /24 network of its own, as behind different routers."""
    return "127.%d.%d.%d" % (bloc, 1 + i % 250, 1 + i // 250)


def demarrer(exe, base, limite=0, joueurs=10000):
    def limiter():
        if limite:
            resource.setrlimit(resource.RLIMIT_NOFILE, (limite, limite))
    p = subprocess.Popen([exe, "--port", "0", "--base", base, "--max-joueurs", str(joueurs)], stdout=subprocess.PIPE,
                         stderr=subprocess.PIPE, text=True, preexec_fn=limiter)
    ligne = p.stdout.readline()
    debut = "Serveur du salon : http://127.0.0.1:"
    if not ligne.startswith(debut):
        p.kill()
        sys.exit("serveur_lobby did not start: " + ligne + p.stderr.read())
    return p, int(ligne[len(debut):].split("/")[0])


def requete(conn, methode, script, corps=None, fermer=False):
    entetes = {"Content-Type": "application/x-www-form-urlencoded"} if corps is not None else {}
    if fermer:
        entetes["Connection"] = "close"  # as the game's client asks
    conn.request(methode, CHEMIN + script, body=corps, headers=entetes)
    r = conn.getresponse()
    return r.status, r.read().decode("utf-8", "replace")


# Dawdlers -----------------------------------------------------------------------------------

def retardataires(port, n, muets, fin, sortie):
    """Holds n dawdling connections until fin (all silent when muets); puts (mean held,
    opened) on sortie."""
    sel = selectors.DefaultSelector()
    prochains = {}  # socket -> (index, time of its next line or None when idle)
    ouvertes = [0]

    def ouvrir(i):
        s = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        s.setblocking(False)
        try:
            s.bind((adresse(2, i), 0))
            s.connect_ex(("127.0.0.1", port))
        except OSError:
            s.close()
            return
        ouvertes[0] += 1
        lent = i % 2 == 0 and not muets
        prochains[s] = (i, time.monotonic() if lent else None, 0)
        sel.register(s, selectors.EVENT_READ)

    def fermer(s):
        sel.unregister(s)
        s.close()
        i = prochains.pop(s)[0]
        if time.monotonic() < fin:
            ouvrir(i)

    for i in range(n):
        ouvrir(i)
    somme, mesures = 0, 0
    while time.monotonic() < fin:
        for cle, _ in sel.select(timeout=0.1):
            try:
                if not cle.fileobj.recv(4096):
                    fermer(cle.fileobj)
            except OSError:
                fermer(cle.fileobj)
        maintenant = time.monotonic()
        for s, (i, quand, lignes) in list(prochains.items()):
            if quand is None or quand > maintenant:
                continue
            t = (b"POST %s/addjoueur.php HTTP/1.1\r\n" % CHEMIN.encode() if lignes == 0
                 else b"X-Lent-%d: %d\r\n" % (lignes, lignes))
            try:
                s.send(t)
                prochains[s] = (i, maintenant + 1.0, lignes + 1)
            except BlockingIOError:
                prochains[s] = (i, maintenant + 0.1, lignes)
            except OSError:
                fermer(s)
        somme += len(prochains)
        mesures += 1
    for s in list(prochains):
        sel.unregister(s)
        s.close()
    sortie.put((somme / max(1, mesures), ouvertes[0]))


def pipelines(port, n, k, fin, sortie):
    """Holds n connections that each send k list requests at once and never read, opening a
    new one whenever the server drops one; puts the connections opened on sortie."""
    demande = b"GET %s/sendlistjoueurs.php HTTP/1.1\r\nHost: x\r\n\r\n" % CHEMIN.encode() * k
    sondage = select.poll()
    ouvertes = {}
    compte = [0]

    def ouvrir(i):
        s = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        s.settimeout(DELAI_CLIENT)
        try:
            s.bind((adresse(4, i), 0))
            s.connect(("127.0.0.1", port))
            s.sendall(demande)
        except OSError:
            s.close()
            return
        compte[0] += 1
        # POLLIN is never asked: a reset or a close is reported all the same, and nothing read.
        sondage.register(s, select.POLLRDHUP)
        ouvertes[s.fileno()] = (s, i)

    for i in range(n):
        ouvrir(i)
    while time.monotonic() < fin:
        for fd, _ in sondage.poll(100):
            s, i = ouvertes.pop(fd)
            sondage.unregister(fd)
            s.close()
            if time.monotonic() < fin:
                ouvrir(i)
    for s, _ in ouvertes.values():
        s.close()
    sortie.put(("pipelines", compte[0]))


def reseaux16(n, joueurs):
    """How many /16 networks n players added first come from: one holds at most a quarter of
    the server's maximum (and a /24 a sixteenth, spread here over 250 of them)."""
    par16 = max(1, joueurs // 4)
    return (n + par16 - 1) // par16, par16


def remplir(port, n, joueurs):
    """Adds n players, each from an address of its own, as many networks as their caps ask
    (127.10.x.y, 127.11.x.y...): how many were refused."""
    refus = [0]
    _, par16 = reseaux16(n, joueurs)

    def lot(indices):
        for i in indices:
            source = adresse(10 + i // par16, i % par16)
            conn = http.client.HTTPConnection("127.0.0.1", port, timeout=10, source_address=(source, 0))
            try:
                statut = requete(conn, "POST", "/addjoueur.php",
                                 "pseudo=r%d&groupe=charge&niveau=0&iplan=10.0.0.1&port=8000" % i, True)[0]
            except (OSError, http.client.HTTPException):
                statut = 0
            conn.close()
            refus[0] += statut != 200

    fils = [threading.Thread(target=lot, args=(range(g, n, 16),)) for g in range(16)]
    for f in fils:
        f.start()
    for f in fils:
        f.join()
    return refus[0]


class Mesure(threading.Thread):
    """The server's resident memory and its sockets' send queues (orphans included), the
    highest seen, looked at every 100 ms."""

    def __init__(self, pid, port):
        super().__init__(daemon=True)
        self.pid, self.port, self.fini = pid, "%04X" % port, threading.Event()
        self.rss = self.file = self.file_max = 0

    def run(self):
        while not self.fini.wait(0.1):
            try:
                with open("/proc/%d/status" % self.pid) as f:
                    for ligne in f:
                        if ligne.startswith("VmRSS:"):
                            self.rss = max(self.rss, int(ligne.split()[1]) * 1024)
                total = 0
                with open("/proc/net/tcp") as f:
                    next(f)
                    for ligne in f:
                        champs = ligne.split()
                        if champs[1].endswith(":" + self.port):
                            envoi = int(champs[4].split(":")[0], 16)
                            total += envoi
                            self.file_max = max(self.file_max, envoi)
                self.file = max(self.file, total)
            except OSError:
                return


# Honest players -----------------------------------------------------------------------------

def joueur(port, i, fin, pause, resultat):
    source = (adresse(1, i), 0)
    garder = i % 2 == 0
    conn = None
    corps = "pseudo=h%de%d&groupe=charge&niveau=0&iplan=10.0.0.1&port=8000"
    lat, erreurs, etat, edition = [], {}, None, 0.0

    def une(methode, script, c=None):
        nonlocal conn
        t = time.monotonic()
        reprise = conn is not None and garder  # a kept connection used again
        try:
            if conn is None or not garder:
                conn = http.client.HTTPConnection("127.0.0.1", port, timeout=DELAI_CLIENT,
                                                  source_address=source)
            statut, texte = requete(conn, methode, script, c, not garder)
            genre = "status %d" % statut
        except (OSError, http.client.HTTPException) as e:
            statut, texte, genre = 0, "", type(e).__name__ + (" on a kept connection" if reprise else "")
            conn.close()
            conn = None
        lat.append(time.monotonic() - t)
        if not garder and conn is not None:
            conn.close()
            conn = None
        if statut != 200:
            erreurs[genre] = erreurs.get(genre, 0) + 1
        return statut, texte

    n = 0
    if une("POST", "/addjoueur.php", corps % (i, 0))[0] == 200:
        etat = 0
    while time.monotonic() < fin:
        n += 1
        if etat is not None and time.monotonic() - edition >= EDITION_MIN:
            edition = time.monotonic()
            if une("POST", "/editjoueur.php", corps % (i, etat + 1) + "&etat=0")[0] == 200:
                etat += 1
        elif n % 2:
            une("GET", "/sendlistjoueurs.php")
        else:
            une("GET", "/giveip.php")
        if pause:
            time.sleep(pause)
    if conn is not None:
        conn.close()
    resultat.append((lat, erreurs, (adresse(1, i), "h%de%d" % (i, etat)) if etat is not None else None))


def groupe_joueurs(port, indices, fin, pause, sortie):
    import threading
    resultat = []
    fils = [threading.Thread(target=joueur, args=(port, i, fin, pause, resultat)) for i in indices]
    for f in fils:
        f.start()
    for f in fils:
        f.join()
    sortie.put(resultat)


def liste(port):
    """The server's list of players, None when it did not answer it."""
    conn = http.client.HTTPConnection("127.0.0.1", port, timeout=10)
    statut, texte = requete(conn, "GET", "/sendlistjoueurs.php")
    conn.close()
    return texte if statut == 200 else None


def rangs_perdus(port, attendus):
    texte = liste(port)
    if texte is None:
        return len(attendus)
    vus = {}
    for ligne in texte.splitlines():
        v = ligne[2:].split(";")
        if ligne.startswith("J=") and len(v) == 8:
            vus[v[5]] = v[1]
    return sum(1 for ip, pseudo in attendus if vus.get(ip) != pseudo)


def centile(v, p):
    return v[min(len(v) - 1, int(len(v) * p))] if v else float("nan")


def options():
    a = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    a.add_argument("--serveur", default=os.path.join(RACINE, "build/release/serveur_lobby"),
                   help="the program (build/release/serveur_lobby, built when missing)")
    a.add_argument("--lents", type=int, default=500, help="dawdling connections held (500)")
    a.add_argument("--clients", type=int, default=200, help="honest players (200)")
    a.add_argument("--duree", type=float, default=30, help="seconds of load (30)")
    a.add_argument("--pause", type=float, default=0.1,
                   help="seconds a player waits between requests (0.1: ten a second, far above the game)")
    a.add_argument("--processus", type=int, default=4, help="processes the players are spread on (4)")
    a.add_argument("--muets", action="store_true", help="dawdlers that all say nothing")
    a.add_argument("--limite", type=int, default=0, help="the server's descriptor limit (0: as given)")
    a.add_argument("--descripteurs", action="store_true",
                   help="the descriptor flood: --lents 3000 --muets --limite 1024")
    a.add_argument("--gouttes", action="store_true",
                   help="the dripping flood: --lents 3000 --limite 1024 --clients 50 --duree 15")
    a.add_argument("--lignes", type=int, default=0,
                   help="players added before the load, a quarter of the maximum per /16 network (0)")
    a.add_argument("--pipelines", type=int, default=0,
                   help="connections that send list requests at once and never read (0)")
    a.add_argument("--par-pipeline", type=int, default=60, help="requests each of them sends (60)")
    o = a.parse_args()
    if o.descripteurs:
        o.lents, o.muets, o.limite = 3000, True, 1024
    if o.gouttes:
        o.lents, o.muets, o.limite, o.clients, o.duree = 3000, False, 1024, 50, 15
    if not os.path.exists(o.serveur) and o.serveur == a.get_default("serveur"):
        subprocess.run(["cmake", "-S", RACINE, "-B", os.path.join(RACINE, "build/release"), "-G", "Ninja",
                        "-DCMAKE_BUILD_TYPE=Release", "-DTUV_TESTS=OFF"], check=True, stdout=subprocess.DEVNULL)
        subprocess.run(["cmake", "--build", os.path.join(RACINE, "build/release"), "--target", "serveur_lobby"],
                       check=True)
    return o


def charger(o, port, r):
    """Runs the dawdlers, the pipelines and the players until the end of the load; fills r."""
    ctx = multiprocessing.get_context("fork")
    sortie = ctx.Queue()
    fin = time.monotonic() + 1 + o.duree
    procs = []
    if o.lents:
        procs.append(ctx.Process(target=retardataires, args=(port, o.lents, o.muets, fin, sortie)))
    if o.pipelines:
        procs.append(ctx.Process(target=pipelines, args=(port, o.pipelines, o.par_pipeline, fin, sortie)))
    for p in procs:
        p.start()
    time.sleep(1)  # the dawdlers in place first
    k = max(1, min(o.processus, o.clients))
    for g in range(k):
        p = ctx.Process(target=groupe_joueurs, args=(port, list(range(g, o.clients, k)), fin, o.pause, sortie))
        p.start()
        procs.append(p)
    for _ in procs:
        m = sortie.get()
        if isinstance(m, tuple) and m[0] == "pipelines":
            r["pipelines"] = m[1]
        elif isinstance(m, tuple):
            r["tenues"], r["ouvertes"] = m
        else:
            for l, e, f in m:
                r["lat"] += l
                for genre, n in e.items():
                    r["erreurs"][genre] = r["erreurs"].get(genre, 0) + n
                if f:
                    r["attendus"].append(f)
    for p in procs:
        p.join()


def main():
    o = options()
    dur = resource.getrlimit(resource.RLIMIT_NOFILE)[1]
    resource.setrlimit(resource.RLIMIT_NOFILE, (dur, dur))
    joueurs = max(10000, o.lignes + o.clients)
    r = {"lat": [], "erreurs": {}, "attendus": [], "tenues": 0.0, "ouvertes": 0, "pipelines": 0}
    with tempfile.TemporaryDirectory() as dossier:
        base = os.path.join(dossier, "lobby.sqlite")
        serveur, port = demarrer(o.serveur, base, o.limite, joueurs)
        try:
            refus = remplir(port, o.lignes, joueurs)
            taille_liste = len((liste(port) or "").encode())
            mesure = Mesure(serveur.pid, port)
            mesure.start()
            charger(o, port, r)
            mesure.fini.set()
            mesure.join()
            perdus = rangs_perdus(port, r["attendus"])
            serveur.send_signal(signal.SIGKILL)
            serveur.wait()
            serveur, port = demarrer(o.serveur, base, o.limite, joueurs)
            perdus_kill = rangs_perdus(port, r["attendus"])
        finally:
            serveur.kill()
            serveur.wait()
    lat = sorted(r["lat"])
    erreurs = sum(r["erreurs"].values())
    if o.lents:
        print("dawdlers: %d asked%s, %.0f held on average, %d connections opened%s"
              % (o.lents, " (silent)" if o.muets else "", r["tenues"], r["ouvertes"],
                 ", server limited to %d descriptors" % o.limite if o.limite else ""))
    if o.lignes:
        print("list: %d players added first from %d /16 networks, %d refused; the list is %.0f KB"
              % (o.lignes, reseaux16(o.lignes, joueurs)[0], refus, taille_liste / 1e3))
    if o.pipelines:
        print("pipelines: %d asked, %d connections opened, %d requests each, never read"
              % (o.pipelines, r["pipelines"], o.par_pipeline))
    print("server: %.0f MB resident, %.1f MB in its sockets' send queues, %.0f KB in one, at most"
          % (mesure.rss / 1e6, mesure.file / 1e6, mesure.file_max / 1e3))
    print("players: %d for %.0f s, %d requests, %.0f a second, %d never added"
          % (o.clients, o.duree, len(lat), len(lat) / o.duree, o.clients - len(r["attendus"])))
    print("latency: p50 %.1f ms, p99 %.1f ms, worst %.1f ms" % (centile(lat, .5) * 1e3, centile(lat, .99) * 1e3,
                                                               (lat[-1] if lat else 0) * 1e3))
    print("errors: %d%s" % (erreurs, " (" + ", ".join("%s: %d" % g for g in sorted(r["erreurs"].items())) + ")"
                            if erreurs else ""))
    print("rows lost: %d running, %d after kill -9 and restart (of %d)"
          % (perdus, perdus_kill, len(r["attendus"])))
    return 0 if erreurs == 0 and perdus == 0 and perdus_kill == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
