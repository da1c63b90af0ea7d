"""Audio helpers of the generators: 44.1 kHz float buffers, circular mixing (so a loop's
tails wrap round to its start), FFT filters, a reverb, and deterministic WAV/Ogg writing."""
import os
import subprocess
import tempfile
import wave

import numpy as np

TAUX = 44100


def t(n):
    return np.arange(n) / TAUX


def ajouter(tampon, debut, son, boucle=True):
    """Adds 'son' (n or n x 2) into 'tampon' at 'debut'; past the end it wraps round when
    'boucle' is set (the track loops), otherwise it is cut."""
    n = len(tampon)
    debut = int(debut) % n if boucle else int(debut)
    if son.ndim == 1 and tampon.ndim == 2:
        son = np.stack([son, son], axis=1)
    reste = len(son)
    pos = 0
    while reste > 0 and debut < n:
        k = min(reste, n - debut)
        tampon[debut:debut + k] += son[pos:pos + k]
        pos += k
        reste -= k
        if not boucle:
            break
        debut = 0


def panoramique(son, p):
    """Mono to stereo; p from -1 (left) to 1 (right), equal power."""
    a = (p + 1) * np.pi / 4
    return np.stack([son * np.cos(a), son * np.sin(a)], axis=1)


def filtre_fft(x, bas=None, haut=None, pente=1.0):
    """Circular band filter: smooth low/high cut-offs in Hz, applied along axis 0."""
    n = x.shape[0]
    f = np.fft.rfftfreq(n, 1 / TAUX)
    g = np.ones_like(f)
    if haut is not None:
        g *= 1 / (1 + (f / haut) ** (4 * pente))
    if bas is not None:
        g *= 1 / (1 + (bas / np.maximum(f, 1e-3)) ** (4 * pente))
    X = np.fft.rfft(x, axis=0)
    if x.ndim == 2:
        g = g[:, None]
    return np.fft.irfft(X * g, n=n, axis=0)


def reverb(x, duree=1.8, graine=3, brillance=5000.0):
    """Circular convolution with a decaying stereo noise tail: the tail of the end of a loop
    falls on its beginning, as it would when the loop plays again."""
    n = x.shape[0]
    rng = np.random.default_rng(graine)
    m = int(duree * TAUX)
    env = np.exp(-6.9 * t(m) / duree)
    ir = np.zeros((n, 2))
    for c in range(2):
        bruit = rng.standard_normal(m) * env
        ir[:m, c] = bruit
    ir[: int(0.012 * TAUX)] = 0          # pre-delay
    ir = filtre_fft(ir, haut=brillance)
    ir /= np.sqrt((ir ** 2).sum(axis=0, keepdims=True))
    X = np.fft.rfft(x, axis=0)
    H = np.fft.rfft(ir, axis=0)
    return np.fft.irfft(X * H, n=n, axis=0)


def enveloppe(n, attaque, declin, maintien=1.0, relache=None):
    """Attack (s), exponential decay time constant (s) toward 'maintien', and a release
    over the last 'relache' seconds."""
    tt = t(n)
    a = np.clip(tt / max(attaque, 1e-4), 0, 1)
    e = maintien + (1 - maintien) * np.exp(-np.maximum(tt - attaque, 0) / max(declin, 1e-4))
    env = a * e
    if relache:
        r = int(relache * TAUX)
        if 0 < r < n:
            env[-r:] *= np.linspace(1, 0, r) ** 2
    return env


def dent_de_scie(f, n, harmoniques=None, phase=0.0):
    """Band-limited sawtooth by additive synthesis (no aliasing)."""
    tt = t(n)
    kmax = harmoniques or max(1, int(min(9000.0, TAUX / 2.2) / f))
    s = np.zeros(n)
    for k in range(1, kmax + 1):
        s += np.sin(2 * np.pi * k * f * tt + phase * k) / k
    return s * 0.6


def carre(f, n, harmoniques=None):
    tt = t(n)
    kmax = harmoniques or max(1, int(min(7000.0, TAUX / 2.2) / f))
    s = np.zeros(n)
    for k in range(1, kmax + 1, 2):
        s += np.sin(2 * np.pi * k * f * tt) / k
    return s * 0.8


def fm(f, n, rapport, indice, declin_indice):
    tt = t(n)
    i = indice * np.exp(-tt / declin_indice)
    return np.sin(2 * np.pi * f * tt + i * np.sin(2 * np.pi * f * rapport * tt))


def note_hz(midi):
    return 440.0 * 2 ** ((midi - 69) / 12)


def normaliser(x, crete=0.89):
    return x * (crete / max(np.max(np.abs(x)), 1e-9))


def fondu(x, debut=0.003, fin=0.02):
    n = len(x)
    a, b = int(debut * TAUX), int(fin * TAUX)
    env = np.ones(n)
    if a:
        env[:a] = np.linspace(0, 1, a)
    if b:
        env[-b:] = np.linspace(1, 0, b) ** 2
    return x * (env[:, None] if x.ndim == 2 else env)


def pcm16(x):
    if x.ndim == 1:
        x = np.stack([x, x], axis=1)
    return np.round(np.clip(x, -1, 1) * 32767).astype("<i2")


def ecrire_wav(chemin, x):
    with wave.open(chemin, "wb") as w:
        w.setnchannels(2)
        w.setsampwidth(2)
        w.setframerate(TAUX)
        w.writeframes(pcm16(x).tobytes())


def ecrire_ogg(chemin, x, qualite, serie):
    """Ogg Vorbis through oggenc with a fixed stream serial, so runs give identical files."""
    with tempfile.TemporaryDirectory() as d:
        w = os.path.join(d, "son.wav")
        ecrire_wav(w, x)
        subprocess.run(["oggenc", "--quiet", "-q", str(qualite), "-s", str(serie), "-o", chemin, w],
                       check=True)


def lire_ogg(chemin):
    """Decodes an Ogg file back to floats (n x 2) with oggdec."""
    with tempfile.TemporaryDirectory() as d:
        w = os.path.join(d, "son.wav")
        subprocess.run(["oggdec", "--quiet", "-o", w, chemin], check=True)
        with wave.open(w, "rb") as f:
            a = np.frombuffer(f.readframes(f.getnframes()), dtype="<i2").reshape(-1, f.getnchannels())
    return a.astype(np.float64) / 32768


def verifier_boucle(x, nom):
    """The jump from the last sample to the first must look like any other step of the
    signal: no larger than its 99.9th percentile."""
    pas = np.abs(np.diff(x, axis=0)).max(axis=1)
    seuil = np.percentile(pas, 99.9)
    saut = np.abs(x[0] - x[-1]).max()
    if saut > seuil + 1e-4:
        raise SystemExit(f"{nom}: loop seam jumps by {saut:.4f}, above {seuil:.4f}")
    return saut, seuil
