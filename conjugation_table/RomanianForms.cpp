// The Romanian forms: one cell per verb slot and tense/mood slot, lines exactly as shown.
// Line 1 holds the singular persons, line 2 the plural persons.
#include "conjugation_table/LanguageForms.h"

namespace conjugation_table {

namespace {

// clang-format off
constexpr FormCell kForms[] = {
    // 0: present indicative
    {0, 0, "sunt ești este", "suntem sunteți sunt"},
    {1, 0, "am ai are", "avem aveți au"},
    {2, 0, "caut cauți caută", "căutăm cătați caută"},
    {3, 0, "iau iei ia", "luăm luați iau"},
    {4, 0, "lucrez lucrezi lucrează", "lucrăm lucarți lucrează"},
    {5, 0, "fac faci face", "facem faceți fac"},
    {6, 0, "vorbesc vorbești vorbește", "vorbim vorbiți vorbesc"},
    {7, 0, "ies ieși iese", "ieșim ieșiți ies"},
    {8, 0, "dau dai dă", "dăm dați dau"},
    {9, 0, "stau stai stă", "stăm stați stau"},
    {10, 0, "vin vii vine", "venim veniți vin"},
    // 1: imperfect
    {0, 1, "eram erai era", "eram erați erau"},
    {1, 1, "aveam aveai avea", "avaem aveați aveau"},
    {2, 1, "cautam cautai cauta", "cautam catați cautau"},
    {3, 1, "luam luai lua", "luam luați luau"},
    {4, 1, "lucram lucrai lucra", "lucram lucrați lucrau"},
    {5, 1, "faceam faceai facea", "faceam faceați faceau"},
    {6, 1, "vorbeam vorbeai vorbea", "vorbeam vorbeați vorbeau"},
    {7, 1, "iream ireai irea", "iream ireați ireau"},
    {8, 1, "dădeam dădeai dădea", "dădeam dădeați dădeau"},
    {9, 1, "stăteam stăteai stătea", "stăteam stăteați stăteau"},
    {10, 1, "veneam veneai venea", "veneam veneați veneau"},
    // 2: future
    {0, 2, "voi fi vei fi va fi", "vom fi  veți fi vor fi"},
    {1, 2, "voi avea vei avea va avea", "vom avea veți avea vor avea"},
    {2, 2, "voi cauta vei cauta va cauta", "vom cauta  veți cauta vor cauta"},
    {3, 2, "voi lua vei lua va lua", "vom lua  veți lua vor lua"},
    {4, 2, "voi lucra vei lucra va lucra", "vom lucra  veți lucra vor lucra"},
    {5, 2, "voi face vei face va face", "vom face  veți face vor face"},
    {6, 2, "voi vorbi vei vorbi va vorbi", "vom vorbi  veți vorbi vor vorbi"},
    {7, 2, "voi ieși vei ieși va ieși", "vom ieși  veți ieși vor ieși"},
    {8, 2, "voi da vei da va da", "vom da  veți da vor da"},
    {9, 2, "voi sta vei sta va sta", "vom sta  veți sta vor sta"},
    {10, 2, "voi veni vei veni va veni", "vom veni  veți veni vor veni"},
    // 3: perfect / simple past
    {0, 3, "fui fuseși fu", "furăm furăți fură"},
    {1, 3, "avui avuși avu", "avurăm avurăți avură"},
    {2, 3, "cautai cautași caută", "căutarăm cătarăți cautară"},
    {3, 3, "luai luași  luă", "luarăm luarăți luară"},
    {4, 3, "lucrai lucrași lucră", "lucrarăm lucarăți lucrară"},
    {5, 3, "făcui făcuși făcu", "făcrăm făcurați făcură"},
    {6, 3, "vorbii vorbiși vorbi", "vorbirăm vorbirați vorbiră"},
    {7, 3, "ieșii ieșiși ieși", "ieșirăm ieșirați ieșiră"},
    {8, 3, "dai dași dă", "darăm darați dară"},
    {9, 3, "stai stași stă", "starăm staraț stară"},
    {10, 3, "venii veniși veni", "venirăm venirați  veniră"},
    // 9: present subjunctive
    {0, 9, "fiu fii fie", "fim fiți fie"},
    {1, 9, "am ai aibă", "avem aveți aibă"},
    {2, 9, "caut cauți caute", "căutăm cătați caute"},
    {3, 9, "iau iei ia", "luăm luați ia"},
    {4, 9, "lucrez lucrezi lucreaze", "lucrăm lucarți lucreaze"},
    {5, 9, "fac faci facă", "facem faceți facă"},
    {6, 9, "vorbesc vorbești vorbească", "vorbim vorbiți vorbească"},
    {7, 9, "ies ieși iasă", "ieșim ieșiți iasă"},
    {8, 9, "dau dai dea", "dăm dați dea"},
    {9, 9, "stau stai stea", "stăm stați stea"},
    {10, 9, "vin vii vină", "venim veniți vină"},
    // 11: present conditional
    {0, 11, "aș fi ai fi ar fi", "am fi  ați fi ar fi"},
    {1, 11, "aș avea ai avea ar avea", "am avea ați avea ar avea"},
    {2, 11, "aș cauta ai cauta ar cauta", "am cauta  ați cauta ar cauta"},
    {3, 11, "aș lua ai lua ar lua", "am lua  ați lua ar lua"},
    {4, 11, "aș lucra ai lucra ar lucra", "am lucra  ați lucra ar lucra"},
    {5, 11, "aș face ai face ar face", "am face  ați face ar face"},
    {6, 11, "aș vorbi ai vorbi ar vorbi", "am vorbi  ați vorbi ar vorbi"},
    {7, 11, "aș ieși ai ieși ar ieși", "am ieși  ați ieși ar ieși"},
    {8, 11, "aș da ai da ar da", "am da  ați da ar da"},
    {9, 11, "aș sta ai sta ar sta", "am sta  ați sta ar sta"},
    {10, 11, "aș veni ai veni ar veni", "am veni  ați veni ar veni"},
};
// clang-format on

}  // namespace

std::span<const FormCell> RomanianForms() noexcept {
  return kForms;
}

}  // namespace conjugation_table
