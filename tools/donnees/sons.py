"""The six sound effects: bump, rolling loop, blast, spring, switch and bomb pick-up."""
import numpy as np

import audio
import commun
from audio import TAUX, enveloppe, fm, t


# Every effect has an attack, a body and a tail that dies away to silence before the file
# ends (finir); levels are set so each stands clearly over the music (the loudest 50 ms of an
# effect lies some 6 dB above the music's average level).


def finir(x, duree=0.04):
    """Makes sure the very end is silent: an exponential fade over the last 'duree' seconds
    reaching -80 dB, so no effect stops on a click."""
    n = int(duree * TAUX)
    env = np.ones(len(x))
    env[-n:] = np.exp(np.linspace(0, np.log(1e-4), n))
    return x * (env[:, None] if x.ndim == 2 else env)


def bruit(n, graine, bas=None, haut=None):
    b = audio.filtre_fft(np.random.default_rng(graine).standard_normal(n), bas=bas, haut=haut)
    return b / np.max(np.abs(b))


def paf():
    # A bump: a sharp knock (a noise click with a wooden resonance), then a short falling
    # low thud that carries the weight.
    n = int(0.30 * TAUX)
    tt = t(n)
    f = 52 + 110 * np.exp(-tt / 0.022)
    corps = np.sin(2 * np.pi * np.cumsum(f) / TAUX) * np.exp(-tt / 0.055)
    corps = np.tanh(1.8 * corps)
    choc = bruit(n, 1, bas=300, haut=5000) * np.exp(-tt / 0.006)
    bois = sum(np.sin(2 * np.pi * fr * tt + ph) * np.exp(-tt / d) * g
               for fr, ph, d, g in ((410, 0.3, 0.030, 0.5), (930, 1.1, 0.018, 0.3), (1720, 2.0, 0.010, 0.2)))
    x = corps + 0.55 * choc + 0.45 * bois
    x = finir(audio.normaliser(audio.fondu(x, 0.0005, 0.0), 0.89), 0.06)
    return audio.panoramique(x, 0.0)


def rool():
    # Rolling: a low rumble built directly from whole periods of the loop (random phases on
    # the loop's own harmonics), with a gentle eight-per-loop wobble and the grain of the
    # ball on the floor (a faint band of higher noise), so it repeats seamlessly.
    n = TAUX  # one second
    rng = np.random.default_rng(2)
    f = np.fft.rfftfreq(n, 1 / TAUX)
    gain = np.exp(-((np.log(np.maximum(f, 1) / 170.0)) ** 2) / 0.5) * (f > 35)
    gain += 0.06 * np.exp(-((np.log(np.maximum(f, 1) / 1800.0)) ** 2) / 0.4)
    out = np.zeros((n, 2))
    for c in range(2):
        spectre = gain * np.exp(2j * np.pi * rng.random(len(f)))
        out[:, c] = np.fft.irfft(spectre, n=n)
    tt = t(n)
    wobble = 0.75 + 0.25 * np.sin(2 * np.pi * 8 * tt)          # 8 whole cycles per loop
    cliquetis = 0.5 + 0.5 * np.sin(2 * np.pi * 16 * tt + 1.0) ** 8
    out *= (wobble * (0.85 + 0.15 * cliquetis))[:, None]
    mono = out.mean(axis=1, keepdims=True)
    out = 0.7 * mono + 0.3 * out                                 # mostly centred
    return audio.normaliser(out, 0.80)


def boom():
    # The blast: a crack of bright noise, a deep falling thump and a long rumbling tail of
    # low noise that darkens as it dies, softly clipped so it hits hard.
    n = int(1.8 * TAUX)
    tt = t(n)
    rng = np.random.default_rng(3)
    x = np.zeros((n, 2))
    for c in range(2):
        b = rng.standard_normal(n)
        grave = audio.filtre_fft(b, haut=220) * np.exp(-tt / 0.40)
        medium = audio.filtre_fft(b, bas=220, haut=1500) * np.exp(-tt / 0.16)
        aigu = audio.filtre_fft(b, bas=1500, haut=9000) * np.exp(-tt / 0.045)
        x[:, c] = 2.2 * grave / np.std(grave[:TAUX // 10]) + 1.0 * medium / np.std(medium[:TAUX // 20]) \
            + 0.5 * aigu / np.std(aigu[:TAUX // 50])
    f = 36 + 90 * np.exp(-tt / 0.05)
    coup = np.sin(2 * np.pi * np.cumsum(f) / TAUX) * np.exp(-tt / 0.28)
    x += 2.8 * coup[:, None]
    x = np.tanh(x / np.max(np.abs(x)) * 2.0)
    x = x * np.exp(-np.clip(tt - 0.8, 0, None) / 0.25)[:, None]   # the tail dies out
    return finir(audio.normaliser(audio.fondu(x, 0.001, 0.0), 0.89), 0.15)


def ressort():
    # A spring: the pluck of a coiled wire (a bright metallic twang of inharmonic partials)
    # and the "boing", a buzzy tone whose pitch wobbles fast and settles as the coil rings out.
    n = int(0.75 * TAUX)
    tt = t(n)
    wobble = 1 + 0.22 * np.exp(-tt / 0.18) * np.sin(2 * np.pi * 14 * tt)
    f = 180 * (1 + 0.35 * np.exp(-tt / 0.05)) * wobble
    phase = 2 * np.pi * np.cumsum(f) / TAUX
    indice = 2.6 * np.exp(-tt / 0.25) + 0.4
    boing = np.sin(phase + indice * np.sin(phase * 1.0) + 0.6 * np.sin(phase * 3.0))
    boing *= enveloppe(n, 0.003, 0.22)
    fil = sum(np.sin(2 * np.pi * 520 * r * tt + r) * np.exp(-tt / (0.12 / r)) / r
              for r in (1.0, 2.76, 5.40, 8.93))
    pince = bruit(n, 4, bas=1500, haut=8000) * np.exp(-tt / 0.004)
    x = 0.9 * boing + 0.35 * fil + 0.35 * pince
    x = finir(audio.normaliser(audio.fondu(x, 0.0008, 0.0), 0.85), 0.08)
    return audio.panoramique(x, 0.0)


def inter():
    # A switch: the click of a lever going over (a hard tick with a small metal ring), then
    # the softer clack of it landing, and a low thunk of the mechanism.
    n = int(0.30 * TAUX)
    tt = t(n)
    x = np.zeros(n)
    for debut, force, graine, ton in ((0.000, 1.0, 5, 3100), (0.045, 0.7, 6, 2300)):
        k = int(debut * TAUX)
        m = n - k
        tm = t(m)
        tic = bruit(m, graine, bas=1800, haut=11000) * np.exp(-tm / 0.0025)
        metal = (np.sin(2 * np.pi * ton * tm) + 0.5 * np.sin(2 * np.pi * ton * 1.63 * tm)) * np.exp(-tm / 0.03)
        sourd = np.tanh(2 * np.sin(2 * np.pi * 140 * tm)) * np.exp(-tm / 0.05)
        x[k:] += force * (tic + 0.45 * metal + 0.9 * sourd)
    x = finir(audio.normaliser(audio.fondu(x, 0.0003, 0.0), 0.85), 0.05)
    return np.stack([x * 0.9, x], axis=1)


def pr_bombe():
    # Picking up a bomb: a grab (a short muffled clack), a bright rising blip that says
    # "got it", and the fuse catching: a crackling hiss that dies away.
    n = int(0.65 * TAUX)
    tt = t(n)
    prise = bruit(n, 7, bas=200, haut=2500) * np.exp(-tt / 0.008)
    f = 420 * np.exp(np.clip(tt - 0.02, 0, 0.12) / 0.12 * np.log(3.0))
    phase = 2 * np.pi * np.cumsum(f) / TAUX
    blip = (np.sign(np.sin(phase)) * 0.5 + np.sin(phase)) * enveloppe(n, 0.004, 0.06)
    blip = audio.filtre_fft(blip, haut=6000)
    rng = np.random.default_rng(8)
    gresil = np.zeros(n)
    for k in rng.integers(int(0.05 * TAUX), int(0.5 * TAUX), size=60):
        gresil[k] += rng.uniform(-1, 1)
    gresil = audio.filtre_fft(gresil, bas=2500, haut=12000)
    gresil /= np.max(np.abs(gresil))
    souffle = bruit(n, 9, bas=3000, haut=10000)
    meche = (0.6 * gresil + 0.25 * souffle) * np.clip((tt - 0.05) / 0.03, 0, 1) * np.exp(-np.clip(tt - 0.08, 0, None) / 0.13)
    x = 0.9 * prise + 0.4 * blip + 0.55 * meche
    x = finir(audio.normaliser(audio.fondu(x, 0.0005, 0.0), 0.85), 0.06)
    return audio.panoramique(x, 0.1)


EFFETS = [("sons/paf.ogg", paf), ("sons/rool.ogg", rool), ("sons/boom.ogg", boom),
          ("sons/ressort.ogg", ressort), ("sons/inter.wav", inter), ("sons/pr_bombe.wav", pr_bombe)]


def generer():
    for k, (rel, f) in enumerate(EFFETS):
        x = f()
        if rel.endswith(".wav"):
            audio.ecrire_wav(commun.chemin(rel), x)
        else:
            audio.ecrire_ogg(commun.chemin(rel), x, 5, 1000 + k)
    audio.verifier_boucle(audio.lire_ogg(commun.chemin("sons/rool.ogg")), "sons/rool.ogg")


if __name__ == "__main__":
    generer()
