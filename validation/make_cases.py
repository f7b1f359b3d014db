#!/usr/bin/env python3
"""Writes the archive of every case of the casebook (NN-name/Calvex-dati-caso).

Each archive is what the program would save after the data were typed:
records comma-separated, typed values in double quotes, lines ended by
CR LF, texts in Windows-1252. The expected values are worked out by hand in
each case's caso.md, not here.
"""

from pathlib import Path

HERE = Path(__file__).resolve().parent


def q(value):
    return '"' + value + '"'


def wall(dimx, dimy, x, y, tv="0", to="0", tauk="8", sigma="100", solai="0", sbalzi="0"):
    return [dimx, dimy, x, y, tv, to, tauk, sigma, solai, sbalzi]


# Storey values: specifico, permsolai, accsolai, permsbalzi, accsbalzi, hp.
STOREY = ["1.8", "0.35", "0.2", "0.4", "0.4", "3"]


def square_plan(side, half, slab="9", **x_changes):
    """Two X walls on the lines y = 0 and y = side, two Y walls on x = 0
    and x = side, all 0.3 thick and `side` long, centred on the sides."""
    return [
        wall(side, "0.3", half, "0", solai=slab, **x_changes),
        wall(side, "0.3", half, side, solai=slab, **x_changes),
        wall("0.3", side, "0", half, solai=slab),
        wall("0.3", side, side, half, solai=slab),
    ]


def elongated_plan(length):
    """Outer plan `length` x 10 m: X walls 6 m long on the long sides, Y
    walls 6 m long on the short sides, all 0.3 thick; the slabs of wall 2
    and wall 4 are larger, so that the centre of mass lies clearly off the
    centre of stiffness in both directions."""
    middle = str(length / 2).rstrip("0").rstrip(".")
    far = str(length - 0.15).rstrip("0").rstrip(".")
    return [
        wall("6", "0.3", middle, "0.15", solai="20"),
        wall("6", "0.3", middle, "9.85", solai="30"),
        wall("0.3", "6", "0.15", "5", solai="20"),
        wall("0.3", "6", far, "5", solai="30"),
    ]


def with_commas(values):
    return [v.replace(".", ",") for v in values]


CASES = {
    "01-un-setto-per-direzione": (["9", "4", "0.33", "1"], 1, [STOREY],
                                  [[wall("5", "0.3", "2.5", "0"), wall("0.3", "5", "0", "2.5")]]),
    "02-pianta-simmetrica": (["6", "4", "0.33", "1"], 2, [STOREY], [square_plan("6", "3")]),
    "03-pianta-eccentrica": (["9", "4", "0.33", "1"], 2, [STOREY],
                             [[wall("6", "0.3", "3", "0", solai="9"), wall("3", "0.3", "1.5", "6", solai="9"),
                               wall("0.3", "6", "0", "3", solai="9"), wall("0.3", "6", "6", "3", solai="9")]]),
    "04-pianta-allungata-30x10": (["9", "4", "0.33", "1"], 2, [STOREY], [elongated_plan(30)]),
    "05-pianta-allungata-40x10": (["9", "4", "0.33", "1"], 2, [STOREY], [elongated_plan(40)]),
    "06-tiranti": (["9", "4", "0.33", "1"], 2, [STOREY], [square_plan("6", "3", tv="10", to="5")]),
    "07-rottura-per-taglio": (["12", "4", "0.33", "1"], 2, [STOREY], [square_plan("6", "3", tauk="1")]),
    "08-rottura-per-compressione": (["9", "4", "0.33", "1"], 2, [["1.8", "0.6", "0.2", "0.4", "0.4", "3"]],
                                    [[wall("6", "0.3", "3", "0", sigma="10", solai="30"),
                                      wall("6", "0.3", "3", "6", solai="30"),
                                      wall("0.3", "6", "0", "3", solai="30"),
                                      wall("0.3", "6", "6", "3", solai="30")]]),
    "09-risultante-fuori-sezione": (["12", "4", "0.33", "1"], 4, [STOREY],
                                    [[wall("6", "0.3", "3", "0", solai="20"), wall("6", "0.3", "3", "6", solai="20"),
                                      wall("1", "0.3", "3", "3"), wall("2", "0.3", "3", "3", solai="4"),
                                      wall("0.3", "6", "0", "3", solai="20"),
                                      wall("0.3", "6", "6", "3", solai="20")]]),
    "10-due-piani": (["9", "4", "0.33", "1"], 2, [STOREY] * 2, [square_plan("5", "2.5", slab="0")] * 2),
    "11-cinque-piani": (["12", "4", "0.33", "1"], 2, [STOREY] * 5, [square_plan("6", "3")] * 5),
    "12-coefficienti": (["6", "2", "0.50", "1.4"], 2, [STOREY], [square_plan("6", "3")]),
    "13-grado-2": (["2", "4", "0.33", "1"], 2, [STOREY], [square_plan("6", "3")]),
}


def write(name, general, x_walls, storeys, walls, commas=False):
    convert = with_commas if commas else list
    count = len(walls[0])
    first = [q(general[0]), q(convert([general[1]])[0]), q(convert([general[2]])[0]), q(convert([general[3]])[0]),
             q(str(len(storeys))), str(x_walls), str(count - x_walls)]
    records = [first]
    records += [[q(v) for v in convert(storey)] for storey in storeys]
    records += [[q(v) for v in convert(w)] for storey_walls in walls for w in storey_walls]
    records.append([q("Caso prova " + name[:2]), q(""), q(""), q(""), q(""), q(""), q(""), q("")])
    folder = HERE / name
    folder.mkdir(exist_ok=True)
    data = "".join(",".join(record) + "\r\n" for record in records)
    (folder / "Calvex-dati-caso").write_bytes(data.encode("cp1252"))


for case_name, (general, x_walls, storeys, walls) in CASES.items():
    write(case_name, general, x_walls, storeys, walls)
# Case 02 typed with a decimal comma in every value that has decimals.
write("14-virgola-decimale", *CASES["02-pianta-simmetrica"], commas=True)
