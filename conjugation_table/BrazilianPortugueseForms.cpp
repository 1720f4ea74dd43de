// The Brazilian Portuguese forms: one cell per verb slot and tense/mood slot, lines exactly as
// shown. Line 1 holds the singular persons, line 2 the plural persons.
#include "conjugation_table/LanguageForms.h"

namespace conjugation_table {

namespace {

// clang-format off
constexpr FormCell kForms[] = {
    // 0: present indicative
    {0, 0, "sou é", "somos são"},
    {1, 0, "tenho tem", "temos têm"},
    {2, 0, "amo ama", "amamos amam"},
    {3, 0, "trago traz", "trazemos trazem"},
    {4, 0, "creio crê", "cremos creem"},
    {5, 0, "faço faz", "fazemos fazem"},
    {6, 0, "abro abre", "abrimos abrem"},
    {7, 0, "vou vai", "vamos vão"},
    {8, 0, "dou dá", "damos dão"},
    {9, 0, "estou está", "estamos estão"},
    {10, 0, "venho vem", "vímos vêm"},
    // 1: imperfect
    {0, 1, "era era", "éramos eram"},
    {1, 1, "tinha tinha", "tínhamos tinham"},
    {2, 1, "amava amava", "amávamos amavam"},
    {3, 1, "tria traria", "tríamos trariam"},
    {4, 1, "creia creia", "creíamos creiam"},
    {5, 1, "fazia fazia", "fazíamos faziam"},
    {6, 1, "abria abria", "abríamos abriam"},
    {7, 1, "ia ia", "íamos iam"},
    {8, 1, "dava dava", "dávamos davam"},
    {9, 1, "estava estava", "estávamos estavam"},
    {10, 1, "vinha vinha", "vínhamos vinham"},
    // 2: future
    {0, 2, "serei será", "seremos serão"},
    {1, 2, "terei terá", "teremos terão"},
    {2, 2, "amarei amará", "amaremos amarão"},
    {3, 2, "trarei trará", "traremos trarão"},
    {4, 2, "crerei crerá", "creremos crerão"},
    {5, 2, "farei fará", "faremos farão"},
    {6, 2, "abrirei abrirá", "abriremos abrirão"},
    {7, 2, "irei irá", "iremos irão"},
    {8, 2, "darei dará", "daremos darão"},
    {9, 2, "estarei estará", "estaremos estarão"},
    {10, 2, "virei virá", "viremos virão"},
    // 3: perfect / simple past
    {0, 3, "fui foi", "fomos foram"},
    {1, 3, "tive teve", "tivemos tiveram"},
    {2, 3, "amei amou", "amamos amaram"},
    {3, 3, "trouxe trouxe", "trouxemos trouxeram"},
    {4, 3, "crei creu", "cremos creram"},
    {5, 3, "faiz fez", "fizemos fizeram"},
    {6, 3, "abri abriu", "abrimos abriram"},
    {7, 3, "fui foi", "fomos foram"},
    {8, 3, "dei deu", "demos deram"},
    {9, 3, "estive esteve", "estivemos estiveram"},
    {10, 3, "vim veio", "viemos vieram"},
    // 5: conditional
    {0, 5, "seria seria", "seríamos seriam"},
    {1, 5, "teria teria", "teríamos teriam"},
    {2, 5, "amaria amaria", "amaríamo amariam"},
    {3, 5, "traria traria", "traríamos trariam"},
    {4, 5, "creria creria", "creríamo creriam"},
    {5, 5, "faria faria", "faríamo fariam"},
    {6, 5, "abriria abriria", "abríamo abririam"},
    {7, 5, "iria iria", "iríamos iriam"},
    {8, 5, "daria daria", "daríamo dariam"},
    {9, 5, "estaria estaria", "estaríamo estariam"},
    {10, 5, "viriai viria", "viríamo viriam"},
    // 9: present subjunctive
    {0, 9, "seja seja", "sejamos sejam"},
    {1, 9, "tenha tenha", "tenhamos tenham"},
    {2, 9, "amo ama", "amamos amam"},
    {3, 9, "traga traga", "tragamos tragam"},
    {4, 9, "crea crea", "cramos cram"},
    {5, 9, "faça faça", "façamos façam"},
    {6, 9, "abra abra", "abramos abram"},
    {7, 9, "vá vá", "vamos vão"},
    {8, 9, "dê dê", "demos dêem"},
    {9, 9, "esteja esteja", "estejamos estejam"},
    {10, 9, "venha venha", "vehamos veham"},
    // 10: imperfect subjunctive
    {0, 10, "fosse fosse", "fôssemos fossem"},
    {1, 10, "tivesse tivesse", "tivéssemos tivessem"},
    {2, 10, "amasse amasse", "amássemos amassem"},
    {3, 10, "trouxesse trouxesse", "trouxéssemos trouxessem"},
    {4, 10, "cresse cresse", "crêssemos cressem"},
    {5, 10, "fizesse fizesse", "fizéssemos fizessem"},
    {6, 10, "abrisse abrisse", "abríssemos abrissem"},
    {7, 10, "fosse fosse", "fôssemos fossem"},
    {8, 10, "desse desse", "déssemos dessem"},
    {9, 10, "estivsse estivesse", "estivéssemos estivessem"},
    {10, 10, "viesse viesse", "viéssemos viessem"},
    // 11: future subjunctive
    {0, 11, "for for", "formos forem"},
    {1, 11, "tiver tiver", "tivermos tiverem"},
    {2, 11, "amar amar", "amarmos amarem"},
    {3, 11, "trouxer trouxer", "trouxermos trouxerem"},
    {4, 11, "crer crer", "crermos crerem"},
    {5, 11, "fizer fizer", "fizermos fizerem"},
    {6, 11, "abrir abrir", "abrirmos abrirem"},
    {7, 11, "for for", "formos forem"},
    {8, 11, "der der", "dermos derem"},
    {9, 11, "estiver estiver", "estivermos estiverem"},
    {10, 11, "vier vier", "viermos vierem"},
    // 12: present imperative
    {0, 12, "seja", "sejam"},
    {1, 12, "tenha", "tenham"},
    {2, 12, "ame", "amem"},
    {3, 12, "traga", "tragam"},
    {4, 12, "crea", "cream"},
    {5, 12, "faça", "façam"},
    {6, 12, "abra", "abram"},
    {7, 12, "vá", "vão"},
    {8, 12, "dê", "dêem"},
    {9, 12, "esteja", "estejam"},
    {10, 12, "venha", "venham"},
};
// clang-format on

}  // namespace

std::span<const FormCell> BrazilianPortugueseForms() noexcept {
  return kForms;
}

}  // namespace conjugation_table
