// The Spanish forms: one cell per verb slot and tense/mood slot, lines exactly as shown.
// Line 1 holds the singular persons, line 2 the plural persons.
#include "conjugation_table/LanguageForms.h"

namespace conjugation_table {

namespace {

// clang-format off
constexpr FormCell kForms[] = {
    // 0: present indicative
    {0, 0, "soy eres es", "somos sois son"},
    {1, 0, "he has ha", "hemos habeis han"},
    {2, 0, "amo amas ama", "amamos amáis aman"},
    {3, 0, "prendo prendes prende", "prendemos prendéis prenden"},
    {4, 0, "creo crees cree", "cremos creéis creen"},
    {5, 0, "hago haces hace", "hacemos hacéis hacen"},
    {6, 0, "abro abres abre", "abrimos abrís abren"},
    {7, 0, "voy vas va", "vamos vais van"},
    {8, 0, "doy das da'", "damos dais dan"},
    {9, 0, "estoy estás está", "estamos estáis están"},
    {10, 0, "vengo vienes viene", "venimos venís vienen"},
    // 1: imperfect
    {0, 1, "era eras era", "éramos erais eran"},
    {1, 1, "había habías había", "habíamos habíais habían"},
    {2, 1, "amaba  amabas amaba", "amábamos amabais amaban"},
    {3, 1, "prendía prendías prendía", "prendíamos prendíais prendían"},
    {4, 1, "creía creías creía", "creíamos creíais creían"},
    {5, 1, "hacía hacías hacía", "hacíamos hacíais hacían"},
    {6, 1, "abría abrías abría", "abríamos abríais abrían"},
    {7, 1, "iba ibas iba", "íbamos ibais iban"},
    {8, 1, "daba dabas daba", "dábamos dabais daban"},
    {9, 1, "estaba estabas estaba'", "estábamos estabais estaban"},
    {10, 1, "venía  venías venía ", "veníamos veníais venían"},
    // 2: future
    {0, 2, "seré serás será", "seremos seréis serán"},
    {1, 2, "habré habrás habrá", "habremos habréis habrán"},
    {2, 2, "amaré amará amará", "amaremos amaréis amarán"},
    {3, 2, "prenderé prenderás prenderá", "prenderemos prenderéis prenderán"},
    {4, 2, "creeré creerás creerá", "creeremos creeréis creerán"},
    {5, 2, "haré harás hará", "haremos haréis harán"},
    {6, 2, "abriré abrirás abrirá", "abriremos abriréis abrirán"},
    {7, 2, "iré irás irá", "iremos iréis irán"},
    {8, 2, "daré darás dará", "daremos daréis darán"},
    {9, 2, "estaré estrás estará", "estaremos estaréis estarán"},
    {10, 2, "vendré vendrás vendrá", "vendremos vendréis vendrán"},
    // 3: perfect / simple past
    {0, 3, "fui fuiste fue", "fuimos fuiseteis fueron"},
    {1, 3, "hice hiciste hizo", "hicimos hicisteis hicieron"},
    {2, 3, "amé amaste amó", "amamos amasteis amaron"},
    {3, 3, "prendí  prendiste prendió", "prendimos prendisteis prendieron"},
    {4, 3, "creí  creiste creyó", "creimos creisteis creyeron"},
    {5, 3, "hice hiciste hizo", "hicemos hicisteis hicieron"},
    {6, 3, "abrí abriste abrió", "abrimos abristeis abrieron"},
    {7, 3, "fui fuiste fue", "fuimos fuisteis fueron"},
    {8, 3, "di diste dio", "dimos disteis dieron"},
    {9, 3, "estuve estuviste estuvo", "estuvimos estuvisteis estuvieron"},
    {10, 3, "vine viniste vino", "vinimos vinisteis vinieron"},
    // 5: conditional
    {0, 5, "sería serías sería", "seríamos seríais serían"},
    {1, 5, "habría habrías  habría", "habríamos habríais habrían"},
    {2, 5, "amaría amarías  amaría", "amaríamos amaríais amarían"},
    {3, 5, "prendería prenderías  prendería", "prenderíamos prenderíais prenderían"},
    {4, 5, "creería creerías  creería", "creeríamoss creeríais creerían"},
    {5, 5, "haría harías haría", "haríamos haríais harían"},
    {6, 5, "abriría abrirías  abriría", "abriríamos abriríais abrirían"},
    {7, 5, "iría irías  iría", "iríamos iríais irían"},
    {8, 5, "daría darías  daría", "daríamos daríais darían"},
    {9, 5, "estaría estrías  estaría", "estaríamos estaríais estarían"},
    {10, 5, "vendría vendrías  vendría", "vendríamos vendríais vendrían"},
    // 9: present subjunctive
    {0, 9, "sea seas sea", "seamos seáis sean"},
    {1, 9, "haya hayas haya", "hayamos hayáis hayan"},
    {2, 9, "ame ames ame", "amemos améis amen"},
    {3, 9, "prenda prendas prenda", "prendamos prendáis prendan"},
    {4, 9, "crea creas crea", "creamos creáis crean"},
    {5, 9, "haga hagas haga", "hagamos hagáis hagan"},
    {6, 9, "abra abras abra", "abramos abráis abran"},
    {7, 9, "vaya vayas vaya", "vayamos vayáis vayan"},
    {8, 9, "dé des dé", "demos deis den"},
    {9, 9, "esté estes esté", "estemos estéis estén"},
    {10, 9, "venga vengas venga", "vengamos vengáis vengan"},
    // 10: imperfect subjunctive
    {0, 10, "fuera fueras fuera", "fuéramos fuerais fueran"},
    {1, 10, "hiciera hicieras hiciera", "hiciéramos hicierais hicieran"},
    {2, 10, "amara amaras amara", "amáramos amarais amaran"},
    {3, 10, "prendiera  prendieras prendiera", "prendiéramos prendierais prendieran"},
    {4, 10, "creyera creyeras creyera", "creyéramos creyiereis creyeran"},
    {5, 10, "hiciera hicieras hiciera", "hiciérarmos hicierais hicieran"},
    {6, 10, "abriera abrieras abriera", "abriéramos abrierais abrieran"},
    {7, 10, "fuera fueras fuera", "fuéramos fuerais fueran"},
    {8, 10, "diera dieras diera", "diéramos dierais dieran"},
    {9, 10, "estuviera estuvieras estuviera", "estuviéramos estuvierais estuvieran"},
    {10, 10, "viniera vinieras viniera", "viniéramos vinierais vinieran"},
    // 11: future subjunctive
    {0, 11, "fuere fueres fuere", "fuéremos fuereis fueren"},
    {1, 11, "hiciere hicieres hiciere", "hiciéremos hiciereis hicieren"},
    {2, 11, "amare amares amare", "amáremos amareis amaren"},
    {3, 11, "prendiere  prendieres prendiere", "prendiéremos prendiereis prendieren"},
    {4, 11, "creyere creyeres creyere", "creyéremos creyereis creiyeren"},
    {5, 11, "hiciere hicieres hiciere", "hiciérermos hiciereis hicieren"},
    {6, 11, "abriere abrieres abriere", "abriéremos abriereis abrieren"},
    {7, 11, "fuere fueres fuere", "fuéremos fuereis fueren"},
    {8, 11, "diere dieres diere", "diéremos diereis dieren"},
    {9, 11, "estuviere estuvieres estuviere", "estuviéremos estuvieraeis estuvieren"},
    {10, 11, "viniere vinieres viniere", "viniéremos viniereis vinieren"},
    // 12: present imperative
    {0, 12, "sé", "sed"},
    {1, 12, "he", "habed"},
    {2, 12, "ama", "amad"},
    {3, 12, "prende", "prended"},
    {4, 12, "cree", "cred"},
    {5, 12, "haz", "haced"},
    {6, 12, "abre", "abrid"},
    {7, 12, "ve", "id"},
    {8, 12, "da'", "dad"},
    {9, 12, "esta", "estad"},
    {10, 12, "ven", "venid"},
};
// clang-format on

}  // namespace

std::span<const FormCell> SpanishForms() noexcept {
  return kForms;
}

}  // namespace conjugation_table
