// The French forms: one cell per verb slot and tense/mood slot, lines exactly as shown.
// Line 1 holds the singular persons, line 2 the plural persons.
#include "conjugation_table/LanguageForms.h"

namespace conjugation_table {

namespace {

// clang-format off
constexpr FormCell kForms[] = {
    // 0: present indicative
    {0, 0, "je suis tu es il est", "nous sommes vous etes ils sont"},
    {1, 0, "j'ai tu as il a", "nous avons vous avez ils ont"},
    {2, 0, "j'aime tu aimes il aime", "nous aimons vous aimez ils aiment"},
    {3, 0, "je prends tu prends il prend", "nous prenons vous prenez ils prennent"},
    {4, 0, "je crois tu crois il croit", "nous croyons vous croyez ils croient"},
    {5, 0, "je fais tu fais il fait", "nous faisons vous faites ils font"},
    {6, 0, "j'ouvre tu ouvres il ouvre", "nous ouvrons vous ouvrez ils ouvrent"},
    {7, 0, "je vais tu vas  il va", "nous allons vous allez ils vont"},
    {8, 0, "je donne tu donnes il donne'", "nous donnons vou donnez ils donnent"},
    {9, 0, "je suis tu es il est", "nous sommes vous etes ils sont"},
    {10, 0, "je viens tu viens il vient", "nous venons vous venez ils viennent"},
    // 1: imperfect
    {0, 1, "j'étais tu étais il était", "nous étions vous étiez ils étaient"},
    {1, 1, "j'avais tu avais il avait", "nous avions vous aviez ils avaient"},
    {2, 1, "j'aimais tu aimais il aimait", "nous aimions vous aimiez ils aimaient"},
    {3, 1, "je prenais tu prenais il prenait", "nous prenions vous preniez ils prenaient"},
    {4, 1, "je croyais tu croyais il croyait", "nous croyions vous croyiez ils croyaient"},
    {5, 1, "je faisais tu faisais il faisait", "nous faisions vous faisiez ils faisaient"},
    {6, 1, "j'ouvrais tu ouvrais il ouvrait", "nous ouvrions vous ouvriez ils ouvraient"},
    {7, 1, "j'allais tu allais  il allait", "nous allions vous alliez ils allaient"},
    {8, 1, "je donnais tu donnais il donnait'", "nous donnions vou donniez ils donnaient"},
    {9, 1, "j'étais tu étais il était", "nous étions vous étiez ils étaient"},
    {10, 1, "je venais tu venais il venait", "nous venions vous veniez ils venaient"},
    // 2: future
    {0, 2, "je serai tu seras il sera", "nous serons vous serez ils seront"},
    {1, 2, "j'aurai tu auras il aura", "nous aurons vous aurez ils auront"},
    {2, 2, "j'aimerai tu aimeras il aimera", "nous aimerons vous aimerez ils aimeront"},
    {3, 2, "je prendrai tu prendras il prendra", "nous prendrons vous prendrez ils prendront"},
    {4, 2, "je croirai tu croiras il croira", "nous croirons vous croirez ils croiront"},
    {5, 2, "je ferai tu feras il fera", "nous ferons vous ferez ils feront"},
    {6, 2, "j'ouvrai tu ouvras il ouvra", "nous ouvrirons vous ouvrirez ils ouvriront"},
    {7, 2, "j'irai tu iras  il ira", "nous irons vous irez ils iront"},
    {8, 2, "je donnerai tu donneras il donnera'", "nous donnerons vou donnerez ils donneront"},
    {10, 2, "je viendrai tu viendras il viendra", "nous viendrons vous viendrez ils viendront"},
    // 3: perfect / simple past
    {0, 3, "je fus tu fus il fut", "nous fûmes vous fûtes ils furent"},
    {1, 3, "j'eus tu eus il eut", "nous eûmes vous eûtes ils eurent"},
    {2, 3, "j'aimai tu aimas il aima", "nous aimâmes vous aimâtes ils aimèrent"},
    {3, 3, "je pris tu pris il prit", "nous prîmes vous prîtes ils prirent"},
    {4, 3, "je crus tu crus il crut", "nous crûmes vous crûtes ils crurent"},
    {5, 3, "je fis tu fis il fit", "nous fîmes vous fîtes ils firent"},
    {6, 3, "j'ouvris tu ouvris il ouvrit", "nous ouvrîmes vous ouvrîtes ils ouvrirent"},
    {7, 3, "j'allai tu allas  il alla", "nous allâmes vous allâtes ils allèrent"},
    {8, 3, "je donnai tu donnas il donna'", "nous donnâmes vou donnâtes ils donnèrent"},
    {10, 3, "je vins tu vins il vint", "nous vîmes vous vîtes ils virent"},
    // 9: present subjunctive
    {0, 9, "je sois tu sois il soit", "nous soyons vous soyez ils soient"},
    {1, 9, "j'aie tu aies il ait", "nous ayons vous ayez ils aient"},
    {2, 9, "j'aime tu aimes il aime", "nous aimions vous aimiez ils aiment"},
    {3, 9, "je prenne tu prennes il prenne", "nous prenions vous preniez ils prennent"},
    {4, 9, "je croie tu croies il croie", "nous croyions vous croyiez ils croient"},
    {5, 9, "je fasse tu fasses il fasse", "nous fassions vous fassiez ils fassent"},
    {6, 9, "j'ouvre tu ouvres il ouvre", "nous ouvrions vous ouvriez ils ouvrent"},
    {7, 9, "j'aille tu ailles  il aille", "nous allions vous alliez ils aillent"},
    {8, 9, "je donne tu donnes il donne'", "nous donnions vou donniez ils donnent"},
    {10, 9, "je vienne tu viennes il vienne", "nous venions vous veniez ils viennent"},
    // 10: imperfect subjunctive
    {0, 10, "je fusse tu fusses il fût", "nous fussions vous fussiez ils fussent"},
    {1, 10, "j'eusse tu eusses il eût", "nous eussions vous eussiez ils eussent"},
    {2, 10, "j'aimasse tu aimasses il aimât", "nous aimassions vous aimassiez ils aimassent"},
    {3, 10, "je prisse tu prisses il prît", "nous prissions vous prissiez ils prissent"},
    {4, 10, "je crusse tu crusses il crût", "nous crussions vous crussiez ils crussent"},
    {5, 10, "je fisse tu fisses il fît", "nous fissions vous fissiez ils fissent"},
    {6, 10, "j'ouvrisse tu ouvrisses il ouvrît", "nous ouvrissions vous ouvrissiez ils ouvrissent"},
    {7, 10, "j'allasse tu allasses  il allât", "nous allassions vous allassiez ils allassent"},
    {8, 10, "je donnasse tu donnasses il donnât'", "nous donnassions vou donnassiez ils donnassent"},
    {10, 10, "je vinse tu vinses il vînt", "nous vinissions vous vinissiez ils vinissent"},
    // 11: present conditional
    {0, 11, "je serais tu serais il serait", "nous serions vous seriez ils seraient"},
    {1, 11, "j'aurais tu aurais il aurait", "nous aurions vous auriez ils auraient"},
    {2, 11, "j'aimerais tu aimerais il aimerait", "nous aimerions vous aimeriez ils aimeraient"},
    {3, 11, "je prendrais tu prendrais il prendrait", "nous prendrions vous prendriez ils prendraient"},
    {4, 11, "je croirais tu croirais il croirait", "nous croirions vous croiriez ils croiraient"},
    {5, 11, "je ferais tu ferais il ferait", "nous ferions vous feriez ils feraient"},
    {6, 11, "j'ouvrais tu ouvrais il ouvrait", "nous ouvririons vous ouvririez ils ouvriraient"},
    {7, 11, "j'irais tu irais  il irait", "nous irions vous iriez ils iraient"},
    {8, 11, "je donnerais tu donnerais il donnerait'", "nous donnerions vou donneriez ils donneraient"},
    {10, 11, "je viendrais tu viendrais il viendrait", "nous viendrions vous viendriez ils viendraient"},
};
// clang-format on

}  // namespace

std::span<const FormCell> FrenchForms() noexcept {
  return kForms;
}

}  // namespace conjugation_table
