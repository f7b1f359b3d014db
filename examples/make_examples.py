#!/usr/bin/env python3
"""Writes the two example archives of this folder.

Calvex-dati-esempio: a three-storey house in which some walls fail each of
the three checks. Calvex-dati-verificato: the same house with sound walls
and ties, which verifies. Records are comma-separated, texts in double
quotes, numbers bare, lines ended by CR LF, texts in Windows-1252.
"""

from pathlib import Path

HERE = Path(__file__).resolve().parent


def text(value):
    return '"' + value + '"'


# Plan 12 m x 9 m: X walls 1 to 6 on the facades and the spine, Y walls
# 7 to 12 on the gables and the middle line.
X_WALLS = [
    # dimx, dimy, ascissa, ordinata
    ("5", "0.4", "2.5", "0.2"),
    ("5", "0.4", "9.5", "0.2"),
    ("4", "0.3", "3", "4.5"),
    ("4", "0.3", "9", "4.5"),
    ("5", "0.4", "2.5", "8.8"),
    ("5", "0.4", "9.5", "8.8"),
]
Y_WALLS = [
    ("0.4", "4", "0.2", "2.25"),
    ("0.4", "4", "0.2", "6.75"),
    ("0.3", "3.5", "6", "2.25"),
    ("0.3", "3.5", "6", "6.75"),
    ("0.4", "4", "11.8", "2.25"),
    ("0.4", "4", "11.8", "6.75"),
]
# Slab area bearing on each wall, mq: the spine and the middle line carry
# both bays.
SLABS = ["12", "12", "22", "22", "12", "12", "10", "10", "20", "20", "10", "10"]
CANTILEVERS = ["3", "3", "0", "0", "3", "3", "0", "0", "0", "0", "0", "0"]


def storey_records():
    # Storey 1 typed, storeys 2 and 3 partly left at their defaults.
    return [
        [text("1.9"), text("0.45"), text("0.2"), text("0.4"), text("0.4"), text("3")],
        [text("1.8"), text("0.45"), ".2", ".4", ".4", text("3")],
        [text("1.8"), text("0.35"), text("0.1"), ".4", ".4", text("3")],
    ]


def wall_records(tauk, changes):
    """Wall records of storeys 1 to 3; `tauk` gives the masonry's shear
    strength per storey, `changes` maps (storey, wall) to the fields to
    replace."""
    records = []
    for storey in (1, 2, 3):
        for index, dims in enumerate(X_WALLS + Y_WALLS):
            wall = index + 1
            values = {
                "dimx": dims[0], "dimy": dims[1], "ascissa": dims[2], "ordinata": dims[3],
                "tirantiV": "0", "tirantiO": "0",
                "tauk": tauk[storey - 1],
                "sigma": "250" if storey == 1 else "200",
                "solai": SLABS[index], "sbalzi": CANTILEVERS[index],
            }
            values.update(changes.get((storey, wall), {}))
            records.append([text(values[name]) for name in (
                "dimx", "dimy", "ascissa", "ordinata", "tirantiV", "tirantiO",
                "tauk", "sigma", "solai", "sbalzi")])
    return records


def write(name, general, walls, title):
    records = [general] + storey_records() + walls + [[text(t) for t in title]]
    data = "".join(",".join(record) + "\r\n" for record in records)
    (HERE / name).write_bytes(data.encode("cp1252"))


def general(grado):
    return [text(grado), "4", ".33", "1", text("3"), "6", "6"]


# Second seismic category: the storeys fall short in shear.
write(
    "Calvex-dati-esempio",
    general("9"),
    wall_records(["9", "8", "8"], {
        # Crumbling masonry: Tu far below the force acting on the wall.
        (1, 3): {"tauk": "1"},
        # Weak blocks under the heaviest spine: the working stress exceeds sigma.
        (1, 9): {"sigma": "15"},
        # A short pier on the top storey with nothing bearing on it: the
        # resultant falls outside the section.
        (3, 4): {"dimx": "0.6", "solai": "0"},
    }),
    ["Edificio residenziale di tre piani", "Città di Castello (PG), via dei Tigli 4",
     "Società Edilizia Umbra s.r.l.", "arch. Laura Bianchi", "ing. Paolo Verdi",
     "Perugia", "12 marzo 2024", "tavole strutturali; relazione geologica"],
)

# Low seismicity: every wall holds.
write(
    "Calvex-dati-verificato",
    general("6"),
    wall_records(["8", "7", "7"], {}),
    ["Casa unifamiliare di tre piani", "Foligno (PG), località Sant'Eraclio",
     "Mario Rossi", "geom. Giulia Neri", "ing. Paolo Verdi",
     "Perugia", "5 febbraio 2024", "pianta dei setti; relazione sui materiali"],
)
