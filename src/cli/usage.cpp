#include "commands.h"

namespace calvex::cli {

void printUsage(std::ostream& out) {
    out << "uso:\n"
           "  calvex-batch verifica FILE [--json]\n"
           "      verifica l'edificio descritto nell'archivio FILE; con --json scrive i risultati\n"
           "      come un oggetto JSON\n"
           "  calvex-batch relazione FILE -o OUT.pdf | OUT.odt\n"
           "      scrive in OUT.pdf la relazione di calcolo stampata dell'edificio, in OUT.odt\n"
           "      la relazione modificabile\n"
           "  calvex-batch pianta FILE -o OUT.pdf\n"
           "      scrive in OUT.pdf la pianta di ogni piano dell'edificio, una pagina per piano\n"
           "  calvex-batch copia IN OUT\n"
           "      legge l'archivio IN e lo riscrive in OUT\n"
           "  calvex-batch validazione -o OUT.pdf\n"
           "      calcola i casi prova della validazione e ne stampa in OUT.pdf i valori attesi e\n"
           "      quelli ottenuti\n"
           "stato di uscita: 0 edificio verificato (o copia, relazione, pianta o validazione riuscita), 1 edificio\n"
           "  non verificato (o un caso prova non superato),\n"
           "  2 argomenti errati, archivio illeggibile, dati incompleti o calcolo interrotto\n";
}

} // namespace calvex::cli
