#pragma once

namespace calvex {

// The six work windows, numbered as in their "Finestra n.k di 6" menu.
enum class WorkWindowId { dati = 1, sismica = 2, risultati = 3, controllasetti = 4, frontespizio = 5, pianta = 6 };

// The help pages, in the order of the help index.
enum class HelpPage {
    manuale,
    guidafunzionamento,
    guidaarchivio,
    guidastampa,
    guidadati,
    guidasismica,
    guidarisultati,
    guidacontrollo,
    guidafrontespizio,
    guidapianta,
    guidavalidazione,
};

} // namespace calvex
