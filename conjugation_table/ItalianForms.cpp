// The Italian forms: one cell per verb slot and tense/mood slot, lines exactly as shown.
// Line 1 holds the singular persons, line 2 the plural persons.
#include "conjugation_table/LanguageForms.h"

namespace conjugation_table {

namespace {

// clang-format off
constexpr FormCell kForms[] = {
    // 0: present indicative
    {0, 0, "sono sei è", "siamo siete sono"},
    {1, 0, "ho hai ha", "abbiamo avete hanno"},
    {2, 0, "amo ami ama", "amiamo amate amano"},
    {3, 0, "prendo prendi prende", "prendiamo prendete prendono"},
    {4, 0, "credo credi crede", "crediamo credete credono"},
    {5, 0, "faccio fai fa", "facciamo fate fanno"},
    {6, 0, "apro apri apre", "apriamo aprite aprono"},
    {7, 0, "vado vai va", "andiamo andate vannno"},
    {8, 0, "do dai da'", "diamo date danno"},
    {9, 0, "sto stai sta", "stiamo state stanno"},
    {10, 0, "vengo vieni viene", "veniamo vinite vengono"},
    // 1: imperfect
    {0, 1, "ero eri era'", "eravamo erate erano"},
    {1, 1, "avevo avevi aveva ", "avevamo avevate avevano"},
    {2, 1, "amavo amavi amava", "amavamo amavate amavano"},
    {3, 1, "prendevo prendevi prendeva", "prendevamo prendevate prendevano"},
    {4, 1, "credevo credevi credeva", "credevamo credevate credevano"},
    {5, 1, "facevo facevi faceva", "facevamo facevate facevamo"},
    {6, 1, "aprivo aprivi apriva", "aprivamo aprivate aprivano"},
    {7, 1, "andavo andavi andava", "andavamo andavate andavano"},
    {8, 1, "davo davi dava'", "davamo davate davano"},
    {9, 1, "stavo stavi stava", "staviamo stavate stavano"},
    {10, 1, "venivo venivi veniva", "veniviamo venivate venivano"},
    // 2: future
    {0, 2, "sarò sarai sarà", "saremo sarete saranno"},
    {1, 2, "avrò avrai avrà", "avremo avrete avranno"},
    {2, 2, "amerò amerai amerà", "ameremo amerete ameranno"},
    {3, 2, "prenderò prenderai prenderà", "prenderemo prenderete prenderanno"},
    {4, 2, "crederò crederai crederà", "crederemo crederete crederanno"},
    {5, 2, "farò farai farà", "faremo farete faranno"},
    {6, 2, "aprirò aprirai aprirà", "apriremo aprirete apriranno"},
    {7, 2, "andrò andrai andrà", "andremo andrete andranno"},
    {8, 2, "darò darai darà", "daremo darete daranno"},
    {9, 2, "starò starai starà", "staremo starete staranno"},
    {10, 2, "verrò verrai verrà", "verremo verrete verrano"},
    // 3: perfect / simple past
    {0, 3, "fui fosti fu", "fummo foste furono"},
    {1, 3, "ebbi avesti ebbe", "avemmo aveste ebbero"},
    {2, 3, "amai amasti amò", "amammo amaste amarono"},
    {3, 3, "prendei prendesti prendè", "prendemmo prendeste prenderono"},
    {4, 3, "credei credesti credè", "credemmo credeste crederono"},
    {5, 3, "feci facesti fece", "faccemmo faceste fecero"},
    {6, 3, "aprii apristi aprì", "aprimmo apriste aprirono"},
    {7, 3, "andai andasti andò", "andammo andaste andarono"},
    {8, 3, "diedi desti diede", "demmo deste diedero"},
    {9, 3, "stetti stesti stette", "stemmo steste stettero"},
    {10, 3, "venni vensti venne", "venimmo viniste vennero"},
    // 9: present subjunctive
    {0, 9, "sia sia sia", "siamo siate siano"},
    {1, 9, "abbia abbia abbia", "abbiamo abbiate abbiano"},
    {2, 9, "ami ami ami", "amiamo amiate amino"},
    {3, 9, "prenda prenda prenda", "prendiamo prendiate prendano"},
    {4, 9, "creda creda creda", "crediamo crediate credano"},
    {5, 9, "faccia faccia faccia", "facciamo facciate facciano"},
    {6, 9, "apra apra apra", "apriamo apriate aprano"},
    {7, 9, "vada vada vada", "andiamo andiate vadano"},
    {8, 9, "dia dia dia'", "diamo diate diano"},
    {9, 9, "stia stia stia", "stiamo stiate stiano"},
    {10, 9, "venga venga venga", "veniamo vinite vengano"},
    // 10: imperfect subjunctive
    {0, 10, "fossi fossi fosse", "fossimo foste fossero"},
    {1, 10, "avessi avessiavesse", "avessimo aveste avessero"},
    {2, 10, "amassi amassi amasse", "amassimo amaste amassero"},
    {3, 10, "prendessi prendessi prendesse", "prendessimo prendeste prendessero"},
    {4, 10, "credessi credessi credesse", "credessimo credeste credessero"},
    {5, 10, "facessi  facessi  facesse", "facessimo faceste facessero"},
    {6, 10, "aprissi  aprissi aprisse", "aprissimo  apriste aprissero"},
    {7, 10, "andassi  andassi  andasse", "andassimo andaste andassero"},
    {8, 10, "dessi  dessi desse'", "dessimo deste dessero"},
    {9, 10, "stessi stessi stesse", "stessimo steste stessero"},
    {10, 10, "venissi  venissi venisse", "venissimo veniste venissero"},
    // 11: present conditional
    {0, 11, "sarei saresti sarebbe", "saremmo sareste sarebbero"},
    {1, 11, "avrei avresti avrebbe", "avremmo avreste avrebbero"},
    {2, 11, "amerei amerestii amerebbe", "ameremmo amereste amerebbero"},
    {3, 11, "prenderei prenderesti prenderebbe", "prenderemmo prendereste prenderebbero"},
    {4, 11, "crederei crederesti crederebbe", "crederemmo credereste crederebbero"},
    {5, 11, "farei faresti farebbe", "faremmo fareste farebbero"},
    {6, 11, "aprirei apriresti aprirebbe", "apriremmo aprireste aprirebbero"},
    {7, 11, "andrei andresti andrebbe", "andremmo andreste andrebbero"},
    {8, 11, "darei daresti darebbe", "daremmo dareste darebbero"},
    {9, 11, "starei staresti starebbe", "staremmo stareste starebbero"},
    {10, 11, "verrei verresti verrebbe", "verremmo verreste verrebbero"},
    // 12: present imperative
    {0, 12, "sii sia", "siamo siate siano"},
    {1, 12, "abbi abbia", "abbiamo abbiate abbiano"},
    {2, 12, "ama ami", "amiamo amate amino"},
    {3, 12, "prendi prenda", "prendiamo prendete prendano"},
    {4, 12, "credi creda", "crediamo credite credano"},
    {5, 12, "fa' faccia", "facciamo facciate facciano"},
    {6, 12, "apri apra", "apriamo aprite aprano"},
    {7, 12, "va' vada", "andiamo andiate vadano"},
    {8, 12, "da' dia'", "diamo diate diano"},
    {9, 12, "stia stia", "stiamo state stiano"},
    {10, 12, "veini venga", "veniamo vinite vengano"},
};
// clang-format on

}  // namespace

std::span<const FormCell> ItalianForms() noexcept {
  return kForms;
}

}  // namespace conjugation_table
